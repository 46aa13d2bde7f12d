#include "platform/profilestore/profilefile.h"
#include "platform/profilestore/profilestore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <functional>
#include <memory>
#include <random>

using StoreOp = std::function<void(ProfileStore&)>;
Q_DECLARE_METATYPE(StoreOp)

namespace {
constexpr int kLastProfile = kProfileCount - 1;

vantor_light light(uchar mode, uchar speed, uchar direction, QColor fg, QColor bg)
{
    vantor_light l;
    l.mode = mode;
    l.speed = speed;
    l.direction = direction;
    l.fg_r = uchar(fg.red());
    l.fg_g = uchar(fg.green());
    l.fg_b = uchar(fg.blue());
    l.fg_brightness = uchar(fg.alpha());
    l.bg_r = uchar(bg.red());
    l.bg_g = uchar(bg.green());
    l.bg_b = uchar(bg.blue());
    l.bg_brightness = uchar(bg.alpha());
    return l;
}

std::vector<vantor_light> fourLights(uchar a, uchar b, uchar c, uchar d)
{
    return {light(a, 1, 0, QColor(1, 2, 3, 4), QColor(5, 6, 7, 8)),
            light(b, 2, 2, QColor(255, 0, 0), QColor(0, 255, 0, 9)),
            light(c, 4, 4, QColor(0, 0, 255, 0), QColor(10, 20, 30)),
            light(d, 5, 6, QColor(200, 100, 50, 25), QColor(0, 0, 0, 0))};
}

std::vector<custom_color> colours(std::initializer_list<std::pair<int, QColor>> filled)
{
    std::vector<custom_color> list(kCustomColorSlots);
    for (const auto& [slot, colour] : filled)
        list[std::size_t(slot)] = {1, uchar(colour.red()), uchar(colour.green()),
                                   uchar(colour.blue()), uchar(colour.alpha())};
    return list;
}

// Any data the store can hold, drawn from a seeded generator.
ProfileData randomProfile(unsigned seed)
{
    std::mt19937 random(seed);
    auto byte = [&] { return uchar(random() & 0xFFu); };
    auto randomLight = [&] {
        vantor_light l;
        auto* bytes = recordBytes(l);
        for (std::size_t i = 0; i < sizeof l; ++i)
            bytes[i] = byte();
        l.mode = uchar(random() % Mode::Count);
        return l;
    };
    ProfileData data = ProfileData::factoryDefaults();
    data.activeMode = uchar(random() % Mode::Count);
    for (vantor_light& l : data.modeLights)
        l = randomLight();
    for (uchar& b : data.custom.led)
        b = (random() % 4 == 0) ? 0 : byte(); // some keys black, which the file leaves out
    data.custom.brightness = byte();
    data.currentLayer = uchar(random() % kSubModeCount);
    data.currentZone = uchar(random() % kSubModeCount);
    for (vantor_light& l : data.layers)
        l = randomLight();
    for (vantor_light& l : data.zones)
        l = randomLight();
    for (int led = 0; led < kLedCount; ++led)
        data.filter.zone[random() % kSubModeCount][led] = uchar(random() % 2);
    for (auto& ground : data.customColors) {
        for (custom_color& slot : ground)
            slot = {uchar(random() % 2), byte(), byte(), byte(), byte()};
    }
    return data;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QJsonObject defaultFileJson()
{
    const auto contents = std::make_unique<ProfileFile::Contents>(
        ProfileFile::Contents::factoryDefaults());
    return QJsonDocument::fromJson(ProfileFile::toJson(*contents)).object();
}

// A copy of `node` with the value at `path` ("profiles/2/modes/3/mode") replaced, added
// just past the end of a list, or removed when `value` is undefined.
QJsonValue withValue(const QJsonValue& node, QStringList path, const QJsonValue& value)
{
    const QString head = path.takeFirst();
    bool isIndex = false;
    const int index = head.toInt(&isIndex);
    if (node.isArray() && isIndex) {
        QJsonArray array = node.toArray();
        if (path.isEmpty() && value.isUndefined())
            array.removeAt(index);
        else if (path.isEmpty() && index == array.size())
            array.append(value);
        else
            array[index] = path.isEmpty() ? value : withValue(array.at(index), path, value);
        return array;
    }
    QJsonObject object = node.toObject();
    if (path.isEmpty() && value.isUndefined())
        object.remove(head);
    else
        object[head] = path.isEmpty() ? value : withValue(object.value(head), path, value);
    return object;
}

QJsonArray shortened(const QJsonValue& list)
{
    QJsonArray array = list.toArray();
    array.removeLast();
    return array;
}

bool sameProfiles(ProfileStore& a, ProfileStore& b)
{
    for (int p = 0; p < kProfileCount; ++p) {
        if (a.profile(uchar(p)) != b.profile(uchar(p)))
            return false;
    }
    return a.currentProfile() == b.currentProfile();
}

bool allDefaults(ProfileStore& store)
{
    const ProfileData defaults = ProfileData::factoryDefaults();
    for (int p = 0; p < kProfileCount; ++p) {
        if (store.profile(uchar(p)) != defaults)
            return false;
    }
    return store.currentProfile() == 0;
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
    void secondBadFileGetsItsOwnName();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
    void openWhereNoFolderCanBeMade();
    void memoryOnlyUntilOpened();
    void exportImport_data();
    void exportImport();
    void invalidImportRejected_data();
    void invalidImportRejected();
    void refusedWrites_data();
    void refusedWrites();

    void readModeParamsGivesOrdinaryModesOnly();
    void readModeParamFollowsWrite_data();
    void readModeParamFollowsWrite();
    void subModeReaders_data();
    void subModeReaders();
    void customColorsReadBack_data();
    void customColorsReadBack();
    void unknownProfileLeavesOutRecords_data();
    void unknownProfileLeavesOutRecords();

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
    QVERIFY(first.created);
    QVERIFY(!first.replaced);
    QVERIFY2(first.message.isEmpty(), qPrintable(first.message));
    QCOMPARE(store.filePath(), path);
    QVERIFY(allDefaults(store));

    auto contents = std::make_unique<ProfileFile::Contents>();
    QString reason;
    QVERIFY2(ProfileFile::fromJson(readAll(path), *contents, &reason), qPrintable(reason));

    ProfileStore again;
    const ProfileStore::OpenResult second = again.open(path);
    QVERIFY(!second.created);
    QVERIFY(!second.replaced);
    QVERIFY(second.message.isEmpty());
    QVERIFY(allDefaults(again));
}

void tst_ProfileStore::roundTripThroughFile_data()
{
    QTest::addColumn<StoreOp>("change");
    QTest::addColumn<int>("profile");
    QTest::addColumn<bool>("leavesDefaults");

    QTest::newRow("modeParam") << StoreOp([](ProfileStore& s) {
        vantor_light l = light(9, 5, 6, QColor(12, 34, 56, 78), QColor(200, 0, 255, 1));
        l.fg_flag = 1;
        l.bg_flag = 0;
        l.flag12 = 7;
        s.writeModeParam(2, l);
    }) << 2 << false;
    QTest::newRow("everyModeOfLastProfile") << StoreOp([](ProfileStore& s) {
        for (int mode = 0; mode < Mode::Count; ++mode)
            s.writeModeParam(kLastProfile, light(uchar(mode), uchar(mode % 5 + 1),
                                                 uchar(mode % 4 * 2),
                                                 QColor(mode, 255 - mode, 0, mode * 12),
                                                 QColor(0, mode * 3, 255, 255 - mode)));
    }) << kLastProfile << false;
    QTest::newRow("activeMode") << StoreOp([](ProfileStore& s) {
        s.setCurrentMode(5, Mode::Multilayer);
    }) << 5 << false;
    QTest::newRow("customLedWithBlackKeys") << StoreOp([](ProfileStore& s) {
        vantor_light_custom custom;
        custom.led[0] = 1;
        custom.led[1] = 2;
        custom.led[2] = 3;
        custom.led[3 * 181] = 255;
        custom.led[3 * 181 + 2] = 128;
        custom.brightness = 17;
        s.writeCustomLed(1, custom);
    }) << 1 << false;
    QTest::newRow("customLedAllBlack") << StoreOp([](ProfileStore& s) {
        s.writeCustomLed(0, vantor_light_custom());
    }) << 0 << false;
    QTest::newRow("multilayer") << StoreOp([](ProfileStore& s) {
        s.writeMultilayerParams(0, fourLights(1, 17, 8, 2));
        s.setCurrentMultilayer(0, 3);
    }) << 0 << false;
    QTest::newRow("multizoneWithFilter") << StoreOp([](ProfileStore& s) {
        vantor_filter filter;
        filter.zone[0][0] = 1;
        filter.zone[2][5] = 1;
        filter.zone[3][181] = 1;
        filter.zone[1][100] = 1;
        s.writeMultizoneParams(7, fourLights(0, 3, 17, 13), filter);
        s.setCurrentMultizone(7, 2);
    }) << 7 << false;
    QTest::newRow("customColorsForeground") << StoreOp([](ProfileStore& s) {
        s.writeCustomColors(3, Ground::Foreground,
                            colours({{0, QColor(215, 82, 255, 200)}, {6, QColor(0, 0, 0, 0)}}));
    }) << 3 << false;
    QTest::newRow("customColorsBackground") << StoreOp([](ProfileStore& s) {
        s.writeCustomColors(3, Ground::Background, colours({{3, QColor(255, 255, 255)}}));
    }) << 3 << false;
    QTest::newRow("currentProfile") << StoreOp([](ProfileStore& s) {
        s.setCurrentProfile(kLastProfile);
    }) << 0 << true;
    QTest::newRow("setProfile") << StoreOp([](ProfileStore& s) {
        s.setProfile(12, randomProfile(12));
    }) << 12 << false;
    QTest::newRow("resetProfile") << StoreOp([](ProfileStore& s) {
        s.setProfile(4, randomProfile(4));
        s.resetProfile(4);
    }) << 4 << true;
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
    QCOMPARE(writer.profile(uchar(profile)) == ProfileData::factoryDefaults(), leavesDefaults);

    // The change must be on disk already: the writer is still open and never flushed.
    ProfileStore reader;
    const ProfileStore::OpenResult result = reader.open(filePath());
    QVERIFY2(result.message.isEmpty(), qPrintable(result.message));
    QVERIFY(!result.created);
    QVERIFY(sameProfiles(writer, reader));
}

void tst_ProfileStore::badFileMovedAside_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    const QJsonObject good = defaultFileJson();
    auto bad = [&](const char* path, const QJsonValue& value) {
        const QJsonValue changed = withValue(good, QString::fromLatin1(path).split('/'), value);
        return QJsonDocument(changed.toObject()).toJson();
    };

    QTest::newRow("empty") << QByteArray() << "it is empty";
    QTest::newRow("notJson") << QByteArray("{\"version\": 1, \"profiles\": [") << "not valid JSON";
    QTest::newRow("listAtTop") << QByteArray("[1, 2, 3]") << "list where an object";
    QTest::newRow("speedIsText") << bad("profiles/0/modes/0/speed", "fast")
                                 << "profiles[0].modes[0].speed should be a whole number";
    QTest::newRow("speedIsFraction") << bad("profiles/1/modes/2/speed", 2.5)
                                     << "profiles[1].modes[2].speed is 2.5, not a whole number";
    QTest::newRow("directionNegative") << bad("profiles/1/modes/1/direction", -1)
                                       << "profiles[1].modes[1].direction is -1, outside 0 to 255";
    QTest::newRow("mode21") << bad("profiles/2/modes/3/mode", 21)
                            << "profiles[2].modes[3].mode is 21, outside 0 to 20";
    QTest::newRow("activeMode21") << bad("profiles/0/activeMode/number", 21)
                                  << "profiles[0].activeMode.number is 21, outside 0 to 20";
    QTest::newRow("layerIndex4") << bad("profiles/3/multilayer/current", 4)
                                 << "profiles[3].multilayer.current is 4, outside 0 to 3";
    QTest::newRow("zoneIndex4") << bad("profiles/24/multizone/current", 4)
                                << "profiles[24].multizone.current is 4, outside 0 to 3";
    QTest::newRow("threeLayers")
        << bad("profiles/0/multilayer/layers",
               shortened(good["profiles"][0]["multilayer"]["layers"]))
        << "profiles[0].multilayer.layers has 3 entries instead of 4";
    QTest::newRow("sixCustomColours")
        << bad("profiles/5/customColors/background",
               shortened(good["profiles"][5]["customColors"]["background"]))
        << "profiles[5].customColors.background has 6 entries instead of 7";
    QTest::newRow("twentyModes")
        << bad("profiles/0/modes", shortened(good["profiles"][0]["modes"]))
        << "profiles[0].modes has 20 entries instead of 21";
    QTest::newRow("colour256") << bad("profiles/0/modes/0/foreground/brightness", 256)
                               << "profiles[0].modes[0].foreground.brightness is 256, outside 0 to 255";
    QTest::newRow("colourNotHex") << bad("profiles/0/modes/8/background/color", "#12345g")
                                  << "profiles[0].modes[8].background.color is \"#12345g\"";
    QTest::newRow("colourIsNumber") << bad("profiles/0/custom/leds/3", 255)
                                    << "profiles[0].custom.leds[3] is a number, not a colour";
    QTest::newRow("ledKey182") << bad("profiles/0/custom/leds/182", "#ffffff")
                               << "has the key \"182\", which is not an LED index 0 to 181";
    QTest::newRow("filterLed182") << bad("profiles/6/multizone/filter/1", QJsonArray{4, 182})
                                  << "profiles[6].multizone.filter[1][1] is 182, outside 0 to 181";
    QTest::newRow("customColourSlotIsText")
        << bad("profiles/0/customColors/foreground/2", "red")
        << "profiles[0].customColors.foreground[2] should be an object but is text";
    QTest::newRow("missingModes") << bad("profiles/9/modes", QJsonValue::Undefined)
                                  << "profiles[9] has no \"modes\"";
    QTest::newRow("24profiles") << bad("profiles/24", QJsonValue::Undefined)
                                << "profiles has 24 entries instead of 25";
    QTest::newRow("profilesSwapped") << bad("profiles/3/profile", 4)
                                     << "profiles[3] says it is profile 4";
    QTest::newRow("currentProfile25") << bad("currentProfile", 25)
                                      << "currentProfile is 25, outside 0 to 24";
    QTest::newRow("noVersion") << bad("version", QJsonValue::Undefined)
                               << "the file has no \"version\"";
    QTest::newRow("versionZero") << bad("version", 0) << "version is 0, outside 1 to 1";
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
    QVERIFY(result.replaced);
    QVERIFY(!result.created);
    QVERIFY2(result.message.contains(expected), qPrintable(result.message));
    QVERIFY2(result.message.contains(filePath()), qPrintable(result.message));
    QVERIFY2(result.message.contains(result.movedAsidePath), qPrintable(result.message));
    QCOMPARE(result.message.count(QStringLiteral(". ")), 0); // one sentence

    // The bad file lies untouched beside a fresh one.
    const QFileInfo aside(result.movedAsidePath);
    QCOMPARE(aside.absolutePath(), QFileInfo(filePath()).absolutePath());
    QVERIFY(aside.fileName().startsWith(QStringLiteral("profiles.json.bad-")));
    QCOMPARE(readAll(result.movedAsidePath), bytes);
    QVERIFY(allDefaults(store));
    QVERIFY(store.lastError().isEmpty());

    ProfileStore reopened;
    const ProfileStore::OpenResult again = reopened.open(filePath());
    QVERIFY2(again.message.isEmpty(), qPrintable(again.message));
    QVERIFY(!again.replaced);
}

void tst_ProfileStore::unreadableFileMovedAside()
{
    // As root every file can be read, but a folder in the file's place cannot.
    QVERIFY(QDir().mkpath(filePath()));
    QVERIFY(writeAll(QDir(filePath()).filePath(QStringLiteral("inside.txt")), "keep me"));

    ProfileStore store;
    const ProfileStore::OpenResult result = store.open(filePath());
    QVERIFY(result.replaced);
    QVERIFY2(result.message.contains(QStringLiteral("cannot be read")),
             qPrintable(result.message));
    QCOMPARE(readAll(QDir(result.movedAsidePath).filePath(QStringLiteral("inside.txt"))),
             QByteArray("keep me"));
    QVERIFY(QFileInfo(filePath()).isFile());
    QVERIFY(allDefaults(store));
}

void tst_ProfileStore::secondBadFileGetsItsOwnName()
{
    // Two bad files found within the same second must not land on one name.
    QVERIFY(writeAll(filePath(), "first"));
    ProfileStore store;
    const QString firstAside = store.open(filePath()).movedAsidePath;
    QVERIFY(writeAll(filePath(), "second"));
    const QString secondAside = store.open(filePath()).movedAsidePath;
    QVERIFY(!firstAside.isEmpty());
    QVERIFY(firstAside != secondAside);
    QCOMPARE(readAll(firstAside), QByteArray("first"));
    QCOMPARE(readAll(secondAside), QByteArray("second"));
}

void tst_ProfileStore::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<bool>("replaceFolderByFile");

