#pragma once
// The graph's time span, fixed from the patient's real schedule (set 0).
#include "DrugKey.h"
#include "GraphState.h"

#include <vector>

// Sets GraphFirstDay, GraphLastDay, GraphViewStart, GraphViewEnd and
// GraphViewDays of graph and leaves its other fields alone. The span runs
// from the earliest start to the latest end (an open end counting as start +
// 89 days), or is today alone for an empty list; methotrexate (9/1) always
// spans its first day + 3. The view shows the whole span when it fits in 30
// days for digoxin (1/1) or 14 days otherwise, else that many days from the
// first. today is the caller's date at 00:00 (vcl::Date()).
void ComputeGraphSpan(const std::vector<TPrescription>& prescriptions, const TDrugKey& drug,
                      vcl::TDateTime today, TGraphState& graph);
