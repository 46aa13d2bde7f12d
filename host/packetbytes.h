#pragma once

// The page hands packets over as bare pointers that are valid only while its signal
// runs; the host keeps its own copies, sized by the packet's header.

#include <QByteArray>
#include <QString>

namespace PacketBytes {

// The whole packet at `data`, or an empty array for a null pointer or bytes that do
// not start with a packet header.
QByteArray copy(const void* data);

// The first `count` bytes as upper-case hex pairs, with an ellipsis when more follow.
QString hexPrefix(const QByteArray& bytes, int count);

} // namespace PacketBytes
