// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings reader: text, integer and flag values as a Windows initialisation file gives
// them, damaged and huge files, opening files, and finding the settings file whatever its case.
#include "core/settings.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void text_data();
    void text();
    void integer_data();
    void integer();
    void flag_data();
    void flag();
    void macDefaultsFillTheStationTable();
    void damagedFilesAreReadToTheEnd_data();
    void damagedFilesAreReadToTheEnd();
    void hugeFilesAreReadInLinearTime_data();
    void hugeFilesAreReadInLinearTime();
    void openReadsAFile();
    void openRefusesWhatCannotBeRead();
    void findFileIgnoringCase_data();
    void findFileIgnoringCase();
};

namespace
{

const QString DEFAULT = QStringLiteral("<default>");

// The bytes of a literal, NUL bytes included.
template <std::size_t N> QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

void TestSettings::text_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray mac = "[adresses MAC]\r\n";
    QTest::newRow("plain") << mac + "Machine1=00-C0-B0-69-16-25\r\n"
                           << "adresses MAC"
                           << "Machine1"
                           << "00-C0-B0-69-16-25";
    QTest::newRow("bare LF") << QByteArray("[adresses MAC]\nMachine1=AA\nMachine2=BB\n")
                             << "adresses MAC"
                             << "Machine2"
                             << "BB";
    QTest::newRow("no line end at the end") << mac + "Machine1=AA"
                                            << "adresses MAC"
                                            << "Machine1"
                                            << "AA";
    QTest::newRow("section name any case")
        << QByteArray("[ADRESSES mac]\r\nMachine1=AA\r\n") << "adresses MAC"
        << "Machine1"
        << "AA";
    QTest::newRow("key name any case") << mac + "MACHINE1=AA\r\n"
                                       << "adresses MAC"
                                       << "machine1"
                                       << "AA";
    QTest::newRow("accented names any case")
        << QByteArray("[Param\xe8tres]\r\nCl\xe9=1\r\n") << "PARAMÈTRES"
        << "CLÉ"
        << "1";
    QTest::newRow("blanks around key and value") << mac + "  Machine1 \t=   00-AA  \t\r\n"
                                                 << "adresses MAC"
                                                 << "Machine1"
                                                 << "00-AA";
    QTest::newRow("blanks around the section name")
        << QByteArray("  [ adresses MAC ]  \r\nMachine1=AA\r\n") << "adresses MAC"
        << "Machine1"
        << "AA";
    QTest::newRow("double quotes") << mac + "Machine1=\"00-AA\"\r\n"
                                   << "adresses MAC"
                                   << "Machine1"
                                   << "00-AA";
    QTest::newRow("single quotes") << mac + "Machine1='00-AA'\r\n"
                                   << "adresses MAC"
                                   << "Machine1"
                                   << "00-AA";
    QTest::newRow("blanks inside quotes stay") << mac + "Machine1 = \" 00 AA \" \r\n"
                                               << "adresses MAC"
                                               << "Machine1"
                                               << " 00 AA ";
    QTest::newRow("only one pair of quotes") << mac + "Machine1=\"'AA'\"\r\n"
                                             << "adresses MAC"
                                             << "Machine1"
                                             << "'AA'";
    QTest::newRow("unmatched quotes stay") << mac + "Machine1=\"AA'\r\n"
                                           << "adresses MAC"
                                           << "Machine1"
                                           << "\"AA'";
    QTest::newRow("a lone quote stays") << mac + "Machine1=\"\r\n"
                                        << "adresses MAC"
                                        << "Machine1"
                                        << "\"";
    QTest::newRow("empty quotes give empty text") << mac + "Machine1=''\r\n"
                                                  << "adresses MAC"
                                                  << "Machine1"
                                                  << "";
    QTest::newRow("empty value is empty text, not the default") << mac + "Machine1=\r\n"
                                                                << "adresses MAC"
                                                                << "Machine1"
                                                                << "";
    QTest::newRow("blank value is empty text") << mac + "Machine1=   \r\n"
                                               << "adresses MAC"
                                               << "Machine1"
                                               << "";
    QTest::newRow("equals sign inside the value") << mac + "Machine1=a=b\r\n"
                                                  << "adresses MAC"
                                                  << "Machine1"
                                                  << "a=b";
    QTest::newRow("first occurrence wins") << mac + "Machine1=first\r\nMACHINE1=second\r\n"
                                           << "adresses MAC"
                                           << "Machine1"
                                           << "first";
    QTest::newRow("first occurrence wins across a repeated section")
        << mac + "Machine1=first\r\n[x]\r\n" + mac + "Machine1=second\r\nMachine2=BB\r\n"
        << "adresses MAC"
        << "Machine1"
        << "first";
    QTest::newRow("a repeated section adds its keys")
        << mac + "Machine1=first\r\n[x]\r\n" + mac + "Machine2=BB\r\n"
        << "adresses MAC"
        << "Machine2"
        << "BB";
    QTest::newRow("absent key") << mac + "Machine1=AA\r\n"
                                << "adresses MAC"
                                << "Machine2" << DEFAULT;
    QTest::newRow("absent section")
        << QByteArray("[parametres]\r\nMachine1=AA\r\n") << "adresses MAC"
        << "Machine1" << DEFAULT;
    QTest::newRow("key of another section")
        << QByteArray("[parametres]\r\nMachine1=AA\r\n[adresses MAC]\r\nMachine2=BB\r\n")
        << "adresses MAC"
        << "Machine1" << DEFAULT;
    QTest::newRow("key before any section")
        << QByteArray("Machine1=AA\r\n[adresses MAC]\r\n") << "adresses MAC"
        << "Machine1" << DEFAULT;
    QTest::newRow("line without equals sign") << mac + "Machine1\r\n"
                                              << "adresses MAC"
                                              << "Machine1" << DEFAULT;
    QTest::newRow("a section line without closing bracket changes nothing")
        << mac + "[parametres\r\nMachine1=AA\r\n"
        << "adresses MAC"
        << "Machine1"
        << "AA";
    QTest::newRow("text after the closing bracket")
        << QByteArray("[adresses MAC] ; les adresses\r\nMachine1=AA\r\n") << "adresses MAC"
        << "Machine1"
        << "AA";
    QTest::newRow("Windows-1252 accents") << QByteArray("[parametres]\r\nquestions=C:\\exos\\"
                                                        "\xe9l\xe8ve \x80\x92\r\n")
                                          << "parametres"
                                          << "questions"
                                          << "C:\\exos\\élève €’";
    QTest::newRow("Windows-1252 from 0x80 to 0x9F")
        << QByteArray("[parametres]\r\nquestions=") +
               QByteArray::fromHex("808182838485868788898a8b"
                                   "8c8d8e8f9091929394959697"
                                   "98999a9b9c9d9e9f") +
               "\r\n"
        << "parametres"
        << "questions"
        << QString::fromUtf16(u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBF[parametres]\r\nquestions=\xC3\xA9t\xC3\xA9\r\n") << "parametres"
        << "questions"
        << "été";
    // As Linux editors save it: UTF-8 without a mark. Only a whole file of valid UTF-8 is read so.
    QTest::newRow("UTF-8 without byte-order mark")
        << QByteArray(
               "[parametres]\r\nquestions=/home/prof/\xC3\x89l\xC3\xA8ves 2B \xE2\x82\xAC\r\n")
        << "parametres"
        << "questions"
        << "/home/prof/Élèves 2B €";
    QTest::newRow("UTF-8 with one Windows-1252 accent is Windows-1252")
        << QByteArray("[parametres]\r\nquestions=\xC3\xA9t\xC3\xA9\r\nx=\xE9\r\n") << "parametres"
        << "questions"
        << "Ã©tÃ©";
    QTest::newRow("UTF-8 cut in the middle of a character is Windows-1252")
        << QByteArray("[parametres]\r\nquestions=\xC3\xA9t\xC3") << "parametres"
        << "questions"
        << "Ã©tÃ";
    QTest::newRow("UTF-16 with byte-order mark")
        << QByteArray("\xFF\xFE") +
               QByteArray(QStringEncoder(QStringConverter::Utf16LE)
                              .encode(QStringLiteral("[parametres]\r\nquestions=été\r\n")))
        << "parametres"
        << "questions"
        << "été";
    QTest::newRow("cut to 2047 characters") << mac + "Machine1=" + QByteArray(2047, 'a') + "bcd\r\n"
                                            << "adresses MAC"
                                            << "Machine1" << QString(2047, u'a');
    QTest::newRow("2047 characters after the quotes go")
        << mac + "Machine1=\"" + QByteArray(2047, 'a') + "\"\r\n"
        << "adresses MAC"
        << "Machine1" << QString(2047, u'a');
    QTest::newRow("NUL byte kept in a value")
        << mac + bytes("Machine1=A\0B\r\n") << "adresses MAC"
        << "Machine1" << QString(u'A') + QChar(0) + QChar(u'B');
    QTest::newRow("bare CR ends a line") << mac + "Machine1=AA\rMachine2=BB\r"
                                         << "adresses MAC"
                                         << "Machine2"
                                         << "BB";
}

void TestSettings::text()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(Settings::fromBytes(file).readString(section, key, DEFAULT), expected);
}

