#include "platform/profilestore/profilefile.h"
#include "platform/profilestore/profilestore.h"
#include "support/filehelpers.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>
#include <random>

using StoreOp = std::function<void(ProfileStore&)>;
Q_DECLARE_METATYPE(StoreOp)

using FileHelpers::readAll;
using FileHelpers::writeAll;

namespace {
vantor_light light(uchar mode, uchar seed)
{
    vantor_light l;
    for (std::size_t i = 0; i < sizeof l; ++i)
        recordBytes(l)[i] = uchar(seed + 17 * i);
    l.mode = mode;
    return l;
}

std::vector<vantor_light> fourLights(uchar first)
{
    return {light(first, 1), light(17, 2), light(Mode::Count - 1, 3), light(0, 4)};
}

// Any data the store can hold, drawn from a seeded generator.
ProfileData randomProfile(unsigned seed)
{
    std::mt19937 random(seed);
    auto pick = [&](unsigned count) { return uchar(random() % count); };
    auto randomLights = [&](auto& lights) {
        for (vantor_light& l : lights)
            l = light(pick(Mode::Count), pick(256));
    };
    ProfileData data = ProfileData::factoryDefaults();
    data.activeMode = pick(Mode::Count);
    randomLights(data.modeLights);
    randomLights(data.layers);
    randomLights(data.zones);
    for (uchar& b : data.custom.led)
        b = pick(4) == 0 ? 0 : pick(256); // some keys black, which the file leaves out
    data.custom.brightness = pick(256);
    data.currentLayer = pick(kSubModeCount);
    data.currentZone = pick(kSubModeCount);
    for (int led = 0; led < kLedCount; ++led)
        data.filter.zone[pick(kSubModeCount)][led] = 1;
    for (auto& ground : data.customColors) {
        for (custom_color& slot : ground)
            slot = {pick(2), pick(256), pick(256), pick(256), pick(256)};
    }
    return data;
}


// A copy of `node` with the value at `path` ("profiles/2/modes/3/mode") replaced.
QJsonValue withValue(const QJsonValue& node, QStringList path, const QJsonValue& value)
{
    const QString head = path.takeFirst();
    if (node.isArray()) {
        QJsonArray array = node.toArray();
        const int index = head.toInt();
        array[index] = path.isEmpty() ? value : withValue(array.at(index), path, value);
        return array;
    }
    QJsonObject object = node.toObject();
    object[head] = path.isEmpty() ? value : withValue(object.value(head), path, value);
    return object;
}

bool sameStores(ProfileStore& a, ProfileStore& b)
{
    for (int p = 0; p < kProfileCount; ++p) {
        if (a.profile(uchar(p)) != b.profile(uchar(p)))
            return false;
    }
    return a.currentProfile() == b.currentProfile();
}

bool allDefaults(ProfileStore& store)
{
    ProfileStore fresh;
    return sameStores(store, fresh) && store.profile(0) == ProfileData::factoryDefaults();
}
} // namespace

class tst_ProfileStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstOpenCreatesFile();
    void roundTripThroughFile_data();
    void roundTripThroughFile();
    void badFileMovedAside_data();
    void badFileMovedAside();
    void unreadableFileMovedAside();
    void failedWriteKeepsOldFile();
    void exportImport();
    void corpusFiles_data();
    void corpusFiles();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString filePath() const { return m_dir->filePath(QStringLiteral("profiles.json")); }
};

void tst_ProfileStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_ProfileStore::firstOpenCreatesFile()
{
    const QString path = m_dir->filePath(QStringLiteral("not/yet/there/profiles.json"));
    ProfileStore store;
    const ProfileStore::OpenResult first = store.open(path);
    QVERIFY2(first.created && !first.replaced && first.message.isEmpty(),
             qPrintable(first.message));
    QVERIFY(QFileInfo(path).isFile());
    QVERIFY(allDefaults(store));
}

