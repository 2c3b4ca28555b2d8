#include "EntryCells.h"

#include "CalendarModel.h"
#include "Clock.h"
#include "MessageBox.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace {

constexpr int PartCount = 3;   // year, month, day
constexpr std::array<int, PartCount> PartWidths{4, 2, 2};

// The number a part of "yyyy/mm/dd" holds: digits only, at most the part's
// width; nothing for an emptied part, a blank, a letter.
std::optional<int> PartNumber(const QStringList& parts, int part)
{
    if (parts.size() != PartCount)
        return std::nullopt;
    const QString& digits = parts[part];
    if (digits.isEmpty() || digits.size() > PartWidths[static_cast<std::size_t>(part)])
        return std::nullopt;
    for (QChar ch : digits)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return std::nullopt;
    return digits.toInt();
}

// The year, month and day of a text "yyyy/mm/dd" whose parts hold numbers;
// nothing while a part holds anything else.
std::optional<std::array<int, PartCount>> DateNumbers(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    std::array<int, PartCount> numbers{};
    for (int part = 0; part < PartCount; ++part) {
        const std::optional<int> number = PartNumber(parts, part);
        if (!number)
            return std::nullopt;
        numbers[static_cast<std::size_t>(part)] = *number;
    }
    return numbers;
}

// The part of a text "yyyy/mm/dd" to correct first: the first of year
// (1900 .. 2099), month and day (of that month: 31 November is the day)
// that holds no such number; the year when every part holds one.
int FirstWrongPart(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    const int year = PartNumber(parts, 0).value_or(0);
    if (year < FirstScheduleYear || year > LastScheduleYear)
        return 0;
    const int month = PartNumber(parts, 1).value_or(0);
    if (month < 1 || month > 12)
        return 1;
    const int day = PartNumber(parts, 2).value_or(0);
    return day < 1 || day > QDate(year, month, 1).daysInMonth() ? 2 : 0;
}

// Whether a date shown in place of the text runs the handlers of the text's
// changes.
enum class TTextNotice { Run, Quiet };

class TDatePicker : public QDateEdit {
public:
    explicit TDatePicker(QWidget* parent) : QDateEdit(parent)
    {
        setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
        setCalendarPopup(true);
        setDateRange(QDate(FirstScheduleYear, 1, 1), QDate(LastScheduleYear, 12, 31));
        ShowDate(vcl::ToQDate(vcl::Date()), TTextNotice::Quiet);
        lineEdit()->installEventFilter(this);
        connect(lineEdit(), &QLineEdit::textChanged, this, [this] { TextEdited(); });
        // A date set elsewhere (the calendar, a caller's setDate) is shown in
        // place of a typed text; so is the day chosen on the calendar that
        // the picker already held.
        connect(this, &QDateEdit::dateChanged, this, [this] {
            if (!pressingEnter_ && TypedDate() != date())
                ShowDate(date(), TTextNotice::Run);
            else
                lastText_ = text();   // a date taken as typed, written in full
        });
        for (auto chosen : {&QCalendarWidget::clicked, &QCalendarWidget::activated})
            connect(calendarWidget(), chosen, this, [this] { ShowDate(date(), TTextNotice::Run); });
    }

    // The date the text names when it is a whole date of the picker's range.
    std::optional<QDate> TypedDate() const { return WholeDateOf(text()); }

    // Takes a whole date as typed (the change handler runs when it differs);
    // false, with the text left alone, when the text is no whole date.
    bool TakeTypedDate()
    {
        const std::optional<QDate> typed = TypedDate();
        if (!typed)
            return false;
        if (*typed != date())
            setDate(*typed);
        return true;
    }

    // Shows the date with its own text, in place of anything typed.
    void ShowDate(QDate shown, TTextNotice notice)
    {
        typedText_ = false;
        if (shown != date())
            setDate(shown);
        const QString own = QDateEdit::textFromDateTime(dateTime());
        if (text() != own) {
            const QSignalBlocker quiet(lineEdit());
            lineEdit()->setText(own);
        }
        SetFollowingParts(true);
        if (text() == lastText_)
            return;
        lastText_ = text();
        if (notice == TTextNotice::Run)
            RunTextHandlers();
    }

    void AddTextHandler(std::function<void()> changed) { textHandlers_.push_back(std::move(changed)); }

