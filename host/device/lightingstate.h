// SPDX-License-Identifier: MIT
#pragma once

#include "keylight/modecatalogue.h"
#include "keylight/vantor_types.h"

#include <array>
#include <cstring>

// Everything the keyboard lights its keys from: the active effect and the records of every
// kind that the packets deliver. It is also what the onboard memory keeps per profile.
struct LightingState
{
    uchar mode = Mode::Static;      // the effect that runs
    vantor_light light;             // the record of the last ordinary effect
    vantor_light_custom custom;     // per-key colours and their brightness
    std::array<vantor_light, kSubModeCount> layers;
    std::array<vantor_light, kSubModeCount> zones;
    vantor_filter filter;

    // The state a keyboard leaves the factory with: white static light, black keys at full
    // brightness for custom, default layers and zones, no key in any zone.
    static LightingState factory()
    {
        LightingState state;
        state.custom.brightness = 0xFF;
        return state;
    }

    bool operator==(const LightingState& other) const
    {
        // The records are packed bytes without padding, so byte equality is value equality.
        return mode == other.mode && sameBytes(light, other.light)
            && sameBytes(custom, other.custom) && sameBytes(layers, other.layers)
            && sameBytes(zones, other.zones) && sameBytes(filter, other.filter);
    }
    bool operator!=(const LightingState& other) const { return !(*this == other); }

    // Whether both light the keys alike: the same effect, run from the same record. The
    // records of other effects that a state still carries do not show.
    bool looksLike(const LightingState& other) const
    {
        if (mode != other.mode)
            return false;
        switch (ModeCatalogue::info(mode).preview) {
        case PreviewKind::PerKey:
            return sameBytes(custom, other.custom);
        case PreviewKind::Layers:
            return sameBytes(layers, other.layers);
        case PreviewKind::Zones:
            return sameBytes(zones, other.zones) && sameBytes(filter, other.filter);
        case PreviewKind::Ordinary:
            break;
        }
        return sameBytes(light, other.light);
    }

private:
    template <typename T>
    static bool sameBytes(const T& a, const T& b)
    {
        return std::memcmp(&a, &b, sizeof(T)) == 0;
    }
};