    // Tests run as root, where permissions do not stop a write; these two ways do.
    QTest::newRow("folderReplacedByFile") << true;
    QTest::newRow("nameTooLongForTemporaryFile") << false;
}

void tst_ProfileStore::failedWriteKeepsOldFile()
{
    QFETCH(bool, replaceFolderByFile);
    const QString folder = m_dir->filePath(QStringLiteral("config"));
    // The temporary file beside it gets a suffix, which pushes its name over the limit.
    const QString name = replaceFolderByFile ? QStringLiteral("profiles.json")
                                             : QString(250, QLatin1Char('p'));
    const QString path = QDir(folder).filePath(name);
    QVERIFY(QDir().mkpath(folder));
    {
        auto contents = std::make_unique<ProfileFile::Contents>(
            ProfileFile::Contents::factoryDefaults());
        QVERIFY(writeAll(path, ProfileFile::toJson(*contents)));
    }

    ProfileStore store;
    QVERIFY(store.open(path).message.isEmpty());
    store.setCurrentMode(1, Mode::Rain);
    const QByteArray old = readAll(path);
    QVERIFY(old.contains("\"RAIN\""));

    const QString keptFolder = folder + QStringLiteral(".kept");
    if (replaceFolderByFile) {
        QVERIFY(QDir().rename(folder, keptFolder));
        QVERIFY(writeAll(folder, "a file where the folder was"));
    }
    store.setCurrentMode(1, Mode::Breathing);
    QVERIFY(!store.lastError().isEmpty());
    QVERIFY2(store.lastError().contains(path), qPrintable(store.lastError()));
    QCOMPARE(readAll(replaceFolderByFile ? QDir(keptFolder).filePath(name) : path), old);
    QCOMPARE(store.currentMode(1), uchar(Mode::Breathing));

    if (!replaceFolderByFile)
        return;
    // Once the folder is back, the next write saves everything, the failed change included.
    QVERIFY(QFile::remove(folder));
    QVERIFY(QDir().rename(keptFolder, folder));
    store.setCurrentMode(2, Mode::Stars);
    QVERIFY2(store.lastError().isEmpty(), qPrintable(store.lastError()));
    ProfileStore reader;
    QVERIFY(reader.open(path).message.isEmpty());
    QCOMPARE(reader.currentMode(1), uchar(Mode::Breathing));
    QCOMPARE(reader.currentMode(2), uchar(Mode::Stars));
}

