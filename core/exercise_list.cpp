// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise-list reader. It takes the bytes one at a time and keeps of a line only how far its
// reading has gone (the start of "FIN", then the source, then the destination), so that a file is
// read in pieces and reading stops as soon as the list ends. Each line is judged on byte codes
// alone ("0" to "9" are consecutive), so the encoding of the file does not matter, once a UTF-8
// byte-order mark at its start is passed over. Lines end at LF; a CR is a character below "0"
// like any other. A digit "0" names no station: such a line is skipped like any other misfit.
#include "core/exercise_list.h"

#include <QFile>
#include <QFileInfo>

const QString EXERCISE_FILE = QStringLiteral("pontexos.kz");

namespace
{

constexpr unsigned char CTRL_Z = 26;
// What many editors write first in a UTF-8 file; it is no part of the first line.
constexpr char UTF8_BYTE_ORDER_MARK[] = "\xEF\xBB\xBF";
constexpr char END_LINE[] = "FIN";
constexpr int END_LINE_LENGTH = 3;

class ListParser
{
public:
    // Reads `bytes`; false once the list has ended.
    bool feed(QByteArrayView bytes)
    {
        for (const char c : bytes)
            if (!take(static_cast<unsigned char>(c)))
                return false;
        return true;
    }

    ExerciseListReading reading;

private:
    enum class Seek { Source, Destination, Nothing };

    // One byte; false when it ends the list: its "FIN" line, a Ctrl-Z where a line begins, or
    // the entry after the 20th.
    bool take(unsigned char c)
    {
        if (markMatched >= 0) {
            if (c == static_cast<unsigned char>(UTF8_BYTE_ORDER_MARK[markMatched])) {
                if (++markMatched == int(qstrlen(UTF8_BYTE_ORDER_MARK)))
                    markMatched = -1;
                return true;
            }
            // No mark after all: the bytes taken for one belong to the first line.
            const int matched = markMatched;
            markMatched = -1;
            for (int i = 0; i < matched; ++i)
                take(static_cast<unsigned char>(UTF8_BYTE_ORDER_MARK[i]));
        }
        if (c == '\n') {
            column = 0;
            endLine = true;
            seek = Seek::Source;
            return true;
        }
        if (column == 0 && c == CTRL_Z)
            return false;
        if (column < END_LINE_LENGTH) {
            endLine = endLine && c == static_cast<unsigned char>(END_LINE[column]);
            if (++column == END_LINE_LENGTH && endLine) {
                reading.random_after_list = false;
                return false;
            }
        }
        if (c < '0' || seek == Seek::Nothing)
            return true;
        const int digit = c - '0';
        if (seek == Seek::Source) {
            seek = digit >= 1 && digit <= 6 ? Seek::Destination : Seek::Nothing;
            source = digit;
            return true;
        }
        seek = Seek::Nothing;
        if (digit < 1 || digit > 7 || digit == source)
            return true;
        if (reading.count == MAX_EXERCISES)
            return false;
        ++reading.count;
        reading.entries[reading.count].source = static_cast<std::uint8_t>(source);
        reading.entries[reading.count].destination = static_cast<std::uint8_t>(digit);
        return true;
    }

    int markMatched = 0; // bytes of the mark met so far; -1 once past it
    int column = 0;      // bytes of the line so far, counted up to the length of "FIN"
    bool endLine = true; // the line so far is the start of "FIN"
    Seek seek = Seek::Source;
    int source = 0;
};

} // namespace

ExerciseListReading parseExerciseList(const QByteArray &bytes)
{
    ListParser parser;
    parser.feed(bytes);
    return parser.reading;
}

ExerciseListReading readExerciseList(QIODevice &device)
{
    ListParser parser;
    char piece[4096];
    qint64 size = 0;
    while ((size = device.read(piece, sizeof piece)) > 0 &&
           parser.feed(QByteArrayView(piece, size))) {
    }
    return parser.reading;
}

std::optional<ExerciseListReading> readExerciseListFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readExerciseList(file);
}
