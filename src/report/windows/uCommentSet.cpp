#include "uCommentSet.h"

#include "CommentText.h"
#include "Events.h"
#include "Fonts.h"
#include "MessageBox.h"
#include "PageWidgets.h"
#include "Udifine.h"
#include "plButton.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTextCursor>

TfrmCommentSet* frmCommentSet = nullptr;

TfrmCommentSet::TfrmCommentSet(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmCommentSet"));
    setWindowTitle(QStringLiteral("印刷設定"));
    setFont(vcl::ProgramFont());
    SetColor(MainWindowColor);

    AddCaption(this, QStringLiteral("プリンターを選択して下さい。"), 16, 12)->setObjectName(QStringLiteral("Label1"));
    ComboBox10 = new QComboBox(this);
    ComboBox10->setObjectName(QStringLiteral("ComboBox10"));
    ComboBox10->setEditable(false);
    ComboBox10->setGeometry(16, 32, 420, 24);

    AddCaption(this, QStringLiteral("コメントを入力して下さい。"), 16, 68)->setObjectName(QStringLiteral("Label30"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(16, 88, 855, 128);
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] { vcl::RunEventHandler([this] { Memo1Change(); }); });

    plButton1 = AddButton(this, QStringLiteral("plButton1"), QStringLiteral("確定"), 639, 226, 112, 32);
    plButton1->SetModalResult(vcl::mrOk);
    plButton1->OnClick = [this](QObject* Sender) { plButton1Click(Sender); };
    plButton2 = AddButton(this, QStringLiteral("plButton2"), QStringLiteral("閉じる"), 759, 226, 112, 32);
    plButton2->SetModalResult(vcl::mrCancel);

    SetClientSize(887, 270);
}

void TfrmCommentSet::showEvent(QShowEvent* event)
{
    vcl::TForm::showEvent(event);
    vcl::RunEventHandler([this] { FormShow(); });
}

void TfrmCommentSet::FormShow()
{
    printers_ = PrinterList();
    const QSignalBlocker blocker(ComboBox10);
    ComboBox10->clear();
    for (const TPrinterEntry& printer : printers_)
        ComboBox10->addItem(printer.Name);
    ComboBox10->setCurrentIndex(-1);
    if (StoredPrinterIndex() >= 0 && StoredPrinterIndex() < ComboBox10->count())
        ComboBox10->setCurrentIndex(StoredPrinterIndex());
    else if (ComboBox10->count() > 0)
        ComboBox10->setCurrentIndex(0);
}

void TfrmCommentSet::plButton1Click(QObject*)
{
    if (ComboBox10->currentIndex() < 0) {
        vcl::ShowError(QStringLiteral("プリンターが選択されていません。"), QStringLiteral("エラー"));
        SetModalResult(vcl::mrNone);
    }
}

std::optional<TPrinterEntry> TfrmCommentSet::SelectedPrinter() const
{
    const int index = ComboBox10->currentIndex();
    if (index < 0 || index >= static_cast<int>(printers_.size()))
        return std::nullopt;
    return printers_[static_cast<std::size_t>(index)];
}

// Keeps the comment within the record's field: what a keystroke, a paste or
// the input method adds is cut to the bytes still free, and characters CP932
// cannot hold are refused.
void TfrmCommentSet::Memo1Change()
{
    if (fittingComment_)
        return;
    const QString text = Memo1->toPlainText();
    const TFittedEdit fitted = FitCommentEdit(acceptedComment_, text);
    acceptedComment_ = fitted.Text;
    if (fitted.Text == text)
        return;
    fittingComment_ = true;
    Memo1->setPlainText(fitted.Text);
    QTextCursor cursor = Memo1->textCursor();
    cursor.setPosition(fitted.Cursor);
    Memo1->setTextCursor(cursor);
    fittingComment_ = false;
    if (fitted.Refused)
        QApplication::beep();
}

void SelectPrinter(TfrmCommentSet& form, int index, TPrinterPreselection preselection)
{
    if (preselection == TPrinterPreselection::KeepIfSet && form.StoredPrinterIndex() >= 0)
        return;
    if (index == -1) {
        const QString current = CurrentPrinterName();
        const std::vector<TPrinterEntry> printers = PrinterList();
        for (std::size_t position = 0; position < printers.size(); ++position) {
            if (printers[position].Kind == TPrinterKind::System && printers[position].Name == current) {
                index = static_cast<int>(position);
                break;
            }
        }
    }
    form.storedPrinterIndex_ = index;
}
