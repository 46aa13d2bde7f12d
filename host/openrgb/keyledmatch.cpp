// SPDX-License-Identifier: MIT
#include "host/openrgb/keyledmatch.h"

#include "host/transport/openrgb/sdkcontroller.h"
#include "host/transport/openrgb/sdkprotocol.h"
#include "keylight/keytable.h"
#include "keylight/vantor_types.h"

#include <QHash>

#include <cmath>
#include <limits>
#include <optional>

namespace {
// Other spellings servers use for a key, already normalized, and the name of our table
// they mean. Only names that cannot be read as another key belong here.
constexpr std::pair<const char*, const char*> kAliases[] = {
    {"esc", "escape"},
    {"prtsc", "printscreen"},
    {"printscr", "printscreen"},
    {"scrolllk", "scrolllock"},
    {"pause", "pause/break"},
    {"break", "pause/break"},
    {"playpause", "mediaplay/pause"},
    {"mediaplay", "mediaplay/pause"},
    {"mediaplaypause", "mediaplay/pause"},
    {"mediaprev", "mediaprevious"},
    {"previous", "mediaprevious"},
    {"next", "medianext"},
    {"backslash", "\\(ansi)"},
    {"\\", "\\(ansi)"},
    {"return", "enter"},
    {"capslk", "capslock"},
    {"lshift", "leftshift"},
    {"rshift", "rightshift"},
    {"leftctrl", "leftcontrol"},
    {"rightctrl", "rightcontrol"},
    {"lctrl", "leftcontrol"},
    {"rctrl", "rightcontrol"},
    {"leftwin", "leftwindows"},
    {"rightwin", "rightwindows"},
    {"leftsuper", "leftwindows"},
    {"rightsuper", "rightwindows"},
    {"leftgui", "leftwindows"},
    {"rightgui", "rightwindows"},
    {"lalt", "leftalt"},
    {"ralt", "rightalt"},
    {"altgr", "rightalt"},
    {"fn", "rightfn"},
    {"spacebar", "space"},
    {"del", "delete"},
    {"ins", "insert"},
    {"pgup", "pageup"},
    {"pgdn", "pagedown"},
    {"up", "uparrow"},
    {"down", "downarrow"},
    {"left", "leftarrow"},
    {"right", "rightarrow"},
    {"numlk", "numlock"},
    {"graveaccent", "`"},
    {"tilde", "`"},
    {"minus", "-"},
    {"equals", "="},
};

QString stripped(const QString& name)
{
    QString text = name.trimmed().toLower();
    if (text.startsWith(QLatin1String("key:")))
        text = text.mid(4);
    text.remove(QLatin1Char(' ')).remove(QLatin1Char('_'));
    // A dash alone is the minus key; elsewhere it only joins words ("Caps-Lock").
    if (text.size() > 1 && !text.endsWith(QLatin1Char('-')))
        text.remove(QLatin1Char('-'));
    // "Numpad 1", "Keypad 1" and "Number Pad 1" are one key.
    if (text.startsWith(QLatin1String("numberpad")))
        return text;
    for (const char* pad : {"numpad", "keypad", "num"}) {
        const QLatin1String prefix(pad);
        if (text.startsWith(prefix) && text.size() > prefix.size()
            && text != QLatin1String("numlock"))
            return QStringLiteral("numberpad") + text.mid(prefix.size());
    }
    return text;
}

struct Cell
{
    int row = 0;
    int column = 0;
};

double distance(const Cell& a, const Cell& b)
{
    return std::hypot(double(a.row - b.row), double(a.column - b.column));
}

// Where each LED of a zone sits in the zone's matrix, if it is in it.
QVector<std::optional<Cell>> cellsOf(const SdkZone& zone)
{
    QVector<std::optional<Cell>> cells(int(zone.ledsCount));
    for (int i = 0; i < zone.matrix.size(); ++i) {
        const quint32 led = zone.matrix[i];
        if (led != Sdk::kNoLed && led < zone.ledsCount)
            cells[int(led)] = Cell{i / int(zone.matrixWidth), i % int(zone.matrixWidth)};
    }
    return cells;
}

// Our key nearest to a point of our own lamp matrix (columns and rows of the LED index).
int nearestKeyTo(double column, double row)
{
    int best = -1;
    double bestDistance = std::numeric_limits<double>::max();
    for (const KeyInfo& key : KeyTable::kKeys) {
        const double d = std::hypot(double(key.led / kLedMatrixRows) - column,
                                    double(key.led % kLedMatrixRows) - row);
        if (d < bestDistance) {
            bestDistance = d;
            best = key.led;
        }
    }
    return best;
}

// The LED a zone's unmatched LED borrows from: the nearest matched LED in the zone's
// matrix, else the nearest by position in the zone; -1 when the zone matched nothing.
int neighbourInZone(const QVector<int>& zoneSources,
                    const QVector<std::optional<Cell>>& cells, int led)
{
    int best = -1;
    double bestDistance = std::numeric_limits<double>::max();
    for (int other = 0; other < zoneSources.size(); ++other) {
        if (zoneSources[other] < 0)
            continue;
        const double d = cells[led] && cells[other] ? distance(*cells[led], *cells[other])
                                                    : std::abs(other - led) + 0.5;
        if (d < bestDistance) {
            bestDistance = d;
            best = zoneSources[other];
        }
    }
    return best;
}
} // namespace

