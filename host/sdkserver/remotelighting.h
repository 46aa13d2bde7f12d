// SPDX-License-Identifier: MIT
#pragma once

// What SDK clients see of KeyLight and what they do to it. They see one keyboard: every
// key of the key table as an LED, the colours the keyboard shows now, one mode per effect.
// What they do goes through the session as a person's change would, so undo, the store,
// the request log, the page and every device follow: a mode is one undo step; a stream of
// LED colours reaches the devices at once, the page at most ten times a second, and the
// store and undo as one step once the client has been quiet for a second.

#include "host/transport/openrgb/sdkserver.h"
#include "platform/profilestore/profilestore.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

class HostSession;
class VirtualKeyboard;

class RemoteLighting : public QObject, public SdkServer::Device
{
    Q_OBJECT
public:
    static constexpr int kPageFollowMs = 100;
    static constexpr int kQuietMs = 1000;

    // `keyboard` says which colours the keys show; `deviceName` names the keyboard KeyLight
    // drives (empty: its own). The store's usual saving is put back after each stream.
    RemoteLighting(HostSession& session, ProfileStore& store, const VirtualKeyboard& keyboard,
                   std::function<QString()> deviceName, QObject* parent = nullptr);
    ~RemoteLighting() override;

    // How the store saves when no stream runs; a stream saves once it has paused.
    void setUsualSaving(int quietMs, int longestMs);

    SdkController controller() const override;
    QStringList profileNames() const override;
    void setMode(int modeIndex, const SdkMode& mode, bool save) override;
    void setColours(int firstLed, const QVector<QRgb>& colours) override;
    void setCustomMode() override;
    void loadProfile(const QString& name) override;
    void saveProfile(const QString& name) override;

    // Ends a stream now: the store and undo take it as one step.
    void finishStream();

private:
    ProfileData current() const;
    void replace(const ProfileData& data, const QString& description);
    void followPage();
    // Forgets the stream and saves as usual again.
    void endStream();

    HostSession& m_session;
    ProfileStore& m_store;
    const VirtualKeyboard& m_keyboard;
    std::function<QString()> m_deviceName;
    int m_usualQuietMs = 0;
    int m_usualLongestMs = 0;

    // A stream of LED colours: the profile before it, and as it is now.
    std::optional<ProfileData> m_streamBefore;
    ProfileData m_streamNow;
    uchar m_streamProfile = 0;
    QTimer m_pageTimer;
    QTimer m_quietTimer;
};
