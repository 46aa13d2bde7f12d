#include "host/packetbytes.h"

#include "platform/protocol/vantorpacket.h"

namespace PacketBytes {

QByteArray copy(const void* data)
{
    const std::size_t size = VantorPacket::packetSize(data, VantorPacket::headerSize());
    if (size == 0)
        return {};
    return QByteArray(static_cast<const char*>(data), int(size));
}

QString hexPrefix(const QByteArray& bytes, int count)
{
    QString text = QString::fromLatin1(bytes.left(count).toHex(' ').toUpper());
    if (bytes.size() > count)
        text += QStringLiteral(" \u2026");
    return text;
}

} // namespace PacketBytes
