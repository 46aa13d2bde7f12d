// SPDX-License-Identifier: MIT
#pragma once

// A keyboard that an OpenRGB SDK server offers, driven like the virtual keyboard: it keeps
// its own device state from the page's requests (with its own onboard copies), lights it
// with the same effect engine, and sends the server each frame that differs from the one
// before, at most 30 a second. After every (re)connection, list update or resume it puts
// the controller in its per-key mode and sends the whole frame again.

#include "host/device/virtualkeyboard.h"
#include "host/openrgb/keyledmatch.h"
#include "host/transport/devicetransport.h"
#include "host/transport/openrgb/sdkclient.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>

class NetworkKeyboard : public QObject, public DeviceTransport
{
    Q_OBJECT
public:
    static constexpr int kMaxFramesPerSecond = 30;

    // Needs a QApplication, as the virtual keyboard does: the key geometry comes from the
    // keyboard form.
    explicit NetworkKeyboard(QObject* parent = nullptr);
    ~NetworkKeyboard() override;

    void send(int code, const QByteArray& packet) override;
    void selectProfile(uchar profile) override;
    // The model goes dark, and its black frame goes out like any other.
    void setLightsOn(bool on) override;

    SdkClient& client() { return m_client; }
    const SdkClient& client() const { return m_client; }
    // The lighting this device keeps, with its onboard copies.
    VirtualKeyboard& model() { return m_model; }

    // Which controller to drive: its index, or its name (ignoring case); empty for the
    // first keyboard the server offers.
    void setDeviceChoice(const QString& choice);
    QString deviceChoice() const { return m_choice; }
    // The controller driven, or -1 while there is none.
    int controllerIndex() const { return m_controller; }
    const KeyLedMatch& match() const { return m_match; }

    qint64 framesSent() const { return m_framesSent; }
    // Frames that went out during the last second.
    int framesPerSecond() const;

    // The whole lighting again, as after a resume from suspend.
    void refresh();

signals:
    // The driven controller or the controllers offered changed.
    void sigDeviceChanged();
    void sigFrameSent();

private:
    void chooseController();
    void prepareController();
    void scheduleFrame();
    void sendFrame();
    bool sendChanges(const QVector<QRgb>& colours);

    SdkClient m_client;
    VirtualKeyboard m_model;
    QString m_choice;
    int m_controller = -1;
    KeyLedMatch m_match;

    QTimer m_frameTimer;
    QElapsedTimer m_sinceFrame;
    QVector<QRgb> m_lastSent; // empty: the next frame goes out whole
    qint64 m_framesSent = 0;
    mutable std::deque<qint64> m_recentFrames;
};
