// SPDX-License-Identifier: MIT
#include "platform/toolkit/stylesheet.h"

#include <QWidget>

namespace StyleSheet {

void apply(QWidget* widget, const QString& sheet)
{
    if (widget->styleSheet() != sheet)
        widget->setStyleSheet(sheet);
}

} // namespace StyleSheet
