#include "GraphRange.h"

#include "DrugMaster.h"

#include <cmath>

void SetGraphRangeFromLimits(TGraphState& graph, int kubun, int yakuzai, int yakuhin, int model)
{
    ReadRangeLimits(kubun, yakuzai, yakuhin, graph.RangeUpper, graph.RangeLower);
    auto is = [&](int k, int d, int p) { return kubun == k && yakuzai == d && yakuhin == p; };
    graph.GraphYMin = 0;
    if (is(4, 1, 1))
        graph.GraphYMax = 40;
    else if (is(5, 1, 1) && model == 2)
        graph.GraphYMax = 60;
    else if (is(5, 2, 1))
        graph.GraphYMax = 70;
    else if (is(8, 1, 1))
        graph.GraphYMax = 60;
    else if (is(9, 1, 1)) {
        graph.GraphYMax = 4;
        graph.GraphYMin = -2;
    } else {
        // A hand-edited settings file may hold anything; the axis stays drawable.
        const double top = std::ceil(2 * graph.RangeUpper);
        graph.GraphYMax = std::isfinite(top) && top < 1e6 ? static_cast<int>(top) : 1;
    }
    if (graph.GraphYMax < 1)
        graph.GraphYMax = 1;
    graph.GraphYRange = graph.GraphYMax - graph.GraphYMin;
}
