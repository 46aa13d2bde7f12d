#include "host/applyindicator.h"

namespace {
constexpr auto kAppliedStyle = "color:#8fd694;padding:0 8px;";
constexpr auto kPendingStyle = "color:#f2b45c;padding:0 8px;font-weight:bold;";
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
    // A round dot before the words, so the state reads at a glance.
    setText(QStringLiteral("\u25CF ") + (applied ? tr("Applied") : tr("Changes not applied")));
    setToolTip(applied ? tr("The keyboard's onboard memory holds this profile as shown.")
                       : tr("Press APPLY to store this profile on the keyboard."));
    setStyleSheet(QLatin1String(applied ? kAppliedStyle : kPendingStyle));
}
