// SPDX-License-Identifier: MIT
#pragma once

// What the decoder says about a packet reaches people in the host's request log, so it is
// translated, in one context for the whole protocol library.

#include <QCoreApplication>

class PacketText
{
    Q_DECLARE_TR_FUNCTIONS(VantorPacket)
};
