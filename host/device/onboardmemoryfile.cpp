// SPDX-License-Identifier: MIT
#include "host/device/onboardmemoryfile.h"

#include "host/transport/devicetext.h"
#include "platform/profilestore/safefile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstring>

namespace OnboardMemoryFile {

namespace {
constexpr auto kFileName = "keyboard-memory.json";
// The memory of 25 profiles is a few kilobytes; anything much larger is not one of ours.
constexpr qint64 kMaxFileBytes = 1024 * 1024;

template <typename T>
QJsonValue hexOf(const T& record)
{
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(&record), int(sizeof(T))).toHex());
}

// Fills `record` from its hexadecimal bytes; false unless the text holds exactly its size.
template <typename T>
bool readHex(const QJsonObject& object, const char* key, T& record)
{
    const QByteArray text = object.value(QLatin1String(key)).toString().toLatin1();
    const QByteArray bytes = QByteArray::fromHex(text);
    if (bytes.size() != int(sizeof(T)) || bytes.toHex() != text.toLower())
        return false;
    std::memcpy(&record, bytes.constData(), sizeof(T));
    return true;
}

bool fail(QString* reason, const QString& message)
{
    if (reason)
        *reason = message;
    return false;
}
} // namespace

QString pathBeside(const QString& storeFilePath)
{
    return QFileInfo(storeFilePath).dir().filePath(QLatin1String(kFileName));
}

QByteArray toJson(const DeviceState::OnboardMemory& memory)
{
    QJsonArray profiles;
    for (std::size_t profile = 0; profile < memory.size(); ++profile) {
        if (!memory[profile])
            continue;
        const LightingState& state = *memory[profile];
        profiles.append(QJsonObject{{"profile", int(profile)},
                                    {"mode", state.mode},
                                    {"light", hexOf(state.light)},
                                    {"custom", hexOf(state.custom)},
                                    {"layers", hexOf(state.layers)},
                                    {"zones", hexOf(state.zones)},
                                    {"filter", hexOf(state.filter)}});
    }
    return QJsonDocument(QJsonObject{{"version", kFormatVersion}, {"profiles", profiles}})
        .toJson();
}

bool fromJson(const QByteArray& bytes, DeviceState::OnboardMemory& out, QString* reason)
{
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    if (root.value(QLatin1String("version")).toInt() != kFormatVersion)
        return fail(reason, DeviceText::tr("it is not a keyboard memory of format %1")
                                .arg(kFormatVersion));
    DeviceState::OnboardMemory memory;
    const QJsonArray profiles = root.value(QLatin1String("profiles")).toArray();
    for (int i = 0; i < profiles.size(); ++i) {
        const QJsonObject object = profiles.at(i).toObject();
        const int profile = object.value(QLatin1String("profile")).toInt(-1);
        const int mode = object.value(QLatin1String("mode")).toInt(-1);
        LightingState state;
        state.mode = uchar(mode);
        if (profile < 0 || profile >= kProfileCount || memory[std::size_t(profile)]
            || !ModeCatalogue::isKnown(mode) || !readHex(object, "light", state.light)
            || !readHex(object, "custom", state.custom)
            || !readHex(object, "layers", state.layers) || !readHex(object, "zones", state.zones)
            || !readHex(object, "filter", state.filter))
            return fail(reason, DeviceText::tr("its entry %1 is not a profile the keyboard "
                                               "could hold")
                                    .arg(i));
        memory[std::size_t(profile)] = state;
    }
    out = memory;
    return true;
}

bool load(const QString& filePath, DeviceState::OnboardMemory& out, QString* error)
{
    if (!QFileInfo::exists(filePath)) {
        out = DeviceState::OnboardMemory();
        return true;
    }
    QByteArray bytes;
    QString reason;
    if (SafeFile::read(filePath, bytes, reason, kMaxFileBytes) && fromJson(bytes, out, &reason))
        return true;
    return fail(error, DeviceText::tr("The keyboard memory \"%1\" could not be used because %2; "
                                      "the keyboard starts with an empty memory, which the next "
                                      "APPLY fills again.")
                           .arg(QDir::toNativeSeparators(filePath), reason));
}

bool save(const QString& filePath, const DeviceState::OnboardMemory& memory, QString* error)
{
    const QString problem = SafeFile::write(filePath, toJson(memory));
    if (problem.isEmpty())
        return true;
    return fail(error, DeviceText::tr("The keyboard memory could not be saved to \"%1\" (%2).")
                           .arg(QDir::toNativeSeparators(filePath), problem));
}

} // namespace OnboardMemoryFile
