#pragma once
// TfrmPatientSearch ("患者検索"): finds a stored patient by prefix search.
#include "Forms.h"
#include "Ustruct.h"

class TfrmPatientSearch : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmPatientSearch(QWidget* parent = nullptr);

    // The patient of the chosen row, after the dialog closed with OK.
    TPatientRecord GetSelectedPatient() const { return selected_; }

private:
    TPatientRecord selected_;
};

extern TfrmPatientSearch* frmPatientSearch;
