// SPDX-License-Identifier: MIT
#pragma once

// The page's colour panel as the window reads and drives it: the colour and brightness of
// the ground on show, and typing into its own number boxes and moving its own slider, so
// that what the window adds goes through the panel exactly as a person's input does.

#include <QColor>

#include <functional>

class KeyLightWid;
class QObject;
class QSlider;
class QSpinBox;
class QWidget;

class ColourPanelView
{
public:
    explicit ColourPanelView(KeyLightWid* page);

    // The foreground or background page, whichever is on show; null while neither is.
    QWidget* shownGround() const;
    // Its colour from the R, G and B boxes; invalid while no ground is on show.
    QColor colour() const;
    // Its brightness slider, 0 to 255; -1 while no ground is on show.
    int brightness() const;

    // As typed into the R, G and B boxes; false when they do not take it (the effect has
    // no colour of its own).
    bool typeColour(const QColor& colour);
    bool setBrightness(int brightness);

    // Calls `changed` whenever the shown colour may have changed: after every request the
    // page sends (every change the user makes ends in one) and when the other ground is
    // chosen. A load of a profile sends nothing; its caller asks anew.
    void onChange(QObject* context, std::function<void()> changed) const;

private:
    QSpinBox* channel(QWidget* ground, int index) const;
    QSlider* slider(QWidget* ground) const;

    KeyLightWid* m_page;
    QWidget* m_grounds[2];
};
