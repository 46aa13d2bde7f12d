// SPDX-License-Identifier: MIT
#pragma once

// Packets of the OpenRGB SDK as values: a writer of typed little-endian fields, a reader
// that checks every length against what is left before it uses it, and a splitter that
// cuts a byte stream into whole packets.

#include "host/transport/openrgb/sdkprotocol.h"

#include <QByteArray>
#include <QRgb>
#include <QString>

#include <optional>

class SdkWriter
{
public:
    void u16(quint16 value);
    void u32(quint32 value);
    void i32(qint32 value) { u32(static_cast<quint32>(value)); }
    // A length with the terminating NUL, the text, the NUL.
    void string(const QString& text);
    // R, G, B and a zero byte.
    void colour(QRgb colour);
    void bytes(const QByteArray& raw) { m_data += raw; }

    const QByteArray& data() const { return m_data; }
    int size() const { return m_data.size(); }
    // Writes `value` over the four bytes at `offset`, for a size known only at the end.
    void patchU32(int offset, quint32 value);

private:
    template <typename Unsigned>
    void appendLittleEndian(Unsigned value);

    QByteArray m_data;
};

class SdkReader
{
public:
    explicit SdkReader(const QByteArray& data, int offset = 0);

    // Each read names its field; after the first failure every read returns 0 or empty and
    // error() says which field failed, at which offset.
    quint16 u16(const char* field);
    quint32 u32(const char* field);
    qint32 i32(const char* field) { return static_cast<qint32>(u32(field)); }
    QString string(const char* field);
    QRgb colour(const char* field);
    // A count of items of at least `itemSize` bytes each, checked against `limit` and
    // against the bytes left, so that no container is sized beyond what the data holds.
    int count16(const char* field, int itemSize, int limit = Sdk::kMaxCount);
    int count32(const char* field, int itemSize, int limit);
    void skip(int bytes, const char* field);

    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    int offset() const { return m_offset; }
    int left() const { return m_data.size() - m_offset; }
    void fail(const char* field, const QString& why);

private:
    bool take(int bytes, const char* field);
    template <typename Unsigned>
    Unsigned takeLittleEndian(const char* field);
    int checkedCount(quint32 count, const char* field, int itemSize, int limit);

    const QByteArray& m_data;
    int m_offset;
    QString m_error;
};

struct SdkPacket
{
    quint32 deviceIndex = 0;
    Sdk::PacketId id = Sdk::PacketId::RequestControllerCount;
    QByteArray payload;

    QByteArray toBytes() const;
};

// Collects what a socket delivers and hands out whole packets.
class SdkPacketSplitter
{
public:
    void feed(const QByteArray& bytes) { m_buffer += bytes; }
    // The next whole packet, or nothing while one is still incomplete or after a failure.
    std::optional<SdkPacket> next();
    bool failed() const { return !m_error.isEmpty(); }
    QString error() const { return m_error; }
    // Bytes of a packet begun and not finished.
    bool midPacket() const { return !m_buffer.isEmpty(); }
    void clear();

private:
    QByteArray m_buffer;
    QString m_error;
};
