<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AdminPassword</name>
    <message>
        <source>The password library could not be started.</source>
        <translation>Não foi possível iniciar a biblioteca de senhas.</translation>
    </message>
    <message>
        <source>There is not enough memory to store the new password.</source>
        <translation>Não há memória suficiente para guardar a nova senha.</translation>
    </message>
</context>
<context>
    <name>Aiken</name>
    <message>
        <source>The question has no &quot;ANSWER:&quot; line after its options.</source>
        <translation>A questão não tem uma linha &quot;ANSWER:&quot; depois das alternativas.</translation>
    </message>
    <message>
        <source>The question has no &quot;ANSWER:&quot; line.</source>
        <translation>A questão não tem uma linha &quot;ANSWER:&quot;.</translation>
    </message>
    <message>
        <source>An &quot;ANSWER:&quot; line with no question before it.</source>
        <translation>Uma linha &quot;ANSWER:&quot; sem nenhuma questão antes.</translation>
    </message>
    <message>
        <source>&quot;ANSWER:&quot; must be followed by one option letter, such as ANSWER: B.</source>
        <translation>Depois de &quot;ANSWER:&quot; deve vir uma única letra de alternativa, por exemplo ANSWER: B.</translation>
    </message>
    <message>
        <source>Two options are lettered %1.</source>
        <translation>Duas alternativas têm a letra %1.</translation>
    </message>
    <message>
        <source>The question has an empty option.</source>
        <translation>A questão tem uma alternativa vazia.</translation>
    </message>
    <message numerus="yes">
        <source>The question has a text of %1 characters; a question or an answer may have at most %2.</source>
        <translation>
            <numerusform>A questão tem um texto de %1 caracteres; uma questão ou resposta pode ter no máximo %2.</numerusform>
            <numerusform>A questão tem um texto de %1 caracteres; uma questão ou resposta pode ter no máximo %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>a line break, which Aiken cannot hold; each is written as a blank.</source>
        <translation>uma quebra de linha, que o Aiken não aceita; cada uma é escrita como um espaço.</translation>
    </message>
    <message>
        <source>blanks at the start or end of a text, which Aiken cannot hold; they are left out.</source>
        <translation>espaços no início ou no fim de um texto, que o Aiken não aceita; eles são omitidos.</translation>
    </message>
    <message>
        <source>a question beginning with &quot;ANSWER:&quot;, which Aiken takes for the answer line; written after the word &quot;Question:&quot;.</source>
        <translation>uma questão que começa com &quot;ANSWER:&quot;, que o Aiken toma pela linha da resposta; ela é escrita depois da palavra &quot;Question:&quot;.</translation>
    </message>
    <message>
        <source>an empty answer; reading the file back leaves the question out.</source>
        <translation>uma resposta vazia; ao ler o arquivo de novo, a questão é omitida.</translation>
    </message>
    <message>
        <source>ANSWER: %1 names none of the question&apos;s options.</source>
        <translation>ANSWER: %1 não corresponde a nenhuma alternativa da questão.</translation>
    </message>
    <message>
        <source>picture left out (Aiken carries no pictures).</source>
        <translation>imagem omitida (Aiken não comporta imagens).</translation>
    </message>
    <message numerus="yes">
        <source>The question has %n options; the program needs exactly three: one right answer and two false ones.</source>
        <translation>
            <numerusform>A questão tem %n alternativa; o programa precisa de exatamente três: uma resposta certa e duas erradas.</numerusform>
            <numerusform>A questão tem %n alternativas; o programa precisa de exatamente três: uma resposta certa e duas erradas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AnalysisText</name>
    <message>
        <source>Warning: fewer than 5 finished attempts; these figures mean little.</source>
        <translation>Atenção: menos de 5 tentativas concluídas; estes números dizem pouco.</translation>
    </message>
    <message>
        <source>possible wrong key</source>
        <translation>possível gabarito errado</translation>
    </message>
    <message>
        <source>negative discrimination</source>
        <translation>discriminação negativa</translation>
    </message>
    <message>
        <source>too easy</source>
        <translation>fácil demais</translation>
    </message>
    <message>
        <source>too hard</source>
        <translation>difícil demais</translation>
    </message>
    <message>
        <source>Finished attempts (N): %L1</source>
        <translation>Tentativas concluídas (N): %L1</translation>
    </message>
    <message>
        <source>Mean grade: %1   Standard deviation: %2   Lowest: %3   Highest: %4</source>
        <translation>Nota média: %1   Desvio padrão: %2   Mínima: %3   Máxima: %4</translation>
    </message>
    <message>
        <source>Reliability (Cronbach&apos;s alpha, KR-20): %1   Standard error of measurement: %2</source>
        <translation>Confiabilidade (alfa de Cronbach, KR-20): %1   Erro padrão de medida: %2</translation>
    </message>
    <message>
        <source>Slot</source>
        <extracomment>A column heading of the printed table, kept short.</extracomment>
        <translation>Nº</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Questão</translation>
    </message>
    <message>
        <source>Facility</source>
        <extracomment>A column heading of the printed table, kept short.</extracomment>
        <translation>Facilidade</translation>
    </message>
    <message>
        <source>Discrimination</source>
        <translation>Discriminação</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>A column heading of the printed table, kept short (the right answer).</extracomment>
        <translation>Certa</translation>
    </message>
    <message>
        <source>False 1</source>
        <translation>Errada 1</translation>
    </message>
    <message>
        <source>False 2</source>
        <translation>Errada 2</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>A column heading of the printed table, kept short (no answer given).</extracomment>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Top answer</source>
        <translation>Sup. certa</translation>
    </message>
    <message>
        <source>Top false 1</source>
        <translation>Sup. errada 1</translation>
    </message>
    <message>
        <source>Top false 2</source>
        <translation>Sup. errada 2</translation>
    </message>
    <message>
        <source>Top none</source>
        <translation>Sup. nenhuma</translation>
    </message>
    <message>
        <source>Bottom answer</source>
        <translation>Inf. certa</translation>
    </message>
    <message>
        <source>Bottom false 1</source>
        <translation>Inf. errada 1</translation>
    </message>
    <message>
        <source>Bottom false 2</source>
        <translation>Inf. errada 2</translation>
    </message>
    <message>
        <source>Bottom none</source>
        <translation>Inf. nenhuma</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Alertas</translation>
    </message>
    <message>
        <source>Choices: A the answer, F1 and F2 the false answers, - none; T: in the top group, B: in the bottom group.</source>
        <translation>Escolhas: A a resposta certa, F1 e F2 as erradas, - nenhuma; T: no grupo superior, B: no grupo inferior.</translation>
    </message>
    <message>
        <source>Discrim.</source>
        <extracomment>Short for discrimination: a column heading of the printed table.</extracomment>
        <translation>Discrim.</translation>
    </message>
    <message>
        <source>False1</source>
        <extracomment>A column heading of the printed table, kept short (the first false answer).</extracomment>
        <translation>Errada 1</translation>
    </message>
    <message>
        <source>False2</source>
        <extracomment>A column heading of the printed table, kept short (the second false answer).</extracomment>
        <translation>Errada 2</translation>
    </message>
    <message>
        <source>  Flags</source>
        <translation>  Alertas</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Nº %1: %2</translation>
    </message>
    <message>
        <source>Keys are not checked below 20 finished attempts, so none is flagged as possibly wrong.</source>
        <translation>Abaixo de 20 tentativas concluídas o gabarito não é verificado, então nenhuma resposta é marcada como possível erro.</translation>
    </message>
    <message numerus="yes">
        <source>Top and bottom groups: %Ln attempts each (27%)</source>
        <translation>
            <numerusform>Grupos superior e inferior: %Ln tentativa cada (27%)</numerusform>
            <numerusform>Grupos superior e inferior: %Ln tentativas cada (27%)</numerusform>
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
        <translation>Esse aluno não existe.</translation>
    </message>
    <message>
        <source>Extra time must be a whole number from 0 to %1.</source>
        <translation>O tempo adicional deve ser um número inteiro de 0 a %1.</translation>
    </message>
