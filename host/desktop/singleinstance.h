// SPDX-License-Identifier: MIT
#pragma once

// One host per desktop session and profile file: the first launch takes KeyLight's name on
// the session bus; a later one with the same profile file hands its request to it and
// ends. Without a session bus, or for another profile file, a host runs alone, as it
// always could: the profile file's lock keeps two writers apart.

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <optional>

class SingleInstance
{
    Q_DECLARE_TR_FUNCTIONS(SingleInstance)

public:
    enum class Role {
        First,      // this host has the name and should answer on the bus
        HandedOver, // a running host took the request; this one should end
        Alone,      // no bus, or a host of another file has the name
    };

    // What a second launch asks of the first.
    struct Request
    {
        std::optional<uchar> profile; // stored number 0 to 4
        bool showWindow = true;
    };

    SingleInstance() = default;
    // Gives the name back at once, rather than when the process is gone.
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the name or hands `request` over. *said is the sentence for the user: what the
    // running host did, or why this one runs alone after all.
    Role claim(const QString& storeFilePath, const Request& request, QString* said);
    bool ownsName() const { return m_ownsName; }

private:
    bool m_ownsName = false;
};
