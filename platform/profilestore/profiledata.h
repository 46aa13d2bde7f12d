// SPDX-License-Identifier: MIT
#pragma once

// Everything the store keeps for one profile, and the checks that keep it storable.

#include "keylight/modecatalogue.h"
#include "keylight/vantor_types.h"
#include "vantor_profile_export.h"

#include <QString>

#include <array>

struct VANTOR_PROFILE_EXPORT ProfileData
{
    // A name is for people to tell the profiles apart in lists, menus and title bars,
    // where a longer one would be cut.
    static constexpr int kMaxNameLength = 40;

    // The name the user gave; empty when none was given, and the host shows its own.
    QString name;
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

    // Why this data could not be kept (a mode number above 20, a speed of 0, a layer index
    // above 3...), as a phrase for an error sentence; empty when it is fine.
    QString problem() const;
    // Why a name could not be kept (too long, a line break...), in the same words; empty
    // when it is fine. Blanks are kept as given: trimming is the caller's choice.
    static QString nameProblem(const QString& name);

    // Equality as far as the data means something: an empty custom colour slot equals
    // any other empty slot whatever its colour bytes hold, and a filter byte only says
    // whether an LED is in the zone.
    bool operator==(const ProfileData& other) const;
    bool operator!=(const ProfileData& other) const { return !(*this == other); }
};

// What a lighting record may hold besides its mode. The page offers speeds 1 to 5 and the
// four arrow directions; the store refuses anything else, so its file never holds what
// the page could not show.
namespace RecordLimits {
constexpr int kSpeedMin = 1;
constexpr int kSpeedMax = 5;
constexpr std::array<int, 4> kDirections{Direction::Left, Direction::Up, Direction::Right,
                                         Direction::Down};

constexpr bool validDirection(int direction)
{
    for (int allowed : kDirections) {
        if (allowed == direction)
            return true;
    }
    return false;
}

// Why the record could not be kept ("mode 21", "speed 200", "direction 77"), or empty.
VANTOR_PROFILE_EXPORT QString problem(const vantor_light& light);
} // namespace RecordLimits

// Filter membership: only the bytes of real LED indices count, and any non-zero byte
// means "in the zone".
VANTOR_PROFILE_EXPORT bool inZone(const vantor_filter& filter, int zone, int led);
