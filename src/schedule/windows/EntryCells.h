#pragma once
// The small controls of the schedule page: a one-cell number grid and a date
// picker, placed at absolute positions as the window design gives them.
#include "DateTime.h"

#include <QString>
#include <optional>

class QDateEdit;
class QWidget;
class TStringGridEx;

// A 1 x 1 typed grid holding one number in min .. max, shown by format.
TStringGridEx* AddNumberCell(QWidget* parent, const QString& name, int left, int top, int width, double min,
                             double max, const QString& format, double defaultValue = 0);

// The number a one-cell grid holds as typed; nothing when it holds none.
std::optional<double> NumberCellValue(const TStringGridEx* cell);

// A date picker for 1900/01/01 .. 2099/12/31, shown "yyyy/mm/dd", today at first.
QDateEdit* AddDatePicker(QWidget* parent, const QString& name, int left, int top);
vcl::TDateTime PickerDate(const QDateEdit* picker);
// Sets the date without running the picker's change handler.
void SetPickerDate(QDateEdit* picker, vcl::TDateTime date);
