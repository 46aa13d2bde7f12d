# SPDX-License-Identifier: MIT
# The readers and writers of the SDK's bytes, without the socket: also built by the fuzz
# targets and the corpus replay of the tests.
set(KEYLIGHT_SDK_PARSER_SOURCES
    sdkcontroller.cpp sdkcontroller.h
    sdkmessages.cpp sdkmessages.h
    sdkprotocol.h
    sdkwire.cpp sdkwire.h
)
