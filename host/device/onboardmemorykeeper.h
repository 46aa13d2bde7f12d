// SPDX-License-Identifier: MIT
#pragma once

// Keeps the virtual keyboard's onboard memory in its own file beside the profile store:
// puts it back at start, and writes it after every APPLY, as a real keyboard keeps what
// was applied while the computer is off.

#include <QObject>
#include <QString>

class VirtualKeyboard;

class OnboardMemoryKeeper : public QObject
{
    Q_OBJECT

public:
    // Loads the memory into `keyboard`. Without `writable` the file is only read, never
    // written.
    OnboardMemoryKeeper(VirtualKeyboard& keyboard, const QString& filePath, bool writable,
                        QObject* parent = nullptr);

    // Why the memory could not be loaded or last saved, in one sentence; empty when fine.
    QString problem() const { return m_problem; }

signals:
    void sigProblem(const QString& message);

private:
    void save();

    VirtualKeyboard& m_keyboard;
    QString m_filePath;
    QString m_problem;
};
