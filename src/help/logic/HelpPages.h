#pragma once
// The pages of the help window: their ids, what each holds (text, a picture,
// a scrolling picture) and the window's caption for it, and which page the
// drug page's two help buttons open for the category, drug and product chosen.
//
// Ids: 11 patient search, 12 case search, 21 drug page, 31 and 32 schedule
// page (pictures, 32 with the changed-regimen choice); for a drug 2kdpp with
// k the category, d the drug and pp 01 the drug-information page, 02 the
// population page (23502: population page of drug 5 of category 3).
#include "DrugKey.h"

#include <QString>
#include <optional>
#include <span>
#include <vector>

enum class HelpPageKind {
    Text,               // a read-only rich-text page
    Picture,            // a picture the window takes the size of
    ScrollingPicture,   // a picture in a scrolling box of the text pages' size
};

struct THelpPage {
    int Id;
    HelpPageKind Kind;
    QString Caption;    // the window's caption while the page shows
};

// Every page in id order.
const std::vector<THelpPage>& HelpPages();
std::optional<THelpPage> FindHelpPage(int id);

enum class DrugHelpTopic {
    Information,   // "? 薬剤情報"
    Population,    // "? 母集団情報"
};

// The page a drug help button opens for the chosen category, drug and product
// (each 0 when nothing is chosen); nothing for a choice without pages.
std::optional<int> DrugHelpPageId(const TDrugKey& choice, DrugHelpTopic topic);

// The drug pages' ids, information and population, for checks over every page.
struct TDrugHelpPages {
    int Information;
    int Population;
};
std::span<const TDrugRule<TDrugHelpPages>> DrugHelpRules();
