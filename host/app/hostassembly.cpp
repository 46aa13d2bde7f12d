// SPDX-License-Identifier: MIT
#include "host/app/hostassembly.h"

#include "platform/profilestore/profilestore.h"

HostAssembly::HostAssembly(ProfileStore& store, DeviceTransport* device)
    : m_store(store)
    , m_logTransport(m_log)
    , m_session(store, m_transports)
{
    // The page reads and writes through IVantorProfileCfg::Instance(): it must meet the
    // store that the session writes the requests into.
    IVantorProfileCfg::setInstance(&store);
    m_transports.add(device);
    m_transports.add(&m_logTransport);
}

HostAssembly::~HostAssembly()
{
    if (&IVantorProfileCfg::Instance() == &m_store)
        IVantorProfileCfg::setInstance(nullptr);
}

void HostAssembly::addDevice(DeviceTransport* device)
{
    m_transports.add(device);
}