    // Selects the part to correct first, now and when the picker next takes
    // the focus (its window coming back after a message box), until the user
    // clicks or types.
    void SelectWrongPart()
    {
        wrongPart_ = FirstWrongPart(text());
        SelectPart(*wrongPart_);
    }

protected:
    // A date that cannot be (31 June, a year outside the range) stays as
    // typed, where the date edit would put the last day of the month or
    // the earlier date in its place; nor does it write another date over a
    // text of three numbers.
    QValidator::State validate(QString& input, int& position) const override
    {
        const QString typed = input;
        const std::optional<std::array<int, PartCount>> numbers = DateNumbers(typed);
        if (numbers && !WholeDateOf(typed))
            return QValidator::Intermediate;
        const QValidator::State state = QDateEdit::validate(input, position);
        if (numbers && state != QValidator::Invalid && DateNumbers(input) != numbers) {
            input = typed;
            return QValidator::Intermediate;
        }
        return state;
    }
    void fixup(QString& input) const override
    {
        if (const std::optional<QDate> date = WholeDateOf(input))
            input = QDateEdit::textFromDateTime(QDateTime(*date, dateTime().time(), dateTime().timeSpec()));
        else if (!DateNumbers(input))
            QDateEdit::fixup(input);
    }
    QDateTime dateTimeFromText(const QString& text) const override
    {
        if (const std::optional<QDate> date = WholeDateOf(text))
            return QDateTime(*date, dateTime().time(), dateTime().timeSpec());
        return QDateEdit::dateTimeFromText(text);
    }
    // The date edit writes its date's text over the text shown when the
    // picker is entered, left or hidden and on Enter, which would put the
    // earlier date back in place of a typed text that names none: a text
    // the user typed stays unless it names this date.
    QString textFromDateTime(const QDateTime& dateTime) const override
    {
        if (typedText_ && TypedDate() != dateTime.date())
            return text();
        return QDateEdit::textFromDateTime(dateTime);
    }
    // A step (the arrow keys, the wheel, the menu) goes from the date the
    // picker holds and shows the day it went to.
    void stepBy(int steps) override
    {
        typedText_ = false;
        QDateEdit::stepBy(steps);
        ShowDate(date(), TTextNotice::Run);
    }

    // Entering, leaving and hiding the picker take a whole date as typed.
    void focusInEvent(QFocusEvent* event) override
    {
        TakeTypedDate();
        QDateEdit::focusInEvent(event);
        // The click that gave the focus or activated the window chose a part.
        if (clickedAt_) {
            SelectPartAt(*clickedAt_);
            clickedAt_.reset();
        } else if (wrongPart_) {
            SelectPart(*wrongPart_);
        }
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        clickedAt_.reset();
        advancedByDigit_ = false;
        if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
            wrongPart_.reset();
        TakeTypedDate();
        QDateEdit::focusOutEvent(event);
    }
    void hideEvent(QHideEvent* event) override
    {
        TakeTypedDate();
        QDateEdit::hideEvent(event);
    }
    void changeEvent(QEvent* event) override
    {
        // The window going to the back (a message box) reads the text too.
        if (event->type() == QEvent::ActivationChange)
            TakeTypedDate();
        QDateEdit::changeEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        clickedAt_.reset();
        wrongPart_.reset();
        const bool advanced = std::exchange(advancedByDigit_, false);
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            TakeTypedDate();
            // The date edit reports its date again on Enter; a typed text
            // that names none stays.
            const QScopedValueRollback pressing(pressingEnter_, true);
            QDateEdit::keyPressEvent(event);
            return;
        }
        const QString typed = event->text();
        // A separator moves on to the next part, by the text as it stands
        // (the date edit would go by the parts of its last date). After a
        // digit that filled its part and moved on already ("2026/11/30"),
        // it is that same move.
        if (typed == QLatin1String("/")) {
            const int next = PartIndex(CursorOrSelectionStart()) + 1;
            if (!advanced && next < PartCount)
                SelectPart(next);
            event->accept();
            return;
        }
        const QString before = text();
        const int partBefore = PartIndex(CursorOrSelectionStart());
        QDateEdit::keyPressEvent(event);
        const bool digit = typed.size() == 1 && typed[0] >= QLatin1Char('0') && typed[0] <= QLatin1Char('9');
        if (digit && text() == before)
            TakeRefusedDigit(typed);
        else if (digit)
            advancedByDigit_ = PartIndex(CursorOrSelectionStart()) > partBefore;
        TextEdited();
    }
    void inputMethodEvent(QInputMethodEvent* event) override
    {
        QDateEdit::inputMethodEvent(event);
        TextEdited();
    }
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        // The menu's paste, cut and delete.
        QDateEdit::contextMenuEvent(event);
        TextEdited();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Keys reach the line edit through the picker, which holds the focus
        // for it; one sent to the line edit itself is handled so too.
        if (watched == lineEdit() && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease
                                      || event->type() == QEvent::InputMethod)) {
            QCoreApplication::sendEvent(this, event);
            return true;
        }
        if (watched == lineEdit() && (event->type() == QEvent::MouseButtonPress
                                      || event->type() == QEvent::MouseButtonRelease)) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const int position = lineEdit()->cursorPositionAt(mouse->position().toPoint());
            advancedByDigit_ = false;
            wrongPart_.reset();
            if (mouse->button() == Qt::LeftButton && event->type() == QEvent::MouseButtonPress) {
                clickedAt_ = position;
            } else if (mouse->button() == Qt::LeftButton && clickedAt_) {
                // Pressed and released on one part: a click, not a selection dragged across parts.
                if (PartIndex(position) == PartIndex(*clickedAt_))
                    SelectPartAt(*clickedAt_);
            } else if (mouse->button() == Qt::MiddleButton && event->type() == QEvent::MouseButtonRelease) {
                // The line edit pastes the selection once the release is done.
                QTimer::singleShot(0, this, [this] { TextEdited(); });
            }
        }
        return QDateEdit::eventFilter(watched, event);
    }

