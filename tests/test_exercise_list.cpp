// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise-list reader: which lines become imposed exercises, where the list and the file
// end, the 20-entry limit, files that are not lists at all, and reading no further than the list.
#include "core/exercise_list.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QtTest>

class TestExerciseList : public QObject
{
    Q_OBJECT
private slots:
    void oneLine_data();
    void oneLine();
    void wholeFile_data();
    void wholeFile();
    void hugeLinesAreReadInLinearTime();
    void readingStopsWhereTheListEnds_data();
    void readingStopsWhereTheListEnds();
};

namespace
{

// The entries read, as "source>destination" separated by blanks, e.g. "2>5 5>2".
QString describe(const ExerciseListReading &reading)
{
    QStringList entries;
    for (int i = 1; i <= reading.count; ++i)
        entries << QStringLiteral("%1>%2")
                       .arg(reading.entries[i].source)
                       .arg(reading.entries[i].destination);
    return entries.join(u' ');
}

template <std::size_t N> QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

// `count` accepted lines, cycling through every source and destination pair.
QByteArray entries(int count)
{
    QByteArray lines;
    for (int i = 0; i < count; ++i)
        lines += QByteArray::number(i % 6 + 1) + ' ' + QByteArray::number((i + 1) % 6 + 1) + "\r\n";
    return lines;
}

QString described(int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QStringLiteral("%1>%2").arg(i % 6 + 1).arg((i + 1) % 6 + 1);
    return list.join(u' ');
}

} // namespace

void TestExerciseList::oneLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("expected"); // the entry read, or empty when skipped

    QTest::newRow("14") << QByteArray("14") << "1>4";
    QTest::newRow("1 4") << QByteArray("1 4") << "1>4";
    QTest::newRow("1-4") << QByteArray("1-4") << "1>4";
    QTest::newRow("1,4") << QByteArray("1,4") << "1>4";
    QTest::newRow("1/4") << QByteArray("1/4") << "1>4";
    QTest::newRow("tab 1 tab 4") << QByteArray("\t1\t4") << "1>4";
    QTest::newRow("2 7 broadcast") << QByteArray("2 7") << "2>7";
    QTest::newRow("6 1") << QByteArray("6 1") << "6>1";
    QTest::newRow("leading punctuation") << QByteArray("!\"#-./ 3 . 5") << "3>5";
    QTest::newRow("anything after the destination") << QByteArray("3 59 z ; FIN") << "3>5";
    QTest::newRow("only one character per number") << QByteArray("123") << "1>2";
    QTest::newRow("control characters as separators") << bytes("\x01"
                                                               "1\x1a\x02"
                                                               "4")
                                                      << "1>4";
    QTest::newRow("NUL bytes as separators") << bytes("\0"
                                                      "1\0\0"
                                                      "4\0")
                                             << "1>4";
    QTest::newRow("bare CR inside the line") << QByteArray("1\r4") << "1>4";
    QTest::newRow("1;4") << QByteArray("1;4") << "";
    QTest::newRow("1 a") << QByteArray("1 a") << "";
    QTest::newRow("1 8") << QByteArray("1 8") << "";
    QTest::newRow("1 9") << QByteArray("1 9") << "";
    QTest::newRow("7 1") << QByteArray("7 1") << "";
    QTest::newRow("1") << QByteArray("1") << "";
    QTest::newRow("1 followed by blanks") << QByteArray("1   ") << "";
    QTest::newRow("3 3") << QByteArray("3 3") << "";
    QTest::newRow("a 1 4") << QByteArray("a 1 4") << "";
    QTest::newRow(": 1 4") << QByteArray(": 1 4") << "";
    QTest::newRow("blank then FIN") << QByteArray(" FIN") << "";
    QTest::newRow("fin") << QByteArray("fin") << "";
    QTest::newRow("Fin") << QByteArray("Fin") << "";
    QTest::newRow("FI") << QByteArray("FI") << "";
    QTest::newRow("empty") << QByteArray("") << "";
    QTest::newRow("blanks only") << QByteArray("  \t ") << "";
    QTest::newRow("source 0") << QByteArray("0 4") << "";
    QTest::newRow("destination 0") << QByteArray("4 0") << "";
    QTest::newRow("accented letter") << QByteArray("\xe9 1 4") << "";
    QTest::newRow("byte above 127 as separator") << QByteArray("1\xa0"
                                                               "4")
                                                 << "";
}

// Each line alone, and the same line between two good ones: a skipped line spoils nothing.
void TestExerciseList::oneLine()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, expected);

    const ExerciseListReading alone = parseExerciseList(line + "\r\n");
    QCOMPARE(describe(alone), expected);
    QVERIFY(alone.random_after_list);

    const ExerciseListReading between = parseExerciseList("2 5\r\n" + line + "\r\n5 2\r\n");
    QCOMPARE(describe(between),
             expected.isEmpty() ? QStringLiteral("2>5 5>2") : "2>5 " + expected + " 5>2");
    QVERIFY(between.random_after_list);
}

