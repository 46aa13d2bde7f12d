#pragma once

// What the host does with the page's requests, independent of any window: forwards each
// to the keyboard, writes it into the profile store, keeps it undoable and tracks whether
// the keyboard's onboard memory holds the profile as shown.

#include "host/applytracker.h"
#include "host/requestapplier.h"

#include <QObject>
#include <QUndoStack>

class DeviceTransport;
class ProfileStore;
struct ProfileData;

class HostSession : public QObject
{
    Q_OBJECT

public:
    HostSession(ProfileStore& store, DeviceTransport& device, QObject* parent = nullptr);

    uchar currentProfile() const { return m_profile; }
    bool isApplied(uchar profile) const { return m_tracker.isApplied(profile); }
    QUndoStack* undoStack() { return &m_undo; }

    // Makes `profile` current in the store and at the keyboard and has the page show it.
    void switchProfile(uchar profile);
    // Replaces the current profile with `data` as one undoable change.
    void replaceProfile(const ProfileData& data, const QString& description);
    // A request from the page. `data` is valid only during this call.
    void handleRequest(int cmd, void* data);

signals:
    // The page must show this profile again (KeyLightWid::updateUi).
    void sigReloadRequested(uchar profile);
    void sigProfileSwitched(uchar profile);
    void sigAppliedChanged(uchar profile, bool applied);
    // A request reached the host but could not be written to the store.
    void sigRequestRejected(int cmd, const QString& reason);

private:
    void selectProfile(uchar profile);
    void restore(uchar profile, const ProfileData& data);
    void recordChange(const QString& text, const ProfileData& before);
    void markChanged(uchar profile);

    ProfileStore& m_store;
    DeviceTransport& m_device;
    RequestApplier m_applier;
    ApplyTracker m_tracker;
    QUndoStack m_undo;
    uchar m_profile = 0;
};
