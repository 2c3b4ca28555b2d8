#include "PatientPage.h"

#include "Clock.h"
#include "Cp932LengthValidator.h"
#include "GridCellRules.h"
#include "MainWindowHub.h"
#include "MessageBox.h"
#include "NumberCell.h"
#include "PageWidgets.h"
#include "PanelButton.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "Udifine.h"
#include "plButton.h"
#include "uDataBase.h"
#include "uDataProc.h"
#include "uPatientSearch.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr QChar EnterKey = QChar(13);
constexpr QChar BackspaceKey = QChar(8);
constexpr int MonthCount = 12;
constexpr int DayCount = 31;
constexpr PatientField BirthDateFields[] = {PatientField::Year, PatientField::Month, PatientField::Day};

// Byte widths of the text fields (the record's widths less the terminator).
constexpr int NumberBytes = 10;
constexpr int NameBytes = 20;
constexpr int DepartmentBytes = 20;
constexpr int DoctorBytes = 10;
constexpr int RemarksBytes = 20;

constexpr int LabelLeft = 30;
constexpr int CaptionWidth = 100;
constexpr int FieldLeft = 150;
constexpr int CellHeight = 24;

int CurrentYear()
{
    return vcl::DecodeDateTime(vcl::Date()).year;
}

// A number cell of the page: its range as given, no grid lines, the width
// given the cell's own, empty until the page writes it.
//
// The year, age, height and weight cells keep a number as typed, up to as
// many digits as the field shows: the confirm judges it by the field's own
// range and refuses it with the field's message. Clamped when the cell is
// left, a weight typed 0 would be stored as 1.0 kg, a birth year typed 2030
// as this year, values nobody typed.
constexpr double LargestYear = 9999, LargestAge = 999, LargestMeasure = 999.9;

TNumberCellSpec FieldCell(TNumberCellSpec range)
{
    range.Start = TCellStart::Empty;
    range.GridOptions = {};
    range.WidthIs = TCellMeasure::CellOnly;
    range.Height = CellHeight;
    return range;
}

QComboBox* AddNumberList(QWidget* parent, const QString& name, int count, int left, int top)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (int number = 1; number <= count; ++number)
        combo->addItem(QString::number(number));
    combo->setGeometry(left, top, 56, CellHeight + 2);
    combo->setAttribute(Qt::WA_InputMethodEnabled, false);
    return combo;
}

QRadioButton* AddRadio(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                       QButtonGroup* group)
{
    auto* radio = new QRadioButton(caption, parent);
    radio->setObjectName(name);
    radio->move(left, top);
    radio->adjustSize();
    group->addButton(radio);
    return radio;
}

enum class Entry { Required, Optional };

// The caption panel of a field; a field the page needs has a "*" beside it.
TPanelButton* AddFieldCaption(QWidget* parent, const QString& text, int top, Entry entry,
                              const QString& name = QString())
{
    auto* caption = new TPanelButton(parent);
    caption->setObjectName(name);
    caption->SetCaption(text);
    caption->setGeometry(LabelLeft, top, CaptionWidth, CellHeight);
    if (entry == Entry::Required) {
        QLabel* mark = AddCaption(parent, QStringLiteral("*"), LabelLeft - 14, top + 4);
        mark->setStyleSheet(QStringLiteral("color: red;"));
    }
    return caption;
}

// The item of a list holding a number; -1 when none does.
int ItemIndexOf(const QComboBox* combo, int number)
{
    return combo->findText(QString::number(number));
}

int ListNumber(const QComboBox* combo)
{
    return combo->currentIndex() + 1;
}

std::optional<double> NumberAsTyped(const TStringGridEx* grid, const QString& text)
{
    double value = 0;
    if (!gridrules::TryCellValue(text, grid->FindRange(0, 0), value) || !std::isfinite(value))
        return std::nullopt;
    return value;
}

void SetCellColours(TStringGridEx* grid, vcl::TColor fontColour)
{
    grid->FindRange(0, 0)->SetFontColor(fontColour);
}

// A cell the user cannot reach: its range refuses the cell and the widget the focus.
void SetCellEnabled(TStringGridEx* grid, bool enabled)
{
    grid->SetCellDisabled(0, 0, !enabled);
    grid->setEnabled(enabled);
}

} // namespace

