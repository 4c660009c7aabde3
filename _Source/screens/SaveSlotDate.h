#pragma once
#include <ctime>
#include <string>

namespace dh {

// The date parts a save slot shows for its file's write time, as in
// "Saturday 5th December 2026 17:05".
struct SaveSlotDate {
    std::string year;
    std::string month;
    std::string weekday;
    std::string day;
    std::string time;
};

// "January" .. "December" for 1..12, otherwise "Invalid".
const char* monthName(int month);
// "Sunday" .. "Saturday" for 0..6, otherwise "Invalid".
const char* weekdayName(int weekday);
// The day of the month with its suffix: 1st, 2nd, 3rd, 4th, 11th, 12th, 13th, 21st.
std::string dayOfMonth(int day);
// Hour without a leading zero, minute with two digits: 9:05.
std::string clockTime(int hour, int minute);

SaveSlotDate saveSlotDate(const std::tm& utc);

}
