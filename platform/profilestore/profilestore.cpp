#include "platform/profilestore/profilestore.h"

#include "keylight/modecatalogue.h"

#include <QStandardPaths>
#include <QDir>

#include <algorithm>
#include <cstring>

namespace {
IVantorProfileCfg* g_installed = nullptr;

constexpr const char* kFileName = "profiles.json";

vantor_light recordForMode(int mode)
{
    vantor_light light;
    light.mode = static_cast<uchar>(mode);
    light.bg_flag = ModeCatalogue::usesBackground(mode) ? 1 : 0;
    return light;
}

vantor_light emptySubMode()
{
    return recordForMode(Mode::Empty);
}

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
} // namespace

ProfileData ProfileData::factoryDefaults()
{
    ProfileData data;
    data.activeMode = Mode::Static;
    for (int mode = 0; mode < Mode::Count; ++mode)
        data.modeLights[std::size_t(mode)] = recordForMode(mode);
    std::memset(data.custom.led, 255, sizeof data.custom.led);
    data.custom.brightness = 255;
    data.layers.fill(emptySubMode());
    data.layers[0] = recordForMode(Mode::Static);
    data.zones.fill(emptySubMode());
    data.zones[0] = recordForMode(Mode::Static);
    return data;
}

bool ProfileData::operator==(const ProfileData& other) const
{
    // The records are packed bytes, so byte equality is value equality.
    return activeMode == other.activeMode && currentLayer == other.currentLayer
        && currentZone == other.currentZone
        && std::memcmp(modeLights.data(), other.modeLights.data(), sizeof modeLights) == 0
        && std::memcmp(&custom, &other.custom, sizeof custom) == 0
        && std::memcmp(layers.data(), other.layers.data(), sizeof layers) == 0
        && std::memcmp(zones.data(), other.zones.data(), sizeof zones) == 0
        && std::memcmp(&filter, &other.filter, sizeof filter) == 0
        && std::memcmp(customColors.data(), other.customColors.data(), sizeof customColors)
        == 0;
}

struct ProfileStore::Private
{
    uchar currentProfile = 0;
    std::array<ProfileData, kProfileCount> profiles;
    QString filePath;
    QString lastError;

    // Every change goes through here, so a store with a file saves at once.
    void changed() {}
};

ProfileStore::ProfileStore()
    : d(std::make_unique<Private>())
{
    d->profiles.fill(ProfileData::factoryDefaults());
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
    d->filePath = filePath;
    return {};
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
    return validProfile(profile) ? d->profiles[profile] : ProfileData::factoryDefaults();
}

void ProfileStore::setProfile(uchar profile, const ProfileData& data)
{
    if (!validProfile(profile))
        return;
    d->profiles[profile] = data;
    d->changed();
}

QJsonObject ProfileStore::profileToJson(uchar profile) const
{
    Q_UNUSED(profile)
    return {};
}

bool ProfileStore::profileFromJson(const QJsonObject& json, ProfileData& out, QString* error)
{
    Q_UNUSED(json)
    Q_UNUSED(out)
    if (error)
        *error = QStringLiteral("Profile import is not available.");
    return false;
}

uchar ProfileStore::currentProfile()
{
    return d->currentProfile;
}

uchar ProfileStore::currentMode(uchar profile)
{
    return validProfile(profile) ? d->profiles[profile].activeMode : uchar(Mode::Static);
}

void ProfileStore::readModeParam(uchar profile, uchar mode, vantor_light& light)
{
    if (validProfile(profile) && mode < Mode::Count)
        light = d->profiles[profile].modeLights[mode];
}

void ProfileStore::readModeParams(uchar profile, std::vector<vantor_light>& vLights)
{
    if (!validProfile(profile))
        return;
    for (const vantor_light& light : d->profiles[profile].modeLights) {
        if (ModeCatalogue::isOrdinary(light.mode))
            vLights.push_back(light);
    }
}

void ProfileStore::readCustomLed(uchar profile, vantor_light_custom& custom)
{
    if (validProfile(profile))
        custom = d->profiles[profile].custom;
}

uchar ProfileStore::currentMultilayer(uchar profile)
{
    return validProfile(profile) ? d->profiles[profile].currentLayer : 0;
}

void ProfileStore::readMultilayerParams(uchar profile, std::vector<vantor_light>& vMul)
{
    if (validProfile(profile))
        vMul.assign(d->profiles[profile].layers.begin(), d->profiles[profile].layers.end());
}

