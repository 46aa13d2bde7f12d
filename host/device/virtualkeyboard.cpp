// SPDX-License-Identifier: MIT
#include "host/device/virtualkeyboard.h"

#include <algorithm>

namespace {
// Longer than the slowest reactive effect lasts, so no fading light is cut short.
constexpr qint64 kPressMemoryMs = 10000;
// Enough for fast typing over that time; the oldest presses go first.
constexpr std::size_t kPressLimit = 64;
} // namespace

VirtualKeyboard::VirtualKeyboard(QObject* parent)
    : QObject(parent)
    , m_layout(KeyLayout::fromForm())
{
    m_clock.start();
}

VirtualKeyboard::~VirtualKeyboard() = default;

void VirtualKeyboard::send(int code, const QByteArray& packet)
{
    const LightingState before = m_state.lighting();
    if (!m_state.receive(code, packet)) {
        emit sigRequestRejected(code, m_state.lastError());
        return;
    }
    if (code == Request::Apply) {
        emit sigApplied(m_state.profile());
        return;
    }
    lightingReplaced(before);
}

void VirtualKeyboard::selectProfile(uchar profile)
{
    const LightingState before = m_state.lighting();
    if (!m_state.selectProfile(profile)) {
        emit sigRequestRejected(0, m_state.lastError());
        return;
    }
    lightingReplaced(before);
}

void VirtualKeyboard::setLightsOn(bool on)
{
    if (on == m_lightsOn)
        return;
    m_lightsOn = on;
    emit sigLightingChanged();
}

std::optional<LightingState> VirtualKeyboard::onboardProfile(uchar profile) const
{
    return m_state.onboardProfile(profile);
}

void VirtualKeyboard::restoreOnboardMemory(const DeviceState::OnboardMemory& memory)
{
    const LightingState before = m_state.lighting();
    m_state.restoreOnboardMemory(memory);
    lightingReplaced(before);
}

qint64 VirtualKeyboard::clockMs() const
{
    return m_clock.elapsed();
}

void VirtualKeyboard::pressKey(int led, qint64 atMs)
{
    const int index = m_layout.indexOfLed(led);
    if (index < 0)
        return;
    forgetOldPresses(atMs);
    if (m_presses.size() >= kPressLimit)
        m_presses.erase(m_presses.begin());
    const KeyGeometry& key = m_layout.keys()[std::size_t(index)];
    m_presses.push_back({atMs, key.x, key.y, led});
}

void VirtualKeyboard::pressKey(int led)
{
    pressKey(led, clockMs());
}

void VirtualKeyboard::frameAt(qint64 atMs, LedFrame& frame) const
{
    if (!m_lightsOn) {
        frame.fill(qRgb(0, 0, 0));
        return;
    }
    // The effects count time from their start; presses move onto the same clock.
    std::vector<KeyPress> presses = m_presses;
    for (KeyPress& press : presses)
        press.timeMs -= m_effectStartMs;
    const EffectInput in{atMs - m_effectStartMs, &presses};
    EffectEngine::render(m_state.lighting(), m_layout, in, frame);
}

bool VirtualKeyboard::changesAfter(qint64 atMs) const
{
    // Dark keys stay dark: nothing needs drawing until the lights come on again.
    if (!m_lightsOn)
        return false;
    switch (EffectEngine::motion(m_state.lighting())) {
    case Motion::Moving:
        return true;
    case Motion::Reactive:
        return !m_presses.empty() && atMs - m_presses.back().timeMs <= kPressMemoryMs;
    case Motion::Still:
        break;
    }
    return false;
}

bool VirtualKeyboard::answersPresses() const
{
    return EffectEngine::motion(m_state.lighting()) == Motion::Reactive;
}

void VirtualKeyboard::lightingReplaced(const LightingState& before)
{
    const LightingState& now = m_state.lighting();
    if (now == before)
        return;
    // A new effect starts from its beginning; a new colour or speed keeps the rhythm.
    if (now.mode != before.mode)
        m_effectStartMs = clockMs();
    emit sigLightingChanged();
}

void VirtualKeyboard::forgetOldPresses(qint64 nowMs)
{
    const auto recent = std::find_if(m_presses.begin(), m_presses.end(),
                                     [nowMs](const KeyPress& press) {
                                         return nowMs - press.timeMs <= kPressMemoryMs;
                                     });
    m_presses.erase(m_presses.begin(), recent);
}