TPatientPage::TPatientPage(TMainWindowHub& hub, QWidget* parent) : QWidget(parent), hub_(hub)
{
    setObjectName(QStringLiteral("TabSheet1"));
    BuildIdentity();
    BuildBirthDate();
    BuildBody();

    plButton6 = AddButton(this, QStringLiteral("plButton6"), QStringLiteral("新規患者"), 700, 16, 120, 36);
    plButton7 = AddButton(this, QStringLiteral("plButton7"), QStringLiteral("症例検索"), 840, 16, 120, 36);
    plButton27 = AddButton(this, QStringLiteral("plButton27"), QStringLiteral("患者検索"), 700, 500, 120, 40);
    plButton10 = AddButton(this, QStringLiteral("plButton10"), QStringLiteral("クリア"), 700, 550, 120, 40);
    plButton9 = AddButton(this, QStringLiteral("plButton9"), QStringLiteral("確定"), 840, 550, 120, 40);

    ConnectHandlers();
    // A new page takes the birth date in the Western calendar.
    rbSeireki->setChecked(true);
    ApplyCalendarControls(BirthCalendar::Western);
}

void TPatientPage::BuildIdentity()
{
    AddFieldCaption(this, QStringLiteral("患者番号"), 24, Entry::Required);
    Edit1 = AddLineEdit(this, QStringLiteral("Edit1"), FieldLeft, 24, 160);
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, false);
    LimitToCp932Bytes(Edit1, NumberBytes);
    AddFieldCaption(this, QStringLiteral("氏名"), 64, Entry::Required);
    Edit2 = AddLineEdit(this, QStringLiteral("Edit2"), FieldLeft, 64, 240);
    LimitToCp932Bytes(Edit2, NameBytes);
    AddFieldCaption(this, QStringLiteral("(カナ)"), 104, Entry::Optional);
    Edit3 = AddLineEdit(this, QStringLiteral("Edit3"), FieldLeft, 104, 240);
    LimitToCp932Bytes(Edit3, NameBytes);

    AddFieldCaption(this, QStringLiteral("性別"), 144, Entry::Required);
    genderGroup_ = new QButtonGroup(this);
    RadioButton1 = AddRadio(this, QStringLiteral("RadioButton1"), QStringLiteral("男性"), FieldLeft, 146, genderGroup_);
    RadioButton2 = AddRadio(this, QStringLiteral("RadioButton2"), QStringLiteral("女性"), FieldLeft + 80, 146,
                            genderGroup_);
    RadioButton1->setChecked(true);
}

void TPatientPage::BuildBirthDate()
{
    // The calendar choice, the date and the age share one box.
    constexpr int boxTop = 178;
    AddFieldCaption(this, QStringLiteral("生年月日"), boxTop + 8, Entry::Required);
    AddFieldCaption(this, QStringLiteral("年齢"), boxTop + 84, Entry::Optional);
    GroupBox7 = new QGroupBox(this);
    GroupBox7->setObjectName(QStringLiteral("GroupBox7"));
    GroupBox7->setGeometry(FieldLeft - 8, boxTop, 362, 116);
    calendarGroup_ = new QButtonGroup(this);
    struct Choice {
        QRadioButton** radio;
        const char16_t* name;
        const char16_t* caption;
    };
    const Choice choices[] = {
        {&rbAge, u"rbAge", u"年齢"},       {&rbSeireki, u"rbSeireki", u"西暦"}, {&rbMeiji, u"rbMeiji", u"明治"},
        {&rbTaisyou, u"rbTaisyou", u"大正"}, {&rbSyouwa, u"rbSyouwa", u"昭和"}, {&rbHeisei, u"rbHeisei", u"平成"},
    };
    int left = 8;
    for (const Choice& choice : choices) {
        *choice.radio = AddRadio(GroupBox7, QString::fromUtf16(choice.name), QString::fromUtf16(choice.caption), left,
                                 10, calendarGroup_);
        left += 58;
    }

    const double year = CurrentYear();
    StringGridEx2 = AddNumberCell(
        GroupBox7, QStringLiteral("StringGridEx2"), 8, 44, 56,
        FieldCell({.Min = 0, .Max = LargestYear, .Default = year, .Format = QStringLiteral("0")}));
    AddCaption(GroupBox7, QStringLiteral("年"), 72, 48);
    MonthCombo1 = AddNumberList(GroupBox7, QStringLiteral("MonthCombo1"), MonthCount, 96, 43);
    AddCaption(GroupBox7, QStringLiteral("月"), 158, 48);
    DayCombo1 = AddNumberList(GroupBox7, QStringLiteral("DayCombo1"), DayCount, 182, 43);
    AddCaption(GroupBox7, QStringLiteral("日"), 244, 48);

    StringGridEx3 = AddNumberCell(GroupBox7, QStringLiteral("StringGridEx3"), 8, 84, 56,
                                  FieldCell({.Min = 0, .Max = LargestAge, .Default = 35, .Format = QStringLiteral("0")}));
    AddCaption(GroupBox7, QStringLiteral("歳"), 72, 88);
}

