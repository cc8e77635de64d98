// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/receiver_rules.h"

#include "core/network.h"

CopyOutcome copyOutcome(int clicked, int source, int destination, bool ticked)
{
    const bool group = isGroupDestination(destination);
    const bool forThisStation = clicked != source && (clicked == destination || group);
    if (ticked != forThisStation)
        return CopyOutcome::Refused;
    if (!ticked)
        return CopyOutcome::Closed;
    return group ? CopyOutcome::Copied : CopyOutcome::Received;
}

bool decisionOpen(int phase, int destination, bool alreadyCopied)
{
    if (alreadyCopied)
        return false;
    // A group frame reaches the sender's own segment as soon as its hub has repeated it.
    return phase == PHASE_FINAL_SEGMENT || (phase > PHASE_SENT && isGroupDestination(destination));
}
