// SPDX-License-Identifier: MIT
// Writes the fuzz target's seeds: the tests' keyboard and mouse as controller data of every
// protocol version, a stream of packets and an LED update, each behind its version byte.
//   tst_openrgb_seeds FOLDER

#include "fakesdkserver.h"

#include "host/transport/openrgb/sdkmessages.h"

#include <QDir>
#include <QFile>

namespace {
bool write(const QDir& folder, const QString& name, quint32 version, const QByteArray& bytes)
{
    QFile file(folder.filePath(name));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(QByteArray(1, char(version)) + bytes) == bytes.size() + 1;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (quint32 version = 0; version <= Sdk::kOurVersion; ++version) {
        ok &= write(folder, QStringLiteral("keyboard-v%1").arg(version), version,
                    SdkControllerData::serialize(FakeDevices::keyboard(), version));
        ok &= write(folder, QStringLiteral("mouse-v%1").arg(version), version,
                    SdkControllerData::serialize(FakeDevices::mouse(), version));
    }
    SdkPacket count;
    count.payload = SdkMessages::u32(2);
    SdkPacket update;
    update.id = Sdk::PacketId::UpdateLeds;
    update.payload = SdkMessages::updateLeds({qRgb(255, 0, 0), qRgb(0, 0, 255)});
    ok &= write(folder, QStringLiteral("packets"), 0, count.toBytes() + update.toBytes());
    ok &= write(folder, QStringLiteral("update-leds"), 0, update.payload);
    return ok ? 0 : 1;
}
