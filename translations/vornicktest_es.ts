<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AdminPassword</name>
    <message>
        <source>The password library could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory to store the new password.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Aiken</name>
    <message>
        <source>The question has no &quot;ANSWER:&quot; line after its options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The question has no &quot;ANSWER:&quot; line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An &quot;ANSWER:&quot; line with no question before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The question has %1 options; the program needs exactly three: one right answer and two false ones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;ANSWER:&quot; must be followed by one option letter, such as ANSWER: B.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two options are lettered %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The question has an empty option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The question has a text of %1 characters; a question or an answer may have at most %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a line break, which Aiken cannot hold; each is written as a blank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blanks at the start or end of a text, which Aiken cannot hold; they are left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a question beginning with &quot;ANSWER:&quot;, which Aiken takes for the answer line; written after the word &quot;Question:&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an empty answer; reading the file back leaves the question out.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnalysisText</name>
    <message>
        <source>Warning: fewer than 5 finished attempts; these figures mean little.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>possible wrong key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>negative discrimination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished attempts (N): %L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean grade: %1   Standard deviation: %2   Lowest: %3   Highest: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reliability (Cronbach&apos;s alpha, KR-20): %1   Standard error of measurement: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top and bottom groups: %L1 attempts each (27%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facility</source>
        <extracomment>A column of at most nine characters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discrimination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Four columns of at most six characters each.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top false 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top false 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom false 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom false 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choices: A the answer, F1 and F2 the false answers, - none; T: in the top group, B: in the bottom group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discrim.</source>
        <extracomment>Short for discrimination: a column of at most nine characters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Flags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The %1 of the settings file may not hold a &apos;;&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database %1 cannot be written by this user account (%2 is read-only for it), so no answer or change could be stored.
Ask the person who installed VornickTest to give this account write access to the database file and its folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database driver %1 is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>1 result</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n results</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EmbeddedWork</name>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorPolicy</name>
    <message>
        <source>The connection to the server was lost. Your answer is kept, and VornickTest is trying again to reach the server. Please wait.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gift</name>
    <message>
        <source>the program needs one right answer (=) and two false answers (~).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line ends in a &quot;\&quot; that escapes nothing; write \\ for a backslash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The question title opened with &quot;::&quot; is never closed with &quot;::&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text without answers in { }: a description, not a question.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A &quot;}&quot; with no &quot;{&quot; before it; write \} for a brace inside a text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (\} is a brace inside a text, not the end of the answers)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answers opened with &quot;{&quot; here are never closed with &quot;}&quot;%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A second &quot;{&quot; before the answers opened on line %1 were closed; write \{ for a brace inside a text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A second set of answers after those on line %1; leave a blank line between two questions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an essay question (no answers to choose from); </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a numeric question; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a true/false question; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text before the first answer; each answer begins with = (right) or ~ (false).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a matching question; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a short answer question (the student types the answer); </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>weighted answers (such as %50%); the program counts an answer only as right or wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 right and %2 false answers; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no question text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an empty answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text of %1 characters; a question or an answer may have at most %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>feedback left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an empty answer; reading the file back leaves the question out.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemAnalysis</name>
    <message>
        <source>false answer 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>false answer 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possible wrong key: %1 of the top %2 chose %3, %4 the keyed answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possible wrong key: %1 goes with high totals (r = %2) more than the keyed answer (r = %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative discrimination: r = %1, weaker attempts got it right more often than stronger ones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too easy: facility %1, above 0.9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too hard: facility %1, below 0.25 (under chance for three answers).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not defined</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabDatabase</name>
    <message>
        <source>The server&apos;s database already holds data (the %1 table has rows); nothing was copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying the %1 row with %2 %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabSession</name>
    <message>
        <source>This session has ended; please sign in again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabWork</name>
    <message>
        <source>This test is no longer available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The settings file names the language &quot;%1&quot;, which this program does not have. It has: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>VornickTest report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user guide could not be opened:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VornickTest Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuestionFile</name>
    <message>
        <source>The file has %1 bytes; a question file may have at most %2 (10 MB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds a NUL byte here, so it is not a text file. Choose a GIFT or Aiken file saved as text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds a byte that is not UTF-8 text here (0x%1). Save the file as UTF-8 and import it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is marked as UTF-16 text but is not. Save the file as UTF-8 and import it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds a NUL character here, so it is not a text file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIFT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aiken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions that can be used: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions left out: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no question text; left out of the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a carriage return or NUL character, which a text file cannot hold; a carriage return is written as a line break, a NUL character left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text longer than %1 characters; reading the file back leaves the question out.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuestionFiles</name>
    <message>
        <source>Import Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No question in this file can be used; nothing is stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A test takes at most %1 questions and this file holds %2 usable ones. Split the file and import each part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question files (*.gift *.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file cannot be imported.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read %1 as %2.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIFT files (*.gift)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aiken files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 questions of &quot;%2&quot; written to %3 as %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aiken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIFT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>This record was changed or deleted by another user since it was read; your change was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>The printer could not start a new page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not finish the document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved as %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VornickTest report %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VornickTest report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsFiles</name>
    <message>
        <source>Save Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no results to save yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsList</name>
    <message>
        <source>No printer is installed, so the report was saved as
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This test is no longer available.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsRow</name>
    <message>
        <source>Not Taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>The database has schema version %1, which this copy of VornickTest does not know (it knows versions up to %2). It was left untouched: use the VornickTest that last opened it, or a newer one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A database already exists at %1; it is left untouched.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database already has the program&apos;s tables; it is left untouched.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database is of an older version and could not be brought up to date: %1
It was left untouched.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>The settings file %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has a section the program does not know: [%1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has a line that is neither [Section] nor key=value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has a key the program does not know: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>names %1 twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 %2 (line %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password file %1 named in %2 cannot be read: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 names no database: its [PostgreSQL] section needs a line database=NAME.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 names no valid port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 for the settings file %2 holds a line break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 names both a database file and a server; it may name only one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 names no database: it needs a [Database] section with a line file=PATH, or a [PostgreSQL] section.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database %1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SlotForm</name>
    <message>
        <source>Question #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestRules</name>
    <message>
        <source>You must give the test a title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test title can be at most %1 characters long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another test already has the title &quot;%1&quot;.
Please choose a different title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The length of the test must be a whole number of minutes from 0 to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAdmin</name>
    <message>
        <source>Vornick Test Taker - Administrative Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Students:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tests:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: The brackets &quot;&lt;&gt;&quot; depict unfinished tests which are not available to students.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ex&amp;port…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Results…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add/Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View Test Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change &amp;Password…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a student name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another student already has the name &quot;%1&quot;.
Please give this student a different name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete this student and all the test results?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete The Current Student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a student first!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete this test<byte value="xd"/>
 and all the corresponding student results?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete The Selected Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 results.csv</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAnswers</name>
    <message>
        <source>Results of: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmChangePassword</name>
    <message>
        <source>Change Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;urrent password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Repeat new password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a new password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new password and its repeat are not the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The administrator&apos;s password has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmEntry</name>
    <message>
        <source>Vornick Test Taker   Vs. 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press F1 for help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Take Selected Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Review Missed Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Results For %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This test cannot be started: its length is not a whole number of minutes from 0 to %1.
Please tell your teacher.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmNewTest</name>
    <message>
        <source>Add New Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False Answer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>There are %n questions left to write.<byte value="xd"/>
Are you sure you want to exit?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Incomplete Test</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmNewTestIntro</name>
    <message>
        <source>Create New Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description of test/instructions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of test in minutes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must specify the length of the test.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required Field</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmQuestions</name>
    <message>
        <source>Remaining time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Is Up!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish this test now? Your answers will be graded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmQuestionsIntro</name>
    <message>
        <source>You can advance the question using the buttons or by directly clicking on the number of the question.  When answered, the number of the question will turn green.  If you finish before time runs out, press the &quot;Done&quot; button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Begin</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>You will be given %n minutes to complete this test.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>You will be given %1 minutes to complete this test.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>&amp;Questions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Flags:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 statistics.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The statistics of %n questions</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Histogram of grades</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTestResults</name>
    <message>
        <source>&amp;View Missed Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Results…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Results For %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete this test result?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete The Test Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 results.csv</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>labdb</name>
    <message>
        <source>usage: labdb create SETTINGS [WORKSTATION]
       labdb copy DATABASE SETTINGS
       labdb upgrade SETTINGS [WORKSTATION]
SETTINGS is a VornickTest.ini naming the server and the database&apos;s owner;
WORKSTATION is the VornickTest.ini to write for the workstations; DATABASE is an Ostrel.mdb.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrote the workstations&apos; settings file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>created the tables, the functions and the roles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tables are at version %1 already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brought the tables from version %1 to version %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copied %1 students, %2 tests and %3 results</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vornick-admin</name>
    <message>
        <source>The new test&apos;s title (default: from the file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test&apos;s length in minutes (default: %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test&apos;s description.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take only the first N usable questions (at most 25).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gift or aiken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file to write (default: standard output).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only this test&apos;s results (its number or title).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only this student&apos;s results (their number or name).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An Ostrel.mdb to work on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A VornickTest.ini naming a lab&apos;s server and its owner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 does not go with this command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file names the lab workstations&apos; role %1, which reads no table: give the database owner&apos;s settings file with --settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give --database or --settings, not both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (The title came from the file; give one with --title.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no question in the file can be used; nothing was stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--first takes a number from 1 to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2 usable questions and a test takes at most %3: split the file, or take the first %3 with --first %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not taken (past the first %1): the questions on lines %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read %1 as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored test %1 &quot;%2&quot; with %3 of %4 questions: unfinished, hidden from students until its questions are written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored test %1 &quot;%2&quot; with %3 questions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>several tests are titled &quot;%1&quot;; give the test&apos;s number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no test is numbered or titled &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>export needs --format gift or --format aiken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote %1 questions of test %2 &quot;%3&quot; to %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>several students are named &quot;%1&quot;; give the student&apos;s number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no student is numbered or named &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>results needs --output FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test %1 &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: vornick-admin import FILE [--title T] [--minutes N] [--description D] [--first N]
       vornick-admin export TEST --format gift|aiken [--output FILE]
       vornick-admin results [--test TEST] [--student NAME_OR_NUMBER] --output FILE
       vornick-admin analysis TEST [--output FILE.csv]
All take --database PATH (an Ostrel.mdb) or --settings INI (a VornickTest.ini); without them they
work on the database of the program beside this tool. TEST is a test&apos;s number or its title.
FILE is a GIFT or an Aiken file; a test takes at most 25 questions, and fewer than 25 make an
unfinished test. The length defaults to %1 minutes. results writes attempts as CSV (all of them, or
those of a test, a student or both); analysis prints a test&apos;s item statistics and with --output
saves its per-slot table as CSV.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>results takes no file or test; use --test and --student.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give a command and its file or test.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> See vornick-admin --help.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vornick-passwd</name>
    <message>
        <source>usage: vornick-passwd --reset [DATABASE | SETTINGS]
Puts the administrator&apos;s password back to the default. Without a path, the database
of the program installed beside this tool; a path ending in .ini is a settings file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vornick-passwd: on this lab&apos;s server the administrator signs in as the role %1, whose
password the server keeps. As the database&apos;s owner, give it a new one with psql:
    \password %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The administrator&apos;s password of %1 is &quot;%2&quot; again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The administrator&apos;s password of %1 was &quot;%2&quot; already.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
