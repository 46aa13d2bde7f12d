// SPDX-License-Identifier: MIT
#include "platform/protocol/vantorprotocol.h"

#include "platform/protocol/packetformat.h"

#include <cstring>

namespace {
IParseVantor* g_installed = nullptr;

void appendBytes(std::vector<uchar>& out, const void* data, std::size_t size)
{
    // Grown first and copied into, rather than inserted from a byte range: GCC 12 at -O2
    // misreads the range insert of a struct's bytes as an overflow and warns.
    const std::size_t start = out.size();
    out.resize(start + size);
    std::memcpy(out.data() + start, data, size);
}

void appendLayers(std::vector<uchar>& out, const std::vector<vantor_light>& vMul)
{
    for (const vantor_light& light : vMul)
        appendBytes(out, &light, sizeof light);
}
} // namespace

IParseVantor::~IParseVantor() = default;

IParseVantor& IParseVantor::Instance()
{
    static VantorProtocol builtin;
    return g_installed ? *g_installed : builtin;
}

void IParseVantor::setInstance(IParseVantor* pParser)
{
    g_installed = pParser;
}

bool VantorProtocol::buildReset(int iReserved, void*& pPacket)
{
    const std::vector<uchar> payload{static_cast<uchar>(iReserved)};
    return finish(Request::Reset, payload, pPacket);
}

bool VantorProtocol::buildModeParam(const vantor_light& light, void*& pPacket)
{
    std::vector<uchar> payload;
    appendBytes(payload, &light, sizeof light);
    return finish(Request::ModeParam, payload, pPacket);
}

bool VantorProtocol::buildCustomLed(const vantor_light_custom& custom, void*& pPacket)
{
    std::vector<uchar> payload;
    appendBytes(payload, &custom, sizeof custom);
    return finish(Request::CustomLed, payload, pPacket);
}

bool VantorProtocol::buildMultilayer(const std::vector<vantor_light>& vMul, void*& pPacket)
{
    // The device always takes four layers; anything else is not a packet it understands.
    if (vMul.size() != std::size_t(kSubModeCount))
        return false;
    std::vector<uchar> payload;
    appendLayers(payload, vMul);
    return finish(Request::Multilayer, payload, pPacket);
}

bool VantorProtocol::buildMultizone(const std::vector<vantor_light>& vMul,
                                    const vantor_filter& filter, void*& pPacket)
{
    if (vMul.size() != std::size_t(kSubModeCount))
        return false;
    std::vector<uchar> payload;
    appendLayers(payload, vMul);
    appendBytes(payload, &filter, sizeof filter);
    return finish(Request::Multizone, payload, pPacket);
}

bool VantorProtocol::finish(int code, const std::vector<uchar>& payload, void*& pPacket)
{
    using namespace PacketFormat;
    std::vector<uchar>& packet = m_buffers[code];
    packet.assign(kHeaderSize + payload.size() + kCrcSize, 0);
    packet[kMagicOffset] = kMagic0;
    packet[kMagicOffset + 1] = kMagic1;
    packet[kVersionOffset] = kVersion;
    packet[kCodeOffset] = static_cast<uchar>(code);
    packet[kLengthOffset] = static_cast<uchar>(payload.size() & 0xFFu);
    packet[kLengthOffset + 1] = static_cast<uchar>(payload.size() >> 8);
    std::memcpy(packet.data() + kHeaderSize, payload.data(), payload.size());
    const std::uint32_t crc = crc32(packet.data(), kHeaderSize + payload.size());
    uchar* crcBytes = packet.data() + kHeaderSize + payload.size();
    for (std::size_t i = 0; i < kCrcSize; ++i)
        crcBytes[i] = static_cast<uchar>(crc >> (8 * i));
    pPacket = packet.data();
    return true;
}
