// SPDX-License-Identifier: MIT
#pragma once

// The reading twin of JsonNode: reads values out of a parsed JSON document and keeps the
// first thing that was wrong, as one phrase naming the value by its path
// (profiles[3].modes[5].speed). After a failure every read gives a harmless value, so the
// callers need not check after each step.

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

class JsonReader
{
public:
    static constexpr int kByteMax = 255;

    bool failed() const { return !m_reason.isEmpty(); }
    QString reason() const { return m_reason; }
    // Keeps `reason` unless an earlier failure was kept.
    void fail(const QString& reason);

    // The member `key`, failing when it is missing.
    QJsonValue field(const QJsonObject& object, const char* key, const QString& where);
    // A missing value reads as empty without a failure: field() has reported it already.
    QJsonObject object(const QJsonValue& value, const QString& where);
    // With `size` at 0 or more, the list must have exactly that many entries.
    QJsonArray list(const QJsonValue& value, const QString& where, int size = -1);
    int integer(const QJsonValue& value, const QString& where, int min, int max);
    uchar byte(const QJsonObject& object, const char* key, const QString& where,
               int max = kByteMax);
    // A text; a missing value reads as empty, as above.
    QString text(const QJsonValue& value, const QString& where);
    // A colour written "#rrggbb"; r, g and b are left alone when it is missing or bad.
    void colour(const QJsonValue& value, const QString& where, uchar& r, uchar& g, uchar& b);

    // Paths name values the way a JSON path does: profiles[3].modes[5].speed. The empty
    // path is the whole document.
    static QString member(const QString& where, const char* key);
    static QString place(const QString& where);
    static QString item(const QString& where, int index);
    // What a value is, in the words of a message: "a number", "a list"...
    static QString typeName(const QJsonValue& value);

private:
    QString m_reason;
};
