#include "ReportContent.h"
#include "ReportLayout.h"
#include "ReportTestData.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace report_test;

namespace {

using namespace drugs;

constexpr TDrugKey Theophylline211{2, 1, 1, 0};
constexpr TDrugKey Lithium611{6, 1, 1, 0};
constexpr TDrugKey DigoxinTablet{1, 1, 2, 0};
constexpr TDrugKey Vancomycin1{5, 1, 1, 1};

} // namespace

TEST(ReportContent, TitleBandPrintsThePatientAndTheDates)
{
    TReportInput input = CaseInput(Theophylline211);
    TReportContent content = BuildReportContent(input);
    EXPECT_EQ(Text(content.PageHeader, "QRLbCreateDate"), "2024/04/20");
    EXPECT_EQ(Text(content.PageHeader, "QRLbAnalyzeDate"), "2024/04/18");
    const TReportBand& title = content.Title;
    EXPECT_EQ(Text(title, "QRLbNo"), "P-001");
    EXPECT_EQ(Text(title, "QRLbGender"), "女性");
    EXPECT_EQ(Text(title, "QRLbBirthDate"), "1950/05/06");
    EXPECT_EQ(Text(title, "QRLbAge"), "73");
    EXPECT_EQ(Text(title, "QRLbHeight"), "160.3");
    EXPECT_EQ(Text(title, "QRLbWeight"), "52.0");
    EXPECT_EQ(Text(title, "QRLbKubun"), "入院");
    EXPECT_EQ(Text(title, "QRLbName1"), "山田太郎");
    EXPECT_EQ(Text(title, "QRLbDepartment"), "内科");
    EXPECT_EQ(Text(title, "QRLbDoctor"), "佐藤");
    EXPECT_EQ(Text(title, "QRLbKubunID"), "区分");
    EXPECT_EQ(Text(title, "QRLbIppanID"), "一般名");
    EXPECT_EQ(Text(title, "QRLbSyouhinID"), "商品名");
    // The department's caption is spelt as the patient page spells it.
    bool departmentCaption = false;
    for (const TReportControl& control : title.Controls)
        departmentCaption |= control.Text == "診療科";
    EXPECT_TRUE(departmentCaption);
    // The summary band copies rows 1 to 5 of the parameter table.
    input.Analysis.bosyudan.ke = 0.25;
    input.Analysis.kaiseki_vari.f = 12.5;
    content = BuildReportContent(input);
    EXPECT_EQ(Text(content.Summary, "QRLbPara11"), "Vd(L/kg)");
    EXPECT_EQ(Text(content.Summary, "QRLbPara31"), "CL(L/kg/hr)");
    EXPECT_EQ(Text(content.Summary, "QRLbPara45"), "12.5000");
    EXPECT_EQ(Text(content.Summary, "QRLbPara51"), "");
    input.Analysis.kubun_id = 6;   // lithium: Ke in row 3
    EXPECT_EQ(Text(BuildReportContent(input).Summary, "QRLbPara32"), "0.2500");
    input.Analysis.kubun_id = 2;

    // Age only: the birth date is empty, the age printed; no analysis yet: no date.
    input.Patient.patient_birth = BirthDateUnknown;
    input.Patient.patient_gender = 0;
    input.Analysis.analysis_date = NeverAnalysed;
    content = BuildReportContent(input);
    EXPECT_EQ(Text(content.Title, "QRLbBirthDate"), "");
    EXPECT_EQ(Text(content.Title, "QRLbAge"), "73");
    EXPECT_EQ(Text(content.Title, "QRLbGender"), "男性");
    EXPECT_EQ(Text(content.PageHeader, "QRLbAnalyzeDate"), "");
}

