// SPDX-License-Identifier: MIT
#pragma once

// The status bar's word on the keyboard's onboard memory: "Applied" when it holds the
// profile as shown, "Changes not applied" until APPLY is pressed after a change.

#include <QLabel>

class ApplyIndicator : public QLabel
{
    Q_OBJECT

public:
    explicit ApplyIndicator(QWidget* parent = nullptr);

    bool isApplied() const { return m_applied; }
    void setApplied(bool applied);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor stateColour() const;

    bool m_applied = true;
};
