#include "ReportDrugRules.h"

#include "NumberFormat.h"
#include "SaltFactors.h"

namespace {

using namespace drugs;

// Tested in this order; the first match wins. The formulation amounts use
// the salt factors of the schedule.
constexpr TDrugRule<TAmountColumns> AmountColumnRules[] = {
    {Lithium, {u"製剤量(mg)", u"リチウム量(mg)", TFirstAmount::Formulation}},           // lithium carbonate
    {Phenytoin.Product(2), {u"製剤量(mg)", u"フェニトイン量(mg)", TFirstAmount::Formulation}},  // phenytoin injection
    {Phenytoin.Product(3), {u"製剤量(mg)", u"フェニトイン量(mg)", TFirstAmount::Formulation}},  // fosphenytoin
    {ValproicAcid, {u"バルプロ酸Na量(mg)", u"バルプロ酸量(mg)", TFirstAmount::Formulation}},    // valproic acid
    {Vancomycin, {u"製剤量(mg)", u"バンコマイシン量(mg)", TFirstAmount::Formulation}},       // vancomycin
    {Pilsicainide, {u"製剤量(mg)", u"ピルシカイニド量(mg)", TFirstAmount::Formulation}},     // pilsicainide
    {Digoxin.Products(1, 4), {u"投与量（mg）", nullptr, TFirstAmount::DoseThousandths}},    // digoxin
};
constexpr TAmountColumns OtherAmountColumns{u"投与量（mg）", nullptr, TFirstAmount::DoseWhole};

constexpr TDrugRule<const char16_t*> SamplingHeaderRules[] = {
    {Digoxin.Products(1, 4), u"測定値（ng/mL）"},   // digoxin
    {Lithium, u"測定値（mEq/L）"},                  // lithium carbonate
    {Methotrexate, u"測定値（μM）"},                // methotrexate
};

constexpr TDrugRule<TLegendGroup> LegendGroupRules[] = {
    {Arbekacin.Product(1), TLegendGroup::BloodAndPeripheral},            // arbekacin
    {Vancomycin.Product(1).Algo(2), TLegendGroup::BloodAndPeripheral},   // vancomycin, two compartments
    {Teicoplanin.Product(1), TLegendGroup::BloodAndPeripheral},          // teicoplanin
    {Meropenem.Product(1), TLegendGroup::BloodAndPeripheral},            // meropenem
    {Methotrexate, TLegendGroup::BloodAndPeripheral},                    // methotrexate
    {Phenytoin, TLegendGroup::BeforeAndAfterCorrection},                 // phenytoin: albumin correction
};

} // namespace

TAmountColumns AmountColumnsFor(const TDrugKey& drug)
{
    return FirstMatch(AmountColumnRules, drug, OtherAmountColumns);
}

QString FirstAmountText(const TDrugKey& drug, const TAmountColumns& columns, double dose)
{
    switch (columns.First) {
    case TFirstAmount::Formulation:
        return vcl::FormatFloat(QStringLiteral("0"), MoietyToFormulation(drug, dose));
    case TFirstAmount::DoseThousandths:
        return vcl::FormatFloat(QStringLiteral("0.000"), dose);
    case TFirstAmount::DoseWhole:
        break;
    }
    return vcl::FormatFloat(QStringLiteral("0"), dose);
}

QString SamplingValueHeader(const TDrugKey& drug)
{
    return QString::fromUtf16(FirstMatch(SamplingHeaderRules, drug, u"測定値（μg/mL）"));
}

TLegendGroup LegendGroupFor(const TDrugKey& drug)
{
    return FirstMatch(LegendGroupRules, drug, TLegendGroup::None);
}

QString LegendNote(TLegendGroup group)
{
    switch (group) {
    case TLegendGroup::BloodAndPeripheral:
        return QStringLiteral("※濃度グラフについて …  血中：実線  末梢：点線");
    case TLegendGroup::BeforeAndAfterCorrection:
        return QStringLiteral("※濃度グラフについて …  補正前：実線  補正後：点線");
    case TLegendGroup::None:
        break;
    }
    return {};
}
