// SPDX-License-Identifier: MIT
#include "platform/profilestore/profiledata.h"

#include "keylight/keytable.h"
#include "platform/profilestore/storetext.h"

#include <cstring>

namespace {
vantor_light recordForMode(int mode)
{
    vantor_light light;
    light.mode = static_cast<uchar>(mode);
    light.bg_flag = ModeCatalogue::usesBackground(mode) ? 1 : 0;
    return light;
}

bool sameBytes(const void* a, const void* b, std::size_t size)
{
    return std::memcmp(a, b, size) == 0;
}

bool sameSlot(const custom_color& a, const custom_color& b)
{
    const bool filled = a.flag != 0;
    if (filled != (b.flag != 0))
        return false;
    return !filled
        || (a.red == b.red && a.green == b.green && a.blue == b.blue && a.alpha == b.alpha);
}

bool sameFilter(const vantor_filter& a, const vantor_filter& b)
{
    for (int zone = 0; zone < kSubModeCount; ++zone) {
        for (int led = 0; led < kLedCount; ++led) {
            if (inZone(a, zone, led) != inZone(b, zone, led))
                return false;
        }
    }
    return true;
}

template <std::size_t N>
QString listProblem(const std::array<vantor_light, N>& records, const char* what)
{
    for (std::size_t i = 0; i < N; ++i) {
        const QString problem = RecordLimits::problem(records[i]);
        if (!problem.isEmpty())
            return StoreText::tr("%1 %2 has %3").arg(StoreText::tr(what)).arg(i).arg(problem);
    }
    return {};
}
} // namespace

QString RecordLimits::problem(const vantor_light& light)
{
    if (!ModeCatalogue::isKnown(light.mode))
        return StoreText::tr("mode %1").arg(light.mode);
    if (light.speed < kSpeedMin || light.speed > kSpeedMax)
        return StoreText::tr("speed %1").arg(light.speed);
    if (!validDirection(light.direction))
        return StoreText::tr("direction %1").arg(light.direction);
    return {};
}

bool inZone(const vantor_filter& filter, int zone, int led)
{
    return zone >= 0 && zone < kSubModeCount && led >= 0 && led < kLedCount
        && filter.zone[zone][led] != 0;
}

ProfileData ProfileData::factoryDefaults()
{
    ProfileData data;
    data.activeMode = Mode::Static;
    for (int mode = 0; mode < Mode::Count; ++mode)
        data.modeLights[std::size_t(mode)] = recordForMode(mode);
    // No key painted yet, at full brightness for the first colour the user paints.
    for (int led = 0; led < kLedCount; ++led) {
        uchar* rgb = data.custom.led + 3 * led;
        rgb[0] = KeyTable::kUnpaintedRed;
        rgb[1] = KeyTable::kUnpaintedGreen;
        rgb[2] = KeyTable::kUnpaintedBlue;
    }
    data.custom.brightness = 255;
    data.layers.fill(recordForMode(Mode::Empty));
    data.layers[0] = recordForMode(Mode::Static);
    data.zones.fill(recordForMode(Mode::Empty));
    data.zones[0] = recordForMode(Mode::Static);
    return data;
}

QString ProfileData::nameProblem(const QString& name)
{
    if (name.size() > kMaxNameLength)
        return StoreText::tr("the name is longer than %1 characters").arg(kMaxNameLength);
    for (const QChar c : name) {
        // A line break or tab would break the one line a name is shown on; the Unicode
        // line and paragraph separators count as line breaks too.
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            return StoreText::tr("the name holds a line break or another control character");
    }
    return {};
}

QString ProfileData::problem() const
{
    const QString problem = nameProblem(name);
    if (!problem.isEmpty())
        return problem;
    if (!ModeCatalogue::isKnown(activeMode))
        return StoreText::tr("the active mode is %1").arg(activeMode);
    if (currentLayer >= kSubModeCount)
        return StoreText::tr("the current layer is %1").arg(currentLayer);
    if (currentZone >= kSubModeCount)
        return StoreText::tr("the current zone is %1").arg(currentZone);
    QString recordProblem =
        listProblem(modeLights, QT_TRANSLATE_NOOP("ProfileStore", "mode record"));
    if (recordProblem.isEmpty())
        recordProblem = listProblem(layers, QT_TRANSLATE_NOOP("ProfileStore", "layer"));
    if (recordProblem.isEmpty())
        recordProblem = listProblem(zones, QT_TRANSLATE_NOOP("ProfileStore", "zone"));
    return recordProblem;
}

bool ProfileData::operator==(const ProfileData& other) const
{
    if (name != other.name || activeMode != other.activeMode || currentLayer != other.currentLayer
        || currentZone != other.currentZone
        || !sameBytes(modeLights.data(), other.modeLights.data(), sizeof modeLights)
        || !sameBytes(&custom, &other.custom, sizeof custom)
        || !sameBytes(layers.data(), other.layers.data(), sizeof layers)
        || !sameBytes(zones.data(), other.zones.data(), sizeof zones)
        || !sameFilter(filter, other.filter))
        return false;
    for (std::size_t ground = 0; ground < customColors.size(); ++ground) {
        for (std::size_t slot = 0; slot < customColors[ground].size(); ++slot) {
            if (!sameSlot(customColors[ground][slot], other.customColors[ground][slot]))
                return false;
        }
    }
    return true;
}
