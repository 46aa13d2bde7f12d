// SPDX-License-Identifier: MIT
#pragma once

// The payloads of the packets that change a device: encoded by a client, decoded (with a
// sentence on what is wrong) by a server.

#include "host/transport/openrgb/sdkcontroller.h"

#include <QByteArray>
#include <QRgb>
#include <QStringList>
#include <QVector>

namespace SdkMessages {

QByteArray updateLeds(const QVector<QRgb>& colours);
QByteArray updateZoneLeds(quint32 zone, const QVector<QRgb>& colours);
QByteArray updateSingleLed(qint32 led, QRgb colour);
QByteArray updateMode(qint32 modeIndex, const SdkMode& mode, quint32 protocolVersion);
QByteArray u32(quint32 value);

struct LedUpdate
{
    quint32 zone = 0; // for zone updates
    QVector<QRgb> colours;
    QString error;
};
LedUpdate readUpdateLeds(const QByteArray& payload);
LedUpdate readUpdateZoneLeds(const QByteArray& payload);

struct SingleLedUpdate
{
    qint32 led = 0;
    QRgb colour = 0;
    QString error;
};
SingleLedUpdate readUpdateSingleLed(const QByteArray& payload);

// The payload of "update mode" and "save mode".
struct ModeUpdate
{
    qint32 modeIndex = 0;
    SdkMode mode;
    QString error;
};
ModeUpdate readUpdateMode(const QByteArray& payload, quint32 protocolVersion);

// A NUL-terminated text, as client and profile names come; at most `limit` bytes are kept.
QString readName(const QByteArray& payload, int limit);
QByteArray name(const QString& text);

// The answer to "request profile list".
QByteArray profileList(const QStringList& names);

} // namespace SdkMessages
