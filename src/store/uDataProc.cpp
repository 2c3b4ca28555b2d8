#include "uDataProc.h"

#include "Clock.h"

#include <cmath>

int AgeFromBirthDate(vcl::TDateTime birthDate)
{
    return AgeOnDate(birthDate, vcl::Date());
}

int AgeOnDate(vcl::TDateTime birthDate, vcl::TDateTime todayDate)
{
    const vcl::DateTimeParts today = vcl::DecodeDateTime(todayDate);
    const vcl::DateTimeParts birth = vcl::DecodeDateTime(birthDate);
    int age = today.year - birth.year;
    if (today.month < birth.month || (today.month == birth.month && today.day < birth.day))
        --age;
    return age;
}

double TimeOfDay(vcl::TDateTime value)
{
    return value - std::trunc(value);
}

int MinutesOfDay(vcl::TDateTime value)
{
    const vcl::DateTimeParts p = vcl::DecodeDateTime(value);
    return p.hour * 60 + p.minute;
}
