// SPDX-License-Identifier: MIT
#pragma once

// Whether the keyboard's onboard memory holds a stored profile, judged by what the profile
// would put on the keyboard: the truth behind the status bar's "Applied".

#include "host/device/lightingstate.h"

#include <functional>
#include <optional>

class ProfileStore;
class VirtualKeyboard;
struct ProfileData;

namespace OnboardCheck {

// The lighting a keyboard runs once the host has sent it the profile.
LightingState lightingOf(const ProfileData& data);

// `onboard` is the keyboard's copy of the profile; nothing for a profile never applied,
// which runs the factory lighting.
bool holds(const std::optional<LightingState>& onboard, const ProfileData& data);

// Whether `keyboard` holds each profile as `store` keeps it; both must outlive the check.
std::function<bool(uchar profile)> forKeyboard(const VirtualKeyboard& keyboard,
                                               const ProfileStore& store);

} // namespace OnboardCheck
