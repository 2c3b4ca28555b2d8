// The report's graph on the printed page, for a vancomycin and a
// methotrexate case drawn as the result page draws them: lines and texts,
// no picture, every label of the axes layer read back from the PDF as text
// where the result page puts it, and the first page at 100 dpi against a
// reference image.
#include "GraphTestCase.h"
#include "ReportGraph.h"
#include "ReportLayout.h"
#include "ReportTestData.h"
#include "TestSeams.h"
#include "uRep.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

QString RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool HaveTools()
{
    for (const char* tool : {"pdftotext", "pdfimages", "pdftoppm"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            return false;
    return true;
}

// The report of a graph case, set 0 printed.
TReportInput GraphCaseInput(graph_test::GraphCase& c, const TConcentrationGraph& graph)
{
    TReportInput input = report_test::CaseInput(DrugKeyOf(c.analysis));
    input.Analysis.bosyudan = c.analysis.bosyudan;
    input.Analysis.kaiseki = c.analysis.kaiseki;
    input.Prescriptions = c.sets.PrescriptionLists;
    input.Samplings = c.sets.Samplings;
    input.LastSetIndex = LastScheduleSetIndex(c.sets);
    input.Display.SetTicked = {true, false, false, false};
    input.GraphLayers = GraphLayerPicturesOf(graph);
    return input;
}

struct TWord {
    QString Text;
    QRectF Box;   // points from the page's top-left corner
};

// The words of the first page, with their boxes.
std::vector<TWord> FirstPageWords(const QString& pdf)
{
    const QString html = RunTool("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<TWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.push_back({m.captured(5), QRectF(topLeft, bottomRight)});
    }
    return words;
}

// Where a point of the graph's design surface lands on the first page, in
// points: the top margin, the bands above the first block, the picture's
// place in it, and the design scaled into the picture.
QPointF OnPage(QPoint design)
{
    const TReportBand title = TitleBand1(), detail = DetailBand1(), summary = QRBand1();
    const int blockTop = LayoutReport({title.Height, detail.Height, summary.Height}, PageHeaderBand1().Height,
                                      PageFooterBand1().Height)[0].Bands[1].Top;
    const QRect picture = detail.Find(QStringLiteral("QRImage1"))->Rect.translated(0, blockTop);
    const double scale = static_cast<double>(picture.width()) / GraphDesignWidth;
    constexpr double pointsPerPixel = 72.0 / 96.0;
    const double margin = 10 * 72 / 25.4;
    return {margin + (picture.left() + design.x() * scale) * pointsPerPixel,
            margin + (picture.top() + design.y() * scale) * pointsPerPixel};
}

// The first page at 100 dpi against the reference image in the test data;
// QUORVEL_WRITE_GRAPH_REFERENCES set writes it instead (check it by eye then).
void ExpectPageMatchesReference(const QString& pdf, const QString& name)
{
    const QString stem = pdf + QStringLiteral("-page");
    RunTool("pdftoppm", {"-r", "100", "-f", "1", "-l", "1", "-singlefile", "-png", pdf, stem});
    const QImage page = QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(page.isNull());
    const QString path = QStringLiteral(QUORVEL_REPORT_TEST_DATA "/%1.png").arg(name);
    if (qEnvironmentVariableIsSet("QUORVEL_WRITE_GRAPH_REFERENCES")) {
        ASSERT_TRUE(page.save(path));
        return;
    }
    const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(reference.size(), page.size()) << path.toStdString();
    int differing = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QRgb a = page.pixel(x, y), b = reference.pixel(x, y);
            differing += std::abs(qRed(a) - qRed(b)) > 64 || std::abs(qGreen(a) - qGreen(b)) > 64
                || std::abs(qBlue(a) - qBlue(b)) > 64;
        }
    }
    // Some slack for another rasterizer's rounding.
    EXPECT_LE(differing, 400) << name.toStdString();
}

} // namespace

TEST(ReportPdf, TheGraphPrintsAsLinesAndTheResultPagesTexts)
{
    if (!HaveTools())
        GTEST_SKIP() << "poppler-utils are not installed";
    testing_seams::TempBaseDir dir;
    struct Case {
        const char* name;
        TDrugKey drug;
        void (*fill)(graph_test::GraphCase&);
    };
    const Case cases[] = {{"report-vancomycin", {5, 1, 1, 2}, graph_test::FillVancomycin},
                          {"report-methotrexate", {9, 1, 1, 0}, graph_test::FillMethotrexate}};
    for (const Case& c : cases) {
        graph_test::GraphCase graphCase(c.drug.kubun, c.drug.yakuzai, c.drug.yakuhin, c.drug.algo);
        c.fill(graphCase);
        TConcentrationGraph graph;
        graph_test::DrawCase(graphCase, graph);
        const QString pdf = dir.FilePath(QLatin1String(c.name) + QStringLiteral(".pdf"));
        QString error;
        ASSERT_TRUE(TQuickReport1().PrintToPdf(GraphCaseInput(graphCase, graph), pdf, &error)) << error.toStdString();

        // Only the header line and its rule: no picture.
        EXPECT_EQ(RunTool("pdfimages", {"-list", pdf}).trimmed().split(QLatin1Char('\n')).size(), 2) << c.name;

        const std::vector<TWord> words = FirstPageWords(pdf);
        int labels = 0;
        for (const TGraphItem& item : graph.Picture(GraphLayer::ImageWaveBase).Items) {
            const auto* text = std::get_if<TGraphText>(&item);
            if (!text)
                continue;
            ++labels;
            const QStringList parts = text->Text.split(QLatin1Char(' '));
            const bool found = std::any_of(words.begin(), words.end(), [&](const TWord& word) {
                if (word.Text != parts.front())
                    return false;
                if (text->RotationDegrees != 0)
                    return true;
                const QPointF at = OnPage(text->At);
                return std::abs(word.Box.left() - at.x()) < 1.5 && std::abs(word.Box.top() - at.y()) < 2.5;
            });
            EXPECT_TRUE(found) << c.name << " " << text->Text.toStdString() << " at " << text->At.x() << ","
                               << text->At.y();
        }
        EXPECT_GT(labels, 12) << c.name;
        if (c.drug.kubun == 5)
            ExpectPageMatchesReference(pdf, QLatin1String(c.name));
    }
}
