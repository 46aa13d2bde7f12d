// SPDX-License-Identifier: MIT
#pragma once

// Tells the keyboard what a stored profile shows, as the page would have: one request
// for the profile's active mode, built by the protocol builder.

class DeviceTransport;
struct ProfileData;

namespace ProfileSender {

// Builds the request of the active mode (mode parameters, custom keys, layers or zones)
// and sends it. Returns the request code that was sent.
int send(const ProfileData& data, DeviceTransport& device);

} // namespace ProfileSender
