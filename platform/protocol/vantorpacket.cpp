// SPDX-License-Identifier: MIT
#include "platform/protocol/vantorpacket.h"

#include "platform/protocol/packetformat.h"
#include "platform/protocol/packettext.h"


#include <cstring>

namespace VantorPacket {

using namespace PacketFormat;

namespace {
std::size_t readLength(const uchar* bytes)
{
    return std::size_t(bytes[kLengthOffset]) | (std::size_t(bytes[kLengthOffset + 1]) << 8);
}

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

void readLayers(const uchar* payload, std::vector<vantor_light>& lights)
{
    lights.resize(kSubModeCount);
    std::memcpy(lights.data(), payload, kSubModeCount * sizeof(vantor_light));
}
} // namespace

std::size_t headerSize()
{
    return kHeaderSize;
}

std::size_t packetSize(const void* data, std::size_t available)
{
    if (!data || available < kHeaderSize)
        return 0;
    const auto* bytes = static_cast<const uchar*>(data);
    if (bytes[kMagicOffset] != kMagic0 || bytes[kMagicOffset + 1] != kMagic1)
        return 0;
    return kHeaderSize + readLength(bytes) + kCrcSize;
}

bool decode(const void* data, std::size_t size, Decoded& out, QString* error)
{
    if (!data)
        return fail(error, PacketText::tr("There is no packet (null pointer)."));
    if (size < kHeaderSize + kCrcSize)
        return fail(error, PacketText::tr("The packet is %1 bytes long, shorter than the "
                                          "%2 bytes of header and checksum.")
                               .arg(size)
                               .arg(kHeaderSize + kCrcSize));
    const auto* bytes = static_cast<const uchar*>(data);
    if (bytes[kMagicOffset] != kMagic0 || bytes[kMagicOffset + 1] != kMagic1)
        return fail(error, PacketText::tr("The packet does not start with the magic \"VK\"."));
    if (bytes[kVersionOffset] != kVersion)
        return fail(error, PacketText::tr("The packet has format version %1; version %2 is "
                                          "understood.")
                               .arg(bytes[kVersionOffset])
                               .arg(kVersion));
    const int code = bytes[kCodeOffset];
    const int expected = payloadSize(code);
    if (expected < 0)
        return fail(error, PacketText::tr("Request code %1 carries no packet.").arg(code));
    const std::size_t length = readLength(bytes);
    if (length != std::size_t(expected))
        return fail(error, PacketText::tr("The header gives a payload of %1 bytes; request "
                                          "%2 has %3.")
                               .arg(length)
                               .arg(code)
                               .arg(expected));
    if (size != kHeaderSize + length + kCrcSize)
        return fail(error, PacketText::tr("The packet is %1 bytes long; its header makes it "
                                          "%2.")
                               .arg(size)
                               .arg(kHeaderSize + length + kCrcSize));
    const uchar* crcBytes = bytes + kHeaderSize + length;
    std::uint32_t stored = 0;
    for (std::size_t i = 0; i < kCrcSize; ++i)
        stored |= std::uint32_t(crcBytes[i]) << (8 * i);
    if (stored != crc32(bytes, kHeaderSize + length))
        return fail(error, PacketText::tr("The packet's checksum does not match its bytes."));

    Decoded decoded;
    decoded.code = code;
    const uchar* payload = bytes + kHeaderSize;
    switch (code) {
    case Request::Reset:
        decoded.reserved = payload[0];
        break;
    case Request::ModeParam:
        std::memcpy(&decoded.light, payload, sizeof decoded.light);
        break;
    case Request::CustomLed:
        std::memcpy(&decoded.custom, payload, sizeof decoded.custom);
        break;
    case Request::Multilayer:
        readLayers(payload, decoded.lights);
        break;
    case Request::Multizone:
        readLayers(payload, decoded.lights);
        std::memcpy(&decoded.filter, payload + kSubModeCount * sizeof(vantor_light),
                    sizeof decoded.filter);
        break;
    }
    out = std::move(decoded);
    return true;
}

QString requestName(int code)
{
    switch (code) {
    case Request::Reset:
        return PacketText::tr("reset");
    case Request::ModeParam:
        return PacketText::tr("mode parameters");
    case Request::CustomLed:
        return PacketText::tr("custom keys");
    case Request::Multilayer:
        return PacketText::tr("multilayer");
    case Request::Multizone:
        return PacketText::tr("multizone");
    case Request::Apply:
        return PacketText::tr("apply");
    default:
        return PacketText::tr("unknown");
    }
}

} // namespace VantorPacket