void tst_ProfileStore::openWhereNoFolderCanBeMade()
{
    const QString blocker = m_dir->filePath(QStringLiteral("plain-file"));
    QVERIFY(writeAll(blocker, "not a folder"));
    const QString path = QDir(blocker).filePath(QStringLiteral("profiles.json"));

    ProfileStore store;
    const ProfileStore::OpenResult result = store.open(path);
    QVERIFY(!result.created);
    QVERIFY(!result.replaced);
    QVERIFY2(result.message.contains(path), qPrintable(result.message));
    QCOMPARE(store.lastError(), result.message);
    QCOMPARE(readAll(blocker), QByteArray("not a folder"));

    // The store goes on in memory.
    store.setCurrentMode(0, Mode::Ripple);
    QCOMPARE(store.currentMode(0), uchar(Mode::Ripple));
}

void tst_ProfileStore::memoryOnlyUntilOpened()
{
    QStandardPaths::setTestModeEnabled(true);
    const QString userFile = ProfileStore::defaultFilePath();
    QVERIFY(!userFile.isEmpty());
    QFile::remove(userFile);

    ProfileStore store;
    store.setCurrentProfile(3);
    store.setCurrentMode(3, Mode::Fireball);
    store.writeCustomColors(3, Ground::Foreground, colours({{1, QColor(1, 2, 3)}}));
    QVERIFY(store.filePath().isEmpty());
    QVERIFY(store.lastError().isEmpty());
    QVERIFY(!QFileInfo::exists(userFile));
    QCOMPARE(store.currentMode(3), uchar(Mode::Fireball));
    QStandardPaths::setTestModeEnabled(false);
}

