-- Who may do what on a lab's server.
--
-- Every student signs in as a login role of their own, which the server
-- checks with its own password authentication (SCRAM): the workstations hold
-- no secret. A student's role is named from the database and the student's
-- name (vt_student_role), so every name works and two labs can share one
-- server; it belongs to the group DATABASE_student, which owns nothing and may
-- read or write no table: it may only run the vt_ functions below, which run
-- as the tables' owner (SECURITY DEFINER) and act for session_user. The roles
-- follow the Passwords table: a trigger creates, re-creates under a new name,
-- re-passwords and drops them in the transaction that changes the student's
-- row. DATABASE_admin, the administrator, reads and writes the tables.
--
-- An answer's order digits, the key of a test and its grade leave the server
-- only once the attempt's grading is committed: the functions that give them
-- refuse inside a transaction that has changed anything, so a finish that
-- would be rolled back afterwards reveals nothing.
--
-- Every statement can run again: creating the tables applies it, and so does
-- bringing a server database of any older version forward.

DROP FUNCTION IF EXISTS vt_sign_in(TEXT, TEXT);
DROP FUNCTION IF EXISTS vt_sign_out(UUID);
DROP FUNCTION IF EXISTS vt_student_rows(UUID);
DROP FUNCTION IF EXISTS vt_test(UUID, BIGINT);
DROP FUNCTION IF EXISTS vt_begin(UUID, BIGINT);
DROP FUNCTION IF EXISTS vt_slot(UUID, BIGINT, INTEGER);
DROP FUNCTION IF EXISTS vt_store(UUID, BIGINT, INTEGER, INTEGER);
DROP FUNCTION IF EXISTS vt_finish(UUID, BIGINT, TEXT);
DROP FUNCTION IF EXISTS vt_review(UUID, BIGINT);
DROP FUNCTION IF EXISTS vt_session_student(UUID);
DROP TABLE IF EXISTS StudentSessions;
DROP FUNCTION IF EXISTS vt_slot_record(BIGINT, INTEGER);
DROP FUNCTION IF EXISTS vt_past_deadline(BIGINT, INTEGER);

-- The student each student role stands for: the first row by number with
-- the role's name.
CREATE TABLE IF NOT EXISTS StudentRoles (
  fldRoleName TEXT PRIMARY KEY,
  fldStudentNumber BIGINT NOT NULL UNIQUE
);

-- The order of the three answers of each unanswered slot of a running
-- attempt, drawn by the server for all 25 slots in the transaction that
-- begins the attempt, so that showing a slot writes nothing and the answer
-- stored for it is the one the student saw. An answered slot keeps its order
-- in its answer record; a finish removes the attempt's rows.
-- With each order, a random mark that only showing the slot hands out: a
-- store for an unanswered slot must bring it, so that no answer is taken for
-- a slot never shown, although showing it is recorded nowhere. A row without
-- a mark (kept before marks were drawn) was written when its slot was shown.
CREATE TABLE IF NOT EXISTS ShownOrders (
  fldResultNumber BIGINT NOT NULL,
  fldSlot INTEGER NOT NULL,
  fldOrder TEXT NOT NULL,
  fldMark TEXT,
  PRIMARY KEY (fldResultNumber, fldSlot)
);
ALTER TABLE ShownOrders ADD COLUMN IF NOT EXISTS fldMark TEXT;

-- The login role of the student with this name: "vt_" and 40 hex digits of
-- the SHA-256 of the database's name and the student's name, so any name,
-- however long or odd, makes a valid role name unique to this database.
CREATE OR REPLACE FUNCTION vt_student_role(student_name TEXT) RETURNS TEXT
LANGUAGE sql STABLE SET search_path = pg_catalog AS $$
  SELECT 'vt_' || left(encode(sha256(convert_to(current_database() || E'\n' || student_name, 'UTF8')), 'hex'), 40)
$$;

-- Makes the role of the students named `student_name` match the first such
-- row by number: created when missing (a member of the students' group, a
-- few sessions at most), given that row's password (the server keeps only
-- its SCRAM verifier), its own settings cleared; dropped when no row has the
-- name any more.
CREATE OR REPLACE FUNCTION vt_sync_student_role(student_name TEXT) RETURNS VOID
LANGUAGE plpgsql VOLATILE SECURITY DEFINER
SET search_path = pg_catalog, public, pg_temp SET password_encryption = 'scram-sha-256' AS $$
DECLARE
  role TEXT := vt_student_role(student_name);
  students TEXT := current_database() || '_student';
  student BIGINT;
  previous BIGINT;
  student_password TEXT;
BEGIN
  IF student_name IS NULL THEN
    RETURN;
  END IF;
  SELECT fldStudentNumber, fldPassword INTO student, student_password FROM Passwords
  WHERE fldStudentName = student_name ORDER BY fldStudentNumber LIMIT 1;
  SELECT fldStudentNumber INTO previous FROM StudentRoles WHERE fldRoleName = role;
  DELETE FROM StudentRoles WHERE fldRoleName = role;
  IF previous IS DISTINCT FROM student AND EXISTS (SELECT 1 FROM pg_roles WHERE rolname = role) THEN
    -- The role stands for another student now, or for none: the sessions it
    -- has open end, so that none acts on for the wrong row. Signalling them
    -- takes membership in the role.
    EXECUTE format('GRANT %I TO %I', role, current_user);
    PERFORM pg_terminate_backend(pid, 5000) FROM pg_stat_activity WHERE usename = role;
  END IF;
  IF student IS NULL THEN
    IF EXISTS (SELECT 1 FROM pg_roles WHERE rolname = role) THEN
      EXECUTE format('DROP ROLE %I', role);
    END IF;
    RETURN;
  END IF;
  IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = role) THEN
    EXECUTE format('CREATE ROLE %I LOGIN', role);
  END IF;
  EXECUTE format('ALTER ROLE %I LOGIN NOCREATEDB NOCREATEROLE CONNECTION LIMIT 3 PASSWORD %L', role,
                 NULLIF(student_password, ''));
  EXECUTE format('ALTER ROLE %I RESET ALL', role);
  EXECUTE format('GRANT %I TO %I', students, role);
  INSERT INTO StudentRoles (fldRoleName, fldStudentNumber) VALUES (role, student);
