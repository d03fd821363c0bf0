-- The tables of the test-taker's database.
-- Keys are assigned by the database and never reused; text fields take any length.
-- The schema's version is the file's user_version, set at the end of this
-- text, so a file made from it with the sqlite3 shell
-- (sqlite3 Ostrel.mdb < schema.sql) is of the version the program expects.
-- A file of an older version is brought forward when the program opens it.

-- fldExtraTime is the student's extra time: the percentage (0 to 400) of a
-- test's length added to every attempt they begin.
CREATE TABLE Passwords (
  fldStudentNumber INTEGER PRIMARY KEY AUTOINCREMENT,
  fldStudentName TEXT,
  fldPassword TEXT,
  fldExtraTime INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE Tests (
  fldTestNumber INTEGER PRIMARY KEY AUTOINCREMENT,
  fldTestName TEXT,
  fldDescription TEXT,
  fldTime INTEGER,
  fldQ1 TEXT,
  fldQ1Answer TEXT,
  fldQ1Phony1 TEXT,
  fldQ1Phony2 TEXT,
  fldQ2 TEXT,
  fldQ2Answer TEXT,
  fldQ2Phony1 TEXT,
  fldQ2Phony2 TEXT,
  fldQ3 TEXT,
  fldQ3Answer TEXT,
  fldQ3Phony1 TEXT,
  fldQ3Phony2 TEXT,
  fldQ4 TEXT,
  fldQ4Answer TEXT,
  fldQ4Phony1 TEXT,
  fldQ4Phony2 TEXT,
  fldQ5 TEXT,
  fldQ5Answer TEXT,
  fldQ5Phony1 TEXT,
  fldQ5Phony2 TEXT,
  fldQ6 TEXT,
  fldQ6Answer TEXT,
  fldQ6Phony1 TEXT,
  fldQ6Phony2 TEXT,
  fldQ7 TEXT,
  fldQ7Answer TEXT,
  fldQ7Phony1 TEXT,
  fldQ7Phony2 TEXT,
  fldQ8 TEXT,
  fldQ8Answer TEXT,
  fldQ8Phony1 TEXT,
  fldQ8Phony2 TEXT,
  fldQ9 TEXT,
  fldQ9Answer TEXT,
  fldQ9Phony1 TEXT,
  fldQ9Phony2 TEXT,
  fldQ10 TEXT,
  fldQ10Answer TEXT,
  fldQ10Phony1 TEXT,
  fldQ10Phony2 TEXT,
  fldQ11 TEXT,
  fldQ11Answer TEXT,
  fldQ11Phony1 TEXT,
  fldQ11Phony2 TEXT,
  fldQ12 TEXT,
  fldQ12Answer TEXT,
  fldQ12Phony1 TEXT,
  fldQ12Phony2 TEXT,
  fldQ13 TEXT,
  fldQ13Answer TEXT,
  fldQ13Phony1 TEXT,
  fldQ13Phony2 TEXT,
  fldQ14 TEXT,
  fldQ14Answer TEXT,
  fldQ14Phony1 TEXT,
  fldQ14Phony2 TEXT,
  fldQ15 TEXT,
  fldQ15Answer TEXT,
  fldQ15Phony1 TEXT,
  fldQ15Phony2 TEXT,
  fldQ16 TEXT,
  fldQ16Answer TEXT,
  fldQ16Phony1 TEXT,
  fldQ16Phony2 TEXT,
  fldQ17 TEXT,
  fldQ17Answer TEXT,
  fldQ17Phony1 TEXT,
  fldQ17Phony2 TEXT,
  fldQ18 TEXT,
  fldQ18Answer TEXT,
  fldQ18Phony1 TEXT,
  fldQ18Phony2 TEXT,
  fldQ19 TEXT,
  fldQ19Answer TEXT,
  fldQ19Phony1 TEXT,
  fldQ19Phony2 TEXT,
  fldQ20 TEXT,
  fldQ20Answer TEXT,
  fldQ20Phony1 TEXT,
  fldQ20Phony2 TEXT,
  fldQ21 TEXT,
  fldQ21Answer TEXT,
  fldQ21Phony1 TEXT,
  fldQ21Phony2 TEXT,
  fldQ22 TEXT,
  fldQ22Answer TEXT,
  fldQ22Phony1 TEXT,
  fldQ22Phony2 TEXT,
  fldQ23 TEXT,
  fldQ23Answer TEXT,
  fldQ23Phony1 TEXT,
  fldQ23Phony2 TEXT,
  fldQ24 TEXT,
  fldQ24Answer TEXT,
  fldQ24Phony1 TEXT,
  fldQ24Phony2 TEXT,
  fldQ25 TEXT,
  fldQ25Answer TEXT,
  fldQ25Phony1 TEXT,
  fldQ25Phony2 TEXT
);

-- fldResultNumber is the row's own key; no screen reads it. fldDeadline is
-- when the attempt's time runs out, in whole seconds since 1970-01-01 UTC,
-- stored when the attempt begins; a row without fldGrade is unfinished.
-- fldMinutesGiven is the attempt's length as given: the test's length with
-- the student's extra time, rounded up to a minute, and any minutes the
-- administrator added since; none for an attempt begun before it was kept.
-- fldGradedAt is the moment the attempt was graded, in the same seconds by
-- the same clock as fldDeadline; none for an attempt graded before it was
-- kept. fldDate stays the day as the desktop writes it.
CREATE TABLE Results (
  fldResultNumber INTEGER PRIMARY KEY AUTOINCREMENT,
  fldStudentNumber INTEGER,
  fldTestNumber INTEGER,
  fldQ1 TEXT,
  fldQ2 TEXT,
  fldQ3 TEXT,
  fldQ4 TEXT,
  fldQ5 TEXT,
  fldQ6 TEXT,
  fldQ7 TEXT,
  fldQ8 TEXT,
  fldQ9 TEXT,
  fldQ10 TEXT,
  fldQ11 TEXT,
  fldQ12 TEXT,
  fldQ13 TEXT,
  fldQ14 TEXT,
  fldQ15 TEXT,
  fldQ16 TEXT,
  fldQ17 TEXT,
  fldQ18 TEXT,
  fldQ19 TEXT,
  fldQ20 TEXT,
  fldQ21 TEXT,
  fldQ22 TEXT,
  fldQ23 TEXT,
  fldQ24 TEXT,
  fldQ25 TEXT,
  fldGrade INTEGER,
  fldDate TEXT,
  fldMinutesGiven INTEGER,
  fldDeadline INTEGER,
  fldGradedAt INTEGER
);

-- The lists look up one student's result per test, the first of twins by
-- number, and show its grade and date: the index holds all they read, so
-- a school's thousands of attempts cost them no reads of the table. It
-- takes the place of an index on the student and the test alone.
DROP INDEX IF EXISTS ResultsByStudentAndTest;
CREATE INDEX ResultsListed ON Results (fldStudentNumber, fldTestNumber, fldResultNumber, fldGrade, fldDate);
CREATE INDEX ResultsByTest ON Results (fldTestNumber);

-- The administrator's password once it has been changed, as a salted Argon2id
-- hash string (libsodium's crypto_pwhash_str), never the password itself. No
-- row, or no table in a database made before it existed: the password is
-- still the program's default.
CREATE TABLE Administrator (
  fldAdministratorNumber INTEGER PRIMARY KEY CHECK (fldAdministratorNumber = 1),
  fldPasswordHash TEXT NOT NULL
);

-- One attempt per student and test. A trigger rather than a unique index: an
-- older file may already hold such twins, on which a unique index could not
-- be built; the trigger refuses every new one while the old ones stay
-- readable, so the administrator can delete them.
CREATE TRIGGER OneAttemptPerStudentAndTest BEFORE INSERT ON Results
WHEN EXISTS (SELECT 1 FROM Results WHERE fldStudentNumber = NEW.fldStudentNumber
             AND fldTestNumber = NEW.fldTestNumber)
BEGIN
  SELECT RAISE(ABORT, 'This student has already begun this test.');
END;

-- A question's picture, at most one per slot of a test: its encoded bytes
-- (png, jpeg, gif, bmp or webp), size in pixels and the description read to
-- students who cannot see it. Only the slot shown reads its picture; the
-- lists never touch this table. A test's pictures go with the test.
CREATE TABLE Pictures (
  fldTestNumber INTEGER NOT NULL,
  fldSlot INTEGER NOT NULL CHECK (fldSlot BETWEEN 1 AND 25),
  fldBytes BLOB NOT NULL,
  fldFormat TEXT NOT NULL,
  fldWidth INTEGER NOT NULL,
  fldHeight INTEGER NOT NULL,
  fldDescription TEXT NOT NULL,
  PRIMARY KEY (fldTestNumber, fldSlot)
);

CREATE TRIGGER PicturesGoWithTheirTest AFTER DELETE ON Tests
BEGIN
  DELETE FROM Pictures WHERE fldTestNumber = OLD.fldTestNumber;
END;

PRAGMA user_version = 5;
