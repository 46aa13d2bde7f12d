// SPDX-License-Identifier: MIT
#pragma once

// Reading the profile file into the store, and what happens when it is bad: a bad file is
// never overwritten but moved aside, its good profiles are kept and only the bad ones go
// back to the factory settings; a file that does not parse at all is replaced by the last
// good copy, or by the factory settings when that is bad too. Each outcome is told in one
// sentence.

#include "platform/profilestore/profilefile.h"
#include "platform/profilestore/profilestore.h"

class StoreSaver;

namespace StoreOpening {

// Reads the saver's file into `contents`; `writable` says whether the file may be changed.
ProfileStore::OpenResult load(StoreSaver& saver, ProfileFile::Contents& contents,
                              bool writable);

} // namespace StoreOpening
