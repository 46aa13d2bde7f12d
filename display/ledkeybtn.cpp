// SPDX-License-Identifier: MIT
#include "display/ledkeybtn.h"

#include "platform/toolkit/colourname.h"
#include "platform/toolkit/stylesheet.h"

namespace {
// The border stays visible even for a fully dark colour.
constexpr int kBorderAlphaFloor = 50;

QString hexArgb(const QColor& rgb, int alpha)
{
    return QColor(rgb.red(), rgb.green(), rgb.blue(), alpha).name(QColor::HexArgb);
}
} // namespace

LedKeyBtn::LedKeyBtn(QWidget* parent)
    : QPushButton(parent)
{
    // The page is one stop of the focus chain and moves its own key cursor; a key that took
    // the focus itself would be pressed by Space and emit clicked.
    setFocusPolicy(Qt::NoFocus);
    applyStyle(defaultStyle(), false);
}

LedKeyBtn::~LedKeyBtn() = default;

QString LedKeyBtn::defaultStyle()
{
    return QStringLiteral("QPushButton{background:rgba(0,0,0,100);border:1px solid black;"
                          "min-height:1px}");
}

QString LedKeyBtn::colouredStyle(const QColor& cor)
{
    const int alpha = cor.alpha();
    return QStringLiteral("QPushButton{background:") + hexArgb(cor, alpha / 2)
        + QStringLiteral(";border:1px solid ") + hexArgb(cor, alpha / 2 + kBorderAlphaFloor)
        + QStringLiteral(";min-height:1px}");
}

void LedKeyBtn::setKeyColor(const QColor& cor)
{
    const bool same = shows(true, cor);
    m_cor = cor;
    if (!same)
        applyStyle(colouredStyle(cor), true);
}

const QColor& LedKeyBtn::keyColor() const
{
    return m_cor;
}

void LedKeyBtn::resetKey()
{
    m_bSelected = false;
    m_bInZone = false;
    if (!shows(false, QColor()))
        applyStyle(defaultStyle(), false);
}

bool LedKeyBtn::isSelected() const
{
    return m_bSelected;
}

void LedKeyBtn::setSelected(bool bSelected)
{
    m_bSelected = bSelected;
}

bool LedKeyBtn::isInZone() const
{
    return m_bInZone;
}

void LedKeyBtn::setInZone(bool b)
{
    m_bInZone = b;
    m_bSelected = b;
}

bool LedKeyBtn::shows(bool bColoured, const QColor& look) const
{
    // A sheet set from outside does not share the key's own text.
    if (!styleSheet().isSharedWith(m_appliedStyle) || bColoured != m_bColouredLook)
        return false;
    return !bColoured || look == m_cor;
}

// Replacing a style sheet re-polishes the key, which is the costly part of a band drag;
// a key whose look stays the same keeps its sheet.
void LedKeyBtn::applyStyle(const QString& style, bool bColoured)
{
    StyleSheet::apply(this, style);
    m_appliedStyle = styleSheet();
    m_bColouredLook = bColoured;
    setAccessibleDescription(bColoured ? ColourName::describe(m_cor) : tr("not lit"));
}

// The plain widget's handlers ignore the event, so it travels on to the page in the
// page's coordinates: the key never shows a pressed state or emits clicked.
void LedKeyBtn::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
}

void LedKeyBtn::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
}

void LedKeyBtn::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
}
