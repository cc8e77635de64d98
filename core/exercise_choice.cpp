// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exercise_choice.h"

ExerciseEntry chooseExercise(int number, const ExerciseEntry (&list)[MAX_EXERCISES + 1], int count,
                             int freqMulti, bool destDiffSrc, const std::function<int(int)> &draw)
{
    if (number <= count)
        return list[number];
    ExerciseEntry chosen;
    // Both numbers are drawn again while a station would send to itself, if that is not allowed.
    do {
        chosen.source = static_cast<std::uint8_t>(1 + draw(6));
        chosen.destination = static_cast<std::uint8_t>(1 + draw(6 + freqMulti));
    } while (destDiffSrc && chosen.source == chosen.destination);
    if (chosen.destination > 6)
        chosen.destination = static_cast<std::uint8_t>(DEST_BROADCAST + draw(2));
    return chosen;
}
