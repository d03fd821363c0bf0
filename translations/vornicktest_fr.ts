<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AdminPassword</name>
    <message>
        <source>The password library could not be started.</source>
        <translation>La bibliothèque des mots de passe n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>There is not enough memory to store the new password.</source>
        <translation>La mémoire est insuffisante pour enregistrer le nouveau mot de passe.</translation>
    </message>
</context>
<context>
    <name>Aiken</name>
    <message>
        <source>The question has no &quot;ANSWER:&quot; line after its options.</source>
        <translation>La question n&apos;a pas de ligne «&#xa0;ANSWER:&#xa0;» après ses propositions.</translation>
    </message>
    <message>
        <source>The question has no &quot;ANSWER:&quot; line.</source>
        <translation>La question n&apos;a pas de ligne «&#xa0;ANSWER:&#xa0;».</translation>
    </message>
    <message>
        <source>An &quot;ANSWER:&quot; line with no question before it.</source>
        <translation>Une ligne «&#xa0;ANSWER:&#xa0;» sans question avant elle.</translation>
    </message>
    <message>
        <source>&quot;ANSWER:&quot; must be followed by one option letter, such as ANSWER: B.</source>
        <translation>«&#xa0;ANSWER:&#xa0;» doit être suivi d&apos;une seule lettre de proposition, par exemple ANSWER: B.</translation>
    </message>
    <message>
        <source>Two options are lettered %1.</source>
        <translation>Deux propositions portent la lettre %1.</translation>
    </message>
    <message>
        <source>The question has an empty option.</source>
        <translation>La question a une proposition vide.</translation>
    </message>
    <message numerus="yes">
        <source>The question has a text of %1 characters; a question or an answer may have at most %2.</source>
        <translation>
            <numerusform>La question a un texte de %1 caractères&#x202f;; une question ou une réponse en compte au plus %2.</numerusform>
            <numerusform>La question a un texte de %1 caractères&#x202f;; une question ou une réponse en compte au plus %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>a line break, which Aiken cannot hold; each is written as a blank.</source>
        <translation>un saut de ligne, qu&apos;Aiken ne peut pas contenir&#x202f;; chacun est écrit comme une espace.</translation>
    </message>
    <message>
        <source>blanks at the start or end of a text, which Aiken cannot hold; they are left out.</source>
        <translation>des espaces au début ou à la fin d&apos;un texte, qu&apos;Aiken ne peut pas contenir&#x202f;; ils sont supprimés.</translation>
    </message>
    <message>
        <source>a question beginning with &quot;ANSWER:&quot;, which Aiken takes for the answer line; written after the word &quot;Question:&quot;.</source>
        <translation>une question commençant par «&#xa0;ANSWER:&#xa0;», qu&apos;Aiken prend pour la ligne de réponse&#x202f;; elle est écrite après le mot «&#xa0;Question:&#xa0;».</translation>
    </message>
    <message>
        <source>an empty answer; reading the file back leaves the question out.</source>
        <translation>une réponse vide&#x202f;; à la relecture du fichier, la question est ignorée.</translation>
    </message>
    <message>
        <source>ANSWER: %1 names none of the question&apos;s options.</source>
        <translation>ANSWER: %1 ne désigne aucune des propositions de la question.</translation>
    </message>
    <message>
        <source>picture left out (Aiken carries no pictures).</source>
        <translation>image omise (Aiken ne porte pas d&apos;images).</translation>
    </message>
    <message numerus="yes">
        <source>The question has %n options; the program needs exactly three: one right answer and two false ones.</source>
        <translation>
            <numerusform>La question a %n proposition&#x202f;; le programme en demande exactement trois&#xa0;: une bonne réponse et deux fausses.</numerusform>
            <numerusform>La question a %n propositions&#x202f;; le programme en demande exactement trois&#xa0;: une bonne réponse et deux fausses.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AnalysisText</name>
    <message>
        <source>Warning: fewer than 5 finished attempts; these figures mean little.</source>
        <translation>Attention&#xa0;: moins de 5 tentatives terminées&#x202f;; ces chiffres sont peu significatifs.</translation>
    </message>
    <message>
        <source>possible wrong key</source>
        <translation>corrigé peut-être erroné</translation>
    </message>
    <message>
        <source>negative discrimination</source>
        <translation>discrimination négative</translation>
    </message>
    <message>
        <source>too easy</source>
        <translation>trop facile</translation>
    </message>
    <message>
        <source>too hard</source>
        <translation>trop difficile</translation>
    </message>
    <message>
        <source>Finished attempts (N): %L1</source>
        <translation>Tentatives terminées (N)&#xa0;: %L1</translation>
    </message>
    <message>
        <source>Mean grade: %1   Standard deviation: %2   Lowest: %3   Highest: %4</source>
        <translation>Note moyenne&#xa0;: %1   Écart type&#xa0;: %2   Minimum&#xa0;: %3   Maximum&#xa0;: %4</translation>
    </message>
    <message>
        <source>Reliability (Cronbach&apos;s alpha, KR-20): %1   Standard error of measurement: %2</source>
        <translation>Fidélité (alpha de Cronbach, KR-20)&#xa0;: %1   Erreur type de mesure&#xa0;: %2</translation>
    </message>
    <message>
        <source>Slot</source>
        <extracomment>A column heading of the printed table, kept short.</extracomment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Facility</source>
        <extracomment>A column heading of the printed table, kept short.</extracomment>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>Discrimination</source>
        <translation>Discrimination</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>A column heading of the printed table, kept short (the right answer).</extracomment>
        <translation>Bonne</translation>
    </message>
    <message>
        <source>False 1</source>
        <translation>Fausse 1</translation>
    </message>
    <message>
        <source>False 2</source>
        <translation>Fausse 2</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>A column heading of the printed table, kept short (no answer given).</extracomment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Top answer</source>
        <translation>Sup. bonne</translation>
    </message>
    <message>
        <source>Top false 1</source>
        <translation>Sup. fausse 1</translation>
    </message>
    <message>
        <source>Top false 2</source>
        <translation>Sup. fausse 2</translation>
    </message>
    <message>
        <source>Top none</source>
        <translation>Sup. aucune</translation>
    </message>
    <message>
        <source>Bottom answer</source>
        <translation>Inf. bonne</translation>
    </message>
    <message>
        <source>Bottom false 1</source>
        <translation>Inf. fausse 1</translation>
    </message>
    <message>
        <source>Bottom false 2</source>
        <translation>Inf. fausse 2</translation>
    </message>
    <message>
        <source>Bottom none</source>
        <translation>Inf. aucune</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Alertes</translation>
    </message>
    <message>
        <source>Choices: A the answer, F1 and F2 the false answers, - none; T: in the top group, B: in the bottom group.</source>
        <translation>Choix&#xa0;: A la bonne réponse, F1 et F2 les fausses, - aucune&#x202f;; T&#xa0;: dans le groupe supérieur, B&#xa0;: dans le groupe inférieur.</translation>
    </message>
    <message>
        <source>Discrim.</source>
        <extracomment>Short for discrimination: a column heading of the printed table.</extracomment>
        <translation>Discrim.</translation>
    </message>
    <message>
        <source>False1</source>
        <extracomment>A column heading of the printed table, kept short (the first false answer).</extracomment>
        <translation>Fausse 1</translation>
    </message>
    <message>
        <source>False2</source>
        <extracomment>A column heading of the printed table, kept short (the second false answer).</extracomment>
        <translation>Fausse 2</translation>
    </message>
    <message>
        <source>  Flags</source>
        <translation>  Alertes</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>N° %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Keys are not checked below 20 finished attempts, so none is flagged as possibly wrong.</source>
        <translation>Le corrigé n&apos;est pas vérifié en dessous de 20 tentatives terminées&#xa0;: aucune réponse n&apos;est donc signalée comme peut-être erronée.</translation>
    </message>
    <message numerus="yes">
        <source>Top and bottom groups: %Ln attempts each (27%)</source>
        <translation>
            <numerusform>Groupes supérieur et inférieur&#xa0;: %Ln tentative chacun (27 %)</numerusform>
            <numerusform>Groupes supérieur et inférieur&#xa0;: %Ln tentatives chacun (27 %)</numerusform>
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
        <translation>Cet élève n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Extra time must be a whole number from 0 to %1.</source>
        <translation>Le temps supplémentaire doit être un nombre entier de 0 à %1.</translation>
    </message>
