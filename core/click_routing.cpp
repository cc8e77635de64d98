// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/click_routing.h"

#include "core/hub_rules.h"
#include "core/network.h"

namespace routing
{

namespace
{

using geometry::DiagramHit;

Response refused(std::uint8_t phase, Refusal refusal)
{
    Response response;
    response.phase = phase;
    response.refusal = refusal;
    return response;
}

Response shown(std::uint8_t phase, Showing showing, Then then = Then::Nothing)
{
    Response response;
    response.phase = phase;
    response.dialogs.push_back(showing);
    response.then = then;
    return response;
}

Showing receiver(Mode mode, Copier copier)
{
    return {Window::Receiver, 0, mode, Controls::AsTheyAre, copier};
}

Response stationClicked(int c, const State &state)
{
    const std::uint8_t phase = state.phase;
    const int s = state.source, d = state.destination;
    const Showing senderReadOnly{Window::Sender, 0, Mode::Review, Controls::ReadOnly,
                                 Copier::AsItIs};
    if (phase <= PHASE_NEW) {
        // The exercise starts at the sender's first click.
        if (c != s)
            return refused(PHASE_NEW, Refusal::NotTheSender);
        return shown(PHASE_NEW, {Window::Sender, 0, Mode::Work, Controls::Working, Copier::AsItIs},
                     Then::FrameBuilt);
    }
    if (phase < PHASE_FINAL_SEGMENT) {
        if (c == s)
            return shown(phase, senderReadOnly);
        if (state.copied[c])
            return shown(phase, receiver(Mode::Work, Copier::Ticked));
        // A group frame reaches the sender's own segment as soon as its hub has repeated it.
        if (isGroupDestination(d) && phase > PHASE_SENT && isLeftStation(c) == isLeftStation(s))
            return shown(phase, receiver(Mode::Work, Copier::Cleared));
        return refused(phase, Refusal::NotTimeForStation);
    }
    if (phase == PHASE_FINAL_SEGMENT) {
        if (c == s)
            return shown(phase, senderReadOnly);
        if (state.copied[c])
            return shown(phase, receiver(Mode::Work, Copier::Ticked), Then::Received);
        if (!isGroupDestination(d) && d != c)
            return refused(phase, Refusal::NotTimeForStation);
        return shown(phase, receiver(Mode::Work, Copier::Cleared),
                     isGroupDestination(d) ? Then::Copies : Then::Received);
    }
    // The exercise is complete: the sender and the receivers can be looked at.
    Response response;
    response.phase = phase;
    if (c == s)
        response.dialogs.push_back(
            {Window::Sender, 0, Mode::Review, Controls::AsTheyAre, Copier::AsItIs});
    if (c == d || state.copied[c])
        response.dialogs.push_back(receiver(Mode::Review, Copier::AsItIs));
    return response;
}

Response hubClicked(int n, const State &state)
{
    const std::uint8_t phase = state.phase;
    if (n == 0)
        return refused(phase, Refusal::NotTimeForHub);
    if (state.hubDone[n])
        return shown(phase, {Window::Hub, n, Mode::Review, Controls::ReadOnly, Copier::AsItIs});
    const int s = state.source;
    const bool fromStation = (n == 1 ? isLeftStation(s) : isRightStation(s)) && phase == PHASE_SENT;
    const bool fromBridge = state.bridgeSide == n && phase == PHASE_BRIDGE;
    if (!fromStation && !fromBridge)
        return refused(phase, Refusal::NotTimeForHub);
    const bool automatic = state.hubsAutomatic;
    Response response = shown(automatic ? phaseAfterHubPass(phase) : phase,
                              {Window::Hub, n, automatic ? Mode::Automatic : Mode::Work,
                               Controls::Working, Copier::AsItIs},
                              Then::HubPassed);
    response.entryPort = entryPort(n, phase, s);
    response.passBegan = phase;
    return response;
}

Response bridgeClicked(const State &state)
{
    const std::uint8_t phase = state.phase;
    if (phase < PHASE_SOURCE_HUB)
        return refused(phase, Refusal::NotTimeForBridge);
    if (state.bridgeDone)
        return shown(phase, {Window::Bridge, 0, Mode::Review, Controls::ReadOnly, Copier::AsItIs});
    return shown(phase, {Window::Bridge, 0, Mode::Work, Controls::Working, Copier::AsItIs},
                 Then::Forwarded);
}

} // namespace

Response respond(const DiagramHit &hit, const State &state)
{
    switch (hit.kind) {
    case DiagramHit::Station:
        return stationClicked(hit.number, state);
    case DiagramHit::HubBand:
        return hubClicked(hit.number, state);
    case DiagramHit::Bridge:
        return bridgeClicked(state);
    case DiagramHit::Nothing:
        break;
    }
    Response nothing;
    nothing.phase = state.phase;
    return nothing;
}

Aftermath afterwards(const DiagramHit &hit, const Response &response, const State &now)
{
    Aftermath after;
    after.phase = now.phase;
    switch (response.then) {
    case Then::Nothing:
        break;
    case Then::FrameBuilt:
        if (now.phase == PHASE_SENT) {
            after.frameRow = true;
            const int c = hit.number;
            after.lines.push_back({geometry::cableOfPort(hubOfStation(c), portOfStation(c)),
                                   geometry::Wire::ToHub, geometry::colour::FRAME_SENT});
            after.tick = Tick::Sender;
        }
        break;
    case Then::Copies: {
        int copies = 0;
        for (int station = 1; station <= 6; ++station)
            copies += now.copied[station] ? 1 : 0;
        after.copiedCount = copies;
        // The frame has arrived once every station but the sender has copied it.
        if (copies >= GROUP_RECEIVERS)
            after.phase = PHASE_RECEIVED;
    }
        [[fallthrough]];
    case Then::Received:
        if (after.phase == PHASE_RECEIVED)
            after.tick = Tick::Receiver;
        break;
    case Then::HubPassed: {
        // A pass left unfinished (its dialog closed before the check passed) draws nothing.
        if (now.phase == response.passBegan)
            break;
        const int n = hit.number;
        std::uint8_t expected[9];
        expectedLeds(response.entryPort, expected);
        for (int p = 1; p <= 4; ++p)
            if (expected[2 * p])
                after.lines.push_back({geometry::cableOfPort(n, p), geometry::Wire::FromHub,
                                       geometry::colour::FRAME_REPEATED});
        for (int k = 1; k <= 8; k += 2)
            if (expected[k])
                after.leds.push_back({k, geometry::colour::RX_LIT});
        for (int k = 2; k <= 8; k += 2)
            if (expected[k])
                after.leds.push_back({k, geometry::colour::TX_LIT});
        after.tick = n == 1 ? Tick::Hub1 : Tick::Hub2;
        break;
    }
    case Then::Forwarded:
        if (now.phase >= PHASE_BRIDGE) {
            after.tick = Tick::Bridge;
            // The bridge sends into the hub on the chosen side, on its own cable there.
            if (now.bridgeSide != 0)
                after.lines.push_back(
                    {geometry::cableOfPort(now.bridgeSide, BRIDGE_PORT[now.bridgeSide]),
                     geometry::Wire::ToHub, geometry::colour::FRAME_SENT});
        }
        break;
    }
    return after;
}

} // namespace routing
