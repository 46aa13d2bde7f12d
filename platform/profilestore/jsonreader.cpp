// SPDX-License-Identifier: MIT
#include "platform/profilestore/jsonreader.h"

#include "platform/profilestore/storetext.h"

#include <QStringList>

#include <cmath>

namespace {
constexpr int kColourTextLength = 7; // "#rrggbb"
constexpr int kHexBase = 16;
} // namespace

QString JsonReader::typeName(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return StoreText::tr("true or false");
    case QJsonValue::Double:
        return StoreText::tr("a number");
    case QJsonValue::String:
        return QStringLiteral("text");
    case QJsonValue::Array:
        return StoreText::tr("a list");
    case QJsonValue::Object:
        return StoreText::tr("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("missing");
}

void JsonReader::fail(const QString& reason)
{
    if (m_reason.isEmpty())
        m_reason = reason;
}

QJsonValue JsonReader::field(const QJsonObject& object, const char* key, const QString& where)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        fail(StoreText::tr("%1 has no \"%2\"").arg(place(where), QLatin1String(key)));
    return value;
}

QJsonObject JsonReader::object(const QJsonValue& value, const QString& where)
{
    if (!value.isObject() && !value.isUndefined())
        fail(StoreText::tr("%1 should be an object but is %2").arg(where, typeName(value)));
    return value.toObject();
}

QJsonArray JsonReader::list(const QJsonValue& value, const QString& where, int size)
{
    if (!value.isArray()) {
        if (!value.isUndefined())
            fail(StoreText::tr("%1 should be a list but is %2").arg(where, typeName(value)));
        return {};
    }
    const QJsonArray array = value.toArray();
    if (size >= 0 && array.size() != size)
        fail(StoreText::tr("%1 has %2 entries instead of %3").arg(where).arg(array.size())
                 .arg(size));
    return array;
}

int JsonReader::integer(const QJsonValue& value, const QString& where, int min, int max)
{
    if (value.isUndefined())
        return min;
    if (!value.isDouble()) {
        fail(StoreText::tr("%1 should be a whole number but is %2")
                 .arg(where, typeName(value)));
        return min;
    }
    const double number = value.toDouble();
    // Checked as a double first: converting an out-of-range double is undefined.
    if (!std::isfinite(number) || std::floor(number) != number) {
        fail(StoreText::tr("%1 is %2, not a whole number").arg(where).arg(number));
        return min;
    }
    if (number < min || number > max) {
        fail(StoreText::tr("%1 is %2, outside %3 to %4").arg(where).arg(number).arg(min)
                 .arg(max));
        return min;
    }
    return int(number);
}

uchar JsonReader::byte(const QJsonObject& object, const char* key, const QString& where,
                       int max)
{
    return uchar(integer(field(object, key, where), member(where, key), 0, max));
}

QString JsonReader::text(const QJsonValue& value, const QString& where)
{
    if (value.isUndefined())
        return {};
    if (!value.isString()) {
        fail(StoreText::tr("%1 should be a text but is %2").arg(where, typeName(value)));
        return {};
    }
    return value.toString();
}

void JsonReader::colour(const QJsonValue& value, const QString& where, uchar& r, uchar& g,
                        uchar& b)
{
    if (value.isUndefined())
        return;
    const QString text = value.toString();
    bool ok = value.isString() && text.size() == kColourTextLength
        && text.startsWith(QLatin1Char('#'));
    uint rgb = 0;
    for (int i = 1; ok && i < text.size(); ++i) {
        const int digit = QStringLiteral("0123456789abcdef").indexOf(text[i].toLower());
        ok = digit >= 0;
        rgb = rgb * kHexBase + uint(digit);
    }
    if (!ok) {
        fail(StoreText::tr("%1 is %2, not a colour written like \"#ff8800\"")
                 .arg(where, value.isString() ? QStringLiteral("\"%1\"").arg(text)
                                              : typeName(value)));
        return;
    }
    r = uchar(rgb >> 16);
    g = uchar(rgb >> 8);
    b = uchar(rgb);
}

QString JsonReader::member(const QString& where, const char* key)
{
    const QString name = QLatin1String(key);
    return where.isEmpty() ? name : where + QLatin1Char('.') + name;
}

QString JsonReader::place(const QString& where)
{
    return where.isEmpty() ? StoreText::tr("the file") : where;
}

QString JsonReader::item(const QString& where, int index)
{
    return QStringLiteral("%1[%2]").arg(where).arg(index);
}
