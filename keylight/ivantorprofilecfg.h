// SPDX-License-Identifier: MIT
#pragma once

// The profile store: where the lighting of every profile is kept. The page reaches it
// only through Instance(); a host or a test may install its own store with setInstance.

#include "keylight/vantor_types.h"
#include "vantor_profile_export.h"

#include <vector>

class VANTOR_PROFILE_EXPORT IVantorProfileCfg
{
public:
    // The installed store, or the built-in one when none is installed.
    static IVantorProfileCfg& Instance();
    // Installs a store that the caller keeps alive; nullptr goes back to the built-in one.
    static void setInstance(IVantorProfileCfg* pCfg);

    virtual ~IVantorProfileCfg();

    virtual uchar currentProfile() = 0;
    virtual uchar currentMode(uchar profile) = 0;
    virtual void readModeParam(uchar profile, uchar mode, vantor_light& light) = 0;
    virtual void readModeParams(uchar profile, std::vector<vantor_light>& vLights) = 0;
    virtual void readCustomLed(uchar profile, vantor_light_custom& custom) = 0;
    virtual uchar currentMultilayer(uchar profile) = 0;
    virtual void readMultilayerParams(uchar profile, std::vector<vantor_light>& vMul) = 0;
    virtual void readMultilayerParam(uchar profile, vantor_light& light) = 0;
    virtual void readMultilayerModes(uchar profile, uchar& iCurrSubMode,
                                     std::vector<uchar>& vModes) = 0;
    virtual uchar currentMultizone(uchar profile) = 0;
    virtual void readMultizoneParams(uchar profile, std::vector<vantor_light>& vMul,
                                     vantor_filter& filter) = 0;
    virtual void readMultizoneParam(uchar profile, vantor_light& light) = 0;
    virtual void readMultizoneModes(uchar profile, uchar& iCurrSubMode,
                                    std::vector<uchar>& vModes) = 0;
    virtual void writeCustomColors(uchar profile, int iGroundType,
                                   const std::vector<custom_color>& vCor) = 0;
    virtual void readCustomColors(uchar profile, int iGroundType,
                                  std::vector<custom_color>& vCor) = 0;

    // Writers used by the host application.
    virtual void setCurrentProfile(uchar profile) = 0;
    virtual void setCurrentMode(uchar profile, uchar mode) = 0;
    virtual void writeModeParam(uchar profile, const vantor_light& light) = 0;
    virtual void writeCustomLed(uchar profile, const vantor_light_custom& custom) = 0;
    virtual void setCurrentMultilayer(uchar profile, uchar iCurrSubMode) = 0;
    virtual void writeMultilayerParams(uchar profile, const std::vector<vantor_light>& vMul) = 0;
    virtual void setCurrentMultizone(uchar profile, uchar iCurrSubMode) = 0;
    virtual void writeMultizoneParams(uchar profile, const std::vector<vantor_light>& vMul,
                                      const vantor_filter& filter) = 0;
    virtual void resetProfile(uchar profile) = 0;
};
