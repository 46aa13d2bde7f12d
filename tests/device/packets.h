// SPDX-License-Identifier: MIT
#pragma once

// Real device packets made by the built-in protocol builder, copied out while they are
// valid as the host does, and the records the host and device suites send in them.

#include "keylight/iparsevantor.h"
#include "platform/protocol/vantorpacket.h"

#include <QByteArray>
#include <QColor>

#include <functional>
#include <vector>

namespace Packets {

inline QByteArray build(const std::function<bool(void*&)>& builder)
{
    void* packet = nullptr;
    if (!builder(packet) || !packet)
        return QByteArray();
    const std::size_t size = VantorPacket::packetSize(packet, VantorPacket::headerSize());
    return QByteArray(static_cast<const char*>(packet), int(size));
}

inline QByteArray modeParam(const vantor_light& light)
{
    return build([&](void*& p) { return IParseVantor::Instance().buildModeParam(light, p); });
}

inline QByteArray customLed(const vantor_light_custom& custom)
{
    return build([&](void*& p) { return IParseVantor::Instance().buildCustomLed(custom, p); });
}

inline QByteArray multilayer(const std::vector<vantor_light>& layers)
{
    return build([&](void*& p) { return IParseVantor::Instance().buildMultilayer(layers, p); });
}

inline QByteArray multizone(const std::vector<vantor_light>& zones, const vantor_filter& filter)
{
    return build(
        [&](void*& p) { return IParseVantor::Instance().buildMultizone(zones, filter, p); });
}

inline QByteArray reset()
{
    return build([](void*& p) { return IParseVantor::Instance().buildReset(0, p); });
}

// A record of a mode with its colours; brightness rides in the colours' alpha.
inline vantor_light record(int mode, const QColor& fg, const QColor& bg = QColor(Qt::black),
                           int speed = 3, int direction = 0)
{
    const auto u = [](int value) { return uchar(value); };
    return {u(mode),     u(speed),     u(direction), u(fg.alpha()), 0, u(fg.red()), u(fg.green()),
            u(fg.blue()), 1,           u(bg.red()),   u(bg.green()), u(bg.blue()), 0,
            u(bg.alpha())};
}

// Four layer or zone records running the given effects, each in its own colour.
inline std::vector<vantor_light> subModes(int first, int second, int third, int fourth)
{
    std::vector<vantor_light> records;
    for (int mode : {first, second, third, fourth}) {
        const int i = int(records.size());
        records.push_back(record(mode, QColor(40 * i, 200 - 30 * i, 7 * i)));
    }
    return records;
}

// A custom record with one key painted and the rest dark.
inline vantor_light_custom paintedKey(int led, const QColor& colour, int brightness = 255)
{
    vantor_light_custom custom;
    custom.led[3 * led] = uchar(colour.red());
    custom.led[3 * led + 1] = uchar(colour.green());
    custom.led[3 * led + 2] = uchar(colour.blue());
    custom.brightness = uchar(brightness);
    return custom;
}

} // namespace Packets
