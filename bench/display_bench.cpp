// SPDX-License-Identifier: MIT
// Cost of a repaint of the keyboard pages during a band drag, next to a repaint of the
// same page in which no drag runs. Runs on the offscreen platform.

#include "benchmain.h"
#include "display/customledwid.h"
#include "keylight/keytable.h"
#include "display/ledkeybtn.h"
#include "display/multizonewid.h"
#include "stopwatch.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {
constexpr int kRgb = 3;

QPoint centreOf(QWidget* page, const char* name)
{
    return page->findChild<LedKeyBtn*>(QLatin1String(name))->geometry().center();
}

void showPage(QWidget& page)
{
    page.show();
    QApplication::processEvents();
    page.repaint();
}

void mouse(QWidget& page, QEvent::Type type, QPoint pos)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, page.mapToGlobal(pos), button, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&page, &event);
}

// The band from above the Q row's left end to the middle of the Z row: a few dozen keys
// under it, the rest outside.
void startDrag(QWidget& page)
{
    const QPoint start = centreOf(&page, "m_tab") - QPoint(30, 20);
    mouse(page, QEvent::MouseButtonPress, start);
    mouse(page, QEvent::MouseMove, centreOf(&page, "m_b"));
    page.repaint();
}

void loadCustom(CustomLedWid& page)
{
    vantor_light_custom record;
    for (int i = 0; i < kLedCount * kRgb; ++i)
        record.led[i] = uchar(i * 7);
    record.brightness = 200;
    page.setCustomLight(record);
    page.setLedColor(QColor(255, 128, 0, 200));
}

void loadZones(MultizoneWid& page)
{
    std::vector<vantor_light> zones(kSubModeCount);
    vantor_filter filter;
    // Every third key in the current zone, the others spread over the other zones.
    int n = 0;
    for (const KeyInfo& key : KeyTable::kKeys)
        filter.zone[n++ % kSubModeCount][key.led] = 1;
    page.setMultizone(0, zones, filter);
}

// Three pages of one kind side by side: one idle, one in a drag whose band stands still,
// one in a drag whose corner moves between two keys so that one key enters or leaves the
// band at every repaint. Each iteration repaints all three, so the drift of a shared
// machine falls on all of them alike; the ratios compare the medians of thread CPU time.
// One function per kind of repaint, kept apart (not inlined, not folded into one), so that
// bench/instructions.sh can count the instructions of each under callgrind.
volatile int g_kind;
__attribute__((noinline)) void repaintIdlePage(QWidget& page)
{
    g_kind = 0;
    page.repaint();
}
__attribute__((noinline)) void repaintSteadyDrag(QWidget& page)
{
    g_kind = 1;
    page.repaint();
}
__attribute__((noinline)) void repaintMovingDrag(QWidget& page)
{
    g_kind = 2;
    page.repaint();
}

template <typename Page, void (*load)(Page&)>
void dragRepaint(benchmark::State& state)
{
    Page idle(nullptr);
    Page steady(nullptr);
    Page moving(nullptr);
    for (Page* page : {&idle, &steady, &moving}) {
        load(*page);
        showPage(*page);
    }
    startDrag(steady);
    startDrag(moving);
    const QPoint ends[] = {centreOf(&moving, "m_b"), centreOf(&moving, "m_n")};
    const auto timed = [](void (*repaint)(QWidget&), QWidget& page, std::vector<double>& times) {
        const Stopwatch watch;
        repaint(page);
        times.push_back(watch.cpuMs() * 1000);
    };
    std::vector<double> idleUs;
    std::vector<double> steadyUs;
    std::vector<double> movingUs;
    int i = 0;
    for (auto _ : state) {
        timed(repaintIdlePage, idle, idleUs);
        timed(repaintSteadyDrag, steady, steadyUs);
        mouse(moving, QEvent::MouseMove, ends[++i % 2]);
        timed(repaintMovingDrag, moving, movingUs);
    }
    state.counters["idle_us"] = median(idleUs);
    state.counters["steady_us"] = median(steadyUs);
    state.counters["moving_us"] = median(movingUs);
    state.counters["steady_ratio"] = median(steadyUs) / median(idleUs);
    state.counters["moving_ratio"] = median(movingUs) / median(idleUs);
}
} // namespace

BENCHMARK_TEMPLATE(dragRepaint, CustomLedWid, loadCustom)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(dragRepaint, MultizoneWid, loadZones)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
