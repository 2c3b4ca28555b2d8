// The help window's pages and buttons, the disclaimer, the HELP window and
// the notices.
#include "DrugHelpText.h"
#include "DrugMaster.h"
#include "GoldenFile.h"
#include "HelpPages.h"
#include "HelpTexts.h"
#include "TestSeams.h"
#include "plButton.h"
#include "uAUCrHelpDlg.h"
#include "uAlbHelpDlg.h"
#include "uCLcrHelpDlg.h"
#include "uHelp.h"
#include "uHelpDlg.h"
#include "NoticeWindow.h"
#include "uLithiumWarn.h"
#include "uLithiumWarn2.h"
#include "uPhenivaWarn.h"
#include "uSplash.h"
#include "uVmaxHelp.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QScreen>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <set>

#ifndef QUORVEL_GOLDEN_DIR
#error "the build defines QUORVEL_GOLDEN_DIR"
#endif

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

QString PageOrNothing(const TDrugKey& choice, DrugHelpTopic topic)
{
    const std::optional<int> page = DrugHelpPageId(choice, topic);
    return page ? QString::number(*page) : QStringLiteral("-");
}

// The help window's pages (id, kind, caption), then what the two drug help
// buttons open for every drug without a product and every product of the
// drug master.
QStringList HelpListing()
{
    const char* kinds[] = {"text", "picture", "scrolling picture"};
    QStringList lines{QStringLiteral("# page\tkind\tcaption")};
    for (const THelpPage& page : HelpPages())
        lines << QStringLiteral("%1\t%2\t%3").arg(page.Id).arg(QLatin1String(kinds[int(page.Kind)]), page.Caption);
    lines << QStringLiteral("# category-drug-product\t? 薬剤情報\t? 母集団情報");
    std::set<std::tuple<int, int, int>> listed;
    for (const TDrugEntry& drug : DrugTable()) {
        std::vector<TDrugKey> keys{{drug.kubun_id, drug.yakuzainame_id, 0}};
        for (const TProductEntry& product : ProductTable())
            if (product.kubun == drug.kubun_id && product.drug == drug.yakuzainame_id
                && listed.insert({product.kubun, product.drug, product.product}).second)
                keys.push_back({product.kubun, product.drug, product.product});
        for (const TDrugKey& key : keys)
            lines << QStringLiteral("%1-%2-%3\t%4\t%5")
                         .arg(key.kubun)
                         .arg(key.yakuzai)
                         .arg(key.yakuhin)
                         .arg(PageOrNothing(key, DrugHelpTopic::Information),
                              PageOrNothing(key, DrugHelpTopic::Population));
    }
    return lines;
}

class Facts : public TDrugHelpFacts {
public:
    QString ConcentrationUnit(const TDrugKey&) const override { return QStringLiteral("μg/mL"); }
    TPopulationFacts PopulationFacts(const TDrugKey& product, int syuttenId) const override
    {
        return {{QStringLiteral("CL 製剤%1 出典%2").arg(product.yakuhin).arg(syuttenId)}, {QStringLiteral("CL 50%")}, {}};
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

// Checked once by hand: ids, captions (which separate ヘルプ with an
// ideographic space) and the products each drug help button opens pages for.
TEST(HelpPages, PagesAndButtonsMatchTheGoldenList)
{
    ExpectMatchesGoldenFile(QStringLiteral(QUORVEL_GOLDEN_DIR "/help_pages.txt"), HelpListing());
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
    EXPECT_TRUE(theophylline.contains(
        QStringLiteral("臨床上の注意事項・参考文献は本版に収録していません。添付文書等をご参照ください。")));

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
    EXPECT_TRUE(help.windowFlags() & Qt::WindowStaysOnTopHint);
    help.ShowHelpPage(21);
    EXPECT_EQ(VisiblePages(help), QStringList{QStringLiteral("RichEdit21")});
    EXPECT_EQ(help.RichEdit21->textCursor().position(), 0);
    EXPECT_EQ(help.size(), QSize(450, 489));   // the page of 446 x 489 at (1, 0)
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
    EXPECT_EQ(help.size(), QSize(450, 489));
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
    EXPECT_EQ(splash->Label3->text(), QStringLiteral("【重要】"));
    const QString text = splash->Memo1->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("１．本ソフトウェアの使用によって発生しうる損害に対し開発者はいかなる保証、"
                                             "責任も負いませんのでご了承ください。本ソフトウェアによって得られる解析結果の"
                                             "最終判断はユーザ様ご自身で行ってください。")));
    EXPECT_TRUE(text.contains(QStringLiteral("２．本ソフトウェアのご利用においては、いかなるトラブルにおきましても一切の責任は"
                                             "負えませんのでご了承ください。")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("以上のことに同意した上で本ソフトウェアをご使用ください。")));
    EXPECT_EQ(splash->plButton1->CaptionA().Caption(), QStringLiteral("同意する"));
    EXPECT_EQ(splash->plButton2->CaptionA().Caption(), QStringLiteral("同意しない"));
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

