// SPDX-License-Identifier: MIT
#pragma once

// The main window while it is needed, and not longer: with a tray to live in, closing the
// window releases it and its pages (the host then costs little), and bringing it up again
// builds it anew from the parts that outlive it.

#include <QObject>

#include <functional>
#include <memory>

class HostWindow;

class WindowKeeper : public QObject
{
    Q_OBJECT

public:
    using Builder = std::function<std::unique_ptr<HostWindow>()>;

    explicit WindowKeeper(Builder build, QObject* parent = nullptr);
    ~WindowKeeper() override;

    // The window, or null while it is released.
    HostWindow* window() const { return m_window.get(); }
    // Builds the window when needed, then shows and raises it.
    HostWindow& showWindow();
    // Builds the window without showing it (a screenshot, a window started minimised).
    HostWindow& ensureWindow();
    // With a tray, closing the window only releases it; without, closing quits as before.
    void setReleaseOnClose(bool release);

signals:
    // The window was closed and released; the host runs on.
    void sigReleased();

private:
    void release();

    Builder m_build;
    std::unique_ptr<HostWindow> m_window;
    bool m_releaseOnClose = false;
};
