// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The station table as start-up fills it when the settings give the default addresses, for tests
// that build a window on its own without running start-up.
#pragma once

#include "core/settings.h"
#include "engine/global.h"

inline void useDefaultStationTable()
{
    fillStationTable(global.station_table, Settings::fromBytes(QByteArray()));
}
