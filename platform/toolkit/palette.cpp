// SPDX-License-Identifier: MIT
#include "platform/toolkit/palette.h"

#include <QRegularExpression>

#include <algorithm>
#include <iterator>

namespace Palette {

namespace {
struct Entry
{
    const char* name;
    QRgb rgba;
};

// In role order.
constexpr Entry kEntries[] = {
    {"accent", 0xff84319b},
    {"accentHover", 0xff9a45b3},
    {"accentPressed", 0xff6a2780},
    {"accentLight", 0xffa860c0},
    {"accentGlow", 0x5a84319b},
    {"accentText", 0xffc08ad6},
    {"focus", 0xffffd54a},
    {"ground", 0xff1b1d21},
    {"window", 0xff23252a},
    {"panel", 0xff202226},
    {"panelBorder", 0xff34373d},
    {"control", 0xff2a2d33},
    {"controlHover", 0xff34373d},
    {"controlBorder", 0xff3a3d44},
    {"controlBorderStrong", 0xff44474e},
    {"controlDisabled", 0xff23252a},
    {"controlDisabledBorder", 0xff2c2f35},
    {"alternateRow", 0xff212328},
    {"divider", 0xff33363c},
    {"outline", 0xff55585f},
    {"scrollHandle", 0xff54565b},
    {"text", 0xffffffff},
    {"textMuted", 0xffb4b6bb},
    {"textSubtle", 0xff9a9ea6},
    {"textDisabled", 0xff808287},
    {"tick", 0xff767a83},
    {"scaleText", 0xffc4c6cc},
    {"handleRim", 0xffe6d9ec},
    {"disabledMark", 0xff5d6067},
    {"checkerLight", 0xffbbbbbb},
    {"checkerDark", 0xff777777},
    {"success", 0xff8fd694},
    {"warning", 0xfff2b45c},
};
static_assert(std::size(kEntries) == RoleCount, "one entry per role");

// Style sheets take a colour with alpha as rgba(); an opaque one as #rrggbb.
QString cssName(const QColor& colour)
{
    if (colour.alpha() == 255)
        return colour.name(QColor::HexRgb);
    return QStringLiteral("rgba(%1,%2,%3,%4)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(colour.alpha());
}
} // namespace

QColor color(Role role)
{
    return QColor::fromRgba(kEntries[role].rgba);
}

QString styleSheet(const char* rules)
{
    static const QRegularExpression token(QStringLiteral("@([A-Za-z]+)"));
    QString sheet = QString::fromLatin1(rules);
    QRegularExpressionMatch match;
    int from = 0;
    while ((match = token.match(sheet, from)).hasMatch()) {
        const QString name = match.captured(1);
        const auto entry = std::find_if(std::begin(kEntries), std::end(kEntries),
                                        [&name](const Entry& e) {
                                            return name == QLatin1String(e.name);
                                        });
        Q_ASSERT_X(entry != std::end(kEntries), "Palette::styleSheet", qPrintable(name));
        const QString value = entry != std::end(kEntries)
            ? cssName(QColor::fromRgba(entry->rgba))
            : match.captured(0);
        sheet.replace(match.capturedStart(), match.capturedLength(), value);
        from = match.capturedStart() + value.size();
    }
    return sheet;
}

} // namespace Palette
