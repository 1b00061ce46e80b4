#pragma once
// The run of an exercise as a value: which of the five states the window is in, which
// exercise, and the countdown beside it; one pure function takes it from event to event, and
// one table says what the window shows in each state.
//
//   Idle      the live clock and both starters            Choosing  the choice panel
//   Running   the exercise panel                          Timed     the exercise panel, counted down
//   Results   the result panel of a finished countdown
//
// A countdown can also run before an exercise is shown (START in Idle or Choosing), and
// "Terug" during a countdown stops it but leaves its display and RESET standing.
#include "app/core/Names.h"

enum class RunState { Idle, Choosing, Running, Timed, Results };

enum class Aftelling { Uit, Loopt, Gestopt };

struct Run
{
    RunState state = RunState::Idle;
    int OefenType = GeenOefening;
    Aftelling aftelling = Aftelling::Uit;
    bool timerVeldInRust = true; // Idle shows the timer field, except after Stop or "Terug"
    int aftelMinuten = 0;        // what the timer field held when last read; START offers it

    // AftellenLoopt: the countdown runs, and each tick of Timer1 reads the clock.
    bool AftellenLoopt() const { return aftelling == Aftelling::Loopt; }
    bool operator==(const Run &other) const;
};

enum class RunEvent {
    KiesDigitaalNaarAnaloog, // a starter
    KiesAnaloogNaarDigitaal,
    KeuzeOk,                 // OK in the choice panel
    Instellingen,            // "Instellingen" in a run
    Stop,                    // "Stop Oefening" or "Terug"
    Start,                   // START
    TijdOm,                  // the countdown reached its end
    Reset,                   // RESET, or Escape while it shows
};

// The state after the event. An event whose control the state does not show changes nothing.
// RESET returns to the choice panel of the exercise; without an exercise (a countdown started
// from Idle, or one "Terug" left standing) it returns to Idle, as no run can start without one.
Run volgende(const Run &run, RunEvent event);

// What the window shows in a state.
struct Zichtbaar
{
    bool starters = false;
    bool keuzePaneel = false;
    bool oefenPaneel = false;
    bool uitslag = false;
    bool aftelklok = false;        // the countdown display and RESET
    bool stopKnop = false;         // "Stop Oefening", gone from START until RESET
    bool instellingenKnop = false; // "Instellingen", in place of the settings during a run
    bool instellingen = false;     // the settings list, the timer field aside
    bool timerVeld = false;
    bool startKnop = false;
};

// START shows where a countdown could begin and the timer field held minutes when last read.
Zichtbaar zichtbaar(const Run &run);

// KlokLoopt: the live clock also moves the hands, in Idle and Choosing.
bool klokLoopt(const Run &run);
