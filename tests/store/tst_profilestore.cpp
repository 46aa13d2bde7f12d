// SPDX-License-Identifier: MIT
#include "keylight/keytable.h"
#include "platform/profilestore/profilefile.h"
#include "platform/profilestore/profilestore.h"
#include "support/filehelpers.h"

#include <QColor>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>
#include <random>

using StoreOp = std::function<void(ProfileStore&)>;
Q_DECLARE_METATYPE(StoreOp)
Q_DECLARE_METATYPE(ProfileData)

using Access = ProfileStore::Access;
using FileHelpers::readAll;
using FileHelpers::writeAll;

namespace {
// Short, so the tests do not wait long; the host's own figures are longer.
constexpr int kQuietMs = 20;
constexpr int kLongestMs = 50;

vantor_light light(uchar mode, uchar seed)
{
    vantor_light l;
    for (std::size_t i = 0; i < sizeof l; ++i)
        recordBytes(l)[i] = uchar(seed + 17 * i);
    l.mode = mode;
    l.speed = uchar(RecordLimits::kSpeedMin + seed % RecordLimits::kSpeedMax);
    l.direction = uchar(RecordLimits::kDirections[seed % RecordLimits::kDirections.size()]);
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
    // Quotes, a backslash and letters beyond ASCII, which the file must escape or encode.
    data.name = pick(3) == 0 ? QString()
                             : QStringLiteral("B\u00fcro \"%1\" \\ night").arg(seed);
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

// A file's worth of profiles that differ from the factory settings, current profile 3.
ProfileFile::Contents goodContents()
{
    ProfileFile::Contents contents = ProfileFile::Contents::factoryDefaults();
    for (int p = 0; p < kProfileCount; ++p)
        contents.profiles[std::size_t(p)] = randomProfile(unsigned(p) + 100);
    contents.currentProfile = 3;
    return contents;
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
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void roundTripThroughFile_data()
    {
        QTest::addColumn<StoreOp>("change");
        QTest::addColumn<int>("profile");
        QTest::addColumn<bool>("leavesDefaults");
        using S = ProfileStore;
        const std::vector<custom_color> oneColour{{1, 215, 82, 255, 200}, {}, {}, {}, {}, {}, {}};

        // Every writer on one profile: the last key, the last zone, both grounds.
        QTest::newRow("everyWriter") << StoreOp([=](S& s) {
            vantor_light_custom custom;
            custom.led[3 * (kLedCount - 1) + 2] = 128;
            vantor_filter filter;
            filter.zone[kSubModeCount - 1][kLedCount - 1] = 1;
            s.writeModeParam(7, light(Mode::Count - 1, 12));
            s.writeCustomLed(7, custom);
            s.writeMultilayerParams(7, fourLights(1));
            s.setCurrentMultilayer(7, kSubModeCount - 1);
            s.writeMultizoneParams(7, fourLights(3), filter);
            s.setCurrentMultizone(7, 2);
            s.writeCustomColors(7, Ground::Foreground, oneColour);
            s.writeCustomColors(7, Ground::Background, {kCustomColorSlots, {1, 0, 0, 0, 0}});
        }) << 7 << false;
        QTest::newRow("setProfileLast") << StoreOp([](S& s) {
            s.setProfile(kProfileCount - 1, randomProfile(12));
            s.setCurrentProfile(kProfileCount - 1);
        }) << kProfileCount - 1 << false;
        QTest::newRow("resetProfile") << StoreOp([](S& s) {
            ProfileData unnamed = randomProfile(4);
            unnamed.name.clear(); // a reset keeps the name
            s.setProfile(4, unnamed);
            s.resetProfile(4);
        }) << 4 << true;
        // Values the file could not hold are refused, each of them, so the next start still
        // finds the file valid.
        QTest::newRow("refused") << StoreOp([=](S& s) {
            vantor_light tooFast = light(Mode::Stars, 3);
            tooFast.speed = RecordLimits::kSpeedMax + 1;
            vantor_light diagonal = light(Mode::Stars, 3);
            diagonal.direction = Direction::Up + 1;
            std::vector<vantor_light> layers = fourLights(1);
            layers[3].speed = RecordLimits::kSpeedMin - 1;
            s.setCurrentMode(0, Mode::Count);
            s.writeModeParam(0, light(Mode::Count, 1));
            s.writeModeParam(0, tooFast);
            s.writeModeParam(0, diagonal);
            s.setCurrentMultilayer(0, kSubModeCount);
            s.writeMultilayerParams(0, layers);
            s.writeMultizoneParams(0, layers, vantor_filter());
            s.writeCustomColors(0, 2, oneColour);
            s.setCurrentMode(kProfileCount, Mode::Rain);
            s.setCurrentProfile(kProfileCount);
        }) << 0 << true;
    }

    void roundTripThroughFile()
    {
        QFETCH(StoreOp, change);
        QFETCH(int, profile);
        QFETCH(bool, leavesDefaults);
        // The first open makes the folders and a file of factory settings.
        const QString path = m_dir->filePath(QStringLiteral("not/yet/there/profiles.json"));
        ProfileStore writer;
        const ProfileStore::OpenResult first = writer.open(path);
        QVERIFY2(first.created && !first.replaced && first.message.isEmpty(),
                 qPrintable(first.message));
        QVERIFY(allDefaults(writer));
        change(writer);
        QVERIFY2(writer.lastError().isEmpty(), qPrintable(writer.lastError()));
        QVERIFY(writer.currentProfile() < kProfileCount);
        QCOMPARE(writer.profile(uchar(profile)) == ProfileData::factoryDefaults(), leavesDefaults);

        // The change must be on disk already: the writer is still open and never flushed.
        ProfileStore reader;
        const ProfileStore::OpenResult result = reader.open(path, Access::ReadOnly);
        QVERIFY2(result.message.isEmpty() && !result.created, qPrintable(result.message));
        QVERIFY(sameStores(writer, reader));
    }

    void badFileKeepsWhatIsGood_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("lastGoodCopy"); // empty: there is none
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QVector<int>>("reset");    // profiles that go back to the factory
        QTest::addColumn<bool>("keptGood");         // false: the factory settings throughout
        const QByteArray goodText = ProfileFile::toJson(goodContents());
        const QJsonObject good = QJsonDocument::fromJson(goodText).object();
        auto bad = [&](const char* path, const QJsonValue& value) {
            const QStringList steps = QString::fromLatin1(path).split('/');
            const QJsonValue changed = withValue(good, steps, value);
            return QJsonDocument(changed.toObject()).toJson();
        };
        const QByteArray none;

        // A file that does not parse as a whole: the last good copy, or the factory settings.
        QTest::newRow("empty") << QByteArray() << none << "it is empty" << QVector<int>{} << false;
        const QByteArray cut = goodText.left(goodText.size() / 2);
        QTest::newRow("notJsonCopyGood") << cut << goodText << "not valid JSON" << QVector<int>{}
                                         << true;
        QTest::newRow("notJsonCopyBad") << cut << cut << "not valid JSON" << QVector<int>{}
                                        << false;
        QTest::newRow("newerVersion") << bad("version", ProfileFile::kFormatVersion + 1) << none
                                      << "by a newer version of the program" << QVector<int>{}
                                      << false;
        // A bad value costs its own profile only.
        QTest::newRow("speedIsText") << bad("profiles/0/modes/0/speed", "fast") << none
                                     << "profiles[0].modes[0].speed should be a whole number"
                                     << QVector<int>{0} << true;
        QTest::newRow("mode21") << bad("profiles/2/modes/3/mode", 21) << goodText
                                << "profile 3 went back to the factory settings because "
                                   "profiles[2].modes[3].mode is 21, outside 0 to 20"
                                << QVector<int>{2} << true;
        QTest::newRow("speed200") << bad("profiles/1/modes/2/speed", 200) << none
                                  << "profiles[1].modes[2].speed is 200, outside 1 to 5"
                                  << QVector<int>{1} << true;
        QTest::newRow("direction77") << bad("profiles/4/multizone/zones/1/direction", 77) << none
                                     << "zones[1].direction is 77, not one of 0, 2, 4 or 6"
                                     << QVector<int>{4} << true;
        QJsonArray threeLayers = good["profiles"][0]["multilayer"]["layers"].toArray();
        threeLayers.removeLast();
        const QJsonObject layerBad = QJsonDocument::fromJson(bad("profiles/24/multilayer/current",
                                                                 4)).object();
        const QJsonValue twoBad =
            withValue(layerBad, {"profiles", "0", "multilayer", "layers"}, threeLayers);
        QTest::newRow("twoProfiles") << QJsonDocument(twoBad.toObject()).toJson() << none
                                     << "profiles 1 and 25 went back"
                                     << QVector<int>{0, kProfileCount - 1} << true;
    }

    void badFileKeepsWhatIsGood()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, lastGoodCopy);
        QFETCH(QString, expected);
        QFETCH(QVector<int>, reset);
        QFETCH(bool, keptGood);
        QVERIFY(writeAll(filePath(), bytes));
        if (!lastGoodCopy.isEmpty())
            QVERIFY(writeAll(ProfileStore::lastGoodCopyPath(filePath()), lastGoodCopy));

