#pragma once

#include "WorkValues.h"

#include <QString>

// What the administrator's screens do that differs between the database
// file and a lab's server. What is the same on both (the accounts, the
// tests, the results through the shared recordsets) the screens do through
// Module1's recordsets and RecordsetWork.
class AdminWork {
public:
    virtual ~AdminWork() = default;

    // Whether `password` is the administrator's. On a lab workstation the
    // server checks it as the administrator role's, and the connection then
    // stays that role's, with the accounts and tests the administration
    // screen starts from read through it, until SignOut; a failed read
    // there signs out again and throws.
    virtual bool SignIn(const QString& password) = 0;
    // Leaving the administration: on a lab workstation the session ends,
    // and what it read (the students' passwords among it) goes with it.
    virtual void SignOut() = 0;

    // The running attempts and the hold on one of them (AttemptControl), on
    // the program's connection, the same on both engines: the administrator
    // reaches the tables on either. A finish is dated today.
    RunningAttempts Running();
    Refusal GiveMoreTime(qint64 student, qint64 test, int minutes);
    Refusal FinishNow(qint64 student, qint64 test);
};

// The administrator's work for the database the program has open.
AdminWork& Administrator();
