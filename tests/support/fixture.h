// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the whole program in a temporary working directory: writes the settings file and the
// exercise list, starts the program (the nine windows, start-up, exercise 1) with the fake
// services in force, and restores the working directory afterwards.
#pragma once

#include "support/fake_services.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

class KZ_Pont;

// The example settings: every key at its default, questions naming the working directory.
QByteArray defaultSettings(const QByteArray &parameters = QByteArray());

class ProgramFixture
{
public:
    // Writes `settings` as kz_pont.INI (none when null) and `exercises` as pontexos.kz (none
    // when null; `exercisesName` may name a folder of the working directory too), then starts
    // the program.
    explicit ProgramFixture(const QByteArray &settings = defaultSettings(),
                            const QByteArray &exercises = QByteArray("2 5\n"),
                            const QString &settingsName = QStringLiteral("kz_pont.INI"),
                            const QString &exercisesName = QStringLiteral("pontexos.kz"));
    ~ProgramFixture();

    bool started() const;
    QString dir() const { return temp.path(); }

    FakeServices fake;

private:
    QTemporaryDir temp;
    QString previousDir;
    std::unique_ptr<KZ_Pont> program;
};

// Calls `act` once the modal widget of type T (other than `notThis`) is up, polling every 10 ms
// for at most 5 s. Arm it before the action that opens the window.
template <class T, class F> void whenModal(F act, QWidget *notThis = nullptr)
{
    auto *timer = new QTimer;
    auto *elapsed = new int(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        auto *w = qobject_cast<T *>(QApplication::activeModalWidget());
        if ((w && w != notThis) || ++*elapsed > 500) {
            timer->stop();
            timer->deleteLater();
            delete elapsed;
            if (w && w != notThis)
                act(w);
        }
    });
    timer->start();
}
