#pragma once
// The date picker of the schedule page and the result dialogs, placed at an
// absolute position as the window design gives it.
#include "DateTime.h"

#include <QString>

class QDateEdit;
class QWidget;

// A date picker for 1900/01/01 .. 2099/12/31, shown "yyyy/mm/dd", today at first.
QDateEdit* AddDatePicker(QWidget* parent, const QString& name, int left, int top);
vcl::TDateTime PickerDate(const QDateEdit* picker);
// Sets the date without running the picker's change handler.
void SetPickerDate(QDateEdit* picker, vcl::TDateTime date);
