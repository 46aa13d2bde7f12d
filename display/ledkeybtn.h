// SPDX-License-Identifier: MIT
#pragma once

#include "keylight_export.h"

#include <QColor>
#include <QPushButton>

// One key of the keyboard picture on the per-key and multizone pages. It shows either the
// default look or a colour, carries two flags for the multizone band, and passes every
// mouse event on to its page so that a drag can start on a key.
class KEYLIGHT_EXPORT LedKeyBtn : public QPushButton
{
    Q_OBJECT

public:
    explicit LedKeyBtn(QWidget* parent = nullptr);
    ~LedKeyBtn() override;

    void setKeyColor(const QColor& cor);
    const QColor& keyColor() const;
    void resetKey();

    bool isSelected() const;
    void setSelected(bool bSelected);
    bool isInZone() const;
    void setInZone(bool b);

    // The style sheet that setKeyColor gives a key of this colour.
    static QString colouredStyle(const QColor& cor);
    static QString defaultStyle();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // Whether the key shows, unchanged since it was given, the look of this colour (or the
    // default look for an invalid `look`).
    bool shows(bool bColoured, const QColor& look) const;
    void applyStyle(const QString& style, bool bColoured);

    QColor m_cor; // invalid: reads as black at alpha 255
    bool m_bSelected = false;
    bool m_bInZone = false;
    // The sheet this key last gave itself and what it shows: a drag asks every key for its
    // look at every repaint, and building the sheet anew costs more than the whole test.
    QString m_appliedStyle;
    bool m_bColouredLook = false;
};
