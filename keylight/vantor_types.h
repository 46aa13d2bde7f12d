// SPDX-License-Identifier: MIT
#pragma once

// The byte records that the page, the protocol builder and the profile store exchange.
// Every field is one unsigned byte and the structs are packed, so each layout is fixed
// byte for byte between the three components.

#include <QtGlobal>

#include <cstddef>

constexpr int kLedCount = 182;          // lamp slots of the lighting matrix (7 x 26)
constexpr int kLedMatrixRows = 7;       // LED index = 7 x column + row
constexpr int kSubModeCount = 4;        // layers of MULTILAYER, zones of MULTIZONE
constexpr int kZoneBlockSize = 192;     // filter bytes per zone
constexpr int kCustomColorSlots = 7;    // custom colour slots per ground
constexpr int kProfileCount = 25;       // profile numbers 0 to 24

#pragma pack(push, 1)

// One effect. The default member values are the default record:
// 00 03 00 FF 00 FF FF FF 00 00 00 00 00 FF.
struct vantor_light
{
    uchar mode = 0;
    uchar speed = 3;
    uchar direction = 0;
    uchar fg_brightness = 255;
    uchar fg_flag = 0;
    uchar fg_r = 255;
    uchar fg_g = 255;
    uchar fg_b = 255;
    uchar bg_flag = 0;
    uchar bg_r = 0;
    uchar bg_g = 0;
    uchar bg_b = 0;
    uchar flag12 = 0;
    uchar bg_brightness = 255;
};

// Per-key colours of the custom effect: LED index i at led[3 i] as red, green, blue.
struct vantor_light_custom
{
    uchar led[kLedCount * 3] = {};
    uchar brightness = 0;
};

// Key membership of the four multizone zones: zone[z][i] is 1 when LED i is in zone z.
struct vantor_filter
{
    uchar zone[kSubModeCount][kZoneBlockSize] = {};
};

// One custom colour slot; flag 0 marks an empty slot whose other bytes mean nothing.
struct custom_color
{
    uchar flag = 0;
    uchar red = 0;
    uchar green = 0;
    uchar blue = 0;
    uchar alpha = 0;
};

#pragma pack(pop)

static_assert(sizeof(vantor_light) == 14, "vantor_light is 14 packed bytes");
static_assert(sizeof(vantor_light_custom) == 547, "vantor_light_custom is 547 packed bytes");
static_assert(sizeof(vantor_filter) == 768, "vantor_filter is 768 packed bytes");
static_assert(sizeof(custom_color) == 5, "custom_color is 5 packed bytes");
static_assert(offsetof(vantor_light, bg_brightness) == 13, "bg_brightness is byte 13");
static_assert(offsetof(vantor_light_custom, brightness) == 546, "brightness is byte 546");

// Byte access by offset, for code that follows the byte tables of the records.
inline uchar* recordBytes(vantor_light& light) { return reinterpret_cast<uchar*>(&light); }
inline const uchar* recordBytes(const vantor_light& light)
{
    return reinterpret_cast<const uchar*>(&light);
}

// Request codes, the first argument of KeyLightWid::sigSdkRequest.
namespace Request {
enum Code : int {
    Reset = 8,
    ModeParam = 20,
    CustomLed = 23,
    Multilayer = 25,
    Multizone = 27,
    Apply = 39,
};
} // namespace Request

// Ground numbers of the colour panel and the preview pages.
namespace Ground {
enum Type : int { Foreground = 0, Background = 1 };
} // namespace Ground

// Direction codes of the record's direction byte and of the arrow buttons.
namespace Direction {
enum Code : int { Left = 0, Up = 2, Right = 4, Down = 6 };
} // namespace Direction
