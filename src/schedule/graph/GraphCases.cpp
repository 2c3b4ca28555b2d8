#include "GraphCases.h"

namespace {

using namespace drugs;
constexpr GraphCurveCase Two = GraphCurveCase::TwoCurve;
constexpr GraphCurveCase Corrected = GraphCurveCase::CorrectedCurve;

constexpr TDrugRule<TGraphCase> GraphCaseTable[] = {
    {Arbekacin.Product(1), {Two, GraphAxis::Linear}},             // arbekacin
    {Vancomycin.Product(1).Algo(2), {Two, GraphAxis::Linear}},    // vancomycin, two compartments
    {Teicoplanin.Product(1), {Two, GraphAxis::Linear}},           // teicoplanin
    {Meropenem.Product(1), {Two, GraphAxis::Linear}},             // meropenem
    {Methotrexate, {Two, GraphAxis::Logarithmic}},                // methotrexate, every product
    {Phenytoin, {Corrected, GraphAxis::Linear}},                  // phenytoin and fosphenytoin
};

enum class AxisUnit { MicrogramPerMl, NanogramPerMl, MilliequivalentPerL, Micromolar };

constexpr TDrugRule<AxisUnit> AxisUnitTable[] = {
    {Digoxin.Products(1, 4), AxisUnit::NanogramPerMl},            // digoxin
    {Lithium, AxisUnit::MilliequivalentPerL},                     // lithium carbonate
    {Methotrexate, AxisUnit::Micromolar},                         // methotrexate
};

} // namespace

TGraphCase GraphCaseOf(const TDrugKey& drug)
{
    return FirstMatch(GraphCaseTable, drug, TGraphCase{});
}

QString GraphYAxisTitle(const TDrugKey& drug)
{
    switch (FirstMatch(AxisUnitTable, drug, AxisUnit::MicrogramPerMl)) {
    case AxisUnit::MicrogramPerMl: break;
    case AxisUnit::NanogramPerMl: return QStringLiteral("血中濃度(ng/mL)");
    case AxisUnit::MilliequivalentPerL: return QStringLiteral("血中濃度(mEq/L)");
    case AxisUnit::Micromolar: return QStringLiteral("血中濃度(μM)");
    }
    return QStringLiteral("血中濃度(μg/mL)");
}
