#include "uCalender.h"

#include "Clock.h"
#include "Colors.h"
#include "Fonts.h"
#include "NumberFormat.h"
#include "PageWidgets.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "plButton.h"

#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int CellWidth = 46;
constexpr int CellHeight = 65;
constexpr int HeaderHeight = 20;
constexpr int IconSize = 16;

constexpr vcl::TColor SundayColour = 0xACACFF;
constexpr vcl::TColor SaturdayColour = 0xFBDDBF;
constexpr vcl::TColor DoseTextColour = 0xFF0000;   // blue

// The icons of the calendar: a drop of blood for a sampling day, and one
// picture per dose form (powder, tablet, liquid, injection, infusion).
QPixmap DrawIcon(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return pixmap;
}

std::array<QPixmap, 6> CalendarIcons()
{
    const QPen outline(QColor(60, 60, 60), 1);
    return {
        DrawIcon([&](QPainter& p) {   // sampling: a red drop
            QPainterPath drop;
            drop.moveTo(8, 1);
            drop.cubicTo(8, 1, 2, 8, 2, 10.5);
            drop.cubicTo(2, 13.5, 4.7, 15, 8, 15);
            drop.cubicTo(11.3, 15, 14, 13.5, 14, 10.5);
            drop.cubicTo(14, 8, 8, 1, 8, 1);
            p.setPen(QPen(QColor(150, 0, 0), 1));
            p.setBrush(QColor(220, 20, 20));
            p.drawPath(drop);
        }),
        DrawIcon([&](QPainter& p) {   // 0 powder: a folded paper with a heap
            p.setPen(outline);
            p.setBrush(QColor(250, 250, 235));
            p.drawPolygon(QPolygonF({QPointF(1, 13), QPointF(8, 3), QPointF(15, 13)}));
            p.setBrush(QColor(200, 200, 200));
            p.drawEllipse(QRectF(5, 9, 6, 4));
        }),
        DrawIcon([&](QPainter& p) {   // 1 tablet: a round tablet with its score line
            p.setPen(outline);
            p.setBrush(QColor(255, 255, 255));
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            p.drawLine(QPointF(3, 8), QPointF(13, 8));
        }),
        DrawIcon([&](QPainter& p) {   // 2 liquid: a bottle
            p.setPen(outline);
            p.setBrush(QColor(120, 180, 240));
            p.drawRoundedRect(QRectF(3.5, 5.5, 9, 9.5), 2, 2);
            p.setBrush(QColor(90, 90, 90));
            p.drawRect(QRectF(6, 1.5, 4, 4));
        }),
        DrawIcon([&](QPainter& p) {   // 3 injection: a syringe
            p.setPen(outline);
            p.setBrush(QColor(230, 240, 255));
            p.drawRect(QRectF(4, 5.5, 9, 5));
            p.drawLine(QPointF(1, 8), QPointF(4, 8));
            p.drawLine(QPointF(13, 8), QPointF(15, 8));
            p.drawLine(QPointF(15, 5), QPointF(15, 11));
        }),
        DrawIcon([&](QPainter& p) {   // 4 infusion: a drip bag with its line
            p.setPen(outline);
            p.setBrush(QColor(220, 245, 220));
            p.drawRoundedRect(QRectF(3.5, 1.5, 9, 9), 2, 2);
            p.drawLine(QPointF(8, 10.5), QPointF(8, 15));
        }),
    };
}

} // namespace

