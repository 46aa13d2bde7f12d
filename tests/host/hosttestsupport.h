#pragma once

// Shared by the host suites: a keyboard that records what it is sent, and real packets
// from the built-in protocol builder.

#include "host/devicetransport.h"
#include "keylight/iparsevantor.h"
#include "platform/profilestore/profilestore.h"
#include "platform/protocol/vantorpacket.h"

#include <QByteArray>

#include <vector>

class RecordingTransport : public DeviceTransport
{
public:
    struct Sent
    {
        int code = 0;
        QByteArray packet;
        uchar profile = 0;
    };

    void send(int code, const QByteArray& packet) override
    {
        sent.push_back({code, packet, selected});
    }
    void selectProfile(uchar profile) override
    {
        selected = profile;
        selections.push_back(profile);
    }

    std::vector<Sent> sent;
    std::vector<uchar> selections;
    uchar selected = 0;
};

namespace Packets {

// The whole packet the builder handed back, sized by its own header.
inline QByteArray bytes(const void* packet)
{
    const std::size_t size = VantorPacket::packetSize(packet, VantorPacket::headerSize());
    return QByteArray(static_cast<const char*>(packet), int(size));
}

inline QByteArray modeParam(const vantor_light& light)
{
    void* packet = nullptr;
    IParseVantor::Instance().buildModeParam(light, packet);
    return bytes(packet);
}

inline QByteArray customLed(const vantor_light_custom& custom)
{
    void* packet = nullptr;
    IParseVantor::Instance().buildCustomLed(custom, packet);
    return bytes(packet);
}

inline QByteArray multilayer(const std::vector<vantor_light>& layers)
{
    void* packet = nullptr;
    IParseVantor::Instance().buildMultilayer(layers, packet);
    return bytes(packet);
}

inline QByteArray multizone(const std::vector<vantor_light>& zones, const vantor_filter& filter)
{
    void* packet = nullptr;
    IParseVantor::Instance().buildMultizone(zones, filter, packet);
    return bytes(packet);
}

inline QByteArray reset()
{
    void* packet = nullptr;
    IParseVantor::Instance().buildReset(0, packet);
    return bytes(packet);
}

inline vantor_light light(int mode, uchar red, uchar green, uchar blue, uchar speed = 3,
                          uchar direction = 0)
{
    vantor_light record;
    record.mode = uchar(mode);
    record.fg_r = red;
    record.fg_g = green;
    record.fg_b = blue;
    record.speed = speed;
    record.direction = direction;
    return record;
}

// Four layer or zone records running the given effects, each in its own colour.
inline std::vector<vantor_light> subModes(int first, int second, int third, int fourth)
{
    std::vector<vantor_light> records;
    const int modes[] = {first, second, third, fourth};
    for (int i = 0; i < 4; ++i)
        records.push_back(light(modes[i], uchar(40 * i), uchar(200 - 30 * i), uchar(7 * i)));
    return records;
}

// A custom record with one key painted.
inline vantor_light_custom paintedKey(int led, uchar red, uchar green, uchar blue)
{
    vantor_light_custom custom = ProfileData::factoryDefaults().custom;
    custom.led[3 * led] = red;
    custom.led[3 * led + 1] = green;
    custom.led[3 * led + 2] = blue;
    return custom;
}

} // namespace Packets
