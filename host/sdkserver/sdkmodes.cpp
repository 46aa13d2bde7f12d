// SPDX-License-Identifier: MIT
#include "host/sdkserver/sdkmodes.h"

#include "host/transport/openrgb/sdkprotocol.h"
#include "platform/profilestore/profiledata.h"

#include <QColor>

#include <algorithm>

namespace {
// Our direction codes and the SDK's, one pair per arrow.
constexpr std::pair<int, quint32> kDirections[] = {
    {Direction::Left, Sdk::Left},
    {Direction::Right, Sdk::Right},
    {Direction::Up, Sdk::Up},
    {Direction::Down, Sdk::Down},
};

quint32 sdkDirection(int ours)
{
    for (const auto& [code, sdk] : kDirections) {
        if (code == ours)
            return sdk;
    }
    return Sdk::Left;
}

std::optional<int> ourDirection(quint32 sdk, DirectionUse use)
{
    if (use == DirectionUse::LeftRight && sdk != Sdk::Left && sdk != Sdk::Right)
        return std::nullopt;
    for (const auto& [code, theirs] : kDirections) {
        if (theirs == sdk)
            return code;
    }
    return std::nullopt;
}

int colourCount(ColourClass colour)
{
    switch (colour) {
    case ColourClass::Fore:
        return 1;
    case ColourClass::Both:
        return 2;
    default:
        return 0;
    }
}

bool hasBrightness(const ModeInfo& info)
{
    return info.preview == PreviewKind::PerKey
        || (info.preview == PreviewKind::Ordinary && info.colour != ColourClass::Veil);
}
} // namespace

const std::array<int, Mode::Count>& SdkModes::order()
{
    static const std::array<int, Mode::Count> modes = [] {
        std::array<int, Mode::Count> list{};
        std::size_t n = 0;
        list[n++] = Mode::Custom;
        for (int mode : ModeCatalogue::listOrder()) {
            if (mode != Mode::Custom)
                list[n++] = mode;
        }
        return list;
    }();
    return modes;
}

int SdkModes::indexOf(int mode)
{
    const auto& list = order();
    const auto it = std::find(list.begin(), list.end(), mode);
    return it == list.end() ? -1 : int(it - list.begin());
}

SdkMode SdkModes::describe(int mode, const vantor_light& record, uchar customBrightness)
{
    const ModeInfo& info = ModeCatalogue::info(mode);
    SdkMode sdk;
    sdk.name = QString::fromLatin1(info.networkName);
    sdk.value = mode;
    const bool ordinary = info.preview == PreviewKind::Ordinary;
    if (ordinary && info.hasSpeed) {
        sdk.flags |= Sdk::HasSpeed;
        sdk.speedMin = RecordLimits::kSpeedMin;
        sdk.speedMax = RecordLimits::kSpeedMax;
        sdk.speed = record.speed;
    }
    if (ordinary && info.direction != DirectionUse::None) {
        sdk.flags |= Sdk::HasDirectionLR;
        if (info.direction == DirectionUse::AllFour)
            sdk.flags |= Sdk::HasDirectionUD;
        sdk.direction = sdkDirection(record.direction);
    }
    if (hasBrightness(info)) {
        sdk.flags |= Sdk::HasBrightness;
        sdk.brightnessMax = kBrightnessMax;
        sdk.brightness = info.preview == PreviewKind::PerKey ? customBrightness
                                                             : record.fg_brightness;
    }
    if (info.preview == PreviewKind::PerKey) {
        sdk.flags |= Sdk::HasPerLedColor;
        sdk.colorMode = Sdk::ColorPerLed;
    } else if (const int colours = ordinary ? colourCount(info.colour) : 0; colours > 0) {
        sdk.flags |= Sdk::HasModeSpecificColor;
        sdk.colorMode = Sdk::ColorModeSpecific;
        sdk.colorsMin = sdk.colorsMax = quint32(colours);
        sdk.colors << qRgb(record.fg_r, record.fg_g, record.fg_b);
        if (colours > 1)
            sdk.colors << qRgb(record.bg_r, record.bg_g, record.bg_b);
    }
    return sdk;
}

std::optional<uchar> SdkModes::brightnessOf(const SdkMode& asked)
{
    // A client of a protocol without brightness sends no range at all.
    if (asked.brightnessMax <= asked.brightnessMin)
        return std::nullopt;
    const quint32 value = std::clamp(asked.brightness, asked.brightnessMin, asked.brightnessMax);
    return uchar((quint64(value - asked.brightnessMin) * kBrightnessMax
                  + (asked.brightnessMax - asked.brightnessMin) / 2)
                 / (asked.brightnessMax - asked.brightnessMin));
}

vantor_light SdkModes::apply(int mode, const SdkMode& asked, vantor_light record)
{
    const ModeInfo& info = ModeCatalogue::info(mode);
    record.mode = uchar(mode);
    if (info.preview != PreviewKind::Ordinary)
        return record;
    if (info.hasSpeed && asked.speed >= quint32(RecordLimits::kSpeedMin)
        && asked.speed <= quint32(RecordLimits::kSpeedMax))
        record.speed = uchar(asked.speed);
    if (info.direction != DirectionUse::None) {
        if (const std::optional<int> direction = ourDirection(asked.direction, info.direction))
            record.direction = uchar(*direction);
    }
    if (hasBrightness(info)) {
        if (const std::optional<uchar> brightness = brightnessOf(asked))
            record.fg_brightness = *brightness;
    }
    const int colours = colourCount(info.colour);
    if (colours > 0 && !asked.colors.isEmpty()) {
        const QRgb fg = asked.colors[0];
        record.fg_r = uchar(qRed(fg));
        record.fg_g = uchar(qGreen(fg));
        record.fg_b = uchar(qBlue(fg));
    }
    // The two-colour effects always carry their background, as the page sends them.
    if (colours > 1)
        record.bg_flag = 1;
    if (colours > 1 && asked.colors.size() > 1) {
        const QRgb bg = asked.colors[1];
        record.bg_r = uchar(qRed(bg));
        record.bg_g = uchar(qGreen(bg));
        record.bg_b = uchar(qBlue(bg));
    }
    return record;
}
