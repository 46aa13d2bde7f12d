// SPDX-License-Identifier: MIT
#pragma once

// Sends every request to several transports in turn, so the request log keeps recording
// when a real device is attached.

#include "host/transport/devicetransport.h"

#include <vector>

class TransportFanout : public DeviceTransport
{
public:
    // The caller keeps each transport alive for as long as the fan-out is used.
    void add(DeviceTransport* transport);

    void send(int code, const QByteArray& packet) override;
    void selectProfile(uchar profile) override;
    void setLightsOn(bool on) override;

private:
    std::vector<DeviceTransport*> m_transports;
};
