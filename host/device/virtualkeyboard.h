// SPDX-License-Identifier: MIT
#pragma once

#include "host/transport/devicetransport.h"
#include "host/device/devicestate.h"
#include "host/device/effectengine.h"
#include "host/device/keylayout.h"

#include <QElapsedTimer>
#include <QObject>

#include <vector>

// The keyboard built into the host: it takes the requests the host would send to the real
// keyboard, keeps the same state, and lights its keys as the real keyboard would. Key
// presses come from the widget that shows it. Times are milliseconds on the keyboard's
// own clock (clockMs), so a caller that passes its own times gets the same frames again.
class VirtualKeyboard : public QObject, public DeviceTransport
{
    Q_OBJECT

public:
    // Needs a QApplication: the key geometry comes from the keyboard form.
    explicit VirtualKeyboard(QObject* parent = nullptr);
    ~VirtualKeyboard() override;

    void send(int code, const QByteArray& packet) override;
    void selectProfile(uchar profile) override;
    void setLightsOn(bool on) override;
    bool lightsOn() const { return m_lightsOn; }

    const DeviceState& state() const { return m_state; }
    const KeyLayout& layout() const { return m_layout; }
    std::optional<LightingState> onboardProfile(uchar profile) const;
    // Puts back the onboard memory a keyboard kept while it was off.
    void restoreOnboardMemory(const DeviceState::OnboardMemory& memory);

    qint64 clockMs() const;
    // When the running effect started on the keyboard's clock; its time 0.
    qint64 effectStartMs() const { return m_effectStartMs; }
    // A key went down at a time on the keyboard's clock; unknown LEDs are ignored.
    void pressKey(int led, qint64 atMs);
    void pressKey(int led);
    // The presses the reactive effects still answer to, oldest first.
    const std::vector<KeyPress>& presses() const { return m_presses; }

    // Every lamp at a time on the keyboard's clock.
    void frameAt(qint64 atMs, LedFrame& frame) const;

    // Whether the lighting changes after this time on the keyboard's clock: an effect that
    // moves by itself, or one that answers presses while a press still lights keys.
    bool changesAfter(qint64 atMs) const;
    // Whether the running effect answers key presses.
    bool answersPresses() const;

signals:
    // The lighting that runs changed (a packet, RESET or a profile switch).
    void sigLightingChanged();
    // The stored copy of a profile was written by APPLY.
    void sigApplied(uchar profile);
    // A request was refused and changed nothing; error is one sentence. cmd is 0 when the
    // refused request was a switch to a profile the keyboard does not have.
    void sigRequestRejected(int cmd, const QString& error);

private:
    void lightingReplaced(const LightingState& before);
    void forgetOldPresses(qint64 nowMs);

    KeyLayout m_layout;
    DeviceState m_state;
    QElapsedTimer m_clock;
    qint64 m_effectStartMs = 0;
    std::vector<KeyPress> m_presses;
    bool m_lightsOn = true;
};
