// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the packet decoder. Besides memory errors it stops on two
// broken promises: a refusal without a message, and a packet that decodes but is not
// what the builder makes from the decoded records.

#include "platform/protocol/vantorpacket.h"
#include "platform/protocol/vantorprotocol.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {
void* rebuild(VantorProtocol& builder, const VantorPacket::Decoded& decoded)
{
    void* packet = nullptr;
    switch (decoded.code) {
    case Request::Reset:
        builder.buildReset(decoded.reserved, packet);
        break;
    case Request::ModeParam:
        builder.buildModeParam(decoded.light, packet);
        break;
    case Request::CustomLed:
        builder.buildCustomLed(decoded.custom, packet);
        break;
    case Request::Multilayer:
        builder.buildMultilayer(decoded.lights, packet);
        break;
    case Request::Multizone:
        builder.buildMultizone(decoded.lights, decoded.filter, packet);
        break;
    default:
        break;
    }
    return packet;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::size_t announced = VantorPacket::packetSize(data, size);

    VantorPacket::Decoded decoded;
    QString error;
    if (!VantorPacket::decode(data, size, decoded, &error)) {
        if (error.isEmpty())
            __builtin_trap();
        return 0;
    }
    if (announced != size)
        __builtin_trap();

    VantorProtocol builder;
    const void* packet = rebuild(builder, decoded);
    if (!packet || VantorPacket::packetSize(packet, size) != size
        || std::memcmp(packet, data, size) != 0)
        __builtin_trap();
    return 0;
}
