// The help window's pages and buttons, the disclaimer, the HELP window and
// the notices.
#include "DrugHelpText.h"
#include "HelpPages.h"
#include "HelpTexts.h"
#include "TestSeams.h"
#include "plButton.h"
#include "uAUCrHelpDlg.h"
#include "uAlbHelpDlg.h"
#include "uCLcrHelpDlg.h"
#include "uHelp.h"
#include "uHelpDlg.h"
#include "uLithiumWarn.h"
#include "uLithiumWarn2.h"
#include "uPhenivaWarn.h"
#include "uSplash.h"
#include "uVmaxHelp.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

// The page components of the help window that are visible.
QStringList VisiblePages(const TfrmHelpDlg& help)
{
    QStringList visible;
    for (QWidget* page : help.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (page->isVisibleTo(&help))
            visible << page->objectName();
    return visible;
}

// A window standing in for the main window, whose close can be refused.
class Owner : public QWidget {
public:
    bool allowClose = false;
    int closeAsked = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closeAsked;
        event->setAccepted(allowClose);
    }
};

class Facts : public TDrugHelpFacts {
public:
    QString ConcentrationUnit(const TDrugKey&) const override { return QStringLiteral("μg/mL"); }
    QStringList PopulationLines(const TDrugKey& product, int syuttenId) const override
    {
        return {QStringLiteral("CL 製剤%1 出典%2").arg(product.yakuhin).arg(syuttenId)};
    }
};

} // namespace

TEST(HelpPages, DrugButtonsOpenPagesForTheListedProductsOnly)
{
    struct Case {
        TDrugKey choice;
        std::optional<int> information;
    };
    const Case cases[] = {
        {{1, 1, 4}, 21101}, {{1, 1, 5}, std::nullopt},  // digoxin: four products
        {{2, 1, 2}, 22101}, {{2, 1, 3}, std::nullopt}, {{2, 1, 4}, std::nullopt},  // theophylline 3 and 4
        {{2, 2, 1}, 22101},                             // aminophylline reads theophylline's pages
        {{3, 3, 1}, std::nullopt},                      // primidone has none
        {{3, 5, 0}, 23501}, {{3, 5, 4}, 23501},         // valproic acid, with or without a product
        {{3, 2, 6}, 23201}, {{3, 7, 1}, 23701}, {{3, 8, 2}, std::nullopt},
        {{5, 1, 1, 2}, 25101}, {{9, 1, 1}, 29101}, {{9, 1, 0}, std::nullopt},
        {{0, 0, 0}, std::nullopt},                      // nothing chosen
    };
    for (const Case& c : cases) {
        const auto information = DrugHelpPageId(c.choice, DrugHelpTopic::Information);
        const auto population = DrugHelpPageId(c.choice, DrugHelpTopic::Population);
        EXPECT_EQ(information, c.information) << c.choice.kubun << c.choice.yakuzai << c.choice.yakuhin;
        EXPECT_EQ(population, c.information ? std::optional<int>(*c.information + 1) : std::nullopt);
    }
    // Every page a button opens is a page of the window.
    for (const auto& rule : DrugHelpRules())
        for (int id : {rule.Result.Information, rule.Result.Population})
            EXPECT_TRUE(FindHelpPage(id)) << id;
}

TEST(HelpPages, CaptionsKeepTheirSpacesAndNameTheProducts)
{
    EXPECT_EQ(HelpPages().size(), 37u);
    EXPECT_EQ(FindHelpPage(23601)->Caption, QStringLiteral("ゾニザミド薬剤情報　ヘルプ"));   // ideographic space
    EXPECT_EQ(FindHelpPage(23602)->Caption, QStringLiteral("ゾニザミド母集団情報 ヘルプ"));
    EXPECT_EQ(FindHelpPage(25201)->Caption, QStringLiteral("テイコプラニン注射用薬剤情報　ヘルプ"));
    EXPECT_EQ(FindHelpPage(24102)->Caption, QStringLiteral("アルベカシン硫酸塩注射液母集団情報 ヘルプ"));
    EXPECT_EQ(FindHelpPage(25101)->Kind, HelpPageKind::ScrollingPicture);
    EXPECT_FALSE(FindHelpPage(22201));
}

TEST(HelpPages, DrugPagesComeFromTheProgramsOwnData)
{
    const Facts facts;
    const QString theophylline = DrugHelpText(22101, facts);
    EXPECT_TRUE(theophylline.contains(QStringLiteral("●テオフィリン●")));
    EXPECT_TRUE(theophylline.contains(QStringLiteral("アミノフィリン注射液")));
    EXPECT_FALSE(theophylline.contains(QStringLiteral("テオフィリン徐放錠")));   // opens no page
    EXPECT_TRUE(theophylline.contains(QStringLiteral("5 ～ 10 μg/mL")));
    EXPECT_TRUE(theophylline.contains(NoClinicalNotesSentence()));

    // Vancomycin's population page has a block per model.
    const QString vancomycin = DrugHelpText(25102, facts);
    EXPECT_TRUE(vancomycin.contains(QStringLiteral("＊Vancomycin-A＊")));
    EXPECT_TRUE(vancomycin.contains(QStringLiteral("＊Vancomycin-B＊")));
    EXPECT_TRUE(vancomycin.contains(QStringLiteral("CL 製剤1 出典1")));
    EXPECT_TRUE(DrugHelpText(25102, TDrugHelpFacts()).contains(QStringLiteral("パラメータ表に表示されます")));
    EXPECT_TRUE(DrugHelpText(21, facts).isEmpty());
}

