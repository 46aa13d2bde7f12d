// SPDX-License-Identifier: MIT
#include "host/window/sdkserverindicator.h"

#include "host/sdkserver/sdkserversetup.h"
#include "host/transport/openrgb/sdkserver.h"

SdkServerIndicator::SdkServerIndicator(SdkServerSetup& setup, QWidget* parent)
    : QLabel(parent)
    , m_setup(setup)
{
    setObjectName(QStringLiteral("sdkServerIndicator"));
    setAccessibleName(tr("OpenRGB SDK server"));
    connect(&setup, &SdkServerSetup::sigChanged, this, &SdkServerIndicator::refresh);
    refresh();
}

void SdkServerIndicator::refresh()
{
    const SdkServer& server = m_setup.server();
    setVisible(server.isListening());
    setText(tr("SDK server %1, clients: %2")
                .arg(server.address().toString())
                .arg(server.clientCount()));
    setToolTip(server.clientNames().join(QLatin1Char('\n')));
}
