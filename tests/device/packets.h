#pragma once

// Real device packets for the virtual keyboard, made by the built-in protocol builder and
// copied out while they are valid, as the host does.

#include "keylight/iparsevantor.h"
#include "platform/protocol/vantorpacket.h"

#include <QByteArray>
#include <QColor>

#include <vector>

namespace Packets {

inline QByteArray copy(void* packet)
{
    const std::size_t size = VantorPacket::packetSize(packet, VantorPacket::headerSize());
    return QByteArray(static_cast<const char*>(packet), int(size));
}

inline QByteArray modeParam(const vantor_light& light)
{
    void* packet = nullptr;
    IParseVantor::Instance().buildModeParam(light, packet);
    return copy(packet);
}

inline QByteArray customLed(const vantor_light_custom& custom)
{
    void* packet = nullptr;
    IParseVantor::Instance().buildCustomLed(custom, packet);
    return copy(packet);
}

inline QByteArray multilayer(const std::vector<vantor_light>& layers)
{
    void* packet = nullptr;
    IParseVantor::Instance().buildMultilayer(layers, packet);
    return copy(packet);
}

inline QByteArray multizone(const std::vector<vantor_light>& zones, const vantor_filter& filter)
{
    void* packet = nullptr;
    IParseVantor::Instance().buildMultizone(zones, filter, packet);
    return copy(packet);
}

inline QByteArray reset()
{
    void* packet = nullptr;
    IParseVantor::Instance().buildReset(0, packet);
    return copy(packet);
}

// A record of a mode with its colours; brightness rides in the colours' alpha.
inline vantor_light record(int mode, const QColor& fg, const QColor& bg = QColor(Qt::black),
                           int speed = 3, int direction = 0)
{
    vantor_light light;
    light.mode = uchar(mode);
    light.speed = uchar(speed);
    light.direction = uchar(direction);
    light.fg_brightness = uchar(fg.alpha());
    light.fg_r = uchar(fg.red());
    light.fg_g = uchar(fg.green());
    light.fg_b = uchar(fg.blue());
    light.bg_flag = 1;
    light.bg_r = uchar(bg.red());
    light.bg_g = uchar(bg.green());
    light.bg_b = uchar(bg.blue());
    light.bg_brightness = uchar(bg.alpha());
    return light;
}

} // namespace Packets