void TestSettings::integer_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("expected");

    const int d = -777; // the default
    QTest::newRow("decimal") << QByteArray("99") << 99;
    QTest::newRow("zero") << QByteArray("0") << 0;
    QTest::newRow("plus sign") << QByteArray("+12") << 12;
    QTest::newRow("minus sign") << QByteArray("-3") << -3;
    QTest::newRow("leading zeros") << QByteArray("007") << 7;
    QTest::newRow("0x hexadecimal") << QByteArray("0x10") << 16;
    QTest::newRow("0X hexadecimal") << QByteArray("0X1f") << 31;
    QTest::newRow("$ hexadecimal") << QByteArray("$FF") << 255;
    QTest::newRow("$ lower-case hexadecimal") << QByteArray("$ff") << 255;
    QTest::newRow("blanks around") << QByteArray("  42 \t") << 42;
    QTest::newRow("quoted") << QByteArray("\"42\"") << 42;
    QTest::newRow("largest") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("smallest") << QByteArray("-2147483648") << int(-2147483647 - 1);
    QTest::newRow("largest hexadecimal") << QByteArray("0x7FFFFFFF") << 2147483647;
    QTest::newRow("long run of zeros") << QByteArray(3000, '0') << 0;
    QTest::newRow("word") << QByteArray("beaucoup") << d;
    QTest::newRow("empty") << QByteArray("") << d;
    QTest::newRow("sign alone") << QByteArray("-") << d;
    QTest::newRow("$ alone") << QByteArray("$") << d;
    QTest::newRow("0x alone") << QByteArray("0x") << d;
    QTest::newRow("trailing letters") << QByteArray("12a") << d;
    QTest::newRow("blank inside") << QByteArray("1 2") << d;
    QTest::newRow("decimal point") << QByteArray("1.5") << d;
    QTest::newRow("hexadecimal digit in decimal") << QByteArray("1F") << d;
    QTest::newRow("bad hexadecimal digit") << QByteArray("0x1G") << d;
    QTest::newRow("sign before hexadecimal") << QByteArray("-$10") << d;
    QTest::newRow("one above the largest") << QByteArray("2147483648") << d;
    QTest::newRow("one below the smallest") << QByteArray("-2147483649") << d;
    QTest::newRow("hexadecimal above the largest") << QByteArray("0x80000000") << d;
    QTest::newRow("all ones") << QByteArray("$FFFFFFFF") << d;
    QTest::newRow("far too many digits") << QByteArray(3000, '9') << d;
}

