// SPDX-License-Identifier: MIT
#include "host/window/networkdevicemenu.h"

#include "host/openrgb/networkkeyboard.h"
#include "host/openrgb/networkkeyboardsetup.h"
#include "host/sdkserver/sdkserversetup.h"
#include "host/transport/openrgb/sdkserver.h"

#include <QActionGroup>
#include <QInputDialog>
#include <QMessageBox>

NetworkDeviceMenu::NetworkDeviceMenu(NetworkKeyboardSetup& setup, QWidget* parent)
    : QMenu(tr("&Device"), parent)
    , m_setup(setup)
    , m_devices(new QActionGroup(this))
{
    setObjectName(QStringLiteral("deviceMenu"));
    m_connect = addAction(tr("&Connect to OpenRGB Server..."), this,
                          &NetworkDeviceMenu::askForServer);
    m_connect->setObjectName(QStringLiteral("actionConnectOpenRgb"));
    addSeparator();
    m_devicesEnd = addSeparator();
    m_disconnect = addAction(tr("&Disconnect"), this, [this] { m_setup.stop(); });
    m_disconnect->setObjectName(QStringLiteral("actionDisconnectOpenRgb"));
    connect(&setup.keyboard(), &NetworkKeyboard::sigDeviceChanged, this,
            &NetworkDeviceMenu::rebuildDevices);
    connect(&setup.keyboard().client(), &SdkClient::stateChanged, this,
            &NetworkDeviceMenu::rebuildDevices);
    rebuildDevices();
}

bool NetworkDeviceMenu::connectTo(const QString& address, QString* error)
{
    const std::optional<SdkAddress> server = SdkAddress::parse(address, error);
    if (!server)
        return false;
    const std::optional<NetworkKeyboardSetup::Choice> current = m_setup.current();
    // Another server offers other devices: start again from its first keyboard.
    const bool sameServer = current && current->server == *server;
    m_setup.use({*server, sameServer ? current->device : QString()}, true);
    return true;
}

void NetworkDeviceMenu::addSdkServer(SdkServerSetup& serving)
{
    m_serving = &serving;
    addSeparator();
    QAction* serve = addAction(tr("OpenRGB SDK &Server..."), this,
                               &NetworkDeviceMenu::askForServingAddress);
    serve->setObjectName(QStringLiteral("actionSdkServer"));
}

bool NetworkDeviceMenu::serveAt(const QString& address, QString* error)
{
    if (!m_serving)
        return false;
    if (address.trimmed().isEmpty()) {
        m_serving->stop(true);
        return true;
    }
    const std::optional<SdkAddress> where = SdkServerSetup::parse(address, error);
    if (!where)
        return false;
    if (m_serving->serve(*where, true))
        return true;
    if (error)
        *error = m_serving->lastError();
    return false;
}

void NetworkDeviceMenu::askForServingAddress()
{
    const SdkServer& server = m_serving->server();
    const std::optional<SdkAddress> remembered = m_serving->remembered();
    QString text = server.isListening() ? server.address().toString()
                                        : remembered.value_or(SdkAddress()).toString();
    askUntilAccepted(tr("OpenRGB SDK Server"),
                     tr("Let OpenRGB clients drive KeyLight at [HOST:]PORT; a "
                        "port alone serves this computer only. Leave it empty "
                        "to serve no one."),
                     text, [this](const QString& answer, QString* error) {
                         return serveAt(answer, error);
                     });
}

void NetworkDeviceMenu::askForServer()
{
    const std::optional<NetworkKeyboardSetup::Choice> current = m_setup.current();
    QString text = current ? current->server.toString() : SdkAddress().toString();
    askUntilAccepted(tr("Connect to OpenRGB Server"),
                     tr("Server address (HOST:PORT), where OpenRGB runs with "
                        "its SDK server on:"),
                     text, [this](const QString& answer, QString* error) {
                         return connectTo(answer, error);
                     });
}

void NetworkDeviceMenu::askUntilAccepted(const QString& title, const QString& label,
                                         QString text, const Attempt& attempt)
{
    // Asked again with the text as typed after each refusal, so a typo costs one
    // correction rather than the whole address.
    for (;;) {
        bool ok = false;
        text = QInputDialog::getText(parentWidget(), title, label, QLineEdit::Normal, text, &ok);
        if (!ok)
            return;
        QString error;
        if (attempt(text, &error))
            return;
        QMessageBox::warning(parentWidget(), title, error);
    }
}

void NetworkDeviceMenu::rebuildDevices()
{
    for (QAction* action : m_devices->actions())
        delete action;
    const NetworkKeyboard& keyboard = m_setup.keyboard();
    const QVector<SdkController>& offered = keyboard.client().controllers();
    for (int i = 0; i < offered.size(); ++i) {
        auto* action = new QAction(tr("%1: %2").arg(i).arg(offered[i].name), m_devices);
        action->setCheckable(true);
        action->setChecked(i == keyboard.controllerIndex());
        connect(action, &QAction::triggered, this,
                [this, name = offered[i].name] { m_setup.chooseDevice(name); });
        insertAction(m_devicesEnd, action);
    }
    m_disconnect->setEnabled(keyboard.client().state() != SdkClient::State::NotConfigured);
}