</context>
<context>
    <name>AttemptHold</name>
    <message>
        <source>This attempt is finished already.</source>
        <translation>Cette tentative est déjà terminée.</translation>
    </message>
    <message>
        <source>The student has not begun this test.</source>
        <translation>L&apos;élève n&apos;a pas encore commencé ce test.</translation>
    </message>
    <message>
        <source>Give More Time</source>
        <translation>Donner plus de temps</translation>
    </message>
    <message>
        <source>Minutes to add to this attempt (1 to %1):</source>
        <translation>Minutes à ajouter à cette tentative (1 à %1)&#xa0;:</translation>
    </message>
    <message>
        <source>Finish Now</source>
        <translation>Terminer maintenant</translation>
    </message>
    <message>
        <source>Finish this attempt now? It will be graded from the answers stored.</source>
        <translation>Terminer cette tentative maintenant&#x202f;? Elle sera notée d&apos;après les réponses enregistrées.</translation>
    </message>
    <message>
        <source>Give %1 more time on %2 (%3 left)?</source>
        <translation>Donner plus de temps à %1 pour %2 (reste %3)&#x202f;?</translation>
    </message>
    <message>
        <source>Give %1 more time on %2?</source>
        <translation>Donner plus de temps à %1 pour %2&#x202f;?</translation>
    </message>
    <message>
        <source>Finish %1&apos;s attempt at %2 now (%3 left)? It will be graded from the answers stored.</source>
        <translation>Terminer maintenant la tentative de %1 à %2 (reste %3)&#x202f;? Elle sera notée d&apos;après les réponses enregistrées.</translation>
    </message>
    <message>
        <source>Finish %1&apos;s attempt at %2 now? It will be graded from the answers stored.</source>
        <translation>Terminer maintenant la tentative de %1 à %2&#x202f;? Elle sera notée d&apos;après les réponses enregistrées.</translation>
    </message>
</context>
<context>
    <name>ClientLibraries</name>
    <message>
        <source>The library %1 cannot be loaded: %2</source>
        <translation>La bibliothèque %1 ne peut pas être chargée&#xa0;: %2</translation>
    </message>
    <message>
        <source>The library %1 has no function %2.</source>
        <translation>La bibliothèque %1 n&apos;a pas de fonction %2.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The %1 of the settings file may not hold a &apos;;&apos;.</source>
        <translation>La valeur %1 du fichier de paramètres ne peut pas contenir de &quot;;&quot;.</translation>
    </message>
    <message>
        <source>its folder %1</source>
        <translation>son dossier %1</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>le fichier</translation>
    </message>
    <message>
        <source>The database %1 cannot be written by this user account (%2 is read-only for it), so no answer or change could be stored.
Ask the person who installed VornickTest to give this account write access to the database file and its folder.</source>
        <translation>La base de données %1 n&apos;est pas accessible en écriture pour ce compte (%2 est en lecture seule pour lui)&#xa0;: aucune réponse ni modification n&apos;a pu être enregistrée.
Demandez à la personne qui a installé VornickTest de donner à ce compte le droit d&apos;écrire dans le fichier de la base et dans son dossier.</translation>
    </message>
    <message>
        <source>The database driver %1 is not installed.</source>
        <translation>Le pilote de base de données %1 n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Opération non autorisée lorsque l&apos;objet est fermé.</translation>
    </message>
    <message>
        <source>The database %1 cannot be found: its folder %2 does not exist.</source>
        <translation>La base de données %1 est introuvable&#xa0;: son dossier %2 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The database %1 cannot be read by this user account (%2 is closed to it).
Ask the person who installed VornickTest to give this account access to the database file and its folder.</source>
        <translation>La base de données %1 n&apos;est pas lisible pour ce compte (%2 lui est fermé).
Demandez à la personne qui a installé VornickTest de donner à ce compte l&apos;accès au fichier de la base et à son dossier.</translation>
    </message>
    <message>
        <source>The database %1 does not exist.</source>
        <translation>La base de données %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The database %1 cannot be opened: %2</source>
        <translation>La base de données %1 ne peut pas être ouverte&#xa0;: %2</translation>
    </message>
    <message>
        <source>This session has ended; please sign in again.</source>
        <translation>Cette session est terminée&#x202f;; veuillez vous reconnecter.</translation>
    </message>
    <message>
        <source>The database is busy saving results; try again when they are saved.</source>
        <translation>La base de données enregistre des résultats&#x202f;; réessayez lorsqu&apos;ils seront enregistrés.</translation>
    </message>
    <message>
        <source>The database driver QPSQL cannot be loaded. A server is reached through Qt&apos;s PostgreSQL driver (Debian&apos;s libqt6sql6-psql) and the PostgreSQL client library libpq (libpq5); both must be installed.</source>
        <translation>Le pilote de base de données QPSQL ne peut pas être chargé. Un serveur est atteint par le pilote PostgreSQL de Qt (libqt6sql6-psql de Debian) et la bibliothèque cliente PostgreSQL libpq (libpq5)&#x202f;; les deux doivent être installés.</translation>
    </message>
</context>
<context>
    <name>Cursor</name>
    <message>
        <source>The database driver cannot hand over rows one at a time.</source>
        <translation>Le pilote de base de données ne peut pas transmettre les lignes une à une.</translation>
    </message>
</context>
<context>
    <name>EmbeddedWork</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
</context>
<context>
    <name>ErrorPolicy</name>
    <message>
        <source>Connection to the server lost; trying again…</source>
        <translation>Connexion au serveur perdue&#x202f;; nouvelle tentative…</translation>
    </message>
