// SPDX-License-Identifier: MIT
#pragma once

#include "display/bandselection.h"
#include "display/keymap.h"

#include <memory>

class QMouseEvent;
class QWidget;
namespace Ui {
class KeyboardUi;
}

// What the per-key and the multizone page share: the keyboard form built on the page, its
// keys by LED index, and the band with which a drag selects them. The page forwards its
// three mouse handlers and its paintEvent here and decides what a hit and a release mean.
class KeyboardPage
{
public:
    // Builds the form on `page`, which takes `formName` as object name unless it has one,
    // and gives the page a keyboard cursor; `name` and `help` are what assistive technology
    // and the tooltip say of the page.
    KeyboardPage(QWidget* page, const char* formName, const QString& name,
                 const QString& help);
    ~KeyboardPage();
    KeyboardPage(const KeyboardPage&) = delete;
    KeyboardPage& operator=(const KeyboardPage&) = delete;

    const KeyMap& keys() const { return m_keys; }
    const BandSelection& band() const { return m_band; }

    void press(const QMouseEvent& event) { m_band.press(event); }
    // Stretches the band and asks for the repaint that tests the keys under it.
    void move(const QMouseEvent& event);
    // True when the page should commit what its keys show (see BandSelection::release).
    bool release(const QMouseEvent& event) { return m_band.release(event); }

    // From the page's paintEvent: during a drag, draws the band and hands every key to
    // rule(led, key, bUnderBand) in ascending LED index.
    template <typename Rule>
    void paintBand(Rule rule)
    {
        if (m_band.isDragging())
            m_band.paint(m_page, m_keys, rule);
    }

private:
    QWidget* m_page;
    std::unique_ptr<Ui::KeyboardUi> m_form;
    KeyMap m_keys;
    BandSelection m_band;
};
