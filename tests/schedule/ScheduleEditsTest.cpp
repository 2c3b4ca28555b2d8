#include "ScheduleEdits.h"

#include "DateTimeFormat.h"
#include "ScheduleExpansion.h"
#include "ScheduleLists.h"
#include "ScheduleMinutes.h"
#include "ScheduleSetOps.h"
#include "ScheduleTestData.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using schedule_test::Prescription;

constexpr TDrugKey Vancomycin{5, 1, 1, 1};
constexpr TDrugKey Lithium{6, 1, 1, 0};
constexpr TDrugKey Theophylline{2, 1, 1, 0};   // oral, no salt

TScheduleOwner OwnerOf(const TDrugKey& drug)
{
    return {QStringLiteral("20260401090000"), 3, drug};
}

vcl::TDateTime Date(int year, int month, int day)
{
    return vcl::EncodeDate(year, month, day);
}

// A daily 09:00 dose of 100 mg, open-ended, every check passing.
TPrescriptionEntry ValidEntry()
{
    TPrescriptionEntry entry;
    entry.StartDate = Date(2026, 4, 1);
    entry.EndDate = Date(2026, 4, 1);
    entry.IntervalDays = 1;
    entry.Hours = 9;
    entry.Minutes = 0;
    entry.Dose = 100;
    entry.MoietyDose = 97.5;
    entry.InfusionHours = 1;
    return entry;
}

// The days (whole day counts) of a set's administrations.
std::multiset<double> AdministrationDays(const std::vector<TPrescription>& prescriptions)
{
    std::vector<TScheduleDay> days;
    ExpandPrescriptions(prescriptions, Theophylline, days);
    std::multiset<double> result;
    for (const TScheduleDay& day : days)
        result.insert(vcl::DateOf(day.DateTime));
    return result;
}

} // namespace

