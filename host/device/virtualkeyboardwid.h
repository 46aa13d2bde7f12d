// SPDX-License-Identifier: MIT
#pragma once

#include "host/device/effectengine.h"
#include "host/device/keylayout.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

class KeyboardRenderer;
class VirtualKeyboard;

// Shows the virtual keyboard lit as the real one would be. It draws a new frame only while
// the lighting changes (an effect that moves, or fresh key presses for one that answers
// them) and only while it can be seen. Keys typed while it has focus and clicks on the
// drawn keys are key presses of the keyboard, so the reactive effects answer to them; Tab
// and Shift+Tab move the focus on, and Escape gives it back.
class VirtualKeyboardWid : public QWidget
{
    Q_OBJECT

public:
    // The keyboard must outlive the widget.
    explicit VirtualKeyboardWid(VirtualKeyboard* keyboard, QWidget* parent = nullptr);
    ~VirtualKeyboardWid() override;

    // The LED of the key that a Qt key stands for, or -1 for keys the keyboard lacks.
    static int ledForKey(int key, Qt::KeyboardModifiers modifiers);

    // Where the key of a LED is drawn, in the widget's coordinates; empty for no key.
    QRectF keyRect(int led) const;
    // Whether the frame timer runs.
    bool isAnimating() const;
    // How many frames the timer has asked for; for measuring how often it wakes.
    int framesRequested() const { return m_framesRequested; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // How wide the keys are drawn in a widget of `size`: the keyboard comes whole, or in two
    // or three tiers when that makes its keys larger (a tall, narrow dock).
    qreal keyWidthIn(const QSizeF& size) const;
    // How many tiers the keyboard is drawn in at `size`.
    int tiersIn(const QSizeF& size) const;
    // The height past which a widget `width` wide that shares its column with other views
    // only gains empty room: the keyboard in two tiers, drawn across all of it. Three tiers
    // would have larger keys but leave the others no room.
    int usefulHeight(int width) const;

    // Paints the keyboard at a time on the keyboard's clock into an image of this size; for
    // screenshots and for tests that look at a given moment.
    QImage renderAt(qint64 atMs, const QSize& size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateAnimation();
    void nextFrame();
    void watchWindow();
    void press(int led);

    // The keyboard whole, in two tiers or in three, each with the renderer that draws it.
    struct Arrangement
    {
        const KeyLayout* layout;
        KeyboardRenderer* renderer;
    };
    // In the order of the tiers they have: arrangement i is drawn in i + 1 tiers.
    enum { kWhole, kTwoTiers, kThreeTiers, kArrangements };
    std::array<Arrangement, kArrangements> arrangements() const;
    Arrangement arrangementFor(const QSizeF& size) const;
    // Chosen, and the keyboard's place in the widget found, once per size rather than at
    // every frame.
    const Arrangement& shown() const;
    const QRectF& shownTarget() const;

    VirtualKeyboard* m_keyboard;
    std::array<KeyLayout, kArrangements> m_layouts;
    std::array<std::unique_ptr<KeyboardRenderer>, kArrangements> m_renderers;
    mutable QSize m_shownFor; // the size m_shown and m_target were found for
    mutable Arrangement m_shown{};
    mutable QRectF m_target; // where the shown arrangement is drawn
    QTimer m_timer;
    QPointer<QWidget> m_watchedWindow;
    QPointer<QWidget> m_focusCameFrom; // where Escape gives the focus back to
    LedFrame m_frame{};
    int m_framesRequested = 0;
};