</context>
<context>
    <name>AttemptHold</name>
    <message>
        <source>This attempt is finished already.</source>
        <translation>Esta tentativa já foi concluída.</translation>
    </message>
    <message>
        <source>The student has not begun this test.</source>
        <translation>O aluno ainda não começou esta prova.</translation>
    </message>
    <message>
        <source>Give More Time</source>
        <translation>Dar mais tempo</translation>
    </message>
    <message>
        <source>Minutes to add to this attempt (1 to %1):</source>
        <translation>Minutos a acrescentar a esta tentativa (de 1 a %1):</translation>
    </message>
    <message>
        <source>Finish Now</source>
        <translation>Concluir agora</translation>
    </message>
    <message>
        <source>Finish this attempt now? It will be graded from the answers stored.</source>
        <translation>Concluir esta tentativa agora? Ela será corrigida com as respostas gravadas.</translation>
    </message>
    <message>
        <source>Give %1 more time on %2 (%3 left)?</source>
        <translation>Dar mais tempo a %1 em %2 (restam %3)?</translation>
    </message>
    <message>
        <source>Give %1 more time on %2?</source>
        <translation>Dar mais tempo a %1 em %2?</translation>
    </message>
    <message>
        <source>Finish %1&apos;s attempt at %2 now (%3 left)? It will be graded from the answers stored.</source>
        <translation>Concluir agora a tentativa de %1 em %2 (restam %3)? Ela será corrigida com as respostas gravadas.</translation>
    </message>
    <message>
        <source>Finish %1&apos;s attempt at %2 now? It will be graded from the answers stored.</source>
        <translation>Concluir agora a tentativa de %1 em %2? Ela será corrigida com as respostas gravadas.</translation>
    </message>
</context>
<context>
    <name>ClientLibraries</name>
    <message>
        <source>The library %1 cannot be loaded: %2</source>
        <translation>Não é possível carregar a biblioteca %1: %2</translation>
    </message>
    <message>
        <source>The library %1 has no function %2.</source>
        <translation>A biblioteca %1 não tem a função %2.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The %1 of the settings file may not hold a &apos;;&apos;.</source>
        <translation>O valor %1 do arquivo de configuração não pode conter &quot;;&quot;.</translation>
    </message>
    <message>
        <source>its folder %1</source>
        <translation>a pasta dele, %1</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>o arquivo</translation>
    </message>
    <message>
        <source>The database %1 cannot be written by this user account (%2 is read-only for it), so no answer or change could be stored.
Ask the person who installed VornickTest to give this account write access to the database file and its folder.</source>
        <translation>O banco de dados %1 não pode ser gravado por esta conta de usuário (%2 é somente leitura para ela), então nenhuma resposta ou alteração pôde ser salva.
Peça a quem instalou o VornickTest que dê a esta conta permissão de escrita no arquivo do banco de dados e na pasta dele.</translation>
    </message>
    <message>
        <source>The database driver %1 is not installed.</source>
        <translation>O driver de banco de dados %1 não está instalado.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>A operação não é permitida quando o objeto está fechado.</translation>
    </message>
    <message>
        <source>The database %1 cannot be found: its folder %2 does not exist.</source>
        <translation>O banco de dados %1 não foi encontrado: a pasta %2 não existe.</translation>
    </message>
    <message>
        <source>The database %1 cannot be read by this user account (%2 is closed to it).
Ask the person who installed VornickTest to give this account access to the database file and its folder.</source>
        <translation>O banco de dados %1 não pode ser lido por esta conta de usuário (%2 está fechado para ela).
Peça a quem instalou o VornickTest que dê a esta conta acesso ao arquivo do banco de dados e à pasta dele.</translation>
    </message>
    <message>
        <source>The database %1 does not exist.</source>
        <translation>O banco de dados %1 não existe.</translation>
    </message>
    <message>
        <source>The database %1 cannot be opened: %2</source>
        <translation>Não é possível abrir o banco de dados %1: %2</translation>
    </message>
    <message>
        <source>This session has ended; please sign in again.</source>
        <translation>Esta sessão terminou; entre de novo, por favor.</translation>
    </message>
    <message>
        <source>The database is busy saving results; try again when they are saved.</source>
        <translation>O banco de dados está salvando resultados; tente novamente quando estiverem salvos.</translation>
    </message>
    <message>
        <source>The database driver QPSQL cannot be loaded. A server is reached through Qt&apos;s PostgreSQL driver (Debian&apos;s libqt6sql6-psql) and the PostgreSQL client library libpq (libpq5); both must be installed.</source>
        <translation>Não é possível carregar o driver de banco de dados QPSQL. Um servidor é alcançado pelo driver PostgreSQL do Qt (libqt6sql6-psql do Debian) e pela biblioteca cliente do PostgreSQL libpq (libpq5); os dois precisam estar instalados.</translation>
    </message>
</context>
<context>
    <name>Cursor</name>
    <message>
        <source>The database driver cannot hand over rows one at a time.</source>
        <translation>O driver de banco de dados não consegue entregar as linhas uma de cada vez.</translation>
    </message>
</context>
<context>
    <name>EmbeddedWork</name>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
