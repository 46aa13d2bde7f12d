// SPDX-License-Identifier: MIT
#pragma once

// The dock that shows the request log, following the newest request.

#include <QDockWidget>

class QTableView;
class RequestLogModel;

class RequestLogDock : public QDockWidget
{
    Q_OBJECT

public:
    RequestLogDock(RequestLogModel* model, QWidget* parent = nullptr);

    QTableView* view() const { return m_view; }

private:
    void followNewRows();

    QTableView* m_view;
};
