<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Aiken</name>
    <message numerus="yes">
        <source>The question has %n options; the program needs exactly three: one right answer and two false ones.</source>
        <translation>
            <numerusform>The question has %n option; the program needs exactly three: one right answer and two false ones.</numerusform>
            <numerusform>The question has %n options; the program needs exactly three: one right answer and two false ones.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The question has a text of %1 characters; a question or an answer may have at most %2.</source>
        <translation>
            <numerusform>The question has a text of %1 characters; a question or an answer may have at most %2.</numerusform>
            <numerusform>The question has a text of %1 characters; a question or an answer may have at most %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AnalysisText</name>
    <message numerus="yes">
        <source>Top and bottom groups: %Ln attempts each (27%)</source>
        <translation>
            <numerusform>Top and bottom groups: %Ln attempt each (27%)</numerusform>
            <numerusform>Top and bottom groups: %Ln attempts each (27%)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileBackup</name>
    <message numerus="yes">
        <source>The database %1 holds %n students, tests and results; nothing was restored (give --replace to write over them).</source>
        <translation>
            <numerusform>The database %1 holds %n student, test or result; nothing was restored (give --replace to write over it).</numerusform>
            <numerusform>The database %1 holds %n students, tests and results; nothing was restored (give --replace to write over them).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Gift</name>
    <message numerus="yes">
        <source>a text of %1 characters; a question or an answer may have at most %2.</source>
        <translation>
            <numerusform>a text of %1 characters; a question or an answer may have at most %2.</numerusform>
            <numerusform>a text of %1 characters; a question or an answer may have at most %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures; a question keeps one, the first in a data: URI, and the alt text of the others stays in brackets.</source>
        <translation>
            <numerusform>%n picture; a question keeps one, the first in a data: URI, and the alt text of the others stays in brackets.</numerusform>
            <numerusform>%n pictures; a question keeps one, the first in a data: URI, and the alt text of the others stays in brackets.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>an HTML text with %1 tags; the program reads at most %2 in one text.</source>
        <translation>
            <numerusform>an HTML text with %1 tags; the program reads at most %2 in one text.</numerusform>
            <numerusform>an HTML text with %1 tags; the program reads at most %2 in one text.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A question of more than %1 characters, its picture included; the program reads at most that many.</source>
        <translation>
            <numerusform>A question of more than %1 characters, its picture included; the program reads at most that many.</numerusform>
            <numerusform>A question of more than %1 characters, its picture included; the program reads at most that many.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Moodle</name>
    <message numerus="yes">
        <source>a text of %1 characters; at most %2 can be used.</source>
        <translation>
            <numerusform>a text of %1 characters; at most %2 can be used.</numerusform>
            <numerusform>a text of %1 characters; at most %2 can be used.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answers; the program needs exactly three, one right (fraction 100) and two false (fraction 0).</source>
        <translation>
            <numerusform>%n answer; the program needs exactly three, one right (fraction 100) and two false (fraction 0).</numerusform>
            <numerusform>%n answers; the program needs exactly three, one right (fraction 100) and two false (fraction 0).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only the first of its %n pictures is kept.</source>
        <translation>
            <numerusform>only the first of its %n picture is kept.</numerusform>
            <numerusform>only the first of its %n pictures is kept.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message numerus="yes">
        <source>A picture&apos;s description may have at most %n characters; this one has %1.</source>
        <translation>
            <numerusform>A picture&apos;s description may have at most %n character; this one has %1.</numerusform>
            <numerusform>A picture&apos;s description may have at most %n characters; this one has %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its picture&apos;s alt text has %n characters; the first %1 are its description.</source>
        <translation>
            <numerusform>its picture&apos;s alt text has %n character; the first %1 are its description.</numerusform>
            <numerusform>its picture&apos;s alt text has %n characters; the first %1 are its description.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuestionFile</name>
    <message numerus="yes">
        <source>The file has %1 bytes; a GIFT or Moodle XML file may have at most %2 (100 MB).</source>
        <translation>
            <numerusform>The file has %1 bytes; a GIFT or Moodle XML file may have at most %2 (100 MB).</numerusform>
            <numerusform>The file has %1 bytes; a GIFT or Moodle XML file may have at most %2 (100 MB).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file has %1 bytes; a question file may have at most %2 (10 MB).</source>
        <translation>
            <numerusform>The file has %1 bytes; a question file may have at most %2 (10 MB).</numerusform>
            <numerusform>The file has %1 bytes; a question file may have at most %2 (10 MB).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>a text longer than %1 characters; reading the file back leaves the question out.</source>
        <translation>
            <numerusform>a text longer than %1 characters; reading the file back leaves the question out.</numerusform>
            <numerusform>a text longer than %1 characters; reading the file back leaves the question out.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuestionFiles</name>
    <message numerus="yes">
        <source>%n questions of &quot;%1&quot; written to %2 as %3.</source>
        <translation>
            <numerusform>%n question of &quot;%1&quot; written to %2 as %3.</numerusform>
            <numerusform>%n questions of &quot;%1&quot; written to %2 as %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsFiles</name>
    <message numerus="yes">
        <source>%n results written to %1.</source>
        <translation>
            <numerusform>%n result written to %1.</numerusform>
            <numerusform>%n results written to %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TestRules</name>
    <message numerus="yes">
        <source>The test title can be at most %n characters long.</source>
        <translation>
            <numerusform>The test title can be at most %n character long.</numerusform>
            <numerusform>The test title can be at most %n characters long.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmNewTest</name>
    <message numerus="yes">
        <source>There are %n questions left to write.<byte value="xd"/>