TEST(ReportContent, ConditionLinesByDrug)
{
    struct Case {
        TDrugKey drug;
        int source;
        double table[11];   // kaiseki_table1 .. 10 at [1] .. [10]
        QString line1, line2;
    };
    const Case cases[] = {
        {{1, 1, 3, 0}, 1, {0, 0, 1, 0, 45.6}, "クレアチニンクリアランス値 : 45.6000 mL/min", "うっ血性心不全 : あり"},
        // Arbekacin: the pneumonia answer is kaiseki_table2; table3 holds another answer.
        {{4, 1, 1, 0}, 1, {0, 0, 1, 0, 80}, "クレアチニンクリアランス値 : 80.0000 mL/min", "肺炎 : 肺炎あり"},
        {{4, 1, 1, 0}, 1, {0, 0, 0, 1, 80}, "クレアチニンクリアランス値 : 80.0000 mL/min", "肺炎 : 肺炎なし"},
        {{3, 4, 1, 0}, 1, {0, 1}, "フェノバルビタール/フェニトイン併用 : あり", ""},
        // Valproate delayed release: the lag time as entered, "0.00".
        {{3, 5, 2, 0}, 1, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1.5}, "フェノバルビタール/フェニトイン併用 : なし",
         "ラグタイム : 1.50 hr"},
        {{3, 7, 1, 0}, 1, {0, 2}, "酵素誘導剤併用 : あり", ""},
        {{3, 7, 1, 0}, 2, {0, 0, 0, 0, 61}, "クレアチニンクリアランス値 : 61.0000 mL/min", ""},
        {{3, 7, 1, 0}, -1, {0, 1, 0, 0, 61}, "", ""},
        {{1, 1, 4, 0}, 1, {0, 0, 0, 0, 30}, "クレアチニンクリアランス値 : 30.0000 mL/min", "うっ血性心不全 : なし"},
        {{3, 4, 2, 0}, 1, {0, 0}, "フェノバルビタール/フェニトイン併用 : なし", ""},
        {{3, 5, 1, 0}, 1, {0, 1}, "フェノバルビタール/フェニトイン併用 : あり", ""},
        {{3, 5, 4, 0}, 1, {0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 2}, "フェノバルビタール/フェニトイン併用 : あり", ""},
        {{5, 1, 1, 1}, 1, {0, 0, 0, 0, 72.5}, "クレアチニンクリアランス値 : 72.5000 mL/min", ""},
        {{5, 1, 1, 2}, 1, {0, 0, 0, 0, 72.5}, "クレアチニンクリアランス値 : 72.5000 mL/min", ""},
        {{5, 2, 1, 0}, 1, {0, 0, 0, 0, 55}, "クレアチニンクリアランス値 : 55.0000 mL/min", ""},
        {{7, 1, 1, 0}, 1, {0, 0, 0, 0, 55}, "クレアチニンクリアランス値 : 55.0000 mL/min", ""},
        {{8, 1, 1, 0}, 1, {0, 0, 0, 0, 55}, "クレアチニンクリアランス値 : 55.0000 mL/min", ""},
        {{3, 3, 1, 0}, 1, {0, 1, 1, 1, 1}, "", ""},   // primidone: nothing, not a placeholder
        {{2, 1, 3, 0}, 1, {0, 1, 1, 1, 1}, "", ""},
        {{6, 1, 1, 0}, 1, {0, 1, 1, 1, 1}, "", ""},
    };
    for (const Case& c : cases) {
        TReportInput input = CaseInput(c.drug);
        input.Analysis.syutten_id = c.source;
        for (int n = 1; n <= 10; ++n)
            input.Analysis.KaisekiTable(n) = c.table[n];
        const TReportBand title = BuildReportContent(input).Title;
        for (int line = 1; line <= 2; ++line) {
            const QString stem = QStringLiteral("QRLbKaiseki%1").arg(line);
            const QString printed = (Text(title, stem + "Name") + Text(title, stem) + Text(title, stem + "Data") +
                                     " " + Text(title, stem + "Tani")).trimmed();
            EXPECT_EQ(printed, line == 1 ? c.line1 : c.line2)
                << c.drug.kubun << "/" << c.drug.yakuzai << "/" << c.drug.yakuhin << " line " << line;
        }
    }
}

