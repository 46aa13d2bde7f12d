// SPDX-License-Identifier: MIT
// The German translation: every text the sources have is translated, keeps the placeholders
// its English has, and reaches the page once the catalogue is installed.

#include "keylight/keylightwid.h"

#include <QAccessible>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

namespace {
struct Message
{
    QString source;
    QString translation;
    bool finished = false;
};

// The messages of a catalogue lupdate wrote, without those it marked as no longer in the
// sources.
QVector<Message> readCatalogue(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression entry(
        QStringLiteral("<source>(.*?)</source>.*?"
                       "<translation( type=\"\\w+\")?>(.*?)</translation>"),
        QRegularExpression::DotMatchesEverythingOption);
    QVector<Message> messages;
    for (auto it = entry.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString type = match.captured(2);
        if (!type.contains(QLatin1String("obsolete")) && !type.contains(QLatin1String("vanished")))
            messages << Message{match.captured(1), match.captured(3), type.isEmpty()};
    }
    return messages;
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?\\d+"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}
} // namespace

class TstTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyTextIsTranslated_data()
    {
        QTest::addColumn<QString>("catalogue");
        const QString all = QStringLiteral(KEYLIGHT_EXTRACTED_TRANSLATIONS);
        for (const QString& path : all.split(QLatin1Char('|'), Qt::SkipEmptyParts))
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }

    // The catalogue is the one lupdate extracted from today's sources in this build, so a text
    // added without its translation shows up here as unfinished.
    void everyTextIsTranslated()
    {
        QFETCH(QString, catalogue);
        const QVector<Message> messages = readCatalogue(catalogue);
        QVERIFY2(!messages.isEmpty(), qPrintable(catalogue));
        for (const Message& message : messages) {
            QVERIFY2(message.finished && !message.translation.isEmpty(),
                     qPrintable(QStringLiteral("untranslated: ") + message.source));
            QVERIFY2(placeholders(message.source) == placeholders(message.translation),
                     qPrintable(QStringLiteral("placeholders differ: ") + message.source));
        }
    }

    void pageSpeaksGerman()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/keylight-i18n/keylight_de.qm")));
        QCoreApplication::installTranslator(&german);
        KeyLightWid page;
        QCoreApplication::removeTranslator(&german);

        QStringList pageButtons;
        for (QPushButton* button : page.findChildren<QPushButton*>()) {
            if (button->parentWidget() == &page)
                pageButtons << button->text();
        }
        pageButtons.sort();
        QCOMPARE(pageButtons, QStringList({QStringLiteral("ANWENDEN"),
                                           QStringLiteral("STANDARD")}));
        // Regression: the button said STANDARD and its question "zurücksetzen": one word.
        QCoreApplication::installTranslator(&german);
        const QString question = KeyLightWid::tr("Are you sure you want to reset?");
        QCoreApplication::removeTranslator(&german);
        QVERIFY2(question.contains(pageButtons.last(), Qt::CaseInsensitive), qPrintable(question));

        auto* still = page.findChild<QPushButton*>(QStringLiteral("m_static"));
        QVERIFY(still);
        QCOMPARE(still->text(), QStringLiteral("STATISCH"));
        QCOMPARE(still->toolTip(), QStringLiteral("Alle Tasten in einer Farbe."));

        auto* space = page.findChild<QWidget*>(QStringLiteral("m_space"));
        QVERIFY(space);
        QCOMPARE(QAccessible::queryAccessibleInterface(space)->text(QAccessible::Name),
                 QStringLiteral("Leertaste"));
    }
};

QTEST_MAIN(TstTranslations)
#include "tst_translations.moc"
