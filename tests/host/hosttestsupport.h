// SPDX-License-Identifier: MIT
#pragma once

// Shared by the host suites: a keyboard that records what it is sent, and real packets.

#include "device/packets.h"
#include "host/transport/devicetransport.h"
#include "platform/profilestore/profilestore.h"

#include <vector>

class RecordingTransport : public DeviceTransport
{
public:
    struct Sent { int code; QByteArray packet; uchar profile; };

    void send(int code, const QByteArray& packet) override
    {
        sent.push_back({code, packet, selected});
    }
    void selectProfile(uchar profile) override { selections.push_back(selected = profile); }
    void setLightsOn(bool on) override { lightsOn = on; }

    std::vector<Sent> sent;
    std::vector<uchar> selections;
    uchar selected = 0;
    bool lightsOn = true;
};
