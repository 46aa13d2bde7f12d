// SPDX-License-Identifier: MIT
#pragma once

// The one table of per-key facts: every key of the keyboard with the object name of its
// button on the keyboard form, the LED index of its lamp, the legend printed on its cap,
// the name a screen reader speaks, the name lighting servers on the network give its LED
// ("Key: Escape"), and the Qt keys that press it. The preview pages, the
// virtual keyboard, the artwork generator and the profile file all read their key facts
// from here.

#include "keylight/vantor_types.h"

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <array>
#include <cstddef>

// Where a Qt key counts: anywhere, or only with the keypad modifier (the numeric pad
// sends the same Qt keys as the main block, told apart by that modifier).
enum class KeyInput { Main, Keypad };

// Keys whose cap shows a picture instead of a legend.
enum class KeyGlyph { None, Previous, PlayPause, Next };

struct KeyInfo
{
    const char* objectName; // the key's button on the keyboard form
    quint16 led;            // LED index of the key's lamp
    const char* legend;     // printed on the cap; empty for a picture or a bare cap
    const char* spokenName; // translated in the context "KeyTable"; null: the legend
    const char* ledName;    // the name network lighting servers give the key's LED
    std::array<int, 3> qtKeys; // 0 ends the list
    KeyInput input = KeyInput::Main;
    KeyGlyph glyph = KeyGlyph::None;
};

