#pragma once
// TfrmHelpDlg ("ヘルプ"): every help page of the program, one shown at a time
// by its id (see HelpPages.h). A fixed window that stays on top and is shown
// without blocking, so the user goes on working while reading; its size
// follows the page shown. Created once at start-up.
#include "DrugHelpText.h"
#include "Forms.h"
#include "HelpPages.h"

#include <QPixmap>
#include <functional>
#include <map>
#include <memory>

class QLabel;
class QScrollArea;
class QTextEdit;

class TfrmHelpDlg : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmHelpDlg(QWidget* parent = nullptr);
    ~TfrmHelpDlg() override;

    // Shows the page of the id and brings the window forward; an unknown id
    // hides every page and keeps the window's caption and size.
    void ShowHelpPage(int PageId);

    // The pictures of pages 31 and 32: a picture of the screen they explain,
    // taken each time the page shows.
    using TPictureSource = std::function<QPixmap()>;
    void SetPictureSource(int pageId, TPictureSource source);
    // What the drug pages show beyond the drug master; the drug pages are
    // built again from it.
    void SetDrugFacts(std::unique_ptr<TDrugHelpFacts> facts);

    // The text page of an id (RichEdit11, RichEdit21101 ...); nullptr for
    // none. RichEdit25101 exists but is never shown: page 25101 is the
    // scrolling picture.
    QTextEdit* RichEdit(int pageId) const;

    QTextEdit* RichEdit11;
    QTextEdit* RichEdit12;
    QTextEdit* RichEdit21;
    QLabel* Image31;
    QLabel* Image32;
    QScrollArea* ScrollBox25101;
    QLabel* Image1;              // the picture inside ScrollBox25101

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildDrugPages();
    void HideAllPages();
    void ShowTextPage(QTextEdit* page);
    void ShowScrollingPicture();
    void ShowPicture(int pageId, QLabel* picture);

    std::map<int, QTextEdit*> textPages_;
    std::map<int, TPictureSource> pictureSources_;
    std::unique_ptr<TDrugHelpFacts> facts_;
    bool placed_ = false;
};

extern TfrmHelpDlg* frmHelpDlg;

// The drug help buttons: the page of the chosen category, drug and product
// (positions + 1, 0 where nothing is chosen) for the topic; a choice without
// pages opens nothing.
void ShowDrugHelpPage(TfrmHelpDlg& help, const TDrugKey& choice, DrugHelpTopic topic);
