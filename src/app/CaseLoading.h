#pragma once
// Loading a stored case (a patient and one of its analyses) into the
// process-wide state, as the case search does: the records, the four
// schedule sets with their administrations and dose events, the samplings
// and the graph's time span.
#include "AnalyseSteps.h"
#include "GraphState.h"
#include "Ucommon.h"

#include <QString>
#include <optional>

class TDataModule1;

struct TLoadedCase {
    TPatientRecord Patient;
    TAnalysisRecord Analysis;
    TScheduleSets Sets;          // set 0 current, undo history empty
    TGraphState Graph;           // the span fields set from set 0
    // A set in use the engine cannot compute (CheckSetsComputable, the
    // Analyse command's check): what the user is told. Such a case is shown
    // on the schedule page, where it can be mended, never with its curves.
    std::optional<TAnalyseMessage> NotComputable;
};

enum class CaseLoadResult {
    Loaded,
    DatabaseFailed,      // the error text is the store's failure text (two lines)
    TooManyDoseEvents,   // a set needs more events than the engine takes
};

// Reads the case into `loaded`; `graph` supplies the fields the span leaves
// alone (the y axis and range). Nothing of the process-wide state is touched,
// so a failure leaves the case on screen as it was. `today` is the clock's
// date at 00:00.
CaseLoadResult LoadCase(TDataModule1& store, const QString& patientKey, int kaisekiId, vcl::TDateTime today,
                        const TGraphState& graph, TLoadedCase& loaded, QString* errorText);
