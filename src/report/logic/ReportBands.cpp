#include "ReportBands.h"

#include <utility>

TReportControl* TReportBand::Find(const QString& name)
{
    for (TReportControl& control : Controls) {
        if (control.Name == name)
            return &control;
    }
    return nullptr;
}

const TReportControl* TReportBand::Find(const QString& name) const
{
    return const_cast<TReportBand*>(this)->Find(name);
}

TReportControl* SetQrl(TReportBand& band, const QString& prefix, int index)
{
    return band.Find(prefix + QString::number(index));
}

TReportControl* SetQrl(TReportBand& band, const QString& prefix, int row, int column)
{
    return band.Find(prefix + QString::number(row) + QString::number(column));
}

namespace {

// Builds a band control by control, in drawing order.
class TBandDesign {
public:
    TBandDesign(TReportBandKind kind, int height) { band_.Kind = kind, band_.Height = height; }

    TReportControl& Caption(const QString& text, int left, int top, int width, int fontPixels = 12)
    {
        return Add({}, TReportControlKind::Label, QRect(left, top, width, fontPixels + 4), text, fontPixels);
    }
    TReportControl& Heading(const QString& text, int left, int top, int width)
    {
        TReportControl& control = Caption(text, left, top, width);
        control.Bold = true;
        return control;
    }
    TReportControl& Data(const QString& name, int left, int top, int width, const QString& text = {})
    {
        return Add(name, TReportControlKind::Label, QRect(left, top, width, 16), text, 12);
    }
    TReportControl& Add(const QString& name, TReportControlKind kind, const QRect& rect, const QString& text = {},
                        int fontPixels = 12)
    {
        TReportControl control;
        control.Name = name;
        control.Kind = kind;
        control.Rect = rect;
        control.Text = text;
        control.FontPixels = fontPixels;
        band_.Controls.push_back(std::move(control));
        return band_.Controls.back();
    }

    TReportBand Take() { return std::move(band_); }

private:
    TReportBand band_;
};

QString Cell(const char* prefix, int row, int column)
{
    return QLatin1String(prefix) + QString::number(row) + QString::number(column);
}

// Two columns of "caption ： value" lines in the title band.
constexpr int LeftColumn = 16;
constexpr int RightColumn = 376;
constexpr int CaptionWidth = 72;
constexpr int ColonWidth = 28;
constexpr int LinePitch = 17;

void CaptionedValue(TBandDesign& design, const QString& caption, const QString& name, int column, int top,
                    int width, const QString& unit = {})
{
    design.Caption(caption, column, top, CaptionWidth);
    design.Caption(QStringLiteral(" ： "), column + CaptionWidth, top, ColonWidth);
    const int left = column + CaptionWidth + ColonWidth;
    design.Data(name, left, top, width);
    if (!unit.isEmpty())
        design.Caption(unit, left + width, top, 30);
}

} // namespace

TReportBand PageHeaderBand1()
{
    TBandDesign design(TReportBandKind::PageHeader, 43);
    design.Caption(QStringLiteral("解析結果"), 0, 4, 112, 27);
    design.Caption(QStringLiteral("報告書"), 108, 4, 84, 27);
    design.Caption(QStringLiteral("作成日"), 520, 4, 48);
    design.Data(QStringLiteral("QRLbCreateDate"), 572, 4, 100);
    design.Caption(QStringLiteral("解析日"), 520, 22, 48);
    design.Data(QStringLiteral("QRLbAnalyzeDate"), 572, 22, 100);
    return design.Take();
}

