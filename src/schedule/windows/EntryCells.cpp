#include "EntryCells.h"

#include "CalendarModel.h"
#include "Clock.h"
#include "MessageBox.h"

#include <QApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <algorithm>
#include <array>
#include <utility>

namespace {

// The year, month and day of a text "yyyy/mm/dd" whose parts hold digits
// only (up to four for the year, two for the month and the day); nothing
// while a part holds anything else (an emptied part, a blank).
std::optional<std::array<int, 3>> DateNumbers(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    constexpr std::array<int, 3> widths{4, 2, 2};
    if (parts.size() != static_cast<qsizetype>(widths.size()))
        return std::nullopt;
    std::array<int, 3> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const QString& part = parts[static_cast<qsizetype>(i)];
        if (part.isEmpty() || part.size() > widths[i])
            return std::nullopt;
        for (QChar ch : part)
            if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
                return std::nullopt;
        numbers[i] = part.toInt();
    }
    return numbers;
}

class TDatePicker : public QDateEdit {
public:
    explicit TDatePicker(QWidget* parent) : QDateEdit(parent)
    {
        lineEdit()->installEventFilter(this);
        connect(lineEdit(), &QLineEdit::textChanged, this, [this] { StopFollowingPartsOnNoDate(); });
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

protected:
    // A date that cannot be (31 June, a year outside the range) stays as
    // typed, where the date edit would put the last day of the month or
    // the earlier date in its place; nor does it write another date over a
    // text of three numbers.
    QValidator::State validate(QString& input, int& position) const override
    {
        const QString typed = input;
        const std::optional<std::array<int, 3>> numbers = DateNumbers(typed);
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
            input = textFromDateTime(QDateTime(*date, dateTime().time(), dateTime().timeSpec()));
        else if (!DateNumbers(input))
            QDateEdit::fixup(input);
    }
    QDateTime dateTimeFromText(const QString& text) const override
    {
        if (const std::optional<QDate> date = WholeDateOf(text))
            return QDateTime(*date, dateTime().time(), dateTime().timeSpec());
        return QDateEdit::dateTimeFromText(text);
    }

    // Entering, leaving, hiding and showing the picker, and Enter, make the
    // date edit show its last date again.
    void focusInEvent(QFocusEvent* event) override
    {
        KeepingTypedText([&] { QDateEdit::focusInEvent(event); });
        ResumeFollowingParts();
        // The click that gave the focus or activated the window chose a part.
        if (clickedAt_) {
            SelectPartAt(*clickedAt_);
            clickedAt_.reset();
        }
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        clickedAt_.reset();
        advancedByDigit_ = false;
        KeepingTypedText([&] { QDateEdit::focusOutEvent(event); });
    }
    void hideEvent(QHideEvent* event) override
    {
        KeepingTypedText([&] { QDateEdit::hideEvent(event); });
    }
    void showEvent(QShowEvent* event) override
    {
        KeepingTypedText([&] { QDateEdit::showEvent(event); });
    }
    void changeEvent(QEvent* event) override
    {
        // The window going to the back (a message box) reads the text too.
        if (event->type() == QEvent::ActivationChange)
            KeepingTypedText([&] { QDateEdit::changeEvent(event); });
        else
            QDateEdit::changeEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        clickedAt_.reset();
        ResumeFollowingParts();
        const bool advanced = std::exchange(advancedByDigit_, false);
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            KeepingTypedText([&] { QDateEdit::keyPressEvent(event); });
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
                SelectPartIndex(next);
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
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == lineEdit() && (event->type() == QEvent::MouseButtonPress
                                      || event->type() == QEvent::MouseButtonRelease)) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const int position = lineEdit()->cursorPositionAt(mouse->position().toPoint());
            advancedByDigit_ = false;
            if (mouse->button() == Qt::LeftButton && event->type() == QEvent::MouseButtonPress) {
                ResumeFollowingParts();
                clickedAt_ = position;
            } else if (mouse->button() == Qt::LeftButton && clickedAt_) {
                // Pressed and released on one part: a click, not a selection dragged across parts.
                if (PartIndex(position) == PartIndex(*clickedAt_))
                    SelectPartAt(*clickedAt_);
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

    // Runs the date edit's own handling: a whole date as typed is taken
    // first, any other text is put back as typed afterwards.
    template <typename Handling>
    void KeepingTypedText(Handling handling)
    {
        const QString shown = text();
        const bool keep = !TakeTypedDate();
        handling();
        if (keep && text() != shown)
            lineEdit()->setText(shown);
    }

    // The date edit follows the cursor from part to part, and when the
    // cursor leaves a part it reads the whole text as a date, putting the
    // earlier date back when the text names none. It follows the cursor
    // only while the text is a whole date: the connection is the date
    // edit's own (made by name in Qt 6.4), given up as soon as the text
    // names no date, and made again when the user next acts on a whole date.
    void SetFollowingParts(bool following)
    {
        followingParts_ = following;
        const char* signal = SIGNAL(cursorPositionChanged(int, int));
        const char* slot = SLOT(_q_editorCursorPositionChanged(int, int));
        if (following)
            connect(lineEdit(), signal, this, slot);
        else
            disconnect(lineEdit(), signal, this, slot);
    }
    void StopFollowingPartsOnNoDate()
    {
        if (followingParts_ && !TypedDate())
            SetFollowingParts(false);
    }
    void ResumeFollowingParts()
    {
        if (followingParts_ || !TypedDate())
            return;
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
        const std::optional<std::array<int, 3>> numbers = DateNumbers(text);
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
    static constexpr int PartCount = 3;
    int PartIndex(int position) const
    {
        return std::min(PartCount - 1, static_cast<int>(text().left(position).count(QLatin1Char('/'))));
    }
    // Selects a part as the text shows it (a text kept as typed may be
    // shorter than "yyyy/mm/dd": "0/12/10"), the cursor moved to its start
    // and then to its end.
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
    void SelectPartIndex(int part)
    {
        constexpr Section parts[PartCount] = {YearSection, MonthSection, DaySection};
        if (followingParts_)
            setSelectedSection(parts[part]);
        else
            SelectPart(part);
    }
    void SelectPartAt(int position) { SelectPartIndex(PartIndex(position)); }

    // Where the last left press fell in the text, until the click is done
    // with: its release, and the activation that may follow it.
    std::optional<int> clickedAt_;
    bool followingParts_ = true;
    // The last key was a digit that moved the cursor on to the next part.
    bool advancedByDigit_ = false;
};

} // namespace

QDateEdit* AddDatePicker(QWidget* parent, const QString& name, int left, int top)
{
    auto* picker = new TDatePicker(parent);
    picker->setObjectName(name);
    picker->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    picker->setCalendarPopup(true);
    picker->setDateRange(QDate(FirstScheduleYear, 1, 1), QDate(LastScheduleYear, 12, 31));
    picker->setGeometry(left, top, 120, 24);
    picker->setDate(vcl::ToQDate(vcl::Date()));
    return picker;
}

vcl::TDateTime PickerDate(const QDateEdit* picker)
{
    return vcl::FromQDate(picker->date());
}

void SetPickerDate(QDateEdit* picker, vcl::TDateTime date)
{
    const QSignalBlocker blocker(picker);
    picker->setDate(vcl::ToQDate(date));
}

std::optional<vcl::TDateTime> ReadPickerDate(QDateEdit* picker, const TFieldMessage& refusal)
{
    auto* typed = dynamic_cast<TDatePicker*>(picker);
    if (!typed || typed->TakeTypedDate())
        return PickerDate(picker);
    vcl::ShowError(refusal.Text, refusal.Caption);
    if (picker->isVisible() && picker->isEnabled())
        picker->setFocus(Qt::OtherFocusReason);
    return std::nullopt;
}

QString NotADateMessage(const QString& fieldName)
{
    return QStringLiteral("「%1」に正しい日付を入力して下さい。").arg(fieldName);
}