void TPatientPage::BuildBody()
{
    AddFieldCaption(this, QStringLiteral("身長"), 304, Entry::Required);
    StringGridEx5 = AddNumberCell(this, QStringLiteral("StringGridEx5"), FieldLeft, 300, 72,
                                  FieldCell({.Min = 0, .Max = LargestMeasure, .Default = 0, .Format = QStringLiteral("0.0")}));
    AddCaption(this, QStringLiteral("cm"), FieldLeft + 80, 304);
    AddFieldCaption(this, QStringLiteral("体重"), 344, Entry::Required);
    StringGridEx4 = AddNumberCell(this, QStringLiteral("StringGridEx4"), FieldLeft, 340, 72,
                                  FieldCell({.Min = 0, .Max = LargestMeasure, .Default = 0, .Format = QStringLiteral("0.0")}));
    AddCaption(this, QStringLiteral("kg"), FieldLeft + 80, 344);

    AddFieldCaption(this, QStringLiteral("診療科"), 384, Entry::Optional);
    Edit9 = AddLineEdit(this, QStringLiteral("Edit9"), FieldLeft, 384, 240);
    LimitToCp932Bytes(Edit9, DepartmentBytes);
    AddFieldCaption(this, QStringLiteral("医師名"), 424, Entry::Optional);
    Edit10 = AddLineEdit(this, QStringLiteral("Edit10"), FieldLeft, 424, 160);
    LimitToCp932Bytes(Edit10, DoctorBytes);
    Panel25 = AddFieldCaption(this, QStringLiteral("区分"), 464, Entry::Optional, QStringLiteral("Panel25"));
    ComboBox10 = new QComboBox(this);
    ComboBox10->setObjectName(QStringLiteral("ComboBox10"));
    ComboBox10->addItems({QStringLiteral("外来"), QStringLiteral("入院")});
    ComboBox10->setGeometry(FieldLeft, 464, 100, CellHeight + 2);
    AddFieldCaption(this, QStringLiteral("備考"), 504, Entry::Optional);
    Edit8 = AddLineEdit(this, QStringLiteral("Edit8"), FieldLeft, 504, 240);
    LimitToCp932Bytes(Edit8, RemarksBytes);

    auto* findings = new TPanelButton(this);
    findings->SetCaption(QStringLiteral("所見"));
    findings->setGeometry(520, 64, CaptionWidth, CellHeight);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(520, 96, 440, 380);
}

