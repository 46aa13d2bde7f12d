// SPDX-License-Identifier: MIT
#pragma once

// Notices when the profile file changes behind the host's back, by a hand edit or another
// tool, and tells that apart from the host's own saves. Without unsaved changes the file
// is read again; with them, the user chooses which profiles to keep. A deleted file is
// written again.

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

class ProfileStore;
class QWidget;

class StoreWatcher : public QObject
{
    Q_OBJECT

public:
    // Watches the store's file, if it has one, for as long as it lives; questions go to
    // `window`.
    StoreWatcher(ProfileStore& store, QWidget* window);

    // Compares the file with what the store last wrote and acts on a difference. The file
    // system's notices come here after a short pause, which folds a burst of them.
    void check();

signals:
    // The store holds the profiles of the file on disk now; `message` tells of any repair.
    void sigReloaded(const QString& message);
    // One sentence for the status bar.
    void sigNotice(const QString& message);

private:
    void watch();
    void askWhichToKeep();
    void keepOwn();
    void reload();

    ProfileStore& m_store;
    QWidget* m_window;
    QFileSystemWatcher m_watcher;
    QTimer m_pause;
    bool m_asking = false;
};
