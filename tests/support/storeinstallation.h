// SPDX-License-Identifier: MIT
#pragma once

#include "keylight/ivantorprofilecfg.h"

// Installs a store as the one the page reads for as long as this object lives, so a check
// that fails and leaves the test early leaves no dangling store behind.
class StoreInstallation
{
public:
    explicit StoreInstallation(IVantorProfileCfg& s) { IVantorProfileCfg::setInstance(&s); }
    ~StoreInstallation() { IVantorProfileCfg::setInstance(nullptr); }
    StoreInstallation(const StoreInstallation&) = delete;
    StoreInstallation& operator=(const StoreInstallation&) = delete;
};
