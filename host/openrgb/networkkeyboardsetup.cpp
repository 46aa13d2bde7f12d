// SPDX-License-Identifier: MIT
#include "host/openrgb/networkkeyboardsetup.h"

#include "host/device/onboardmemorykeeper.h"
#include "host/openrgb/networkkeyboard.h"
#include "host/openrgb/settingsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
const QString kServerKey = QStringLiteral("openrgb/server");
const QString kDeviceKey = QStringLiteral("openrgb/device");
} // namespace

NetworkKeyboardSetup::NetworkKeyboardSetup(NetworkKeyboard& keyboard,
                                           const QString& storeFilePath, bool writable,
                                           QObject* parent)
    : QObject(parent)
    , m_keyboard(keyboard)
    , m_storeFilePath(storeFilePath)
    , m_writable(writable)
{
}

NetworkKeyboardSetup::~NetworkKeyboardSetup() = default;

QString NetworkKeyboardSetup::memoryPath(const QString& storeFilePath, const Choice& choice)
{
    // Only letters, digits, dots and dashes, so any server or device name makes a file name.
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9.-]+"));
    QString name = choice.server.host + QLatin1Char('-') + QString::number(choice.server.port);
    if (!choice.device.isEmpty())
        name += QLatin1Char('-') + choice.device;
    name.replace(unsafe, QStringLiteral("_"));
    return QDir(QFileInfo(storeFilePath).absolutePath())
        .filePath(QStringLiteral("keyboard-memory-openrgb-%1.json").arg(name));
}

std::optional<NetworkKeyboardSetup::Choice> NetworkKeyboardSetup::remembered() const
{
    const QVariantMap settings =
        SettingsFile::read(SettingsFile::pathBeside(m_storeFilePath), {kServerKey, kDeviceKey});
    const QString server = settings.value(kServerKey).toString();
    if (server.isEmpty())
        return std::nullopt;
    const std::optional<SdkAddress> address = SdkAddress::parse(server);
    if (!address)
        return std::nullopt;
    return Choice{*address, settings.value(kDeviceKey).toString()};
}

void NetworkKeyboardSetup::remember(const std::optional<Choice>& choice)
{
    if (!m_writable)
        return;
    const QVariantMap values{{kServerKey, choice ? choice->server.toString() : QVariant()},
                             {kDeviceKey, choice ? choice->device : QVariant()}};
    QString problem;
    if (!SettingsFile::write(SettingsFile::pathBeside(m_storeFilePath), values, &problem))
        emit sigProblem(problem);
}

void NetworkKeyboardSetup::use(const Choice& choice, bool remember)
{
    m_current = choice;
    // The memory of the device driven now, not of the one before.
    m_memory.reset();
    m_memory = std::make_unique<OnboardMemoryKeeper>(
        m_keyboard.model(), memoryPath(m_storeFilePath, choice), m_writable);
    connect(m_memory.get(), &OnboardMemoryKeeper::sigProblem, this,
            &NetworkKeyboardSetup::sigProblem);
    if (!m_memory->problem().isEmpty())
        emit sigProblem(m_memory->problem());
    m_keyboard.setDeviceChoice(choice.device);
    if (m_keyboard.client().state() == SdkClient::State::NotConfigured
        || !(m_keyboard.client().host() == choice.server.host
             && m_keyboard.client().port() == choice.server.port))
        m_keyboard.client().connectToServer(choice.server.host, choice.server.port);
    if (remember)
        this->remember(choice);
    emit sigNeedsLighting();
}

void NetworkKeyboardSetup::chooseDevice(const QString& device)
{
    if (!m_current)
        return;
    Choice choice = *m_current;
    choice.device = device;
    use(choice, true);
}

void NetworkKeyboardSetup::stop()
{
    m_current.reset();
    m_memory.reset();
    m_keyboard.client().disconnectFromServer();
    remember(std::nullopt);
}
