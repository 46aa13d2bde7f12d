#include "host/device/virtualkeyboardwid.h"

#include "host/device/keyboardrenderer.h"
#include "host/device/virtualkeyboard.h"

#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {
constexpr int kFrameIntervalMs = 16; // about 60 frames a second
constexpr int kPreferredWidth = 900;
constexpr int kMinimumWidth = 360;
const QColor kBackdrop(0x1b, 0x1d, 0x21);
const char* const kPicture = ":/KeyLight/key_background.png";

// Qt keys of the main block, the function row and the navigation keys. Qt does not tell
// left from right for the modifiers; the left ones light.
const QHash<int, int>& mainKeys()
{
    static const QHash<int, int> keys = {
        {Qt::Key_Escape, 14}, {Qt::Key_F1, 35}, {Qt::Key_F2, 42}, {Qt::Key_F3, 49},
        {Qt::Key_F4, 56}, {Qt::Key_F5, 70}, {Qt::Key_F6, 77}, {Qt::Key_F7, 84},
        {Qt::Key_F8, 91}, {Qt::Key_F9, 98}, {Qt::Key_F10, 105}, {Qt::Key_F11, 112},
        {Qt::Key_F12, 119}, {Qt::Key_Print, 126}, {Qt::Key_ScrollLock, 133},
        {Qt::Key_Pause, 140}, {Qt::Key_QuoteLeft, 15}, {Qt::Key_AsciiTilde, 15},
        {Qt::Key_1, 29}, {Qt::Key_Exclam, 29}, {Qt::Key_2, 36}, {Qt::Key_At, 36},
        {Qt::Key_3, 43}, {Qt::Key_NumberSign, 43}, {Qt::Key_4, 50}, {Qt::Key_Dollar, 50},
        {Qt::Key_5, 57}, {Qt::Key_Percent, 57}, {Qt::Key_6, 64}, {Qt::Key_AsciiCircum, 64},
        {Qt::Key_7, 71}, {Qt::Key_Ampersand, 71}, {Qt::Key_8, 78}, {Qt::Key_Asterisk, 78},
        {Qt::Key_9, 85}, {Qt::Key_ParenLeft, 85}, {Qt::Key_0, 92}, {Qt::Key_ParenRight, 92},
        {Qt::Key_Minus, 99}, {Qt::Key_Underscore, 99}, {Qt::Key_Equal, 106},
        {Qt::Key_Plus, 106}, {Qt::Key_Backspace, 120}, {Qt::Key_Tab, 16},
        {Qt::Key_Backtab, 16}, {Qt::Key_Q, 30}, {Qt::Key_W, 37}, {Qt::Key_E, 44},
        {Qt::Key_R, 51}, {Qt::Key_T, 58}, {Qt::Key_Y, 65}, {Qt::Key_U, 72}, {Qt::Key_I, 79},
        {Qt::Key_O, 86}, {Qt::Key_P, 93}, {Qt::Key_BracketLeft, 100},
        {Qt::Key_BraceLeft, 100}, {Qt::Key_BracketRight, 107}, {Qt::Key_BraceRight, 107},
        {Qt::Key_Backslash, 121}, {Qt::Key_Bar, 121}, {Qt::Key_CapsLock, 17},
        {Qt::Key_A, 31}, {Qt::Key_S, 38}, {Qt::Key_D, 45}, {Qt::Key_F, 52}, {Qt::Key_G, 59},
        {Qt::Key_H, 66}, {Qt::Key_J, 73}, {Qt::Key_K, 80}, {Qt::Key_L, 87},
        {Qt::Key_Semicolon, 94}, {Qt::Key_Colon, 94}, {Qt::Key_Apostrophe, 101},
        {Qt::Key_QuoteDbl, 101}, {Qt::Key_Return, 122}, {Qt::Key_Shift, 18},
        {Qt::Key_Z, 32}, {Qt::Key_X, 39}, {Qt::Key_C, 46}, {Qt::Key_V, 53}, {Qt::Key_B, 60},
        {Qt::Key_N, 67}, {Qt::Key_M, 74}, {Qt::Key_Comma, 81}, {Qt::Key_Less, 81},
        {Qt::Key_Period, 88}, {Qt::Key_Greater, 88}, {Qt::Key_Slash, 95},
        {Qt::Key_Question, 95}, {Qt::Key_Control, 19}, {Qt::Key_Meta, 26},
        {Qt::Key_Super_L, 26}, {Qt::Key_Super_R, 96}, {Qt::Key_Alt, 33},
        {Qt::Key_AltGr, 89}, {Qt::Key_Space, 61}, {Qt::Key_Menu, 103},
        {Qt::Key_Insert, 127}, {Qt::Key_Delete, 128}, {Qt::Key_Home, 134},
        {Qt::Key_End, 135}, {Qt::Key_PageUp, 141}, {Qt::Key_PageDown, 142},
        {Qt::Key_Up, 137}, {Qt::Key_Down, 138}, {Qt::Key_Left, 131}, {Qt::Key_Right, 145},
        {Qt::Key_NumLock, 148},
    };
    return keys;
}

