// SPDX-License-Identifier: MIT
#include "host/requestlog/requestlogmodel.h"

#include "host/transport/packetbytes.h"
#include "keylight/vantor_types.h"
#include "platform/protocol/vantorpacket.h"

#include <QBrush>
#include <QColor>
#include <QFontDatabase>

namespace {
const QColor kRejectedColour(255, 122, 122);

// The decode column: "ok", or why the packet is not a good one. APPLY has no packet.
QString decodeResult(int code, const QByteArray& packet, bool& ok)
{
    ok = true;
    if (code == Request::Apply && packet.isEmpty())
        return QObject::tr("no packet");
    VantorPacket::Decoded decoded;
    QString error;
    ok = VantorPacket::decode(packet.constData(), std::size_t(packet.size()), decoded, &error);
    if (ok && decoded.code != code) {
        ok = false;
        error = QObject::tr("packet of request %1").arg(decoded.code);
    }
    return ok ? QObject::tr("ok") : error;
}
} // namespace

RequestLogModel::RequestLogModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void RequestLogModel::setCapacity(int rows)
{
    m_capacity = qMax(1, rows);
    trimTo(m_capacity);
}

void RequestLogModel::append(uchar profile, int code, const QByteArray& packet)
{
    Row row;
    row.time = QTime::currentTime();
    row.profile = profile;
    row.code = code;
    row.size = packet.size();
    row.result = decodeResult(code, packet, row.decoded);
    row.bytes = PacketBytes::hexPrefix(packet, kShownBytes);
    appendRow(std::move(row));
}

void RequestLogModel::appendNote(const QString& source, const QString& sentence)
{
    Row row;
    row.time = QTime::currentTime();
    row.source = source;
    row.result = sentence;
    appendRow(std::move(row));
}

void RequestLogModel::appendRow(Row row)
{
    trimTo(m_capacity - 1);
    const int at = int(m_rows.size());
    beginInsertRows(QModelIndex(), at, at);
    m_rows.push_back(std::move(row));
    endInsertRows();
}

void RequestLogModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void RequestLogModel::trimTo(int rows)
{
    const int excess = int(m_rows.size()) - rows;
    if (excess <= 0)
        return;
    beginRemoveRows(QModelIndex(), 0, excess - 1);
    m_rows.erase(m_rows.begin(), m_rows.begin() + excess);
    endRemoveRows();
}

int RequestLogModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RequestLogModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RequestLogModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row& row = m_rows[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return display(row, index.column());
    case Qt::ForegroundRole:
        return row.decoded ? QVariant() : QVariant(QBrush(kRejectedColour));
    case Qt::FontRole:
        // Hex pairs line up in a fixed-width font.
        return index.column() == Bytes
            ? QVariant(QFontDatabase::systemFont(QFontDatabase::FixedFont))
            : QVariant();
    case Qt::ToolTipRole:
        return index.column() == Decoded ? QVariant(row.result) : QVariant();
    case Qt::TextAlignmentRole:
        return (index.column() == Code || index.column() == Size || index.column() == Profile)
            ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
            : QVariant();
    default:
        return {};
    }
}

QVariant RequestLogModel::display(const Row& row, int column) const
{
    if (column == Time)
        return row.time.toString(QStringLiteral("HH:mm:ss.zzz"));
    if (!row.source.isEmpty()) {
        if (column == Name)
            return row.source;
        return column == Decoded ? QVariant(row.result) : QVariant();
    }
    switch (column) {
    case Profile:
        return row.profile + 1;
    case Code:
        return row.code;
    case Name:
        return VantorPacket::requestName(row.code);
    case Size:
        return row.size;
    case Decoded:
        return row.result;
    case Bytes:
        return row.bytes;
    default:
        return {};
    }
}

QVariant RequestLogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Time:
        return tr("Time");
    case Profile:
        return tr("Profile");
    case Code:
        return tr("Code");
    case Name:
        return tr("Request");
    case Size:
        return tr("Size");
    case Decoded:
        return tr("Decoded");
    case Bytes:
        return tr("First bytes");
    default:
        return {};
    }
}
