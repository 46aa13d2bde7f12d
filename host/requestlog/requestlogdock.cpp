// SPDX-License-Identifier: MIT
#include "host/requestlog/requestlogdock.h"

#include "host/requestlog/requestlogmodel.h"
#include "keylight/vantor_types.h"
#include "platform/protocol/vantorpacket.h"

#include <QHeaderView>
#include <QTableView>

#include <utility>

namespace {
constexpr int kRowHeight = 20;
constexpr int kDecodedWidth = 260;
constexpr int kCellMargins = 16; // the item's padding on both sides, and some air
} // namespace

RequestLogDock::RequestLogDock(RequestLogModel* model, QWidget* parent)
    : QDockWidget(tr("Request log"), parent)
    , m_view(new QTableView(this))
{
    setObjectName(QStringLiteral("requestLogDock"));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetClosable);
    m_view->setObjectName(QStringLiteral("requestLogView"));
    m_view->setModel(model);
    m_view->setAccessibleName(tr("Requests sent to the keyboard"));
    m_view->setToolTip(tr("Every request the page sent, newest last, as the keyboard read it"));
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setAlternatingRowColors(true);
    m_view->setShowGrid(false);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* header = m_view->horizontalHeader();
    header->setStretchLastSection(true);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Short columns fit the widest value they can hold, measured once: sizing them to
    // their contents would measure the rows again after every request, inside its click.
    // A long decode error is cut and shown in full as the cell's tooltip; the bytes take
    // the rest.
    QStringList names;
    for (int code : {Request::Reset, Request::ModeParam, Request::CustomLed,
                     Request::Multilayer, Request::Multizone, Request::Apply})
        names << VantorPacket::requestName(code);
    const std::pair<int, QStringList> widest[] = {
        {RequestLogModel::Time, {QStringLiteral("00:00:00.000")}},
        {RequestLogModel::Profile, {QStringLiteral("5")}},
        {RequestLogModel::Code, {QStringLiteral("39")}},
        {RequestLogModel::Name, names},
        {RequestLogModel::Size, {QStringLiteral("9999")}},
    };
    for (const auto& [column, samples] : widest) {
        const QString title = model->headerData(column, Qt::Horizontal).toString();
        int width = header->fontMetrics().horizontalAdvance(title);
        for (const QString& sample : samples)
            width = qMax(width, m_view->fontMetrics().horizontalAdvance(sample));
        header->resizeSection(column, width + kCellMargins);
    }
    header->resizeSection(RequestLogModel::Decoded, kDecodedWidth);
    setWidget(m_view);

    connect(model, &QAbstractItemModel::rowsInserted, this, &RequestLogDock::followNewRows);
    // Behind another tab the log does not follow each request; it catches up when shown.
    connect(this, &QDockWidget::visibilityChanged, this, &RequestLogDock::followNewRows);
}

void RequestLogDock::followNewRows()
{
    if (m_view->isVisible())
        m_view->scrollToBottom();
}
