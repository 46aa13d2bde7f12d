// SPDX-License-Identifier: MIT
// The store seen through the page's interface: every read and write of a record forwards
// to the profile it belongs to, with the checks the interface leaves to the store. The
// page reaches the store through the one installed instance, or the built-in store.

#include "platform/profilestore/profilestore.h"

#include "platform/profilestore/profilestoreprivate.h"

#include <algorithm>

namespace {
IVantorProfileCfg* g_installed = nullptr;

using StoreLimits::validProfile;

std::vector<uchar> subModeNumbers(const std::array<vantor_light, kSubModeCount>& records)
{
    std::vector<uchar> modes;
    for (const vantor_light& record : records)
        modes.push_back(record.mode);
    return modes;
}

bool validRecords(const std::vector<vantor_light>& records)
{
    return std::all_of(records.begin(), records.end(), [](const vantor_light& light) {
        return RecordLimits::problem(light).isEmpty();
    });
}

template <std::size_t N>
bool copyFour(const std::vector<vantor_light>& from, std::array<vantor_light, N>& to)
{
    if (from.size() != N || !validRecords(from))
        return false;
    std::copy(from.begin(), from.end(), to.begin());
    return true;
}

} // namespace

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
    if (!validProfile(profile) || !RecordLimits::problem(light).isEmpty())
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
    // The lighting goes back to the factory settings; the name the user gave stays.
    const QString name = d->profile(profile).name;
    d->profile(profile) = ProfileData::factoryDefaults();
    d->profile(profile).name = name;
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
