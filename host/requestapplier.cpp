#include "host/requestapplier.h"

#include "keylight/ivantorprofilecfg.h"
#include "keylight/modecatalogue.h"
#include "platform/protocol/vantorpacket.h"

RequestApplier::RequestApplier(IVantorProfileCfg& store)
    : m_store(store)
{
}

RequestApplier::Outcome RequestApplier::apply(uchar profile, int code, const QByteArray& packet)
{
    Outcome outcome;
    if (code == Request::Apply)
        return outcome;

    VantorPacket::Decoded decoded;
    if (!VantorPacket::decode(packet.constData(), std::size_t(packet.size()), decoded,
                              &outcome.error))
        return outcome;
    if (decoded.code != code) {
        outcome.error = QStringLiteral("The packet holds request %1 but was sent as request %2.")
                            .arg(decoded.code)
                            .arg(code);
        return outcome;
    }

    switch (code) {
    case Request::Reset:
        m_store.resetProfile(profile);
        break;
    case Request::ModeParam:
        if (!ModeCatalogue::isKnown(decoded.light.mode)) {
            outcome.error = QStringLiteral("The packet names mode %1; modes run from 0 to %2.")
                                .arg(decoded.light.mode)
                                .arg(Mode::Count - 1);
            return outcome;
        }
        m_store.writeModeParam(profile, decoded.light);
        m_store.setCurrentMode(profile, decoded.light.mode);
        break;
    case Request::CustomLed:
        m_store.writeCustomLed(profile, decoded.custom);
        m_store.setCurrentMode(profile, Mode::Custom);
        break;
    case Request::Multilayer:
        // The packet carries no layer index: the store keeps the one it has.
        m_store.writeMultilayerParams(profile, decoded.lights);
        m_store.setCurrentMode(profile, Mode::Multilayer);
        break;
    case Request::Multizone:
        m_store.writeMultizoneParams(profile, decoded.lights, decoded.filter);
        m_store.setCurrentMode(profile, Mode::Multizone);
        break;
    default:
        outcome.error = QStringLiteral("Request %1 is not one the host knows.").arg(code);
        return outcome;
    }
    outcome.applied = true;
    return outcome;
}
