#include "ScheduleExpansion.h"

#include "SaltFactors.h"

#include <algorithm>
#include <cmath>

ExpansionResult ExpandPrescriptions(const std::vector<TPrescription>& prescriptions, const TDrugKey& drug,
                                    std::vector<TScheduleDay>& days)
{
    days.clear();
    const std::optional<TSaltFactor> salt = SaltFactorFor(drug);
    const int count = static_cast<int>(prescriptions.size());
    for (int i = 0; i < count; ++i) {
        const TPrescription& p = prescriptions[i];
        const double start = p.touyo_start_time;
        const double end = p.touyo_end_time == OpenEndDate ? start + OpenEndExtraDays : p.touyo_end_time;
        const double dayCount = std::trunc(end - start + 1);
        const int interval = std::max(p.touyo_interval, MinIntervalDays);
        const double formulation = salt ? std::floor(p.touyo_dose * salt->Reciprocal + 0.5) : p.touyo_dose;
        for (double d = 0; d < dayCount; d += interval) {
            if (days.size() == static_cast<std::size_t>(MaxExpandedDays))
                return ExpansionResult::CutAtLimit;
            days.push_back({i, start + d + p.touyo_time, p.touyo_dose, p.touyo_drip_time, formulation});
        }
    }
    return ExpansionResult::Complete;
}