TEST(ReportContent, ScheduleTableAmountsAndColumns)
{
    // Infusions of 0.25 h print with the decimals their entry cell takes.
    struct Case {
        TDrugKey drug;
        double dose;
        QString header94, amount, header6, second;
        bool infusion;
        QString hours;
    };
    const Case cases[] = {
        {Lithium611, 100, "製剤量(mg)", "532", "リチウム量(mg)", "100.0", false, "0.3"},
        {{3, 1, 2, 0}, 100, "製剤量(mg)", "109", "フェニトイン量(mg)", "100.0", true, "0.25"},
        {{3, 1, 3, 0}, 100, "製剤量(mg)", "161", "フェニトイン量(mg)", "100.0", true, "0.25"},
        {{7, 1, 1, 0}, 50, "製剤量(mg)", "58", "ピルシカイニド量(mg)", "50.0", false, "0.3"},
        {{3, 5, 2, 0}, 400, "バルプロ酸Na量(mg)", "461", "バルプロ酸量(mg)", "400.0", false, "0.3"},
        {Vancomycin1, 1000, "製剤量(mg)", "1025", "バンコマイシン量(mg)", "1000.0", true, "0.3"},
        {DigoxinTablet, 0.125, "投与量（mg）", "0.125", "", "", false, "0.3"},
        {{1, 1, 4, 0}, 0.25, "投与量（mg）", "0.250", "", "", true, "0.3"},
        {Theophylline211, 100.4, "投与量（mg）", "100", "", "", false, "0.3"},
    };
    for (const Case& c : cases) {
        TReportInput input = CaseInput(c.drug);
        input.Prescriptions[0][0].touyo_dose = c.dose;
        input.Prescriptions[0][0].touyo_drip_time = 0.25;
        const TReportContent content = BuildReportContent(input);
        ASSERT_EQ(content.Details.size(), 1u);
        const TReportBand& band = content.Details[0].Band;
        EXPECT_EQ(Text(band, "QRLabel94"), c.header94);
        EXPECT_EQ(Text(band, "QRLbSchedule14"), c.amount.rightJustified(13));
        EXPECT_EQ(Printed(band, "QRLabel6"), !c.header6.isEmpty());
        if (!c.header6.isEmpty()) {
            EXPECT_EQ(Text(band, "QRLabel6"), c.header6);
        }
        EXPECT_EQ(Text(band, "QRLbSchedule16"), c.second.isEmpty() ? QString() : c.second.rightJustified(13));
        EXPECT_EQ(Printed(band, "QRLabel95"), c.infusion);
        EXPECT_EQ(Printed(band, "QRLbSchedule55"), c.infusion);
        EXPECT_EQ(Text(band, "QRLbSchedule15"), c.hours.rightJustified(13));
    }
}

TEST(ReportContent, ScheduleRowsFormatsAndTheRestOfALongSet)
{
    TReportInput input = CaseInput(Theophylline211);
    std::vector<TPrescription>& set0 = input.Prescriptions[0];
    set0.push_back(Prescription(Day + 10, OpenEndDate, vcl::EncodeTime(20, 0, 0, 0), 200));
    set0.back().touyo_drip_time = 1.5;
    TReportContent content = BuildReportContent(input);
    const TReportBand& band = content.Details[0].Band;
    EXPECT_EQ(Text(band, "QRLbSchedule11"), "   2024/04/01");
    EXPECT_EQ(Text(band, "QRLbSchedule12"), "   2024/04/10");
    EXPECT_EQ(Text(band, "QRLbSchedule13"), " 08:05");
    EXPECT_EQ(Text(band, "QRLbSchedule22"), "");   // open end
    EXPECT_EQ(Text(band, "QRLbSchedule25"), "          1.5");
    EXPECT_EQ(Text(band, "QRLbSchedule31"), "");
    EXPECT_FALSE(Printed(band, "QRLbScheduleRest"));

    const TPrescription last = set0.back();
    set0.resize(7, last);
    content = BuildReportContent(input);
    EXPECT_EQ(Text(content.Details[0].Band, "QRLbSchedule54"), "          200");
    EXPECT_TRUE(Printed(content.Details[0].Band, "QRLbScheduleRest"));
    EXPECT_EQ(Text(content.Details[0].Band, "QRLbScheduleRest"), "ほか 2 件");
}