    // Agreeing only closes the disclaimer; the HELP window follows only a
    // ticked check box, which the user never sees.
    testing_seams::ScriptedModals modals;
    modals.Answer(QStringLiteral("frmHelp"), vcl::mrOk);
    TfrmHelp help;
    frmHelp = &help;
    QTimer::singleShot(0, splash, [&] { splash->plButton1->Click(); });
    EXPECT_EQ(splash->ShowModal(), vcl::mrOk);
    EXPECT_TRUE(modals.shown().isEmpty());
    splash->CheckBox1->setChecked(true);
    QTimer::singleShot(0, splash, [&] { splash->plButton1->Click(); });
    EXPECT_EQ(splash->ShowModal(), vcl::mrOk);
    EXPECT_EQ(modals.shown(), QStringList{QStringLiteral("frmHelp")});
    frmHelp = nullptr;
}

TEST_F(HelpWindows, TheHelpMemoFollowsTheActivePage)
{
    const std::optional<QString> titles[] = {QStringLiteral("患者情報"), QStringLiteral("薬剤情報"),
                                             QStringLiteral("投与/採血スケジュール"), QStringLiteral("解析結果")};
    for (int tab = 0; tab < 4; ++tab)
        EXPECT_EQ(HelpMemoTitle(tab), titles[tab]) << tab;
    EXPECT_FALSE(HelpMemoTitle(-1));
    EXPECT_FALSE(HelpMemoTitle(4));

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

TEST_F(HelpWindows, NoticesKeepTheirCaptionsLayersAndPlaces)
{
    // The main window off the middle of the screen, large enough to hold each notice.
    QWidget main;
    main.setGeometry(0, 0, 640, 480);
    main.show();
    using enum TNoticeWindow::Placement;
    struct Case {
        std::unique_ptr<vcl::TForm> window;
        QString caption;
        bool onTop;
        TNoticeWindow::Placement placement;
    };
    Case cases[] = {
        {std::make_unique<TfrmLithiumWarn>(&main), QStringLiteral("リチウム解析の際の注意事項"), true, OverMainWindow},
        {std::make_unique<TfrmLithiumWarn2>(&main), QStringLiteral("リチウムの血中濃度測定遵守について"), true,
         OverMainWindow},
        {std::make_unique<TfrmPhenivaWarn>(&main), QStringLiteral("ホスフェニトイン静注体重別投与量換算表"), true,
         OverMainWindow},
        {std::make_unique<TfrmCLcrHelpDlg>(&main), QStringLiteral("解説"), true, ScreenCentre},
        {std::make_unique<TfrmAUCrHelpDlg>(&main), QStringLiteral("解説"), true, ScreenCentre},
        {std::make_unique<TfrmAlbHelpDlg>(&main), QStringLiteral("解説"), true, ScreenCentre},
        {std::make_unique<TfrmVmaxHelp>(&main), QStringLiteral("Vmaxヘルプ"), false, ScreenCentre},
    };
    for (Case& c : cases) {
        EXPECT_EQ(c.window->windowTitle(), c.caption);
        EXPECT_EQ(bool(c.window->windowFlags() & Qt::WindowStaysOnTopHint), c.onTop) << c.caption.toStdString();
        EXPECT_TRUE(c.window->findChildren<TplButton*>().isEmpty());   // closed by the close box alone
        c.window->show();
        const QPoint centre = c.placement == OverMainWindow ? main.geometry().center()
                                                             : main.screen()->availableGeometry().center();
        EXPECT_LE((c.window->geometry().center() - centre).manhattanLength(), 4)
            << c.window->objectName().toStdString();
        c.window->hide();
    }
}
