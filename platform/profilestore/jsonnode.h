// SPDX-License-Identifier: MIT
#pragma once

// A JSON tree that keeps its members in the order they were added, and writes itself as
// text meant to be read by people: small objects and arrays stay on one line, long runs
// of plain values are filled into lines. Any JSON parser reads the result. It is built
// directly from the records, which is much cheaper than going through QJsonObject.

#include <QByteArray>

#include <utility>
#include <vector>

class JsonNode
{
public:
    static JsonNode number(qint64 value);
    // Text known to be plain ASCII without quotes or backslashes: no escaping needed.
    static JsonNode plainText(const QByteArray& value);
    // Any text, escaped as JSON needs it.
    static JsonNode text(const QString& value);
    static JsonNode null();
    static JsonNode array();
    static JsonNode object();

    // Appends to an array.
    JsonNode& add(JsonNode child);
    // Appends to an object.
    JsonNode& add(const char* plainKey, JsonNode child);

    QByteArray toText() const;
    // The text as it reads when the node starts `indent` spaces into its line, without a
    // line end: a piece that a larger document can take as it is.
    QByteArray toText(int indent) const;

private:
    enum class Kind { Scalar, Array, Object };

    bool isContainer() const { return m_kind != Kind::Scalar; }
    bool appendOneLine(QByteArray& out, int limit) const;
    void write(int indent, int column, QByteArray& out) const;

    Kind m_kind = Kind::Scalar;
    QByteArray m_scalar;                                 // JSON text of a scalar
    std::vector<std::pair<QByteArray, JsonNode>> m_members; // quoted key and ": ", or empty
};
