#include "Program.h"

Program::Program(Desktop& desktop) : form1(desktop), form2(form1, desktop), form3(form1, desktop) {
    form1.Attach(&form2, &form3);
}