TCalender::TCalender(QWidget* parent) : QWidget(parent), model_(vcl::Date())
{
    setObjectName(QStringLiteral("TCalender1"));
    setFont(vcl::ProgramFont(9));

    plButton1 = AddButton(this, QStringLiteral("plButton1"), QStringLiteral("先月"), 0, 0, 64, 26);
    plButton2 = AddButton(this, QStringLiteral("plButton2"), QStringLiteral("来月"), 0, 0, 64, 26);
    plButton2->OnClick = [this](QObject* Sender) { plButton2Click(Sender); };
    QFont big = vcl::ProgramFont(12);
    big.setBold(true);
    const auto addLabel = [&](const QString& name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setFont(big);
        return label;
    };
    Label4 = addLabel(QStringLiteral("Label4"), QString());
    Label3 = addLabel(QStringLiteral("Label3"), QStringLiteral("年"));
    Label1 = addLabel(QStringLiteral("Label1"), QString());
    Label2 = addLabel(QStringLiteral("Label2"), QStringLiteral("月"));
    Label4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    BuildWeekdayHeader();
    BuildDayGrid();

    const int width = DrawGrid1->sizeHint().width();
    plButton1->move(0, 0);
    plButton2->move(width - plButton2->width(), 0);
    Label4->setGeometry(width / 2 - 78, 0, 56, 26);
    Label3->setGeometry(width / 2 - 20, 0, 20, 26);
    Label1->setGeometry(width / 2 + 2, 0, 28, 26);
    Label2->setGeometry(width / 2 + 32, 0, 20, 26);
    StringGridEx1->setGeometry(0, 30, width, StringGridEx1->sizeHint().height());
    DrawGrid1->setGeometry(0, 30 + StringGridEx1->height(), width, DrawGrid1->sizeHint().height());
    setFixedSize(width, DrawGrid1->geometry().bottom() + 1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto addItem = [this](const QString& name, const QString& text) {
        QAction* action = PopupMenu1->addAction(text);
        action->setObjectName(name);
        return action;
    };
    N1 = addItem(QStringLiteral("N1"), QStringLiteral("この日を投与開始日に設定"));
    N2 = addItem(QStringLiteral("N2"), QStringLiteral("この日を投与終了日に設定"));
    N3 = addItem(QStringLiteral("N3"), QStringLiteral("この日を削除開始日に設定"));
    N4 = addItem(QStringLiteral("N4"), QStringLiteral("この日を削除終了日に設定"));
    N5 = addItem(QStringLiteral("N5"), QStringLiteral("この日に採血追加"));
    N3->setEnabled(false);
    N4->setEnabled(false);

    ImageList1 = CalendarIcons();
    ResetCalendar();
}

void TCalender::BuildWeekdayHeader()
{
    StringGridEx1 = new TStringGridEx(this);
    StringGridEx1->setObjectName(QStringLiteral("StringGridEx1"));
    StringGridEx1->SetColCount(CalendarColumns);
    StringGridEx1->SetRowCount(1);
    StringGridEx1->SetFixedCols(0);
    StringGridEx1->SetFixedRows(0);
    StringGridEx1->SetScrollBars(ssNone);
    StringGridEx1->SetDefaultColWidth(CellWidth);
    StringGridEx1->SetDefaultRowHeight(HeaderHeight);
    StringGridEx1->setFocusPolicy(Qt::NoFocus);
    const char16_t* names[CalendarColumns] = {u"日", u"月", u"火", u"水", u"木", u"金", u"土"};
    for (int column = 0; column < CalendarColumns; ++column) {
        TRange* range = StringGridEx1->Ranges()->Add();
        range->SetColLeft(column);
        range->SetColRight(column);
        range->SetText(QString::fromUtf16(names[column]));
        range->SetAlignment(taCenter);
        range->SetAlignmentV(tavCenter);
        range->SetColor(column == 0 ? SundayColour : column == CalendarColumns - 1 ? SaturdayColour : vcl::clBtnFace);
    }
}

void TCalender::BuildDayGrid()
{
    DrawGrid1 = new TStringGridEx(this);
    DrawGrid1->setObjectName(QStringLiteral("DrawGrid1"));
    DrawGrid1->SetColCount(CalendarColumns);
    DrawGrid1->SetRowCount(CalendarRows);
    DrawGrid1->SetFixedCols(0);
    DrawGrid1->SetFixedRows(0);
    DrawGrid1->SetScrollBars(ssNone);
    DrawGrid1->SetDefaultColWidth(CellWidth);
    DrawGrid1->SetDefaultRowHeight(CellHeight);
    DrawGrid1->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine);
    DrawGrid1->SetDefaultDrawing(false);
    DrawGrid1->OnSelectCell = [this](QObject*, int ACol, int ARow, bool& CanSelect) {
        DrawGrid1SelectCell(ACol, ARow, CanSelect);
    };
    DrawGrid1->OnMouseDown = [this](QObject*, vcl::TMouseButton Button, vcl::TShiftState, int X, int Y) {
        DrawGrid1MouseDown(Button, X, Y);
    };
    DrawGrid1->OnMouseMove = [this](QObject*, vcl::TShiftState, int X, int Y) { DrawGrid1MouseMove(X, Y); };
    DrawGrid1->OnDrawCell = [this](QObject*, int ACol, int ARow, const QRect& Rect, TGridDrawState) {
        DrawGrid1DrawCell(ACol, ARow, Rect);
    };
}

