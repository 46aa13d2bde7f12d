// SPDX-License-Identifier: MIT
#pragma once

// The Device menu: connect to an OpenRGB server, pick one of the devices it offers, or
// disconnect. Every choice is remembered for the next start.

#include <QMenu>

#include <functional>

class NetworkKeyboardSetup;
class SdkServerSetup;
class QActionGroup;

class NetworkDeviceMenu : public QMenu
{
    Q_OBJECT
public:
    NetworkDeviceMenu(NetworkKeyboardSetup& setup, QWidget* parent = nullptr);

    // Connects to the server written as in the command line's --openrgb. Returns false,
    // with *error set to one sentence, for text that is no address.
    bool connectTo(const QString& address, QString* error);
    // Adds the choice of where KeyLight serves OpenRGB clients.
    void addSdkServer(SdkServerSetup& serving);
    // Serves at [HOST:]PORT, or stops serving for an empty text; the choice is remembered.
    // False, with *error set to one sentence, for text that is no address or an address
    // that cannot be used.
    bool serveAt(const QString& address, QString* error);

private:
    void askForServer();
    void rebuildDevices();
    void askForServingAddress();
    // Shows an address prompt until the attempt succeeds or the user cancels; each refusal
    // is shown with the attempt's reason.
    using Attempt = std::function<bool(const QString& text, QString* error)>;
    void askUntilAccepted(const QString& title, const QString& label, QString text,
                          const Attempt& attempt);

    NetworkKeyboardSetup& m_setup;
    QAction* m_connect;
    QAction* m_disconnect;
    QAction* m_devicesEnd;
    QActionGroup* m_devices;
    SdkServerSetup* m_serving = nullptr;
};
