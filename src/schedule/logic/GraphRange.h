#pragma once
// The graph's y axis and therapeutic band for a drug: the range from the
// settings file (or the product's default), the axis maximum by drug.
#include "DrugKey.h"
#include "GraphState.h"

// The key's `algo` is the model choice of 5/1/1 (2 = two compartments).
void SetGraphRangeFromLimits(TGraphState& graph, const TDrugKey& drug);
