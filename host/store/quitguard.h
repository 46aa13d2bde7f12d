// SPDX-License-Identifier: MIT
#pragma once

// Asks before the window closes while something would be lost: changes the keyboard does
// not hold yet (apply them, quit anyway, or stay), and changes the profile file does not
// hold because saving fails (export them to another file, quit anyway, or stay).

#include <QObject>

class HostSession;
class ProfileStore;
class QWidget;

class QuitGuard : public QObject
{
    Q_OBJECT

public:
    QuitGuard(ProfileStore& store, HostSession& session, QWidget* window);

    // Whether the window may close now; asks the user when something would be lost.
    bool mayQuit();

private:
    bool settleUnapplied();
    bool settleUnsaved();
    bool exportAll();

    ProfileStore& m_store;
    HostSession& m_session;
    QWidget* m_window;
};
