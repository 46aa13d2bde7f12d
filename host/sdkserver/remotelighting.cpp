// SPDX-License-Identifier: MIT
#include "host/sdkserver/remotelighting.h"

#include "host/device/virtualkeyboard.h"
#include "host/sdkserver/sdkmodes.h"
#include "host/session/hostsession.h"
#include "host/session/profilecount.h"
#include "host/transport/openrgb/sdkprotocol.h"
#include "keylight/keytable.h"

#include <QCoreApplication>

namespace {
constexpr int kMatrixColumns = kLedCount / kLedMatrixRows;
// Longer than any stream a person waits for: the store saves at the latest this long
// after a stream's first unsaved colours.
constexpr int kStreamLongestSaveMs = 10000;

const QString kOwnName = QStringLiteral("KeyLight keyboard");

QString profileName(int shown)
{
    return QStringLiteral("Profile %1").arg(shown);
}

// The keys in the order of the controller's LEDs, and where each sits in the matrix.
SdkZone keyZone()
{
    SdkZone zone;
    zone.name = QStringLiteral("Keyboard");
    zone.type = Sdk::Matrix;
    zone.ledsCount = zone.ledsMin = zone.ledsMax = quint32(KeyTable::kKeyCount);
    zone.matrixHeight = kLedMatrixRows;
    zone.matrixWidth = kMatrixColumns;
    zone.matrix.fill(Sdk::kNoLed, kLedCount);
    for (int i = 0; i < KeyTable::kKeyCount; ++i) {
        const int led = KeyTable::kKeys[std::size_t(i)].led;
        zone.matrix[(led % kLedMatrixRows) * kMatrixColumns + led / kLedMatrixRows] = quint32(i);
    }
    return zone;
}
} // namespace

