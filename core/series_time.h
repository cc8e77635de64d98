// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The duration of a series as hours, minutes and seconds ("00:07:42"); hours run past 23.
#pragma once

#include <QString>

QString formatElapsed(qint64 seconds);