TReportBand TitleBand1()
{
    TBandDesign design(TReportBandKind::Title, 216);
    design.Heading(QStringLiteral("<患者情報>"), 0, 0, 200);
    const int rows[] = {18, 18 + LinePitch, 18 + 2 * LinePitch, 18 + 3 * LinePitch, 18 + 4 * LinePitch};
    CaptionedValue(design, QStringLiteral("患者番号"), QStringLiteral("QRLbNo"), LeftColumn, rows[0], 220);
    CaptionedValue(design, QStringLiteral("氏名"), QStringLiteral("QRLbName1"), LeftColumn, rows[1], 220);
    CaptionedValue(design, QStringLiteral("性別"), QStringLiteral("QRLbGender"), LeftColumn, rows[2], 220);
    CaptionedValue(design, QStringLiteral("生年月日"), QStringLiteral("QRLbBirthDate"), LeftColumn, rows[3], 220);
    CaptionedValue(design, QStringLiteral("年齢"), QStringLiteral("QRLbAge"), LeftColumn, rows[4], 30,
                   QStringLiteral("歳"));
    CaptionedValue(design, QStringLiteral("身長"), QStringLiteral("QRLbHeight"), RightColumn, rows[0], 50,
                   QStringLiteral("cm"));
    CaptionedValue(design, QStringLiteral("体重"), QStringLiteral("QRLbWeight"), RightColumn, rows[1], 50,
                   QStringLiteral("kg"));
    CaptionedValue(design, QStringLiteral("診療科"), QStringLiteral("QRLbDepartment"), RightColumn, rows[2], 220);
    CaptionedValue(design, QStringLiteral("医師名"), QStringLiteral("QRLbDoctor"), RightColumn, rows[3], 220);
    CaptionedValue(design, QStringLiteral("区分"), QStringLiteral("QRLbKubun"), RightColumn, rows[4], 220);

    design.Heading(QStringLiteral("<薬剤情報>"), 0, 106, 200);
    CaptionedValue(design, QStringLiteral("薬剤区分"), QStringLiteral("QRLbKubunID"), LeftColumn, 124, 240);
    CaptionedValue(design, QStringLiteral("一般名"), QStringLiteral("QRLbIppanID"), RightColumn, 124, 240);
    CaptionedValue(design, QStringLiteral("商品名"), QStringLiteral("QRLbSyouhinID"), LeftColumn, 141, 600);

    design.Heading(QStringLiteral("<解析条件>"), 0, 161, 200);
    for (int line = 1; line <= 2; ++line) {
        const int top = 179 + (line - 1) * LinePitch;
        const QString stem = QStringLiteral("QRLbKaiseki") + QString::number(line);
        design.Data(stem + QStringLiteral("Name"), LeftColumn, top, 220);
        design.Data(stem, LeftColumn + 220, top, 24);
        design.Data(stem + QStringLiteral("Data"), LeftColumn + 244, top, 80);
        design.Data(stem + QStringLiteral("Tani"), LeftColumn + 328, top, 60);
    }
    return design.Take();
}

