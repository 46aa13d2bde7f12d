// SPDX-License-Identifier: MIT
#include "host/app/hosttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {
// Where Qt's own translations lie; Qt 6 renamed location() to path().
QString qtTranslationsPath()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

// Where the build compiles the page's and the host's catalogues into the program.
const QString kCatalogues = QStringLiteral(":/keylight-i18n");
} // namespace

HostTranslation::HostTranslation(const QString& language)
{
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    const QString separator = QStringLiteral("_");
    // QTranslator tries each of the locale's UI languages in turn and fails for English,
    // which has no catalogue: the texts as written are English.
    if (!m_host.load(locale, QStringLiteral("keylight-host"), separator, kCatalogues))
        return;
    m_active = true;
    QCoreApplication::installTranslator(&m_host);
    if (m_page.load(locale, QStringLiteral("keylight"), separator, kCatalogues))
        QCoreApplication::installTranslator(&m_page);
    // Qt's own buttons and dialogs; without its catalogues installed they stay English.
    if (m_qt.load(locale, QStringLiteral("qtbase"), separator,
                  qtTranslationsPath()))
        QCoreApplication::installTranslator(&m_qt);
}

HostTranslation::~HostTranslation()
{
    for (QTranslator* translator : {&m_qt, &m_page, &m_host})
        QCoreApplication::removeTranslator(translator);
}
