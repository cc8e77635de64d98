// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The network that every exercise runs on, as plain facts: two hubs of four ports joined by the
// bridge, stations 1..3 on hub 1 and 4..6 on hub 2, destinations 1..8 (the six stations, the
// broadcast and the NetBEUI multicast), the rows of the station table, and the phases of a frame's
// journey. Everything that numbers the network counts from 1.
#pragma once

#include <cstdint>

// Phase values: how far the frame of the current exercise has gone.
enum : std::uint8_t {
    PHASE_STARTUP = 0,
    PHASE_NEW = 10,
    PHASE_SENT = 20,
    PHASE_SOURCE_HUB = 30,
    PHASE_BRIDGE = 40,
    PHASE_FINAL_SEGMENT = 50,
    PHASE_RECEIVED = 60,
};

// Destination numbers beyond the six stations.
enum : std::uint8_t { DEST_BROADCAST = 7, DEST_MULTICAST = 8 };

// Rows of the station table beyond the destinations.
enum : int { ROW_BRIDGE_LEFT = 9, ROW_BRIDGE_RIGHT = 10, STATION_ROWS = 11 };

constexpr int MAX_EXERCISES = 20;
constexpr int MAX_HUB_AUTO = 16;

inline bool isLeftStation(int station)
{
    return station >= 1 && station <= 3;
}
inline bool isRightStation(int station)
{
    return station >= 4 && station <= 6;
}
inline bool isGroupDestination(int destination)
{
    return destination == DEST_BROADCAST || destination == DEST_MULTICAST;
}
// A group frame is taken by every station but its sender.
constexpr int GROUP_RECEIVERS = 5;

// Where the stations hang: stations 1..3 on ports 1..3 of hub 1, stations 4..6 on ports 2..4 of
// hub 2.
inline int hubOfStation(int station)
{
    return isLeftStation(station) ? 1 : 2;
}
inline int portOfStation(int station)
{
    return isLeftStation(station) ? station : station - 2;
}
// The bridge's port on each hub: its left port on port 4 of hub 1, its right port on port 1 of
// hub 2.
constexpr int BRIDGE_PORT[3] = {0, 4, 1};
