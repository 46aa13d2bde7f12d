// SPDX-License-Identifier: MIT
#pragma once

// The Help menu: what the window is and how to light a real keyboard (also shown once on
// the first start), where the documentation lies, and what KeyLight is and speaks.

#include <QMenu>

class HelpMenu : public QMenu
{
    Q_OBJECT

public:
    explicit HelpMenu(QWidget* window);

    // The first-start guidance, in a message that does not block the window.
    void showGettingStarted();
    void showAbout();
    // The README, opened by the desktop's viewer; false when none is found.
    bool openDocumentation();

    // Where the README lies: installed, or in the source tree of a build not installed.
    static QString readmePath();
    static QString gettingStartedText();
    static QString aboutText();

private:
    QWidget* m_window;
};
