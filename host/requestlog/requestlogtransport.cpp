// SPDX-License-Identifier: MIT
#include "host/requestlog/requestlogtransport.h"

#include "host/requestlog/requestlogmodel.h"

RequestLogTransport::RequestLogTransport(RequestLogModel& log)
    : m_log(log)
{
}

void RequestLogTransport::send(int code, const QByteArray& packet)
{
    m_log.append(m_profile, code, packet);
}

void RequestLogTransport::selectProfile(uchar profile)
{
    m_profile = profile;
}

void RequestLogTransport::setLightsOn(bool on)
{
    m_log.appendNote(tr("Lights"),
                     on ? tr("Lights on: every device shows the profile again.")
                        : tr("Lights off: every device is dark until they are turned "
                                      "on again."));
}
