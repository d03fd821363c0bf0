#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QVariant>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "Connection.h"

class QSqlQuery;

// A student's session on a lab's server as the student's own role, which may
// read and write no table: every step runs one of the server's vt_ functions
// (resources/lab-roles.sql), which act for the role signed in.
// The server draws each slot's answer order, keeps it, writes the answer
// records and grades; the order digits and the key come back only in the
// review of a graded attempt. Every failure throws DbError with the server's
// message; a call the server could not answer is repeated as the connection
// repeats reads and stores.
class LabSession {
public:
    explicit LabSession(Connection& connection);

    // Connects as the role of the student with this name, the server
    // checking the password; false, and nobody signed in, when it refuses.
    bool SignIn(const QString& name, const QString& password);
    void SignOut();

    // One row of the student's list: a test open to students and the
    // student's attempt at it, if any (grade Null while it is unfinished).
    struct ListRow {
        qint64 testNumber = 0;
        QString testName;
        QVariant minutes;
        bool begun = false;
        QVariant grade;
        QString date;
    };
    std::vector<ListRow> Rows();

    // A test open to students, and how far the student's attempt has got.
    struct TestInfo {
        QString testName;
        QString description;
        QVariant minutes;
        bool begun = false;
        bool graded = false;
    };
    TestInfo Test(qint64 testNumber);
    // The minutes the student is given for the test: its length with their
    // extra time.
    int MinutesGiven(qint64 testNumber);

    // Begins the attempt or continues the one begun.
    struct Attempt {
        qint64 secondsLeft = 0;
        std::array<bool, 25> answered{};
    };
    Attempt Begin(qint64 testNumber);
    // The running attempt's seconds left by the server's clock, and whether
    // it has been finished (by the administrator, say); changes nothing.
    struct TimeLeft {
        qint64 secondsLeft = 0;
        bool finished = false;
    };
    TimeLeft Left(qint64 testNumber);

    // Slot 1 to 25 of the running attempt: the answers in the order shown.
    // Showing writes nothing on the server; the mark it hands out for an
    // unanswered slot is kept here and brought by that slot's store.
    struct Slot {
        QString question;
        std::array<QString, 3> answers;
        int chosenLine = 0;  // 0 when none is stored
    };
    Slot Show(qint64 testNumber, int slot);
    // The slot's picture, for the running attempt until its time is over or
    // for a graded one's review; nullopt when the slot has none.
    struct SlotPicture {
        QByteArray bytes;
        QString format;
        int width = 0;
        int height = 0;
        QString description;
    };
    std::optional<SlotPicture> PictureOf(qint64 testNumber, int slot);
    // The width of the test's widest picture and the height of its tallest,
    // on the same terms; empty when it has none.
    QSize PictureRoom(qint64 testNumber);
    // False when the server took no answer: the attempt's time ran out more
    // than a few seconds ago. One statement, one transaction.
    bool Store(qint64 testNumber, int slot, int line);
    // Grades the running attempt and dates it today by the server's clock,
    // in `dateFormat` (a short date format as QLocale gives it). The grade
    // is read from the list once the finish is committed.
    void Finish(qint64 testNumber, const QString& dateFormat);

    // A graded attempt, slot by slot: the answer record and the test's texts.
    struct ReviewSlot {
        QString answerRecord;
        QString question;
        QString rightAnswer;
        QString phony1;
        QString phony2;
    };
    std::vector<ReviewSlot> Review(qint64 testNumber);

private:
    void Call(Connection::Unit unit, const QString& sql, const QVariantList& values,
              const std::function<void(QSqlQuery&)>& read);

    Connection& connection_;
    // The mark the last showing of each slot gave, by test and slot.
    std::map<std::pair<qint64, int>, QString> shownMarks_;
};