Are you sure you want to exit?</source>
        <translation>
            <numerusform>There are %n questions left to write.<byte value="xd"/>
Are you sure you want to exit?</numerusform>
            <numerusform>There are %n questions left to write.<byte value="xd"/>
Are you sure you want to exit?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmQuestionsIntro</name>
    <message numerus="yes">
        <source>You will be given %n minutes to complete this test.</source>
        <translation>
            <numerusform>You will be given %n minutes to complete this test.</numerusform>
            <numerusform>You will be given %n minutes to complete this test.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This includes %n minutes of extra time.</source>
        <translation>
            <numerusform>This includes %n minute of extra time.</numerusform>
            <numerusform>This includes %n minutes of extra time.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message numerus="yes">
        <source>The statistics of %n questions written to %1.</source>
        <translation>
            <numerusform>The statistics of %n question written to %1.</numerusform>
            <numerusform>The statistics of %n questions written to %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>labdb</name>
    <message numerus="yes">
        <source>%n students</source>
        <translation>
            <numerusform>%n student</numerusform>
            <numerusform>%n students</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tests</source>
        <translation>
            <numerusform>%n test</numerusform>
            <numerusform>%n tests</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n results</source>
        <translation>
            <numerusform>%n result</numerusform>
            <numerusform>%n results</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n picture</numerusform>
            <numerusform>%n pictures</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vornick-admin</name>
    <message numerus="yes">
        <source>Stored test %1 &quot;%2&quot; with %n questions.</source>
        <translation>
            <numerusform>Stored test %1 &quot;%2&quot; with %n question.</numerusform>
            <numerusform>Stored test %1 &quot;%2&quot; with %n questions.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n questions of test %1 &quot;%2&quot; to %3.</source>
        <translation>
            <numerusform>Wrote %n question of test %1 &quot;%2&quot; to %3.</numerusform>
            <numerusform>Wrote %n questions of test %1 &quot;%2&quot; to %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n results to %1.</source>
        <translation>
            <numerusform>Wrote %n result to %1.</numerusform>
            <numerusform>Wrote %n results to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gave %1 %n more minutes on &quot;%2&quot;.</source>
        <translation>
            <numerusform>Gave %1 %n more minute on &quot;%2&quot;.</numerusform>
            <numerusform>Gave %1 %n more minutes on &quot;%2&quot;.</numerusform>
        </translation>
    </message>
</context>
</TS>
