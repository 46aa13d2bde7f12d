// SPDX-License-Identifier: MIT
// The page from the keyboard alone and through a screen reader: the key cursor of the two
// keyboard pages, the names every control announces, and the Tab chain.

#include "display/keycursor.h"
#include "display/ledkeybtn.h"
#include "keylight/keytable.h"
#include "support/lightingpage.h"

#include <QAccessible>
#include <QComboBox>
#include <QLayout>
#include <QPushButton>
#include <QToolButton>
#include <QSet>
#include <QtTest>

namespace {
constexpr uchar kProfile = 2;
constexpr int kRgb = 3;
const QColor kRed(Qt::red);

// The first Tab of a window whose focus was nowhere: the focus chain's first stop.
void focusFirstStop(QWidget* window)
{
    if (QWidget* focused = QApplication::focusWidget())
        focused->clearFocus();
    QTest::keyClick(window, Qt::Key_Tab);
}

QString nameOf(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

struct Fixture : LightingPage<>
{
    explicit Fixture(const ProfileData& profile)
    {
        store.setProfile(kProfile, profile);
        page.activateWindow();
        page.updateUi(kProfile);
        // The keys a screen reader is told of, as "name (description)".
        for (auto* cursor : page.findChildren<KeyCursor*>()) {
            QObject::connect(cursor, &KeyCursor::sigAnnounced, cursor, [this](LedKeyBtn* key) {
                QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(key);
                announced << QStringLiteral("%1 (%2)").arg(spoken->text(QAccessible::Name),
                                                           spoken->text(QAccessible::Description));
            });
        }
    }

    // The cursor of the keyboard page on show (the one of CUSTOM, for a CUSTOM profile).
    KeyCursor* shownCursor()
    {
        for (auto* cursor : page.findChildren<KeyCursor*>()) {
            if (static_cast<QWidget*>(cursor->parent())->isVisible())
                return cursor;
        }
        return nullptr;
    }

    void keys(std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>> presses)
    {
        for (const auto& press : presses)
            QTest::keyClick(QApplication::focusWidget(), press.first, press.second);
    }

    QStringList announced;
};

ProfileData profileShowing(int mode)
{
    ProfileData data = ProfileData::factoryDefaults();
    data.activeMode = uchar(mode);
    data.currentZone = 1;
    data.zones[1].mode = Mode::Breathing; // an empty zone would take no keys
    data.custom = vantor_light_custom(); // every key black
    data.custom.brightness = 200;
    return data;
}
} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    // Up and Down land in the next row, on the key nearest straight above or below; Left
    // and Right on the next key of the same row; at the edge the cursor stays.
    void cursorStepsStraight_data()
    {
        QTest::addColumn<int>("direction");
        QTest::newRow("Up") << int(KeyCursor::Direction::Up);
        QTest::newRow("Down") << int(KeyCursor::Direction::Down);
        QTest::newRow("Left") << int(KeyCursor::Direction::Left);
        QTest::newRow("Right") << int(KeyCursor::Direction::Right);
    }

    void cursorStepsStraight()
    {
        QFETCH(int, direction);
        const auto way = KeyCursor::Direction(direction);
        Fixture f(profileShowing(Mode::Custom));
        QVERIFY(QTest::qWaitForWindowActive(&f.page));
        KeyCursor* cursor = f.shownCursor();
        QVERIFY(cursor);
        int moves = 0;
        QList<LedKeyBtn*> keys;
        for (LedKeyBtn* key : cursor->parent()->findChildren<LedKeyBtn*>()) {
            // The keys of the key table; the form holds one button that stands for none.
            if (key->isVisible() && !nameOf(key).isEmpty())
                keys << key;
        }
        const bool vertical = way == KeyCursor::Direction::Up || way == KeyCursor::Direction::Down;
        const int sign = way == KeyCursor::Direction::Up || way == KeyCursor::Direction::Left ? -1 : 1;
        for (LedKeyBtn* key : keys) {
            const QPointF from = QRectF(key->geometry()).center();
            const double sameRow = key->height() / 2.0;
            // Along the step and across it, for any key seen from `key`.
            const auto along = [&](LedKeyBtn* other) {
                const QPointF d = QRectF(other->geometry()).center() - from;
                return sign * (vertical ? d.y() : d.x());
            };
            const auto across = [&](LedKeyBtn* other) {
                const QPointF d = QRectF(other->geometry()).center() - from;
                return std::abs(vertical ? d.x() : d.y());
            };
            cursor->moveTo(key);
            cursor->step(way, false);
            LedKeyBtn* landed = cursor->current();
            const QString where = nameOf(key) + QStringLiteral(" -> ") + nameOf(landed);
            if (landed == key) {
                // Nothing lies that way: no key of the next row, or of this row.
                for (LedKeyBtn* other : keys) {
                    const bool candidate = vertical ? along(other) >= sameRow
                                                    : along(other) >= 1 && across(other) < sameRow;
                    QVERIFY2(!candidate, qPrintable(where + QStringLiteral(" but not ")
                                                    + nameOf(other)));
                }
                continue;
            }
            ++moves;
            QVERIFY2(along(landed) >= (vertical ? sameRow : 1), qPrintable(where));
            for (LedKeyBtn* other : keys) {
                if (other == key || other == landed || along(other) < (vertical ? sameRow : 1))
                    continue;
                if (vertical) {
                    // No row lies between, and no key of the row is nearer straight below.
                    QVERIFY2(along(other) > along(landed) - sameRow, qPrintable(where));
                    if (std::abs(along(other) - along(landed)) < sameRow)
                        QVERIFY2(across(other) >= across(landed),
                                 qPrintable(where + QStringLiteral(", not ") + nameOf(other)));
                } else if (across(other) < sameRow) {
                    QVERIFY2(across(landed) < sameRow && along(other) >= along(landed),
                             qPrintable(where + QStringLiteral(", not ") + nameOf(other)));
                }
            }
        }
        // Most keys have a neighbour every way: the rule was checked, not skipped.
        QVERIFY2(moves > keys.size() / 2, qPrintable(QString::number(moves)));
    }

