// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// What a hub does with a frame, as LEDs: it receives on the port where the frame enters and
// transmits on its three other ports. The main window writes the expected pattern of the hub
// being processed; the hub dialog checks the student's LEDs against it. LED 2p - 1 is the receive
// (RX) LED of port p, LED 2p its transmit (TX) LED; patterns are indexed 1..8, 1 for lit.
#pragma once

#include <cstdint>

// The port where the frame enters hub `hub` (1 or 2): at phase 20 it comes from the sending
// station `source`, at phase 40 from the bridge.
int entryPort(int hub, int phase, int source);

// The pattern of a hub repeating a frame that enters on `port`.
void expectedLeds(int port, std::uint8_t (&pattern)[9]);

// The verdict on a hub's LEDs: RX LEDs are checked first, so a wrong RX hides a wrong TX.
enum class LedCheck { Right, WrongRx, WrongTx };
LedCheck checkLeds(const std::uint8_t (&state)[9], const std::uint8_t (&expected)[9]);
