#include "ScheduleLists.h"

#include "DateTimeFormat.h"
#include "NumberFormat.h"
#include "SaltFactors.h"
#include "ScheduleEdits.h"
#include "ScheduleMinutes.h"
#include "SchedulePageRules.h"

#include <algorithm>

namespace {

const QString DateFormat = QStringLiteral("yyyy/mm/dd");
const QString TimeFormat = QStringLiteral("hh:nn");

} // namespace

std::vector<TDoseListRow> DoseListRows(const std::vector<TScheduleDay>& days, vcl::TDateTime day,
                                       const TDrugKey& drug)
{
    const vcl::TDateTime shown = CalendarDayOf(day);
    std::vector<const TScheduleDay*> onDay;
    for (const TScheduleDay& d : days) {
        if (CalendarDayOf(d.DateTime) == shown)
            onDay.push_back(&d);
    }
    std::stable_sort(onDay.begin(), onDay.end(),
                     [](const TScheduleDay* a, const TScheduleDay* b) { return a->DateTime < b->DateTime; });

    const TSchedulePageUnits units = SchedulePageUnitsFor(drug);
    const QString amountFormat = QString::fromUtf16(units.ListAmountFormat);
    const QString hoursFormat = QString::fromUtf16(units.ListHoursFormat);
    std::vector<TDoseListRow> rows;
    rows.reserve(onDay.size());
    for (const TScheduleDay* d : onDay) {
        rows.push_back({vcl::FormatDateTime(DateFormat, d->DateTime), vcl::FormatDateTime(TimeFormat, d->DateTime),
                        vcl::FormatFloat(amountFormat, d->FormulationAmount),
                        vcl::FormatFloat(hoursFormat, d->DripHours), QString::number(d->PrescriptionIndex)});
    }
    return rows;
}

std::vector<TSamplingListRow> SamplingListRows(const std::vector<TSamplingRecord>& samplings)
{
    std::vector<TSamplingListRow> rows;
    rows.reserve(samplings.size());
    for (const TSamplingRecord& s : samplings) {
        rows.push_back({vcl::FormatDateTime(DateFormat, s.saiketu_time), vcl::FormatDateTime(TimeFormat, s.saiketu_time),
                        vcl::FormatFloat(QStringLiteral("0.00"), s.saiketu_value)});
    }
    return rows;
}

std::optional<TDoseRowValues> DoseRowValues(const TDoseListRow& row, const std::vector<TPrescription>& prescriptions,
                                            const TDrugKey& drug)
{
    if (row[0].isEmpty())
        return std::nullopt;
    bool isIndex = false;
    const int index = row[4].toInt(&isIndex);
    if (!isIndex || index < 0 || index >= static_cast<int>(prescriptions.size()))
        return std::nullopt;
    const QStringList time = row[1].split(QLatin1Char(':'));
    if (time.size() != 2)
        return std::nullopt;

    TDoseRowValues values;
    values.Hours = time[0].toInt();
    values.Minutes = time[1].toInt();
    const double dose = prescriptions[static_cast<std::size_t>(index)].touyo_dose;
    if (SaltFactorFor(drug)) {
        values.Dose = MoietyToFormulation(drug, dose);
        values.MoietyDose = dose;
    } else {
        values.Dose = dose;
    }
    values.InfusionHours = TypedNumber(row[3]);
    return values;
}
