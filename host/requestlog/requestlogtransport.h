// SPDX-License-Identifier: MIT
#pragma once

// A stand-in keyboard that only writes down what it is sent, into the request log.

#include "host/transport/devicetransport.h"

class RequestLogModel;

class RequestLogTransport : public DeviceTransport
{
public:
    explicit RequestLogTransport(RequestLogModel& log);

    void send(int code, const QByteArray& packet) override;
    void selectProfile(uchar profile) override;

private:
    RequestLogModel& m_log;
    uchar m_profile = 0;
};