TEST(PrescriptionEntry, ChecksRunInOrderWithTheirMessages)
{
    struct Case {
        const char* what;
        TDrugKey drug;
        std::function<void(TPrescriptionEntry&)> change;
        TScheduleError expected;
    };
    const auto endDate = [](vcl::TDateTime end) {
        return [end](TPrescriptionEntry& e) {
            e.Period = TDosePeriod::EndDate;
            e.EndDate = end;
        };
    };
    const Case cases[] = {
        {"1 April to 29 June is 89 days", Theophylline, endDate(Date(2026, 6, 29)), TScheduleError::None},
        {"1 April to 30 June is 90 days", Theophylline, endDate(Date(2026, 6, 30)), TScheduleError::PeriodTooLong},
        {"end before start", Theophylline, endDate(Date(2026, 3, 31)), TScheduleError::PeriodReversed},
        {"end date ignored for an open end", Theophylline, [](TPrescriptionEntry& e) { e.EndDate = Date(2027, 1, 1); },
         TScheduleError::None},
        {"dose 0", Theophylline, [](TPrescriptionEntry& e) { e.Dose = 0; }, TScheduleError::BadDose},
        {"dose not a number", Theophylline, [](TPrescriptionEntry& e) { e.Dose.reset(); }, TScheduleError::BadDose},
        {"moiety 0 in a salt case", Lithium, [](TPrescriptionEntry& e) { e.MoietyDose = 0; },
         TScheduleError::BadMoietyDose},
        {"moiety unused elsewhere", Theophylline, [](TPrescriptionEntry& e) { e.MoietyDose.reset(); },
         TScheduleError::None},
        {"infusion 0 while shown", Vancomycin,
         [](TPrescriptionEntry& e) {
             e.Infusion = TInfusionCell::Shown;
             e.InfusionHours = 0;
         },
         TScheduleError::BadInfusionTime},
        {"infusion 0 while hidden", Theophylline, [](TPrescriptionEntry& e) { e.InfusionHours = 0; },
         TScheduleError::None},
        {"interval 31", Theophylline,
         [](TPrescriptionEntry& e) {
             e.Spacing = TDoseSpacing::Interval;
             e.IntervalDays = 31;
         },
         TScheduleError::BadInterval},
        {"interval 30", Theophylline,
         [](TPrescriptionEntry& e) {
             e.Spacing = TDoseSpacing::Interval;
             e.IntervalDays = 30;
         },
         TScheduleError::None},
        {"interval ignored when daily", Theophylline, [](TPrescriptionEntry& e) { e.IntervalDays.reset(); },
         TScheduleError::None},
        {"no hour", Theophylline, [](TPrescriptionEntry& e) { e.Hours.reset(); }, TScheduleError::BadDoseTime},
        {"minute 60", Theophylline, [](TPrescriptionEntry& e) { e.Minutes = 60; }, TScheduleError::BadDoseTime},
        {"too long comes before a bad dose", Theophylline,
         [&](TPrescriptionEntry& e) {
             endDate(Date(2026, 7, 1))(e);
             e.Dose = 0;
         },
         TScheduleError::PeriodTooLong},
        {"a bad dose comes before a bad moiety", Lithium,
         [](TPrescriptionEntry& e) {
             e.Dose = 0;
             e.MoietyDose = 0;
         },
         TScheduleError::BadDose},
        {"a bad dose comes before a bad infusion time", Vancomycin,
         [](TPrescriptionEntry& e) {
             e.Dose = 0;
             e.Infusion = TInfusionCell::Shown;
             e.InfusionHours = 0;
         },
         TScheduleError::BadDose},
    };
    for (const Case& c : cases) {
        TScheduleSets sets;
        TPrescriptionEntry entry = ValidEntry();
        c.change(entry);
        EXPECT_EQ(AddPrescription(sets, entry, OwnerOf(c.drug)), c.expected) << c.what;
        const bool added = c.expected == TScheduleError::None;
        EXPECT_EQ(sets.CurPrescriptions().size(), added ? 1u : 0u) << c.what;
        EXPECT_EQ(sets.UndoList.size(), added ? 1u : 0u) << c.what;
    }
    EXPECT_EQ(ScheduleErrorText(TScheduleError::PeriodTooLong), QStringLiteral("投与期間が長すぎます。"));
    EXPECT_EQ(ScheduleErrorText(TScheduleError::PeriodReversed), QStringLiteral("開始日と終了日が逆転しています。"));
    EXPECT_EQ(ScheduleErrorText(TScheduleError::BadMoietyDose), QStringLiteral("投与量が不正です。"));
    EXPECT_EQ(ScheduleErrorText(TScheduleError::TooManyPrescriptions),
              QStringLiteral("これ以上投与スケジュールを設定できません。"));
    EXPECT_EQ(ScheduleErrorText(TScheduleError::BadInfusionTime), QStringLiteral("点滴時間が不正です。"));
    EXPECT_EQ(ScheduleErrorText(TScheduleError::CutTooManyPrescriptions),
              QStringLiteral("1つのスケジュールに登録できる処方は24件までです。"));
    EXPECT_EQ(ScheduleErrorText(TScheduleError::TooManySamplings), QStringLiteral("これ以上採血情報を設定できません。"));
    EXPECT_EQ(ScheduleErrorCaption, QStringLiteral("投与/採血スケジュールエラー"));
}

