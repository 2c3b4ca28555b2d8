#include "uCollectPoint.h"

#include "Fonts.h"
#include "PageWidgets.h"
#include "ResultDialogParts.h"
#include "ResultDialogRules.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "plButton.h"

#include <algorithm>

TfrmCollectPoint* frmCollectPoint = nullptr;

namespace {

constexpr int DataRows = 8;

} // namespace

TfrmCollectPoint::TfrmCollectPoint(QWidget* parent) : TFillOnShowForm(parent)
{
    setObjectName(QStringLiteral("frmCollectPoint"));
    setWindowTitle(QStringLiteral("採血点確認"));
    setFont(vcl::ProgramFont(9));

    StringGridEx1 = AddTextTable(this, QStringLiteral("StringGridEx1"), 16, 16, {100, 100, 100}, DataRows + 1,
                                 THeadingRow::First, THeadingColumn::None);
    StringGridEx1->SetOptions(StringGridEx1->Options() | goRowSelect);
    StringGridEx1->SetScrollBars(ssVertical);
    StringGridEx1->resize(StringGridEx1->sizeHint());
    StringGridEx1->SetCells(0, 0, QStringLiteral("採血日"));
    StringGridEx1->SetCells(1, 0, QStringLiteral("採血時刻"));
    StringGridEx1->SetCells(2, 0, QStringLiteral("血中濃度値"));

    const int width = StringGridEx1->width() + 32;
    const int buttonTop = StringGridEx1->geometry().bottom() + 12;
    plButton8 = AddButton(this, QStringLiteral("plButton8"), QStringLiteral("閉じる"), width - 16 - 100, buttonTop,
                          100, 30);
    plButton8->SetModalResult(vcl::mrCancel);
    SetClientSize(width, buttonTop + 30 + 12);
}

void TfrmCollectPoint::FormShow()
{
    for (int row = 1; row <= DataRows; ++row) {
        for (int col = 0; col < StringGridEx1->ColCount(); ++col)
            StringGridEx1->SetCells(col, row, QString());
    }
    const std::vector<TSamplingRecord>& samplings = ScheduleSets.Samplings;
    const int shown = std::min(static_cast<int>(samplings.size()), DataRows);
    for (int i = 0; i < shown; ++i) {
        const std::array<QString, 3> texts = SamplingRowTexts(samplings[i]);
        for (int col = 0; col < 3; ++col)
            StringGridEx1->SetCells(col, i + 1, texts[col]);
    }
}
