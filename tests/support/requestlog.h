// SPDX-License-Identifier: MIT
#pragma once

// Records every sigSdkRequest of a page as the host would see it, copying the packet's
// code byte while the packet is still valid (inside the emission).

#include "keylight/keylightwid.h"

#include <QObject>

#include <vector>

class RequestLog : public QObject
{
public:
    struct Request
    {
        int code = 0;
        void* data = nullptr;
    };

    explicit RequestLog(KeyLightWid* page)
    {
        QObject::connect(page, &KeyLightWid::sigSdkRequest, this,
                         [this](int cmd, void* data) { requests.push_back({cmd, data}); });
    }

    std::vector<int> codes() const
    {
        std::vector<int> result;
        for (const Request& request : requests)
            result.push_back(request.code);
        return result;
    }

    std::vector<Request> requests;
};
