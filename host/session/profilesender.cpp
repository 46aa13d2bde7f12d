// SPDX-License-Identifier: MIT
#include "host/session/profilesender.h"

#include "host/transport/devicetransport.h"
#include "host/transport/packetbytes.h"
#include "keylight/iparsevantor.h"
#include "platform/profilestore/profilestore.h"

#include <vector>

namespace ProfileSender {

int send(const ProfileData& data, DeviceTransport& device)
{
    IParseVantor& builder = IParseVantor::Instance();
    const int mode = ModeCatalogue::isKnown(data.activeMode) ? data.activeMode
                                                              : int(Mode::Static);
    const int code = ModeCatalogue::requestFor(mode);
    void* packet = nullptr;
    switch (ModeCatalogue::info(mode).preview) {
    case PreviewKind::PerKey:
        builder.buildCustomLed(data.custom, packet);
        break;
    case PreviewKind::Layers:
        builder.buildMultilayer(std::vector<vantor_light>(data.layers.begin(), data.layers.end()),
                                packet);
        break;
    case PreviewKind::Zones:
        builder.buildMultizone(std::vector<vantor_light>(data.zones.begin(), data.zones.end()),
                               data.filter, packet);
        break;
    case PreviewKind::Ordinary:
        builder.buildModeParam(data.modeLights[std::size_t(mode)], packet);
        break;
    }
    // The builder may reuse its buffer on the next build, so the bytes are copied now.
    device.send(code, PacketBytes::copy(code, packet));
    return code;
}

} // namespace ProfileSender
