// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise-list reader. It walks the bytes once, line by line, without copying lines; each
// line is judged on byte codes alone ("0" to "9" are consecutive), so the encoding of the file
// does not matter, once a UTF-8 byte-order mark at its start is passed over. Lines end at LF or
// CR LF; a CR alone is a character below "0" like any other. A digit "0" names no station: such a
// line is skipped like any other misfit.
#include "core/exercise_list.h"

const QString EXERCISE_FILE = QStringLiteral("pontexos.kz");

namespace
{

constexpr unsigned char CTRL_Z = 26;
// What many editors write first in a UTF-8 file; it is no part of the first line.
constexpr char UTF8_BYTE_ORDER_MARK[] = "\xEF\xBB\xBF";

// Skips the characters below "0" from `pos`; returns the new position.
int skipBelowZero(const QByteArray &bytes, int pos, int end)
{
    while (pos < end && static_cast<unsigned char>(bytes.at(pos)) < '0')
        ++pos;
    return pos;
}

// The number of the digit at `pos` when it lies between "1" and `highest`, else 0.
int digitAt(const QByteArray &bytes, int pos, int end, char highest)
{
    if (pos >= end)
        return 0;
    const char c = bytes.at(pos);
    return c >= '1' && c <= highest ? c - '0' : 0;
}

} // namespace

ExerciseListReading parseExerciseList(const QByteArray &bytes)
{
    ExerciseListReading reading;
    const int size = int(bytes.size());
    int lineStart = bytes.startsWith(UTF8_BYTE_ORDER_MARK) ? int(qstrlen(UTF8_BYTE_ORDER_MARK)) : 0;
    while (lineStart < size && static_cast<unsigned char>(bytes.at(lineStart)) != CTRL_Z) {
        int lineEnd = int(bytes.indexOf('\n', lineStart));
        if (lineEnd < 0)
            lineEnd = size;
        const int next = lineEnd + 1;
        if (lineEnd > lineStart && bytes.at(lineEnd - 1) == '\r')
            --lineEnd;

        if (QByteArrayView(bytes.constData() + lineStart, lineEnd - lineStart).startsWith("FIN")) {
            reading.random_after_list = false;
            break;
        }
        int pos = skipBelowZero(bytes, lineStart, lineEnd);
        const int source = digitAt(bytes, pos, lineEnd, '6');
        pos = skipBelowZero(bytes, pos + 1, lineEnd);
        const int destination = digitAt(bytes, pos, lineEnd, '7');
        lineStart = next;
        if (source == 0 || destination == 0 || source == destination)
            continue;
        if (reading.count == MAX_EXERCISES)
            break;
        ++reading.count;
        reading.entries[reading.count].source = static_cast<std::uint8_t>(source);
        reading.entries[reading.count].destination = static_cast<std::uint8_t>(destination);
    }
    return reading;
}