void TestExerciseList::wholeFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("randomAfterList");

    QTest::newRow("empty file") << QByteArray() << "" << true;
    QTest::newRow("two entries and FIN")
        << QByteArray("2 5\r\n5 2\r\nFIN\r\n") << "2>5 5>2" << false;
    QTest::newRow("two entries without FIN") << QByteArray("2 5\r\n5 2\r\n") << "2>5 5>2" << true;
    QTest::newRow("bare LF line ends") << QByteArray("2 5\n5 2\nFIN\n") << "2>5 5>2" << false;
    QTest::newRow("mixed line ends, no final one")
        << QByteArray("2 5\n5 2\r\nFIN") << "2>5 5>2" << false;
    QTest::newRow("FIN first") << QByteArray("FIN\r\n2 5\r\n") << "" << false;
    // Many editors start a UTF-8 file with a byte-order mark: it is no part of the first line.
    QTest::newRow("byte-order mark, then entries") << QByteArray("\xEF\xBB\xBF"
                                                                 "2 5\r\n5 2\r\nFIN\r\n")
                                                   << "2>5 5>2" << false;
    QTest::newRow("byte-order mark, then FIN") << QByteArray("\xEF\xBB\xBF"
                                                             "FIN\r\n2 5\r\n")
                                               << "" << false;
    QTest::newRow("byte-order mark inside the file") << QByteArray("2 5\r\n\xEF\xBB\xBF"
                                                                   "FIN\r\n5 2\r\n")
                                                     << "2>5 5>2" << true;
    QTest::newRow("FIN with text after it")
        << QByteArray("1 4\r\nFIN des exercices\r\n3 6\r\n") << "1>4" << false;
    QTest::newRow("FINI") << QByteArray("1 4\r\nFINI\r\n") << "1>4" << false;
    QTest::newRow("lines after FIN are not read")
        << QByteArray("1 4\r\nFIN\r\n3 6\r\nFIN\r\n") << "1>4" << false;
    QTest::newRow("blank then FIN is no end line")
        << QByteArray("1 4\r\n FIN\r\n3 6\r\n") << "1>4 3>6" << true;
    QTest::newRow("fin is no end line") << QByteArray("1 4\r\nfin\r\n3 6\r\n") << "1>4 3>6" << true;
    QTest::newRow("empty lines") << QByteArray("\r\n\r\n1 4\r\n\n\r\n3 6\r\n") << "1>4 3>6" << true;
    QTest::newRow("Ctrl-Z ends the file") << QByteArray("1 4\r\n\x1a"
                                                        "3 6\r\nFIN\r\n")
                                          << "1>4" << true;
    QTest::newRow("Ctrl-Z first") << QByteArray("\x1a"
                                                "FIN\r\n")
                                  << "" << true;
    QTest::newRow("Ctrl-Z inside a line separates") << QByteArray("1\x1a"
                                                                  "4\r\nFIN\r\n")
                                                    << "1>4" << false;
    QTest::newRow("Ctrl-Z after blanks separates") << QByteArray(" \x1a"
                                                                 "1 4\r\n")
                                                   << "1>4" << true;
    QTest::newRow("19 entries and FIN") << entries(19) + "FIN\r\n" << described(19) << false;
    QTest::newRow("20 entries and FIN") << entries(20) + "FIN\r\n" << described(20) << false;
    QTest::newRow("20 entries, skipped lines and FIN") << entries(20) + "3 3\r\nx\r\nFIN\r\n"
                                                       << described(20) << false;
    QTest::newRow("21 entries and FIN") << entries(21) + "FIN\r\n" << described(20) << true;
    QTest::newRow("30 entries and FIN") << entries(30) + "FIN\r\n" << described(20) << true;
    QTest::newRow("NUL bytes everywhere") << bytes("\0\0\r\n1\0"
                                                   "4\r\n\0FIN\r\n2\0\0"
                                                   "5\r\nFIN\0\r\n6 1\r\n")
                                          << "1>4 2>5" << false;
    QTest::newRow("binary") << QByteArray("\xff\xfe\x80\x00\x1b\r\r\r\n\n\x7f", 11) << "" << true;
}

void TestExerciseList::wholeFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    QFETCH(bool, randomAfterList);

    const ExerciseListReading reading = parseExerciseList(file);
    QCOMPARE(describe(reading), expected);
    QCOMPARE(reading.random_after_list, randomAfterList);
}

void TestExerciseList::hugeLinesAreReadInLinearTime()
{
    QElapsedTimer timer;
    timer.start();
    const QByteArray file = QByteArray(100000, ' ') + "1" + QByteArray(100000, '-') + "4\r\n" +
                            QByteArray(100000, 'x') + "\r\n" + QByteArray("\n").repeated(1000000) +
                            QByteArray(50 * 1024 * 1024, '\0') + "\r\n2 5\r\nFIN";
    const ExerciseListReading reading = parseExerciseList(file);
    QVERIFY2(timer.elapsed() < 30000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(describe(reading), QStringLiteral("1>4 2>5"));
    QVERIFY(!reading.random_after_list);
}

void TestExerciseList::readingStopsWhereTheListEnds_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<char>("filler");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("randomAfterList");
    QTest::newRow("FIN, then NUL bytes") << QByteArray("2 5\r\nFIN\r\n") << '\0' << "2>5" << false;
    QTest::newRow("FIN, then empty lines") << QByteArray("2 5\r\nFIN") << '\n' << "2>5" << false;
    QTest::newRow("21 entries, then entries") << entries(21) << '1' << described(20) << true;
}

void TestExerciseList::readingStopsWhereTheListEnds()
{
    QFETCH(QByteArray, head);
    QFETCH(char, filler);
    QFETCH(QString, expected);
    QFETCH(bool, randomAfterList);
    QBuffer device;
    device.setData(head + QByteArray(64 * 1024 * 1024, filler));
    QVERIFY(device.open(QIODevice::ReadOnly));
    const ExerciseListReading reading = readExerciseList(device);
    QCOMPARE(describe(reading), expected);
    QCOMPARE(reading.random_after_list, randomAfterList);
    QVERIFY2(device.pos() < 1024 * 1024, qPrintable(QString::number(device.pos())));
}

QTEST_GUILESS_MAIN(TestExerciseList)
#include "test_exercise_list.moc"
