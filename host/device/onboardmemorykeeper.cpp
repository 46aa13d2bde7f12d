// SPDX-License-Identifier: MIT
#include "host/device/onboardmemorykeeper.h"

#include "host/device/onboardmemoryfile.h"
#include "host/device/virtualkeyboard.h"

OnboardMemoryKeeper::OnboardMemoryKeeper(VirtualKeyboard& keyboard, const QString& filePath,
                                         bool writable, QObject* parent)
    : QObject(parent)
    , m_keyboard(keyboard)
    , m_filePath(filePath)
{
    DeviceState::OnboardMemory memory;
    if (OnboardMemoryFile::load(filePath, memory, &m_problem))
        keyboard.restoreOnboardMemory(memory);
    if (writable)
        connect(&keyboard, &VirtualKeyboard::sigApplied, this, &OnboardMemoryKeeper::save);
}

void OnboardMemoryKeeper::save()
{
    // A few kilobytes at most, and only on APPLY: written at once.
    m_problem.clear();
    if (!OnboardMemoryFile::save(m_filePath, m_keyboard.state().onboardMemory(), &m_problem))
        emit sigProblem(m_problem);
}
