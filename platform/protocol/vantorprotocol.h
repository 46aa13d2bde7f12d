// SPDX-License-Identifier: MIT
#pragma once

// The built-in protocol builder: packs records into packets of the format in
// docs/protocol.md. Each kind of packet has its own buffer, so a packet stays valid
// until the next build of the same kind.

#include "keylight/iparsevantor.h"
#include "vantor_protocol_export.h"

#include <map>
#include <vector>

class VANTOR_PROTOCOL_EXPORT VantorProtocol : public IParseVantor
{
public:
    bool buildReset(int iReserved, void*& pPacket) override;
    bool buildModeParam(const vantor_light& light, void*& pPacket) override;
    bool buildCustomLed(const vantor_light_custom& custom, void*& pPacket) override;
    bool buildMultilayer(const std::vector<vantor_light>& vMul, void*& pPacket) override;
    bool buildMultizone(const std::vector<vantor_light>& vMul, const vantor_filter& filter,
                        void*& pPacket) override;

private:
    bool finish(int code, const std::vector<uchar>& payload, void*& pPacket);

    std::map<int, std::vector<uchar>> m_buffers; // request code -> last packet of that kind
};
