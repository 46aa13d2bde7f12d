// SPDX-License-Identifier: MIT
#include "host/session/hostsession.h"

#include "host/transport/devicetransport.h"
#include "host/transport/packetbytes.h"
#include "keylight/modecatalogue.h"
#include "host/session/profilechangecommand.h"
#include "host/session/profilesender.h"
#include "platform/profilestore/profilestore.h"
#include "platform/protocol/vantorpacket.h"

#include <QCoreApplication>

namespace {
// Each entry holds two whole profiles (about 4 KB); a long session stays small.
constexpr int kUndoLimit = 500;
} // namespace

HostSession::HostSession(ProfileStore& store, DeviceTransport& device, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_device(device)
    , m_applier(store)
{
    m_undo.setUndoLimit(kUndoLimit);
    m_profile = store.currentProfile();
}

void HostSession::switchProfile(uchar profile)
{
    selectProfile(profile);
    emit sigReloadRequested(profile);
}

void HostSession::bringUpToDate(DeviceTransport& device) const
{
    device.selectProfile(m_profile);
    ProfileSender::send(m_store.profile(m_profile), device);
}

void HostSession::selectProfile(uchar profile)
{
    m_profile = profile;
    m_store.setCurrentProfile(profile);
    m_device.selectProfile(profile);
    // The keyboard brings up its onboard copy, which lacks any change not yet applied; it
    // must show what the page shows.
    ProfileSender::send(m_store.profile(profile), m_device);
    emit sigProfileSwitched(profile);
}

std::vector<uchar> HostSession::unappliedProfiles() const
{
    std::vector<uchar> profiles;
    for (int profile = 0; profile < kShownProfileCount; ++profile) {
        if (!m_tracker.isApplied(uchar(profile)))
            profiles.push_back(uchar(profile));
    }
    return profiles;
}

void HostSession::setAppliedCheck(AppliedCheck check)
{
    m_appliedCheck = std::move(check);
    refreshApplied();
}

void HostSession::refreshApplied()
{
    if (!m_appliedCheck)
        return;
    for (int profile = 0; profile < kShownProfileCount; ++profile) {
        const bool applied = m_appliedCheck(uchar(profile));
        if (m_tracker.setApplied(uchar(profile), applied))
            emit sigAppliedChanged(uchar(profile), applied);
    }
}

void HostSession::applyAll()
{
    const uchar shown = m_profile;
    for (uchar profile : unappliedProfiles()) {
        m_device.selectProfile(profile);
        ProfileSender::send(m_store.profile(profile), m_device);
        m_device.send(Request::Apply, QByteArray());
        if (m_tracker.markApplied(profile))
            emit sigAppliedChanged(profile, true);
    }
    selectProfile(shown);
}

void HostSession::storeReloaded()
{
    m_undo.clear();
    switchProfile(m_profile);
    refreshApplied();
    emit sigNamesChanged();
}

void HostSession::handleRequest(int cmd, void* data)
{
    const QByteArray packet = PacketBytes::copy(cmd, data);
    m_device.send(cmd, packet);

    if (cmd == Request::Apply) {
        markApplied();
        return;
    }

    const ProfileData before = m_store.profile(m_profile);
    const RequestApplier::Outcome outcome = m_applier.apply(m_profile, cmd, packet);
    if (!outcome.applied) {
        emit sigRequestRejected(cmd, outcome.error);
        return;
    }
    const bool changed = recordChange(VantorPacket::requestName(cmd), before);
    if (cmd == Request::Reset) {
        emit sigReloadRequested(m_profile);
        if (changed)
            emit sigProfileReset(m_profile);
    }
}

void HostSession::replaceProfile(const ProfileData& data, const QString& description)
{
    const ProfileData before = m_store.profile(m_profile);
    m_store.setProfile(m_profile, data);
    ProfileSender::send(data, m_device);
    recordChange(description, before);
    emit sigReloadRequested(m_profile);
}

void HostSession::setLightsOn(bool on)
{
    if (on == m_lightsOn)
        return;
    m_lightsOn = on;
    m_device.setLightsOn(on);
    emit sigLightsChanged(on);
}

void HostSession::setEffect(int mode)
{
    if (!ModeCatalogue::isKnown(mode))
        return;
    ProfileData data = m_store.profile(m_profile);
    data.activeMode = uchar(mode);
    // The undo step is named as the page names the effect.
    replaceProfile(data,
                   QCoreApplication::translate("LedModeUi", ModeCatalogue::info(mode).name));
}

bool HostSession::renameProfile(uchar profile, const QString& name, QString* problem)
{
    ProfileData data = m_store.profile(profile);
    const ProfileData before = data;
    // Blanks around a name are a slip of the keyboard; no name at all is the default one.
    data.name = name.trimmed();
    const QString refusal = ProfileData::nameProblem(data.name);
    if (!refusal.isEmpty()) {
        if (problem)
            *problem = refusal;
        return false;
    }
    m_store.setProfile(profile, data);
    // Only people read a name: the devices are not told, and the keyboard still holds what
    // APPLY gave it.
    recordChange(profile, tr("Rename"), before);
    return true;
}

bool HostSession::duplicateProfile(uchar to)
{
    if (to == m_profile)
        return false;
    const ProfileData before = m_store.profile(to);
    const ProfileData copied = m_store.profile(m_profile);
    m_store.setProfile(to, copied);
    if (m_store.profile(to) != copied)
        return false;
    recordChange(to, tr("Copy of profile %1").arg(m_profile + 1), before);
    return true;
}

int HostSession::currentEffect() const
{
    return m_store.currentMode(m_profile);
}

void HostSession::applyCurrent()
{
    m_device.send(Request::Apply, QByteArray());
    markApplied();
}

void HostSession::markApplied()
{
    if (m_tracker.markApplied(m_profile))
        emit sigAppliedChanged(m_profile, true);
}

void HostSession::sendToDevices(const ProfileData& data)
{
    ProfileSender::send(data, m_device);
}

void HostSession::storeWithoutUndo(const ProfileData& data)
{
    m_store.setProfile(m_profile, data);
    emit sigReloadRequested(m_profile);
}

void HostSession::recordChangeSince(const ProfileData& before, const QString& description)
{
    recordChange(description, before);
}

bool HostSession::recordChange(const QString& text, const ProfileData& before)
{
    return recordChange(m_profile, text, before);
}

bool HostSession::recordChange(uchar profile, const QString& text, const ProfileData& before)
{
    const ProfileData after = m_store.profile(profile);
    if (after == before)
        return false;
    markChanged(profile);
    const QString label = tr("%1 (profile %2)").arg(text).arg(profile + 1);
    m_undo.push(new ProfileChangeCommand(label, profile, before, after,
                                         [this](uchar profile, const ProfileData& data) {
                                             restore(profile, data);
                                         }));
    if (after.name != before.name)
        emit sigNamesChanged();
    return true;
}

void HostSession::restore(uchar profile, const ProfileData& data)
{
    const bool renamed = m_store.profile(profile).name != data.name;
    m_store.setProfile(profile, data);
    // Undo shows what it undoes: a change of another profile brings that profile up, which
    // sends its lighting too.
    if (profile != m_profile)
        selectProfile(profile);
    else
        ProfileSender::send(data, m_device);
    markChanged(profile);
    emit sigReloadRequested(profile);
    if (renamed)
        emit sigNamesChanged();
}

void HostSession::markChanged(uchar profile)
{
    // Where the keyboard can be asked, a change that brings a profile back to what the
    // keyboard holds (an undo, a RESET of a never-applied profile) leaves it applied.
    const bool applied = m_appliedCheck && m_appliedCheck(profile);
    if (m_tracker.setApplied(profile, applied))
        emit sigAppliedChanged(profile, applied);
}
