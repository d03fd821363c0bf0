#pragma once

#include "WorkValues.h"
#include "data/Recordset.h"

class Connection;

// What both users do through recordsets on the tables, on the database file
// and, for the administrator, on a lab's server alike.

// The results list of one student: every test open to students, as a
// fixed-column row with its score and date or "Not Taken", with its test's
// number; an attempt without a grade shows "Unfinished". Tests whose name
// begins with "<" are skipped. Errors are skipped step by step, so the fill
// always runs to the end.
ResultRows ResultsRows(Connection& connection, qint64 studentNumber);

// Opens `tests` (closing it first) on the test with that number; false when
// it is gone.
bool OpenTest(Recordset& tests, Connection& connection, qint64 testNumber);

// A student's result in a test, read for its review through recordsets of
// its own: the test's row and the result's row.
class RecordsetReview : public ReviewTexts {
public:
    explicit RecordsetReview(Connection& connection) : connection_(connection) {}

    // TestGone for a test that is gone; NotFinished (and the result closed)
    // for an attempt still running, whose keys are never shown; otherwise
    // every step goes on past a failure, so the review shows whatever could
    // be read.
    Refusal Ready(qint64 studentNumber, qint64 testNumber);

    QString TestText(const QString& field) const override { return test_.Text(field); }
    QString ResultText(const QString& field) const override { return result_.Text(field); }
    std::optional<Picture> SlotPicture(int slot) const override;
    QSize PictureRoom() const override;

private:
    Connection& connection_;
    Recordset test_;
    Recordset result_;
};
