// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program only reads: after start-up and whole exercises, the working directory holds the
// same files with the same bytes and times, even when it is read-only.
#include "engine/anim_pont.h"
#include "engine/global.h"
#include "support/fixture.h"
#include "support/student.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

namespace
{

QStringList snapshot(const QString &dir)
{
    QStringList lines;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QFile file(info.filePath());
        QByteArray hash;
        if (info.isFile() && file.open(QIODevice::ReadOnly))
            hash = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
        lines << QStringLiteral("%1 %2 %3 %4")
                     .arg(info.fileName())
                     .arg(info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch())
                     .arg(QString::fromLatin1(hash));
    }
    lines.sort();
    return lines;
}

} // namespace

class TestNothingWritten : public QObject
{
    Q_OBJECT
private slots:
    void readOnlyWorkingDirectoryIsLeftAsItWas();
};

void TestNothingWritten::readOnlyWorkingDirectoryIsLeftAsItWas()
{
    const QByteArray settings = defaultSettings();
    const QByteArray exercises = "2 5\r\n1 7\r\n4 4\r\n";
    ProgramFixture program(settings, exercises);
    QVERIFY(program.started());
    const QString dir = program.dir();
    const QStringList before = snapshot(dir);
    QCOMPARE(before.size(), 2);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
    for (int exercise = 0; exercise < 3; ++exercise) {
        QVERIFY(student::playExercise());
        Principale->Nouveau->trigger();
    }
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(snapshot(dir), before);
    QFile ini(dir + QStringLiteral("/kz_pont.INI"));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QCOMPARE(ini.readAll(), settings);
}

QTEST_MAIN(TestNothingWritten)
#include "test_nothing_written.moc"
