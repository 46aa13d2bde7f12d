#include "host/device/devicestate.h"

#include "platform/protocol/vantorpacket.h"

#include <algorithm>

DeviceState::DeviceState()
    : m_lighting(LightingState::factory())
{
}

bool DeviceState::receive(int code, const QByteArray& packet)
{
    if (code == Request::Apply) {
        // APPLY carries no packet: it stores what runs now under the selected profile.
        m_onboard[m_profile] = m_lighting;
        return true;
    }

    VantorPacket::Decoded decoded;
    QString error;
    if (!VantorPacket::decode(packet.constData(), std::size_t(packet.size()), decoded, &error))
        return reject(QStringLiteral("Request %1 (%2): %3")
                          .arg(code)
                          .arg(VantorPacket::requestName(code), error));
    if (decoded.code != code)
        return reject(QStringLiteral("Request %1 (%2) came with a packet of request %3 (%4).")
                          .arg(code)
                          .arg(VantorPacket::requestName(code))
                          .arg(decoded.code)
                          .arg(VantorPacket::requestName(decoded.code)));

    LightingState next = m_lighting;
    switch (code) {
    case Request::Reset:
        next = LightingState::factory();
        break;
    case Request::ModeParam:
        if (!ModeCatalogue::isKnown(decoded.light.mode))
            return reject(QStringLiteral("Request %1 names mode %2; the keyboard knows modes "
                                         "0 to %3.")
                              .arg(code)
                              .arg(decoded.light.mode)
                              .arg(Mode::Count - 1));
        next.mode = decoded.light.mode;
        next.light = decoded.light;
        break;
    case Request::CustomLed:
        next.mode = Mode::Custom;
        next.custom = decoded.custom;
        break;
    case Request::Multilayer:
        next.mode = Mode::Multilayer;
        std::copy_n(decoded.lights.begin(), kSubModeCount, next.layers.begin());
        break;
    case Request::Multizone:
        next.mode = Mode::Multizone;
        std::copy_n(decoded.lights.begin(), kSubModeCount, next.zones.begin());
        next.filter = decoded.filter;
        break;
    default:
        return reject(QStringLiteral("Request %1 is not one the keyboard understands.")
                          .arg(code));
    }
    m_lighting = next;
    return true;
}

bool DeviceState::selectProfile(uchar profile)
{
    if (profile >= kProfileCount)
        return reject(QStringLiteral("There is no profile %1; the keyboard holds profiles "
                                     "0 to %2.")
                          .arg(profile)
                          .arg(kProfileCount - 1));
    if (profile == m_profile)
        return true;
    m_profile = profile;
    m_lighting = m_onboard[profile].value_or(LightingState::factory());
    return true;
}

std::optional<LightingState> DeviceState::onboardProfile(uchar profile) const
{
    if (profile >= kProfileCount)
        return std::nullopt;
    return m_onboard[profile];
}

bool DeviceState::reject(const QString& error)
{
    m_lastError = error;
    ++m_rejected;
    return false;
}
