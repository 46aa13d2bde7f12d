#pragma once

// Shared by the colour suites: custom slot lists as text, a profile store that records
// the lists written to it, the swatches and boxes of a colour page, and drops.

#include "colour/groundwid.h"
#include "platform/profilestore/profilestore.h"
#include "platform/toolkit/colorbtn.h"
#include "support/storeinstallation.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDropEvent>
#include <QMimeData>
#include <QSpinBox>

namespace ColourTest {

// "#aarrggbb" per filled slot and "-" per empty one, whatever its colour bytes.
inline QString text(const std::vector<custom_color>& list)
{
    QStringList names;
    for (const custom_color& c : list)
        names << (c.flag ? QColor(c.red, c.green, c.blue, c.alpha).name(QColor::HexArgb) : "-");
    return names.join(' ');
}

inline ColorBtn* swatch(GroundWid* page, const char* layout, int index)
{
    auto* row = page->findChild<QHBoxLayout*>(QLatin1String(layout));
    return qobject_cast<ColorBtn*>(row->itemAt(index)->widget());
}
inline ColorBtn* preset(GroundWid* page, int i) { return swatch(page, "m_presetCorLayout", i); }
inline ColorBtn* slot(GroundWid* page, int i) { return swatch(page, "m_customCorLayout", i); }

// What a page shows: its R/G/B boxes, with the brightness slider as the alpha.
inline QColor shown(GroundWid* page)
{
    const auto box = [page](const char* name) {
        return page->findChild<QSpinBox*>(QLatin1String(name))->value();
    };
    return QColor(box("m_r"), box("m_g"), box("m_b"), page->brightness());
}

// A drag entering and, once accepted, the drop at the target's centre.
inline bool dropOn(QWidget* target, const QMimeData& mime)
{
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(centre), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    if (enter.isAccepted())
        QApplication::sendEvent(target, &drop);
    return enter.isAccepted() && drop.isAccepted();
}

} // namespace ColourTest

// Its current profile can be any byte, 25 and above included; writes read "3/1: <list>".
// It is the page's store while it lives.
class CustomColorStore : public ProfileStore
{
public:
    uchar currentProfile() override { return profile; }
    void writeCustomColors(uchar iProfile, int iGroundType,
                           const std::vector<custom_color>& vCor) override
    {
        writes << QStringLiteral("%1/%2: ").arg(iProfile).arg(iGroundType)
                      + ColourTest::text(vCor);
        ProfileStore::writeCustomColors(iProfile, iGroundType, vCor);
    }

    uchar profile = 0;
    QStringList writes;

private:
    const StoreInstallation m_installation{*this};
};