void tst_ProfileStore::roundTripThroughFile_data()
{
    QTest::addColumn<StoreOp>("change");
    QTest::addColumn<int>("profile");
    QTest::addColumn<bool>("leavesDefaults");
    using S = ProfileStore;
    const std::vector<custom_color> oneColour{{1, 215, 82, 255, 200}, {}, {}, {}, {}, {}, {}};

    QTest::newRow("modeParam")
        << StoreOp([](S& s) { s.writeModeParam(2, light(Mode::Count - 1, 12)); }) << 2 << false;
    QTest::newRow("customLedLastKey") << StoreOp([](S& s) {
        vantor_light_custom custom;
        custom.led[3 * (kLedCount - 1) + 2] = 128;
        s.writeCustomLed(1, custom);
    }) << 1 << false;
    QTest::newRow("multilayer") << StoreOp([](S& s) {
        s.writeMultilayerParams(0, fourLights(1));
        s.setCurrentMultilayer(0, kSubModeCount - 1);
    }) << 0 << false;
    QTest::newRow("multizoneWithFilter") << StoreOp([](S& s) {
        vantor_filter filter;
        filter.zone[kSubModeCount - 1][kLedCount - 1] = 1;
        s.writeMultizoneParams(7, fourLights(3), filter);
        s.setCurrentMultizone(7, 2);
    }) << 7 << false;
    QTest::newRow("customColorsBothGrounds") << StoreOp([=](S& s) {
        s.writeCustomColors(3, Ground::Foreground, oneColour);
        s.writeCustomColors(3, Ground::Background, {kCustomColorSlots, {1, 0, 0, 0, 0}});
    }) << 3 << false;
    QTest::newRow("setProfileLast") << StoreOp([](S& s) {
        s.setProfile(kProfileCount - 1, randomProfile(12));
        s.setCurrentProfile(kProfileCount - 1);
    }) << kProfileCount - 1 << false;
    QTest::newRow("resetProfile") << StoreOp([](S& s) {
        s.setProfile(4, randomProfile(4));
        s.resetProfile(4);
    }) << 4 << true;
    // Values the file could not hold are refused, so the next start still finds it valid.
    QTest::newRow("refusedOutOfRange") << StoreOp([=](S& s) {
        s.setCurrentMode(0, Mode::Count);
        s.writeModeParam(0, light(Mode::Count, 1));
        s.setCurrentMultilayer(0, kSubModeCount);
        s.writeCustomColors(0, 2, oneColour);
    }) << 0 << true;
    QTest::newRow("refusedProfile25") << StoreOp([](S& s) {
        s.setCurrentMode(kProfileCount, Mode::Rain);
        s.setCurrentProfile(kProfileCount);
    }) << 0 << true;
}

void tst_ProfileStore::roundTripThroughFile()
{
    QFETCH(StoreOp, change);
    QFETCH(int, profile);
    QFETCH(bool, leavesDefaults);
    ProfileStore writer;
    QVERIFY(writer.open(filePath()).created);
    change(writer);
    QVERIFY2(writer.lastError().isEmpty(), qPrintable(writer.lastError()));
    QVERIFY(writer.currentProfile() < kProfileCount);
    QCOMPARE(writer.profile(uchar(profile)) == ProfileData::factoryDefaults(), leavesDefaults);

    // The change must be on disk already: the writer is still open and never flushed.
    ProfileStore reader;
    const ProfileStore::OpenResult result = reader.open(filePath());
    QVERIFY2(result.message.isEmpty() && !result.created, qPrintable(result.message));
    QVERIFY(sameStores(writer, reader));
}

