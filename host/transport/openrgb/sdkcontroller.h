// SPDX-License-Identifier: MIT
#pragma once

// One device as an OpenRGB SDK server describes it, and its controller-data block in the
// layout of each protocol version: fields a version lacks are left at their defaults.

#include <QRgb>
#include <QString>
#include <QVector>

class SdkReader;
class SdkWriter;

struct SdkMode
{
    QString name;
    qint32 value = 0;
    quint32 flags = 0;
    quint32 speedMin = 0;
    quint32 speedMax = 0;
    quint32 brightnessMin = 0; // from version 3
    quint32 brightnessMax = 0;
    quint32 colorsMin = 0;
    quint32 colorsMax = 0;
    quint32 speed = 0;
    quint32 brightness = 0;
    quint32 direction = 0;
    quint32 colorMode = 0;
    QVector<QRgb> colors;

    bool operator==(const SdkMode& other) const;
};

struct SdkSegment
{
    QString name;
    qint32 type = 0;
    quint32 startIndex = 0;
    quint32 ledsCount = 0;

    bool operator==(const SdkSegment& other) const;
};

struct SdkZone
{
    QString name;
    qint32 type = 0;
    quint32 ledsMin = 0;
    quint32 ledsMax = 0;
    quint32 ledsCount = 0;
    // Row by row; each cell is an LED index within the zone or Sdk::kNoLed.
    quint32 matrixHeight = 0;
    quint32 matrixWidth = 0;
    QVector<quint32> matrix;
    QVector<SdkSegment> segments; // from version 4

    bool operator==(const SdkZone& other) const;
};

struct SdkLed
{
    QString name;
    quint32 value = 0;

    bool operator==(const SdkLed& other) const;
};

struct SdkController
{
    qint32 type = 0;
    QString name;
    QString vendor; // from version 1
    QString description;
    QString version;
    QString serial;
    QString location;
    qint32 activeMode = 0;
    QVector<SdkMode> modes;
    QVector<SdkZone> zones;
    QVector<SdkLed> leds;
    QVector<QRgb> colors;

    // The first mode of that name, ignoring case; -1 when there is none.
    int modeIndex(const QString& modeName) const;
    // Where a zone's LEDs start among the controller's LEDs.
    int zoneStart(int zone) const;
    bool operator==(const SdkController& other) const;
};

namespace SdkControllerData {

// The whole payload of a controller-data answer: its size, then the device.
QByteArray serialize(const SdkController& controller, quint32 protocolVersion);

struct Parsed
{
    SdkController controller;
    QString error; // empty when the data was whole and consistent
};
Parsed parse(const QByteArray& payload, quint32 protocolVersion);

// One mode block, as controller data and the mode packets carry it.
void writeMode(SdkWriter& out, const SdkMode& mode, quint32 protocolVersion);
SdkMode readMode(SdkReader& in, quint32 protocolVersion);

} // namespace SdkControllerData
