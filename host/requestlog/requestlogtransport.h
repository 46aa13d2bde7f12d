// SPDX-License-Identifier: MIT
#pragma once

// A stand-in keyboard that only writes down what it is sent, into the request log.

#include "host/transport/devicetransport.h"

#include <QCoreApplication>

class RequestLogModel;

class RequestLogTransport : public DeviceTransport
{
    Q_DECLARE_TR_FUNCTIONS(RequestLogTransport)

public:
    explicit RequestLogTransport(RequestLogModel& log);

    void send(int code, const QByteArray& packet) override;
    void selectProfile(uchar profile) override;
    // A row of its own: the requests that follow change the state, not what is seen.
    void setLightsOn(bool on) override;

private:
    RequestLogModel& m_log;
    uchar m_profile = 0;
};
