// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the readers of the OpenRGB SDK, the client's and the server's:
// the first byte picks the protocol version, the rest is a controller-data payload, a
// stream of packets, and each request a client may send the server. Besides memory errors
// it stops on two broken promises: a refusal without a reason, and data that reads back
// differently after it was written again.

#include "host/transport/openrgb/sdkcontroller.h"
#include "host/transport/openrgb/sdkmessages.h"
#include "host/transport/openrgb/sdkwire.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
constexpr quint32 kVersions = 6; // 0 to 5: one past ours, as a newer server may claim

void controllerData(const QByteArray& payload, quint32 version)
{
    const SdkControllerData::Parsed read = SdkControllerData::parse(payload, version);
    if (!read.error.isEmpty())
        return;
    const QByteArray again = SdkControllerData::serialize(read.controller, version);
    const SdkControllerData::Parsed reread = SdkControllerData::parse(again, version);
    if (!reread.error.isEmpty() || !(reread.controller == read.controller))
        std::abort();
}

void packets(const QByteArray& stream)
{
    SdkPacketSplitter splitter;
    splitter.feed(stream);
    while (splitter.next()) {
    }
    if (splitter.failed() && splitter.error().isEmpty())
        std::abort();
}

void ledUpdates(const QByteArray& payload)
{
    for (const SdkMessages::LedUpdate& update :
         {SdkMessages::readUpdateLeds(payload), SdkMessages::readUpdateZoneLeds(payload)}) {
        if (update.error.isEmpty()
            && SdkMessages::readUpdateLeds(SdkMessages::updateLeds(update.colours)).colours
                != update.colours)
            std::abort();
    }
}
// What the server reads from its clients: modes, single LEDs and names.
void serverRequests(const QByteArray& payload, quint32 version)
{
    const SdkMessages::ModeUpdate mode = SdkMessages::readUpdateMode(payload, version);
    if (mode.error.isEmpty()) {
        const SdkMessages::ModeUpdate again = SdkMessages::readUpdateMode(
            SdkMessages::updateMode(mode.modeIndex, mode.mode, version), version);
        if (!again.error.isEmpty() || !(again.mode == mode.mode)
            || again.modeIndex != mode.modeIndex)
            std::abort();
    }
    SdkMessages::readUpdateSingleLed(payload);
    if (SdkMessages::readName(payload, 256).toUtf8().size() > 3 * 256)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const quint32 version = data[0] % kVersions;
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), int(size - 1));
    controllerData(rest, version);
    packets(rest);
    ledUpdates(rest);
    serverRequests(rest, version);
    return 0;
}
