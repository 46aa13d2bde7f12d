// SPDX-License-Identifier: MIT
#pragma once

// The status bar's word on the SDK server while it serves: where, and how many clients,
// their names in the tool tip. Hidden while KeyLight serves no one.

#include <QLabel>

class SdkServerSetup;

class SdkServerIndicator : public QLabel
{
    Q_OBJECT
public:
    SdkServerIndicator(SdkServerSetup& setup, QWidget* parent = nullptr);

private:
    void refresh();

    SdkServerSetup& m_setup;
};
