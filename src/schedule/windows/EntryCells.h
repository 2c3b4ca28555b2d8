#pragma once
// The date picker of the schedule page and the result dialogs, placed at an
// absolute position as the window design gives it.
#include "DateTime.h"
#include "TypedNumber.h"

#include <QString>
#include <optional>

class QDateEdit;
class QWidget;

// A date picker for 1900/01/01 .. 2099/12/31, shown "yyyy/mm/dd", today at first.
//
// A click selects the part of the date under the pointer (year, month or
// day), also the click that gives the picker the focus or brings its window
// back to the front, so the digits typed next replace that part. A text the
// user typed is never put back to the earlier date: leaving the picker, Enter
// or hiding it takes a whole date as typed and keeps any other text as it
// stands ("0000/06/10", 31 June) for the command that reads it to refuse.
QDateEdit* AddDatePicker(QWidget* parent, const QString& name, int left, int top);
// The last whole date the picker took.
vcl::TDateTime PickerDate(const QDateEdit* picker);
// Sets the date without running the picker's change handler.
void SetPickerDate(QDateEdit* picker, vcl::TDateTime date);

// The date the picker shows, for a command: a whole date as typed is taken;
// any other text is refused with the field's message in an error box, the
// picker takes the focus with its text left as typed, and nothing is returned.
std::optional<vcl::TDateTime> ReadPickerDate(QDateEdit* picker, const TFieldMessage& refusal);

// "「<field>」に正しい日付を入力して下さい。"
QString NotADateMessage(const QString& fieldName);