void TPatientPage::ConnectHandlers()
{
    for (QObject* watched : std::initializer_list<QObject*>{Edit1, Edit2, Edit3, Edit9, Edit10, Edit8, MonthCombo1,
                                                            DayCombo1, MonthCombo1->lineEdit(),
                                                            DayCombo1->lineEdit(), plButton9})
        watched->installEventFilter(this);

    StringGridEx2->OnKeyPress = [this](QObject* Sender, QChar& Key) { StringGridEx2KeyPress(Sender, Key); };
    StringGridEx3->OnKeyPress = [this](QObject* Sender, QChar& Key) { StringGridEx3KeyPress(Sender, Key); };
    StringGridEx5->OnKeyPress = [this](QObject* Sender, QChar& Key) { StringGridEx5KeyPress(Sender, Key); };
    StringGridEx4->OnKeyPress = [this](QObject* Sender, QChar& Key) { StringGridEx4KeyPress(Sender, Key); };
    StringGridEx2->OnExit = [this](QObject* Sender) { StringGridEx2Exit(Sender); };
    // Typing into a cell gives its value for this patient.
    const std::pair<TStringGridEx*, PatientField> typedCells[] = {
        {StringGridEx2, PatientField::Year}, {StringGridEx3, PatientField::Age},
        {StringGridEx5, PatientField::Height}, {StringGridEx4, PatientField::Weight}};
    for (const auto& [cell, field] : typedCells)
        cell->OnSetEditText = [this, field](QObject*, int, int, const QString&) { entered_.insert(field); };
    // So does typing into the month or day list, or choosing one of its items.
    const std::pair<QComboBox*, PatientField> typedLists[] = {{MonthCombo1, PatientField::Month},
                                                              {DayCombo1, PatientField::Day}};
    for (const auto& [combo, field] : typedLists) {
        connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this, field] { entered_.insert(field); });
        connect(combo, &QComboBox::activated, this, [this, field] { entered_.insert(field); });
    }

    // Lists and radio buttons answer the user only: code that selects an
    // item or checks a button (showing a record) runs no handler.
    const auto onUser = [this](auto* widget, auto signal, void (TPatientPage::*handler)(QObject*)) {
        connect(widget, signal, this, [this, widget, handler] {
            vcl::RunEventHandler([this, widget, handler] { (this->*handler)(widget); });
        });
    };
    onUser(MonthCombo1, &QComboBox::activated, &TPatientPage::MonthCombo1Change);
    onUser(DayCombo1, &QComboBox::activated, &TPatientPage::DayCombo1Change);
    onUser(ComboBox10, &QComboBox::activated, &TPatientPage::ComboBox10Change);
    onUser(rbAge, &QRadioButton::clicked, &TPatientPage::rbAgeClick);
    onUser(rbSeireki, &QRadioButton::clicked, &TPatientPage::rbSeirekiClick);
    onUser(rbMeiji, &QRadioButton::clicked, &TPatientPage::rbMeijiClick);
    onUser(rbTaisyou, &QRadioButton::clicked, &TPatientPage::rbTaisyouClick);
    onUser(rbSyouwa, &QRadioButton::clicked, &TPatientPage::rbSyouwaClick);
    onUser(rbHeisei, &QRadioButton::clicked, &TPatientPage::rbHeiseiClick);

    plButton9->OnClick = [this](QObject* Sender) { plButton9Click(Sender); };
    plButton10->OnClick = [this](QObject* Sender) { plButton10Click(Sender); };
    plButton27->OnClick = [this](QObject* Sender) { plButton27Click(Sender); };
}

bool TPatientPage::eventFilter(QObject* watched, QEvent* event)
{
    if (refusedList_ && (watched == refusedList_ || watched == refusedList_->lineEdit()))
        KeepRefusedTextSelected(event);
    if (watched == plButton9) {
        if (event->type() == QEvent::MouseButtonPress)
            typedAtPress_ = TypedFields();
        else if (event->type() == QEvent::MouseButtonRelease)
            // Kept for the click this release makes, then dropped.
            QTimer::singleShot(0, this, [this] { typedAtPress_.reset(); });
        return false;
    }
    using KeyHandler = void (TPatientPage::*)(QObject*, QChar&);
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (!gridrules::IsTypedKey(text, key->modifiers()))
            return false;
        const std::pair<QObject*, KeyHandler> handlers[] = {
            {Edit1, &TPatientPage::Edit1KeyPress},     {Edit2, &TPatientPage::Edit2KeyPress},
            {Edit3, &TPatientPage::Edit3KeyPress},     {Edit9, &TPatientPage::Edit9KeyPress},
            {Edit10, &TPatientPage::Edit10KeyPress},   {Edit8, &TPatientPage::Edit8KeyPress},
            {MonthCombo1, &TPatientPage::MonthCombo1KeyPress}, {DayCombo1, &TPatientPage::DayCombo1KeyPress},
        };
        for (const auto& [object, handler] : handlers) {
            if (object != watched)
                continue;
            bool swallowed = false;
            for (QChar ch : text) {
                vcl::RunEventHandler([&] { (this->*handler)(watched, ch); });
                swallowed = swallowed || ch.isNull();
            }
            return swallowed;
        }
        return false;
    }
    if (event->type() == QEvent::FocusOut) {
        // A popup (the list's own) or another window coming to the front
        // does not leave the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
            return false;
        if (watched == MonthCombo1)
            vcl::RunEventHandler([this] { MonthCombo1Exit(MonthCombo1); });
        else if (watched == DayCombo1)
            vcl::RunEventHandler([this] { DayCombo1Exit(DayCombo1); });
    }
    return false;
}

