<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AdminPassword</name>
    <message>
        <source>The password library could not be started.</source>
        <translation>Die Passwort-Bibliothek konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>There is not enough memory to store the new password.</source>
        <translation>Es ist nicht genug Speicher frei, um das neue Passwort zu speichern.</translation>
    </message>
</context>
<context>
    <name>Aiken</name>
    <message>
        <source>The question has no &quot;ANSWER:&quot; line after its options.</source>
        <translation>Der Frage folgt nach ihren Antworten keine Zeile „ANSWER:“.</translation>
    </message>
    <message>
        <source>The question has no &quot;ANSWER:&quot; line.</source>
        <translation>Der Frage folgt keine Zeile „ANSWER:“.</translation>
    </message>
    <message>
        <source>An &quot;ANSWER:&quot; line with no question before it.</source>
        <translation>Eine Zeile „ANSWER:“ ohne vorangehende Frage.</translation>
    </message>
    <message>
        <source>&quot;ANSWER:&quot; must be followed by one option letter, such as ANSWER: B.</source>
        <translation>Auf „ANSWER:“ muss genau ein Antwortbuchstabe folgen, zum Beispiel ANSWER: B.</translation>
    </message>
    <message>
        <source>Two options are lettered %1.</source>
        <translation>Zwei Antworten tragen den Buchstaben %1.</translation>
    </message>
    <message>
        <source>The question has an empty option.</source>
        <translation>Die Frage hat eine leere Antwort.</translation>
    </message>
    <message numerus="yes">
        <source>The question has a text of %1 characters; a question or an answer may have at most %2.</source>
        <translation>
            <numerusform>Die Frage hat einen Text von %1 Zeichen; eine Frage oder Antwort darf höchstens %2 haben.</numerusform>
            <numerusform>Die Frage hat einen Text von %1 Zeichen; eine Frage oder Antwort darf höchstens %2 haben.</numerusform>
        </translation>
    </message>
    <message>
        <source>a line break, which Aiken cannot hold; each is written as a blank.</source>
        <translation>ein Zeilenumbruch, den Aiken nicht kennt; jeder wird als Leerzeichen geschrieben.</translation>
    </message>
    <message>
        <source>blanks at the start or end of a text, which Aiken cannot hold; they are left out.</source>
        <translation>Leerzeichen am Anfang oder Ende eines Textes, die Aiken nicht kennt; sie werden weggelassen.</translation>
    </message>
    <message>
        <source>a question beginning with &quot;ANSWER:&quot;, which Aiken takes for the answer line; written after the word &quot;Question:&quot;.</source>
        <translation>eine Frage, die mit „ANSWER:“ beginnt, was Aiken für die Antwortzeile hält; sie wird nach dem Wort „Question:“ geschrieben.</translation>
    </message>
    <message>
        <source>an empty answer; reading the file back leaves the question out.</source>
        <translation>eine leere Antwort; beim Wiedereinlesen der Datei entfällt die Frage.</translation>
    </message>
    <message>
        <source>ANSWER: %1 names none of the question&apos;s options.</source>
        <translation>ANSWER: %1 nennt keine der Antworten der Frage.</translation>
    </message>
    <message>
        <source>picture left out (Aiken carries no pictures).</source>
        <translation>Bild weggelassen (Aiken kennt keine Bilder).</translation>
    </message>
    <message numerus="yes">
        <source>The question has %n options; the program needs exactly three: one right answer and two false ones.</source>
        <translation>
            <numerusform>Die Frage hat %n Antwort; das Programm braucht genau drei: eine richtige und zwei falsche.</numerusform>
            <numerusform>Die Frage hat %n Antworten; das Programm braucht genau drei: eine richtige und zwei falsche.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AnalysisText</name>
    <message>
        <source>Warning: fewer than 5 finished attempts; these figures mean little.</source>
        <translation>Achtung: weniger als 5 abgeschlossene Versuche; diese Werte sagen wenig aus.</translation>
    </message>
    <message>
        <source>possible wrong key</source>
        <translation>möglicher Schlüsselfehler</translation>
    </message>
    <message>
        <source>negative discrimination</source>
        <translation>negative Trennschärfe</translation>
    </message>
    <message>
        <source>too easy</source>
        <translation>zu leicht</translation>
    </message>
    <message>
        <source>too hard</source>
        <translation>zu schwer</translation>
    </message>
    <message>
        <source>Finished attempts (N): %L1</source>
        <translation>Abgeschlossene Versuche (N): %L1</translation>
    </message>
    <message>
        <source>Mean grade: %1   Standard deviation: %2   Lowest: %3   Highest: %4</source>
        <translation>Mittleres Ergebnis (%): %1   Standardabweichung: %2   Niedrigstes: %3   Höchstes: %4</translation>
    </message>
    <message>
        <source>Reliability (Cronbach&apos;s alpha, KR-20): %1   Standard error of measurement: %2</source>
        <translation>Reliabilität (Cronbachs Alpha, KR-20): %1   Standardmessfehler: %2</translation>
    </message>
    <message>
        <source>Slot</source>
        <extracomment>A column heading of the printed table, kept short.</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Facility</source>
        <extracomment>A column heading of the printed table, kept short.</extracomment>
        <translation>Lösungsquote</translation>
    </message>
    <message>
        <source>Discrimination</source>
        <translation>Trennschärfe</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>A column heading of the printed table, kept short (the right answer).</extracomment>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>False 1</source>
        <translation>Falsch 1</translation>
    </message>
    <message>
        <source>False 2</source>
        <translation>Falsch 2</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>A column heading of the printed table, kept short (no answer given).</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Top answer</source>
        <translation>Obere: richtig</translation>
    </message>
    <message>
        <source>Top false 1</source>
        <translation>Obere: falsch 1</translation>
    </message>
    <message>
        <source>Top false 2</source>
        <translation>Obere: falsch 2</translation>
    </message>
    <message>
        <source>Top none</source>
        <translation>Obere: keine</translation>
    </message>
    <message>
        <source>Bottom answer</source>
        <translation>Untere: richtig</translation>
    </message>
    <message>
        <source>Bottom false 1</source>
        <translation>Untere: falsch 1</translation>
    </message>
    <message>
        <source>Bottom false 2</source>
        <translation>Untere: falsch 2</translation>
    </message>
    <message>
        <source>Bottom none</source>
        <translation>Untere: keine</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Choices: A the answer, F1 and F2 the false answers, - none; T: in the top group, B: in the bottom group.</source>
        <translation>Antworten: A die richtige, F1 und F2 die falschen, - keine; T: in der oberen Gruppe, B: in der unteren Gruppe.</translation>
    </message>
    <message>
        <source>Discrim.</source>
        <extracomment>Short for discrimination: a column heading of the printed table.</extracomment>
        <translation>Trennsch.</translation>
    </message>
    <message>
        <source>False1</source>
        <extracomment>A column heading of the printed table, kept short (the first false answer).</extracomment>
        <translation>Falsch 1</translation>
    </message>
    <message>
        <source>False2</source>
        <extracomment>A column heading of the printed table, kept short (the second false answer).</extracomment>
        <translation>Falsch 2</translation>
    </message>
    <message>
        <source>  Flags</source>
        <translation>  Hinweise</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Nr. %1: %2</translation>
    </message>
    <message>
        <source>Keys are not checked below 20 finished attempts, so none is flagged as possibly wrong.</source>
        <translation>Unter 20 abgeschlossenen Versuchen werden Schlüssel nicht geprüft, daher wird keiner als möglicherweise falsch gekennzeichnet.</translation>
    </message>
    <message numerus="yes">
        <source>Top and bottom groups: %Ln attempts each (27%)</source>
        <translation>
            <numerusform>Obere und untere Gruppe: je %Ln Versuch (27 %)</numerusform>
            <numerusform>Obere und untere Gruppe: je %Ln Versuche (27 %)</numerusform>
        </translation>
    </message>
    <message>
        <source>n/a</source>
        <extracomment>Short for &quot;not defined&quot; in a printed column of figures (a few characters).</extracomment>
        <translation>n. d.</translation>
    </message>
</context>
<context>
    <name>AttemptControl</name>
    <message>
        <source>There is no such student.</source>
        <translation>Diesen Schüler gibt es nicht.</translation>
    </message>
    <message>
        <source>Extra time must be a whole number from 0 to %1.</source>
        <translation>Die Zeitverlängerung muss eine ganze Zahl von 0 bis %1 sein.</translation>
    </message>
</context>
<context>
    <name>AttemptHold</name>
    <message>
        <source>This attempt is finished already.</source>
        <translation>Dieser Versuch ist bereits abgeschlossen.</translation>
    </message>
    <message>
        <source>The student has not begun this test.</source>
        <translation>Der Schüler hat diesen Test noch nicht begonnen.</translation>
    </message>
    <message>
        <source>Give More Time</source>
        <translation>Mehr Zeit geben</translation>
    </message>
    <message>
        <source>Minutes to add to this attempt (1 to %1):</source>
        <translation>Minuten, die dieser Versuch zusätzlich erhält (1 bis %1):</translation>
    </message>
    <message>
        <source>Finish Now</source>
        <translation>Jetzt abschließen</translation>
    </message>
    <message>
        <source>Finish this attempt now? It will be graded from the answers stored.</source>
        <translation>Diesen Versuch jetzt abschließen? Er wird nach den gespeicherten Antworten bewertet.</translation>
    </message>
    <message>
        <source>Give %1 more time on %2 (%3 left)?</source>
        <translation>%1 mehr Zeit für %2 geben (noch %3)?</translation>
    </message>
    <message>
        <source>Give %1 more time on %2?</source>
        <translation>%1 mehr Zeit für %2 geben?</translation>
    </message>
    <message>
        <source>Finish %1&apos;s attempt at %2 now (%3 left)? It will be graded from the answers stored.</source>
        <translation>Den Versuch von %1 in %2 jetzt abschließen (noch %3)? Er wird nach den gespeicherten Antworten bewertet.</translation>
    </message>
    <message>
        <source>Finish %1&apos;s attempt at %2 now? It will be graded from the answers stored.</source>
        <translation>Den Versuch von %1 in %2 jetzt abschließen? Er wird nach den gespeicherten Antworten bewertet.</translation>
    </message>
