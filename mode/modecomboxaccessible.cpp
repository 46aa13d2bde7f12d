// SPDX-License-Identifier: MIT
#include "mode/modecomboxaccessible.h"

#include "mode/modecombox.h"

namespace {
QAccessibleInterface* createFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("ModeCombox"))
        return new ModeComboxAccessible(static_cast<ModeCombox*>(object));
    return nullptr;
}
} // namespace

ModeComboxAccessible::ModeComboxAccessible(ModeCombox* picker)
    : QAccessibleWidget(picker, QAccessible::ComboBox)
{
}

void ModeComboxAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(createFor);
        return true;
    }();
    Q_UNUSED(installed)
}

QString ModeComboxAccessible::text(QAccessible::Text t) const
{
    const auto* picker = static_cast<const ModeCombox*>(widget());
    if (t == QAccessible::Value || (t == QAccessible::Name && picker->accessibleName().isEmpty()))
        return picker->currentText();
    return QAccessibleWidget::text(t);
}
