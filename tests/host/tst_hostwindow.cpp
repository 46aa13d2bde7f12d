// SPDX-License-Identifier: MIT
// The host window as a person uses it: the profile switcher, undo, the log, the keyboard's
// memory, failed saves and outside edits, clicks on keys, the fit to the screen and the
// names of its controls.

#include "host/app/hostassembly.h"
#include "host/window/applyindicator.h"
#include "display/ledkeybtn.h"
#include "host/device/virtualkeyboard.h"
#include "host/device/virtualkeyboardpanel.h"
#include "host/device/virtualkeyboardwid.h"
#include "host/session/hostsession.h"
#include "host/hosttestsupport.h"
#include "host/window/colourentry.h"
#include "host/window/helpmenu.h"
#include "host/window/hostwindow.h"
#include "host/session/onboardcheck.h"
#include "host/device/onboardmemorykeeper.h"
#include "host/requestlog/requestlogmodel.h"
#include "host/store/documentsfolder.h"
#include "host/store/profiletransfer.h"
#include "host/store/savestateindicator.h"
#include "host/store/storewatcher.h"
#include "host/window/theme.h"
#include "keylight/keylightwid.h"
#include "keylight/keytable.h"
#include "platform/profilestore/profilefile.h"
#include "platform/toolkit/hsvcorwid.h"
#include "support/filehelpers.h"
#include "support/pagehelpers.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QWheelEvent>
#include <QSpinBox>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTranslator>
#include <QScopeGuard>
#include <QToolButton>
#include <QTabBar>
#include <QtTest>

using Packets::record;

namespace {
// The window as the launcher builds it: the assembly first, the window on top.
struct AssembledWindow
{
    explicit AssembledWindow(ProfileStore& store, DeviceTransport* device = nullptr)
        : host(store, device)
        , window(store, host.session(), host.requestLog())
    {
    }
    HostAssembly host;
    HostWindow window;
};

// Longer than any test: the deferred save never happens on its own.
constexpr int kNeverMs = 600000;

// Emits a request as the page does, then overwrites the packet: only what the host copied
// during the emission may survive.
void emitRequest(KeyLightWid* page, int code, QByteArray packet)
{
    emit page->sigSdkRequest(code, packet.isEmpty() ? nullptr : packet.data());
    packet.fill('\x5a');
}

// Presses a button of the modal question `objectName` once it is up.
void answerNextQuestion(const QString& objectName, const QString& buttonText)
{
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box && box->objectName() == objectName);
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == buttonText)
                button->click();
        }
    });
}

QString logCell(HostWindow& window, int row, int column)
{
    const RequestLogModel* log = window.requestLog();
    return log->data(log->index(row, column)).toString();
}

constexpr uchar kProfile = 1;
// Pixels a layout may miss by in rounding and frames.
constexpr int kLayoutSlack = 8;
constexpr int kV = 53; // LED of the V key

ProfileData showing(int mode)
{
    ProfileData data = ProfileData::factoryDefaults();
    data.activeMode = uchar(mode);
    data.zones[0].mode = Mode::Static;
    return data;
}

// STATIC in one colour.
ProfileData staticIn(const QColor& colour)
{
    ProfileData data = showing(Mode::Static);
    data.modeLights[Mode::Static] = record(Mode::Static, colour);
    return data;
}

VantorPacket::Decoded decoded(const QByteArray& packet)
{
    VantorPacket::Decoded result;
    VantorPacket::decode(packet.constData(), std::size_t(packet.size()), result);
    return result;
}
} // namespace

class TestHostWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_store = std::make_unique<ProfileStore>();
    }

    void cleanup()
    {
        // Regression: the page read the built-in store while the session wrote another one.
        QCOMPARE(&IVantorProfileCfg::Instance(), &ProfileStore::builtin());
        m_store.reset();
        m_dir.reset();
    }

    void switcherShowsAndSwitchesProfile()
    {
        AssembledWindow assembled(*m_store);
        HostWindow& window = assembled.window;
        QCOMPARE(&IVantorProfileCfg::Instance(), m_store.get());
        window.start(2);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The switcher shows profiles from 1, the store counts from 0.
        const auto button = [&window](int shown) {
            return window.findChild<QToolButton*>(QStringLiteral("profileButton%1").arg(shown));
        };
        for (int shown = 1; shown <= kShownProfileCount; ++shown)
            QCOMPARE(button(shown)->isChecked(), shown == 3);

        QTest::mouseClick(button(4), Qt::LeftButton);
        QCOMPARE(int(m_store->currentProfile()), 3);
        emitRequest(window.page(), Request::ModeParam,
                    Packets::modeParam(record(Mode::Stars, Qt::gray)));
        QCOMPARE(int(m_store->currentMode(3)), int(Mode::Stars));
        QCOMPARE(int(m_store->currentMode(2)), int(Mode::Static));

        // The page gives RESET and APPLY no height of its own: without the host's style sheet
        // they would be zero pixels high and could not be seen.
        for (const QString& text : {QStringLiteral("RESET"), QStringLiteral("APPLY")}) {
            QPushButton* pageButton = PageHelpers::buttonWithText(window.page(), text);
            QVERIFY2(pageButton && pageButton->isVisible(), qPrintable(text));
            QCOMPARE(pageButton->height(), Theme::kPageButtonHeight);
        }
    }

    void undoShortcutsAndApplyIndicator()
    {
        AssembledWindow assembled(*m_store);
        HostWindow& window = assembled.window;
        window.start(0);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* indicator = window.findChild<ApplyIndicator*>();
        const ProfileData before = m_store->profile(0);
        emitRequest(window.page(), Request::CustomLed,
                    Packets::customLed(Packets::paintedKey(5, Qt::red)));
        const ProfileData after = m_store->profile(0);
        QCOMPARE(indicator->text(), QStringLiteral("Changes not applied"));

        // Regression: Ctrl+Y did nothing.
        for (Qt::KeyboardModifiers redo : {Qt::ShiftModifier, Qt::NoModifier}) {
            QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
            QVERIFY(m_store->profile(0) == before);
            QTest::keyClick(&window, redo ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier | redo);
            QVERIFY(m_store->profile(0) == after);
        }

        window.session()->switchProfile(1); // each profile has its own state
        QVERIFY(indicator->isApplied());
        window.session()->switchProfile(0);
        emitRequest(window.page(), Request::Apply, QByteArray());
        QCOMPARE(indicator->text(), QStringLiteral("Applied"));

        // RESET says what it did and how to take it back, and undo does.
        emitRequest(window.page(), Request::Reset, Packets::reset());
        QVERIFY(m_store->profile(0) == ProfileData::factoryDefaults());
        const QString told = window.statusBar()->currentMessage();
        QVERIFY2(told.contains(QStringLiteral("Profile 1 is back to the factory settings"))
                     && told.contains(QKeySequence(Qt::CTRL | Qt::Key_Z).toString(
                         QKeySequence::NativeText)),
                 qPrintable(told));
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(m_store->profile(0) == after);
    }

    void requestReachesDeviceStoreAndLog()
    {
        RecordingTransport device;
        AssembledWindow assembled(*m_store, &device);
        HostWindow& window = assembled.window;
        window.start(4);
        const QByteArray packet = Packets::modeParam(record(Mode::Breathing, QColor(10, 20, 30)));

        emitRequest(window.page(), Request::ModeParam, packet);
        emitRequest(window.page(), Request::Apply, QByteArray());
        emitRequest(window.page(), Request::CustomLed, packet); // a packet of another request

        // The start sent the profile's stored lighting first.
        QCOMPARE(device.selections, std::vector<uchar>{4});
        QCOMPARE(device.sent.size(), std::size_t(4));
        QCOMPARE(device.sent[1].packet, packet);
        // The log: profile, code, name, size and decode result of each request.
        QCOMPARE(window.requestLog()->rowCount(), 4);
        QStringList cells;
        for (int column : {RequestLogModel::Profile, RequestLogModel::Code, RequestLogModel::Name,
                           RequestLogModel::Size, RequestLogModel::Decoded,
                           RequestLogModel::Bytes})
            cells << logCell(window, 1, column);
        const QString bytes = QString::fromLatin1(packet.left(4).toHex(' ').toUpper());
        QCOMPARE(cells.mid(0, 5), (QStringList{"5", "20", "mode parameters",
                                               QString::number(packet.size()), "ok"}));
        QVERIFY(cells.constLast().startsWith(bytes));
        QVERIFY(logCell(window, 3, RequestLogModel::Decoded) != QLatin1String("ok"));
        QCOMPARE(int(m_store->currentMode(4)), int(Mode::Breathing));
    }

    void importAsksAndIsOneStepToUndo_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<QString>("fileName");     // the name the exported profile carries
        QTest::addColumn<QString>("expectedName"); // the replaced profile's name afterwards
        QTest::newRow("replace") << "Replace Profile 2" << true << "Night" << "Night";
        // An export without a name leaves the profile's own.
        QTest::newRow("replaceNameless") << "Replace Profile 2" << true << "" << "Gaming";
        QTest::newRow("keep") << "Cancel" << false << "Night" << "Gaming";
    }

    void importAsksAndIsOneStepToUndo()
    {
        QFETCH(QString, answer);
        QFETCH(bool, replaced);
        QFETCH(QString, fileName);
        QFETCH(QString, expectedName);
        // Regression: importing replaced the profile without a word.
        QVERIFY(m_store->open(m_dir->filePath(QStringLiteral("profiles.json"))).created);
        ProfileData gaming = m_store->profile(kProfile);
        gaming.name = QStringLiteral("Gaming");
        m_store->setProfile(kProfile, gaming);
        ProfileStore other;
        ProfileData exported = showing(Mode::Breathing);
        exported.name = fileName;
        other.setProfile(0, exported);
        const QString file = m_dir->filePath(QStringLiteral("breathing.json"));
        QVERIFY(ProfileTransfer::exportProfile(other, 0, file, nullptr));

        AssembledWindow assembled(*m_store);
        HostWindow& window = assembled.window;
        window.start(kProfile);
        const ProfileData before = m_store->profile(kProfile);
        answerNextQuestion(QStringLiteral("importQuestionBox"), answer);
        QCOMPARE(window.importIntoProfile(file), replaced);
        QCOMPARE(int(m_store->currentMode(kProfile)),
                 replaced ? int(Mode::Breathing) : int(before.activeMode));
        QCOMPARE(m_store->profile(kProfile).name, expectedName);
        QVERIFY(window.windowTitle().startsWith(expectedName));
        QCOMPARE(window.session()->undoStack()->count(), replaced ? 1 : 0);
        window.session()->undoStack()->undo();
        QVERIFY(m_store->profile(kProfile) == before);
        // The dialogs start in a folder that is there, never with its name as a file name.
        QVERIFY(QFileInfo(DocumentsFolder::path()).isDir());
    }

    // Regression: no Help or About, and nothing on a first start said what the virtual
    // keyboard is or how to light a real one.
    void helpSaysWhatKeyLightIsAndDoes()
    {
        AssembledWindow assembled(*m_store);
        HostWindow& window = assembled.window;
        auto* help = window.findChild<HelpMenu*>(QStringLiteral("helpMenu"));
        QVERIFY(help);
        QCOMPARE(window.menuBar()->actions().constLast(), help->menuAction());
        for (const char* name : {"actionGettingStarted", "actionDocumentation", "actionAbout"})
            QVERIFY2(window.findChild<QAction*>(QLatin1String(name)), name);
        const QString start = HelpMenu::gettingStartedText();
        for (const char* words : {"virtual keyboard", "real keyboard", "openrgb --server",
                                  "Connect to OpenRGB"})
            QVERIFY2(start.contains(QLatin1String(words)), words);
        const QString about = HelpMenu::aboutText();
        QVERIFY(about.contains(QCoreApplication::applicationVersion()));
        QVERIFY(about.contains(QLatin1String("MIT")) && about.contains(QLatin1String("SDK")));
        // The README is found from a build that was not installed.
        QVERIFY(QFileInfo(HelpMenu::readmePath()).isFile());

        window.show();
        window.showGettingStarted();
        auto* box = window.findChild<QMessageBox*>(QStringLiteral("gettingStartedBox"));
        QVERIFY(box && box->isVisible() && !box->isModal());
        box->close();
    }

    // Regression: the RESET question did not say what it resets.
    void resetQuestionSaysWhatItResets()
    {
        AssembledWindow assembled(*m_store);
        HostWindow& window = assembled.window;
        window.start(kProfile);
        window.show();
        QString detail;
        QTimer::singleShot(0, [&detail] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            detail = box->informativeText();
            box->findChild<QAbstractButton*>(QStringLiteral("noButton"))->click();
        });
        PageHelpers::buttonWithText(window.page(), QStringLiteral("RESET"))->click();
        QVERIFY2(detail.contains(QStringLiteral("Profile %1").arg(kProfile + 1))
                     && detail.contains(QLatin1String("factory settings")),
                 qPrintable(detail));
        QCOMPARE(window.session()->undoStack()->count(), 0); // no was no
    }

    // Regression: the wheel's marker stayed where the last pick on the wheel was, or was
    // missing after a start, whatever colour the panel showed.
    void wheelMarkerFollowsTheColour()
    {
        m_store->setProfile(kProfile, staticIn(Qt::red));
        AssembledWindow assembled(*m_store);
        HostWindow& window = assembled.window;
        window.start(kProfile);
        window.show();
        auto* wheel = window.page()->findChild<HsvCorWid*>(QStringLiteral("m_hsvCorWid"));
        QVERIFY(wheel);
        QCOMPARE(wheel->markedColour().rgb(), QColor(Qt::red).rgb());
        // A swatch: the fifth preset is cyan.
        auto* presets = window.findChild<QWidget*>("m_foreWid")->findChild<QLayout*>(
            "m_presetCorLayout");
        qobject_cast<QAbstractButton*>(presets->itemAt(4)->widget())->click();
        QCOMPARE(wheel->markedColour().rgb(), QColor(Qt::cyan).rgb());
    }

    // Regression: the wheel over a layer picker stopped the list's scrolling there and took
    // the focus from where the user was typing.
    void wheelOverPickerScrollsTheList()
    {
        m_store->setProfile(kProfile, showing(Mode::Multilayer));
        AssembledWindow assembled(*m_store);
        HostWindow& window = assembled.window;
        window.start(kProfile);
        window.resize(HostWindow::kPageMinimum);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* typing = window.page()->findChild<QWidget*>(QStringLiteral("m_foreWid"))
                           ->findChild<QSpinBox*>(QStringLiteral("m_r"));
        // The layer pickers open under MULTILAYER as a person opens them.
        auto* multilayer =
            window.page()->findChild<QAbstractButton*>(QStringLiteral("m_multilayer"));
        QVERIFY(multilayer);
        QTest::mouseClick(multilayer, Qt::LeftButton);
        // Regression: the pickers came without a word of what they are.
        QStringList captions;
        const QString captionName = QStringLiteral("pickerCaption");
        for (QLabel* caption : window.page()->findChildren<QLabel*>(captionName)) {
            if (caption->isVisible())
                captions << caption->text();
        }
        QCOMPARE(captions.size(), 1);
        QVERIFY2(captions.first().startsWith(QLatin1String("Layers")),
                 qPrintable(captions.first()));
        typing->setFocus();
        QComboBox* picker = nullptr;
        for (QComboBox* box : window.page()->findChildren<QComboBox*>()) {
            if (box->isVisible())
                picker = box;
        }
        QVERIFY(picker);
        QScrollArea* list = nullptr;
        for (QWidget* up = picker->parentWidget(); up && !list; up = up->parentWidget())
            list = qobject_cast<QScrollArea*>(up);
        QScrollBar* bar = list ? list->verticalScrollBar() : nullptr;
        const int before = bar ? bar->value() : 0;
        const int itemBefore = picker->currentIndex();
        const QPoint at = picker->rect().center();
        QWheelEvent wheel(at, picker->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(picker, &wheel);
        // Qt moves the focus to a wheel-focus widget before any filter sees the event.
        QVERIFY((picker->focusPolicy() & Qt::WheelFocus) != Qt::WheelFocus);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(typing));
        QCOMPARE(picker->currentIndex(), itemBefore);
        QVERIFY(bar && bar->maximum() > 0); // the list is longer than its room
        QVERIFY(bar->value() > before);
    }

    void hexCodesRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour"); // invalid: refused
        QTest::newRow("with hash") << "#12ab34" << QColor(0x12, 0xab, 0x34);
        QTest::newRow("without") << "12AB34" << QColor(0x12, 0xab, 0x34);
        QTest::newRow("spaces around") << "  #ffffff " << QColor(Qt::white);
        QTest::newRow("short form") << "#fff" << QColor();
        QTest::newRow("not hex") << "#12ab3g" << QColor();
        QTest::newRow("a name") << "red" << QColor();
        QTest::newRow("too long") << "#12ab345" << QColor();
    }

    void hexCodesRead()
    {
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        QCOMPARE(ColourEntry::parseHex(text), colour);
    }

    // Regression: a colour chosen for the per-key page sends no request until keys are
    // painted, and the wheel's marker stayed where it was.
    void wheelMarkerFollowsAColourThatSendsNothing()
    {
        m_store->setProfile(kProfile, showing(Mode::Custom));
        AssembledWindow assembled(*m_store);
        HostWindow& window = assembled.window;
        window.start(kProfile);
        window.show();
        auto* hex = window.findChild<QLineEdit*>(QStringLiteral("hexColourEdit"));
        auto* wheel = window.page()->findChild<HsvCorWid*>(QStringLiteral("m_hsvCorWid"));
        QVERIFY(hex && wheel);
        hex->setText(QStringLiteral("#00ff00"));
        emit hex->editingFinished();
        QCOMPARE(wheel->markedColour().rgb(), QColor(Qt::green).rgb());
    }

    // Regression: no hex colour and no number for the brightness anywhere in the host.
    void colourTypedAsHexAndPercent()
    {
        m_store->setProfile(kProfile, staticIn(Qt::red));
        AssembledWindow assembled(*m_store);
        HostWindow& window = assembled.window;
        window.start(kProfile);
        window.show();
        auto* hex = window.findChild<QLineEdit*>(QStringLiteral("hexColourEdit"));
        auto* percent = window.findChild<QSpinBox*>(QStringLiteral("brightnessPercentBox"));
        QVERIFY(hex && percent);
        QCOMPARE(hex->text(), QStringLiteral("#ff0000"));
        QCOMPARE(percent->value(), 100);

        hex->setText(QStringLiteral("#00ff00"));
        emit hex->editingFinished();
        vantor_light stored;
        m_store->readModeParam(kProfile, Mode::Static, stored);
        QCOMPARE(QColor(stored.fg_r, stored.fg_g, stored.fg_b), QColor(Qt::green));

        percent->setValue(50);
        emit percent->editingFinished();
        m_store->readModeParam(kProfile, Mode::Static, stored);
        QCOMPARE(int(stored.fg_brightness), 128);
        QCOMPARE(hex->text(), QStringLiteral("#00ff00"));
    }

    void ctrlDigitSwitchesProfile()
    {
        AssembledWindow assembled(*m_store);
        HostWindow& window = assembled.window;
        window.start(0);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* menu = window.findChild<QMenu*>(QStringLiteral("profileMenu"));
        QVERIFY(menu);
        QList<QAction*> profiles;
        for (QAction* action : menu->actions()) {
            if (action->objectName().startsWith(QLatin1String("actionProfile")))
                profiles << action;
        }
        QCOMPARE(profiles.size(), 5);
        QVERIFY(profiles.first()->isChecked());
        QTest::keyClick(&window, Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(int(window.session()->currentProfile()), 2);
        QVERIFY(profiles.at(2)->isChecked());
        // The menu lists each profile with its key.
        QCOMPARE(profiles.at(4)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_5));
    }

    void unpaintedKeysAreUnlitEverywhere()
    {
        // Regression: keys nobody had painted were grey on the page and white on the
        // virtual keyboard. A fresh profile showing CUSTOM lights no key, on either.
        QVERIFY(m_store->open(m_dir->filePath(QStringLiteral("profiles.json"))).created);
        m_store->setProfile(kProfile, showing(Mode::Custom));
        VirtualKeyboard keyboard;
        AssembledWindow assembled(*m_store, &keyboard);
        assembled.window.start(kProfile);
        const QRgb unpainted = qRgb(KeyTable::kUnpaintedRed, KeyTable::kUnpaintedGreen,
                                    KeyTable::kUnpaintedBlue);
        QCOMPARE(unpainted, qRgb(0, 0, 0)); // unlit, as an unplugged key is
        LedFrame frame;
        keyboard.frameAt(0, frame);
        auto* page = assembled.window.page()->findChild<QWidget*>(QStringLiteral("CustomLedUi"));
        for (const KeyInfo& key : KeyTable::kKeys) {
            auto* shown = page->findChild<LedKeyBtn*>(QLatin1String(key.objectName));
            QVERIFY(shown);
            QCOMPARE(shown->keyColor().rgb(), unpainted);
            QCOMPARE(frame[key.led], unpainted);
        }
    }

    void keyboardShowsAndKeepsWhatWasApplied()
    {
        const QString memoryFile = m_dir->filePath(QStringLiteral("keyboard-memory.json"));
        const QByteArray painting = Packets::customLed(Packets::paintedKey(44, Qt::red));
        {
            VirtualKeyboard keyboard;
            OnboardMemoryKeeper memory(keyboard, memoryFile, true);
            AssembledWindow assembled(*m_store, &keyboard);
        HostWindow& window = assembled.window;
            window.session()->setAppliedCheck(OnboardCheck::forKeyboard(keyboard, *m_store));
            window.start(0);
            emitRequest(window.page(), Request::CustomLed, painting);
            window.session()->switchProfile(1);
            window.session()->switchProfile(0);
            // Regression: the keyboard brought up its onboard copy, which lacked the painting.
            QCOMPARE(int(keyboard.state().lighting().mode), int(Mode::Custom));
            QCOMPARE(keyboard.state().lighting().custom.led[3 * 44], uchar(255));
            emitRequest(window.page(), Request::Apply, QByteArray());
            window.session()->switchProfile(1);
            emitRequest(window.page(), Request::ModeParam,
                        Packets::modeParam(record(Mode::Stars, Qt::gray)));
            // A change back to what the keyboard holds is no change to apply.
            QVERIFY(!window.session()->isApplied(1));
            window.session()->undoStack()->undo();
            QVERIFY(window.session()->isApplied(1));
            window.session()->undoStack()->redo();
        }

        // The next start: the keyboard kept what was applied, and only that.
        VirtualKeyboard keyboard;
        OnboardMemoryKeeper memory(keyboard, memoryFile, true);
        QVERIFY2(memory.problem().isEmpty(), qPrintable(memory.problem()));
        AssembledWindow assembled(*m_store, &keyboard);
        HostWindow& window = assembled.window;
        window.session()->setAppliedCheck(OnboardCheck::forKeyboard(keyboard, *m_store));
        QCOMPARE(window.session()->unappliedProfiles(), std::vector<uchar>{1});
        window.start(1);
        QCOMPARE(window.findChild<ApplyIndicator*>()->text(),
                 QStringLiteral("Changes not applied"));

        // Quitting asks first, and can apply what the keyboard lacks.
        answerNextQuestion(QStringLiteral("unappliedQuitBox"), QStringLiteral("Apply and Quit"));
        QVERIFY(window.close());
        QVERIFY(OnboardCheck::holds(keyboard.onboardProfile(1), m_store->profile(1)));
        QVERIFY(window.session()->unappliedProfiles().empty());
    }

    void failedSaveIsShownAndAskedAboutOnQuit()
    {
        // Tests run as root, where permissions do not stop a write; a file where the folder
        // was does.
        const QString folder = m_dir->filePath(QStringLiteral("config"));
        QVERIFY(m_store->open(QDir(folder).filePath(QStringLiteral("profiles.json"))).created);
        AssembledWindow assembled(*m_store);
        HostWindow& window = assembled.window;
        window.start(0);
        auto* notSaved = window.findChild<SaveStateIndicator*>();
        QVERIFY(notSaved->isHidden());
        QVERIFY(QDir().rename(folder, folder + ".kept")
                && FileHelpers::writeAll(folder, "a file where the folder was"));

        const auto mode = [&window](int number, const QColor& colour) {
            emitRequest(window.page(), Request::ModeParam,
                        Packets::modeParam(record(number, colour)));
        };
        mode(Mode::Rain, Qt::red);
        emitRequest(window.page(), Request::Apply, QByteArray());
        QVERIFY(!notSaved->isHidden());
        auto* box = window.findChild<QMessageBox*>(QStringLiteral("saveFailedBox"));
        QVERIFY(box && box->isVisible() && !box->isModal());
        QVERIFY2(box->text().contains(m_store->filePath())
                     && box->text().contains("kept in memory"),
                 qPrintable(box->text()));
        answerNextQuestion(QStringLiteral("unsavedQuitBox"), QStringLiteral("Cancel"));
        QVERIFY(!window.close());

        // Saving works again: the next change saves everything, and the window may close.
        QVERIFY(QFile::remove(folder) && QDir().rename(folder + ".kept", folder));
        emitRequest(window.page(), Request::Apply, QByteArray());
        QVERIFY(!notSaved->isHidden()); // APPLY changes nothing that is stored
        mode(Mode::Rain, Qt::blue);
        emitRequest(window.page(), Request::Apply, QByteArray());
        QVERIFY(notSaved->isHidden());
        QVERIFY(window.close());
    }

    void outsideChangeReadOrChosen()
    {
        const QString path = m_dir->filePath(QStringLiteral("profiles.json"));
        QVERIFY(m_store->open(path).created);
        AssembledWindow assembled(*m_store);
        HostWindow& window = assembled.window;
        window.start(0);
        auto* watcher = window.findChild<StoreWatcher*>();
        using Contents = ProfileFile::Contents;
        auto theirs = std::make_unique<Contents>(Contents::factoryDefaults());
        theirs->profiles[0].activeMode = Mode::Rain;

        // A hand edit while everything is saved is read again; the host's own saves are not.
        const auto mode = [&window](int number) {
            const QByteArray packet = Packets::modeParam(record(number, Qt::red));
            emitRequest(window.page(), Request::ModeParam, packet);
        };
        mode(Mode::Stars);
        watcher->check();
        QCOMPARE(int(m_store->currentMode(0)), int(Mode::Stars));
        QVERIFY(FileHelpers::writeAll(path, ProfileFile::toJson(*theirs)));
        watcher->check();
        QCOMPARE(int(m_store->currentMode(0)), int(Mode::Rain));
        QCOMPARE(window.session()->undoStack()->count(), 0);

        // With a change not yet saved, the user chooses; the other file is kept aside.
        m_store->setDeferredSaving(kNeverMs, kNeverMs);
        mode(Mode::Heartbeat);
        theirs->profiles[0].activeMode = Mode::Ripple;
        const QByteArray theirText = ProfileFile::toJson(*theirs);
        QVERIFY(FileHelpers::writeAll(path, theirText));
        watcher->check();
        auto* box = window.findChild<QMessageBox*>(QStringLiteral("outsideChangeBox"));
        QVERIFY(box);
        box->findChild<QPushButton*>(QStringLiteral("keepMineButton"))->click();
        QCOMPARE(m_store->diskState(), ProfileStore::DiskState::AsSaved);
        QCOMPARE(int(m_store->currentMode(0)), int(Mode::Heartbeat));
        const QStringList aside = QDir(m_dir->path()).entryList({"profiles.json.outside-*"});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(FileHelpers::readAll(m_dir->filePath(aside.first())), theirText);
    }

    void clickOnKey_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("onKey"); // else on the empty margin above the keys
        QTest::newRow("paintsKey") << int(Mode::Custom) << true;
        QTest::newRow("zoneTakesKey") << int(Mode::Multizone) << true;
        QTest::newRow("emptySpotPaintsNothing") << int(Mode::Custom) << false;
        QTest::newRow("emptySpotAddsNothing") << int(Mode::Multizone) << false;
    }

    // Regression: a press and release with no move in between did nothing, yet the page sent
    // its unchanged record, which looked as if the click had worked.
    void clickOnKey()
    {
        QFETCH(int, mode);
        QFETCH(bool, onKey);
        m_store->setProfile(kProfile, showing(mode));
        RecordingTransport device;
        AssembledWindow assembled(*m_store, &device);
        HostWindow& window = assembled.window;
        window.start(kProfile);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Cyan, from the colour panel's presets, is what the per-key page paints with.
        auto* presets = window.findChild<QWidget*>("m_foreWid")->findChild<QLayout*>(
            "m_presetCorLayout");
        qobject_cast<QAbstractButton*>(presets->itemAt(4)->widget())->click();
        const std::size_t before = device.sent.size();

        const char* pageName = mode == Mode::Custom ? "CustomLedUi" : "MultizoneUi";
        QWidget* page = window.page()->findChild<QWidget*>(QLatin1String(pageName));
        if (onKey)
            QTest::mouseClick(page->findChild<QWidget*>("m_v"), Qt::LeftButton);
        else
            QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));

        QCOMPARE(device.sent.size(), before + (onKey ? 1 : 0));
        if (!onKey)
            return;
        const VantorPacket::Decoded sent = decoded(device.sent.back().packet);
        if (mode == Mode::Custom) {
            QCOMPARE(sent.code, int(Request::CustomLed));
            QCOMPARE(QColor(sent.custom.led[3 * kV], sent.custom.led[3 * kV + 1],
                            sent.custom.led[3 * kV + 2]),
                     QColor(Qt::cyan));
        } else {
            QCOMPARE(sent.code, int(Request::Multizone));
            QCOMPARE(int(sent.filter.zone[0][kV]), 1);
        }
    }

    // Regression: after a start the list was not scrolled to the active effect, which was
    // chosen before the window had its size.
    void activeEffectInViewOnceShown()
    {
        m_store->setProfile(kProfile, showing(Mode::TurnOff)); // the last row of the list
        AssembledWindow assembled(*m_store);
        HostWindow& window = assembled.window;
        window.start(kProfile);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* list = window.findChild<QScrollArea*>("scrollArea");
        auto* button = list->widget()->findChild<QWidget*>("m_turn_off");
        QTRY_VERIFY(!button->visibleRegion().isEmpty());
        QVERIFY(list->verticalScrollBar()->value() > 0);
    }

    void windowFitsScreen_data()
    {
        QTest::addColumn<QSize>("screen"); // its free area
        QTest::addColumn<int>("dockArea");  // 0: the docks fold away
        QTest::addColumn<int>("leastKeyWidth"); // of the live keyboard, in pixels
        QTest::addColumn<bool>("stacked");      // the docks beside the page, not as tabs
        QTest::addColumn<int>("tiers");         // the live keyboard is drawn in
        // Both beside the page. On the laptop the keyboard's tab has the column alone, for
        // three tiers of readable keys; on the large screen two tiers leave room for the log.
        QTest::newRow("laptop") << QSize(1366, 728) << int(Qt::RightDockWidgetArea) << 24
                                << false << 3;
        QTest::newRow("fullHd") << QSize(1920, 1040) << int(Qt::RightDockWidgetArea) << 30
                                << true << 2;
        QTest::newRow("small") << QSize(1280, 680) << 0 << 0 << false << 0;
    }

    // Regression: on a laptop the lowest key row hid under the panels, and a small window let
    // the key overlays drift off the keyboard picture.
    void windowFitsScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(int, dockArea);
        QFETCH(int, leastKeyWidth);
        QFETCH(bool, stacked);
        QFETCH(int, tiers);
        m_store->setProfile(kProfile, showing(Mode::Custom));
        VirtualKeyboard keyboard;
        AssembledWindow assembled(*m_store, &keyboard);
        HostWindow& window = assembled.window;
        window.addDeviceView(QStringLiteral("Virtual keyboard"),
                             new VirtualKeyboardPanel(&keyboard));
        window.start(kProfile);
        window.fitScreen(screen);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QVERIFY(window.width() <= screen.width() && window.height() <= screen.height());
        QCOMPARE(window.minimumSize(), window.minimumSizeHint());
        auto* keyboardDock = window.findChild<QDockWidget*>(QStringLiteral("deviceDock"));
        QCOMPARE(keyboardDock->isVisible(), dockArea != 0);
        if (dockArea != 0) {
            QCOMPARE(int(window.dockWidgetArea(keyboardDock)), dockArea);
            // Regression: a strip of tiny keys in a dock of empty room above and below.
            auto* live = keyboardDock->findChild<VirtualKeyboardWid*>();
            const qreal keyWidth = live->keyWidthIn(QSizeF(live->size()));
            QVERIFY2(keyWidth >= leastKeyWidth, qPrintable(QString::number(keyWidth)));
            QCOMPARE(live->tiersIn(QSizeF(live->size())), tiers);
        }
        if (dockArea == Qt::RightDockWidgetArea) {
            // Regression: beside the page three tabs cut their names short, and the keyboard's
            // dock stood empty above and below its picture.
            auto* live = keyboardDock->findChild<VirtualKeyboardWid*>();
            for (const QTabBar* tabs : window.findChildren<QTabBar*>()) {
                if (!tabs->isVisible())
                    continue;
                QVERIFY(!stacked);
                for (int tab = 0; tab < tabs->count(); ++tab) {
                    const QRect place = tabs->tabRect(tab);
                    const int room = std::max(place.width(), place.height());
                    const int needed = tabs->fontMetrics().horizontalAdvance(tabs->tabText(tab));
                    QVERIFY2(room > needed, qPrintable(tabs->tabText(tab)));
                }
            }
            if (stacked) {
                const int emptyRows = live->height() - live->usefulHeight(live->width());
                QVERIFY2(std::abs(emptyRows) <= kLayoutSlack,
                         qPrintable(QString::number(emptyRows)));
            } else {
                QVERIFY(!live->visibleRegion().isEmpty());
            }
        }

        // Even at the window's smallest, every key sits on the picture, above the panels.
        window.resize(window.minimumSize());
        QTRY_COMPARE(window.size(), window.minimumSize());
        auto* keys = window.page()->findChild<QWidget*>(QStringLiteral("CustomLedUi"));
        auto* colourPanel = window.page()->findChild<QWidget*>(QStringLiteral("LedColorUi"));
        QVERIFY(keys && colourPanel);
        QCOMPARE(keys->size(), keys->minimumSize());
        const int panelsTop = colourPanel->mapTo(window.page(), QPoint()).y();
        int checked = 0;
        for (const QWidget* key : keys->findChildren<QWidget*>()) {
            if (!KeyTable::byObjectName(key->objectName()))
                continue;
            ++checked;
            const QRect onPage(key->mapTo(window.page(), QPoint()), key->size());
            QVERIFY2(onPage.bottom() < panelsTop && window.page()->rect().contains(onPage),
                     qPrintable(key->objectName()));
        }
        QCOMPARE(checked, KeyTable::kKeyCount);

        // Regression: a folded dock shown again from the View menu made the window taller
        // than the screen.
        if (dockArea == 0) {
            const QSize before = window.size();
            keyboardDock->toggleViewAction()->trigger();
            QVERIFY(keyboardDock->isVisible());
            QCoreApplication::processEvents();
            QCOMPARE(window.size(), before);
            QVERIFY(window.minimumSizeHint().height() <= screen.height());
        }
    }

    // Regression: in German on a laptop, the veil that dims the speed controls of an effect
    // without speed left the last stroke of "SCHNELL" bright, so the word looked cut off.
    void veiledTextLiesWholeUnderItsVeil()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/keylight-i18n/keylight_de.qm")));
        QCoreApplication::installTranslator(&german);
        const auto uninstall =
            qScopeGuard([&german] { QCoreApplication::removeTranslator(&german); });
        m_store->setProfile(kProfile, showing(Mode::Static));
        AssembledWindow assembled(*m_store);
        HostWindow& window = assembled.window;
        window.start(kProfile);
        window.fitScreen(QSize(1366, 728));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // STATIC has neither speed nor direction: both veils are up, and together they
        // should cover every text of the panel.
        auto* panel = window.page()->findChild<QWidget*>(QStringLiteral("LedSpeedUi"));
        QVERIFY(panel);
        QRegion veils;
        for (const QLabel* veil : panel->findChildren<QLabel*>(
                 QRegularExpression(QStringLiteral("OverlayLab$")))) {
            QVERIFY(veil->isVisible());
            veils += veil->geometry();
        }
        int veiled = 0;
        for (const QLabel* label : panel->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || !label->isVisible())
                continue;
            const QSize textSize(label->fontMetrics().horizontalAdvance(label->text()),
                                 label->fontMetrics().height());
            const QRect text = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                                   textSize, label->contentsRect())
                                   .translated(label->mapTo(panel, QPoint()));
            QVERIFY2(QRegion(text).subtracted(veils).isEmpty(), qPrintable(label->text()));
            ++veiled;
        }
        QCOMPARE(veiled, 4); // LED-TEMPO, LANGSAM, SCHNELL and LED-RICHTUNG
    }

    // The page's controls have their own suite; here, what the window adds around it.
    void everyHostControlIsNamed()
    {
        VirtualKeyboard keyboard;
        AssembledWindow assembled(*m_store, &keyboard);
        HostWindow& window = assembled.window;
        window.addDeviceView(QStringLiteral("Virtual keyboard"),
                             new VirtualKeyboardPanel(&keyboard));
        window.fitScreen(QSize(1920, 1040));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int named = 0;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (window.page()->isAncestorOf(widget) || widget->focusPolicy() == Qt::NoFocus
                || !widget->isVisibleTo(&window))
                continue;
            const QString name = QAccessible::queryAccessibleInterface(widget)->text(
                QAccessible::Name);
            // A word, not a bare digit or symbol that a screen reader would spell out.
            QVERIFY2(name.contains(QRegularExpression(QStringLiteral("\\p{L}{2}"))),
                     qPrintable(widget->objectName() + QLatin1Char(' ') + name));
            ++named;
        }
        QVERIFY(named >= 7); // five profiles, the log and the virtual keyboard at least
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir; // outlives the store, which keeps its lock there
    std::unique_ptr<ProfileStore> m_store;
};

QTEST_MAIN(TestHostWindow)
#include "tst_hostwindow.moc"
