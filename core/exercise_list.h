// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise-list reader: turns the bytes of a `pontexos.kz` file into imposed exercises.
// Each line holds a source digit 1..6 and a destination digit 1..7, possibly preceded and
// separated by characters below "0"; a line starting with "FIN" ends the list and the series;
// other lines are skipped; at most 20 entries are kept; a Ctrl-Z where a line begins ends the file.
// A UTF-8 byte-order mark at the start of the file is passed over. Reading stops where the list
// ends: nothing after the "FIN" line or the 21st entry is read.
#pragma once

#include "core/network.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

class QIODevice;

struct ExerciseEntry {
    std::uint8_t source = 0;
    std::uint8_t destination = 0;
};

struct ExerciseListReading {
    ExerciseEntry entries[MAX_EXERCISES + 1]; // 1-based
    std::uint8_t count = 0;
    // False when the list ended with its "FIN" line.
    bool random_after_list = true;
};

ExerciseListReading parseExerciseList(const QByteArray &bytes);
// Reads from `device` a piece at a time, only as far as the list goes.
ExerciseListReading readExerciseList(QIODevice &device);
// The list in the file at `path`; nothing when it is no regular file (a folder, a pipe, a device,
// which could block or never end) or cannot be opened.
std::optional<ExerciseListReading> readExerciseListFile(const QString &path);

extern const QString EXERCISE_FILE; // "pontexos.kz"
