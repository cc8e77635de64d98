// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The refusals: every way a student's action can be turned down, each with the one message the
// warning box shows. They are listed in the order the progress window's tally lists them: the
// progress window's own, then the diagram's, then each element dialog's in the order of a frame's
// journey. Beside each message stands its explanation, shown when the teacher asks for it: the
// rule behind the refusal, then what the program can tell of the attempt, from plain facts that
// the windows gather when the box is shown.
#pragma once

#include "core/network.h"

#include <QString>
#include <QStringList>

#include <cstdint>

enum class Refusal {
    SenderMustSend,
    CheckReceiver,
    OneTickPerRow,
    NotTheSender,
    NotTimeForStation,
    NotTimeForHub,
    NotTimeForBridge,
    NoAddressInThisCell,
    WrongAddress,
    WrongRxLed,
    WrongTxLed,
    TablesNotUpdated,
    AddressesMisread,
    WrongEmission,
};
constexpr int REFUSAL_KINDS = int(Refusal::WrongEmission) + 1;

QString refusalMessage(Refusal refusal);

// Where an address stands in the bridge's tables.
enum class TableSide { None, Left, Right };

// What the program can tell of the attempt a refusal answers; 0 or empty where it cannot.
struct RefusalContext {
    std::uint8_t phase = 0;
    int source = 0;      // the sending station, 1..6
    int destination = 0; // 1..8
    int station = 0;     // the station clicked in the diagram or shown in the receiving dialog
    int hub = 0;         // the hub whose LEDs are checked
    int entryPort = 0;   // the port where the frame enters that hub
    QString labels[STATION_ROWS];    // the station table's labels ("Machine 2", "Broadcast"...)
    QString addresses[STATION_ROWS]; // and its MAC texts
    TableSide destinationInTables = TableSide::None;
    QStringList rowsWithoutOneTick; // the progress window's rows with no tick or two
};

// The rule behind `refusal` in the lesson's words, then, on a paragraph of its own, what was wrong
// in this attempt where `context` tells it.
QString refusalExplanation(Refusal refusal, const RefusalContext &context);

// How many times each refusal was shown; the tally follows the run's error count, so it stops
// with it at its largest value.
struct RefusalTally {
    std::uint16_t shown[REFUSAL_KINDS] = {};
    // Counts one more `refusal`, unless `total`, the run's error count, could not grow.
    void count(Refusal refusal, std::uint16_t total);
    // One line per refusal shown ("3 × message"), in the order above; "Aucune erreur" when none.
    QString summary() const;
};
