// SPDX-License-Identifier: MIT
#include "host/transport/packetbytes.h"

#include "platform/protocol/vantorpacket.h"
#include "platform/protocol/vantorprotocol.h"

#include <map>
#include <vector>

namespace {
// The size of a packet of request `code` in the built-in format, taken from a packet
// that the built-in builder makes; 0 for a code that carries no packet.
std::size_t formatSize(int code)
{
    static std::map<int, std::size_t> sizes;
    const auto known = sizes.find(code);
    if (known != sizes.end())
        return known->second;

    VantorProtocol builder;
    const std::vector<vantor_light> four(kSubModeCount);
    void* packet = nullptr;
    switch (code) {
    case Request::Reset:
        builder.buildReset(0, packet);
        break;
    case Request::ModeParam:
        builder.buildModeParam(vantor_light(), packet);
        break;
    case Request::CustomLed:
        builder.buildCustomLed(vantor_light_custom(), packet);
        break;
    case Request::Multilayer:
        builder.buildMultilayer(four, packet);
        break;
    case Request::Multizone:
        builder.buildMultizone(four, vantor_filter(), packet);
        break;
    default:
        break;
    }
    const std::size_t size = VantorPacket::packetSize(packet, VantorPacket::headerSize());
    sizes.emplace(code, size);
    return size;
}
} // namespace

namespace PacketBytes {

QByteArray copy(int code, const void* data)
{
    const std::size_t claimed = VantorPacket::packetSize(data, VantorPacket::headerSize());
    if (claimed == 0)
        return {};
    const std::size_t size = claimed == formatSize(code) ? claimed : VantorPacket::headerSize();
    return QByteArray(static_cast<const char*>(data), int(size));
}

QString hexPrefix(const QByteArray& bytes, int count)
{
    QString text = QString::fromLatin1(bytes.left(count).toHex(' ').toUpper());
    if (bytes.size() > count)
        text += QStringLiteral(" \u2026");
    return text;
}

} // namespace PacketBytes
