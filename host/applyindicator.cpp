#include "host/applyindicator.h"

namespace {
// A coloured bar before the words, so the state reads at a glance.
constexpr auto kAppliedStyle = "QLabel{color:#8fd694;border-style:solid;border-color:#8fd694;"
                               "border-width:0 0 0 4px;padding:0 8px;}";
constexpr auto kPendingStyle = "QLabel{color:#f2b45c;border-style:solid;border-color:#f2b45c;"
                               "border-width:0 0 0 4px;padding:0 8px;font-weight:bold;}";
} // namespace

ApplyIndicator::ApplyIndicator(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("applyIndicator"));
    setApplied(true);
}

void ApplyIndicator::setApplied(bool applied)
{
    m_applied = applied;
    setText(applied ? tr("Applied") : tr("Changes not applied"));
    setToolTip(applied ? tr("The keyboard's onboard memory holds this profile as shown.")
                       : tr("Press APPLY to store this profile on the keyboard."));
    setStyleSheet(QLatin1String(applied ? kAppliedStyle : kPendingStyle));
}
