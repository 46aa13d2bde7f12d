// SPDX-License-Identifier: MIT
#include "host/window/colourentry.h"

#include "keylight/keylightwid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpinBox>

#include <cmath>

namespace {
constexpr int kFullBrightness = 255;
constexpr int kPercent = 100;
const QString kHexPattern = QStringLiteral("#?[0-9a-fA-F]{6}");
} // namespace

ColourEntry::ColourEntry(KeyLightWid* page, QWidget* parent)
    : QWidget(parent)
    , m_panel(page)
    , m_hex(new QLineEdit(this))
    , m_percent(new QSpinBox(this))
{
    setObjectName(QStringLiteral("colourEntry"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* hexLabel = new QLabel(tr("&Colour:"), this);
    hexLabel->setBuddy(m_hex);
    m_hex->setObjectName(QStringLiteral("hexColourEdit"));
    m_hex->setAccessibleName(tr("Colour as a hex code"));
    m_hex->setPlaceholderText(QStringLiteral("#rrggbb"));
    m_hex->setValidator(new QRegularExpressionValidator(QRegularExpression(kHexPattern), m_hex));
    m_hex->setMaxLength(kHexPattern.size()); // comfortably more than "#rrggbb"
    m_hex->setFixedWidth(m_hex->fontMetrics().horizontalAdvance(QStringLiteral("#MMMMMMM")));
    auto* percentLabel = new QLabel(tr("B&rightness:"), this);
    percentLabel->setBuddy(m_percent);
    m_percent->setObjectName(QStringLiteral("brightnessPercentBox"));
    m_percent->setAccessibleName(tr("Brightness in percent"));
    // The box's own line edit takes the focus, so it is the one a screen reader names.
    if (auto* edit = m_percent->findChild<QLineEdit*>())
        edit->setAccessibleName(m_percent->accessibleName());
    m_percent->setRange(0, kPercent);
    m_percent->setSuffix(QStringLiteral(" %"));
    layout->addWidget(hexLabel);
    layout->addWidget(m_hex);
    layout->addSpacing(hexLabel->fontMetrics().averageCharWidth() * 2);
    layout->addWidget(percentLabel);
    layout->addWidget(m_percent);
    for (QLabel* label : {hexLabel, percentLabel})
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

    connect(m_hex, &QLineEdit::editingFinished, this, &ColourEntry::typeHex);
    connect(m_percent, &QSpinBox::editingFinished, this, &ColourEntry::typeBrightness);
    m_panel.onChange(this, [this] { follow(); });
}

QColor ColourEntry::parseHex(const QString& text)
{
    static const QRegularExpression whole(QRegularExpression::anchoredPattern(kHexPattern));
    const QString trimmed = text.trimmed();
    if (!whole.match(trimmed).hasMatch())
        return {};
    return QColor(trimmed.startsWith(QLatin1Char('#')) ? trimmed : QLatin1Char('#') + trimmed);
}

void ColourEntry::follow()
{
    const QColor colour = m_panel.colour();
    const int brightness = m_panel.brightness();
    const QSignalBlocker hexQuiet(m_hex);
    const QSignalBlocker percentQuiet(m_percent);
    m_hex->setText(colour.isValid() ? colour.name() : QString());
    m_percent->setValue(brightness < 0 ? 0
                                       : int(std::lround(brightness * double(kPercent)
                                                         / kFullBrightness)));
    // Only what the panel would take: an effect without colours greys the boxes out.
    const QWidget* ground = m_panel.shownGround();
    m_hex->setEnabled(colour.isValid() && ground && ground->isEnabled());
    m_percent->setEnabled(brightness >= 0);
}

void ColourEntry::typeHex()
{
    const QColor colour = parseHex(m_hex->text());
    if (!colour.isValid() || colour == m_panel.colour()) {
        follow();
        return;
    }
    m_panel.typeColour(colour);
    follow();
}

void ColourEntry::typeBrightness()
{
    const int brightness = int(std::lround(m_percent->value() * double(kFullBrightness)
                                           / kPercent));
    if (brightness != m_panel.brightness())
        m_panel.setBrightness(brightness);
    follow();
}
