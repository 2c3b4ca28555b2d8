#include "uProgress.h"

#include "Fonts.h"
#include "WindowPlacement.h"

#include <QFont>
#include <QLabel>
#include <QProgressBar>

TfrmProgress* frmProgress = nullptr;

TfrmProgress::TfrmProgress(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    SetColor(vcl::TColor(0xFCE0C5));
    QFont font = vcl::ProgramFont();
    font.setPixelSize(16);
    font.setBold(true);
    setFont(font);
    SetClientSize(320, 88);

    Label1 = new QLabel(QStringLiteral("グラフ更新中・・・"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 12, 288, 24);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, ProgressSteps);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(16, 48, 288, 24);
}

bool TfrmProgress::event(QEvent* event)
{
    if (event->type() == DoneMessage) {
        UpdateDone();
        return true;
    }
    return vcl::TForm::event(event);
}

void TfrmProgress::UpdateDone()
{
    // The check box is on the main window; a window without it just hides.
    if (QWidget* owner = parentWidget()) {
        if (auto* target = owner->window()->findChild<QWidget*>(QStringLiteral("CheckBox1")))
            target->setFocus();
    }
    hide();
}

void TfrmProgress::showEvent(QShowEvent* event)
{
    vcl::TForm::showEvent(event);
    CenterOnScreen(this);
}
