#include "host/device/keylayout.h"

#include "display/keytable.h"
#include "display/ledkeybtn.h"
#include "ui_keyboardwid.h"

#include <QHash>
#include <QLayout>
#include <QWidget>

namespace {
// Legends of the caps, by key object name; keys without an entry stay blank.
const QHash<QString, QString>& legends()
{
    static const QHash<QString, QString> table = {
        {"m_esc", "Esc"}, {"m_f1", "F1"}, {"m_f2", "F2"}, {"m_f3", "F3"}, {"m_f4", "F4"},
        {"m_f5", "F5"}, {"m_f6", "F6"}, {"m_f7", "F7"}, {"m_f8", "F8"}, {"m_f9", "F9"},
        {"m_f10", "F10"}, {"m_f11", "F11"}, {"m_f12", "F12"}, {"m_prt", "Prt"},
        {"m_scr", "Scr"}, {"m_pause", "Pau"}, {"m_m1", "M1"}, {"m_m2", "M2"},
        {"m_m3", "M3"}, {"m_m4", "M4"}, {"m_m5", "M5"}, {"m_tilde", "~"}, {"m_1", "1"},
        {"m_2", "2"}, {"m_3", "3"}, {"m_4", "4"}, {"m_5", "5"}, {"m_6", "6"}, {"m_7", "7"},
        {"m_8", "8"}, {"m_9", "9"}, {"m_0", "0"}, {"m_neg", "-"}, {"m_equ", "="},
        {"m_backspace", "Back"}, {"m_tab", "Tab"}, {"m_q", "Q"}, {"m_w", "W"}, {"m_e", "E"},
        {"m_r", "R"}, {"m_t", "T"}, {"m_y", "Y"}, {"m_u", "U"}, {"m_i", "I"}, {"m_o", "O"},
        {"m_p", "P"}, {"m_l_brack", "["}, {"m_r_brack", "]"}, {"m_backslash", "\\"},
        {"m_cap", "Caps"}, {"m_a", "A"}, {"m_s", "S"}, {"m_d", "D"}, {"m_f", "F"},
        {"m_g", "G"}, {"m_h", "H"}, {"m_j", "J"}, {"m_k", "K"}, {"m_l", "L"},
        {"m_sem", ";"}, {"m_apos", "'"}, {"m_enter", "Enter"}, {"m_l_shift", "Shift"},
        {"m_z", "Z"}, {"m_x", "X"}, {"m_c", "C"}, {"m_v", "V"}, {"m_b", "B"}, {"m_n", "N"},
        {"m_m", "M"}, {"m_comma", ","}, {"m_dot", "."}, {"m_slash", "/"},
        {"m_r_shift", "Shift"}, {"m_l_ctrl", "Ctrl"}, {"m_l_win", "Win"},
        {"m_l_alt", "Alt"}, {"m_r_alt", "Alt"}, {"m_r_win", "Win"}, {"m_fn", "Fn"},
        {"m_r_ctrl", "Ctrl"}, {"m_del", "Del"}, {"m_ins", "Ins"}, {"m_end", "End"},
        {"m_up", "\u2191"}, {"m_pgdn", "PgDn"}, {"m_pgup", "PgUp"}, {"m_home", "Home"},
        {"m_down", "\u2193"}, {"m_left", "\u2190"}, {"m_right", "\u2192"}, {"m_div", "/"},
        {"m_num_neg", "-"}, {"m_num_8", "8"}, {"m_num_7", "7"}, {"m_num_9", "9"},
        {"m_num_6", "6"}, {"m_num_1", "1"}, {"m_num_4", "4"}, {"m_num_5", "5"},
        {"m_num_2", "2"}, {"m_num_3", "3"}, {"m_numlk", "Num"}, {"m_star", "*"},
        {"m_num_0", "0"}, {"m_num_dot", "."}, {"m_num_plus", "+"}, {"m_num_enter", "Ent"},
    };
    return table;
}
} // namespace

KeyLayout KeyLayout::fromForm()
{
    QWidget form;
    Ui::KeyboardUi ui;
    ui.setupUi(&form);
    // Activating the layout places the keys without ever showing the form.
    form.layout()->activate();

    KeyLayout layout;
    layout.m_canvas = form.size();
    const auto keys = keyMapOf(&form);
    for (const KeyTableEntry& entry : kKeyTable) {
        const LedKeyBtn* key = keys.value(entry.led);
        if (!key)
            continue;
        KeyGeometry geometry;
        geometry.led = entry.led;
        geometry.rect = QRectF(key->geometry());
        geometry.label = legends().value(QLatin1String(entry.objectName));
        layout.m_keyArea = layout.m_keyArea.isNull() ? geometry.rect
                                                     : layout.m_keyArea.united(geometry.rect);
        layout.m_keys.push_back(geometry);
    }
    const QRectF area = layout.m_keyArea;
    for (KeyGeometry& key : layout.m_keys) {
        key.x = float((key.rect.center().x() - area.left()) / area.width());
        key.y = float((key.rect.center().y() - area.top()) / area.height());
    }
    return layout;
}

int KeyLayout::keyAt(const QPointF& pos) const
{
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        if (m_keys[i].rect.contains(pos))
            return int(i);
    }
    return -1;
}

int KeyLayout::indexOfLed(int led) const
{
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        if (m_keys[i].led == led)
            return int(i);
    }
    return -1;
}
