// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The interface language, chosen by the settings' `langue` key: "en" gives the English texts of
// the program's translation (built into the program) and Qt's own texts in English; anything else
// keeps the French texts of the code and gives Qt's own texts (context menus) in French.
#pragma once

#include <QString>

// Installs the translators of `langue` ("en" or anything else), replacing those of an earlier
// call. Windows made afterwards take the chosen texts; windows already made keep theirs.
void useLanguage(const QString &langue);