TReportBand DetailBand1()
{
    TBandDesign design(TReportBandKind::Detail, 734);
    design.Heading(QStringLiteral("<投与スケジュール>"), 0, 0, 400).Name = QStringLiteral("QRLbSchedule");

    // Schedule table; the columns stand on the page in the order 1, 2, 3, 4, 6, 5.
    struct Column {
        int Number;
        int Left;
        int Width;
    };
    const Column scheduleColumns[] = {{1, 16, 96}, {2, 112, 96}, {3, 208, 56}, {4, 264, 130}, {6, 394, 150},
                                      {5, 544, 100}};
    constexpr int headerTop = 20;
    design.Caption(QStringLiteral("開始日"), 16, headerTop, 96);
    design.Caption(QStringLiteral("終了日"), 112, headerTop, 96);
    design.Caption(QStringLiteral("時刻"), 208, headerTop, 56);
    design.Data(QStringLiteral("QRLabel94"), 264, headerTop, 130, QStringLiteral("投与量（mg）"));
    design.Data(QStringLiteral("QRLabel6"), 394, headerTop, 150, QStringLiteral("投与量（mg）"));
    design.Data(QStringLiteral("QRLabel95"), 544, headerTop, 100, QStringLiteral("点滴（hr）"));
    for (int row = 1; row <= ReportScheduleRows; ++row) {
        for (const Column& column : scheduleColumns)
            design.Data(Cell("QRLbSchedule", row, column.Number), column.Left, 38 + (row - 1) * LinePitch,
                        column.Width);
    }
    // Prescriptions beyond the table's rows are counted here.
    design.Data(QStringLiteral("QRLbScheduleRest"), 16, 38 + ReportScheduleRows * LinePitch, 300).Enabled = false;

    // Sampling table: rows 1 to 4 on the left, 5 to 8 on the right.
    design.Heading(QStringLiteral("<採血データ>"), 0, 146, 200);
    constexpr int samplingHeaderTop = 164;
    const int groupLefts[] = {16, 368};
    const char* valueHeaders[] = {"QRLabel104", "QRLabel49"};
    for (int group = 0; group < 2; ++group) {
        const int left = groupLefts[group];
        design.Caption(QStringLiteral("測定日"), left, samplingHeaderTop, 96);
        design.Caption(QStringLiteral("時刻"), left + 96, samplingHeaderTop, 96);
        design.Data(QLatin1String(valueHeaders[group]), left + 192, samplingHeaderTop, 140,
                    QStringLiteral("測定値（ng/mL）"));
    }
    for (int row = 1; row <= ReportSamplingRows; ++row) {
        const int left = groupLefts[(row - 1) / 4];
        const int top = 182 + ((row - 1) % 4) * LinePitch;
        for (int column = 1; column <= ReportSamplingColumns; ++column)
            design.Data(Cell("QRLbSaiketu", row, column), left + (column - 1) * 96, top, 96);
    }

    // Result heading with the legend.
    constexpr int legendTop = 254;
    design.Heading(QStringLiteral("<解析結果>"), 0, legendTop, 90);
    design.Caption(QStringLiteral("━━"), 96, legendTop, 26).Color = vcl::clGray;
    design.Caption(QStringLiteral("母集団"), 124, legendTop, 44);
    TReportControl& patientLine = design.Data(QStringLiteral("QRLabel109"), 172, legendTop, 26, QStringLiteral("━━"));
    patientLine.Bold = true;
    patientLine.Color = vcl::clRed;
    design.Caption(QStringLiteral("患者"), 200, legendTop, 32);
    design.Caption(QStringLiteral("  ■  "), 232, legendTop, 40).Color = vcl::clGreen;
    design.Caption(QStringLiteral("測定値"), 272, legendTop, 44);
    TReportControl& note = design.Data(QStringLiteral("QRLabel10"), 326, legendTop, 392);
    note.FontPixels = 11;
    note.Enabled = false;

    design.Add(QStringLiteral("QRImage1"), TReportControlKind::Picture,
               QRect(39, 274, ReportGraphWidth, ReportGraphHeight));
    // The work picture of set 0's curve, at the same place; never printed.
    design.Add(QStringLiteral("QRImage2"), TReportControlKind::Picture,
               QRect(39, 274, ReportGraphWidth, ReportGraphHeight)).Enabled = false;

    design.Heading(QStringLiteral("<コメント>"), 0, 642, 100).Name = QStringLiteral("QRLabel5");
    design.Add(QStringLiteral("QRShape1"), TReportControlKind::Shape, QRect(0, 660, 718, 70));
    design.Add(QStringLiteral("QRMemo1"), TReportControlKind::Memo, QRect(6, 664, 706, 62));
    return design.Take();
}

TReportBand QRBand1()
{
    TBandDesign design(TReportBandKind::Summary, 151);
    design.Heading(QStringLiteral("<動態パラメータ>"), 0, 0, 200);
    const int lefts[] = {16, 146, 256, 366, 476};
    const int widths[] = {130, 110, 110, 110, 110};
    const QString headers[] = {QStringLiteral("動態係数"), QStringLiteral("母集団"), QStringLiteral("個体間変動"),
                               QStringLiteral("患者推定値"), QStringLiteral("推定分散（％）")};
    for (int column = 0; column < ReportParamColumns; ++column)
        design.Caption(headers[column], lefts[column], 22, widths[column]).Align = TTextAlign::Center;
    for (int row = 1; row <= ReportParamRows; ++row) {
        for (int column = 1; column <= ReportParamColumns; ++column) {
            TReportControl& cell = design.Data(Cell("QRLbPara", row, column), lefts[column - 1],
                                               42 + (row - 1) * 18, widths[column - 1] - (column == 1 ? 0 : 12));
            cell.Align = column == 1 ? TTextAlign::Center : TTextAlign::Right;
        }
    }
    return design.Take();
}

TReportBand PageFooterBand1()
{
    TBandDesign design(TReportBandKind::PageFooter, 31);
    design.Add(QStringLiteral("QRSysData1"), TReportControlKind::PageNumber, QRect(299, 8, 60, 16)).Align =
        TTextAlign::Right;
    design.Data(QStringLiteral("QRLbPage"), 359, 8, 60, QStringLiteral("/"));
    return design.Take();
}
