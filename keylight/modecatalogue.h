// SPDX-License-Identifier: MIT
#pragma once

// The one table of per-mode facts. Panels and pages ask it what a mode needs
// (colours, speed, direction, which preview page) instead of keeping their own lists
// of mode numbers.

#include "keylight/vantor_types.h"

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <iterator>

namespace Mode {
enum Number : int {
    Static = 0,
    RainbowWave = 1,
    Crosshair = 2,
    ReactiveFade = 3,
    Custom = 4,
    Stars = 5,
    Snowing = 6,
    ColorCycle = 7,
    Breathing = 8,
    Ripple = 9,
    ReactivePunch = 10,
    Heartbeat = 11,
    Fireball = 12,
    CircleSpectrum = 13,
    ReactiveTornado = 14,
    WaterRipple = 15,
    GameSnake = 16,
    TurnOff = 17,
    Rain = 18,
    Multilayer = 19,
    Multizone = 20,
};
constexpr int Count = 21;
// Inside layer and zone records the turn-off effect marks an empty layer or zone.
constexpr int Empty = TurnOff;
} // namespace Mode

// Which colours the colour panel offers for a mode.
enum class ColourClass {
    Fore,        // a foreground colour only
    None,        // no colour at all
    Both,        // foreground and background
    Veil,        // the panel is veiled and keeps its other states
    ByLayer,     // foreground, then the current layer's effect decides
    ByZone,      // the current zone's effect decides
};

// Which directions the speed panel offers for a mode.
enum class DirectionUse {
    None,        // direction veiled
    AllFour,     // left, up, right, down
    LeftRight,   // up and down disabled
};

// The preview page that shows a mode.
enum class PreviewKind { Ordinary, PerKey, Layers, Zones };

struct ModeInfo
{
    int mode;
    const char* name;          // visible name, translated in the context "LedModeUi"
    const char* buttonObject;  // object name of the mode list button
    const char* iconPath;      // resource path of the icon
    int listPosition;          // 1-based row in the mode list
    ColourClass colour;
    bool hasSpeed;
    DirectionUse direction;
    bool offeredToSubModes;    // a layer or zone can run it
    PreviewKind preview;
    const char* summary;       // what the effect does, translated in the context "LedModeWid"
    const char* networkName;   // the effect as network lighting servers name their modes
};