void TestSettings::integer()
{
    QFETCH(QByteArray, value);
    QFETCH(int, expected);
    const Settings settings =
        Settings::fromBytes("[parametres]\r\nttl_max=" + value + "\r\nttl_max=5\r\n");
    QCOMPARE(settings.readInteger(QStringLiteral("PARAMETRES"), QStringLiteral("TTL_MAX"), -777),
             expected);
}

void TestSettings::flag_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");

    QTest::newRow("0 is false") << QByteArray("0") << true << false;
    QTest::newRow("1 is true") << QByteArray("1") << false << true;
    QTest::newRow("2 is true") << QByteArray("2") << false << true;
    QTest::newRow("-1 is true") << QByteArray("-1") << false << true;
    QTest::newRow("$0 is false") << QByteArray("$0") << true << false;
    QTest::newRow("0x0 is false") << QByteArray("0x0") << true << false;
    QTest::newRow("word, default true") << QByteArray("non") << true << true;
    QTest::newRow("word, default false") << QByteArray("oui") << false << false;
    QTest::newRow("empty, default true") << QByteArray("") << true << true;
    QTest::newRow("out of range, default false") << QByteArray("99999999999") << false << false;
}

void TestSettings::flag()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);
    const Settings settings = Settings::fromBytes("[parametres]\ndest_diff_src=" + value + "\n");
    QCOMPARE(settings.readBool(SECTION_PARAMS, QStringLiteral("dest_diff_src"), defaultValue),
             expected);
    QCOMPARE(settings.readBool(SECTION_PARAMS, QStringLiteral("absent"), defaultValue),
             defaultValue);
}

