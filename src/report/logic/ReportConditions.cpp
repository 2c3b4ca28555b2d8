#include "ReportConditions.h"

#include "DrugKey.h"
#include "NumberFormat.h"

namespace {

enum class TValueKind { None, Number, Flag };

// One line: the covariate `kaiseki_table<Table>` shown as a number with its
// format and unit, or as one of two words (the first when it is 0).
struct TConditionSpec {
    const char16_t* Name = nullptr;
    TValueKind Kind = TValueKind::None;
    int Table = 0;
    const char16_t* Format = nullptr;   // Number
    const char16_t* Unit = nullptr;     // Number
    const char16_t* WhenZero = nullptr; // Flag
    const char16_t* Otherwise = nullptr;
    int MinDataWidth = 0;
};

constexpr int AnySource = 0;

struct TConditionRule {
    int Source = AnySource;             // `syutten_id` the row needs, or any
    TConditionSpec Line1;
    TConditionSpec Line2;
};

constexpr TConditionSpec NoLine{};
constexpr TConditionSpec Clearance{u"クレアチニンクリアランス値", TValueKind::Number, 4, u"0.0000", u"mL/min"};
constexpr TConditionSpec HeartFailure{u"うっ血性心不全", TValueKind::Flag, 2, nullptr, nullptr, u"なし", u"あり"};
constexpr TConditionSpec Inducers{u"フェノバルビタール/フェニトイン併用", TValueKind::Flag, 1, nullptr, nullptr,
                                  u"なし", u"あり"};
constexpr TConditionSpec LagTime{u"ラグタイム", TValueKind::Number, 10, u"0.00", u"hr"};
constexpr TConditionSpec EnzymeInducers{u"酵素誘導剤併用", TValueKind::Flag, 1, nullptr, nullptr, u"なし", u"あり"};
// The drug page keeps the pneumonia answer in `kaiseki_table2`.
constexpr TConditionSpec Pneumonia{u"肺炎", TValueKind::Flag, 2, nullptr, nullptr, u"肺炎なし", u"肺炎あり", 50};

using namespace drugs;

// Tested in this order; the first match wins (for levetiracetam also the source).
constexpr TDrugRule<TConditionRule> ConditionRules[] = {
    {Digoxin.Products(1, 4), {AnySource, Clearance, HeartFailure}},      // digoxin
    {Theophylline.Products(1, 2), {}},                                   // theophylline
    {Aminophylline.Product(1), {}},                                      // aminophylline
    {Phenytoin.Products(1, 3), {}},                                      // phenytoin and fosphenytoin
    {Phenobarbital.Products(1, 6), {}},                                  // phenobarbital
    {Zonisamide.Products(1, 2), {}},                                     // zonisamide
    {Lamotrigine.Product(1), {}},                                        // lamotrigine
    {Lithium.Product(1), {}},                                            // lithium carbonate
    {Methotrexate.Product(1), {}},                                       // methotrexate
    {Carbamazepine.Products(1, 2), {AnySource, Inducers, NoLine}},       // carbamazepine
    {ValproicAcid.Product(1), {AnySource, Inducers, NoLine}},            // valproic acid
    {ValproicAcid.Products(3, 4), {AnySource, Inducers, NoLine}},        // valproic acid
    {ValproicAcid.Product(2), {AnySource, Inducers, LagTime}},           // valproic acid, delayed release
    {Levetiracetam.Product(1), {1, EnzymeInducers, NoLine}},             // levetiracetam, first source
    {Levetiracetam.Product(1), {2, Clearance, NoLine}},                  // levetiracetam, second source
    {Arbekacin.Product(1), {AnySource, Clearance, Pneumonia}},           // arbekacin
    {Vancomycin.Product(1), {AnySource, Clearance, NoLine}},             // vancomycin, both models
    {Teicoplanin.Product(1), {AnySource, Clearance, NoLine}},            // teicoplanin
    {Pilsicainide.Product(1), {AnySource, Clearance, NoLine}},           // pilsicainide
    {Meropenem.Product(1), {AnySource, Clearance, NoLine}},              // meropenem
};

QString Text(const char16_t* text)
{
    return text ? QString::fromUtf16(text) : QString();
}

TConditionLine LineOf(const TConditionSpec& spec, const TAnalysisRecord& analysis)
{
    if (spec.Kind == TValueKind::None)
        return {};
    const double value = analysis.KaisekiTable(spec.Table);
    TConditionLine line;
    line.Name = Text(spec.Name);
    line.Separator = QStringLiteral(" : ");
    line.MinDataWidth = spec.MinDataWidth;
    if (spec.Kind == TValueKind::Number) {
        line.Data = vcl::FormatFloat(Text(spec.Format), value);
        line.Unit = Text(spec.Unit);
    } else {
        line.Data = Text(value == 0.0 ? spec.WhenZero : spec.Otherwise);
    }
    return line;
}

} // namespace

TConditionLines FillReportConditions(const TAnalysisRecord& analysis)
{
    const std::optional<TConditionRule> rule =
        FindFirstMatchWhere(ConditionRules, DrugKeyOf(analysis), [&analysis](const TConditionRule& row) {
            return row.Source == AnySource || row.Source == analysis.syutten_id;
        });
    if (!rule)
        return {};
    return {LineOf(rule->Line1, analysis), LineOf(rule->Line2, analysis)};
}
