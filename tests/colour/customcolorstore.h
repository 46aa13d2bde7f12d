#pragma once

// An in-memory profile store for the colour tests: its current profile can be any byte,
// 25 and above included, and it remembers every custom colour list written to it.

#include "platform/profilestore/profilestore.h"

#include <vector>

class CustomColorStore : public ProfileStore
{
public:
    struct Write
    {
        uchar profile = 0;
        int ground = 0;
        std::vector<custom_color> colours;
    };

    CustomColorStore() { IVantorProfileCfg::setInstance(this); }
    ~CustomColorStore() override { IVantorProfileCfg::setInstance(nullptr); }

    uchar currentProfile() override { return profile; }
    void writeCustomColors(uchar iProfile, int iGroundType,
                           const std::vector<custom_color>& vCor) override
    {
        writes.push_back({iProfile, iGroundType, vCor});
        ProfileStore::writeCustomColors(iProfile, iGroundType, vCor);
    }

    uchar profile = 0;
    std::vector<Write> writes;
};
