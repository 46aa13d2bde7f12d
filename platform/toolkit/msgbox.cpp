#include "platform/toolkit/msgbox.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
constexpr auto kBoxStyle = "QMessageBox{background:#202226;}"
                           "QLabel{color:white;}"
                           "QPushButton{color:white;background:#3a3d44;border:1px solid #55585f;"
                           "padding:4px 16px;min-width:60px;}"
                           "QPushButton:hover{background:#84319b;}";

// Object names let tests and accessibility tools find the answer buttons.
void nameButton(QMessageBox& box, QMessageBox::StandardButton which, const char* name)
{
    if (QAbstractButton* button = box.button(which))
        button->setObjectName(QLatin1String(name));
}
} // namespace

int MsgBox::question(const QString& title, const QString& text, QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setObjectName(QStringLiteral("MsgBoxQuestion"));
    box.setStyleSheet(QString::fromLatin1(kBoxStyle));
    box.setDefaultButton(QMessageBox::No);
    nameButton(box, QMessageBox::Yes, "yesButton");
    nameButton(box, QMessageBox::No, "noButton");
    return box.exec() == QMessageBox::Yes ? 1 : 0;
}

void MsgBox::information(const QString& title, const QString& text, QWidget* parent)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MsgBoxInformation"));
    box.setStyleSheet(QString::fromLatin1(kBoxStyle));
    nameButton(box, QMessageBox::Ok, "okButton");
    box.exec();
}