void TPatientPage::KeepRefusedTextSelected(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        // The window's activation coming back: after the line edit's own
        // answer to it, which drops a selection it finds without the focus
        // (the window may have the activation once more while the message
        // box still shows, as without a window manager).
        if (static_cast<const QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason)
            QTimer::singleShot(0, this, [this, list = refusedList_] {
                if (refusedList_ == list)
                    list->lineEdit()->selectAll();
            });
        break;
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            refusedList_ = nullptr;
        break;
    }
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        // The user takes the text from here.
        refusedList_ = nullptr;
        break;
    default:
        break;
    }
}

// ---- The birth date ----------------------------------------------------------------

BirthCalendar TPatientPage::CheckedCalendar() const
{
    for (BirthCalendar calendar : {BirthCalendar::Age, BirthCalendar::Western, BirthCalendar::Meiji,
                                   BirthCalendar::Taisho, BirthCalendar::Showa, BirthCalendar::Heisei})
        if (CalendarButton(calendar)->isChecked())
            return calendar;
    return BirthCalendar::Western;
}

QRadioButton* TPatientPage::CalendarButton(BirthCalendar calendar) const
{
    switch (calendar) {
    case BirthCalendar::Age: return rbAge;
    case BirthCalendar::Western: return rbSeireki;
    case BirthCalendar::Meiji: return rbMeiji;
    case BirthCalendar::Taisho: return rbTaisyou;
    case BirthCalendar::Showa: return rbSyouwa;
    case BirthCalendar::Heisei: return rbHeisei;
    }
    return rbSeireki;
}

int TPatientPage::WesternYear() const
{
    return ::WesternYear(CheckedCalendar(), static_cast<int>(std::trunc(StringGridEx2->GetCellValue(0, 0))));
}

std::optional<vcl::TDateTime> TPatientPage::BirthDateFromInputs() const
{
    bool monthOk = false;
    bool dayOk = false;
    const int month = MonthCombo1->currentText().toInt(&monthOk);
    const int day = DayCombo1->currentText().toInt(&dayOk);
    return BirthDateOf(WesternYear(), monthOk ? month : 1, dayOk ? day : 1);
}

void TPatientPage::UpdateAgeFromBirthDate()
{
    // With the age given there is no birth date to follow, and a date still
    // being typed (31 April) is corrected when its field is left.
    if (CheckedCalendar() == BirthCalendar::Age)
        return;
    if (const auto birth = BirthDateFromInputs())
        StringGridEx3->SetCellValue(0, 0, AgeFromBirthDate(*birth));
}

void TPatientPage::ApplyCalendarControls(BirthCalendar calendar)
{
    const bool byAge = calendar == BirthCalendar::Age;
    SetCellEnabled(StringGridEx3, byAge);
    SetCellEnabled(StringGridEx2, !byAge);
    MonthCombo1->setEnabled(!byAge);
    DayCombo1->setEnabled(!byAge);
    SetCellColours(StringGridEx2, byAge ? vcl::clGrayText : vcl::clWindowText);
    SetCellColours(StringGridEx3, byAge ? vcl::clWindowText : vcl::clGrayText);
    StringGridEx2->FindRange(0, 0)->SetDefault(BirthYearRange(calendar, CurrentYear()).Max);
}

void TPatientPage::rbAgeClick(QObject*)
{
    ApplyCalendarControls(BirthCalendar::Age);
    ShowDateFields(vcl::Date());
    // Today's date is no birth date given.
    for (PatientField field : BirthDateFields)
        entered_.erase(field);
}

void TPatientPage::rbSeirekiClick(QObject*)
{
    EraClick(BirthCalendar::Western);
}

void TPatientPage::rbMeijiClick(QObject*)
{
    EraClick(BirthCalendar::Meiji);
}

void TPatientPage::rbTaisyouClick(QObject*)
{
    EraClick(BirthCalendar::Taisho);
}

void TPatientPage::rbSyouwaClick(QObject*)
{
    EraClick(BirthCalendar::Showa);
}

void TPatientPage::rbHeiseiClick(QObject*)
{
    EraClick(BirthCalendar::Heisei);
}

void TPatientPage::EraClick(BirthCalendar calendar)
{
    ApplyCalendarControls(calendar);
    StringGridEx3->viewport()->update();
    // Written back, the year is clamped to the era's range.
    const TYearRange range = BirthYearRange(calendar, CurrentYear());
    StringGridEx2->SetCellValue(0, 0, std::clamp(StringGridEx2->GetCellValue(0, 0), double(range.Min), double(range.Max)));
    CorrectDay(ListNumber(MonthCombo1), ListNumber(DayCombo1));
    UpdateAgeFromBirthDate();
}