// Keys of the numeric pad, which Qt marks with the keypad modifier.
const QHash<int, int>& keypadKeys()
{
    static const QHash<int, int> keys = {
        {Qt::Key_Slash, 155}, {Qt::Key_Asterisk, 162}, {Qt::Key_Minus, 169},
        {Qt::Key_Plus, 170}, {Qt::Key_Enter, 173}, {Qt::Key_Period, 166},
        {Qt::Key_Comma, 166}, {Qt::Key_Delete, 166}, {Qt::Key_0, 152}, {Qt::Key_Insert, 152},
        {Qt::Key_1, 151}, {Qt::Key_End, 151}, {Qt::Key_2, 158}, {Qt::Key_Down, 158},
        {Qt::Key_3, 165}, {Qt::Key_PageDown, 165}, {Qt::Key_4, 150}, {Qt::Key_Left, 150},
        {Qt::Key_5, 157}, {Qt::Key_Clear, 157}, {Qt::Key_6, 164}, {Qt::Key_Right, 164},
        {Qt::Key_7, 149}, {Qt::Key_Home, 149}, {Qt::Key_8, 156}, {Qt::Key_Up, 156},
        {Qt::Key_9, 163}, {Qt::Key_PageUp, 163}, {Qt::Key_NumLock, 148},
    };
    return keys;
}
} // namespace

VirtualKeyboardWid::VirtualKeyboardWid(VirtualKeyboard* keyboard, QWidget* parent)
    : QWidget(parent)
    , m_keyboard(keyboard)
    , m_renderer(std::make_unique<KeyboardRenderer>(keyboard->layout(),
                                                    QImage(QLatin1String(kPicture))))
{
    setObjectName(QStringLiteral("VirtualKeyboardWid"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    m_timer.setInterval(kFrameIntervalMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] { update(); });
    // A still effect still needs one new frame when the lighting changes.
    connect(m_keyboard, &VirtualKeyboard::sigLightingChanged, this, [this] { update(); });
}

VirtualKeyboardWid::~VirtualKeyboardWid() = default;

int VirtualKeyboardWid::ledForKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::KeypadModifier) {
        const auto pad = keypadKeys().constFind(key);
        if (pad != keypadKeys().constEnd())
            return pad.value();
    }
    return mainKeys().value(key, -1);
}

QRectF VirtualKeyboardWid::keyRect(int led) const
{
    const int index = m_keyboard->layout().indexOfLed(led);
    if (index < 0)
        return {};
    const QTransform toWidget = m_renderer->formToTarget(m_renderer->fitInto(QRectF(rect())));
    return toWidget.mapRect(m_keyboard->layout().keys()[std::size_t(index)].rect);
}

bool VirtualKeyboardWid::isAnimating() const
{
    return m_timer.isActive();
}

QSize VirtualKeyboardWid::sizeHint() const
{
    return {kPreferredWidth, heightForWidth(kPreferredWidth)};
}

QSize VirtualKeyboardWid::minimumSizeHint() const
{
    return {kMinimumWidth, heightForWidth(kMinimumWidth)};
}

bool VirtualKeyboardWid::hasHeightForWidth() const
{
    return true;
}

int VirtualKeyboardWid::heightForWidth(int width) const
{
    const QRectF view = m_renderer->viewRect();
    return int(std::ceil(width * view.height() / view.width()));
}

QImage VirtualKeyboardWid::renderAt(qint64 atMs, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(kBackdrop);
    m_keyboard->frameAt(atMs, m_frame);
    QPainter painter(&image);
    m_renderer->paint(painter, m_renderer->fitInto(QRectF(image.rect())), m_frame);
    return image;
}

bool VirtualKeyboardWid::event(QEvent* event)
{
    // Tab is a key of the keyboard here, not a way out of the widget.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

void VirtualKeyboardWid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackdrop);
    m_keyboard->frameAt(m_keyboard->clockMs(), m_frame);
    m_renderer->paint(painter, m_renderer->fitInto(QRectF(rect())), m_frame);
}

void VirtualKeyboardWid::keyPressEvent(QKeyEvent* event)
{
    const int led = ledForKey(event->key(), event->modifiers());
    if (led < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Holding a key down lights it once, as a press on the real keyboard does.
    if (!event->isAutoRepeat())
        m_keyboard->pressKey(led);
    event->accept();
}

void VirtualKeyboardWid::mousePressEvent(QMouseEvent* event)
{
    const QRectF target = m_renderer->fitInto(QRectF(rect()));
    bool invertible = false;
    const QTransform toForm = m_renderer->formToTarget(target).inverted(&invertible);
    const int index = invertible ? m_keyboard->layout().keyAt(toForm.map(event->localPos()))
                                 : -1;
    if (index < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    m_keyboard->pressKey(m_keyboard->layout().keys()[std::size_t(index)].led);
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
    if (seen && !m_timer.isActive())
        m_timer.start();
    else if (!seen)
        m_timer.stop();
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
