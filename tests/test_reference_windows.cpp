// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The two reference windows: the MAC address window (its addresses from the settings file of the
// working directory, its place and frame, its refusal to close) and the About dialog (its
// controls, texts that fit, and closing with OK or Enter).
#include "core/settings.h"
#include "dialogs/a_propos.h"
#include "dialogs/u_MACs.h"
#include "engine/global.h"
#include "widgets/controls.h"

#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestReferenceWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void macWindowShowsTheSettings_data();
    void macWindowShowsTheSettings();
    void macWindowFrameAndGrid();
    void macWindowRefusesToClose();
    void aboutDialogControls();
    void aboutTextsFitTheirLabels();
    void aboutDialogClosesWithOkOrEnter();
};

namespace
{

const QStringList LABELS = {"",           "Machine 1", "Machine 2", "Machine 3",      "Machine 4",
                            "Machine 5",  "Machine 6", "Broadcast", "M.cast NETBEUI", "Pont gauche",
                            "Pont droite"};
const QStringList DEFAULT_MACS = {"adresses MAC",      "00-C0-B0-69-16-25", "00-C0-B0-08-31-A4",
                                  "00-10-2B-88-00-34", "00-00-48-24-E5-9A", "00-AA-00-95-A0-5D",
                                  "00-F0-00-6A-11-74", "FF-FF-FF-FF-FF-FF", "03-00-00-00-00-01",
                                  "00-35-8A-96-01-42", "00-35-8A-96-01-43"};

// Makes a temporary directory the working directory for the life of the object, with `settings`
// written as the settings file under the name `fileName` (none when null).
class WorkingDirectory
{
public:
    WorkingDirectory(const QByteArray &settings, const QString &fileName)
        : previous(QDir::currentPath())
    {
        if (!settings.isNull()) {
            QFile file(temp.filePath(fileName));
            if (file.open(QIODevice::WriteOnly))
                file.write(settings);
        }
        QDir::setCurrent(temp.path());
    }
    ~WorkingDirectory() { QDir::setCurrent(previous); }

private:
    QTemporaryDir temp;
    QString previous;
};

QStringList column(const controls::Grid *grid, int c)
{
    QStringList texts;
    for (int row = 0; row < grid->rowCount(); ++row)
        texts << grid->text(c, row);
    return texts;
}

} // namespace

void TestReferenceWindows::initTestCase()
{
    controls::installProgramFont();
}

void TestReferenceWindows::macWindowShowsTheSettings_data()
{
    QTest::addColumn<QByteArray>("settings"); // null: no settings file
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("macs");

    QStringList changed = DEFAULT_MACS;
    changed[1] = "11-11-11-11-11-11";
    changed[3] = "";
    changed[6] = "été";
    changed[9] = "PG";
    changed[10] = " pont droit ";
    QTest::newRow("every key set")
        << QByteArray(
               "[adresses MAC]\r\nMachine1=11-11-11-11-11-11\r\nMachine2=00-C0-B0-08-31-A4\r\n"
               "machine3=\r\nMachine4=00-00-48-24-E5-9A\r\nMachine5=00-AA-00-95-A0-5D\r\n"
               "MACHINE6=\xe9t\xe9\r\npont_gauche = PG \r\npont_droite=\" pont droit \"\r\n"
               "[parametres]\r\nhub_auto=0\r\n")
        << "kz_pont.INI" << changed;
    QTest::newRow("no MAC section")
        << QByteArray("[parametres]\r\nMachine1=11\r\n") << "kz_pont.INI" << DEFAULT_MACS;
    QTest::newRow("no settings file") << QByteArray() << "kz_pont.INI" << DEFAULT_MACS;
    QStringList first = DEFAULT_MACS;
    first[1] = "AA";
    QTest::newRow("file name in other letter case")
        << QByteArray("[ADRESSES MAC]\nMachine1=AA\n") << "KZ_PONT.ini" << first;
}

