#include "ParamTable.h"

#include "DrugKey.h"
#include "NumberFormat.h"

#include <initializer_list>

namespace {

// Positions of the parameters in a TParamBlock.
enum Param : int { Ka = 0, Ke = 1, Vd = 2, V1 = 3, F = 5, A = 6, B = 7, K12 = 8, K21 = 9, Cl = 11 };

struct TParamRow {
    const char16_t* Label;
    Param Parameter;
};

QString Four(double value)
{
    return vcl::FormatFloat(QStringLiteral("0.0000"), value);
}

void FillRows(TParamTable& table, const TAnalysisRecord& analysis, std::initializer_list<TParamRow> rows)
{
    int row = 1;
    for (const TParamRow& layout : rows) {
        std::array<QString, ParamTableColumns>& cells = table.Cells[static_cast<std::size_t>(row++)];
        cells[0] = QString::fromUtf16(layout.Label);
        cells[1] = Four(analysis.bosyudan[layout.Parameter]);
        cells[2] = Four(analysis.bosyudan_vari[layout.Parameter]);
        cells[3] = Four(analysis.kaiseki[layout.Parameter]);
        cells[4] = Four(analysis.kaiseki_vari[layout.Parameter]);
    }
}

using TRowFiller = void (*)(TParamTable&, const TAnalysisRecord&);

using namespace drugs;

// Tested in this order; the first match wins.
constexpr TDrugRule<TRowFiller> RowFillers[] = {
    {Theophylline.Products(1, 4), FillParamsOralPerKg},                    // theophylline
    {Phenobarbital.Products(1, 5), FillParamsOralPerKg},                   // phenobarbital, oral and intramuscular
    {Zonisamide.Products(1, 2), FillParamsOralPerKg},                      // zonisamide
    {Pilsicainide.Product(1), FillParamsOralPerKg},                        // pilsicainide
    {Digoxin.Products(1, 3), FillParamsOralAbsolute},                      // digoxin, oral products
    {Levetiracetam.Product(1), FillParamsOralAbsolute},                    // levetiracetam
    {Lamotrigine.Product(1), FillParamsOralAbsolute},                      // lamotrigine
    {Carbamazepine.Products(1, 2), FillParamsOralKe},                      // carbamazepine
    {ValproicAcid, FillParamsOralKe},                                      // valproic acid, every product
    {Lithium.Product(1), FillParamsOralKe},                                // lithium carbonate
    {Digoxin.Product(4), FillParamsInfusionAbsolute},                      // digoxin injection
    {Arbekacin.Product(1), FillParamsTwoCompartment},                      // arbekacin
    {Vancomycin.Product(1).Algo(2), FillParamsTwoCompartment},             // vancomycin, two compartments
    {Teicoplanin.Product(1), FillParamsTwoCompartment},                    // teicoplanin
    {Meropenem.Product(1), FillParamsTwoCompartment},                      // meropenem
    {Methotrexate.Product(1), FillParamsTwoCompartmentKe},                 // methotrexate
    {Aminophylline.Product(1), FillParamsInfusionPerKg},                   // aminophylline
    {Phenobarbital.Product(6), FillParamsInfusionPerKg},                   // phenobarbital infusion
    {Vancomycin.Product(1).Algo(1), FillParamsInfusionPerKg},              // vancomycin, one compartment
    {Phenytoin.Product(1), FillParamsMichaelisMentenOral},                 // phenytoin, oral
    {Phenytoin.Products(2, 3), FillParamsMichaelisMentenInfusion},         // phenytoin injections
};

} // namespace

void FillParamsOralPerKg(TParamTable& table, const TAnalysisRecord& analysis)
{
    FillRows(table, analysis, {{u"Vd(L/kg)", Vd}, {u"Ka(1/hr)", Ka}, {u"CL(L/kg/hr)", Cl}, {u"F", F}});
}

void FillParamsOralAbsolute(TParamTable& table, const TAnalysisRecord& analysis)
{
    FillRows(table, analysis, {{u"Vd(L)", Vd}, {u"Ka(1/hr)", Ka}, {u"CL(L/hr)", Cl}, {u"F", F}});
}

void FillParamsOralKe(TParamTable& table, const TAnalysisRecord& analysis)
{
    FillRows(table, analysis, {{u"Vd(L/kg)", Vd}, {u"Ka(1/hr)", Ka}, {u"Ke(1/hr)", Ke}, {u"F", F}});
}

void FillParamsInfusionAbsolute(TParamTable& table, const TAnalysisRecord& analysis)
{
    FillRows(table, analysis, {{u"Vd(L)", Vd}, {u"CL(L/hr)", Cl}});
}

// Clearance per kilogram is labelled "L/hr/kg" in the two-compartment layout.
void FillParamsTwoCompartment(TParamTable& table, const TAnalysisRecord& analysis)
{
    FillRows(table, analysis, {{u"V1(L)", V1}, {u"CL(L/hr/kg)", Cl}, {u"K12(1/hr)", K12}, {u"K21(1/hr)", K21}});
}

void FillParamsTwoCompartmentKe(TParamTable& table, const TAnalysisRecord& analysis)
{
    FillRows(table, analysis,
             {{u"V1(L/kg)", V1}, {u"Ke(1/hr)", Ke}, {u"K12(1/hr)", K12}, {u"K21(1/hr)", K21}, {u"F", F}});
}

void FillParamsInfusionPerKg(TParamTable& table, const TAnalysisRecord& analysis)
{
    FillRows(table, analysis, {{u"Vd(L/kg)", Vd}, {u"CL(L/kg/hr)", Cl}});
}

void FillParamsMichaelisMentenOral(TParamTable& table, const TAnalysisRecord& analysis)
{
    FillRows(table, analysis,
             {{u"Vd(L/kg)", Vd}, {u"Ka(1/hr)", Ka}, {u"Km(mg/L)", A}, {u"Vm(mg/kg/hr)", B}, {u"F", F}});
}

void FillParamsMichaelisMentenInfusion(TParamTable& table, const TAnalysisRecord& analysis)
{
    FillRows(table, analysis, {{u"Vd(L/kg)", Vd}, {u"Km(mg/L)", A}, {u"Vm(mg/kg/hr)", B}});
}

TParamTable BuildParamTable(const TAnalysisRecord& analysis)
{
    TParamTable table;
    table.Ss = Four(analysis.ss);
    if (const std::optional<TRowFiller> filler = FindFirstMatch(RowFillers, DrugKeyOf(analysis)))
        (*filler)(table, analysis);
    return table;
}
