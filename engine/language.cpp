// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace
{
QTranslator *programTranslator = nullptr;
QTranslator *qtTranslator = nullptr;

void replace(QTranslator *&translator, const QString &file, const QString &directory)
{
    delete translator; // removes itself from the application
    translator = new QTranslator(qApp);
    if (translator->load(file, directory))
        QCoreApplication::installTranslator(translator);
}
} // namespace

void useLanguage(const QString &langue)
{
    const bool english = langue.trimmed().compare(QLatin1String("en"), Qt::CaseInsensitive) == 0;
    // The French texts are the code's own; Qt's own texts are written in English.
    replace(programTranslator, english ? QStringLiteral("kz_pont_en") : QString(),
            QStringLiteral(":/i18n"));
    replace(qtTranslator, english ? QString() : QStringLiteral("qtbase_fr"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
