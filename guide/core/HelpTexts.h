#pragma once
// The help strip at the foot of the main window explains whatever control the
// pointer is over. The texts live here as data so that the window only has to
// pass on a control's name and the exercise state, and tests can reach them.
#include <QString>
#include <optional>

// What a pointer move over a control writes into the help strip.
// nullopt: the control has no handler (or writes nothing in this state): the strip keeps its text.
// An empty string clears the strip. Line breaks are a carriage return "\r" (char 13), as in the texts.
std::optional<QString> helpTextFor(const QString &controlName, int oefenType, bool vierentwintigUren);
