// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Makes a click on a key of the per-key or multizone page do what people expect: paint the
// key, or add it to the zone. The pages test the keys under their band only when they are
// repainted during a drag, and a press and release with no repaint between them commits
// what the last repaint showed. Watching the page, this sees that a repaint happens between
// the press and the release it lets through; a drag, which repaints as it moves, is left as
// it is.
class KeyClickCompleter : public QObject
{
    Q_OBJECT

public:
    // Watches `page`, which outlives the completer (it becomes the page's child).
    explicit KeyClickCompleter(QWidget* page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_page;
    bool m_bAwaitingPaint = false; // pressed, and not repainted since
};
