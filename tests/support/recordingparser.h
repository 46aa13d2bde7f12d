// SPDX-License-Identifier: MIT
#pragma once

// A protocol builder for tests: remembers every record it was asked to encode and hands
// back a packet of its own whose first bytes are the request code, so a test can match
// each request at the host with the build that made it.

#include "keylight/iparsevantor.h"
#include "support/recordbytes.h"

#include <QByteArray>

#include <cstring>
#include <deque>
#include <vector>

class RecordingParser : public IParseVantor
{
public:
    struct Build
    {
        int code = 0;
        QByteArray record; // the encoded record bytes, lists and filter concatenated
        void* packet = nullptr;
    };

    RecordingParser() { IParseVantor::setInstance(this); }
    ~RecordingParser() override { IParseVantor::setInstance(nullptr); }
    RecordingParser(const RecordingParser&) = delete;
    RecordingParser& operator=(const RecordingParser&) = delete;

    bool buildReset(int iReserved, void*& pPacket) override
    {
        return add(8, QByteArray(1, char(iReserved)), pPacket);
    }
    bool buildModeParam(const vantor_light& light, void*& pPacket) override
    {
        return add(20, RecordBytes::bytesOf(light), pPacket);
    }
    bool buildCustomLed(const vantor_light_custom& custom, void*& pPacket) override
    {
        return add(23, RecordBytes::bytesOf(custom), pPacket);
    }
    bool buildMultilayer(const std::vector<vantor_light>& vMul, void*& pPacket) override
    {
        return add(25, RecordBytes::listBytes(vMul), pPacket);
    }
    bool buildMultizone(const std::vector<vantor_light>& vMul, const vantor_filter& filter,
                        void*& pPacket) override
    {
        return add(27, RecordBytes::listBytes(vMul) + RecordBytes::bytesOf(filter), pPacket);
    }

    std::vector<Build> builds;

private:
    bool add(int code, const QByteArray& record, void*& pPacket)
    {
        m_packets.emplace_back(record);
        m_packets.back().prepend(char(code));
        pPacket = m_packets.back().data();
        builds.push_back({code, record, pPacket});
        return true;
    }

    std::deque<QByteArray> m_packets; // stable addresses for every packet handed out
};