        ProfileStore store;
        const ProfileStore::OpenResult result = store.open(filePath());
        const QString& message = result.message;
        QVERIFY2(result.replaced && message.contains(expected) && message.contains(filePath())
                     && message.contains(result.movedAsidePath),
                 qPrintable(message));
        QCOMPARE(message.count(QStringLiteral(". ")), 0); // one sentence
        QCOMPARE(result.resetProfiles, std::vector<int>(reset.begin(), reset.end()));
        QCOMPARE(result.restoredFromCopy, keptGood && reset.isEmpty());
        const auto good = std::make_unique<ProfileFile::Contents>(goodContents());
        for (int p = 0; p < kProfileCount; ++p) {
            const bool kept = keptGood && !reset.contains(p);
            QVERIFY2(store.profile(uchar(p))
                         == (kept ? good->profiles[std::size_t(p)]
                                  : ProfileData::factoryDefaults()),
                     qPrintable(QString::number(p)));
        }

        // The bad file lies untouched beside a fresh one.
        const QFileInfo aside(result.movedAsidePath);
        QCOMPARE(aside.absolutePath(), QFileInfo(filePath()).absolutePath());
        QVERIFY(aside.fileName().startsWith(QStringLiteral("profiles.json.bad-")));
        QCOMPARE(readAll(result.movedAsidePath), bytes);
        store.close();
        QVERIFY2(ProfileStore().open(filePath()).message.isEmpty(), "the fresh file is not clean");

