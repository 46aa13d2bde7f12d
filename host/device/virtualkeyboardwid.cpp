// SPDX-License-Identifier: MIT
#include "host/device/virtualkeyboardwid.h"

#include "host/device/keyboardrenderer.h"
#include "host/device/virtualkeyboard.h"
#include "keylight/keytable.h"
#include "platform/toolkit/palette.h"
#include "platform/toolkit/pointerposition.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {
// 25 frames a second: smooth for light that drifts, and about 2 % of a core for four
// moving layers on a large keyboard.
constexpr int kFrameIntervalMs = 40;
constexpr int kPreferredWidth = 900;
constexpr int kMinimumWidth = 300;
// Form pixels each cap grows by on every side: the form's 10 px gaps leave the caps of a
// small picture needlessly narrow, and 6 px still part them clearly.
constexpr qreal kCapGrowth = 2.0;

// The keyboard whole, in two tiers and in three, in that order.
std::array<KeyLayout, 3> arrangedLayouts(const KeyLayout& form)
{
    const KeyLayout whole = form.grownBy(kCapGrowth);
    return {whole, whole.wrapped(), whole.inThreeTiers()};
}
} // namespace

VirtualKeyboardWid::VirtualKeyboardWid(VirtualKeyboard* keyboard, QWidget* parent)
    : QWidget(parent)
    , m_keyboard(keyboard)
    , m_layouts(arrangedLayouts(keyboard->layout()))
{
    // Drawn from the key geometry rather than scaled from the page's picture, so the keys
    // stay sharp at any size and device pixel ratio.
    for (std::size_t i = 0; i < m_layouts.size(); ++i)
        m_renderers[i] = std::make_unique<KeyboardRenderer>(m_layouts[i]);
    setObjectName(QStringLiteral("VirtualKeyboardWid"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // As much room as the dock gives: the arrangement that fits it best is drawn in it.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_timer.setInterval(kFrameIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &VirtualKeyboardWid::nextFrame);
    // A still effect still needs one new frame when the lighting changes. While the frames
    // go on running, the next one shows it within a frame's time; an extra paint would only
    // cost the click that changed it. Asked after the timer was settled: a moving effect
    // that gives way to a still one stops the frames, and without this paint the keyboard
    // would go on showing the moving effect's last frame.
    connect(m_keyboard, &VirtualKeyboard::sigLightingChanged, this, [this] {
        updateAnimation();
        if (!m_timer.isActive())
            update();
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (now == this && old)
            m_focusCameFrom = old;
    });
}

VirtualKeyboardWid::~VirtualKeyboardWid() = default;

int VirtualKeyboardWid::ledForKey(int key, Qt::KeyboardModifiers modifiers)
{
    return KeyTable::ledForQtKey(key, modifiers.testFlag(Qt::KeypadModifier));
}

QRectF VirtualKeyboardWid::keyRect(int led) const
{
    const Arrangement& arrangement = shown();
    const int index = arrangement.layout->indexOfLed(led);
    if (index < 0)
        return {};
    const QTransform toWidget = arrangement.renderer->formToTarget(shownTarget());
    return toWidget.mapRect(arrangement.layout->keys()[std::size_t(index)].rect);
}

std::array<VirtualKeyboardWid::Arrangement, VirtualKeyboardWid::kArrangements>
VirtualKeyboardWid::arrangements() const
{
    std::array<Arrangement, kArrangements> all{};
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = {&m_layouts[i], m_renderers[i].get()};
    return all;
}

VirtualKeyboardWid::Arrangement VirtualKeyboardWid::arrangementFor(const QSizeF& size) const
{
    // The scale of form pixels to widget pixels that each arrangement gets in `size`.
    const auto scale = [&size](const KeyboardRenderer& renderer) {
        return renderer.fitInto(QRectF(QPointF(0, 0), size)).width()
            / renderer.viewRect().width();
    };
    // The keyboard is split only where that makes its keys larger.
    const auto all = arrangements();
    Arrangement best = all.front();
    for (const Arrangement& arrangement : all) {
        if (scale(*arrangement.renderer) > scale(*best.renderer))
            best = arrangement;
    }
    return best;
}

int VirtualKeyboardWid::tiersIn(const QSizeF& size) const
{
    return int(arrangementFor(size).layout - m_layouts.data()) + 1;
}

const VirtualKeyboardWid::Arrangement& VirtualKeyboardWid::shown() const
{
    if (m_shownFor != size() || !m_shown.renderer) {
        m_shownFor = size();
        m_shown = arrangementFor(QSizeF(size()));
        m_target = m_shown.renderer->fitInto(QRectF(rect()));
    }
    return m_shown;
}

const QRectF& VirtualKeyboardWid::shownTarget() const
{
    shown();
    return m_target;
}

qreal VirtualKeyboardWid::keyWidthIn(const QSizeF& size) const
{
    const Arrangement arrangement = arrangementFor(size);
    const QRectF target = arrangement.renderer->fitInto(QRectF(QPointF(0, 0), size));
    const qreal scale = target.width() / arrangement.renderer->viewRect().width();
    // A letter key stands for the usual key: the narrowest of the whole keys.
    const KeyInfo* letter = KeyTable::byObjectName(QStringLiteral("m_q"));
    const int index = letter ? arrangement.layout->indexOfLed(letter->led) : -1;
    return index < 0 ? 0.0 : arrangement.layout->keys()[std::size_t(index)].rect.width() * scale;
}

bool VirtualKeyboardWid::isAnimating() const
{
    return m_timer.isActive();
}

QSize VirtualKeyboardWid::sizeHint() const
{
    const QRectF view = m_renderers[kWhole]->viewRect();
    return {kPreferredWidth, int(std::ceil(kPreferredWidth * view.height() / view.width()))};
}

QSize VirtualKeyboardWid::minimumSizeHint() const
{
    const QRectF view = m_renderers[kWhole]->viewRect();
    return {kMinimumWidth, int(std::ceil(kMinimumWidth * view.height() / view.width()))};
}

int VirtualKeyboardWid::usefulHeight(int width) const
{
    const QRectF view = m_renderers[kTwoTiers]->viewRect();
    return int(std::ceil(width * view.height() / view.width()));
}

QImage VirtualKeyboardWid::renderAt(qint64 atMs, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Palette::color(Palette::Ground));
    m_keyboard->frameAt(atMs, m_frame);
    QPainter painter(&image);
    KeyboardRenderer& renderer = *arrangementFor(QSizeF(size)).renderer;
    renderer.paint(painter, renderer.fitInto(QRectF(image.rect())), m_frame);
    return image;
}

void VirtualKeyboardWid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    KeyboardRenderer& renderer = *shown().renderer;
    const QRectF& target = shownTarget();
    // A frame repaints the keyboard alone, which the renderer covers edge to edge.
    if (!target.contains(event->rect()))
        painter.fillRect(event->rect(), Palette::color(Palette::Ground));
    m_keyboard->frameAt(m_keyboard->clockMs(), m_frame);
    renderer.paint(painter, target, m_frame);
}

