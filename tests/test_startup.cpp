// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up end to end in temporary working directories: the settings file, the exercise list,
// the three failure boxes, the parameters brought into range, the nine windows.
#include "dialogs/U_pont.h"
#include "dialogs/a_propos.h"
#include "dialogs/u_MACs.h"
#include "dialogs/u_dest.h"
#include "dialogs/u_hub.h"
#include "dialogs/u_hub2.h"
#include "dialogs/u_source.h"
#include "engine/anim_pont.h"
#include "engine/global.h"
#include "engine/u_avance.h"
#include "platform/desktop.h"
#include "support/fixture.h"
#include "widgets/grid.h"

#include <QtTest>

#include <future>
#include <thread>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using platform::BoxKind;

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void missingSettingsFileStops();
    void teachersFilesFoundWhateverTheirCaseAndAccents();
    void noQuestionsKeyStops();
    void listBeginningWithEndLineStops();
    void unreadableListWarnsThenRunsRandomExercises_data();
    void unreadableListWarnsThenRunsRandomExercises();
    void emptyListGivesRandomExercises();
    void parametersAreBroughtIntoRange_data();
    void parametersAreBroughtIntoRange();
    void stationTableFromSettings();
    void nineWindowsInTheirOrder();
    void macWindowShowsTheStationTable();
    void windowSystemChoice_data();
    void windowSystemChoice();
};

void TestStartup::missingSettingsFileStops()
{
    ProgramFixture program{QByteArray(), QByteArray()};
    QVERIFY(!program.started());
    QCOMPARE(program.fake.processEnds, 1);
    QCOMPARE(program.fake.boxes.size(), 1);
    QCOMPARE(program.fake.boxes[0].kind, BoxKind::Error);
    QCOMPARE(program.fake.boxes[0].title, QStringLiteral("Erreur"));
    QCOMPARE(program.fake.boxes[0].text, QStringLiteral("KZ_pont.ini non trouvé sur ") +
                                             QDir::toNativeSeparators(program.dir()));
    // Nothing else was created, nothing shown, no exercise begun.
    QVERIFY(!Principale->isVisible());
    QCOMPARE(f_avance, nullptr);
    QCOMPARE(AdressesMAC, nullptr);
    QCOMPARE(global.exercise_number, 0);
}

// The folder's name as a Linux editor saves it: UTF-8 without a byte-order mark.
void TestStartup::teachersFilesFoundWhateverTheirCaseAndAccents()
{
    ProgramFixture program(defaultSettings("questions=\xC3\x89l\xC3\xA8ves 2B\r\n"), "3 6\r\n",
                           QStringLiteral("KZ_PONT.ini"), QStringLiteral("Élèves 2B/PONTEXOS.KZ"));
    QVERIFY(program.started());
    QVERIFY(program.fake.boxes.isEmpty());
    QCOMPARE(global.src_index, 3);
    QCOMPARE(global.dest_index, 6);
}

void TestStartup::noQuestionsKeyStops()
{
    ProgramFixture program(defaultSettings("dest_diff_src=1\r\n"), "1 4\r\n");
    QVERIFY(!program.started());
    QCOMPARE(program.fake.processEnds, 1);
    QCOMPARE(program.fake.texts(),
             QStringList{QStringLiteral("Ni exercice imposé ni exercice aléatoire\n"
                                        "Fichier d'exercices incorrect")});
    QCOMPARE(program.fake.boxes[0].kind, BoxKind::Error);
}

void TestStartup::listBeginningWithEndLineStops()
{
    ProgramFixture program(defaultSettings("questions=.\r\n"), "FIN\r\n1 4\r\n");
    QVERIFY(!program.started());
    QCOMPARE(program.fake.processEnds, 1);
    QVERIFY(program.fake.lastText().startsWith(QStringLiteral("Ni exercice imposé")));
}

void TestStartup::unreadableListWarnsThenRunsRandomExercises_data()
{
    QTest::addColumn<QString>("list"); // what pontexos.kz is
    QTest::newRow("absent") << "";
#ifdef Q_OS_UNIX
    QTest::newRow("a named pipe") << "pipe";
    QTest::newRow("a link to /dev/zero") << "/dev/zero";
#endif
}