void TPatientPage::CorrectDay(int month, int day)
{
    SelectListNumber(DayCombo1, CorrectedDay(WesternYear(), month, day));
}

void TPatientPage::ShowDateFields(vcl::TDateTime date)
{
    // Unused with an age alone, the fields show today's date.
    const vcl::DateTimeParts parts = vcl::DecodeDateTime(date);
    StringGridEx2->SetCellValue(0, 0, parts.year);
    SelectListNumber(MonthCombo1, parts.month);
    SelectListNumber(DayCombo1, parts.day);
}

void TPatientPage::SelectListNumber(QComboBox* combo, int number)
{
    const int index = ItemIndexOf(combo, number);
    combo->setCurrentIndex(index >= 0 ? index : 0);
    // The same index again changes nothing, so a typed text would stay.
    combo->setEditText(combo->itemText(combo->currentIndex()));
}

void TPatientPage::MonthCombo1Exit(QObject*)
{
    SelectListNumber(MonthCombo1, ListNumberOrFirst(MonthCombo1->currentText(), MonthCount));
    DayCombo1Exit(DayCombo1);
}

void TPatientPage::DayCombo1Exit(QObject*)
{
    const int day = ListNumberOrFirst(DayCombo1->currentText(), DayCount);
    SelectListNumber(DayCombo1, day);
    bool monthOk = false;
    const int month = MonthCombo1->currentText().toInt(&monthOk);
    if (monthOk)
        CorrectDay(month, day);
    UpdateAgeFromBirthDate();
}

void TPatientPage::StringGridEx2Exit(QObject*)
{
    DayCombo1Exit(DayCombo1);
}

// ---- Moving on -----------------------------------------------------------------------

void TPatientPage::MoveFocusOnEnter(QChar Key, QWidget* next)
{
    if (Key == EnterKey)
        next->setFocus(Qt::TabFocusReason);
}

void TPatientPage::Edit1KeyPress(QObject*, QChar& Key)
{
    MoveFocusOnEnter(Key, Edit2);
}

void TPatientPage::Edit2KeyPress(QObject*, QChar& Key)
{
    MoveFocusOnEnter(Key, Edit3);
}

void TPatientPage::Edit3KeyPress(QObject*, QChar& Key)
{
    MoveFocusOnEnter(Key, rbAge->isChecked() ? StringGridEx3 : StringGridEx2);
}

void TPatientPage::StringGridEx2KeyPress(QObject*, QChar& Key)
{
    MoveFocusOnEnter(Key, MonthCombo1);
}

void TPatientPage::StringGridEx3KeyPress(QObject*, QChar& Key)
{
    MoveFocusOnEnter(Key, StringGridEx5);
}

void TPatientPage::StringGridEx5KeyPress(QObject*, QChar& Key)
{
    MoveFocusOnEnter(Key, StringGridEx4);
}

void TPatientPage::StringGridEx4KeyPress(QObject*, QChar& Key)
{
    MoveFocusOnEnter(Key, Edit9);
}

void TPatientPage::Edit9KeyPress(QObject*, QChar& Key)
{
    MoveFocusOnEnter(Key, Edit10);
}

void TPatientPage::Edit10KeyPress(QObject*, QChar& Key)
{
    MoveFocusOnEnter(Key, ComboBox10);
}

void TPatientPage::Edit8KeyPress(QObject*, QChar& Key)
{
    MoveFocusOnEnter(Key, Edit1);
}

void TPatientPage::MonthCombo1KeyPress(QObject*, QChar& Key)
{
    // The ASCII digits only: a full-width or other script's digit is no
    // number to the list.
    const bool digit = Key >= QLatin1Char('0') && Key <= QLatin1Char('9');
    if (!digit && Key != BackspaceKey)
        Key = QChar();
}

void TPatientPage::DayCombo1KeyPress(QObject* Sender, QChar& Key)
{
    MonthCombo1KeyPress(Sender, Key);
}

void TPatientPage::MonthCombo1Change(QObject*)
{
    DayCombo1->setFocus(Qt::TabFocusReason);
}

void TPatientPage::DayCombo1Change(QObject*)
{
    StringGridEx5->setFocus(Qt::TabFocusReason);
}

void TPatientPage::ComboBox10Change(QObject*)
{
    Edit8->setFocus(Qt::TabFocusReason);
}

