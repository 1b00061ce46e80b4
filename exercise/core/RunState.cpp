#include "exercise/core/RunState.h"

#include <tuple>

namespace {

bool buitenOefening(RunState state)
{
    return state == RunState::Idle || state == RunState::Choosing;
}

Run kies(const Run &run, int oefenType)
{
    if (run.state != RunState::Idle)
        return run;
    Run na = run;
    na.state = RunState::Choosing;
    na.OefenType = oefenType;
    na.timerVeldInRust = true;
    return na;
}

Run start(const Run &run)
{
    if (!zichtbaar(run).startKnop)
        return run;
    Run na = run;
    na.aftelling = Aftelling::Loopt;
    if (run.state == RunState::Running)
        na.state = RunState::Timed;
    return na;
}

Run stop(const Run &run)
{
    const bool zichtbaar = run.state == RunState::Choosing
                           || (run.state == RunState::Running && run.aftelling == Aftelling::Uit);
    if (!zichtbaar)
        return run;
    // The timer field is emptied; a running countdown stops where it stands, its display kept.
    const Aftelling aftelling = run.aftelling == Aftelling::Loopt ? Aftelling::Gestopt : run.aftelling;
    return {RunState::Idle, GeenOefening, aftelling, false, 0};
}

Run reset(const Run &run)
{
    if (run.aftelling == Aftelling::Uit)
        return run;
    // The timer field is emptied.
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
    Run na = run;
    switch (event) {
    case RunEvent::KiesDigitaalNaarAnaloog:
        return kies(run, DigitaalNaarAnaloog);
    case RunEvent::KiesAnaloogNaarDigitaal:
        return kies(run, AnaloogNaarDigitaal);
    case RunEvent::KeuzeOk:
        if (run.state == RunState::Choosing)
            na.state = run.aftelling == Aftelling::Uit ? RunState::Running : RunState::Timed;
        return na;
    case RunEvent::Instellingen:
        // START waits until the timer field is read again.
        if (run.state == RunState::Running)
            na = {RunState::Choosing, run.OefenType, run.aftelling, run.timerVeldInRust, 0};
        return na;
    case RunEvent::Stop:
        return stop(run);
    case RunEvent::Start:
        return start(run);
    case RunEvent::TijdOm:
        if (run.aftelling == Aftelling::Loopt)
            na = {RunState::Results, run.OefenType, Aftelling::Gestopt, run.timerVeldInRust, run.aftelMinuten};
        return na;
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
