#pragma once

// Drag, drop and dialog helpers shared by the colour suites.

#include "keylight/vantor_types.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace ColourTest {

// Delivers a drag entering and a drop of the given data at the centre of the target, as
// the drag loop would. Returns whether the target accepted the drop.
inline bool dropOn(QWidget* target, const QMimeData& mime)
{
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(centre), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

inline bool dropColour(QWidget* target, const QColor& color)
{
    QMimeData mime;
    mime.setColorData(color);
    return dropOn(target, mime);
}

struct SeenBox
{
    bool shown = false;
    QString title;
    QString text;
};

// Dismisses the next modal message box with its OK button and records what it said.
inline void dismissNextBox(SeenBox* seen)
{
    QTimer::singleShot(0, [seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen->shown = true;
        seen->title = box->windowTitle();
        seen->text = box->text();
        if (auto* ok = box->findChild<QAbstractButton*>(QStringLiteral("okButton")))
            ok->click();
        else
            box->reject();
    });
}

inline custom_color filled(uchar r, uchar g, uchar b, uchar a)
{
    return custom_color{1, r, g, b, a};
}

inline bool sameList(const std::vector<custom_color>& a, const std::vector<custom_color>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].flag != b[i].flag)
            return false;
        // Readers ignore the colour bytes of an empty slot.
        if (a[i].flag != 0
            && (a[i].red != b[i].red || a[i].green != b[i].green || a[i].blue != b[i].blue
                || a[i].alpha != b[i].alpha))
            return false;
    }
    return true;
}

} // namespace ColourTest