// ---- The record ----------------------------------------------------------------------

void TPatientPage::ShowPatientRecord()
{
    const TPatientRecord& patient = CurrentPatient;
    Edit1->setText(patient.patient_id);
    Edit2->setText(patient.patient_name);
    Edit3->setText(patient.patient_name_kana);
    (patient.patient_gender == 0 ? RadioButton1 : RadioButton2)->setChecked(true);
    // The calendar's range is set before the year is written, so the year is
    // never clamped by the calendar checked before.
    if (patient.patient_birth == BirthDateUnknown) {
        rbAge->setChecked(true);
        ApplyCalendarControls(BirthCalendar::Age);
        ShowDateFields(vcl::Date());
    } else {
        // A stored birth date is always shown in the Western calendar.
        rbSeireki->setChecked(true);
        ApplyCalendarControls(BirthCalendar::Western);
        ShowDateFields(patient.patient_birth);
    }
    StringGridEx3->SetCellValue(0, 0, patient.patient_age);
    StringGridEx5->SetCellValue(0, 0, patient.patient_height);
    StringGridEx4->SetCellValue(0, 0, patient.patient_weight);
    Edit9->setText(patient.sinryouka_id);
    Edit10->setText(patient.doctor_id);
    ComboBox10->setCurrentIndex(patient.patient_kubun == 1 ? 1 : 0);
    Edit8->setText(patient.patient_disorder);
    hub_.Header().Panel3->setText(patient.patient_name);
    entered_ = {PatientField::Age, PatientField::Height, PatientField::Weight};
    if (patient.patient_birth != BirthDateUnknown)
        entered_.insert(std::begin(BirthDateFields), std::end(BirthDateFields));
}

void TPatientPage::InitPatientPage()
{
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit8, Edit9, Edit10})
        edit->clear();
    Memo1->clear();
    const TMainHeader& header = hub_.Header();
    for (QLabel* panel : {header.Panel3, header.Panel4, header.Panel7, header.Panel28})
        panel->clear();
    RadioButton1->setChecked(true);
    StringGridEx2->SetCells(0, 0, QString::number(CurrentYear()));
    SelectListNumber(MonthCombo1, 1);
    SelectListNumber(DayCombo1, 1);
    for (TStringGridEx* cell : {StringGridEx3, StringGridEx4, StringGridEx5})
        cell->SetCells(0, 0, QStringLiteral("0"));
    ComboBox10->setCurrentIndex(0);
    plButton9->setEnabled(false);
    entered_.clear();
}

bool TPatientPage::IsPatientInputComplete() const
{
    return !Edit1->text().isEmpty() && !Edit2->text().isEmpty();
}

void TPatientPage::Timer1Timer()
{
    plButton9->setEnabled(IsPatientInputComplete());
}

TPatientPage::TTypedFields TPatientPage::TypedFields() const
{
    return {StringGridEx2->Cells(0, 0), MonthCombo1->currentText(), DayCombo1->currentText(),
            StringGridEx3->Cells(0, 0), StringGridEx5->Cells(0, 0), StringGridEx4->Cells(0, 0)};
}

TPatientEntry TPatientPage::ReadEntry(const TTypedFields& typed) const
{
    TPatientEntry entry;
    entry.Number = Edit1->text();
    entry.Name = Edit2->text();
    entry.Kana = Edit3->text();
    entry.Gender = RadioButton1->isChecked() ? 0 : 1;
    entry.Calendar = CheckedCalendar();
    entry.Year = NumberAsTyped(StringGridEx2, typed.Year);
    entry.MonthText = typed.Month;
    entry.DayText = typed.Day;
    entry.Age = NumberAsTyped(StringGridEx3, typed.Age);
    entry.Height = NumberAsTyped(StringGridEx5, typed.Height);
    entry.Weight = NumberAsTyped(StringGridEx4, typed.Weight);
    entry.Department = Edit9->text();
    entry.Doctor = Edit10->text();
    entry.Kubun = ComboBox10->currentIndex();
    entry.Disorder = Edit8->text();
    entry.Entered = entered_;
    return entry;
}

void TPatientPage::SetListText(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text);
    if (index >= 0)
        combo->setCurrentIndex(index);
    combo->setEditText(text);
}

