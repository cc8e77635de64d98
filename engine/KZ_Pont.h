// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program entry: creates the nine windows in their fixed order (the main window first, whose
// creation runs start-up) and keeps them for the whole run.
#pragma once

class KZ_Pont
{
public:
    KZ_Pont();
    ~KZ_Pont();
    KZ_Pont(const KZ_Pont &) = delete;
    KZ_Pont &operator=(const KZ_Pont &) = delete;

    // False when start-up ended the program (only seen when the process end is replaced).
    bool started() const { return ok; }

private:
    bool ok = false;
};
