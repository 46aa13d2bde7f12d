#include "host/requestlogdock.h"

#include "host/requestlogmodel.h"

#include <QHeaderView>
#include <QTableView>

namespace {
constexpr int kRowHeight = 20;
constexpr int kTimeWidth = 96;
constexpr int kNumberWidth = 64;
constexpr int kNameWidth = 130;
constexpr int kDecodedWidth = 150;
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
    header->resizeSection(RequestLogModel::Time, kTimeWidth);
    header->resizeSection(RequestLogModel::Profile, kNumberWidth);
    header->resizeSection(RequestLogModel::Code, kNumberWidth);
    header->resizeSection(RequestLogModel::Name, kNameWidth);
    header->resizeSection(RequestLogModel::Size, kNumberWidth);
    header->resizeSection(RequestLogModel::Decoded, kDecodedWidth);
    setWidget(m_view);

    connect(model, &QAbstractItemModel::rowsInserted, this, &RequestLogDock::followNewRows);
}

void RequestLogDock::followNewRows()
{
    m_view->scrollToBottom();
}
