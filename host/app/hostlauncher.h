// SPDX-License-Identifier: MIT
#pragma once

// Runs the host as the command line asks: transfers, a screenshot, or the window. Errors
// are one line on the error stream and exit code 2.

#include "platform/profilestore/profilestore.h"

#include <QString>
#include <QStringList>

#include <memory>

class HostCommandLine;
class HostWindow;
class NetworkKeyboardSetup;
class SdkServerSetup;
class SingleInstance;
class QTextStream;

class HostLauncher
{
public:
    static constexpr int kExitOk = 0;
    static constexpr int kExitUsage = 2;
    // A change is saved once the user pauses this long, and at the latest this long after
    // it was made, so a kill loses at most the last half second.
    static constexpr int kSaveQuietMs = 100;
    static constexpr int kSaveLongestMs = 200;

    HostLauncher(QTextStream& out, QTextStream& err);
    ~HostLauncher();

    // Whether these arguments (the program name first) need a window, and so a display:
    // help, version, mistakes and transfers alone do not.
    static bool needsWindow(const QStringList& arguments);

    // Needs a QApplication when needsWindow(), a QCoreApplication otherwise; returns the
    // process exit code.
    int run(const QStringList& arguments);

private:
    int fail(const QString& message);
    bool openStore(const HostCommandLine& commandLine, ProfileStore& store,
                   ProfileStore::Access access);
    bool transfer(const HostCommandLine& commandLine, ProfileStore& store,
                  const ProfileData& imported);
    int showWindow(const HostCommandLine& commandLine, ProfileStore& store, bool readOnly);
    // Drives the OpenRGB keyboard the command line or the last session chose.
    static void startNetworkKeyboard(const HostCommandLine& commandLine,
                                     NetworkKeyboardSetup& network);
    // Serves OpenRGB clients where the command line or the last session said.
    void startSdkServer(const HostCommandLine& commandLine, SdkServerSetup& serving,
                        HostWindow* window);
    // The profile file the command line names, or the default one; absolute.
    static QString storeFilePath(const HostCommandLine& commandLine);
    // What the autostart entry adds to --minimized: this run's profile folder, if named.
    static QStringList autostartArguments(const HostCommandLine& commandLine);

    QTextStream& m_out;
    QTextStream& m_err;
    QString m_storeProblem;
    bool m_storeCreated = false;
    // Kept for the whole run: it holds KeyLight's name on the session bus.
    std::unique_ptr<SingleInstance> m_instance;
};
