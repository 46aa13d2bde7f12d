// SPDX-License-Identifier: MIT
// What the host adds to a click: the same mode clicks on the page alone and on the page
// inside the host's window, side by side in one process and interleaved click by click, so
// a busy machine slows both alike. Each click is timed from the press until the event loop
// has nothing left to do. The page alone carries the host's style sheet, without which its
// RESET and APPLY buttons have no height; a bare page is timed too, for comparison. The
// window saves as keylight-host does (coalesced, on a thread of its own); the second run
// saves as the host did before, twice inside every click.

#include "benchmain.h"
#include "stopwatch.h"
#include "host/app/hostassembly.h"
#include "host/device/virtualkeyboard.h"
#include "host/device/virtualkeyboardwid.h"
#include "host/app/hostlauncher.h"
#include "host/session/hostsession.h"
#include "host/window/hostwindow.h"
#include "host/session/onboardcheck.h"
#include "host/window/theme.h"
#include "keylight/keylightwid.h"
#include "platform/profilestore/profilestore.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <vector>

namespace {
constexpr int kModes[] = {Mode::RainbowWave, Mode::Static};
// Enough rounds of processing for any chain of posted events a click starts.
constexpr int kMostRounds = 1000;
constexpr double kNsPerMs = 1e6;
constexpr double kMedian = 0.5;
constexpr double kNinetiethPercentile = 0.9;
// Clicks per page and run: enough for steady medians on a shared machine.
constexpr int kClicks = 400;

QAbstractButton* modeButton(QWidget* page, int mode)
{
    return page->findChild<QAbstractButton*>(
        QLatin1String(ModeCatalogue::info(mode).buttonObject));
}


struct ClickCost
{
    double cpuMs;
    double wallMs;
};

ClickCost click(QAbstractButton* button)
{
    QElapsedTimer clock;
    clock.start();
    const double cpuStart = Stopwatch::threadCpuMs();
    QTest::mouseClick(button, Qt::LeftButton);
    for (int round = 0; round < kMostRounds; ++round) {
        if (!QAbstractEventDispatcher::instance()->processEvents(QEventLoop::AllEvents))
            break;
    }
    return {Stopwatch::threadCpuMs() - cpuStart, double(clock.nsecsElapsed()) / kNsPerMs};
}

// Each click's costs, kept apart so that medians can be taken of each.
struct Costs
{
    std::vector<double> cpuMs;
    std::vector<double> wallMs;

    void add(const ClickCost& cost)
    {
        cpuMs.push_back(cost.cpuMs);
        wallMs.push_back(cost.wallMs);
    }
};


// state.range(0): 1 saves as the host does now, 0 as it did before.
void BM_ModeClickPageAndWindow(benchmark::State& state)
{
    const bool deferred = state.range(0) == 1;
    QTemporaryDir folder;
    ProfileStore store;
    store.open(ProfileStore::fileNameInFolder(folder.path()));
    if (deferred)
        store.setDeferredSaving(HostLauncher::kSaveQuietMs, HostLauncher::kSaveLongestMs);

    VirtualKeyboard keyboard;
    HostAssembly host(store, &keyboard);
    HostWindow window(store, host.session(), host.requestLog());
    window.addDeviceView(QStringLiteral("Virtual keyboard"), new VirtualKeyboardWid(&keyboard));
    window.session()->setAppliedCheck(OnboardCheck::forKeyboard(keyboard, store));
    window.start(0);
    window.show();
    // The pages alone read the same store, through the same installed instance, and send
    // their requests to nobody.
    KeyLightWid page;
    page.setStyleSheet(Theme::styleSheet());
    KeyLightWid barePage;
    for (KeyLightWid* alone : {&page, &barePage}) {
        alone->resize(window.page()->size());
        alone->updateUi(0);
        alone->show();
        if (!QTest::qWaitForWindowExposed(alone))
            state.SkipWithError("a page was not shown");
    }
    if (!QTest::qWaitForWindowExposed(&window))
        state.SkipWithError("the window was not shown");

    Costs bare;
    Costs styled;
    Costs hosted;
    std::size_t next = 0;
    for (auto _ : state) {
        const int mode = kModes[next++ % std::size(kModes)];
        bare.add(click(modeButton(&barePage, mode)));
        styled.add(click(modeButton(&page, mode)));
        hosted.add(click(modeButton(window.page(), mode)));
    }
    store.flush();
    // The target: the window's click against the styled page's, in processor time.
    const double pageCpu = percentile(styled.cpuMs, kMedian);
    const double windowCpu = percentile(hosted.cpuMs, kMedian);
    state.counters["page_ms"] = pageCpu;
    state.counters["window_ms"] = windowCpu;
    state.counters["extra_ms"] = windowCpu - pageCpu;
    state.counters["ratio"] = windowCpu / pageCpu;
    state.counters["window_p90_ms"] = percentile(hosted.cpuMs, kNinetiethPercentile);
    state.counters["bare_page_ms"] = percentile(bare.cpuMs, kMedian);
    // Wall time, press to idle, waiting for a core included.
    state.counters["page_wall_ms"] = percentile(styled.wallMs, kMedian);
    state.counters["window_wall_ms"] = percentile(hosted.wallMs, kMedian);
}
BENCHMARK(BM_ModeClickPageAndWindow)
    ->ArgName("deferred")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(kClicks)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](QApplication& app) { Theme::apply(app); });
}
