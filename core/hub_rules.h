// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// What a hub does with a frame, as LEDs: it receives on the port where the frame enters and
// transmits on its three other ports. The main window writes the expected pattern of the hub
// being processed; the hub dialog checks the student's LEDs against it. LED 2p - 1 is the receive
// (RX) LED of port p, LED 2p its transmit (TX) LED; patterns are indexed 1..8, 1 for lit.
// Hub passes turn automatic through a ring of `hubAuto` flags (slots 1..hubAuto), one set for each
// of the last validations whose LEDs were wrong, all set at start-up.
#pragma once

#include "core/network.h"

#include <cstdint>

// The port where the frame enters hub `hub` (1 or 2): at phase 20 it comes from the sending
// station `source`, at phase 40 from the bridge.
int entryPort(int hub, int phase, int source);

// The pattern of a hub repeating a frame that enters on `port`.
void expectedLeds(int port, std::uint8_t (&pattern)[9]);

// The verdict on a hub's LEDs: RX LEDs are checked first, so a wrong RX hides a wrong TX.
enum class LedCheck { Right, WrongRx, WrongTx };
LedCheck checkLeds(const std::uint8_t (&state)[9], const std::uint8_t (&expected)[9]);

// The phase after a hub has repeated the frame: from the sender's station (20) to the bridge and
// the sender's segment (30), from the bridge (40) to the final segment (50); any other is kept.
std::uint8_t phaseAfterHubPass(std::uint8_t phase);

// Records one validation in the ring: `count` counts it and takes its slot, which stays set when
// the LEDs were wrong and is cleared when they were right. With `hubAuto` 0 the ring is unused.
void recordHubValidation(std::int32_t hubAuto, bool (&ring)[MAX_HUB_AUTO + 1], std::int32_t &count,
                         bool right);

// The hubs run by themselves once no slot of the ring is set; with `hubAuto` 0, never.
bool hubsAutomatic(std::int32_t hubAuto, const bool (&ring)[MAX_HUB_AUTO + 1]);
