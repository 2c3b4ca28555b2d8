#pragma once
// What the printed report shows differently by drug: the amount columns of
// the schedule table, the unit of the measured values and the note under the
// graph's legend.
#include "DrugKey.h"

#include <QString>

// How the first amount column shows a prescription's dose.
enum class TFirstAmount {
    Formulation,       // the amount of the salt or ester, whole milligrams
    DoseThousandths,   // the dose, "0.000"
    DoseWhole,         // the dose, "0"
};

struct TAmountColumns {
    const char16_t* FirstHeader;     // `QRLabel94`
    const char16_t* SecondHeader;    // `QRLabel6`; nullptr when the second column is not printed
    TFirstAmount First;
};

TAmountColumns AmountColumnsFor(const TDrugKey& drug);

// The first amount column's text for a dose in mg of the active substance.
QString FirstAmountText(const TDrugKey& drug, const TAmountColumns& columns, double dose);

// "測定値（ng/mL）" and the like.
QString SamplingValueHeader(const TDrugKey& drug);

// Drugs whose graph has a second, dotted curve; the report then shows the
// curves chosen by the solid and dotted check boxes, and a note telling the
// two apart.
enum class TLegendGroup { None, BloodAndPeripheral, BeforeAndAfterCorrection };
TLegendGroup LegendGroupFor(const TDrugKey& drug);
QString LegendNote(TLegendGroup group);   // empty for None
