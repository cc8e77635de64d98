// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/hub_rules.h"

#include "core/network.h"

int entryPort(int hub, int phase, int source)
{
    return phase == PHASE_SENT ? portOfStation(source) : BRIDGE_PORT[hub];
}

void expectedLeds(int port, std::uint8_t (&pattern)[9])
{
    for (int p = 1; p <= 4; ++p) {
        pattern[2 * p - 1] = p == port ? 1 : 0;
        pattern[2 * p] = p == port ? 0 : 1;
    }
}

LedCheck checkLeds(const std::uint8_t (&state)[9], const std::uint8_t (&expected)[9])
{
    for (int k = 1; k <= 7; k += 2)
        if (state[k] != expected[k])
            return LedCheck::WrongRx;
    for (int k = 2; k <= 8; k += 2)
        if (state[k] != expected[k])
            return LedCheck::WrongTx;
    return LedCheck::Right;
}
