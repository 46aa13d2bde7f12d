// SPDX-License-Identifier: MIT
// The tests' SDK server on its own, to try the host by hand: it serves a keyboard (and a
// mouse) on the port given, and prints the colour of one LED whenever a client sets it.
//   keylight-test-sdk-server PORT [VERSION] [LED NAME]

#include "fakesdkserver.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    if (args.size() < 2) {
        out << "usage: " << args.value(0) << " PORT [VERSION] [LED NAME]" << Qt::endl;
        return 2;
    }
    const quint16 port = quint16(args.at(1).toUInt());
    const quint32 version = args.size() > 2 ? args.at(2).toUInt() : Sdk::kOurVersion;
    const QString watched = args.size() > 3 ? args.at(3) : QStringLiteral("Key: Escape");
    FakeSdkServer server(version);
    server.setControllers({FakeDevices::mouse(), FakeDevices::keyboard()});
    if (!server.start(port)) {
        out << "cannot listen on port " << port << Qt::endl;
        return 1;
    }
    out << "serving on 127.0.0.1:" << server.port() << Qt::endl;
    QObject::connect(&server, &FakeSdkServer::packetReceived, [&](Sdk::PacketId id) {
        const SdkController& keyboard = server.controllers()[1];
        for (int i = 0; i < keyboard.leds.size(); ++i) {
            if (keyboard.leds[i].name == watched) {
                out << "packet " << quint32(id) << " mode "
                    << keyboard.modes[keyboard.activeMode].name << " " << watched << " "
                    << QString::number(keyboard.colors[i] & 0xFFFFFF, 16).rightJustified(6, '0')
                    << Qt::endl;
            }
        }
    });
    return app.exec();
}
