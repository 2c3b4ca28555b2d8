#include "ParamTable.h"

#include <iterator>

namespace {

using namespace drugs;

enum Param { Ka = 0, Ke = 1, Vd = 2, V1 = 3, F = 5, A = 6, B = 7, K12 = 8, K21 = 9, Cl = 11 };

constexpr TParamRowSpec OneCompOralWholeBodyRows[] = {
    {u"Vd(L)", Vd}, {u"Ka(1/hr)", Ka}, {u"CL(L/hr)", Cl}, {u"F", F}};
constexpr TParamRowSpec OneCompInfusionWholeBodyRows[] = {{u"Vd(L)", Vd}, {u"CL(L/hr)", Cl}};
constexpr TParamRowSpec OneCompOralPerKgRows[] = {
    {u"Vd(L/kg)", Vd}, {u"Ka(1/hr)", Ka}, {u"CL(L/kg/hr)", Cl}, {u"F", F}};
constexpr TParamRowSpec OneCompOralKeRows[] = {
    {u"Vd(L/kg)", Vd}, {u"Ka(1/hr)", Ka}, {u"Ke(1/hr)", Ke}, {u"F", F}};
constexpr TParamRowSpec TwoCompClRows[] = {
    {u"V1(L)", V1}, {u"CL(L/hr/kg)", Cl}, {u"K12(1/hr)", K12}, {u"K21(1/hr)", K21}};
// Methotrexate's V1 is per kilogram: the simulation multiplies it by the body weight.
constexpr TParamRowSpec TwoCompKeRows[] = {
    {u"V1(L/kg)", V1}, {u"Ke(1/hr)", Ke}, {u"K12(1/hr)", K12}, {u"K21(1/hr)", K21}, {u"F", F}};
constexpr TParamRowSpec OneCompInfusionPerKgRows[] = {{u"Vd(L/kg)", Vd}, {u"CL(L/kg/hr)", Cl}};
constexpr TParamRowSpec MichaelisMentenOralRows[] = {
    {u"Vd(L/kg)", Vd}, {u"Ka(1/hr)", Ka}, {u"Km(mg/L)", A}, {u"Vmax(mg/kg/hr)", B}, {u"F", F}};
constexpr TParamRowSpec MichaelisMentenInfusionRows[] = {
    {u"Vd(L/kg)", Vd}, {u"Km(mg/L)", A}, {u"Vmax(mg/kg/hr)", B}};

struct TLayoutEntry {
    const char16_t* Name;
    std::span<const TParamRowSpec> Rows;
};

// In the order of ParamLayout.
const TLayoutEntry Layouts[] = {
    {u"L1", OneCompOralWholeBodyRows},
    {u"L2", OneCompInfusionWholeBodyRows},
    {u"L3", OneCompOralPerKgRows},
    {u"L4", OneCompOralPerKgRows},
    {u"L5", OneCompOralKeRows},
    {u"L6", TwoCompClRows},
    {u"L7", TwoCompKeRows},
    {u"L8", OneCompInfusionPerKgRows},
    {u"L9", MichaelisMentenOralRows},
    {u"L10", MichaelisMentenInfusionRows},
};

constexpr TDrugRule<ParamLayout> LayoutRules[] = {
    {Digoxin.Products(1, 3), ParamLayout::OneCompOralWholeBody},             // digoxin oral
    {Levetiracetam.Product(1), ParamLayout::OneCompOralWholeBody},           // levetiracetam
    {Lamotrigine.Product(1), ParamLayout::OneCompOralWholeBody},             // lamotrigine
    {Digoxin.Product(4), ParamLayout::OneCompInfusionWholeBody},             // digoxin injection
    {Theophylline.Products(1, 3), ParamLayout::OneCompOralPerKg},            // theophylline
    {Phenobarbital.Products(1, 5), ParamLayout::OneCompOralPerKg},           // phenobarbital oral, intramuscular
    {Zonisamide.Products(1, 2), ParamLayout::OneCompOralPerKg},              // zonisamide
    {Pilsicainide.Product(1), ParamLayout::OneCompOralPerKg},                // pilsicainide
    {Theophylline.Product(4), ParamLayout::OneCompOralPerKgB},               // theophylline, sustained release
    {Carbamazepine.Products(1, 2), ParamLayout::OneCompOralKe},              // carbamazepine
    {ValproicAcid.Products(1, 5), ParamLayout::OneCompOralKe},               // valproic acid
    {Lithium.Product(1), ParamLayout::OneCompOralKe},                        // lithium carbonate
    {Arbekacin.Product(1), ParamLayout::TwoCompCl},                          // arbekacin
    {Vancomycin.Product(1).Algo(2), ParamLayout::TwoCompCl},                 // vancomycin, two compartments
    {Teicoplanin.Product(1), ParamLayout::TwoCompCl},                        // teicoplanin
    {Meropenem.Product(1), ParamLayout::TwoCompCl},                          // meropenem
    {Methotrexate.Product(1), ParamLayout::TwoCompKe},                       // methotrexate
    {Aminophylline.Product(1), ParamLayout::OneCompInfusionPerKg},           // aminophylline
    {Phenobarbital.Product(6), ParamLayout::OneCompInfusionPerKg},           // phenobarbital intravenous
    {Vancomycin.Product(1).Algo(1), ParamLayout::OneCompInfusionPerKg},      // vancomycin, one compartment
    {Phenytoin.Product(1), ParamLayout::MichaelisMentenOral},                // phenytoin oral
    {Phenytoin.Products(2, 3), ParamLayout::MichaelisMentenInfusion},        // phenytoin, fosphenytoin infusion
};

const TLayoutEntry& EntryOf(ParamLayout layout)
{
    return Layouts[static_cast<std::size_t>(layout)];
}

} // namespace

QString ParamLayoutName(ParamLayout layout)
{
    return QString::fromUtf16(EntryOf(layout).Name);
}

std::span<const TParamRowSpec> ParamLayoutRows(ParamLayout layout)
{
    return EntryOf(layout).Rows;
}

std::optional<ParamLayout> ParamLayoutFor(const TDrugKey& key)
{
    return FindFirstMatch(LayoutRules, key);
}

std::span<const TDrugRule<ParamLayout>> ParamLayoutRules()
{
    return LayoutRules;
}

TParamTable ParamTableFor(const TDrugKey& key, const TPopulationBlock& values)
{
    TParamTable table;
    if (const std::optional<ParamLayout> layout = ParamLayoutFor(key)) {
        const std::span<const TParamRowSpec> rows = ParamLayoutRows(*layout);
        for (std::size_t row = 0; row < rows.size(); ++row)
            table[row] = {QString::fromUtf16(rows[row].Caption), values.Mean[rows[row].Param],
                          values.Cv[rows[row].Param]};
    }
    return table;
}

std::optional<TPopulationBlock> ShownParams(ParamSource source, int sourceIndex, int pastIndex,
                                            const TPopulationBlock& current,
                                            const std::vector<TAnalysisRecord>& pastAnalyses)
{
    switch (source) {
    case ParamSource::Population:
        if (sourceIndex < 0)
            return std::nullopt;
        return current;
    case ParamSource::PastAnalysis:
        if (pastIndex < 0 || pastIndex >= static_cast<int>(pastAnalyses.size()))
            return std::nullopt;
        return TPopulationBlock{pastAnalyses[pastIndex].kaiseki, pastAnalyses[pastIndex].bosyudan_vari};
    case ParamSource::Manual:
        return current;
    }
    return std::nullopt;
}
