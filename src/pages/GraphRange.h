#pragma once
// The graph's y axis and therapeutic band for a drug: the range from the
// settings file (or the product's default), the axis maximum by drug.
#include "GraphState.h"

// `model` is the model index + 1 (2 = the two-compartment model of 5/1/1).
void SetGraphRangeFromLimits(TGraphState& graph, int kubun, int yakuzai, int yakuhin, int model);