void tst_ProfileStore::exportImport_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("factory") << 0u;
    for (unsigned seed = 1; seed <= 5; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("random%1").arg(seed))) << seed;
}

void tst_ProfileStore::exportImport()
{
    QFETCH(unsigned, seed);
    const ProfileData original = seed ? randomProfile(seed) : ProfileData::factoryDefaults();
    ProfileStore store;
    store.setProfile(8, original);
    QVERIFY(store.profile(8) == original);

    // Through the text of an export file, as a user would carry it to another machine.
    const QByteArray text = ProfileFile::readableText(store.profileToJson(8));
    const QJsonDocument document = QJsonDocument::fromJson(text);
    QVERIFY(document.isObject());

    ProfileData imported = randomProfile(seed + 100);
    QString error;
    QVERIFY2(ProfileStore::profileFromJson(document.object(), imported, &error),
             qPrintable(error));
    QVERIFY(error.isEmpty());
    QVERIFY(imported == original);

    store.setProfile(20, imported);
    QVERIFY(store.profile(20) == original);
}

void tst_ProfileStore::invalidImportRejected_data()
{
    QTest::addColumn<QJsonObject>("json");
    QTest::addColumn<QString>("expected");

    ProfileStore store;
    const QJsonObject good = store.profileToJson(0);
    auto bad = [&](const char* path, const QJsonValue& value) {
        return withValue(good, QString::fromLatin1(path).split('/'), value).toObject();
    };
    QTest::newRow("empty") << QJsonObject() << "profile has no \"version\"";
    QTest::newRow("newerVersion") << bad("version", ProfileFile::kFormatVersion + 1)
                                  << "newer version";
    QTest::newRow("mode21") << bad("modes/4/mode", 21) << "profile.modes[4].mode is 21";
    QTest::newRow("layerIndex4") << bad("multilayer/current", 4)
                                 << "profile.multilayer.current is 4";
    QTest::newRow("colour256") << bad("custom/brightness", 256)
                               << "profile.custom.brightness is 256";
    QTest::newRow("fiveZones")
        << bad("multizone/zones/4", good["multizone"]["zones"][0]) << "has 5 entries instead of 4";
    QTest::newRow("profile25") << bad("profile", 25) << "profile.profile is 25";
}

