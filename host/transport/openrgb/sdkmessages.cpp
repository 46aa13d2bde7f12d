// SPDX-License-Identifier: MIT
#include "host/transport/openrgb/sdkmessages.h"

#include "host/transport/openrgb/sdkwire.h"

#include <QCoreApplication>

namespace {
constexpr int kColourSize = 4;

void writeColours(SdkWriter& out, const QVector<QRgb>& colours)
{
    out.u16(quint16(colours.size()));
    for (QRgb colour : colours)
        out.colour(colour);
}

// A size that counts itself, as the packets that carry a list of colours begin.
QByteArray sized(SdkWriter& out)
{
    out.patchU32(0, quint32(out.size()));
    return out.data();
}

// The packets that carry a list begin with their own size, which must be the packet's.
void checkSize(SdkReader& in, const QByteArray& payload)
{
    const quint32 size = in.u32("data size");
    if (in.ok() && size != quint32(payload.size()))
        in.fail("data size", QCoreApplication::translate("SdkMessages",
                                                         "says %1 bytes, the packet holds %2")
                                 .arg(size)
                                 .arg(payload.size()));
}

SdkMessages::LedUpdate readColours(const QByteArray& payload, bool withZone)
{
    SdkMessages::LedUpdate update;
    SdkReader in(payload);
    checkSize(in, payload);
    if (withZone)
        update.zone = in.u32("zone");
    const int count = in.count16("colour count", kColourSize);
    update.colours.reserve(count);
    for (int i = 0; i < count && in.ok(); ++i)
        update.colours << in.colour("colour");
    update.error = in.error();
    return update;
}
} // namespace

QByteArray SdkMessages::updateLeds(const QVector<QRgb>& colours)
{
    SdkWriter out;
    out.u32(0);
    writeColours(out, colours);
    return sized(out);
}

QByteArray SdkMessages::updateZoneLeds(quint32 zone, const QVector<QRgb>& colours)
{
    SdkWriter out;
    out.u32(0);
    out.u32(zone);
    writeColours(out, colours);
    return sized(out);
}

QByteArray SdkMessages::updateSingleLed(qint32 led, QRgb colour)
{
    SdkWriter out;
    out.i32(led);
    out.colour(colour);
    return out.data();
}

QByteArray SdkMessages::updateMode(qint32 modeIndex, const SdkMode& mode, quint32 version)
{
    SdkWriter out;
    out.u32(0);
    out.i32(modeIndex);
    SdkControllerData::writeMode(out, mode, version);
    return sized(out);
}

QByteArray SdkMessages::u32(quint32 value)
{
    SdkWriter out;
    out.u32(value);
    return out.data();
}

SdkMessages::SingleLedUpdate SdkMessages::readUpdateSingleLed(const QByteArray& payload)
{
    SdkReader in(payload);
    SingleLedUpdate update;
    update.led = in.i32("LED index");
    update.colour = in.colour("colour");
    update.error = in.error();
    return update;
}

SdkMessages::ModeUpdate SdkMessages::readUpdateMode(const QByteArray& payload, quint32 version)
{
    SdkReader in(payload);
    ModeUpdate update;
    checkSize(in, payload);
    update.modeIndex = in.i32("mode index");
    update.mode = SdkControllerData::readMode(in, version);
    update.error = in.error();
    return update;
}

QString SdkMessages::readName(const QByteArray& payload, int limit)
{
    const QByteArray text = payload.left(limit);
    return QString::fromUtf8(text.constData(), int(qstrnlen(text.constData(), uint(text.size()))));
}

QByteArray SdkMessages::name(const QString& text)
{
    return text.toUtf8() + QByteArray(1, '\0');
}

QByteArray SdkMessages::profileList(const QStringList& names)
{
    SdkWriter out;
    out.u32(0);
    out.u16(quint16(names.size()));
    for (const QString& profile : names)
        out.string(profile);
    return sized(out);
}

SdkMessages::LedUpdate SdkMessages::readUpdateLeds(const QByteArray& payload)
{
    return readColours(payload, false);
}

SdkMessages::LedUpdate SdkMessages::readUpdateZoneLeds(const QByteArray& payload)
{
    return readColours(payload, true);
}
