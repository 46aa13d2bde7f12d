// SPDX-License-Identifier: MIT
#include "host/device/effects.h"

#include "keylight/modecatalogue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace Effects {

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr float kTwoPi = 2.0f * kPi;
constexpr float kByte = 255.0f;
constexpr int kMinSpeed = 1;
constexpr int kMaxSpeed = 5;
// How much faster than speed 3 each speed runs.
constexpr std::array<float, kMaxSpeed> kSpeedFactor = {0.4f, 0.65f, 1.0f, 1.5f, 2.2f};
constexpr std::array<int, kMaxSpeed> kBreathingPeriod = {8000, 6000, 4000, 3000, 2000};
// The key area is about four times as wide as it is high; distances are measured in
// keyboard heights so that rings stay round.
constexpr float kAspect = 4.0f;

// Times and sizes at speed 3; the speed factor scales them.
constexpr float kWaveCyclesPerMs = 0.0005f;     // rainbow wave: one rainbow every 2 s
constexpr float kCycleTurnsPerMs = 0.0002f;     // colour cycle: once round every 5 s
constexpr float kSpectrumTurnsPerMs = 0.00025f; // circle spectrum: one turn every 4 s
constexpr float kReactiveFadeMs = 2000.0f;
constexpr float kCrosshairLifeMs = 1500.0f;
constexpr float kCrosshairReachPerMs = 0.0012f; // arm growth, in key-area widths per ms
constexpr float kCrosshairRowHalf = 0.09f;      // half a key row, in key-area heights
constexpr float kCrosshairColumnHalf = 0.02f;   // half a key, in key-area widths
constexpr float kStarCycleMs = 2400.0f;
constexpr float kStarShare = 0.35f;             // share of keys that light in one cycle
constexpr int kSnowColumns = 24;
constexpr float kSnowFallMs = 3000.0f;
constexpr float kSnowFlakeHalf = 0.14f;
constexpr float kSnowShare = 0.6f;
constexpr int kRainColumns = 30;
constexpr float kRainFallMs = 1300.0f;
constexpr float kRainTail = 0.45f;
constexpr float kRainShare = 0.5f;
constexpr float kRippleGrowthPerMs = 0.0025f;   // keyboard heights per ms
constexpr float kRippleWidth = 0.3f;
constexpr float kRippleLifeMs = 2200.0f;
constexpr float kPunchLifeMs = 700.0f;
constexpr float kPunchReach = 0.45f;
constexpr float kPunchCore = 0.12f;
constexpr float kHeartbeatMs = 1200.0f;         // one lub-dub
constexpr float kHeartbeatSecondBeat = 0.28f;   // share of the beat before the second thump
constexpr float kHeartbeatThump = 0.07f;        // width of a thump, share of the beat
constexpr float kFireballGrowthPerMs = 0.0022f;
constexpr float kFireballLifeMs = 1600.0f;
constexpr float kFireballFront = 0.35f;
constexpr float kTornadoLifeMs = 3000.0f;
constexpr float kTornadoTurnsPerMs = 0.0008f;
constexpr float kTornadoTwist = 0.6f;           // turns of the spiral per keyboard height
constexpr float kTornadoReachStart = 0.3f;
constexpr float kTornadoReachEnd = 1.6f;
constexpr float kWaterGrowthPerMs = 0.0016f;
constexpr float kWaterWavelength = 0.4f;
constexpr float kWaterLifeMs = 3500.0f;
constexpr float kWaterDamping = 1.6f;           // decay of the older rings behind the front
constexpr int kSnakeColumns = 20;
constexpr int kSnakeRows = 6;                   // the keyboard rows of the lighting matrix
constexpr int kSnakePath = kSnakeColumns * kSnakeRows;
constexpr float kSnakeStepMs = 120.0f;
constexpr int kSnakeLength = 4;
constexpr int kSnakeFoods = 4;                  // each lap holds this many foods to eat
constexpr Rgb kSnakeHead = {0.75f, 1.0f, 0.2f};
constexpr Rgb kSnakeBody = {0.0f, 0.85f, 0.25f};
constexpr Rgb kSnakeFood = {1.0f, 0.1f, 0.05f};

int speedIndex(const vantor_light& light)
{
    return std::clamp(int(light.speed), kMinSpeed, kMaxSpeed) - kMinSpeed;
}