void TCalender::ShowMonth()
{
    Label4->setText(vcl::IntToStr(model_.Year()));
    Label1->setText(vcl::IntToStr(model_.Month()));
    DrawGrid1->viewport()->update();
}

void TCalender::ResetCalendar()
{
    model_.ResetCalendar(vcl::Date());
    ShowMonth();
}

void TCalender::RefreshCalendar()
{
    model_.RefreshMarks(ScheduleSets.CurScheduleDays(), ScheduleSets.Samplings);
    DrawGrid1->viewport()->update();
}

void TCalender::SetCalendarMonth(vcl::TDateTime date)
{
    model_.SetCalendarMonth(date);
    ShowMonth();
}

void TCalender::SetCalendarSelected(vcl::TDateTime date)
{
    model_.SetCalendarSelected(date);
    DrawGrid1->viewport()->update();
}

void TCalender::SetCalendarStart(vcl::TDateTime date)
{
    model_.SetCalendarStart(date);
    DrawGrid1->viewport()->update();
}

void TCalender::SetCalendarEnd(vcl::TDateTime date)
{
    model_.SetCalendarEnd(date);
    DrawGrid1->viewport()->update();
}

void TCalender::SetCalendarInterval(int days)
{
    model_.SetCalendarInterval(days);
    DrawGrid1->viewport()->update();
}

void TCalender::SetDoseUnitText(const QString& unit)
{
    model_.SetDoseUnitText(unit);
    DrawGrid1->viewport()->update();
}

void TCalender::SetDoseFormCode(int code)
{
    model_.SetDoseFormCode(code);
    DrawGrid1->viewport()->update();
}

void TCalender::SetDoseFormat(const QString& format)
{
    model_.SetDoseFormat(format);
}

void TCalender::plButton1Click(QObject*)
{
    model_.PreviousMonth();
    ShowMonth();
    RefreshCalendar();
}

void TCalender::plButton2Click(QObject*)
{
    model_.NextMonth();
    ShowMonth();
    RefreshCalendar();
}

void TCalender::DrawGrid1SelectCell(int ACol, int ARow, bool& CanSelect)
{
    CanSelect = model_.SelectCell(ACol, ARow);
    if (!CanSelect)
        return;
    DrawGrid1->viewport()->update();
    if (OnDaySelected)
        OnDaySelected();
}

void TCalender::DrawGrid1MouseDown(vcl::TMouseButton Button, int, int)
{
    if (Button == vcl::TMouseButton::mbLeft && model_.LastSelectedCellHasDay())
        PopupMenu1->popup(QCursor::pos());
}

void TCalender::DrawGrid1MouseMove(int, int)
{
}

void TCalender::DrawGrid1DrawCell(int ACol, int ARow, const QRect& Rect)
{
    QPainter& canvas = *DrawGrid1->Canvas();
    const int cell = CalendarCellIndex(ACol, ARow);
    canvas.fillRect(Rect, vcl::ToQColor(model_.CellColours()[cell]));
    const QString& day = model_.DayTexts()[cell];
    canvas.setFont(font());
    canvas.setPen(Qt::black);
    const int lineHeight = canvas.fontMetrics().height();
    const QRect text = Rect.adjusted(2, 1, -2, -1);
    canvas.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, day);
    if (day.isEmpty())
        return;
    const QString& dose = model_.DoseTexts()[cell];
    canvas.setPen(vcl::ToQColor(DoseTextColour));
    canvas.drawText(text.adjusted(0, 2 * lineHeight, 0, 0), Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, dose);
    if (!dose.isEmpty()) {
        canvas.drawText(text.adjusted(0, 3 * lineHeight, 0, 0), Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine,
                        model_.DoseUnitText());
        const int image = model_.DoseFormCode() + 1;
        if (image > 0 && image < static_cast<int>(ImageList1.size()))
            canvas.drawPixmap(Rect.right() - IconSize, Rect.top() + 1, ImageList1[static_cast<std::size_t>(image)]);
    }
    if (!model_.SampleTexts()[cell].isEmpty())
        canvas.drawPixmap(Rect.left() + 1, Rect.bottom() - IconSize, ImageList1[0]);
}
