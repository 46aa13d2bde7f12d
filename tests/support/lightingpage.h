// SPDX-License-Identifier: MIT
#pragma once

// The lighting page as the host shows it: at the host's size, with RESET and APPLY as high
// as the host's style makes them, reading its profiles from `store` and building its
// packets through a recording parser, with every request it sends logged.

#include "keylight/keylightwid.h"
#include "platform/profilestore/profilestore.h"
#include "support/pagehelpers.h"
#include "support/recordingparser.h"
#include "support/requestlog.h"
#include "support/storeinstallation.h"

template <typename Store = ProfileStore>
struct LightingPage
{
    LightingPage()
    {
        for (const char* text : {"RESET", "APPLY"})
            PageHelpers::buttonWithText(&page, QLatin1String(text))->setMinimumHeight(24);
        page.resize(1066, 670);
        page.show();
    }

    QWidget* find(const char* name) { return page.findChild<QWidget*>(QLatin1String(name)); }

    Store store;
    const StoreInstallation installation{store};
    RecordingParser parser;
    KeyLightWid page;
    RequestLog log{&page};
};
