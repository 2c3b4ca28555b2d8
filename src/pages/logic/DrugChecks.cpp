#include "DrugChecks.h"

#include "DispatchKeys.h"
#include "EstimationPrior.h"

namespace {

using namespace drugs;

constexpr TDrugRule<TCheckSteps> CheckRules[] = {
    {Digoxin.Products(1, 4), {AnySource, CheckKind::Clearance, CheckKind::HeartFailure}},           // digoxin
    {Carbamazepine.Products(1, 2), {AnySource, CheckKind::CoMedicationC, {}}},                      // carbamazepine
    {ValproicAcid.Products(1, 4), {AnySource, CheckKind::CoMedicationA, {}}},                       // valproic acid
    {Levetiracetam.Product(1), {SourceAt(0), CheckKind::EnzymeInducer, {}}},                        // levetiracetam, first source
    {Levetiracetam.Product(1), {SourceAt(1), CheckKind::Clearance, {}}},                            // levetiracetam, second source
    {Arbekacin.Product(1), {AnySource, CheckKind::ClearanceWithoutZeroTests, CheckKind::Pneumonia}}, // arbekacin
    {Vancomycin.Product(1).Algo(2), {AnySource, CheckKind::Clearance, {}}},                         // vancomycin, two compartments
    {Teicoplanin.Product(1), {AnySource, CheckKind::Clearance, {}}},                                // teicoplanin
    {Pilsicainide.Product(1), {AnySource, CheckKind::Clearance, {}}},                               // pilsicainide
    {Meropenem.Product(1), {AnySource, CheckKind::Clearance, {}}},                                  // meropenem
};

const QString UnsuitableClearance = QStringLiteral("クレアチニンクリアランス値が不適当です。");

TCheckItem Error(const QString& text, CheckField focus)
{
    return {TCheckItem::Error, text, DrugCheckCaption, focus};
}

enum class ZeroTest { Refuse, Allow };

// Adds the clearance's items; false when one of them is an error.
bool CheckClearance(const TDrugCheckInput& in, ZeroTest zero, std::vector<TCheckItem>& items)
{
    const TClearanceAnswers& c = in.Answers.Clearance;
    const bool typed = c.Entry == ClearanceEntry::Typed;
    if (!typed && c.Obesity < 0) {
        items.push_back(Error(QStringLiteral("肥満のあり/なしを選択して下さい。"), CheckField::Obesity));
        return false;
    }
    const double clcr = typed ? c.Typed : c.InUse;
    if (zero == ZeroTest::Refuse && clcr == 0) {
        items.push_back(Error(UnsuitableClearance, typed ? CheckField::TypedClearance : CheckField::SerumCreatinine));
        return false;
    }
    if (in.Age >= 65 && clcr >= 80)
        items.push_back({TCheckItem::Question, QStringLiteral("年齢に対してクレアチニンクリアランス値が良すぎませんか？"),
                         QStringLiteral("薬剤情報設定確認"), CheckField::None});
    return true;
}

bool CheckChoice(const TDrugCheckInput& in, const QString& text, std::vector<TCheckItem>& items)
{
    if (in.Answers.Choice >= 0)
        return true;
    items.push_back(Error(text, CheckField::Choice));
    return false;
}

bool Check(CheckKind kind, const TDrugCheckInput& in, std::vector<TCheckItem>& items)
{
    const QString coMedication = QStringLiteral("フェノバルビタール/フェニトイン併用のあり/なしを選択して下さい。");
    switch (kind) {
    case CheckKind::Clearance:
        return CheckClearance(in, ZeroTest::Refuse, items);
    case CheckKind::ClearanceWithoutZeroTests:
        return CheckClearance(in, ZeroTest::Allow, items);
    case CheckKind::HeartFailure:
        return CheckChoice(in, QStringLiteral("うっ血性心不全のあり/なしを選択して下さい。"), items);
    case CheckKind::Pneumonia:
        return CheckChoice(in, QStringLiteral("肺炎のあり/なしを選択して下さい。"), items);
    case CheckKind::CoMedicationC:
    case CheckKind::CoMedicationA:
        return CheckChoice(in, coMedication, items);
    case CheckKind::EnzymeInducer:
        return CheckChoice(in, QStringLiteral("酵素誘導剤併用のあり/なしを選択して下さい。"), items);
    }
    return true;
}

// The answers the drug's model needs; only with a built-in set.
bool CheckAnswers(const TDrugCheckInput& in, std::vector<TCheckItem>& items)
{
    if (in.Source != ParamSource::Population)
        return true;
    const std::optional<TCheckSteps> steps = FindFirstMatchWhere(
        DrugCheckRules(), in.Key, [&](const TCheckSteps& row) { return row.Source.Passes(in.SourceIndex, QString()); });
    if (!steps)
        return true;
    return Check(steps->First, in, items) && (!steps->Then || Check(*steps->Then, in, items));
}

} // namespace

std::span<const TDrugRule<TCheckSteps>> DrugCheckRules()
{
    return CheckRules;
}

std::vector<TCheckItem> CheckDrugInfo(const TDrugCheckInput& input)
{
    std::vector<TCheckItem> items;
    if (!CheckAnswers(input, items))
        return items;
    // Whatever the source: a prior the fit cannot start from is refused here
    // rather than reported later as samplings too far from the population.
    const EstimationRoute route = EstimationRouteOf(input.Key);
    if (route != EstimationRoute::None
        && !EstimationPriorOf(route, input.Prior.Mean, input.Prior.Cv, input.Weight).Usable())
        items.push_back(Error(UnusablePriorText, CheckField::ParamTable));
    return items;
}