void tst_ProfileStore::invalidImportRejected()
{
    QFETCH(QJsonObject, json);
    QFETCH(QString, expected);
    const ProfileData sentinel = randomProfile(77);
    ProfileData out = sentinel;
    QString error;
    QVERIFY(!ProfileStore::profileFromJson(json, out, &error));
    QVERIFY2(error.startsWith(QStringLiteral("The profile could not be imported because ")),
             qPrintable(error));
    QVERIFY2(error.contains(expected), qPrintable(error));
    QVERIFY(error.endsWith(QLatin1Char('.')));
    QVERIFY(out == sentinel);
}

void tst_ProfileStore::refusedWrites_data()
{
    QTest::addColumn<StoreOp>("change");
    QTest::addColumn<bool>("reportsError");

    QTest::newRow("mode21") << StoreOp([](ProfileStore& s) { s.setCurrentMode(0, 21); })
                            << false;
    QTest::newRow("modeRecord21") << StoreOp([](ProfileStore& s) {
        s.writeModeParam(0, light(21, 3, 0, Qt::red, Qt::blue));
    }) << false;
    QTest::newRow("layerIndex4") << StoreOp([](ProfileStore& s) { s.setCurrentMultilayer(0, 4); })
                                 << false;
    QTest::newRow("zoneIndex4") << StoreOp([](ProfileStore& s) { s.setCurrentMultizone(0, 4); })
                                << false;
    QTest::newRow("threeLayers") << StoreOp([](ProfileStore& s) {
        auto layers = fourLights(1, 2, 3, 5);
        layers.pop_back();
        s.writeMultilayerParams(0, layers);
    }) << false;
    QTest::newRow("fiveZones") << StoreOp([](ProfileStore& s) {
        auto zones = fourLights(1, 2, 3, 5);
        zones.push_back(zones.front());
        s.writeMultizoneParams(0, zones, vantor_filter());
    }) << false;
    QTest::newRow("sixCustomColours") << StoreOp([](ProfileStore& s) {
        auto list = colours({{0, Qt::red}});
        list.pop_back();
        s.writeCustomColors(0, Ground::Foreground, list);
    }) << false;
    QTest::newRow("ground2") << StoreOp([](ProfileStore& s) {
        s.writeCustomColors(0, 2, colours({{0, Qt::red}}));
    }) << false;
    QTest::newRow("profile25") << StoreOp([](ProfileStore& s) {
        s.setCurrentMode(kProfileCount, Mode::Rain);
        s.setCurrentProfile(kProfileCount);
        s.resetProfile(kProfileCount);
    }) << false;
    QTest::newRow("setProfileLayerIndex4") << StoreOp([](ProfileStore& s) {
        ProfileData data = randomProfile(3);
        data.currentLayer = 4;
        s.setProfile(0, data);
    }) << true;
    QTest::newRow("setProfileZoneMode30") << StoreOp([](ProfileStore& s) {
        ProfileData data = randomProfile(4);
        data.zones[2].mode = 30;
        s.setProfile(0, data);
    }) << true;
}

