// SPDX-License-Identifier: MIT
#include "host/transport/openrgb/sdkcontroller.h"

#include "host/transport/openrgb/sdkwire.h"

#include <QCoreApplication>

namespace {
// The smallest a block can be, so a count can be checked against the bytes left.
constexpr int kMinString = 2;
// A mode has nine 32-bit fields, three more (brightness) from version 3.
constexpr int kModeFields = 9;
constexpr int kBrightnessFields = 3;
constexpr int kMinZone = kMinString + 4 * 4 + 2;
constexpr int kMinSegment = kMinString + 4 * 3;
constexpr int kMinLed = kMinString + 4;
constexpr int kColourSize = 4;
constexpr int kMatrixHeaderSize = 8;

// The texts of this file, in one translation context.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(SdkControllerData)
};

void writeZone(SdkWriter& out, const SdkZone& zone, quint32 version)
{
    out.string(zone.name);
    out.i32(zone.type);
    out.u32(zone.ledsMin);
    out.u32(zone.ledsMax);
    out.u32(zone.ledsCount);
    if (zone.matrix.isEmpty()) {
        out.u16(0);
    } else {
        out.u16(quint16(kMatrixHeaderSize + zone.matrix.size() * 4));
        out.u32(zone.matrixHeight);
        out.u32(zone.matrixWidth);
        for (quint32 cell : zone.matrix)
            out.u32(cell);
    }
    if (version >= Sdk::kSegmentsSince) {
        out.u16(quint16(zone.segments.size()));
        for (const SdkSegment& segment : zone.segments) {
            out.string(segment.name);
            out.i32(segment.type);
            out.u32(segment.startIndex);
            out.u32(segment.ledsCount);
        }
    }
}

SdkZone readZone(SdkReader& in, quint32 version)
{
    SdkZone zone;
    zone.name = in.string("zone name");
    zone.type = in.i32("zone type");
    zone.ledsMin = in.u32("zone LEDs min");
    zone.ledsMax = in.u32("zone LEDs max");
    zone.ledsCount = in.u32("zone LED count");
    const quint16 matrixSize = in.u16("zone matrix size");
    if (matrixSize > 0) {
        if (matrixSize < kMatrixHeaderSize || matrixSize > in.left()) {
            in.fail("zone matrix size",
                    Text::tr("%1 bytes cannot hold a matrix here").arg(matrixSize));
            return zone;
        }
        zone.matrixHeight = in.u32("matrix height");
        zone.matrixWidth = in.u32("matrix width");
        const quint64 cells = quint64(zone.matrixHeight) * zone.matrixWidth;
        if (cells > quint64(Sdk::kMaxMatrixCells)
            || cells * 4 != quint64(matrixSize - kMatrixHeaderSize)) {
            in.fail("matrix", Text::tr("%1 by %2 cells do not match its size of %3 bytes")
                                  .arg(zone.matrixHeight)
                                  .arg(zone.matrixWidth)
                                  .arg(matrixSize));
            return zone;
        }
        // A matrix without cells is no matrix: it is written back as none.
        if (cells == 0)
            zone.matrixHeight = zone.matrixWidth = 0;
        zone.matrix.reserve(int(cells));
        for (quint64 i = 0; i < cells && in.ok(); ++i) {
            const quint32 cell = in.u32("matrix cell");
            if (cell != Sdk::kNoLed && cell >= zone.ledsCount) {
                in.fail("matrix cell", Text::tr("LED %1 is not in a zone of %2")
                                           .arg(cell)
                                           .arg(zone.ledsCount));
                return zone;
            }
            zone.matrix << cell;
        }
    }
    if (version >= Sdk::kSegmentsSince) {
        const int segments = in.count16("segment count", kMinSegment);
        for (int i = 0; i < segments && in.ok(); ++i) {
            SdkSegment segment;
            segment.name = in.string("segment name");
            segment.type = in.i32("segment type");
            segment.startIndex = in.u32("segment start");
            segment.ledsCount = in.u32("segment LED count");
            zone.segments << segment;
        }
    }
    return zone;
}