void tst_ProfileStore::badFileMovedAside_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    const auto contents =
        std::make_unique<ProfileFile::Contents>(ProfileFile::Contents::factoryDefaults());
    const QJsonObject good = QJsonDocument::fromJson(ProfileFile::toJson(*contents)).object();
    auto bad = [&](const char* path, const QJsonValue& value) {
        const QJsonValue changed = withValue(good, QString::fromLatin1(path).split('/'), value);
        return QJsonDocument(changed.toObject()).toJson();
    };

    QTest::newRow("empty") << QByteArray() << "it is empty";
    QTest::newRow("notJson") << QByteArray("{\"version\": 1, \"profiles\": [") << "not valid JSON";
    QTest::newRow("speedIsText") << bad("profiles/0/modes/0/speed", "fast")
                                 << "profiles[0].modes[0].speed should be a whole number";
    QTest::newRow("mode21") << bad("profiles/2/modes/3/mode", 21)
                            << "profiles[2].modes[3].mode is 21, outside 0 to 20";
    QTest::newRow("layerIndex4") << bad("profiles/24/multilayer/current", 4)
                                 << "profiles[24].multilayer.current is 4, outside 0 to 3";
    QJsonArray threeLayers = good["profiles"][0]["multilayer"]["layers"].toArray();
    threeLayers.removeLast();
    QTest::newRow("threeLayers") << bad("profiles/0/multilayer/layers", threeLayers)
                                 << "profiles[0].multilayer.layers has 3 entries instead of 4";
    QTest::newRow("colour256") << bad("profiles/0/modes/0/foreground/brightness", 256)
                               << "profiles[0].modes[0].foreground.brightness is 256";
    QTest::newRow("newerVersion") << bad("version", ProfileFile::kFormatVersion + 1)
                                  << "by a newer version of the program";
}

void tst_ProfileStore::badFileMovedAside()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QVERIFY(writeAll(filePath(), bytes));

    ProfileStore store;
    const ProfileStore::OpenResult result = store.open(filePath());
    const QString& message = result.message;
    QVERIFY2(result.replaced && message.contains(expected) && message.contains(filePath())
                 && message.contains(result.movedAsidePath),
             qPrintable(message));
    QCOMPARE(message.count(QStringLiteral(". ")), 0); // one sentence

    // The bad file lies untouched beside a fresh one.
    const QFileInfo aside(result.movedAsidePath);
    QCOMPARE(aside.absolutePath(), QFileInfo(filePath()).absolutePath());
    QVERIFY(aside.fileName().startsWith(QStringLiteral("profiles.json.bad-")));
    QCOMPARE(readAll(result.movedAsidePath), bytes);
    QVERIFY(allDefaults(store));
    QVERIFY2(ProfileStore().open(filePath()).message.isEmpty(), "the fresh file is not clean");

    // A second bad file within the same second must not land on the first one's name.
    QVERIFY(writeAll(filePath(), "second"));
    const QString secondAside = store.open(filePath()).movedAsidePath;
    QVERIFY(secondAside != result.movedAsidePath);
    QCOMPARE(readAll(secondAside), QByteArray("second"));
    QCOMPARE(readAll(result.movedAsidePath), bytes);
}

void tst_ProfileStore::unreadableFileMovedAside()
{
    // As root every file can be read, but a folder in the file's place cannot.
    const QString inside = QDir(filePath()).filePath(QStringLiteral("inside.txt"));
    QVERIFY(QDir().mkpath(filePath()) && writeAll(inside, "keep me"));

    ProfileStore store;
    const ProfileStore::OpenResult result = store.open(filePath());
    QVERIFY2(result.replaced && result.message.contains(QStringLiteral("cannot be read")),
             qPrintable(result.message));
    QCOMPARE(readAll(QDir(result.movedAsidePath).filePath(QStringLiteral("inside.txt"))),
             QByteArray("keep me"));
    QVERIFY(QFileInfo(filePath()).isFile());
    QVERIFY(allDefaults(store));
}

