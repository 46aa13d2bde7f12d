// SPDX-License-Identifier: MIT
#include "host/window/pickercaptions.h"

#include "platform/toolkit/palette.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QWidget>

namespace {
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(PickerCaptions)
};

constexpr int kCaptionPoint = 8;
// Level with the pickers' own text.
constexpr int kCaptionIndent = 6;
} // namespace

namespace PickerCaptions {

void add(QWidget* page)
{
    const struct
    {
        const char* panel;
        QString caption;
    } panels[] = {
        {"m_multilayerWid", Text::tr("Layers 1 to 4, top to bottom: click one to edit it")},
        {"m_multizoneWid", Text::tr("Zones 1 to 4: click one to edit it and paint its keys")},
    };
    for (const auto& panel : panels) {
        auto* holder = page->findChild<QWidget*>(QLatin1String(panel.panel));
        auto* column = holder ? qobject_cast<QBoxLayout*>(holder->layout()) : nullptr;
        if (!column)
            continue;
        auto* caption = new QLabel(panel.caption, holder);
        caption->setObjectName(QStringLiteral("pickerCaption"));
        caption->setWordWrap(true);
        caption->setIndent(kCaptionIndent);
        QFont font = caption->font();
        font.setPointSize(kCaptionPoint);
        caption->setFont(font);
        caption->setStyleSheet(Palette::styleSheet("color:@textMuted;"));
        column->insertWidget(0, caption);
    }
}

} // namespace PickerCaptions
