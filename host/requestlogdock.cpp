#include "host/requestlogdock.h"

#include "host/requestlogmodel.h"

#include <QHeaderView>
#include <QTableView>

namespace {
constexpr int kRowHeight = 20;
constexpr int kDecodedWidth = 260;
} // namespace

RequestLogDock::RequestLogDock(RequestLogModel* model, QWidget* parent)
    : QDockWidget(tr("Request log"), parent)
    , m_view(new QTableView(this))
{
    setObjectName(QStringLiteral("requestLogDock"));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetClosable);
    m_view->setObjectName(QStringLiteral("requestLogView"));
    m_view->setModel(model);
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
    // Short columns fit their contents; a long decode error is cut and shown in full as
    // the cell's tooltip; the bytes take the rest.
    for (int column : {RequestLogModel::Time, RequestLogModel::Profile, RequestLogModel::Code,
                       RequestLogModel::Name, RequestLogModel::Size})
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    header->resizeSection(RequestLogModel::Decoded, kDecodedWidth);
    setWidget(m_view);

    connect(model, &QAbstractItemModel::rowsInserted, this, &RequestLogDock::followNewRows);
}

void RequestLogDock::followNewRows()
{
    m_view->scrollToBottom();
}
