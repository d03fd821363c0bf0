#pragma once

#include <QString>
#include <QStringList>
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

// What the user is told when a title or a length breaks a rule.
QString NoTitleMessage();
QString LongTitleMessage();
QString TakenTitleMessage(const QString& title);
QString MinutesMessage();

// The message for the first rule a new test's title (without blanks at
// either end) breaks, or an empty text: it must not be empty, must show at
// most 40 characters to students and must differ from every one of
// `otherTitles` (the stored titles of the other tests) as students see them.
QString TitleRefusal(const QString& title, const QStringList& otherTitles);

// The title a test is stored under: between "<" and ">" while it is not
// complete (unless it has them already), without them once it is.
QString StoredTitle(const QString& title, bool complete);

// A slot is written when its question and its three answers each hold more
// than blanks; a slot short of any of them is not offered to students.
bool SlotWritten(const QString& question, const QString& answer, const QString& phony1, const QString& phony2);

}
