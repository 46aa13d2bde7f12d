// SPDX-License-Identifier: MIT
#pragma once

// The host's command line. Every mistake becomes one sentence, so the caller can print a
// single line and stop.

#include <QCommandLineParser>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "host/transport/openrgb/sdkaddress.h"

#include <optional>

class HostCommandLine
{
public:
    struct Options
    {
        bool help = false;
        bool version = false;
        std::optional<uchar> profile;       // stored number 0 to 4
        QString storeFolder;                // empty: the default folder
        QString screenshotPath;
        QSize screenSize;                   // empty: the screen the window opens on
        QString language;                   // empty: the system's language
        std::optional<uchar> exportProfile;
        QString exportPath;
        QString importPath;
        std::optional<uchar> importProfile;
        std::optional<SdkAddress> openrgbServer; // --openrgb, with its defaults filled in
        std::optional<QString> openrgbDevice;    // a name or an index; empty: the first keyboard
        std::optional<SdkAddress> sdkServer;     // --sdk-server, with its defaults filled in
        bool forceUnlock = false;                // take over another computer's lock
        bool minimized = false;                  // start in the tray
    };

    HostCommandLine();

    // The languages the window can be shown in, as --lang takes them.
    static QStringList languages();
    // The language --lang asks for, found even when the rest of the command line is wrong,
    // so that its mistakes are told in that language; empty when none is asked for.
    static QString requestedLanguage(const QStringList& arguments);

    // `arguments` starts with the program name, as QCoreApplication::arguments() does.
    bool parse(const QStringList& arguments);
    const Options& options() const { return m_options; }
    QString error() const { return m_error; }
    QString helpText() const { return m_parser.helpText(); }

private:
    bool takeValuePairs(QStringList& arguments);
    // Takes an option whose value may be left out, and that value (empty when it was).
    bool takeOptionalValue(QStringList& arguments, const QString& option,
                           std::optional<QString>& value);
    bool takeAddresses(QStringList& arguments);
    bool readProfile(const QString& value, const QString& option, uchar& profile);
    bool fail(const QString& message);
    bool readScreenSize(const QString& value);
    bool readLanguage(const QString& value);

    QCommandLineParser m_parser;
    QCommandLineOption m_profileOption;
    QCommandLineOption m_storeOption;
    QCommandLineOption m_screenshotOption;
    QCommandLineOption m_screenSizeOption;
    QCommandLineOption m_languageOption;
    QCommandLineOption m_exportOption;
    QCommandLineOption m_importOption;
    QCommandLineOption m_openrgbOption;
    QCommandLineOption m_openrgbDeviceOption;
    QCommandLineOption m_sdkServerOption;
    QCommandLineOption m_forceUnlockOption;
    QCommandLineOption m_minimizedOption;
    QCommandLineOption m_helpOption;
    QCommandLineOption m_versionOption;
    Options m_options;
    QString m_error;
};
