#include "exercise/core/RunState.h"

#include <tuple>

namespace {

bool buitenOefening(RunState state)
{
    return state == RunState::Idle || state == RunState::Choosing;
}

// Whether the control that sends the event shows; the countdown ends only while it runs.
bool kan(const Run &run, RunEvent event)
{
    const Zichtbaar z = zichtbaar(run);
    switch (event) {
    case RunEvent::KiesDigitaalNaarAnaloog:
    case RunEvent::KiesAnaloogNaarDigitaal:
        return z.starters;
    case RunEvent::KeuzeOk:
        return z.keuzePaneel;
    case RunEvent::Instellingen:
        return z.instellingenKnop;
    case RunEvent::Stop: // "Terug" in the choice panel, "Stop Oefening" in the exercise panel
        return z.keuzePaneel || (z.oefenPaneel && z.stopKnop);
    case RunEvent::Start:
        return z.startKnop;
    case RunEvent::TijdOm:
        return run.AftellenLoopt();
    case RunEvent::Reset:
        return z.aftelklok;
    }
    return false;
}

Run kies(const Run &run, int oefenType)
{
    Run na = run;
    na.state = RunState::Choosing;
    na.OefenType = oefenType;
    na.timerVeldInRust = true;
    return na;
}

Run start(const Run &run)
{
    Run na = run;
    na.aftelling = Aftelling::Loopt;
    if (run.state == RunState::Running)
        na.state = RunState::Timed;
    return na;
}

// The timer field is emptied; a running countdown stops where it stands, its display kept.
Run stop(const Run &run)
{
    const Aftelling aftelling = run.AftellenLoopt() ? Aftelling::Gestopt : run.aftelling;
    return {RunState::Idle, GeenOefening, aftelling, false, 0};
}

// The timer field is emptied.
Run reset(const Run &run)
{
    if (run.OefenType == GeenOefening)
        return {RunState::Idle, GeenOefening, Aftelling::Uit, true, 0};
    return {RunState::Choosing, run.OefenType, Aftelling::Uit, run.timerVeldInRust, 0};
}

} // namespace

bool Run::operator==(const Run &other) const
{
    return std::tie(state, OefenType, aftelling, timerVeldInRust, aftelMinuten)
           == std::tie(other.state, other.OefenType, other.aftelling, other.timerVeldInRust, other.aftelMinuten);
}

Run volgende(const Run &run, RunEvent event)
{
    if (!kan(run, event))
        return run;
    switch (event) {
    case RunEvent::KiesDigitaalNaarAnaloog:
        return kies(run, DigitaalNaarAnaloog);
    case RunEvent::KiesAnaloogNaarDigitaal:
        return kies(run, AnaloogNaarDigitaal);
    case RunEvent::KeuzeOk: {
        Run na = run;
        na.state = run.aftelling == Aftelling::Uit ? RunState::Running : RunState::Timed;
        return na;
    }
    case RunEvent::Instellingen: // START waits until the timer field is read again.
        return {RunState::Choosing, run.OefenType, run.aftelling, run.timerVeldInRust, 0};
    case RunEvent::Stop:
        return stop(run);
    case RunEvent::Start:
        return start(run);
    case RunEvent::TijdOm:
        return {RunState::Results, run.OefenType, Aftelling::Gestopt, run.timerVeldInRust, run.aftelMinuten};
    case RunEvent::Reset:
        return reset(run);
    }
    return run;
}

Zichtbaar zichtbaar(const Run &run)
{
    const RunState s = run.state;
    Zichtbaar z;
    z.starters = s == RunState::Idle;
    z.keuzePaneel = s == RunState::Choosing;
    z.oefenPaneel = s == RunState::Running || s == RunState::Timed;
    z.uitslag = s == RunState::Results;
    z.aftelklok = run.aftelling != Aftelling::Uit;
    z.stopKnop = run.aftelling == Aftelling::Uit;
    z.instellingenKnop = s == RunState::Running;
    z.instellingen = buitenOefening(s) && run.aftelling != Aftelling::Loopt;
    z.timerVeld = z.instellingen && (s == RunState::Choosing || run.timerVeldInRust);
    z.startKnop = run.aftelMinuten > 0 && run.aftelling == Aftelling::Uit
                  && (buitenOefening(s) || s == RunState::Running);
    return z;
}

bool klokLoopt(const Run &run)
{
    return buitenOefening(run.state);
}
