#pragma once
// Every drug key a rule table can meet: each product of the drug master (both
// models of the one product that has two, and no model), and the extra oral
// key 3/1/100 the estimation knows. Checks that every row of a first-match
// table wins for at least one of them, so no row is dead.
#include "DrugKey.h"
#include "DrugMaster.h"

#include <gtest/gtest.h>

#include <QString>
#include <set>
#include <span>
#include <vector>

namespace testing_seams {

inline std::vector<TDrugKey> AllDrugKeys()
{
    std::vector<TDrugKey> keys;
    for (const TProductEntry& product : ProductTable()) {
        const TDrugKey key{product.kubun, product.drug, product.product, 0};
        if (product.variant == 1)
            keys.push_back(key);
        keys.push_back({key.kubun, key.yakuzai, key.yakuhin, product.variant});
    }
    keys.push_back({3, 1, 100, 0});
    return keys;
}

inline QString KeyText(const TDrugKey& key)
{
    return QStringLiteral("%1/%2/%3 algo %4").arg(key.kubun).arg(key.yakuzai).arg(key.yakuhin).arg(key.algo);
}

// Rows that are the first match of no key, by index.
template <class Value>
std::vector<std::size_t> UnreachableRows(std::span<const TDrugRule<Value>> table)
{
    std::set<std::size_t> reached;
    for (const TDrugKey& key : AllDrugKeys()) {
        if (const std::optional<std::size_t> row = FirstMatchingRow(table, key))
            reached.insert(*row);
    }
    std::vector<std::size_t> unreachable;
    for (std::size_t row = 0; row < table.size(); ++row) {
        if (!reached.count(row))
            unreachable.push_back(row);
    }
    return unreachable;
}

} // namespace testing_seams

#define EXPECT_EVERY_ROW_REACHABLE(table) \
    EXPECT_EQ(testing_seams::UnreachableRows(table), std::vector<std::size_t>{}) << #table