void TestStartup::unreadableListWarnsThenRunsRandomExercises()
{
    QFETCH(QString, list);
    QTemporaryDir folder;
    const QByteArray path = QFile::encodeName(folder.filePath(QStringLiteral("pontexos.kz")));
    if (list.startsWith(u'/'))
        QVERIFY(QFile::link(list, QString::fromUtf8(path)));
#ifdef Q_OS_UNIX
    if (list == QLatin1String("pipe"))
        QCOMPARE(::mkfifo(path.constData(), 0600), 0);
#endif
    // Opening the pipe would wait for ever, reading the device would never end: fail instead.
    std::promise<void> read;
    std::thread watchdog([done = read.get_future()] {
        if (done.wait_for(std::chrono::seconds(20)) != std::future_status::ready)
            qFatal("start-up still reading the exercise list after 20 s");
    });
    ProgramFixture program(
        defaultSettings("questions=" + QFile::encodeName(folder.path()) + "\r\n"), QByteArray());
    read.set_value();
    watchdog.join();
    QVERIFY(program.started());
    QCOMPARE(program.fake.processEnds, 0);
    QCOMPARE(program.fake.boxes.size(), 1);
    QCOMPARE(program.fake.boxes[0].kind, BoxKind::Error);
    QCOMPARE(program.fake.boxes[0].text,
             QStringLiteral("Le fichier ") + QDir::toNativeSeparators(folder.path()) +
                 QDir::separator() + QStringLiteral("pontexos.kz \n n'est pas accessible"));
    QVERIFY(global.random_after_list);
    QCOMPARE(global.exercise_count, 0);
    QCOMPARE(global.exercise_number, 1);
    QVERIFY(global.src_index >= 1 && global.src_index <= 6);
    QCOMPARE(f_avance->windowTitle(), QStringLiteral("Avancement. Ex = 1  (0)"));
}

void TestStartup::emptyListGivesRandomExercises()
{
    ProgramFixture program(defaultSettings("questions=.\r\n"), "");
    QVERIFY(program.started());
    QVERIFY(program.fake.boxes.isEmpty());
    QVERIFY(global.random_after_list);
    QCOMPARE(global.exercise_count, 0);
}

void TestStartup::parametersAreBroughtIntoRange_data()
{
    QTest::addColumn<QByteArray>("parameters");
    QTest::addColumn<int>("hubAuto");
    QTest::addColumn<QString>("ttl");
    QTest::addColumn<int>("freqMulti");
    QTest::addColumn<bool>("destDiffSrc");
    QTest::newRow("absent") << QByteArray() << 0 << "99" << 1 << true;
    QTest::newRow("hub_auto 20") << QByteArray("hub_auto=20") << 16 << "99" << 1 << true;
    QTest::newRow("hub_auto -3") << QByteArray("hub_auto=-3") << 0 << "99" << 1 << true;
    QTest::newRow("hub_auto 2") << QByteArray("hub_auto=2") << 2 << "99" << 1 << true;
    QTest::newRow("ttl hex") << QByteArray("ttl_max=0x10") << 0 << "16" << 1 << true;
    QTest::newRow("ttl dollar") << QByteArray("ttl_max=$FF") << 0 << "255" << 1 << true;
    QTest::newRow("ttl word") << QByteArray("ttl_max=beaucoup") << 0 << "99" << 1 << true;
    QTest::newRow("ttl 300") << QByteArray("ttl_max=300") << 0 << "255" << 1 << true;
    QTest::newRow("ttl -5") << QByteArray("ttl_max=-5") << 0 << "0" << 1 << true;
    QTest::newRow("freq 300") << QByteArray("freq_multi=300") << 0 << "99" << 249 << true;
    QTest::newRow("freq -1") << QByteArray("freq_multi=-1") << 0 << "99" << 0 << true;
    QTest::newRow("dds 0") << QByteArray("dest_diff_src=0") << 0 << "99" << 1 << false;
    QTest::newRow("dds 2") << QByteArray("dest_diff_src=2") << 0 << "99" << 1 << true;
    QTest::newRow("dds word") << QByteArray("dest_diff_src=non") << 0 << "99" << 1 << true;
}

void TestStartup::parametersAreBroughtIntoRange()
{
    QFETCH(QByteArray, parameters);
    QFETCH(int, hubAuto);
    QFETCH(QString, ttl);
    QFETCH(int, freqMulti);
    QFETCH(bool, destDiffSrc);
    ProgramFixture program(defaultSettings("questions=.\r\n" + parameters + "\r\n"), "2 5\r\n");
    QVERIFY(program.started());
    QCOMPARE(global.hub_auto, hubAuto);
    for (int i = 1; i <= MAX_HUB_AUTO; ++i)
        QCOMPARE(global.hub_manual[i], i <= hubAuto);
    QCOMPARE(global.ttl_value, ttl);
    QCOMPARE(int(global.freq_multi), freqMulti);
    QCOMPARE(global.dest_diff_src, destDiffSrc);
}

