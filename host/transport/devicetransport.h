// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtGlobal>

// Where the host sends what the page asks of the keyboard: a request log, or the
// virtual keyboard. The host owns the transport and feeds it every request in order.
class DeviceTransport
{
public:
    virtual ~DeviceTransport() = default;

    // One request as the page handed it over; the packet is empty for APPLY (39).
    virtual void send(int code, const QByteArray& packet) = 0;
    // The profile that the following requests belong to; APPLY stores under it.
    virtual void selectProfile(uchar profile) = 0;
};
