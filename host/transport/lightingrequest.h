// SPDX-License-Identifier: MIT
#pragma once

// What the keyboard and the host's store both do with a request from the page: read the
// packet back into records, check it, and hand the records to whoever keeps them.

#include "keylight/vantor_types.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Keeps the lighting that requests deliver.
class LightingTarget
{
public:
    virtual ~LightingTarget() = default;

    virtual void resetLighting() = 0;
    virtual void takeModeParam(const vantor_light& light) = 0;
    virtual void takeCustomLed(const vantor_light_custom& custom) = 0;
    virtual void takeLayers(const std::vector<vantor_light>& layers) = 0;
    virtual void takeZones(const std::vector<vantor_light>& zones,
                           const vantor_filter& filter) = 0;
    // After the records of a lighting request: the mode that request makes active.
    virtual void setActiveMode(int mode) = 0;
};

namespace LightingRequest {

// Decodes `packet` as request `code` (RESET or a lighting request) and hands it to
// `target`. Returns false, with one sentence in *error and nothing handed over, for a
// packet that does not decode, a packet of another request, a mode outside the
// catalogue, or a code that is neither.
bool apply(int code, const QByteArray& packet, LightingTarget& target, QString* error);

} // namespace LightingRequest
