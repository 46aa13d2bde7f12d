// SPDX-License-Identifier: MIT
#include "host/transport/lightingrequest.h"

#include "host/transport/devicetext.h"
#include "keylight/modecatalogue.h"
#include "platform/protocol/vantorpacket.h"

namespace LightingRequest {

namespace {
bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

QString named(int code)
{
    return QStringLiteral("%1 (%2)").arg(code).arg(VantorPacket::requestName(code));
}
} // namespace

bool apply(int code, const QByteArray& packet, LightingTarget& target, QString* error)
{
    const ModeCatalogue::LightingRequestInfo* lighting = ModeCatalogue::lightingRequest(code);
    if (!lighting && code != Request::Reset)
        return fail(error, DeviceText::tr("Request %1 is not one the keyboard understands.")
                               .arg(code));

    VantorPacket::Decoded decoded;
    QString problem;
    if (!VantorPacket::decode(packet.constData(), std::size_t(packet.size()), decoded,
                              &problem))
        return fail(error, DeviceText::tr("Request %1: %2").arg(named(code), problem));
    if (decoded.code != code)
        return fail(error, DeviceText::tr("Request %1 came with a packet of request %2.")
                               .arg(named(code), named(decoded.code)));
    if (!lighting) {
        target.resetLighting();
        return true;
    }

    int mode = ModeCatalogue::modeOfPreview(lighting->preview);
    switch (lighting->preview) {
    case PreviewKind::Ordinary:
        mode = decoded.light.mode;
        if (!ModeCatalogue::isKnown(mode))
            return fail(error, DeviceText::tr("Request %1 names mode %2; modes run from 0 to %3.")
                                   .arg(named(code))
                                   .arg(mode)
                                   .arg(Mode::Count - 1));
        target.takeModeParam(decoded.light);
        break;
    case PreviewKind::PerKey:
        target.takeCustomLed(decoded.custom);
        break;
    case PreviewKind::Layers:
        target.takeLayers(decoded.lights);
        break;
    case PreviewKind::Zones:
        target.takeZones(decoded.lights, decoded.filter);
        break;
    }
    target.setActiveMode(mode);
    return true;
}

} // namespace LightingRequest
