// SPDX-License-Identifier: MIT
#include "host/app/windowkeeper.h"

#include "host/window/hostwindow.h"

#include <QApplication>

#include <malloc.h>

WindowKeeper::WindowKeeper(Builder build, QObject* parent)
    : QObject(parent)
    , m_build(std::move(build))
{
}

WindowKeeper::~WindowKeeper() = default;

HostWindow& WindowKeeper::ensureWindow()
{
    if (!m_window) {
        m_window = m_build();
        m_window->setClosesToTray(m_releaseOnClose);
        connect(m_window.get(), &HostWindow::sigClosedToTray, this, &WindowKeeper::release,
                Qt::QueuedConnection);
    }
    return *m_window;
}

HostWindow& WindowKeeper::showWindow()
{
    HostWindow& window = ensureWindow();
    if (window.isMinimized())
        window.showNormal();
    else
        window.show();
    window.raise();
    window.activateWindow();
    return window;
}

void WindowKeeper::setReleaseOnClose(bool release)
{
    m_releaseOnClose = release;
    // Nothing is left open when the window goes: the tray keeps the host running.
    QApplication::setQuitOnLastWindowClosed(!release);
    if (m_window)
        m_window->setClosesToTray(release);
}

void WindowKeeper::release()
{
    // Opened again before the queued release came: it stays.
    if (!m_window || m_window->isVisible())
        return;
    m_window.reset();
    // The pages' memory goes back to the system, not only to the allocator's free lists.
    malloc_trim(0);
    emit sigReleased();
}