class HelpWindows : public ::testing::Test {
protected:
    testing_seams::ScriptedMessageBoxes boxes;
};

TEST_F(HelpWindows, EachPageShowsAloneAndThePictureSizesTheWindow)
{
    TfrmHelpDlg help;
    help.SetPictureSource(31, [] {
        QPixmap picture(300, 200);
        picture.fill(Qt::gray);
        return picture;
    });
    EXPECT_EQ(help.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 38);

    for (const THelpPage& page : HelpPages()) {
        help.ShowHelpPage(page.Id);
        EXPECT_EQ(VisiblePages(help).size(), 1) << page.Id;
        EXPECT_EQ(help.windowTitle(), page.Caption);
    }
    help.ShowHelpPage(21);
    EXPECT_EQ(VisiblePages(help), QStringList{QStringLiteral("RichEdit21")});
    EXPECT_EQ(help.RichEdit21->textCursor().position(), 0);
    help.ShowHelpPage(31);
    EXPECT_EQ(VisiblePages(help), QStringList{QStringLiteral("Image31")});
    EXPECT_EQ(help.size(), QSize(300, 200));
    EXPECT_TRUE(help.isVisible());
    EXPECT_FALSE(help.isModal());

    // An unknown page: nothing shows, caption and size stay.
    help.ShowHelpPage(99);
    EXPECT_TRUE(VisiblePages(help).isEmpty());
    EXPECT_EQ(help.windowTitle(), QStringLiteral("投与/採血スケジュール画面 ヘルプ"));
    EXPECT_EQ(help.size(), QSize(300, 200));

    // The vancomycin page scrolls and starts at the top.
    help.ShowHelpPage(25101);
    help.ScrollBox25101->verticalScrollBar()->setValue(200);
    help.ShowHelpPage(25101);
    EXPECT_EQ(help.ScrollBox25101->verticalScrollBar()->value(), 0);
    EXPECT_GT(help.Image1->height(), 0);
    EXPECT_FALSE(help.RichEdit(25101)->isVisible());
}

TEST_F(HelpWindows, TheDisclaimerOnlyYieldsToItsButtons)
{
    Owner owner;
    owner.show();
    auto* splash = new TfrmSplash(&owner);
    EXPECT_FALSE(splash->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(splash->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(splash->Memo1->toPlainText().endsWith(QStringLiteral("以上のことに同意した上で本ソフトウェアをご使用ください。")));
    EXPECT_FALSE(splash->CheckBox1->isVisibleTo(splash));

    int result = -1;
    QTimer::singleShot(0, splash, [&] {
        QTest::keyClick(splash, Qt::Key_Escape);
        splash->close();
        EXPECT_TRUE(splash->isVisible()) << "Escape or a close request let the user past";
        // Disagreeing closes the owner, which may refuse: the disclaimer stays.
        splash->plButton2->Click();
        EXPECT_EQ(owner.closeAsked, 1);
        EXPECT_TRUE(splash->isVisible());
        owner.allowClose = true;
        splash->plButton2->Click();
    });
    result = splash->ShowModal();
    EXPECT_EQ(result, vcl::mrCancel);
    EXPECT_FALSE(owner.isVisible());

    QTimer::singleShot(0, splash, [&] { splash->plButton1->Click(); });
    EXPECT_EQ(splash->ShowModal(), vcl::mrOk);
}

TEST_F(HelpWindows, TheHelpMemoFollowsTheActivePage)
{
    int page = 2;
    TfrmHelp help;
    help.SetActivePageSource([&] { return page; });
    EXPECT_EQ(help.Memo1->toPlainText(), QStringLiteral("操作方法を表示します。"));
    help.show();
    EXPECT_EQ(help.Memo1->toPlainText(), QStringLiteral("投与/採血スケジュール"));
    help.hide();
    page = 7;
    help.show();
    EXPECT_EQ(help.Memo1->toPlainText(), QStringLiteral("投与/採血スケジュール"));
}

TEST_F(HelpWindows, NoticesKeepTheirCaptionsAndLayers)
{
    QWidget main;
    struct Case {
        std::unique_ptr<vcl::TForm> window;
        QString caption;
        bool onTop;
    };
    Case cases[] = {
        {std::make_unique<TfrmLithiumWarn>(&main), QStringLiteral("リチウム解析の際の注意事項"), true},
        {std::make_unique<TfrmLithiumWarn2>(&main), QStringLiteral("リチウムの血中濃度測定遵守について"), true},
        {std::make_unique<TfrmPhenivaWarn>(&main), QStringLiteral("ホスフェニトイン静注体重別投与量換算表"), true},
        {std::make_unique<TfrmCLcrHelpDlg>(&main), QStringLiteral("解説"), true},
        {std::make_unique<TfrmAUCrHelpDlg>(&main), QStringLiteral("解説"), true},
        {std::make_unique<TfrmAlbHelpDlg>(&main), QStringLiteral("解説"), true},
        {std::make_unique<TfrmVmaxHelp>(&main), QStringLiteral("Vmaxヘルプ"), false},
    };
    for (Case& c : cases) {
        EXPECT_EQ(c.window->windowTitle(), c.caption);
        EXPECT_EQ(bool(c.window->windowFlags() & Qt::WindowStaysOnTopHint), c.onTop) << c.caption.toStdString();
        EXPECT_TRUE(c.window->findChildren<TplButton*>().isEmpty());   // closed by the close box alone
    }
}
