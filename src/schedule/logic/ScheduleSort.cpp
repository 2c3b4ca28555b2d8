#include "ScheduleSort.h"

#include <algorithm>

namespace {

int CompareValues(double a, double b)
{
    if (a > b)
        return 1;
    if (a < b)
        return -1;
    return 0;
}

template <typename Record>
void StableSort(std::vector<Record>& records, int (*compare)(const Record&, const Record&))
{
    std::stable_sort(records.begin(), records.end(),
                     [compare](const Record& a, const Record& b) { return compare(a, b) < 0; });
}

} // namespace

int CompareByStartDateTime(const TPrescription& a, const TPrescription& b)
{
    return CompareValues(a.touyo_start_time + a.touyo_time, b.touyo_start_time + b.touyo_time);
}

int CompareByDate(const TSamplingRecord& a, const TSamplingRecord& b)
{
    return CompareValues(a.saiketu_time, b.saiketu_time);
}

int CompareByTime(const TScheduleDay& a, const TScheduleDay& b)
{
    return CompareValues(a.DateTime, b.DateTime);
}

void SortByStartDateTime(std::vector<TPrescription>& prescriptions)
{
    StableSort(prescriptions, &CompareByStartDateTime);
}

void SortByDate(std::vector<TSamplingRecord>& samplings)
{
    StableSort(samplings, &CompareByDate);
}

void SortByTime(std::vector<TScheduleDay>& days)
{
    StableSort(days, &CompareByTime);
}
