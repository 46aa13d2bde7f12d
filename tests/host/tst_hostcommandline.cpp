// SPDX-License-Identifier: MIT
#include "host/app/hostcommandline.h"
#include "host/window/hostwindow.h"
#include "host/store/profiletransfer.h"
#include "platform/profilestore/profilestore.h"
#include "support/filehelpers.h"
#include "support/hostprocess.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {
using HostProcess::kUsageExit;
using HostProcess::Run;
using HostProcess::runHost;
const QByteArray kGarbage("{ this is not a profile file");

// Every file of a folder with its bytes, to see that a run left it as it was.
QMap<QString, QByteArray> folderContents(const QString& folder)
{
    QMap<QString, QByteArray> contents;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        contents.insert(name, FileHelpers::readAll(dir.filePath(name)));
    return contents;
}

// What the parser understood, in one comparable line.
QString summary(const HostCommandLine::Options& options)
{
    const auto number = [](const std::optional<uchar>& n) { return n ? int(*n) : -1; };
    return QStringLiteral("profile %1 export %2 %3 import %4 %5 screen %6x%7 lang %8")
        .arg(number(options.profile)).arg(number(options.exportProfile))
        .arg(options.exportPath, options.importPath).arg(number(options.importProfile))
        .arg(options.screenSize.width()).arg(options.screenSize.height())
        .arg(options.language);
}
} // namespace

class TestHostCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        HostProcess::isolateChildren(m_dir.path());
        QVERIFY(m_running.open(m_dir.filePath(QStringLiteral("running/profiles.json"))).created);
        QVERIFY(ProfileTransfer::exportProfile(m_running, 0,
                                               m_dir.filePath(QStringLiteral("exported.json")),
                                               nullptr));
    }

    void parses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected"); // the summary, or part of the error

        QTest::newRow("lastProfile")
            << QStringList{"--profile=5"} << "profile 4 export -1  import  -1 screen -1x-1 lang ";
        QTest::newRow("exportAndImport")
            << QStringList{"--import", "in.json", "2", "--store", "d", "--export", "1", "o.json"}
            << "profile -1 export 0 o.json import in.json 1 screen -1x-1 lang ";
        QTest::newRow("screenAndLanguage")
            << QStringList{"--screen-size", "1366x768", "--lang", "de"}
            << "profile -1 export -1  import  -1 screen 1366x768 lang de";
        QTest::newRow("screenWithoutHeight") << QStringList{"--screen-size=1366"} << "\"1366\"";
        QTest::newRow("unknownLanguage") << QStringList{"--lang", "xx"} << "\"xx\"";
        QTest::newRow("profileAboveRange") << QStringList{"--profile", "6"} << "\"6\"";
        QTest::newRow("exportWithoutFile") << QStringList{"--export", "2"} << "--export N FILE";
        QTest::newRow("importProfileSwapped")
            << QStringList{"--import", "2", "f.json"} << "f.json";
    }

    void parses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        HostCommandLine commandLine;
        const bool accepted = expected.startsWith(QLatin1String("profile "));

        QCOMPARE(commandLine.parse(QStringList{"keylight-host"} + arguments), accepted);
        if (accepted) {
            QCOMPARE(summary(commandLine.options()), expected);
        } else {
            QVERIFY2(commandLine.error().contains(expected), qPrintable(commandLine.error()));
            QVERIFY(!commandLine.error().contains(QLatin1Char('\n')));
        }
        for (const char* option :
             {"--profile", "--store", "--screenshot", "--screen-size", "--lang", "--export",
              "--import", "--openrgb", "--openrgb-device", "--help", "--version"})
            QVERIFY2(commandLine.helpText().contains(QLatin1String(option)), option);
    }

    void openrgbOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected"); // "server device", or part of the error

        QTest::newRow("bare, before another option")
            << QStringList{"--openrgb", "--profile", "2"} << "127.0.0.1:6742 -";
        QTest::newRow("bare at the end") << QStringList{"--openrgb"} << "127.0.0.1:6742 -";
        QTest::newRow("port only") << QStringList{"--openrgb", ":7000"} << "127.0.0.1:7000 -";
        QTest::newRow("host only") << QStringList{"--openrgb=pc.local"} << "pc.local:6742 -";
        QTest::newRow("IPv6 with port")
            << QStringList{"--openrgb", "[::1]:6743"} << "[::1]:6743 -";
        QTest::newRow("device by name")
            << QStringList{"--openrgb", "h:1", "--openrgb-device", "My Board"} << "h:1 My Board";
        QTest::newRow("device alone") << QStringList{"--openrgb-device", "0"} << "- 0";
        QTest::newRow("port out of range") << QStringList{"--openrgb", ":70000"} << "65535";
        QTest::newRow("port zero") << QStringList{"--openrgb", "h:0"} << "65535";
        QTest::newRow("not an address") << QStringList{"--openrgb", "a b"} << "\"a b\"";
        QTest::newRow("twice") << QStringList{"--openrgb", "--openrgb"} << "more than once";
    }

    void openrgbOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        HostCommandLine commandLine;
        const bool accepted = commandLine.parse(QStringList{"keylight-host"} + arguments);
        if (!accepted) {
            QVERIFY2(commandLine.error().contains(expected), qPrintable(commandLine.error()));
            QVERIFY(!commandLine.error().contains(QLatin1Char('\n')));
            return;
        }
        const HostCommandLine::Options& options = commandLine.options();
        const QString server = options.openrgbServer ? options.openrgbServer->toString()
                                                     : QStringLiteral("-");
        QCOMPARE(server + QLatin1Char(' ') + options.openrgbDevice.value_or(QStringLiteral("-")),
                 expected);
        // What --openrgb left behind reaches the parser unharmed.
        if (arguments.contains(QStringLiteral("--profile")))
            QCOMPARE(int(*options.profile), 1);
        // A parsed address reads back as itself.
        if (options.openrgbServer)
            QVERIFY(*SdkAddress::parse(options.openrgbServer->toString())
                    == *options.openrgbServer);
    }

    void badArgumentExitsWithOneLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        const QString store = m_dir.filePath(QStringLiteral("store"));
        const QString notJson = m_dir.filePath(QStringLiteral("not.json"));
        QVERIFY(FileHelpers::writeAll(notJson, "profile: 1"));
        // One run per kind of failure: the parser, an import file, the store folder, the output.
        QTest::newRow("unknownOption") << QStringList{"--frobnicate"} << kUsageExit;
        // Which of two values was meant cannot be guessed.
        QTest::newRow("profileTwice") << QStringList{"--store", store, "--profile", "1",
                                                     "--profile", "2"}
                                      << kUsageExit;
        QTest::newRow("storeTwice") << QStringList{"--store", store, "--store", notJson}
                                    << kUsageExit;
        QTest::newRow("importNotJson") << QStringList{"--store", store, "--import", notJson, "1"}
                                       << kUsageExit;
        QTest::newRow("storeIsAFile") << QStringList{"--store", notJson} << kUsageExit;
        QTest::newRow("screenshotIntoMissingFolder")
            << QStringList{"--store", store, "--screenshot", m_dir.filePath("missing/out.png")}
            << kUsageExit;
        // A broken store file is set aside and the host goes on from the defaults.
        const QString broken = m_dir.filePath(QStringLiteral("broken"));
        QDir().mkpath(broken);
        const QString brokenFile = QDir(broken).filePath(QStringLiteral("profiles.json"));
        QVERIFY(FileHelpers::writeAll(brokenFile, kGarbage));
        QTest::newRow("brokenStoreFile")
            << QStringList{"--store", broken, "--export", "1", m_dir.filePath("fresh.json")} << 0;

        // An import is checked before the store is opened: a bad one leaves no store behind.
        const QString never = m_dir.filePath(QStringLiteral("never"));
        QTest::newRow("importMissingFile")
            << QStringList{"--store", never, "--import", m_dir.filePath("missing.json"), "1"}
            << kUsageExit;
        QTest::newRow("importWholeStore")
            << QStringList{"--store", never, "--import", m_running.filePath(), "1"} << kUsageExit;
        // One writer per store: a transfer or a second window is refused while one runs.
        const QString running = QFileInfo(m_running.filePath()).absolutePath();
        const QString exported = m_dir.filePath(QStringLiteral("exported.json"));
        QTest::newRow("importWhileWindowRuns")
            << QStringList{"--store", running, "--import", exported, "2"} << kUsageExit;
        QTest::newRow("secondWindow") << QStringList{"--store", running} << kUsageExit;
    }

    void badArgumentExitsWithOneLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        const Run run = runHost(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.errLines.size() == 1, qPrintable(run.errLines.join(QLatin1Char('|'))));
        QVERIFY(run.errLines.first().startsWith(QLatin1String("keylight-host: ")));
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("never"))));
        if (exitCode == 0) {
            const QDir store(arguments.at(1));
            const QStringList aside = store.entryList(QDir::Files).filter("profiles.json.bad-");
            QCOMPARE(aside.size(), 1);
            QCOMPARE(FileHelpers::readAll(store.filePath(aside.first())), kGarbage);
        }
    }

    void screenshotIsWindowSizedPng()
    {
        // A screenshot only looks: a bad file stays, and --profile is not stored.
        const QString shots = m_dir.filePath(QStringLiteral("shots"));
        QVERIFY(QDir().mkpath(shots));
        QVERIFY(FileHelpers::writeAll(QDir(shots).filePath("profiles.json"), kGarbage));
        const QMap<QString, QByteArray> before = folderContents(shots);
        const QString shot = m_dir.filePath(QStringLiteral("shot.png"));
        const Run run = runHost({"--store", shots, "--profile", "5", "--screen-size", "1366x768",
                                 "--screenshot", shot});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.errLines.size() == 1 && run.errLines.first().contains("nothing was changed"),
                 qPrintable(run.errLines.join(QLatin1Char('|'))));
        QCOMPARE(folderContents(shots), before);

        QVERIFY(FileHelpers::readAll(shot).startsWith("\x89PNG"));
        const QImage image(shot);
        // Laid out for the screen it was told of, with room left for the frame.
        QVERIFY2(image.width() >= HostWindow::kPageMinimum.width() && image.width() < 1366
                     && image.height() >= HostWindow::kPageMinimum.height()
                     && image.height() < 768,
                 qPrintable(QStringLiteral("%1x%2").arg(image.width()).arg(image.height())));
        // Something was drawn: the dark window with its purple accents is not all grey.
        QVERIFY(!image.allGray());

        // Regression: help and version asked for a display first, and aborted without one.
        QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
        noDisplay.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        noDisplay.remove(QStringLiteral("DISPLAY"));
        noDisplay.remove(QStringLiteral("WAYLAND_DISPLAY"));
        const Run version = runHost({QStringLiteral("--version")}, noDisplay);
        QCOMPARE(version.exitCode, 0);
        QVERIFY(version.out.startsWith(QLatin1String("keylight-host ")));
        QCOMPARE(runHost({QStringLiteral("--help")}, noDisplay).exitCode, 0);
    }

    void speaksTheLanguageAsked_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("expected"); // in the output or the error line

        const QStringList help{"--help"};
        QTest::newRow("germanMistake")
            << QStringList{"--lang=de", "--profile", "9"} << QByteArray("C")
            << "erwartet eine Profilnummer von 1 bis 5, nicht \"9\"";
        QTest::newRow("systemGerman") << help << QByteArray("de_DE.UTF-8")
                                      << "Diese Hilfe zeigen und beenden.";
        QTest::newRow("englishOverSystem")
            << QStringList{"--lang", "en", "--help"} << QByteArray("de_DE.UTF-8")
            << "Show this help and exit.";
        QTest::newRow("unknownSystemLanguage") << help << QByteArray("xx_XX.UTF-8")
                                               << "Show this help and exit.";
    }

    void speaksTheLanguageAsked()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, locale);
        QFETCH(QString, expected);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
        const Run run = runHost(arguments, environment);
        const QString said = run.out + run.errLines.join(QLatin1Char('\n'));
        QVERIFY2(said.contains(expected), qPrintable(said));
    }

private:
    QTemporaryDir m_dir;
    ProfileStore m_running; // stands for a window that holds its store
};

QTEST_GUILESS_MAIN(TestHostCommandLine)
#include "tst_hostcommandline.moc"