void tst_ProfileStore::refusedWrites()
{
    QFETCH(StoreOp, change);
    QFETCH(bool, reportsError);
    ProfileStore store;
    QVERIFY(store.open(filePath()).created);
    const QByteArray before = readAll(filePath());

    change(store);
    QVERIFY(allDefaults(store));
    QCOMPARE(readAll(filePath()), before);
    QCOMPARE(!store.lastError().isEmpty(), reportsError);
}

void tst_ProfileStore::readModeParamsGivesOrdinaryModesOnly()
{
    ProfileStore store;
    store.writeModeParam(6, light(Mode::Breathing, 5, 0, QColor(9, 8, 7, 6), Qt::black));
    std::vector<vantor_light> lights;
    store.readModeParams(6, lights);

    QList<int> modes;
    for (const vantor_light& l : lights) {
        QVERIFY2(ModeCatalogue::isOrdinary(l.mode), qPrintable(QString::number(l.mode)));
        QVERIFY(!modes.contains(l.mode));
        modes.append(l.mode);
        if (l.mode == Mode::Breathing) {
            QCOMPARE(int(l.speed), 5);
            QCOMPARE(int(l.fg_r), 9);
            QCOMPARE(int(l.fg_brightness), 6);
        }
    }
    QCOMPARE(modes.size(), 18);
    QVERIFY(modes.contains(Mode::Breathing));
}

