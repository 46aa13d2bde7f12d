// SPDX-License-Identifier: MIT
#pragma once

// Writes what a device request asks for into the profile store, so the store always
// holds what the keyboard was last told.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class IVantorProfileCfg;

class RequestApplier
{
public:
    struct Outcome
    {
        bool applied = false; // the store was written
        QString error;        // one sentence when the request could not be applied
    };

    explicit RequestApplier(IVantorProfileCfg& store);

    // Decodes `packet` and writes it to `profile`. Each lighting request also makes its
    // mode the profile's active mode; APPLY (39) leaves the store alone.
    Outcome apply(uchar profile, int code, const QByteArray& packet);

private:
    IVantorProfileCfg& m_store;
};