</context>
<context>
    <name>FileBackup</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The backup %1 would be written over the database it copies; give another file.</source>
        <translation>La sauvegarde %1 écraserait la base qu’elle copie&#x202f;; indiquez un autre fichier.</translation>
    </message>
    <message>
        <source>The database %1 does not exist.</source>
        <translation>La base %1 n’existe pas.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be written: %2.</source>
        <translation>La sauvegarde %1 ne peut pas être écrite&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be written.</source>
        <translation>La sauvegarde %1 ne peut pas être écrite.</translation>
    </message>
    <message>
        <source>The backup %1 is the database itself.</source>
        <translation>La sauvegarde %1 est la base elle-même.</translation>
    </message>
    <message>
        <source>%1 is not a database of VornickTest; nothing was restored.</source>
        <translation>%1 n’est pas une base de VornickTest&#x202f;; rien n’a été restauré.</translation>
    </message>
    <message numerus="yes">
        <source>The database %1 holds %n students, tests and results; nothing was restored (give --replace to write over them).</source>
        <translation>
            <numerusform>La base %1 contient %n élève, test ou résultat&#x202f;; rien n’a été restauré (ajoutez --replace pour le remplacer).</numerusform>
            <numerusform>La base %1 contient %n élèves, tests et résultats&#x202f;; rien n’a été restauré (ajoutez --replace pour les remplacer).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Gift</name>
    <message>
        <source>the program needs one right answer (=) and two false answers (~).</source>
        <translation>le programme demande une bonne réponse (=) et deux fausses réponses (~).</translation>
    </message>
    <message>
        <source>The line ends in a &quot;\&quot; that escapes nothing; write \\ for a backslash.</source>
        <translation>La ligne se termine par un «&#xa0;\&#xa0;» qui n&apos;échappe rien&#x202f;; écrivez \\ pour une barre oblique inverse.</translation>
    </message>
    <message>
        <source>The question title opened with &quot;::&quot; is never closed with &quot;::&quot;.</source>
        <translation>Le titre de question ouvert par «&#xa0;::&#xa0;» n&apos;est jamais fermé par «&#xa0;::&#xa0;».</translation>
    </message>
    <message>
        <source>a text without answers in { }: a description, not a question.</source>
        <translation>un texte sans réponses entre { }&#xa0;: une description, pas une question.</translation>
    </message>
    <message>
        <source>A &quot;}&quot; with no &quot;{&quot; before it; write \} for a brace inside a text.</source>
        <translation>Une «&#xa0;}&#xa0;» sans «&#xa0;{&#xa0;» avant elle&#x202f;; écrivez \} pour une accolade dans un texte.</translation>
    </message>
    <message>
        <source> (\} is a brace inside a text, not the end of the answers)</source>
        <translation> (\} est une accolade dans un texte, pas la fin des réponses)</translation>
    </message>
    <message>
        <source>The answers opened with &quot;{&quot; here are never closed with &quot;}&quot;%1.</source>
        <translation>Les réponses ouvertes ici par «&#xa0;{&#xa0;» ne sont jamais fermées par «&#xa0;}&#xa0;»%1.</translation>
    </message>
    <message>
        <source>A second &quot;{&quot; before the answers opened on line %1 were closed; write \{ for a brace inside a text.</source>
        <translation>Une deuxième «&#xa0;{&#xa0;» avant la fermeture des réponses ouvertes à la ligne %1&#x202f;; écrivez \{ pour une accolade dans un texte.</translation>
    </message>
    <message>
        <source>A second set of answers after those on line %1; leave a blank line between two questions.</source>
        <translation>Une deuxième série de réponses après celles de la ligne %1&#x202f;; laissez une ligne vide entre deux questions.</translation>
    </message>
    <message>
        <source>an essay question (no answers to choose from); </source>
        <translation>une question ouverte (aucune réponse à choisir)&#x202f;; </translation>
    </message>
    <message>
        <source>a numeric question; </source>
        <translation>une question numérique&#x202f;; </translation>
    </message>
    <message>
        <source>a true/false question; </source>
        <translation>une question vrai/faux&#x202f;; </translation>
    </message>
    <message>
        <source>text before the first answer; each answer begins with = (right) or ~ (false).</source>
        <translation>du texte avant la première réponse&#x202f;; chaque réponse commence par = (bonne) ou ~ (fausse).</translation>
    </message>
    <message>
        <source>a matching question; </source>
        <translation>une question d&apos;appariement&#x202f;; </translation>
    </message>
    <message>
        <source>a short answer question (the student types the answer); </source>
        <translation>une question à réponse courte (l&apos;élève tape la réponse)&#x202f;; </translation>
    </message>
    <message>
        <source>weighted answers (such as %50%); the program counts an answer only as right or wrong.</source>
        <translation>des réponses pondérées (comme %50%)&#x202f;; le programme compte une réponse seulement comme bonne ou fausse.</translation>
    </message>
    <message>
        <source>%1 right and %2 false answers; </source>
        <translation>%1 bonnes et %2 fausses réponses&#x202f;; </translation>
    </message>
    <message>
        <source>no question text.</source>
        <translation>aucun texte de question.</translation>
    </message>
    <message>
        <source>an empty answer.</source>
        <translation>une réponse vide.</translation>
    </message>
    <message numerus="yes">
        <source>a text of %1 characters; a question or an answer may have at most %2.</source>
        <translation>
            <numerusform>un texte de %1 caractères&#x202f;; une question ou une réponse en compte au plus %2.</numerusform>
            <numerusform>un texte de %1 caractères&#x202f;; une question ou une réponse en compte au plus %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>feedback left out.</source>
        <translation>commentaire ignoré.</translation>
    </message>
    <message>
        <source>an empty answer; reading the file back leaves the question out.</source>
        <translation>une réponse vide&#x202f;; à la relecture du fichier, la question est ignorée.</translation>
    </message>
    <message>
        <source>picture left out; its alt text stays in brackets.</source>
        <translation>image ignorée&#x202f;; son texte de remplacement reste entre crochets.</translation>
    </message>
    <message>
        <source>script or style left out.</source>
        <translation>script ou style ignoré.</translation>
    </message>
    <message numerus="yes">
        <source>an HTML text with %1 tags; the program reads at most %2 in one text.</source>
        <translation>
            <numerusform>un texte HTML de %1 balises&#x202f;; le programme en lit au plus %2 dans un texte.</numerusform>
            <numerusform>un texte HTML de %1 balises&#x202f;; le programme en lit au plus %2 dans un texte.</numerusform>
        </translation>
    </message>
    <message>
        <source>past the first %1 HTML tags of the file, more than the program reads in one file; split the file and import each part.</source>
        <translation>au-delà des %1 premières balises HTML du fichier, plus que le programme n&apos;en lit dans un fichier&#x202f;; divisez le fichier et importez chaque partie.</translation>
    </message>
    <message>
        <source>A blank line (line %1) ended the question inside its answers opened with &quot;{&quot; here; leave no blank line between &quot;{&quot; and &quot;}&quot;.</source>
        <translation>Une ligne vide (ligne %1) a terminé la question à l&apos;intérieur de ses réponses ouvertes ici par «&#xa0;{&#xa0;»&#x202f;; ne laissez aucune ligne vide entre «&#xa0;{&#xa0;» et «&#xa0;}&#xa0;».</translation>
    </message>
    <message>
        <source>its picture is left out, its alt text in brackets: %1</source>
        <translation>son image est omise, son texte alternatif reste entre crochets&#xa0;: %1</translation>
    </message>
    <message>
        <source>a picture, written inside the question as HTML (a data: URI); other tools may not show pictures in GIFT.</source>
        <translation>une image, écrite dans la question en HTML (une URI data:)&#x202f;; d&apos;autres logiciels peuvent ne pas afficher les images en GIFT.</translation>
    </message>
    <message>
        <source>blanks at the start or end of a line, or several in a row, in a question written as HTML for its picture; reading the file back gives one blank or none for each.</source>
        <translation>des espaces en début ou en fin de ligne, ou plusieurs à la suite, dans une question écrite en HTML pour son image&#x202f;; à la relecture du fichier, chacun de ces groupes devient un seul espace ou disparaît.</translation>
    </message>
    <message numerus="yes">
        <source>A question of more than %1 characters, its picture included; the program reads at most that many.</source>
        <translation>
            <numerusform>Une question de plus de %1 caractères, image comprise&#x202f;; le programme n&apos;en lit pas davantage.</numerusform>
            <numerusform>Une question de plus de %1 caractères, image comprise&#x202f;; le programme n&apos;en lit pas davantage.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures; a question keeps one, the first in a data: URI, and the alt text of the others stays in brackets.</source>
        <translation>
            <numerusform>%n image&#x202f;; une question n&apos;en garde qu&apos;une, la première donnée en URI data:, et le texte alternatif des autres reste entre crochets.</numerusform>
            <numerusform>%n images&#x202f;; une question n&apos;en garde qu&apos;une, la première donnée en URI data:, et le texte alternatif des autres reste entre crochets.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ItemAnalysis</name>
    <message>
        <source>false answer 1</source>
        <translation>fausse réponse 1</translation>
    </message>
    <message>
        <source>false answer 2</source>
        <translation>fausse réponse 2</translation>
    </message>
    <message>
        <source>Negative discrimination: r = %1, weaker attempts got it right more often than stronger ones.</source>
        <translation>Discrimination négative&#xa0;: r = %1, les tentatives les plus faibles ont réussi plus souvent que les meilleures.</translation>
    </message>
    <message>
        <source>Too easy: facility %1, above 0.9.</source>
        <translation>Trop facile&#xa0;: taux de réussite %1, au-dessus de 0,9.</translation>
    </message>
    <message>
        <source>Too hard: facility %1, below 0.25 (under chance for three answers).</source>
        <translation>Trop difficile&#xa0;: taux de réussite %1, en dessous de 0,25 (moins que le hasard pour trois réponses).</translation>
    </message>
    <message>
        <source>not defined</source>
        <translation>non défini</translation>
    </message>
    <message>
        <source>Possible wrong key: %1 (chosen by %2, r = %3) goes with high totals more than the keyed answer (chosen by %4, r = %5); %1 is probably right.</source>
        <translation>Corrigé peut-être erroné&#xa0;: %1 (choisie par %2, r = %3) va davantage avec les scores élevés que la réponse indiquée comme bonne (choisie par %4, r = %5)&#x202f;; %1 est probablement la bonne.</translation>
    </message>
</context>
<context>
    <name>LabDatabase</name>
    <message>
        <source>The server&apos;s database already holds data (the %1 table has rows); nothing was copied.</source>
        <translation>La base de données du serveur contient déjà des données (la table %1 a des lignes)&#x202f;; rien n&apos;a été copié.</translation>
    </message>
    <message>
        <source>Copying the %1 row with %2 %3: %4</source>
        <translation>Copie de la ligne de %1 avec %2 %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>Lab passwords must be at least 8 characters long.</source>
        <translation>En salle informatique, les mots de passe doivent compter au moins 8 caractères.</translation>
    </message>
    <message>
        <source>The certificate %1 cannot be read.</source>
        <translation>Le certificat %1 ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>LabWork</name>
    <message>
        <source>This test is no longer available.</source>
        <translation>Ce test n&apos;est plus disponible.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The settings file names the language &quot;%1&quot;, which this program does not have. It has: %2.</source>
        <translation>Le fichier de paramètres indique la langue «&#xa0;%1&#xa0;», que ce programme ne possède pas. Langues disponibles&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Moodle</name>
    <message>
        <source>The file is XML but not a Moodle question file (it has no &lt;quiz&gt;).</source>
        <translation>Le fichier est en XML mais n&apos;est pas un fichier de questions Moodle (il n&apos;a pas de &lt;quiz&gt;).</translation>
    </message>
    <message>
        <source>The file is not well-formed XML here: %1.</source>
        <translation>Le fichier n&apos;est pas du XML bien formé à cet endroit&#xa0;: %1.</translation>
    </message>
    <message>
        <source>an empty text.</source>
        <translation>un texte vide.</translation>
    </message>
    <message numerus="yes">
        <source>a text of %1 characters; at most %2 can be used.</source>
        <translation>
            <numerusform>un texte de %1 caractères&#x202f;; au plus %2 peuvent être utilisés.</numerusform>
            <numerusform>un texte de %1 caractères&#x202f;; au plus %2 peuvent être utilisés.</numerusform>
        </translation>
    </message>
    <message>
        <source>a question of type &quot;%1&quot;; only multiple choice (multichoice) can be used.</source>
        <translation>une question de type «&#xa0;%1&#xa0;»&#x202f;; seules les questions à choix multiple (multichoice) peuvent être utilisées.</translation>
    </message>
    <message>
        <source>answers of fractions other than one of 100 and two of 0; the program counts an answer only as right or false.</source>
        <translation>des réponses de fractions autres qu&apos;une de 100 et deux de 0&#x202f;; le programme ne compte une réponse que bonne ou fausse.</translation>
    </message>
    <message>
        <source>its picture &quot;%1&quot; is not in the file; left out.</source>
        <translation>son image «&#xa0;%1&#xa0;» n&apos;est pas dans le fichier&#x202f;; omise.</translation>
    </message>
    <message>
        <source>it is not a picture inside the file.</source>
        <translation>ce n&apos;est pas une image contenue dans le fichier.</translation>
    </message>
    <message>
        <source>its picture is left out: %1</source>
        <translation>son image est omise&#xa0;: %1</translation>
    </message>
    <message>
        <source>An entity in question %1 was left out.</source>
        <translation>Une entité de la question %1 a été omise.</translation>
    </message>
    <message>
        <source>The file has more than %1 HTML tags; the program reads at most that many in one file. Split the file and import each part.</source>
        <translation>Le fichier compte plus de %1 balises HTML&#x202f;; le programme n&apos;en lit pas davantage dans un fichier. Divisez le fichier et importez chaque partie.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers; the program needs exactly three, one right (fraction 100) and two false (fraction 0).</source>
        <translation>
            <numerusform>%n réponse&#x202f;; le programme en demande exactement trois, une bonne (fraction 100) et deux fausses (fraction 0).</numerusform>
            <numerusform>%n réponses&#x202f;; le programme en demande exactement trois, une bonne (fraction 100) et deux fausses (fraction 0).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only the first of its %n pictures is kept.</source>
        <translation>
            <numerusform>seule la première de ses %n image est gardée.</numerusform>
            <numerusform>seule la première de ses %n images est gardée.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureView</name>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Press Enter to see it full size.</source>
        <translation>Appuyez sur Entrée pour la voir en taille réelle.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>The file is larger than 50 MB, too large for a question&apos;s picture.</source>
        <translation>Le fichier dépasse 50 Mo, trop pour l&apos;image d&apos;une question.</translation>
    </message>
    <message>
        <source>The file is not a picture this program can show (PNG, JPEG, GIF, BMP or WebP).</source>
        <translation>Le fichier n&apos;est pas une image que ce programme peut afficher (PNG, JPEG, GIF, BMP ou WebP).</translation>
    </message>
    <message>
        <source>The picture in the file cannot be read: %1.</source>
        <translation>L&apos;image du fichier ne peut pas être lue&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Le fichier %1 ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>A picture needs a description for students who cannot see it. Type one in the box under the picture, or remove the picture.</source>
        <translation>Une image doit avoir une description pour les élèves qui ne peuvent pas la voir. Saisissez-en une dans la zone sous l&apos;image, ou retirez l&apos;image.</translation>
    </message>
    <message>
        <source>The picture&apos;s base64 text is damaged.</source>
        <translation>Le texte base64 de l&apos;image est endommagé.</translation>
    </message>
    <message>
        <source>The data: URI holds no picture in base64 (data:image/…;base64,…).</source>
        <translation>L&apos;URI data: ne contient pas d&apos;image en base64 (data:image/…;base64,…).</translation>
    </message>
    <message>
        <source>its picture has no alt text; write a description for it in the question editor.</source>
        <translation>son image n&apos;a pas de texte alternatif&#x202f;; écrivez-en une description dans l&apos;éditeur de questions.</translation>
    </message>
    <message numerus="yes">
        <source>A picture&apos;s description may have at most %n characters; this one has %1.</source>
        <translation>
            <numerusform>La description d&apos;une image compte au plus %n caractère&#x202f;; celle-ci en a %1.</numerusform>
            <numerusform>La description d&apos;une image compte au plus %n caractères&#x202f;; celle-ci en a %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its picture&apos;s alt text has %n characters; the first %1 are its description.</source>
        <translation>
            <numerusform>le texte alternatif de son image compte %n caractère&#x202f;; les %1 premiers en deviennent la description.</numerusform>
            <numerusform>le texte alternatif de son image compte %n caractères&#x202f;; les %1 premiers en deviennent la description.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>VornickTest report</source>
        <translation>Rapport VornickTest</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>L&apos;imprimante %1 a signalé une erreur.</translation>
    </message>
    <message>
        <source>The user guide could not be opened:
%1</source>
        <translation>Le guide d&apos;utilisation n&apos;a pas pu être ouvert&#xa0;:
%1</translation>
    </message>
    <message>
        <source>VornickTest Help</source>
        <translation>Aide de VornickTest</translation>
    </message>
</context>
<context>
    <name>QuestionFile</name>
    <message numerus="yes">
        <source>The file has %1 bytes; a question file may have at most %2 (10 MB).</source>
        <translation>
            <numerusform>Le fichier fait %1 octets&#x202f;; un fichier de questions en fait au plus %2 (10 Mo).</numerusform>
            <numerusform>Le fichier fait %1 octets&#x202f;; un fichier de questions en fait au plus %2 (10 Mo).</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds a NUL byte here, so it is not a text file. Choose a GIFT or Aiken file saved as text.</source>
        <translation>Le fichier contient ici un octet NUL&#xa0;: ce n&apos;est donc pas un fichier texte. Choisissez un fichier GIFT ou Aiken enregistré en texte.</translation>
    </message>
    <message>
        <source>The file holds a byte that is not UTF-8 text here (0x%1). Save the file as UTF-8 and import it again.</source>
        <translation>Le fichier contient ici un octet qui n&apos;est pas du texte UTF-8 (0x%1). Enregistrez le fichier en UTF-8 et importez-le à nouveau.</translation>
    </message>
    <message>
        <source>The file is marked as UTF-16 text but is not. Save the file as UTF-8 and import it again.</source>
        <translation>Le fichier est marqué comme texte UTF-16 mais n&apos;en est pas. Enregistrez le fichier en UTF-8 et importez-le à nouveau.</translation>
    </message>
    <message>
        <source>The file holds a NUL character here, so it is not a text file.</source>
        <translation>Le fichier contient ici un caractère NUL&#xa0;: ce n&apos;est donc pas un fichier texte.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Le fichier %1 ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... et %1 de plus.</translation>
    </message>
    <message>
        <source>Questions that can be used: %1.</source>
        <translation>Questions utilisables&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Questions left out: %1.</source>
        <translation>Questions ignorées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Remarques&#xa0;:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Questions </source>
        <translation>Questions </translation>
    </message>
    <message>
        <source>Question </source>
        <translation>Question </translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>no question text; left out of the file.</source>
        <translation>aucun texte de question&#x202f;; non reprise dans le fichier.</translation>
    </message>
    <message>
        <source>a carriage return or NUL character, which a text file cannot hold; a carriage return is written as a line break, a NUL character left out.</source>
        <translation>un retour chariot ou un caractère NUL, qu&apos;un fichier texte ne peut pas contenir&#x202f;; un retour chariot est écrit comme saut de ligne, un caractère NUL est supprimé.</translation>
    </message>
    <message numerus="yes">
        <source>a text longer than %1 characters; reading the file back leaves the question out.</source>
        <translation>
            <numerusform>un texte de plus de %1 caractères&#x202f;; à la relecture du fichier, la question est ignorée.</numerusform>
            <numerusform>un texte de plus de %1 caractères&#x202f;; à la relecture du fichier, la question est ignorée.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file has %1 bytes; a GIFT or Moodle XML file may have at most %2 (100 MB).</source>
        <translation>
            <numerusform>Le fichier fait %1 octets&#x202f;; un fichier GIFT ou Moodle XML en fait au plus %2 (100 Mo).</numerusform>
            <numerusform>Le fichier fait %1 octets&#x202f;; un fichier GIFT ou Moodle XML en fait au plus %2 (100 Mo).</numerusform>
        </translation>
    </message>
    <message>
        <source>Questions that can be used: more than %1; reading stopped there.</source>
        <translation>Questions utilisables&#xa0;: plus de %1&#x202f;; la lecture s&apos;est arrêtée là.</translation>
    </message>
</context>
<context>
    <name>QuestionFiles</name>
    <message>
        <source>No question in this file can be used; nothing is stored.</source>
        <translation>Aucune question de ce fichier n&apos;est utilisable&#x202f;; rien n&apos;est enregistré.</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>This file cannot be imported.
</source>
        <translation>Ce fichier ne peut pas être importé.
</translation>
    </message>
    <message>
        <source>Read %1 as %2.
</source>
        <translation>%1 lu au format %2.
</translation>
    </message>
    <message>
        <source>GIFT files (*.gift)</source>
        <translation>Fichiers GIFT (*.gift)</translation>
    </message>
    <message>
        <source>Aiken files (*.txt)</source>
        <translation>Fichiers Aiken (*.txt)</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Le fichier %1 ne peut pas être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Question files (*.gift *.txt *.xml)</source>
        <translation>Fichiers de questions (*.gift *.txt *.xml)</translation>
    </message>
    <message>
        <source>Moodle XML files (*.xml)</source>
        <translation>Fichiers Moodle XML (*.xml)</translation>
    </message>
    <message>
        <source>Import Questions</source>
        <translation>Importer des questions</translation>
    </message>
    <message>
        <source>Export Questions</source>
        <translation>Exporter des questions</translation>
    </message>
    <message numerus="yes">
        <source>%n questions of &quot;%1&quot; written to %2 as %3.</source>
        <translation>
            <numerusform>%n question de «&#xa0;%1&#xa0;» écrite dans %2 au format %3.</numerusform>
            <numerusform>%n questions de «&#xa0;%1&#xa0;» écrites dans %2 au format %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>This record was changed or deleted by another user since it was read; your change was not saved.</source>
        <translation>Cet enregistrement a été modifié ou supprimé par un autre utilisateur depuis sa lecture&#x202f;; votre modification n&apos;a pas été enregistrée.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>BOF ou EOF est True, ou l&apos;enregistrement actuel a été supprimé. L&apos;opération demandée nécessite un enregistrement actuel.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is open.</source>
        <translation>Opération non autorisée lorsque l&apos;objet est ouvert.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Opération non autorisée lorsque l&apos;objet est fermé.</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal: %1</source>
        <translation>Aucun élément ne correspond au nom ou au numéro demandé dans la collection&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>L&apos;imprimante n&apos;a pas pu commencer une nouvelle page.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>L&apos;imprimante n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>The printer could not finish the document.</source>
        <translation>L&apos;imprimante n&apos;a pas pu terminer le document.</translation>
    </message>
    <message>
        <source>The report could not be saved as %1:
%2</source>
        <translation>Le rapport n&apos;a pas pu être enregistré sous %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Le rapport n&apos;a pas pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>VornickTest report %1</source>
        <translation>Rapport VornickTest %1</translation>
    </message>
    <message>
        <source>VornickTest report</source>
        <translation>Rapport VornickTest</translation>
    </message>
</context>
<context>
    <name>ResultsFiles</name>
    <message>
        <source>Save Results</source>
        <translation>Enregistrer les résultats</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Le fichier %1 ne peut pas être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>There are no results to save yet.</source>
        <translation>Il n&apos;y a pas encore de résultats à enregistrer.</translation>
    </message>
    <message>
        <source>Saving results…</source>
        <translation>Enregistrement des résultats…</translation>
    </message>
    <message>
        <source>Saving was cancelled; nothing was saved.</source>
        <translation>L&apos;enregistrement a été annulé&#x202f;; rien n&apos;a été enregistré.</translation>
    </message>
    <message numerus="yes">
        <source>%n results written to %1.</source>
        <translation>
            <numerusform>%n résultat écrit dans %1.</numerusform>
            <numerusform>%n résultats écrits dans %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsList</name>
    <message>
        <source>No printer is installed, so the report was saved as
%1</source>
        <translation>Aucune imprimante n&apos;est installée&#xa0;: le rapport a été enregistré sous
%1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Printing....</source>
        <translation>Impression...</translation>
    </message>
    <message>
        <source>This test is no longer available.</source>
        <translation>Ce test n&apos;est plus disponible.</translation>
    </message>
</context>
<context>
    <name>ResultsRow</name>
    <message>
        <source>Not Taken</source>
        <translation>Non passé</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation>Inachevé</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>The database has schema version %1, which this copy of VornickTest does not know (it knows versions up to %2). It was left untouched: use the VornickTest that last opened it, or a newer one.</source>
        <translation>La base de données a la version de schéma %1, que cette copie de VornickTest ne connaît pas (elle connaît les versions jusqu&apos;à %2). Elle n&apos;a pas été modifiée&#xa0;: utilisez le VornickTest qui l&apos;a ouverte en dernier, ou un plus récent.</translation>
    </message>
    <message>
        <source>A database already exists at %1; it is left untouched.</source>
        <translation>Une base de données existe déjà à l&apos;emplacement %1&#x202f;; elle n&apos;est pas modifiée.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Opération non autorisée lorsque l&apos;objet est fermé.</translation>
    </message>
    <message>
        <source>The database already has the program&apos;s tables; it is left untouched.</source>
        <translation>La base de données a déjà les tables du programme&#x202f;; elle n&apos;est pas modifiée.</translation>
    </message>
    <message>
        <source>The database is of an older version and could not be brought up to date: %1
It was left untouched.</source>
        <translation>La base de données est d&apos;une version plus ancienne et n&apos;a pas pu être mise à jour&#xa0;: %1
Elle n&apos;a pas été modifiée.</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>The settings file %1 cannot be read.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>has a section the program does not know: [%1]</source>
        <translation>contient une section que le programme ne connaît pas&#xa0;: [%1]</translation>
    </message>
    <message>
        <source>has a line that is neither [Section] nor key=value</source>
        <translation>contient une ligne qui n&apos;est ni [Section] ni clé=valeur</translation>
    </message>
    <message>
        <source>has a key the program does not know: %1</source>
        <translation>contient une clé que le programme ne connaît pas&#xa0;: %1</translation>
    </message>
    <message>
        <source>names %1 twice</source>
        <translation>indique %1 deux fois</translation>
    </message>
    <message>
        <source>The settings file %1 %2 (line %3).</source>
        <translation>Le fichier de paramètres %1 %2 (ligne %3).</translation>
    </message>
    <message>
        <source>The password file %1 named in %2 cannot be read: %3</source>
        <translation>Le fichier de mot de passe %1 indiqué dans %2 ne peut pas être lu&#xa0;: %3</translation>
    </message>
    <message>
        <source>The settings file %1 names no database: its [PostgreSQL] section needs a line database=NAME.</source>
        <translation>Le fichier de paramètres %1 n&apos;indique aucune base de données&#xa0;: sa section [PostgreSQL] doit avoir une ligne database=NOM.</translation>
    </message>
    <message>
        <source>The settings file %1 names no valid port.</source>
        <translation>Le fichier de paramètres %1 n&apos;indique aucun port valide.</translation>
    </message>
    <message>
        <source>The %1 for the settings file %2 holds a line break.</source>
        <translation>La valeur %1 pour le fichier de paramètres %2 contient un saut de ligne.</translation>
    </message>
    <message>
        <source>The settings file %1 names both a database file and a server; it may name only one.</source>
        <translation>Le fichier de paramètres %1 indique à la fois un fichier de base de données et un serveur&#x202f;; il ne peut en indiquer qu&apos;un.</translation>
    </message>
    <message>
        <source>The settings file %1 names no database: it needs a [Database] section with a line file=PATH, or a [PostgreSQL] section.</source>
        <translation>Le fichier de paramètres %1 n&apos;indique aucune base de données&#xa0;: il lui faut une section [Database] avec une ligne file=CHEMIN, ou une section [PostgreSQL].</translation>
    </message>
    <message>
        <source>the database %1 on %2</source>
        <translation>la base de données %1 sur %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written: %2.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written: the folder %2 does not exist.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être écrit&#xa0;: le dossier %2 n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>SlotForm</name>
    <message>
        <source>Question #</source>
        <translation>Question n°</translation>
    </message>
    <message>
        <source>Previous question</source>
        <translation>Question précédente</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Question suivante</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Réponse %1</translation>
    </message>
    <message>
        <source>Click the picture or press Enter to see it full size.</source>
        <translation>Cliquez sur l&apos;image ou appuyez sur Entrée pour la voir en taille réelle.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A screen reader&apos;s name of an answer button: &quot;Answer 1&quot; and the answer&apos;s text.</extracomment>
        <translation>%1 : %2</translation>
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
        <translation>Vous devez donner un titre au test.</translation>
    </message>
    <message>
        <source>Another test already has the title &quot;%1&quot;.
Please choose a different title.</source>
        <translation>Un autre test porte déjà le titre «&#xa0;%1&#xa0;».
Veuillez choisir un autre titre.</translation>
    </message>
    <message>
        <source>The length of the test must be a whole number of minutes from 0 to %1.</source>
        <translation>La durée du test doit être un nombre entier de minutes entre 0 et %1.</translation>
    </message>
    <message numerus="yes">
        <source>The test title can be at most %n characters long.</source>
        <translation>
            <numerusform>Le titre d&apos;un test peut compter au plus %n caractère.</numerusform>
            <numerusform>Le titre d&apos;un test peut compter au plus %n caractères.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAdmin</name>
    <message>
        <source>Vornick Test Taker - Administrative Functions</source>
        <translation>Vornick Test Taker - Administration</translation>
    </message>
    <message>
        <source>Students:</source>
        <translation>Élèves&#xa0;:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Tests:</source>
        <translation>Tests&#xa0;:</translation>
    </message>
    <message>
        <source>Note: The brackets &quot;&lt;&gt;&quot; depict unfinished tests which are not available to students.</source>
        <translation>Remarque&#xa0;: les chevrons «&#xa0;&lt;&gt;&#xa0;» signalent les tests inachevés, que les élèves ne voient pas.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>Ex&amp;port…</source>
        <translation>Ex&amp;porter…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>S&amp;tatistiques…</translation>
    </message>
    <message>
        <source>Save &amp;Results…</source>
        <translation>Enregistrer les &amp;résultats…</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;View Test Results</source>
        <translation>&amp;Voir les résultats</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>You must enter a student name.</source>
        <translation>Vous devez saisir un nom d&apos;élève.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>You must enter a password.</source>
        <translation>Vous devez saisir un mot de passe.</translation>
    </message>
    <message>
        <source>Another student already has the name &quot;%1&quot;.
Please give this student a different name.</source>
        <translation>Un autre élève porte déjà le nom «&#xa0;%1&#xa0;».
Veuillez donner un autre nom à cet élève.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this student and all the test results?</source>
        <translation>Voulez-vous vraiment supprimer cet élève et tous ses résultats&#x202f;?</translation>
    </message>
    <message>
        <source>Delete The Current Student</source>
        <translation>Supprimer l&apos;élève</translation>
    </message>
    <message>
        <source>Select a student first!</source>
        <translation>Choisissez d&apos;abord un élève&#x202f;!</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this test<byte value="xd"/>
 and all the corresponding student results?</source>
        <translation>Voulez-vous vraiment supprimer ce test<byte value="xd"/>
 et tous les résultats des élèves qui s&apos;y rapportent ?</translation>
    </message>
    <message>
        <source>Delete The Selected Test</source>
        <translation>Supprimer le test choisi</translation>
    </message>
    <message>
        <source>%1 results.csv</source>
        <translation>%1 résultats.csv</translation>
    </message>
    <message>
        <source>Attempts in Pro&amp;gress…</source>
        <translation>Tentatives en &amp;cours…</translation>
    </message>
    <message>
        <source>Extra ti&amp;me (%):</source>
        <translation>Temps supp&amp;lémentaire (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Add/&amp;Save</source>
        <translation>Ajouter/Enre&amp;gistrer</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>S&amp;upprimer</translation>
    </message>
    <message>
        <source>Change Pass&amp;word…</source>
        <translation>C&amp;hanger le mot de passe…</translation>
    </message>
    <message>
        <source>Delete test</source>
        <translation>Supprimer le test</translation>
    </message>
    <message>
        <source>Delete student</source>
        <translation>Supprimer l&apos;élève</translation>
    </message>
    <message>
        <source>Lab passwords must be at least 8 characters long.</source>
        <translation>En salle informatique, les mots de passe doivent compter au moins 8 caractères.</translation>
    </message>
</context>
<context>
    <name>frmAnswers</name>
    <message>
        <source>Results of: %1</source>
        <translation>Résultats de&#xa0;: %1</translation>
    </message>
    <message>
        <source>Question %1, %2</source>
        <translation>Question %1, %2</translation>
    </message>
    <message>
        <source>right answer</source>
        <translation>bonne réponse</translation>
    </message>
    <message>
        <source>your answer</source>
        <translation>votre réponse</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Question %1</translation>
    </message>
    <message>
        <source>right</source>
        <translation>bonne</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>erreur</translation>
    </message>
    <message>
        <source>This test has not been finished yet.</source>
        <translation>Ce test n&apos;est pas encore terminé.</translation>
    </message>
</context>
<context>
    <name>frmAttempts</name>
    <message>
        <source>Attempts in Progress</source>
        <translation>Tentatives en cours</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Began</source>
        <translation>Commencée</translation>
    </message>
    <message>
        <source>Answered</source>
        <translation>Répondues</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Give &amp;More Time…</source>
        <translation>Donner plus de &amp;temps…</translation>
    </message>
    <message>
        <source>&amp;Finish Now</source>
        <translation>Terminer &amp;maintenant</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>frmChangePassword</name>
    <message>
        <source>Change Password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>C&amp;urrent password:</source>
        <translation>Mot de passe a&amp;ctuel&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>&amp;Nouveau mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Repeat new password:</source>
        <translation>&amp;Répéter le nouveau mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Mot de passe incorrect</translation>
    </message>
    <message>
        <source>You must enter a new password.</source>
        <translation>Vous devez saisir un nouveau mot de passe.</translation>
    </message>
    <message>
        <source>The new password and its repeat are not the same.</source>
        <translation>Le nouveau mot de passe et sa répétition ne sont pas identiques.</translation>
    </message>
    <message>
        <source>The administrator&apos;s password has been changed.</source>
        <translation>Le mot de passe de l&apos;administrateur a été changé.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>frmEntry</name>
    <message>
        <source>Vornick Test Taker   Vs. 1.0</source>
        <translation>Vornick Test Taker   version 1.0</translation>
    </message>
    <message>
        <source>Student ID:</source>
        <translation>Identifiant élève&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Press F1 for help</source>
        <translation>Appuyez sur F1 pour obtenir de l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Mot de passe incorrect</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Take Selected Test</source>
        <translation>Passer le &amp;test choisi</translation>
    </message>
    <message>
        <source>&amp;Review Missed Questions</source>
        <translation>&amp;Revoir mes erreurs</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Test Results For %1</source>
        <translation>Résultats de %1</translation>
    </message>
    <message>
        <source>This test cannot be started: its length is not a whole number of minutes from 0 to %1.
Please tell your teacher.</source>
        <translation>Ce test ne peut pas commencer&#xa0;: sa durée n&apos;est pas un nombre entier de minutes entre 0 et %1.
Veuillez le signaler à votre professeur.</translation>
    </message>
</context>
<context>
    <name>frmNewTest</name>
    <message>
        <source>Add New Test</source>
        <translation>Ajouter un test</translation>
    </message>
    <message>
        <source>Previous question</source>
        <translation>Question précédente</translation>
    </message>
    <message>
        <source>Question 1</source>
        <translation>Question 1</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Question suivante</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Question&#xa0;:</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Réponse&#xa0;:</translation>
    </message>
    <message>
        <source>False Answer:</source>
        <translation>Fausse réponse&#xa0;:</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Question %1</translation>
    </message>
    <message numerus="yes">
        <source>There are %n questions left to write.<byte value="xd"/>
Are you sure you want to exit?</source>
        <translation>
            <numerusform>Il reste %n question à rédiger.<byte value="xd"/>
Voulez-vous vraiment quitter ?</numerusform>
            <numerusform>Il reste %n questions à rédiger.<byte value="xd"/>
Voulez-vous vraiment quitter ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Incomplete Test</source>
        <translation>Test incomplet</translation>
    </message>
    <message>
        <source>False answer 1</source>
        <translation>Fausse réponse 1</translation>
    </message>
    <message>
        <source>False answer 2</source>
        <translation>Fausse réponse 2</translation>
    </message>
    <message>
        <source>Picture&apos;s description:</source>
        <translation>Description de l&apos;image&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Picture…</source>
        <translation>&amp;Image…</translation>
    </message>
    <message>
        <source>&amp;Remove Picture</source>
        <translation>&amp;Retirer l&apos;image</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.webp)</source>
        <translation>Images (*.png *.jpg *.jpeg *.gif *.bmp *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>This file cannot be used as the question&apos;s picture.
%1</source>
        <translation>Ce fichier ne peut pas servir d&apos;image à la question.
%1</translation>
    </message>
    <message>
        <source>Remove this question&apos;s picture?</source>
        <translation>Retirer l&apos;image de cette question&#x202f;?</translation>
    </message>
    <message>
        <source>Remove Picture</source>
        <translation>Retirer l&apos;image</translation>
    </message>
</context>
<context>
    <name>frmNewTestIntro</name>
    <message>
        <source>Create New Test</source>
        <translation>Créer un test</translation>
    </message>
    <message>
        <source>Test Name:</source>
        <translation>Nom du test&#xa0;:</translation>
    </message>
    <message>
        <source>Description of test/instructions:</source>
        <translation>Description du test / consignes&#xa0;:</translation>
    </message>
    <message>
        <source>Length of test in minutes:</source>
        <translation>Durée du test en minutes&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>You must specify the length of the test.</source>
        <translation>Vous devez indiquer la durée du test.</translation>
    </message>
    <message>
        <source>Required Field</source>
        <translation>Champ obligatoire</translation>
    </message>
</context>
<context>
    <name>frmQuestions</name>
    <message>
        <source>Remaining time:</source>
        <translation>Temps restant&#xa0;:</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Question %1</translation>
    </message>
    <message>
        <source>Time Is Up!</source>
        <translation>Le temps est écoulé&#x202f;!</translation>
    </message>
    <message>
        <source>Finish this test now? Your answers will be graded.</source>
        <translation>Terminer ce test maintenant&#x202f;? Vos réponses seront notées.</translation>
    </message>
    <message>
        <source>Question %1, answered</source>
        <translation>Question %1, réponse donnée</translation>
    </message>
    <message>
        <source>Question %1, not answered</source>
        <translation>Question %1, sans réponse</translation>
    </message>
    <message>
        <source>Remaining time %1</source>
        <translation>Temps restant %1</translation>
    </message>
    <message>
        <source>5 minutes left</source>
        <translation>Plus que 5 minutes</translation>
    </message>
    <message>
        <source>1 minute left</source>
        <translation>Plus qu&apos;une minute</translation>
    </message>
    <message>
        <source>Your teacher has finished this test.</source>
        <translation>Votre professeur a terminé ce test.</translation>
    </message>
</context>
<context>
    <name>frmQuestionsIntro</name>
    <message>
        <source>You can advance the question using the buttons or by directly clicking on the number of the question.  When answered, the number of the question will turn green.  If you finish before time runs out, press the &quot;Done&quot; button.</source>
        <translation>Vous pouvez passer d&apos;une question à l&apos;autre avec les boutons ou en cliquant directement sur le numéro de la question.  Dès que vous avez répondu à une question, son numéro devient vert.  Si vous finissez avant la fin du temps, cliquez sur le bouton «&#xa0;Terminé&#xa0;».</translation>
    </message>
    <message>
        <source>&amp;Begin</source>
        <translation>&amp;Commencer</translation>
    </message>
    <message numerus="yes">
        <source>You will be given %n minutes to complete this test.</source>
        <translation>
            <numerusform>Vous disposez de %n minute pour faire ce test.</numerusform>
            <numerusform>Vous disposez de %n minutes pour faire ce test.</numerusform>
        </translation>
    </message>
    <message>
        <source>You will be given %1 minutes to complete this test.</source>
        <translation>Vous disposez de %1 minutes pour faire ce test.</translation>
    </message>
    <message numerus="yes">
        <source>This includes %n minutes of extra time.</source>
        <translation>
            <numerusform>Cela comprend %n minute de temps supplémentaire.</numerusform>
            <numerusform>Cela comprend %n minutes de temps supplémentaire.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>&amp;Questions:</source>
        <translation>&amp;Questions&#xa0;:</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>&amp;Flags:</source>
        <translation>&amp;Alertes&#xa0;:</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Alertes</translation>
    </message>
    <message>
        <source>&amp;Edit Question</source>
        <translation>&amp;Modifier la question</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>&amp;Enregistrer en CSV…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Printing....</source>
        <translation>Impression...</translation>
    </message>
    <message>
        <source>Statistics: %1</source>
        <translation>Statistiques&#xa0;: %1</translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation>Question %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Save Statistics</source>
        <translation>Enregistrer les statistiques</translation>
    </message>
    <message>
        <source>%1 statistics.csv</source>
        <translation>%1 statistiques.csv</translation>
    </message>
    <message>
        <source>Histogram of grades</source>
        <translation>Histogramme des notes</translation>
    </message>
    <message numerus="yes">
        <source>The statistics of %n questions written to %1.</source>
        <translation>
            <numerusform>Les statistiques de %n question écrites dans %1.</numerusform>
            <numerusform>Les statistiques de %n questions écrites dans %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmTestResults</name>
    <message>
        <source>&amp;View Missed Questions</source>
        <translation>&amp;Voir les erreurs</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Save Results…</source>
        <translation>&amp;Enregistrer les résultats…</translation>
    </message>
    <message>
        <source>Test Results For %1</source>
        <translation>Résultats de %1</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this test result?</source>
        <translation>Voulez-vous vraiment supprimer ce résultat&#x202f;?</translation>
    </message>
    <message>
        <source>Delete The Test Result</source>
        <translation>Supprimer le résultat</translation>
    </message>
    <message>
        <source>%1 results.csv</source>
        <translation>%1 résultats.csv</translation>
    </message>
    <message>
        <source>Give &amp;More Time…</source>
        <translation>Donner plus de &amp;temps…</translation>
    </message>
    <message>
        <source>&amp;Finish Now</source>
        <translation>Terminer &amp;maintenant</translation>
    </message>
</context>
<context>
    <name>labdb</name>
    <message>
        <source>wrote the workstations&apos; settings file %1</source>
        <translation>fichier de paramètres des postes %1 écrit</translation>
    </message>
    <message>
        <source>created the tables, the functions and the roles</source>
        <translation>tables, fonctions et rôles créés</translation>
    </message>
    <message>
        <source>the tables are at version %1 already</source>
        <translation>les tables sont déjà en version %1</translation>
    </message>
    <message>
        <source>brought the tables from version %1 to version %2</source>
        <translation>tables passées de la version %1 à la version %2</translation>
    </message>
    <message>
        <source>took setseed, pg_sleep, the advisory locks, the large objects and the signals to other sessions from everyone but the superuser</source>
        <translation>setseed, pg_sleep, les verrous consultatifs, les grands objets et les signaux aux autres sessions retirés à tous sauf au superutilisateur</translation>
    </message>
    <message>
        <source>New password for the administrator role: </source>
        <translation>Nouveau mot de passe du rôle administrateur&#xa0;: </translation>
    </message>
    <message>
        <source>The same password again: </source>
        <translation>Le même mot de passe une seconde fois&#xa0;: </translation>
    </message>
    <message>
        <source>The two passwords differ; nothing was changed.</source>
        <translation>Les deux mots de passe diffèrent&#x202f;; rien n’a été changé.</translation>
    </message>
    <message>
        <source>wrote %1; the server %2 answers and asks for the administrator&apos;s password</source>
        <translation>%1 écrit&#x202f;; le serveur %2 répond et demande le mot de passe de l’administrateur</translation>
    </message>
    <message>
        <source>gave the administrator role %1 its new password</source>
        <translation>nouveau mot de passe donné au rôle administrateur %1</translation>
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
        <translation>usage&#xa0;: labdb create PARAMÈTRES [POSTE]
        labdb copy BASE PARAMÈTRES
        labdb upgrade PARAMÈTRES [POSTE]
        labdb harden SUPERUTILISATEUR
        labdb admin-password PARAMÈTRES
        labdb join HÔTE POSTE [--ca FICHIER] [--database NOM] [--port PORT]
PARAMÈTRES est un VornickTest.ini indiquant le serveur et le propriétaire de la base&#x202f;;
POSTE est le VornickTest.ini à écrire pour les postes de travail&#x202f;; BASE est une Ostrel.mdb&#x202f;;
SUPERUTILISATEUR est un VornickTest.ini indiquant le superutilisateur du serveur et la base.</translation>
    </message>
    <message>
        <source>copied %1, %2, %3 and %4</source>
        <translation>copié&#xa0;: %1, %2, %3 et %4</translation>
    </message>
    <message numerus="yes">
        <source>%n students</source>
        <translation>
            <numerusform>%n élève</numerusform>
            <numerusform>%n élèves</numerusform>
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
            <numerusform>%n résultat</numerusform>
            <numerusform>%n résultats</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n image</numerusform>
            <numerusform>%n images</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vornick-admin</name>
    <message>
        <source>The new test&apos;s title (default: from the file).</source>
        <translation>Le titre du nouveau test (par défaut&#xa0;: celui du fichier).</translation>
    </message>
    <message>
        <source>The test&apos;s length in minutes (default: %1).</source>
        <translation>La durée du test en minutes (par défaut&#xa0;: %1).</translation>
    </message>
    <message>
        <source>The test&apos;s description.</source>
        <translation>La description du test.</translation>
    </message>
    <message>
        <source>Take only the first N usable questions (at most 25).</source>
        <translation>Ne prendre que les N premières questions utilisables (25 au plus).</translation>
    </message>
    <message>
        <source>The file to write (default: standard output).</source>
        <translation>Le fichier à écrire (par défaut&#xa0;: la sortie standard).</translation>
    </message>
    <message>
        <source>Only this test&apos;s results (its number or title).</source>
        <translation>Seulement les résultats de ce test (son numéro ou son titre).</translation>
    </message>
    <message>
        <source>Only this student&apos;s results (their number or name).</source>
        <translation>Seulement les résultats de cet élève (son numéro ou son nom).</translation>
    </message>
    <message>
        <source>An Ostrel.mdb to work on.</source>
        <translation>Une Ostrel.mdb sur laquelle travailler.</translation>
    </message>
    <message>
        <source>A VornickTest.ini naming a lab&apos;s server and its owner.</source>
        <translation>Un VornickTest.ini indiquant le serveur d&apos;une salle et son propriétaire.</translation>
    </message>
    <message>
        <source>--%1 does not go with this command.</source>
        <translation>--%1 ne va pas avec cette commande.</translation>
    </message>
    <message>
        <source>give --database or --settings, not both.</source>
        <translation>donnez --database ou --settings, pas les deux.</translation>
    </message>
    <message>
        <source> (The title came from the file; give one with --title.)</source>
        <translation> (Le titre vient du fichier&#x202f;; donnez-en un avec --title.)</translation>
    </message>
    <message>
        <source>%1: no question in the file can be used; nothing was stored.</source>
        <translation>%1&#xa0;: aucune question du fichier n&apos;est utilisable&#x202f;; rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>--first takes a number from 1 to %1.</source>
        <translation>--first attend un nombre de 1 à %1.</translation>
    </message>
    <message>
        <source>Read %1 as %2.</source>
        <translation>%1 lu au format %2.</translation>
    </message>
    <message>
        <source>several tests are titled &quot;%1&quot;; give the test&apos;s number.</source>
        <translation>plusieurs tests s&apos;intitulent «&#xa0;%1&#xa0;»&#x202f;; donnez le numéro du test.</translation>
    </message>
    <message>
        <source>no test is numbered or titled &quot;%1&quot;.</source>
        <translation>aucun test ne porte le numéro ou le titre «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 ne peut pas être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>several students are named &quot;%1&quot;; give the student&apos;s number.</source>
        <translation>plusieurs élèves s&apos;appellent «&#xa0;%1&#xa0;»&#x202f;; donnez le numéro de l&apos;élève.</translation>
    </message>
    <message>
        <source>no student is numbered or named &quot;%1&quot;.</source>
        <translation>aucun élève ne porte le numéro ou le nom «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>results needs --output FILE.</source>
        <translation>results demande --output FICHIER.</translation>
    </message>
    <message>
        <source>Test %1 &quot;%2&quot;</source>
        <translation>Test %1 «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>results takes no file or test; use --test and --student.</source>
        <translation>results ne prend ni fichier ni test&#x202f;; utilisez --test et --student.</translation>
    </message>
    <message>
        <source>give a command and its file or test.</source>
        <translation>donnez une commande et son fichier ou son test.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;.</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source> See vornick-admin --help.</source>
        <translation> Voir vornick-admin --help.</translation>
    </message>
    <message>
        <source>%1 cannot be written: the folder %2 does not exist.</source>
        <translation>%1 ne peut pas être écrit&#xa0;: le dossier %2 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>the settings file is a lab workstation&apos;s, which signs no one in who reads the tables: give the database owner&apos;s settings file with --settings.</source>
        <translation>le fichier de paramètres est celui d&apos;un poste de la salle, qui ne connecte personne ayant le droit de lire les tables&#xa0;: donnez avec --settings le fichier de paramètres du propriétaire de la base.</translation>
    </message>
    <message>
        <source>extra time is a whole number from 0 to %1.</source>
        <translation>le temps supplémentaire est un nombre entier de 0 à %1.</translation>
    </message>
    <message>
        <source>%1 now has %2% extra time.</source>
        <translation>%1 a désormais %2 % de temps supplémentaire.</translation>
    </message>
    <message>
        <source>%1 has %2% extra time.</source>
        <translation>%1 a %2 % de temps supplémentaire.</translation>
    </message>
    <message>
        <source>%1 has not begun &quot;%2&quot;; nothing was changed.</source>
        <translation>%1 n&apos;a pas commencé «&#xa0;%2&#xa0;»&#x202f;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1&apos;s attempt at &quot;%2&quot; is finished already; nothing was changed.</source>
        <translation>La tentative de %1 à «&#xa0;%2&#xa0;» est déjà terminée&#x202f;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>more time is a whole number of minutes from 1 to %1.</source>
        <translation>le temps ajouté est un nombre entier de minutes de 1 à %1.</translation>
    </message>
    <message numerus="yes">
        <source>Gave %1 %n more minutes on &quot;%2&quot;.</source>
        <translation>
            <numerusform>%1 a reçu %n minute de plus pour «&#xa0;%2&#xa0;».</numerusform>
            <numerusform>%1 a reçu %n minutes de plus pour «&#xa0;%2&#xa0;».</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished %1&apos;s attempt at &quot;%2&quot;.</source>
        <translation>La tentative de %1 à «&#xa0;%2&#xa0;» est terminée.</translation>
    </message>
    <message>
        <source>No attempt is in progress.</source>
        <translation>Aucune tentative n&apos;est en cours.</translation>
    </message>
    <message>
        <source>Student	Test	Began	Answered	Time left</source>
        <translation>Élève	Test	Commencée	Répondues	Temps restant</translation>
    </message>
    <message>
        <source>attempts takes nothing more.</source>
        <translation>attempts n&apos;accepte rien de plus.</translation>
    </message>
    <message>
        <source>extra-time takes a student and, to set it, a percentage.</source>
        <translation>extra-time prend un élève et, pour le fixer, un pourcentage.</translation>
    </message>
    <message>
        <source>more-time takes a student, a test and the minutes to add.</source>
        <translation>more-time prend un élève, un test et les minutes à ajouter.</translation>
    </message>
    <message>
        <source>finish takes a student and a test.</source>
        <translation>finish prend un élève et un test.</translation>
    </message>
    <message>
        <source>gift, aiken or moodle.</source>
        <translation>gift, aiken ou moodle.</translation>
    </message>
    <message>
        <source>export needs --format gift, --format aiken or --format moodle.</source>
        <translation>export demande --format gift, --format aiken ou --format moodle.</translation>
    </message>
    <message>
        <source>Not taken (past the first %1): the questions from line %2 on.</source>
        <translation>Non reprises (au-delà des %1 premières)&#xa0;: les questions à partir de la ligne %2.</translation>
    </message>
    <message>
        <source>Restore over a database that holds students, tests or results.</source>
        <translation>Restaurer par-dessus une base qui contient des élèves, des tests ou des résultats.</translation>
    </message>
    <message>
        <source>a lab&apos;s database is backed up and restored on its server, with vornick-labdb backup and restore.</source>
        <translation>la base d’une salle informatique se sauvegarde et se restaure sur son serveur, avec vornick-labdb backup et restore.</translation>
    </message>
    <message>
        <source>Wrote the backup %1 of %2 (%3 bytes).</source>
        <translation>Sauvegarde %1 de %2 écrite (%3 octets).</translation>
    </message>
    <message>
        <source>Restored %1 as %2.</source>
        <translation>%1 restauré comme %2.</translation>
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
        <translation>usage&#xa0;: vornick-admin import FICHIER [--title T] [--minutes N] [--description D] [--first N]
        vornick-admin export TEST --format gift|aiken|moodle [--output FICHIER]
        vornick-admin results [--test TEST] [--student NOM_OU_NUMÉRO] --output FICHIER
        vornick-admin analysis TEST [--output FICHIER.csv]
        vornick-admin extra-time ÉLÈVE [POURCENTAGE]
        vornick-admin attempts
        vornick-admin more-time ÉLÈVE TEST MINUTES
        vornick-admin finish ÉLÈVE TEST
        vornick-admin backup FICHIER
        vornick-admin restore FICHIER [--replace]
Toutes acceptent --database CHEMIN (une Ostrel.mdb) ou --settings INI (un VornickTest.ini)&#x202f;; sans elles,
elles travaillent sur la base du programme installé à côté de cet outil. TEST est le numéro ou le titre d&apos;un test.
FICHIER est un fichier GIFT, Aiken ou Moodle XML&#x202f;; un test compte au plus 25 questions, et moins de 25 donnent un
test inachevé. La durée par défaut est de %1 minutes. results écrit les tentatives en CSV (toutes, ou
celles d&apos;un test, d&apos;un élève ou des deux)&#x202f;; analysis affiche les statistiques d&apos;items d&apos;un test et, avec --output,
enregistre son tableau par question en CSV. extra-time affiche ou fixe le temps supplémentaire d&apos;un élève
(0 à 400 pour cent de la durée de chaque test)&#x202f;; attempts liste les tentatives en cours&#x202f;; more-time ajoute
de 1 à 600 minutes à l&apos;une d&apos;elles, finish la note tout de suite. ÉLÈVE est le numéro ou le nom d&apos;un élève. backup écrit une copie du fichier de
base, même pendant que le programme l’utilise&#x202f;; restore en remet une en place, par-dessus des élèves, des tests ou des
résultats seulement avec --replace.</translation>
    </message>
    <message numerus="yes">
        <source>Stored test %1 &quot;%2&quot; with %n questions.</source>
        <translation>
            <numerusform>Test %1 «&#xa0;%2&#xa0;» enregistré avec %n question.</numerusform>
            <numerusform>Test %1 «&#xa0;%2&#xa0;» enregistré avec %n questions.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n questions of test %1 &quot;%2&quot; to %3.</source>
        <translation>
            <numerusform>%n question du test %1 «&#xa0;%2&#xa0;» écrite dans %3.</numerusform>
            <numerusform>%n questions du test %1 «&#xa0;%2&#xa0;» écrites dans %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n results to %1.</source>
        <translation>
            <numerusform>%n résultat écrit dans %1.</numerusform>
            <numerusform>%n résultats écrits dans %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vornick-passwd</name>
    <message>
        <source>usage: vornick-passwd --reset [DATABASE | SETTINGS]
Puts the administrator&apos;s password back to the default. Without a path, the database
of the program installed beside this tool; a path ending in .ini is a settings file.</source>
        <translation>usage&#xa0;: vornick-passwd --reset [BASE | PARAMÈTRES]
Remet le mot de passe de l&apos;administrateur à sa valeur par défaut. Sans chemin, la base
du programme installé à côté de cet outil&#x202f;; un chemin finissant par .ini est un fichier de paramètres.</translation>
    </message>
    <message>
        <source>vornick-passwd: on this lab&apos;s server the administrator signs in as the role %1, whose
password the server keeps. As the database&apos;s owner, give it a new one with psql:
    \password %1</source>
        <translation>vornick-passwd&#xa0;: sur le serveur de cette salle, l&apos;administrateur se connecte avec le rôle %1, dont
le serveur garde le mot de passe. En tant que propriétaire de la base, donnez-lui-en un nouveau avec psql&#xa0;:
    \password %1</translation>
    </message>
    <message>
        <source>The administrator&apos;s password of %1 is &quot;%2&quot; again.</source>
        <translation>Le mot de passe de l&apos;administrateur de %1 est de nouveau «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The administrator&apos;s password of %1 was &quot;%2&quot; already.</source>
        <translation>Le mot de passe de l&apos;administrateur de %1 était déjà «&#xa0;%2&#xa0;».</translation>
    </message>
</context>
</TS>
