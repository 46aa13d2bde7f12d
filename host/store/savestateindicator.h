// SPDX-License-Identifier: MIT
#pragma once

// The status bar's word on the profile file: hidden while the file holds every change,
// "Not saved" while changes live only in memory because saving failed. The first failure
// after a good save also shows a message that leaves the window usable.

#include <QLabel>

class ProfileStore;

class SaveStateIndicator : public QLabel
{
    Q_OBJECT

public:
    // Listens to the store's saves for as long as it lives.
    explicit SaveStateIndicator(ProfileStore& store, QWidget* parent = nullptr);
    ~SaveStateIndicator() override;

signals:
    // A save ended, well or not.
    void sigSaveEnded();

private:
    void saveEnded();

    ProfileStore& m_store;
    bool m_failing = false;
};
