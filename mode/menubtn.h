// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

// A mode button that owns a fold-out sub-panel: the small white triangle at its right
// edge tells the user that a click opens more choices below it.
class MenuBtn : public QPushButton
{
    Q_OBJECT

public:
    explicit MenuBtn(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;
};
