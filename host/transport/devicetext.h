// SPDX-License-Identifier: MIT
#pragma once

// The virtual keyboard's answers reach people in the host's window and request log, so
// they are translated, in one context for the whole device.

#include <QCoreApplication>

class DeviceText
{
    Q_DECLARE_TR_FUNCTIONS(VirtualKeyboard)
};
