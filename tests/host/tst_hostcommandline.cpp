#include "host/hostcommandline.h"
#include "host/hostwindow.h"

#include <QDir>
#include <QImage>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kHost = QStringLiteral(KEYLIGHT_HOST_BINARY);
constexpr int kUsageExit = 2;
constexpr int kRunTimeoutMs = 120000; // a bound for a hung child, not a speed target

QStringList withProgram(const QStringList& arguments)
{
    return QStringList{QStringLiteral("keylight-host")} + arguments;
}

struct Run
{
    int exitCode = -1;
    QString out;
    QStringList errLines;
};
} // namespace

class TestHostCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void acceptsArguments_data();
    void acceptsArguments();
    void refusesArguments_data();
    void refusesArguments();
    void badArgumentExitsWithOneLine_data();
    void badArgumentExitsWithOneLine();
    void screenshotIsWindowSizedPng();
    void exportThenImportThroughCommandLine();
    void badStoreFileIsSetAsideAndReported();
    void helpAndVersion();

private:
    Run runHost(const QStringList& arguments);

    QTemporaryDir m_dir;
};

void TestHostCommandLine::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QFileInfo(kHost).isExecutable());
}

Run TestHostCommandLine::runHost(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.qpa.*=false"));
    // Nothing of the user's may be touched, and nothing but the host may write to stderr.
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
    const QString runtime = m_dir.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                       | QFileDevice::ExeOwner);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    const QString lsan = env.value(QStringLiteral("LSAN_OPTIONS"));
    env.insert(QStringLiteral("LSAN_OPTIONS"),
               lsan + (lsan.isEmpty() ? "" : ":") + QStringLiteral("print_suppressions=0"));
    process.setProcessEnvironment(env);
    process.start(kHost, arguments);
    Run run;
    if (!process.waitForFinished(kRunTimeoutMs))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.errLines = QString::fromLocal8Bit(process.readAllStandardError())
                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return run;
}

void TestHostCommandLine::acceptsArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("profile");        // -1: not given
    QTest::addColumn<int>("exportProfile");  // -1: not given
    QTest::addColumn<QString>("exportPath");
    QTest::addColumn<int>("importProfile");  // -1: not given
    QTest::addColumn<QString>("importPath");

    QTest::newRow("nothing") << QStringList() << -1 << -1 << QString() << -1 << QString();
    QTest::newRow("firstProfile") << QStringList{"--profile", "1"} << 0 << -1 << QString() << -1
                                  << QString();
    QTest::newRow("lastProfile") << QStringList{"--profile=5"} << 4 << -1 << QString() << -1
                                 << QString();
    QTest::newRow("exportAndImport")
        << QStringList{"--import", "in.json", "2", "--store", "d", "--export", "3", "out.json"}
        << -1 << 2 << "out.json" << 1 << "in.json";
    QTest::newRow("fileNamedLikeNumber")
        << QStringList{"--export", "1", "5"} << -1 << 0 << "5" << -1 << QString();
}

void TestHostCommandLine::acceptsArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, profile);
    QFETCH(int, exportProfile);
    QFETCH(QString, exportPath);
    QFETCH(int, importProfile);
    QFETCH(QString, importPath);

    HostCommandLine commandLine;
    QVERIFY2(commandLine.parse(withProgram(arguments)), qPrintable(commandLine.error()));
    const HostCommandLine::Options& options = commandLine.options();
    QCOMPARE(options.profile ? int(*options.profile) : -1, profile);
    QCOMPARE(options.exportProfile ? int(*options.exportProfile) : -1, exportProfile);
    QCOMPARE(options.exportPath, exportPath);
    QCOMPARE(options.importProfile ? int(*options.importProfile) : -1, importProfile);
    QCOMPARE(options.importPath, importPath);
}

void TestHostCommandLine::refusesArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("mentions");

    QTest::newRow("profileBelowRange") << QStringList{"--profile", "0"} << "\"0\"";
    QTest::newRow("profileAboveRange") << QStringList{"--profile", "6"} << "\"6\"";
    QTest::newRow("profileNotNumber") << QStringList{"--profile", "two"} << "\"two\"";
    QTest::newRow("profileWithoutValue") << QStringList{"--profile"} << "profile";
    QTest::newRow("unknownOption") << QStringList{"--colour"} << "colour";
    QTest::newRow("strayArgument") << QStringList{"profiles.json"} << "profiles.json";
    QTest::newRow("exportWithoutFile") << QStringList{"--export", "2"} << "--export N FILE";
    QTest::newRow("exportProfileAboveRange") << QStringList{"--export", "6", "f.json"} << "\"6\"";
    QTest::newRow("exportTwice")
        << QStringList{"--export", "1", "a.json", "--export", "2", "b.json"} << "more than once";
    QTest::newRow("exportWithEquals") << QStringList{"--export=1", "a.json"} << "--export N FILE";
    QTest::newRow("importWithoutProfile") << QStringList{"--import", "f.json"} << "FILE N";
    QTest::newRow("importProfileSwapped") << QStringList{"--import", "2", "f.json"} << "f.json";
    QTest::newRow("emptyStore") << QStringList{"--store", ""} << "--store";
    QTest::newRow("emptyScreenshot") << QStringList{"--screenshot="} << "--screenshot";
}

