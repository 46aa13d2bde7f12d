// SPDX-License-Identifier: MIT
#pragma once

// The host's parts that outlive any window: the store the page reads, the session that
// turns requests into stored changes, the request log and the devices every request goes
// to. The launcher builds one and hands its parts to the window.

#include "host/requestlog/requestlogmodel.h"
#include "host/requestlog/requestlogtransport.h"
#include "host/session/hostsession.h"
#include "host/transport/transportfanout.h"

class ProfileStore;

class HostAssembly
{
public:
    // `device` is the keyboard, kept alive by the caller; without one the request log alone
    // stands in for it. `store` is installed as the profile store the page reads, for as
    // long as the assembly lives.
    explicit HostAssembly(ProfileStore& store, DeviceTransport* device = nullptr);
    ~HostAssembly();

    HostAssembly(const HostAssembly&) = delete;
    HostAssembly& operator=(const HostAssembly&) = delete;

    // A further device that receives every request from now on, kept alive by the caller.
    void addDevice(DeviceTransport* device);

    ProfileStore& store() { return m_store; }
    HostSession& session() { return m_session; }
    RequestLogModel& requestLog() { return m_log; }

private:
    ProfileStore& m_store;
    RequestLogModel m_log;
    RequestLogTransport m_logTransport;
    TransportFanout m_transports;
    HostSession m_session;
};
