// SPDX-License-Identifier: MIT
#include "host/window/networkdeviceview.h"

#include "host/openrgb/networkkeyboard.h"
#include "host/openrgb/networkkeyboardsetup.h"
#include "host/window/networkdeviceindicator.h"

#include <QFormLayout>
#include <QLabel>
#include <QListWidget>

namespace {
constexpr int kRateIntervalMs = 1000;

QLabel* wrappingLabel(const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}
} // namespace

NetworkDeviceView::NetworkDeviceView(NetworkKeyboardSetup& setup, QWidget* parent)
    : QWidget(parent)
    , m_setup(setup)
    , m_keyboard(setup.keyboard())
    , m_status(wrappingLabel(QStringLiteral("networkStatus"), this))
    , m_problem(wrappingLabel(QStringLiteral("networkProblem"), this))
    , m_controllers(new QListWidget(this))
    , m_leds(wrappingLabel(QStringLiteral("networkLeds"), this))
    , m_missing(wrappingLabel(QStringLiteral("networkMissingKeys"), this))
    , m_rate(wrappingLabel(QStringLiteral("networkFrameRate"), this))
{
    setObjectName(QStringLiteral("networkDeviceView"));
    m_controllers->setObjectName(QStringLiteral("networkControllers"));
    m_controllers->setAccessibleName(tr("Devices the server offers"));
    m_controllers->setToolTip(tr("Double-click a device to light it."));
    m_controllers->setWordWrap(true);
    auto* form = new QFormLayout(this);
    // A dock beside the page is narrow: every label above its value.
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->addRow(m_status);
    form->addRow(m_problem);
    form->addRow(tr("Devices:"), m_controllers);
    form->addRow(tr("LEDs:"), m_leds);
    form->addRow(tr("Keys it lacks:"), m_missing);
    form->addRow(tr("Frames per second:"), m_rate);

    connect(m_controllers, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        m_setup.chooseDevice(QString::number(m_controllers->row(item)));
    });
    m_rateTimer.setInterval(kRateIntervalMs);
    connect(&m_rateTimer, &QTimer::timeout, this, &NetworkDeviceView::refreshRate);
    connect(&m_keyboard.client(), &SdkClient::stateChanged, this, &NetworkDeviceView::refresh);
    connect(&m_keyboard.client(), &SdkClient::problem, this, &NetworkDeviceView::refresh);
    connect(&m_keyboard, &NetworkKeyboard::sigDeviceChanged, this, &NetworkDeviceView::refresh);
    refresh();
}

void NetworkDeviceView::refresh()
{
    const SdkClient& client = m_keyboard.client();
    m_status->setText(NetworkDeviceIndicator::statusText(m_keyboard));
    m_problem->setText(client.lastError());
    m_problem->setVisible(!client.lastError().isEmpty());

    m_controllers->clear();
    const int driven = m_keyboard.controllerIndex();
    for (int i = 0; i < client.controllers().size(); ++i) {
        const SdkController& controller = client.controllers()[i];
        auto* item = new QListWidgetItem(
            tr("%1: %2 (LEDs: %3)").arg(i).arg(controller.name).arg(controller.leds.size()),
            m_controllers);
        if (i == driven) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
            item->setText(tr("%1 - lit by KeyLight").arg(item->text()));
        }
    }

    if (driven < 0) {
        m_leds->setText(tr("No device is lit."));
        m_missing->clear();
        m_rateTimer.stop();
    } else {
        const KeyLedMatch& match = m_keyboard.match();
        m_leds->setText(tr("%1 in all; keys of ours: %2; lit like the nearest key: %3")
                            .arg(match.sourceLeds().size())
                            .arg(match.matchedLeds())
                            .arg(match.borrowedLeds()));
        m_missing->setText(match.missingKeys().isEmpty()
                               ? tr("none")
                               : match.missingKeys().join(QLatin1String(", ")));
        m_rateTimer.start();
    }
    refreshRate();
}

void NetworkDeviceView::refreshRate()
{
    m_rate->setText(QString::number(m_keyboard.framesPerSecond()));
}
