// SPDX-License-Identifier: MIT
#pragma once

// The profile file: all profiles of the store as one readable JSON document, and one
// profile alone for export and import. docs/profile-store.md describes the format.

#include "platform/profilestore/profiledata.h"
#include "vantor_profile_export.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace ProfileFile {

// Raised whenever a change makes older readers misread a file; they refuse newer files
// instead of guessing. Format 3 gives each profile a name; format 2 named custom keys by
// their key-table name; format 1 numbered them. Files of formats 1 and 2 are still read.
constexpr int kFormatVersion = 3;

// What one file holds.
struct VANTOR_PROFILE_EXPORT Contents
{
    uchar currentProfile = 0;
    std::array<ProfileData, kProfileCount> profiles;
    // The format the contents were read from; what is written is always kFormatVersion.
    int formatVersion = kFormatVersion;

    static Contents factoryDefaults();
};

VANTOR_PROFILE_EXPORT QByteArray toJson(const Contents& contents);

// Writes the same text as toJson(), but keeps the text of each profile and writes anew only
// the profiles that changed since its last call: a change seldom touches more than one of
// the 25, and saving often stays cheap.
class VANTOR_PROFILE_EXPORT FileWriter
{
public:
    QByteArray toJson(const Contents& contents);

private:
    std::array<std::optional<ProfileData>, kProfileCount> m_written;
    std::array<QByteArray, kProfileCount> m_text;
};

// A profile of a file that could not be read, and why, as a phrase that completes
// "because ...", e.g. "profiles[3].modes[5].speed is 300, outside 1 to 5".
struct ProfileFault
{
    int profile;
    QString reason;
};

// Reads a whole file profile by profile. Returns false, with *reason, when the file as a
// whole cannot be used (not JSON, a newer format, no list of 25 profiles...); `out` is then
// untouched. Otherwise `out` holds every profile that was whole and valid, the factory
// settings for each one that was not, and `faults` says which those were.
VANTOR_PROFILE_EXPORT bool readKeepingGood(const QByteArray& bytes, Contents& out,
                                           std::vector<ProfileFault>& faults,
                                           QString* reason = nullptr);
// The same for a document already parsed, given its root object.
VANTOR_PROFILE_EXPORT bool readKeepingGood(const QJsonObject& root, Contents& out,
                                           std::vector<ProfileFault>& faults,
                                           QString* reason = nullptr);
// Reads a whole file that must be valid throughout. On failure `out` is untouched and
// *reason (when given) says what is wrong, as above.
VANTOR_PROFILE_EXPORT bool fromJson(const QByteArray& bytes, Contents& out,
                                    QString* reason = nullptr);

// One profile with the format version, as an export file holds it: as an object, and as
// the text of the file with the custom keys in keyboard order.
VANTOR_PROFILE_EXPORT QJsonObject profileToJson(const ProfileData& data, int number);
VANTOR_PROFILE_EXPORT QByteArray profileToText(const ProfileData& data, int number);
VANTOR_PROFILE_EXPORT bool profileFromJson(const QJsonObject& json, ProfileData& out,
                                           QString* reason = nullptr);

} // namespace ProfileFile
