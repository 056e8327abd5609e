// The cost of one scheduler tick (the next-alarm refresh and the due tests)
// over a full catalogue of 256 rows, against the cost of only formatting the
// clock line, measured in the same run.

#include "alarmcatalogue.h"
#include "alarmrecord.h"
#include "alarmscheduler.h"
#include "clock.h"
#include "datetimeformatter.h"

#include <benchmark/benchmark.h>

namespace {

void fillCatalogue(AlarmCatalogue &catalogue)
{
    const DateTimeFormatter formatter(LocaleFormats::usEnglish());
    for (int slot = 0; slot < AlarmCatalogue::SlotCount; ++slot) {
        EditorResult result;
        result.caption = QStringLiteral("Alarm %1").arg(slot);
        result.frequencyCode = slot % 6;
        result.alarmTime = QTime(slot % 24, (slot * 7) % 60, (slot * 13) % 60);
        result.alarmDate = QDate(2026, 1 + slot % 12, 1 + slot % 28);
        result.weekdayMask = QStringLiteral("0111110");
        catalogue.appendRow(CatalogueRow::fromEditorResult(result, slot, formatter));
    }
}

void BM_SchedulerTick256Rows(benchmark::State &state)
{
    AlarmCatalogue catalogue;
    fillCatalogue(catalogue);
    ManualClock clock(QDateTime(QDate(2026, 12, 7), QTime(6, 0)));
    const DateTimeFormatter formatter(LocaleFormats::usEnglish());
    AlarmScheduler scheduler(catalogue, clock, formatter);
    for (auto _ : state) {
        clock.advance(200);
        benchmark::DoNotOptimize(scheduler.refresh());
        scheduler.collectDue();
        while (scheduler.takeNext()) {
        }
    }
}
BENCHMARK(BM_SchedulerTick256Rows);

void BM_BaselineClockLineOnly(benchmark::State &state)
{
    ManualClock clock(QDateTime(QDate(2026, 12, 7), QTime(6, 0)));
    const DateTimeFormatter formatter(LocaleFormats::usEnglish());
    for (auto _ : state) {
        clock.advance(200);
        benchmark::DoNotOptimize(ScheduleRules::clockLine(clock.now(), formatter));
    }
}
BENCHMARK(BM_BaselineClockLineOnly);

} // namespace

BENCHMARK_MAIN();