void TestReferenceWindows::macWindowShowsTheSettings()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, fileName);
    QFETCH(QStringList, macs);

    std::unique_ptr<TAdressesMAC> window;
    {
        WorkingDirectory dir(settings, fileName);
        window = std::make_unique<TAdressesMAC>();
    }
    QCOMPARE(column(window->table_MAC, 0), LABELS);
    QCOMPARE(column(window->table_MAC, 1), macs);
}

void TestReferenceWindows::macWindowFrameAndGrid()
{
    WorkingDirectory dir(QByteArray(), SETTINGS_FILE);
    auto *main = new QWidget;
    auto *window = new TAdressesMAC(main);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    QCOMPARE(window->objectName(), QStringLiteral("AdressesMAC"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Adresses MAC"));
    QVERIFY(window->isWindow());
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->windowType(), Qt::Window); // not a tool window: it can be minimised
    QCOMPARE(window->size(), QSize(191, 241));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->pos(), QPoint(246, 295));

    controls::Grid *grid = window->table_MAC;
    QCOMPARE(grid->objectName(), QStringLiteral("table_MAC"));
    QCOMPARE(window->findChild<controls::Grid *>(QStringLiteral("table_MAC")), grid);
    QCOMPARE(grid->geometry(), QRect(0, 0, 191, 238));
    QCOMPARE(grid->columnCount(), 2);
    QCOMPARE(grid->rowCount(), 11);
    // Cells have their own sizes, grid lines and a 2-pixel border on top: the cells and their lines
    // fill the grid but for 2 pixels across and 3 down, without scrolling.
    for (int row = 0; row < 11; ++row) {
        QCOMPARE(grid->cellRect(0, row).size(), QSize(85, 20));
        QCOMPARE(grid->cellRect(1, row).size(), QSize(98, 20));
    }
    const QRect last = grid->cellRect(1, 10);
    QCOMPARE(grid->width() - (last.right() + 1 + 1 + 2), 2);
    QCOMPARE(grid->height() - (last.bottom() + 1 + 1 + 2), 3);
    // Headers cannot be chosen; address cells can, but not edited.
    const auto current = [grid] { return QPoint(grid->currentColumn(), grid->currentRow()); };
    QCOMPARE(current(), QPoint(1, 1));
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(1, 0).center());
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(0, 5).center());
    QCOMPARE(current(), QPoint(1, 1));
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(1, 5).center());
    QCOMPARE(current(), QPoint(1, 5));
    QTest::keyClicks(grid, QStringLiteral("ab"));
    QTest::keyClick(grid, Qt::Key_Delete);
    QTest::keyClick(grid, Qt::Key_F2);
    QCOMPARE(column(grid, 1), DEFAULT_MACS);
    delete main;
}

void TestReferenceWindows::macWindowRefusesToClose()
{
    WorkingDirectory dir(QByteArray(), SETTINGS_FILE);
    TAdressesMAC window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QCloseEvent request;
    QApplication::sendEvent(&window, &request);
    QVERIFY(!request.isAccepted());

    window.showMinimized();
    QVERIFY(window.isMinimized());
    window.showNormal();
    QVERIFY(!window.isMinimized());
    QVERIFY(window.isVisible());
}

