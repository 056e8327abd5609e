// Full renders of the clock's LCD (4 lines of 22 cells, 5x7) in its three
// sizes, against the same four lines drawn with QPainter::drawText into an
// image of the same size, measured in the same run. The program prints the
// ratio LCD / drawText for every pair at the end (goal: 1.0 or less), and
// counts heap allocations per frame (goal: none beyond the frame image).

#include "formmain.h"
#include "lcdscreen.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

// Every heap allocation of the process passes through here (operator new
// ends in malloc too), so a benchmark can count what one frame allocates.
namespace {
std::atomic<long> g_allocations{0};
} // namespace

extern "C" {
void *__libc_malloc(std::size_t size);
void *__libc_calloc(std::size_t count, std::size_t size);
void *__libc_realloc(void *pointer, std::size_t size);

void *malloc(std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

void *calloc(std::size_t count, std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}

void *realloc(void *pointer, std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(pointer, size);
}
}

namespace {

using namespace Lcd;

struct ClockSize
{
    const char *name;
    TPixelSize pixelSize;
    quint8 pixelSpacing;
};

const ClockSize kSizes[] = {{"half", pix1x1, 0}, {"normal", pix1x1, 1}, {"double", pix2x2, 1}};

struct Content
{
    const char *name;
    QStringList lines;
};

const Content &content(int index)
{
    // what the clock shows: first and fourth line empty; and a display full of text
    static const Content contents[] = {
        {"clock",
         {QString(), QStringLiteral(" 12/07/26 07:29:55 AM"), QStringLiteral("Next Alarm: Wake up!!"), QString()}},
        {"full",
         {QStringLiteral("Monday 7 December 2026"), QStringLiteral(" 12/07/26 07:29:55 AM "),
          QStringLiteral("Next Alarm: Wake up!! "), QStringLiteral("Snooze 5 min, vol 80% ")}},
    };
    return contents[index];
}

void setUpClock(TLCDScreen &screen, const ClockSize &size)
{
    TFormMain::applyLcdDesign(screen);
    screen.setPixelSize(size.pixelSize);
    screen.setPixelSpacing(size.pixelSpacing);
}

void reportAllocations(benchmark::State &state, long before)
{
    state.counters["allocs_per_frame"] =
        benchmark::Counter(double(g_allocations.load() - before) / double(state.iterations()));
}

// The same four lines as plain text in the same area: the baseline.
class TextFrame final
{
public:
    TextFrame(const TLCDScreen &screen, const QStringList &lines)
        : m_lines(lines), m_lineStep(screen.cellHeight() + screen.LineSpacing()), m_left(screen.BorderSpace() + 1),
          m_baseline(m_left + screen.cellHeight()), m_font(QApplication::font())
    {
        m_font.setPixelSize(screen.cellHeight());
    }

    void draw(QImage &image) const
    {
        image.fill(toRgb(clSilver));
        QPainter painter(&image);
        painter.setFont(m_font);
        painter.setPen(Qt::black);
        for (int l = 0; l < m_lines.size(); ++l)
            painter.drawText(m_left, m_baseline + l * m_lineStep, m_lines.at(l));
    }

private:
    QStringList m_lines;
    int m_lineStep;
    int m_left;
    int m_baseline;
    QFont m_font;
};

// keepFrame: the real paint path, which renders into the same image again;
// otherwise a new image for every frame, for both contenders.
void lcdRender(benchmark::State &state, const ClockSize &size, int contentIndex, bool keepFrame)
{
    TLCDScreen screen;
    setUpClock(screen, size);
    screen.setLines(content(contentIndex).lines);
    QImage kept;
    screen.renderFrame(kept);
    const long before = g_allocations.load();
    for (auto _ : state) {
        QImage fresh;
        QImage &frame = keepFrame ? kept : fresh;
        screen.renderFrame(frame);
        benchmark::DoNotOptimize(frame.constBits());
        benchmark::ClobberMemory();
    }
    reportAllocations(state, before);
}

void drawTextRender(benchmark::State &state, const ClockSize &size, int contentIndex, bool keepFrame)
{
    TLCDScreen screen;
    setUpClock(screen, size);
    const TextFrame text(screen, content(contentIndex).lines);
    QImage kept(screen.size(), QImage::Format_RGB32);
    const long before = g_allocations.load();
    for (auto _ : state) {
        QImage fresh = keepFrame ? QImage() : QImage(screen.size(), QImage::Format_RGB32);
        QImage &image = keepFrame ? kept : fresh;
        text.draw(image);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    reportAllocations(state, before);
}

// Prints as usual and keeps each benchmark's time for the ratios.
class RatioReporter final : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                m_times[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }

    void printRatios() const
    {
        std::printf("\nratio LCD render / drawText baseline (<= 1.0 is the goal)\n");
        for (const auto &[name, time] : m_times) {
            const std::string prefix = "lcd/";
            if (name.rfind(prefix, 0) != 0)
                continue;
            const auto baseline = m_times.find("drawText/" + name.substr(prefix.size()));
            if (baseline != m_times.end() && baseline->second > 0)
                std::printf("  %-28s %.3f\n", name.substr(prefix.size()).c_str(), time / baseline->second);
        }
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (int sizeIndex = 0; sizeIndex < 3; ++sizeIndex) {
        for (int contentIndex = 0; contentIndex < 2; ++contentIndex) {
            const ClockSize &size = kSizes[sizeIndex];
            const std::string suffix = std::string(size.name) + "/" + content(contentIndex).name;
            benchmark::RegisterBenchmark(("lcd/" + suffix).c_str(), lcdRender, size, contentIndex, true);
            benchmark::RegisterBenchmark(("drawText/" + suffix).c_str(), drawTextRender, size, contentIndex, true);
            benchmark::RegisterBenchmark(("lcd/new-image/" + suffix).c_str(), lcdRender, size, contentIndex, false);
            benchmark::RegisterBenchmark(("drawText/new-image/" + suffix).c_str(), drawTextRender, size, contentIndex,
                                         false);
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
