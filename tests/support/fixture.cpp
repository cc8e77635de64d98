// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixture.h"

#include "engine/KZ_Pont.h"

#include <QFile>
#include <QFileInfo>

QByteArray defaultSettings(const QByteArray &parameters)
{
    QByteArray text = "[adresses MAC]\r\n"
                      "Machine1=00-C0-B0-69-16-25\r\n"
                      "Machine2=00-C0-B0-08-31-A4\r\n"
                      "Machine3=00-10-2B-88-00-34\r\n"
                      "Machine4=00-00-48-24-E5-9A\r\n"
                      "Machine5=00-AA-00-95-A0-5D\r\n"
                      "Machine6=00-F0-00-6A-11-74\r\n"
                      "pont_gauche=00-35-8A-96-01-42\r\n"
                      "pont_droite=00-35-8A-96-01-43\r\n"
                      "[parametres]\r\n";
    if (parameters.isNull())
        return text + "dest_diff_src=1\r\nttl_max=99\r\nfreq_multi=1\r\nquestions=.\r\n"
                      "hub_auto=0\r\n";
    return text + parameters;
}

static void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

ProgramFixture::ProgramFixture(const QByteArray &settings, const QByteArray &exercises,
                               const QString &settingsName, const QString &exercisesName)
    : previousDir(QDir::currentPath())
{
    if (!settings.isNull())
        writeFile(temp.filePath(settingsName), settings);
    if (!exercises.isNull()) {
        QDir(temp.path()).mkpath(QFileInfo(temp.filePath(exercisesName)).path());
        writeFile(temp.filePath(exercisesName), exercises);
    }
    QDir::setCurrent(temp.path());
    program = std::make_unique<KZ_Pont>();
}

ProgramFixture::~ProgramFixture()
{
    program.reset();
    QDir::setCurrent(previousDir);
}

bool ProgramFixture::started() const
{
    return program->started();
}
