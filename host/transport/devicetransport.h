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
    // The user turned the lights off, or on again. A dark device goes on taking requests
    // into its state but shows black, so that the lights come back exactly as they were.
    virtual void setLightsOn(bool on) = 0;
};