namespace KeyTable {

constexpr int kKeyCount = 112;
// The colour of a key nobody has painted: unlit. The page starts its per-key record so,
// the store's factory profiles hold it, and so every device shows such a key dark, as the
// page does.
constexpr uchar kUnpaintedRed = 0;
constexpr uchar kUnpaintedGreen = 0;
constexpr uchar kUnpaintedBlue = 0;
constexpr auto kContext = "KeyTable";

using P = KeyInput;
using G = KeyGlyph;

// In the order in which the keyboard form creates the keys.
// clang-format off
constexpr std::array<KeyInfo, kKeyCount> kKeys = {{
    {"m_esc", 14, "Esc", QT_TRANSLATE_NOOP("KeyTable", "Escape"), "Key: Escape", {Qt::Key_Escape}},
    {"m_f1", 35, "F1", nullptr, "Key: F1", {Qt::Key_F1}},
    {"m_f2", 42, "F2", nullptr, "Key: F2", {Qt::Key_F2}},
    {"m_f3", 49, "F3", nullptr, "Key: F3", {Qt::Key_F3}},
    {"m_f4", 56, "F4", nullptr, "Key: F4", {Qt::Key_F4}},
    {"m_f5", 70, "F5", nullptr, "Key: F5", {Qt::Key_F5}},
    {"m_f6", 77, "F6", nullptr, "Key: F6", {Qt::Key_F6}},
    {"m_f7", 84, "F7", nullptr, "Key: F7", {Qt::Key_F7}},
    {"m_f8", 91, "F8", nullptr, "Key: F8", {Qt::Key_F8}},
    {"m_f9", 98, "F9", nullptr, "Key: F9", {Qt::Key_F9}},
    {"m_f10", 105, "F10", nullptr, "Key: F10", {Qt::Key_F10}},
    {"m_f11", 112, "F11", nullptr, "Key: F11", {Qt::Key_F11}},
    {"m_f12", 119, "F12", nullptr, "Key: F12", {Qt::Key_F12}},
    {"m_prt", 126, "PrtSc", QT_TRANSLATE_NOOP("KeyTable", "Print Screen"),
     "Key: Print Screen", {Qt::Key_Print}},
    {"m_scr", 133, "ScrLk", QT_TRANSLATE_NOOP("KeyTable", "Scroll Lock"),
     "Key: Scroll Lock", {Qt::Key_ScrollLock}},
    {"m_pause", 140, "Pause", QT_TRANSLATE_NOOP("KeyTable", "Pause"),
     "Key: Pause/Break", {Qt::Key_Pause}},
    {"m_r1", 154, "", QT_TRANSLATE_NOOP("KeyTable", "Previous track"),
     "Key: Media Previous", {Qt::Key_MediaPrevious},
     P::Main, G::Previous},
    {"m_r2", 161, "", QT_TRANSLATE_NOOP("KeyTable", "Play or pause"), "Key: Media Play/Pause",
     {Qt::Key_MediaTogglePlayPause, Qt::Key_MediaPlay, Qt::Key_MediaPause}, P::Main,
     G::PlayPause},
    {"m_r3", 168, "", QT_TRANSLATE_NOOP("KeyTable", "Next track"),
     "Key: Media Next", {Qt::Key_MediaNext},
     P::Main, G::Next},
    {"m_m1", 8, "M1", QT_TRANSLATE_NOOP("KeyTable", "Macro 1"), "Key: M1", {}},
    {"m_m2", 9, "M2", QT_TRANSLATE_NOOP("KeyTable", "Macro 2"), "Key: M2", {}},
    {"m_m3", 10, "M3", QT_TRANSLATE_NOOP("KeyTable", "Macro 3"), "Key: M3", {}},
    {"m_m4", 11, "M4", QT_TRANSLATE_NOOP("KeyTable", "Macro 4"), "Key: M4", {}},
    {"m_m5", 12, "M5", QT_TRANSLATE_NOOP("KeyTable", "Macro 5"), "Key: M5", {}},
    {"m_tilde", 15, "~", QT_TRANSLATE_NOOP("KeyTable", "Grave accent"), "Key: `",
     {Qt::Key_QuoteLeft, Qt::Key_AsciiTilde}},
    {"m_1", 29, "1", nullptr, "Key: 1", {Qt::Key_1, Qt::Key_Exclam}},
    {"m_2", 36, "2", nullptr, "Key: 2", {Qt::Key_2, Qt::Key_At}},
    {"m_3", 43, "3", nullptr, "Key: 3", {Qt::Key_3, Qt::Key_NumberSign}},
    {"m_4", 50, "4", nullptr, "Key: 4", {Qt::Key_4, Qt::Key_Dollar}},
    {"m_5", 57, "5", nullptr, "Key: 5", {Qt::Key_5, Qt::Key_Percent}},
    {"m_6", 64, "6", nullptr, "Key: 6", {Qt::Key_6, Qt::Key_AsciiCircum}},
    {"m_7", 71, "7", nullptr, "Key: 7", {Qt::Key_7, Qt::Key_Ampersand}},
    {"m_8", 78, "8", nullptr, "Key: 8", {Qt::Key_8, Qt::Key_Asterisk}},
    {"m_9", 85, "9", nullptr, "Key: 9", {Qt::Key_9, Qt::Key_ParenLeft}},
    {"m_0", 92, "0", nullptr, "Key: 0", {Qt::Key_0, Qt::Key_ParenRight}},
    {"m_neg", 99, "-", QT_TRANSLATE_NOOP("KeyTable", "Minus"), "Key: -",
     {Qt::Key_Minus, Qt::Key_Underscore}},
    {"m_equ", 106, "=", QT_TRANSLATE_NOOP("KeyTable", "Equals"),
     "Key: =", {Qt::Key_Equal, Qt::Key_Plus}},
    {"m_backspace", 120, "Back", QT_TRANSLATE_NOOP("KeyTable", "Backspace"), "Key: Backspace",
     {Qt::Key_Backspace}},
    {"m_tab", 16, "Tab", QT_TRANSLATE_NOOP("KeyTable", "Tab"),
     "Key: Tab", {Qt::Key_Tab, Qt::Key_Backtab}},
    {"m_q", 30, "Q", nullptr, "Key: Q", {Qt::Key_Q}},
    {"m_w", 37, "W", nullptr, "Key: W", {Qt::Key_W}},
    {"m_e", 44, "E", nullptr, "Key: E", {Qt::Key_E}},
    {"m_r", 51, "R", nullptr, "Key: R", {Qt::Key_R}},
    {"m_t", 58, "T", nullptr, "Key: T", {Qt::Key_T}},
    {"m_y", 65, "Y", nullptr, "Key: Y", {Qt::Key_Y}},
    {"m_u", 72, "U", nullptr, "Key: U", {Qt::Key_U}},
    {"m_i", 79, "I", nullptr, "Key: I", {Qt::Key_I}},
    {"m_o", 86, "O", nullptr, "Key: O", {Qt::Key_O}},
    {"m_p", 93, "P", nullptr, "Key: P", {Qt::Key_P}},
    {"m_l_brack", 100, "[", QT_TRANSLATE_NOOP("KeyTable", "Left bracket"), "Key: [",
     {Qt::Key_BracketLeft, Qt::Key_BraceLeft}},
    {"m_r_brack", 107, "]", QT_TRANSLATE_NOOP("KeyTable", "Right bracket"), "Key: ]",
     {Qt::Key_BracketRight, Qt::Key_BraceRight}},
    {"m_backslash", 121, "\\", QT_TRANSLATE_NOOP("KeyTable", "Backslash"), "Key: \\ (ANSI)",
     {Qt::Key_Backslash, Qt::Key_Bar}},
    {"m_cap", 17, "Caps", QT_TRANSLATE_NOOP("KeyTable", "Caps Lock"),
     "Key: Caps Lock", {Qt::Key_CapsLock}},
    {"m_a", 31, "A", nullptr, "Key: A", {Qt::Key_A}},
    {"m_s", 38, "S", nullptr, "Key: S", {Qt::Key_S}},
    {"m_d", 45, "D", nullptr, "Key: D", {Qt::Key_D}},
    {"m_f", 52, "F", nullptr, "Key: F", {Qt::Key_F}},
    {"m_g", 59, "G", nullptr, "Key: G", {Qt::Key_G}},
    {"m_h", 66, "H", nullptr, "Key: H", {Qt::Key_H}},
    {"m_j", 73, "J", nullptr, "Key: J", {Qt::Key_J}},
    {"m_k", 80, "K", nullptr, "Key: K", {Qt::Key_K}},
    {"m_l", 87, "L", nullptr, "Key: L", {Qt::Key_L}},
    {"m_sem", 94, ";", QT_TRANSLATE_NOOP("KeyTable", "Semicolon"), "Key: ;",
     {Qt::Key_Semicolon, Qt::Key_Colon}},
    {"m_apos", 101, "'", QT_TRANSLATE_NOOP("KeyTable", "Apostrophe"), "Key: '",
     {Qt::Key_Apostrophe, Qt::Key_QuoteDbl}},
    {"m_enter", 122, "Enter", QT_TRANSLATE_NOOP("KeyTable", "Enter"),
     "Key: Enter", {Qt::Key_Return}},
    {"m_l_shift", 18, "Shift", QT_TRANSLATE_NOOP("KeyTable", "Left Shift"),
     "Key: Left Shift", {Qt::Key_Shift}},
    {"m_z", 32, "Z", nullptr, "Key: Z", {Qt::Key_Z}},
    {"m_x", 39, "X", nullptr, "Key: X", {Qt::Key_X}},
    {"m_c", 46, "C", nullptr, "Key: C", {Qt::Key_C}},
    {"m_v", 53, "V", nullptr, "Key: V", {Qt::Key_V}},
    {"m_b", 60, "B", nullptr, "Key: B", {Qt::Key_B}},
    {"m_n", 67, "N", nullptr, "Key: N", {Qt::Key_N}},
    {"m_m", 74, "M", nullptr, "Key: M", {Qt::Key_M}},
    {"m_comma", 81, ",", QT_TRANSLATE_NOOP("KeyTable", "Comma"),
     "Key: ,", {Qt::Key_Comma, Qt::Key_Less}},
    {"m_dot", 88, ".", QT_TRANSLATE_NOOP("KeyTable", "Period"), "Key: .",
     {Qt::Key_Period, Qt::Key_Greater}},
    {"m_slash", 95, "/", QT_TRANSLATE_NOOP("KeyTable", "Slash"), "Key: /",
     {Qt::Key_Slash, Qt::Key_Question}},
    {"m_r_shift", 123, "Shift", QT_TRANSLATE_NOOP("KeyTable", "Right Shift"),
     "Key: Right Shift", {}},
    {"m_l_ctrl", 19, "Ctrl", QT_TRANSLATE_NOOP("KeyTable", "Left Ctrl"),
     "Key: Left Control", {Qt::Key_Control}},
    {"m_l_win", 26, "Win", QT_TRANSLATE_NOOP("KeyTable", "Left Windows"), "Key: Left Windows",
     {Qt::Key_Meta, Qt::Key_Super_L}},
    {"m_l_alt", 33, "Alt", QT_TRANSLATE_NOOP("KeyTable", "Left Alt"),
     "Key: Left Alt", {Qt::Key_Alt}},
    {"m_space", 61, "", QT_TRANSLATE_NOOP("KeyTable", "Space"), "Key: Space", {Qt::Key_Space}},
    {"m_r_alt", 89, "Alt", QT_TRANSLATE_NOOP("KeyTable", "Right Alt"),
     "Key: Right Alt", {Qt::Key_AltGr}},
    {"m_r_win", 96, "Win", QT_TRANSLATE_NOOP("KeyTable", "Right Windows"),
     "Key: Right Windows", {Qt::Key_Super_R}},
    {"m_fn", 103, "Fn", QT_TRANSLATE_NOOP("KeyTable", "Function"),
     "Key: Right Fn", {Qt::Key_Menu}},
    {"m_r_ctrl", 124, "Ctrl", QT_TRANSLATE_NOOP("KeyTable", "Right Ctrl"),
     "Key: Right Control", {}},
    {"m_del", 128, "Del", QT_TRANSLATE_NOOP("KeyTable", "Delete"),
     "Key: Delete", {Qt::Key_Delete}},
    {"m_ins", 127, "Ins", QT_TRANSLATE_NOOP("KeyTable", "Insert"),
     "Key: Insert", {Qt::Key_Insert}},
    {"m_end", 135, "End", QT_TRANSLATE_NOOP("KeyTable", "End"), "Key: End", {Qt::Key_End}},
    {"m_up", 137, "\u2191", QT_TRANSLATE_NOOP("KeyTable", "Up arrow"),
     "Key: Up Arrow", {Qt::Key_Up}},
    {"m_pgdn", 142, "PgDn", QT_TRANSLATE_NOOP("KeyTable", "Page Down"),
     "Key: Page Down", {Qt::Key_PageDown}},
    {"m_pgup", 141, "PgUp", QT_TRANSLATE_NOOP("KeyTable", "Page Up"),
     "Key: Page Up", {Qt::Key_PageUp}},
    {"m_home", 134, "Home", QT_TRANSLATE_NOOP("KeyTable", "Home"), "Key: Home", {Qt::Key_Home}},
    {"m_down", 138, "\u2193", QT_TRANSLATE_NOOP("KeyTable", "Down arrow"),
     "Key: Down Arrow", {Qt::Key_Down}},
    {"m_left", 131, "\u2190", QT_TRANSLATE_NOOP("KeyTable", "Left arrow"),
     "Key: Left Arrow", {Qt::Key_Left}},
    {"m_right", 145, "\u2192", QT_TRANSLATE_NOOP("KeyTable", "Right arrow"),
     "Key: Right Arrow", {Qt::Key_Right}},
    {"m_div", 155, "/", QT_TRANSLATE_NOOP("KeyTable", "Numpad Divide"),
     "Key: Number Pad /", {Qt::Key_Slash},
     P::Keypad},
    {"m_num_neg", 169, "-", QT_TRANSLATE_NOOP("KeyTable", "Numpad Minus"),
     "Key: Number Pad -", {Qt::Key_Minus},
     P::Keypad},
    {"m_num_8", 156, "8", QT_TRANSLATE_NOOP("KeyTable", "Numpad 8"),
     "Key: Number Pad 8", {Qt::Key_8, Qt::Key_Up},
     P::Keypad},
    {"m_num_7", 149, "7", QT_TRANSLATE_NOOP("KeyTable", "Numpad 7"),
     "Key: Number Pad 7", {Qt::Key_7, Qt::Key_Home},
     P::Keypad},
    {"m_num_9", 163, "9", QT_TRANSLATE_NOOP("KeyTable", "Numpad 9"), "Key: Number Pad 9",
     {Qt::Key_9, Qt::Key_PageUp}, P::Keypad},
    {"m_num_6", 164, "6", QT_TRANSLATE_NOOP("KeyTable", "Numpad 6"), "Key: Number Pad 6",
     {Qt::Key_6, Qt::Key_Right}, P::Keypad},
    {"m_num_1", 151, "1", QT_TRANSLATE_NOOP("KeyTable", "Numpad 1"),
     "Key: Number Pad 1", {Qt::Key_1, Qt::Key_End},
     P::Keypad},
    {"m_num_4", 150, "4", QT_TRANSLATE_NOOP("KeyTable", "Numpad 4"),
     "Key: Number Pad 4", {Qt::Key_4, Qt::Key_Left},
     P::Keypad},
    {"m_num_5", 157, "5", QT_TRANSLATE_NOOP("KeyTable", "Numpad 5"),
     "Key: Number Pad 5", {Qt::Key_5, Qt::Key_Clear},
     P::Keypad},
    {"m_num_2", 158, "2", QT_TRANSLATE_NOOP("KeyTable", "Numpad 2"),
     "Key: Number Pad 2", {Qt::Key_2, Qt::Key_Down},
     P::Keypad},
    {"m_num_3", 165, "3", QT_TRANSLATE_NOOP("KeyTable", "Numpad 3"), "Key: Number Pad 3",
     {Qt::Key_3, Qt::Key_PageDown}, P::Keypad},
    {"m_numlk", 148, "Num", QT_TRANSLATE_NOOP("KeyTable", "Num Lock"),
     "Key: Num Lock", {Qt::Key_NumLock}},
    {"m_star", 162, "*", QT_TRANSLATE_NOOP("KeyTable", "Numpad Multiply"),
     "Key: Number Pad *", {Qt::Key_Asterisk},
     P::Keypad},
    {"m_num_0", 152, "0", QT_TRANSLATE_NOOP("KeyTable", "Numpad 0"), "Key: Number Pad 0",
     {Qt::Key_0, Qt::Key_Insert}, P::Keypad},
    {"m_num_dot", 166, ".", QT_TRANSLATE_NOOP("KeyTable", "Numpad Decimal"), "Key: Number Pad .",
     {Qt::Key_Period, Qt::Key_Comma, Qt::Key_Delete}, P::Keypad},
    {"m_num_plus", 170, "+", QT_TRANSLATE_NOOP("KeyTable", "Numpad Plus"),
     "Key: Number Pad +", {Qt::Key_Plus},
     P::Keypad},
    {"m_num_enter", 173, "Ent", QT_TRANSLATE_NOOP("KeyTable", "Numpad Enter"),
     "Key: Number Pad Enter", {Qt::Key_Enter},
     P::Keypad},
}};
// clang-format on

constexpr bool ledsAreDistinctAndInRange()
{
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (kKeys[i].led >= kLedCount)
            return false;
        for (std::size_t j = i + 1; j < kKeys.size(); ++j) {
            if (kKeys[i].led == kKeys[j].led)
                return false;
        }
    }
    return true;
}
static_assert(ledsAreDistinctAndInRange(), "every key has its own lamp");

