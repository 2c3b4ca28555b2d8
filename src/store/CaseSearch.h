#pragma once
// What the patient and case searches hand back, and the one safe way to turn
// typed text into a prefix condition of their statements.
#include "FixedText.h"

#include <QString>

// One hit of the case search: the nine columns of its statement, in order
// (kaiseki.patient_id, kaiseki.kaiseki_id, patient.patient_id,
// patient.patient_name, patient.sinryouka_id, patient.doctor_id,
// kaiseki.kubun_id, kaiseki.yakuzainame_id, kaiseki.analysis_date).
struct TCaseSearchRow {
    TFixedText<15> patient_id;     // the patient key
    int kaiseki_id = 0;
    TFixedText<11> patient_number; // the hospital's patient number
    TFixedText<21> patient_name;
    TFixedText<21> sinryouka_id;   // department
    TFixedText<11> doctor_id;
    int kubun_id = 0;
    int yakuzainame_id = 0;
    double analysis_date = 0;
};
inline constexpr int CaseSearchColumnCount = 9;

// The value to bind for a prefix match of typed text: the text with "\", "%"
// and "_" escaped, followed by "%". Use it only with LikePrefixCondition, whose
// ESCAPE clause makes the typed wildcards match literally.
QString LikePrefixPattern(const QString& typed);

// "<column> LIKE ? ESCAPE '\'", the condition that takes LikePrefixPattern.
QString LikePrefixCondition(const QString& column);
