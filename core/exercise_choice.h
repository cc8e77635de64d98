// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The choice of each exercise's sending station and destination: the imposed pair while the
// exercise list lasts, then a random draw in which each station weighs 1 and the two group
// addresses together weigh `freq_multi`.
#pragma once

#include "core/exercise_list.h"

#include <functional>

// Exercise `number` (1-based). `draw(n)` gives a uniform integer in 0 .. n - 1; it is called only
// for a random exercise.
ExerciseEntry chooseExercise(int number, const ExerciseEntry (&list)[MAX_EXERCISES + 1], int count,
                             int freqMulti, bool destDiffSrc, const std::function<int(int)> &draw);
