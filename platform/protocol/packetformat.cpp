// SPDX-License-Identifier: MIT
#include "platform/protocol/packetformat.h"

#include "keylight/vantor_types.h"

#include <array>

namespace PacketFormat {

int payloadSize(int code)
{
    constexpr int kResetPayload = 1;
    constexpr int kLayerListPayload = kSubModeCount * int(sizeof(vantor_light));
    switch (code) {
    case Request::Reset:
        return kResetPayload;
    case Request::ModeParam:
        return int(sizeof(vantor_light));
    case Request::CustomLed:
        return int(sizeof(vantor_light_custom));
    case Request::Multilayer:
        return kLayerListPayload;
    case Request::Multizone:
        return kLayerListPayload + int(sizeof(vantor_filter));
    default:
        return -1;
    }
}

namespace {
constexpr std::uint32_t kCrcPolynomial = 0xEDB88320u;

constexpr std::array<std::uint32_t, 256> makeCrcTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1u) ? (kCrcPolynomial ^ (c >> 1)) : (c >> 1);
        table[n] = c;
    }
    return table;
}
constexpr auto kCrcTable = makeCrcTable();
} // namespace

std::uint32_t crc32(const uchar* data, std::size_t size)
{
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i)
        c = kCrcTable[(c ^ data[i]) & 0xFFu] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

} // namespace PacketFormat
