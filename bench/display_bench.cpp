// Cost of a repaint of the keyboard pages during a band drag, next to a repaint of the
// same page in which no key's look changes. Runs on the offscreen platform.

#include "display/customledwid.h"
#include "keylight/keytable.h"
#include "display/ledkeybtn.h"
#include "display/multizonewid.h"

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

template <typename Page, void (*load)(Page&)>
void repaintIdle(benchmark::State& state)
{
    Page page(nullptr);
    load(page);
    showPage(page);
    for (auto _ : state)
        page.repaint();
}

// The band stays put: every repaint tests all keys, and none changes its look.
template <typename Page, void (*load)(Page&)>
void repaintDragSteady(benchmark::State& state)
{
    Page page(nullptr);
    load(page);
    showPage(page);
    startDrag(page);
    for (auto _ : state)
        page.repaint();
}

// The band's corner moves between two keys: one key enters or leaves at every repaint.
template <typename Page, void (*load)(Page&)>
void repaintDragMoving(benchmark::State& state)
{
    Page page(nullptr);
    load(page);
    showPage(page);
    startDrag(page);
    const QPoint ends[] = {centreOf(&page, "m_b"), centreOf(&page, "m_n")};
    int i = 0;
    for (auto _ : state) {
        mouse(page, QEvent::MouseMove, ends[++i % 2]);
        page.repaint();
    }
}
} // namespace

BENCHMARK_TEMPLATE(repaintIdle, CustomLedWid, loadCustom)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(repaintDragSteady, CustomLedWid, loadCustom)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(repaintDragMoving, CustomLedWid, loadCustom)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(repaintIdle, MultizoneWid, loadZones)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(repaintDragSteady, MultizoneWid, loadZones)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(repaintDragMoving, MultizoneWid, loadZones)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
