// SPDX-License-Identifier: MIT
#include "host/transport/openrgb/sdkwire.h"

#include <QCoreApplication>
#include <QtEndian>

#include <cstring>

namespace {
constexpr int kColourSize = 4;

// The texts of this file, in one translation context.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(SdkWire)
};
} // namespace

template <typename Unsigned>
void SdkWriter::appendLittleEndian(Unsigned value)
{
    char bytes[sizeof(Unsigned)];
    qToLittleEndian(value, bytes);
    m_data.append(bytes, int(sizeof(Unsigned)));
}

void SdkWriter::u16(quint16 value)
{
    appendLittleEndian(value);
}

void SdkWriter::u32(quint32 value)
{
    appendLittleEndian(value);
}

void SdkWriter::string(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    u16(static_cast<quint16>(utf8.size() + 1));
    m_data += utf8;
    m_data += '\0';
}

void SdkWriter::colour(QRgb colour)
{
    m_data += char(qRed(colour));
    m_data += char(qGreen(colour));
    m_data += char(qBlue(colour));
    m_data += '\0';
}

void SdkWriter::patchU32(int offset, quint32 value)
{
    qToLittleEndian(value, m_data.data() + offset);
}

SdkReader::SdkReader(const QByteArray& data, int offset)
    : m_data(data)
    , m_offset(offset)
{
}

void SdkReader::fail(const char* field, const QString& why)
{
    if (ok())
        m_error = Text::tr("%1 at byte %2: %3").arg(QLatin1String(field)).arg(m_offset).arg(why);
}

bool SdkReader::take(int bytes, const char* field)
{
    if (!ok())
        return false;
    if (bytes < 0 || bytes > left()) {
        fail(field, Text::tr("the data ends %1 bytes early").arg(bytes - left()));
        return false;
    }
    return true;
}

template <typename Unsigned>
Unsigned SdkReader::takeLittleEndian(const char* field)
{
    if (!take(int(sizeof(Unsigned)), field))
        return 0;
    const auto value = qFromLittleEndian<Unsigned>(m_data.constData() + m_offset);
    m_offset += int(sizeof(Unsigned));
    return value;
}

quint16 SdkReader::u16(const char* field)
{
    return takeLittleEndian<quint16>(field);
}

quint32 SdkReader::u32(const char* field)
{
    return takeLittleEndian<quint32>(field);
}

QString SdkReader::string(const char* field)
{
    const quint16 length = u16(field);
    if (!ok() || length == 0)
        return {};
    if (!take(length, field))
        return {};
    const char* text = m_data.constData() + m_offset;
    m_offset += length;
    // The length counts the terminating NUL; a string without one is cut where it ends.
    const int end = text[length - 1] == '\0' ? length - 1 : length;
    return QString::fromUtf8(text, int(strnlen(text, size_t(end))));
}

QRgb SdkReader::colour(const char* field)
{
    if (!take(kColourSize, field))
        return 0;
    const auto* bytes = reinterpret_cast<const uchar*>(m_data.constData() + m_offset);
    m_offset += kColourSize;
    return qRgb(bytes[0], bytes[1], bytes[2]);
}

int SdkReader::checkedCount(quint32 count, const char* field, int itemSize, int limit)
{
    if (!ok())
        return 0;
    if (count > quint32(limit)) {
        fail(field, Text::tr("%1 is more than the %2 allowed").arg(count).arg(limit));
        return 0;
    }
    if (qint64(count) * itemSize > left()) {
        fail(field, Text::tr("%1 items do not fit in the %2 bytes left").arg(count).arg(left()));
        return 0;
    }
    return int(count);
}

int SdkReader::count16(const char* field, int itemSize, int limit)
{
    const quint16 count = u16(field);
    return checkedCount(count, field, itemSize, limit);
}

int SdkReader::count32(const char* field, int itemSize, int limit)
{
    const quint32 count = u32(field);
    return checkedCount(count, field, itemSize, limit);
}

void SdkReader::skip(int bytes, const char* field)
{
    if (take(bytes, field))
        m_offset += bytes;
}

QByteArray SdkPacket::toBytes() const
{
    SdkWriter out;
    out.bytes(QByteArray::fromRawData(Sdk::kMagic, sizeof Sdk::kMagic));
    out.u32(deviceIndex);
    out.u32(static_cast<quint32>(id));
    out.u32(static_cast<quint32>(payload.size()));
    out.bytes(payload);
    return out.data();
}

std::optional<SdkPacket> SdkPacketSplitter::next()
{
    if (failed() || m_buffer.size() < Sdk::kHeaderSize)
        return std::nullopt;
    if (std::memcmp(m_buffer.constData(), Sdk::kMagic, sizeof Sdk::kMagic) != 0) {
        m_error = Text::tr("A packet did not start with \"ORGB\".");
        return std::nullopt;
    }
    SdkReader header(m_buffer, sizeof Sdk::kMagic);
    SdkPacket packet;
    packet.deviceIndex = header.u32("device index");
    packet.id = static_cast<Sdk::PacketId>(header.u32("packet id"));
    const quint32 size = header.u32("data size");
    if (size > Sdk::kMaxPayload) {
        m_error = Text::tr("A packet claimed %1 bytes, more than the %2 allowed.")
                      .arg(size)
                      .arg(Sdk::kMaxPayload);
        return std::nullopt;
    }
    if (quint32(m_buffer.size() - Sdk::kHeaderSize) < size)
        return std::nullopt;
    packet.payload = m_buffer.mid(Sdk::kHeaderSize, int(size));
    m_buffer.remove(0, Sdk::kHeaderSize + int(size));
    return packet;
}

void SdkPacketSplitter::clear()
{
    m_buffer.clear();
    m_error.clear();
}