TEST(ReportContent, SamplingTableHoldsEightRows)
{
    const std::pair<TDrugKey, QString> headers[] = {{DigoxinTablet, "測定値（ng/mL）"},
                                                    {Lithium611, "測定値（mEq/L）"},
                                                    {{9, 1, 1, 0}, "測定値（μM）"},
                                                    {Theophylline211, "測定値（μg/mL）"}};
    for (const auto& [drug, header] : headers) {
        const TReportBand band = BuildReportContent(CaseInput(drug)).Details[0].Band;
        EXPECT_EQ(Text(band, "QRLabel104"), header);
        EXPECT_EQ(Text(band, "QRLabel49"), header);
    }
    TReportInput input = CaseInput(Theophylline211);
    input.Samplings.resize(9, input.Samplings[0]);
    input.Samplings[8].saiketu_value = 99;
    const TReportBand band = BuildReportContent(input).Details[0].Band;
    EXPECT_EQ(Text(band, "QRLbSaiketu11"), "   2024/04/04");
    EXPECT_EQ(Text(band, "QRLbSaiketu12"), "        07:30");
    EXPECT_EQ(Text(band, "QRLbSaiketu83"), "        12.35");
    EXPECT_EQ(band.Find("QRLbSaiketu91"), nullptr);
    for (const TReportControl& control : band.Controls)
        EXPECT_FALSE(control.Text.contains("99.00"));
}

TEST(ReportContent, BlocksFollowTheTickedSets)
{
    struct Case {
        int last;
        std::array<bool, 4> ticked;
        std::vector<int> blocks;
        QString total;
    };
    const Case cases[] = {
        {0, {true, true, true, true}, {0}, "/2"},
        // With set 0 the only set its box is hidden: it prints even unticked.
        {0, {false, false, false, false}, {0}, "/2"},
        {2, {true, false, true, false}, {0, 2}, "/2"},
        {3, {true, true, true, true}, {0, 1, 2, 3}, "/4"},
        {3, {false, true, true, false}, {1, 2}, "/2"},
        {1, {false, true, true, true}, {1}, "/2"},
        // No set ticked: no block, one page.
        {2, {false, false, false, true}, {}, "/1"},
    };
    for (const Case& c : cases) {
        TReportInput input = CaseInput(Theophylline211);
        UseSets(input, c.last);
        input.Display.SetTicked = c.ticked;
        const TReportContent content = BuildReportContent(input);
        std::vector<int> blocks;
        for (const TReportDetail& detail : content.Details)
            blocks.push_back(detail.SetIndex);
        EXPECT_EQ(blocks, c.blocks) << "last " << c.last;
        EXPECT_EQ(Text(content.PageFooter, "QRLbPage"), c.total) << "last " << c.last;
        // The curve copies follow the same rule: a hidden, unticked set 0 still shows its curve.
        const QString headings[] = {"<投与スケジュール>", "<投与スケジュール（変更１）>", "<投与スケジュール（変更２）>",
                                    "<投与スケジュール（変更３）>"};
        for (const TReportDetail& detail : content.Details) {
            EXPECT_EQ(Text(detail.Band, "QRLbSchedule"), headings[detail.SetIndex]);
            const std::vector<GraphLayer>& layers = detail.GraphRecipe.Layers;
            EXPECT_NE(std::find(layers.begin(), layers.end(), SetLayer(detail.SetIndex)), layers.end());
        }
    }
}

TEST(ReportContent, ChangedSetBlockHeadingLegendAndComment)
{
    TReportInput input = CaseInput(Theophylline211);
    UseSets(input, 2);
    input.Display.SetTicked = {true, false, true, false};
    const TReportContent content = BuildReportContent(input);
    ASSERT_EQ(content.Details.size(), 2u);
    const TReportBand& first = content.Details[0].Band;
    const TReportBand& second = content.Details[1].Band;
    EXPECT_EQ(Text(first, "QRLbSchedule"), "<投与スケジュール>");
    EXPECT_EQ(Text(second, "QRLbSchedule"), "<投与スケジュール（変更２）>");
    EXPECT_EQ(first.Find("QRLabel109")->Color, vcl::clRed);
    EXPECT_EQ(second.Find("QRLabel109")->Color, vcl::clLime);
    for (const char* name : {"QRLabel5", "QRShape1", "QRMemo1"}) {
        EXPECT_TRUE(Printed(first, name)) << name;
        EXPECT_FALSE(Printed(second, name)) << name;
    }
    EXPECT_EQ(Text(first, "QRMemo1"), "経過良好");
    EXPECT_FALSE(content.Details[0].GraphRecipe.OverlayPatientCurve);
    EXPECT_TRUE(content.Details[1].GraphRecipe.OverlayPatientCurve);
}

