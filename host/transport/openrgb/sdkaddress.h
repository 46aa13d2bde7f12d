// SPDX-License-Identifier: MIT
#pragma once

// Where an SDK server listens, as a person writes it: "HOST", ":PORT", "HOST:PORT",
// "[IPv6]:PORT" or nothing at all for this computer's default server.

#include "host/transport/openrgb/sdkprotocol.h"

#include <QString>

#include <optional>

struct SdkAddress
{
    static inline const QString kDefaultHost = QStringLiteral("127.0.0.1");

    QString host = kDefaultHost;
    quint16 port = Sdk::kDefaultPort;

    // Parts left out take the defaults. Nothing, and *error set to one sentence, for text
    // that is no address.
    static std::optional<SdkAddress> parse(const QString& text, QString* error = nullptr);
    // "host:port", with brackets around an IPv6 host, so that parse() reads it back.
    QString toString() const;
    bool operator==(const SdkAddress& other) const
    {
        return host == other.host && port == other.port;
    }
};
