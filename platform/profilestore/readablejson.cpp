#include "platform/profilestore/readablejson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace ReadableJson {

namespace {
constexpr int kLineWidth = 96;
constexpr int kIndentStep = 4;

class Writer
{
public:
    explicit Writer(const QStringList& keyOrder)
        : m_keyOrder(keyOrder)
    {
    }

    QByteArray text(const QJsonValue& value)
    {
        QByteArray out;
        write(value, 0, out);
        out += '\n';
        return out;
    }

private:
    static bool isContainer(const QJsonValue& value)
    {
        return value.isArray() || value.isObject();
    }

    static QByteArray scalar(const QJsonValue& value)
    {
        // Let Qt quote strings and print numbers; only the brackets are ours to drop.
        const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        return wrapped.mid(1, wrapped.size() - 2);
    }

    static QByteArray quotedKey(const QString& key) { return scalar(QJsonValue(key)); }

    QStringList orderedKeys(const QJsonObject& object) const
    {
        QStringList keys = object.keys();
        auto rank = [this](const QString& key) {
            const int index = m_keyOrder.indexOf(key);
            return index < 0 ? m_keyOrder.size() : index;
        };
        std::stable_sort(keys.begin(), keys.end(), [&](const QString& a, const QString& b) {
            if (rank(a) != rank(b))
                return rank(a) < rank(b);
            bool aNumber = false;
            bool bNumber = false;
            const qlonglong aValue = a.toLongLong(&aNumber);
            const qlonglong bValue = b.toLongLong(&bNumber);
            if (aNumber && bNumber)
                return aValue < bValue;
            if (aNumber != bNumber)
                return aNumber;
            return a < b;
        });
        return keys;
    }

    // The children of a container as (key or empty, value) pairs in writing order.
    QVector<QPair<QByteArray, QJsonValue>> children(const QJsonValue& value) const
    {
        QVector<QPair<QByteArray, QJsonValue>> items;
        if (value.isArray()) {
            for (const QJsonValue& item : value.toArray())
                items.append({QByteArray(), item});
        } else {
            const QJsonObject object = value.toObject();
            for (const QString& key : orderedKeys(object))
                items.append({quotedKey(key) + ": ", object.value(key)});
        }
        return items;
    }

    QByteArray oneLine(const QJsonValue& value) const
    {
        if (!isContainer(value))
            return scalar(value);
        QByteArray out = value.isArray() ? "[" : "{";
        bool first = true;
        for (const auto& [key, child] : children(value)) {
            out += first ? "" : ", ";
            out += key + oneLine(child);
            first = false;
        }
        out += value.isArray() ? "]" : "}";
        return out;
    }

    void write(const QJsonValue& value, int indent, QByteArray& out) const
    {
        const QByteArray flat = oneLine(value);
        const int column = out.size() - (out.lastIndexOf('\n') + 1);
        if (!isContainer(value) || column + flat.size() <= kLineWidth) {
            out += flat;
            return;
        }
        const auto items = children(value);
        const bool allScalars = std::none_of(items.begin(), items.end(), [](const auto& item) {
            return isContainer(item.second);
        });
        const QByteArray inner(indent + kIndentStep, ' ');
        out += value.isArray() ? "[\n" : "{\n";
        out += inner;
        int lineStart = out.size();
        for (int i = 0; i < items.size(); ++i) {
            const QByteArray separator = i + 1 < items.size() ? "," : "";
            if (allScalars) {
                // Plain values share lines, as many as fit.
                const QByteArray piece = items[i].first + scalar(items[i].second) + separator;
                if (out.size() > lineStart
                    && inner.size() + (out.size() - lineStart) + 1 + piece.size() > kLineWidth) {
                    out += '\n' + inner;
                    lineStart = out.size();
                } else if (out.size() > lineStart) {
                    out += ' ';
                }
                out += piece;
                continue;
            }
            out += items[i].first;
            write(items[i].second, indent + kIndentStep, out);
            out += separator;
            if (i + 1 < items.size()) {
                out += '\n' + inner;
                lineStart = out.size();
            }
        }
        out += '\n' + QByteArray(indent, ' ') + (value.isArray() ? "]" : "}");
    }

    QStringList m_keyOrder;
};
} // namespace

QByteArray write(const QJsonValue& value, const QStringList& keyOrder)
{
    return Writer(keyOrder).text(value);
}

} // namespace ReadableJson
