#pragma once
// The drug key every per-drug rule dispatches on, and the one shape those
// rules take.
//
// A rule is a constant table of {pattern, value} rows, searched in order; the
// first row whose pattern matches the key wins, and a key without a row gets
// the table's fallback. Rows are written in the order the rule is given and
// each carries the drug's name, so a table reads like the rule it encodes:
//
//     using namespace drugs;
//     constexpr TDrugRule<double> AmountFactors[] = {
//         {Theophylline.Product(2), 0.2},     // theophylline dry syrup 20 %
//         {Aminophylline.Product(1), 0.8},    // aminophylline injection
//         {Digoxin, 1000.0},                  // digoxin: mg to µg
//     };
//     double factor = FirstMatch(AmountFactors, key, 1.0);
#include "Ustruct.h"

#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <type_traits>
#include <utility>

// Category, generic drug and product as 1-based positions in the drug
// master, and the model choice of the one product that has two (5/1/1).
struct TDrugKey {
    int kubun = 0;      // `kubun_id`
    int yakuzai = 0;    // `yakuzainame_id`
    int yakuhin = 0;    // `yakuhinname_id`
    int algo = 0;       // `analysis_algo`: 1 one compartment, 2 two compartments; 0 elsewhere

    friend constexpr bool operator==(const TDrugKey&, const TDrugKey&) = default;
};

constexpr TDrugKey DrugKeyOf(const TAnalysisRecord& analysis)
{
    return {analysis.kubun_id, analysis.yakuzainame_id, analysis.yakuhinname_id, analysis.analysis_algo};
}

// The keys a row applies to: one drug, a range of its products, and a model
// choice or any. A pattern written as a drug alone covers every product of it.
class TDrugPattern {
public:
    constexpr TDrugPattern(int kubun, int yakuzai) : kubun_(kubun), yakuzai_(yakuzai) {}

    // The same drug narrowed to one product, a range of products or a model.
    constexpr TDrugPattern Product(int product) const { return Products(product, product); }
    constexpr TDrugPattern Products(int first, int last) const
    {
        TDrugPattern narrowed = *this;
        narrowed.firstProduct_ = first;
        narrowed.lastProduct_ = last;
        return narrowed;
    }
    constexpr TDrugPattern Algo(int algo) const
    {
        TDrugPattern narrowed = *this;
        narrowed.algo_ = algo;
        return narrowed;
    }

    constexpr bool Matches(const TDrugKey& key) const
    {
        return key.kubun == kubun_ && key.yakuzai == yakuzai_ && key.yakuhin >= firstProduct_ &&
               key.yakuhin <= lastProduct_ && (algo_ == AnyAlgo || key.algo == algo_);
    }
    constexpr bool Matches(const TAnalysisRecord& analysis) const { return Matches(DrugKeyOf(analysis)); }

private:
    static constexpr int AnyAlgo = 0;

    int kubun_;
    int yakuzai_;
    int firstProduct_ = std::numeric_limits<int>::min();
    int lastProduct_ = std::numeric_limits<int>::max();
    int algo_ = AnyAlgo;
};

// The drugs of the drug master, as rules single them out. A table's source
// file says `using namespace drugs;` to write its rows short.
namespace drugs {
inline constexpr TDrugPattern Digoxin{1, 1};
inline constexpr TDrugPattern Theophylline{2, 1};
inline constexpr TDrugPattern Aminophylline{2, 2};
inline constexpr TDrugPattern Phenytoin{3, 1};        // phenytoin and fosphenytoin
inline constexpr TDrugPattern Phenobarbital{3, 2};
inline constexpr TDrugPattern Primidone{3, 3};
inline constexpr TDrugPattern Carbamazepine{3, 4};
inline constexpr TDrugPattern ValproicAcid{3, 5};
inline constexpr TDrugPattern Zonisamide{3, 6};
inline constexpr TDrugPattern Levetiracetam{3, 7};
inline constexpr TDrugPattern Lamotrigine{3, 8};
inline constexpr TDrugPattern Arbekacin{4, 1};
inline constexpr TDrugPattern Vancomycin{5, 1};
inline constexpr TDrugPattern Teicoplanin{5, 2};
inline constexpr TDrugPattern Lithium{6, 1};
inline constexpr TDrugPattern Pilsicainide{7, 1};
inline constexpr TDrugPattern Meropenem{8, 1};
inline constexpr TDrugPattern Methotrexate{9, 1};
} // namespace drugs

template <class Value>
struct TDrugRule {
    TDrugPattern Pattern;
    Value Result;
};

// The index of the first row matching key, or nothing.
template <class Value>
constexpr std::optional<std::size_t> FirstMatchingRow(std::span<const TDrugRule<Value>> table, const TDrugKey& key)
{
    for (std::size_t row = 0; row < table.size(); ++row) {
        if (table[row].Pattern.Matches(key))
            return row;
    }
    return std::nullopt;
}

// The value of the first row matching key, or nothing.
template <class Value>
constexpr std::optional<Value> FindFirstMatch(std::span<const TDrugRule<Value>> table, const TDrugKey& key)
{
    if (const std::optional<std::size_t> row = FirstMatchingRow(table, key))
        return table[*row].Result;
    return std::nullopt;
}

// The value of the first row matching key, or fallback.
template <class Value>
constexpr Value FirstMatch(std::span<const TDrugRule<Value>> table, const TDrugKey& key,
                           std::type_identity_t<Value> fallback)
{
    return FindFirstMatch(table, key).value_or(fallback);
}

// The index of the first row matching key whose value also satisfies
// `also`, for rules that depend on a choice beside the key (the drug page's
// source or model); the choice is part of the row's value.
template <class Value, class Predicate>
constexpr std::optional<std::size_t> FirstMatchingRowWhere(std::span<const TDrugRule<Value>> table,
                                                           const TDrugKey& key, Predicate&& also)
{
    for (std::size_t row = 0; row < table.size(); ++row) {
        if (table[row].Pattern.Matches(key) && also(table[row].Result))
            return row;
    }
    return std::nullopt;
}

// The value of that row, or nothing.
template <class Value, class Predicate>
constexpr std::optional<Value> FindFirstMatchWhere(std::span<const TDrugRule<Value>> table, const TDrugKey& key,
                                                   Predicate&& also)
{
    if (const std::optional<std::size_t> row = FirstMatchingRowWhere(table, key, std::forward<Predicate>(also)))
        return table[*row].Result;
    return std::nullopt;
}

// The same for a table written as a plain array.
template <class Value, std::size_t N>
constexpr std::optional<std::size_t> FirstMatchingRow(const TDrugRule<Value> (&table)[N], const TDrugKey& key)
{
    return FirstMatchingRow(std::span<const TDrugRule<Value>>(table), key);
}
template <class Value, std::size_t N>
constexpr std::optional<Value> FindFirstMatch(const TDrugRule<Value> (&table)[N], const TDrugKey& key)
{
    return FindFirstMatch(std::span<const TDrugRule<Value>>(table), key);
}
template <class Value, std::size_t N>
constexpr Value FirstMatch(const TDrugRule<Value> (&table)[N], const TDrugKey& key, std::type_identity_t<Value> fallback)
{
    return FirstMatch(std::span<const TDrugRule<Value>>(table), key, fallback);
}
template <class Value, std::size_t N, class Predicate>
constexpr std::optional<Value> FindFirstMatchWhere(const TDrugRule<Value> (&table)[N], const TDrugKey& key,
                                                   Predicate&& also)
{
    return FindFirstMatchWhere(std::span<const TDrugRule<Value>>(table), key, std::forward<Predicate>(also));
}
