// SPDX-License-Identifier: MIT
#pragma once

// What a ProfileStore holds, shared by the files that implement it: its profiles, the
// saver that writes them, and the lock of the file.

#include "platform/profilestore/profilefile.h"
#include "platform/profilestore/profilestore.h"
#include "platform/profilestore/storesaver.h"

#include <QLockFile>

#include <memory>

struct ProfileStore::Private
{
    ProfileFile::Contents contents = ProfileFile::Contents::factoryDefaults();
    // Declared after the contents it saves, so it goes first.
    StoreSaver saver{contents};
    std::unique_ptr<QLockFile> lock;

    ProfileData& profile(uchar number) { return contents.profiles[number]; }
    // Makes the lock again when its file went away (the folder was removed and made again),
    // before anything is saved there. False, with the saver's last error set, when another
    // process holds it by now.
    bool keepLock();
    void changed() { saver.changed(); }
};

namespace StoreLimits {
inline bool validProfile(uchar profile)
{
    return profile < kProfileCount;
}
} // namespace StoreLimits