void TestStartup::stationTableFromSettings()
{
    ProgramFixture program("[ADRESSES mac]\r\nmachine3 = \"AA-BB\"\r\nMachine5=\r\n"
                           "pont_droite=caf\xe9\r\n[parametres]\r\nquestions=.\r\n",
                           "1 4\r\n");
    QVERIFY(program.started());
    const QString(&table)[2][STATION_ROWS] = global.station_table;
    QCOMPARE(table[0][0], QString());
    QCOMPARE(table[1][0], QStringLiteral("adresses MAC"));
    QCOMPARE(table[1][1], QStringLiteral("00-C0-B0-69-16-25"));
    QCOMPARE(table[1][3], QStringLiteral("AA-BB"));
    QCOMPARE(table[1][5], QString());
    QCOMPARE(table[0][7], QStringLiteral("Broadcast"));
    QCOMPARE(table[1][7], QStringLiteral("FF-FF-FF-FF-FF-FF"));
    QCOMPARE(table[0][8], QStringLiteral("M.cast NETBEUI"));
    QCOMPARE(table[1][8], QStringLiteral("03-00-00-00-00-01"));
    QCOMPARE(table[0][9], QStringLiteral("Pont gauche"));
    QCOMPARE(table[1][9], QStringLiteral("00-35-8A-96-01-42"));
    QCOMPARE(table[0][10], QStringLiteral("Pont droite"));
    QCOMPARE(table[1][10], QStringLiteral("café"));
}

void TestStartup::nineWindowsInTheirOrder()
{
    ProgramFixture program;
    QVERIFY(program.started());
    QStringList order{Principale->metaObject()->className()};
    for (QObject *child : Principale->children())
        if (auto *w = qobject_cast<QWidget *>(child); w && w->isWindow())
            order << QString::fromLatin1(w->metaObject()->className()) + ":" + w->objectName();
    QCOMPARE(order, (QStringList{"TPrincipale", "Tf_Station_emettrice:f_Station_emettrice",
                                 "Tf_pont:f_pont", "Tf_avance:f_avance", "Tf_hub1:f_hub1",
                                 "TAdressesMAC:AdressesMAC", "Tf_destination:f_destination",
                                 "Tf_hub2:f_hub2", "Tapropos:apropos"}));
    QVERIFY(Principale->isVisible());
    QVERIFY(f_avance->isVisible());
    QVERIFY(AdressesMAC->isVisible());
    QVERIFY(AdressesMAC->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(f_avance->windowFlags() & Qt::WindowStaysOnTopHint);
    for (QWidget *hidden : std::initializer_list<QWidget *>{f_Station_emettrice, f_pont, f_hub1,
                                                            f_hub2, f_destination, apropos})
        QVERIFY(!hidden->isVisible());
    QCOMPARE(Principale->pos(), QPoint(1, 1));
    QCOMPARE(f_avance->pos(), QPoint(461, 303));
}

void TestStartup::macWindowShowsTheStationTable()
{
    ProgramFixture program(
        defaultSettings("questions=.\r\n")
            .replace("Machine4=00-00-48-24-E5-9A", "Machine4=12-34 \xC3\xA9l\xC3\xA8ve"),
        "1 4\r\n");
    QVERIFY(program.started());
    controls::Grid *grid = AdressesMAC->table_MAC;
    for (int row = 0; row < STATION_ROWS; ++row)
        for (int column = 0; column < 2; ++column)
            QCOMPARE(grid->text(column, row), global.station_table[column][row]);
    QCOMPARE(grid->text(1, 4), QStringLiteral("12-34 élève")); // UTF-8, as start-up reads it
    AdressesMAC->close();
    QVERIFY(AdressesMAC->isVisible());
}

void TestStartup::windowSystemChoice_data()
{
    QTest::addColumn<bool>("userChose");
    QTest::addColumn<QByteArray>("sessionType");
    QTest::addColumn<bool>("waylandDisplay");
    QTest::addColumn<bool>("x11Display");
    QTest::addColumn<QByteArray>("platform");
    QTest::newRow("Wayland session, XWayland")
        << false << QByteArray("wayland") << true << true << QByteArray("xcb;wayland");
    QTest::newRow("Wayland display, XWayland")
        << false << QByteArray() << true << true << QByteArray("xcb;wayland");
    QTest::newRow("Wayland without XWayland")
        << false << QByteArray("wayland") << true << false << QByteArray();
    QTest::newRow("X11 session") << false << QByteArray("x11") << false << true << QByteArray();
    QTest::newRow("chosen by the user")
        << true << QByteArray("wayland") << true << true << QByteArray();
}

void TestStartup::windowSystemChoice()
{
    QFETCH(bool, userChose);
    QFETCH(QByteArray, sessionType);
    QFETCH(bool, waylandDisplay);
    QFETCH(bool, x11Display);
    QFETCH(QByteArray, platform);
    QCOMPARE(platform::windowSystemFor(userChose, sessionType, waylandDisplay, x11Display),
             platform);
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
