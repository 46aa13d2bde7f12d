#pragma once

// The keys of the keyboard form with the LED index of each key's lamp. The per-key and
// multizone pages build their key maps from this one table; the artwork generator takes
// the key rectangles of the same keys from the laid-out form.

#include <QMap>
#include <QtGlobal>

#include <array>

class LedKeyBtn;
class QWidget;

struct KeyTableEntry
{
    const char* objectName;
    quint16 led;
};

constexpr int kKeyCount = 112;

// In the order in which the form creates the keys.
constexpr std::array<KeyTableEntry, kKeyCount> kKeyTable = {{
    {"m_esc", 14},
    {"m_f1", 35},
    {"m_f2", 42},
    {"m_f3", 49},
    {"m_f4", 56},
    {"m_f5", 70},
    {"m_f6", 77},
    {"m_f7", 84},
    {"m_f8", 91},
    {"m_f9", 98},
    {"m_f10", 105},
    {"m_f11", 112},
    {"m_f12", 119},
    {"m_prt", 126},
    {"m_scr", 133},
    {"m_pause", 140},
    {"m_r1", 154},
    {"m_r2", 161},
    {"m_r3", 168},
    {"m_m1", 8},
    {"m_m2", 9},
    {"m_m3", 10},
    {"m_m4", 11},
    {"m_m5", 12},
    {"m_tilde", 15},
    {"m_1", 29},
    {"m_2", 36},
    {"m_3", 43},
    {"m_4", 50},
    {"m_5", 57},
    {"m_6", 64},
    {"m_7", 71},
    {"m_8", 78},
    {"m_9", 85},
    {"m_0", 92},
    {"m_neg", 99},
    {"m_equ", 106},
    {"m_backspace", 120},
    {"m_tab", 16},
    {"m_q", 30},
    {"m_w", 37},
    {"m_e", 44},
    {"m_r", 51},
    {"m_t", 58},
    {"m_y", 65},
    {"m_u", 72},
    {"m_i", 79},
    {"m_o", 86},
    {"m_p", 93},
    {"m_l_brack", 100},
    {"m_r_brack", 107},
    {"m_backslash", 121},
    {"m_cap", 17},
    {"m_a", 31},
    {"m_s", 38},
    {"m_d", 45},
    {"m_f", 52},
    {"m_g", 59},
    {"m_h", 66},
    {"m_j", 73},
    {"m_k", 80},
    {"m_l", 87},
    {"m_sem", 94},
    {"m_apos", 101},
    {"m_enter", 122},
    {"m_l_shift", 18},
    {"m_z", 32},
    {"m_x", 39},
    {"m_c", 46},
    {"m_v", 53},
    {"m_b", 60},
    {"m_n", 67},
    {"m_m", 74},
    {"m_comma", 81},
    {"m_dot", 88},
    {"m_slash", 95},
    {"m_r_shift", 123},
    {"m_l_ctrl", 19},
    {"m_l_win", 26},
    {"m_l_alt", 33},
    {"m_space", 61},
    {"m_r_alt", 89},
    {"m_r_win", 96},
    {"m_fn", 103},
    {"m_r_ctrl", 124},
    {"m_del", 128},
    {"m_ins", 127},
    {"m_end", 135},
    {"m_up", 137},
    {"m_pgdn", 142},
    {"m_pgup", 141},
    {"m_home", 134},
    {"m_down", 138},
    {"m_left", 131},
    {"m_right", 145},
    {"m_div", 155},
    {"m_num_neg", 169},
    {"m_num_8", 156},
    {"m_num_7", 149},
    {"m_num_9", 163},
    {"m_num_6", 164},
    {"m_num_1", 151},
    {"m_num_4", 150},
    {"m_num_5", 157},
    {"m_num_2", 158},
    {"m_num_3", 165},
    {"m_numlk", 148},
    {"m_star", 162},
    {"m_num_0", 152},
    {"m_num_dot", 166},
    {"m_num_plus", 170},
    {"m_num_enter", 173},
}};

// LED index -> key, for the keys of a page built on the keyboard form.
QMap<quint16, LedKeyBtn*> keyMapOf(const QWidget* page);