    void downFromF5IsTheNumberRow()
    {
        // Regression: Down from F5 skipped the number row and landed on Y.
        Fixture f(profileShowing(Mode::Custom));
        QVERIFY(QTest::qWaitForWindowActive(&f.page));
        KeyCursor* cursor = f.shownCursor();
        QVERIFY(cursor);
        for (LedKeyBtn* key : cursor->parent()->findChildren<LedKeyBtn*>()) {
            if (nameOf(key) == QLatin1String("F5"))
                cursor->moveTo(key);
        }
        QCOMPARE(nameOf(cursor->current()), QStringLiteral("F5"));
        cursor->step(KeyCursor::Direction::Down, false);
        // Which digit depends on how the page lays the rows out; a digit it must be.
        const QString landed = nameOf(cursor->current());
        QVERIFY2(landed.size() == 1 && landed.front().isDigit(), qPrintable(landed));
    }

    void keyboardAloneEditsKeys_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("dropSpan"); // Escape before Space: only the cursor's key
        QTest::newRow("paintThreeKeys") << int(Mode::Custom) << false;
        QTest::newRow("paintCursorKey") << int(Mode::Custom) << true;
        QTest::newRow("zoneTakesThreeKeys") << int(Mode::Multizone) << false;
    }

    // Onto the preview, Right to F1, Shift+Right twice to F3, Space: the same request as a drag
    // over F1, F2 and F3.
    void keyboardAloneEditsKeys()
    {
        QFETCH(int, mode);
        QFETCH(bool, dropSpan);
        const ProfileData stored = profileShowing(mode);
        Fixture f(stored);
        QVERIFY(QTest::qWaitForWindowActive(&f.page));
        if (mode == Mode::Custom) { // the colour comes from the colour panel: its first preset
            auto* presets = f.page.findChild<QWidget*>("m_foreWid")->findChild<QLayout*>(
                "m_presetCorLayout");
            qobject_cast<QPushButton*>(presets->itemAt(0)->widget())->click();
        }
        f.parser.builds.clear();
        f.announced.clear();

        focusFirstStop(&f.page);
        f.keys({{Qt::Key_Right, {}}, {Qt::Key_Right, Qt::ShiftModifier},
                {Qt::Key_Right, Qt::ShiftModifier}});
        if (dropSpan)
            f.keys({{Qt::Key_Escape, {}}});
        f.keys({{Qt::Key_Space, {}}});

        const QString unlit = mode == Mode::Custom ? QStringLiteral("black, #000000")
                                                   : QStringLiteral("not lit");
        QCOMPARE(f.announced.mid(0, 4),
                 (QStringList{"Escape (" + unlit + ")", "F1 (" + unlit + ")",
                              "F2 (" + unlit + ")", "F3 (" + unlit + ")"}));
        const std::vector<int> painted = dropSpan ? std::vector<int>{49}
                                                  : std::vector<int>{35, 42, 49};
        QCOMPARE(f.parser.builds.size(), std::size_t(1));
        const RecordingParser::Build& sent = f.parser.builds[0];
        if (mode == Mode::Custom) {
            vantor_light_custom expected = stored.custom;
            for (int led : painted)
                memcpy(expected.led + kRgb * led, "\xff\x00\x00", kRgb);
            expected.brightness = 255; // the preset brought its own brightness
            QCOMPARE(sent.code, int(Request::CustomLed));
            QCOMPARE(sent.record, RecordBytes::bytesOf(expected));
            QCOMPARE(f.announced.last(), QStringLiteral("F3 (red, #ff0000)"));
        } else {
            vantor_filter expected = stored.filter;
            for (int led : painted)
                expected.zone[1][led] = 1;
            const std::vector<vantor_light> zones(stored.zones.begin(), stored.zones.end());
            QCOMPARE(sent.code, int(Request::Multizone));
            QCOMPARE(sent.record, RecordBytes::listBytes(zones) + RecordBytes::bytesOf(expected));
        }
    }

    void everyKeyAndControlIsNamed()
    {
        Fixture f(profileShowing(Mode::Custom));
        for (const char* page : {"CustomLedUi", "MultizoneUi"}) {
            auto* keyboard = f.page.findChild<QWidget*>(QLatin1String(page));
            // Every key is named, and no two keys of a keyboard sound alike.
            QSet<QString> names;
            for (const KeyInfo& info : KeyTable::kKeys) {
                auto* key = keyboard->findChild<LedKeyBtn*>(QLatin1String(info.objectName));
                const QString name = nameOf(key);
                QVERIFY2(!name.trimmed().isEmpty(), info.objectName);
                QVERIFY2(!names.contains(name), qPrintable(name));
                names.insert(name);
            }
            // Keys whose legend is a symbol, an abbreviation or nothing are spoken in words.
            const std::pair<const char*, const char*> spoken[] = {
                {"m_esc", "Escape"},       {"m_f1", "F1"},
                {"m_a", "A"},              {"m_backspace", "Backspace"},
                {"m_space", "Space"},      {"m_l_shift", "Left Shift"},
                {"m_up", "Up arrow"},      {"m_num_7", "Numpad 7"},
                {"m_num_enter", "Numpad Enter"}, {"m_l_win", "Left Windows"},
            };
            for (const auto& [object, name] : spoken)
                QCOMPARE(nameOf(keyboard->findChild<QWidget*>(object)), QString::fromUtf8(name));
        }
        // Every control the focus can reach says what it is, and tells more on hovering.
        for (QWidget* control : f.page.findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || control->focusProxy()
                || control->window() != &f.page) // a picker's list is a window of its own
                continue;
            // Widgets that Qt builds inside a control (a spin box's edit) speak for it.
            if (!control->parentWidget()->accessibleName().isEmpty()
                && control->parentWidget()->focusPolicy() != Qt::NoFocus)
                continue;
            QVERIFY2(!nameOf(control).isEmpty(), control->metaObject()->className());
            QVERIFY2(!control->toolTip().isEmpty(), qPrintable(nameOf(control)));
        }
        // The arrows, whose text is "...", are named by where they point: Tab test below.
        QCOMPARE(nameOf(f.page.findChild<QWidget*>("m_multilayerWid")->findChild<QComboBox*>()),
                 QStringLiteral("Layer 1: STATIC"));
        auto* customSlots = f.page.findChild<QWidget*>("m_foreWid")->findChild<QLayout*>(
            "m_customCorLayout");
        QCOMPARE(nameOf(customSlots->itemAt(2)->widget()),
                 QStringLiteral("Custom colour 3, empty"));
        auto* speed = f.page.findChild<QWidget*>("m_ledSpeed");
        QCOMPARE(speed->toolTip(), QStringLiteral("Speed: 3 of 5"));
    }

    // Reading order: the colour panel, the mode list, the speed panel with its arrows, RESET and
    // APPLY. A group of buttons of which one is checked (the effects, the directions) is one stop
    // whose arrow keys move between its buttons, as radio buttons do.
    void tabReachesEveryControlInReadingOrder()
    {
        Fixture f(profileShowing(Mode::RainbowWave)); // every direction arrow is usable
        QVERIFY(QTest::qWaitForWindowActive(&f.page));
        QStringList stops;
        focusFirstStop(&f.page);
        for (int i = 0; i < 200; ++i) {
            QWidget* focus = QApplication::focusWidget();
            const QString stop =
                focus->objectName().isEmpty() ? nameOf(focus) : focus->objectName();
            if (stops.contains(stop))
                break;
            stops << stop;
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QStringList panels;
        for (const QString& stop : stops) {
            const QString panel = stop == "m_hsvCorWid" ? "colour"
                : stop == "m_static" ? "modes"
                : stop == "m_ledSpeed" ? "speed"
                : stop == "RESET" || stop == "APPLY" ? stop
                : stop == "m_up" || stop == "m_left" || stop == "m_right" || stop == "m_down"
                ? "arrows"
                : QString();
            if (!panel.isEmpty() && (panels.isEmpty() || panels.last() != panel))
                panels << panel;
        }
        QCOMPARE(panels, (QStringList{"colour", "modes", "speed", "arrows", "RESET", "APPLY"}));
        // Regression: Tab skipped the direction arrows altogether.
        QWidget* speed = f.page.findChild<QWidget*>("LedSpeedUi");
        speed->findChild<QWidget*>("m_up")->setFocus(Qt::TabFocusReason);
        QStringList arrows;
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            arrows << nameOf(QApplication::focusWidget());
        }
        for (const char* name : {"Left", "Right", "Down"})
            QVERIFY2(arrows.contains(QLatin1String(name)), qPrintable(arrows.join(' ')));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
