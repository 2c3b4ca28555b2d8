#include "HelpPages.h"

#include "DrugMaster.h"

#include <algorithm>

namespace {

using namespace drugs;

// The products a drug help button opens pages for, in the order of the drug
// master; any other choice opens nothing.
constexpr TDrugRule<TDrugHelpPages> DrugHelpTable[] = {
    {Digoxin.Products(1, 4), {21101, 21102}},         // digoxin
    {Theophylline.Products(1, 2), {22101, 22102}},    // theophylline tablets and dry syrup
    {Aminophylline.Product(1), {22101, 22102}},       // aminophylline: theophylline's pages
    {Phenytoin.Products(1, 3), {23101, 23102}},       // phenytoin and fosphenytoin
    {Phenobarbital.Products(1, 6), {23201, 23202}},   // phenobarbital
    {Carbamazepine.Products(1, 2), {23401, 23402}},   // carbamazepine
    {ValproicAcid, {23501, 23502}},                   // valproic acid, also before a product is chosen
    {Zonisamide.Products(1, 2), {23601, 23602}},      // zonisamide
    {Levetiracetam.Product(1), {23701, 23702}},       // levetiracetam
    {Lamotrigine.Product(1), {23801, 23802}},         // lamotrigine
    {Arbekacin.Product(1), {24101, 24102}},           // arbekacin
    {Vancomycin.Product(1), {25101, 25102}},          // vancomycin
    {Teicoplanin.Product(1), {25201, 25202}},         // teicoplanin
    {Lithium.Product(1), {26101, 26102}},             // lithium carbonate
    {Pilsicainide.Product(1), {27101, 27102}},        // pilsicainide
    {Meropenem.Product(1), {28101, 28102}},           // meropenem
    {Methotrexate.Product(1), {29101, 29102}},        // methotrexate
};

struct TPageRow {
    int id;
    HelpPageKind kind;
    const char16_t* caption;
    // The caption follows the name of this product (kubun, drug, product), or
    // stands alone when kubun is 0.
    TDrugKey namedProduct;
};

constexpr HelpPageKind Text = HelpPageKind::Text;

// Captions as the window has always shown them: some separate ヘルプ with an
// ideographic space, others with an ordinary blank.
constexpr TPageRow PageRows[] = {
    {11, Text, u"患者検索画面 ヘルプ", {}},
    {12, Text, u"症例検索画面 ヘルプ", {}},
    {21, Text, u"薬剤情報画面 ヘルプ", {}},
    {31, HelpPageKind::Picture, u"投与/採血スケジュール画面 ヘルプ", {}},
    {32, HelpPageKind::Picture, u"投与/採血スケジュール画面 ヘルプ", {}},
    {21101, Text, u"ジゴキシン薬剤情報 ヘルプ", {}},
    {21102, Text, u"ジゴキシン母集団情報 ヘルプ", {}},
    {22101, Text, u"テオフィリン薬剤情報 ヘルプ", {}},
    {22102, Text, u"テオフィリン母集団情報 ヘルプ", {}},
    {23101, Text, u"フェニトイン薬剤情報 ヘルプ", {}},
    {23102, Text, u"フェニトイン母集団情報 ヘルプ", {}},
    {23201, Text, u"フェノバルビタール薬剤情報 ヘルプ", {}},
    {23202, Text, u"フェノバルビタール母集団情報 ヘルプ", {}},
    {23401, Text, u"カルバマゼピン情報 ヘルプ", {}},
    {23402, Text, u"カルバマゼピン母集団パラメータ情報 ヘルプ", {}},
    {23501, Text, u"バルプロ酸薬剤情報 ヘルプ", {}},
    {23502, Text, u"バルプロ酸母集団情報 ヘルプ", {}},
    {23601, Text, u"ゾニザミド薬剤情報　ヘルプ", {}},
    {23602, Text, u"ゾニザミド母集団情報 ヘルプ", {}},
    {23701, Text, u"レベチラセタム薬剤情報　ヘルプ", {}},
    {23702, Text, u"レベチラセタム母集団情報 ヘルプ", {}},
    {23801, Text, u"ラモトリギン薬剤情報　ヘルプ", {}},
    {23802, Text, u"ラモトリギン母集団情報 ヘルプ", {}},
    {24101, Text, u"薬剤情報 ヘルプ", {4, 1, 1}},
    {24102, Text, u"母集団情報 ヘルプ", {4, 1, 1}},
    {25101, HelpPageKind::ScrollingPicture, u"バンコマイシン薬剤情報　ヘルプ", {}},
    {25102, Text, u"バンコマイシン母集団情報　ヘルプ", {}},
    {25201, Text, u"薬剤情報　ヘルプ", {5, 2, 1}},
    {25202, Text, u"母集団情報 ヘルプ", {5, 2, 1}},
    {26101, Text, u"炭酸リチウム薬剤情報　ヘルプ", {}},
    {26102, Text, u"炭酸リチウム母集団情報 ヘルプ", {}},
    {27101, Text, u"薬剤情報　ヘルプ", {7, 1, 1}},
    {27102, Text, u"母集団情報 ヘルプ", {7, 1, 1}},
    {28101, Text, u"メロペネム薬剤情報　ヘルプ", {}},
    {28102, Text, u"メロペネム母集団情報　ヘルプ", {}},
    {29101, Text, u"メトトレキサート薬剤情報　ヘルプ", {}},
    {29102, Text, u"メトトレキサート母集団情報　ヘルプ", {}},
};

QString ProductName(const TDrugKey& key)
{
    for (const TProductEntry& product : ProductTable())
        if (product.kubun == key.kubun && product.drug == key.yakuzai && product.product == key.yakuhin)
            return QString::fromUtf8(product.name);
    return {};
}

std::vector<THelpPage> BuildPages()
{
    std::vector<THelpPage> pages;
    for (const TPageRow& row : PageRows) {
        QString caption = QString::fromUtf16(row.caption);
        if (row.namedProduct.kubun != 0)
            caption.prepend(ProductName(row.namedProduct));
        pages.push_back({row.id, row.kind, caption});
    }
    return pages;
}

} // namespace

const std::vector<THelpPage>& HelpPages()
{
    static const std::vector<THelpPage> pages = BuildPages();
    return pages;
}

std::optional<THelpPage> FindHelpPage(int id)
{
    const auto& pages = HelpPages();
    const auto page = std::find_if(pages.begin(), pages.end(), [id](const THelpPage& p) { return p.Id == id; });
    if (page == pages.end())
        return std::nullopt;
    return *page;
}

std::optional<int> DrugHelpPageId(const TDrugKey& choice, DrugHelpTopic topic)
{
    const auto pages = FindFirstMatch(DrugHelpTable, choice);
    if (!pages)
        return std::nullopt;
    return topic == DrugHelpTopic::Information ? pages->Information : pages->Population;
}

std::span<const TDrugRule<TDrugHelpPages>> DrugHelpRules()
{
    return DrugHelpTable;
}