void TestSettings::macDefaultsFillTheStationTable()
{
    QString table[2][STATION_ROWS];
    fillStationTable(table, Settings::fromBytes("[adresses MAC]\r\nMachine3=\r\n"
                                                "pont_droite = 'AA-BB' \r\n"));
    const QStringList labels = {
        "",          "Machine 1", "Machine 2",      "Machine 3",   "Machine 4",  "Machine 5",
        "Machine 6", "Broadcast", "M.cast NETBEUI", "Pont gauche", "Pont droite"};
    const QStringList macs = {"adresses MAC",
                              "00-C0-B0-69-16-25",
                              "00-C0-B0-08-31-A4",
                              "",
                              "00-00-48-24-E5-9A",
                              "00-AA-00-95-A0-5D",
                              "00-F0-00-6A-11-74",
                              "FF-FF-FF-FF-FF-FF",
                              "03-00-00-00-00-01",
                              "00-35-8A-96-01-42",
                              "AA-BB"};
    for (int row = 0; row < STATION_ROWS; ++row) {
        QCOMPARE(table[0][row], labels[row]);
        QCOMPARE(table[1][row], macs[row]);
    }
}

void TestSettings::damagedFilesAreReadToTheEnd_data()
{
    QTest::addColumn<QByteArray>("damage");

    QTest::newRow("NUL bytes") << bytes("Mach\0ine2=\0\0\r\n\0\0\0\r\n");
    QTest::newRow("NUL bytes in a section name") << bytes("[adr\0esses MAC]\r\nx=1\r\n");
    QTest::newRow("brackets only") << QByteArray("[\r\n]\r\n[]\r\n][\r\n");
    QTest::newRow("equals only") << QByteArray("=\r\n==\r\n=x\r\n");
    QTest::newRow("bytes undefined in Windows-1252") << QByteArray("\x81\x8d\x8f\x90\x9d\r\n");
    QTest::newRow("invalid UTF-8") << QByteArray("\xc3\x28\xff\xfe\r\n");
    QTest::newRow("Ctrl-Z") << QByteArray("\x1a\r\n");
}

// Whatever comes before, a key after a new section line is read.
void TestSettings::damagedFilesAreReadToTheEnd()
{
    QFETCH(QByteArray, damage);
    const Settings settings = Settings::fromBytes("[adresses MAC]\r\n" + damage +
                                                  "\r\n[adresses MAC]\r\nMachine1=AA\r\n");
    QCOMPARE(settings.readString(SECTION_MAC, QStringLiteral("Machine1"), DEFAULT),
             QStringLiteral("AA"));
}