END
$$;

CREATE OR REPLACE FUNCTION vt_student_roles_follow() RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp AS $$
BEGIN
  IF TG_OP = 'UPDATE' AND NEW.fldStudentName IS NOT DISTINCT FROM OLD.fldStudentName
     AND NEW.fldPassword IS NOT DISTINCT FROM OLD.fldPassword AND NEW.fldStudentNumber = OLD.fldStudentNumber THEN
    RETURN NULL;
  END IF;
  IF TG_OP <> 'INSERT' THEN
    PERFORM vt_sync_student_role(OLD.fldStudentName);
  END IF;
  IF TG_OP <> 'DELETE' THEN
    PERFORM vt_sync_student_role(NEW.fldStudentName);
  END IF;
  RETURN NULL;
END
$$;
CREATE OR REPLACE TRIGGER StudentRolesFollowPasswords AFTER INSERT OR UPDATE OR DELETE ON Passwords
FOR EACH ROW EXECUTE FUNCTION vt_student_roles_follow();

-- The student the session's login role stands for.
CREATE OR REPLACE FUNCTION vt_me() RETURNS BIGINT
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp AS $$
DECLARE
  student BIGINT;
BEGIN
  SELECT fldStudentNumber INTO student FROM StudentRoles WHERE fldRoleName = session_user;
  IF student IS NULL THEN
    RAISE EXCEPTION 'This session has ended; please sign in again.';
  END IF;
  RETURN student;
END
$$;

-- Keys and grades are given only to a transaction that has changed nothing:
-- one that has (a finish among its steps, even one rolled back to a
-- savepoint) holds a transaction number.
CREATE OR REPLACE FUNCTION vt_refuse_after_changes() RETURNS VOID
LANGUAGE plpgsql VOLATILE SET search_path = pg_catalog AS $$
BEGIN
  IF pg_current_xact_id_if_assigned() IS NOT NULL THEN
    RAISE EXCEPTION 'Grades and answers are given only outside a transaction that has changed anything.';
  END IF;
END
$$;

-- Refuses a call with a missing argument, rather than reading Null as "none".
CREATE OR REPLACE FUNCTION vt_require(VARIADIC arguments TEXT[]) RETURNS VOID
LANGUAGE plpgsql IMMUTABLE SET search_path = pg_catalog AS $$
BEGIN
  IF array_position(arguments, NULL) IS NOT NULL THEN
    RAISE EXCEPTION 'A value is missing.';
  END IF;
END
$$;

-- One of the six orders of the three answers, each as likely as another,
-- from the server's strong random source, which no session can seed: a byte
-- of a fresh random UUID, drawn again when it is one of the four (252 to
-- 255) that would favour some orders.
CREATE OR REPLACE FUNCTION vt_draw_order() RETURNS TEXT
LANGUAGE plpgsql VOLATILE SET search_path = pg_catalog AS $$
DECLARE
  drawn INTEGER;
BEGIN
  LOOP
    drawn := get_byte(uuid_send(gen_random_uuid()), 0);
    EXIT WHEN drawn < 252;
  END LOOP;
  RETURN (ARRAY['123', '132', '213', '231', '312', '321'])[drawn % 6 + 1];
END
$$;

-- The database's clock in whole seconds since 1970-01-01 UTC.
CREATE OR REPLACE FUNCTION vt_clock_seconds() RETURNS BIGINT
LANGUAGE plpgsql VOLATILE SET search_path = pg_catalog AS $$
BEGIN
  RETURN CAST(floor(extract(epoch FROM clock_timestamp())) AS BIGINT);
END
$$;