TEST(PrescriptionEntry, TheTwentyFifthPrescriptionOfASetIsRefused)
{
    TScheduleSets sets;
    TPrescriptionEntry entry = ValidEntry();
    // Entered latest first: the set is kept in start order.
    for (int i = 0; i < MaxPrescriptionsPerSet; ++i) {
        entry.StartDate = Date(2026, 4, 1) + MaxPrescriptionsPerSet - 1 - i;
        entry.Period = TDosePeriod::StartOnly;
        ASSERT_EQ(AddPrescription(sets, entry, OwnerOf(Theophylline)), TScheduleError::None) << i;
    }
    EXPECT_EQ(AddPrescription(sets, entry, OwnerOf(Theophylline)), TScheduleError::TooManyPrescriptions);
    EXPECT_EQ(sets.CurPrescriptions().size(), 24u);
    EXPECT_EQ(sets.CurPrescriptions().front().touyo_start_time, Date(2026, 4, 1));
    EXPECT_EQ(sets.CurPrescriptions().back().touyo_start_time, Date(2026, 4, 24));
    // The full set is the fifth check: after the amounts, before the infusion time.
    TPrescriptionEntry noMoiety = entry;
    noMoiety.MoietyDose = 0;
    EXPECT_EQ(AddPrescription(sets, noMoiety, OwnerOf(Lithium)), TScheduleError::BadMoietyDose);
    TPrescriptionEntry noInfusion = entry;
    noInfusion.Infusion = TInfusionCell::Shown;
    noInfusion.InfusionHours = 0;
    EXPECT_EQ(AddPrescription(sets, noInfusion, OwnerOf(Vancomycin)), TScheduleError::TooManyPrescriptions);
    sets.CurSetIndex = 1;
    EXPECT_EQ(AddPrescription(sets, entry, OwnerOf(Theophylline)), TScheduleError::None);
    EXPECT_EQ(sets.PrescriptionLists[1].size(), 1u);
}

TEST(PrescriptionEntry, AnInfusionThatStartsBeforeTheLastOneEndedIsRefused)
{
    TScheduleSets sets;
    TPrescriptionEntry entry = ValidEntry();
    entry.Infusion = TInfusionCell::Shown;
    entry.InfusionHours = 24;   // every day 09:00 to 09:00: each end meets the next start
    ASSERT_EQ(AddPrescription(sets, entry, OwnerOf(Vancomycin)), TScheduleError::None);
    ASSERT_EQ(sets.CurScheduleDays().size(), 90u);

    entry.Hours = 21;
    entry.InfusionHours = 1;
    EXPECT_EQ(AddPrescription(sets, entry, OwnerOf(Vancomycin)), TScheduleError::OverlappingInfusions);
    EXPECT_EQ(sets.CurPrescriptions().size(), 1u);
    EXPECT_EQ(sets.UndoList.size(), 1u);

    // An oral drug has no infusions to overlap.
    TScheduleSets oral;
    entry.Hours = 9;
    entry.InfusionHours = 24;
    ASSERT_EQ(AddPrescription(oral, entry, OwnerOf(Theophylline)), TScheduleError::None);
    entry.Hours = 21;
    EXPECT_EQ(AddPrescription(oral, entry, OwnerOf(Theophylline)), TScheduleError::None);
}

