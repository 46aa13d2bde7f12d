#pragma once

// Helpers for the preview page suites: a log of the signals a page emits, the keys of a
// keyboard page, and the moves of a band drag.

#include "display/keytable.h"
#include "display/ledkeybtn.h"
#include "keylight/vantor_types.h"
#include "support/pagehelpers.h"

#include <QtTest>

#include <vector>

namespace PageTesting {

template <typename T>
QByteArray bytesOf(const T& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), int(sizeof record));
}

inline QByteArray listBytes(const std::vector<vantor_light>& list)
{
    QByteArray bytes;
    for (const vantor_light& light : list)
        bytes += bytesOf(light);
    return bytes;
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
    QByteArray pack(bool b)
    {
        flags << b;
        return {};
    }
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
    for (const KeyTableEntry& entry : kKeyTable) {
        if (name == QLatin1String(entry.objectName))
            return entry.led;
    }
    qFatal("no key %s", qPrintable(name));
    return 0;
}

// "<m_q": the gap left of a key, level with its centre; ">m_w": just past a key's lower
// right corner; "m_e": a key's centre; "x,y": a point of the page.
inline QPoint pointOf(QWidget* page, const QString& spec)
{
    if (spec.contains(','))
        return QPoint(spec.section(',', 0, 0).toInt(), spec.section(',', 1).toInt());
    const QRect rect = key(page, spec.startsWith('<') || spec.startsWith('>') ? spec.mid(1) : spec)
                           ->geometry();
    if (spec.startsWith('<'))
        return QPoint(rect.left() - 4, rect.center().y());
    return spec.startsWith('>') ? QPoint(rect.right() + 4, rect.bottom() - 2) : rect.center();
}

inline void press(QWidget* page, const QString& spec)
{
    PageHelpers::sendMouse(page, QEvent::MouseButtonPress, pointOf(page, spec), Qt::LeftButton);
}

// One move of a drag, then the repaint the window system runs before the next move.
inline void moveTo(QWidget* page, const QString& spec)
{
    PageHelpers::sendMouse(page, QEvent::MouseMove, pointOf(page, spec), Qt::LeftButton,
                           Qt::NoButton);
    page->repaint();
}

inline void release(QWidget* page, const QString& spec)
{
    PageHelpers::sendMouse(page, QEvent::MouseButtonRelease, pointOf(page, spec), Qt::NoButton);
}

inline void dragBand(QWidget* page, const QString& from, const QString& to)
{
    PageHelpers::dragBand(page, pointOf(page, from), pointOf(page, to));
}

inline bool showAndWait(QWidget* page)
{
    page->show();
    return QTest::qWaitForWindowExposed(page);
}

} // namespace PageTesting
