// SPDX-License-Identifier: MIT
#pragma once

// What the OpenRGB server offers and what KeyLight does with it: the server's controllers
// (the one driven marked), the driven device's LEDs and how many of them are our keys,
// our keys it lacks, the frames sent per second and the last failure.

#include <QTimer>
#include <QWidget>

class NetworkKeyboard;
class NetworkKeyboardSetup;
class QLabel;
class QListWidget;

class NetworkDeviceView : public QWidget
{
    Q_OBJECT
public:
    NetworkDeviceView(NetworkKeyboardSetup& setup, QWidget* parent = nullptr);

private:
    void refresh();
    void refreshRate();

    NetworkKeyboardSetup& m_setup;
    NetworkKeyboard& m_keyboard;
    QLabel* m_status;
    QLabel* m_problem;
    QListWidget* m_controllers;
    QLabel* m_leds;
    QLabel* m_missing;
    QLabel* m_rate;
    // Counts the frames per second; runs only while a device is driven.
    QTimer m_rateTimer;
};