TEST(PrescriptionEntry, ThePrescriptionCarriesTheEntryAndShowsTheFormulationAgain)
{
    TPrescriptionEntry entry = ValidEntry();
    entry.Spacing = TDoseSpacing::Interval;
    entry.IntervalDays = 3.7;
    entry.Hours = 9;
    entry.Minutes = 5;
    entry.Dose = 600;
    entry.InfusionHours = 1.5;
    const TPrescription p = AddPrescriptionFromEntry(entry, OwnerOf(Lithium), 2);
    EXPECT_EQ(p.patient_id, QStringLiteral("20260401090000"));
    EXPECT_EQ(p.analysis_id, 3);
    EXPECT_EQ(p.result_id, 2);
    EXPECT_EQ(p.touyo_id, -1);
    EXPECT_EQ(p.touyo_start_time, Date(2026, 4, 1));
    EXPECT_EQ(p.touyo_end_time, OpenEndDate);
    EXPECT_EQ(p.touyo_interval, 3);
    EXPECT_EQ(p.touyo_time, vcl::EncodeTime(9, 5, 0, 0));
    EXPECT_EQ(p.touyo_dose, 600 * 0.1878467992962512);
    EXPECT_EQ(p.touyo_drip_time, 1.5);

    std::vector<TScheduleDay> days;
    ExpandPrescriptions({p}, Lithium, days);
    const std::vector<TDoseListRow> rows = DoseListRows(days, Date(2026, 4, 1), Lithium);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (TDoseListRow{"2026/04/01", "09:05", "600", "1.50", "0"}));
    const std::optional<TDoseRowValues> back = DoseRowValues(rows[0], {p}, Lithium);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Hours, 9);
    EXPECT_EQ(back->Minutes, 5);
    EXPECT_EQ(back->Dose, 600);
    EXPECT_EQ(back->MoietyDose, p.touyo_dose);
    EXPECT_EQ(back->InfusionHours, 1.5);
    // A row whose prescription is not in the set (a list left from another set).
    EXPECT_FALSE(DoseRowValues(rows[0], {}, Lithium));

    entry.Amount = TAmountChoice::Moiety;
    entry.MoietyDose = 112.7;
    entry.Period = TDosePeriod::StartOnly;
    const TPrescription moiety = AddPrescriptionFromEntry(entry, OwnerOf(Lithium), 0);
    EXPECT_EQ(moiety.touyo_dose, 112.7);
    EXPECT_EQ(moiety.touyo_end_time, moiety.touyo_start_time);
    // The formulation shown again is rounded to the whole amount: floor(112.7 x 5.3235 + 0.5).
    ExpandPrescriptions({moiety}, Lithium, days);
    const std::optional<TDoseRowValues> moietyBack =
        DoseRowValues(DoseListRows(days, Date(2026, 4, 1), Lithium).at(0), {moiety}, Lithium);
    ASSERT_TRUE(moietyBack);
    EXPECT_EQ(moietyBack->Dose, 600);
    // A day's administrations are listed in time order, whatever the order of their prescriptions.
    TPrescription evening = moiety;
    evening.touyo_time = vcl::EncodeTime(21, 0, 0, 0);
    ExpandPrescriptions({evening, moiety}, Lithium, days);
    const std::vector<TDoseListRow> day = DoseListRows(days, Date(2026, 4, 1), Lithium);
    ASSERT_EQ(day.size(), 2u);
    EXPECT_EQ(day[0][1], QStringLiteral("09:05"));
    EXPECT_EQ(day[0][4], QStringLiteral("1"));
    EXPECT_EQ(day[1][1], QStringLiteral("21:00"));
    entry.Spacing = TDoseSpacing::Daily;
    EXPECT_EQ(AddPrescriptionFromEntry(entry, OwnerOf(Theophylline), 0).touyo_dose, 600);
    EXPECT_EQ(AddPrescriptionFromEntry(entry, OwnerOf(Theophylline), 0).touyo_interval, 1);
}

TEST(DoseRangeCut, CutsFromTheEdgeCases)
{
    const double d1 = Date(2026, 4, 1);
    const auto day = [d1](int n) { return d1 + n - 1; };
    struct Case {
        const char* what;
        TPrescription prescription;
        TDoseRangeCut cut;
        std::vector<std::pair<double, double>> pieces;   // start, end
    };
    const Case cases[] = {
        {"all from day 10 of a daily 1..30", Prescription(day(1), day(30), 1, 0.375, 100),
         {day(10), TCutPeriod::AllFromStart, 0}, {{day(1), day(9)}}},
        {"day 10 only of a daily 1..30", Prescription(day(1), day(30), 1, 0.375, 100),
         {day(10), TCutPeriod::StartOnly, 0}, {{day(1), day(9)}, {day(11), day(30)}}},
        {"day 2 of every 3 days keeps the dose of day 1", Prescription(day(1), day(30), 3, 0.375, 100),
         {day(2), TCutPeriod::StartOnly, 0}, {{day(1), day(1)}, {day(4), day(30)}}},
        {"day 3 the same", Prescription(day(1), day(30), 3, 0.375, 100), {day(3), TCutPeriod::StartOnly, 0},
         {{day(1), day(2)}, {day(4), day(30)}}},
        {"day 4 of days 1, 4, 7 keeps 7", Prescription(day(1), day(30), 3, 0.375, 100),
         {day(4), TCutPeriod::StartOnly, 0}, {{day(1), day(3)}, {day(7), day(30)}}},
        {"day 27 of days 1 .. 28 ending on 29 keeps 28", Prescription(day(1), day(29), 3, 0.375, 100),
         {day(27), TCutPeriod::StartOnly, 0}, {{day(1), day(26)}, {day(28), day(29)}}},
        {"days 5 to 8 of every 3 days", Prescription(day(1), day(30), 3, 0.375, 100),
         {day(5), TCutPeriod::EndDate, day(8)}, {{day(1), day(4)}, {day(10), day(30)}}},
        {"the first day only", Prescription(day(1), day(30), 1, 0.375, 100), {day(1), TCutPeriod::StartOnly, 0},
         {{day(2), day(30)}}},
        {"an untouched open end becomes explicit", Prescription(day(1), OpenEndDate, 1, 0.375, 100),
         {day(95), TCutPeriod::AllFromStart, 0}, {{day(1), day(90)}}},
    };
    for (const Case& c : cases) {
        std::vector<TPrescription> result;
        ASSERT_EQ(DeleteDoseRange({c.prescription}, c.cut, result), TScheduleError::None) << c.what;
        ASSERT_EQ(result.size(), c.pieces.size()) << c.what;
        for (std::size_t i = 0; i < result.size(); ++i) {
            EXPECT_EQ(result[i].touyo_start_time, c.pieces[i].first) << c.what << " piece " << i;
            EXPECT_EQ(result[i].touyo_end_time, c.pieces[i].second) << c.what << " piece " << i;
            EXPECT_EQ(result[i].touyo_interval, c.prescription.touyo_interval) << c.what;
            EXPECT_EQ(result[i].touyo_dose, 100) << c.what;
        }
    }
}

