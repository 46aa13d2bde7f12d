// Feeds arbitrary bytes to the profile file reader and to the profile import. Besides
// memory errors it stops on a refusal without a reason, and on anything accepted that
// does not come back unchanged after being written out and read again.

#include "platform/profilestore/profilefile.h"

#include <QJsonDocument>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {
void checkFile(const QByteArray& bytes)
{
    // Kept off the stack: the contents of a file are some tens of kilobytes.
    static const auto contents = std::make_unique<ProfileFile::Contents>();
    static const auto again = std::make_unique<ProfileFile::Contents>();
    QString reason;
    if (!ProfileFile::fromJson(bytes, *contents, &reason)) {
        if (reason.isEmpty())
            __builtin_trap();
        return;
    }
    if (!ProfileFile::fromJson(ProfileFile::toJson(*contents), *again, &reason)
        || again->currentProfile != contents->currentProfile)
        __builtin_trap();
    for (std::size_t p = 0; p < contents->profiles.size(); ++p) {
        if (again->profiles[p] != contents->profiles[p])
            __builtin_trap();
    }
}

void checkImport(const QByteArray& bytes)
{
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject())
        return;
    ProfileData profile;
    QString reason;
    if (!ProfileFile::profileFromJson(document.object(), profile, &reason)) {
        if (reason.isEmpty())
            __builtin_trap();
        return;
    }
    ProfileData again;
    if (!ProfileFile::profileFromJson(ProfileFile::profileToJson(profile, 0), again, &reason)
        || again != profile)
        __builtin_trap();
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