</context>
<context>
    <name>ClientLibraries</name>
    <message>
        <source>The library %1 cannot be loaded: %2</source>
        <translation>Die Bibliothek %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>The library %1 has no function %2.</source>
        <translation>Die Bibliothek %1 hat keine Funktion %2.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The %1 of the settings file may not hold a &apos;;&apos;.</source>
        <translation>Der Wert %1 der Einstellungsdatei darf kein &quot;;&quot; enthalten.</translation>
    </message>
    <message>
        <source>its folder %1</source>
        <translation>ihr Ordner %1</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>die Datei</translation>
    </message>
    <message>
        <source>The database %1 cannot be written by this user account (%2 is read-only for it), so no answer or change could be stored.
Ask the person who installed VornickTest to give this account write access to the database file and its folder.</source>
        <translation>Die Datenbank %1 kann von diesem Benutzerkonto nicht beschrieben werden (%2 ist für dieses Konto schreibgeschützt), daher konnte keine Antwort und keine Änderung gespeichert werden.
Bitten Sie die Person, die VornickTest eingerichtet hat, diesem Konto Schreibrechte für die Datenbankdatei und ihren Ordner zu geben.</translation>
    </message>
    <message>
        <source>The database driver %1 is not installed.</source>
        <translation>Der Datenbanktreiber %1 ist nicht installiert.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Der Vorgang ist bei geschlossenem Objekt nicht erlaubt.</translation>
    </message>
    <message>
        <source>The database %1 cannot be found: its folder %2 does not exist.</source>
        <translation>Die Datenbank %1 wurde nicht gefunden: Der Ordner %2 existiert nicht.</translation>
    </message>
    <message>
        <source>The database %1 cannot be read by this user account (%2 is closed to it).
Ask the person who installed VornickTest to give this account access to the database file and its folder.</source>
        <translation>Die Datenbank %1 kann von diesem Benutzerkonto nicht gelesen werden (%2 ist ihm verschlossen).
Bitten Sie die Person, die VornickTest eingerichtet hat, diesem Konto Zugriff auf die Datenbankdatei und ihren Ordner zu geben.</translation>
    </message>
    <message>
        <source>The database %1 does not exist.</source>
        <translation>Die Datenbank %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The database %1 cannot be opened: %2</source>
        <translation>Die Datenbank %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>This session has ended; please sign in again.</source>
        <translation>Diese Sitzung ist beendet; bitte melden Sie sich erneut an.</translation>
    </message>
    <message>
        <source>The database is busy saving results; try again when they are saved.</source>
        <translation>Die Datenbank speichert gerade Ergebnisse; versuchen Sie es erneut, wenn sie gespeichert sind.</translation>
    </message>
    <message>
        <source>The database driver QPSQL cannot be loaded. A server is reached through Qt&apos;s PostgreSQL driver (Debian&apos;s libqt6sql6-psql) and the PostgreSQL client library libpq (libpq5); both must be installed.</source>
        <translation>Der Datenbanktreiber QPSQL kann nicht geladen werden. Ein Server wird über den PostgreSQL-Treiber von Qt (Debians libqt6sql6-psql) und die PostgreSQL-Clientbibliothek libpq (libpq5) erreicht; beide müssen installiert sein.</translation>
    </message>
</context>
<context>
    <name>Cursor</name>
    <message>
        <source>The database driver cannot hand over rows one at a time.</source>
        <translation>Der Datenbanktreiber kann die Zeilen nicht einzeln übergeben.</translation>
    </message>
</context>
<context>
    <name>EmbeddedWork</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
</context>
<context>
    <name>ErrorPolicy</name>
    <message>
        <source>Connection to the server lost; trying again…</source>
        <translation>Verbindung zum Server verloren; neuer Versuch läuft …</translation>
    </message>
