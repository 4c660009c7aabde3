#include "screens/SaveSlotDate.h"

#include <array>
#include <cstdio>

namespace dh {

namespace {

constexpr std::array<const char*, 12> kMonths{"January", "February", "March",     "April",   "May",      "June",
                                              "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<const char*, 7> kWeekdays{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};

const char* daySuffix(int day)
{
    if (day >= 10 && day <= 19) {
        return "th";
    }
    switch (day % 10) {
    case 1:
        return "st";
    case 2:
        return "nd";
    case 3:
        return "rd";
    default:
        return "th";
    }
}

}

const char* monthName(int month)
{
    return month >= 1 && month <= 12 ? kMonths[static_cast<std::size_t>(month - 1)] : "Invalid";
}

const char* weekdayName(int weekday)
{
    return weekday >= 0 && weekday <= 6 ? kWeekdays[static_cast<std::size_t>(weekday)] : "Invalid";
}

std::string dayOfMonth(int day)
{
    char text[16];
    std::snprintf(text, sizeof text, "%1i%s", day, daySuffix(day));
    return text;
}

std::string clockTime(int hour, int minute)
{
    char text[32];
    std::snprintf(text, sizeof text, "%1i:%02i", hour, minute);
    return text;
}

SaveSlotDate saveSlotDate(const std::tm& utc)
{
    char year[16];
    std::snprintf(year, sizeof year, "%1i", utc.tm_year + 1900);
    return {year, monthName(utc.tm_mon + 1), weekdayName(utc.tm_wday), dayOfMonth(utc.tm_mday),
            clockTime(utc.tm_hour, utc.tm_min)};
}

}
