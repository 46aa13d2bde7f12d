// SPDX-License-Identifier: MIT
#include "host/openrgb/networkkeyboard.h"

#include <algorithm>

namespace {
constexpr int kMsPerSecond = 1000;
// Rounded up, so the rate stays at or below the limit.
constexpr int kMaxFps = NetworkKeyboard::kMaxFramesPerSecond;
constexpr int kFrameIntervalMs = (kMsPerSecond + kMaxFps - 1) / kMaxFps;
// The mode in which a controller shows the colours it is sent, LED by LED.
const QString kPerKeyMode = QStringLiteral("Direct");
} // namespace

NetworkKeyboard::NetworkKeyboard(QObject* parent)
    : QObject(parent)
{
    m_frameTimer.setSingleShot(true);
    connect(&m_frameTimer, &QTimer::timeout, this, &NetworkKeyboard::sendFrame);
    connect(&m_model, &VirtualKeyboard::sigLightingChanged, this, &NetworkKeyboard::scheduleFrame);
    connect(&m_client, &SdkClient::controllersChanged, this, &NetworkKeyboard::chooseController);
    connect(&m_client, &SdkClient::stateChanged, this, [this](SdkClient::State state) {
        if (state != SdkClient::State::Connected && m_controller >= 0) {
            m_controller = -1;
            m_frameTimer.stop();
            emit sigDeviceChanged();
        }
    });
}

NetworkKeyboard::~NetworkKeyboard() = default;

void NetworkKeyboard::send(int code, const QByteArray& packet)
{
    m_model.send(code, packet);
}

void NetworkKeyboard::setLightsOn(bool on)
{
    m_model.setLightsOn(on);
}

void NetworkKeyboard::selectProfile(uchar profile)
{
    m_model.selectProfile(profile);
}

void NetworkKeyboard::setDeviceChoice(const QString& choice)
{
    m_choice = choice.trimmed();
    chooseController();
}

int NetworkKeyboard::framesPerSecond() const
{
    const qint64 now = m_model.clockMs();
    while (!m_recentFrames.empty() && now - m_recentFrames.front() >= kMsPerSecond)
        m_recentFrames.pop_front();
    return int(m_recentFrames.size());
}

void NetworkKeyboard::refresh()
{
    if (m_controller < 0)
        return;
    prepareController();
    scheduleFrame();
}

void NetworkKeyboard::chooseController()
{
    const QVector<SdkController>& offered = m_client.controllers();
    int chosen = -1;
    bool isIndex = false;
    const int index = m_choice.toInt(&isIndex);
    const auto wanted = [&](int i) {
        if (m_choice.isEmpty())
            return offered[i].type == Sdk::Keyboard;
        if (isIndex)
            return i == index;
        return offered[i].name.compare(m_choice, Qt::CaseInsensitive) == 0;
    };
    for (int i = 0; i < offered.size() && chosen < 0; ++i) {
        if (wanted(i))
            chosen = i;
    }
    m_controller = m_client.state() == SdkClient::State::Connected ? chosen : -1;
    m_match = m_controller >= 0 ? KeyLedMatch::build(offered[m_controller]) : KeyLedMatch();
    emit sigDeviceChanged();
    refresh();
}

void NetworkKeyboard::prepareController()
{
    const SdkController& controller = m_client.controllers()[m_controller];
    const int direct = controller.modeIndex(kPerKeyMode);
    if (direct >= 0)
        m_client.updateMode(m_controller, direct, controller.modes[direct]);
    else
        m_client.setCustomMode(m_controller);
    m_lastSent.clear();
}

void NetworkKeyboard::scheduleFrame()
{
    if (m_controller < 0 || m_frameTimer.isActive())
        return;
    // A change goes out at once unless a frame went out less than a frame's time ago.
    const qint64 since = m_sinceFrame.isValid() ? m_sinceFrame.elapsed() : kFrameIntervalMs;
    if (since >= kFrameIntervalMs)
        sendFrame();
    else
        m_frameTimer.start(int(kFrameIntervalMs - since));
}

void NetworkKeyboard::sendFrame()
{
    if (m_controller < 0)
        return;
    const qint64 now = m_model.clockMs();
    LedFrame frame;
    m_model.frameAt(now, frame);
    const QVector<int>& sources = m_match.sourceLeds();
    QVector<QRgb> colours(sources.size(), qRgb(0, 0, 0));
    for (int i = 0; i < sources.size(); ++i) {
        if (sources[i] >= 0)
            colours[i] = frame[std::size_t(sources[i])];
    }
    if (colours != m_lastSent && sendChanges(colours)) {
        m_lastSent = colours;
        m_sinceFrame.start();
        ++m_framesSent;
        m_recentFrames.push_back(now);
        framesPerSecond(); // drops what is older than a second
        emit sigFrameSent();
    }
    // The next look a frame's time from now, whether or not this one went out, so that an
    // effect that moves without changing a colour costs no more than one that does.
    if (m_model.changesAfter(now) || colours != m_lastSent)
        m_frameTimer.start(kFrameIntervalMs);
}

bool NetworkKeyboard::sendChanges(const QVector<QRgb>& colours)
{
    if (m_lastSent.size() != colours.size())
        return m_client.updateLeds(m_controller, colours);
    int first = -1, last = -1, changed = 0;
    for (int i = 0; i < colours.size(); ++i) {
        if (colours[i] != m_lastSent[i]) {
            first = first < 0 ? i : first;
            last = i;
            ++changed;
        }
    }
    if (changed == 1)
        return m_client.updateSingleLed(m_controller, first, colours[first]);
    // The changes within one zone that is smaller than the device: that zone alone.
    const SdkController& controller = m_client.controllers()[m_controller];
    for (int z = 0; z < controller.zones.size(); ++z) {
        const int start = controller.zoneStart(z);
        const int count = int(controller.zones[z].ledsCount);
        if (first >= start && last < start + count && count < colours.size())
            return m_client.updateZoneLeds(m_controller, z, colours.mid(start, count));
    }
    return m_client.updateLeds(m_controller, colours);
}