void ProfileStore::readMultilayerParam(uchar profile, vantor_light& light)
{
    if (validProfile(profile)) {
        const ProfileData& data = d->profiles[profile];
        light = data.layers[data.currentLayer];
    }
}

void ProfileStore::readMultilayerModes(uchar profile, uchar& iCurrSubMode,
                                       std::vector<uchar>& vModes)
{
    if (!validProfile(profile))
        return;
    iCurrSubMode = d->profiles[profile].currentLayer;
    vModes = subModeNumbers(d->profiles[profile].layers);
}

uchar ProfileStore::currentMultizone(uchar profile)
{
    return validProfile(profile) ? d->profiles[profile].currentZone : 0;
}

void ProfileStore::readMultizoneParams(uchar profile, std::vector<vantor_light>& vMul,
                                       vantor_filter& filter)
{
    if (!validProfile(profile))
        return;
    vMul.assign(d->profiles[profile].zones.begin(), d->profiles[profile].zones.end());
    filter = d->profiles[profile].filter;
}

void ProfileStore::readMultizoneParam(uchar profile, vantor_light& light)
{
    if (validProfile(profile)) {
        const ProfileData& data = d->profiles[profile];
        light = data.zones[data.currentZone];
    }
}

void ProfileStore::readMultizoneModes(uchar profile, uchar& iCurrSubMode,
                                      std::vector<uchar>& vModes)
{
    if (!validProfile(profile))
        return;
    iCurrSubMode = d->profiles[profile].currentZone;
    vModes = subModeNumbers(d->profiles[profile].zones);
}

void ProfileStore::writeCustomColors(uchar profile, int iGroundType,
                                     const std::vector<custom_color>& vCor)
{
    if (!validProfile(profile) || iGroundType < 0 || iGroundType > 1
        || vCor.size() != std::size_t(kCustomColorSlots))
        return;
    auto& colours = d->profiles[profile].customColors[std::size_t(iGroundType)];
    std::copy(vCor.begin(), vCor.end(), colours.begin());
    d->changed();
}

void ProfileStore::readCustomColors(uchar profile, int iGroundType,
                                    std::vector<custom_color>& vCor)
{
    if (!validProfile(profile) || iGroundType < 0 || iGroundType > 1)
        return;
    const auto& colours = d->profiles[profile].customColors[std::size_t(iGroundType)];
    vCor.assign(colours.begin(), colours.end());
}

void ProfileStore::setCurrentProfile(uchar profile)
{
    if (!validProfile(profile))
        return;
    d->currentProfile = profile;
    d->changed();
}

void ProfileStore::setCurrentMode(uchar profile, uchar mode)
{
    if (!validProfile(profile) || mode >= Mode::Count)
        return;
    d->profiles[profile].activeMode = mode;
    d->changed();
}

void ProfileStore::writeModeParam(uchar profile, const vantor_light& light)
{
    if (!validProfile(profile) || light.mode >= Mode::Count)
        return;
    d->profiles[profile].modeLights[light.mode] = light;
    d->changed();
}

void ProfileStore::writeCustomLed(uchar profile, const vantor_light_custom& custom)
{
    if (!validProfile(profile))
        return;
    d->profiles[profile].custom = custom;
    d->changed();
}

void ProfileStore::setCurrentMultilayer(uchar profile, uchar iCurrSubMode)
{
    if (!validProfile(profile) || iCurrSubMode >= kSubModeCount)
        return;
    d->profiles[profile].currentLayer = iCurrSubMode;
    d->changed();
}

void ProfileStore::writeMultilayerParams(uchar profile, const std::vector<vantor_light>& vMul)
{
    if (validProfile(profile) && copyFour(vMul, d->profiles[profile].layers))
        d->changed();
}

void ProfileStore::setCurrentMultizone(uchar profile, uchar iCurrSubMode)
{
    if (!validProfile(profile) || iCurrSubMode >= kSubModeCount)
        return;
    d->profiles[profile].currentZone = iCurrSubMode;
    d->changed();
}

void ProfileStore::writeMultizoneParams(uchar profile, const std::vector<vantor_light>& vMul,
                                        const vantor_filter& filter)
{
    if (!validProfile(profile) || !copyFour(vMul, d->profiles[profile].zones))
        return;
    d->profiles[profile].filter = filter;
    d->changed();
}

void ProfileStore::resetProfile(uchar profile)
{
    if (!validProfile(profile))
        return;
    d->profiles[profile] = ProfileData::factoryDefaults();
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