TEST(DoseRangeCut, RemovesExactlyTheAdministrationsInTheCutAndMovesNoOther)
{
    const double d1 = Date(2026, 4, 1);
    for (int interval : {1, 2, 3, 7}) {
        for (int length : {0, 1, 6, 28, 89}) {
            const TPrescription p = Prescription(d1, d1 + length, interval, 0.375, 100);
            const std::multiset<double> before = AdministrationDays({p});
            for (int from = -2; from <= length + 2; ++from) {
                for (TCutPeriod period : {TCutPeriod::AllFromStart, TCutPeriod::StartOnly, TCutPeriod::EndDate}) {
                    for (int to = from; to <= (period == TCutPeriod::EndDate ? from + 9 : from); ++to) {
                        const TDoseRangeCut cut{d1 + from, period, d1 + to};
                        std::vector<TPrescription> result;
                        ASSERT_EQ(DeleteDoseRange({p}, cut, result), TScheduleError::None);
                        const double last = period == TCutPeriod::AllFromStart ? d1 + length
                                            : period == TCutPeriod::StartOnly ? d1 + from
                                                                              : d1 + to;
                        std::multiset<double> expected;
                        for (double day : before) {
                            if (day < d1 + from || day > last)
                                expected.insert(day);
                        }
                        ASSERT_EQ(AdministrationDays(result), expected)
                            << "interval " << interval << " length " << length << " from " << from << " to " << to;
                    }
                }
            }
        }
    }
}

