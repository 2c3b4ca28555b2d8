#pragma once
// The built-in drug master: categories, generic drugs, products and the
// population-parameter sources the program can analyse, and the lookups the
// drug page, the schedule page, the graph and the report make on them.
// Nothing here needs a database; the therapeutic range overrides live in the
// settings file.
//
// A drug is keyed by three 1-based numbers (category `kubun`, generic drug,
// product). One product (5/1/1) has two model variants; every other product
// has variant 1 only.
#include "WholeFile.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <span>

// Index of a product's dose form: the position of its flag, also the item
// index of the drug page's dose-form text and the calendar's dose-form code.
enum DoseForm : int {
    DoseFormNone = -1,
    DoseFormPowder = 0,
    DoseFormTablet = 1,
    DoseFormLiquid = 2,
    DoseFormInjection = 3,
    DoseFormInfusion = 4,
};
inline constexpr int DoseFormCount = 5;

struct TDrugCategoryEntry {
    int id;
    const char* name;        // UTF-8
};

struct TDrugEntry {
    int kubun_id;
    int yakuzainame_id;
    const char* name;
};

struct TProductEntry {
    int kubun;
    int drug;
    int product;
    int variant;
    const char* name;                              // display name, product list and report
    std::array<std::uint8_t, DoseFormCount> doseForms;   // 1 = the product has the form
    double upper;                                  // default therapeutic range, drug's unit;
    double lower;                                  // 0 and 0 = no default range
    const char* modelName;
};

struct TSourceEntry {
    int kubun;
    int drug;
    int product;
    int variant;
    int syutten_id;          // position + 1 within product and variant
    const char* label;
};

// The four tables in table order.
std::span<const TDrugCategoryEntry> DrugCategoryTable();
std::span<const TDrugEntry> DrugTable();
std::span<const TProductEntry> ProductTable();
std::span<const TSourceEntry> SourceTable();

// Each filler returns the list's item count afterwards.
int FillCategoryList(QStringList& list);                          // clears first
int FillDrugList(QStringList& list, int kubun);                   // clears first
// Clears first; lists variant 1 only, so a product with two models shows once.
int FillProductList(QStringList& list, int kubun, int drug);
// Appends the model name of every variant of the product WITHOUT clearing the
// list: the caller clears it.
int FillModelList(QStringList& list, int kubun, int drug, int product);
// Clears first; the labels of the product's sources for one model variant,
// position + 1 being `syutten_id`.
int FillSourceList(QStringList& list, int kubun, int drug, int product, int variant);

// Lookups take the first row with the key (for 5/1/1 the variant-1 row).
// DoseFormNone when no row matches or the row has no form.
int ProductDoseForm(int kubun, int drug, int product);
QString ProductModelName(int kubun, int drug, int product);   // empty when no row matches

// The largest therapeutic-range limit the graph-scale dialog takes; its
// smallest is 0.
inline constexpr double RangeLimitMax = 10000;

// The product's therapeutic range from the settings file (section
// "kubun_drug_product", shared by both variants of 5/1/1), each limit
// defaulting to the product row when its key is missing or not a number;
// 0 and 0 for a key without a row. A stored range the scale dialog could not
// have confirmed (a limit below 0 or above RangeLimitMax, the upper below the
// lower) gives the product row's range too. The file is read afresh on every
// call.
void ReadRangeLimits(int kubun, int drug, int product, double& upper, double& lower);
// Stores both limits in one write, creating file and section when missing;
// other lines of the file stay as they were. False, with the reason in
// `failure` when given, when the file could not be written; it is then as
// it was.
bool WriteRangeLimits(int kubun, int drug, int product, double upper, double lower,
                      vcl::TWriteFailure* failure = nullptr);
