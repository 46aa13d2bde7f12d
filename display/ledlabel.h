// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QPixmap>

// A label cut to the shape of a key picture and filled with a colour at reduced opacity,
// so that the keyboard picture beneath it looks lit.
class LedLabel : public QLabel
{
    Q_OBJECT

public:
    // The outline label uses this level; its tint never drops below a faint glow.
    static constexpr int kOutlineLevel = 255;

    LedLabel(const QString& pixPath, int iLevel, QWidget* parent);
    ~LedLabel() override;

    void setColor(const QColor& cor);
    void resizeMask(const QSize& size);

private:
    QPixmap m_pix;
    int m_iLevel;
    QString m_pixPath; // names the picture in the cache of scaled masks
};
