// SPDX-License-Identifier: MIT
#pragma once

// What the host does with the page's requests, independent of any window: forwards each
// to the keyboard, writes it into the profile store, keeps it undoable and tracks whether
// the keyboard's onboard memory holds the profile as shown.

#include "host/session/applytracker.h"
#include "host/session/requestapplier.h"

#include <QObject>
#include <QUndoStack>

#include <functional>
#include <vector>

class DeviceTransport;
class ProfileStore;
struct ProfileData;

class HostSession : public QObject
{
    Q_OBJECT

public:
    HostSession(ProfileStore& store, DeviceTransport& device, QObject* parent = nullptr);

    // Whether the keyboard's onboard memory holds a profile as stored; asked at start and
    // after the store was read again, when the session cannot know from its own requests.
    using AppliedCheck = std::function<bool(uchar profile)>;

    uchar currentProfile() const { return m_profile; }
    bool isApplied(uchar profile) const { return m_tracker.isApplied(profile); }
    // The shown profiles whose changes the keyboard does not hold yet.
    std::vector<uchar> unappliedProfiles() const;
    QUndoStack* undoStack() { return &m_undo; }

    void setAppliedCheck(AppliedCheck check);
    // Asks the check again for every shown profile.
    void refreshApplied();

    // Makes `profile` current in the store and at the keyboard, has the keyboard show its
    // stored lighting and the page show it.
    void switchProfile(uchar profile);
    // Tells a device that joins late (or forgot) what the page shows now.
    void bringUpToDate(DeviceTransport& device) const;
    // Sends and applies every profile the keyboard does not hold yet, then comes back to
    // the current one.
    void applyAll();
    // After the store was read again from disk: the old undo steps no longer describe it.
    void storeReloaded();
    // Replaces the current profile with `data` as one undoable change.
    void replaceProfile(const ProfileData& data, const QString& description);
    // A change that comes in many steps (a client streaming colours): each step goes to
    // the devices at once, the store and the page follow when the caller says so, and the
    // whole becomes one undo step at its end.
    void sendToDevices(const ProfileData& data);
    void storeWithoutUndo(const ProfileData& data);
    void recordChangeSince(const ProfileData& before, const QString& description);
    // Lights off darkens every device and changes nothing stored: requests go on into the
    // store and the devices' state, and lights on shows exactly what the page shows.
    bool lightsOn() const { return m_lightsOn; }
    void setLightsOn(bool on);
    // Makes `mode` the active effect of the current profile, as one undoable change, as if
    // the user had chosen it on the page.
    void setEffect(int mode);
    // Gives a profile (0 to 4) a name, as one undoable change; blanks around it go, and an
    // empty name brings back the default one. False, with *problem saying why, for a name
    // the store cannot keep (too long, a control character).
    bool renameProfile(uchar profile, const QString& name, QString* problem = nullptr);
    // Copies the current profile, name and all, over profile `to`, as one undoable change.
    bool duplicateProfile(uchar to);
    // The current profile's active effect (a mode number).
    int currentEffect() const;
    // APPLY for the current profile, as the page's button does: the keyboard keeps it.
    void applyCurrent();
    // A request from the page. `data` is valid only during this call.
    void handleRequest(int cmd, void* data);

signals:
    // The page must show this profile again (KeyLightWid::updateUi).
    void sigReloadRequested(uchar profile);
    void sigProfileSwitched(uchar profile);
    void sigAppliedChanged(uchar profile, bool applied);
    // A request reached the host but could not be written to the store.
    void sigRequestRejected(int cmd, const QString& reason);
    // RESET put the profile back to the factory settings; undo brings it back.
    void sigProfileReset(uchar profile);
    void sigLightsChanged(bool on);
    // One or more profiles' names may have changed: renamed, copied over, imported,
    // undone, or read again from the file.
    void sigNamesChanged();

private:
    void selectProfile(uchar profile);
    void restore(uchar profile, const ProfileData& data);
    // Returns whether there was a change to record.
    bool recordChange(const QString& text, const ProfileData& before);
    bool recordChange(uchar profile, const QString& text, const ProfileData& before);
    void markChanged(uchar profile);
    void markApplied();

    ProfileStore& m_store;
    DeviceTransport& m_device;
    RequestApplier m_applier;
    ApplyTracker m_tracker;
    AppliedCheck m_appliedCheck;
    QUndoStack m_undo;
    uchar m_profile = 0;
    bool m_lightsOn = true;
};
