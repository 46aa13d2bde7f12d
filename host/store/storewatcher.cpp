// SPDX-License-Identifier: MIT
#include "host/store/storewatcher.h"

#include "platform/profilestore/profilestore.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {
// Long enough to fold the notices of one save (temporary file, rename, copy) into one look.
constexpr int kPauseMs = 150;
} // namespace

StoreWatcher::StoreWatcher(ProfileStore& store, QWidget* window)
    : QObject(window)
    , m_store(store)
    , m_window(window)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &StoreWatcher::check);
    // A save replaces the file, which ends the watch on it; the folder's notice renews it.
    const auto later = [this] {
        watch();
        m_pause.start();
    };
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, later);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, later);
    watch();
}

void StoreWatcher::watch()
{
    const QString path = m_store.filePath();
    if (path.isEmpty())
        return;
    const QString folder = QFileInfo(path).absolutePath();
    if (!m_watcher.directories().contains(folder) && QFileInfo::exists(folder))
        m_watcher.addPath(folder);
    if (!m_watcher.files().contains(path) && QFileInfo::exists(path))
        m_watcher.addPath(path);
}

void StoreWatcher::check()
{
    if (m_asking || m_store.filePath().isEmpty())
        return;
    switch (m_store.diskState()) {
    case ProfileStore::DiskState::AsSaved:
        return;
    case ProfileStore::DiskState::Missing:
        if (m_store.keepOwnOverDisk(nullptr))
            emit sigNotice(tr("The profile file was removed; it was written again."));
        return;
    case ProfileStore::DiskState::ChangedOutside:
        if (m_store.hasUnsavedChanges())
            askWhichToKeep();
        else
            reload();
        return;
    }
}

void StoreWatcher::askWhichToKeep()
{
    m_asking = true;
    auto* box = new QMessageBox(
        QMessageBox::Question, tr("Profile file changed"),
        tr("The profile file %1 was changed by another program while this window has changes "
           "that are not saved yet. Which profiles do you want to keep?")
            .arg(QDir::toNativeSeparators(m_store.filePath())),
        QMessageBox::NoButton, m_window);
    box->setObjectName(QStringLiteral("outsideChangeBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* mine = box->addButton(tr("Keep Mine"), QMessageBox::AcceptRole);
    mine->setObjectName(QStringLiteral("keepMineButton"));
    mine->setToolTip(tr("Save this window's profiles; the changed file is kept beside them."));
    QPushButton* theirs = box->addButton(tr("Load the File"), QMessageBox::RejectRole);
    theirs->setObjectName(QStringLiteral("loadFileButton"));
    theirs->setToolTip(tr("Show the profiles of the changed file; this window's changes are "
                          "dropped."));
    connect(box, &QMessageBox::buttonClicked, this, [this, mine](QAbstractButton* button) {
        m_asking = false;
        button == mine ? keepOwn() : reload();
    });
    box->open();
}

void StoreWatcher::keepOwn()
{
    QString aside;
    if (m_store.keepOwnOverDisk(&aside))
        emit sigNotice(tr("Your profiles were kept; the changed file was moved to %1.")
                           .arg(QDir::toNativeSeparators(aside)));
    else
        emit sigNotice(m_store.lastError());
}

void StoreWatcher::reload()
{
    const ProfileStore::OpenResult result = m_store.reload();
    emit sigReloaded(result.message);
}
