#pragma once
// TfrmCommentSet ("印刷設定"): the printer the report goes to and the comment
// printed under its first block. Created once at start-up and shown modally
// by the print command; it keeps its comment and the printer it preselects
// between two prints.
#include "Forms.h"
#include "PrinterList.h"

#include <optional>
#include <vector>

class QComboBox;
class QPlainTextEdit;
class QShowEvent;
class TplButton;

// Whether SelectPrinter replaces a printer the dialog already preselects.
enum class TPrinterPreselection { Replace, KeepIfSet };

class TfrmCommentSet : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmCommentSet(QWidget* parent = nullptr);

    // Fills the printer list and preselects the stored printer, else the first.
    void FormShow();
    // "確定": refused, with the dialog left open, while no printer is chosen.
    void plButton1Click(QObject* Sender);

    // The chosen printer, or nothing.
    std::optional<TPrinterEntry> SelectedPrinter() const;
    // The printer-list position the dialog preselects when it shows; -1 none.
    int StoredPrinterIndex() const { return storedPrinterIndex_; }

    QComboBox* ComboBox10;       // the printers
    QPlainTextEdit* Memo1;       // the comment, at most 800 bytes in CP932
    TplButton* plButton1;        // "確定"
    TplButton* plButton2;        // "閉じる"

protected:
    void showEvent(QShowEvent* event) override;

private:
    friend void SelectPrinter(TfrmCommentSet& form, int index, TPrinterPreselection preselection);
    void Memo1Change();

    int storedPrinterIndex_ = -1;
    std::vector<TPrinterEntry> printers_;
    QString acceptedComment_;
    bool fittingComment_ = false;
};

// Sets the printer the dialog preselects: a position of the printer list, or
// -1 for the platform's current printer. With KeepIfSet a printer already
// stored stays. The platform's own choice is never changed.
void SelectPrinter(TfrmCommentSet& form, int index, TPrinterPreselection preselection);

extern TfrmCommentSet* frmCommentSet;
