#pragma once

// JSON text meant to be read by people: small objects and arrays stay on one line, long
// runs of plain values are filled into lines, keys stand in a chosen order and numbered
// keys in numeric order. Any JSON parser reads the result.

#include <QByteArray>
#include <QJsonValue>
#include <QStringList>

namespace ReadableJson {

// keyOrder: keys that come first, in this order; other keys follow, numbered keys by
// number and the rest alphabetically.
QByteArray write(const QJsonValue& value, const QStringList& keyOrder);

} // namespace ReadableJson
