// SPDX-License-Identifier: MIT
#pragma once

// Hears the computer wake from suspend (logind's PrepareForSleep(false) on the system bus),
// after which a keyboard may have lost its lighting. Without a system bus it stays silent.

#include <QObject>

class SleepWatcher : public QObject
{
    Q_OBJECT
public:
    explicit SleepWatcher(QObject* parent = nullptr);
    bool isListening() const { return m_listening; }

signals:
    void sigResumed();

private slots:
    void onPrepareForSleep(bool sleeping);

private:
    bool m_listening = false;
};
