#pragma once
// The patient page of the main window ("患者情報"): the patient's identity and
// body data, the birth date in the Western calendar or a Japanese era (or an
// age alone), checked on confirm and stored as the current patient. The
// buttons New patient and Case search sit on this page but belong to the main
// window, which attaches their handlers.
#include "PatientEntry.h"

#include <QWidget>
#include <optional>
#include <set>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class TMainWindowHub;
class TPanelButton;
class TStringGridEx;
class TplButton;

class TPatientPage : public QWidget {
    Q_OBJECT

public:
    TPatientPage(TMainWindowHub& hub, QWidget* parent = nullptr);

    // The year cell in the calendar of the checked radio button, as a
    // Western year (with `rbAge` the cell's value unchanged).
    int WesternYear() const;
    // The date of the year cell, month and day; nothing for an impossible date.
    std::optional<vcl::TDateTime> BirthDateFromInputs() const;
    // The age cell follows the birth date (when there is one to follow).
    void UpdateAgeFromBirthDate();
    // Fills the page from the current patient record.
    void ShowPatientRecord();
    // Empties the page for a new patient.
    void InitPatientPage();
    // The confirm button follows whether the required inputs are there.
    void Timer1Timer();
    bool IsPatientInputComplete() const;

    // Enter moves on through the page.
    void Edit1KeyPress(QObject* Sender, QChar& Key);
    void Edit2KeyPress(QObject* Sender, QChar& Key);
    void Edit3KeyPress(QObject* Sender, QChar& Key);
    void StringGridEx2KeyPress(QObject* Sender, QChar& Key);
    void StringGridEx3KeyPress(QObject* Sender, QChar& Key);
    void StringGridEx5KeyPress(QObject* Sender, QChar& Key);
    void StringGridEx4KeyPress(QObject* Sender, QChar& Key);
    void Edit9KeyPress(QObject* Sender, QChar& Key);
    void Edit10KeyPress(QObject* Sender, QChar& Key);
    void Edit8KeyPress(QObject* Sender, QChar& Key);
    // The month and day lists take digits and Backspace only.
    void MonthCombo1KeyPress(QObject* Sender, QChar& Key);
    void DayCombo1KeyPress(QObject* Sender, QChar& Key);
    // Choosing an item moves on.
    void MonthCombo1Change(QObject* Sender);
    void DayCombo1Change(QObject* Sender);
    void ComboBox10Change(QObject* Sender);
    // How the birth date is given.
    void rbAgeClick(QObject* Sender);
    void rbSeirekiClick(QObject* Sender);
    void rbMeijiClick(QObject* Sender);
    void rbTaisyouClick(QObject* Sender);
    void rbSyouwaClick(QObject* Sender);
    void rbHeiseiClick(QObject* Sender);
    // Leaving a birth-date field corrects it and refreshes the age.
    void StringGridEx2Exit(QObject* Sender);
    void MonthCombo1Exit(QObject* Sender);
    void DayCombo1Exit(QObject* Sender);
    // "確定": checks, asks, saves and moves on to the drug page.
    void plButton9Click(QObject* Sender);
    // "クリア": an empty page for the same patient.
    void plButton10Click(QObject* Sender);
    // "患者検索": a stored patient becomes the current one, for a new analysis.
    void plButton27Click(QObject* Sender);

    QLineEdit* Edit1;            // patient number
    QLineEdit* Edit2;            // name
    QLineEdit* Edit3;            // name in kana
    QRadioButton* RadioButton1;  // "男性"
    QRadioButton* RadioButton2;  // "女性"
    QGroupBox* GroupBox7;        // the birth date or the age
    QRadioButton* rbAge;         // "年齢"
    QRadioButton* rbSeireki;     // "西暦"
    QRadioButton* rbMeiji;       // "明治"
    QRadioButton* rbTaisyou;     // "大正"
    QRadioButton* rbSyouwa;      // "昭和"
    QRadioButton* rbHeisei;      // "平成"
    TStringGridEx* StringGridEx2;   // year of birth
    QComboBox* MonthCombo1;
    QComboBox* DayCombo1;
    TStringGridEx* StringGridEx3;   // age
    TStringGridEx* StringGridEx5;   // height, cm
    TStringGridEx* StringGridEx4;   // weight, kg
    QLineEdit* Edit9;            // department
    QLineEdit* Edit10;           // doctor
    TPanelButton* Panel25;       // "区分", the caption of ComboBox10
    QComboBox* ComboBox10;       // "外来" / "入院"
    QLineEdit* Edit8;            // remarks
    QPlainTextEdit* Memo1;       // findings, never stored
    TplButton* plButton6;        // "新規患者"
    TplButton* plButton7;        // "症例検索"
    TplButton* plButton9;        // "確定"
    TplButton* plButton10;       // "クリア"
    TplButton* plButton27;       // "患者検索"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildIdentity();
    void BuildBirthDate();
    void BuildBody();
    void ConnectHandlers();

    BirthCalendar CheckedCalendar() const;
    QRadioButton* CalendarButton(BirthCalendar calendar) const;
    // Enables the fields the calendar uses, greys the others and sets the
    // year range; no value changes.
    void ApplyCalendarControls(BirthCalendar calendar);
    // The era handlers' common work: the calendar's controls, the year cell
    // clamped to the new range, the day corrected, the age refreshed.
    void EraClick(BirthCalendar calendar);
    void CorrectDay(int month, int day);
    // The date in the year cell (Western) and the month and day lists.
    void ShowDateFields(vcl::TDateTime date);
    void SelectListNumber(QComboBox* combo, int number);

    // The texts of the number cells and of the month and day lists.
    struct TTypedFields {
        QString Year, Month, Day, Age, Height, Weight;
    };
    TTypedFields TypedFields() const;
    TPatientEntry ReadEntry(const TTypedFields& typed) const;
    // A refused field is shown again as it was typed (a birth date whole,
    // with its age), or as a new page shows it when it was never entered,
    // and takes the focus.
    void ShowRefusedField(PatientField field, const TTypedFields& typed);
    void SetListText(QComboBox* combo, const QString& text);
    // Keeps the refused list's text selected across the message box, and
    // lets it go once the user types, clicks or leaves.
    void KeepRefusedTextSelected(const QEvent* event);
    // The record the page describes, saved under the current patient's key (a
    // new key for a new patient); nothing, with the store's reason shown,
    // when it could not be saved.
    std::optional<TPatientRecord> StorePatientFromForm();
    static void MoveFocusOnEnter(QChar Key, QWidget* next);

    TMainWindowHub& hub_;
    QButtonGroup* genderGroup_;
    QButtonGroup* calendarGroup_;
    // The fields as typed when the confirm button was pressed: the press
    // takes the focus, and the field being left is corrected (a number
    // clamped into its range, a month or day made one of the list's) before
    // the click arrives.
    std::optional<TTypedFields> typedAtPress_;
    // The cells that hold a value given for this patient (TPatientEntry::Entered).
    std::set<PatientField> entered_;
    // The month or day list whose refused text waits, selected, to be typed over.
    QComboBox* refusedList_ = nullptr;
};
