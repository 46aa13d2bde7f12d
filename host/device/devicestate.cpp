// SPDX-License-Identifier: MIT
#include "host/device/devicestate.h"

#include "host/transport/devicetext.h"
#include "host/transport/lightingrequest.h"

#include <algorithm>

namespace {
// The lighting a request builds, applied only once the whole request was accepted.
class NextLighting : public LightingTarget
{
public:
    explicit NextLighting(const LightingState& now)
        : state(now)
    {
    }

    void resetLighting() override { state = LightingState::factory(); }
    void takeModeParam(const vantor_light& light) override { state.light = light; }
    void takeCustomLed(const vantor_light_custom& custom) override { state.custom = custom; }
    void takeLayers(const std::vector<vantor_light>& layers) override
    {
        std::copy_n(layers.begin(), kSubModeCount, state.layers.begin());
    }
    void takeZones(const std::vector<vantor_light>& zones, const vantor_filter& filter) override
    {
        std::copy_n(zones.begin(), kSubModeCount, state.zones.begin());
        state.filter = filter;
    }
    void setActiveMode(int mode) override { state.mode = uchar(mode); }

    LightingState state;
};
} // namespace

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
    NextLighting next(m_lighting);
    QString error;
    if (!LightingRequest::apply(code, packet, next, &error))
        return reject(error);
    m_lighting = next.state;
    return true;
}

bool DeviceState::selectProfile(uchar profile)
{
    if (profile >= kProfileCount)
        return reject(DeviceText::tr("There is no profile %1; the keyboard holds profiles "
                                     "0 to %2.")
                          .arg(profile)
                          .arg(kProfileCount - 1));
    if (profile == m_profile)
        return true;
    m_profile = profile;
    m_lighting = m_onboard[profile].value_or(LightingState::factory());
    return true;
}

void DeviceState::restoreOnboardMemory(const OnboardMemory& memory)
{
    m_onboard = memory;
    m_lighting = m_onboard[m_profile].value_or(LightingState::factory());
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
