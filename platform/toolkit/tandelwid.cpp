// SPDX-License-Identifier: MIT
#include "platform/toolkit/tandelwid.h"

#include "platform/toolkit/palette.h"

namespace {
// Scoped to the class so the panel's children keep their own looks.
constexpr auto kPanelStyle = "TandelWid{background:@panel;border:1px solid @panelBorder;"
                             "border-radius:6px;}";
} // namespace

TandelWid::TandelWid(QWidget* parent)
    : OrbelWid(parent)
{
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(Palette::styleSheet(kPanelStyle));
}

TandelWid::~TandelWid() = default;

void TandelWid::addPanelStyle(const char* rules)
{
    setStyleSheet(styleSheet() + Palette::styleSheet(rules));
}
