#include "ReportContent.h"

#include "DateTimeFormat.h"
#include "DrugKey.h"
#include "DrugMaster.h"
#include "NumberFormat.h"
#include "ParamTable.h"
#include "ReportConditions.h"
#include "ReportDrugRules.h"
#include "SchedulePageRules.h"

#include <algorithm>

namespace {

QString DateText(vcl::TDateTime value)
{
    return vcl::FormatDateTime(QStringLiteral("yyyy/mm/dd"), value);
}

QString TimeText(vcl::TDateTime value)
{
    return vcl::FormatDateTime(QStringLiteral("hh:nn"), value);
}

// printf's "%<width>s": right-aligned in a field of that many bytes.
QString Field(const QString& text, int width)
{
    return vcl::PadToCp932Width(text, width, vcl::Align::Right);
}

void SetText(TReportBand& band, const QString& name, const QString& text)
{
    if (TReportControl* control = band.Find(name))
        control->Text = text;
}

void SetEnabled(TReportBand& band, const QString& name, bool enabled)
{
    if (TReportControl* control = band.Find(name))
        control->Enabled = enabled;
}

const QString ScheduleCell = QStringLiteral("QRLbSchedule");
const QString SamplingCell = QStringLiteral("QRLbSaiketu");

// One print run over the case: the header, title and summary once, then one
// detail block per printed set.
class TReportRun {
public:
    explicit TReportRun(const TReportInput& input)
        : input_(input), drug_(DrugKeyOf(input.Analysis)), legendGroup_(LegendGroupFor(drug_))
    {
    }

    void QuickRepBeforePrint(TReportContent& content);
    // Fills the next printed set's block; false when no set is left.
    bool QuickRepNeedData(TReportDetail& detail);

private:
    void FillSchedule(TReportBand& band, int set) const;
    void FillSamplings(TReportBand& band) const;
    TReportGraphRecipe GraphRecipe(int set) const;
    std::vector<GraphLayer> SetCurveLayers(int set) const;

    const TReportInput& input_;
    const TDrugKey drug_;
    const TLegendGroup legendGroup_;
    int PrintSetIndex = 0;
    int PrintRecordCount = 0;
    int PrintLastSetIndex = 0;
};

void TReportRun::QuickRepBeforePrint(TReportContent& content)
{
    PrintSetIndex = 0;
    PrintRecordCount = 0;
    PrintLastSetIndex = input_.LastSetIndex;

    content.PageHeader = PageHeaderBand1();
    SetText(content.PageHeader, QStringLiteral("QRLbCreateDate"), DateText(input_.Today));
    // A case that was never analysed has no analysis date to print.
    SetText(content.PageHeader, QStringLiteral("QRLbAnalyzeDate"),
            input_.Analysis.analysis_date == NeverAnalysed ? QString() : DateText(input_.Analysis.analysis_date));

    TReportBand& title = content.Title = TitleBand1();
    const TPatientRecord& patient = input_.Patient;
    SetText(title, QStringLiteral("QRLbNo"), patient.patient_id);
    SetText(title, QStringLiteral("QRLbName1"), patient.patient_name);
    SetText(title, QStringLiteral("QRLbGender"), patient.patient_gender == 0 ? QStringLiteral("男性")
                                                                             : QStringLiteral("女性"));
    SetText(title, QStringLiteral("QRLbBirthDate"),
            patient.patient_birth == BirthDateUnknown ? QString() : DateText(patient.patient_birth));
    SetText(title, QStringLiteral("QRLbAge"), vcl::IntToStr(patient.patient_age));
    SetText(title, QStringLiteral("QRLbHeight"), vcl::FormatFloat(QStringLiteral("0.0"), patient.patient_height));
    SetText(title, QStringLiteral("QRLbWeight"), vcl::FormatFloat(QStringLiteral("0.0"), patient.patient_weight));
    SetText(title, QStringLiteral("QRLbDepartment"), patient.sinryouka_id);
    SetText(title, QStringLiteral("QRLbDoctor"), patient.doctor_id);
    SetText(title, QStringLiteral("QRLbKubun"), patient.patient_kubun == 0 ? QStringLiteral("外来")
                                                                          : QStringLiteral("入院"));
    SetText(title, QStringLiteral("QRLbKubunID"), input_.KubunText);
    SetText(title, QStringLiteral("QRLbIppanID"), input_.IppanText);
    SetText(title, QStringLiteral("QRLbSyouhinID"), input_.SyouhinText);

    const TConditionLines conditions = FillReportConditions(input_.Analysis);
    for (int line = 1; line <= 2; ++line) {
        const TConditionLine& condition = conditions[static_cast<std::size_t>(line - 1)];
        const QString stem = QStringLiteral("QRLbKaiseki") + QString::number(line);
        SetText(title, stem + QStringLiteral("Name"), condition.Name);
        SetText(title, stem, condition.Separator);
        SetText(title, stem + QStringLiteral("Data"), condition.Data);
        SetText(title, stem + QStringLiteral("Tani"), condition.Unit);
        if (TReportControl* data = title.Find(stem + QStringLiteral("Data")))
            data->Rect.setWidth(std::max(data->Rect.width(), condition.MinDataWidth));
    }

    const TParamTable params = BuildParamTable(input_.Analysis);
    content.Summary = QRBand1();
    for (int row = 1; row <= ReportParamRows; ++row) {
        for (int column = 1; column <= ReportParamColumns; ++column) {
            if (TReportControl* cell = SetQrl(content.Summary, QStringLiteral("QRLbPara"), row, column))
                cell->Text = params.Cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column - 1)];
        }
    }

    content.PageFooter = PageFooterBand1();
    SetText(content.PageFooter, QStringLiteral("QRLbPage"),
            QStringLiteral("/") + QString::number(ReportPageTotal(input_)));
}