TEST(DoseRangeCut, RefusalsChangeNothing)
{
    TScheduleSets sets;
    const double d1 = Date(2026, 4, 1);
    sets.CurPrescriptions() = {Prescription(d1, d1 + 29, 1, 0.375, 100)};
    ExpandPrescriptions(sets.CurPrescriptions(), Theophylline, sets.CurScheduleDays());
    const auto unchanged = [&] {
        EXPECT_EQ(sets.CurPrescriptions().size(), 1u);
        EXPECT_EQ(sets.CurScheduleDays().size(), 30u);
        EXPECT_TRUE(sets.UndoList.empty());
    };

    // "終了日" before the start would make a head and a tail that overlap.
    EXPECT_EQ(DeletePrescriptionPeriod(sets, {d1 + 10, TCutPeriod::EndDate, d1 + 5}, Theophylline),
              TScheduleError::CutEndBeforeStart);
    unchanged();

    // Thirteen prescriptions each split in two would be 26.
    for (int i = 1; i < 13; ++i)
        sets.CurPrescriptions().push_back(Prescription(d1 + i, d1 + 29, 1, 0.375, 100));
    ExpandPrescriptions(sets.CurPrescriptions(), Theophylline, sets.CurScheduleDays());
    const std::size_t days = sets.CurScheduleDays().size();
    EXPECT_EQ(DeletePrescriptionPeriod(sets, {d1 + 20, TCutPeriod::StartOnly, 0}, Theophylline),
              TScheduleError::CutTooManyPrescriptions);
    EXPECT_EQ(sets.CurPrescriptions().size(), 13u);
    EXPECT_EQ(sets.CurScheduleDays().size(), days);
    EXPECT_TRUE(sets.UndoList.empty());

    // Twelve split in two fit, and the cut can be undone.
    sets.CurPrescriptions().pop_back();
    const std::vector<TPrescription> before = sets.CurPrescriptions();
    ASSERT_EQ(DeletePrescriptionPeriod(sets, {d1 + 20, TCutPeriod::StartOnly, 0}, Theophylline),
              TScheduleError::None);
    EXPECT_EQ(sets.CurPrescriptions().size(), 24u);
    ASSERT_TRUE(UndoScheduleEdit(sets, Theophylline));
    ASSERT_EQ(sets.CurPrescriptions().size(), before.size());
    EXPECT_EQ(sets.CurScheduleDays().size(), AdministrationDays(before).size());
}

TEST(SamplingEntry, ChecksAddsInTimeOrderAndDeletes)
{
    TScheduleSets sets;
    const double d1 = Date(2026, 4, 1);
    TSamplingEntry entry{d1, 8, 30, 12.5};
    EXPECT_EQ(AddSampling(sets, {d1, 8, 30, 0.0}, OwnerOf(Vancomycin)), TScheduleError::BadSamplingValue);
    EXPECT_EQ(AddSampling(sets, {d1, 8, 30, std::nullopt}, OwnerOf(Vancomycin)), TScheduleError::BadSamplingValue);
    EXPECT_EQ(AddSampling(sets, {d1, std::nullopt, 30, 1.0}, OwnerOf(Vancomycin)), TScheduleError::BadSamplingTime);
    EXPECT_TRUE(sets.UndoList.empty());

    for (int i = 0; i < MaxSamplings; ++i) {
        entry.Date = d1 + (i % 3);
        entry.Hours = 20 - i;
        ASSERT_EQ(AddSampling(sets, entry, OwnerOf(Vancomycin)), TScheduleError::None) << i;
    }
    EXPECT_EQ(AddSampling(sets, entry, OwnerOf(Vancomycin)), TScheduleError::TooManySamplings);
    EXPECT_EQ(AddSampling(sets, {d1, 8, 30, 0.0}, OwnerOf(Vancomycin)), TScheduleError::BadSamplingValue);
    ASSERT_EQ(sets.Samplings.size(), 8u);
    for (std::size_t i = 1; i < sets.Samplings.size(); ++i)
        EXPECT_LT(sets.Samplings[i - 1].saiketu_time, sets.Samplings[i].saiketu_time);
    EXPECT_EQ(sets.Samplings[0].saiketu_id, -1);
    EXPECT_EQ(sets.Samplings[0].analysis_id, 3);

    EXPECT_FALSE(DeleteSampling(sets, 8));
    EXPECT_FALSE(DeleteSampling(sets, -1));
    const std::size_t undoSteps = sets.UndoList.size();
    EXPECT_TRUE(DeleteSampling(sets, 0));
    EXPECT_EQ(sets.UndoList.size(), undoSteps + 1);
    // The first day holds three samplings (i = 0, 3, 6), now two after the deletion.
    DeleteSamplingsOfDay(sets, d1 + 0.99);
    EXPECT_EQ(sets.Samplings.size(), 5u);
    DeleteSamplingsOfDay(sets, d1 + 1);
    EXPECT_EQ(sets.Samplings.size(), 2u);
    ASSERT_TRUE(UndoScheduleEdit(sets, Vancomycin));
    EXPECT_EQ(sets.Samplings.size(), 5u);
}

