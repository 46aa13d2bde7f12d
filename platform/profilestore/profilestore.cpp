#include "platform/profilestore/profilestore.h"

#include "platform/profilestore/profilefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {
IVantorProfileCfg* g_installed = nullptr;

constexpr const char* kFileName = "profiles.json";
constexpr const char* kAsideStamp = "yyyyMMdd-HHmmss";

bool validProfile(uchar profile)
{
    return profile < kProfileCount;
}

std::vector<uchar> subModeNumbers(const std::array<vantor_light, kSubModeCount>& records)
{
    std::vector<uchar> modes;
    for (const vantor_light& record : records)
        modes.push_back(record.mode);
    return modes;
}

template <std::size_t N>
bool copyFour(const std::vector<vantor_light>& from, std::array<vantor_light, N>& to)
{
    if (from.size() != N)
        return false;
    std::copy(from.begin(), from.end(), to.begin());
    return true;
}

// A free name beside the file: profiles.json.bad-20261205-201500, then -2, -3... when
// several bad files are found within one second.
QString asidePath(const QString& filePath)
{
    const QString stem = QStringLiteral("%1.bad-%2").arg(
        filePath, QDateTime::currentDateTime().toString(QLatin1String(kAsideStamp)));
    QString candidate = stem;
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n)
        candidate = QStringLiteral("%1-%2").arg(stem).arg(n);
    return candidate;
}

// The file's bytes, or a phrase saying why they cannot be had.
bool readFile(const QString& filePath, QByteArray& bytes, QString& reason)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = QStringLiteral("it cannot be read (%1)").arg(file.errorString());
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        reason = QStringLiteral("it cannot be read (%1)").arg(file.errorString());
        return false;
    }
    return true;
}
} // namespace

struct ProfileStore::Private
{
    ProfileFile::Contents contents = ProfileFile::Contents::factoryDefaults();
    QString filePath;
    bool saving = false; // false while memory-only, or when the file could not be set aside
    QString lastError;

    ProfileData& profile(uchar number) { return contents.profiles[number]; }

    // Every change goes through here, so a store with a file saves at once.
    void changed()
    {
        if (saving)
            save();
    }

    // The whole file is written aside and renamed over the old one, so a crash or a full
    // disk leaves either the old file or the new one, never a mix.
    bool save()
    {
        QString problem;
        const QFileInfo info(filePath);
        if (!QDir().mkpath(info.absolutePath())) {
            problem = QStringLiteral("its folder cannot be created");
        } else {
            QSaveFile file(filePath);
            const QByteArray bytes = ProfileFile::toJson(contents);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()
                || !file.commit())
                problem = file.errorString();
        }
        lastError = problem.isEmpty()
            ? QString()
            : QStringLiteral("The profiles could not be saved to \"%1\" (%2); the file there "
                             "was left as it was.")
                  .arg(QDir::toNativeSeparators(filePath), problem);
        return problem.isEmpty();
    }
};

ProfileStore::ProfileStore()
    : d(std::make_unique<Private>())
{
}

ProfileStore::~ProfileStore() = default;

ProfileStore& ProfileStore::builtin()
{
    static ProfileStore store;
    return store;
}

