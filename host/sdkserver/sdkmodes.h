// SPDX-License-Identifier: MIT
#pragma once

// The effects of the mode catalogue as modes of the SDK: their order in the controller's
// list (the per-key effect, "Direct", first, as clients expect, then the others as the
// mode list shows them), what each offers (speed, direction, colours, brightness), and a
// client's settings written into a record.

#include "host/transport/openrgb/sdkcontroller.h"
#include "keylight/modecatalogue.h"
#include "keylight/vantor_types.h"

#include <array>
#include <optional>

namespace SdkModes {

constexpr int kBrightnessMax = 255;

// The catalogue's mode at each index of the SDK's list.
const std::array<int, Mode::Count>& order();
// The SDK index of a catalogue mode; -1 for a number outside it.
int indexOf(int mode);
// The mode as a client sees it, with the settings of `record` (the custom brightness for
// the per-key effect).
SdkMode describe(int mode, const vantor_light& record, uchar customBrightness);
// `record` with what the client asked for, as far as the mode offers it and the values
// are ones the page could show.
vantor_light apply(int mode, const SdkMode& asked, vantor_light record);
// A brightness of the client's range in ours, 0 to 255; nothing when the client sent none.
std::optional<uchar> brightnessOf(const SdkMode& asked);

} // namespace SdkModes
