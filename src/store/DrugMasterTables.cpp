// The drug master's constant tables, in the order the drug page lists them.
// Positions matter: list indexes + 1 are the keys stored with every analysis.
#include "DrugMaster.h"

namespace {

constexpr TDrugCategoryEntry Categories[] = {
    {1, "ジギタリス製剤"},
    {2, "喘息"},
    {3, "抗てんかん剤"},
    {4, "アミノ配糖体系抗生物質"},
    {5, "グリコペプチド系抗生物質"},
    {6, "躁病・躁状態治療剤"},
    {7, "抗不整脈薬"},
    {8, "カルバペネム系抗生物質"},
    {9, "抗がん剤"},
};

constexpr TDrugEntry Drugs[] = {
    {1, 1, "ジゴキシン"},
    {2, 1, "テオフィリン"},
    {2, 2, "アミノフィリン"},
    {3, 1, "フェニトイン・同誘導体"},
    {3, 2, "フェノバルビタール"},
    {3, 3, "プリミドン"},
    {3, 4, "カルバマゼピン"},
    {3, 5, "バルプロ酸"},
    {3, 6, "ゾニサミド"},
    {3, 7, "レベチラセタム"},
    {3, 8, "ラモトリギン"},
    {4, 1, "アルペカシン"},
    {5, 1, "バンコマイシン"},
    {5, 2, "テイコプラニン"},
    {6, 1, "炭酸リチウム"},
    {7, 1, "ピルシカイニド"},
    {8, 1, "メロペネム"},
    {9, 1, "メトトレキサート"},
};

// Dose-form flag sets: exactly one form per product.
constexpr std::array<std::uint8_t, DoseFormCount> Powder = {1, 0, 0, 0, 0};
constexpr std::array<std::uint8_t, DoseFormCount> Tablet = {0, 1, 0, 0, 0};
constexpr std::array<std::uint8_t, DoseFormCount> Liquid = {0, 0, 1, 0, 0};
constexpr std::array<std::uint8_t, DoseFormCount> Injection = {0, 0, 0, 1, 0};
constexpr std::array<std::uint8_t, DoseFormCount> Infusion = {0, 0, 0, 0, 1};

constexpr const char* Oral1 = "経口-1コンパートメント";
constexpr const char* Infusion1 = "点滴-1コンパートメント";
constexpr const char* Infusion2 = "点滴-2コンパートメント";

constexpr TProductEntry Products[] = {
    {1, 1, 1, 1, "ジゴキシン散", Powder, 1.5, 0.5, Oral1},
    {1, 1, 2, 1, "ジゴキシン錠", Tablet, 1.5, 0.5, Oral1},
    {1, 1, 3, 1, "ジゴキシンエリキシル", Liquid, 1.5, 0.5, Oral1},
    {1, 1, 4, 1, "ジゴキシン注射液", Infusion, 1.5, 0.5, Infusion1},
    {2, 1, 1, 1, "テオフィリン錠", Tablet, 10, 5, Oral1},
    {2, 1, 2, 1, "テオフィリンドライシロップ20%", Liquid, 10, 5, Oral1},
    {2, 1, 3, 1, "テオフィリン錠(0次吸収)", Tablet, 20, 5, "経口-1コンパートメント(0次吸収)"},
    {2, 1, 4, 1, "テオフィリン徐放錠", Tablet, 20, 5, Oral1},
    {2, 2, 1, 1, "アミノフィリン注射液", Infusion, 10, 5, Infusion1},
    {3, 1, 1, 1, "フェニトイン散", Powder, 20, 10, "経口-1コンパートメント(MM消失)"},
    {3, 1, 2, 1, "フェニトイン注射液", Infusion, 20, 10, "点滴-1コンパートメント(MM消失)"},
    {3, 1, 3, 1, "ホスフェニトイン静注", Infusion, 20, 10, "点滴-1コンパートメント(MM消失)"},
    {3, 2, 1, 1, "フェノバルビタール原末", Powder, 35, 10, Oral1},
    {3, 2, 2, 1, "フェノバルビタール散", Powder, 35, 10, Oral1},
    {3, 2, 3, 1, "フェノバルビタール錠", Tablet, 35, 10, Oral1},
    {3, 2, 4, 1, "フェノバルビタールエリキシル", Liquid, 35, 10, Oral1},
    {3, 2, 5, 1, "フェノバルビタール注射液(筋注)", Injection, 35, 10, "筋注-1コンパートメント"},
    {3, 2, 6, 1, "フェノバルビタール注射液(静注)", Infusion, 35, 10, Infusion1},
    {3, 3, 1, 1, "プリミドン錠", Tablet, 12, 4, Oral1},
    {3, 4, 1, 1, "カルバマゼピン錠", Tablet, 12, 4, Oral1},
    {3, 4, 2, 1, "カルバマゼピン細粒", Powder, 12, 4, Oral1},
    {3, 5, 1, 1, "バルプロ酸ナトリウム錠", Tablet, 125, 40, Oral1},
    {3, 5, 2, 1, "バルプロ酸ナトリウム徐放錠", Tablet, 125, 40, Oral1},
    {3, 5, 3, 1, "バルプロ酸ナトリウムシロップ", Liquid, 125, 40, Oral1},
    {3, 5, 4, 1, "バルプロ酸ナトリウム細粒", Powder, 125, 40, Oral1},
    {3, 6, 1, 1, "ゾニサミド錠", Tablet, 30, 10, Oral1},
    {3, 6, 2, 1, "ゾニサミド散", Powder, 30, 10, Oral1},
    {3, 7, 1, 1, "レベチラセタム錠", Tablet, 46, 12, Oral1},
    {3, 8, 1, 1, "ラモトリギン錠", Tablet, 15, 2.5, Oral1},
    {4, 1, 1, 1, "アルベカシン硫酸塩注射液", Infusion, 20, 15, Infusion2},
    {5, 1, 1, 1, "バンコマイシン塩酸塩点滴静注用", Infusion, 15, 10, Infusion1},
    {5, 1, 1, 2, "バンコマイシン塩酸塩点滴静注用", Infusion, 15, 10, Infusion2},
    {5, 2, 1, 1, "テイコプラニン注射用", Infusion, 30, 15, Infusion2},
    {6, 1, 1, 1, "炭酸リチウム錠", Tablet, 1.2, 0.3, Oral1},
    {7, 1, 1, 1, "ピルシカイニド経口剤", Tablet, 0.9, 0.2, Oral1},
    {8, 1, 1, 1, "メロペネム点滴静注用", Infusion, 0, 0, Infusion2},
    {9, 1, 1, 1, "メトトレキサート点滴静注(大量療法)", Infusion, 0, 0, Infusion2},
};

// Products 2/1/4 and 3/3/1 have no source; equal labels on different
// products name the same literature source.
constexpr TSourceEntry Sources[] = {
    {1, 1, 1, 1, 1, "Digoxin-A"},
    {1, 1, 2, 1, 1, "Digoxin-A"},
    {1, 1, 3, 1, 1, "Digoxin-A"},
    {1, 1, 4, 1, 1, "Digoxin-A"},
    {2, 1, 1, 1, 1, "Theophylline-A"},
    {2, 1, 2, 1, 1, "Theophylline-A"},
    {2, 1, 3, 1, 1, "Theophylline-B"},
    {2, 2, 1, 1, 1, "Theophylline-A"},
    {3, 1, 1, 1, 1, "Phenytoin-A"},
    {3, 1, 2, 1, 1, "Phenytoin-A"},
    {3, 1, 3, 1, 1, "Phenytoin-A"},
    {3, 2, 1, 1, 1, "Phenobarbital-A"},
    {3, 2, 2, 1, 1, "Phenobarbital-A"},
    {3, 2, 3, 1, 1, "Phenobarbital-A"},
    {3, 2, 4, 1, 1, "Phenobarbital-A"},
    {3, 2, 5, 1, 1, "Phenobarbital-A"},
    {3, 2, 6, 1, 1, "Phenobarbital-A"},
    {3, 4, 1, 1, 1, "Carbamazepine-A"},
    {3, 4, 2, 1, 1, "Carbamazepine-A"},
    {3, 5, 1, 1, 1, "Carbamazepine-A"},
    {3, 5, 2, 1, 1, "Carbamazepine-A"},
    {3, 5, 3, 1, 1, "Carbamazepine-A"},
    {3, 5, 4, 1, 1, "Carbamazepine-A"},
    {3, 6, 1, 1, 1, "Zonisamide-A"},
    {3, 6, 2, 1, 1, "Zonisamide-A"},
    {3, 7, 1, 1, 1, "Levetiracetam-A"},
    {3, 7, 1, 1, 2, "Levetiracetam-B"},
    {3, 8, 1, 1, 1, "(研究用)Lamotrigine-A"},
    {4, 1, 1, 1, 1, "Arbekacin-A"},
    {5, 1, 1, 1, 1, "Vancomycin-A"},
    {5, 1, 1, 2, 1, "Vancomycin-B"},
    {5, 2, 1, 1, 1, "Teicoplanin-A"},
    {6, 1, 1, 1, 1, "Lithium-A"},
    {7, 1, 1, 1, 1, "Pilsicainide-A"},
    {8, 1, 1, 1, 1, "Meropenem-A"},
    {9, 1, 1, 1, 1, "Methotrexate-A"},
    {9, 1, 1, 1, 2, "Methotrexate-B"},
};

static_assert(std::size(Categories) == 9);
static_assert(std::size(Drugs) == 18);
static_assert(std::size(Products) == 37);
static_assert(std::size(Sources) == 37);

} // namespace

std::span<const TDrugCategoryEntry> DrugCategoryTable()
{
    return Categories;
}

std::span<const TDrugEntry> DrugTable()
{
    return Drugs;
}

std::span<const TProductEntry> ProductTable()
{
    return Products;
}

std::span<const TSourceEntry> SourceTable()
{
    return Sources;
}
