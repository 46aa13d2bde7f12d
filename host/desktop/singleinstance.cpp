// SPDX-License-Identifier: MIT
#include "host/desktop/singleinstance.h"

#include "host/desktop/keylightbus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QThread>

namespace {
// The running host answers within this, or the second launch gives up: it must end
// within a second either way.
constexpr int kAnswerMs = 800;
// A host that took the name a moment ago may not have its object on the bus yet.
constexpr int kRetryMs = 40;

QDBusMessage ask(QDBusConnection& bus, const QString& method, const QVariantList& arguments,
                 int timeoutMs)
{
    QDBusMessage call = QDBusMessage::createMethodCall(KeyLightBus::kService, KeyLightBus::kPath,
                                                       KeyLightBus::kInterface, method);
    call.setArguments(arguments);
    return bus.call(call, QDBus::Block, timeoutMs);
}

// Asks the running host for its profile file until it answers or the time is up.
QDBusMessage askStoreFile(QDBusConnection& bus)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const int left = kAnswerMs - int(clock.elapsed());
        QDBusMessage reply = ask(bus, QStringLiteral("StoreFile"), {}, qMax(1, left));
        const bool notReadyYet = reply.type() == QDBusMessage::ErrorMessage
            && (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.UnknownObject")
                || reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod"));
        if (!notReadyYet || clock.elapsed() + kRetryMs >= kAnswerMs)
            return reply;
        QThread::msleep(kRetryMs);
    }
}
} // namespace

SingleInstance::~SingleInstance()
{
    if (m_ownsName)
        QDBusConnection::sessionBus().unregisterService(KeyLightBus::kService);
}

SingleInstance::Role SingleInstance::claim(const QString& storeFilePath, const Request& request,
                                           QString* said)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return Role::Alone;
    const auto registered = bus.interface()->registerService(
        KeyLightBus::kService, QDBusConnectionInterface::DontQueueService,
        QDBusConnectionInterface::DontAllowReplacement);
    if (registered.isValid()
        && registered.value() == QDBusConnectionInterface::ServiceRegistered) {
        m_ownsName = true;
        return Role::First;
    }

    const QDBusMessage store = askStoreFile(bus);
    if (store.type() != QDBusMessage::ReplyMessage || store.arguments().isEmpty()) {
        *said = tr("KeyLight runs already but does not answer (%1); this one starts on its "
                   "own.")
                    .arg(store.errorMessage());
        return Role::Alone;
    }
    if (store.arguments().constFirst().toString() != storeFilePath)
        return Role::Alone;

    QDBusMessage done;
    if (request.profile) {
        done = ask(bus, QStringLiteral("SetProfile"), {uint(*request.profile) + 1}, kAnswerMs);
        *said = tr("KeyLight runs already; it shows profile %1 now.")
                    .arg(*request.profile + 1);
    } else if (request.showWindow) {
        done = ask(bus, QStringLiteral("ShowWindow"), {}, kAnswerMs);
        *said = tr("KeyLight runs already; its window is brought up.");
    } else {
        *said = tr("KeyLight runs already.");
    }
    if (done.type() == QDBusMessage::ErrorMessage)
        *said = tr("KeyLight runs already but refused the request: %1")
                    .arg(done.errorMessage());
    return Role::HandedOver;
}