void TestReferenceWindows::aboutDialogControls()
{
    Tapropos dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("apropos"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("KZ PONT"));
    QCOMPARE(dialog.size(), QSize(289, 221));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    const Qt::WindowFlags flags = dialog.windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));

    // Centred on the screen, frame included.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect outer(dialog.pos(),
                      QSize(289 + controls::FRAME_WIDTH, 221 + controls::FRAME_HEIGHT));
    QVERIFY(qAbs(outer.center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(outer.center().y() - screen.center().y()) <= 1);

    struct Expected {
        QWidget *widget;
        const char *name;
        QWidget *parent;
        QRect geometry; // width -1: sized to its text
    };
    const Expected controls[] = {
        {dialog.Panel1, "Panel1", &dialog, QRect(8, 0, 281, 193)},
        {dialog.ProgramIcon, "ProgramIcon", dialog.Panel1, QRect(8, 8, 41, 33)},
        {dialog.Version, "Version", dialog.Panel1, QRect(96, 8, -1, -1)},
        {dialog.Credits, "Credits", dialog.Panel1, QRect(88, 32, 158, 26)},
        {dialog.Label2, "Label2", dialog.Panel1, QRect(32, 80, 188, 26)},
        {dialog.Comments, "Comments", dialog.Panel1, QRect(56, 128, 169, 26)},
        {dialog.Label1, "Label1", dialog.Panel1, QRect(8, 168, -1, -1)},
        {dialog.OKButton, "OKButton", &dialog, QRect(111, 196, 75, 25)},
    };
    for (const Expected &c : controls) {
        QVERIFY2(c.widget, c.name);
        QCOMPARE(c.widget->objectName(), QString::fromLatin1(c.name));
        QCOMPARE(c.widget->parentWidget(), c.parent);
        if (c.geometry.width() < 0)
            QCOMPARE(c.widget->pos(), c.geometry.topLeft());
        else
            QCOMPARE(c.widget->geometry(), c.geometry);
    }
    QCOMPARE(dialog.Version->text(), QStringLiteral("Version 1.3.7  janvier 2000"));
    QCOMPARE(dialog.Version->accessibleName(), dialog.Version->text());
    QVERIFY(dialog.Credits->font().bold());
    QVERIFY(dialog.Credits->wordWrap());
    QVERIFY(dialog.Label2->wordWrap());
    QVERIFY(dialog.Comments->wordWrap());
    QCOMPARE(dialog.OKButton->text(), QStringLiteral("OK"));
    QVERIFY(dialog.OKButton->isDefault());
    QVERIFY(dialog.Panel1->frameShape() != QFrame::NoFrame);
    QVERIFY(!dialog.ProgramIcon->pixmap().isNull());
    QVERIFY(dialog.ProgramIcon->hasScaledContents());
    // The copyright holder names no person; the licence and its lack of warranty are stated.
    QCOMPARE(dialog.Credits->text(), QStringLiteral("© 2026 les auteurs de KZ Pont"));
    QCOMPARE(dialog.Label2->text(),
             QStringLiteral("Logiciel libre sous licence GNU GPL, version 3 ou ultérieure."));
    QVERIFY(dialog.Comments->text().startsWith(QStringLiteral("Sans aucune garantie.")));
    for (const QLabel *credit : {dialog.Credits, dialog.Label2, dialog.Comments, dialog.Label1}) {
        QVERIFY(!credit->text().isEmpty());
        QVERIFY(!credit->text().contains(u'@')); // no e-mail address
        QVERIFY(!credit->text().contains(QLatin1String("www")));
        QVERIFY(!credit->text().contains(QLatin1String("http")));
    }
}

void TestReferenceWindows::aboutTextsFitTheirLabels()
{
    Tapropos dialog;
    for (const QLabel *wrapped : {dialog.Credits, dialog.Label2, dialog.Comments}) {
        QVERIFY2(wrapped->heightForWidth(wrapped->width()) <= wrapped->height(),
                 qPrintable(wrapped->objectName()));
    }
    // Sized to their text, they stay inside the panel's bevel.
    for (const QLabel *single : {dialog.Version, dialog.Label1}) {
        QVERIFY2(single->geometry().right() < dialog.Panel1->width() - 2,
                 qPrintable(single->objectName()));
        QCOMPARE(single->width(), single->sizeHint().width());
    }
}

void TestReferenceWindows::aboutDialogClosesWithOkOrEnter()
{
    Tapropos dialog;
    QTimer::singleShot(0, &dialog,
                       [&dialog] { QTest::mouseClick(dialog.OKButton, Qt::LeftButton); });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());

    // Opened again, Enter closes it with OK.
    QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Return); });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestReferenceWindows)
#include "test_reference_windows.moc"