float speedFactor(const vantor_light& light)
{
    return kSpeedFactor[std::size_t(speedIndex(light))];
}

float brightness(uchar value)
{
    return float(value) / kByte;
}

Rgb scaled(const Rgb& c, float k)
{
    return {c.r * k, c.g * k, c.b * k};
}

float fraction(float v)
{
    return v - std::floor(v);
}

float clamp01(float v)
{
    return std::clamp(v, 0.0f, 1.0f);
}

// Fully saturated hue (0 to 1) at value 1.
Rgb hue(float h)
{
    const float h6 = fraction(h) * 6.0f;
    const auto channel = [h6](float offset) {
        const float k = std::fmod(offset + h6, 6.0f);
        return 1.0f - std::max(0.0f, std::min({k, 4.0f - k, 1.0f}));
    };
    return {channel(5.0f), channel(3.0f), channel(1.0f)};
}

// A well-mixed 32-bit hash, so that stars and raindrops fall the same way on every run.
std::uint32_t hash(std::uint32_t a, std::uint32_t b = 0)
{
    std::uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

float unit(std::uint32_t h)
{
    constexpr float kScale = 1.0f / 4294967296.0f;
    return float(h) * kScale;
}

float distance(const KeyPoint& key, const KeyPress& press)
{
    return std::hypot((key.x - press.x) * kAspect, key.y - press.y);
}

// Calls f(press, age) for every press that is not in the future and younger than lifeMs.
template <typename F>
void forEachPress(const EffectInput& in, float lifeMs, F&& f)
{
    if (!in.presses)
        return;
    for (const KeyPress& press : *in.presses) {
        const float age = float(in.timeMs - press.timeMs);
        if (age >= 0.0f && age < lifeMs)
            f(press, age);
    }
}

// Background with the foreground laid over it at the strongest of the presses' intensities.
template <typename F>
Rgb reactive(const vantor_light& light, const EffectInput& in, float lifeMs, F&& intensity)
{
    float level = 0.0f;
    forEachPress(in, lifeMs, [&](const KeyPress& press, float age) {
        level = std::max(level, clamp01(intensity(press, age)));
    });
    return mix(background(light), foreground(light), level);
}

Rgb staticLight(const vantor_light& light, const KeyPoint&, const EffectInput&)
{
    return foreground(light);
}

Rgb rainbowWave(const vantor_light& light, const KeyPoint& key, const EffectInput& in)
{
    // The position along the direction of travel: a crest moves towards growing s.
    float s = 1.0f - key.x;
    switch (light.direction) {
    case Direction::Right: s = key.x; break;
    case Direction::Up: s = 1.0f - key.y; break;
    case Direction::Down: s = key.y; break;
    default: break;
    }
    const float travelled = float(in.timeMs) * kWaveCyclesPerMs * speedFactor(light);
    return scaled(hue(s - travelled), brightness(light.fg_brightness));
}

Rgb crosshair(const vantor_light& light, const KeyPoint& key, const EffectInput& in)
{
    const float sf = speedFactor(light);
    const float life = kCrosshairLifeMs / sf;
    return reactive(light, in, life, [&](const KeyPress& press, float age) {
        const float reach = age * kCrosshairReachPerMs * sf;
        const float dx = std::abs(key.x - press.x);
        const float dy = std::abs(key.y - press.y);
        const bool onRow = dy < kCrosshairRowHalf && dx <= reach + kCrosshairColumnHalf;
        const bool onColumn = dx < kCrosshairColumnHalf && dy <= reach * kAspect;
        return (onRow || onColumn) ? 1.0f - age / life : 0.0f;
    });
}

Rgb reactiveFade(const vantor_light& light, const KeyPoint& key, const EffectInput& in)
{
    const float life = kReactiveFadeMs / speedFactor(light);
    return reactive(light, in, life, [&](const KeyPress& press, float age) {
        return press.led == key.led ? 1.0f - age / life : 0.0f;
    });
}

Rgb stars(const vantor_light& light, const KeyPoint& key, const EffectInput& in)
{
    const float cycle = kStarCycleMs / speedFactor(light);
    const float t = float(in.timeMs) + unit(hash(std::uint32_t(key.led))) * cycle;
    const float round = std::floor(t / cycle);
    if (unit(hash(std::uint32_t(key.led), std::uint32_t(std::int32_t(round)))) >= kStarShare)
        return background(light);
    const float glow = std::sin(kPi * (t / cycle - round));
    return mix(background(light), foreground(light), glow * glow);
}

// Falling light in columns: each column carries one drop per fall that shows in a share of
// the falls. shape maps the drop's height above the key (negative below) to a level.
template <typename F>
Rgb falling(const vantor_light& light, const KeyPoint& key, const EffectInput& in, int columns,
            float fallMs, float share, std::uint32_t seed, F&& shape)
{
    const int column = std::clamp(int(key.x * float(columns)), 0, columns - 1);
    const float fall = fallMs / speedFactor(light);
    const float t = float(in.timeMs) / fall + unit(hash(std::uint32_t(column), seed));
    const float round = std::floor(t);
    const std::uint32_t roundSeed = hash(std::uint32_t(std::int32_t(round)), seed);
    if (unit(hash(std::uint32_t(column), roundSeed)) >= share)
        return background(light);
    // The drop enters above the top row and leaves below the bottom row.
    constexpr float kMargin = 0.5f;
    const float dropY = (t - round) * (1.0f + 2.0f * kMargin) - kMargin;
    return mix(background(light), foreground(light), clamp01(shape(dropY - key.y)));
}

Rgb snowing(const vantor_light& light, const KeyPoint& key, const EffectInput& in)
{
    constexpr std::uint32_t kSeed = 0x5170u;
    return falling(light, key, in, kSnowColumns, kSnowFallMs, kSnowShare, kSeed,
                   [](float above) { return 1.0f - std::abs(above) / kSnowFlakeHalf; });
}

Rgb rain(const vantor_light& light, const KeyPoint& key, const EffectInput& in)
{
    constexpr std::uint32_t kSeed = 0x4a11u;
    // A drop with a fading streak above it.
    return falling(light, key, in, kRainColumns, kRainFallMs, kRainShare, kSeed,
                   [](float below) { return below < 0.0f ? 0.0f : 1.0f - below / kRainTail; });
}

Rgb colorCycle(const vantor_light& light, const KeyPoint&, const EffectInput& in)
{
    const float turns = float(in.timeMs) * kCycleTurnsPerMs * speedFactor(light);
    return scaled(hue(turns), brightness(light.fg_brightness));
}

Rgb breathing(const vantor_light& light, const KeyPoint&, const EffectInput& in)
{
    const int period = breathingPeriodMs(light.speed);
    const float phase = float(in.timeMs % period) / float(period);
    return scaled(foreground(light), 0.5f - 0.5f * std::cos(kTwoPi * phase));
}

Rgb ripple(const vantor_light& light, const KeyPoint& key, const EffectInput& in)
{
    const float sf = speedFactor(light);
    const float life = kRippleLifeMs / sf;
    return reactive(light, in, life, [&](const KeyPress& press, float age) {
        const float radius = age * kRippleGrowthPerMs * sf;
        const float ring = 1.0f - std::abs(distance(key, press) - radius) / kRippleWidth;
        return ring * (1.0f - age / life);
    });
}

Rgb reactivePunch(const vantor_light& light, const KeyPoint& key, const EffectInput& in)
{
    const float life = kPunchLifeMs / speedFactor(light);
    return reactive(light, in, life, [&](const KeyPress& press, float age) {
        const float fade = 1.0f - age / life;
        if (press.led == key.led)
            return fade;
        // The blow spreads to the neighbours and shrinks back as it fades.
        const float reach = kPunchCore + kPunchReach * fade;
        return (1.0f - distance(key, press) / reach) * fade;
    });
}

// Two thumps per beat, each a short bell; beat position in beats since the press.
float heartbeatLevel(float beats)
{
    const float within = fraction(beats);
    const auto thump = [](float offset) {
        const float d = offset / kHeartbeatThump;
        return std::exp(-d * d);
    };
    return std::max(thump(within), 0.7f * thump(within - kHeartbeatSecondBeat))
        + thump(within - 1.0f);
}

// The whole keyboard beats by itself: two thumps of the foreground over the background.
Rgb heartbeat(const vantor_light& light, const KeyPoint&, const EffectInput& in)
{
    const float beat = kHeartbeatMs / speedFactor(light);
    const float level = std::min(1.0f, heartbeatLevel(float(in.timeMs) / beat));
    return mix(background(light), foreground(light), level);
}

Rgb fireball(const vantor_light& light, const KeyPoint& key, const EffectInput& in)
{
    const float sf = speedFactor(light);
    const float life = kFireballLifeMs / sf;
    Rgb colour = background(light);
    float hottest = 0.0f;
    forEachPress(in, life, [&](const KeyPress& press, float age) {
        const float radius = age * kFireballGrowthPerMs * sf;
        const float d = distance(key, press);
        if (d > radius + kFireballFront / 2.0f && press.led != key.led)
            return;
        // A burning front in the foreground colour; the burnt inside glows in the
        // background colour brightened, fading as the ball grows old.
        const float front = 1.0f - std::abs(d - radius) / kFireballFront;
        const float heat = std::max(front, press.led == key.led ? 1.0f : 0.0f)
            * (1.0f - age / life);
        hottest = std::max(hottest, clamp01(heat));
    });
    if (hottest > 0.0f)
        colour = mix(colour, foreground(light), hottest);
    return colour;
}

float angleTurns(float dx, float dy)
{
    return std::atan2(dy, dx * kAspect) / kTwoPi;
}

Rgb circleSpectrum(const vantor_light& light, const KeyPoint& key, const EffectInput& in)
{
    constexpr float kCentre = 0.5f;
    // Right turns clockwise on screen (y grows downwards), any other direction the other way.
    const float sign = light.direction == Direction::Right ? -1.0f : 1.0f;
    const float turns = float(in.timeMs) * kSpectrumTurnsPerMs * speedFactor(light);
    const float h = angleTurns(key.x - kCentre, key.y - kCentre) + sign * turns;
    return scaled(hue(h), brightness(light.fg_brightness));
}

Rgb reactiveTornado(const vantor_light& light, const KeyPoint& key, const EffectInput& in)
{
    const float sf = speedFactor(light);
    const float life = kTornadoLifeMs / sf;
    const float sign = light.direction == Direction::Right ? -1.0f : 1.0f;
    Rgb colour;
    forEachPress(in, life, [&](const KeyPress& press, float age) {
        const float d = distance(key, press);
        const float reach = kTornadoReachStart + (kTornadoReachEnd - kTornadoReachStart) * age
            / life;
        const float level = clamp01(1.0f - d / reach) * (1.0f - age / life);
        if (level <= 0.0f)
            return;
        const float spin = sign * age * kTornadoTurnsPerMs * sf;
        const float h = angleTurns(key.x - press.x, key.y - press.y) + spin + d * kTornadoTwist;
        colour = screen(colour, scaled(hue(h), level));
    });
    return scaled(colour, brightness(light.fg_brightness));
}

Rgb waterRipple(const vantor_light& light, const KeyPoint& key, const EffectInput& in)
{
    const float sf = speedFactor(light);
    const float life = kWaterLifeMs / sf;
    return reactive(light, in, life, [&](const KeyPress& press, float age) {
        const float front = age * kWaterGrowthPerMs * sf;
        const float behind = front - distance(key, press);
        if (behind < 0.0f)
            return 0.0f;
        const float wave = 0.5f + 0.5f * std::cos(kTwoPi * behind / kWaterWavelength);
        return wave * std::exp(-behind * kWaterDamping) * (1.0f - age / life);
    });
}

// The snake crawls a fixed serpentine path over a grid of the keyboard rows; each lap it
// eats the foods laid out for that lap and grows by one per food.
Rgb gameSnake(const vantor_light& light, const KeyPoint& key, const EffectInput& in)
{
    const int row = key.led % kLedMatrixRows;
    if (row >= kSnakeRows)
        return {};
    const int column = std::clamp(int(key.x * float(kSnakeColumns)), 0, kSnakeColumns - 1);
    const int cell = row * kSnakeColumns + (row % 2 == 0 ? column : kSnakeColumns - 1 - column);

    const qint64 step = qint64(float(in.timeMs) * speedFactor(light) / kSnakeStepMs);
    const auto lap = std::uint32_t(step / kSnakePath);
    const int head = int(step % kSnakePath);
    int length = kSnakeLength;
    bool food = false;
    for (int i = 0; i < kSnakeFoods; ++i) {
        // One food in each quarter of the path, clear of the lap's start.
        const int quarter = kSnakePath / kSnakeFoods;
        const int place = i * quarter + kSnakeLength
            + int(hash(lap, std::uint32_t(i)) % std::uint32_t(quarter - kSnakeLength));
        if (place <= head)
            ++length;
        else if (place == cell)
            food = true;
    }
    const float level = brightness(light.fg_brightness);
    const int behind = head - cell;
    if (behind == 0)
        return scaled(kSnakeHead, level);
    if (behind > 0 && behind < length)
        return scaled(kSnakeBody, level * (1.0f - 0.6f * float(behind) / float(length)));
    return food ? scaled(kSnakeFood, level) : Rgb{};
}

Rgb turnOff(const vantor_light&, const KeyPoint&, const EffectInput&)
{
    return {};
}

struct OrdinaryEffect
{
    EffectFn fn;
    Motion motion;
};

// The effect of every ordinary mode, by mode number.
constexpr std::array<OrdinaryEffect, Mode::Count> kOrdinary = [] {
    std::array<OrdinaryEffect, Mode::Count> table{};
    table[Mode::Static] = {staticLight, Motion::Still};
    table[Mode::RainbowWave] = {rainbowWave, Motion::Moving};
    table[Mode::Crosshair] = {crosshair, Motion::Reactive};
    table[Mode::ReactiveFade] = {reactiveFade, Motion::Reactive};
    table[Mode::Stars] = {stars, Motion::Moving};
    table[Mode::Snowing] = {snowing, Motion::Moving};
    table[Mode::ColorCycle] = {colorCycle, Motion::Moving};
    table[Mode::Breathing] = {breathing, Motion::Moving};
    table[Mode::Ripple] = {ripple, Motion::Reactive};
    table[Mode::ReactivePunch] = {reactivePunch, Motion::Reactive};
    table[Mode::Heartbeat] = {heartbeat, Motion::Moving};
    table[Mode::Fireball] = {fireball, Motion::Reactive};
    table[Mode::CircleSpectrum] = {circleSpectrum, Motion::Moving};
    table[Mode::ReactiveTornado] = {reactiveTornado, Motion::Reactive};
    table[Mode::WaterRipple] = {waterRipple, Motion::Reactive};
    table[Mode::GameSnake] = {gameSnake, Motion::Moving};
    table[Mode::TurnOff] = {turnOff, Motion::Still};
    table[Mode::Rain] = {rain, Motion::Moving};
    return table;
}();

constexpr bool everyOrdinaryModeHasAnEffect()
{
    for (const ModeInfo& row : ModeCatalogue::kModes) {
        const bool hasEffect = kOrdinary[std::size_t(row.mode)].fn != nullptr;
        if ((row.preview == PreviewKind::Ordinary) != hasEffect)
            return false;
    }
    return true;
}
static_assert(everyOrdinaryModeHasAnEffect(), "one effect per ordinary mode, none for others");

} // namespace

