#include "host/profilesender.h"

#include "host/devicetransport.h"
#include "host/packetbytes.h"
#include "keylight/iparsevantor.h"
#include "platform/profilestore/profilestore.h"

#include <vector>

namespace ProfileSender {

int send(const ProfileData& data, DeviceTransport& device)
{
    IParseVantor& builder = IParseVantor::Instance();
    void* packet = nullptr;
    int code = Request::ModeParam;
    switch (data.activeMode) {
    case Mode::Custom:
        code = Request::CustomLed;
        builder.buildCustomLed(data.custom, packet);
        break;
    case Mode::Multilayer:
        code = Request::Multilayer;
        builder.buildMultilayer(std::vector<vantor_light>(data.layers.begin(), data.layers.end()),
                                packet);
        break;
    case Mode::Multizone:
        code = Request::Multizone;
        builder.buildMultizone(std::vector<vantor_light>(data.zones.begin(), data.zones.end()),
                               data.filter, packet);
        break;
    default:
        builder.buildModeParam(data.modeLights[std::size_t(ModeCatalogue::isKnown(data.activeMode)
                                                               ? data.activeMode
                                                               : int(Mode::Static))],
                               packet);
        break;
    }
    // The builder may reuse its buffer on the next build, so the bytes are copied now.
    device.send(code, PacketBytes::copy(code, packet));
    return code;
}

} // namespace ProfileSender