QString ProfileStore::defaultFilePath()
{
    return fileNameInFolder(
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString ProfileStore::fileNameInFolder(const QString& folder)
{
    return QDir(folder).filePath(QLatin1String(kFileName));
}

ProfileStore::OpenResult ProfileStore::open(const QString& filePath)
{
    OpenResult result;
    d->filePath = filePath;
    d->saving = false;
    d->lastError.clear();
    d->contents = ProfileFile::Contents::factoryDefaults();
    const QString shownPath = QDir::toNativeSeparators(filePath);

    const QFileInfo info(filePath);
    if (!info.exists() && !info.isSymLink()) {
        d->saving = true;
        result.created = d->save();
        result.message = d->lastError;
        return result;
    }

    QByteArray bytes;
    QString reason;
    auto contents = std::make_unique<ProfileFile::Contents>();
    if (readFile(filePath, bytes, reason) && ProfileFile::fromJson(bytes, *contents, &reason)) {
        d->contents = *contents;
        d->saving = true;
        return result;
    }

    // Whatever is wrong with the file, it may still hold what the user wants back: it is
    // kept whole beside the new one instead of being overwritten.
    const QString aside = asidePath(filePath);
    if (!QDir().rename(filePath, aside)) {
        result.message = QStringLiteral("The profile file \"%1\" could not be used because %2, "
                                        "and it could not be moved aside either, so the factory "
                                        "settings are used and no change will be saved.")
                             .arg(shownPath, reason);
        d->lastError = result.message;
        return result;
    }
    result.replaced = true;
    result.movedAsidePath = aside;
    result.message = QStringLiteral("The profile file \"%1\" could not be used because %2; it "
                                    "was moved to \"%3\" and the factory settings are used "
                                    "instead.")
                         .arg(shownPath, reason, QDir::toNativeSeparators(aside));
    d->saving = true;
    d->save();
    return result;
}

QString ProfileStore::filePath() const
{
    return d->filePath;
}

QString ProfileStore::lastError() const
{
    return d->lastError;
}

ProfileData ProfileStore::profile(uchar profile) const
{
    return validProfile(profile) ? d->profile(profile) : ProfileData::factoryDefaults();
}

void ProfileStore::setProfile(uchar profile, const ProfileData& data)
{
    if (!validProfile(profile))
        return;
    const QString problem = data.problem();
    if (!problem.isEmpty()) {
        d->lastError = QStringLiteral("Profile %1 was not changed because %2.")
                           .arg(profile)
                           .arg(problem);
        return;
    }
    d->profile(profile) = data;
    d->changed();
}

QJsonObject ProfileStore::profileToJson(uchar profile) const
{
    if (!validProfile(profile))
        return {};
    return ProfileFile::profileToJson(d->profile(profile), profile);
}

bool ProfileStore::profileFromJson(const QJsonObject& json, ProfileData& out, QString* error)
{
    QString reason;
    if (ProfileFile::profileFromJson(json, out, &reason))
        return true;
    if (error)
        *error = QStringLiteral("The profile could not be imported because %1.").arg(reason);
    return false;
}

uchar ProfileStore::currentProfile()
{
    return d->contents.currentProfile;
}

uchar ProfileStore::currentMode(uchar profile)
{
    return validProfile(profile) ? d->profile(profile).activeMode : uchar(Mode::Static);
}

void ProfileStore::readModeParam(uchar profile, uchar mode, vantor_light& light)
{
    if (validProfile(profile) && mode < Mode::Count)
        light = d->profile(profile).modeLights[mode];
}

void ProfileStore::readModeParams(uchar profile, std::vector<vantor_light>& vLights)
{
    if (!validProfile(profile))
        return;
    for (const vantor_light& light : d->profile(profile).modeLights) {
        if (ModeCatalogue::isOrdinary(light.mode))
            vLights.push_back(light);
    }
}

void ProfileStore::readCustomLed(uchar profile, vantor_light_custom& custom)
{
    if (validProfile(profile))
        custom = d->profile(profile).custom;
}

uchar ProfileStore::currentMultilayer(uchar profile)
{
    return validProfile(profile) ? d->profile(profile).currentLayer : 0;
}

void ProfileStore::readMultilayerParams(uchar profile, std::vector<vantor_light>& vMul)
{
    if (validProfile(profile))
        vMul.assign(d->profile(profile).layers.begin(), d->profile(profile).layers.end());
}

void ProfileStore::readMultilayerParam(uchar profile, vantor_light& light)
{
    if (validProfile(profile)) {
        const ProfileData& data = d->profile(profile);
        light = data.layers[data.currentLayer];
    }
}

void ProfileStore::readMultilayerModes(uchar profile, uchar& iCurrSubMode,
                                       std::vector<uchar>& vModes)
{
    if (!validProfile(profile))
        return;
    iCurrSubMode = d->profile(profile).currentLayer;
    vModes = subModeNumbers(d->profile(profile).layers);
}

uchar ProfileStore::currentMultizone(uchar profile)
{
    return validProfile(profile) ? d->profile(profile).currentZone : 0;
}

void ProfileStore::readMultizoneParams(uchar profile, std::vector<vantor_light>& vMul,
                                       vantor_filter& filter)
{
    if (!validProfile(profile))
        return;
    vMul.assign(d->profile(profile).zones.begin(), d->profile(profile).zones.end());
    filter = d->profile(profile).filter;
}

void ProfileStore::readMultizoneParam(uchar profile, vantor_light& light)
{
    if (validProfile(profile)) {
        const ProfileData& data = d->profile(profile);
        light = data.zones[data.currentZone];
    }
}

void ProfileStore::readMultizoneModes(uchar profile, uchar& iCurrSubMode,
                                      std::vector<uchar>& vModes)
{
    if (!validProfile(profile))
        return;
    iCurrSubMode = d->profile(profile).currentZone;
    vModes = subModeNumbers(d->profile(profile).zones);
}

void ProfileStore::writeCustomColors(uchar profile, int iGroundType,
                                     const std::vector<custom_color>& vCor)
{
    if (!validProfile(profile) || iGroundType < 0 || iGroundType > 1
        || vCor.size() != std::size_t(kCustomColorSlots))
        return;
    auto& colours = d->profile(profile).customColors[std::size_t(iGroundType)];
    std::copy(vCor.begin(), vCor.end(), colours.begin());
    d->changed();
}

void ProfileStore::readCustomColors(uchar profile, int iGroundType,
                                    std::vector<custom_color>& vCor)
{
    if (!validProfile(profile) || iGroundType < 0 || iGroundType > 1)
        return;
    const auto& colours = d->profile(profile).customColors[std::size_t(iGroundType)];
    vCor.assign(colours.begin(), colours.end());
}

void ProfileStore::setCurrentProfile(uchar profile)
{
    if (!validProfile(profile))
        return;
    d->contents.currentProfile = profile;
    d->changed();
}

void ProfileStore::setCurrentMode(uchar profile, uchar mode)
{
    if (!validProfile(profile) || mode >= Mode::Count)
        return;
    d->profile(profile).activeMode = mode;
    d->changed();
}

void ProfileStore::writeModeParam(uchar profile, const vantor_light& light)
{
    if (!validProfile(profile) || light.mode >= Mode::Count)
        return;
    d->profile(profile).modeLights[light.mode] = light;
    d->changed();
}

void ProfileStore::writeCustomLed(uchar profile, const vantor_light_custom& custom)
{
    if (!validProfile(profile))
        return;
    d->profile(profile).custom = custom;
    d->changed();
}

void ProfileStore::setCurrentMultilayer(uchar profile, uchar iCurrSubMode)
{
    if (!validProfile(profile) || iCurrSubMode >= kSubModeCount)
        return;
    d->profile(profile).currentLayer = iCurrSubMode;
    d->changed();
}

void ProfileStore::writeMultilayerParams(uchar profile, const std::vector<vantor_light>& vMul)
{
    if (validProfile(profile) && copyFour(vMul, d->profile(profile).layers))
        d->changed();
}

void ProfileStore::setCurrentMultizone(uchar profile, uchar iCurrSubMode)
{
    if (!validProfile(profile) || iCurrSubMode >= kSubModeCount)
        return;
    d->profile(profile).currentZone = iCurrSubMode;
    d->changed();
}

void ProfileStore::writeMultizoneParams(uchar profile, const std::vector<vantor_light>& vMul,
                                        const vantor_filter& filter)
{
    if (!validProfile(profile) || !copyFour(vMul, d->profile(profile).zones))
        return;
    d->profile(profile).filter = filter;
    d->changed();
}

void ProfileStore::resetProfile(uchar profile)
{
    if (!validProfile(profile))
        return;
    d->profile(profile) = ProfileData::factoryDefaults();
    d->changed();
}

IVantorProfileCfg::~IVantorProfileCfg() = default;

IVantorProfileCfg& IVantorProfileCfg::Instance()
{
    return g_installed ? *g_installed : ProfileStore::builtin();
}

void IVantorProfileCfg::setInstance(IVantorProfileCfg* pCfg)
{
    g_installed = pCfg;
}