TEST(ReportContent, LegendNoteAndCurveLayersByDrug)
{
    using L = GraphLayer;
    struct Case {
        TDrugKey drug;
        bool solid, dotted;
        QString note;
        std::vector<GraphLayer> layers;
    };
    // Stacked as the result page stacks them: solid curves under dotted ones.
    const Case cases[] = {
        {Theophylline211, false, false, "", {L::ImageWaveBase, L::ImageWaveBosyu, L::ImageWave0}},
        {{5, 1, 1, 2}, true, true, "※濃度グラフについて …  血中：実線  末梢：点線",
         {L::ImageWaveBase, L::ImageWaveBosyu, L::ImageWave0, L::ImageWaveBosyuM, L::ImageWave0M}},
        {{9, 1, 1, 0}, false, true, "※濃度グラフについて …  血中：実線  末梢：点線",
         {L::ImageWaveBase, L::ImageWaveBosyuM, L::ImageWave0M}},
        {{3, 1, 2, 0}, true, false, "※濃度グラフについて …  補正前：実線  補正後：点線",
         {L::ImageWaveBase, L::ImageWaveBosyu, L::ImageWave0}},
        {Vancomycin1, false, false, "", {L::ImageWaveBase, L::ImageWaveBosyu, L::ImageWave0}},
        {{4, 1, 1, 0}, true, false, "※濃度グラフについて …  血中：実線  末梢：点線",
         {L::ImageWaveBase, L::ImageWaveBosyu, L::ImageWave0}},
        {{5, 2, 1, 0}, true, false, "※濃度グラフについて …  血中：実線  末梢：点線",
         {L::ImageWaveBase, L::ImageWaveBosyu, L::ImageWave0}},
        {{8, 1, 1, 0}, true, false, "※濃度グラフについて …  血中：実線  末梢：点線",
         {L::ImageWaveBase, L::ImageWaveBosyu, L::ImageWave0}},
    };
    for (const Case& c : cases) {
        TReportInput input = CaseInput(c.drug);
        input.Display.SolidCurve = c.solid;
        input.Display.DottedCurve = c.dotted;
        const TReportDetail detail = BuildReportContent(input).Details[0];
        EXPECT_EQ(Printed(detail.Band, "QRLabel10"), !c.note.isEmpty());
        EXPECT_EQ(Text(detail.Band, "QRLabel10"), c.note);
        EXPECT_EQ(detail.GraphRecipe.Layers, c.layers) << c.drug.kubun << "/" << c.drug.yakuzai;
    }
    // Patient and population curves switched off; set 0 unticked among several sets.
    TReportInput input = CaseInput(Theophylline211);
    UseSets(input, 1);
    input.Display.SetTicked = {false, true, true, true};
    input.Display.PopulationCurve = false;
    const TReportDetail detail = BuildReportContent(input).Details[0];
    EXPECT_EQ(detail.GraphRecipe.Layers, (std::vector<GraphLayer>{L::ImageWaveBase, L::ImageWave1}));
    EXPECT_TRUE(detail.GraphRecipe.PatientLayers.empty());
}

TEST(ReportContent, PageTotalIsThePageCountOfTheLayout)
{
    const int headerHeight = PageHeaderBand1().Height;
    const int footerHeight = PageFooterBand1().Height;
    for (int sets = 0; sets <= 4; ++sets) {
        TReportInput input = CaseInput(Theophylline211);
        UseSets(input, 3);
        for (int set = 0; set < 4; ++set)
            input.Display.SetTicked[static_cast<std::size_t>(set)] = set < sets;
        const TReportContent content = BuildReportContent(input);
        std::vector<int> heights{content.Title.Height};
        for (const TReportDetail& detail : content.Details)
            heights.push_back(detail.Band.Height);
        heights.push_back(content.Summary.Height);
        const auto pages = LayoutReport(heights, headerHeight, footerHeight);
        EXPECT_EQ(QStringLiteral("/%1").arg(pages.size()), Text(content.PageFooter, "QRLbPage")) << sets;
        EXPECT_EQ(static_cast<int>(pages.size()), ReportPageTotal(input));
    }
}
