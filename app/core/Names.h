#pragma once
// Named values that the subsystems share, stored as the integers the design gives them, so
// that state such as OefenType and GekozenWijzer keeps its meaning in every file.

// OefenType: which exercise runs, if any.
enum OefenSoort : int {
    GeenOefening = 0,
    DigitaalNaarAnaloog = 1, // the task stands in digits; the learner sets the hands
    AnaloogNaarDigitaal = 2, // the task stands on the hands; the learner types it
};

// The three hands, as GekozenWijzer holds the one picked up.
enum Wijzer : int {
    GeenWijzer = 0,
    UurWijzer = 1,
    MinutenWijzer = 2,
    SecondenWijzer = 3,
};
