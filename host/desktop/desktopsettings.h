// SPDX-License-Identifier: MIT
#pragma once

// What the host remembers of its life on the desktop, in its settings file beside the
// profile file: whether the lights are off, and whether the user was told that closing
// the window keeps KeyLight in the tray.

#include <QString>

class DesktopSettings
{
public:
    // A settings file that may not be written (a screenshot run) is only read.
    DesktopSettings(const QString& storeFilePath, bool writable);

    bool lightsOn() const;
    // False, with one sentence in *problem, when the file cannot hold it.
    bool setLightsOn(bool on, QString* problem);
    bool trayHintShown() const;
    void setTrayHintShown();

private:
    bool write(const QString& key, bool value, QString* problem);

    QString m_settingsPath;
    bool m_writable;
};
