// Feeds arbitrary bytes to the profile file reader and to the profile import. Besides
// memory errors it stops on a refusal without a reason, and on anything accepted (a file
// with its bad profiles repaired included) that does not come back unchanged after being
// written out and read again. Run without a leak check after every input
// (scripts/fuzz.sh), which would cost it most of its speed; the seeds stay small for the
// same reason.

#include "platform/profilestore/profilefile.h"

#include <QJsonDocument>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {
void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool sameContents(const ProfileFile::Contents& a, const ProfileFile::Contents& b)
{
    for (std::size_t p = 0; p < a.profiles.size(); ++p) {
        if (a.profiles[p] != b.profiles[p])
            return false;
    }
    return a.currentProfile == b.currentProfile;
}

void checkFile(const QByteArray& bytes)
{
    // Kept off the stack: the contents of a file are some tens of kilobytes.
    static const auto kept = std::make_unique<ProfileFile::Contents>();
    static const auto again = std::make_unique<ProfileFile::Contents>();
    std::vector<ProfileFile::ProfileFault> faults;
    QString reason;
    const bool usable = ProfileFile::readKeepingGood(bytes, *kept, faults, &reason);
    check(usable || !reason.isEmpty());
    for (const ProfileFile::ProfileFault& fault : faults)
        check(!fault.reason.isEmpty());
    if (!usable)
        return;
    // What was kept, repaired profiles included, is a valid file.
    check(ProfileFile::fromJson(ProfileFile::toJson(*kept), *again, &reason));
    check(sameContents(*kept, *again));
}

void checkImport(const QByteArray& bytes)
{
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject())
        return;
    ProfileData profile;
    QString reason;
    if (!ProfileFile::profileFromJson(document.object(), profile, &reason)) {
        check(!reason.isEmpty());
        return;
    }
    ProfileData again;
    check(ProfileFile::profileFromJson(ProfileFile::profileToJson(profile, 0), again, &reason));
    check(again == profile);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                     int(size));
    checkFile(bytes);
    checkImport(bytes);
    return 0;
}
