#include "host/applyindicator.h"

#include "platform/toolkit/palette.h"

namespace {
// A coloured bar before the words, so the state reads at a glance.
constexpr auto kAppliedStyle = "QLabel{color:@success;border-style:solid;"
                               "border-color:@success;border-width:0 0 0 4px;padding:0 8px;}";
constexpr auto kPendingStyle = "QLabel{color:@warning;border-style:solid;"
                               "border-color:@warning;border-width:0 0 0 4px;padding:0 8px;"
                               "font-weight:bold;}";
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
    setStyleSheet(Palette::styleSheet(applied ? kAppliedStyle : kPendingStyle));
}
