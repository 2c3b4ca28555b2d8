#pragma once
// The fixed texts of the help, notice and disclaimer windows. Rich texts are
// HTML carrying their own emphasis (bold, colour, small print).
//
// This edition holds no clinical notes, literature citations, official notices
// or dose tables: where a window of the program showed such material, its
// text names the subject and refers to the product labelling.
#include <QString>
#include <optional>

// The sentence every drug page ends with.
QString NoClinicalNotesSentence();

// The disclaimer shown at every start.
QString DisclaimerHeading();   // "【重要】"
QString DisclaimerTitle();
QString DisclaimerText();      // the numbered paragraphs and the closing line

// The HELP window's memo: the title of the main window's active page
// (0 patient, 1 drug, 2 schedule, 3 results); nothing for any other index.
std::optional<QString> HelpMemoTitle(int page);

// The help pages of the screens: 11 patient search, 12 case search, 21 drug
// page; empty for any other id.
QString ScreenHelpText(int pageId);

// The notice and explanation windows.
QString LithiumCautionText();
QString LithiumMonitoringNoticeText();   // stands in for the official notice
QString FosphenytoinProductName();
// The dose table's window and button caption.
QString FosphenytoinDoseTableTitle();
QString FosphenytoinDoseTableText();     // stands in for the dose table
QString CreatinineClearanceHelpText();
QString AucMethodsHelpText();
QString AlbuminCorrectionHelpText();
QString VmaxHelpText();                  // stands in for the explanation picture
