// SPDX-License-Identifier: MIT
#pragma once

// The store's messages reach people in the host's window and on its command line, so they
// are translated. They share one context, whichever part of the store words them.

#include <QCoreApplication>

class StoreText
{
    Q_DECLARE_TR_FUNCTIONS(ProfileStore)
};
