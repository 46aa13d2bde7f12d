// SPDX-License-Identifier: MIT
#pragma once

// The Device menu: connect to an OpenRGB server, pick one of the devices it offers, or
// disconnect. Every choice is remembered for the next start.

#include <QMenu>

class NetworkKeyboardSetup;
class QActionGroup;

class NetworkDeviceMenu : public QMenu
{
    Q_OBJECT
public:
    NetworkDeviceMenu(NetworkKeyboardSetup& setup, QWidget* parent = nullptr);

    // Connects to the server written as in the command line's --openrgb. Returns false,
    // with *error set to one sentence, for text that is no address.
    bool connectTo(const QString& address, QString* error);

private:
    void askForServer();
    void rebuildDevices();

    NetworkKeyboardSetup& m_setup;
    QAction* m_connect;
    QAction* m_disconnect;
    QAction* m_devicesEnd;
    QActionGroup* m_devices;
};
