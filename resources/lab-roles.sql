-- What a lab's workstations may do on the server, and who may do more.
--
-- Two roles per database: DATABASE_workstation, whose credentials every
-- workstation's settings file holds, and DATABASE_admin, the administrator,
-- whose password only the administrator knows. The workstation role owns
-- nothing and may read or write no table: it may only run the vt_ functions
-- below, which run as the tables' owner (SECURITY DEFINER) and do exactly what
-- a student's screens need, for the student whose session they are given. An
-- answer's order digits and the key of a test leave the server only for an
-- attempt already graded.
--
-- Every statement can run again: creating the tables applies it, and so does
-- bringing a server database of any older version forward.

-- A signed-in student: the token the sign-in hands the workstation stands for
-- the student in every later call.
CREATE TABLE IF NOT EXISTS StudentSessions (
  fldToken UUID PRIMARY KEY,
  fldStudentNumber BIGINT NOT NULL,
  fldBegun TIMESTAMPTZ NOT NULL DEFAULT now()
);

-- The order of the three answers the server drew for an unanswered slot of a
-- running attempt, so the answer stored for it is the one the student saw.
-- An answered slot keeps its order in its answer record.
CREATE TABLE IF NOT EXISTS ShownOrders (
  fldResultNumber BIGINT NOT NULL,
  fldSlot INTEGER NOT NULL,
  fldOrder TEXT NOT NULL,
  PRIMARY KEY (fldResultNumber, fldSlot)
);

-- The student a session stands for; a token that opens no session is refused.
CREATE OR REPLACE FUNCTION vt_session_student(session_token UUID) RETURNS BIGINT
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp AS $$
DECLARE
  student BIGINT;
BEGIN
  SELECT fldStudentNumber INTO student FROM StudentSessions WHERE fldToken = session_token;
  IF student IS NULL THEN
    RAISE EXCEPTION 'This session has ended; please sign in again.';
  END IF;
  RETURN student;
END
$$;

-- The database's clock in whole seconds since 1970-01-01 UTC.
CREATE OR REPLACE FUNCTION vt_clock_seconds() RETURNS BIGINT
LANGUAGE sql VOLATILE SET search_path = pg_catalog AS $$
  SELECT CAST(floor(extract(epoch FROM clock_timestamp())) AS BIGINT)
$$;

-- The helpers below hand rows over by their key rather than as row values,
-- so that no function depends on a table's row type and the tables can still
-- be altered or dropped as before.

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
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp AS $$
  SELECT fldResultNumber FROM Results WHERE fldStudentNumber = student AND fldTestNumber = test
  ORDER BY fldResultNumber LIMIT 1
$$;

-- The student's attempt at a test, refused unless it is begun and not graded.
CREATE OR REPLACE FUNCTION vt_running_attempt(student BIGINT, test BIGINT) RETURNS BIGINT
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp AS $$
DECLARE
  attempt Results;
BEGIN
  SELECT * INTO attempt FROM Results WHERE fldResultNumber = vt_attempt_of(student, test);
  IF attempt.fldResultNumber IS NULL OR attempt.fldGrade IS NOT NULL THEN
    RAISE EXCEPTION 'This attempt is not running.';
  END IF;
  RETURN attempt.fldResultNumber;
END
$$;

-- Opens a session for the student with exactly this name and password (the
-- first such, by number); no row when there is none.
CREATE OR REPLACE FUNCTION vt_sign_in(student_name TEXT, student_password TEXT)
RETURNS TABLE (session_token UUID, student_number BIGINT)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp AS $$
DECLARE
  student BIGINT;
BEGIN
  SELECT fldStudentNumber INTO student FROM Passwords
  WHERE fldStudentName = student_name AND fldPassword = student_password
  ORDER BY fldStudentNumber LIMIT 1;
  IF student IS NULL THEN
    RETURN;
  END IF;
  -- Sessions never signed out (a workstation switched off) go after forty
  -- days, longer than any test may last.
  DELETE FROM StudentSessions WHERE fldBegun < now() - interval '40 days';
  session_token := gen_random_uuid();
  student_number := student;
  INSERT INTO StudentSessions (fldToken, fldStudentNumber) VALUES (session_token, student);
  RETURN NEXT;
