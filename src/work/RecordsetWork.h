#pragma once

#include "WorkValues.h"

// What both users do through the program's shared recordsets, on the
// database file and, for the administrator, on a lab's server alike.

// The results list of one student: every test open to students, as a
// fixed-column row with its score and date or "Not Taken", with its test's
// number; an attempt without a grade shows "Unfinished". Tests whose name
// begins with "<" are skipped. Errors are skipped step by step, so the fill
// always runs to the end. rsTests is reopened on every test first, so the
// list never depends on how another screen left it; it ends past its last row.
ResultRows ResultsRows(qint64 studentNumber);

// Reopens rsTests on the test with that number; false when it is gone.
bool OpenTest(qint64 testNumber);

// Readies the review of a student's result in a test: rsTests on the test
// and rsResults on the result, where RecordsetReview() reads them. TestGone
// for a test that is gone; NotFinished (and rsResults closed) for an attempt
// still running, whose keys are never shown; otherwise every step goes on
// past a failure, so the review shows whatever could be read.
Refusal ReadyReview(qint64 studentNumber, qint64 testNumber);

// The current rows of rsTests and rsResults, as ReadyReview left them.
const ReviewTexts& RecordsetReview();
