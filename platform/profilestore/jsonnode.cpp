// SPDX-License-Identifier: MIT
#include "platform/profilestore/jsonnode.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace {
constexpr int kLineWidth = 96;
constexpr int kIndentStep = 4;
} // namespace

JsonNode JsonNode::number(qint64 value)
{
    JsonNode node;
    node.m_scalar = QByteArray::number(value);
    return node;
}

JsonNode JsonNode::plainText(const QByteArray& value)
{
    JsonNode node;
    node.m_scalar.reserve(value.size() + 2);
    node.m_scalar += '"';
    node.m_scalar += value;
    node.m_scalar += '"';
    return node;
}

JsonNode JsonNode::text(const QString& value)
{
    // Qt's own writer knows every escape; the text is the one element of a compact list.
    const QByteArray list = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    JsonNode node;
    node.m_scalar = list.mid(1, list.size() - 2);
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

JsonNode& JsonNode::add(JsonNode child)
{
    m_members.emplace_back(QByteArray(), std::move(child));
    return *this;
}

JsonNode& JsonNode::add(const char* plainKey, JsonNode child)
{
    QByteArray key = "\"";
    key += plainKey;
    key += "\": ";
    m_members.emplace_back(std::move(key), std::move(child));
    return *this;
}

QByteArray JsonNode::toText() const
{
    return toText(0) + '\n';
}

QByteArray JsonNode::toText(int indent) const
{
    QByteArray out;
    write(indent, indent, out);
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
