#pragma once

// Everything the store keeps for one profile, and the checks that keep it storable.

#include "keylight/modecatalogue.h"
#include "keylight/vantor_types.h"
#include "vantor_profile_export.h"

#include <QString>

#include <array>

struct VANTOR_PROFILE_EXPORT ProfileData
{
    uchar activeMode = 0;
    std::array<vantor_light, Mode::Count> modeLights; // index = mode number
    vantor_light_custom custom;
    uchar currentLayer = 0;
    std::array<vantor_light, kSubModeCount> layers;
    uchar currentZone = 0;
    std::array<vantor_light, kSubModeCount> zones;
    vantor_filter filter;
    std::array<std::array<custom_color, kCustomColorSlots>, 2> customColors; // [ground][slot]

    static ProfileData factoryDefaults();

    // Why this data could not be kept (a mode number above 20, a layer index above 3...),
    // as a phrase for an error sentence; empty when it is fine.
    QString problem() const;

    // Equality as far as the data means something: an empty custom colour slot equals
    // any other empty slot whatever its colour bytes hold, and a filter byte only says
    // whether an LED is in the zone.
    bool operator==(const ProfileData& other) const;
    bool operator!=(const ProfileData& other) const { return !(*this == other); }
};

// Filter membership: only the bytes of real LED indices count, and any non-zero byte
// means "in the zone".
VANTOR_PROFILE_EXPORT bool inZone(const vantor_filter& filter, int zone, int led);