RemoteLighting::RemoteLighting(HostSession& session, ProfileStore& store,
                               const VirtualKeyboard& keyboard,
                               std::function<QString()> deviceName, QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_store(store)
    , m_keyboard(keyboard)
    , m_deviceName(std::move(deviceName))
{
    m_pageTimer.setSingleShot(true);
    m_quietTimer.setSingleShot(true);
    connect(&m_pageTimer, &QTimer::timeout, this, &RemoteLighting::followPage);
    connect(&m_quietTimer, &QTimer::timeout, this, &RemoteLighting::finishStream);
    // A stream belongs to the profile it painted: another profile ends it where it stands,
    // its colours kept up to the last time the page followed.
    connect(&session, &HostSession::sigProfileSwitched, this, [this](uchar profile) {
        if (m_streamBefore && profile != m_streamProfile)
            endStream();
    });
}

RemoteLighting::~RemoteLighting()
{
    finishStream();
}

void RemoteLighting::setUsualSaving(int quietMs, int longestMs)
{
    m_usualQuietMs = quietMs;
    m_usualLongestMs = longestMs;
}

ProfileData RemoteLighting::current() const
{
    // What the page changed meanwhile stays; the stream owns only the painted keys.
    ProfileData data = m_store.profile(m_session.currentProfile());
    if (m_streamBefore) {
        data.custom = m_streamNow.custom;
        data.activeMode = Mode::Custom;
    }
    return data;
}

SdkController RemoteLighting::controller() const
{
    const ProfileData data = current();
    SdkController controller;
    controller.type = Sdk::Keyboard;
    const QString driven = m_deviceName ? m_deviceName() : QString();
    controller.name = driven.isEmpty() ? kOwnName : driven;
    controller.vendor = QStringLiteral("KeyLight");
    controller.description = QStringLiteral("The keyboard KeyLight lights");
    controller.version = QCoreApplication::applicationVersion();
    controller.location = QStringLiteral("KeyLight");
    for (int mode : SdkModes::order())
        controller.modes << SdkModes::describe(mode, data.modeLights[std::size_t(mode)],
                                               data.custom.brightness);
    controller.activeMode = std::max(0, SdkModes::indexOf(data.activeMode));
    controller.zones = {keyZone()};

    LedFrame frame;
    m_keyboard.frameAt(m_keyboard.clockMs(), frame);
    for (const KeyInfo& key : KeyTable::kKeys) {
        controller.leds.push_back({QString::fromUtf8(key.ledName), key.led});
        controller.colors << frame[key.led];
    }
    return controller;
}

QStringList RemoteLighting::profileNames() const
{
    QStringList names;
    for (int shown = 1; shown <= kShownProfileCount; ++shown)
        names << profileName(shown);
    return names;
}

void RemoteLighting::replace(const ProfileData& data, const QString& description)
{
    finishStream();
    if (data != m_store.profile(m_session.currentProfile()))
        m_session.replaceProfile(data, description);
}

void RemoteLighting::setMode(int modeIndex, const SdkMode& mode, bool save)
{
    if (modeIndex < 0 || modeIndex >= Mode::Count)
        return;
    const int ours = SdkModes::order()[std::size_t(modeIndex)];
    ProfileData data = current();
    data.activeMode = uchar(ours);
    vantor_light& record = data.modeLights[std::size_t(ours)];
    record = SdkModes::apply(ours, mode, record);
    if (ours == Mode::Custom) {
        if (const std::optional<uchar> brightness = SdkModes::brightnessOf(mode))
            data.custom.brightness = *brightness;
    }
    replace(data, tr("%1 from an OpenRGB client")
                      .arg(QString::fromLatin1(ModeCatalogue::info(ours).networkName)));
    if (save)
        m_session.handleRequest(Request::Apply, nullptr);
}

void RemoteLighting::setCustomMode()
{
    ProfileData data = current();
    data.activeMode = Mode::Custom;
    replace(data, tr("Direct from an OpenRGB client"));
}

void RemoteLighting::setColours(int firstLed, const QVector<QRgb>& colours)
{
    ProfileData data = current();
    data.activeMode = Mode::Custom;
    for (int i = 0; i < colours.size(); ++i) {
        const int index = firstLed + i;
        if (index < 0 || index >= KeyTable::kKeyCount)
            break;
        const int led = KeyTable::kKeys[std::size_t(index)].led;
        data.custom.led[3 * led] = uchar(qRed(colours[i]));
        data.custom.led[3 * led + 1] = uchar(qGreen(colours[i]));
        data.custom.led[3 * led + 2] = uchar(qBlue(colours[i]));
    }
    if (!m_streamBefore) {
        m_streamBefore = m_store.profile(m_session.currentProfile());
        m_streamProfile = m_session.currentProfile();
        // One save once the client pauses, not one every few frames.
        m_store.setDeferredSaving(kQuietMs, kStreamLongestSaveMs);
    }
    m_streamNow = data;
    m_session.sendToDevices(data);
    if (!m_pageTimer.isActive())
        m_pageTimer.start(kPageFollowMs);
    m_quietTimer.start(kQuietMs);
}

void RemoteLighting::followPage()
{
    if (m_streamBefore)
        m_session.storeWithoutUndo(current());
}

void RemoteLighting::endStream()
{
    m_pageTimer.stop();
    m_quietTimer.stop();
    m_streamBefore.reset();
    m_store.setDeferredSaving(m_usualQuietMs, m_usualLongestMs);
}

void RemoteLighting::finishStream()
{
    if (!m_streamBefore)
        return;
    const ProfileData before = *m_streamBefore;
    const ProfileData last = current();
    // The last colours are saved as any change is, now that the client has paused.
    endStream();
    m_session.storeWithoutUndo(last);
    m_session.recordChangeSince(before, tr("Painting from an OpenRGB client"));
}

void RemoteLighting::loadProfile(const QString& name)
{
    const QStringList names = profileNames();
    for (int i = 0; i < names.size(); ++i) {
        if (names[i].compare(name.trimmed(), Qt::CaseInsensitive) == 0) {
            finishStream();
            m_session.switchProfile(uchar(i));
            return;
        }
    }
}

void RemoteLighting::saveProfile(const QString& name)
{
    // KeyLight's profiles are kept as they change; saving one means the keyboard keeps it.
    const int index = profileNames().indexOf(name.trimmed());
    if (index != m_session.currentProfile())
        return;
    finishStream();
    m_session.handleRequest(Request::Apply, nullptr);
}