bool TReportRun::QuickRepNeedData(TReportDetail& detail)
{
    while (PrintSetIndex < ScheduleSetCount && !SetIsPrinted(input_, PrintSetIndex))
        ++PrintSetIndex;
    if (PrintSetIndex > PrintLastSetIndex)
        return false;

    const int set = PrintSetIndex;
    detail.SetIndex = set;
    // A fresh band: every schedule and sampling label starts empty.
    TReportBand& band = detail.Band = DetailBand1();

    const QString note = LegendNote(legendGroup_);
    SetText(band, QStringLiteral("QRLabel10"), note);
    SetEnabled(band, QStringLiteral("QRLabel10"), !note.isEmpty());

    FillSchedule(band, set);
    FillSamplings(band);

    detail.GraphRecipe = GraphRecipe(set);
    detail.QRImage1 = ComposeGraphPicture(detail.GraphRecipe.Layers, input_.GraphLayers);
    detail.QRImage2 = ComposeGraphPicture(detail.GraphRecipe.PatientLayers, input_.GraphLayers);
    if (detail.GraphRecipe.OverlayPatientCurve)
        CopyGraphToReportImage(detail.QRImage1, detail.QRImage2);
    if (TReportControl* patientLine = band.Find(QStringLiteral("QRLabel109")))
        patientLine->Color = SetColors[set];

    const QString headings[ScheduleSetCount] = {
        QStringLiteral("<投与スケジュール>"), QStringLiteral("<投与スケジュール（変更１）>"),
        QStringLiteral("<投与スケジュール（変更２）>"), QStringLiteral("<投与スケジュール（変更３）>")};
    SetText(band, QStringLiteral("QRLbSchedule"), headings[set]);

    const bool firstBlock = PrintRecordCount == 0;
    for (const char* name : {"QRLabel5", "QRShape1", "QRMemo1"})
        SetEnabled(band, QLatin1String(name), firstBlock);
    if (firstBlock)
        SetText(band, QStringLiteral("QRMemo1"), input_.Comment);

    ++PrintSetIndex;
    ++PrintRecordCount;
    return true;
}

void TReportRun::FillSchedule(TReportBand& band, int set) const
{
    const TAmountColumns columns = AmountColumnsFor(drug_);
    SetText(band, QStringLiteral("QRLabel94"), QString::fromUtf16(columns.FirstHeader));
    if (columns.SecondHeader)
        SetText(band, QStringLiteral("QRLabel6"), QString::fromUtf16(columns.SecondHeader));
    SetEnabled(band, QStringLiteral("QRLabel6"), columns.SecondHeader != nullptr);

    const bool infusion = ProductDoseForm(drug_.kubun, drug_.yakuzai, drug_.yakuhin) == DoseFormInfusion;
    SetEnabled(band, QStringLiteral("QRLabel95"), infusion);
    for (int row = 1; row <= ReportScheduleRows; ++row) {
        if (TReportControl* cell = SetQrl(band, ScheduleCell, row, 5))
            cell->Enabled = infusion;
    }

    // The infusion hours with the decimals their entry cell takes.
    const QString hoursFormat = QString::fromUtf16(SchedulePageUnitsFor(drug_).InfusionFormat);
    const std::vector<TPrescription>& prescriptions = input_.Prescriptions[static_cast<std::size_t>(set)];
    const int shown = std::min(static_cast<int>(prescriptions.size()), ReportScheduleRows);
    for (int row = 1; row <= shown; ++row) {
        const TPrescription& p = prescriptions[static_cast<std::size_t>(row - 1)];
        auto cell = [&band, row](int column, const QString& text) {
            if (TReportControl* control = SetQrl(band, ScheduleCell, row, column))
                control->Text = text;
        };
        cell(1, Field(DateText(p.touyo_start_time), 13));
        cell(2, p.touyo_end_time > 0 ? Field(DateText(p.touyo_end_time), 13) : QString());
        cell(3, Field(TimeText(p.touyo_time), 6));
        cell(4, Field(FirstAmountText(drug_, columns, p.touyo_dose), 13));
        cell(5, Field(vcl::FormatFloat(hoursFormat, p.touyo_drip_time), 13));
        if (columns.SecondHeader)
            cell(6, Field(vcl::FormatFloat(QStringLiteral("0.0"), p.touyo_dose), 13));
    }
    // The table has five rows; the rest of a longer set is counted, not dropped unseen.
    const int rest = static_cast<int>(prescriptions.size()) - shown;
    SetText(band, QStringLiteral("QRLbScheduleRest"), rest > 0 ? QStringLiteral("ほか %1 件").arg(rest) : QString());
    SetEnabled(band, QStringLiteral("QRLbScheduleRest"), rest > 0);
}