private:
    // The date edit refuses a digit that makes no date (the "3" of a month
    // 13): it is written as typed when its part has room, for the command
    // to refuse the date by the field's name; else it beeps. (A "3" typed
    // into February's day is the 3rd at once, so a "0" after it beeps.)
    void TakeRefusedDigit(const QString& digit)
    {
        QLineEdit* edit = lineEdit();
        const int start = CursorOrSelectionStart();
        const int length = static_cast<int>(edit->selectedText().size());
        const QString written = text().replace(start, length, digit);
        if (!DateNumbers(written)) {
            QApplication::beep();
            return;
        }
        edit->setText(written);
        edit->setCursorPosition(start + 1);
    }

    // After the user changed the text. The date edit follows the cursor from
    // part to part, and when the cursor leaves a part it reads the whole
    // text as a date, putting the earlier date back when the text names
    // none. It follows only while the text is a whole date: as soon as the
    // text names none, the line edit stops telling it anything (its cursor
    // moves, its text) until the text is a whole date again. A whole date
    // with every part filled is taken then, as the date edit takes it.
    void TextEdited()
    {
        if (text() == lastText_)
            return;
        lastText_ = text();
        typedText_ = true;
        const std::optional<QDate> typed = TypedDate();
        if (followingParts_ && !typed) {
            SetFollowingParts(false);
        } else if (!followingParts_ && typed) {
            ResumeFollowingParts();
            if (text() == QDateEdit::textFromDateTime(QDateTime(*typed, dateTime().time(), dateTime().timeSpec())))
                TakeTypedDate();
        }
        RunTextHandlers();
    }
    void RunTextHandlers()
    {
        for (const std::function<void()>& changed : textHandlers_)
            changed();
    }

    void SetFollowingParts(bool following)
    {
        followingParts_ = following;
        lineEdit()->blockSignals(!following);
    }
    void ResumeFollowingParts()
    {
        QLineEdit* edit = lineEdit();
        const int cursor = edit->cursorPosition();
        const int selectionStart = edit->selectionStart();
        const int selectionLength = static_cast<int>(edit->selectedText().size());
        SetFollowingParts(true);
        // Moved with a selection, the date edit takes the cursor's part as
        // its current one and reads no date.
        SelectPart(PartIndex(cursor));
        if (selectionLength == 0)
            edit->setCursorPosition(cursor);
        else if (cursor == selectionStart)
            edit->setSelection(selectionStart + selectionLength, -selectionLength);
        else
            edit->setSelection(selectionStart, selectionLength);
    }

    std::optional<QDate> WholeDateOf(const QString& text) const
    {
        const std::optional<std::array<int, PartCount>> numbers = DateNumbers(text);
        if (!numbers)
            return std::nullopt;
        const QDate date((*numbers)[0], (*numbers)[1], (*numbers)[2]);
        if (!date.isValid() || date < minimumDate() || date > maximumDate())
            return std::nullopt;
        return date;
    }

    int CursorOrSelectionStart() const
    {
        const QLineEdit* edit = lineEdit();
        return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    }

    // The part of "yyyy/mm/dd" a cursor position lies in: 0 the year, 1 the
    // month, 2 the day.
    int PartIndex(int position) const
    {
        return std::min(PartCount - 1, static_cast<int>(text().left(position).count(QLatin1Char('/'))));
    }
    // Selects a part as the text shows it (a text kept as typed may be
    // shorter than "yyyy/mm/dd": "0/12/10"), the cursor moved to its start
    // and then to its end, so that a date edit following the cursor takes
    // it as its current part.
    void SelectPart(int part)
    {
        const QString shown = text();
        int start = 0;
        for (int slashes = 0; slashes < part; ++slashes)
            start = static_cast<int>(shown.indexOf(QLatin1Char('/'), start)) + 1;
        qsizetype end = shown.indexOf(QLatin1Char('/'), start);
        if (end < 0)
            end = shown.size();
        const int length = static_cast<int>(end) - start;
        lineEdit()->setSelection(start + length, -length);
        lineEdit()->setSelection(start, length);
    }
    void SelectPartAt(int position) { SelectPart(PartIndex(position)); }

    // The text as last seen, and whether the user typed it (since the
    // picker last showed a date with its own text).
    QString lastText_;
    bool typedText_ = false;
    bool followingParts_ = true;
    bool pressingEnter_ = false;
    std::vector<std::function<void()>> textHandlers_;
    // Where the last left press fell in the text, until the click is done
    // with: its release, and the activation that may follow it.
    std::optional<int> clickedAt_;
    // The part a refused date is corrected at, until the user acts.
    std::optional<int> wrongPart_;
    // The last key was a digit that moved the cursor on to the next part.
    bool advancedByDigit_ = false;
};

} // namespace

