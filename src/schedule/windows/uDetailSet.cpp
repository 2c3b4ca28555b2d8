#include "uDetailSet.h"

#include "Fonts.h"
#include "PageWidgets.h"
#include "Ucommon.h"
#include "plButton.h"

#include <QGroupBox>
#include <QRadioButton>

TfrmDetailSet* frmDetailSet = nullptr;

TfrmDetailSet::TfrmDetailSet(QWidget* parent) : TFillOnShowForm(parent)
{
    setObjectName(QStringLiteral("frmDetailSet"));
    setWindowTitle(QStringLiteral("解析設定"));
    setFont(vcl::ProgramFont(9));
    SetClientSize(260, 150);

    RadioGroup1 = new QGroupBox(QStringLiteral("分布モデル"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(16, 12, 228, 80);
    const QString texts[] = {QStringLiteral("正規分布モデル"), QStringLiteral("対数分布モデル")};
    for (int i = 0; i < 2; ++i) {
        items_[i] = new QRadioButton(texts[i], RadioGroup1);
        items_[i]->setGeometry(16, 22 + i * 26, 196, 22);
    }

    plButton1 = AddButton(this, QStringLiteral("plButton1"), QStringLiteral("確定"), 36, 106, 100, 30);
    plButton1->SetModalResult(vcl::mrOk);
    plButton1->OnClick = [this](QObject* Sender) { plButton1Click(Sender); };
    plButton2 = AddButton(this, QStringLiteral("plButton2"), QStringLiteral("閉じる"), 144, 106, 100, 30);
    plButton2->SetModalResult(vcl::mrCancel);
}

int TfrmDetailSet::ItemIndex() const
{
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        if (items_[i]->isChecked())
            return i;
    }
    return -1;
}

void TfrmDetailSet::SetItemIndex(int index)
{
    // "Neither chosen" is a state of its own: an exclusive radio cannot be
    // unchecked while it is exclusive.
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        items_[i]->setAutoExclusive(false);
        items_[i]->setChecked(i == index);
        items_[i]->setAutoExclusive(true);
    }
}

void TfrmDetailSet::FormShow()
{
    // A stored value that names neither model checks neither.
    SetItemIndex(CurrentAnalysis.weight_value);
}

void TfrmDetailSet::plButton1Click(QObject*)
{
    // With neither chosen the analysis keeps its model.
    if (const int index = ItemIndex(); index >= 0)
        CurrentAnalysis.weight_value = index;
}
