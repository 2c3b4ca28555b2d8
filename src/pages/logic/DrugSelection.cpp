#include "DrugSelection.h"

#include "DateTimeFormat.h"

namespace {

using namespace drugs;

constexpr TDrugRule<bool> ModelChoiceRules[] = {
    {Vancomycin.Product(1), true},      // vancomycin: one or two compartments
};

// The products the program analyses, in the order they are listed.
constexpr TDrugRule<bool> SupportedProductRules[] = {
    {Digoxin, true},                    // digoxin
    {Theophylline.Products(1, 2), true},// theophylline tablet and dry syrup (not 3 and 4)
    {Aminophylline, true},              // aminophylline
    {Phenytoin, true},                  // phenytoin and fosphenytoin
    {Phenobarbital, true},              // phenobarbital
    {Carbamazepine, true},              // carbamazepine (primidone is not analysed)
    {ValproicAcid.Products(1, 4), true},// valproic acid
    {Zonisamide, true},                 // zonisamide
    {Levetiracetam, true},              // levetiracetam
    {Lamotrigine, true},                // lamotrigine
    {Arbekacin, true},                  // arbekacin
    {Vancomycin, true},                 // vancomycin
    {Teicoplanin, true},                // teicoplanin
    {Lithium, true},                    // lithium carbonate
    {Pilsicainide, true},               // pilsicainide
    {Meropenem, true},                  // meropenem
    {Methotrexate, true},               // methotrexate
};

// Drugs the program has little clinical experience with.
constexpr TDrugRule<bool> LimitedExperienceRules[] = {
    {Levetiracetam, true},              // levetiracetam
    {Lamotrigine, true},                // lamotrigine
    {Meropenem, true},                  // meropenem
    {Methotrexate, true},               // methotrexate
};

// Drugs whose population set the user must choose.
constexpr TDrugRule<const char16_t*> SourcePromptRules[] = {
    {Methotrexate, u"母集団パラメータを選択してください。\n・Methotrexate-A\n・Methotrexate-B"},   // methotrexate
};

constexpr TDrugRule<NoticeButtons> NoticeButtonRules[] = {
    {Lithium, NoticeButtons::Lithium},                    // lithium carbonate
    {Phenytoin.Product(3), NoticeButtons::Fosphenytoin},  // fosphenytoin
};

constexpr TDrugRule<int> SourceListFontRules[] = {
    {Methotrexate, 9},                  // methotrexate
};

constexpr TDrugRule<THeaderFontSizes> PopulationHeaderFontRules[] = {
    {Methotrexate, {10, 9}},            // methotrexate
};

const QString LimitedExperienceText = QStringLiteral(
    "臨床における解析経験か不足しておりますので、今後のさらなる検証が必要です。\n"
    "解析結果につきましては自己責任においてご利用ください。");

} // namespace

TDrugKey SelectedDrugKey(const TDrugSelection& selection)
{
    TDrugKey key{selection.CategoryIndex + 1, selection.DrugIndex + 1, selection.ProductIndex + 1, 0};
    if (HasModelChoice(key) && selection.ModelIndex >= 0)
        key.algo = selection.ModelIndex + 1;
    return key;
}

bool HasModelChoice(const TDrugKey& key)
{
    return FirstMatch(ModelChoiceRules, key, false);
}

int SourceListVariant(const TDrugKey& key)
{
    return HasModelChoice(key) ? key.algo : 1;
}

int PastAnalysisVariant(const TDrugKey& key)
{
    return HasModelChoice(key) ? key.algo : 0;
}

bool IsDrugInputComplete(const TDrugSelection& selection)
{
    if (!selection.HasProduct())
        return false;
    if (HasModelChoice(SelectedDrugKey(selection)) && selection.ModelIndex < 0)
        return false;
    switch (selection.Source) {
    case ParamSource::Population:
        return selection.SourceIndex >= 0;
    case ParamSource::PastAnalysis:
        return selection.PastIndex >= 0;
    case ParamSource::Manual:
        return true;
    }
    return false;
}

int ModelIndexForAge(int age)
{
    return age <= 15 ? 0 : 1;
}

QString ModelChoiceNotice(int modelIndex)
{
    if (modelIndex == 0)
        return QStringLiteral("年齢が15歳以下のためモデル式に\n【点滴-1コンパートメントモデル】\nを適用します。\n"
                              "※＜モデル式＞にて変更可能です。");
    return QStringLiteral("年齢が15歳を超えているためモデル式に\n【点滴-2コンパートメントモデル】\nを適用します。\n"
                          "※＜モデル式＞にて変更可能です。");
}

QStringList ProductNotices(const TDrugKey& key)
{
    QStringList notices;
    if (FirstMatch(LimitedExperienceRules, key, false))
        notices << LimitedExperienceText;
    if (const std::optional<const char16_t*> prompt = FindFirstMatch(SourcePromptRules, key))
        notices << QString::fromUtf16(*prompt);
    return notices;
}

bool IsProductSupported(const TDrugKey& key)
{
    return FirstMatch(SupportedProductRules, key, false);
}

NoticeButtons NoticeButtonsFor(const TDrugKey& key)
{
    return FirstMatch(NoticeButtonRules, key, NoticeButtons::None);
}

QString DoseFormText(int doseForm)
{
    static const char16_t* const texts[] = {u"散剤", u"錠剤", u"液剤", u"注射", u"点滴"};
    if (doseForm < 0 || doseForm >= static_cast<int>(std::size(texts)))
        return QString();
    return QString::fromUtf16(texts[doseForm]);
}

int SourceListFontSize(const TDrugKey& key)
{
    return FirstMatch(SourceListFontRules, key, 12);
}

THeaderFontSizes HeaderFontSizes(const TDrugKey& key, ParamSource source)
{
    if (source != ParamSource::Population)
        return {};
    return FirstMatch(PopulationHeaderFontRules, key, THeaderFontSizes{});
}

QStringList PastAnalysisItems(const std::vector<TAnalysisRecord>& analyses)
{
    QStringList items;
    int repeats = 0;
    for (std::size_t i = 0; i < analyses.size(); ++i) {
        const double date = analyses[i].analysis_date;
        repeats = i > 0 && date == analyses[i - 1].analysis_date ? repeats + 1 : 0;
        QString item = vcl::FormatDateTime(QStringLiteral("yyyy/mm/dd"), date);
        if (repeats > 0)
            item += QStringLiteral("(%1)").arg(repeats);
        items << item;
    }
    return items;
}

int PastAnalysisIndexOf(const std::vector<TAnalysisRecord>& analyses, int kaisekiId)
{
    if (kaisekiId < 0)
        return -1;
    for (std::size_t i = 0; i < analyses.size(); ++i) {
        if (analyses[i].kaiseki_id == kaisekiId)
            return static_cast<int>(i);
    }
    return -1;
}
