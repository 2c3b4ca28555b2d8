#include "CovariateModels.h"

#include <cmath>

namespace {

using namespace drugs;

constexpr TDrugRule<TModelChoice> ModelRules[] = {
    {Digoxin.Products(1, 3), {SourceAt(0), CovariateModel::Digoxin}},                                 // digoxin oral
    {Digoxin.Product(4), {SourceAt(0), CovariateModel::Digoxin}},                                     // digoxin injection
    {Theophylline.Product(4), {SourceLabelled("Theophylline-B"), CovariateModel::TheophyllineSymptoms}}, // theophylline, sustained release
    {Carbamazepine.Products(1, 2), {AnySource, CovariateModel::Carbamazepine}},                       // carbamazepine
    {ValproicAcid.Products(1, 4), {AnySource, CovariateModel::ValproicAcid}},                         // valproic acid
    {Levetiracetam.Product(1), {SourceAt(0), CovariateModel::LevetiracetamEnzymeInducer}},            // levetiracetam, first source
    {Levetiracetam.Product(1), {SourceAt(1), CovariateModel::LevetiracetamClearance}},                // levetiracetam, second source
    {Arbekacin.Product(1), {AnySource, CovariateModel::Arbekacin}},                                   // arbekacin
    {Vancomycin.Product(1).Algo(2), {AnySource, CovariateModel::VancomycinTwoCompartment}},           // vancomycin, two compartments
    {Teicoplanin.Product(1), {AnySource, CovariateModel::Teicoplanin}},                               // teicoplanin
    {Pilsicainide.Product(1), {AnySource, CovariateModel::Pilsicainide}},                             // pilsicainide
    {Meropenem.Product(1), {AnySource, CovariateModel::Meropenem}},                                   // meropenem
};

// a / b, and 0 where b is 0: a rate without its volume stays 0, which the
// confirm refuses.
double Ratio(double a, double b)
{
    return b != 0 ? a / b : 0;
}

// Two answers, none yet: the value for "none", "first" or "second".
double ByChoice(int choice, double none, double first, double second)
{
    return choice == 0 ? first : choice == 1 ? second : none;
}

void Digoxin(const TCovariateInputs& in, TPopulationBlock& b)
{
    // Heart failure: 0 "なし", 1 "あり".
    b.Mean.vd = in.Clcr == 0 ? 0 : 3.12 * in.Clcr + 3.84 * in.Weight;
    b.Mean.cl = in.Clcr == 0 ? 0 : ByChoice(in.Choice, 0, 0.06 * in.Clcr + 0.05 * in.Weight,
                                             0.053 * in.Clcr + 0.02 * in.Weight);
    b.Mean.ke = Ratio(b.Mean.cl, b.Mean.vd);
}

void TheophyllineSymptoms(const TCovariateInputs& in, TPopulationBlock& b)
{
    // Symptoms: "不明", "喘息軽～中程度", "喘息重度", "慢性閉塞性気管支炎".
    static constexpr double clBySymptom[] = {0.0338, 0.0372, 0.0292};
    const double cl = in.Choice >= 0 && in.Choice < 3 ? clBySymptom[in.Choice] : 0.0351;
    b.Mean.ka = 0.0815;
    b.Cv.ka = 19;
    b.Mean.cl = Ratio(cl, b.Mean.f);
    b.Mean.ke = Ratio(b.Mean.cl, b.Mean.vd);
    b.Cv.ke = Ratio(b.Cv.cl, b.Cv.vd);
}

void Carbamazepine(const TCovariateInputs& in, TPopulationBlock& b)
{
    const double age = in.Age;
    b.Mean.ke = in.Age >= 15 ? ByChoice(in.Choice, 0, 0.0363 - 0.000188 * age, 0.0548 - 0.000284 * age)
                             : ByChoice(in.Choice, 0, 0.0618 - 0.00189 * age, 0.09333 - 0.00285 * age);
}

void ValproicAcid(const TCovariateInputs& in, TPopulationBlock& b)
{
    const double age = in.Age;
    b.Mean.ke = in.Age >= 12 ? ByChoice(in.Choice, 0, 0.0433, 0.0551)
                             : ByChoice(in.Choice, 0, 0.0734 - 0.00251 * age, 0.0934 - 0.00319 * age);
}

void LevetiracetamEnzymeInducer(const TCovariateInputs& in, TPopulationBlock& b)
{
    const double size = std::pow(in.Weight / 32, 0.75);
    b.Mean.cl = ByChoice(in.Choice, 0, 2.1 * size, 2.562 * size);
    b.Mean.ke = Ratio(b.Mean.cl, b.Mean.vd);
}

void LevetiracetamClearance(const TCovariateInputs& in, TPopulationBlock& b)
{
    b.Mean.cl = 3.9 * std::pow(in.Weight / 70, 0.7) * std::pow(in.Clcr / 90, 0.44);
    b.Mean.ke = Ratio(b.Mean.cl, b.Mean.vd);
}

void Arbekacin(const TCovariateInputs& in, TPopulationBlock& b)
{
    // Pneumonia: 0 "肺炎なし", 1 "肺炎あり"; anything but "肺炎なし" takes the pneumonia value.
    b.Mean.cl = in.Clcr >= 60 ? Ratio(0.012 * in.Clcr, in.Weight) + 0.05 : Ratio(0.035 * in.Clcr, in.Weight) + 0.015;
    b.Mean.ke = Ratio(b.Mean.cl, b.Mean.v1);
    b.Mean.k12 = in.Choice == 0 ? 0.753 : 2.31;
}

void VancomycinTwoCompartment(const TCovariateInputs& in, TPopulationBlock& b)
{
    b.Mean.cl = in.Clcr == 0 ? 0 : Ratio(0.045 * in.Clcr, in.Weight) + 0.003;
    b.Mean.ke = Ratio(b.Mean.cl, b.Mean.v1);
}

void Teicoplanin(const TCovariateInputs& in, TPopulationBlock& b)
{
    b.Mean.cl = 0.000062 * in.Clcr + 0.00349;
    b.Mean.ke = Ratio(b.Mean.cl, b.Mean.v1);
}

void Pilsicainide(const TCovariateInputs& in, TPopulationBlock& b)
{
    b.Mean.cl = Ratio(0.096 * in.Clcr + 1.41, in.Weight);
    b.Mean.ke = Ratio(b.Mean.cl, b.Mean.vd);
}

void Meropenem(const TCovariateInputs& in, TPopulationBlock& b)
{
    b.Mean.cl = Ratio(0.0905 * in.Clcr + 2.03, in.Weight);
    b.Mean.ke = Ratio(b.Mean.cl, b.Mean.v1);
}

// The means the models set, as they compute them above (the help's words);
// a model's CV changes and its fixed values are read off the model itself.
struct TModelFormula {
    CovariateModel Model;
    double TParamBlock::*Field;
    const char16_t* Text;
};
constexpr TModelFormula ModelFormulas[] = {
    {CovariateModel::Digoxin, &TParamBlock::vd, u"3.12 × CLcr + 3.84 × 体重"},
    {CovariateModel::Digoxin, &TParamBlock::cl,
     u"うっ血性心不全なし 0.06 × CLcr + 0.05 × 体重、あり 0.053 × CLcr + 0.02 × 体重"},
    {CovariateModel::Digoxin, &TParamBlock::ke, u"CL / Vd"},
    {CovariateModel::TheophyllineSymptoms, &TParamBlock::cl,
     u"(症状 不明 0.0338、喘息軽～中程度 0.0372、喘息重度 0.0292、慢性閉塞性気管支炎 0.0351) / F"},
    {CovariateModel::TheophyllineSymptoms, &TParamBlock::ke, u"CL / Vd"},
    {CovariateModel::Carbamazepine, &TParamBlock::ke,
     u"15歳以上 併用なし 0.0363 - 0.000188 × 年齢、併用あり 0.0548 - 0.000284 × 年齢；"
     u"15歳未満 併用なし 0.0618 - 0.00189 × 年齢、併用あり 0.09333 - 0.00285 × 年齢"},
    {CovariateModel::ValproicAcid, &TParamBlock::ke,
     u"12歳以上 併用なし 0.0433、併用あり 0.0551；"
     u"12歳未満 併用なし 0.0734 - 0.00251 × 年齢、併用あり 0.0934 - 0.00319 × 年齢"},
    {CovariateModel::LevetiracetamEnzymeInducer, &TParamBlock::cl,
     u"併用なし 2.1 × (体重 / 32)^0.75、併用あり 2.562 × (体重 / 32)^0.75"},
    {CovariateModel::LevetiracetamEnzymeInducer, &TParamBlock::ke, u"CL / Vd"},
    {CovariateModel::LevetiracetamClearance, &TParamBlock::cl, u"3.9 × (体重 / 70)^0.7 × (CLcr / 90)^0.44"},
    {CovariateModel::LevetiracetamClearance, &TParamBlock::ke, u"CL / Vd"},
    {CovariateModel::Arbekacin, &TParamBlock::cl,
     u"CLcr 60以上 0.012 × CLcr / 体重 + 0.05、60未満 0.035 × CLcr / 体重 + 0.015"},
    {CovariateModel::Arbekacin, &TParamBlock::ke, u"CL / V1"},
    {CovariateModel::Arbekacin, &TParamBlock::k12, u"肺炎なし 0.753、肺炎あり 2.31"},
    {CovariateModel::VancomycinTwoCompartment, &TParamBlock::cl, u"0.045 × CLcr / 体重 + 0.003"},
    {CovariateModel::VancomycinTwoCompartment, &TParamBlock::ke, u"CL / V1"},
    {CovariateModel::Teicoplanin, &TParamBlock::cl, u"0.000062 × CLcr + 0.00349"},
    {CovariateModel::Teicoplanin, &TParamBlock::ke, u"CL / V1"},
    {CovariateModel::Pilsicainide, &TParamBlock::cl, u"(0.096 × CLcr + 1.41) / 体重"},
    {CovariateModel::Pilsicainide, &TParamBlock::ke, u"CL / Vd"},
    {CovariateModel::Meropenem, &TParamBlock::cl, u"(0.0905 × CLcr + 2.03) / 体重"},
    {CovariateModel::Meropenem, &TParamBlock::ke, u"CL / V1"},
};

struct TModelEntry {
    CovariateModel Model;
    bool Clearance;
    void (*Apply)(const TCovariateInputs&, TPopulationBlock&);
};

// In the order of CovariateModel.
constexpr TModelEntry Models[] = {
    {CovariateModel::Digoxin, true, Digoxin},
    {CovariateModel::TheophyllineSymptoms, false, TheophyllineSymptoms},
    {CovariateModel::Carbamazepine, false, Carbamazepine},
    {CovariateModel::ValproicAcid, false, ValproicAcid},
    {CovariateModel::LevetiracetamEnzymeInducer, false, LevetiracetamEnzymeInducer},
    {CovariateModel::LevetiracetamClearance, true, LevetiracetamClearance},
    {CovariateModel::Arbekacin, true, Arbekacin},
    {CovariateModel::VancomycinTwoCompartment, true, VancomycinTwoCompartment},
    {CovariateModel::Teicoplanin, true, Teicoplanin},
    {CovariateModel::Pilsicainide, true, Pilsicainide},
    {CovariateModel::Meropenem, true, Meropenem},
};

constexpr bool ModelsInEnumOrder()
{
    for (std::size_t i = 0; i < std::size(Models); ++i) {
        if (Models[i].Model != static_cast<CovariateModel>(i))
            return false;
    }
    return true;
}
static_assert(ModelsInEnumOrder(), "one entry per model, in the order of CovariateModel");

} // namespace

std::span<const TDrugRule<TModelChoice>> CovariateModelRules()
{
    return ModelRules;
}

std::optional<CovariateModel> CovariateModelFor(const TDrugKey& key, int sourceIndex, const QString& sourceLabel)
{
    const std::optional<TModelChoice> row = FindFirstMatchWhere(CovariateModelRules(), key, [&](const TModelChoice& r) {
        return r.Source.Passes(sourceIndex, sourceLabel);
    });
    if (row)
        return row->Model;
    return std::nullopt;
}

bool UsesClearance(CovariateModel model)
{
    return Models[static_cast<std::size_t>(model)].Clearance;
}

void ApplyCovariateModel(CovariateModel model, const TCovariateInputs& inputs, TPopulationBlock& block)
{
    Models[static_cast<std::size_t>(model)].Apply(inputs, block);
}

QString CovariateMeanFormula(CovariateModel model, int param)
{
    for (const TModelFormula& formula : ModelFormulas) {
        if (formula.Model == model && IsParam(formula.Field, param))
            return QString::fromUtf16(formula.Text);
    }
    return {};
}
