// SPDX-License-Identifier: MIT
#include "display/customledwid.h"

#include "display/ledkeybtn.h"
#include "keylight/keytable.h"

#include <QMouseEvent>

namespace {
constexpr int kRgb = 3; // bytes per LED in the per-key record
constexpr uchar kFullBrightness = 255;
} // namespace

CustomLedWid::CustomLedWid(QWidget* parent)
    : QWidget(parent)
    , m_keyboard(this, "CustomLedUi", tr("Key colours"),
                 tr("Drag over keys to paint them in the chosen colour. From the keyboard: "
                    "the arrow keys move the key cursor, Shift with an arrow spans a "
                    "rectangle, Space paints, Escape drops the rectangle."))
{
    // A zeroed record: every key unpainted, which is unlit.
    static_assert(KeyTable::kUnpaintedRed == 0 && KeyTable::kUnpaintedGreen == 0
                      && KeyTable::kUnpaintedBlue == 0,
                  "the page starts from a zeroed record, so unpainted keys are black");
    m_customLed = vantor_light_custom();
    m_customLed.brightness = kFullBrightness;
}

CustomLedWid::~CustomLedWid() = default;

void CustomLedWid::setCustomLight(const vantor_light_custom& lc)
{
    m_customLed = lc;
    refreshKeys();
}

const vantor_light_custom& CustomLedWid::customLight() const
{
    return m_customLed;
}

void CustomLedWid::setLedColor(const QColor& cor)
{
    m_currColor = cor;
    if (cor.alpha() == m_customLed.brightness)
        return;
    m_customLed.brightness = uchar(cor.alpha());
    refreshKeys();
    emit sigUpdateCustomLed(m_customLed);
}

QColor CustomLedWid::storedColor(quint16 led) const
{
    const uchar* rgb = m_customLed.led + kRgb * led;
    return QColor(rgb[0], rgb[1], rgb[2], m_customLed.brightness);
}

void CustomLedWid::refreshKeys()
{
    const KeyMap& keys = m_keyboard.keys();
    for (auto it = keys.cbegin(); it != keys.cend(); ++it)
        it.value()->setKeyColor(storedColor(it.key()));
}

void CustomLedWid::mousePressEvent(QMouseEvent* event)
{
    m_keyboard.press(*event);
}

void CustomLedWid::mouseMoveEvent(QMouseEvent* event)
{
    m_keyboard.move(*event);
}

void CustomLedWid::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_keyboard.release(*event))
        return;
    commitKeys();
    update();
    emit sigUpdateCustomLed(m_customLed);
}

// What the keys show at the last repaint of the drag is what the record keeps; the
// brightness stays one byte for all keys.
void CustomLedWid::commitKeys()
{
    const KeyMap& keys = m_keyboard.keys();
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
        const QColor& cor = it.value()->keyColor();
        uchar* rgb = m_customLed.led + kRgb * it.key();
        rgb[0] = uchar(cor.red());
        rgb[1] = uchar(cor.green());
        rgb[2] = uchar(cor.blue());
    }
}

void CustomLedWid::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    // Keys under the band preview the new colour; the others go back to their stored look.
    m_keyboard.paintBand([this](quint16 led, LedKeyBtn* key, bool bUnderBand) {
        key->setKeyColor(bUnderBand ? m_currColor : storedColor(led));
        return bUnderBand;
    });
}
