// SPDX-License-Identifier: MIT
#include "host/device/keylayout.h"

#include "display/keymap.h"
#include "display/ledkeybtn.h"
#include "keylight/keytable.h"
#include "ui_keyboardwid.h"

#include <QLayout>
#include <QWidget>

#include <algorithm>
#include <utility>

KeyLayout KeyLayout::fromForm()
{
    QWidget form;
    Ui::KeyboardUi ui;
    ui.setupUi(&form);
    // Activating the layout places the keys without ever showing the form.
    form.layout()->activate();

    KeyLayout layout;
    const auto keys = keyMapOf(&form);
    for (const KeyInfo& info : KeyTable::kKeys) {
        const LedKeyBtn* key = keys.value(info.led);
        if (!key)
            continue;
        KeyGeometry geometry;
        geometry.led = info.led;
        geometry.rect = QRectF(key->geometry());
        geometry.label = QString::fromUtf8(info.legend);
        layout.m_keyArea = layout.m_keyArea.isNull() ? geometry.rect
                                                     : layout.m_keyArea.united(geometry.rect);
        layout.m_keys.push_back(geometry);
    }
    const QRectF area = layout.m_keyArea;
    for (KeyGeometry& key : layout.m_keys) {
        key.x = float((key.rect.center().x() - area.left()) / area.width());
        key.y = float((key.rect.center().y() - area.top()) / area.height());
    }
    return layout;
}

std::vector<std::pair<qreal, qreal>> KeyLayout::columnGaps() const
{
    std::vector<std::pair<qreal, qreal>> spans;
    for (const KeyGeometry& key : m_keys)
        spans.emplace_back(key.rect.left(), key.rect.right());
    std::sort(spans.begin(), spans.end());
    std::vector<std::pair<qreal, qreal>> gaps;
    qreal reach = m_keyArea.left();
    for (const auto& [left, right] : spans) {
        if (left > reach)
            gaps.emplace_back(reach, left);
        reach = std::max(reach, right);
    }
    return gaps;
}

qreal KeyLayout::tierGap() const
{
    return m_keys.empty() ? 0.0 : m_keys.front().rect.height() / 4;
}

KeyLayout KeyLayout::grownBy(qreal by) const
{
    KeyLayout grown = *this;
    for (KeyGeometry& key : grown.m_keys)
        key.rect.adjust(-by, -by, by, by);
    grown.refit();
    return grown;
}

void KeyLayout::refit()
{
    m_keyArea = QRectF();
    for (const KeyGeometry& key : m_keys)
        m_keyArea = m_keyArea.isNull() ? key.rect : m_keyArea.united(key.rect);
}

KeyLayout KeyLayout::wrapped() const
{
    // The first gap right of the middle parts the main block from the rest.
    qreal split = m_keyArea.right();
    for (const auto& [left, right] : columnGaps()) {
        if (left > m_keyArea.center().x()) {
            split = right;
            break;
        }
    }
    if (split >= m_keyArea.right())
        return *this;

    // The lower tier starts at the keyboard's left edge, just below the upper one.
    KeyLayout tiers = *this;
    const QPointF down(m_keyArea.left() - split, m_keyArea.height() + tierGap());
    for (KeyGeometry& key : tiers.m_keys) {
        if (key.rect.left() >= split)
            key.rect.translate(down);
    }
    tiers.refit();
    return tiers;
}

namespace {
struct Block
{
    qreal left;
    qreal right;
    qreal gapAfter; // to the next block, in the whole keyboard
};

using KeyRun = std::vector<KeyGeometry*>::const_iterator;

// The horizontal extent of the keys in [first, last), which is not empty.
std::pair<qreal, qreal> spanOf(KeyRun first, KeyRun last)
{
    qreal left = (*first)->rect.left();
    qreal right = (*first)->rect.right();
    for (KeyRun key = first; key != last; ++key) {
        left = std::min(left, (*key)->rect.left());
        right = std::max(right, (*key)->rect.right());
    }
    return {left, right};
}

// Moves the keys in [first, last) right by `dx` and down by `dy`.
void shift(KeyRun first, KeyRun last, qreal dx, qreal dy)
{
    for (KeyRun key = first; key != last; ++key)
        (*key)->rect.translate(dx, dy);
}
} // namespace

KeyLayout KeyLayout::inThreeTiers() const
{
    std::vector<Block> blocks;
    qreal left = m_keyArea.left();
    for (const auto& [gapLeft, gapRight] : columnGaps()) {
        blocks.push_back({left, gapLeft, gapRight - gapLeft});
        left = gapRight;
    }
    blocks.push_back({left, m_keyArea.right(), 0.0});
    const auto widest = std::max_element(blocks.begin(), blocks.end(),
                                         [](const Block& a, const Block& b) {
                                             return a.right - a.left < b.right - b.left;
                                         });
    const Block main = *widest;
    blocks.erase(widest);

    KeyLayout tiers = *this;
    const auto inBlock = [](const KeyGeometry& key, const Block& block) {
        return key.rect.left() >= block.left && key.rect.left() <= block.right;
    };
    std::vector<KeyGeometry*> mainKeys;
    for (KeyGeometry& key : tiers.m_keys) {
        if (inBlock(key, main))
            mainKeys.push_back(&key);
    }
    if (mainKeys.size() < 2)
        return *this;
    std::sort(mainKeys.begin(), mainKeys.end(), [](const KeyGeometry* a, const KeyGeometry* b) {
        return a->rect.center().x() < b->rect.center().x();
    });
    // Where the wider half is narrowest.
    const KeyRun first = mainKeys.cbegin();
    const KeyRun last = mainKeys.cend();
    KeyRun cut = first + 1;
    qreal bestWidth = m_keyArea.width();
    for (KeyRun candidate = first + 1; candidate != last; ++candidate) {
        const auto [leftA, rightA] = spanOf(first, candidate);
        const auto [leftB, rightB] = spanOf(candidate, last);
        const qreal wider = std::max(rightA - leftA, rightB - leftB);
        if (wider < bestWidth) {
            bestWidth = wider;
            cut = candidate;
        }
    }

    // Each tier starts at the keyboard's left edge, just below the one above.
    const qreal tierStep = m_keyArea.height() + tierGap();
    shift(first, cut, m_keyArea.left() - spanOf(first, cut).first, 0.0);
    shift(cut, last, m_keyArea.left() - spanOf(cut, last).first, tierStep);
    // The other blocks keep their order and the gaps that followed them.
    qreal cursor = m_keyArea.left();
    for (const Block& block : blocks) {
        std::vector<KeyGeometry*> keys;
        for (std::size_t i = 0; i < m_keys.size(); ++i) {
            if (inBlock(m_keys[i], block))
                keys.push_back(&tiers.m_keys[i]);
        }
        if (keys.empty())
            continue;
        shift(keys.cbegin(), keys.cend(), cursor - block.left, 2 * tierStep);
        cursor += block.right - block.left + block.gapAfter;
    }
    tiers.refit();
    return tiers;
}

int KeyLayout::keyAt(const QPointF& pos) const
{
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        if (m_keys[i].rect.contains(pos))
            return int(i);
    }
    return -1;
}

int KeyLayout::indexOfLed(int led) const
{
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        if (m_keys[i].led == led)
            return int(i);
    }
    return -1;
}