-- The helpers below hand rows over by their key rather than as row values,
-- so that no function depends on a table's row type and the tables can still
-- be altered or dropped as before. Those a workstation calls for every answer
-- are written in PL/pgSQL, which keeps a statement's plan from one call to
-- the next (an SQL function's is made again at every call), and pick a slot's
-- column out of an array of the 25 rather than through JSON or a statement
-- built at run time, which cost several times as much.

-- A test open to students: it exists and its title does not begin with "<".
CREATE OR REPLACE FUNCTION vt_open_test(test BIGINT) RETURNS BIGINT
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp AS $$
BEGIN
  IF NOT EXISTS (SELECT 1 FROM Tests WHERE fldTestNumber = test AND left(COALESCE(fldTestName, ''), 1) <> '<') THEN
    RAISE EXCEPTION 'This test is no longer available.';
  END IF;
  RETURN test;
END
$$;

-- The student's attempt at a test (the first, should there be twins); Null
-- when there is none.
CREATE OR REPLACE FUNCTION vt_attempt_of(student BIGINT, test BIGINT) RETURNS BIGINT
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp AS $$
DECLARE
  attempt BIGINT;
BEGIN
  SELECT fldResultNumber INTO attempt FROM Results WHERE fldStudentNumber = student AND fldTestNumber = test
  ORDER BY fldResultNumber LIMIT 1;
  RETURN attempt;
END
$$;

-- The student's attempt at a test, locked against every other call on it
-- until this transaction ends, and refused unless it is begun and not
-- graded: a store or a slot that waited for a finish sees the graded row.
DROP FUNCTION IF EXISTS vt_running_attempt(BIGINT, BIGINT);
CREATE FUNCTION vt_running_attempt(student BIGINT, test BIGINT) RETURNS BIGINT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp AS $$
DECLARE
  attempt BIGINT;
  grade INTEGER;
BEGIN
  SELECT fldResultNumber, fldGrade INTO attempt, grade FROM Results
  WHERE fldResultNumber = vt_attempt_of(student, test) FOR UPDATE;
  IF attempt IS NULL OR grade IS NOT NULL THEN
    RAISE EXCEPTION 'This attempt is not running.';
  END IF;
  RETURN attempt;
END
$$;

-- Whether a deadline (seconds since 1970 by the server's clock) has passed
-- `grace_seconds` ago: an attempt without one counts as past it.
CREATE OR REPLACE FUNCTION vt_deadline_passed(deadline BIGINT, grace_seconds INTEGER) RETURNS BOOLEAN
LANGUAGE plpgsql VOLATILE SET search_path = pg_catalog, public, pg_temp AS $$
BEGIN
  RETURN COALESCE(vt_clock_seconds() > deadline + grace_seconds, true);
END
$$;

-- The minutes an attempt is given: the test's length with the student's
-- extra time (a percentage of it), rounded up to a whole minute.
CREATE OR REPLACE FUNCTION vt_minutes_given(test_minutes INTEGER, extra_percent INTEGER) RETURNS INTEGER
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog AS $$
  SELECT (test_minutes * (100 + COALESCE(extra_percent, 0)) + 99) / 100
$$;

-- The seconds from `now_seconds` to an attempt's deadline, never more than
-- its `minutes` and none when it has no deadline.
CREATE OR REPLACE FUNCTION vt_seconds_left(deadline BIGINT, minutes INTEGER, now_seconds BIGINT) RETURNS BIGINT
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog AS $$
  SELECT greatest(least(COALESCE(deadline - now_seconds, 0), 60 * minutes), 0)
$$;

-- The minutes the student would be given for the test, for its introduction.
CREATE OR REPLACE FUNCTION vt_minutes_for(test BIGINT) RETURNS INTEGER
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp SET lock_timeout = '5s' AS $$
DECLARE
  student BIGINT := vt_me();
  test_minutes INTEGER;
  extra INTEGER;
BEGIN
  PERFORM vt_require(test::TEXT);
  SELECT fldTime INTO test_minutes FROM Tests WHERE fldTestNumber = vt_open_test(test);
  SELECT fldExtraTime INTO extra FROM Passwords WHERE fldStudentNumber = student;
  IF test_minutes IS NULL OR test_minutes NOT BETWEEN 0 AND 32767 THEN
    RAISE EXCEPTION 'Overflow';
  END IF;
  RETURN vt_minutes_given(test_minutes, extra);
END
$$;

-- The seconds left of the student's attempt at the test by the server's
-- clock (never more than its minutes given, none before its deadline is
-- stored), and whether it has been finished: a running workstation asks
-- every few seconds, so more time given or a finish by the administrator
-- reaches it. Nothing is changed.
CREATE OR REPLACE FUNCTION vt_time_left(test BIGINT)
RETURNS TABLE (seconds_left BIGINT, finished BOOLEAN)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp SET lock_timeout = '5s' AS $$
DECLARE
  student BIGINT := vt_me();
  attempt Results;
  test_minutes INTEGER;
BEGIN
  PERFORM vt_require(test::TEXT);
  SELECT * INTO attempt FROM Results WHERE fldResultNumber = vt_attempt_of(student, test);
  IF attempt.fldResultNumber IS NULL THEN
    RAISE EXCEPTION 'This attempt is not running.';
  END IF;
  SELECT fldTime INTO test_minutes FROM Tests WHERE fldTestNumber = test;
  finished := attempt.fldGrade IS NOT NULL;
  seconds_left := vt_seconds_left(attempt.fldDeadline, COALESCE(attempt.fldMinutesGiven, test_minutes),
                                  vt_clock_seconds());
  RETURN NEXT;
END
$$;

-- The student's list: every test open to students, by number, with the
-- student's attempt at it when there is one.
CREATE OR REPLACE FUNCTION vt_student_rows()
RETURNS TABLE (test_number BIGINT, test_name TEXT, minutes INTEGER, begun BOOLEAN, grade INTEGER, date_taken TEXT)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp SET lock_timeout = '5s' AS $$
DECLARE
  student BIGINT := vt_me();
BEGIN
  PERFORM vt_refuse_after_changes();
  RETURN QUERY
  SELECT t.fldTestNumber, t.fldTestName, t.fldTime, a.fldResultNumber IS NOT NULL, a.fldGrade, a.fldDate
  FROM Tests t LEFT JOIN LATERAL (
    SELECT * FROM Results r WHERE r.fldStudentNumber = student AND r.fldTestNumber = t.fldTestNumber
    ORDER BY r.fldResultNumber LIMIT 1) a ON true
  WHERE left(COALESCE(t.fldTestName, ''), 1) <> '<'
  ORDER BY t.fldTestNumber;
END
$$;

-- A test's title, description and length, and how far the student's attempt
-- at it has got.
CREATE OR REPLACE FUNCTION vt_test(test BIGINT)
RETURNS TABLE (test_name TEXT, description TEXT, minutes INTEGER, begun BOOLEAN, graded BOOLEAN)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp SET lock_timeout = '5s' AS $$
DECLARE
  student BIGINT := vt_me();
  found_test Tests;
  attempt Results;
BEGIN
  PERFORM vt_require(test::TEXT);
  SELECT * INTO found_test FROM Tests WHERE fldTestNumber = vt_open_test(test);
  SELECT * INTO attempt FROM Results WHERE fldResultNumber = vt_attempt_of(student, test);
  test_name := found_test.fldTestName;
  description := found_test.fldDescription;
  minutes := found_test.fldTime;
  begun := attempt.fldResultNumber IS NOT NULL;
  graded := attempt.fldGrade IS NOT NULL;
  RETURN NEXT;
END
$$;

-- Begins the student's attempt, or continues the one begun: its deadline is
-- the student's minutes (the test's length with their extra time) from now
-- by this server's clock, stored once with those minutes (an attempt begun
-- before deadlines were kept gets it when it is continued; every other
-- function counts a row without one as past it). A new attempt's 25 answer
-- orders are drawn and kept in the same transaction; a continued one gets
-- those of its unanswered slots that have none yet (an attempt begun before
-- the orders were drawn at its beginning), and otherwise nothing is written
-- for it. Returns the seconds left
-- (never more than the attempt's minutes given) and, for each slot, "1" when
-- it holds an answer, else "0".
CREATE OR REPLACE FUNCTION vt_begin(test BIGINT)
RETURNS TABLE (seconds_left BIGINT, answered TEXT)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp SET lock_timeout = '5s' AS $$
DECLARE
  student BIGINT := vt_me();
  found_test Tests;
  attempt Results;
  length_seconds BIGINT;
  now_seconds BIGINT := vt_clock_seconds();
  record_json JSONB;
BEGIN
  PERFORM vt_require(test::TEXT);
  SELECT * INTO found_test FROM Tests WHERE fldTestNumber = vt_open_test(test);
  SELECT * INTO attempt FROM Results WHERE fldResultNumber = vt_attempt_of(student, test);
  IF found_test.fldTime IS NULL OR found_test.fldTime NOT BETWEEN 0 AND 32767 THEN
    RAISE EXCEPTION 'Overflow';
  END IF;
  SELECT vt_minutes_given(found_test.fldTime, fldExtraTime) * 60 INTO length_seconds
  FROM Passwords WHERE fldStudentNumber = student;
  IF attempt.fldGrade IS NOT NULL THEN
    RAISE EXCEPTION 'This attempt is not running.';
  END IF;
  IF attempt.fldResultNumber IS NULL THEN
    INSERT INTO Results (fldStudentNumber, fldTestNumber, fldMinutesGiven, fldDeadline)
    VALUES (student, test, length_seconds / 60, now_seconds + length_seconds) RETURNING * INTO attempt;
  ELSIF attempt.fldDeadline IS NULL THEN
    UPDATE Results SET fldMinutesGiven = length_seconds / 60, fldDeadline = now_seconds + length_seconds
    WHERE fldResultNumber = attempt.fldResultNumber RETURNING * INTO attempt;
  END IF;
  seconds_left := vt_seconds_left(attempt.fldDeadline, COALESCE(attempt.fldMinutesGiven, found_test.fldTime),
                                  now_seconds);
  record_json := to_jsonb(attempt);
  SELECT string_agg(CASE WHEN COALESCE(record_json ->> ('fldq' || s), '') = '' THEN '0' ELSE '1' END, '' ORDER BY s)
  INTO answered FROM generate_series(1, 25) AS s;
  INSERT INTO ShownOrders (fldResultNumber, fldSlot, fldOrder, fldMark)
  SELECT attempt.fldResultNumber, s, vt_draw_order(), encode(uuid_send(gen_random_uuid()), 'hex')
  FROM generate_series(1, 25) AS s
  WHERE substr(answered, s, 1) = '0' AND NOT EXISTS (
    SELECT 1 FROM ShownOrders o WHERE o.fldResultNumber = attempt.fldResultNumber AND o.fldSlot = s)
  ON CONFLICT (fldResultNumber, fldSlot) DO NOTHING;
  RETURN NEXT;
END
$$;

-- Slot `slot` of the student's running attempt: the question and its three
-- answers in the order shown, the line chosen (0 for none) and the mark a
-- store of the slot brings (Null for an answered slot). An answered slot
-- shows its stored order, an unanswered one the order kept for it since the
-- attempt began. Only this slot's order is read. Once the attempt's time is
-- over no text and no mark is given, only the line chosen.
--
-- Showing writes nothing and takes no lock, so it costs no commit to disk:
-- the attempt is read as this statement finds it, and a finish committed
-- before it ends the attempt for it as for a store. Only an unanswered slot
-- of an attempt begun before its orders were drawn at its beginning, and not
-- continued since, has none kept; that slot's is drawn now, once, under the
-- attempt's lock, so that no finish removes the attempt's orders in between;
-- it needs no mark, as its row records the showing.
DROP FUNCTION IF EXISTS vt_slot(BIGINT, INTEGER);
CREATE FUNCTION vt_slot(test BIGINT, slot INTEGER)
RETURNS TABLE (question TEXT, answer1 TEXT, answer2 TEXT, answer3 TEXT, chosen_line INTEGER, shown_mark TEXT)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp SET lock_timeout = '5s' AS $$
DECLARE
  student BIGINT := vt_me();
  attempt BIGINT;
  graded BOOLEAN;
  deadline BIGINT;
  texts TEXT[];
  stored TEXT;
  shown TEXT;
  answers TEXT[];
BEGIN
  PERFORM vt_require(test::TEXT, slot::TEXT);
  -- The attempt, its deadline and the slot's record, read once.
  SELECT fldResultNumber, fldGrade IS NOT NULL, fldDeadline,
         (ARRAY[fldQ1, fldQ2, fldQ3, fldQ4, fldQ5, fldQ6, fldQ7, fldQ8, fldQ9, fldQ10, fldQ11,
                fldQ12, fldQ13, fldQ14, fldQ15, fldQ16, fldQ17, fldQ18, fldQ19, fldQ20, fldQ21,
                fldQ22, fldQ23, fldQ24, fldQ25])[slot]
  INTO attempt, graded, deadline, stored FROM Results
  WHERE fldResultNumber = vt_attempt_of(student, test);
  IF attempt IS NULL OR graded THEN
    RAISE EXCEPTION 'This attempt is not running.';
  END IF;
  -- The question, the answer and the two false answers of the slot.
  SELECT ARRAY[(ARRAY[fldQ1, fldQ2, fldQ3, fldQ4, fldQ5, fldQ6, fldQ7, fldQ8, fldQ9, fldQ10, fldQ11,
                    fldQ12, fldQ13, fldQ14, fldQ15, fldQ16, fldQ17, fldQ18, fldQ19, fldQ20, fldQ21,
                    fldQ22, fldQ23, fldQ24, fldQ25])[slot],
               (ARRAY[fldQ1Answer, fldQ2Answer, fldQ3Answer, fldQ4Answer, fldQ5Answer, fldQ6Answer,
                    fldQ7Answer, fldQ8Answer, fldQ9Answer, fldQ10Answer, fldQ11Answer,
                    fldQ12Answer, fldQ13Answer, fldQ14Answer, fldQ15Answer, fldQ16Answer,
                    fldQ17Answer, fldQ18Answer, fldQ19Answer, fldQ20Answer, fldQ21Answer,
                    fldQ22Answer, fldQ23Answer, fldQ24Answer, fldQ25Answer])[slot],
               (ARRAY[fldQ1Phony1, fldQ2Phony1, fldQ3Phony1, fldQ4Phony1, fldQ5Phony1, fldQ6Phony1,
                    fldQ7Phony1, fldQ8Phony1, fldQ9Phony1, fldQ10Phony1, fldQ11Phony1,
                    fldQ12Phony1, fldQ13Phony1, fldQ14Phony1, fldQ15Phony1, fldQ16Phony1,
                    fldQ17Phony1, fldQ18Phony1, fldQ19Phony1, fldQ20Phony1, fldQ21Phony1,
                    fldQ22Phony1, fldQ23Phony1, fldQ24Phony1, fldQ25Phony1])[slot],
               (ARRAY[fldQ1Phony2, fldQ2Phony2, fldQ3Phony2, fldQ4Phony2, fldQ5Phony2, fldQ6Phony2,
                    fldQ7Phony2, fldQ8Phony2, fldQ9Phony2, fldQ10Phony2, fldQ11Phony2,
                    fldQ12Phony2, fldQ13Phony2, fldQ14Phony2, fldQ15Phony2, fldQ16Phony2,
                    fldQ17Phony2, fldQ18Phony2, fldQ19Phony2, fldQ20Phony2, fldQ21Phony2,
                    fldQ22Phony2, fldQ23Phony2, fldQ24Phony2, fldQ25Phony2])[slot]]
  INTO texts FROM Tests WHERE fldTestNumber = vt_open_test(test);
  IF slot NOT BETWEEN 1 AND 25 THEN
    RAISE EXCEPTION 'There is no question %.', slot;
  END IF;
  stored := COALESCE(stored, '');
  chosen_line := 0;
  IF stored <> '' AND substr(stored, 4, 1) BETWEEN '0' AND '9' THEN
    chosen_line := CAST(substr(stored, 4, 1) AS INTEGER);
  END IF;
  IF vt_deadline_passed(deadline, 0) THEN
    RETURN NEXT;
    RETURN;
  END IF;
  IF stored <> '' THEN
    shown := left(stored, 3);
  ELSE
    SELECT fldOrder, fldMark INTO shown, shown_mark FROM ShownOrders WHERE fldResultNumber = attempt AND fldSlot = slot;
    IF shown IS NULL THEN
      PERFORM vt_running_attempt(student, test);
      INSERT INTO ShownOrders (fldResultNumber, fldSlot, fldOrder) VALUES (attempt, slot, vt_draw_order())
      ON CONFLICT (fldResultNumber, fldSlot) DO NOTHING;
      SELECT fldOrder, fldMark INTO shown, shown_mark FROM ShownOrders WHERE fldResultNumber = attempt AND fldSlot = slot;
    END IF;
  END IF;
  FOR k IN 1..3 LOOP
    answers[k] := CASE substr(shown, k, 1) WHEN '1' THEN texts[2] WHEN '2' THEN texts[3] WHEN '3' THEN texts[4] END;
  END LOOP;
  question := texts[1];
  answer1 := answers[1];
  answer2 := answers[2];
  answer3 := answers[3];
  RETURN NEXT;
END
$$;

-- Stores line `line` (1 to 3) as the answer to a slot of the running
-- attempt: the order shown, the line, and "C" when that line holds the right
-- answer, else "X". An unanswered slot's store brings the mark its showing
-- gave (`shown_mark`); without it the slot counts as not shown. The record
-- is the only row written, in the caller's one transaction. Nothing of it
-- goes back to the workstation but whether it was stored: an answer more
-- than ten seconds past the attempt's deadline is not. The workstation's
-- countdown starts from the seconds left the server gave it, rounded down,
-- and stores the answer on screen when it runs out; ten seconds cover the
-- round trips and a timer running a little late.
DROP FUNCTION IF EXISTS vt_store(BIGINT, INTEGER, INTEGER);
CREATE OR REPLACE FUNCTION vt_store(test BIGINT, slot INTEGER, line INTEGER, shown_mark TEXT DEFAULT NULL) RETURNS BOOLEAN
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp SET lock_timeout = '5s' AS $$
DECLARE
  student BIGINT := vt_me();
  attempt BIGINT;
  graded BOOLEAN;
  deadline BIGINT;
  stored TEXT;
  shown TEXT;
  mark TEXT;
  kept TEXT;
BEGIN
  PERFORM vt_require(test::TEXT, slot::TEXT, line::TEXT);
  -- The attempt, its deadline and the slot's record, read once and locked
  -- against every other call on it until this transaction ends: a store that
  -- waited for a finish sees the graded row.
  SELECT fldResultNumber, fldGrade IS NOT NULL, fldDeadline,
         (ARRAY[fldQ1, fldQ2, fldQ3, fldQ4, fldQ5, fldQ6, fldQ7, fldQ8, fldQ9, fldQ10, fldQ11,
                fldQ12, fldQ13, fldQ14, fldQ15, fldQ16, fldQ17, fldQ18, fldQ19, fldQ20, fldQ21,
                fldQ22, fldQ23, fldQ24, fldQ25])[slot]
  INTO attempt, graded, deadline, stored FROM Results
  WHERE fldResultNumber = vt_attempt_of(student, test) FOR UPDATE;
  IF attempt IS NULL OR graded THEN
    RAISE EXCEPTION 'This attempt is not running.';
  END IF;
  IF slot NOT BETWEEN 1 AND 25 OR line NOT BETWEEN 1 AND 3 THEN
    RAISE EXCEPTION 'There is no answer % to question %.', line, slot;
  END IF;
  IF vt_deadline_passed(deadline, 10) THEN
    RETURN false;
  END IF;
  shown := NULLIF(left(COALESCE(stored, ''), 3), '');
  IF shown IS NULL THEN
    SELECT fldOrder, fldMark INTO shown, mark FROM ShownOrders
    WHERE fldResultNumber = attempt AND fldSlot = slot;
    IF mark IS DISTINCT FROM shown_mark AND mark IS NOT NULL THEN
      shown := NULL;
    END IF;
  END IF;
  IF shown IS NULL THEN
    RAISE EXCEPTION 'Question % has not been shown.', slot;
  END IF;
  kept := shown || line || CASE WHEN position('1' IN shown) = line THEN 'C' ELSE 'X' END;
  UPDATE Results SET
    fldQ1 = CASE slot WHEN 1 THEN kept ELSE fldQ1 END,
    fldQ2 = CASE slot WHEN 2 THEN kept ELSE fldQ2 END,
    fldQ3 = CASE slot WHEN 3 THEN kept ELSE fldQ3 END,
    fldQ4 = CASE slot WHEN 4 THEN kept ELSE fldQ4 END,
    fldQ5 = CASE slot WHEN 5 THEN kept ELSE fldQ5 END,
    fldQ6 = CASE slot WHEN 6 THEN kept ELSE fldQ6 END,
    fldQ7 = CASE slot WHEN 7 THEN kept ELSE fldQ7 END,
    fldQ8 = CASE slot WHEN 8 THEN kept ELSE fldQ8 END,
    fldQ9 = CASE slot WHEN 9 THEN kept ELSE fldQ9 END,
    fldQ10 = CASE slot WHEN 10 THEN kept ELSE fldQ10 END,
    fldQ11 = CASE slot WHEN 11 THEN kept ELSE fldQ11 END,
    fldQ12 = CASE slot WHEN 12 THEN kept ELSE fldQ12 END,
    fldQ13 = CASE slot WHEN 13 THEN kept ELSE fldQ13 END,
    fldQ14 = CASE slot WHEN 14 THEN kept ELSE fldQ14 END,
    fldQ15 = CASE slot WHEN 15 THEN kept ELSE fldQ15 END,
    fldQ16 = CASE slot WHEN 16 THEN kept ELSE fldQ16 END,
    fldQ17 = CASE slot WHEN 17 THEN kept ELSE fldQ17 END,
    fldQ18 = CASE slot WHEN 18 THEN kept ELSE fldQ18 END,
    fldQ19 = CASE slot WHEN 19 THEN kept ELSE fldQ19 END,
    fldQ20 = CASE slot WHEN 20 THEN kept ELSE fldQ20 END,
    fldQ21 = CASE slot WHEN 21 THEN kept ELSE fldQ21 END,
    fldQ22 = CASE slot WHEN 22 THEN kept ELSE fldQ22 END,
    fldQ23 = CASE slot WHEN 23 THEN kept ELSE fldQ23 END,
    fldQ24 = CASE slot WHEN 24 THEN kept ELSE fldQ24 END,
    fldQ25 = CASE slot WHEN 25 THEN kept ELSE fldQ25 END
  WHERE fldResultNumber = attempt;
  RETURN true;
END
$$;

-- A day written as the workstation writes short dates: `pattern` is its date
-- format, made only of the day, month and year fields (d, dd, M, MM, MMM,
-- yy, yyyy and the names ddd, dddd, MMMM) with at most two separators
-- between them. Any other pattern, which could carry text of the caller's
-- own into a stored date, gives the date as yyyy-MM-dd.
CREATE OR REPLACE FUNCTION vt_short_date(pattern TEXT, day DATE) RETURNS TEXT
LANGUAGE plpgsql STABLE SET search_path = pg_catalog AS $$
DECLARE
  rest TEXT := pattern;
  token TEXT;
  written TEXT := '';
BEGIN
  IF rest IS NULL OR rest !~ '^[dMy]{1,4}([-./, ]{1,2}[dMy]{1,4}){0,2}$' THEN
    rest := 'yyyy-MM-dd';
  END IF;
  WHILE rest <> '' LOOP
    token := substring(rest FROM '^(yyyy|yy|MMMM|MMM|MM|M|dddd|ddd|dd|d|.)');
    written := written || CASE token
      WHEN 'yyyy' THEN to_char(day, 'YYYY')
      WHEN 'yy' THEN to_char(day, 'YY')
      WHEN 'MMMM' THEN to_char(day, 'FMMonth')
      WHEN 'MMM' THEN to_char(day, 'Mon')
      WHEN 'MM' THEN to_char(day, 'MM')
      WHEN 'M' THEN to_char(day, 'FMMM')
      WHEN 'dddd' THEN to_char(day, 'FMDay')
      WHEN 'ddd' THEN to_char(day, 'Dy')
      WHEN 'dd' THEN to_char(day, 'DD')
      WHEN 'd' THEN to_char(day, 'FMDD')
      WHEN 'y' THEN to_char(day, 'YYYY')
      ELSE token
    END;
    rest := substr(rest, length(token) + 1);
  END LOOP;
  RETURN written;
END
$$;

-- Finishes the running attempt: four points for every answer stored right,
-- and today by the server's clock in the workstation's short date format,
-- with the moment in seconds beside it.
-- The grade is given only by the student's list, once this is committed.
DROP FUNCTION IF EXISTS vt_finish(BIGINT, TEXT);
CREATE FUNCTION vt_finish(test BIGINT, date_format TEXT) RETURNS VOID
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp SET lock_timeout = '5s' AS $$
DECLARE
  student BIGINT := vt_me();
  attempt BIGINT;
  record_json JSONB;
  grade INTEGER;
BEGIN
  PERFORM vt_require(test::TEXT);
  attempt := vt_running_attempt(student, test);
  SELECT to_jsonb(r) INTO record_json FROM Results r WHERE r.fldResultNumber = attempt;
  SELECT 4 * COUNT(*) INTO grade FROM generate_series(1, 25) AS s
  WHERE right(COALESCE(record_json ->> ('fldq' || s), ''), 1) = 'C';
  UPDATE Results SET fldGrade = grade, fldDate = vt_short_date(date_format, CAST(clock_timestamp() AS DATE)),
                     fldGradedAt = vt_clock_seconds()
  WHERE fldResultNumber = attempt;
  DELETE FROM ShownOrders WHERE fldResultNumber = attempt;
END
$$;
-- The day is the server's, whatever zone the calling session has set: the
-- zone a session of the database's owner starts with, which is the server's
-- own unless the owner's client asked for another.
DO $$
BEGIN
  EXECUTE format('ALTER FUNCTION vt_finish(BIGINT, TEXT) SET TimeZone = %L',
                 (SELECT reset_val FROM pg_settings WHERE name = 'TimeZone'));
END
$$;

-- A graded attempt's slots with the test's texts: only now may the answer
-- records (the order digits) and the right answers leave the server.
CREATE OR REPLACE FUNCTION vt_review(test BIGINT)
RETURNS TABLE (slot INTEGER, answer_record TEXT, question TEXT, right_answer TEXT, phony1 TEXT, phony2 TEXT)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp SET lock_timeout = '5s' AS $$
DECLARE
  student BIGINT := vt_me();
  attempt Results;
  record_json JSONB;
  test_json JSONB;
BEGIN
  PERFORM vt_require(test::TEXT);
  PERFORM vt_refuse_after_changes();
  SELECT * INTO attempt FROM Results WHERE fldResultNumber = vt_attempt_of(student, test);
  record_json := to_jsonb(attempt);
  IF attempt.fldGrade IS NULL THEN
    RAISE EXCEPTION 'This test has not been finished.';
  END IF;
  SELECT to_jsonb(t) INTO test_json FROM Tests t WHERE t.fldTestNumber = test;
  RETURN QUERY
  SELECT s, record_json ->> ('fldq' || s), test_json ->> ('fldq' || s), test_json ->> ('fldq' || s || 'answer'),
         test_json ->> ('fldq' || s || 'phony1'), test_json ->> ('fldq' || s || 'phony2')
  FROM generate_series(1, 25) AS s ORDER BY s;
END
$$;

-- The picture of slot `slot`, if it has one, for the student's own attempt
-- at the test: while it runs, until its time is over (as vt_slot gives the
-- slot's texts), and once it is graded, for its review. A test the student
-- has not begun is refused, as is every other student's attempt, which no
-- argument can name. Pictures are read only here, one slot at a time.
CREATE OR REPLACE FUNCTION vt_picture(test BIGINT, slot INTEGER)
RETURNS TABLE (picture BYTEA, picture_format TEXT, width INTEGER, height INTEGER, description TEXT)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp AS $$
DECLARE
  attempt BIGINT;
  graded BOOLEAN;
  deadline BIGINT;
BEGIN
  PERFORM vt_require(test::TEXT, slot::TEXT);
  attempt := vt_attempt_of(vt_me(), test);
  IF attempt IS NULL THEN
    RAISE EXCEPTION 'This attempt is not running.';
  END IF;
  SELECT fldGrade IS NOT NULL, fldDeadline INTO graded, deadline FROM Results WHERE fldResultNumber = attempt;
  IF graded THEN
    -- A finish rolled back afterwards must not open the pictures of an
    -- attempt whose time is over.
    PERFORM vt_refuse_after_changes();
  ELSE
    PERFORM vt_open_test(test);
    IF vt_deadline_passed(deadline, 0) THEN
      RETURN;
    END IF;
  END IF;
  RETURN QUERY SELECT p.fldBytes, p.fldFormat, p.fldWidth, p.fldHeight, p.fldDescription FROM Pictures p
  WHERE p.fldTestNumber = test AND p.fldSlot = slot;
END
$$;

-- The width of the widest and the height of the tallest picture of a test
-- whose pictures the student may see (an attempt of theirs at it, running or
-- graded), so that the test window opens with room for each at its own size.
CREATE OR REPLACE FUNCTION vt_picture_room(test BIGINT) RETURNS TABLE (width INTEGER, height INTEGER)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp AS $$
BEGIN
  PERFORM vt_require(test::TEXT);
  IF vt_attempt_of(vt_me(), test) IS NULL THEN
    RAISE EXCEPTION 'This attempt is not running.';
  END IF;
  RETURN QUERY SELECT MAX(p.fldWidth), MAX(p.fldHeight) FROM Pictures p WHERE p.fldTestNumber = test;
END
$$;

-- The roles and what each may do. Nobody else may connect to the database,
-- create anything in it, or run a function of it. The workstation role of
-- version 3, whose password every workstation held, may do nothing more.
DO $$
DECLARE
  students TEXT := current_database() || '_student';
  administrator TEXT := current_database() || '_admin';
  workstation TEXT := current_database() || '_workstation';
BEGIN
  IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = students) THEN
    EXECUTE format('CREATE ROLE %I NOLOGIN', students);
  END IF;
  IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = administrator) THEN
    EXECUTE format('CREATE ROLE %I LOGIN', administrator);
  END IF;
  EXECUTE format('REVOKE ALL ON DATABASE %I FROM PUBLIC', current_database());
  EXECUTE format('GRANT CONNECT ON DATABASE %I TO %I, %I', current_database(), students, administrator);
  REVOKE ALL ON SCHEMA public FROM PUBLIC;
  EXECUTE format('GRANT USAGE ON SCHEMA public TO %I, %I', students, administrator);
  REVOKE ALL ON ALL TABLES IN SCHEMA public FROM PUBLIC;
  REVOKE ALL ON ALL SEQUENCES IN SCHEMA public FROM PUBLIC;
  REVOKE ALL ON ALL FUNCTIONS IN SCHEMA public FROM PUBLIC;
  EXECUTE format('REVOKE ALL ON ALL TABLES IN SCHEMA public FROM %I', students);
  EXECUTE format('GRANT SELECT ON SchemaVersion TO %I, %I', students, administrator);
  EXECUTE format('GRANT SELECT, INSERT, UPDATE, DELETE ON Passwords, Tests, Results, Administrator, Pictures TO %I', administrator);
  EXECUTE format('GRANT USAGE ON ALL SEQUENCES IN SCHEMA public TO %I', administrator);
  EXECUTE format('GRANT EXECUTE ON FUNCTION vt_student_rows(), vt_test(BIGINT), vt_begin(BIGINT), '
                 'vt_slot(BIGINT, INTEGER), vt_store(BIGINT, INTEGER, INTEGER, TEXT), vt_finish(BIGINT, TEXT), '
                 'vt_review(BIGINT), vt_picture(BIGINT, INTEGER), vt_picture_room(BIGINT), vt_minutes_for(BIGINT), vt_time_left(BIGINT) TO %I', students);
  IF EXISTS (SELECT 1 FROM pg_roles WHERE rolname = workstation) THEN
    EXECUTE format('REVOKE ALL ON DATABASE %I FROM %I', current_database(), workstation);
    EXECUTE format('REVOKE ALL ON SCHEMA public FROM %I', workstation);
    EXECUTE format('REVOKE ALL ON ALL TABLES IN SCHEMA public FROM %I', workstation);
    EXECUTE format('ALTER ROLE %I NOLOGIN PASSWORD NULL', workstation);
  END IF;
  PERFORM vt_sync_student_role(fldStudentName) FROM (SELECT DISTINCT fldStudentName FROM Passwords) AS named;
END
$$;
