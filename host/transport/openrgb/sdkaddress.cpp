// SPDX-License-Identifier: MIT
#include "host/transport/openrgb/sdkaddress.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {
// The texts of this file, in one translation context.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(SdkAddress)
};
} // namespace

std::optional<SdkAddress> SdkAddress::parse(const QString& text, QString* error)
{
    const auto refuse = [&](const QString& why) -> std::optional<SdkAddress> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    // A host name or IPv4 address, or an IPv6 address in brackets; then an optional port.
    static const QRegularExpression pattern(
        QStringLiteral("^(?:\\[([0-9A-Fa-f:.]+)\\]|([A-Za-z0-9._-]*))(?::(\\d{1,5}))?$"));
    const QString trimmed = text.trimmed();
    SdkAddress address;
    // A bare IPv6 address has colons of its own and cannot carry a port.
    if (trimmed.count(QLatin1Char(':')) > 1 && !trimmed.startsWith(QLatin1Char('['))) {
        address.host = trimmed;
        return address;
    }
    const QRegularExpressionMatch match = pattern.match(trimmed);
    if (!match.hasMatch())
        return refuse(Text::tr("\"%1\" is not a server address; write HOST, HOST:PORT or :PORT.")
                          .arg(text));
    const QString host = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
    if (!host.isEmpty())
        address.host = host;
    if (match.capturedLength(3) > 0) {
        const int port = match.captured(3).toInt();
        if (port < 1 || port > 65535)
            return refuse(Text::tr("The port in \"%1\" must be from 1 to 65535.").arg(text));
        address.port = quint16(port);
    }
    return address;
}

QString SdkAddress::toString() const
{
    const QString shownHost = host.contains(QLatin1Char(':'))
        ? QStringLiteral("[%1]").arg(host)
        : host;
    return QStringLiteral("%1:%2").arg(shownHost).arg(port);
}
