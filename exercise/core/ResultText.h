#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The timed exercise's percentage with at most one decimal, truncated, in the
// locale's decimal separator. Nothing when no task was answered.
std::optional<QString> percentageText(int behaald, int maximum, const QLocale &locale);
