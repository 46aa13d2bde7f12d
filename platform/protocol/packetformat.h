// SPDX-License-Identifier: MIT
#pragma once

// Constants and helpers shared by the builder and the decoder (internal to the library).

#include <QtGlobal>

#include <cstddef>
#include <cstdint>

namespace PacketFormat {

constexpr uchar kMagic0 = 'V';
constexpr uchar kMagic1 = 'K';
constexpr uchar kVersion = 1;
constexpr std::size_t kMagicOffset = 0;
constexpr std::size_t kVersionOffset = 2;
constexpr std::size_t kCodeOffset = 3;
constexpr std::size_t kLengthOffset = 4;
constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kCrcSize = 4;

// Payload size for a request code, or -1 for a code that carries no packet.
int payloadSize(int code);

// CRC-32 (IEEE 802.3, reflected polynomial 0xEDB88320), as zlib computes it.
std::uint32_t crc32(const uchar* data, std::size_t size);

} // namespace PacketFormat
