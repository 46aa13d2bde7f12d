// SPDX-License-Identifier: MIT
#pragma once

#include "platform/profilestore/profilestore.h"

#include <QTemporaryDir>

// A new, empty store in a folder of its own that is removed with it. The folder is
// declared first so that it outlives the store, which keeps its lock file there.
struct ScratchStore
{
    QTemporaryDir folder;
    ProfileStore store;

    // True when the store file was created in the empty folder, as a first start does.
    bool open() { return store.open(folder.filePath(QStringLiteral("profiles.json"))).created; }
};
