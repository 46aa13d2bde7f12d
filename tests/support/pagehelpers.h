// SPDX-License-Identifier: MIT
#pragma once

// Small helpers for tests that drive the page as a user would.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace PageHelpers {

// The page's RESET and APPLY buttons carry no object name; they are found by their text.
inline QPushButton* buttonWithText(QWidget* parent, const QString& text)
{
    for (QPushButton* button : parent->findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// Answers the next modal message box by clicking the button with this object name
// ("yesButton", "noButton", "okButton"). A box without that button fails the test and is
// rejected, so the test ends instead of waiting for an answer that never comes.
inline void answerNextMessageBox(const QString& buttonName, int attemptsLeft = 100)
{
    QTimer::singleShot(0, [buttonName, attemptsLeft] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (attemptsLeft > 0)
                answerNextMessageBox(buttonName, attemptsLeft - 1);
            else
                QTest::qFail("no message box came up", __FILE__, __LINE__);
            return;
        }
        if (auto* button = box->findChild<QAbstractButton*>(buttonName)) {
            button->click();
            return;
        }
        QTest::qFail(qPrintable(QStringLiteral("the message box has no %1").arg(buttonName)),
                     __FILE__, __LINE__);
        box->reject();
    });
}

// A mouse event with the buttons held, as a real drag delivers it (QTest::mouseMove does
// not carry held buttons on every platform).
inline void sendMouse(QWidget* target, QEvent::Type type, const QPoint& pos,
                      Qt::MouseButtons held, Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent event(type, pos, target->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A band drag on a keyboard page from `start` to `end`, repainted between the moves as a
// real drag is.
inline void dragBand(QWidget* page, const QPoint& start, const QPoint& end)
{
    sendMouse(page, QEvent::MouseButtonPress, start, Qt::LeftButton);
    sendMouse(page, QEvent::MouseMove, end, Qt::LeftButton, Qt::NoButton);
    page->repaint();
    sendMouse(page, QEvent::MouseButtonRelease, end, Qt::NoButton);
}

} // namespace PageHelpers