namespace ModeCatalogue {

using C = ColourClass;
using D = DirectionUse;
using P = PreviewKind;

// clang-format off
constexpr ModeInfo kModes[] = {
    {Mode::Static, QT_TRANSLATE_NOOP("LedModeUi", "STATIC"), "m_static",
     ":/KeyLight/mode_icon/static.png", 1, C::Fore, false, D::None, true, P::Ordinary,
     QT_TRANSLATE_NOOP("LedModeWid", "Every key in one colour."), "Static"},
    {Mode::RainbowWave, QT_TRANSLATE_NOOP("LedModeUi", "RAINBOW WAVE"), "m_rain_wave",
     ":/KeyLight/mode_icon/rainbow_wave.png", 2, C::None, true, D::AllFour, true, P::Ordinary,
     QT_TRANSLATE_NOOP("LedModeWid", "A rainbow runs across the keyboard in the chosen "
                                     "direction."), "Rainbow Wave"},
    {Mode::Crosshair, QT_TRANSLATE_NOOP("LedModeUi", "CROSSHAIR"), "m_crosshair",
     ":/KeyLight/mode_icon/crosshair.png", 3, C::Both, true, D::None, true, P::Ordinary,
     QT_TRANSLATE_NOOP("LedModeWid", "A pressed key lights its row and its column over the "
                                     "background colour."), "Crosshair"},
    {Mode::ReactiveFade, QT_TRANSLATE_NOOP("LedModeUi", "REACTIVE FADE"), "m_reactive_fade",
     ":/KeyLight/mode_icon/reactive_fade.png", 4, C::Both, true, D::None, true, P::Ordinary,
     QT_TRANSLATE_NOOP("LedModeWid", "A pressed key lights up and fades back into the background "
                                     "colour."), "Reactive Fade"},
    {Mode::Custom, QT_TRANSLATE_NOOP("LedModeUi", "CUSTOM"), "m_custom",
     ":/KeyLight/mode_icon/custom.png", 5, C::Fore, false, D::None, false, P::PerKey,
     QT_TRANSLATE_NOOP("LedModeWid", "Every key in a colour of its own: paint keys by dragging "
                                     "over them."), "Direct"},
    {Mode::Stars, QT_TRANSLATE_NOOP("LedModeUi", "STARS"), "m_stars",
     ":/KeyLight/mode_icon/star.png", 6, C::Both, true, D::None, true, P::Ordinary,
     QT_TRANSLATE_NOOP("LedModeWid", "Keys light up at random and fade, like stars over the "
                                     "background colour."), "Stars"},
    {Mode::Snowing, QT_TRANSLATE_NOOP("LedModeUi", "SNOWING"), "m_snowing",
     ":/KeyLight/mode_icon/snowing.png", 15, C::Both, true, D::None, true, P::Ordinary,
     QT_TRANSLATE_NOOP("LedModeWid", "Flakes of light drift down the keyboard over the background "
                                     "colour."), "Snowing"},
    {Mode::ColorCycle, QT_TRANSLATE_NOOP("LedModeUi", "COLOR CYCLE"), "m_color_cycle",
     ":/KeyLight/mode_icon/color_cycle.png", 8, C::None, true, D::None, true, P::Ordinary,
     QT_TRANSLATE_NOOP("LedModeWid", "The whole keyboard runs through the colours of the "
                                     "rainbow."), "Spectrum Cycle"},
    {Mode::Breathing, QT_TRANSLATE_NOOP("LedModeUi", "BREATHING"), "m_breathing",
     ":/KeyLight/mode_icon/breathing.png", 9, C::Fore, true, D::None, true, P::Ordinary,
     QT_TRANSLATE_NOOP("LedModeWid", "The keys fade in and out in one colour."), "Breathing"},
    {Mode::Ripple, QT_TRANSLATE_NOOP("LedModeUi", "RIPPLE"), "m_ripple",
     ":/KeyLight/mode_icon/ripple.png", 10, C::Both, true, D::None, true, P::Ordinary,
     QT_TRANSLATE_NOOP("LedModeWid", "A ring of light spreads out from every pressed key."),
     "Ripple"},
    {Mode::ReactivePunch, QT_TRANSLATE_NOOP("LedModeUi", "REACTIVE PUNCH"), "m_reactive_punch",
     ":/KeyLight/mode_icon/reactive_punch.png", 14, C::Both, true, D::None, true, P::Ordinary,
     QT_TRANSLATE_NOOP("LedModeWid", "A pressed key flashes and the flash spreads to its "
                                     "neighbours."), "Reactive Punch"},
    {Mode::Heartbeat, QT_TRANSLATE_NOOP("LedModeUi", "HEARTBEAT"), "m_heartbeat",
     ":/KeyLight/mode_icon/heartbeat.png", 16, C::Both, true, D::None, true, P::Ordinary,
     QT_TRANSLATE_NOOP("LedModeWid", "The keys beat like a heart, two thumps at a time."),
     "Heartbeat"},
    {Mode::Fireball, QT_TRANSLATE_NOOP("LedModeUi", "FIREBALL"), "m_fireball",
     ":/KeyLight/mode_icon/fireball.png", 12, C::Both, true, D::None, true, P::Ordinary,
     QT_TRANSLATE_NOOP("LedModeWid", "A ball of fire grows out of every pressed key."), "Fireball"},
    {Mode::CircleSpectrum, QT_TRANSLATE_NOOP("LedModeUi", "CIRCLE SPECTRUM"),
     "m_circle_spectrum", ":/KeyLight/mode_icon/circle_spectrum.png", 17, C::None, true,
     D::LeftRight, true, P::Ordinary,
     QT_TRANSLATE_NOOP("LedModeWid", "The colours of the rainbow turn round the middle of the "
                                     "keyboard."), "Circle Spectrum"},
    {Mode::ReactiveTornado, QT_TRANSLATE_NOOP("LedModeUi", "REACTIVE TORNADO"),
     "m_reactive_tornado", ":/KeyLight/mode_icon/reactive_tornado.png", 18, C::None, true,
     D::LeftRight, true, P::Ordinary,
     QT_TRANSLATE_NOOP("LedModeWid", "The colours of the rainbow spin round every pressed key."),
     "Reactive Tornado"},
    {Mode::WaterRipple, QT_TRANSLATE_NOOP("LedModeUi", "WATER RIPPLE"), "m_water_ripple",
     ":/KeyLight/mode_icon/water_ripple.png", 13, C::Both, true, D::None, true, P::Ordinary,
     QT_TRANSLATE_NOOP("LedModeWid", "Waves spread out from every pressed key like rings on "
                                     "water."), "Water Ripple"},
    {Mode::GameSnake, QT_TRANSLATE_NOOP("LedModeUi", "GAME SNAKE"), "m_game_snake",
     ":/KeyLight/mode_icon/game_snake.png", 11, C::Veil, true, D::None, false, P::Ordinary,
     QT_TRANSLATE_NOOP("LedModeWid", "A snake of light crawls over the keys and eats what it "
                                     "finds."), "Snake"},
    // The turn-off icon is a resource of the host application, not of this library.
    {Mode::TurnOff, QT_TRANSLATE_NOOP("LedModeUi", "TURN OFF"), "m_turn_off",
     ":/NimboCenter/mode_icon/turn_off.png", 21, C::Veil, false, D::None, true, P::Ordinary,
     QT_TRANSLATE_NOOP("LedModeWid", "Every key dark."), "Off"},
    {Mode::Rain, QT_TRANSLATE_NOOP("LedModeUi", "RAIN"), "m_rain",
     ":/KeyLight/mode_icon/rain.png", 7, C::Both, true, D::None, true, P::Ordinary,
     QT_TRANSLATE_NOOP("LedModeWid", "Drops of light fall down the keyboard over the background "
                                     "colour."), "Rain"},
    {Mode::Multilayer, QT_TRANSLATE_NOOP("LedModeUi", "MULTILAYER"), "m_multilayer",
     ":/KeyLight/mode_icon/multilayer.png", 19, C::ByLayer, true, D::None, false, P::Layers,
     QT_TRANSLATE_NOOP("LedModeWid", "Up to four effects at once, one on each layer."),
     "Multilayer"},
    {Mode::Multizone, QT_TRANSLATE_NOOP("LedModeUi", "MULTIZONE"), "m_multizone",
     ":/KeyLight/mode_icon/multizone.png", 20, C::ByZone, true, D::None, false, P::Zones,
     QT_TRANSLATE_NOOP("LedModeWid", "Four groups of keys, each with an effect of its own."),
     "Multizone"},
};
// clang-format on

static_assert(std::size(kModes) == Mode::Count, "one catalogue row per mode");

constexpr bool rowsAreInModeOrder()
{
    for (std::size_t i = 0; i < std::size(kModes); ++i) {
        if (kModes[i].mode != static_cast<int>(i))
            return false;
    }
    return true;
}
static_assert(rowsAreInModeOrder(), "row i describes mode i");

// Facts for an unknown mode number: speed free, direction veiled, colour panel unchanged.
constexpr ModeInfo kUnknownMode = {-1, "", "", "", 0, C::ByZone, true, D::None, false,
                                   P::Ordinary, "", ""};

constexpr bool isKnown(int mode) { return mode >= 0 && mode < Mode::Count; }

constexpr const ModeInfo& info(int mode) { return isKnown(mode) ? kModes[mode] : kUnknownMode; }

constexpr bool isOrdinary(int mode)
{
    return isKnown(mode) && info(mode).preview == PreviewKind::Ordinary;
}
constexpr bool usesBackground(int mode) { return info(mode).colour == ColourClass::Both; }
constexpr bool isColourless(int mode) { return info(mode).colour == ColourClass::None; }
constexpr bool hasSpeed(int mode) { return info(mode).hasSpeed; }
constexpr bool hasDirection(int mode) { return info(mode).direction != DirectionUse::None; }
constexpr bool hasVerticalDirection(int mode)
{
    return info(mode).direction != DirectionUse::LeftRight;
}

// The modes in the top-to-bottom order of the mode list.
constexpr std::array<int, Mode::Count> listOrder()
{
    std::array<int, Mode::Count> order{};
    for (const ModeInfo& row : kModes)
        order[static_cast<std::size_t>(row.listPosition - 1)] = row.mode;
    return order;
}

constexpr std::size_t kSubModeChoiceCount = [] {
    std::size_t n = 1; // the empty choice
    for (const ModeInfo& row : kModes)
        n += (row.offeredToSubModes && row.mode != Mode::Empty) ? 1 : 0;
    return n;
}();

// The effects a layer or zone picker offers: "EMPTY" (mode 17) first, then the offered
// effects in mode list order.
constexpr std::array<int, kSubModeChoiceCount> subModeChoices()
{
    std::array<int, kSubModeChoiceCount> choices{};
    std::size_t n = 0;
    choices[n++] = Mode::Empty;
    for (int mode : listOrder()) {
        if (info(mode).offeredToSubModes && mode != Mode::Empty)
            choices[n++] = mode;
    }
    return choices;
}

// The request that carries the lighting of each kind of preview page. A mode-parameter
// request makes the mode of its record active; the others make their page's mode active.
struct LightingRequestInfo
{
    int code;
    PreviewKind preview;
};

constexpr LightingRequestInfo kLightingRequests[] = {
    {Request::ModeParam, PreviewKind::Ordinary},
    {Request::CustomLed, PreviewKind::PerKey},
    {Request::Multilayer, PreviewKind::Layers},
    {Request::Multizone, PreviewKind::Zones},
};

// The mode whose page is of this kind; the ordinary kind has many and gives -1.
constexpr int modeOfPreview(PreviewKind preview)
{
    if (preview == PreviewKind::Ordinary)
        return -1;
    for (const ModeInfo& row : kModes) {
        if (row.preview == preview)
            return row.mode;
    }
    return -1;
}

// The request that sends the lighting of a mode.
constexpr int requestFor(int mode)
{
    for (const LightingRequestInfo& request : kLightingRequests) {
        if (request.preview == info(mode).preview)
            return request.code;
    }
    return Request::ModeParam;
}

// Whether a request code carries lighting (not RESET or APPLY), and of which kind.
constexpr const LightingRequestInfo* lightingRequest(int code)
{
    for (const LightingRequestInfo& request : kLightingRequests) {
        if (request.code == code)
            return &request;
    }
    return nullptr;
}

static_assert(requestFor(Mode::Custom) == Request::CustomLed
                  && modeOfPreview(lightingRequest(Request::Multizone)->preview)
                         == Mode::Multizone,
              "each special page has its own request");

} // namespace ModeCatalogue
