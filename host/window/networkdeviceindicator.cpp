// SPDX-License-Identifier: MIT
#include "host/window/networkdeviceindicator.h"

#include "host/openrgb/networkkeyboard.h"

#include <cmath>

namespace {
constexpr int kMsPerSecond = 1000;
} // namespace

NetworkDeviceIndicator::NetworkDeviceIndicator(NetworkKeyboard& keyboard, QWidget* parent)
    : QLabel(parent)
    , m_keyboard(keyboard)
{
    setObjectName(QStringLiteral("networkDeviceIndicator"));
    setAccessibleName(tr("OpenRGB keyboard"));
    m_countdown.setInterval(kMsPerSecond);
    connect(&m_countdown, &QTimer::timeout, this, &NetworkDeviceIndicator::refresh);
    connect(&keyboard.client(), &SdkClient::stateChanged, this, &NetworkDeviceIndicator::refresh);
    connect(&keyboard, &NetworkKeyboard::sigDeviceChanged, this, &NetworkDeviceIndicator::refresh);
    refresh();
}

QString NetworkDeviceIndicator::statusText(const NetworkKeyboard& keyboard)
{
    const SdkClient& client = keyboard.client();
    const QString server = client.serverText();
    switch (client.state()) {
    case SdkClient::State::NotConfigured:
        return tr("OpenRGB: not configured");
    case SdkClient::State::Connecting:
        return tr("OpenRGB %1: connecting").arg(server);
    case SdkClient::State::Enumerating:
        return tr("OpenRGB %1: reading its devices").arg(server);
    case SdkClient::State::Waiting: {
        const int seconds = int(std::ceil(client.retryInMs() / double(kMsPerSecond)));
        return tr("OpenRGB %1: retrying in %2 s").arg(server).arg(seconds);
    }
    case SdkClient::State::Connected:
        break;
    }
    if (keyboard.controllerIndex() < 0) {
        return keyboard.deviceChoice().isEmpty()
            ? tr("OpenRGB %1: no keyboard offered").arg(server)
            : tr("OpenRGB %1: no device \"%2\" offered").arg(server, keyboard.deviceChoice());
    }
    return tr("%1 at %2: connected")
        .arg(client.controllers()[keyboard.controllerIndex()].name, server);
}

void NetworkDeviceIndicator::refresh()
{
    setText(statusText(m_keyboard));
    setToolTip(m_keyboard.client().lastError());
    const bool waiting = m_keyboard.client().state() == SdkClient::State::Waiting;
    if (waiting && !m_countdown.isActive())
        m_countdown.start();
    else if (!waiting)
        m_countdown.stop();
}
