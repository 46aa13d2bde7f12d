// SPDX-License-Identifier: MIT
#pragma once

// The keys of a page built on the keyboard form, by LED index.

#include "keylight_export.h"

#include <QMap>
#include <QtGlobal>

class LedKeyBtn;
class QWidget;

using KeyMap = QMap<quint16, LedKeyBtn*>;

// LED index -> key, one entry per row of the key table, iterated in ascending LED index.
KEYLIGHT_EXPORT KeyMap keyMapOf(const QWidget* page);
