// SPDX-License-Identifier: MIT
// The host's life on the desktop without a bus: the autostart entry, what survives a
// restart, the tray's menu and tool tip, and the window that closes to the tray.

#include "host/app/hostassembly.h"
#include "host/app/windowkeeper.h"
#include "host/desktop/autostartentry.h"
#include "host/desktop/desktopsettings.h"
#include "host/desktop/trayicon.h"
#include "host/device/virtualkeyboard.h"
#include "host/session/profilenames.h"
#include "host/window/hostwindow.h"
#include "platform/profilestore/profilestore.h"

#include <QAction>
#include <QLineEdit>
#include <QUndoStack>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

class TestHostDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("config"))));
    }

    void autostartExecLine_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/keylight-host" << QStringList{}
                               << "Exec=/usr/bin/keylight-host --minimized";
        QTest::newRow("store folder with a space")
            << "/usr/bin/keylight-host" << QStringList{"--store", "/home/a b/kl"}
            << "Exec=/usr/bin/keylight-host --minimized --store \"/home/a b/kl\"";
        QTest::newRow("quote and dollar")
            << "/opt/k\"l/keylight-host" << QStringList{"--store", "/x/$HOME"}
            << "Exec=\"/opt/k\\\"l/keylight-host\" --minimized --store \"/x/\\$HOME\"";
        QTest::newRow("per cent is no field code")
            << "/usr/bin/keylight-host" << QStringList{"--store", "/x/100%"}
            << "Exec=/usr/bin/keylight-host --minimized --store \"/x/100%%\"";
    }

    void autostartExecLine()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, exec);
        const QStringList lines = AutostartEntry::contents(program, arguments).split('\n');
        QVERIFY2(lines.contains(exec), qPrintable(lines.join('|')));
        QCOMPARE(lines.first(), QStringLiteral("[Desktop Entry]"));
        QVERIFY(lines.contains(QStringLiteral("Type=Application")));
    }

    void autostartWrittenAndRemoved()
    {
        const QString path = AutostartEntry::path();
        QVERIFY(path.startsWith(m_dir.path()));
        QVERIFY(path.endsWith(QLatin1String("/autostart/org.keylight.KeyLight.desktop")));
        QString problem;
        QVERIFY(AutostartEntry::setEnabled(true, {}, &problem));
        QVERIFY(AutostartEntry::isEnabled());
        QFile entry(path);
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(entry.readAll().contains(
            QFile::encodeName(QCoreApplication::applicationFilePath()) + " --minimized\n"));
        entry.close();
        QVERIFY(AutostartEntry::setEnabled(false, {}, &problem));
        QVERIFY(!QFileInfo::exists(path));
        // Removing what is not there is no failure either.
        QVERIFY(AutostartEntry::setEnabled(false, {}, &problem));

        // A link in its place is someone else's: left as it is, and said so.
        const QString elsewhere = m_dir.filePath(QStringLiteral("other.desktop"));
        QFile other(elsewhere);
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        QVERIFY(QFile::link(elsewhere, path));
        QVERIFY(!AutostartEntry::setEnabled(true, {}, &problem));
        QVERIFY(problem.contains(QLatin1String("symbolic link")));
        QCOMPARE(QFileInfo(elsewhere).size(), 0);
        QFile::remove(path);
    }

    void lightsOffSurvivesRestart()
    {
        const QString store = m_dir.filePath(QStringLiteral("restart/profiles.json"));
        QString problem;
        QVERIFY(DesktopSettings(store, true).lightsOn()); // on, before anything was said
        QVERIFY(DesktopSettings(store, true).setLightsOn(false, &problem));
        QVERIFY(!DesktopSettings(store, true).lightsOn());
        // A run that only looks writes nothing.
        QVERIFY(DesktopSettings(store, false).setLightsOn(true, &problem));
        QVERIFY(!DesktopSettings(store, true).lightsOn());
        DesktopSettings(store, true).setTrayHintShown();
        QVERIFY(DesktopSettings(store, true).trayHintShown());
        QVERIFY(!DesktopSettings(store, true).lightsOn());
    }

    void trayMenuDrivesTheSession()
    {
        ProfileStore store;
        VirtualKeyboard keyboard;
        HostAssembly host(store, &keyboard);
        host.session().switchProfile(0);
        TrayIcon tray(host.session(), [&store] { return ProfileNames::all(store); });
        QCOMPARE(tray.toolTip(), QStringLiteral("KeyLight: Profile 1, %1")
                                     .arg(QLatin1String(ModeCatalogue::info(
                                         store.currentMode(0)).name)));

        tray.menu()->findChild<QAction*>(QStringLiteral("trayProfile4"))->trigger();
        QCOMPARE(int(host.session().currentProfile()), 3);
        QVERIFY(tray.menu()->findChild<QAction*>(QStringLiteral("trayProfile4"))->isChecked());
        QVERIFY(tray.toolTip().startsWith(QLatin1String("KeyLight: Profile 4, ")));

        host.session().setEffect(Mode::Breathing);
        QCOMPARE(tray.toolTip(), QStringLiteral("KeyLight: Profile 4, BREATHING"));

        QAction* lights = tray.menu()->findChild<QAction*>(QStringLiteral("trayLights"));
        QVERIFY(lights->isChecked());
        lights->trigger();
        QVERIFY(!host.session().lightsOn());
        QVERIFY(!keyboard.lightsOn());
        QCOMPARE(tray.toolTip(), QStringLiteral("KeyLight: Profile 4, lights off"));
        // Lights off from elsewhere (a script, the window) shows in the menu too.
        host.session().setLightsOn(true);
        QVERIFY(lights->isChecked());
    }

    // With a tray the window goes when closed, and comes back as the session is.
    void windowReleasedOnCloseAndBuiltAgain()
    {
        ProfileStore store;
        VirtualKeyboard keyboard;
        HostAssembly host(store, &keyboard);
        host.session().switchProfile(0);
        int built = 0;
        WindowKeeper windows([&] {
            ++built;
            return std::make_unique<HostWindow>(store, host.session(), host.requestLog());
        });
        windows.setReleaseOnClose(true);
        QPointer<HostWindow> first = &windows.showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        QSignalSpy released(&windows, &WindowKeeper::sigReleased);
        QVERIFY(first->close());
        QTRY_COMPARE(released.count(), 1);
        QVERIFY(first.isNull());
        QVERIFY(!windows.window());

        // Changed while the window was gone: the new window shows it.
        host.session().switchProfile(2);
        host.session().setLightsOn(false);
        HostWindow& second = windows.showWindow();
        QCOMPARE(built, 2);
        auto* lights = second.findChild<QAction*>(QStringLiteral("actionLights"));
        QVERIFY(lights && !lights->isChecked());
        QVERIFY(second.findChild<QAction*>(QStringLiteral("actionProfile3"))->isChecked());
        // Ctrl+L turns them on again.
        QVERIFY(QTest::qWaitForWindowActive(&second));
        QTest::keyClick(&second, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(host.session().lightsOn());
        windows.setReleaseOnClose(false);
    }

    // Renamed where the name is shown, copied to another slot: each one step to undo, and
    // the name everywhere it is shown.
    void renameAndDuplicateWithUndo()
    {
        ProfileStore store;
        ProfileData painted = ProfileData::factoryDefaults();
        painted.activeMode = Mode::Stars;
        store.setProfile(1, painted);
        VirtualKeyboard keyboard;
        HostAssembly host(store, &keyboard);
        HostWindow window(store, host.session(), host.requestLog());
        window.start(1);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Profile 2 - KeyLight"));

        auto* field = window.findChild<QLineEdit*>(QStringLiteral("profileNameEdit"));
        QVERIFY(field);
        window.findChild<QAction*>(QStringLiteral("actionRename"))->trigger();
        QVERIFY(field->hasFocus());
        QTest::keyClicks(field, QStringLiteral("  Late & night  "));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(store.profile(1).name, QStringLiteral("Late & night"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Late & night - KeyLight"));
        // Regression: the field kept the focus, so Ctrl+Z undid its text, not the rename.
        QVERIFY(!field->hasFocus());
        window.findChild<QAction*>(QStringLiteral("actionRename"))->trigger();
        QTest::keyClicks(field, QStringLiteral("typo"));
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(!field->hasFocus());
        QCOMPARE(field->text(), QStringLiteral("Late & night"));
        QCOMPARE(store.profile(1).name, QStringLiteral("Late & night"));
        auto* menuEntry = window.findChild<QAction*>(QStringLiteral("actionProfile2"));
        QCOMPARE(menuEntry->text(), QStringLiteral("Late && night"));
        // The lighting did not change, so the keyboard was told nothing.
        QCOMPARE(int(keyboard.state().lighting().mode), int(Mode::Stars));

        QAction* copy = window.findChild<QAction*>(QStringLiteral("actionDuplicateTo4"));
        QVERIFY(!window.findChild<QAction*>(QStringLiteral("actionDuplicateTo2"))->isEnabled());
        copy->trigger();
        QVERIFY(store.profile(3) == store.profile(1));
        QCOMPARE(int(host.session().currentProfile()), 1); // the shown profile stays

        QUndoStack* undo = host.session().undoStack();
        undo->undo();
        QVERIFY(store.profile(3) == ProfileData::factoryDefaults());
        undo->undo();
        QVERIFY(store.profile(1).name.isEmpty());
        QCOMPARE(field->text(), QStringLiteral("Profile 2"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Profile 2 - KeyLight"));

        // What the store cannot keep is refused and changes nothing.
        QVERIFY(!host.session().renameProfile(1, QStringLiteral("two\nlines")));
        QVERIFY(!host.session().renameProfile(1, QString(ProfileData::kMaxNameLength + 1, 'x')));
        QCOMPARE(undo->count(), 2);
        QVERIFY(store.profile(1).name.isEmpty());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestHostDesktop)
#include "tst_hostdesktop.moc"
