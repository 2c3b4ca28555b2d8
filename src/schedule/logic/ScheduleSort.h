#pragma once
// The sort orders of the schedule's records. The comparators are three-way
// (1 when a is later, -1 when earlier, 0 when equal); the sorts are stable,
// so records that compare equal keep their entry order.
#include "Ustruct.h"

#include <vector>

// Start date + time of day.
int CompareByStartDateTime(const TPrescription& a, const TPrescription& b);
// Sampling date-time.
int CompareByDate(const TSamplingRecord& a, const TSamplingRecord& b);
// Administration date-time.
int CompareByTime(const TScheduleDay& a, const TScheduleDay& b);

void SortByStartDateTime(std::vector<TPrescription>& prescriptions);
void SortByDate(std::vector<TSamplingRecord>& samplings);
void SortByTime(std::vector<TScheduleDay>& days);
