#pragma once
// The albumin correction of a phenytoin concentration.
#include "Ustruct.h"

// c unchanged when no serum albumin is set (`kaiseki_table8` = 0), else
// c / (f x albumin / 4.4 + 0.1) with f = 0.9 without dialysis
// (`kaiseki_table9` = 0) and 0.432 with it.
double ApplyValueCorrection(const TAnalysisRecord& analysis, double c);
