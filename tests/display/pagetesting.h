#pragma once

// Helpers for the preview page suites: a log of the signals a page emits, the keys of a
// keyboard page, and the moves of a band drag.

#include "keylight/keytable.h"
#include "display/ledkeybtn.h"
#include "keylight/vantor_types.h"
#include "support/pagehelpers.h"
#include "support/recordbytes.h"

#include <QtTest>

#include <algorithm>
#include <vector>

namespace PageTesting {

using RecordBytes::bytesOf;
using RecordBytes::listBytes;

// Four layer or zone records: record i runs effect i + 1 at speed i + 1 in colour
// (10 i, 20 + i, 30) at alpha 200 + i on the background (90 + i, 0, 0) at alpha 255.
inline std::vector<vantor_light> fourRecords()
{
    std::vector<vantor_light> records(kSubModeCount);
    for (int i = 0; i < kSubModeCount; ++i) {
        const uchar bytes[] = {uchar(i + 1), uchar(i + 1), 0, uchar(200 + i), 0, uchar(10 * i),
                               uchar(20 + i), 30, 0, uchar(90 + i), 0, 0, 0, 0xff};
        memcpy(&records[std::size_t(i)], bytes, sizeof(vantor_light));
    }
    return records;
}

// Every emission of the signals given, in order: the signal's name without "sig", its
// arguments as bytes (an int as one byte, a colour as hex, records as their bytes), and
// its flags (bModeChanged, bToSDK) kept aside.
class SignalLog : public QObject
{
public:
    template <typename Sender, typename... Signals>
    explicit SignalLog(Sender* sender, Signals... sigs)
    {
        (connect(sender, sigs, this,
                 [this, name = QMetaMethod::fromSignal(sigs).name().mid(3)](const auto&... args) {
                     names << QString::fromLatin1(name);
                     records << (QByteArray() + ... + pack(args));
                 }),
         ...);
    }

    QStringList names;
    QList<QByteArray> records;
    QList<bool> flags;

private:
    QByteArray pack(int i) { return QByteArray(1, char(i)); }
    QByteArray pack(bool b) { return flags << b, QByteArray(); }
    QByteArray pack(const QColor& cor) { return QByteArray::number(cor.rgba(), 16); }
    QByteArray pack(const std::vector<vantor_light>& list) { return listBytes(list); }
    template <typename T>
    QByteArray pack(const T& record) { return bytesOf(record); }
};

inline LedKeyBtn* key(QWidget* page, const QString& name)
{
    return page->findChild<LedKeyBtn*>(name);
}

inline quint16 ledOf(const QString& name)
{
    return KeyTable::byObjectName(name)->led;
}

// "z:key" puts the key into zone z.
inline vantor_filter filterOf(const QStringList& members)
{
    vantor_filter filter;
    for (const QString& member : members)
        filter.zone[member.section(':', 0, 0).toInt()][ledOf(member.section(':', 1))] = 1;
    return filter;
}

// A point by name: "<m_q" the gap left of a key, level with its centre; ">m_w" just past
// a key's lower right corner; "m_e" a key's centre; "x,y" a point of the page.
inline QPoint pointOf(QWidget* page, const QString& where)
{
    if (where.contains(','))
        return QPoint(where.section(',', 0, 0).toInt(), where.section(',', 1).toInt());
    const bool beside = where.startsWith('<') || where.startsWith('>');
    const QRect rect = key(page, beside ? where.mid(1) : where)->geometry();
    if (where.startsWith('<'))
        return QPoint(rect.left() - 4, rect.center().y());
    return where.startsWith('>') ? QPoint(rect.right() + 4, rect.bottom() - 2) : rect.center();
}

// A press, a move or a release of a drag (see pointOf); a move is followed by the repaint
// the window system runs before the next move.
inline void mouse(QWidget* page, QEvent::Type type, const QString& where)
{
    const Qt::MouseButtons held(type == QEvent::MouseButtonRelease ? 0 : Qt::LeftButton);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    PageHelpers::sendMouse(page, type, pointOf(page, where), held, button);
    if (type == QEvent::MouseMove)
        page->repaint();
}

inline bool showAndWait(QWidget* page)
{
    page->show();
    return QTest::qWaitForWindowExposed(page);
}

} // namespace PageTesting
