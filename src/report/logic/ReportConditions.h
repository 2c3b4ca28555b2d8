#pragma once
// The two lines of analysis conditions the report prints under "<解析条件>":
// the covariates that the drug's model takes, each with its name, value and
// unit.
#include "Ustruct.h"

#include <QString>
#include <array>

struct TConditionLine {
    QString Name;          // empty for a line the drug does not use
    QString Separator;     // " : " on a named line
    QString Data;
    QString Unit;
    int MinDataWidth = 0;  // report pixels the data label needs at least, 0 for its design width
};

using TConditionLines = std::array<TConditionLine, 2>;

// The lines for the analysis's drug; a drug without conditions gives two
// empty lines, so nothing printed before can show through.
TConditionLines FillReportConditions(const TAnalysisRecord& analysis);