EffectFn ordinary(int mode)
{
    return ModeCatalogue::isKnown(mode) ? kOrdinary[std::size_t(mode)].fn : nullptr;
}

Motion motion(int mode)
{
    return ordinary(mode) ? kOrdinary[std::size_t(mode)].motion : Motion::Still;
}

int breathingPeriodMs(int speed)
{
    return kBreathingPeriod[std::size_t(std::clamp(speed, kMinSpeed, kMaxSpeed) - kMinSpeed)];
}

Rgb foreground(const vantor_light& light)
{
    const float k = brightness(light.fg_brightness) / kByte;
    return {float(light.fg_r) * k, float(light.fg_g) * k, float(light.fg_b) * k};
}

Rgb background(const vantor_light& light)
{
    const float k = brightness(light.bg_brightness) / kByte;
    return {float(light.bg_r) * k, float(light.bg_g) * k, float(light.bg_b) * k};
}

Rgb mix(const Rgb& from, const Rgb& to, float amount)
{
    const float a = clamp01(amount);
    return {from.r + (to.r - from.r) * a, from.g + (to.g - from.g) * a,
            from.b + (to.b - from.b) * a};
}

Rgb screen(const Rgb& a, const Rgb& b)
{
    const auto one = [](float x, float y) {
        return 1.0f - (1.0f - clamp01(x)) * (1.0f - clamp01(y));
    };
    return {one(a.r, b.r), one(a.g, b.g), one(a.b, b.b)};
}

} // namespace Effects
