// SPDX-License-Identifier: MIT
#include "host/sdkserver/sdkserversetup.h"

#include "host/openrgb/settingsfile.h"
#include "host/transport/openrgb/sdkserver.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {
const QString kAddressKey = QStringLiteral("sdkserver/address");
} // namespace

SdkServerSetup::SdkServerSetup(SdkServer& server, const QString& storeFilePath, bool writable,
                               QObject* parent)
    : QObject(parent)
    , m_server(server)
    , m_settingsPath(SettingsFile::pathBeside(storeFilePath))
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
    const QString text =
        SettingsFile::read(m_settingsPath, {kAddressKey}).value(kAddressKey).toString();
    return text.isEmpty() ? std::nullopt : SdkAddress::parse(text);
}

void SdkServerSetup::remember(const std::optional<SdkAddress>& address)
{
    if (!m_writable)
        return;
    // Not being remembered is no reason to stop serving: the sentence joins the reason of
    // a failure, if any, for the window to show.
    QString problem;
    if (!SettingsFile::write(m_settingsPath,
                             {{kAddressKey, address ? address->toString() : QVariant()}},
                             &problem))
        m_lastError = m_lastError.isEmpty() ? problem : m_lastError + QLatin1Char(' ') + problem;
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
