// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The state of the exercise in progress and of the whole run, shared by every window.
// There is one instance, `global`; windows read and assign its fields directly. Arrays keep the
// numbering of the network (stations 1..6, destinations 1..8, hubs 1..2, LEDs 1..8, ring slots
// 1..16, exercises 1..20): index 0 is unused where the numbering starts at 1.
#pragma once

#include "core/exercise_list.h"
#include "core/network.h"
#include "core/refusals.h"

#include <QDateTime>
#include <QString>

#include <cstdint>

struct Global {
    std::uint8_t phase = 0;
    std::uint8_t src_index = 0;
    std::uint8_t dest_index = 0;
    // [column][row]: column 0 the label, column 1 the MAC text.
    QString station_table[2][STATION_ROWS];

    ExerciseEntry exercise_list[MAX_EXERCISES + 1];
    std::uint8_t exercise_count = 0;
    bool random_after_list = false;
    std::uint16_t exercise_number = 0;
    bool first_exercise = false;
    QDateTime start_time;
    std::uint16_t error_count = 0;
    RefusalTally refusals; // what the error count is made of

    bool dest_diff_src = false;
    bool explanations = false; // refusal boxes offer the rule and this attempt's facts
    std::uint8_t freq_multi = 0;
    QString ttl_value;
    std::int32_t hub_auto = 0;
    bool hub_manual[MAX_HUB_AUTO + 1] = {};
    std::int32_t hub_click_count = 0;

    std::uint8_t led_expected[3][9] = {};
    std::uint8_t led_state[3][9] = {};
    std::uint8_t current_hub = 0;
    std::uint8_t phase_at_hub = 0;

    bool copied[7] = {};
    std::uint8_t copied_count = 0;
    std::uint8_t clicked_station = 0;
    std::int32_t main_top = 0;
    std::int32_t main_left = 0;

    QString questions_dir;
    QString current_dir;
};

extern Global global;

// Counters of the run stop at their largest value instead of wrapping to 0.
inline void saturatingIncrement(std::uint16_t &counter)
{
    if (counter < UINT16_MAX)
        ++counter;
}
