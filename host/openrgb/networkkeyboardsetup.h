// SPDX-License-Identifier: MIT
#pragma once

// Which server and device the network keyboard drives, remembered between starts in the
// host's settings beside the profile store, with the device's onboard memory in a file of
// its own for every server and device, as each real keyboard keeps its own.

#include "host/transport/openrgb/sdkaddress.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class NetworkKeyboard;
class OnboardMemoryKeeper;

class NetworkKeyboardSetup : public QObject
{
    Q_OBJECT
public:
    struct Choice
    {
        SdkAddress server;
        QString device; // empty: the first keyboard the server offers
    };

    // Without `writable` nothing is remembered and no memory file is written.
    NetworkKeyboardSetup(NetworkKeyboard& keyboard, const QString& storeFilePath, bool writable,
                         QObject* parent = nullptr);
    ~NetworkKeyboardSetup() override;

    NetworkKeyboard& keyboard() { return m_keyboard; }

    // What the last session chose, or nothing when it drove no network keyboard.
    std::optional<Choice> remembered() const;
    // Drives `choice` from now on; kept for the next start when `remember` is true.
    void use(const Choice& choice, bool remember);
    // Another device of the same server.
    void chooseDevice(const QString& device);
    // No network keyboard any more, remembered.
    void stop();
    std::optional<Choice> current() const { return m_current; }

    // The onboard memory of one device of one server, beside the profile file.
    static QString memoryPath(const QString& storeFilePath, const Choice& choice);

signals:
    // The keyboard starts from its own onboard memory: it must be told what the page
    // shows now.
    void sigNeedsLighting();
    // A sentence about the memory file or the server, for the user.
    void sigProblem(const QString& sentence);

private:
    void remember(const std::optional<Choice>& choice);

    NetworkKeyboard& m_keyboard;
    QString m_storeFilePath;
    bool m_writable;
    std::optional<Choice> m_current;
    std::unique_ptr<OnboardMemoryKeeper> m_memory;
};
