// SPDX-License-Identifier: MIT
#pragma once

// The status bar's word on the OpenRGB keyboard: which device at which server, and whether
// it is lit, being reached, waiting to retry, not offered or not set up at all. The last
// failure is its tool tip.

#include <QLabel>
#include <QTimer>

class NetworkKeyboard;

class NetworkDeviceIndicator : public QLabel
{
    Q_OBJECT
public:
    NetworkDeviceIndicator(NetworkKeyboard& keyboard, QWidget* parent = nullptr);

    // The same sentence the device view shows.
    static QString statusText(const NetworkKeyboard& keyboard);

private:
    void refresh();

    NetworkKeyboard& m_keyboard;
    // Counts the retry down; runs only while a retry is pending.
    QTimer m_countdown;
};
