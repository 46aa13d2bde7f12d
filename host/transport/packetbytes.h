// SPDX-License-Identifier: MIT
#pragma once

// The page hands packets over as bare pointers that are valid only while its signal
// runs; the host keeps its own copies, sized by the packet's header.

#include <QByteArray>
#include <QString>

namespace PacketBytes {

// The packet of request `code` at `data`. A header whose size does not match what the
// built-in format gives for `code` is not followed: only the header is copied, so that
// a forged or foreign packet cannot make the host read past its end. Empty for a null
// pointer or bytes that do not start with a packet header.
QByteArray copy(int code, const void* data);

// The first `count` bytes as upper-case hex pairs, with an ellipsis when more follow.
QString hexPrefix(const QByteArray& bytes, int count);

} // namespace PacketBytes
