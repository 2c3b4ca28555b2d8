#pragma once
// The date picker of the schedule page and the result dialogs, placed at an
// absolute position as the window design gives it.
#include "DateTime.h"
#include "TypedNumber.h"

#include <QString>
#include <functional>
#include <optional>

class QDateEdit;
class QWidget;

// A date picker for 1900/01/01 .. 2099/12/31, shown "yyyy/mm/dd", today at first.
//
// A click selects the part of the date under the pointer (year, month or
// day), also the click that gives the picker the focus or brings its window
// back to the front, so the digits typed next replace that part. A text the
// user typed is never put back to the earlier date: a whole date is taken as
// soon as its parts are filled, or when the picker is left, on Enter or when
// it is hidden; any other text stays as it stands ("0/06/10", 31 June) for
// the command that reads it to refuse. A date set elsewhere (the calendar,
// a step with the arrow keys, the program) is shown in place of what was typed.
QDateEdit* AddDatePicker(QWidget* parent, const QString& name, int left, int top);
// The last whole date the picker took.
vcl::TDateTime PickerDate(const QDateEdit* picker);
// The date the picker shows: its date while its text names that date;
// nothing while the text names no date or one not yet taken (a part still
// being typed, "2026/12/1").
std::optional<vcl::TDateTime> ShownPickerDate(const QDateEdit* picker);
// Runs `changed` after each change of the picker's text: typed, or a date
// shown in place of what was typed (the calendar, a step). A date the
// program sets runs nothing.
void OnPickerTextChange(QDateEdit* picker, std::function<void()> changed);
// Sets and shows the date without running the picker's change handler.
void SetPickerDate(QDateEdit* picker, vcl::TDateTime date);

// The date the picker shows, for a command: a whole date as typed is taken;
// any other text is refused with the field's message in an error box, the
// picker takes the focus with its text left as typed and its first wrong
// part selected (so what is typed next replaces it), and nothing is returned.
std::optional<vcl::TDateTime> ReadPickerDate(QDateEdit* picker, const TFieldMessage& refusal);

// "「<field>」に正しい日付を入力して下さい。"
QString NotADateMessage(const QString& fieldName);
