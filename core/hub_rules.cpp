// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/hub_rules.h"

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

std::uint8_t phaseAfterHubPass(std::uint8_t phase)
{
    if (phase == PHASE_SENT)
        return PHASE_SOURCE_HUB;
    if (phase == PHASE_BRIDGE)
        return PHASE_FINAL_SEGMENT;
    return phase;
}

void recordHubValidation(std::int32_t hubAuto, bool (&ring)[MAX_HUB_AUTO + 1], std::int32_t &count,
                         bool right)
{
    ++count;
    if (hubAuto > 0)
        ring[count % hubAuto + 1] = !right;
}

bool hubsAutomatic(std::int32_t hubAuto, const bool (&ring)[MAX_HUB_AUTO + 1])
{
    if (hubAuto <= 0)
        return false;
    for (int i = 1; i <= hubAuto && i <= MAX_HUB_AUTO; ++i)
        if (ring[i])
            return false;
    return true;
}
