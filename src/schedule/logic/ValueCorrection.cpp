#include "ValueCorrection.h"

double ApplyValueCorrection(const TAnalysisRecord& analysis, double c)
{
    const double albumin = analysis.kaiseki_table8;
    if (albumin == 0)
        return c;
    const double f = analysis.kaiseki_table9 == 0 ? 0.9 : 0.432;
    return c / (f * albumin / 4.4 + 0.1);
}
