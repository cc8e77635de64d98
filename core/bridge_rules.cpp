// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bridge_rules.h"

#include "core/network.h"

#include <algorithm>
#include <iterator>

namespace bridge
{

bool BridgeTable::operator==(const BridgeTable &other) const
{
    return std::equal(std::begin(rows), std::end(rows), std::begin(other.rows));
}

namespace
{
bool among(const QString (&addresses)[3], const QString &address)
{
    return std::find(std::begin(addresses), std::end(addresses), address) != std::end(addresses);
}

// Rows 1..4: an address written by an update button counts before it is committed.
bool holds(const BridgeTable &table, const QString &address)
{
    for (int row = FIRST_LEARNED_ROW; row <= PENDING_ROW; ++row)
        if (table.rows[row].address == address)
            return true;
    return false;
}
} // namespace

bool StationAddresses::isLeft(const QString &address) const
{
    return among(left, address);
}
bool StationAddresses::isRight(const QString &address) const
{
    return among(right, address);
}

bool tablesUpdated(const BridgeTable &left, const BridgeTable &right, const QString &source,
                   const StationAddresses &stations)
{
    const QString &pl = left.pending().address;
    const QString &pr = right.pending().address;
    if (!pl.isEmpty())
        return pl == source && stations.isLeft(pl) && !stations.isRight(pl) && pr.isEmpty();
    return !pr.isEmpty() && pr == source && stations.isRight(pr) && !stations.isLeft(pr);
}

DestChoice lookup(const QString &destination, const BridgeTable &left, const BridgeTable &right)
{
    if (holds(right, destination))
        return DestChoice::Right;
    if (holds(left, destination))
        return DestChoice::Left;
    return DestChoice::Neither;
}

DestChoice expectedDestination(int srcIndex, int destIndex, const QString &destination,
                               const BridgeTable &left, const BridgeTable &right)
{
    if (destIndex == srcIndex)
        return DestChoice::SameAsSource;
    return lookup(destination, left, right);
}

EmitChoice expectedEmission(int srcIndex, DestChoice destination)
{
    // The frame stays when the destination is known on the sender's own side; otherwise it goes
    // out on the other port. A frame is never sent back where it came from.
    if (isLeftStation(srcIndex))
        return destination == DestChoice::Left ? EmitChoice::Stay : EmitChoice::Right;
    return destination == DestChoice::Right ? EmitChoice::Stay : EmitChoice::Left;
}

void commit(BridgeTable &table)
{
    TableRow &pending = table.pending();
    if (pending.address.isEmpty())
        return;
    // The first empty row is taken even when the same address stands further down.
    for (int row = FIRST_LEARNED_ROW; row <= LAST_LEARNED_ROW; ++row) {
        TableRow &entry = table.rows[row];
        if (entry.address.isEmpty() || entry.address == pending.address) {
            entry = pending;
            break;
        }
    }
    pending = TableRow();
}

void age(BridgeTable &table, int amount)
{
    for (int row = FIRST_LEARNED_ROW; row <= LAST_LEARNED_ROW; ++row) {
        TableRow &entry = table.rows[row];
        if (entry.ttl.isEmpty())
            continue;
        const int ttl = entry.ttl.toInt();
        if (ttl <= amount)
            entry = TableRow();
        else
            entry.ttl = QString::number(ttl - amount);
    }
}

int ageingAmount(const std::function<int(int)> &uniformBelow)
{
    return AGEING_BASE + uniformBelow(AGEING_SPREAD);
}

Outcome complete(const Completion &input, const std::function<int()> &drawAgeing)
{
    Outcome outcome;
    outcome.left = input.left;
    outcome.right = input.right;

    if (!tablesUpdated(input.left, input.right, input.source, input.stations)) {
        outcome.step = Step::TableUpdate;
        return outcome;
    }
    const DestChoice where = expectedDestination(input.srcIndex, input.destIndex, input.destination,
                                                 input.left, input.right);
    if (input.destChoice != where) {
        outcome.step = Step::Analysis;
        return outcome;
    }
    if (input.emitChoice != expectedEmission(input.srcIndex, where)) {
        outcome.step = Step::Emission;
        return outcome;
    }

    commit(outcome.left);
    commit(outcome.right);
    outcome.phase = input.emitChoice == EmitChoice::Stay ? PHASE_FINAL_SEGMENT : PHASE_BRIDGE;
    const int amount = drawAgeing();
    age(outcome.left, amount);
    age(outcome.right, amount);
    return outcome;
}

Refusal refusalOf(Step step)
{
    switch (step) {
    case Step::TableUpdate:
        return Refusal::TablesNotUpdated;
    case Step::Analysis:
        return Refusal::AddressesMisread;
    case Step::Emission:
    case Step::Done:
        break;
    }
    return Refusal::WrongEmission;
}

} // namespace bridge
