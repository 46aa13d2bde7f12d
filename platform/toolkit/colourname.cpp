// SPDX-License-Identifier: MIT
#include "platform/toolkit/colourname.h"

#include <QColor>
#include <QCoreApplication>

#include <iterator>

namespace ColourName {

namespace {
constexpr auto kContext = "ColourName";
// Below this value a colour reads as black; below this saturation as white or grey.
constexpr double kDarkValue = 0.15;
constexpr double kGreySaturation = 0.15;
constexpr double kWhiteValue = 0.85;

struct HueName
{
    int upToHue; // the name holds for hues below this, in degrees
    const char* name;
};

// The hue circle from red round to red again.
constexpr HueName kHues[] = {
    {15, QT_TRANSLATE_NOOP("ColourName", "red")},
    {45, QT_TRANSLATE_NOOP("ColourName", "orange")},
    {70, QT_TRANSLATE_NOOP("ColourName", "yellow")},
    {160, QT_TRANSLATE_NOOP("ColourName", "green")},
    {200, QT_TRANSLATE_NOOP("ColourName", "cyan")},
    {260, QT_TRANSLATE_NOOP("ColourName", "blue")},
    {300, QT_TRANSLATE_NOOP("ColourName", "purple")},
    {345, QT_TRANSLATE_NOOP("ColourName", "magenta")},
    {361, QT_TRANSLATE_NOOP("ColourName", "red")},
};

const char* plainName(const QColor& colour)
{
    const QColor hsv = colour.toHsv();
    if (hsv.valueF() < kDarkValue)
        return QT_TRANSLATE_NOOP("ColourName", "black");
    if (hsv.hsvSaturationF() < kGreySaturation) {
        return hsv.valueF() >= kWhiteValue ? QT_TRANSLATE_NOOP("ColourName", "white")
                                           : QT_TRANSLATE_NOOP("ColourName", "grey");
    }
    const int hue = hsv.hsvHue();
    for (const HueName& entry : kHues) {
        if (hue < entry.upToHue)
            return entry.name;
    }
    return std::prev(std::end(kHues))->name;
}
} // namespace

QString describe(const QColor& colour)
{
    // An invalid colour is what a key shows as black.
    const QColor rgb(colour.red(), colour.green(), colour.blue());
    return QCoreApplication::translate("ColourName", "%1, %2")
        .arg(QCoreApplication::translate(kContext, plainName(rgb)), rgb.name(QColor::HexRgb));
}

} // namespace ColourName
