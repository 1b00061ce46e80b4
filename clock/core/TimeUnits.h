#pragma once
// The units a clock counts in, named once for every rule that converts between them.

namespace Tijd {
constexpr int UrenOpWijzerplaat = 12; // one round of the hour hand; 0 o'clock reads as 12 on it
constexpr int MiddagUur = 12;         // the first hour of the afternoon
constexpr int UrenPerDag = 24;
constexpr int MinutenPerUur = 60;
constexpr int SecondenPerMinuut = 60;
constexpr int SecondenPerUur = SecondenPerMinuut * MinutenPerUur;
constexpr int MsPerSeconde = 1000;

// The hour the hour hand points at: an afternoon hour folds onto the morning's.
constexpr int wijzerUur(int uur) { return uur >= UrenOpWijzerplaat ? uur - UrenOpWijzerplaat : uur; }
// An hour as it is read and typed: 0 o'clock is 12.
constexpr int gelezenUur(int uur) { return uur == 0 ? UrenOpWijzerplaat : uur; }
} // namespace Tijd
