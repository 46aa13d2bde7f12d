// SPDX-License-Identifier: MIT
#pragma once

// Reading the packets of the built-in protocol builder back into records.
// The byte format is described in docs/protocol.md.

#include "keylight/vantor_types.h"
#include "vantor_protocol_export.h"

#include <QString>

#include <cstddef>
#include <vector>

namespace VantorPacket {

// A packet turned back into its request code and records. Only the fields that belong
// to the code are filled.
struct Decoded
{
    int code = 0;
    int reserved = 0;                  // Request::Reset
    vantor_light light;                // Request::ModeParam
    vantor_light_custom custom;        // Request::CustomLed
    std::vector<vantor_light> lights;  // Request::Multilayer, Request::Multizone
    vantor_filter filter;              // Request::Multizone
};

// Size of the header that every packet starts with; packetSize needs this many bytes.
VANTOR_PROTOCOL_EXPORT std::size_t headerSize();

// The whole size of the packet as its header gives it, or 0 when the first
// `available` bytes are not the header of a packet of this format.
VANTOR_PROTOCOL_EXPORT std::size_t packetSize(const void* data, std::size_t available);

// Decodes `size` bytes. Returns false and sets *error (when given) to one sentence
// for anything malformed; never reads outside [data, data + size).
VANTOR_PROTOCOL_EXPORT bool decode(const void* data, std::size_t size, Decoded& out,
                                   QString* error = nullptr);

// The conventional name of a request code ("mode parameters", "apply", ...).
VANTOR_PROTOCOL_EXPORT QString requestName(int code);

} // namespace VantorPacket