void VirtualKeyboardWid::keyPressEvent(QKeyEvent* event)
{
    // Escape is the way out: the focus goes back where it came from.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_focusCameFrom && m_focusCameFrom->isVisible() && m_focusCameFrom->isEnabled())
            m_focusCameFrom->setFocus(Qt::ShortcutFocusReason);
        else
            focusNextChild();
        return;
    }
    const int led = ledForKey(event->key(), event->modifiers());
    if (led < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Holding a key down lights it once, as a press on the real keyboard does.
    if (!event->isAutoRepeat())
        press(led);
    event->accept();
}

void VirtualKeyboardWid::press(int led)
{
    m_keyboard->pressKey(led);
    updateAnimation();
}

void VirtualKeyboardWid::mousePressEvent(QMouseEvent* event)
{
    const Arrangement& arrangement = shown();
    bool invertible = false;
    const QTransform toForm =
        arrangement.renderer->formToTarget(shownTarget()).inverted(&invertible);
    const int index = invertible ? arrangement.layout->keyAt(toForm.map(pointerPosition(event)))
                                 : -1;
    if (index < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    press(arrangement.layout->keys()[std::size_t(index)].led);
    event->accept();
}

void VirtualKeyboardWid::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    watchWindow();
    updateAnimation();
}

void VirtualKeyboardWid::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    updateAnimation();
}

void VirtualKeyboardWid::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        updateAnimation();
}

bool VirtualKeyboardWid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_watchedWindow) {
        switch (event->type()) {
        case QEvent::WindowStateChange:
        case QEvent::Show:
        case QEvent::Hide:
            updateAnimation();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void VirtualKeyboardWid::updateAnimation()
{
    const QWidget* top = window();
    const bool seen = isVisible() && !top->isMinimized();
    const bool changing = m_keyboard->changesAfter(m_keyboard->clockMs());
    if (seen && changing && !m_timer.isActive())
        m_timer.start();
    else if (!seen || !changing)
        m_timer.stop();
}

void VirtualKeyboardWid::nextFrame()
{
    ++m_framesRequested;
    // Only the keyboard changes, not the bands beside it: less to draw and to send.
    update(shownTarget().toAlignedRect());
    // The last frame of a fading press is drawn, then the keyboard sleeps.
    updateAnimation();
}

void VirtualKeyboardWid::watchWindow()
{
    // Minimising reaches only the top-level window, which changes when a dock floats.
    QWidget* top = window();
    if (top == m_watchedWindow || top == this)
        return;
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = top;
    m_watchedWindow->installEventFilter(this);
}
