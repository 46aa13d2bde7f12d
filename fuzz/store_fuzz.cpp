// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the profile file reader and to the profile import. Besides
// memory errors it stops on a refusal without a reason, and on any profile accepted (from
// a whole file or an import) that does not come back unchanged after being written out
// and read again. scripts/fuzz.sh runs it without a leak check after every input, which
// would cost it most of its speed; for the same reason the seeds stay small and each input
// is parsed once for both readers.

#include "platform/profilestore/profilefile.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {
void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// What was accepted is written out and read back unchanged.
void checkRoundTrip(const ProfileData& profile, int number)
{
    ProfileData again;
    QString reason;
    check(ProfileFile::profileFromJson(ProfileFile::profileToJson(profile, number), again,
                                       &reason));
    check(again == profile);
}

void checkFile(const QJsonObject& root)
{
    // Kept off the stack: the contents of a file are some tens of kilobytes.
    static const auto kept = std::make_unique<ProfileFile::Contents>();
    std::vector<ProfileFile::ProfileFault> faults;
    QString reason;
    if (!ProfileFile::readKeepingGood(root, *kept, faults, &reason)) {
        check(!reason.isEmpty());
        return;
    }
    // A repaired profile holds the factory settings, which need no second look; the
    // profiles kept from the input each go round (a whole file of 25 would cost the
    // fuzzer most of its speed, and the store suite writes and reads whole files).
    std::size_t next = 0;
    for (int p = 0; p < kProfileCount; ++p) {
        const bool repaired = next < faults.size() && faults[next].profile == p;
        check(!repaired || !faults[next].reason.isEmpty());
        if (repaired)
            ++next;
        else
            checkRoundTrip(kept->profiles[std::size_t(p)], p);
    }
}

void checkImport(const QJsonObject& json)
{
    ProfileData profile;
    QString reason;
    if (ProfileFile::profileFromJson(json, profile, &reason))
        checkRoundTrip(profile, 0);
    else
        check(!reason.isEmpty());
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                     int(size));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        // Not a JSON object: the file reader must say why, and there is nothing to import.
        static const auto unused = std::make_unique<ProfileFile::Contents>();
        std::vector<ProfileFile::ProfileFault> faults;
        QString reason;
        check(!ProfileFile::readKeepingGood(bytes, *unused, faults, &reason)
              && !reason.isEmpty());
        return 0;
    }
    checkFile(document.object());
    checkImport(document.object());
    return 0;
}
