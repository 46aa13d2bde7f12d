// SPDX-License-Identifier: MIT
#include "host/transport/transportfanout.h"

void TransportFanout::add(DeviceTransport* transport)
{
    if (transport)
        m_transports.push_back(transport);
}

void TransportFanout::send(int code, const QByteArray& packet)
{
    for (DeviceTransport* transport : m_transports)
        transport->send(code, packet);
}

void TransportFanout::selectProfile(uchar profile)
{
    for (DeviceTransport* transport : m_transports)
        transport->selectProfile(profile);
}

void TransportFanout::setLightsOn(bool on)
{
    for (DeviceTransport* transport : m_transports)
        transport->setLightsOn(on);
}
