// SPDX-License-Identifier: MIT
#pragma once

// The window's language: the page's, the host's and Qt's own texts, for a language given
// by code or, without one, the system's. English is the texts as written and needs none.

#include <QString>
#include <QTranslator>

class HostTranslation
{
public:
    // Installs the translations for `language` ("de"), or for the system's language when
    // it is empty; they stay installed while this object lives.
    explicit HostTranslation(const QString& language);
    ~HostTranslation();
    HostTranslation(const HostTranslation&) = delete;
    HostTranslation& operator=(const HostTranslation&) = delete;

    // Whether the host's own texts are shown translated.
    bool isActive() const { return m_active; }

private:
    QTranslator m_page;
    QTranslator m_host;
    QTranslator m_qt;
    bool m_active = false;
};
