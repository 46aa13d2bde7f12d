// SPDX-License-Identifier: MIT
#include "host/sdkserver/sdkserversetup.h"

#include "host/openrgb/networkkeyboardsetup.h"
#include "host/transport/openrgb/sdkserver.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSettings>

namespace {
const QString kAddressKey = QStringLiteral("sdkserver/address");
} // namespace

SdkServerSetup::SdkServerSetup(SdkServer& server, const QString& storeFilePath, bool writable,
                               QObject* parent)
    : QObject(parent)
    , m_server(server)
    , m_settingsPath(NetworkKeyboardSetup::settingsPath(storeFilePath))
    , m_writable(writable)
{
    connect(&server, &SdkServer::clientsChanged, this, &SdkServerSetup::sigChanged);
}

std::optional<SdkAddress> SdkServerSetup::parse(const QString& text, QString* error)
{
    static const QRegularExpression portOnly(QStringLiteral("^\\d{1,5}$"));
    const QString trimmed = text.trimmed();
    // A bare port means this computer: reaching further takes the host written out.
    return SdkAddress::parse(portOnly.match(trimmed).hasMatch() ? QLatin1Char(':') + trimmed
                                                                : trimmed,
                             error);
}

std::optional<SdkAddress> SdkServerSetup::remembered() const
{
    const QSettings settings(m_settingsPath, QSettings::IniFormat);
    const QString text = settings.value(kAddressKey).toString();
    return text.isEmpty() ? std::nullopt : SdkAddress::parse(text);
}

void SdkServerSetup::remember(const std::optional<SdkAddress>& address)
{
    if (!m_writable)
        return;
    QSettings settings(m_settingsPath, QSettings::IniFormat);
    if (address)
        settings.setValue(kAddressKey, address->toString());
    else
        settings.remove(kAddressKey);
}

bool SdkServerSetup::serve(const SdkAddress& address, bool remember)
{
    m_lastError.clear();
    const bool listening = m_server.listen(address, &m_lastError);
    if (remember)
        this->remember(address);
    emit sigChanged();
    return listening;
}

void SdkServerSetup::stop(bool remember)
{
    m_server.close();
    m_lastError.clear();
    if (remember)
        this->remember(std::nullopt);
    emit sigChanged();
}
