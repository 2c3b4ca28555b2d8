#include "EntryCells.h"

#include "CalendarModel.h"
#include "Clock.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace {

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