template <typename T>
QVector<T> readList(SdkReader& in, const char* countField, int itemSize,
                    T (*readItem)(SdkReader&, quint32), quint32 version)
{
    QVector<T> items;
    const int count = in.count16(countField, itemSize);
    items.reserve(count);
    for (int i = 0; i < count && in.ok(); ++i)
        items << readItem(in, version);
    return items;
}

SdkLed readLed(SdkReader& in, quint32)
{
    SdkLed led;
    led.name = in.string("LED name");
    led.value = in.u32("LED value");
    return led;
}

QRgb readColour(SdkReader& in, quint32)
{
    return in.colour("colour");
}
} // namespace

bool SdkMode::operator==(const SdkMode& o) const
{
    return name == o.name && value == o.value && flags == o.flags && speedMin == o.speedMin
        && speedMax == o.speedMax && brightnessMin == o.brightnessMin
        && brightnessMax == o.brightnessMax && colorsMin == o.colorsMin
        && colorsMax == o.colorsMax && speed == o.speed && brightness == o.brightness
        && direction == o.direction && colorMode == o.colorMode && colors == o.colors;
}

bool SdkSegment::operator==(const SdkSegment& o) const
{
    return name == o.name && type == o.type && startIndex == o.startIndex
        && ledsCount == o.ledsCount;
}

bool SdkZone::operator==(const SdkZone& o) const
{
    return name == o.name && type == o.type && ledsMin == o.ledsMin && ledsMax == o.ledsMax
        && ledsCount == o.ledsCount && matrixHeight == o.matrixHeight
        && matrixWidth == o.matrixWidth && matrix == o.matrix && segments == o.segments;
}

bool SdkLed::operator==(const SdkLed& o) const
{
    return name == o.name && value == o.value;
}

bool SdkController::operator==(const SdkController& o) const
{
    return type == o.type && name == o.name && vendor == o.vendor
        && description == o.description && version == o.version && serial == o.serial
        && location == o.location && activeMode == o.activeMode && modes == o.modes
        && zones == o.zones && leds == o.leds && colors == o.colors;
}