</context>
<context>
    <name>FileBackup</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The backup %1 would be written over the database it copies; give another file.</source>
        <translation>Die Sicherung %1 würde die Datenbank überschreiben, die sie kopiert; geben Sie eine andere Datei an.</translation>
    </message>
    <message>
        <source>The database %1 does not exist.</source>
        <translation>Die Datenbank %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be written: %2.</source>
        <translation>Die Sicherung %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be written.</source>
        <translation>Die Sicherung %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The backup %1 is the database itself.</source>
        <translation>Die Sicherung %1 ist die Datenbank selbst.</translation>
    </message>
    <message>
        <source>%1 is not a database of VornickTest; nothing was restored.</source>
        <translation>%1 ist keine Datenbank von VornickTest; nichts wurde zurückgespielt.</translation>
    </message>
    <message numerus="yes">
        <source>The database %1 holds %n students, tests and results; nothing was restored (give --replace to write over them).</source>
        <translation>
            <numerusform>Die Datenbank %1 enthält %n Eintrag (Schüler, Test oder Ergebnis); nichts wurde zurückgespielt (mit --replace wird er überschrieben).</numerusform>
            <numerusform>Die Datenbank %1 enthält %n Schüler, Tests und Ergebnisse; nichts wurde zurückgespielt (mit --replace werden sie überschrieben).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Gift</name>
    <message>
        <source>the program needs one right answer (=) and two false answers (~).</source>
        <translation>das Programm braucht eine richtige Antwort (=) und zwei falsche Antworten (~).</translation>
    </message>
    <message>
        <source>The line ends in a &quot;\&quot; that escapes nothing; write \\ for a backslash.</source>
        <translation>Die Zeile endet mit einem „\“, das nichts maskiert; schreiben Sie \\ für einen Backslash.</translation>
    </message>
    <message>
        <source>The question title opened with &quot;::&quot; is never closed with &quot;::&quot;.</source>
        <translation>Der mit „::“ begonnene Fragetitel wird nie mit „::“ geschlossen.</translation>
    </message>
    <message>
        <source>a text without answers in { }: a description, not a question.</source>
        <translation>ein Text ohne Antworten in { }: eine Beschreibung, keine Frage.</translation>
    </message>
    <message>
        <source>A &quot;}&quot; with no &quot;{&quot; before it; write \} for a brace inside a text.</source>
        <translation>Eine „}“ ohne vorangehende „{“; schreiben Sie \} für eine geschweifte Klammer im Text.</translation>
    </message>
    <message>
        <source> (\} is a brace inside a text, not the end of the answers)</source>
        <translation> (\} ist eine Klammer im Text, nicht das Ende der Antworten)</translation>
    </message>
    <message>
        <source>The answers opened with &quot;{&quot; here are never closed with &quot;}&quot;%1.</source>
        <translation>Die hier mit „{“ geöffneten Antworten werden nie mit „}“ geschlossen%1.</translation>
    </message>
    <message>
        <source>A second &quot;{&quot; before the answers opened on line %1 were closed; write \{ for a brace inside a text.</source>
        <translation>Eine zweite „{“, bevor die in Zeile %1 geöffneten Antworten geschlossen wurden; schreiben Sie \{ für eine geschweifte Klammer im Text.</translation>
    </message>
    <message>
        <source>A second set of answers after those on line %1; leave a blank line between two questions.</source>
        <translation>Ein zweiter Satz Antworten nach dem in Zeile %1; lassen Sie zwischen zwei Fragen eine Leerzeile.</translation>
    </message>
    <message>
        <source>an essay question (no answers to choose from); </source>
        <translation>eine Freitextfrage (keine Antworten zur Auswahl); </translation>
    </message>
    <message>
        <source>a numeric question; </source>
        <translation>eine Zahlenfrage; </translation>
    </message>
    <message>
        <source>a true/false question; </source>
        <translation>eine Richtig/Falsch-Frage; </translation>
    </message>
    <message>
        <source>text before the first answer; each answer begins with = (right) or ~ (false).</source>
        <translation>Text vor der ersten Antwort; jede Antwort beginnt mit = (richtig) oder ~ (falsch).</translation>
    </message>
    <message>
        <source>a matching question; </source>
        <translation>eine Zuordnungsfrage; </translation>
    </message>
    <message>
        <source>a short answer question (the student types the answer); </source>
        <translation>eine Kurzantwortfrage (die Antwort wird eingetippt); </translation>
    </message>
    <message>
        <source>weighted answers (such as %50%); the program counts an answer only as right or wrong.</source>
        <translation>gewichtete Antworten (etwa %50%); das Programm wertet eine Antwort nur als richtig oder falsch.</translation>
    </message>
    <message>
        <source>%1 right and %2 false answers; </source>
        <translation>%1 richtige und %2 falsche Antworten; </translation>
    </message>
    <message>
        <source>no question text.</source>
        <translation>kein Fragetext.</translation>
    </message>
    <message>
        <source>an empty answer.</source>
        <translation>eine leere Antwort.</translation>
    </message>
    <message numerus="yes">
        <source>a text of %1 characters; a question or an answer may have at most %2.</source>
        <translation>
            <numerusform>ein Text von %1 Zeichen; eine Frage oder Antwort darf höchstens %2 haben.</numerusform>
            <numerusform>ein Text von %1 Zeichen; eine Frage oder Antwort darf höchstens %2 haben.</numerusform>
        </translation>
    </message>
    <message>
        <source>feedback left out.</source>
        <translation>Rückmeldung weggelassen.</translation>
    </message>
    <message>
        <source>an empty answer; reading the file back leaves the question out.</source>
        <translation>eine leere Antwort; beim Wiedereinlesen der Datei entfällt die Frage.</translation>
    </message>
    <message>
        <source>picture left out; its alt text stays in brackets.</source>
        <translation>Bild weggelassen; sein Alternativtext bleibt in Klammern stehen.</translation>
    </message>
    <message>
        <source>script or style left out.</source>
        <translation>Skript oder Stil weggelassen.</translation>
    </message>
    <message numerus="yes">
        <source>an HTML text with %1 tags; the program reads at most %2 in one text.</source>
        <translation>
            <numerusform>ein HTML-Text mit %1 Tags; das Programm liest höchstens %2 in einem Text.</numerusform>
            <numerusform>ein HTML-Text mit %1 Tags; das Programm liest höchstens %2 in einem Text.</numerusform>
        </translation>
    </message>
    <message>
        <source>past the first %1 HTML tags of the file, more than the program reads in one file; split the file and import each part.</source>
        <translation>nach den ersten %1 HTML-Tags der Datei, mehr als das Programm in einer Datei liest; teilen Sie die Datei und importieren Sie jeden Teil einzeln.</translation>
    </message>
    <message>
        <source>A blank line (line %1) ended the question inside its answers opened with &quot;{&quot; here; leave no blank line between &quot;{&quot; and &quot;}&quot;.</source>
        <translation>Eine Leerzeile (Zeile %1) beendete die Frage innerhalb ihrer hier mit „{“ geöffneten Antworten; lassen Sie zwischen „{“ und „}“ keine Leerzeile.</translation>
    </message>
    <message>
        <source>its picture is left out, its alt text in brackets: %1</source>
        <translation>ihr Bild wird weggelassen, ihr Alternativtext steht in Klammern: %1</translation>
    </message>
    <message>
        <source>a picture, written inside the question as HTML (a data: URI); other tools may not show pictures in GIFT.</source>
        <translation>ein Bild, als HTML in die Frage geschrieben (eine data:-URI); andere Programme zeigen Bilder in GIFT womöglich nicht an.</translation>
    </message>
    <message>
        <source>blanks at the start or end of a line, or several in a row, in a question written as HTML for its picture; reading the file back gives one blank or none for each.</source>
        <translation>Leerzeichen am Anfang oder Ende einer Zeile oder mehrere hintereinander, in einer Frage, die wegen ihres Bildes als HTML geschrieben wird; beim Wiedereinlesen der Datei wird daraus jeweils ein Leerzeichen oder keines.</translation>
    </message>
    <message numerus="yes">
        <source>A question of more than %1 characters, its picture included; the program reads at most that many.</source>
        <translation>
            <numerusform>Eine Frage mit mehr als %1 Zeichen, ihr Bild eingeschlossen; das Programm liest höchstens so viele.</numerusform>
            <numerusform>Eine Frage mit mehr als %1 Zeichen, ihr Bild eingeschlossen; das Programm liest höchstens so viele.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures; a question keeps one, the first in a data: URI, and the alt text of the others stays in brackets.</source>
        <translation>
            <numerusform>%n Bild; eine Frage behält nur eines, das erste in einer data:-URI, und der Alternativtext der anderen bleibt in Klammern stehen.</numerusform>
            <numerusform>%n Bilder; eine Frage behält nur eines, das erste in einer data:-URI, und der Alternativtext der anderen bleibt in Klammern stehen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ItemAnalysis</name>
    <message>
        <source>false answer 1</source>
        <translation>falsche Antwort 1</translation>
    </message>
    <message>
        <source>false answer 2</source>
        <translation>falsche Antwort 2</translation>
    </message>
    <message>
        <source>Negative discrimination: r = %1, weaker attempts got it right more often than stronger ones.</source>
        <translation>Negative Trennschärfe: r = %1, schwächere Versuche lösten die Frage öfter als stärkere.</translation>
    </message>
    <message>
        <source>Too easy: facility %1, above 0.9.</source>
        <translation>Zu leicht: Lösungsquote %1, über 0,9.</translation>
    </message>
    <message>
        <source>Too hard: facility %1, below 0.25 (under chance for three answers).</source>
        <translation>Zu schwer: Lösungsquote %1, unter 0,25 (unter der Ratewahrscheinlichkeit bei drei Antworten).</translation>
    </message>
    <message>
        <source>not defined</source>
        <translation>nicht definiert</translation>
    </message>
    <message>
        <source>Possible wrong key: %1 (chosen by %2, r = %3) goes with high totals more than the keyed answer (chosen by %4, r = %5); %1 is probably right.</source>
        <translation>Möglicher Schlüsselfehler: %1 (von %2 gewählt, r = %3) geht stärker mit hohen Gesamtpunktzahlen einher als die als richtig hinterlegte Antwort (von %4 gewählt, r = %5); %1 ist wahrscheinlich richtig.</translation>
    </message>
</context>
<context>
    <name>LabDatabase</name>
    <message>
        <source>The server&apos;s database already holds data (the %1 table has rows); nothing was copied.</source>
        <translation>Die Datenbank des Servers enthält bereits Daten (die Tabelle %1 hat Zeilen); es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>Copying the %1 row with %2 %3: %4</source>
        <translation>Beim Kopieren der Zeile aus %1 mit %2 %3: %4</translation>
    </message>
    <message>
        <source>Lab passwords must be at least 8 characters long.</source>
        <translation>Passwörter im Computerraum müssen mindestens 8 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>The certificate %1 cannot be read.</source>
        <translation>Das Zertifikat %1 kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>LabWork</name>
    <message>
        <source>This test is no longer available.</source>
        <translation>Dieser Test ist nicht mehr verfügbar.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The settings file names the language &quot;%1&quot;, which this program does not have. It has: %2.</source>
        <translation>Die Einstellungsdatei nennt die Sprache „%1“, die dieses Programm nicht hat. Vorhanden sind: %2.</translation>
    </message>
</context>
<context>
    <name>Moodle</name>
    <message>
        <source>The file is XML but not a Moodle question file (it has no &lt;quiz&gt;).</source>
        <translation>Die Datei ist XML, aber keine Moodle-Fragendatei (sie hat kein &lt;quiz&gt;).</translation>
    </message>
    <message>
        <source>The file is not well-formed XML here: %1.</source>
        <translation>Die Datei ist an dieser Stelle kein wohlgeformtes XML: %1.</translation>
    </message>
    <message>
        <source>an empty text.</source>
        <translation>ein leerer Text.</translation>
    </message>
    <message numerus="yes">
        <source>a text of %1 characters; at most %2 can be used.</source>
        <translation>
            <numerusform>ein Text mit %1 Zeichen; höchstens %2 können verwendet werden.</numerusform>
            <numerusform>ein Text mit %1 Zeichen; höchstens %2 können verwendet werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>a question of type &quot;%1&quot;; only multiple choice (multichoice) can be used.</source>
        <translation>eine Frage vom Typ „%1“; nur Multiple-Choice-Fragen (multichoice) können verwendet werden.</translation>
    </message>
    <message>
        <source>answers of fractions other than one of 100 and two of 0; the program counts an answer only as right or false.</source>
        <translation>Antworten mit anderen Bewertungen als einmal 100 und zweimal 0; das Programm wertet eine Antwort nur als richtig oder falsch.</translation>
    </message>
    <message>
        <source>its picture &quot;%1&quot; is not in the file; left out.</source>
        <translation>ihr Bild „%1“ ist nicht in der Datei; weggelassen.</translation>
    </message>
    <message>
        <source>it is not a picture inside the file.</source>
        <translation>es ist kein in der Datei eingebettetes Bild.</translation>
    </message>
    <message>
        <source>its picture is left out: %1</source>
        <translation>ihr Bild wird weggelassen: %1</translation>
    </message>
    <message>
        <source>An entity in question %1 was left out.</source>
        <translation>Eine Entität in Frage %1 wurde weggelassen.</translation>
    </message>
    <message>
        <source>The file has more than %1 HTML tags; the program reads at most that many in one file. Split the file and import each part.</source>
        <translation>Die Datei hat mehr als %1 HTML-Tags; das Programm liest höchstens so viele in einer Datei. Teilen Sie die Datei und importieren Sie jeden Teil einzeln.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers; the program needs exactly three, one right (fraction 100) and two false (fraction 0).</source>
        <translation>
            <numerusform>%n Antwort; das Programm braucht genau drei, eine richtige (fraction 100) und zwei falsche (fraction 0).</numerusform>
            <numerusform>%n Antworten; das Programm braucht genau drei, eine richtige (fraction 100) und zwei falsche (fraction 0).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only the first of its %n pictures is kept.</source>
        <translation>
            <numerusform>von ihrem %n Bild wird nur das erste übernommen.</numerusform>
            <numerusform>von ihren %n Bildern wird nur das erste übernommen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureView</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Press Enter to see it full size.</source>
        <translation>Drücken Sie die Eingabetaste, um es in voller Größe zu sehen.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>The file is larger than 50 MB, too large for a question&apos;s picture.</source>
        <translation>Die Datei ist größer als 50 MB und damit zu groß für das Bild einer Frage.</translation>
    </message>
    <message>
        <source>The file is not a picture this program can show (PNG, JPEG, GIF, BMP or WebP).</source>
        <translation>Die Datei ist kein Bild, das dieses Programm zeigen kann (PNG, JPEG, GIF, BMP oder WebP).</translation>
    </message>
    <message>
        <source>The picture in the file cannot be read: %1.</source>
        <translation>Das Bild in der Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>A picture needs a description for students who cannot see it. Type one in the box under the picture, or remove the picture.</source>
        <translation>Ein Bild braucht eine Beschreibung für Schüler, die es nicht sehen können. Geben Sie eine in das Feld unter dem Bild ein, oder entfernen Sie das Bild.</translation>
    </message>
    <message>
        <source>The picture&apos;s base64 text is damaged.</source>
        <translation>Der Base64-Text des Bildes ist beschädigt.</translation>
    </message>
    <message>
        <source>The data: URI holds no picture in base64 (data:image/…;base64,…).</source>
        <translation>Die data:-URI enthält kein Bild in Base64 (data:image/…;base64,…).</translation>
    </message>
    <message>
        <source>its picture has no alt text; write a description for it in the question editor.</source>
        <translation>ihr Bild hat keinen Alternativtext; schreiben Sie im Fragen-Editor eine Beschreibung dazu.</translation>
    </message>
    <message numerus="yes">
        <source>A picture&apos;s description may have at most %n characters; this one has %1.</source>
        <translation>
            <numerusform>Die Beschreibung eines Bildes darf höchstens %n Zeichen haben; diese hat %1.</numerusform>
            <numerusform>Die Beschreibung eines Bildes darf höchstens %n Zeichen haben; diese hat %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its picture&apos;s alt text has %n characters; the first %1 are its description.</source>
        <translation>
            <numerusform>der Alternativtext ihres Bildes hat %n Zeichen; die ersten %1 werden seine Beschreibung.</numerusform>
            <numerusform>der Alternativtext ihres Bildes hat %n Zeichen; die ersten %1 werden seine Beschreibung.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>VornickTest report</source>
        <translation>VornickTest-Bericht</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>Der Drucker %1 hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>The user guide could not be opened:
%1</source>
        <translation>Das Benutzerhandbuch konnte nicht geöffnet werden:
%1</translation>
    </message>
    <message>
        <source>VornickTest Help</source>
        <translation>VornickTest-Hilfe</translation>
    </message>
</context>
<context>
    <name>QuestionFile</name>
    <message numerus="yes">
        <source>The file has %1 bytes; a question file may have at most %2 (10 MB).</source>
        <translation>
            <numerusform>Die Datei hat %1 Bytes; eine Fragendatei darf höchstens %2 haben (10 MB).</numerusform>
            <numerusform>Die Datei hat %1 Bytes; eine Fragendatei darf höchstens %2 haben (10 MB).</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds a NUL byte here, so it is not a text file. Choose a GIFT or Aiken file saved as text.</source>
        <translation>Die Datei enthält hier ein NUL-Byte und ist daher keine Textdatei. Wählen Sie eine als Text gespeicherte GIFT- oder Aiken-Datei.</translation>
    </message>
    <message>
        <source>The file holds a byte that is not UTF-8 text here (0x%1). Save the file as UTF-8 and import it again.</source>
        <translation>Die Datei enthält hier ein Byte, das kein UTF-8-Text ist (0x%1). Speichern Sie die Datei als UTF-8 und importieren Sie sie erneut.</translation>
    </message>
    <message>
        <source>The file is marked as UTF-16 text but is not. Save the file as UTF-8 and import it again.</source>
        <translation>Die Datei ist als UTF-16-Text gekennzeichnet, ist es aber nicht. Speichern Sie die Datei als UTF-8 und importieren Sie sie erneut.</translation>
    </message>
    <message>
        <source>The file holds a NUL character here, so it is not a text file.</source>
        <translation>Die Datei enthält hier ein NUL-Zeichen und ist daher keine Textdatei.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>Questions that can be used: %1.</source>
        <translation>Verwendbare Fragen: %1.</translation>
    </message>
    <message>
        <source>Questions left out: %1.</source>
        <translation>Ausgelassene Fragen: %1.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Hinweise:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Questions </source>
        <translation>Fragen </translation>
    </message>
    <message>
        <source>Question </source>
        <translation>Frage </translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>no question text; left out of the file.</source>
        <translation>kein Fragetext; nicht in die Datei übernommen.</translation>
    </message>
    <message>
        <source>a carriage return or NUL character, which a text file cannot hold; a carriage return is written as a line break, a NUL character left out.</source>
        <translation>ein Wagenrücklauf oder NUL-Zeichen, das eine Textdatei nicht aufnehmen kann; ein Wagenrücklauf wird als Zeilenumbruch geschrieben, ein NUL-Zeichen weggelassen.</translation>
    </message>
    <message numerus="yes">
        <source>a text longer than %1 characters; reading the file back leaves the question out.</source>
        <translation>
            <numerusform>ein Text mit mehr als %1 Zeichen; beim Wiedereinlesen der Datei entfällt die Frage.</numerusform>
            <numerusform>ein Text mit mehr als %1 Zeichen; beim Wiedereinlesen der Datei entfällt die Frage.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file has %1 bytes; a GIFT or Moodle XML file may have at most %2 (100 MB).</source>
        <translation>
            <numerusform>Die Datei hat %1 Bytes; eine GIFT- oder Moodle-XML-Datei darf höchstens %2 haben (100 MB).</numerusform>
            <numerusform>Die Datei hat %1 Bytes; eine GIFT- oder Moodle-XML-Datei darf höchstens %2 haben (100 MB).</numerusform>
        </translation>
    </message>
    <message>
        <source>Questions that can be used: more than %1; reading stopped there.</source>
        <translation>Verwendbare Fragen: mehr als %1; das Lesen endete dort.</translation>
    </message>
</context>
<context>
    <name>QuestionFiles</name>
    <message>
        <source>No question in this file can be used; nothing is stored.</source>
        <translation>Keine Frage dieser Datei ist verwendbar; es wird nichts gespeichert.</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>This file cannot be imported.
</source>
        <translation>Diese Datei kann nicht importiert werden.
</translation>
    </message>
    <message>
        <source>Read %1 as %2.
</source>
        <translation>%1 als %2 gelesen.
</translation>
    </message>
    <message>
        <source>GIFT files (*.gift)</source>
        <translation>GIFT-Dateien (*.gift)</translation>
    </message>
    <message>
        <source>Aiken files (*.txt)</source>
        <translation>Aiken-Dateien (*.txt)</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Question files (*.gift *.txt *.xml)</source>
        <translation>Fragendateien (*.gift *.txt *.xml)</translation>
    </message>
    <message>
        <source>Moodle XML files (*.xml)</source>
        <translation>Moodle-XML-Dateien (*.xml)</translation>
    </message>
    <message>
        <source>Import Questions</source>
        <translation>Fragen importieren</translation>
    </message>
    <message>
        <source>Export Questions</source>
        <translation>Fragen exportieren</translation>
    </message>
    <message numerus="yes">
        <source>%n questions of &quot;%1&quot; written to %2 as %3.</source>
        <translation>
            <numerusform>%n Frage von „%1“ als %3 in %2 geschrieben.</numerusform>
            <numerusform>%n Fragen von „%1“ als %3 in %2 geschrieben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>This record was changed or deleted by another user since it was read; your change was not saved.</source>
        <translation>Dieser Datensatz wurde seit dem Lesen von einem anderen Benutzer geändert oder gelöscht; Ihre Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>BOF oder EOF ist True, oder der aktuelle Datensatz wurde gelöscht. Der Vorgang erfordert einen aktuellen Datensatz.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is open.</source>
        <translation>Der Vorgang ist bei geöffnetem Objekt nicht erlaubt.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Der Vorgang ist bei geschlossenem Objekt nicht erlaubt.</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal: %1</source>
        <translation>In der Auflistung wurde kein Element mit dem angeforderten Namen oder der Ordinalzahl gefunden: %1</translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>Der Drucker konnte keine neue Seite beginnen.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The printer could not finish the document.</source>
        <translation>Der Drucker konnte das Dokument nicht abschließen.</translation>
    </message>
    <message>
        <source>The report could not be saved as %1:
%2</source>
        <translation>Der Bericht konnte nicht als %1 gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Der Bericht konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>VornickTest report %1</source>
        <translation>VornickTest-Bericht %1</translation>
    </message>
    <message>
        <source>VornickTest report</source>
        <translation>VornickTest-Bericht</translation>
    </message>
</context>
<context>
    <name>ResultsFiles</name>
    <message>
        <source>Save Results</source>
        <translation>Ergebnisse speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>There are no results to save yet.</source>
        <translation>Es gibt noch keine Ergebnisse zum Speichern.</translation>
    </message>
    <message>
        <source>Saving results…</source>
        <translation>Ergebnisse werden gespeichert…</translation>
    </message>
    <message>
        <source>Saving was cancelled; nothing was saved.</source>
        <translation>Das Speichern wurde abgebrochen; es wurde nichts gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>%n results written to %1.</source>
        <translation>
            <numerusform>%n Ergebnis in %1 geschrieben.</numerusform>
            <numerusform>%n Ergebnisse in %1 geschrieben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsList</name>
    <message>
        <source>No printer is installed, so the report was saved as
%1</source>
        <translation>Es ist kein Drucker eingerichtet, daher wurde der Bericht gespeichert als
%1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis (%)</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Printing....</source>
        <translation>Drucken ...</translation>
    </message>
    <message>
        <source>This test is no longer available.</source>
        <translation>Dieser Test ist nicht mehr verfügbar.</translation>
    </message>
</context>
<context>
    <name>ResultsRow</name>
    <message>
        <source>Not Taken</source>
        <translation>Nicht abgelegt</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation>Nicht abgeschlossen</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>The database has schema version %1, which this copy of VornickTest does not know (it knows versions up to %2). It was left untouched: use the VornickTest that last opened it, or a newer one.</source>
        <translation>Die Datenbank hat die Schemaversion %1, die diese VornickTest-Version nicht kennt (sie kennt Versionen bis %2). Sie wurde nicht verändert: Verwenden Sie das VornickTest, das sie zuletzt geöffnet hat, oder ein neueres.</translation>
    </message>
    <message>
        <source>A database already exists at %1; it is left untouched.</source>
        <translation>Unter %1 gibt es bereits eine Datenbank; sie wird nicht verändert.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Der Vorgang ist bei geschlossenem Objekt nicht erlaubt.</translation>
    </message>
    <message>
        <source>The database already has the program&apos;s tables; it is left untouched.</source>
        <translation>Die Datenbank hat bereits die Tabellen des Programms; sie wird nicht verändert.</translation>
    </message>
    <message>
        <source>The database is of an older version and could not be brought up to date: %1
It was left untouched.</source>
        <translation>Die Datenbank hat eine ältere Version und konnte nicht aktualisiert werden: %1
Sie wurde nicht verändert.</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>The settings file %1 cannot be read.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>has a section the program does not know: [%1]</source>
        <translation>enthält einen Abschnitt, den das Programm nicht kennt: [%1]</translation>
    </message>
    <message>
        <source>has a line that is neither [Section] nor key=value</source>
        <translation>enthält eine Zeile, die weder [Abschnitt] noch Schlüssel=Wert ist</translation>
    </message>
    <message>
        <source>has a key the program does not know: %1</source>
        <translation>enthält einen Schlüssel, den das Programm nicht kennt: %1</translation>
    </message>
    <message>
        <source>names %1 twice</source>
        <translation>nennt %1 zweimal</translation>
    </message>
    <message>
        <source>The settings file %1 %2 (line %3).</source>
        <translation>Die Einstellungsdatei %1 %2 (Zeile %3).</translation>
    </message>
    <message>
        <source>The password file %1 named in %2 cannot be read: %3</source>
        <translation>Die in %2 genannte Passwortdatei %1 kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>The settings file %1 names no database: its [PostgreSQL] section needs a line database=NAME.</source>
        <translation>Die Einstellungsdatei %1 nennt keine Datenbank: ihr Abschnitt [PostgreSQL] braucht eine Zeile database=NAME.</translation>
    </message>
    <message>
        <source>The settings file %1 names no valid port.</source>
        <translation>Die Einstellungsdatei %1 nennt keinen gültigen Port.</translation>
    </message>
    <message>
        <source>The %1 for the settings file %2 holds a line break.</source>
        <translation>Der Wert %1 für die Einstellungsdatei %2 enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>The settings file %1 names both a database file and a server; it may name only one.</source>
        <translation>Die Einstellungsdatei %1 nennt sowohl eine Datenbankdatei als auch einen Server; sie darf nur eines nennen.</translation>
    </message>
    <message>
        <source>The settings file %1 names no database: it needs a [Database] section with a line file=PATH, or a [PostgreSQL] section.</source>
        <translation>Die Einstellungsdatei %1 nennt keine Datenbank: Sie braucht einen Abschnitt [Database] mit einer Zeile file=PFAD oder einen Abschnitt [PostgreSQL].</translation>
    </message>
    <message>
        <source>the database %1 on %2</source>
        <translation>die Datenbank %1 auf %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written: %2.</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written: the folder %2 does not exist.</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden: Der Ordner %2 existiert nicht.</translation>
    </message>
</context>
<context>
    <name>SlotForm</name>
    <message>
        <source>Question #</source>
        <translation>Frage Nr.</translation>
    </message>
    <message>
        <source>Previous question</source>
        <translation>Vorige Frage</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Nächste Frage</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Antwort %1</translation>
    </message>
    <message>
        <source>Click the picture or press Enter to see it full size.</source>
        <translation>Klicken Sie auf das Bild oder drücken Sie die Eingabetaste, um es in voller Größe zu sehen.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A screen reader&apos;s name of an answer button: &quot;Answer 1&quot; and the answer&apos;s text.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A screen reader&apos;s name of an answer button and what is noted of it, such as &quot;right&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>TestRules</name>
    <message>
        <source>You must give the test a title.</source>
        <translation>Sie müssen dem Test einen Titel geben.</translation>
    </message>
    <message>
        <source>Another test already has the title &quot;%1&quot;.
Please choose a different title.</source>
        <translation>Ein anderer Test hat bereits den Titel „%1“.
Bitte wählen Sie einen anderen Titel.</translation>
    </message>
    <message>
        <source>The length of the test must be a whole number of minutes from 0 to %1.</source>
        <translation>Die Dauer des Tests muss eine ganze Zahl von Minuten zwischen 0 und %1 sein.</translation>
    </message>
    <message numerus="yes">
        <source>The test title can be at most %n characters long.</source>
        <translation>
            <numerusform>Der Titel eines Tests darf höchstens %n Zeichen lang sein.</numerusform>
            <numerusform>Der Titel eines Tests darf höchstens %n Zeichen lang sein.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAdmin</name>
    <message>
        <source>Vornick Test Taker - Administrative Functions</source>
        <translation>Vornick Test Taker - Verwaltung</translation>
    </message>
    <message>
        <source>Students:</source>
        <translation>Schüler:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Tests:</source>
        <translation>Tests:</translation>
    </message>
    <message>
        <source>Note: The brackets &quot;&lt;&gt;&quot; depict unfinished tests which are not available to students.</source>
        <translation>Hinweis: Die Klammern „&lt;&gt;“ kennzeichnen nicht abgeschlossene Tests, die den Schülern nicht zur Verfügung stehen.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>Ex&amp;port…</source>
        <translation>Ex&amp;portieren…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>S&amp;tatistik…</translation>
    </message>
    <message>
        <source>Save &amp;Results…</source>
        <translation>E&amp;rgebnisse speichern…</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Leere&amp;n</translation>
    </message>
    <message>
        <source>&amp;View Test Results</source>
        <translation>Testergebnisse &amp;anzeigen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Be&amp;enden</translation>
    </message>
    <message>
        <source>You must enter a student name.</source>
        <translation>Sie müssen einen Schülernamen eingeben.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>You must enter a password.</source>
        <translation>Sie müssen ein Passwort eingeben.</translation>
    </message>
    <message>
        <source>Another student already has the name &quot;%1&quot;.
Please give this student a different name.</source>
        <translation>Ein anderer Schüler heißt bereits „%1“.
Bitte geben Sie diesem Schüler einen anderen Namen.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this student and all the test results?</source>
        <translation>Wollen Sie diesen Schüler und alle seine Testergebnisse wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete The Current Student</source>
        <translation>Aktuellen Schüler löschen</translation>
    </message>
    <message>
        <source>Select a student first!</source>
        <translation>Wählen Sie zuerst einen Schüler aus!</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this test<byte value="xd"/>
 and all the corresponding student results?</source>
        <translation>Wollen Sie diesen Test<byte value="xd"/>
 und alle zugehörigen Schülerergebnisse wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete The Selected Test</source>
        <translation>Ausgewählten Test löschen</translation>
    </message>
    <message>
        <source>%1 results.csv</source>
        <translation>%1 Ergebnisse.csv</translation>
    </message>
    <message>
        <source>Attempts in Pro&amp;gress…</source>
        <translation>Laufende &amp;Versuche…</translation>
    </message>
    <message>
        <source>Extra ti&amp;me (%):</source>
        <translation>&amp;Zeitverlängerung (%):</translation>
    </message>
    <message>
        <source>Add/&amp;Save</source>
        <translation>Hinzufügen/&amp;Speichern</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Lös&amp;chen</translation>
    </message>
    <message>
        <source>Change Pass&amp;word…</source>
        <translation>Pass&amp;wort ändern…</translation>
    </message>
    <message>
        <source>Delete test</source>
        <translation>Test löschen</translation>
    </message>
    <message>
        <source>Delete student</source>
        <translation>Schüler löschen</translation>
    </message>
    <message>
        <source>Lab passwords must be at least 8 characters long.</source>
        <translation>Passwörter im Computerraum müssen mindestens 8 Zeichen lang sein.</translation>
    </message>
</context>
<context>
    <name>frmAnswers</name>
    <message>
        <source>Results of: %1</source>
        <translation>Ergebnisse von: %1</translation>
    </message>
    <message>
        <source>Question %1, %2</source>
        <translation>Frage %1, %2</translation>
    </message>
    <message>
        <source>right answer</source>
        <translation>richtige Antwort</translation>
    </message>
    <message>
        <source>your answer</source>
        <translation>Ihre Antwort</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Frage %1</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>This test has not been finished yet.</source>
        <translation>Dieser Test ist noch nicht abgeschlossen.</translation>
    </message>
</context>
<context>
    <name>frmAttempts</name>
    <message>
        <source>Attempts in Progress</source>
        <translation>Laufende Versuche</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Began</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Answered</source>
        <translation>Beantwortet</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Give &amp;More Time…</source>
        <translation>&amp;Mehr Zeit geben…</translation>
    </message>
    <message>
        <source>&amp;Finish Now</source>
        <translation>Jetzt a&amp;bschließen</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>frmChangePassword</name>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>C&amp;urrent password:</source>
        <translation>&amp;Aktuelles Passwort:</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>&amp;Neues Passwort:</translation>
    </message>
    <message>
        <source>&amp;Repeat new password:</source>
        <translation>Neues Passwort &amp;wiederholen:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Ungültiges Passwort</translation>
    </message>
    <message>
        <source>You must enter a new password.</source>
        <translation>Sie müssen ein neues Passwort eingeben.</translation>
    </message>
    <message>
        <source>The new password and its repeat are not the same.</source>
        <translation>Das neue Passwort und seine Wiederholung stimmen nicht überein.</translation>
    </message>
    <message>
        <source>The administrator&apos;s password has been changed.</source>
        <translation>Das Passwort des Administrators wurde geändert.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>frmEntry</name>
    <message>
        <source>Vornick Test Taker   Vs. 1.0</source>
        <translation>Vornick Test Taker   Version 1.0</translation>
    </message>
    <message>
        <source>Student ID:</source>
        <translation>Schüler-ID:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Press F1 for help</source>
        <translation>Für Hilfe F1 drücken</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Ungültiges Passwort</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Take Selected Test</source>
        <translation>Ausgewählten &amp;Test beginnen</translation>
    </message>
    <message>
        <source>&amp;Review Missed Questions</source>
        <translation>Falsche Antworten &amp;ansehen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Ab&amp;melden</translation>
    </message>
    <message>
        <source>Test Results For %1</source>
        <translation>Testergebnisse von %1</translation>
    </message>
    <message>
        <source>This test cannot be started: its length is not a whole number of minutes from 0 to %1.
Please tell your teacher.</source>
        <translation>Dieser Test kann nicht begonnen werden: Seine Dauer ist keine ganze Zahl von Minuten zwischen 0 und %1.
Bitte sagen Sie Ihrer Lehrkraft Bescheid.</translation>
    </message>
</context>
<context>
    <name>frmNewTest</name>
    <message>
        <source>Add New Test</source>
        <translation>Neuen Test anlegen</translation>
    </message>
    <message>
        <source>Previous question</source>
        <translation>Vorige Frage</translation>
    </message>
    <message>
        <source>Question 1</source>
        <translation>Frage 1</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Nächste Frage</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Frage:</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Antwort:</translation>
    </message>
    <message>
        <source>False Answer:</source>
        <translation>Falsche Antwort:</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Frage %1</translation>
    </message>
    <message numerus="yes">
        <source>There are %n questions left to write.<byte value="xd"/>
Are you sure you want to exit?</source>
        <translation>
            <numerusform>Es ist noch %n Frage zu schreiben.<byte value="xd"/>
Wollen Sie wirklich beenden?</numerusform>
            <numerusform>Es sind noch %n Fragen zu schreiben.<byte value="xd"/>
Wollen Sie wirklich beenden?</numerusform>
        </translation>
    </message>
    <message>
        <source>Incomplete Test</source>
        <translation>Nicht abgeschlossener Test</translation>
    </message>
    <message>
        <source>False answer 1</source>
        <translation>Falsche Antwort 1</translation>
    </message>
    <message>
        <source>False answer 2</source>
        <translation>Falsche Antwort 2</translation>
    </message>
    <message>
        <source>Picture&apos;s description:</source>
        <translation>Beschreibung des Bildes:</translation>
    </message>
    <message>
        <source>&amp;Picture…</source>
        <translation>&amp;Bild…</translation>
    </message>
    <message>
        <source>&amp;Remove Picture</source>
        <translation>Bild ent&amp;fernen</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.webp)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.gif *.bmp *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>This file cannot be used as the question&apos;s picture.
%1</source>
        <translation>Diese Datei kann nicht als Bild der Frage verwendet werden.
%1</translation>
    </message>
    <message>
        <source>Remove this question&apos;s picture?</source>
        <translation>Das Bild dieser Frage entfernen?</translation>
    </message>
    <message>
        <source>Remove Picture</source>
        <translation>Bild entfernen</translation>
    </message>
</context>
<context>
    <name>frmNewTestIntro</name>
    <message>
        <source>Create New Test</source>
        <translation>Neuen Test erstellen</translation>
    </message>
    <message>
        <source>Test Name:</source>
        <translation>Name des Tests:</translation>
    </message>
    <message>
        <source>Description of test/instructions:</source>
        <translation>Beschreibung des Tests/Anleitung:</translation>
    </message>
    <message>
        <source>Length of test in minutes:</source>
        <translation>Dauer des Tests in Minuten:</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>You must specify the length of the test.</source>
        <translation>Sie müssen die Dauer des Tests angeben.</translation>
    </message>
    <message>
        <source>Required Field</source>
        <translation>Pflichtfeld</translation>
    </message>
</context>
<context>
    <name>frmQuestions</name>
    <message>
        <source>Remaining time:</source>
        <translation>Verbleibende Zeit:</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Frage %1</translation>
    </message>
    <message>
        <source>Time Is Up!</source>
        <translation>Die Zeit ist um!</translation>
    </message>
    <message>
        <source>Finish this test now? Your answers will be graded.</source>
        <translation>Diesen Test jetzt abschließen? Ihre Antworten werden bewertet.</translation>
    </message>
    <message>
        <source>Question %1, answered</source>
        <translation>Frage %1, beantwortet</translation>
    </message>
    <message>
        <source>Question %1, not answered</source>
        <translation>Frage %1, nicht beantwortet</translation>
    </message>
    <message>
        <source>Remaining time %1</source>
        <translation>Verbleibende Zeit %1</translation>
    </message>
    <message>
        <source>5 minutes left</source>
        <translation>Noch 5 Minuten</translation>
    </message>
    <message>
        <source>1 minute left</source>
        <translation>Noch 1 Minute</translation>
    </message>
    <message>
        <source>Your teacher has finished this test.</source>
        <translation>Ihre Lehrkraft hat diesen Test abgeschlossen.</translation>
    </message>
</context>
<context>
    <name>frmQuestionsIntro</name>
    <message>
        <source>You can advance the question using the buttons or by directly clicking on the number of the question.  When answered, the number of the question will turn green.  If you finish before time runs out, press the &quot;Done&quot; button.</source>
        <translation>Sie können mit den Schaltflächen oder durch einen Klick auf die Nummer einer Frage zu ihr wechseln.  Beantwortete Fragen erhalten eine grüne Nummer.  Wenn Sie vor Ablauf der Zeit fertig sind, klicken Sie auf „Fertig“.</translation>
    </message>
    <message>
        <source>&amp;Begin</source>
        <translation>&amp;Beginnen</translation>
    </message>
    <message numerus="yes">
        <source>You will be given %n minutes to complete this test.</source>
        <translation>
            <numerusform>Sie haben %n Minute Zeit, um diesen Test zu bearbeiten.</numerusform>
            <numerusform>Sie haben %n Minuten Zeit, um diesen Test zu bearbeiten.</numerusform>
        </translation>
    </message>
    <message>
        <source>You will be given %1 minutes to complete this test.</source>
        <translation>Sie haben %1 Minuten Zeit, um diesen Test zu bearbeiten.</translation>
    </message>
    <message numerus="yes">
        <source>This includes %n minutes of extra time.</source>
        <translation>
            <numerusform>Darin ist %n Minute Zeitverlängerung enthalten.</numerusform>
            <numerusform>Darin sind %n Minuten Zeitverlängerung enthalten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>&amp;Questions:</source>
        <translation>&amp;Fragen:</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>&amp;Flags:</source>
        <translation>&amp;Hinweise:</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>&amp;Edit Question</source>
        <translation>Frage &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>Als CSV &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Printing....</source>
        <translation>Drucken ...</translation>
    </message>
    <message>
        <source>Statistics: %1</source>
        <translation>Statistik: %1</translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation>Frage %1: %2</translation>
    </message>
    <message>
        <source>Save Statistics</source>
        <translation>Statistik speichern</translation>
    </message>
    <message>
        <source>%1 statistics.csv</source>
        <translation>%1 Statistik.csv</translation>
    </message>
    <message>
        <source>Histogram of grades</source>
        <translation>Verteilung der Ergebnisse</translation>
    </message>
    <message numerus="yes">
        <source>The statistics of %n questions written to %1.</source>
        <translation>
            <numerusform>Die Statistik von %n Frage in %1 geschrieben.</numerusform>
            <numerusform>Die Statistik von %n Fragen in %1 geschrieben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmTestResults</name>
    <message>
        <source>&amp;View Missed Questions</source>
        <translation>Falsche Antworten &amp;ansehen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>&amp;Save Results…</source>
        <translation>Ergebnisse &amp;speichern…</translation>
    </message>
    <message>
        <source>Test Results For %1</source>
        <translation>Testergebnisse von %1</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this test result?</source>
        <translation>Wollen Sie dieses Testergebnis wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete The Test Result</source>
        <translation>Testergebnis löschen</translation>
    </message>
    <message>
        <source>%1 results.csv</source>
        <translation>%1 Ergebnisse.csv</translation>
    </message>
    <message>
        <source>Give &amp;More Time…</source>
        <translation>&amp;Mehr Zeit geben…</translation>
    </message>
    <message>
        <source>&amp;Finish Now</source>
        <translation>Jetzt a&amp;bschließen</translation>
    </message>
</context>
<context>
    <name>labdb</name>
    <message>
        <source>wrote the workstations&apos; settings file %1</source>
        <translation>Einstellungsdatei der Arbeitsplätze %1 geschrieben</translation>
    </message>
    <message>
        <source>created the tables, the functions and the roles</source>
        <translation>Tabellen, Funktionen und Rollen angelegt</translation>
    </message>
    <message>
        <source>the tables are at version %1 already</source>
        <translation>die Tabellen haben bereits Version %1</translation>
    </message>
    <message>
        <source>brought the tables from version %1 to version %2</source>
        <translation>Tabellen von Version %1 auf Version %2 gebracht</translation>
    </message>
    <message>
        <source>took setseed, pg_sleep, the advisory locks, the large objects and the signals to other sessions from everyone but the superuser</source>
        <translation>setseed, pg_sleep, die Advisory Locks, die Large Objects und die Signale an andere Sitzungen allen außer dem Superuser entzogen</translation>
    </message>
    <message>
        <source>New password for the administrator role: </source>
        <translation>Neues Passwort für die Administratorrolle: </translation>
    </message>
    <message>
        <source>The same password again: </source>
        <translation>Dasselbe Passwort noch einmal: </translation>
    </message>
    <message>
        <source>The two passwords differ; nothing was changed.</source>
        <translation>Die beiden Passwörter stimmen nicht überein; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>wrote %1; the server %2 answers and asks for the administrator&apos;s password</source>
        <translation>%1 geschrieben; der Server %2 antwortet und fragt nach dem Passwort des Administrators</translation>
    </message>
    <message>
        <source>gave the administrator role %1 its new password</source>
        <translation>der Administratorrolle %1 das neue Passwort gegeben</translation>
    </message>
    <message>
        <source>usage: labdb create SETTINGS [WORKSTATION]
       labdb copy DATABASE SETTINGS
       labdb upgrade SETTINGS [WORKSTATION]
       labdb harden SUPERUSER
       labdb admin-password SETTINGS
       labdb join HOST WORKSTATION [--ca FILE] [--database NAME] [--port PORT]
SETTINGS is a VornickTest.ini naming the server and the database&apos;s owner;
WORKSTATION is the VornickTest.ini to write for the workstations; DATABASE is an Ostrel.mdb;
SUPERUSER is a VornickTest.ini naming the server&apos;s superuser and the database.</source>
        <translation>Aufruf: labdb create EINSTELLUNGEN [ARBEITSPLATZ]
        labdb copy DATENBANK EINSTELLUNGEN
        labdb upgrade EINSTELLUNGEN [ARBEITSPLATZ]
        labdb harden SUPERUSER
        labdb admin-password EINSTELLUNGEN
        labdb join RECHNER ARBEITSPLATZ [--ca DATEI] [--database NAME] [--port PORT]
EINSTELLUNGEN ist eine VornickTest.ini, die den Server und den Eigentümer der Datenbank nennt;
ARBEITSPLATZ ist die für die Arbeitsplätze zu schreibende VornickTest.ini; DATENBANK ist eine Ostrel.mdb;
SUPERUSER ist eine VornickTest.ini, die den Superuser des Servers und die Datenbank nennt.</translation>
    </message>
    <message>
        <source>copied %1, %2, %3 and %4</source>
        <translation>%1, %2, %3 und %4 kopiert</translation>
    </message>
    <message numerus="yes">
        <source>%n students</source>
        <translation>
            <numerusform>%n Schüler</numerusform>
            <numerusform>%n Schüler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tests</source>
        <translation>
            <numerusform>%n Test</numerusform>
            <numerusform>%n Tests</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n results</source>
        <translation>
            <numerusform>%n Ergebnis</numerusform>
            <numerusform>%n Ergebnisse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n Bild</numerusform>
            <numerusform>%n Bilder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vornick-admin</name>
    <message>
        <source>The new test&apos;s title (default: from the file).</source>
        <translation>Der Titel des neuen Tests (Vorgabe: aus der Datei).</translation>
    </message>
    <message>
        <source>The test&apos;s length in minutes (default: %1).</source>
        <translation>Die Dauer des Tests in Minuten (Vorgabe: %1).</translation>
    </message>
    <message>
        <source>The test&apos;s description.</source>
        <translation>Die Beschreibung des Tests.</translation>
    </message>
    <message>
        <source>Take only the first N usable questions (at most 25).</source>
        <translation>Nur die ersten N verwendbaren Fragen übernehmen (höchstens 25).</translation>
    </message>
    <message>
        <source>The file to write (default: standard output).</source>
        <translation>Die zu schreibende Datei (Vorgabe: Standardausgabe).</translation>
    </message>
    <message>
        <source>Only this test&apos;s results (its number or title).</source>
        <translation>Nur die Ergebnisse dieses Tests (seine Nummer oder sein Titel).</translation>
    </message>
    <message>
        <source>Only this student&apos;s results (their number or name).</source>
        <translation>Nur die Ergebnisse dieses Schülers (Nummer oder Name).</translation>
    </message>
    <message>
        <source>An Ostrel.mdb to work on.</source>
        <translation>Eine Ostrel.mdb, mit der gearbeitet wird.</translation>
    </message>
    <message>
        <source>A VornickTest.ini naming a lab&apos;s server and its owner.</source>
        <translation>Eine VornickTest.ini, die den Server eines Computerraums und seinen Eigentümer nennt.</translation>
    </message>
    <message>
        <source>--%1 does not go with this command.</source>
        <translation>--%1 passt nicht zu diesem Befehl.</translation>
    </message>
    <message>
        <source>give --database or --settings, not both.</source>
        <translation>Geben Sie --database oder --settings an, nicht beides.</translation>
    </message>
    <message>
        <source> (The title came from the file; give one with --title.)</source>
        <translation> (Der Titel stammt aus der Datei; geben Sie einen mit --title an.)</translation>
    </message>
    <message>
        <source>%1: no question in the file can be used; nothing was stored.</source>
        <translation>%1: Keine Frage der Datei ist verwendbar; es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>--first takes a number from 1 to %1.</source>
        <translation>--first erwartet eine Zahl von 1 bis %1.</translation>
    </message>
    <message>
        <source>Read %1 as %2.</source>
        <translation>%1 als %2 gelesen.</translation>
    </message>
    <message>
        <source>several tests are titled &quot;%1&quot;; give the test&apos;s number.</source>
        <translation>mehrere Tests heißen „%1“; geben Sie die Nummer des Tests an.</translation>
    </message>
    <message>
        <source>no test is numbered or titled &quot;%1&quot;.</source>
        <translation>kein Test hat die Nummer oder den Titel „%1“.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>several students are named &quot;%1&quot;; give the student&apos;s number.</source>
        <translation>mehrere Schüler heißen „%1“; geben Sie die Nummer des Schülers an.</translation>
    </message>
    <message>
        <source>no student is numbered or named &quot;%1&quot;.</source>
        <translation>kein Schüler hat die Nummer oder den Namen „%1“.</translation>
    </message>
    <message>
        <source>results needs --output FILE.</source>
        <translation>results braucht --output DATEI.</translation>
    </message>
    <message>
        <source>Test %1 &quot;%2&quot;</source>
        <translation>Test %1 „%2“</translation>
    </message>
    <message>
        <source>results takes no file or test; use --test and --student.</source>
        <translation>results nimmt keine Datei und keinen Test; verwenden Sie --test und --student.</translation>
    </message>
    <message>
        <source>give a command and its file or test.</source>
        <translation>Geben Sie einen Befehl und seine Datei oder seinen Test an.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;.</source>
        <translation>unbekannter Befehl „%1“.</translation>
    </message>
    <message>
        <source> See vornick-admin --help.</source>
        <translation> Siehe vornick-admin --help.</translation>
    </message>
    <message>
        <source>%1 cannot be written: the folder %2 does not exist.</source>
        <translation>%1 kann nicht geschrieben werden: Der Ordner %2 existiert nicht.</translation>
    </message>
    <message>
        <source>the settings file is a lab workstation&apos;s, which signs no one in who reads the tables: give the database owner&apos;s settings file with --settings.</source>
        <translation>die Einstellungsdatei ist die eines Arbeitsplatzes im Computerraum, die niemanden anmeldet, der die Tabellen lesen darf: Geben Sie mit --settings die Einstellungsdatei des Datenbank-Eigentümers an.</translation>
    </message>
    <message>
        <source>extra time is a whole number from 0 to %1.</source>
        <translation>die Zeitverlängerung ist eine ganze Zahl von 0 bis %1.</translation>
    </message>
    <message>
        <source>%1 now has %2% extra time.</source>
        <translation>%1 hat jetzt %2 % Zeitverlängerung.</translation>
    </message>
    <message>
        <source>%1 has %2% extra time.</source>
        <translation>%1 hat %2 % Zeitverlängerung.</translation>
    </message>
    <message>
        <source>%1 has not begun &quot;%2&quot;; nothing was changed.</source>
        <translation>%1 hat „%2“ noch nicht begonnen; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>%1&apos;s attempt at &quot;%2&quot; is finished already; nothing was changed.</source>
        <translation>Der Versuch von %1 bei „%2“ ist bereits abgeschlossen; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>more time is a whole number of minutes from 1 to %1.</source>
        <translation>mehr Zeit ist eine ganze Zahl von Minuten von 1 bis %1.</translation>
    </message>
    <message numerus="yes">
        <source>Gave %1 %n more minutes on &quot;%2&quot;.</source>
        <translation>
            <numerusform>%1 hat %n Minute mehr für „%2“ erhalten.</numerusform>
            <numerusform>%1 hat %n Minuten mehr für „%2“ erhalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished %1&apos;s attempt at &quot;%2&quot;.</source>
        <translation>Der Versuch von %1 bei „%2“ wurde abgeschlossen.</translation>
    </message>
    <message>
        <source>No attempt is in progress.</source>
        <translation>Es läuft kein Versuch.</translation>
    </message>
    <message>
        <source>Student	Test	Began	Answered	Time left</source>
        <translation>Schüler	Test	Begonnen	Beantwortet	Restzeit</translation>
    </message>
    <message>
        <source>attempts takes nothing more.</source>
        <translation>attempts nimmt nichts weiter.</translation>
    </message>
    <message>
        <source>extra-time takes a student and, to set it, a percentage.</source>
        <translation>extra-time nimmt einen Schüler und, um sie festzulegen, einen Prozentsatz.</translation>
    </message>
    <message>
        <source>more-time takes a student, a test and the minutes to add.</source>
        <translation>more-time nimmt einen Schüler, einen Test und die hinzuzufügenden Minuten.</translation>
    </message>
    <message>
        <source>finish takes a student and a test.</source>
        <translation>finish nimmt einen Schüler und einen Test.</translation>
    </message>
    <message>
        <source>gift, aiken or moodle.</source>
        <translation>gift, aiken oder moodle.</translation>
    </message>
    <message>
        <source>export needs --format gift, --format aiken or --format moodle.</source>
        <translation>export braucht --format gift, --format aiken oder --format moodle.</translation>
    </message>
    <message>
        <source>Not taken (past the first %1): the questions from line %2 on.</source>
        <translation>Nicht übernommen (nach den ersten %1): die Fragen ab Zeile %2.</translation>
    </message>
    <message>
        <source>Restore over a database that holds students, tests or results.</source>
        <translation>Auch über eine Datenbank mit Schülern, Tests oder Ergebnissen zurückspielen.</translation>
    </message>
    <message>
        <source>a lab&apos;s database is backed up and restored on its server, with vornick-labdb backup and restore.</source>
        <translation>die Datenbank eines Computerraums wird auf ihrem Server gesichert und zurückgespielt, mit vornick-labdb backup und restore.</translation>
    </message>
    <message>
        <source>Wrote the backup %1 of %2 (%3 bytes).</source>
        <translation>Sicherung %1 von %2 geschrieben (%3 Bytes).</translation>
    </message>
    <message>
        <source>Restored %1 as %2.</source>
        <translation>%1 als %2 zurückgespielt.</translation>
    </message>
    <message>
        <source>usage: vornick-admin import FILE [--title T] [--minutes N] [--description D] [--first N]
       vornick-admin export TEST --format gift|aiken|moodle [--output FILE]
       vornick-admin results [--test TEST] [--student NAME_OR_NUMBER] --output FILE
       vornick-admin analysis TEST [--output FILE.csv]
       vornick-admin extra-time STUDENT [PERCENT]
       vornick-admin attempts
       vornick-admin more-time STUDENT TEST MINUTES
       vornick-admin finish STUDENT TEST
       vornick-admin backup FILE
       vornick-admin restore FILE [--replace]
All take --database PATH (an Ostrel.mdb) or --settings INI (a VornickTest.ini); without them they
work on the database of the program beside this tool. TEST is a test&apos;s number or its title.
FILE is a GIFT, an Aiken or a Moodle XML file; a test takes at most 25 questions, and fewer than 25 make an
unfinished test. The length defaults to %1 minutes. results writes attempts as CSV (all of them, or
those of a test, a student or both); analysis prints a test&apos;s item statistics and with --output
saves its per-slot table as CSV. extra-time shows or sets a student&apos;s extra time (0 to 400 percent of
every test&apos;s length); attempts lists the attempts in progress; more-time adds 1 to 600 minutes to one,
finish grades one now. STUDENT is a student&apos;s number or name. backup writes a copy of the database
file while the program may be using it; restore puts one back, over students, tests or results
only with --replace.</source>
        <translation>Aufruf: vornick-admin import DATEI [--title T] [--minutes N] [--description D] [--first N]
        vornick-admin export TEST --format gift|aiken|moodle [--output DATEI]
        vornick-admin results [--test TEST] [--student NAME_ODER_NUMMER] --output DATEI
        vornick-admin analysis TEST [--output DATEI.csv]
        vornick-admin extra-time SCHÜLER [PROZENT]
        vornick-admin attempts
        vornick-admin more-time SCHÜLER TEST MINUTEN
        vornick-admin finish SCHÜLER TEST
        vornick-admin backup DATEI
        vornick-admin restore DATEI [--replace]
Alle nehmen --database PFAD (eine Ostrel.mdb) oder --settings INI (eine VornickTest.ini); ohne sie
arbeiten sie mit der Datenbank des Programms neben diesem Werkzeug. TEST ist die Nummer oder der Titel eines Tests.
DATEI ist eine GIFT-, Aiken- oder Moodle-XML-Datei; ein Test hat höchstens 25 Fragen, weniger als 25 ergeben einen
nicht abgeschlossenen Test. Die Dauer ist ohne Angabe %1 Minuten. results schreibt Versuche als CSV (alle, oder
die eines Tests, eines Schülers oder beider); analysis gibt die Aufgabenstatistik eines Tests aus und
speichert mit --output ihre Tabelle je Frage als CSV. extra-time zeigt oder setzt die Zeitverlängerung eines
Schülers (0 bis 400 Prozent der Dauer jedes Tests); attempts listet die laufenden Versuche; more-time gibt einem
von ihnen 1 bis 600 Minuten mehr, finish schließt ihn sofort ab. SCHÜLER ist die Nummer oder der Name eines Schülers. backup schreibt eine Kopie der
Datenbankdatei, auch während das Programm sie benutzt; restore spielt eine zurück, über Schüler, Tests oder Ergebnisse
nur mit --replace.</translation>
    </message>
    <message numerus="yes">
        <source>Stored test %1 &quot;%2&quot; with %n questions.</source>
        <translation>
            <numerusform>Test %1 „%2“ mit %n Frage gespeichert.</numerusform>
            <numerusform>Test %1 „%2“ mit %n Fragen gespeichert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n questions of test %1 &quot;%2&quot; to %3.</source>
        <translation>
            <numerusform>%n Frage von Test %1 „%2“ in %3 geschrieben.</numerusform>
            <numerusform>%n Fragen von Test %1 „%2“ in %3 geschrieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n results to %1.</source>
        <translation>
            <numerusform>%n Ergebnis in %1 geschrieben.</numerusform>
            <numerusform>%n Ergebnisse in %1 geschrieben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vornick-passwd</name>
    <message>
        <source>usage: vornick-passwd --reset [DATABASE | SETTINGS]
Puts the administrator&apos;s password back to the default. Without a path, the database
of the program installed beside this tool; a path ending in .ini is a settings file.</source>
        <translation>Aufruf: vornick-passwd --reset [DATENBANK | EINSTELLUNGEN]
Setzt das Passwort des Administrators auf die Vorgabe zurück. Ohne Pfad die Datenbank
des neben diesem Werkzeug installierten Programms; ein Pfad mit der Endung .ini ist eine Einstellungsdatei.</translation>
    </message>
    <message>
        <source>vornick-passwd: on this lab&apos;s server the administrator signs in as the role %1, whose
password the server keeps. As the database&apos;s owner, give it a new one with psql:
    \password %1</source>
        <translation>vornick-passwd: Auf dem Server dieses Computerraums meldet sich der Administrator als Rolle %1 an, deren
Passwort der Server verwaltet. Geben Sie ihr als Eigentümer der Datenbank mit psql ein neues:
    \password %1</translation>
    </message>
    <message>
        <source>The administrator&apos;s password of %1 is &quot;%2&quot; again.</source>
        <translation>Das Passwort des Administrators von %1 ist wieder „%2“.</translation>
    </message>
    <message>
        <source>The administrator&apos;s password of %1 was &quot;%2&quot; already.</source>
        <translation>Das Passwort des Administrators von %1 war bereits „%2“.</translation>
    </message>
</context>
</TS>