END
$$;

CREATE OR REPLACE FUNCTION vt_sign_out(session_token UUID) RETURNS VOID
LANGUAGE sql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp AS $$
  DELETE FROM StudentSessions WHERE fldToken = session_token
$$;

-- The student's list: every test open to students, by number, with the
-- student's attempt at it when there is one.
CREATE OR REPLACE FUNCTION vt_student_rows(session_token UUID)
RETURNS TABLE (test_number BIGINT, test_name TEXT, minutes INTEGER, begun BOOLEAN, grade INTEGER, date_taken TEXT)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp AS $$
DECLARE
  student BIGINT := vt_session_student(session_token);
BEGIN
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
CREATE OR REPLACE FUNCTION vt_test(session_token UUID, test BIGINT)
RETURNS TABLE (test_name TEXT, description TEXT, minutes INTEGER, begun BOOLEAN, graded BOOLEAN)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp AS $$
DECLARE
  student BIGINT := vt_session_student(session_token);
  found_test Tests;
  attempt Results;
BEGIN
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
-- the test's length from now by this server's clock, stored once. Returns the
-- seconds left (never more than the test's length) and, for each slot, "1"
-- when it holds an answer, else "0".
CREATE OR REPLACE FUNCTION vt_begin(session_token UUID, test BIGINT)
RETURNS TABLE (seconds_left BIGINT, answered TEXT)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp AS $$
DECLARE
  student BIGINT := vt_session_student(session_token);
  found_test Tests;
  attempt Results;
  length_seconds BIGINT;
  now_seconds BIGINT := vt_clock_seconds();
  record_json JSONB;
BEGIN
  SELECT * INTO found_test FROM Tests WHERE fldTestNumber = vt_open_test(test);
  SELECT * INTO attempt FROM Results WHERE fldResultNumber = vt_attempt_of(student, test);
  IF found_test.fldTime IS NULL OR found_test.fldTime NOT BETWEEN 0 AND 32767 THEN
    RAISE EXCEPTION 'Overflow';
  END IF;
  length_seconds := found_test.fldTime * 60;
  IF attempt.fldGrade IS NOT NULL THEN
    RAISE EXCEPTION 'This attempt is not running.';
  END IF;
  IF attempt.fldResultNumber IS NULL THEN
    INSERT INTO Results (fldStudentNumber, fldTestNumber, fldDeadline)
    VALUES (student, test, now_seconds + length_seconds) RETURNING * INTO attempt;
  ELSIF attempt.fldDeadline IS NULL THEN
    UPDATE Results SET fldDeadline = now_seconds + length_seconds
    WHERE fldResultNumber = attempt.fldResultNumber RETURNING * INTO attempt;
  END IF;
  seconds_left := least(attempt.fldDeadline - now_seconds, length_seconds);
  record_json := to_jsonb(attempt);
  SELECT string_agg(CASE WHEN COALESCE(record_json ->> ('fldq' || s), '') = '' THEN '0' ELSE '1' END, '' ORDER BY s)
  INTO answered FROM generate_series(1, 25) AS s;
  RETURN NEXT;
END
$$;

-- Slot `slot` of the student's running attempt: the question and its three
-- answers in the order shown, and the line chosen (0 for none). An answered
-- slot keeps its stored order; an unanswered one gets a fresh order each time
-- it is shown, kept until it is answered.
CREATE OR REPLACE FUNCTION vt_slot(session_token UUID, test BIGINT, slot INTEGER)
RETURNS TABLE (question TEXT, answer1 TEXT, answer2 TEXT, answer3 TEXT, chosen_line INTEGER)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp AS $$
DECLARE
  student BIGINT := vt_session_student(session_token);
  attempt Results;
  test_json JSONB;
  stored TEXT;
  shown TEXT;
  first_digit INTEGER;
  second_digit INTEGER;
  answers TEXT[];
BEGIN
  SELECT * INTO attempt FROM Results WHERE fldResultNumber = vt_running_attempt(student, test);
  SELECT to_jsonb(t) INTO test_json FROM Tests t WHERE t.fldTestNumber = vt_open_test(test);
  IF slot NOT BETWEEN 1 AND 25 THEN
    RAISE EXCEPTION 'There is no question %.', slot;
  END IF;
  stored := COALESCE(to_jsonb(attempt) ->> ('fldq' || slot), '');
  IF stored <> '' THEN
    shown := left(stored, 3);
    chosen_line := CASE WHEN substr(stored, 4, 1) BETWEEN '0' AND '9' THEN CAST(substr(stored, 4, 1) AS INTEGER) ELSE 0 END;
  ELSE
    first_digit := floor(3 * random() + 1);
    second_digit := first_digit;
    WHILE second_digit = first_digit LOOP
      second_digit := floor(3 * random() + 1);
    END LOOP;
    shown := first_digit::TEXT || second_digit::TEXT || (6 - first_digit - second_digit)::TEXT;
    chosen_line := 0;
    INSERT INTO ShownOrders (fldResultNumber, fldSlot, fldOrder) VALUES (attempt.fldResultNumber, slot, shown)
    ON CONFLICT (fldResultNumber, fldSlot) DO UPDATE SET fldOrder = excluded.fldOrder;
  END IF;
  FOR k IN 1..3 LOOP
    answers[k] := test_json ->> ('fldq' || slot || CASE substr(shown, k, 1)
                    WHEN '1' THEN 'answer' WHEN '2' THEN 'phony1' WHEN '3' THEN 'phony2' ELSE 'none' END);
  END LOOP;
  question := test_json ->> ('fldq' || slot);
  answer1 := answers[1];
  answer2 := answers[2];
  answer3 := answers[3];
  RETURN NEXT;
END
$$;

-- Stores line `line` (1 to 3) as the answer to a slot of the running
-- attempt: the order shown, the line, and "C" when that line holds the right
-- answer, else "X". Nothing of it goes back to the workstation but whether it
-- was stored: an answer more than ten seconds past the attempt's deadline is
-- not. The workstation's countdown starts from the seconds left the server
-- gave it, rounded down, and stores the answer on screen when it runs out;
-- ten seconds cover the round trips and a timer running a little late.
DROP FUNCTION IF EXISTS vt_store(UUID, BIGINT, INTEGER, INTEGER);
CREATE FUNCTION vt_store(session_token UUID, test BIGINT, slot INTEGER, line INTEGER) RETURNS BOOLEAN
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp AS $$
DECLARE
  student BIGINT := vt_session_student(session_token);
  attempt Results;
  shown TEXT;
BEGIN
  SELECT * INTO attempt FROM Results WHERE fldResultNumber = vt_running_attempt(student, test);
  IF slot NOT BETWEEN 1 AND 25 OR line NOT BETWEEN 1 AND 3 THEN
    RAISE EXCEPTION 'There is no answer % to question %.', line, slot;
  END IF;
  shown := NULLIF(left(COALESCE(to_jsonb(attempt) ->> ('fldq' || slot), ''), 3), '');
  IF shown IS NULL THEN
    SELECT fldOrder INTO shown FROM ShownOrders WHERE fldResultNumber = attempt.fldResultNumber AND fldSlot = slot;
  END IF;
  IF shown IS NULL THEN
    RAISE EXCEPTION 'Question % has not been shown.', slot;
  END IF;
  IF vt_clock_seconds() > attempt.fldDeadline + 10 THEN
    RETURN false;
  END IF;
  EXECUTE format('UPDATE Results SET %I = $1 WHERE fldResultNumber = $2', 'fldq' || slot)
  USING shown || line || CASE WHEN position('1' IN shown) = line THEN 'C' ELSE 'X' END, attempt.fldResultNumber;
  RETURN true;
END
$$;

-- A day written as the workstation writes short dates: `pattern` is its date
-- format, in which d, dd, ddd, dddd, M, MM, MMM, MMMM, yy and yyyy stand for
-- the day, month and year, text in single quotes for itself, and every other
-- character for itself.
CREATE OR REPLACE FUNCTION vt_short_date(pattern TEXT, day DATE) RETURNS TEXT
LANGUAGE plpgsql STABLE SET search_path = pg_catalog AS $$
DECLARE
  rest TEXT := COALESCE(pattern, '');
  token TEXT;
  written TEXT := '';
BEGIN
  WHILE rest <> '' LOOP
    token := substring(rest FROM '^(yyyy|yy|MMMM|MMM|MM|M|dddd|ddd|dd|d|''[^'']*''?|.)');
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
      ELSE replace(token, '''', '')
    END;
    rest := substr(rest, length(token) + 1);
  END LOOP;
  RETURN written;
END
$$;

-- Finishes the running attempt: four points for every answer stored right,
-- and today by the server's clock in the workstation's short date format.
-- Returns the grade.
DROP FUNCTION IF EXISTS vt_finish(UUID, BIGINT, TEXT);
CREATE FUNCTION vt_finish(session_token UUID, test BIGINT, date_format TEXT) RETURNS INTEGER
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp AS $$
DECLARE
  student BIGINT := vt_session_student(session_token);
  attempt BIGINT := vt_running_attempt(student, test);
  record_json JSONB;
  grade INTEGER;
BEGIN
  SELECT to_jsonb(r) INTO record_json FROM Results r WHERE r.fldResultNumber = attempt;
  SELECT 4 * COUNT(*) INTO grade FROM generate_series(1, 25) AS s
  WHERE right(COALESCE(record_json ->> ('fldq' || s), ''), 1) = 'C';
  UPDATE Results SET fldGrade = grade, fldDate = left(vt_short_date(date_format, CAST(clock_timestamp() AS DATE)), 40) WHERE fldResultNumber = attempt;
  DELETE FROM ShownOrders WHERE fldResultNumber = attempt;
  RETURN grade;
END
$$;

-- A graded attempt's slots with the test's texts: only now may the answer
-- records (the order digits) and the right answers leave the server.
CREATE OR REPLACE FUNCTION vt_review(session_token UUID, test BIGINT)
RETURNS TABLE (slot INTEGER, answer_record TEXT, question TEXT, right_answer TEXT, phony1 TEXT, phony2 TEXT)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, public, pg_temp AS $$
DECLARE
  student BIGINT := vt_session_student(session_token);
  attempt Results;
  record_json JSONB;
  test_json JSONB;
BEGIN
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

-- The two roles and what each may do. Nobody else may connect to the
-- database, create anything in it, or run a function of it.
DO $$
DECLARE
  workstation TEXT := current_database() || '_workstation';
  administrator TEXT := current_database() || '_admin';
BEGIN
  IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = workstation) THEN
    EXECUTE format('CREATE ROLE %I LOGIN', workstation);
  END IF;
  IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = administrator) THEN
    EXECUTE format('CREATE ROLE %I LOGIN', administrator);
  END IF;
  EXECUTE format('REVOKE ALL ON DATABASE %I FROM PUBLIC', current_database());
  EXECUTE format('GRANT CONNECT ON DATABASE %I TO %I, %I', current_database(), workstation, administrator);
  REVOKE ALL ON SCHEMA public FROM PUBLIC;
  EXECUTE format('GRANT USAGE ON SCHEMA public TO %I, %I', workstation, administrator);
  REVOKE ALL ON ALL TABLES IN SCHEMA public FROM PUBLIC;
  REVOKE ALL ON ALL SEQUENCES IN SCHEMA public FROM PUBLIC;
  REVOKE ALL ON ALL FUNCTIONS IN SCHEMA public FROM PUBLIC;
  EXECUTE format('REVOKE ALL ON ALL TABLES IN SCHEMA public FROM %I', workstation);
  EXECUTE format('GRANT SELECT ON SchemaVersion TO %I, %I', workstation, administrator);
  EXECUTE format('GRANT SELECT, INSERT, UPDATE, DELETE ON Passwords, Tests, Results, Administrator, Pictures TO %I', administrator);
  EXECUTE format('GRANT USAGE ON ALL SEQUENCES IN SCHEMA public TO %I', administrator);
  EXECUTE format('GRANT EXECUTE ON FUNCTION vt_sign_in(TEXT, TEXT), vt_sign_out(UUID), vt_student_rows(UUID), '
                 'vt_test(UUID, BIGINT), vt_begin(UUID, BIGINT), vt_slot(UUID, BIGINT, INTEGER), '
                 'vt_store(UUID, BIGINT, INTEGER, INTEGER), vt_finish(UUID, BIGINT, TEXT), vt_review(UUID, BIGINT) TO %I',
                 workstation);
END
$$;