int SdkController::modeIndex(const QString& modeName) const
{
    for (int i = 0; i < modes.size(); ++i) {
        if (modes[i].name.compare(modeName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int SdkController::zoneStart(int zone) const
{
    int start = 0;
    for (int i = 0; i < zone && i < zones.size(); ++i)
        start += int(zones[i].ledsCount);
    return start;
}

void SdkControllerData::writeMode(SdkWriter& out, const SdkMode& mode, quint32 version)
{
    const bool brightness = version >= Sdk::kBrightnessSince;
    out.string(mode.name);
    out.i32(mode.value);
    out.u32(mode.flags);
    out.u32(mode.speedMin);
    out.u32(mode.speedMax);
    if (brightness) {
        out.u32(mode.brightnessMin);
        out.u32(mode.brightnessMax);
    }
    out.u32(mode.colorsMin);
    out.u32(mode.colorsMax);
    out.u32(mode.speed);
    if (brightness)
        out.u32(mode.brightness);
    out.u32(mode.direction);
    out.u32(mode.colorMode);
    out.u16(quint16(mode.colors.size()));
    for (QRgb colour : mode.colors)
        out.colour(colour);
}

SdkMode SdkControllerData::readMode(SdkReader& in, quint32 version)
{
    const bool brightness = version >= Sdk::kBrightnessSince;
    SdkMode mode;
    mode.name = in.string("mode name");
    mode.value = in.i32("mode value");
    mode.flags = in.u32("mode flags");
    mode.speedMin = in.u32("mode speed min");
    mode.speedMax = in.u32("mode speed max");
    if (brightness) {
        mode.brightnessMin = in.u32("mode brightness min");
        mode.brightnessMax = in.u32("mode brightness max");
    }
    mode.colorsMin = in.u32("mode colours min");
    mode.colorsMax = in.u32("mode colours max");
    mode.speed = in.u32("mode speed");
    if (brightness)
        mode.brightness = in.u32("mode brightness");
    mode.direction = in.u32("mode direction");
    mode.colorMode = in.u32("mode colour mode");
    const int colours = in.count16("mode colour count", kColourSize);
    mode.colors.reserve(colours);
    for (int i = 0; i < colours && in.ok(); ++i)
        mode.colors << in.colour("mode colour");
    return mode;
}

QByteArray SdkControllerData::serialize(const SdkController& c, quint32 version)
{
    SdkWriter out;
    out.u32(0); // the size, known at the end
    out.i32(c.type);
    out.string(c.name);
    if (version >= Sdk::kVendorSince)
        out.string(c.vendor);
    out.string(c.description);
    out.string(c.version);
    out.string(c.serial);
    out.string(c.location);
    out.u16(quint16(c.modes.size()));
    out.i32(c.activeMode);
    for (const SdkMode& mode : c.modes)
        writeMode(out, mode, version);
    out.u16(quint16(c.zones.size()));
    for (const SdkZone& zone : c.zones)
        writeZone(out, zone, version);
    out.u16(quint16(c.leds.size()));
    for (const SdkLed& led : c.leds) {
        out.string(led.name);
        out.u32(led.value);
    }
    out.u16(quint16(c.colors.size()));
    for (QRgb colour : c.colors)
        out.colour(colour);
    out.patchU32(0, quint32(out.size()));
    return out.data();
}

SdkControllerData::Parsed SdkControllerData::parse(const QByteArray& payload, quint32 version)
{
    Parsed result;
    SdkController& c = result.controller;
    SdkReader in(payload);
    const quint32 size = in.u32("data size");
    if (in.ok() && size != quint32(payload.size()))
        in.fail("data size",
                Text::tr("says %1 bytes, the packet holds %2").arg(size).arg(payload.size()));
    c.type = in.i32("device type");
    c.name = in.string("name");
    if (version >= Sdk::kVendorSince)
        c.vendor = in.string("vendor");
    c.description = in.string("description");
    c.version = in.string("version");
    c.serial = in.string("serial");
    c.location = in.string("location");
    const int fields = kModeFields + (version >= Sdk::kBrightnessSince ? kBrightnessFields : 0);
    const int modes = in.count16("mode count", kMinString + 4 * fields + 2);
    c.activeMode = in.i32("active mode");
    c.modes.reserve(modes);
    for (int i = 0; i < modes && in.ok(); ++i)
        c.modes << readMode(in, version);
    c.zones = readList<SdkZone>(in, "zone count", kMinZone, readZone, version);
    c.leds = readList<SdkLed>(in, "LED count", kMinLed, readLed, version);
    c.colors = readList<QRgb>(in, "colour count", kColourSize, readColour, version);

    if (in.ok()) {
        quint64 zoneLeds = 0;
        for (const SdkZone& zone : c.zones)
            zoneLeds += zone.ledsCount;
        if (zoneLeds != quint64(c.leds.size()))
            in.fail("zones", Text::tr("they hold %1 LEDs, the device lists %2")
                                 .arg(zoneLeds)
                                 .arg(c.leds.size()));
        else if (c.colors.size() != c.leds.size())
            in.fail("colours",
                    Text::tr("%1 colours for %2 LEDs").arg(c.colors.size()).arg(c.leds.size()));
        else if (!c.modes.isEmpty() && (c.activeMode < 0 || c.activeMode >= c.modes.size()))
            in.fail("active mode", Text::tr("mode %1 of %2").arg(c.activeMode).arg(c.modes.size()));
    }
    // Newer servers may append fields this version does not know; nothing is missing.
    if (!in.ok()) {
        result.error = in.error();
        result.controller = SdkController();
    }
    return result;
}
