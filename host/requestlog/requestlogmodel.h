// SPDX-License-Identifier: MIT
#pragma once

// The requests sent to the keyboard, newest last, as rows of a table: when, for which
// profile, the code and its name, the packet's size, whether it decodes, its first bytes.

#include <QAbstractTableModel>
#include <QByteArray>
#include <QString>
#include <QTime>

#include <deque>

class RequestLogModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Time, Profile, Code, Name, Size, Decoded, Bytes, ColumnCount };

    static constexpr int kDefaultCapacity = 1000;
    static constexpr int kShownBytes = 16;

    explicit RequestLogModel(QObject* parent = nullptr);

    // Once full, the oldest row makes way for each new one.
    void setCapacity(int rows);
    int capacity() const { return m_capacity; }

    void append(uchar profile, int code, const QByteArray& packet);
    // A line about a device rather than a request (a server that went away, broken data
    // from it): its source in the request column, the sentence where results are shown.
    void appendNote(const QString& source, const QString& sentence);
    void clear();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Row
    {
        QTime time;
        uchar profile = 0;
        int code = 0;
        int size = 0;
        bool decoded = false;
        QString result;
        QString bytes;
        QString source; // set for a note, which has no code, profile or packet
    };

    void appendRow(Row row);

    QVariant display(const Row& row, int column) const;
    void trimTo(int rows);

    std::deque<Row> m_rows;
    int m_capacity = kDefaultCapacity;
};
