#pragma once
// The drug page's choice and the rules that follow it: which product offers
// a model choice, which products the program analyses, the notices a product
// choice shows, the notice buttons, the dose-form text, the past-analysis
// list and when the page may be confirmed. The page reads its lists into a
// TDrugSelection and asks these functions.
#include "DrugKey.h"
#include "Ustruct.h"

#include <QString>
#include <QStringList>
#include <vector>

// Where the prior comes from: "母集団パラメータ" (a built-in set), "過去パラメータ"
// (a past analysis of the patient and product) or "パラメータを入力" (typed in).
enum class ParamSource { Population, PastAnalysis, Manual };

// The page's lists as item indexes, -1 when nothing is selected.
struct TDrugSelection {
    int CategoryIndex = -1;   // cbKubun
    int DrugIndex = -1;       // cbIppan
    int ProductIndex = -1;    // cbSyouhin
    int ModelIndex = -1;      // ComboBox1, shown for the product with two models only
    ParamSource Source = ParamSource::Population;
    int SourceIndex = -1;     // ComboBox8
    QString SourceLabel;      // the text of the selected ComboBox8 item
    int PastIndex = -1;       // ComboBox9

    bool HasProduct() const { return CategoryIndex >= 0 && DrugIndex >= 0 && ProductIndex >= 0; }
};

// The key of the chosen product; `algo` is the model index + 1 for the
// product with a model choice and 0 for every other.
TDrugKey SelectedDrugKey(const TDrugSelection& selection);

// Vancomycin (5/1/1) has two models and the page asks which.
bool HasModelChoice(const TDrugKey& key);
// The model variant of the master's source list: the chosen model for the
// product with a model choice, else 1.
int SourceListVariant(const TDrugKey& key);
// The model variant the past analyses are listed by: the chosen model for the
// product with a model choice, else 0 (every other product's rows).
int PastAnalysisVariant(const TDrugKey& key);

// The page may be confirmed: drug key chosen, the model where one is asked,
// and the chosen source's list item.
bool IsDrugInputComplete(const TDrugSelection& selection);

// Vancomycin's model by age: 0 (one compartment) up to 15 years, else 1.
int ModelIndexForAge(int age);
// The notice that says which model was applied.
QString ModelChoiceNotice(int modelIndex);

// The information notices a product choice shows first, in order.
QStringList ProductNotices(const TDrugKey& key);
// Products this version analyses; any other is refused with
// UnsupportedProductText.
bool IsProductSupported(const TDrugKey& key);
inline const QString UnsupportedProductText = QStringLiteral("選択された商品は現在のバージョンでは対応しておりません。");
inline const QString UnsupportedProductCaption = QStringLiteral("未対応");

// The notice buttons beside the product: the two lithium notices, the
// fosphenytoin dose table, or none.
enum class NoticeButtons { None, Lithium, Fosphenytoin };
NoticeButtons NoticeButtonsFor(const TDrugKey& key);

// The dose-form text of `Edit12`; empty for anything but 0..4.
QString DoseFormText(int doseForm);
// The point size of the source list: methotrexate's labels are long.
int SourceListFontSize(const TDrugKey& key);

// The point sizes of the header's product and source panels: methotrexate's
// long names are set smaller while a built-in set is the source.
struct THeaderFontSizes {
    int Product = 12;   // `Panel7`
    int Source = 12;    // `Panel28`
};
THeaderFontSizes HeaderFontSizes(const TDrugKey& key, ParamSource source);

// The items of the past-analysis list: each analysis date as "yyyy/mm/dd";
// a date equal to the one before it gets "(1)", the next "(2)" and so on.
QStringList PastAnalysisItems(const std::vector<TAnalysisRecord>& analyses);
// The item of the analysis numbered `kaisekiId`, -1 when none (or a negative id).
int PastAnalysisIndexOf(const std::vector<TAnalysisRecord>& analyses, int kaisekiId);