QString KeyLedMatch::normalized(const QString& ledName)
{
    static const QHash<QString, QString> aliases = [] {
        QHash<QString, QString> table;
        for (const auto& [alias, meant] : kAliases)
            table.insert(QString::fromUtf8(alias), QString::fromUtf8(meant));
        return table;
    }();
    const QString text = stripped(ledName);
    return aliases.value(text, text);
}

KeyLedMatch KeyLedMatch::build(const SdkController& controller)
{
    QHash<QString, int> ledOfName;
    for (const KeyInfo& key : KeyTable::kKeys)
        ledOfName.insert(normalized(QString::fromUtf8(key.ledName)), key.led);

    KeyLedMatch match;
    match.m_sourceLeds.fill(-1, controller.leds.size());
    QHash<int, bool> found;
    for (int i = 0; i < controller.leds.size(); ++i) {
        const auto it = ledOfName.constFind(normalized(controller.leds[i].name));
        if (it == ledOfName.constEnd())
            continue;
        match.m_sourceLeds[i] = *it;
        found.insert(*it, true);
        ++match.m_matched;
    }
    for (const KeyInfo& key : KeyTable::kKeys) {
        if (!found.contains(key.led))
            match.m_missing << QString::fromUtf8(key.ledName);
    }
    if (match.m_matched == 0)
        return match;

    // Unmatched LEDs, zone by zone, from the matches before any borrowing.
    const QVector<int> byName = match.m_sourceLeds;
    int firstColumn = kLedCount, lastColumn = 0;
    for (const int led : byName) {
        if (led >= 0) {
            firstColumn = std::min(firstColumn, led / kLedMatrixRows);
            lastColumn = std::max(lastColumn, led / kLedMatrixRows);
        }
    }
    for (int z = 0; z < controller.zones.size(); ++z) {
        const SdkZone& zone = controller.zones[z];
        const int start = controller.zoneStart(z);
        const QVector<int> zoneSources = byName.mid(start, int(zone.ledsCount));
        const QVector<std::optional<Cell>> cells = cellsOf(zone);
        for (int led = 0; led < zoneSources.size(); ++led) {
            if (zoneSources[led] >= 0)
                continue;
            int source = neighbourInZone(zoneSources, cells, led);
            if (source < 0) {
                // A zone without keys (a strip, a logo) spans the keys from left to right
                // along the middle row.
                const double along =
                    zoneSources.size() > 1 ? double(led) / (zoneSources.size() - 1) : 0.5;
                source = nearestKeyTo(firstColumn + along * (lastColumn - firstColumn),
                                      kLedMatrixRows / 2);
            }
            match.m_sourceLeds[start + led] = source;
        }
    }
    return match;
}
