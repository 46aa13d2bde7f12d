// SPDX-License-Identifier: MIT
#include "platform/toolkit/msgbox.h"

#include "platform/toolkit/palette.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
constexpr auto kBoxStyle = "QMessageBox{background:@panel;}"
                           "QLabel{color:@text;}"
                           "QPushButton{color:@text;background:@controlBorder;"
                           "border:1px solid @outline;padding:4px 16px;min-width:60px;}"
                           "QPushButton:hover{background:@accent;}";

// Object names let tests and accessibility tools find the answer buttons.
void nameButton(QMessageBox& box, QMessageBox::StandardButton which, const char* name)
{
    if (QAbstractButton* button = box.button(which))
        button->setObjectName(QLatin1String(name));
}

MsgBox::Detail& questionDetail()
{
    static MsgBox::Detail detail;
    return detail;
}
} // namespace

void MsgBox::setQuestionDetail(Detail detail)
{
    questionDetail() = std::move(detail);
}

int MsgBox::question(const QString& title, const QString& text, QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    if (questionDetail())
        box.setInformativeText(questionDetail()(title));
    box.setObjectName(QStringLiteral("MsgBoxQuestion"));
    box.setStyleSheet(Palette::styleSheet(kBoxStyle));
    box.setDefaultButton(QMessageBox::No);
    nameButton(box, QMessageBox::Yes, "yesButton");
    nameButton(box, QMessageBox::No, "noButton");
    return box.exec() == QMessageBox::Yes ? 1 : 0;
}

void MsgBox::information(const QString& title, const QString& text, QWidget* parent)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MsgBoxInformation"));
    box.setStyleSheet(Palette::styleSheet(kBoxStyle));
    nameButton(box, QMessageBox::Ok, "okButton");
    box.exec();
}
