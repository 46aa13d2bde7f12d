#pragma once

// The keys of a page built on the keyboard form, by LED index.

#include <QMap>
#include <QtGlobal>

class LedKeyBtn;
class QWidget;

using KeyMap = QMap<quint16, LedKeyBtn*>;

// LED index -> key, one entry per row of the key table, iterated in ascending LED index.
KeyMap keyMapOf(const QWidget* page);
