#include "host/theme.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace {
const QColor kWindow(0x23, 0x25, 0x2a);
const QColor kBase(0x1b, 0x1d, 0x21);
const QColor kAlternateBase(0x26, 0x29, 0x2e);
const QColor kButton(0x2a, 0x2d, 0x33);
const QColor kText(Qt::white);
const QColor kDisabledText(0x80, 0x82, 0x87);
const QColor kAccent(132, 49, 155);
const QColor kLink(0xc0, 0x8a, 0xd6);
} // namespace

namespace Theme {

QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, kWindow);
    palette.setColor(QPalette::WindowText, kText);
    palette.setColor(QPalette::Base, kBase);
    palette.setColor(QPalette::AlternateBase, kAlternateBase);
    palette.setColor(QPalette::ToolTipBase, kButton);
    palette.setColor(QPalette::ToolTipText, kText);
    palette.setColor(QPalette::Text, kText);
    palette.setColor(QPalette::Button, kButton);
    palette.setColor(QPalette::ButtonText, kText);
    palette.setColor(QPalette::BrightText, Qt::red);
    palette.setColor(QPalette::Link, kLink);
    palette.setColor(QPalette::Highlight, kAccent);
    palette.setColor(QPalette::HighlightedText, kText);
    palette.setColor(QPalette::PlaceholderText, kDisabledText);
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, kDisabledText);
    }
    return palette;
}

QString styleSheet()
{
    // "KeyLightWid > QPushButton" reaches RESET and APPLY only: the buttons inside the
    // page's panels are grandchildren of the page and keep their own looks.
    return QStringLiteral(
               "KeyLightWid > QPushButton{min-height:%1px;padding:0 6px;color:white;"
               "background:#84319b;border:%2px solid #23252a;"
               "font-weight:bold;}"
               "KeyLightWid > QPushButton:hover{background:#9a45b3;}"
               "KeyLightWid > QPushButton:pressed{background:#6a2780;}"
               "QToolBar{background:#1b1d21;border:none;border-bottom:1px solid #33363c;"
               "spacing:6px;padding:4px;}"
               "QToolBar QLabel#profileCaption{color:#b4b6bb;font-weight:bold;"
               "padding-right:4px;}"
               "QToolBar QToolButton{color:white;background:#2a2d33;border:1px solid #3a3d44;"
               "border-radius:3px;padding:2px 8px;}"
               "QToolBar QToolButton:hover{border-color:#84319b;}"
               "QToolBar QToolButton:checked{background:#84319b;border-color:#84319b;"
               "font-weight:bold;}"
               "QToolBar QToolButton:disabled{color:#6a6c71;}"
               "QStatusBar{background:#1b1d21;color:#b4b6bb;border-top:1px solid #33363c;}"
               "QDockWidget{color:#b4b6bb;}"
               "QDockWidget::title{background:#1b1d21;padding:4px 8px;}"
               "QHeaderView::section{background:#2a2d33;color:#b4b6bb;border:none;"
               "border-right:1px solid #1b1d21;padding:2px 6px;}"
               "QTableView{background:#1b1d21;alternate-background-color:#212328;"
               "border:none;}")
        // min-height counts the contents only: the frame is taken off so the whole button
        // is kPageButtonHeight high.
        .arg(kPageButtonHeight - 2 * kPageButtonBorder)
        .arg(kPageButtonBorder);
}

void apply(QApplication& app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setPalette(darkPalette());
}

} // namespace Theme
