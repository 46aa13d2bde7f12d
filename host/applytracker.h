#pragma once

// Whether the keyboard's onboard memory holds each profile as the host shows it: any
// change since the last APPLY of that profile leaves it "not applied".

#include <QtGlobal>

#include <array>

constexpr int kShownProfileCount = 5; // the switcher offers profiles 1 to 5 (stored 0 to 4)

class ApplyTracker
{
public:
    bool isApplied(uchar profile) const;
    // Both return whether the state of `profile` changed.
    bool markChanged(uchar profile);
    bool markApplied(uchar profile);
    bool setApplied(uchar profile, bool applied);

private:
    // Until something changes, what the keyboard holds is taken to be what was stored.
    std::array<bool, kShownProfileCount> m_applied{true, true, true, true, true};
};