        // A second bad file within the same second must not land on the first one's name.
        QVERIFY(writeAll(filePath(), "second"));
        const QString secondAside = store.open(filePath()).movedAsidePath;
        QVERIFY(secondAside != result.movedAsidePath);
        QCOMPARE(readAll(secondAside), QByteArray("second"));
        QCOMPARE(readAll(result.movedAsidePath), bytes);
    }

    void unreadableFileMovedAside()
    {
        // As root every file can be read, but a folder in the file's place cannot.
        const QString inside = QDir(filePath()).filePath(QStringLiteral("inside.txt"));
        QVERIFY(QDir().mkpath(filePath()) && writeAll(inside, "keep me"));

        ProfileStore store;
        const ProfileStore::OpenResult result = store.open(filePath());
        QVERIFY2(result.replaced && result.message.contains(QStringLiteral("is a folder")),
                 qPrintable(result.message));
        QCOMPARE(readAll(QDir(result.movedAsidePath).filePath(QStringLiteral("inside.txt"))),
                 QByteArray("keep me"));
        QVERIFY(QFileInfo(filePath()).isFile());
        QVERIFY(allDefaults(store));
    }

    void failedWriteKeepsOldFile_data()
    {
        QTest::addColumn<bool>("deferred");
        QTest::newRow("savedAtOnce") << false;
        QTest::newRow("savedInBackground") << true;
    }

    void failedWriteKeepsOldFile()
    {
        QFETCH(bool, deferred);
        // Tests run as root, where permissions do not stop a write; a file where the folder
        // was does.
        const QString folder = m_dir->filePath(QStringLiteral("config"));
        const QString path = QDir(folder).filePath(QStringLiteral("profiles.json"));
        ProfileStore store;
        QVERIFY(store.open(path).created);
        int saves = 0;
        store.setSaveListener([&saves] { ++saves; });
        if (deferred)
            store.setDeferredSaving(kQuietMs, kLongestMs);
        const auto change = [&](uchar profile, uchar mode) {
            const int before = saves;
            store.setCurrentMode(profile, mode);
            QTRY_VERIFY(saves > before);
        };
        change(1, Mode::Rain);
        const QByteArray old = readAll(path);
        QVERIFY(old.contains("\"RAIN\""));

        const QString keptFolder = folder + QStringLiteral(".kept");
        QVERIFY(QDir().rename(folder, keptFolder)
                && writeAll(folder, "a file where the folder was"));
        change(1, Mode::Breathing);
        QVERIFY2(store.lastError().contains(path), qPrintable(store.lastError()));
        QVERIFY(store.hasUnsavedChanges());
        QCOMPARE(readAll(QDir(keptFolder).filePath(QStringLiteral("profiles.json"))), old);
        QCOMPARE(store.currentMode(1), uchar(Mode::Breathing));

        // Once the folder is back, the next write saves everything, the failed change included.
        QVERIFY(QFile::remove(folder) && QDir().rename(keptFolder, folder));
        change(2, Mode::Stars);
        QVERIFY2(store.lastError().isEmpty(), qPrintable(store.lastError()));
        QVERIFY(!store.hasUnsavedChanges());
        ProfileStore reader;
        QVERIFY(reader.open(path, Access::ReadOnly).message.isEmpty());
        QCOMPARE(reader.currentMode(1), uchar(Mode::Breathing));
        QCOMPARE(reader.currentMode(2), uchar(Mode::Stars));
    }

    void deferredSavingAndOutsideChanges()
    {
        ProfileStore store;
        QVERIFY(store.open(filePath()).created);
        const QByteArray fresh = readAll(filePath());
        int saves = 0;
        store.setSaveListener([&saves] { ++saves; });
        store.setDeferredSaving(kQuietMs, kLongestMs);
        for (uchar mode = Mode::RainbowWave; mode <= Mode::Custom; ++mode)
            store.setCurrentMode(1, mode);
        // The writers return before anything is written; the burst then costs one save.
        QVERIFY(store.hasUnsavedChanges());
        QCOMPARE(readAll(filePath()), fresh);
        QTRY_VERIFY(!store.hasUnsavedChanges());
        QCOMPARE(saves, 1);
        QCOMPARE(readAll(ProfileStore::lastGoodCopyPath(filePath())), readAll(filePath()));
        QCOMPARE(store.diskState(), ProfileStore::DiskState::AsSaved);

        // Another program's file is told apart from the store's own saves.
        const auto theirs = std::make_unique<ProfileFile::Contents>(goodContents());
        const QByteArray theirText = ProfileFile::toJson(*theirs);
        QVERIFY(writeAll(filePath(), theirText));
        QCOMPARE(store.diskState(), ProfileStore::DiskState::ChangedOutside);
        QString aside;
        QVERIFY(store.keepOwnOverDisk(&aside));
        QCOMPARE(readAll(aside), theirText);
        QCOMPARE(store.diskState(), ProfileStore::DiskState::AsSaved);
        QCOMPARE(store.currentMode(1), uchar(Mode::Custom));

        QVERIFY(writeAll(filePath(), theirText));
        QVERIFY(store.reload().message.isEmpty());
        QVERIFY(store.profile(7) == theirs->profiles[7]);
        QCOMPARE(store.diskState(), ProfileStore::DiskState::AsSaved);
        QVERIFY(QFile::remove(filePath()));
        QCOMPARE(store.diskState(), ProfileStore::DiskState::Missing);

        // flush() writes what is pending before it returns.
        store.setCurrentMode(2, Mode::Rain);
        QVERIFY(store.flush() && !store.hasUnsavedChanges());
        ProfileStore reader;
        QVERIFY(reader.open(filePath(), Access::ReadOnly).message.isEmpty());
        QCOMPARE(reader.currentMode(2), uchar(Mode::Rain));

        // A copy elsewhere, as the question before quitting exports it, opens like the store.
        const QString copy = m_dir->filePath(QStringLiteral("elsewhere/copy.json"));
        QVERIFY(store.saveCopyTo(copy, nullptr));
        QVERIFY(reader.open(copy, Access::ReadOnly).message.isEmpty());
        QVERIFY(sameStores(store, reader));
    }

    void oneWriterAtATime()
    {
        ProfileStore first;
        QVERIFY(first.open(filePath()).created);
        ProfileStore second;
        const ProfileStore::OpenResult refused = second.open(filePath());
        QVERIFY2(refused.locked && refused.message.contains(filePath()),
                 qPrintable(refused.message));
        ProfileStore reader;
        QVERIFY(reader.open(filePath(), Access::ReadOnly).message.isEmpty());
        first.close();
        QVERIFY(!second.open(filePath()).locked);
        second.close();

        // A lock whose process is gone is stale, however young it is.
        QProcess gone;
        gone.start(QStringLiteral("true"), QStringList());
        QVERIFY(gone.waitForStarted());
        const qint64 pid = gone.processId();
        QVERIFY(gone.waitForFinished());
        QVERIFY(writeAll(ProfileStore::lockPath(filePath()),
                         QByteArray::number(pid) + "\nkeylight-host\n"
                             + QSysInfo::machineHostName().toUtf8() + "\n"));
        QVERIFY(!second.open(filePath()).locked);

        // Read-only leaves a folder as it was, even when there is no file to read.
        const QString missing = m_dir->filePath(QStringLiteral("none/profiles.json"));
        QVERIFY(reader.open(missing, Access::ReadOnly).message.isEmpty());
        QVERIFY(!QFileInfo::exists(QFileInfo(missing).absolutePath()));
    }

    void exportImport_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<ProfileData>("expected");
        QTest::addColumn<QString>("error"); // empty: the import succeeds

        const ProfileData painted = randomProfile(1);
        const QByteArray paintedText = ProfileFile::profileToText(painted, 8);
        QTest::newRow("factory") << ProfileFile::profileToText(ProfileData::factoryDefaults(), 8)
                                 << ProfileData::factoryDefaults() << QString();
        QTest::newRow("painted") << paintedText << painted << QString();
        // Files of format 1 number the keys by LED index.
        QJsonObject numbered = QJsonDocument::fromJson(paintedText).object();
        QJsonObject leds;
        for (int led = 0; led < kLedCount; ++led) {
            const uchar* rgb = painted.custom.led + 3 * led;
            if (rgb[0] || rgb[1] || rgb[2])
                leds[QString::number(led)] = QColor(rgb[0], rgb[1], rgb[2]).name();
        }
        QJsonObject custom = numbered["custom"].toObject();
        custom["leds"] = leds;
        numbered["custom"] = custom;
        numbered["version"] = 1;
        // Formats before 3 have no names.
        numbered.remove("name");
        ProfileData unnamed = painted;
        unnamed.name.clear();
        QTest::newRow("formatOneNumberedKeys") << QJsonDocument(numbered).toJson() << unnamed
                                               << QString();
        QJsonObject nameless = QJsonDocument::fromJson(paintedText).object();
        nameless.remove("name");

        const QJsonObject json = QJsonDocument::fromJson(paintedText).object();
        auto bad = [&](const char* path, const QJsonValue& value) {
            const QStringList steps = QString::fromLatin1(path).split('/');
            const QJsonValue changed = withValue(json, steps, value);
            return QJsonDocument(changed.toObject()).toJson();
        };
        const QString because = QStringLiteral("The profile could not be imported because ");
        QTest::newRow("speed200") << bad("modes/2/speed", 200) << painted
                                  << because + "profile.modes[2].speed is 200, outside 1 to 5.";
        QTest::newRow("direction77")
            << bad("multilayer/layers/3/direction", 77) << painted
            << because + "profile.multilayer.layers[3].direction is 77, not one of 0, 2, 4 or 6.";
        QTest::newRow("namelessFormatThree") << QJsonDocument(nameless).toJson() << painted
                                             << because + "profile has no \"name\".";
        QTest::newRow("nameWithLineBreak")
            << bad("name", "two\nlines") << painted
            << because + "profile.name cannot be used: the name holds a line break";
        QTest::newRow("nameIsNumber") << bad("name", 5) << painted
                                      << because + "profile.name should be a text but is a "
                                                   "number.";
        QTest::newRow("numberInFormatTwo") << bad("custom/leds/14", "#ff0000") << painted
                                           << "profile.custom.leds has the key \"14\", which "
                                              "names no key";
        const auto whole = std::make_unique<ProfileFile::Contents>(goodContents());
        QTest::newRow("wholeStore") << ProfileFile::toJson(*whole) << painted
                                    << because + "the file holds a whole profile store, not a "
                                                 "single profile.";
    }

    void exportImport()
    {
        QFETCH(QByteArray, text);
        QFETCH(ProfileData, expected);
        QFETCH(QString, error);
        const ProfileData untouched = randomProfile(2);
        ProfileData imported = untouched;
        QString reason;
        const bool ok = ProfileStore::profileFromJson(QJsonDocument::fromJson(text).object(),
                                                      imported, &reason);
        QVERIFY2(ok == error.isEmpty() && reason.contains(error), qPrintable(reason));
        QVERIFY(imported == (ok ? expected : untouched));
        if (!ok)
            return;

        // What the store exports lists the lit keys by name, in keyboard order.
        ProfileStore store;
        store.setProfile(8, imported);
        const QByteArray exported = store.profileText(8);
        int previous = -1;
        for (const KeyInfo& key : KeyTable::kKeys) {
            const uchar* rgb = expected.custom.led + 3 * key.led;
            if (!rgb[0] && !rgb[1] && !rgb[2])
                continue;
            const QByteArray entry = QStringLiteral("\"%1\": \"%2\"")
                                         .arg(KeyTable::fileName(key),
                                              QColor(rgb[0], rgb[1], rgb[2]).name())
                                         .toLatin1();
            const int at = exported.indexOf(entry);
            QVERIFY2(at > previous, entry.constData());
            previous = at;
        }
    }

    void profileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("refusal"); // empty: the store keeps the name
        const int longest = ProfileData::kMaxNameLength;
        QTest::newRow("none") << QString() << QString();
        QTest::newRow("longest") << QString(longest, QChar(0x00e9)) << QString();
        QTest::newRow("quotesAndEmoji") << QStringLiteral("\"Night\" \\ \U0001F319 {ok}")
                                        << QString();
        QTest::newRow("blanksKept") << QStringLiteral("  gaming  ") << QString();
        QTest::newRow("tooLong") << QString(longest + 1, 'x')
                                 << QStringLiteral("longer than %1 characters").arg(longest);
        const QString control = QStringLiteral("a line break or another control character");
        QTest::newRow("newline") << QStringLiteral("two\nlines") << control;
        QTest::newRow("tab") << QStringLiteral("a\tb") << control;
        QTest::newRow("lineSeparator") << QStringLiteral("a\u2028b") << control;
        QTest::newRow("nul") << QString(QChar(0)) << control;
    }

    // A name goes wherever the profile goes: the file, an export, a reset keeps it; one the
    // file could not hold is refused at the door and in a file.
    void profileNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, refusal);
        ProfileData named = randomProfile(7);
        named.name = name;
        {
            ProfileStore store;
            QVERIFY(store.open(filePath()).message.isEmpty());
            store.setProfile(6, named);
            QVERIFY2(store.lastError().contains(refusal), qPrintable(store.lastError()));
            QCOMPARE(store.profile(6) == named, refusal.isEmpty());
            if (!refusal.isEmpty()) {
                QVERIFY(store.profile(6) == ProfileData::factoryDefaults());
                QVERIFY(store.lastError().startsWith(QStringLiteral("Profile 6 was not")));
            }
            store.resetProfile(5);
        }
        if (refusal.isEmpty()) {
            ProfileStore reader;
            QVERIFY(reader.open(filePath(), Access::ReadOnly).message.isEmpty());
            QCOMPARE(reader.profile(6).name, name);
            ProfileData imported;
            QVERIFY(ProfileStore::profileFromJson(
                QJsonDocument::fromJson(reader.profileText(6)).object(), imported, nullptr));
            QCOMPARE(imported.name, name);
            reader.setProfile(4, named);
            reader.resetProfile(4);
            QCOMPARE(reader.profile(4).name, name);
            QVERIFY(reader.profile(4).activeMode == ProfileData::factoryDefaults().activeMode);
            return;
        }
        // Written by hand into the file, the name costs its profile only.
        QJsonObject root = QJsonDocument::fromJson(readAll(filePath())).object();
        root = withValue(root, {"profiles", "6", "name"}, name).toObject();
        QVERIFY(writeAll(filePath(), QJsonDocument(root).toJson()));
        ProfileStore store;
        const ProfileStore::OpenResult result = store.open(filePath());
        QVERIFY2(result.message.contains(QStringLiteral("profiles[6].name cannot be used"))
                     && result.message.contains(refusal),
                 qPrintable(result.message));
        QCOMPARE(result.resetProfiles, std::vector<int>{6});
    }

    // Files written by earlier versions, as they wrote them, from the suite's own folder:
    // format 2 by the host before names came, two profiles painted by imports.
    void olderFormatMigrates_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("version");
        const QString folder = QStringLiteral(KEYLIGHT_SOURCE_DIR "/tests/store/files/");
        QTest::newRow("format1") << readAll(folder + "valid-file-format1-edited.json") << 1;
        QTest::newRow("format2") << readAll(folder + "valid-file-format2-written.json") << 2;
    }

    // An older file opens as it is, every profile unnamed; it is rewritten only by the first
    // save, which keeps it byte for byte beside the new file for an older program.
    void olderFormatMigrates()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, version);
        QVERIFY(writeAll(filePath(), bytes));
        const QString copyPath = ProfileStore::olderFormatCopyPath(filePath(), version);
        auto expected = std::make_unique<ProfileFile::Contents>();
        std::vector<ProfileFile::ProfileFault> faults;
        QString reason;
        QVERIFY2(ProfileFile::readKeepingGood(bytes, *expected, faults, &reason) && faults.empty(),
                 qPrintable(reason));
        QCOMPARE(expected->formatVersion, version);

        {
            ProfileStore readOnly;
            QVERIFY(readOnly.open(filePath(), Access::ReadOnly).message.isEmpty());
            readOnly.setCurrentProfile(1);
        }
        {
            ProfileStore store;
            const ProfileStore::OpenResult result = store.open(filePath());
            QVERIFY2(result.message.isEmpty() && !result.replaced, qPrintable(result.message));
            for (int p = 0; p < kProfileCount; ++p) {
                QVERIFY(store.profile(uchar(p)) == expected->profiles[std::size_t(p)]);
                QVERIFY(store.profile(uchar(p)).name.isEmpty());
            }
            store.flush();
        }
        QCOMPARE(readAll(filePath()), bytes);
        QVERIFY(!QFileInfo::exists(copyPath));

        ProfileStore store;
        QVERIFY(store.open(filePath()).message.isEmpty());
        ProfileData renamed = store.profile(2);
        renamed.name = QStringLiteral("Work");
        store.setProfile(2, renamed);
        QVERIFY2(store.lastError().isEmpty(), qPrintable(store.lastError()));
        QCOMPARE(readAll(copyPath), bytes);
        const QJsonObject written = QJsonDocument::fromJson(readAll(filePath())).object();
        QCOMPARE(written["version"].toInt(), ProfileFile::kFormatVersion);
        QCOMPARE(written["profiles"][2]["name"].toString(), QStringLiteral("Work"));
        store.close();

        // The copy is an older store an older program reads again, and the new file holds the
        // same profiles plus the name.
        auto copy = std::make_unique<ProfileFile::Contents>();
        QVERIFY(ProfileFile::fromJson(readAll(copyPath), *copy, &reason));
        ProfileStore reopened;
        QVERIFY(reopened.open(filePath()).message.isEmpty());
        for (int p = 0; p < kProfileCount; ++p) {
            ProfileData data = reopened.profile(uchar(p));
            QCOMPARE(data.name, p == 2 ? QStringLiteral("Work") : QString());
            data.name.clear();
            QVERIFY(data == copy->profiles[std::size_t(p)]);
        }
    }

    void corpusFiles_data()
    {
        QTest::addColumn<QString>("path");
        // Files named valid-* must load, bad-* must be refused; the fuzzer's own finds
        // carry other names and only must not crash. The fuzzer's seeds are small; files as
        // earlier versions wrote them, whole stores among them, lie beside this suite.
        int found = 0;
        for (const char* folder : {KEYLIGHT_SOURCE_DIR "/fuzz/corpus/store",
                                   KEYLIGHT_SOURCE_DIR "/tests/store/files"}) {
            QDirIterator it(QString::fromUtf8(folder), QDir::Files);
            for (; it.hasNext(); ++found) {
                const QString path = it.next();
                QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
            }
        }
        if (found == 0)
            QTest::newRow("noCorpus") << QString();
    }

    void corpusFiles()
    {
        QFETCH(QString, path);
        QVERIFY2(!path.isEmpty(), "the seed corpus is missing");
        const QString name = QFileInfo(path).fileName();
        const QByteArray bytes = readAll(path);
        // valid-profile-* and bad-profile-* are export files of one profile; the rest are
        // whole store files.
        QString reason;
        bool loaded = false;
        if (name.contains(QStringLiteral("-profile-"))) {
            ProfileData profile;
            const QJsonDocument document = QJsonDocument::fromJson(bytes);
            loaded = document.isObject()
                && ProfileFile::profileFromJson(document.object(), profile, &reason);
        } else {
            loaded = ProfileFile::fromJson(bytes, *std::make_unique<ProfileFile::Contents>(),
                                           &reason);
        }
        if (name.startsWith(QStringLiteral("valid-")))
            QVERIFY2(loaded, qPrintable(reason));
        if (name.startsWith(QStringLiteral("bad-")))
            QVERIFY(!loaded && !reason.isEmpty());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString filePath() const { return m_dir->filePath(QStringLiteral("profiles.json")); }
};

QTEST_GUILESS_MAIN(tst_ProfileStore)
#include "tst_profilestore.moc"
