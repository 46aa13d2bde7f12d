// SPDX-License-Identifier: MIT
// What a person waits for on the whole page: the page made, loaded and first painted, a
// stored profile shown again, and a click on a mode button answered by its request. Each
// figure stands next to its floor, measured in the same run. Runs on the offscreen platform.

#include "benchmain.h"
#include "keylight/keylightwid.h"
#include "keylight/modecatalogue.h"
#include "platform/profilestore/profilestore.h"
#include "stopwatch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <vector>

namespace {
// The size the host gives the page in its window.
constexpr QSize kPageSize(1066, 670);
constexpr uchar kPainted = 1;   // a per-key profile with painted keys
constexpr uchar kLayered = 2;   // a multilayer profile
constexpr int kMinHeight = 24;  // the host's height for RESET and APPLY

// Profiles that exercise every kind of page: painted keys, layers, zones, colours.
void fillStore(ProfileStore& store)
{
    ProfileData painted = ProfileData::factoryDefaults();
    painted.activeMode = Mode::Custom;
    for (int i = 0; i < kLedCount * 3; ++i)
        painted.custom.led[i] = uchar(i * 7);
    painted.custom.brightness = 180;
    for (int zone = 0; zone < kSubModeCount; ++zone) {
        painted.zones[std::size_t(zone)].mode = uchar(Mode::Breathing + zone);
        for (int led = zone; led < kLedCount; led += kSubModeCount)
            painted.filter.zone[zone][led] = 1;
    }
    store.setProfile(kPainted, painted);

    ProfileData layered = ProfileData::factoryDefaults();
    layered.activeMode = Mode::Multilayer;
    layered.currentLayer = 1;
    for (int layer = 0; layer < kSubModeCount; ++layer)
        layered.layers[std::size_t(layer)].mode = uchar(Mode::Stars + layer);
    layered.modeLights[Mode::Ripple].fg_r = 12;
    store.setProfile(kLayered, layered);
}

// A page as the host shows it, with the store installed.
struct Fixture
{
    Fixture()
    {
        fillStore(store);
        IVantorProfileCfg::setInstance(&store);
    }
    ~Fixture() { IVantorProfileCfg::setInstance(nullptr); }

    ProfileStore store;
};

void giveButtonsHeight(KeyLightWid& page)
{
    for (auto* button : page.findChildren<QAbstractButton*>()) {
        if (button->parentWidget() == &page)
            button->setMinimumHeight(kMinHeight);
    }
}

void click(QWidget* target)
{
    const QPoint at = target->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

// Constructed, loaded with a stored profile and painted for the first time.
void pageReady(benchmark::State& state)
{
    Fixture fixture;
    for (auto _ : state) {
        KeyLightWid page;
        giveButtonsHeight(page);
        page.resize(kPageSize);
        page.updateUi(kPainted);
        benchmark::DoNotOptimize(page.grab());
    }
}

// Showing stored profiles one after the other, as a profile switch does.
void updateUi(benchmark::State& state)
{
    Fixture fixture;
    KeyLightWid page;
    giveButtonsHeight(page);
    page.resize(kPageSize);
    page.show();
    QApplication::processEvents();
    const uchar profiles[] = {kPainted, kLayered, 0};
    int i = 0;
    for (auto _ : state)
        page.updateUi(profiles[i++ % 3]);
}

// One click's times, from the press until its request and until the event loop is idle.
struct ClickTimes
{
    double cpuToRequest = 0;
    double wallToRequest = 0;
    double cpuWhole = 0;
};

// Clicks every mode button in list order, twice in a row: the second click of a mode finds
// the panels already in its state.
std::vector<ClickTimes> clickModesTwice(KeyLightWid& page)
{
    Stopwatch watch;
    ClickTimes times;
    QObject::connect(&page, &KeyLightWid::sigSdkRequest, &page, [&](int, void*) {
        times.cpuToRequest = watch.cpuMs();
        times.wallToRequest = watch.wallMs();
    });
    std::vector<ClickTimes> clicks;
    for (int mode : ModeCatalogue::listOrder()) {
        auto* button = page.findChild<QAbstractButton*>(
            QLatin1String(ModeCatalogue::info(mode).buttonObject));
        for (int n = 0; n < 2; ++n) {
            watch = Stopwatch();
            click(button);
            QApplication::processEvents(); // the repaint the click asked for
            times.cpuWhole = watch.cpuMs();
            clicks.push_back(times);
        }
    }
    return clicks;
}

// A click on each mode in list order after another mode was current, next to a second
// click on the same mode, whose panels are already in its state: the floor.
void modeClick(benchmark::State& state)
{
    Fixture fixture;
    KeyLightWid page;
    giveButtonsHeight(page);
    page.resize(kPageSize);
    page.show();
    page.updateUi(0);
    QApplication::processEvents();
    std::vector<double> cpu;
    std::vector<double> wall;
    std::vector<double> floorCpu;
    std::vector<double> whole;
    for (auto _ : state) {
        const std::vector<ClickTimes> clicks = clickModesTwice(page);
        for (std::size_t i = 0; i < clicks.size(); i += 2) {
            cpu.push_back(clicks[i].cpuToRequest);
            wall.push_back(clicks[i].wallToRequest);
            whole.push_back(clicks[i].cpuWhole);
            floorCpu.push_back(clicks[i + 1].cpuToRequest);
        }
    }
    state.counters["median_ms"] = median(cpu);
    state.counters["worst_ms"] = worst(cpu);
    state.counters["wall_median_ms"] = median(wall);
    state.counters["wall_worst_ms"] = worst(wall);
    state.counters["floor_median_ms"] = median(floorCpu);
    state.counters["ratio_to_floor"] = median(cpu) / median(floorCpu);
    state.counters["whole_median_ms"] = median(whole);
}
} // namespace

BENCHMARK(pageReady)->Unit(benchmark::kMillisecond);
BENCHMARK(updateUi)->Unit(benchmark::kMillisecond);
BENCHMARK(modeClick)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
