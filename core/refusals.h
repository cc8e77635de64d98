// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The refusals: every way a student's action can be turned down, each with the one message the
// warning box shows. They are listed in the order the progress window's tally lists them: the
// progress window's own, then the diagram's, then each element dialog's in the order of a frame's
// journey.
#pragma once

#include <QString>

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

// How many times each refusal was shown; the tally follows the run's error count, so it stops
// with it at its largest value.
struct RefusalTally {
    std::uint16_t shown[REFUSAL_KINDS] = {};
    // Counts one more `refusal`, unless `total`, the run's error count, could not grow.
    void count(Refusal refusal, std::uint16_t total);
    // One line per refusal shown ("3 × message"), in the order above; "Aucune erreur" when none.
    QString summary() const;
};