void TestHostCommandLine::refusesArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, mentions);

    HostCommandLine commandLine;
    QVERIFY(!commandLine.parse(withProgram(arguments)));
    QVERIFY2(commandLine.error().contains(mentions), qPrintable(commandLine.error()));
    QVERIFY(!commandLine.error().contains(QLatin1Char('\n')));
}

void TestHostCommandLine::badArgumentExitsWithOneLine_data()
{
    QTest::addColumn<QStringList>("arguments");

    const QString store = m_dir.filePath(QStringLiteral("store"));
    const QString notJson = m_dir.filePath(QStringLiteral("not.json"));
    QFile file(notJson);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("profile: 1");
    file.close();
    const QString missingFolder = m_dir.filePath(QStringLiteral("missing/out"));

    QTest::newRow("unknownOption") << QStringList{"--frobnicate"};
    QTest::newRow("profileAboveRange") << QStringList{"--profile", "9", "--store", store};
    QTest::newRow("importMissingFile")
        << QStringList{"--store", store, "--import", m_dir.filePath("absent.json"), "1"};
    QTest::newRow("importNotJson") << QStringList{"--store", store, "--import", notJson, "1"};
    QTest::newRow("storeIsAFile") << QStringList{"--store", notJson};
    QTest::newRow("screenshotIntoMissingFolder")
        << QStringList{"--store", store, "--screenshot", missingFolder + ".png"};
}

void TestHostCommandLine::badArgumentExitsWithOneLine()
{
    QFETCH(QStringList, arguments);

    const Run run = runHost(arguments);

    QCOMPARE(run.exitCode, kUsageExit);
    QVERIFY2(run.errLines.size() == 1, qPrintable(run.errLines.join(QLatin1Char('|'))));
    QVERIFY(run.errLines.first().startsWith(QLatin1String("keylight-host: ")));
}

void TestHostCommandLine::screenshotIsWindowSizedPng()
{
    const QString shot = m_dir.filePath(QStringLiteral("shot.png"));
    const Run run = runHost({QStringLiteral("--store"), m_dir.filePath(QStringLiteral("shots")),
                             QStringLiteral("--profile"), QStringLiteral("2"),
                             QStringLiteral("--screenshot"), shot});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.errLines.isEmpty(), qPrintable(run.errLines.join(QLatin1Char('|'))));

    QFile file(shot);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(8).startsWith("\x89PNG"));
    const QImage image(shot);
    QCOMPARE(image.size(), QSize(HostWindow::kDefaultWidth, HostWindow::kDefaultHeight));
    // Something was drawn: the dark window with its lighter text and purple buttons.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    }
    QVERIFY(colours.size() > 3);
}

void TestHostCommandLine::exportThenImportThroughCommandLine()
{
    const QString store = m_dir.filePath(QStringLiteral("transfer"));
    const QString first = m_dir.filePath(QStringLiteral("p1.json"));
    const QString again = m_dir.filePath(QStringLiteral("p4.json"));

    Run run = runHost({"--store", store, "--export", "1", first});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.errLines.isEmpty());
    run = runHost({"--store", store, "--import", first, "4"});
    QCOMPARE(run.exitCode, 0);
    run = runHost({"--store", store, "--export", "4", again});
    QCOMPARE(run.exitCode, 0);

    QFile a(first);
    QFile b(again);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QJsonObject exported = QJsonDocument::fromJson(a.readAll()).object();
    QJsonObject reexported = QJsonDocument::fromJson(b.readAll()).object();
    QVERIFY(!exported.isEmpty());
    // The profile's own number may travel with it; everything else must be the same.
    exported.remove(QStringLiteral("profile"));
    reexported.remove(QStringLiteral("profile"));
    QCOMPARE(reexported, exported);
}

void TestHostCommandLine::badStoreFileIsSetAsideAndReported()
{
    const QString store = m_dir.filePath(QStringLiteral("broken"));
    QVERIFY(QDir().mkpath(store));
    const QByteArray garbage("{ this is not a profile file");
    QFile file(QDir(store).filePath(QStringLiteral("profiles.json")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(garbage);
    file.close();

    const Run run = runHost({"--store", store, "--screenshot",
                             m_dir.filePath(QStringLiteral("broken.png"))});

    // The host goes on from the defaults and says so in one line.
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.errLines.size(), 1);
    QVERIFY(run.errLines.first().startsWith(QLatin1String("keylight-host: ")));
    const QStringList aside = QDir(store).entryList(QDir::Files).filter(
        QStringLiteral("profiles.json."));
    QCOMPARE(aside.size(), 1);
    QFile kept(QDir(store).filePath(aside.first()));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), garbage);
}

void TestHostCommandLine::helpAndVersion()
{
    Run run = runHost({QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    for (const char* option :
         {"--profile", "--store", "--screenshot", "--export", "--import", "--help", "--version"})
        QVERIFY2(run.out.contains(QLatin1String(option)), option);

    run = runHost({QStringLiteral("--version")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith(QLatin1String("keylight-host ")));
}

QTEST_GUILESS_MAIN(TestHostCommandLine)
#include "tst_hostcommandline.moc"
