// The station table as start-up fills it from the example settings, for tests that build a
// window on its own without running start-up.
#pragma once

#include "engine/global.h"

inline void fillStationTable()
{
    static const char *const labels[STATION_ROWS] = {
        "",          "Machine 1", "Machine 2",      "Machine 3",   "Machine 4",  "Machine 5",
        "Machine 6", "Broadcast", "M.cast NETBEUI", "Pont gauche", "Pont droite"};
    static const char *const macs[STATION_ROWS] = {
        "adresses MAC",      "00-C0-B0-69-16-25", "00-C0-B0-08-31-A4", "00-10-2B-88-00-34",
        "00-00-48-24-E5-9A", "00-AA-00-95-A0-5D", "00-F0-00-6A-11-74", "FF-FF-FF-FF-FF-FF",
        "03-00-00-00-00-01", "00-35-8A-96-01-42", "00-35-8A-96-01-43"};
    for (int r = 0; r < STATION_ROWS; ++r) {
        global.station_table[0][r] = QString::fromLatin1(labels[r]);
        global.station_table[1][r] = QString::fromLatin1(macs[r]);
    }
}
