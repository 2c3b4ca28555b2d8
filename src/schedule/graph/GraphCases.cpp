#include "GraphCases.h"

#include "ResultDialogRules.h"

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

} // namespace

TGraphCase GraphCaseOf(const TDrugKey& drug)
{
    return FirstMatch(GraphCaseTable, drug, TGraphCase{});
}

QString GraphYAxisTitle(const TDrugKey& drug)
{
    return ConcentrationHeadingFor(drug);
}