QDateEdit* AddDatePicker(QWidget* parent, const QString& name, int left, int top)
{
    auto* picker = new TDatePicker(parent);
    picker->setObjectName(name);
    picker->setGeometry(left, top, 120, 24);
    return picker;
}

vcl::TDateTime PickerDate(const QDateEdit* picker)
{
    return vcl::FromQDate(picker->date());
}

std::optional<vcl::TDateTime> ShownPickerDate(const QDateEdit* picker)
{
    const auto* typed = dynamic_cast<const TDatePicker*>(picker);
    if (typed && typed->TypedDate() != picker->date())
        return std::nullopt;
    return PickerDate(picker);
}

void OnPickerTextChange(QDateEdit* picker, std::function<void()> changed)
{
    if (auto* typed = dynamic_cast<TDatePicker*>(picker))
        typed->AddTextHandler(std::move(changed));
}

void SetPickerDate(QDateEdit* picker, vcl::TDateTime date)
{
    const QSignalBlocker blocker(picker);
    if (auto* typed = dynamic_cast<TDatePicker*>(picker))
        typed->ShowDate(vcl::ToQDate(date), TTextNotice::Quiet);
    else
        picker->setDate(vcl::ToQDate(date));
}

std::optional<vcl::TDateTime> ReadPickerDate(QDateEdit* picker, const TFieldMessage& refusal)
{
    auto* typed = dynamic_cast<TDatePicker*>(picker);
    if (!typed || typed->TakeTypedDate())
        return PickerDate(picker);
    vcl::ShowError(refusal.Text, refusal.Caption);
    if (picker->isVisible() && picker->isEnabled()) {
        picker->setFocus(Qt::OtherFocusReason);
        typed->SelectWrongPart();
    }
    return std::nullopt;
}

QString NotADateMessage(const QString& fieldName)
{
    return QStringLiteral("「%1」に正しい日付を入力して下さい。").arg(fieldName);
}
