#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>

// What a stored test must be for students to be given it, and what a title
// must be for the catalogue to tell tests apart.
namespace TestRules {

constexpr int LongestTitle = 40;
constexpr int LongestMinutes = 32767;

// A test's length as the countdown counts it: a whole number from 0 to
// 32767, stored as a number or as digits (blanks around them allowed).
// Anything else (Null, text, a fraction, a negative or larger number) has
// no length the countdown can run.
std::optional<std::int16_t> WholeMinutes(const QVariant& stored);

// The title as students see it: an unfinished test's "<" and ">" left out.
QString VisibleTitle(const QString& storedTitle);

// True when the title starts with "<", which keeps the test from students.
bool IsUnfinished(const QString& storedTitle);

}