// The key of an LED index, or null for a slot without a key.
constexpr const KeyInfo* byLed(int led)
{
    for (const KeyInfo& key : kKeys) {
        if (key.led == led)
            return &key;
    }
    return nullptr;
}

// The key whose button has this object name, or null.
inline const KeyInfo* byObjectName(QStringView name)
{
    for (const KeyInfo& key : kKeys) {
        if (name == QLatin1String(key.objectName))
            return &key;
    }
    return nullptr;
}

// The LED of the key that a Qt key presses, or -1. With the keypad modifier the numeric
// pad is asked first; a key the pad lacks (Num Lock) is then found in the main block.
inline int ledForQtKey(int qtKey, bool bKeypad)
{
    const auto find = [qtKey](KeyInput input) {
        for (const KeyInfo& key : kKeys) {
            if (key.input != input)
                continue;
            for (int candidate : key.qtKeys) {
                if (candidate != 0 && candidate == qtKey)
                    return int(key.led);
            }
        }
        return -1;
    };
    const int padLed = bKeypad ? find(KeyInput::Keypad) : -1;
    return padLed >= 0 ? padLed : find(KeyInput::Main);
}

// What a screen reader says for the key, in the user's language.
inline QString spokenName(const KeyInfo& key)
{
    return key.spokenName ? QCoreApplication::translate(kContext, key.spokenName)
                          : QString::fromUtf8(key.legend);
}

// The key's name in files people read: the object name without its "m_".
inline QString fileName(const KeyInfo& key)
{
    return QString::fromLatin1(key.objectName + 2);
}

} // namespace KeyTable
