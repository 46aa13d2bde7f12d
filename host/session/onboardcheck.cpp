// SPDX-License-Identifier: MIT
#include "host/session/onboardcheck.h"

#include "host/device/devicestate.h"
#include "host/device/virtualkeyboard.h"
#include "host/transport/devicetransport.h"
#include "host/session/profilesender.h"
#include "platform/profilestore/profilestore.h"

namespace OnboardCheck {

namespace {
// A keyboard without keys: only the state that the requests build.
class StateOnly : public DeviceTransport
{
public:
    void send(int code, const QByteArray& packet) override { state.receive(code, packet); }
    void selectProfile(uchar profile) override { state.selectProfile(profile); }
    void setLightsOn(bool) override {}

    DeviceState state;
};
} // namespace

LightingState lightingOf(const ProfileData& data)
{
    StateOnly keyboard;
    ProfileSender::send(data, keyboard);
    return keyboard.state.lighting();
}

bool holds(const std::optional<LightingState>& onboard, const ProfileData& data)
{
    return onboard.value_or(LightingState::factory()).looksLike(lightingOf(data));
}

std::function<bool(uchar profile)> forKeyboard(const VirtualKeyboard& keyboard,
                                               const ProfileStore& store)
{
    return [&keyboard, &store](uchar profile) {
        return holds(keyboard.onboardProfile(profile), store.profile(profile));
    };
}

} // namespace OnboardCheck