TEST(ScheduleEntry, NumbersAsTypedAndTheTimeOfDay)
{
    for (const char* text : {"", ".", "-", "-.", " ", "1e999"})
        EXPECT_EQ(TypedNumber(QString::fromLatin1(text)), 0) << text;
    EXPECT_EQ(TypedNumber(QStringLiteral("1.")), 1);
    EXPECT_EQ(TypedNumber(QStringLiteral(".5")), 0.5);
    EXPECT_EQ(TypedNumber(QStringLiteral("-2")), -2);
    EXPECT_TRUE(EntryCellsFilled({QStringLiteral("0.5"), QStringLiteral("1")}));
    EXPECT_FALSE(EntryCellsFilled({QStringLiteral("0.5"), QStringLiteral("0.0")}));
    EXPECT_FALSE(EntryCellsFilled({QStringLiteral(".")}));
    EXPECT_FALSE(EntryCellsFilled({QString()}));

    EXPECT_EQ(TimeOfDayFromCells(9, 5), vcl::EncodeTime(9, 5, 0, 0));
    EXPECT_EQ(TimeOfDayFromCells(23.9, 59), vcl::EncodeTime(23, 59, 0, 0));
    EXPECT_FALSE(TimeOfDayFromCells(24, 0));
    EXPECT_FALSE(TimeOfDayFromCells(-1, 0));
    EXPECT_FALSE(TimeOfDayFromCells(std::nullopt, 0));
}

TEST(ScheduleSetChoice, ListsTheUsedSetsAndTheCurrentOne)
{
    TScheduleSets sets;
    const TPrescription p = Prescription(Date(2026, 4, 1), 0, 1, 0.375, 100);
    EXPECT_EQ(LastListedScheduleSet(sets), 0);
    sets.PrescriptionLists[1] = {p};
    sets.PrescriptionLists[3] = {p};
    EXPECT_EQ(LastListedScheduleSet(sets), 1);
    // Set 2 was just emptied while current: still listed; set 3 is not.
    sets.CurSetIndex = 2;
    EXPECT_EQ(LastListedScheduleSet(sets), 2);
    sets.PrescriptionLists[2] = {p};
    EXPECT_EQ(LastListedScheduleSet(sets), 3);
    EXPECT_EQ(ScheduleSetChoices(0), QStringList{QStringLiteral("患者データ")});
    EXPECT_EQ(ScheduleSetChoices(3), (QStringList{QStringLiteral("患者データ"), QStringLiteral("変更1"),
                                                  QStringLiteral("変更2"), QStringLiteral("変更3")}));
}

TEST(ScheduleDays, EveryDayFrom1900To2099CountsAndShowsAsItsDate)
{
    QDate date(1900, 1, 1);
    const vcl::TDateTime first = vcl::FromQDate(date);
    EXPECT_EQ(first, 2.0);
    for (vcl::TDateTime day = first; date <= QDate(2099, 12, 31); date = date.addDays(1), day += 1) {
        ASSERT_EQ(vcl::FromQDate(date), day) << date.toString().toStdString();
        ASSERT_EQ(vcl::ToQDate(day + 0.75), date);
        ASSERT_EQ(vcl::FormatDateTime(QStringLiteral("yyyy/mm/dd"), day + 0.75), date.toString(QStringLiteral("yyyy/MM/dd")));
        ASSERT_EQ(CalendarDayOf(day + 0.75), day);
        ASSERT_EQ(DateTimeToMinutes(day + vcl::EncodeTime(9, 5, 0, 0)), day * 1440 + 545);
    }
    // A time a hair before midnight shows as the next day, in the lists and in the minutes alike.
    const double lateEvening = first + 1 - 1e-10;
    EXPECT_EQ(CalendarDayOf(lateEvening), first + 1);
    EXPECT_EQ(DateTimeToMinutes(lateEvening), (first + 1) * 1440);
}
