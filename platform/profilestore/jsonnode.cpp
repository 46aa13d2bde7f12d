#include "platform/profilestore/jsonnode.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kLineWidth = 96;
constexpr int kIndentStep = 4;
constexpr double kLargestExactInteger = 9007199254740992.0; // 2^53
constexpr int kDoubleDigits = 17;

QByteArray quoted(const QString& text)
{
    static const char kHex[] = "0123456789abcdef";
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            out += "\\u00";
            out += kHex[u >> 4];
            out += kHex[u & 0xFu];
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

QStringList orderedKeys(const QJsonObject& object, const QStringList& keyOrder)
{
    struct Key
    {
        int rank;
        bool isNumber;
        qlonglong number;
        QString text;
    };
    std::vector<Key> keys;
    for (auto it = object.begin(); it != object.end(); ++it) {
        Key key{int(keyOrder.indexOf(it.key())), false, 0, it.key()};
        if (key.rank < 0)
            key.rank = int(keyOrder.size());
        key.number = key.text.toLongLong(&key.isNumber);
        keys.push_back(key);
    }
    std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
        if (a.rank != b.rank)
            return a.rank < b.rank;
        if (a.isNumber != b.isNumber)
            return a.isNumber;
        return a.isNumber ? a.number < b.number : a.text < b.text;
    });
    QStringList ordered;
    for (const Key& key : keys)
        ordered.append(key.text);
    return ordered;
}
} // namespace

JsonNode JsonNode::number(qint64 value)
{
    JsonNode node;
    node.m_scalar = QByteArray::number(value);
    return node;
}

JsonNode JsonNode::text(const QString& value)
{
    JsonNode node;
    node.m_scalar = quoted(value);
    return node;
}

JsonNode JsonNode::null()
{
    JsonNode node;
    node.m_scalar = "null";
    return node;
}

JsonNode JsonNode::array()
{
    JsonNode node;
    node.m_kind = Kind::Array;
    return node;
}

JsonNode JsonNode::object()
{
    JsonNode node;
    node.m_kind = Kind::Object;
    return node;
}

JsonNode JsonNode::fromValue(const QJsonValue& value, const QStringList& keyOrder)
{
    switch (value.type()) {
    case QJsonValue::Bool: {
        JsonNode node;
        node.m_scalar = value.toBool() ? "true" : "false";
        return node;
    }
    case QJsonValue::Double: {
        const double d = value.toDouble();
        if (std::floor(d) == d && std::fabs(d) < kLargestExactInteger)
            return number(qint64(d));
        if (!std::isfinite(d))
            return null(); // JSON has no infinity
        JsonNode node;
        node.m_scalar = QByteArray::number(d, 'g', kDoubleDigits);
        return node;
    }
    case QJsonValue::String:
        return text(value.toString());
    case QJsonValue::Array: {
        JsonNode node = array();
        for (const QJsonValue& item : value.toArray())
            node.add(fromValue(item, keyOrder));
        return node;
    }
    case QJsonValue::Object: {
        JsonNode node = object();
        const QJsonObject object = value.toObject();
        for (const QString& key : orderedKeys(object, keyOrder))
            node.add(key, fromValue(object.value(key), keyOrder));
        return node;
    }
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        break;
    }
    return null();
}

JsonNode& JsonNode::add(JsonNode child)
{
    m_members.emplace_back(QByteArray(), std::move(child));
    return *this;
}

JsonNode& JsonNode::add(const QString& key, JsonNode child)
{
    m_members.emplace_back(quoted(key) + ": ", std::move(child));
    return *this;
}

QByteArray JsonNode::toText() const
{
    QByteArray out;
    write(0, 0, out);
    out += '\n';
    return out;
}

// Appends the one-line form; gives up as soon as `out` grows past `limit`, so a large
// container costs no more than one line's worth of work.
bool JsonNode::appendOneLine(QByteArray& out, int limit) const
{
    if (!isContainer()) {
        out += m_scalar;
        return out.size() <= limit;
    }
    out += m_kind == Kind::Array ? '[' : '{';
    bool first = true;
    for (const auto& [key, child] : m_members) {
        if (!first)
            out += ", ";
        out += key;
        if (out.size() > limit || !child.appendOneLine(out, limit))
            return false;
        first = false;
    }
    out += m_kind == Kind::Array ? ']' : '}';
    return out.size() <= limit;
}

void JsonNode::write(int indent, int column, QByteArray& out) const
{
    const int start = out.size();
    if (appendOneLine(out, start + kLineWidth - column) || !isContainer())
        return;
    out.truncate(start);

    const bool allScalars = std::none_of(m_members.begin(), m_members.end(),
                                         [](const auto& member) {
                                             return member.second.isContainer();
                                         });
    const int innerIndent = indent + kIndentStep;
    const QByteArray inner(innerIndent, ' ');
    out += m_kind == Kind::Array ? "[\n" : "{\n";
    out += inner;
    int lineLength = innerIndent;
    for (std::size_t i = 0; i < m_members.size(); ++i) {
        const auto& [key, child] = m_members[i];
        const bool last = i + 1 == m_members.size();
        if (allScalars) {
            // Plain values share lines, as many as fit.
            const int pieceLength = key.size() + child.m_scalar.size() + (last ? 0 : 1);
            if (lineLength > innerIndent) {
                if (lineLength + 1 + pieceLength > kLineWidth) {
                    out += '\n' + inner;
                    lineLength = innerIndent;
                } else {
                    out += ' ';
                    ++lineLength;
                }
            }
            out += key + child.m_scalar;
            if (!last)
                out += ',';
            lineLength += pieceLength;
            continue;
        }
        out += key;
        child.write(innerIndent, innerIndent + key.size(), out);
        if (!last)
            out += ",\n" + inner;
    }
    out += '\n' + QByteArray(indent, ' ') + (m_kind == Kind::Array ? ']' : '}');
}
