// SPDX-License-Identifier: MIT
#pragma once

// Turns the signals that ask a program to end (SIGTERM from a service manager or `kill`,
// SIGINT from Ctrl+C in a terminal, SIGHUP when the terminal or the session goes away)
// into one orderly quit in the event loop, so what is pending is saved and the lock
// released, as when the window is closed. A signal handler may do almost nothing itself:
// it writes one byte to a socket that the event loop watches.

#include <QList>
#include <QObject>

class QSocketNotifier;

class QuitSignals : public QObject
{
    Q_OBJECT

public:
    // Catches the signals for as long as this object lives; then they end the process
    // again, as they did before.
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

    // The signal numbers caught.
    static QList<int> caught();

signals:
    // Once, at the first signal; later ones while the quit runs are swallowed, so a second
    // Ctrl+C cannot cut a save in half.
    void sigQuitRequested(int signal);

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
    bool m_requested = false;
    QList<int> m_leftIgnored;
};
