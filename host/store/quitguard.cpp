// SPDX-License-Identifier: MIT
#include "host/store/quitguard.h"

#include "host/store/documentsfolder.h"
#include "host/session/hostsession.h"
#include "platform/profilestore/profilestore.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
// A question with a button that settles it, "Quit Anyway" and "Cancel". Returns the button
// that was pressed.
QAbstractButton* ask(QWidget* window, const QString& objectName, const QString& text,
                     const QString& settle, QPushButton** settleButton,
                     QPushButton** quitButton)
{
    QMessageBox box(QMessageBox::Warning, QObject::tr("Quit KeyLight"), text,
                    QMessageBox::Cancel, window);
    box.setObjectName(objectName);
    *settleButton = box.addButton(settle, QMessageBox::AcceptRole);
    *quitButton = box.addButton(QObject::tr("Quit Anyway"), QMessageBox::DestructiveRole);
    box.setDefaultButton(*settleButton);
    box.exec();
    return box.clickedButton();
}
} // namespace

QuitGuard::QuitGuard(ProfileStore& store, HostSession& session, QWidget* window)
    : QObject(window)
    , m_store(store)
    , m_session(session)
    , m_window(window)
{
}

bool QuitGuard::mayQuit()
{
    return settleUnapplied() && settleUnsaved();
}

bool QuitGuard::settleUnapplied()
{
    const std::vector<uchar> profiles = m_session.unappliedProfiles();
    if (profiles.empty())
        return true;
    QStringList numbers;
    for (uchar profile : profiles)
        numbers << QString::number(profile + 1);
    QPushButton* apply = nullptr;
    QPushButton* quit = nullptr;
    QAbstractButton* answer = ask(
        m_window, QStringLiteral("unappliedQuitBox"),
        tr("The keyboard does not hold the changes of profile %1 yet: they are lost on the "
           "keyboard when you quit without applying them.")
            .arg(numbers.join(QStringLiteral(", "))),
        tr("Apply and Quit"), &apply, &quit);
    if (answer == apply)
        m_session.applyAll();
    return answer == apply || answer == quit;
}

bool QuitGuard::settleUnsaved()
{
    if (m_store.flush())
        return true;
    QPushButton* exportButton = nullptr;
    QPushButton* quit = nullptr;
    QAbstractButton* answer = ask(
        m_window, QStringLiteral("unsavedQuitBox"),
        tr("%1 Your latest changes exist only in this window and are lost when you quit.")
            .arg(m_store.lastError()),
        tr("Export Profiles..."), &exportButton, &quit);
    if (answer == exportButton)
        return exportAll();
    return answer == quit;
}

// Saves every profile to a file of the user's choice, which can later be put in the
// store's place; the window stays open if that fails too.
bool QuitGuard::exportAll()
{
    const QString path = QFileDialog::getSaveFileName(
        m_window, tr("Export All Profiles"),
        DocumentsFolder::filePath(QStringLiteral("keylight-profiles.json")),
        tr("KeyLight profiles (*.json);;All files (*)"));
    if (path.isEmpty())
        return false;
    QString error;
    if (m_store.saveCopyTo(path, &error))
        return true;
    QMessageBox::warning(m_window, tr("Export All Profiles"), error);
    return false;
}
