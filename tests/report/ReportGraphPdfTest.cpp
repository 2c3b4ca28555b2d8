// The report's graph on the printed page, drawn as the result page draws it
// for a vancomycin and a methotrexate case: no picture in the PDF, every
// label of the axes layer read back as text where the result page puts it,
// and the vancomycin page at 100 dpi against a reference image.
#include "GraphTestCase.h"
#include "ReportGraph.h"
#include "ReportLayout.h"
#include "ReportTestData.h"
#include "TestSeams.h"
#include "uRep.h"

#include <QImage>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

using report_test::RunTool;

namespace {

// The words of the first page with their top-left corners, in points.
std::vector<std::pair<QString, QPointF>> FirstPageWords(const QString& pdf)
{
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    std::vector<std::pair<QString, QPointF>> words;
    for (auto it = word.globalMatch(RunTool("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"})); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.emplace_back(m.captured(3), QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()));
    }
    return words;
}

// A point of the graph's design surface on the first page, in points: the
// margin, the bands above the first block, the picture in it, the scale.
QPointF OnPage(QPoint design)
{
    const TReportBand detail = DetailBand1();
    const int blockTop = LayoutReport({TitleBand1().Height, detail.Height, QRBand1().Height},
                                      PageHeaderBand1().Height, PageFooterBand1().Height)[0].Bands[1].Top;
    const QRect picture = detail.Find(QStringLiteral("QRImage1"))->Rect.translated(0, blockTop);
    const double scale = static_cast<double>(picture.width()) / GraphDesignWidth;
    const QPointF pixels = QPointF(picture.topLeft()) + QPointF(design) * scale;
    return QPointF(10, 10) * (72 / 25.4) + pixels * (72.0 / 96);
}

// Pixels differing by more than a quarter of a channel's range from the
// reference in the test data; QUORVEL_WRITE_GRAPH_REFERENCES set writes it
// instead (check it by eye then).
int DifferingFromReference(const QImage& page, const QString& name)
{
    const QString path = QStringLiteral(QUORVEL_REPORT_TEST_DATA "/%1.png").arg(name);
    if (qEnvironmentVariableIsSet("QUORVEL_WRITE_GRAPH_REFERENCES"))
        page.save(path);
    const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (reference.size() != page.size())
        return page.width() * page.height();
    int differing = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QRgb a = page.pixel(x, y), b = reference.pixel(x, y);
            differing += std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                   std::abs(qBlue(a) - qBlue(b))}) > 64;
        }
    }
    return differing;
}

} // namespace

TEST(ReportPdf, TheGraphPrintsAsLinesAndTheResultPagesTexts)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "poppler-utils are not installed";
    testing_seams::TempBaseDir dir;
    const std::pair<TDrugKey, void (*)(graph_test::GraphCase&)> cases[] = {
        {{5, 1, 1, 2}, graph_test::FillVancomycin}, {{9, 1, 1, 0}, graph_test::FillMethotrexate}};
    for (const auto& [drug, fill] : cases) {
        graph_test::GraphCase c(drug.kubun, drug.yakuzai, drug.yakuhin, drug.algo);
        fill(c);
        TConcentrationGraph graph;
        graph_test::DrawCase(c, graph);
        TReportInput input = report_test::CaseInput(drug);
        input.Prescriptions = c.sets.PrescriptionLists;
        input.Samplings = c.sets.Samplings;
        input.LastSetIndex = LastScheduleSetIndex(c.sets);
        input.Display.SetTicked = {true, false, false, false};
        input.GraphLayers = GraphLayerPicturesOf(graph);
        const QString pdf = dir.FilePath(QStringLiteral("report%1.pdf").arg(drug.kubun));
        ASSERT_TRUE(TQuickReport1().PrintToPdf(input, pdf));

        // The listing's header and its rule, and no picture.
        EXPECT_EQ(RunTool("pdfimages", {"-list", pdf}).trimmed().count(QLatin1Char('\n')), 1) << drug.kubun;
        const auto words = FirstPageWords(pdf);
        int labels = 0;
        for (const TGraphItem& item : graph.Picture(GraphLayer::ImageWaveBase).Items) {
            const auto* text = std::get_if<TGraphText>(&item);
            if (!text)
                continue;
            ++labels;
            const QPointF at = OnPage(text->At);
            const bool found = std::any_of(words.begin(), words.end(), [&](const auto& word) {
                const QPointF off = word.second - at;
                return word.first == text->Text.section(QLatin1Char(' '), 0, 0)
                    && (text->RotationDegrees != 0 || (std::abs(off.x()) < 1.5 && std::abs(off.y()) < 2.5));
            });
            EXPECT_TRUE(found) << drug.kubun << ": " << text->Text.toStdString();
        }
        EXPECT_GT(labels, 12);
    }
    RunTool("pdftoppm", {"-r", "100", "-f", "1", "-l", "1", "-singlefile", "-png", dir.FilePath("report5.pdf"),
                         dir.FilePath("page")});
    const QImage page = QImage(dir.FilePath("page.png")).convertToFormat(QImage::Format_RGB32);
    // Some slack for another rasterizer's rounding.
    EXPECT_LE(DifferingFromReference(page, QStringLiteral("report-vancomycin")), 400);
}
