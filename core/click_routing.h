// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// What a click on the network diagram does, decided over plain copies of the state: the phase,
// the exercise's sender and destination, the stations that copied a group frame, the progress
// window's "done" ticks, the side the bridge sent the frame to and whether the hubs run by
// themselves. The main window reads these into a `State`, carries out the `Response` (a refusal,
// or dialogs to show and how), and once a dialog shown for work has closed, carries out the
// `Aftermath` of the state it left (what to draw, what to tick, the phase reached). Nothing here
// touches a window or the shared state.
#pragma once

#include "core/geometry.h"
#include "core/refusals.h"

#include <QColor>

#include <cstdint>
#include <optional>
#include <vector>

namespace routing
{

struct State {
    std::uint8_t phase = 0;
    int source = 0;
    int destination = 0;
    bool copied[7] = {};     // stations 1..6
    bool hubDone[3] = {};    // hubs 1..2, ticked in the progress window
    bool bridgeDone = false; // ticked in the progress window
    int bridgeSide = 0;      // the hub the bridge chose to send to: 1, 2, or 0
    bool hubsAutomatic = false;
};

enum class Window { Sender, Hub, Bridge, Receiver };
enum class Mode {
    Work,      // modal; the rest of the click waits for the dialog to close
    Review,    // modeless
    Automatic, // the hub pass runs by itself, the dialog stays hidden
};
// The dialog's working controls (the sender's address buttons, a hub's LEDs and "Terminé", the
// bridge's table buttons).
enum class Controls { Working, ReadOnly, AsTheyAre };
// The receiving dialog's "copy" tick.
enum class Copier { AsItIs, Ticked, Cleared };

struct Showing {
    Window window;
    int hub; // for a hub's dialog
    Mode mode;
    Controls controls;
    Copier copier;
};

// What to look at once a dialog shown for work has closed, or a hub pass has run by itself.
enum class Then {
    Nothing,
    FrameBuilt, // the sender's dialog: did the frame leave?
    Received,   // a receiving dialog: has the frame reached its destination?
    Copies,     // a receiving dialog for a group frame: count the copies, then as Received
    HubPassed,  // a hub pass: did the hub repeat the frame?
    Forwarded,  // the bridge's dialog: did the bridge decide?
};

struct Response {
    std::uint8_t phase = 0; // the phase from now on, set before anything is shown
    std::optional<Refusal> refusal;
    std::vector<Showing> dialogs; // shown in this order
    Then then = Then::Nothing;
    // A hub pass: the port the frame enters by, and the phase the pass began at.
    int entryPort = 0;
    std::uint8_t passBegan = 0;
};

// The response to a press on the diagram that hit `hit`; a station's number is the clicked station.
Response respond(const geometry::DiagramHit &hit, const State &state);

struct Line {
    int cable;
    geometry::Wire wire;
    QColor colour;
};
enum class Tick { None, Sender, Hub1, Hub2, Bridge, Receiver };

struct Aftermath {
    std::uint8_t phase = 0;         // the phase from now on
    std::optional<int> copiedCount; // the stations that copied the group frame, when counted
    bool frameRow = false;          // show the frame's addresses under the diagram
    std::vector<Line> lines;        // drawn on the diagram, in this order
    std::vector<std::pair<int, QColor>> leds; // LEDs painted into the hub dialog's picture
    Tick tick = Tick::None;                   // the "done" box ticked in the progress window
};

// What follows the click on `hit` answered by `response`, in the state `now` that its dialog (or
// the automatic hub pass) left.
Aftermath afterwards(const geometry::DiagramHit &hit, const Response &response, const State &now);

} // namespace routing
