// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the exercise-list reader over arbitrary bytes; every entry it keeps must name a
// source 1..6 and a different destination 1..7, and at most 20 are kept.
#include "core/exercise_list.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ExerciseListReading reading = parseExerciseList(bytes);
    if (reading.count > MAX_EXERCISES)
        __builtin_trap();
    for (int i = 1; i <= reading.count; ++i) {
        const ExerciseEntry &e = reading.entries[i];
        if (e.source < 1 || e.source > 6 || e.destination < 1 || e.destination > 7 ||
            e.source == e.destination)
            __builtin_trap();
    }
    return 0;
}
