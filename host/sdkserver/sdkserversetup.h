// SPDX-License-Identifier: MIT
#pragma once

// Whether KeyLight serves OpenRGB clients, and where: started from the command line or the
// window, remembered in the host's settings beside the profile store for the next start.

#include "host/transport/openrgb/sdkaddress.h"

#include <QObject>
#include <QString>

#include <optional>

class SdkServer;

class SdkServerSetup : public QObject
{
    Q_OBJECT
public:
    SdkServerSetup(SdkServer& server, const QString& storeFilePath, bool writable,
                   QObject* parent = nullptr);

    SdkServer& server() { return m_server; }

    // [HOST:]PORT as the command line takes it: a port alone serves this computer only,
    // an empty text the default port. Nothing, with *error set, for text that is none.
    static std::optional<SdkAddress> parse(const QString& text, QString* error);

    // Where the last session served, if it did.
    std::optional<SdkAddress> remembered() const;
    // Serves at `address` from now on; false with the reason in lastError() when the
    // address cannot be used. Remembered when `remember`, even when it fails now.
    bool serve(const SdkAddress& address, bool remember);
    void stop(bool remember);
    QString lastError() const { return m_lastError; }

signals:
    void sigChanged();

private:
    void remember(const std::optional<SdkAddress>& address);

    SdkServer& m_server;
    QString m_settingsPath;
    bool m_writable;
    QString m_lastError;
};
