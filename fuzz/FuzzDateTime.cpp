// The date and time checks and the steps over any texts and positions: a check writes back the text
// without its blanks, passes only what has the format; a step from a checked time gives a checked time
// with minutes 00 to 59 and moves the date only at a carry past midnight, by its day alone.

#include "DateTime.h"
#include "FuzzInput.h"

using namespace zevo;
using namespace zevo::fuzz;

namespace {

bool Digits(const std::string& text, std::initializer_list<std::size_t> at) {
    for (std::size_t i : at)
        if (i >= text.size() || text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

void CheckStep(const DateTimeFields& before, const StepResult& after, bool fromChecked) {
    if (after.failure) {
        Require(after.fields.date == before.date && after.fields.time == before.time,
                "a failed step keeps the texts");
        return;
    }
    if (!fromChecked)
        return;
    const std::string& time = after.fields.time;
    Require(CheckTime(time).fault == FieldFault::None && CheckTime(time).text == time,
            "a step gives a checked time");
    Require(time.substr(3) == (after.fields.position < 10 ? "0" : "") + std::to_string(after.fields.position),
            "the minutes are the position");
    Require(after.fields.position >= 0 && after.fields.position <= 59, "the position stays within 0 to 59");
    const bool dayMoved = after.fields.date != before.date;
    Require(!dayMoved || after.fields.date.compare(0, 8, before.date, 0, 8) == 0,
            "a carry keeps year and month");
    Require(!dayMoved || time == "00:00" || time == "23:59", "the day moves only past midnight");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // date, time, spin position
    const std::vector<std::string> f = Fields(Bytes(data, size), 3);
    const CheckedField date = CheckDate(f[0]);
    const CheckedField time = CheckTime(f[1]);
    for (const auto& [checked, typed] : {std::pair{date, f[0]}, std::pair{time, f[1]}})
        Require(checked.text.find(' ') == std::string::npos &&
                    checked.text.size() + std::count(typed.begin(), typed.end(), ' ') == typed.size(),
                "a check drops the blanks and nothing else");
    Require((date.fault == FieldFault::None) ==
                (date.text.size() == 10 && Digits(date.text, {0, 1, 2, 3, 5, 6, 8, 9})),
            "a date passes exactly when it has the format");
    Require((time.fault == FieldFault::None) == (time.text.size() == 5 && Digits(time.text, {0, 1, 3, 4})),
            "a time passes exactly when it has the format");

    int position = 0;
    for (char c : f[2].substr(0, 3))
        position = position * 10 + (c & 0x0f);
    if (!f[2].empty() && f[2][0] == '-')
        position = -1;
    const bool fromChecked = date.fault == FieldFault::None && time.fault == FieldFault::None;
    const int minutes = fromChecked ? (time.text[3] - '0') * 10 + (time.text[4] - '0') : 0;
    const DateTimeFields start{date.text, time.text,
                               fromChecked ? SpinPositionForMinutes(minutes) : position};
    if (fromChecked)
        Require(start.position >= 0 && start.position <= 59, "a checked time's position is a minute");
    for (const Step step : {Step::Forward, Step::Back})
        CheckStep(start, StepTime(start, step), fromChecked);
    DateTimeFields clicked = start;
    clicked.position = fromChecked ? std::clamp(position, -1, 60) : position;
    CheckStep(clicked, SpinClick(clicked), fromChecked);
    return 0;
}
