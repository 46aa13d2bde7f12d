// SPDX-License-Identifier: MIT
#pragma once

// The bytes of the packed records, as the tests compare them.

#include "keylight/vantor_types.h"

#include <QByteArray>

#include <vector>

namespace RecordBytes {

// `count` records laid out one after the other from `record` on.
template <typename T>
QByteArray bytesOf(const T& record, std::size_t count = 1)
{
    return QByteArray(reinterpret_cast<const char*>(&record), int(sizeof(T) * count));
}

inline QByteArray listBytes(const std::vector<vantor_light>& list)
{
    return list.empty() ? QByteArray() : bytesOf(list.front(), list.size());
}

} // namespace RecordBytes
