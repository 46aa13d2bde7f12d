// SPDX-License-Identifier: MIT
#include "host/window/theme.h"

#include "platform/toolkit/palette.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace Theme {

namespace {
// The speed panel's veil, which dims its controls while an effect has no speed, starts at
// the panel's edge and reaches 6 px past the controls' size, but the controls start 9 px
// in: it falls 3 px short of their right end. A label as long as that end ("SCHNELL" in
// German) showed its last stroke undimmed, as if cut off; a little room after it keeps
// the whole word under the veil.
constexpr int kSpeedLabelEndRoom = 4;
} // namespace

QPalette darkPalette()
{
    using Palette::color;
    const QColor text = color(Palette::Text);
    const QColor disabledText = color(Palette::TextDisabled);
    QPalette palette;
    palette.setColor(QPalette::Window, color(Palette::Window));
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, color(Palette::Ground));
    palette.setColor(QPalette::AlternateBase, color(Palette::AlternateRow));
    palette.setColor(QPalette::ToolTipBase, color(Palette::Control));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, color(Palette::Control));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::red);
    palette.setColor(QPalette::Link, color(Palette::AccentText));
    palette.setColor(QPalette::Highlight, color(Palette::Accent));
    palette.setColor(QPalette::HighlightedText, text);
    palette.setColor(QPalette::PlaceholderText, disabledText);
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabledText);
    }
    return palette;
}

QString styleSheet()
{
    // "KeyLightWid > QPushButton" reaches RESET and APPLY only: the buttons inside the
    // page's panels are grandchildren of the page and keep their own looks.
    return Palette::styleSheet(
               "KeyLightWid > QPushButton{min-height:%1px;padding:0 6px;color:@text;"
               "background:@accent;border:%2px solid @window;font-weight:bold;}"
               "KeyLightWid > QPushButton:hover{background:@accentHover;}"
               "KeyLightWid > QPushButton:pressed{background:@accentPressed;}"
               "QToolBar{background:@ground;border:none;border-bottom:1px solid @divider;"
               "spacing:6px;padding:4px;}"
               "QToolBar QLabel#profileCaption{color:@textMuted;font-weight:bold;"
               "padding-right:4px;}"
               "QToolBar QToolButton{color:@text;background:@control;"
               "border:1px solid @controlBorder;border-radius:3px;padding:2px 8px;}"
               "QToolBar QToolButton:hover{border-color:@accent;}"
               "QToolBar QToolButton:checked{background:@accent;border-color:@accent;"
               "font-weight:bold;}"
               "QToolBar QToolButton:disabled{color:@textDisabled;}"
               "QStatusBar{background:@ground;color:@textMuted;border-top:1px solid @divider;}"
               "QDockWidget{color:@textMuted;}"
               "QDockWidget::title{background:@ground;padding:4px 8px;}"
               "QHeaderView::section{background:@control;color:@textMuted;border:none;"
               "border-right:1px solid @ground;padding:2px 6px;}"
               "QTableView{background:@ground;alternate-background-color:@alternateRow;"
               "border:none;}"
               "LedSpeedWid QLabel#label_9{padding-right:%3px;}")
        // min-height counts the contents only: the frame is taken off so the whole button
        // is kPageButtonHeight high.
        .arg(kPageButtonHeight - 2 * kPageButtonBorder)
        .arg(kPageButtonBorder)
        .arg(kSpeedLabelEndRoom);
}

void apply(QApplication& app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setPalette(darkPalette());
}

} // namespace Theme
