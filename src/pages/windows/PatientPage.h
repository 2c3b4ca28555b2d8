#pragma once
// The patient page of the main window ("患者情報"): the patient's identity and
// body data. The buttons New patient and Case search sit on this page but
// belong to the main window, which attaches their handlers.
#include <QWidget>

class QLabel;
class QLineEdit;
class TMainWindowHub;
class TplButton;

class TPatientPage : public QWidget {
    Q_OBJECT

public:
    TPatientPage(TMainWindowHub& hub, QWidget* parent = nullptr);

    // Fills the page from the current patient record.
    void ShowPatientRecord();
    // Empties the page for a new patient.
    void InitPatientPage();
    // The confirm button follows whether the required inputs are there.
    void Timer1Timer();
    bool IsPatientInputComplete() const;
    // "患者検索": a stored patient becomes the current one, for a new analysis.
    void plButton27Click(QObject* Sender);

    QLineEdit* Edit1;          // patient number
    QLineEdit* Edit2;          // name
    TplButton* plButton6;      // "新規患者"
    TplButton* plButton7;      // "症例検索"
    TplButton* plButton9;      // "確定"
    TplButton* plButton10;     // "クリア"
    TplButton* plButton27;     // "患者検索"

private:
    TMainWindowHub& hub_;
};
