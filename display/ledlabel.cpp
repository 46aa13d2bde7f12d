#include "display/ledlabel.h"

#include <QBitmap>

namespace {
// Added to the halved alpha of the outline label, so outlines stay visible when dark.
constexpr int kOutlineAlphaFloor = 50;
} // namespace

LedLabel::LedLabel(const QString& pixPath, int iLevel, QWidget* parent)
    : QLabel(parent)
    , m_pix(pixPath)
    , m_iLevel(iLevel)
{
}

LedLabel::~LedLabel() = default;

void LedLabel::setColor(const QColor& cor)
{
    int alpha = cor.alpha() / 2;
    if (m_iLevel == kOutlineLevel)
        alpha += kOutlineAlphaFloor;
    const QColor tint(cor.red(), cor.green(), cor.blue(), alpha);
    setStyleSheet(QStringLiteral("background:") + tint.name(QColor::HexArgb)
                  + QStringLiteral(";"));
}

// Only the opaque pixels of the key picture stay visible, so the style sheet's background
// shows on the keys alone.
void LedLabel::resizeMask(const QSize& size)
{
    setFixedSize(size);
    const QPixmap scaled = m_pix.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    setMask(scaled.mask());
}
