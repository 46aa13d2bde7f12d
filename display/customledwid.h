// SPDX-License-Identifier: MIT
#pragma once

#include "display/keyboardpage.h"
#include "keylight/vantor_types.h"

#include <QColor>
#include <QWidget>

// The preview page of the custom effect: the keyboard on which the user paints keys by
// dragging a band over them in the colour of the colour panel.
class CustomLedWid : public QWidget
{
    Q_OBJECT

public:
    explicit CustomLedWid(QWidget* parent = nullptr);
    ~CustomLedWid() override;

    // Shows a stored record; sends nothing.
    void setCustomLight(const vantor_light_custom& lc);
    const vantor_light_custom& customLight() const;
    // The colour for the next drag; its alpha is the brightness of every key.
    void setLedColor(const QColor& cor);

signals:
    void sigUpdateCustomLed(const vantor_light_custom& lc);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void refreshKeys();
    QColor storedColor(quint16 led) const;
    void commitKeys();

    KeyboardPage m_keyboard;
    vantor_light_custom m_customLed;
    QColor m_currColor;
};