void tst_ProfileStore::readModeParamFollowsWrite_data()
{
    QTest::addColumn<int>("mode");
    for (int mode = 0; mode < Mode::Count; ++mode)
        QTest::newRow(ModeCatalogue::info(mode).name) << mode;
}

void tst_ProfileStore::readModeParamFollowsWrite()
{
    QFETCH(int, mode);
    ProfileStore store;
    const vantor_light written = light(uchar(mode), 4, 2, QColor(mode, 1, 2, 3), QColor(4, 5, 6));
    store.writeModeParam(11, written);

    vantor_light read;
    store.readModeParam(11, uchar(mode), read);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(&read), sizeof read),
             QByteArray(reinterpret_cast<const char*>(&written), sizeof written));
    // Other profiles and other modes keep their own records.
    vantor_light other;
    store.readModeParam(10, uchar(mode), other);
    QCOMPARE(int(other.fg_r), 255);
    store.readModeParam(11, uchar((mode + 1) % Mode::Count), other);
    QCOMPARE(int(other.mode), (mode + 1) % Mode::Count);
    QCOMPARE(int(other.speed), 3);
}

void tst_ProfileStore::subModeReaders_data()
{
    QTest::addColumn<bool>("zones");
    QTest::addColumn<int>("current");
    QTest::newRow("layersFirst") << false << 0;
    QTest::newRow("layersLast") << false << 3;
    QTest::newRow("zonesFirst") << true << 0;
    QTest::newRow("zonesLast") << true << 3;
}

void tst_ProfileStore::subModeReaders()
{
    QFETCH(bool, zones);
    QFETCH(int, current);
    constexpr uchar kProfile = 9;
    const std::vector<vantor_light> written = fourLights(12, 17, 6, 1);
    vantor_filter filter;
    filter.zone[2][5] = 1;
    filter.zone[3][181] = 1;

    ProfileStore store;
    if (zones) {
        store.writeMultizoneParams(kProfile, written, filter);
        store.setCurrentMultizone(kProfile, uchar(current));
    } else {
        store.writeMultilayerParams(kProfile, written);
        store.setCurrentMultilayer(kProfile, uchar(current));
    }

    uchar index = 99;
    std::vector<uchar> modes;
    std::vector<vantor_light> lights;
    vantor_light one;
    if (zones) {
        store.readMultizoneModes(kProfile, index, modes);
        vantor_filter read;
        std::memset(&read, 0xAA, sizeof read); // the caller does not clear it first
        store.readMultizoneParams(kProfile, lights, read);
        QVERIFY(std::memcmp(&read, &filter, sizeof read) == 0);
        QCOMPARE(int(store.currentMultizone(kProfile)), current);
        store.readMultizoneParam(kProfile, one);
    } else {
        store.readMultilayerModes(kProfile, index, modes);
        store.readMultilayerParams(kProfile, lights);
        QCOMPARE(int(store.currentMultilayer(kProfile)), current);
        store.readMultilayerParam(kProfile, one);
    }
    QCOMPARE(int(index), current);
    QCOMPARE(modes, (std::vector<uchar>{12, 17, 6, 1}));
    QCOMPARE(lights.size(), std::size_t(kSubModeCount));
    QVERIFY(std::memcmp(lights.data(), written.data(), sizeof(vantor_light) * 4) == 0);
    QVERIFY(std::memcmp(&one, &written[std::size_t(current)], sizeof one) == 0);

    // The other list is untouched: one layer or zone of STATIC, three empty.
    std::vector<uchar> otherModes;
    if (zones)
        store.readMultilayerModes(kProfile, index, otherModes);
    else
        store.readMultizoneModes(kProfile, index, otherModes);
    QCOMPARE(otherModes, (std::vector<uchar>{0, 17, 17, 17}));
}

