#pragma once
// Small builders for schedule records.
#include "DateTime.h"
#include "Ustruct.h"

namespace schedule_test {

inline constexpr double Day = 45200;   // 2023-09-30, a whole day

inline TPrescription Prescription(double start, double end, int interval, double timeOfDay, double dose,
                                  double dripHours = 0)
{
    TPrescription p;
    p.touyo_start_time = start;
    p.touyo_end_time = end;
    p.touyo_interval = interval;
    p.touyo_time = timeOfDay;
    p.touyo_dose = dose;
    p.touyo_drip_time = dripHours;
    return p;
}

inline TScheduleDay Administration(double dateTime, double dose, double dripHours = 0, int prescription = 0)
{
    return {prescription, dateTime, dose, dripHours, dose};
}

inline double At(int hour, int minute, int second = 0)
{
    return vcl::EncodeTime(hour, minute, second, 0);
}

} // namespace schedule_test