</context>
<context>
    <name>ErrorPolicy</name>
    <message>
        <source>Connection to the server lost; trying again…</source>
        <translation>Conexão com o servidor perdida; tentando novamente…</translation>
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
        <translation>O backup %1 seria gravado sobre o banco de dados que ele copia; indique outro arquivo.</translation>
    </message>
    <message>
        <source>The database %1 does not exist.</source>
        <translation>O banco de dados %1 não existe.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be written: %2.</source>
        <translation>Não é possível gravar o backup %1: %2.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be written.</source>
        <translation>Não é possível gravar o backup %1.</translation>
    </message>
    <message>
        <source>The backup %1 is the database itself.</source>
        <translation>O backup %1 é o próprio banco de dados.</translation>
    </message>
    <message>
        <source>%1 is not a database of VornickTest; nothing was restored.</source>
        <translation>%1 não é um banco de dados do VornickTest; nada foi restaurado.</translation>
    </message>
    <message numerus="yes">
        <source>The database %1 holds %n students, tests and results; nothing was restored (give --replace to write over them).</source>
        <translation>
            <numerusform>O banco de dados %1 contém %n aluno, prova ou resultado; nada foi restaurado (use --replace para sobrescrevê-lo).</numerusform>
            <numerusform>O banco de dados %1 contém %n alunos, provas e resultados; nada foi restaurado (use --replace para sobrescrevê-los).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Gift</name>
    <message>
        <source>the program needs one right answer (=) and two false answers (~).</source>
        <translation>o programa precisa de uma resposta certa (=) e duas respostas erradas (~).</translation>
    </message>
    <message>
        <source>The line ends in a &quot;\&quot; that escapes nothing; write \\ for a backslash.</source>
        <translation>A linha termina com um &quot;\&quot; que não escapa nada; escreva \\ para uma barra invertida.</translation>
    </message>
    <message>
        <source>The question title opened with &quot;::&quot; is never closed with &quot;::&quot;.</source>
        <translation>O título de questão aberto com &quot;::&quot; nunca é fechado com &quot;::&quot;.</translation>
    </message>
    <message>
        <source>a text without answers in { }: a description, not a question.</source>
        <translation>um texto sem respostas entre { }: uma descrição, não uma questão.</translation>
    </message>
    <message>
        <source>A &quot;}&quot; with no &quot;{&quot; before it; write \} for a brace inside a text.</source>
        <translation>Um &quot;}&quot; sem nenhum &quot;{&quot; antes; escreva \} para uma chave dentro de um texto.</translation>
    </message>
    <message>
        <source> (\} is a brace inside a text, not the end of the answers)</source>
        <translation> (\} é uma chave dentro de um texto, não o fim das respostas)</translation>
    </message>
    <message>
        <source>The answers opened with &quot;{&quot; here are never closed with &quot;}&quot;%1.</source>
        <translation>As respostas abertas aqui com &quot;{&quot; nunca são fechadas com &quot;}&quot;%1.</translation>
    </message>
    <message>
        <source>A second &quot;{&quot; before the answers opened on line %1 were closed; write \{ for a brace inside a text.</source>
        <translation>Um segundo &quot;{&quot; antes de fechar as respostas abertas na linha %1; escreva \{ para uma chave dentro de um texto.</translation>
    </message>
    <message>
        <source>A second set of answers after those on line %1; leave a blank line between two questions.</source>
        <translation>Um segundo conjunto de respostas depois do da linha %1; deixe uma linha em branco entre duas questões.</translation>
    </message>
    <message>
        <source>an essay question (no answers to choose from); </source>
        <translation>uma questão dissertativa (sem respostas para escolher); </translation>
    </message>
    <message>
        <source>a numeric question; </source>
        <translation>uma questão numérica; </translation>
    </message>
    <message>
        <source>a true/false question; </source>
        <translation>uma questão de verdadeiro ou falso; </translation>
    </message>
    <message>
        <source>text before the first answer; each answer begins with = (right) or ~ (false).</source>
        <translation>texto antes da primeira resposta; cada resposta começa com = (certa) ou ~ (errada).</translation>
    </message>
    <message>
        <source>a matching question; </source>
        <translation>uma questão de associação; </translation>
    </message>
    <message>
        <source>a short answer question (the student types the answer); </source>
        <translation>uma questão de resposta curta (o aluno digita a resposta); </translation>
    </message>
    <message>
        <source>weighted answers (such as %50%); the program counts an answer only as right or wrong.</source>
        <translation>respostas com peso (como %50%); o programa conta uma resposta apenas como certa ou errada.</translation>
    </message>
    <message>
        <source>%1 right and %2 false answers; </source>
        <translation>%1 respostas certas e %2 erradas; </translation>
    </message>
    <message>
        <source>no question text.</source>
        <translation>sem texto de questão.</translation>
    </message>
    <message>
        <source>an empty answer.</source>
        <translation>uma resposta vazia.</translation>
    </message>
    <message numerus="yes">
        <source>a text of %1 characters; a question or an answer may have at most %2.</source>
        <translation>
            <numerusform>um texto de %1 caracteres; uma questão ou resposta pode ter no máximo %2.</numerusform>
            <numerusform>um texto de %1 caracteres; uma questão ou resposta pode ter no máximo %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>feedback left out.</source>
        <translation>comentário omitido.</translation>
    </message>
    <message>
        <source>an empty answer; reading the file back leaves the question out.</source>
        <translation>uma resposta vazia; ao ler o arquivo de novo, a questão é omitida.</translation>
    </message>
    <message>
        <source>picture left out; its alt text stays in brackets.</source>
        <translation>imagem omitida; o texto alternativo fica entre colchetes.</translation>
    </message>
    <message>
        <source>script or style left out.</source>
        <translation>script ou estilo omitido.</translation>
    </message>
    <message numerus="yes">
        <source>an HTML text with %1 tags; the program reads at most %2 in one text.</source>
        <translation>
            <numerusform>um texto HTML com %1 tags; o programa lê no máximo %2 em um texto.</numerusform>
            <numerusform>um texto HTML com %1 tags; o programa lê no máximo %2 em um texto.</numerusform>
        </translation>
    </message>
    <message>
        <source>past the first %1 HTML tags of the file, more than the program reads in one file; split the file and import each part.</source>
        <translation>depois das %1 primeiras tags HTML do arquivo, mais do que o programa lê em um arquivo; divida o arquivo e importe cada parte.</translation>
    </message>
    <message>
        <source>A blank line (line %1) ended the question inside its answers opened with &quot;{&quot; here; leave no blank line between &quot;{&quot; and &quot;}&quot;.</source>
        <translation>Uma linha em branco (linha %1) encerrou a questão dentro das respostas abertas aqui com &quot;{&quot;; não deixe linha em branco entre &quot;{&quot; e &quot;}&quot;.</translation>
    </message>
    <message>
        <source>its picture is left out, its alt text in brackets: %1</source>
        <translation>a imagem foi omitida; o texto alternativo fica entre colchetes: %1</translation>
    </message>
    <message>
        <source>a picture, written inside the question as HTML (a data: URI); other tools may not show pictures in GIFT.</source>
        <translation>uma imagem, escrita dentro da questão como HTML (uma URI data:); outros programas podem não mostrar imagens em GIFT.</translation>
    </message>
    <message>
        <source>blanks at the start or end of a line, or several in a row, in a question written as HTML for its picture; reading the file back gives one blank or none for each.</source>
        <translation>espaços no início ou no fim de uma linha, ou vários seguidos, em uma questão escrita como HTML por causa da imagem; ao ler o arquivo de novo, cada grupo vira um só espaço ou nenhum.</translation>
    </message>
    <message numerus="yes">
        <source>A question of more than %1 characters, its picture included; the program reads at most that many.</source>
        <translation>
            <numerusform>Uma questão com mais de %1 caracteres, incluindo a imagem; o programa lê no máximo essa quantidade.</numerusform>
            <numerusform>Uma questão com mais de %1 caracteres, incluindo a imagem; o programa lê no máximo essa quantidade.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures; a question keeps one, the first in a data: URI, and the alt text of the others stays in brackets.</source>
        <translation>
            <numerusform>%n imagem; uma questão guarda só uma, a primeira em uma URI data:, e o texto alternativo das outras fica entre colchetes.</numerusform>
            <numerusform>%n imagens; uma questão guarda só uma, a primeira em uma URI data:, e o texto alternativo das outras fica entre colchetes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ItemAnalysis</name>
    <message>
        <source>false answer 1</source>
        <translation>resposta errada 1</translation>
    </message>
    <message>
        <source>false answer 2</source>
        <translation>resposta errada 2</translation>
    </message>
    <message>
        <source>Negative discrimination: r = %1, weaker attempts got it right more often than stronger ones.</source>
        <translation>Discriminação negativa: r = %1, as tentativas mais fracas acertaram mais vezes do que as mais fortes.</translation>
    </message>
    <message>
        <source>Too easy: facility %1, above 0.9.</source>
        <translation>Fácil demais: facilidade %1, acima de 0,9.</translation>
    </message>
    <message>
        <source>Too hard: facility %1, below 0.25 (under chance for three answers).</source>
        <translation>Difícil demais: facilidade %1, abaixo de 0,25 (menos que o acaso com três respostas).</translation>
    </message>
    <message>
        <source>not defined</source>
        <translation>não definido</translation>
    </message>
    <message>
        <source>Possible wrong key: %1 (chosen by %2, r = %3) goes with high totals more than the keyed answer (chosen by %4, r = %5); %1 is probably right.</source>
        <translation>Possível gabarito errado: %1 (escolhida por %2, r = %3) acompanha mais as notas altas do que a resposta do gabarito (escolhida por %4, r = %5); %1 provavelmente é a certa.</translation>
    </message>
</context>
<context>
    <name>LabDatabase</name>
    <message>
        <source>The server&apos;s database already holds data (the %1 table has rows); nothing was copied.</source>
        <translation>O banco de dados do servidor já tem dados (a tabela %1 tem linhas); nada foi copiado.</translation>
    </message>
    <message>
        <source>Copying the %1 row with %2 %3: %4</source>
        <translation>Ao copiar a linha de %1 com %2 %3: %4</translation>
    </message>
    <message>
        <source>Lab passwords must be at least 8 characters long.</source>
        <translation>No laboratório, as senhas devem ter pelo menos 8 caracteres.</translation>
    </message>
    <message>
        <source>The certificate %1 cannot be read.</source>
        <translation>Não é possível ler o certificado %1.</translation>
    </message>
</context>
<context>
    <name>LabWork</name>
    <message>
        <source>This test is no longer available.</source>
        <translation>Esta prova não está mais disponível.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The settings file names the language &quot;%1&quot;, which this program does not have. It has: %2.</source>
        <translation>O arquivo de configuração indica o idioma &quot;%1&quot;, que este programa não tem. Idiomas disponíveis: %2.</translation>
    </message>
</context>
<context>
    <name>Moodle</name>
    <message>
        <source>The file is XML but not a Moodle question file (it has no &lt;quiz&gt;).</source>
        <translation>O arquivo é XML, mas não é um arquivo de questões do Moodle (não tem &lt;quiz&gt;).</translation>
    </message>
    <message>
        <source>The file is not well-formed XML here: %1.</source>
        <translation>O arquivo não é um XML bem formado neste ponto: %1.</translation>
    </message>
    <message>
        <source>an empty text.</source>
        <translation>um texto vazio.</translation>
    </message>
    <message numerus="yes">
        <source>a text of %1 characters; at most %2 can be used.</source>
        <translation>
            <numerusform>um texto de %1 caracteres; no máximo %2 podem ser usados.</numerusform>
            <numerusform>um texto de %1 caracteres; no máximo %2 podem ser usados.</numerusform>
        </translation>
    </message>
    <message>
        <source>a question of type &quot;%1&quot;; only multiple choice (multichoice) can be used.</source>
        <translation>uma questão do tipo &quot;%1&quot;; só questões de múltipla escolha (multichoice) podem ser usadas.</translation>
    </message>
    <message>
        <source>answers of fractions other than one of 100 and two of 0; the program counts an answer only as right or false.</source>
        <translation>respostas com frações diferentes de uma de 100 e duas de 0; o programa conta uma resposta só como certa ou errada.</translation>
    </message>
    <message>
        <source>its picture &quot;%1&quot; is not in the file; left out.</source>
        <translation>a imagem &quot;%1&quot; não está no arquivo; omitida.</translation>
    </message>
    <message>
        <source>it is not a picture inside the file.</source>
        <translation>não é uma imagem contida no arquivo.</translation>
    </message>
    <message>
        <source>its picture is left out: %1</source>
        <translation>a imagem foi omitida: %1</translation>
    </message>
    <message>
        <source>An entity in question %1 was left out.</source>
        <translation>Uma entidade na questão %1 foi omitida.</translation>
    </message>
    <message>
        <source>The file has more than %1 HTML tags; the program reads at most that many in one file. Split the file and import each part.</source>
        <translation>O arquivo tem mais de %1 tags HTML; o programa lê no máximo essa quantidade em um arquivo. Divida o arquivo e importe cada parte.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers; the program needs exactly three, one right (fraction 100) and two false (fraction 0).</source>
        <translation>
            <numerusform>%n resposta; o programa precisa de exatamente três, uma certa (fraction 100) e duas erradas (fraction 0).</numerusform>
            <numerusform>%n respostas; o programa precisa de exatamente três, uma certa (fraction 100) e duas erradas (fraction 0).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only the first of its %n pictures is kept.</source>
        <translation>
            <numerusform>só a primeira da sua %n imagem é mantida.</numerusform>
            <numerusform>só a primeira das suas %n imagens é mantida.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureView</name>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Press Enter to see it full size.</source>
        <translation>Pressione Enter para vê-la em tamanho real.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>The file is larger than 50 MB, too large for a question&apos;s picture.</source>
        <translation>O arquivo tem mais de 50 MB, grande demais para a imagem de uma questão.</translation>
    </message>
    <message>
        <source>The file is not a picture this program can show (PNG, JPEG, GIF, BMP or WebP).</source>
        <translation>O arquivo não é uma imagem que este programa possa mostrar (PNG, JPEG, GIF, BMP ou WebP).</translation>
    </message>
    <message>
        <source>The picture in the file cannot be read: %1.</source>
        <translation>A imagem do arquivo não pode ser lida: %1.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>O arquivo %1 não pode ser aberto: %2.</translation>
    </message>
    <message>
        <source>A picture needs a description for students who cannot see it. Type one in the box under the picture, or remove the picture.</source>
        <translation>Uma imagem precisa de uma descrição para os alunos que não podem vê-la. Digite uma na caixa abaixo da imagem ou remova a imagem.</translation>
    </message>
    <message>
        <source>The picture&apos;s base64 text is damaged.</source>
        <translation>O texto base64 da imagem está danificado.</translation>
    </message>
    <message>
        <source>The data: URI holds no picture in base64 (data:image/…;base64,…).</source>
        <translation>A URI data: não contém imagem em base64 (data:image/…;base64,…).</translation>
    </message>
    <message>
        <source>its picture has no alt text; write a description for it in the question editor.</source>
        <translation>a imagem não tem texto alternativo; escreva uma descrição para ela no editor de questões.</translation>
    </message>
    <message numerus="yes">
        <source>A picture&apos;s description may have at most %n characters; this one has %1.</source>
        <translation>
            <numerusform>A descrição de uma imagem pode ter no máximo %n caractere; esta tem %1.</numerusform>
            <numerusform>A descrição de uma imagem pode ter no máximo %n caracteres; esta tem %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its picture&apos;s alt text has %n characters; the first %1 are its description.</source>
        <translation>
            <numerusform>o texto alternativo da imagem tem %n caractere; os primeiros %1 são a descrição dela.</numerusform>
            <numerusform>o texto alternativo da imagem tem %n caracteres; os primeiros %1 são a descrição dela.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>VornickTest report</source>
        <translation>Relatório do VornickTest</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>A impressora %1 informou um erro.</translation>
    </message>
    <message>
        <source>The user guide could not be opened:
%1</source>
        <translation>Não foi possível abrir o guia do usuário:
%1</translation>
    </message>
    <message>
        <source>VornickTest Help</source>
        <translation>Ajuda do VornickTest</translation>
    </message>
</context>
<context>
    <name>QuestionFile</name>
    <message numerus="yes">
        <source>The file has %1 bytes; a question file may have at most %2 (10 MB).</source>
        <translation>
            <numerusform>O arquivo tem %1 bytes; um arquivo de questões pode ter no máximo %2 (10 MB).</numerusform>
            <numerusform>O arquivo tem %1 bytes; um arquivo de questões pode ter no máximo %2 (10 MB).</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds a NUL byte here, so it is not a text file. Choose a GIFT or Aiken file saved as text.</source>
        <translation>O arquivo tem aqui um byte NUL, então não é um arquivo de texto. Escolha um arquivo GIFT ou Aiken salvo como texto.</translation>
    </message>
    <message>
        <source>The file holds a byte that is not UTF-8 text here (0x%1). Save the file as UTF-8 and import it again.</source>
        <translation>O arquivo tem aqui um byte que não é texto UTF-8 (0x%1). Salve o arquivo como UTF-8 e importe-o de novo.</translation>
    </message>
    <message>
        <source>The file is marked as UTF-16 text but is not. Save the file as UTF-8 and import it again.</source>
        <translation>O arquivo está marcado como texto UTF-16, mas não é. Salve o arquivo como UTF-8 e importe-o de novo.</translation>
    </message>
    <message>
        <source>The file holds a NUL character here, so it is not a text file.</source>
        <translation>O arquivo tem aqui um caractere NUL, então não é um arquivo de texto.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>O arquivo está vazio.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Não é possível abrir o arquivo %1: %2.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... e mais %1.</translation>
    </message>
    <message>
        <source>Questions that can be used: %1.</source>
        <translation>Questões que podem ser usadas: %1.</translation>
    </message>
    <message>
        <source>Questions left out: %1.</source>
        <translation>Questões omitidas: %1.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Observações:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Questions </source>
        <translation>Questões </translation>
    </message>
    <message>
        <source>Question </source>
        <translation>Questão </translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>no question text; left out of the file.</source>
        <translation>sem texto de questão; deixada fora do arquivo.</translation>
    </message>
    <message>
        <source>a carriage return or NUL character, which a text file cannot hold; a carriage return is written as a line break, a NUL character left out.</source>
        <translation>um retorno de carro ou caractere NUL, que um arquivo de texto não aceita; o retorno de carro é escrito como quebra de linha e o caractere NUL é omitido.</translation>
    </message>
    <message numerus="yes">
        <source>a text longer than %1 characters; reading the file back leaves the question out.</source>
        <translation>
            <numerusform>um texto com mais de %1 caracteres; ao ler o arquivo de novo, a questão é omitida.</numerusform>
            <numerusform>um texto com mais de %1 caracteres; ao ler o arquivo de novo, a questão é omitida.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file has %1 bytes; a GIFT or Moodle XML file may have at most %2 (100 MB).</source>
        <translation>
            <numerusform>O arquivo tem %1 bytes; um arquivo GIFT ou Moodle XML pode ter no máximo %2 (100 MB).</numerusform>
            <numerusform>O arquivo tem %1 bytes; um arquivo GIFT ou Moodle XML pode ter no máximo %2 (100 MB).</numerusform>
        </translation>
    </message>
    <message>
        <source>Questions that can be used: more than %1; reading stopped there.</source>
        <translation>Questões utilizáveis: mais de %1; a leitura parou ali.</translation>
    </message>
</context>
<context>
    <name>QuestionFiles</name>
    <message>
        <source>No question in this file can be used; nothing is stored.</source>
        <translation>Nenhuma questão deste arquivo pode ser usada; nada foi salvo.</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>This file cannot be imported.
</source>
        <translation>Este arquivo não pode ser importado.
</translation>
    </message>
    <message>
        <source>Read %1 as %2.
</source>
        <translation>%1 lido como %2.
</translation>
    </message>
    <message>
        <source>GIFT files (*.gift)</source>
        <translation>Arquivos GIFT (*.gift)</translation>
    </message>
    <message>
        <source>Aiken files (*.txt)</source>
        <translation>Arquivos Aiken (*.txt)</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Não é possível gravar o arquivo %1: %2.</translation>
    </message>
    <message>
        <source>Question files (*.gift *.txt *.xml)</source>
        <translation>Arquivos de questões (*.gift *.txt *.xml)</translation>
    </message>
    <message>
        <source>Moodle XML files (*.xml)</source>
        <translation>Arquivos Moodle XML (*.xml)</translation>
    </message>
    <message>
        <source>Import Questions</source>
        <translation>Importar questões</translation>
    </message>
    <message>
        <source>Export Questions</source>
        <translation>Exportar questões</translation>
    </message>
    <message numerus="yes">
        <source>%n questions of &quot;%1&quot; written to %2 as %3.</source>
        <translation>
            <numerusform>%n questão de &quot;%1&quot; gravada em %2 como %3.</numerusform>
            <numerusform>%n questões de &quot;%1&quot; gravadas em %2 como %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>This record was changed or deleted by another user since it was read; your change was not saved.</source>
        <translation>Este registro foi alterado ou excluído por outro usuário depois de lido; sua alteração não foi salva.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>BOF ou EOF é True, ou o registro atual foi excluído. A operação pedida exige um registro atual.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is open.</source>
        <translation>A operação não é permitida quando o objeto está aberto.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>A operação não é permitida quando o objeto está fechado.</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal: %1</source>
        <translation>Nenhum item corresponde ao nome ou ordinal pedido na coleção: %1</translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>A impressora não conseguiu começar uma nova página.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Não foi possível iniciar a impressora.</translation>
    </message>
    <message>
        <source>The printer could not finish the document.</source>
        <translation>A impressora não conseguiu concluir o documento.</translation>
    </message>
    <message>
        <source>The report could not be saved as %1:
%2</source>
        <translation>Não foi possível salvar o relatório como %1:
%2</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Não foi possível gravar o relatório em %1.</translation>
    </message>
    <message>
        <source>VornickTest report %1</source>
        <translation>Relatório do VornickTest %1</translation>
    </message>
    <message>
        <source>VornickTest report</source>
        <translation>Relatório do VornickTest</translation>
    </message>
</context>
<context>
    <name>ResultsFiles</name>
    <message>
        <source>Save Results</source>
        <translation>Salvar resultados</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Não é possível gravar o arquivo %1: %2.</translation>
    </message>
    <message>
        <source>There are no results to save yet.</source>
        <translation>Ainda não há resultados para salvar.</translation>
    </message>
    <message>
        <source>Saving results…</source>
        <translation>Salvando resultados…</translation>
    </message>
    <message>
        <source>Saving was cancelled; nothing was saved.</source>
        <translation>O salvamento foi cancelado; nada foi salvo.</translation>
    </message>
    <message numerus="yes">
        <source>%n results written to %1.</source>
        <translation>
            <numerusform>%n resultado gravado em %1.</numerusform>
            <numerusform>%n resultados gravados em %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsList</name>
    <message>
        <source>No printer is installed, so the report was saved as
%1</source>
        <translation>Não há impressora instalada, então o relatório foi salvo como
%1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prova</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Printing....</source>
        <translation>Imprimindo...</translation>
    </message>
    <message>
        <source>This test is no longer available.</source>
        <translation>Esta prova não está mais disponível.</translation>
    </message>
</context>
<context>
    <name>ResultsRow</name>
    <message>
        <source>Not Taken</source>
        <translation>Não feita</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation>Não concluída</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>The database has schema version %1, which this copy of VornickTest does not know (it knows versions up to %2). It was left untouched: use the VornickTest that last opened it, or a newer one.</source>
        <translation>O banco de dados tem a versão de esquema %1, que esta cópia do VornickTest não conhece (ela conhece versões até a %2). Ele não foi alterado: use o VornickTest que o abriu por último, ou um mais novo.</translation>
    </message>
    <message>
        <source>A database already exists at %1; it is left untouched.</source>
        <translation>Já existe um banco de dados em %1; ele não é alterado.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>A operação não é permitida quando o objeto está fechado.</translation>
    </message>
    <message>
        <source>The database already has the program&apos;s tables; it is left untouched.</source>
        <translation>O banco de dados já tem as tabelas do programa; ele não é alterado.</translation>
    </message>
    <message>
        <source>The database is of an older version and could not be brought up to date: %1
It was left untouched.</source>
        <translation>O banco de dados é de uma versão anterior e não pôde ser atualizado: %1
Ele não foi alterado.</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>The settings file %1 cannot be read.</source>
        <translation>Não é possível ler o arquivo de configuração %1.</translation>
    </message>
    <message>
        <source>has a section the program does not know: [%1]</source>
        <translation>tem uma seção que o programa não conhece: [%1]</translation>
    </message>
    <message>
        <source>has a line that is neither [Section] nor key=value</source>
        <translation>tem uma linha que não é nem [Seção] nem chave=valor</translation>
    </message>
    <message>
        <source>has a key the program does not know: %1</source>
        <translation>tem uma chave que o programa não conhece: %1</translation>
    </message>
    <message>
        <source>names %1 twice</source>
        <translation>indica %1 duas vezes</translation>
    </message>
    <message>
        <source>The settings file %1 %2 (line %3).</source>
        <translation>O arquivo de configuração %1 %2 (linha %3).</translation>
    </message>
    <message>
        <source>The password file %1 named in %2 cannot be read: %3</source>
        <translation>Não é possível ler o arquivo de senha %1 indicado em %2: %3</translation>
    </message>
    <message>
        <source>The settings file %1 names no database: its [PostgreSQL] section needs a line database=NAME.</source>
        <translation>O arquivo de configuração %1 não indica nenhum banco de dados: a seção [PostgreSQL] precisa de uma linha database=NOME.</translation>
    </message>
    <message>
        <source>The settings file %1 names no valid port.</source>
        <translation>O arquivo de configuração %1 não indica uma porta válida.</translation>
    </message>
    <message>
        <source>The %1 for the settings file %2 holds a line break.</source>
        <translation>O valor %1 para o arquivo de configuração %2 contém uma quebra de linha.</translation>
    </message>
    <message>
        <source>The settings file %1 names both a database file and a server; it may name only one.</source>
        <translation>O arquivo de configuração %1 indica ao mesmo tempo um arquivo de banco de dados e um servidor; ele só pode indicar um.</translation>
    </message>
    <message>
        <source>The settings file %1 names no database: it needs a [Database] section with a line file=PATH, or a [PostgreSQL] section.</source>
        <translation>O arquivo de configuração %1 não indica nenhum banco de dados: precisa de uma seção [Database] com uma linha file=CAMINHO, ou de uma seção [PostgreSQL].</translation>
    </message>
    <message>
        <source>the database %1 on %2</source>
        <translation>o banco de dados %1 em %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written: %2.</source>
        <translation>Não é possível gravar o arquivo de configuração %1: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written: the folder %2 does not exist.</source>
        <translation>Não é possível gravar o arquivo de configuração %1: a pasta %2 não existe.</translation>
    </message>
</context>
<context>
    <name>SlotForm</name>
    <message>
        <source>Question #</source>
        <translation>Questão nº</translation>
    </message>
    <message>
        <source>Previous question</source>
        <translation>Questão anterior</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Próxima questão</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Concluir</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Resposta %1</translation>
    </message>
    <message>
        <source>Click the picture or press Enter to see it full size.</source>
        <translation>Clique na imagem ou pressione Enter para vê-la em tamanho real.</translation>
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
        <translation>Você precisa dar um título à prova.</translation>
    </message>
    <message>
        <source>Another test already has the title &quot;%1&quot;.
Please choose a different title.</source>
        <translation>Outra prova já tem o título &quot;%1&quot;.
Escolha outro título, por favor.</translation>
    </message>
    <message>
        <source>The length of the test must be a whole number of minutes from 0 to %1.</source>
        <translation>A duração da prova precisa ser um número inteiro de minutos entre 0 e %1.</translation>
    </message>
    <message numerus="yes">
        <source>The test title can be at most %n characters long.</source>
        <translation>
            <numerusform>O título de uma prova pode ter no máximo %n caractere.</numerusform>
            <numerusform>O título de uma prova pode ter no máximo %n caracteres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAdmin</name>
    <message>
        <source>Vornick Test Taker - Administrative Functions</source>
        <translation>Vornick Test Taker - Administração</translation>
    </message>
    <message>
        <source>Students:</source>
        <translation>Alunos:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Tests:</source>
        <translation>Provas:</translation>
    </message>
    <message>
        <source>Note: The brackets &quot;&lt;&gt;&quot; depict unfinished tests which are not available to students.</source>
        <translation>Observação: os sinais &quot;&lt;&gt;&quot; marcam provas não concluídas, que os alunos não veem.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>Ex&amp;port…</source>
        <translation>Ex&amp;portar…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>Es&amp;tatísticas…</translation>
    </message>
    <message>
        <source>Save &amp;Results…</source>
        <translation>Salvar res&amp;ultados…</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>&amp;View Test Results</source>
        <translation>&amp;Ver resultados</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>You must enter a student name.</source>
        <translation>Você precisa digitar o nome do aluno.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>You must enter a password.</source>
        <translation>Você precisa digitar uma senha.</translation>
    </message>
    <message>
        <source>Another student already has the name &quot;%1&quot;.
Please give this student a different name.</source>
        <translation>Outro aluno já tem o nome &quot;%1&quot;.
Dê outro nome a este aluno, por favor.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this student and all the test results?</source>
        <translation>Tem certeza de que deseja excluir este aluno e todos os resultados dele?</translation>
    </message>
    <message>
        <source>Delete The Current Student</source>
        <translation>Excluir o aluno atual</translation>
    </message>
    <message>
        <source>Select a student first!</source>
        <translation>Selecione um aluno primeiro!</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this test<byte value="xd"/>
 and all the corresponding student results?</source>
        <translation>Tem certeza de que deseja excluir esta prova<byte value="xd"/>
 e todos os resultados dos alunos nela?</translation>
    </message>
    <message>
        <source>Delete The Selected Test</source>
        <translation>Excluir a prova selecionada</translation>
    </message>
    <message>
        <source>%1 results.csv</source>
        <translation>%1 resultados.csv</translation>
    </message>
    <message>
        <source>Attempts in Pro&amp;gress…</source>
        <translation>Tentativas em an&amp;damento…</translation>
    </message>
    <message>
        <source>Extra ti&amp;me (%):</source>
        <translation>Te&amp;mpo adicional (%):</translation>
    </message>
    <message>
        <source>Add/&amp;Save</source>
        <translation>Adicionar/&amp;Salvar</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Ex&amp;cluir</translation>
    </message>
    <message>
        <source>Change Pass&amp;word…</source>
        <translation>Alterar se&amp;nha…</translation>
    </message>
    <message>
        <source>Delete test</source>
        <translation>Excluir a prova</translation>
    </message>
    <message>
        <source>Delete student</source>
        <translation>Excluir o aluno</translation>
    </message>
    <message>
        <source>Lab passwords must be at least 8 characters long.</source>
        <translation>No laboratório, as senhas devem ter pelo menos 8 caracteres.</translation>
    </message>
</context>
<context>
    <name>frmAnswers</name>
    <message>
        <source>Results of: %1</source>
        <translation>Resultados de: %1</translation>
    </message>
    <message>
        <source>Question %1, %2</source>
        <translation>Questão %1, %2</translation>
    </message>
    <message>
        <source>right answer</source>
        <translation>resposta certa</translation>
    </message>
    <message>
        <source>your answer</source>
        <translation>sua resposta</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Questão %1</translation>
    </message>
    <message>
        <source>right</source>
        <translation>certa</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>errada</translation>
    </message>
    <message>
        <source>This test has not been finished yet.</source>
        <translation>Esta prova ainda não foi concluída.</translation>
    </message>
</context>
<context>
    <name>frmAttempts</name>
    <message>
        <source>Attempts in Progress</source>
        <translation>Tentativas em andamento</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Aluno</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prova</translation>
    </message>
    <message>
        <source>Began</source>
        <translation>Iniciada</translation>
    </message>
    <message>
        <source>Answered</source>
        <translation>Respondidas</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Tempo restante</translation>
    </message>
    <message>
        <source>Give &amp;More Time…</source>
        <translation>Dar &amp;mais tempo…</translation>
    </message>
    <message>
        <source>&amp;Finish Now</source>
        <translation>Concluir a&amp;gora</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Atualizar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fe&amp;char</translation>
    </message>
</context>
<context>
    <name>frmChangePassword</name>
    <message>
        <source>Change Password</source>
        <translation>Alterar senha</translation>
    </message>
    <message>
        <source>C&amp;urrent password:</source>
        <translation>Senha a&amp;tual:</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>&amp;Nova senha:</translation>
    </message>
    <message>
        <source>&amp;Repeat new password:</source>
        <translation>&amp;Repita a nova senha:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Senha inválida</translation>
    </message>
    <message>
        <source>You must enter a new password.</source>
        <translation>Você precisa digitar uma nova senha.</translation>
    </message>
    <message>
        <source>The new password and its repeat are not the same.</source>
        <translation>A nova senha e a repetição não são iguais.</translation>
    </message>
    <message>
        <source>The administrator&apos;s password has been changed.</source>
        <translation>A senha do administrador foi alterada.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>frmEntry</name>
    <message>
        <source>Vornick Test Taker   Vs. 1.0</source>
        <translation>Vornick Test Taker   versão 1.0</translation>
    </message>
    <message>
        <source>Student ID:</source>
        <translation>ID do aluno:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Press F1 for help</source>
        <translation>Pressione F1 para obter ajuda</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Senha inválida</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Take Selected Test</source>
        <translation>Fazer a &amp;prova selecionada</translation>
    </message>
    <message>
        <source>&amp;Review Missed Questions</source>
        <translation>&amp;Rever questões erradas</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Test Results For %1</source>
        <translation>Resultados de %1</translation>
    </message>
    <message>
        <source>This test cannot be started: its length is not a whole number of minutes from 0 to %1.
Please tell your teacher.</source>
        <translation>Esta prova não pode começar: a duração dela não é um número inteiro de minutos entre 0 e %1.
Avise seu professor, por favor.</translation>
    </message>
</context>
<context>
    <name>frmNewTest</name>
    <message>
        <source>Add New Test</source>
        <translation>Adicionar nova prova</translation>
    </message>
    <message>
        <source>Previous question</source>
        <translation>Questão anterior</translation>
    </message>
    <message>
        <source>Question 1</source>
        <translation>Questão 1</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Próxima questão</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Questão:</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Resposta:</translation>
    </message>
    <message>
        <source>False Answer:</source>
        <translation>Resposta errada:</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Questão %1</translation>
    </message>
    <message numerus="yes">
        <source>There are %n questions left to write.<byte value="xd"/>
Are you sure you want to exit?</source>
        <translation>
            <numerusform>Ainda falta %n questão para escrever.<byte value="xd"/>
Tem certeza de que deseja sair?</numerusform>
            <numerusform>Ainda faltam %n questões para escrever.<byte value="xd"/>
Tem certeza de que deseja sair?</numerusform>
        </translation>
    </message>
    <message>
        <source>Incomplete Test</source>
        <translation>Prova incompleta</translation>
    </message>
    <message>
        <source>False answer 1</source>
        <translation>Resposta errada 1</translation>
    </message>
    <message>
        <source>False answer 2</source>
        <translation>Resposta errada 2</translation>
    </message>
    <message>
        <source>Picture&apos;s description:</source>
        <translation>Descrição da imagem:</translation>
    </message>
    <message>
        <source>&amp;Picture…</source>
        <translation>&amp;Imagem…</translation>
    </message>
    <message>
        <source>&amp;Remove Picture</source>
        <translation>&amp;Remover imagem</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.webp)</source>
        <translation>Imagens (*.png *.jpg *.jpeg *.gif *.bmp *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>This file cannot be used as the question&apos;s picture.
%1</source>
        <translation>Este arquivo não pode ser usado como imagem da questão.
%1</translation>
    </message>
    <message>
        <source>Remove this question&apos;s picture?</source>
        <translation>Remover a imagem desta pergunta?</translation>
    </message>
    <message>
        <source>Remove Picture</source>
        <translation>Remover imagem</translation>
    </message>
</context>
<context>
    <name>frmNewTestIntro</name>
    <message>
        <source>Create New Test</source>
        <translation>Criar nova prova</translation>
    </message>
    <message>
        <source>Test Name:</source>
        <translation>Nome da prova:</translation>
    </message>
    <message>
        <source>Description of test/instructions:</source>
        <translation>Descrição da prova / instruções:</translation>
    </message>
    <message>
        <source>Length of test in minutes:</source>
        <translation>Duração da prova em minutos:</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>You must specify the length of the test.</source>
        <translation>Você precisa informar a duração da prova.</translation>
    </message>
    <message>
        <source>Required Field</source>
        <translation>Campo obrigatório</translation>
    </message>
</context>
<context>
    <name>frmQuestions</name>
    <message>
        <source>Remaining time:</source>
        <translation>Tempo restante:</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Questão %1</translation>
    </message>
    <message>
        <source>Time Is Up!</source>
        <translation>O tempo acabou!</translation>
    </message>
    <message>
        <source>Finish this test now? Your answers will be graded.</source>
        <translation>Concluir esta prova agora? Suas respostas serão corrigidas.</translation>
    </message>
    <message>
        <source>Question %1, answered</source>
        <translation>Questão %1, respondida</translation>
    </message>
    <message>
        <source>Question %1, not answered</source>
        <translation>Questão %1, sem resposta</translation>
    </message>
    <message>
        <source>Remaining time %1</source>
        <translation>Tempo restante %1</translation>
    </message>
    <message>
        <source>5 minutes left</source>
        <translation>Faltam 5 minutos</translation>
    </message>
    <message>
        <source>1 minute left</source>
        <translation>Falta 1 minuto</translation>
    </message>
    <message>
        <source>Your teacher has finished this test.</source>
        <translation>Seu professor concluiu esta prova.</translation>
    </message>
</context>
<context>
    <name>frmQuestionsIntro</name>
    <message>
        <source>You can advance the question using the buttons or by directly clicking on the number of the question.  When answered, the number of the question will turn green.  If you finish before time runs out, press the &quot;Done&quot; button.</source>
        <translation>Você pode passar de uma questão a outra com os botões ou clicando direto no número da questão.  Quando respondida, o número da questão fica verde.  Se você terminar antes de o tempo acabar, clique no botão &quot;Concluir&quot;.</translation>
    </message>
    <message>
        <source>&amp;Begin</source>
        <translation>&amp;Começar</translation>
    </message>
    <message numerus="yes">
        <source>You will be given %n minutes to complete this test.</source>
        <translation>
            <numerusform>Você terá %n minuto para fazer esta prova.</numerusform>
            <numerusform>Você terá %n minutos para fazer esta prova.</numerusform>
        </translation>
    </message>
    <message>
        <source>You will be given %1 minutes to complete this test.</source>
        <translation>Você terá %1 minutos para fazer esta prova.</translation>
    </message>
    <message numerus="yes">
        <source>This includes %n minutes of extra time.</source>
        <translation>
            <numerusform>Isso inclui %n minuto de tempo adicional.</numerusform>
            <numerusform>Isso inclui %n minutos de tempo adicional.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>&amp;Questions:</source>
        <translation>&amp;Questões:</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questões</translation>
    </message>
    <message>
        <source>&amp;Flags:</source>
        <translation>&amp;Alertas:</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Alertas</translation>
    </message>
    <message>
        <source>&amp;Edit Question</source>
        <translation>&amp;Editar questão</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>&amp;Salvar como CSV…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Printing....</source>
        <translation>Imprimindo...</translation>
    </message>
    <message>
        <source>Statistics: %1</source>
        <translation>Estatísticas: %1</translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation>Questão %1: %2</translation>
    </message>
    <message>
        <source>Save Statistics</source>
        <translation>Salvar estatísticas</translation>
    </message>
    <message>
        <source>%1 statistics.csv</source>
        <translation>%1 estatísticas.csv</translation>
    </message>
    <message>
        <source>Histogram of grades</source>
        <translation>Histograma das notas</translation>
    </message>
    <message numerus="yes">
        <source>The statistics of %n questions written to %1.</source>
        <translation>
            <numerusform>As estatísticas de %n questão foram gravadas em %1.</numerusform>
            <numerusform>As estatísticas de %n questões foram gravadas em %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmTestResults</name>
    <message>
        <source>&amp;View Missed Questions</source>
        <translation>&amp;Ver questões erradas</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Save Results…</source>
        <translation>&amp;Salvar resultados…</translation>
    </message>
    <message>
        <source>Test Results For %1</source>
        <translation>Resultados de %1</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this test result?</source>
        <translation>Tem certeza de que deseja excluir este resultado?</translation>
    </message>
    <message>
        <source>Delete The Test Result</source>
        <translation>Excluir o resultado</translation>
    </message>
    <message>
        <source>%1 results.csv</source>
        <translation>%1 resultados.csv</translation>
    </message>
    <message>
        <source>Give &amp;More Time…</source>
        <translation>Dar &amp;mais tempo…</translation>
    </message>
    <message>
        <source>&amp;Finish Now</source>
        <translation>Concluir a&amp;gora</translation>
    </message>
</context>
<context>
    <name>labdb</name>
    <message>
        <source>wrote the workstations&apos; settings file %1</source>
        <translation>gravado o arquivo de configuração das estações %1</translation>
    </message>
    <message>
        <source>created the tables, the functions and the roles</source>
        <translation>criadas as tabelas, as funções e os papéis</translation>
    </message>
    <message>
        <source>the tables are at version %1 already</source>
        <translation>as tabelas já estão na versão %1</translation>
    </message>
    <message>
        <source>brought the tables from version %1 to version %2</source>
        <translation>tabelas levadas da versão %1 para a versão %2</translation>
    </message>
    <message>
        <source>took setseed, pg_sleep, the advisory locks, the large objects and the signals to other sessions from everyone but the superuser</source>
        <translation>retirados de todos, exceto do superusuário, setseed, pg_sleep, os bloqueios consultivos, os objetos grandes e os sinais a outras sessões</translation>
    </message>
    <message>
        <source>New password for the administrator role: </source>
        <translation>Nova senha para o papel de administrador: </translation>
    </message>
    <message>
        <source>The same password again: </source>
        <translation>A mesma senha outra vez: </translation>
    </message>
    <message>
        <source>The two passwords differ; nothing was changed.</source>
        <translation>As duas senhas não coincidem; nada foi alterado.</translation>
    </message>
    <message>
        <source>wrote %1; the server %2 answers and asks for the administrator&apos;s password</source>
        <translation>%1 gravado; o servidor %2 responde e pede a senha do administrador</translation>
    </message>
    <message>
        <source>gave the administrator role %1 its new password</source>
        <translation>a nova senha foi dada ao papel de administrador %1</translation>
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
        <translation>uso: labdb create CONFIGURAÇÃO [ESTAÇÃO]
     labdb copy BANCO CONFIGURAÇÃO
     labdb upgrade CONFIGURAÇÃO [ESTAÇÃO]
     labdb harden SUPERUSUÁRIO
     labdb admin-password CONFIGURAÇÃO
     labdb join SERVIDOR ESTAÇÃO [--ca ARQUIVO] [--database NOME] [--port PORTA]
CONFIGURAÇÃO é um VornickTest.ini que indica o servidor e o dono do banco de dados;
ESTAÇÃO é o VornickTest.ini a gravar para as estações; BANCO é um Ostrel.mdb;
SUPERUSUÁRIO é um VornickTest.ini que indica o superusuário do servidor e o banco de dados.</translation>
    </message>
    <message>
        <source>copied %1, %2, %3 and %4</source>
        <translation>copiados: %1, %2, %3 e %4</translation>
    </message>
    <message numerus="yes">
        <source>%n students</source>
        <translation>
            <numerusform>%n aluno</numerusform>
            <numerusform>%n alunos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tests</source>
        <translation>
            <numerusform>%n prova</numerusform>
            <numerusform>%n provas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n results</source>
        <translation>
            <numerusform>%n resultado</numerusform>
            <numerusform>%n resultados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n imagem</numerusform>
            <numerusform>%n imagens</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vornick-admin</name>
    <message>
        <source>The new test&apos;s title (default: from the file).</source>
        <translation>O título da nova prova (padrão: o do arquivo).</translation>
    </message>
    <message>
        <source>The test&apos;s length in minutes (default: %1).</source>
        <translation>A duração da prova em minutos (padrão: %1).</translation>
    </message>
    <message>
        <source>The test&apos;s description.</source>
        <translation>A descrição da prova.</translation>
    </message>
    <message>
        <source>Take only the first N usable questions (at most 25).</source>
        <translation>Usar só as N primeiras questões utilizáveis (no máximo 25).</translation>
    </message>
    <message>
        <source>The file to write (default: standard output).</source>
        <translation>O arquivo a gravar (padrão: a saída padrão).</translation>
    </message>
    <message>
        <source>Only this test&apos;s results (its number or title).</source>
        <translation>Só os resultados desta prova (número ou título).</translation>
    </message>
    <message>
        <source>Only this student&apos;s results (their number or name).</source>
        <translation>Só os resultados deste aluno (número ou nome).</translation>
    </message>
    <message>
        <source>An Ostrel.mdb to work on.</source>
        <translation>Um Ostrel.mdb com que trabalhar.</translation>
    </message>
    <message>
        <source>A VornickTest.ini naming a lab&apos;s server and its owner.</source>
        <translation>Um VornickTest.ini que indica o servidor de um laboratório e seu dono.</translation>
    </message>
    <message>
        <source>--%1 does not go with this command.</source>
        <translation>--%1 não combina com este comando.</translation>
    </message>
    <message>
        <source>give --database or --settings, not both.</source>
        <translation>informe --database ou --settings, não os dois.</translation>
    </message>
    <message>
        <source> (The title came from the file; give one with --title.)</source>
        <translation> (O título veio do arquivo; informe um com --title.)</translation>
    </message>
    <message>
        <source>%1: no question in the file can be used; nothing was stored.</source>
        <translation>%1: nenhuma questão do arquivo pode ser usada; nada foi salvo.</translation>
    </message>
    <message>
        <source>--first takes a number from 1 to %1.</source>
        <translation>--first precisa de um número de 1 a %1.</translation>
    </message>
    <message>
        <source>Read %1 as %2.</source>
        <translation>%1 lido como %2.</translation>
    </message>
    <message>
        <source>several tests are titled &quot;%1&quot;; give the test&apos;s number.</source>
        <translation>várias provas têm o título &quot;%1&quot;; informe o número da prova.</translation>
    </message>
    <message>
        <source>no test is numbered or titled &quot;%1&quot;.</source>
        <translation>nenhuma prova tem o número ou o título &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>Não é possível gravar %1: %2.</translation>
    </message>
    <message>
        <source>several students are named &quot;%1&quot;; give the student&apos;s number.</source>
        <translation>vários alunos se chamam &quot;%1&quot;; informe o número do aluno.</translation>
    </message>
    <message>
        <source>no student is numbered or named &quot;%1&quot;.</source>
        <translation>nenhum aluno tem o número ou o nome &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>results needs --output FILE.</source>
        <translation>results precisa de --output ARQUIVO.</translation>
    </message>
    <message>
        <source>Test %1 &quot;%2&quot;</source>
        <translation>Prova %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>results takes no file or test; use --test and --student.</source>
        <translation>results não aceita arquivo nem prova; use --test e --student.</translation>
    </message>
    <message>
        <source>give a command and its file or test.</source>
        <translation>informe um comando e seu arquivo ou prova.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;.</source>
        <translation>comando desconhecido &quot;%1&quot;.</translation>
    </message>
    <message>
        <source> See vornick-admin --help.</source>
        <translation> Veja vornick-admin --help.</translation>
    </message>
    <message>
        <source>%1 cannot be written: the folder %2 does not exist.</source>
        <translation>Não é possível gravar %1: a pasta %2 não existe.</translation>
    </message>
    <message>
        <source>the settings file is a lab workstation&apos;s, which signs no one in who reads the tables: give the database owner&apos;s settings file with --settings.</source>
        <translation>o arquivo de configuração é o de uma estação do laboratório, que não conecta ninguém que possa ler as tabelas: informe com --settings o arquivo de configuração do dono do banco de dados.</translation>
    </message>
    <message>
        <source>extra time is a whole number from 0 to %1.</source>
        <translation>o tempo adicional é um número inteiro de 0 a %1.</translation>
    </message>
    <message>
        <source>%1 now has %2% extra time.</source>
        <translation>%1 agora tem %2% de tempo adicional.</translation>
    </message>
    <message>
        <source>%1 has %2% extra time.</source>
        <translation>%1 tem %2% de tempo adicional.</translation>
    </message>
    <message>
        <source>%1 has not begun &quot;%2&quot;; nothing was changed.</source>
        <translation>%1 não começou &quot;%2&quot;; nada foi alterado.</translation>
    </message>
    <message>
        <source>%1&apos;s attempt at &quot;%2&quot; is finished already; nothing was changed.</source>
        <translation>A tentativa de %1 em &quot;%2&quot; já foi concluída; nada foi alterado.</translation>
    </message>
    <message>
        <source>more time is a whole number of minutes from 1 to %1.</source>
        <translation>o tempo acrescentado é um número inteiro de minutos de 1 a %1.</translation>
    </message>
    <message numerus="yes">
        <source>Gave %1 %n more minutes on &quot;%2&quot;.</source>
        <translation>
            <numerusform>%1 recebeu %n minuto a mais em &quot;%2&quot;.</numerusform>
            <numerusform>%1 recebeu %n minutos a mais em &quot;%2&quot;.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished %1&apos;s attempt at &quot;%2&quot;.</source>
        <translation>A tentativa de %1 em &quot;%2&quot; foi finalizada.</translation>
    </message>
    <message>
        <source>No attempt is in progress.</source>
        <translation>Nenhuma tentativa em andamento.</translation>
    </message>
    <message>
        <source>Student	Test	Began	Answered	Time left</source>
        <translation>Aluno	Prova	Iniciada	Respondidas	Tempo restante</translation>
    </message>
    <message>
        <source>attempts takes nothing more.</source>
        <translation>attempts não aceita mais nada.</translation>
    </message>
    <message>
        <source>extra-time takes a student and, to set it, a percentage.</source>
        <translation>extra-time aceita um aluno e, para defini-lo, uma porcentagem.</translation>
    </message>
    <message>
        <source>more-time takes a student, a test and the minutes to add.</source>
        <translation>more-time aceita um aluno, uma prova e os minutos a acrescentar.</translation>
    </message>
    <message>
        <source>finish takes a student and a test.</source>
        <translation>finish aceita um aluno e uma prova.</translation>
    </message>
    <message>
        <source>gift, aiken or moodle.</source>
        <translation>gift, aiken ou moodle.</translation>
    </message>
    <message>
        <source>export needs --format gift, --format aiken or --format moodle.</source>
        <translation>export precisa de --format gift, --format aiken ou --format moodle.</translation>
    </message>
    <message>
        <source>Not taken (past the first %1): the questions from line %2 on.</source>
        <translation>Não incluídas (depois das %1 primeiras): as questões a partir da linha %2.</translation>
    </message>
    <message>
        <source>Restore over a database that holds students, tests or results.</source>
        <translation>Restaurar sobre um banco de dados que contém alunos, provas ou resultados.</translation>
    </message>
    <message>
        <source>a lab&apos;s database is backed up and restored on its server, with vornick-labdb backup and restore.</source>
        <translation>o banco de dados de um laboratório é copiado e restaurado no próprio servidor, com vornick-labdb backup e restore.</translation>
    </message>
    <message>
        <source>Wrote the backup %1 of %2 (%3 bytes).</source>
        <translation>Backup %1 de %2 gravado (%3 bytes).</translation>
    </message>
    <message>
        <source>Restored %1 as %2.</source>
        <translation>%1 restaurado como %2.</translation>
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
        <translation>uso: vornick-admin import ARQUIVO [--title T] [--minutes N] [--description D] [--first N]
     vornick-admin export PROVA --format gift|aiken|moodle [--output ARQUIVO]
     vornick-admin results [--test PROVA] [--student NOME_OU_NÚMERO] --output ARQUIVO
     vornick-admin analysis PROVA [--output ARQUIVO.csv]
     vornick-admin extra-time ALUNO [PORCENTAGEM]
     vornick-admin attempts
     vornick-admin more-time ALUNO PROVA MINUTOS
     vornick-admin finish ALUNO PROVA
     vornick-admin backup ARQUIVO
     vornick-admin restore ARQUIVO [--replace]
Todos aceitam --database CAMINHO (um Ostrel.mdb) ou --settings INI (um VornickTest.ini); sem eles,
trabalham com o banco de dados do programa instalado ao lado desta ferramenta. PROVA é o número ou o título de uma prova.
ARQUIVO é um arquivo GIFT, Aiken ou Moodle XML; uma prova tem no máximo 25 questões, e menos de 25 formam uma
prova não concluída. A duração padrão é de %1 minutos. results grava as tentativas como CSV (todas, ou
as de uma prova, de um aluno ou de ambos); analysis mostra as estatísticas dos itens de uma prova e, com --output,
salva a tabela por questão como CSV. extra-time mostra ou define o tempo adicional de um aluno (de 0 a
400 por cento da duração de cada prova); attempts lista as tentativas em andamento; more-time acrescenta de 1 a 600
minutos a uma delas, finish a corrige na hora. ALUNO é o número ou o nome de um aluno. backup grava uma cópia do arquivo do
banco de dados, mesmo com o programa em uso; restore repõe uma, sobre alunos, provas ou resultados
somente com --replace.</translation>
    </message>
    <message numerus="yes">
        <source>Stored test %1 &quot;%2&quot; with %n questions.</source>
        <translation>
            <numerusform>Prova %1 &quot;%2&quot; salva com %n questão.</numerusform>
            <numerusform>Prova %1 &quot;%2&quot; salva com %n questões.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n questions of test %1 &quot;%2&quot; to %3.</source>
        <translation>
            <numerusform>Gravada %n questão da prova %1 &quot;%2&quot; em %3.</numerusform>
            <numerusform>Gravadas %n questões da prova %1 &quot;%2&quot; em %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n results to %1.</source>
        <translation>
            <numerusform>%n resultado gravado em %1.</numerusform>
            <numerusform>%n resultados gravados em %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vornick-passwd</name>
    <message>
        <source>usage: vornick-passwd --reset [DATABASE | SETTINGS]
Puts the administrator&apos;s password back to the default. Without a path, the database
of the program installed beside this tool; a path ending in .ini is a settings file.</source>
        <translation>uso: vornick-passwd --reset [BANCO | CONFIGURAÇÃO]
Volta a senha do administrador para a padrão. Sem caminho, o banco de dados
do programa instalado ao lado desta ferramenta; um caminho terminado em .ini é um arquivo de configuração.</translation>
    </message>
    <message>
        <source>vornick-passwd: on this lab&apos;s server the administrator signs in as the role %1, whose
password the server keeps. As the database&apos;s owner, give it a new one with psql:
    \password %1</source>
        <translation>vornick-passwd: no servidor deste laboratório o administrador entra com o papel %1, cuja
senha o servidor guarda. Como dono do banco de dados, dê a ele uma nova com o psql:
    \password %1</translation>
    </message>
    <message>
        <source>The administrator&apos;s password of %1 is &quot;%2&quot; again.</source>
        <translation>A senha do administrador de %1 voltou a ser &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The administrator&apos;s password of %1 was &quot;%2&quot; already.</source>
        <translation>A senha do administrador de %1 já era &quot;%2&quot;.</translation>
    </message>
</context>
</TS>