void tst_ProfileStore::customColorsReadBack_data()
{
    QTest::addColumn<int>("ground");
    QTest::newRow("foreground") << int(Ground::Foreground);
    QTest::newRow("background") << int(Ground::Background);
}

void tst_ProfileStore::customColorsReadBack()
{
    QFETCH(int, ground);
    ProfileStore store;
    std::vector<custom_color> empty;
    store.readCustomColors(2, ground, empty);
    QCOMPARE(empty.size(), std::size_t(kCustomColorSlots));
    for (const custom_color& slot : empty)
        QCOMPARE(int(slot.flag), 0);

    const auto written = colours({{0, QColor(215, 82, 255, 128)}, {6, QColor(1, 2, 3, 4)}});
    store.writeCustomColors(2, ground, written);
    std::vector<custom_color> read;
    store.readCustomColors(2, ground, read);
    QCOMPARE(read.size(), written.size());
    QVERIFY(std::memcmp(read.data(), written.data(), sizeof(custom_color) * read.size()) == 0);

    std::vector<custom_color> otherGround;
    store.readCustomColors(2, 1 - ground, otherGround);
    QCOMPARE(int(otherGround[0].flag), 0);
}

void tst_ProfileStore::unknownProfileLeavesOutRecords_data()
{
    QTest::addColumn<int>("profile");
    QTest::newRow("firstBeyond") << kProfileCount;
    QTest::newRow("largest") << 255;
}

void tst_ProfileStore::unknownProfileLeavesOutRecords()
{
    QFETCH(int, profile);
    const uchar p = uchar(profile);
    ProfileStore store;
    const vantor_light sentinel = light(13, 1, 4, QColor(1, 1, 1, 1), QColor(2, 2, 2, 2));
    vantor_light l = sentinel;
    store.readModeParam(p, 0, l);
    store.readMultilayerParam(p, l);
    store.readMultizoneParam(p, l);
    QVERIFY(std::memcmp(&l, &sentinel, sizeof l) == 0);

    std::vector<vantor_light> lights;
    store.readModeParams(p, lights);
    store.readMultilayerParams(p, lights);
    vantor_filter filter;
    filter.zone[1][1] = 9;
    store.readMultizoneParams(p, lights, filter);
    QVERIFY(lights.empty());
    QCOMPARE(int(filter.zone[1][1]), 9);

    vantor_light_custom custom;
    custom.brightness = 42;
    store.readCustomLed(p, custom);
    QCOMPARE(int(custom.brightness), 42);

    uchar index = 7;
    std::vector<uchar> modes;
    store.readMultilayerModes(p, index, modes);
    store.readMultizoneModes(p, index, modes);
    QCOMPARE(int(index), 7);
    QVERIFY(modes.empty());
    std::vector<custom_color> list;
    store.readCustomColors(p, Ground::Foreground, list);
    QVERIFY(list.empty());
}

void tst_ProfileStore::corpusFiles_data()
{
    QTest::addColumn<QString>("path");
    // Files named valid-* must load, bad-* must be refused; the fuzzer's own finds
    // carry other names and only must not crash.
    const QString folder = QStringLiteral(KEYLIGHT_SOURCE_DIR "/fuzz/corpus/store");
    QDirIterator it(folder, QDir::Files);
    int count = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
        ++count;
    }
    if (count == 0)
        QTest::newRow("noCorpus") << QString();
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
    ProfileData profile;
    QString profileReason;
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    const bool profileLoaded = document.isObject()
        && ProfileFile::profileFromJson(document.object(), profile, &profileReason);

    const bool isProfile = name.contains(QStringLiteral("-profile-"));
    const bool loaded = isProfile ? profileLoaded : fileLoaded;
    const QString reason = isProfile ? profileReason : fileReason;
    if (name.startsWith(QStringLiteral("valid-")))
        QVERIFY2(loaded, qPrintable(reason));
    if (name.startsWith(QStringLiteral("bad-")))
        QVERIFY(!loaded);
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