void TPatientPage::ShowRefusedField(PatientField field, const TTypedFields& typed)
{
    refusedList_ = nullptr;
    if (std::ranges::find(BirthDateFields, field) != std::end(BirthDateFields)) {
        // Leaving the date's fields corrected them and the age: all shown as typed.
        StringGridEx2->SetCells(0, 0, typed.Year);
        SetListText(MonthCombo1, typed.Month);
        SetListText(DayCombo1, typed.Day);
        StringGridEx3->SetCells(0, 0, typed.Age);
    }
    QWidget* target = nullptr;
    const QString* text = nullptr;
    QComboBox* list = nullptr;
    switch (field) {
    case PatientField::Year: target = StringGridEx2; break;
    case PatientField::Month: target = list = MonthCombo1; break;
    case PatientField::Day: target = list = DayCombo1; break;
    case PatientField::Age: target = StringGridEx3; text = &typed.Age; break;
    case PatientField::Height: target = StringGridEx5; text = &typed.Height; break;
    case PatientField::Weight: target = StringGridEx4; text = &typed.Weight; break;
    }
    if (!target->isEnabled())
        return;
    if (text) {
        // A cell never entered was clamped by leaving it: it shows the new page's "0" again.
        static const QString untouched = QStringLiteral("0");
        static_cast<TStringGridEx*>(target)->SetCells(0, 0, entered_.count(field) > 0 ? *text : untouched);
    }
    target->setFocus(Qt::OtherFocusReason);
    // What is typed next replaces the refused text: a cell's editor opens on
    // the first key with its text selected; a list's text is selected here,
    // once the field left has been corrected, and again whenever the window
    // comes back, until the user takes it.
    refusedList_ = list;
    if (list)
        list->lineEdit()->selectAll();
}

std::optional<TPatientRecord> TPatientPage::StorePatientFromForm()
{
    const auto showStoreFailure = [] { vcl::ShowError(DataModule1->LastFailureText(), patientpage::ErrorCaption); };
    QString key = CurrentPatient.patient_id_t;
    if (key.isEmpty()) {
        const auto fresh = UnusedPatientKey(vcl::Now(), [](const QString& candidate) {
            return DataModule1->CountPatient(candidate);
        });
        if (!fresh) {
            showStoreFailure();
            return std::nullopt;
        }
        key = *fresh;
    }
    // The numbers as the cells now show them, normalised by the grid.
    const TPatientRecord record = PatientRecordFromEntry(ReadEntry(TypedFields()), key, vcl::Date());
    if (DataModule1->SavePatient(record) != 0) {
        showStoreFailure();
        return std::nullopt;
    }
    return record;
}

void TPatientPage::plButton9Click(QObject*)
{
    const TTypedFields typed = std::exchange(typedAtPress_, std::nullopt).value_or(TypedFields());
    // A birth date typed without leaving its fields still gives the age.
    UpdateAgeFromBirthDate();
    if (const auto problem = CheckPatientEntry(ReadEntry(typed), vcl::Date())) {
        ShowRefusedField(problem->Focus, typed);
        vcl::ShowError(problem->Message, problem->Caption);
        return;
    }
    const TPatientQuestion question = PatientConfirmQuestion(IsPatientCurrent(CurrentPatient), hub_.HighestStep());
    if (!vcl::AskOkCancel(question.Text, patientpage::QuestionCaption))
        return;
    // Saved first: a patient the store refused leaves the case as it was.
    const std::optional<TPatientRecord> stored = StorePatientFromForm();
    if (!stored)
        return;
    hub_.ClearCaseFrom(0, question.Key, DrugValues::ClearAll);
    CurrentPatient = *stored;
    hub_.SetHighestStep(1);
    hub_.Header().Panel3->setText(CurrentPatient.patient_name);
    hub_.ShowCaseFrom(1);
    hub_.SetWorkflowStep(1, 1);
    hub_.Header().Panel17->clear();
}

void TPatientPage::plButton10Click(QObject*)
{
    ClearPatientRecord(CurrentPatient, PatientKey::Keep);
    InitPatientPage();
}

void TPatientPage::plButton27Click(QObject*)
{
    if (frmPatientSearch->ShowModal() != vcl::mrOk)
        return;
    const TPatientRecord chosen = frmPatientSearch->GetSelectedPatient();
    hub_.ClearCaseFrom(0, PatientKey::Clear, DrugValues::ClearAll);
    hub_.SetHighestStep(0);
    CurrentPatient = chosen;
    hub_.ShowCaseFrom(0);
    hub_.SetWorkflowStep(0, 0);
}
