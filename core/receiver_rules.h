// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The receiving station's decision: a frame is for a station when the station is not its sender
// and is its destination, or the frame goes to the broadcast or the NetBEUI multicast address.
// The receiving-station dialog asks the student to say so with its "copy" tick.
#pragma once

// What "Terminé" does with the tick of station `clicked` for the frame from `source` to
// `destination`.
enum class CopyOutcome {
    Refused,  // the tick disagrees
    Closed,   // not for this station, rightly not copied: nothing changes
    Received, // the unicast destination copied it: the frame's journey ends
    Copied,   // one more station copied a group frame
};
CopyOutcome copyOutcome(int clicked, int source, int destination, bool ticked);

// Whether the dialog lets the student decide, in `phase`, for a station that has or has not
// copied the frame already.
bool decisionOpen(int phase, int destination, bool alreadyCopied);
