// SPDX-License-Identifier: MIT
#pragma once

// The facts of the OpenRGB SDK protocol that both ends share: the header, the packet ids,
// the flags of modes, and the limits a reader holds every length from the wire to.

#include <QtGlobal>

namespace Sdk {

constexpr char kMagic[] = {'O', 'R', 'G', 'B'};
constexpr int kHeaderSize = 16;
constexpr quint16 kDefaultPort = 6742;
// The newest layout we read and write; servers that speak less are met at theirs.
constexpr quint32 kOurVersion = 4;
constexpr char kClientName[] = "KeyLight";

// Far above any real device (a full-size keyboard with its strips is a few kilobytes),
// far below what would hurt if a hostile peer claimed it.
constexpr quint32 kMaxPayload = 1024 * 1024;
constexpr int kMaxCount = 4096;       // modes, zones, LEDs, colours, segments
constexpr int kMaxMatrixCells = 65536;
constexpr int kMaxControllers = 256;

enum class PacketId : quint32 {
    RequestControllerCount = 0,
    RequestControllerData = 1,
    RequestProtocolVersion = 40,
    SetClientName = 50,
    DeviceListUpdated = 100,
    RequestProfileList = 150,
    SaveProfile = 151,
    LoadProfile = 152,
    DeleteProfile = 153,
    ResizeZone = 1000,
    UpdateLeds = 1050,
    UpdateZoneLeds = 1051,
    UpdateSingleLed = 1052,
    SetCustomMode = 1100,
    UpdateMode = 1101,
    SaveMode = 1102,
};

enum DeviceType : qint32 {
    Motherboard = 0,
    Dram = 1,
    Gpu = 2,
    Cooler = 3,
    LedStrip = 4,
    Keyboard = 5,
    Mouse = 6,
};

enum ModeFlag : quint32 {
    HasSpeed = 1u << 0,
    HasDirectionLR = 1u << 1,
    HasDirectionUD = 1u << 2,
    HasDirectionHV = 1u << 3,
    HasBrightness = 1u << 4,
    HasPerLedColor = 1u << 5,
    HasModeSpecificColor = 1u << 6,
    HasRandomColor = 1u << 7,
    ManualSave = 1u << 8,
    AutomaticSave = 1u << 9,
};

enum ColorMode : quint32 { ColorNone = 0, ColorPerLed = 1, ColorModeSpecific = 2, ColorRandom = 3 };

enum Direction : quint32 { Left = 0, Right = 1, Up = 2, Down = 3, Horizontal = 4, Vertical = 5 };

enum ZoneType : qint32 { Single = 0, Linear = 1, Matrix = 2 };

// A matrix cell without an LED.
constexpr quint32 kNoLed = 0xFFFFFFFFu;

// Fields that came with a protocol version.
constexpr quint32 kVendorSince = 1;
constexpr quint32 kProfilesSince = 2;
constexpr quint32 kBrightnessSince = 3;
constexpr quint32 kSegmentsSince = 4;

} // namespace Sdk
