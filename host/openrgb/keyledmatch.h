// SPDX-License-Identifier: MIT
#pragma once

// Which of our keys each LED of a network device shows. Keys are found by the names
// lighting servers give key LEDs ("Key: Escape"), forgiving case, spacing and a few
// spellings of their own. An LED we have no key for (a logo, a side strip, an extra key)
// shows the nearest key that was found, so the whole device lights as one picture.

#include <QStringList>
#include <QVector>

struct SdkController;

class KeyLedMatch
{
public:
    static KeyLedMatch build(const SdkController& controller);

    // For every LED of the device, our LED index whose colour it shows; -1 when the device
    // matched no key at all and so has nothing to show.
    const QVector<int>& sourceLeds() const { return m_sourceLeds; }
    // Device LEDs found by name.
    int matchedLeds() const { return m_matched; }
    // Device LEDs that borrow a neighbour's colour.
    int borrowedLeds() const { return m_sourceLeds.size() - m_matched; }
    // Names of our keys ("Key: F13" style) that the device has no LED for.
    const QStringList& missingKeys() const { return m_missing; }

    // The form a name is compared in: lower case, without "key:", spaces, dashes and
    // underscores, spellings of the same key folded into one.
    static QString normalized(const QString& ledName);

private:
    QVector<int> m_sourceLeds;
    int m_matched = 0;
    QStringList m_missing;
};
