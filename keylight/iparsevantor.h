// SPDX-License-Identifier: MIT
#pragma once

// The protocol builder: turns lighting records into device packets. Each build hands
// back the packet's address through pPacket; the packet stays valid at least until the
// next build of the same kind.

#include "keylight/vantor_types.h"
#include "vantor_protocol_export.h"

#include <vector>

class VANTOR_PROTOCOL_EXPORT IParseVantor
{
public:
    // The installed builder, or the built-in one when none is installed.
    static IParseVantor& Instance();
    // Installs a builder that the caller keeps alive; nullptr goes back to the built-in one.
    static void setInstance(IParseVantor* pParser);

    virtual ~IParseVantor();

    virtual bool buildReset(int iReserved, void*& pPacket) = 0;
    virtual bool buildModeParam(const vantor_light& light, void*& pPacket) = 0;
    virtual bool buildCustomLed(const vantor_light_custom& custom, void*& pPacket) = 0;
    virtual bool buildMultilayer(const std::vector<vantor_light>& vMul, void*& pPacket) = 0;
    virtual bool buildMultizone(const std::vector<vantor_light>& vMul,
                                const vantor_filter& filter, void*& pPacket) = 0;
};