void tst_ProfileStore::failedWriteKeepsOldFile()
{
    // Tests run as root, where permissions do not stop a write; a file where the folder
    // was does.
    const QString folder = m_dir->filePath(QStringLiteral("config"));
    const QString path = QDir(folder).filePath(QStringLiteral("profiles.json"));
    ProfileStore store;
    QVERIFY(store.open(path).created);
    store.setCurrentMode(1, Mode::Rain);
    const QByteArray old = readAll(path);
    QVERIFY(old.contains("\"RAIN\""));

    const QString keptFolder = folder + QStringLiteral(".kept");
    QVERIFY(QDir().rename(folder, keptFolder) && writeAll(folder, "a file where the folder was"));
    store.setCurrentMode(1, Mode::Breathing);
    QVERIFY2(store.lastError().contains(path), qPrintable(store.lastError()));
    QCOMPARE(readAll(QDir(keptFolder).filePath(QStringLiteral("profiles.json"))), old);
    QCOMPARE(store.currentMode(1), uchar(Mode::Breathing));

    // Once the folder is back, the next write saves everything, the failed change included.
    QVERIFY(QFile::remove(folder) && QDir().rename(keptFolder, folder));
    store.setCurrentMode(2, Mode::Stars);
    QVERIFY2(store.lastError().isEmpty(), qPrintable(store.lastError()));
    ProfileStore reader;
    QVERIFY(reader.open(path).message.isEmpty());
    QCOMPARE(reader.currentMode(1), uchar(Mode::Breathing));
    QCOMPARE(reader.currentMode(2), uchar(Mode::Stars));
}

void tst_ProfileStore::exportImport()
{
    for (const ProfileData& original : {ProfileData::factoryDefaults(), randomProfile(1)}) {
        ProfileStore store;
        store.setProfile(8, original);
        // Through the text of an export file, as a user would carry it to another machine.
        const QByteArray text = ProfileFile::readableText(store.profileToJson(8));
        ProfileData imported = randomProfile(2);
        QString error;
        const QJsonObject json = QJsonDocument::fromJson(text).object();
        QVERIFY2(ProfileStore::profileFromJson(json, imported, &error), qPrintable(error));
        QVERIFY(imported == original);
    }
}

void tst_ProfileStore::corpusFiles_data()
{
    QTest::addColumn<QString>("path");
    // Files named valid-* must load, bad-* must be refused; the fuzzer's own finds
    // carry other names and only must not crash.
    QDirIterator it(QStringLiteral(KEYLIGHT_SOURCE_DIR "/fuzz/corpus/store"), QDir::Files);
    if (!it.hasNext())
        QTest::newRow("noCorpus") << QString();
    while (it.hasNext()) {
        const QString path = it.next();
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }
}

void tst_ProfileStore::corpusFiles()
{
    QFETCH(QString, path);
    QVERIFY2(!path.isEmpty(), "the seed corpus is missing");
    const QString name = QFileInfo(path).fileName();
    const QByteArray bytes = readAll(path);

    // valid-profile-* and bad-profile-* are export files of one profile; the rest are
    // whole store files. Every file goes through both readers, as the fuzzer does.
    auto contents = std::make_unique<ProfileFile::Contents>();
    QString fileReason;
    const bool fileLoaded = ProfileFile::fromJson(bytes, *contents, &fileReason);
    const ProfileData untouched = randomProfile(9);
    ProfileData profile = untouched;
    QString profileReason;
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    const bool profileLoaded = document.isObject()
        && ProfileFile::profileFromJson(document.object(), profile, &profileReason);

    const bool isProfile = name.contains(QStringLiteral("-profile-"));
    const bool loaded = isProfile ? profileLoaded : fileLoaded;
    if (name.startsWith(QStringLiteral("valid-")))
        QVERIFY2(loaded, qPrintable(isProfile ? profileReason : fileReason));
    if (name.startsWith(QStringLiteral("bad-")))
        QVERIFY(!loaded && !(isProfile ? profileReason : fileReason).isEmpty());
    if (!profileLoaded) // a refused import leaves the target as it was
        QVERIFY(profile == untouched);
    if (!fileLoaded)
        return;
    // What was loaded is saved and loaded again unchanged.
    auto again = std::make_unique<ProfileFile::Contents>();
    QVERIFY(ProfileFile::fromJson(ProfileFile::toJson(*contents), *again, &fileReason));
    QCOMPARE(again->currentProfile, contents->currentProfile);
    for (int p = 0; p < kProfileCount; ++p)
        QVERIFY(again->profiles[std::size_t(p)] == contents->profiles[std::size_t(p)]);
}

QTEST_GUILESS_MAIN(tst_ProfileStore)
#include "tst_profilestore.moc"
