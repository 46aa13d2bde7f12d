// SPDX-License-Identifier: MIT
#pragma once

// One profile in a JSON file of its own, written and read with the profile store's own
// format and checks, so an exported profile can be imported anywhere.

#include <QString>
#include <QtGlobal>

class ProfileStore;
struct ProfileData;

namespace ProfileTransfer {

// Writes the stored profile to `filePath` (the old file stays whole if writing fails).
bool exportProfile(const ProfileStore& store, uchar profile, const QString& filePath,
                   QString* error);

// Reads and checks a profile file; `out` is left alone unless the whole file is good.
bool importProfile(const QString& filePath, ProfileData& out, QString* error);

// What an import puts in place of `replaced`: the file's profile, with the file's name, or
// with the replaced profile's when the file gives none (an export of an older version).
ProfileData replacing(const ProfileData& replaced, const ProfileData& fromFile);

} // namespace ProfileTransfer
