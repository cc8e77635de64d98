// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The decisions of the learning bridge, over plain copies of what the bridge dialog shows: its two
// address tables, the frame's two addresses, the station addresses of each segment and the two
// choices of the student. The dialog reads its controls into a `Completion`, calls `complete`, and
// writes the outcome back; nothing here touches a window or the shared state.
#pragma once

#include "core/refusals.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace bridge
{

// Rows 1..3 hold the learned entries, row 4 the entry written by the last update button.
constexpr int FIRST_LEARNED_ROW = 1;
constexpr int LAST_LEARNED_ROW = 3;
constexpr int PENDING_ROW = 4;
// Every successful completion ages the tables by AGEING_BASE + a draw below AGEING_SPREAD.
constexpr int AGEING_BASE = 8;
constexpr int AGEING_SPREAD = 10;

struct TableRow {
    QString address;
    QString ttl;
    bool operator==(const TableRow &other) const
    {
        return address == other.address && ttl == other.ttl;
    }
};

// One port's table; index 0 (the header row) is unused.
struct BridgeTable {
    TableRow rows[PENDING_ROW + 1];

    TableRow &pending() { return rows[PENDING_ROW]; }
    const TableRow &pending() const { return rows[PENDING_ROW]; }
    bool operator==(const BridgeTable &other) const;
};

// Group 2: where the destination stands.
enum class DestChoice { Unset, Left, Neither, Right, SameAsSource };
// Group 3: where the frame goes.
enum class EmitChoice { Unset, Left, Stay, Right };

// The MAC texts of stations 1..3 (left segment) and 4..6 (right segment).
struct StationAddresses {
    QString left[3];
    QString right[3];
    bool isLeft(const QString &address) const;
    bool isRight(const QString &address) const;
};

// Table update check: the pending row of the sender's side holds the source address and the other
// pending row is empty.
bool tablesUpdated(const BridgeTable &left, const BridgeTable &right, const QString &source,
                   const StationAddresses &stations);

// Destination lookup: where the destination address stands, rows 1..4 included; the right table
// wins over the left one. Yields Left, Right or Neither.
DestChoice lookup(const QString &destination, const BridgeTable &left, const BridgeTable &right);
// Destination analysis: the one accepted answer of group 2.
DestChoice expectedDestination(int srcIndex, int destIndex, const QString &destination,
                               const BridgeTable &left, const BridgeTable &right);

// Emission decision: the one accepted answer of group 3, given the source station and the accepted
// group 2 answer.
EmitChoice expectedEmission(int srcIndex, DestChoice destination);

// Learning: moves the pending entry, if any, into the first row that is empty or holds the same
// address; a full table drops it. The pending row is emptied.
void commit(BridgeTable &table);

// Ageing: every entry whose TTL is at most `amount` leaves; the others lose `amount`.
void age(BridgeTable &table, int amount);
// The ageing amount of one completion, from `uniformBelow` (a uniform integer in 0 .. n - 1).
int ageingAmount(const std::function<int(int)> &uniformBelow);

struct Completion {
    BridgeTable left;
    BridgeTable right;
    QString destination; // frame cell 0
    QString source;      // frame cell 1
    int srcIndex = 0;
    int destIndex = 0;
    StationAddresses stations;
    DestChoice destChoice = DestChoice::Unset;
    EmitChoice emitChoice = EmitChoice::Unset;
};

enum class Step { Done, TableUpdate, Analysis, Emission };

struct Outcome {
    Step step = Step::Done; // the step that refused, or Done
    std::uint8_t phase = 0; // on success only
    BridgeTable left;       // on success: committed and aged; on refusal: unchanged
    BridgeTable right;
};

// Runs the three checks (table update, destination analysis, emission decision) in that order,
// then the learning, the phase and the ageing. `drawAgeing` gives the ageing amount and is called
// once, on success only.
Outcome complete(const Completion &input, const std::function<int()> &drawAgeing);

// The refusal of a step that refused (not Done).
Refusal refusalOf(Step step);

} // namespace bridge