void TReportRun::FillSamplings(TReportBand& band) const
{
    const QString header = SamplingValueHeader(drug_);
    SetText(band, QStringLiteral("QRLabel104"), header);
    SetText(band, QStringLiteral("QRLabel49"), header);
    // The schedule page admits eight samplings; stored ones beyond are not printed.
    const int shown = std::min(static_cast<int>(input_.Samplings.size()), ReportSamplingRows);
    for (int row = 1; row <= shown; ++row) {
        const TSamplingRecord& s = input_.Samplings[static_cast<std::size_t>(row - 1)];
        const QString texts[ReportSamplingColumns] = {Field(DateText(s.saiketu_time), 13),
                                                      Field(TimeText(s.saiketu_time), 13),
                                                      Field(vcl::FormatFloat(QStringLiteral("0.00"), s.saiketu_value), 13)};
        for (int column = 1; column <= ReportSamplingColumns; ++column) {
            if (TReportControl* cell = SetQrl(band, SamplingCell, row, column))
                cell->Text = texts[column - 1];
        }
    }
}

// The set's curve layers as the result page's options show them.
std::vector<GraphLayer> TReportRun::SetCurveLayers(int set) const
{
    const TReportDisplayOptions& show = input_.Display;
    std::vector<GraphLayer> layers;
    if (!show.PatientCurve || !SetIsPrinted(input_, set))
        return layers;
    if (legendGroup_ == TLegendGroup::None) {
        layers.push_back(SetLayer(set));
        return layers;
    }
    if (show.SolidCurve)
        layers.push_back(SetLayer(set));
    if (show.DottedCurve)
        layers.push_back(SetDottedLayer(set));
    return layers;
}

TReportGraphRecipe TReportRun::GraphRecipe(int set) const
{
    const TReportDisplayOptions& show = input_.Display;
    TReportGraphRecipe recipe;
    recipe.Layers.push_back(GraphLayer::ImageWaveBase);
    if (show.PopulationCurve) {
        if (legendGroup_ == TLegendGroup::None) {
            recipe.Layers.push_back(GraphLayer::ImageWaveBosyu);
        } else {
            if (show.SolidCurve)
                recipe.Layers.push_back(GraphLayer::ImageWaveBosyu);
            if (show.DottedCurve)
                recipe.Layers.push_back(GraphLayer::ImageWaveBosyuM);
        }
    }
    const std::vector<GraphLayer> own = SetCurveLayers(set);
    recipe.Layers.insert(recipe.Layers.end(), own.begin(), own.end());
    // Stacked as the result page stacks them: the solid curves under the dotted ones.
    std::sort(recipe.Layers.begin(), recipe.Layers.end());
    recipe.PatientLayers = SetCurveLayers(0);
    recipe.OverlayPatientCurve = set != 0;
    return recipe;
}

} // namespace

bool SetIsPrinted(const TReportInput& input, int set)
{
    if (set < 0 || set >= ScheduleSetCount)
        return false;
    if (set == 0 && input.LastSetIndex == 0)
        return true;
    return input.Display.SetTicked[static_cast<std::size_t>(set)];
}

int ReportPageTotal(const TReportInput& input)
{
    int printed = 0;
    for (int set = 0; set <= input.LastSetIndex && set < ScheduleSetCount; ++set) {
        if (SetIsPrinted(input, set))
            ++printed;
    }
    if (printed == 1)
        return 2;
    return std::max(printed, 1);
}

const TGraphPicture* TReportDetail::PictureOf(const QString& name) const
{
    if (name == QLatin1String("QRImage1"))
        return &QRImage1;
    if (name == QLatin1String("QRImage2"))
        return &QRImage2;
    return nullptr;
}

TReportContent BuildReportContent(const TReportInput& input)
{
    TReportContent content;
    TReportRun run(input);
    run.QuickRepBeforePrint(content);
    for (;;) {
        TReportDetail detail;
        if (!run.QuickRepNeedData(detail))
            break;
        content.Details.push_back(std::move(detail));
    }
    return content;
}
