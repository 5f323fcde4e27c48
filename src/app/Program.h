#pragma once

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"

class Desktop;

// The three windows of a run, created once and in this order: the main window, the header dialog,
// the export dialog. They live as long as the program; the dialogs are only shown and hidden.
struct Program {
    explicit Program(Desktop& desktop);

    TForm1 form1;
    TForm2 form2;
    TForm3 form3;
};
