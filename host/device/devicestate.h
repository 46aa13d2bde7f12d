// SPDX-License-Identifier: MIT
#pragma once

#include "host/device/lightingstate.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// What the keyboard holds, changed only by the packets it receives: the lighting that runs
// now, and an onboard copy per profile that APPLY writes. Switching to another profile
// brings up that profile's onboard copy (the factory lighting when it holds none), so
// changes that were never applied are gone, as on the real keyboard. RESET puts the
// lighting that runs back to the factory state; the onboard copies stay until the next
// APPLY.
class DeviceState
{
public:
    // The copy APPLY wrote for each profile, or nothing for a profile never applied.
    using OnboardMemory = std::array<std::optional<LightingState>, kProfileCount>;

    DeviceState();

    // One request as the host hands it over. Returns false, and keeps everything as it was,
    // for a packet that does not decode or does not belong to the code.
    bool receive(int code, const QByteArray& packet);
    // The profile the following requests belong to. Returns false for a number beyond the
    // keyboard's profiles, which changes nothing.
    bool selectProfile(uchar profile);

    uchar profile() const { return m_profile; }
    const LightingState& lighting() const { return m_lighting; }
    // The copy APPLY last wrote for the profile, or nothing when it was never applied.
    std::optional<LightingState> onboardProfile(uchar profile) const;
    const OnboardMemory& onboardMemory() const { return m_onboard; }
    // Puts back what the memory held when the keyboard was last switched off; the selected
    // profile's copy then runs, as after switching to it.
    void restoreOnboardMemory(const OnboardMemory& memory);

    // Why the last refused request was refused; empty until one is.
    const QString& lastError() const { return m_lastError; }
    int rejectedCount() const { return m_rejected; }

private:
    bool reject(const QString& error);

    LightingState m_lighting;
    OnboardMemory m_onboard;
    uchar m_profile = 0;
    QString m_lastError;
    int m_rejected = 0;
};
