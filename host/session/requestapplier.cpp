// SPDX-License-Identifier: MIT
#include "host/session/requestapplier.h"

#include "host/transport/lightingrequest.h"
#include "keylight/ivantorprofilecfg.h"

namespace {
// Writes a request's records into one profile of the store.
class StoredProfile : public LightingTarget
{
public:
    StoredProfile(IVantorProfileCfg& store, uchar profile)
        : m_store(store)
        , m_profile(profile)
    {
    }

    void resetLighting() override { m_store.resetProfile(m_profile); }
    void takeModeParam(const vantor_light& light) override
    {
        m_store.writeModeParam(m_profile, light);
    }
    void takeCustomLed(const vantor_light_custom& custom) override
    {
        m_store.writeCustomLed(m_profile, custom);
    }
    // The packets carry no layer or zone index: the store keeps the one it has.
    void takeLayers(const std::vector<vantor_light>& layers) override
    {
        m_store.writeMultilayerParams(m_profile, layers);
    }
    void takeZones(const std::vector<vantor_light>& zones, const vantor_filter& filter) override
    {
        m_store.writeMultizoneParams(m_profile, zones, filter);
    }
    void setActiveMode(int mode) override { m_store.setCurrentMode(m_profile, uchar(mode)); }

private:
    IVantorProfileCfg& m_store;
    uchar m_profile;
};
} // namespace

RequestApplier::RequestApplier(IVantorProfileCfg& store)
    : m_store(store)
{
}

RequestApplier::Outcome RequestApplier::apply(uchar profile, int code, const QByteArray& packet)
{
    Outcome outcome;
    if (code == Request::Apply)
        return outcome;
    StoredProfile target(m_store, profile);
    outcome.applied = LightingRequest::apply(code, packet, target, &outcome.error);
    return outcome;
}
