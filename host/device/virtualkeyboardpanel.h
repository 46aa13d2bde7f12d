// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLabel;
class VirtualKeyboard;
class VirtualKeyboardWid;

// The virtual keyboard as the host shows it: the keyboard, and under it one line that says
// when the running effect waits for key presses and how to give it some, since such an
// effect shows a dark keyboard until then.
class VirtualKeyboardPanel : public QWidget
{
    Q_OBJECT

public:
    // The keyboard must outlive the panel.
    explicit VirtualKeyboardPanel(VirtualKeyboard* keyboard, QWidget* parent = nullptr);

    VirtualKeyboardWid* keyboardView() const { return m_view; }
    QLabel* hint() const { return m_hint; }

private:
    void updateHint();

    VirtualKeyboard* m_keyboard;
    VirtualKeyboardWid* m_view;
    QLabel* m_hint;
};