void TestSettings::hugeFilesAreReadInLinearTime_data()
{
    QTest::addColumn<QByteArray>("bulk");

    std::mt19937 random(7u);
    QByteArray binary(50 * 1024 * 1024, Qt::Uninitialized);
    for (char &c : binary)
        c = static_cast<char>(random());
    QTest::newRow("50 MB of random bytes") << binary;
    QTest::newRow("a 100 000-character line")
        << QByteArray("Machine1=") + QByteArray(100000, 'x') + "\r\n";
    QTest::newRow("a 100 000-character section name") << QByteArray("[") + QByteArray(100000, 'x') +
                                                             "]\r\n" +
                                                             QByteArray("a=1\r\n").repeated(200000);
    QTest::newRow("many unclosed section lines") << QByteArray("[abc\r\n").repeated(1000000);
    QTest::newRow("many lines without equals sign") << QByteArray("abc\n").repeated(2000000);
    QTest::newRow("many distinct keys") << [] {
        QByteArray keys;
        for (int i = 0; i < 200000; ++i)
            keys += "k" + QByteArray::number(i) + "=v\r\n";
        return keys;
    }();
    QTest::newRow("one line of 10 million blanks") << QByteArray(10000000, ' ');
}

void TestSettings::hugeFilesAreReadInLinearTime()
{
    QFETCH(QByteArray, bulk);
    QElapsedTimer timer;
    timer.start();
    const Settings settings = Settings::fromBytes("[adresses MAC]\r\nMachine2=BB\r\n" + bulk +
                                                  "\r\n[parametres]\r\n"
                                                  "hub_auto=3\r\n");
    // Generous: a quadratic reading of these inputs would take hours.
    QVERIFY2(timer.elapsed() < 30000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(settings.readString(SECTION_MAC, QStringLiteral("Machine2"), DEFAULT),
             QStringLiteral("BB"));
    QCOMPARE(settings.readInteger(SECTION_PARAMS, QStringLiteral("hub_auto"), 0), 3);
}

void TestSettings::openReadsAFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(SETTINGS_FILE);
    writeFile(path, "[parametres]\r\nttl_max=$FF\r\nquestions=\xe9t\xe9\r\n");
    const std::optional<Settings> settings = Settings::open(path);
    QVERIFY(settings.has_value());
    QCOMPARE(settings->readInteger(SECTION_PARAMS, QStringLiteral("ttl_max"), 99), 255);
    QCOMPARE(settings->readString(SECTION_PARAMS, QStringLiteral("questions"), {}),
             QStringLiteral("été"));

    writeFile(path, QByteArray());
    QVERIFY(Settings::open(path).has_value());
}

void TestSettings::openRefusesWhatCannotBeRead()
{
    QTemporaryDir dir;
    QVERIFY(!Settings::open(dir.filePath(QStringLiteral("absent.ini"))).has_value());
    QVERIFY(!Settings::open(dir.path()).has_value());
    QVERIFY(QDir(dir.path()).mkdir(SETTINGS_FILE));
    QVERIFY(!Settings::open(dir.filePath(SETTINGS_FILE)).has_value());
    QVERIFY(!Settings::open(QString()).has_value());
#ifdef Q_OS_UNIX
    // A pipe would block the reader until something writes into it.
    const QString pipe = dir.filePath(QStringLiteral("pipe.ini"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(!Settings::open(pipe).has_value());
#endif
}

void TestSettings::findFileIgnoringCase_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("expected");

    QTest::newRow("other case") << QStringList{"KZ_PONT.ini"} << "kz_pont.INI"
                                << "KZ_PONT.ini";
    QTest::newRow("same case") << QStringList{"kz_pont.INI"} << "kz_pont.INI"
                               << "kz_pont.INI";
    QTest::newRow("exact name first")
        << QStringList{"KZ_PONT.ini", "kz_pont.INI", "Kz_Pont.Ini"} << "kz_pont.INI"
        << "kz_pont.INI";
    QTest::newRow("none matches") << QStringList{"kz_pont.ini.bak", "autre.ini"} << "kz_pont.INI"
                                  << "kz_pont.INI";
    QTest::newRow("empty directory") << QStringList{} << "pontexos.kz"
                                     << "pontexos.kz";
    QTest::newRow("accented name") << QStringList{"ÉLÈVES.KZ"} << "élèves.kz"
                                   << "ÉLÈVES.KZ";
}

void TestSettings::findFileIgnoringCase()
{
    QFETCH(QStringList, files);
    QFETCH(QString, asked);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    for (const QString &name : files)
        writeFile(dir.filePath(name), "x");
    QCOMPARE(::findFileIgnoringCase(dir.path(), asked),
             QDir::toNativeSeparators(dir.path() + QLatin1Char('/') + expected));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
