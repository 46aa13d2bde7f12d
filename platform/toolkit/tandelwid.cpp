#include "platform/toolkit/tandelwid.h"

namespace {
// Scoped to the class so the panel's children keep their own looks.
constexpr auto kPanelStyle = "TandelWid{background:#202226;border:1px solid #34373d;"
                             "border-radius:6px;}";
} // namespace

TandelWid::TandelWid(QWidget* parent)
    : OrbelWid(parent)
{
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QString::fromLatin1(kPanelStyle));
}

TandelWid::~TandelWid() = default;
