// The exercise cycle through the real windows: new exercises, the progress window, the end of an
// exercise and of a series, quitting.
#include "dialogs/a_propos.h"
#include "engine/anim_pont.h"
#include "engine/elapsed.h"
#include "engine/global.h"
#include "engine/u_avance.h"
#include "support/fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

class TestCycle : public QObject
{
    Q_OBJECT
private slots:
    void firstExerciseIsTheFirstImposedOne();
};

void TestCycle::firstExerciseIsTheFirstImposedOne()
{
    ProgramFixture program(defaultSettings(), "2 5\r\n5 2\r\nFIN\r\n");
    QVERIFY(program.started());
    QCOMPARE(global.exercise_number, 1);
    QCOMPARE(global.src_index, 2);
    QCOMPARE(global.dest_index, 5);
    QCOMPARE(Principale->Edit1->text(), QStringLiteral("Machine 2"));
    QCOMPARE(Principale->Edit2->text(), QStringLiteral("Machine 5"));
    QCOMPARE(f_avance->windowTitle(), QStringLiteral("Avancement. Ex = 1  (2)"));
    QVERIFY(!Principale->Nouveau->isEnabled());
}

QTEST_MAIN(TestCycle)
#include "test_cycle.moc"
