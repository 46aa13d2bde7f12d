// SPDX-License-Identifier: MIT
// The cost of one frame of the virtual keyboard: computing every lamp and painting the
// keyboard into an image, for the busiest effect (four animated layers) and a still one.

#include "benchmain.h"
#include "host/device/effectengine.h"
#include "host/device/keyboardrenderer.h"
#include "host/device/keylayout.h"
#include "host/device/lightingstate.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <vector>

namespace {

constexpr qint64 kFrameMs = 16;
constexpr int kPresses = 12;          // a burst of typing keeps the reactive layers busy
constexpr int kPressEveryMs = 150;
const QSize kTarget(900, 262);        // the docked keyboard at its preferred width

vantor_light record(int mode, QRgb fg, QRgb bg, int direction = Direction::Left)
{
    vantor_light light;
    light.mode = uchar(mode);
    light.direction = uchar(direction);
    light.fg_r = uchar(qRed(fg));
    light.fg_g = uchar(qGreen(fg));
    light.fg_b = uchar(qBlue(fg));
    light.bg_flag = 1;
    light.bg_r = uchar(qRed(bg));
    light.bg_g = uchar(qGreen(bg));
    light.bg_b = uchar(qBlue(bg));
    return light;
}

// Four layers that all move and all compute per key: two spectra, and two reactive
// effects with a dozen live presses.
LightingState busiest()
{
    LightingState state = LightingState::factory();
    state.mode = Mode::Multilayer;
    state.layers = {record(Mode::RainbowWave, 0, 0, Direction::Right),
                    record(Mode::CircleSpectrum, 0, 0, Direction::Right),
                    record(Mode::WaterRipple, qRgb(0, 120, 255), qRgb(0, 0, 40)),
                    record(Mode::ReactiveTornado, 0, 0)};
    return state;
}

std::vector<KeyPress> presses(const KeyLayout& layout)
{
    std::vector<KeyPress> result;
    for (int i = 0; i < kPresses; ++i) {
        const KeyGeometry& key = layout.keys()[std::size_t(i * 7) % layout.keys().size()];
        result.push_back({qint64(i * kPressEveryMs), key.x, key.y, key.led});
    }
    return result;
}

const KeyLayout& layout()
{
    static const KeyLayout keys = KeyLayout::fromForm();
    return keys;
}

void runFrames(benchmark::State& st, const LightingState& state, bool paint)
{
    const std::vector<KeyPress> live = presses(layout());
    KeyboardRenderer renderer(layout());
    QImage image(kTarget, QImage::Format_ARGB32_Premultiplied);
    const QRectF target = renderer.fitInto(QRectF(image.rect()));
    LedFrame frame{};
    qint64 t = kPresses * kPressEveryMs;
    for (auto _ : st) {
        EffectEngine::render(state, layout(), {t, &live}, frame);
        if (paint) {
            QPainter painter(&image);
            renderer.paint(painter, target, frame);
        }
        benchmark::DoNotOptimize(frame.data());
        t += kFrameMs;
    }
}

void BM_MultilayerFrame(benchmark::State& st)
{
    runFrames(st, busiest(), true);
}
BENCHMARK(BM_MultilayerFrame)->Unit(benchmark::kMicrosecond);

void BM_MultilayerLampsOnly(benchmark::State& st)
{
    runFrames(st, busiest(), false);
}
BENCHMARK(BM_MultilayerLampsOnly)->Unit(benchmark::kMicrosecond);

void BM_StaticFrame(benchmark::State& st)
{
    LightingState state = LightingState::factory();
    runFrames(st, state, true);
}
BENCHMARK(BM_StaticFrame)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
