// SPDX-License-Identifier: MIT
#include "host/device/effectengine.h"

#include "host/device/keylayout.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kByte = 255.0f;

bool isEmptySubMode(const vantor_light& light)
{
    // A layer or zone runs only an effect of its own; turn off marks it empty.
    return light.mode == Mode::Empty || !Effects::ordinary(light.mode);
}

template <int Mode>
Rgb ordinaryMode(const LightingState& state, const KeyPoint& key, const EffectInput& in)
{
    // The record's own mode byte does not choose the effect: the active mode does.
    return Effects::ordinary(Mode)(state.light, key, in);
}

Rgb custom(const LightingState& state, const KeyPoint& key, const EffectInput&)
{
    if (key.led < 0 || key.led >= kLedCount)
        return {};
    const float k = float(state.custom.brightness) / (kByte * kByte);
    const uchar* rgb = state.custom.led + 3 * key.led;
    return {float(rgb[0]) * k, float(rgb[1]) * k, float(rgb[2]) * k};
}

Rgb multilayer(const LightingState& state, const KeyPoint& key, const EffectInput& in)
{
    Rgb colour;
    for (const vantor_light& layer : state.layers) {
        if (!isEmptySubMode(layer))
            colour = Effects::screen(colour, Effects::ordinary(layer.mode)(layer, key, in));
    }
    return colour;
}

Rgb multizone(const LightingState& state, const KeyPoint& key, const EffectInput& in)
{
    if (key.led < 0 || key.led >= kZoneBlockSize)
        return {};
    for (int z = 0; z < kSubModeCount; ++z) {
        const vantor_light& zone = state.zones[std::size_t(z)];
        if (state.filter.zone[z][key.led] && !isEmptySubMode(zone))
            return Effects::ordinary(zone.mode)(zone, key, in);
    }
    return {};
}

template <std::size_t... I>
constexpr std::array<EffectEngine::ModeFn, Mode::Count> ordinaryTable(std::index_sequence<I...>)
{
    return {&ordinaryMode<int(I)>...};
}

// Every mode by its number; ordinary modes come first from their own effect.
const std::array<EffectEngine::ModeFn, Mode::Count> kModes = [] {
    auto table = ordinaryTable(std::make_index_sequence<Mode::Count>());
    table[Mode::Custom] = custom;
    table[Mode::Multilayer] = multilayer;
    table[Mode::Multizone] = multizone;
    return table;
}();

} // namespace

Motion EffectEngine::motion(const LightingState& state)
{
    const auto liveliest = [](const auto& records) {
        Motion most = Motion::Still;
        for (const vantor_light& record : records) {
            if (isEmptySubMode(record))
                continue;
            const Motion motion = Effects::motion(record.mode);
            if (motion == Motion::Moving)
                return motion;
            if (motion == Motion::Reactive)
                most = motion;
        }
        return most;
    };
    switch (state.mode) {
    case Mode::Multilayer:
        return liveliest(state.layers);
    case Mode::Multizone:
        return liveliest(state.zones);
    default:
        return Effects::motion(state.mode);
    }
}

EffectEngine::ModeFn EffectEngine::modeFn(int mode)
{
    return ModeCatalogue::isKnown(mode) ? kModes[std::size_t(mode)] : nullptr;
}

Rgb EffectEngine::keyColour(const LightingState& state, const KeyPoint& key,
                            const EffectInput& in)
{
    const ModeFn fn = modeFn(state.mode);
    return fn ? fn(state, key, in) : Rgb{};
}

void EffectEngine::render(const LightingState& state, const KeyLayout& layout,
                          const EffectInput& in, LedFrame& frame)
{
    frame.fill(qRgb(0, 0, 0));
    const ModeFn fn = modeFn(state.mode);
    if (!fn)
        return;
    for (const KeyGeometry& key : layout.keys())
        frame[key.led] = toQRgb(fn(state, {key.x, key.y, key.led}, in));
}

QRgb EffectEngine::toQRgb(const Rgb& colour)
{
    const auto channel = [](float v) {
        return int(std::lround(std::clamp(v, 0.0f, 1.0f) * kByte));
    };
    return qRgb(channel(colour.r), channel(colour.g), channel(colour.b));
}
