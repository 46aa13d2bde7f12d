// SPDX-License-Identifier: MIT
#pragma once

// The mouse wheel over the page's layer and zone pickers scrolls the list they stand in,
// as it does everywhere else in that list, instead of stopping there and taking the focus
// away from where the user was typing. The pickers still take the focus by a click or Tab.

#include <QObject>

class QWidget;

class PickerWheel : public QObject
{
    Q_OBJECT

public:
    // Looks after every drop-down list of `page`.
    explicit PickerWheel(QWidget* page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
