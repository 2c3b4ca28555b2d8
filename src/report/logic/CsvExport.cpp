#include "CsvExport.h"

#include "Cp932.h"
#include "DateTimeFormat.h"
#include "NumberFormat.h"
#include "ScheduleSort.h"
#include "WholeFile.h"
#include "WholeMinutes.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <initializer_list>

namespace {

constexpr int MinutesPerDay = 1440;

// One field of a line: "%-Ns" (Left) or "%Ns" (Right), N in CP932 bytes.
struct TField {
    QString Text;
    int Width;
    vcl::Align Align;
};

TField L(const QString& text, int width = 13)
{
    return {text, width, vcl::Align::Left};
}

TField R(const QString& text, int width = 13)
{
    return {text, width, vcl::Align::Right};
}

QString Line(std::initializer_list<TField> fields)
{
    QStringList parts;
    for (const TField& field : fields)
        parts << vcl::PadToCp932Width(field.Text, field.Width, field.Align);
    return parts.join(QStringLiteral(", "));
}

QString Date(vcl::TDateTime value)
{
    return vcl::FormatDateTime(QStringLiteral("yyyy/mm/dd"), value);
}

QString Time(vcl::TDateTime value)
{
    return vcl::FormatDateTime(QStringLiteral("hh:nn"), value);
}

QString Format(const char* pattern, double value)
{
    return vcl::FormatFloat(QLatin1String(pattern), value);
}

long long FloorDiv(long long a, long long b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

void AddResults(QStringList& lines, const TCsvInput& input, const TConcentrationAt& concentration)
{
    // Set 0's administrations in time order, sorted as a copy.
    std::vector<TScheduleDay> administrations = input.Administrations;
    SortByTime(administrations);
    const double firstDay = std::trunc(input.GraphFirstDay);
    const long long lastMinute = static_cast<long long>(input.GraphViewDays) * MinutesPerDay;
    const int step = input.CsvStep > 0 ? input.CsvStep : 5;
    for (const TScheduleDay& administration : administrations) {
        const auto start = static_cast<long long>(WholeMinutesSince(administration.DateTime, firstDay));
        for (int t = 0; t < input.CsvRange; t += step) {
            const long long minute = start + t;
            // Past the graph's last day the section ends: no later time, no later administration.
            if (minute > lastMinute)
                return;
            const long long day = FloorDiv(minute, MinutesPerDay);
            const long long ofDay = minute - day * MinutesPerDay;
            const QString time = QStringLiteral("%1:%2")
                                     .arg(ofDay / 60, 2, 10, QLatin1Char('0'))
                                     .arg(ofDay % 60, 2, 10, QLatin1Char('0'));
            const int m = static_cast<int>(minute);
            lines << Line({R(Date(firstDay + static_cast<double>(day))), R(time),
                           R(Format("0.0000", concentration(m, input.Analysis.bosyudan))),
                           R(Format("0.0000", concentration(m, input.Analysis.kaiseki)))});
        }
    }
}

} // namespace

QStringList CsvReportLines(const TCsvInput& input, const TConcentrationAt& concentration)
{
    const TPatientRecord& patient = input.Patient;
    const TAnalysisRecord& analysis = input.Analysis;
    QStringList lines;
    lines << QStringLiteral("<患者情報>");
    lines << Line({L(QStringLiteral("年齢")), R(vcl::IntToStr(patient.patient_age))});
    lines << Line({L(QStringLiteral("性別")),
                   L(patient.patient_gender == 0 ? QStringLiteral("男性") : QStringLiteral("女性"))});
    lines << Line({L(QStringLiteral("体重(kg)")), R(Format("0", patient.patient_weight))});
    lines << Line({L(QStringLiteral("身長(cm)")), R(Format("0", patient.patient_height))});
    lines << Line({L(QStringLiteral("血清クレアチニン値(mg/dL)"), 26), R(Format("0.0000", analysis.kaiseki_table1))});
    lines << Line({L(QStringLiteral("スピロノラクトン併用"), 26),
                   L(analysis.kaiseki_table2 == 0.0 ? QStringLiteral("なし") : QStringLiteral("あり"))});
    lines << QString();

    lines << QStringLiteral("<投与スケジュール>");
    lines << Line({L(QStringLiteral("開始日")), L(QStringLiteral("終了日")), L(QStringLiteral("時刻")),
                   L(QStringLiteral("投与量(mg)"))});
    for (const TPrescription& p : input.Prescriptions) {
        // The dose in mg, as entered.
        lines << Line({R(Date(p.touyo_start_time)), R(p.touyo_end_time > 0 ? Date(p.touyo_end_time) : QString()),
                       R(Time(p.touyo_time)), R(Format("0.000", p.touyo_dose))});
    }
    lines << QString();

    lines << QStringLiteral("<採血スケジュール>");
    lines << Line({L(QStringLiteral("測定日")), L(QStringLiteral("測定時刻")), L(QStringLiteral("測定値(ng/mL)"))});
    for (const TSamplingRecord& s : input.Samplings)
        lines << Line({R(Date(s.saiketu_time)), R(Time(s.saiketu_time)), R(Format("0.000", s.saiketu_value))});
    lines << QString();

    lines << QStringLiteral("<動態パラメータ>");
    lines << Line({L(QStringLiteral("動態計数")), L(QStringLiteral("母集団")), L(QStringLiteral("患者"))});
    const struct {
        const char16_t* Label;
        double Population;
        double Individual;
    } params[] = {
        {u"CL(L/kg/hr)", analysis.bosyudan.cl, analysis.kaiseki.cl},
        {u"Ke(1/hr)", analysis.bosyudan.ke, analysis.kaiseki.ke},
        {u"Vd(L/kg)", analysis.bosyudan.vd, analysis.kaiseki.vd},
        {u"Ka(1/hr)", analysis.bosyudan.ka, analysis.kaiseki.ka},
    };
    for (const auto& param : params)
        lines << Line({L(QString::fromUtf16(param.Label)), R(Format("0.0000", param.Population)),
                       R(Format("0.0000", param.Individual))});
    lines << QString();

    lines << QStringLiteral("<解析結果>");
    lines << Line({L(QStringLiteral("日付")), L(QStringLiteral("時刻")), L(QStringLiteral("母集団(ng/mL)")),
                   L(QStringLiteral("患者(ng/mL)"))});
    AddResults(lines, input, concentration);
    return lines;
}

QByteArray CsvReportBytes(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += vcl::ToCp932(line);
        bytes += "\r\n";
    }
    return bytes;
}

bool WriteCsvReport(const TCsvInput& input, const TConcentrationAt& concentration, const QString& fileName,
                    QString* errorText)
{
    auto fail = [errorText](const QString& reason) {
        if (errorText)
            *errorText = reason;
        return false;
    };
    const QFileInfo info(fileName);
    const QString folder = info.absolutePath();
    if (!QDir(folder).exists() && !QDir().mkpath(folder))
        return fail(QStringLiteral("フォルダー %1 を作成できません。").arg(QDir::toNativeSeparators(folder)));
    const QByteArray bytes = CsvReportBytes(CsvReportLines(input, concentration));
    if (const std::optional<vcl::TWriteFailure> failure = vcl::WriteWholeFile(info.absoluteFilePath(), bytes))
        return fail(vcl::WriteFailureText(*failure));
    return true;
}
