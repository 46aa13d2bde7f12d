# SPDX-License-Identifier: MIT
# The protocol builder's sources, relative to this folder; the shared library and the fuzz
# targets both build from this list.
set(VANTOR_PROTOCOL_SOURCES
    packetformat.cpp packetformat.h
    packettext.h
    vantorpacket.cpp vantorpacket.h
    vantorprotocol.cpp vantorprotocol.h
)
