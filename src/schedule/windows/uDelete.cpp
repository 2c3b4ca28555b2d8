#include "uDelete.h"

#include "Fonts.h"
#include "PageWidgets.h"
#include "WindowPlacement.h"
#include "plButton.h"

#include <QFont>
#include <QLabel>
#include <QRadioButton>

TfrmDelete* frmDelete = nullptr;

TfrmDelete::TfrmDelete(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmDelete"));
    setWindowTitle(QStringLiteral("削除範囲指定"));
    setFont(vcl::ProgramFont(9));
    SetClientSize(520, 200);

    Label1 = AddCaption(this, QStringLiteral("削除する期間を選択して下さい。"), 16, 12);
    Label2 = AddCaption(this, QStringLiteral("※投与スケジュールで選択された行のみ削除します。"), 16, 32);
    const auto addRadio = [this](const QString& name, const QString& text, int top) {
        auto* radio = new QRadioButton(text, this);
        radio->setObjectName(name);
        radio->setGeometry(24, top, 480, 22);
        return radio;
    };
    RadioButton1 = addRadio(QStringLiteral("RadioButton1"), QStringLiteral("投与の開始日から投与の終了日まで削除する"), 60);
    RadioButton2 = addRadio(QStringLiteral("RadioButton2"), QStringLiteral("選択している日から投与の終了日まで削除する"), 86);
    RadioButton3 = addRadio(QStringLiteral("RadioButton3"), QStringLiteral("選択している日のみ削除する"), 112);
    RadioButton2->setChecked(true);

    plButton1 = AddButton(this, QStringLiteral("plButton1"), QStringLiteral("確定"), 272, 152, 112, 32);
    plButton1->SetModalResult(vcl::mrOk);
    plButton2 = AddButton(this, QStringLiteral("plButton2"), QStringLiteral("閉じる"), 392, 152, 112, 32);
    plButton2->SetModalResult(vcl::mrCancel);
}

void TfrmDelete::FormActivate()
{
    const std::array<QString, 3> texts = DeleteRangeTexts(Range);
    RadioButton1->setText(texts[0]);
    RadioButton2->setText(texts[1]);
    RadioButton3->setText(texts[2]);
}

void TfrmDelete::showEvent(QShowEvent* event)
{
    vcl::TForm::showEvent(event);
    FormActivate();
    CenterOnScreen(this);
}
