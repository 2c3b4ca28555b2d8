#include "EntryCells.h"

#include "CalendarModel.h"
#include "Clock.h"
#include "StringGridEx.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace {

constexpr int CellHeight = 24;

// A click on a part of the date (year, month or day) selects that part, so
// the digits typed next replace it, as in the date pickers users know. The
// click lands on the picker's line edit, which moves the current part to the
// cursor; the selection follows once the press is done.
class TDatePicker : public QDateEdit {
public:
    explicit TDatePicker(QWidget* parent) : QDateEdit(parent) { lineEdit()->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && !lineEdit()->hasSelectedText())
            setSelectedSection(currentSection());
        return QDateEdit::eventFilter(watched, event);
    }
};

} // namespace

TStringGridEx* AddNumberCell(QWidget* parent, const QString& name, int left, int top, int width, double min,
                             double max, const QString& format, double defaultValue)
{
    auto* cell = new TStringGridEx(parent);
    cell->setObjectName(name);
    cell->SetColCount(1);
    cell->SetRowCount(1);
    cell->SetFixedCols(0);
    cell->SetFixedRows(0);
    cell->SetScrollBars(ssNone);
    cell->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect | goEditing);
    cell->SetDefaultRowHeight(CellHeight);
    TRange* range = cell->Ranges()->Add();
    range->SetRangeType(trtEditVal);
    range->SetMin(min);
    range->SetMax(max);
    range->SetDefault(defaultValue);
    range->SetFmtStr(format);
    range->SetAlignment(taRightJustify);
    range->SetAlignmentV(tavCenter);
    range->SetColWidth(width - 2 * cell->frameWidth() - cell->GridLineWidth());
    cell->setGeometry(left, top, width, CellHeight + cell->GridLineWidth() + 2 * cell->frameWidth());
    cell->InitByDefault();
    return cell;
}

std::optional<double> NumberCellValue(const TStringGridEx* cell)
{
    double value = 0;
    if (!cell->TryGetCellValue(0, 0, value))
        return std::nullopt;
    return value;
}

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
