#pragma once

// The profile file: all profiles of the store as one readable JSON document, and one
// profile alone for export and import. docs/profile-store.md describes the format.

#include "platform/profilestore/profiledata.h"
#include "vantor_profile_export.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <array>

namespace ProfileFile {

// Raised whenever a change makes older readers misread a file; they refuse newer files
// instead of guessing.
constexpr int kFormatVersion = 1;

// What one file holds.
struct VANTOR_PROFILE_EXPORT Contents
{
    uchar currentProfile = 0;
    std::array<ProfileData, kProfileCount> profiles;

    static Contents factoryDefaults();
};

VANTOR_PROFILE_EXPORT QByteArray toJson(const Contents& contents);

// Reads a whole file. On failure `out` is untouched and *reason (when given) says what
// is wrong as a phrase that completes "because ...", e.g.
// "profiles[3].modes[5].speed is 300, outside 0 to 255".
VANTOR_PROFILE_EXPORT bool fromJson(const QByteArray& bytes, Contents& out,
                                    QString* reason = nullptr);

// One profile with the format version, as an export file holds it.
VANTOR_PROFILE_EXPORT QJsonObject profileToJson(const ProfileData& data, int number);
VANTOR_PROFILE_EXPORT bool profileFromJson(const QJsonObject& json, ProfileData& out,
                                           QString* reason = nullptr);

// Readable text of one JSON object, in the layout of the profile file.
VANTOR_PROFILE_EXPORT QByteArray readableText(const QJsonObject& json);

} // namespace ProfileFile
