#include "uCSVDisp.h"

#include "Fonts.h"
#include "PageWidgets.h"
#include "ResultDialogRules.h"
#include "Ucommon.h"
#include "plButton.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>

TfrmCSVDisp* frmCSVDisp = nullptr;

namespace {

// The listing's columns are counted in characters ("yyyy/mm/dd hh:nn:00,"
// and three numbers of 12): it is shown in the fixed-pitch cut of the
// program's font, and the headings stand over the columns.
const QString ListingFontFamily = QStringLiteral("IPAGothic");
constexpr int ColumnChars[] = {20, 13, 13, 15};
constexpr int MemoLeft = 12;
constexpr int HeadingTop = 12;

QLabel* AddHeading(QWidget* parent, const QString& name, const QString& text, int left, int width)
{
    auto* panel = new QLabel(text, parent);
    panel->setObjectName(name);
    panel->setGeometry(left, HeadingTop, width, 24);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

} // namespace

TfrmCSVDisp::TfrmCSVDisp(QWidget* parent) : TFillOnShowForm(parent)
{
    setObjectName(QStringLiteral("frmCSVDisp"));
    setWindowTitle(QStringLiteral("血中/末梢濃度"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setFont(vcl::ProgramFont(9));
    SetClientSize(440, 520);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFont(QFont(ListingFontFamily, 9));
    Memo1->setGeometry(MemoLeft, HeadingTop + 24, 416, 430);

    const int charWidth = QFontMetrics(Memo1->font()).horizontalAdvance(QLatin1Char('0'));
    const int textLeft = MemoLeft + Memo1->frameWidth() + static_cast<int>(Memo1->document()->documentMargin());
    QLabel** panels[] = {&Panel1, &Panel2, &Panel3, &Panel4};
    const QString names[] = {QStringLiteral("Panel1"), QStringLiteral("Panel2"), QStringLiteral("Panel3"),
                             QStringLiteral("Panel4")};
    const QString texts[] = {QStringLiteral("時刻"), QString(), QString(), QStringLiteral("血中-末梢(差)")};
    int left = MemoLeft;
    int chars = 0;
    for (int i = 0; i < 4; ++i) {
        chars += ColumnChars[i];
        const int right = textLeft + chars * charWidth;
        *panels[i] = AddHeading(this, names[i], texts[i], left, right - left);
        left = right;
    }
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    plButton2 = AddButton(this, QStringLiteral("plButton2"), QStringLiteral("閉じる"), 328, 478, 100, 30);
    plButton2->SetModalResult(vcl::mrCancel);
}

void TfrmCSVDisp::SetLines(const QStringList& lines)
{
    lines_ = lines;
}

void TfrmCSVDisp::FormShow()
{
    const TCompartmentHeadings headings = CompartmentHeadingsFor(DrugKeyOf(CurrentAnalysis));
    Panel2->setText(QString::fromUtf16(headings.Central));
    Panel3->setText(QString::fromUtf16(headings.Peripheral));
    Memo1->setPlainText(lines_.join(QLatin1Char('\n')));
}
