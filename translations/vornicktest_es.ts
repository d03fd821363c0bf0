<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AdminPassword</name>
    <message>
        <source>The password library could not be started.</source>
        <translation>No se pudo iniciar la biblioteca de contraseñas.</translation>
    </message>
    <message>
        <source>There is not enough memory to store the new password.</source>
        <translation>No hay memoria suficiente para guardar la nueva contraseña.</translation>
    </message>
</context>
<context>
    <name>Aiken</name>
    <message>
        <source>The question has no &quot;ANSWER:&quot; line after its options.</source>
        <translation>La pregunta no tiene una línea «ANSWER:» después de sus opciones.</translation>
    </message>
    <message>
        <source>The question has no &quot;ANSWER:&quot; line.</source>
        <translation>La pregunta no tiene una línea «ANSWER:».</translation>
    </message>
    <message>
        <source>An &quot;ANSWER:&quot; line with no question before it.</source>
        <translation>Una línea «ANSWER:» sin ninguna pregunta antes.</translation>
    </message>
    <message>
        <source>&quot;ANSWER:&quot; must be followed by one option letter, such as ANSWER: B.</source>
        <translation>Después de «ANSWER:» debe ir una sola letra de opción, por ejemplo ANSWER: B.</translation>
    </message>
    <message>
        <source>Two options are lettered %1.</source>
        <translation>Dos opciones llevan la letra %1.</translation>
    </message>
    <message>
        <source>The question has an empty option.</source>
        <translation>La pregunta tiene una opción vacía.</translation>
    </message>
    <message numerus="yes">
        <source>The question has a text of %1 characters; a question or an answer may have at most %2.</source>
        <translation>
            <numerusform>La pregunta tiene un texto de %1 caracteres; una pregunta o una respuesta puede tener como máximo %2.</numerusform>
            <numerusform>La pregunta tiene un texto de %1 caracteres; una pregunta o una respuesta puede tener como máximo %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>a line break, which Aiken cannot hold; each is written as a blank.</source>
        <translation>un salto de línea, que Aiken no admite; cada uno se escribe como un espacio.</translation>
    </message>
    <message>
        <source>blanks at the start or end of a text, which Aiken cannot hold; they are left out.</source>
        <translation>espacios al principio o al final de un texto, que Aiken no admite; se omiten.</translation>
    </message>
    <message>
        <source>a question beginning with &quot;ANSWER:&quot;, which Aiken takes for the answer line; written after the word &quot;Question:&quot;.</source>
        <translation>una pregunta que empieza por «ANSWER:», que Aiken toma por la línea de respuesta; se escribe después de la palabra «Question:».</translation>
    </message>
    <message>
        <source>an empty answer; reading the file back leaves the question out.</source>
        <translation>una respuesta vacía; al volver a leer el archivo, la pregunta se omite.</translation>
    </message>
    <message>
        <source>ANSWER: %1 names none of the question&apos;s options.</source>
        <translation>ANSWER: %1 no corresponde a ninguna opción de la pregunta.</translation>
    </message>
    <message>
        <source>picture left out (Aiken carries no pictures).</source>
        <translation>imagen omitida (Aiken no admite imágenes).</translation>
    </message>
    <message numerus="yes">
        <source>The question has %n options; the program needs exactly three: one right answer and two false ones.</source>
        <translation>
            <numerusform>La pregunta tiene %n opción; el programa necesita exactamente tres: una respuesta correcta y dos incorrectas.</numerusform>
            <numerusform>La pregunta tiene %n opciones; el programa necesita exactamente tres: una respuesta correcta y dos incorrectas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AnalysisText</name>
    <message>
        <source>Warning: fewer than 5 finished attempts; these figures mean little.</source>
        <translation>Atención: menos de 5 intentos terminados; estas cifras dicen poco.</translation>
    </message>
    <message>
        <source>possible wrong key</source>
        <translation>posible clave errónea</translation>
    </message>
    <message>
        <source>negative discrimination</source>
        <translation>discriminación negativa</translation>
    </message>
    <message>
        <source>too easy</source>
        <translation>demasiado fácil</translation>
    </message>
    <message>
        <source>too hard</source>
        <translation>demasiado difícil</translation>
    </message>
    <message>
        <source>Finished attempts (N): %L1</source>
        <translation>Intentos terminados (N): %L1</translation>
    </message>
    <message>
        <source>Mean grade: %1   Standard deviation: %2   Lowest: %3   Highest: %4</source>
        <translation>Nota media: %1   Desviación típica: %2   Mínima: %3   Máxima: %4</translation>
    </message>
    <message>
        <source>Reliability (Cronbach&apos;s alpha, KR-20): %1   Standard error of measurement: %2</source>
        <translation>Fiabilidad (alfa de Cronbach, KR-20): %1   Error típico de medida: %2</translation>
    </message>
    <message>
        <source>Slot</source>
        <extracomment>A column heading of the printed table, kept short.</extracomment>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Facility</source>
        <extracomment>A column heading of the printed table, kept short.</extracomment>
        <translation>Facilidad</translation>
    </message>
    <message>
        <source>Discrimination</source>
        <translation>Discriminación</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>A column heading of the printed table, kept short (the right answer).</extracomment>
        <translation>Clave</translation>
    </message>
    <message>
        <source>False 1</source>
        <translation>Incorrecta 1</translation>
    </message>
    <message>
        <source>False 2</source>
        <translation>Incorrecta 2</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>A column heading of the printed table, kept short (no answer given).</extracomment>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Top answer</source>
        <translation>Sup. clave</translation>
    </message>
    <message>
        <source>Top false 1</source>
        <translation>Sup. incorrecta 1</translation>
    </message>
    <message>
        <source>Top false 2</source>
        <translation>Sup. incorrecta 2</translation>
    </message>
    <message>
        <source>Top none</source>
        <translation>Sup. ninguna</translation>
    </message>
    <message>
        <source>Bottom answer</source>
        <translation>Inf. clave</translation>
    </message>
    <message>
        <source>Bottom false 1</source>
        <translation>Inf. incorrecta 1</translation>
    </message>
    <message>
        <source>Bottom false 2</source>
        <translation>Inf. incorrecta 2</translation>
    </message>
    <message>
        <source>Bottom none</source>
        <translation>Inf. ninguna</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>Choices: A the answer, F1 and F2 the false answers, - none; T: in the top group, B: in the bottom group.</source>
        <translation>Opciones: A la respuesta correcta, F1 y F2 las incorrectas, - ninguna; T: en el grupo superior, B: en el grupo inferior.</translation>
    </message>
    <message>
        <source>Discrim.</source>
        <extracomment>Short for discrimination: a column heading of the printed table.</extracomment>
        <translation>Discrim.</translation>
    </message>
    <message>
        <source>False1</source>
        <extracomment>A column heading of the printed table, kept short (the first false answer).</extracomment>
        <translation>Incorr. 1</translation>
    </message>
    <message>
        <source>False2</source>
        <extracomment>A column heading of the printed table, kept short (the second false answer).</extracomment>
        <translation>Incorr. 2</translation>
    </message>
    <message>
        <source>  Flags</source>
        <translation>  Avisos</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>N.º %1: %2</translation>
    </message>
    <message>
        <source>Keys are not checked below 20 finished attempts, so none is flagged as possibly wrong.</source>
        <translation>Por debajo de 20 intentos terminados no se comprueban las claves, así que ninguna se marca como posiblemente errónea.</translation>
    </message>
    <message numerus="yes">
        <source>Top and bottom groups: %Ln attempts each (27%)</source>
        <translation>
            <numerusform>Grupos superior e inferior: %Ln intento cada uno (27 %)</numerusform>
            <numerusform>Grupos superior e inferior: %Ln intentos cada uno (27 %)</numerusform>
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
        <translation>No existe ese alumno.</translation>
    </message>
    <message>
        <source>Extra time must be a whole number from 0 to %1.</source>
        <translation>El tiempo adicional debe ser un número entero de 0 a %1.</translation>
    </message>
</context>
<context>
    <name>AttemptHold</name>
    <message>
        <source>This attempt is finished already.</source>
        <translation>Este intento ya está terminado.</translation>
    </message>
    <message>
        <source>The student has not begun this test.</source>
        <translation>El alumno todavía no ha empezado esta prueba.</translation>
    </message>
    <message>
        <source>Give More Time</source>
        <translation>Dar más tiempo</translation>
    </message>
    <message>
        <source>Minutes to add to this attempt (1 to %1):</source>
        <translation>Minutos que se añaden a este intento (de 1 a %1):</translation>
    </message>
    <message>
        <source>Finish Now</source>
        <translation>Finalizar ahora</translation>
    </message>
    <message>
        <source>Finish this attempt now? It will be graded from the answers stored.</source>
        <translation>¿Finalizar este intento ahora? Se calificará con las respuestas guardadas.</translation>
    </message>
    <message>
        <source>Give %1 more time on %2 (%3 left)?</source>
        <translation>¿Dar más tiempo a %1 en %2 (quedan %3)?</translation>
    </message>
    <message>
        <source>Give %1 more time on %2?</source>
        <translation>¿Dar más tiempo a %1 en %2?</translation>
    </message>
    <message>
        <source>Finish %1&apos;s attempt at %2 now (%3 left)? It will be graded from the answers stored.</source>
        <translation>¿Finalizar ahora el intento de %1 en %2 (quedan %3)? Se calificará con las respuestas guardadas.</translation>
    </message>
    <message>
        <source>Finish %1&apos;s attempt at %2 now? It will be graded from the answers stored.</source>
        <translation>¿Finalizar ahora el intento de %1 en %2? Se calificará con las respuestas guardadas.</translation>
    </message>
</context>
<context>
    <name>ClientLibraries</name>
    <message>
        <source>The library %1 cannot be loaded: %2</source>
        <translation>No se puede cargar la biblioteca %1: %2</translation>
    </message>
    <message>
        <source>The library %1 has no function %2.</source>
        <translation>La biblioteca %1 no tiene la función %2.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The %1 of the settings file may not hold a &apos;;&apos;.</source>
        <translation>El valor %1 del archivo de configuración no puede contener &quot;;&quot;.</translation>
    </message>
    <message>
        <source>its folder %1</source>
        <translation>su carpeta %1</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>el archivo</translation>
    </message>
    <message>
        <source>The database %1 cannot be written by this user account (%2 is read-only for it), so no answer or change could be stored.
Ask the person who installed VornickTest to give this account write access to the database file and its folder.</source>
        <translation>Esta cuenta de usuario no puede escribir en la base de datos %1 (%2 es de solo lectura para ella), así que no se pudo guardar ninguna respuesta ni ningún cambio.
Pida a la persona que instaló VornickTest que dé a esta cuenta permiso de escritura en el archivo de la base de datos y en su carpeta.</translation>
    </message>
    <message>
        <source>The database driver %1 is not installed.</source>
        <translation>El controlador de base de datos %1 no está instalado.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>La operación no está permitida si el objeto está cerrado.</translation>
    </message>
    <message>
        <source>The database %1 cannot be found: its folder %2 does not exist.</source>
        <translation>No se encuentra la base de datos %1: su carpeta %2 no existe.</translation>
    </message>
    <message>
        <source>The database %1 cannot be read by this user account (%2 is closed to it).
Ask the person who installed VornickTest to give this account access to the database file and its folder.</source>
        <translation>Esta cuenta de usuario no puede leer la base de datos %1 (%2 le está cerrado).
Pida a la persona que instaló VornickTest que dé a esta cuenta acceso al archivo de la base de datos y a su carpeta.</translation>
    </message>
    <message>
        <source>The database %1 does not exist.</source>
        <translation>La base de datos %1 no existe.</translation>
    </message>
    <message>
        <source>The database %1 cannot be opened: %2</source>
        <translation>No se puede abrir la base de datos %1: %2</translation>
    </message>
    <message>
        <source>This session has ended; please sign in again.</source>
        <translation>Esta sesión ha terminado; vuelva a iniciar sesión, por favor.</translation>
    </message>
    <message>
        <source>The database is busy saving results; try again when they are saved.</source>
        <translation>La base de datos está guardando resultados; inténtelo de nuevo cuando estén guardados.</translation>
    </message>
    <message>
        <source>The database driver QPSQL cannot be loaded. A server is reached through Qt&apos;s PostgreSQL driver (Debian&apos;s libqt6sql6-psql) and the PostgreSQL client library libpq (libpq5); both must be installed.</source>
        <translation>No se puede cargar el controlador de base de datos QPSQL. Un servidor se alcanza mediante el controlador PostgreSQL de Qt (libqt6sql6-psql de Debian) y la biblioteca cliente de PostgreSQL libpq (libpq5); ambos deben estar instalados.</translation>
    </message>
</context>
<context>
    <name>Cursor</name>
    <message>
        <source>The database driver cannot hand over rows one at a time.</source>
        <translation>El controlador de base de datos no puede entregar las filas de una en una.</translation>
    </message>
</context>
<context>
    <name>EmbeddedWork</name>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
</context>
<context>
    <name>ErrorPolicy</name>
    <message>
        <source>Connection to the server lost; trying again…</source>
        <translation>Se perdió la conexión con el servidor; reintentando…</translation>
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
        <translation>La copia de seguridad %1 se escribiría sobre la base de datos que copia; indique otro archivo.</translation>
    </message>
    <message>
        <source>The database %1 does not exist.</source>
        <translation>La base de datos %1 no existe.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be written: %2.</source>
        <translation>No se puede escribir la copia de seguridad %1: %2.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be written.</source>
        <translation>No se puede escribir la copia de seguridad %1.</translation>
    </message>
    <message>
        <source>The backup %1 is the database itself.</source>
        <translation>La copia de seguridad %1 es la propia base de datos.</translation>
    </message>
    <message>
        <source>%1 is not a database of VornickTest; nothing was restored.</source>
        <translation>%1 no es una base de datos de VornickTest; no se restauró nada.</translation>
    </message>
    <message numerus="yes">
        <source>The database %1 holds %n students, tests and results; nothing was restored (give --replace to write over them).</source>
        <translation>
            <numerusform>La base de datos %1 contiene %n alumno, prueba o resultado; no se restauró nada (añada --replace para sobrescribirlo).</numerusform>
            <numerusform>La base de datos %1 contiene %n alumnos, pruebas y resultados; no se restauró nada (añada --replace para sobrescribirlos).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Gift</name>
    <message>
        <source>the program needs one right answer (=) and two false answers (~).</source>
        <translation>el programa necesita una respuesta correcta (=) y dos respuestas incorrectas (~).</translation>
    </message>
    <message>
        <source>The line ends in a &quot;\&quot; that escapes nothing; write \\ for a backslash.</source>
        <translation>La línea termina en un «\» que no escapa nada; escriba \\ para una barra invertida.</translation>
    </message>
    <message>
        <source>The question title opened with &quot;::&quot; is never closed with &quot;::&quot;.</source>
        <translation>El título de pregunta abierto con «::» nunca se cierra con «::».</translation>
    </message>
    <message>
        <source>a text without answers in { }: a description, not a question.</source>
        <translation>un texto sin respuestas entre { }: una descripción, no una pregunta.</translation>
    </message>
    <message>
        <source>A &quot;}&quot; with no &quot;{&quot; before it; write \} for a brace inside a text.</source>
        <translation>Una «}» sin ninguna «{» antes; escriba \} para una llave dentro de un texto.</translation>
    </message>
    <message>
        <source> (\} is a brace inside a text, not the end of the answers)</source>
        <translation> (\} es una llave dentro de un texto, no el final de las respuestas)</translation>
    </message>
    <message>
        <source>The answers opened with &quot;{&quot; here are never closed with &quot;}&quot;%1.</source>
        <translation>Las respuestas abiertas aquí con «{» nunca se cierran con «}»%1.</translation>
    </message>
    <message>
        <source>A second &quot;{&quot; before the answers opened on line %1 were closed; write \{ for a brace inside a text.</source>
        <translation>Una segunda «{» antes de cerrar las respuestas abiertas en la línea %1; escriba \{ para una llave dentro de un texto.</translation>
    </message>
    <message>
        <source>A second set of answers after those on line %1; leave a blank line between two questions.</source>
        <translation>Un segundo grupo de respuestas después del de la línea %1; deje una línea en blanco entre dos preguntas.</translation>
    </message>
    <message>
        <source>an essay question (no answers to choose from); </source>
        <translation>una pregunta de desarrollo (sin respuestas para elegir); </translation>
    </message>
    <message>
        <source>a numeric question; </source>
        <translation>una pregunta numérica; </translation>
    </message>
    <message>
        <source>a true/false question; </source>
        <translation>una pregunta de verdadero/falso; </translation>
    </message>
    <message>
        <source>text before the first answer; each answer begins with = (right) or ~ (false).</source>
        <translation>texto antes de la primera respuesta; cada respuesta empieza por = (correcta) o ~ (incorrecta).</translation>
    </message>
    <message>
        <source>a matching question; </source>
        <translation>una pregunta de emparejamiento; </translation>
    </message>
    <message>
        <source>a short answer question (the student types the answer); </source>
        <translation>una pregunta de respuesta corta (el alumno escribe la respuesta); </translation>
    </message>
    <message>
        <source>weighted answers (such as %50%); the program counts an answer only as right or wrong.</source>
        <translation>respuestas ponderadas (como %50%); el programa solo cuenta una respuesta como correcta o incorrecta.</translation>
    </message>
    <message>
        <source>%1 right and %2 false answers; </source>
        <translation>%1 respuestas correctas y %2 incorrectas; </translation>
    </message>
    <message>
        <source>no question text.</source>
        <translation>no hay texto de pregunta.</translation>
    </message>
    <message>
        <source>an empty answer.</source>
        <translation>una respuesta vacía.</translation>
    </message>
    <message numerus="yes">
        <source>a text of %1 characters; a question or an answer may have at most %2.</source>
        <translation>
            <numerusform>un texto de %1 caracteres; una pregunta o una respuesta puede tener como máximo %2.</numerusform>
            <numerusform>un texto de %1 caracteres; una pregunta o una respuesta puede tener como máximo %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>feedback left out.</source>
        <translation>se omite la retroalimentación.</translation>
    </message>
    <message>
        <source>an empty answer; reading the file back leaves the question out.</source>
        <translation>una respuesta vacía; al volver a leer el archivo, la pregunta se omite.</translation>
    </message>
    <message>
        <source>picture left out; its alt text stays in brackets.</source>
        <translation>se omite la imagen; su texto alternativo queda entre corchetes.</translation>
    </message>
    <message>
        <source>script or style left out.</source>
        <translation>se omite un script o un estilo.</translation>
    </message>
    <message numerus="yes">
        <source>an HTML text with %1 tags; the program reads at most %2 in one text.</source>
        <translation>
            <numerusform>un texto HTML con %1 etiquetas; el programa lee como máximo %2 en un texto.</numerusform>
            <numerusform>un texto HTML con %1 etiquetas; el programa lee como máximo %2 en un texto.</numerusform>
        </translation>
    </message>
    <message>
        <source>past the first %1 HTML tags of the file, more than the program reads in one file; split the file and import each part.</source>
        <translation>después de las %1 primeras etiquetas HTML del archivo, más de las que el programa lee en un archivo; divida el archivo e importe cada parte.</translation>
    </message>
    <message>
        <source>A blank line (line %1) ended the question inside its answers opened with &quot;{&quot; here; leave no blank line between &quot;{&quot; and &quot;}&quot;.</source>
        <translation>Una línea en blanco (línea %1) cerró la pregunta dentro de sus respuestas abiertas aquí con «{»; no deje líneas en blanco entre «{» y «}».</translation>
    </message>
    <message>
        <source>its picture is left out, its alt text in brackets: %1</source>
        <translation>su imagen se omite y su texto alternativo queda entre corchetes: %1</translation>
    </message>
    <message>
        <source>a picture, written inside the question as HTML (a data: URI); other tools may not show pictures in GIFT.</source>
        <translation>una imagen, escrita dentro de la pregunta como HTML (una URI data:); otros programas pueden no mostrar imágenes en GIFT.</translation>
    </message>
    <message>
        <source>blanks at the start or end of a line, or several in a row, in a question written as HTML for its picture; reading the file back gives one blank or none for each.</source>
        <translation>espacios al principio o al final de una línea, o varios seguidos, en una pregunta escrita como HTML por su imagen; al volver a leer el archivo, cada grupo queda en un solo espacio o en ninguno.</translation>
    </message>
    <message numerus="yes">
        <source>A question of more than %1 characters, its picture included; the program reads at most that many.</source>
        <translation>
            <numerusform>Una pregunta de más de %1 caracteres, con su imagen; el programa lee como máximo esa cantidad.</numerusform>
            <numerusform>Una pregunta de más de %1 caracteres, con su imagen; el programa lee como máximo esa cantidad.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures; a question keeps one, the first in a data: URI, and the alt text of the others stays in brackets.</source>
        <translation>
            <numerusform>%n imagen; una pregunta conserva solo una, la primera en una URI data:, y el texto alternativo de las demás queda entre corchetes.</numerusform>
            <numerusform>%n imágenes; una pregunta conserva solo una, la primera en una URI data:, y el texto alternativo de las demás queda entre corchetes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ItemAnalysis</name>
    <message>
        <source>false answer 1</source>
        <translation>respuesta incorrecta 1</translation>
    </message>
    <message>
        <source>false answer 2</source>
        <translation>respuesta incorrecta 2</translation>
    </message>
    <message>
        <source>Negative discrimination: r = %1, weaker attempts got it right more often than stronger ones.</source>
        <translation>Discriminación negativa: r = %1, los intentos más débiles acertaron más a menudo que los mejores.</translation>
    </message>
    <message>
        <source>Too easy: facility %1, above 0.9.</source>
        <translation>Demasiado fácil: facilidad %1, por encima de 0,9.</translation>
    </message>
    <message>
        <source>Too hard: facility %1, below 0.25 (under chance for three answers).</source>
        <translation>Demasiado difícil: facilidad %1, por debajo de 0,25 (menos que el azar con tres respuestas).</translation>
    </message>
    <message>
        <source>not defined</source>
        <translation>no definido</translation>
    </message>
    <message>
        <source>Possible wrong key: %1 (chosen by %2, r = %3) goes with high totals more than the keyed answer (chosen by %4, r = %5); %1 is probably right.</source>
        <translation>Posible clave errónea: %1 (elegida por %2, r = %3) va más con las puntuaciones altas que la respuesta marcada como correcta (elegida por %4, r = %5); %1 es probablemente la correcta.</translation>
    </message>
</context>
<context>
    <name>LabDatabase</name>
    <message>
        <source>The server&apos;s database already holds data (the %1 table has rows); nothing was copied.</source>
        <translation>La base de datos del servidor ya contiene datos (la tabla %1 tiene filas); no se copió nada.</translation>
    </message>
    <message>
        <source>Copying the %1 row with %2 %3: %4</source>
        <translation>Al copiar la fila de %1 con %2 %3: %4</translation>
    </message>
    <message>
        <source>Lab passwords must be at least 8 characters long.</source>
        <translation>En el aula de informática, las contraseñas deben tener al menos 8 caracteres.</translation>
    </message>
    <message>
        <source>The certificate %1 cannot be read.</source>
        <translation>No se puede leer el certificado %1.</translation>
    </message>
</context>
<context>
    <name>LabWork</name>
    <message>
        <source>This test is no longer available.</source>
        <translation>Esta prueba ya no está disponible.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The settings file names the language &quot;%1&quot;, which this program does not have. It has: %2.</source>
        <translation>El archivo de configuración indica el idioma «%1», que este programa no tiene. Tiene: %2.</translation>
    </message>
</context>
<context>
    <name>Moodle</name>
    <message>
        <source>The file is XML but not a Moodle question file (it has no &lt;quiz&gt;).</source>
        <translation>El archivo es XML pero no es un archivo de preguntas de Moodle (no tiene &lt;quiz&gt;).</translation>
    </message>
    <message>
        <source>The file is not well-formed XML here: %1.</source>
        <translation>El archivo no es XML bien formado en este punto: %1.</translation>
    </message>
    <message>
        <source>an empty text.</source>
        <translation>un texto vacío.</translation>
    </message>
    <message numerus="yes">
        <source>a text of %1 characters; at most %2 can be used.</source>
        <translation>
            <numerusform>un texto de %1 caracteres; como máximo se pueden usar %2.</numerusform>
            <numerusform>un texto de %1 caracteres; como máximo se pueden usar %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>a question of type &quot;%1&quot;; only multiple choice (multichoice) can be used.</source>
        <translation>una pregunta de tipo «%1»; solo se pueden usar preguntas de opción múltiple (multichoice).</translation>
    </message>
    <message>
        <source>answers of fractions other than one of 100 and two of 0; the program counts an answer only as right or false.</source>
        <translation>respuestas con fracciones distintas de una de 100 y dos de 0; el programa cuenta una respuesta solo como correcta o incorrecta.</translation>
    </message>
    <message>
        <source>its picture &quot;%1&quot; is not in the file; left out.</source>
        <translation>su imagen «%1» no está en el archivo; se omite.</translation>
    </message>
    <message>
        <source>it is not a picture inside the file.</source>
        <translation>no es una imagen contenida en el archivo.</translation>
    </message>
    <message>
        <source>its picture is left out: %1</source>
        <translation>su imagen se omite: %1</translation>
    </message>
    <message>
        <source>An entity in question %1 was left out.</source>
        <translation>Se omitió una entidad en la pregunta %1.</translation>
    </message>
    <message>
        <source>The file has more than %1 HTML tags; the program reads at most that many in one file. Split the file and import each part.</source>
        <translation>El archivo tiene más de %1 etiquetas HTML; el programa lee como máximo esa cantidad en un archivo. Divida el archivo e importe cada parte.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers; the program needs exactly three, one right (fraction 100) and two false (fraction 0).</source>
        <translation>
            <numerusform>%n respuesta; el programa necesita exactamente tres, una correcta (fraction 100) y dos incorrectas (fraction 0).</numerusform>
            <numerusform>%n respuestas; el programa necesita exactamente tres, una correcta (fraction 100) y dos incorrectas (fraction 0).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only the first of its %n pictures is kept.</source>
        <translation>
            <numerusform>solo se conserva la primera de su %n imagen.</numerusform>
            <numerusform>solo se conserva la primera de sus %n imágenes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureView</name>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Press Enter to see it full size.</source>
        <translation>Pulse Intro para verla a tamaño completo.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>The file is larger than 50 MB, too large for a question&apos;s picture.</source>
        <translation>El archivo ocupa más de 50 MB, demasiado para la imagen de una pregunta.</translation>
    </message>
    <message>
        <source>The file is not a picture this program can show (PNG, JPEG, GIF, BMP or WebP).</source>
        <translation>El archivo no es una imagen que este programa pueda mostrar (PNG, JPEG, GIF, BMP o WebP).</translation>
    </message>
    <message>
        <source>The picture in the file cannot be read: %1.</source>
        <translation>No se puede leer la imagen del archivo: %1.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>No se puede abrir el archivo %1: %2.</translation>
    </message>
    <message>
        <source>A picture needs a description for students who cannot see it. Type one in the box under the picture, or remove the picture.</source>
        <translation>Una imagen necesita una descripción para los alumnos que no pueden verla. Escriba una en el cuadro bajo la imagen, o quite la imagen.</translation>
    </message>
    <message>
        <source>The picture&apos;s base64 text is damaged.</source>
        <translation>El texto base64 de la imagen está dañado.</translation>
    </message>
    <message>
        <source>The data: URI holds no picture in base64 (data:image/…;base64,…).</source>
        <translation>La URI data: no contiene ninguna imagen en base64 (data:image/…;base64,…).</translation>
    </message>
    <message>
        <source>its picture has no alt text; write a description for it in the question editor.</source>
        <translation>su imagen no tiene texto alternativo; escriba una descripción para ella en el editor de preguntas.</translation>
    </message>
    <message numerus="yes">
        <source>A picture&apos;s description may have at most %n characters; this one has %1.</source>
        <translation>
            <numerusform>La descripción de una imagen puede tener como máximo %n carácter; esta tiene %1.</numerusform>
            <numerusform>La descripción de una imagen puede tener como máximo %n caracteres; esta tiene %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its picture&apos;s alt text has %n characters; the first %1 are its description.</source>
        <translation>
            <numerusform>el texto alternativo de su imagen tiene %n carácter; los primeros %1 son su descripción.</numerusform>
            <numerusform>el texto alternativo de su imagen tiene %n caracteres; los primeros %1 son su descripción.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>VornickTest report</source>
        <translation>Informe de VornickTest</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>La impresora %1 informó de un error.</translation>
    </message>
    <message>
        <source>The user guide could not be opened:
%1</source>
        <translation>No se pudo abrir la guía del usuario:
%1</translation>
    </message>
    <message>
        <source>VornickTest Help</source>
        <translation>Ayuda de VornickTest</translation>
    </message>
</context>
<context>
    <name>QuestionFile</name>
    <message numerus="yes">
        <source>The file has %1 bytes; a question file may have at most %2 (10 MB).</source>
        <translation>
            <numerusform>El archivo tiene %1 bytes; un archivo de preguntas puede tener como máximo %2 (10 MB).</numerusform>
            <numerusform>El archivo tiene %1 bytes; un archivo de preguntas puede tener como máximo %2 (10 MB).</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds a NUL byte here, so it is not a text file. Choose a GIFT or Aiken file saved as text.</source>
        <translation>El archivo contiene aquí un byte NUL, así que no es un archivo de texto. Elija un archivo GIFT o Aiken guardado como texto.</translation>
    </message>
    <message>
        <source>The file holds a byte that is not UTF-8 text here (0x%1). Save the file as UTF-8 and import it again.</source>
        <translation>El archivo contiene aquí un byte que no es texto UTF-8 (0x%1). Guarde el archivo como UTF-8 e impórtelo de nuevo.</translation>
    </message>
    <message>
        <source>The file is marked as UTF-16 text but is not. Save the file as UTF-8 and import it again.</source>
        <translation>El archivo está marcado como texto UTF-16, pero no lo es. Guarde el archivo como UTF-8 e impórtelo de nuevo.</translation>
    </message>
    <message>
        <source>The file holds a NUL character here, so it is not a text file.</source>
        <translation>El archivo contiene aquí un carácter NUL, así que no es un archivo de texto.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>No se puede abrir el archivo %1: %2.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... y %1 más.</translation>
    </message>
    <message>
        <source>Questions that can be used: %1.</source>
        <translation>Preguntas utilizables: %1.</translation>
    </message>
    <message>
        <source>Questions left out: %1.</source>
        <translation>Preguntas omitidas: %1.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Questions </source>
        <translation>Preguntas </translation>
    </message>
    <message>
        <source>Question </source>
        <translation>Pregunta </translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>no question text; left out of the file.</source>
        <translation>sin texto de pregunta; no se incluye en el archivo.</translation>
    </message>
    <message>
        <source>a carriage return or NUL character, which a text file cannot hold; a carriage return is written as a line break, a NUL character left out.</source>
        <translation>un retorno de carro o un carácter NUL, que un archivo de texto no admite; el retorno de carro se escribe como salto de línea y el carácter NUL se omite.</translation>
    </message>
    <message numerus="yes">
        <source>a text longer than %1 characters; reading the file back leaves the question out.</source>
        <translation>
            <numerusform>un texto de más de %1 caracteres; al volver a leer el archivo, la pregunta se omite.</numerusform>
            <numerusform>un texto de más de %1 caracteres; al volver a leer el archivo, la pregunta se omite.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file has %1 bytes; a GIFT or Moodle XML file may have at most %2 (100 MB).</source>
        <translation>
            <numerusform>El archivo tiene %1 bytes; un archivo GIFT o Moodle XML puede tener como máximo %2 (100 MB).</numerusform>
            <numerusform>El archivo tiene %1 bytes; un archivo GIFT o Moodle XML puede tener como máximo %2 (100 MB).</numerusform>
        </translation>
    </message>
    <message>
        <source>Questions that can be used: more than %1; reading stopped there.</source>
        <translation>Preguntas utilizables: más de %1; la lectura se detuvo ahí.</translation>
    </message>
</context>
<context>
    <name>QuestionFiles</name>
    <message>
        <source>No question in this file can be used; nothing is stored.</source>
        <translation>Ninguna pregunta de este archivo se puede usar; no se guarda nada.</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>This file cannot be imported.
</source>
        <translation>Este archivo no se puede importar.
</translation>
    </message>
    <message>
        <source>Read %1 as %2.
</source>
        <translation>%1 leído como %2.
</translation>
    </message>
    <message>
        <source>GIFT files (*.gift)</source>
        <translation>Archivos GIFT (*.gift)</translation>
    </message>
    <message>
        <source>Aiken files (*.txt)</source>
        <translation>Archivos Aiken (*.txt)</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>No se puede escribir el archivo %1: %2.</translation>
    </message>
    <message>
        <source>Question files (*.gift *.txt *.xml)</source>
        <translation>Archivos de preguntas (*.gift *.txt *.xml)</translation>
    </message>
    <message>
        <source>Moodle XML files (*.xml)</source>
        <translation>Archivos Moodle XML (*.xml)</translation>
    </message>
    <message>
        <source>Import Questions</source>
        <translation>Importar preguntas</translation>
    </message>
    <message>
        <source>Export Questions</source>
        <translation>Exportar preguntas</translation>
    </message>
    <message numerus="yes">
        <source>%n questions of &quot;%1&quot; written to %2 as %3.</source>
        <translation>
            <numerusform>%n pregunta de «%1» escrita en %2 como %3.</numerusform>
            <numerusform>%n preguntas de «%1» escritas en %2 como %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>This record was changed or deleted by another user since it was read; your change was not saved.</source>
        <translation>Otro usuario cambió o eliminó este registro después de leerlo; su cambio no se guardó.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>BOF o EOF es True, o el registro actual se ha eliminado. La operación solicitada requiere un registro actual.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is open.</source>
        <translation>La operación no está permitida si el objeto está abierto.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>La operación no está permitida si el objeto está cerrado.</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal: %1</source>
        <translation>No se encontró en la colección ningún elemento con el nombre o el ordinal solicitado: %1</translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>La impresora no pudo empezar una página nueva.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo iniciar la impresora.</translation>
    </message>
    <message>
        <source>The printer could not finish the document.</source>
        <translation>La impresora no pudo terminar el documento.</translation>
    </message>
    <message>
        <source>The report could not be saved as %1:
%2</source>
        <translation>No se pudo guardar el informe como %1:
%2</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>No se pudo escribir el informe en %1.</translation>
    </message>
    <message>
        <source>VornickTest report %1</source>
        <translation>Informe de VornickTest %1</translation>
    </message>
    <message>
        <source>VornickTest report</source>
        <translation>Informe de VornickTest</translation>
    </message>
</context>
<context>
    <name>ResultsFiles</name>
    <message>
        <source>Save Results</source>
        <translation>Guardar resultados</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>No se puede escribir el archivo %1: %2.</translation>
    </message>
    <message>
        <source>There are no results to save yet.</source>
        <translation>Todavía no hay resultados que guardar.</translation>
    </message>
    <message>
        <source>Saving results…</source>
        <translation>Guardando resultados…</translation>
    </message>
    <message>
        <source>Saving was cancelled; nothing was saved.</source>
        <translation>Se canceló el guardado; no se guardó nada.</translation>
    </message>
    <message numerus="yes">
        <source>%n results written to %1.</source>
        <translation>
            <numerusform>%n resultado escrito en %1.</numerusform>
            <numerusform>%n resultados escritos en %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsList</name>
    <message>
        <source>No printer is installed, so the report was saved as
%1</source>
        <translation>No hay ninguna impresora instalada, así que el informe se guardó como
%1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Printing....</source>
        <translation>Imprimiendo...</translation>
    </message>
    <message>
        <source>This test is no longer available.</source>
        <translation>Esta prueba ya no está disponible.</translation>
    </message>
</context>
<context>
    <name>ResultsRow</name>
    <message>
        <source>Not Taken</source>
        <translation>No realizada</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation>Sin terminar</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>The database has schema version %1, which this copy of VornickTest does not know (it knows versions up to %2). It was left untouched: use the VornickTest that last opened it, or a newer one.</source>
        <translation>La base de datos tiene la versión de esquema %1, que esta copia de VornickTest no conoce (conoce versiones hasta la %2). No se ha modificado: use el VornickTest que la abrió por última vez, o uno más reciente.</translation>
    </message>
    <message>
        <source>A database already exists at %1; it is left untouched.</source>
        <translation>Ya existe una base de datos en %1; no se modifica.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>La operación no está permitida si el objeto está cerrado.</translation>
    </message>
    <message>
        <source>The database already has the program&apos;s tables; it is left untouched.</source>
        <translation>La base de datos ya tiene las tablas del programa; no se modifica.</translation>
    </message>
    <message>
        <source>The database is of an older version and could not be brought up to date: %1
It was left untouched.</source>
        <translation>La base de datos es de una versión anterior y no se pudo actualizar: %1
No se ha modificado.</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>The settings file %1 cannot be read.</source>
        <translation>No se puede leer el archivo de configuración %1.</translation>
    </message>
    <message>
        <source>has a section the program does not know: [%1]</source>
        <translation>tiene una sección que el programa no conoce: [%1]</translation>
    </message>
    <message>
        <source>has a line that is neither [Section] nor key=value</source>
        <translation>tiene una línea que no es ni [Sección] ni clave=valor</translation>
    </message>
    <message>
        <source>has a key the program does not know: %1</source>
        <translation>tiene una clave que el programa no conoce: %1</translation>
    </message>
    <message>
        <source>names %1 twice</source>
        <translation>indica %1 dos veces</translation>
    </message>
    <message>
        <source>The settings file %1 %2 (line %3).</source>
        <translation>El archivo de configuración %1 %2 (línea %3).</translation>
    </message>
    <message>
        <source>The password file %1 named in %2 cannot be read: %3</source>
        <translation>No se puede leer el archivo de contraseña %1 indicado en %2: %3</translation>
    </message>
    <message>
        <source>The settings file %1 names no database: its [PostgreSQL] section needs a line database=NAME.</source>
        <translation>El archivo de configuración %1 no indica ninguna base de datos: su sección [PostgreSQL] necesita una línea database=NOMBRE.</translation>
    </message>
    <message>
        <source>The settings file %1 names no valid port.</source>
        <translation>El archivo de configuración %1 no indica un puerto válido.</translation>
    </message>
    <message>
        <source>The %1 for the settings file %2 holds a line break.</source>
        <translation>El valor %1 para el archivo de configuración %2 contiene un salto de línea.</translation>
    </message>
    <message>
        <source>The settings file %1 names both a database file and a server; it may name only one.</source>
        <translation>El archivo de configuración %1 indica a la vez un archivo de base de datos y un servidor; solo puede indicar uno.</translation>
    </message>
    <message>
        <source>The settings file %1 names no database: it needs a [Database] section with a line file=PATH, or a [PostgreSQL] section.</source>
        <translation>El archivo de configuración %1 no indica ninguna base de datos: necesita una sección [Database] con una línea file=RUTA, o una sección [PostgreSQL].</translation>
    </message>
    <message>
        <source>the database %1 on %2</source>
        <translation>la base de datos %1 en %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written: %2.</source>
        <translation>No se puede escribir el archivo de configuración %1: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written: the folder %2 does not exist.</source>
        <translation>No se puede escribir el archivo de configuración %1: la carpeta %2 no existe.</translation>
    </message>
</context>
<context>
    <name>SlotForm</name>
    <message>
        <source>Question #</source>
        <translation>Pregunta n.º</translation>
    </message>
    <message>
        <source>Previous question</source>
        <translation>Pregunta anterior</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Pregunta siguiente</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Listo</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Respuesta %1</translation>
    </message>
    <message>
        <source>Click the picture or press Enter to see it full size.</source>
        <translation>Haga clic en la imagen o pulse Intro para verla a tamaño completo.</translation>
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
        <translation>Debe dar un título a la prueba.</translation>
    </message>
    <message>
        <source>Another test already has the title &quot;%1&quot;.
Please choose a different title.</source>
        <translation>Otra prueba ya tiene el título «%1».
Elija otro título, por favor.</translation>
    </message>
    <message>
        <source>The length of the test must be a whole number of minutes from 0 to %1.</source>
        <translation>La duración de la prueba debe ser un número entero de minutos entre 0 y %1.</translation>
    </message>
    <message numerus="yes">
        <source>The test title can be at most %n characters long.</source>
        <translation>
            <numerusform>El título de una prueba puede tener como máximo %n carácter.</numerusform>
            <numerusform>El título de una prueba puede tener como máximo %n caracteres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAdmin</name>
    <message>
        <source>Vornick Test Taker - Administrative Functions</source>
        <translation>Vornick Test Taker - Administración</translation>
    </message>
    <message>
        <source>Students:</source>
        <translation>Alumnos:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Tests:</source>
        <translation>Pruebas:</translation>
    </message>
    <message>
        <source>Note: The brackets &quot;&lt;&gt;&quot; depict unfinished tests which are not available to students.</source>
        <translation>Nota: los signos «&lt;&gt;» marcan las pruebas sin terminar, que los alumnos no pueden ver.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
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
        <translation>Eli&amp;minar</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>Es&amp;tadísticas…</translation>
    </message>
    <message>
        <source>Save &amp;Results…</source>
        <translation>Guardar &amp;resultados…</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Limpiar</translation>
    </message>
    <message>
        <source>&amp;View Test Results</source>
        <translation>&amp;Ver resultados</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>You must enter a student name.</source>
        <translation>Debe escribir el nombre del alumno.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>You must enter a password.</source>
        <translation>Debe escribir una contraseña.</translation>
    </message>
    <message>
        <source>Another student already has the name &quot;%1&quot;.
Please give this student a different name.</source>
        <translation>Otro alumno ya se llama «%1».
Dé otro nombre a este alumno, por favor.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this student and all the test results?</source>
        <translation>¿Seguro que desea eliminar a este alumno y todos sus resultados?</translation>
    </message>
    <message>
        <source>Delete The Current Student</source>
        <translation>Eliminar el alumno actual</translation>
    </message>
    <message>
        <source>Select a student first!</source>
        <translation>¡Elija primero un alumno!</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this test<byte value="xd"/>
 and all the corresponding student results?</source>
        <translation>¿Seguro que desea eliminar esta prueba<byte value="xd"/>
 y todos los resultados de los alumnos en ella?</translation>
    </message>
    <message>
        <source>Delete The Selected Test</source>
        <translation>Eliminar la prueba elegida</translation>
    </message>
    <message>
        <source>%1 results.csv</source>
        <translation>%1 resultados.csv</translation>
    </message>
    <message>
        <source>Attempts in Pro&amp;gress…</source>
        <translation>Intentos en &amp;curso…</translation>
    </message>
    <message>
        <source>Extra ti&amp;me (%):</source>
        <translation>Tiempo a&amp;dicional (%):</translation>
    </message>
    <message>
        <source>Add/&amp;Save</source>
        <translation>Añadir/&amp;Guardar</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Elimi&amp;nar</translation>
    </message>
    <message>
        <source>Change Pass&amp;word…</source>
        <translation>Cam&amp;biar contraseña…</translation>
    </message>
    <message>
        <source>Delete test</source>
        <translation>Eliminar la prueba</translation>
    </message>
    <message>
        <source>Delete student</source>
        <translation>Eliminar al alumno</translation>
    </message>
    <message>
        <source>Lab passwords must be at least 8 characters long.</source>
        <translation>En el aula de informática, las contraseñas deben tener al menos 8 caracteres.</translation>
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
        <translation>Pregunta %1, %2</translation>
    </message>
    <message>
        <source>right answer</source>
        <translation>respuesta correcta</translation>
    </message>
    <message>
        <source>your answer</source>
        <translation>su respuesta</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Pregunta %1</translation>
    </message>
    <message>
        <source>right</source>
        <translation>correcta</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>fallada</translation>
    </message>
    <message>
        <source>This test has not been finished yet.</source>
        <translation>Esta prueba todavía no ha terminado.</translation>
    </message>
</context>
<context>
    <name>frmAttempts</name>
    <message>
        <source>Attempts in Progress</source>
        <translation>Intentos en curso</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Began</source>
        <translation>Empezado</translation>
    </message>
    <message>
        <source>Answered</source>
        <translation>Respondidas</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Give &amp;More Time…</source>
        <translation>Dar &amp;más tiempo…</translation>
    </message>
    <message>
        <source>&amp;Finish Now</source>
        <translation>&amp;Finalizar ahora</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>frmChangePassword</name>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>C&amp;urrent password:</source>
        <translation>Contraseña a&amp;ctual:</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>&amp;Nueva contraseña:</translation>
    </message>
    <message>
        <source>&amp;Repeat new password:</source>
        <translation>&amp;Repita la nueva contraseña:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Cance&amp;lar</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Contraseña no válida</translation>
    </message>
    <message>
        <source>You must enter a new password.</source>
        <translation>Debe escribir una nueva contraseña.</translation>
    </message>
    <message>
        <source>The new password and its repeat are not the same.</source>
        <translation>La nueva contraseña y su repetición no coinciden.</translation>
    </message>
    <message>
        <source>The administrator&apos;s password has been changed.</source>
        <translation>La contraseña del administrador se ha cambiado.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>frmEntry</name>
    <message>
        <source>Vornick Test Taker   Vs. 1.0</source>
        <translation>Vornick Test Taker   versión 1.0</translation>
    </message>
    <message>
        <source>Student ID:</source>
        <translation>ID de alumno:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Press F1 for help</source>
        <translation>Pulse F1 para obtener ayuda</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Contraseña no válida</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Take Selected Test</source>
        <translation>&amp;Hacer la prueba elegida</translation>
    </message>
    <message>
        <source>&amp;Review Missed Questions</source>
        <translation>&amp;Revisar preguntas falladas</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Test Results For %1</source>
        <translation>Resultados de %1</translation>
    </message>
    <message>
        <source>This test cannot be started: its length is not a whole number of minutes from 0 to %1.
Please tell your teacher.</source>
        <translation>Esta prueba no se puede empezar: su duración no es un número entero de minutos entre 0 y %1.
Avise a su profesor, por favor.</translation>
    </message>
</context>
<context>
    <name>frmNewTest</name>
    <message>
        <source>Add New Test</source>
        <translation>Añadir prueba nueva</translation>
    </message>
    <message>
        <source>Previous question</source>
        <translation>Pregunta anterior</translation>
    </message>
    <message>
        <source>Question 1</source>
        <translation>Pregunta 1</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Pregunta siguiente</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Pregunta:</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Respuesta:</translation>
    </message>
    <message>
        <source>False Answer:</source>
        <translation>Respuesta incorrecta:</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Pregunta %1</translation>
    </message>
    <message numerus="yes">
        <source>There are %n questions left to write.<byte value="xd"/>
Are you sure you want to exit?</source>
        <translation>
            <numerusform>Queda %n pregunta por escribir.<byte value="xd"/>
¿Seguro que desea salir?</numerusform>
            <numerusform>Quedan %n preguntas por escribir.<byte value="xd"/>
¿Seguro que desea salir?</numerusform>
        </translation>
    </message>
    <message>
        <source>Incomplete Test</source>
        <translation>Prueba incompleta</translation>
    </message>
    <message>
        <source>False answer 1</source>
        <translation>Respuesta incorrecta 1</translation>
    </message>
    <message>
        <source>False answer 2</source>
        <translation>Respuesta incorrecta 2</translation>
    </message>
    <message>
        <source>Picture&apos;s description:</source>
        <translation>Descripción de la imagen:</translation>
    </message>
    <message>
        <source>&amp;Picture…</source>
        <translation>&amp;Imagen…</translation>
    </message>
    <message>
        <source>&amp;Remove Picture</source>
        <translation>&amp;Quitar imagen</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.webp)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.gif *.bmp *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>This file cannot be used as the question&apos;s picture.
%1</source>
        <translation>Este archivo no puede usarse como imagen de la pregunta.
%1</translation>
    </message>
    <message>
        <source>Remove this question&apos;s picture?</source>
        <translation>¿Quitar la imagen de esta pregunta?</translation>
    </message>
    <message>
        <source>Remove Picture</source>
        <translation>Quitar imagen</translation>
    </message>
</context>
<context>
    <name>frmNewTestIntro</name>
    <message>
        <source>Create New Test</source>
        <translation>Crear prueba nueva</translation>
    </message>
    <message>
        <source>Test Name:</source>
        <translation>Nombre de la prueba:</translation>
    </message>
    <message>
        <source>Description of test/instructions:</source>
        <translation>Descripción de la prueba / instrucciones:</translation>
    </message>
    <message>
        <source>Length of test in minutes:</source>
        <translation>Duración de la prueba en minutos:</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
    <message>
        <source>You must specify the length of the test.</source>
        <translation>Debe indicar la duración de la prueba.</translation>
    </message>
    <message>
        <source>Required Field</source>
        <translation>Campo obligatorio</translation>
    </message>
</context>
<context>
    <name>frmQuestions</name>
    <message>
        <source>Remaining time:</source>
        <translation>Tiempo restante:</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Pregunta %1</translation>
    </message>
    <message>
        <source>Time Is Up!</source>
        <translation>¡Se acabó el tiempo!</translation>
    </message>
    <message>
        <source>Finish this test now? Your answers will be graded.</source>
        <translation>¿Terminar la prueba ahora? Sus respuestas se calificarán.</translation>
    </message>
    <message>
        <source>Question %1, answered</source>
        <translation>Pregunta %1, respondida</translation>
    </message>
    <message>
        <source>Question %1, not answered</source>
        <translation>Pregunta %1, sin responder</translation>
    </message>
    <message>
        <source>Remaining time %1</source>
        <translation>Tiempo restante %1</translation>
    </message>
    <message>
        <source>5 minutes left</source>
        <translation>Quedan 5 minutos</translation>
    </message>
    <message>
        <source>1 minute left</source>
        <translation>Queda 1 minuto</translation>
    </message>
    <message>
        <source>Your teacher has finished this test.</source>
        <translation>Su profesor ha finalizado esta prueba.</translation>
    </message>
</context>
<context>
    <name>frmQuestionsIntro</name>
    <message>
        <source>You can advance the question using the buttons or by directly clicking on the number of the question.  When answered, the number of the question will turn green.  If you finish before time runs out, press the &quot;Done&quot; button.</source>
        <translation>Puede pasar de una pregunta a otra con los botones o haciendo clic directamente en el número de la pregunta.  Cuando la responda, su número se pondrá verde.  Si termina antes de que se acabe el tiempo, pulse el botón «Terminar».</translation>
    </message>
    <message>
        <source>&amp;Begin</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message numerus="yes">
        <source>You will be given %n minutes to complete this test.</source>
        <translation>
            <numerusform>Dispone de %n minuto para completar esta prueba.</numerusform>
            <numerusform>Dispone de %n minutos para completar esta prueba.</numerusform>
        </translation>
    </message>
    <message>
        <source>You will be given %1 minutes to complete this test.</source>
        <translation>Dispone de %1 minutos para completar esta prueba.</translation>
    </message>
    <message numerus="yes">
        <source>This includes %n minutes of extra time.</source>
        <translation>
            <numerusform>Esto incluye %n minuto de tiempo adicional.</numerusform>
            <numerusform>Esto incluye %n minutos de tiempo adicional.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>&amp;Questions:</source>
        <translation>&amp;Preguntas:</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>&amp;Flags:</source>
        <translation>&amp;Avisos:</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>&amp;Edit Question</source>
        <translation>&amp;Editar pregunta</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>&amp;Guardar como CSV…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Printing....</source>
        <translation>Imprimiendo...</translation>
    </message>
    <message>
        <source>Statistics: %1</source>
        <translation>Estadísticas: %1</translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation>Pregunta %1: %2</translation>
    </message>
    <message>
        <source>Save Statistics</source>
        <translation>Guardar estadísticas</translation>
    </message>
    <message>
        <source>%1 statistics.csv</source>
        <translation>%1 estadísticas.csv</translation>
    </message>
    <message>
        <source>Histogram of grades</source>
        <translation>Histograma de notas</translation>
    </message>
    <message numerus="yes">
        <source>The statistics of %n questions written to %1.</source>
        <translation>
            <numerusform>Las estadísticas de %n pregunta, escritas en %1.</numerusform>
            <numerusform>Las estadísticas de %n preguntas, escritas en %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmTestResults</name>
    <message>
        <source>&amp;View Missed Questions</source>
        <translation>&amp;Ver preguntas falladas</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Save Results…</source>
        <translation>&amp;Guardar resultados…</translation>
    </message>
    <message>
        <source>Test Results For %1</source>
        <translation>Resultados de %1</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this test result?</source>
        <translation>¿Seguro que desea eliminar este resultado?</translation>
    </message>
    <message>
        <source>Delete The Test Result</source>
        <translation>Eliminar el resultado</translation>
    </message>
    <message>
        <source>%1 results.csv</source>
        <translation>%1 resultados.csv</translation>
    </message>
    <message>
        <source>Give &amp;More Time…</source>
        <translation>Dar &amp;más tiempo…</translation>
    </message>
    <message>
        <source>&amp;Finish Now</source>
        <translation>&amp;Finalizar ahora</translation>
    </message>
</context>
<context>
    <name>labdb</name>
    <message>
        <source>wrote the workstations&apos; settings file %1</source>
        <translation>escrito el archivo de configuración de los puestos %1</translation>
    </message>
    <message>
        <source>created the tables, the functions and the roles</source>
        <translation>creadas las tablas, las funciones y los roles</translation>
    </message>
    <message>
        <source>the tables are at version %1 already</source>
        <translation>las tablas ya están en la versión %1</translation>
    </message>
    <message>
        <source>brought the tables from version %1 to version %2</source>
        <translation>tablas llevadas de la versión %1 a la versión %2</translation>
    </message>
    <message>
        <source>took setseed, pg_sleep, the advisory locks, the large objects and the signals to other sessions from everyone but the superuser</source>
        <translation>retirados a todos salvo al superusuario setseed, pg_sleep, los bloqueos consultivos, los objetos grandes y las señales a otras sesiones</translation>
    </message>
    <message>
        <source>New password for the administrator role: </source>
        <translation>Nueva contraseña para el rol de administrador: </translation>
    </message>
    <message>
        <source>The same password again: </source>
        <translation>La misma contraseña otra vez: </translation>
    </message>
    <message>
        <source>The two passwords differ; nothing was changed.</source>
        <translation>Las dos contraseñas no coinciden; no se cambió nada.</translation>
    </message>
    <message>
        <source>wrote %1; the server %2 answers and asks for the administrator&apos;s password</source>
        <translation>escrito %1; el servidor %2 responde y pide la contraseña del administrador</translation>
    </message>
    <message>
        <source>gave the administrator role %1 its new password</source>
        <translation>se dio al rol de administrador %1 su nueva contraseña</translation>
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
        <translation>uso: labdb create CONFIGURACIÓN [PUESTO]
     labdb copy BASE CONFIGURACIÓN
     labdb upgrade CONFIGURACIÓN [PUESTO]
     labdb harden SUPERUSUARIO
     labdb admin-password CONFIGURACIÓN
     labdb join SERVIDOR PUESTO [--ca ARCHIVO] [--database NOMBRE] [--port PUERTO]
CONFIGURACIÓN es un VornickTest.ini que indica el servidor y el propietario de la base de datos;
PUESTO es el VornickTest.ini que se escribe para los puestos; BASE es una Ostrel.mdb;
SUPERUSUARIO es un VornickTest.ini que indica el superusuario del servidor y la base de datos.</translation>
    </message>
    <message>
        <source>copied %1, %2, %3 and %4</source>
        <translation>copiados: %1, %2, %3 y %4</translation>
    </message>
    <message numerus="yes">
        <source>%n students</source>
        <translation>
            <numerusform>%n alumno</numerusform>
            <numerusform>%n alumnos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tests</source>
        <translation>
            <numerusform>%n prueba</numerusform>
            <numerusform>%n pruebas</numerusform>
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
            <numerusform>%n imagen</numerusform>
            <numerusform>%n imágenes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vornick-admin</name>
    <message>
        <source>The new test&apos;s title (default: from the file).</source>
        <translation>El título de la nueva prueba (por omisión: el del archivo).</translation>
    </message>
    <message>
        <source>The test&apos;s length in minutes (default: %1).</source>
        <translation>La duración de la prueba en minutos (por omisión: %1).</translation>
    </message>
    <message>
        <source>The test&apos;s description.</source>
        <translation>La descripción de la prueba.</translation>
    </message>
    <message>
        <source>Take only the first N usable questions (at most 25).</source>
        <translation>Tomar solo las N primeras preguntas utilizables (25 como máximo).</translation>
    </message>
    <message>
        <source>The file to write (default: standard output).</source>
        <translation>El archivo que se escribe (por omisión: la salida estándar).</translation>
    </message>
    <message>
        <source>Only this test&apos;s results (its number or title).</source>
        <translation>Solo los resultados de esta prueba (su número o su título).</translation>
    </message>
    <message>
        <source>Only this student&apos;s results (their number or name).</source>
        <translation>Solo los resultados de este alumno (su número o su nombre).</translation>
    </message>
    <message>
        <source>An Ostrel.mdb to work on.</source>
        <translation>Una Ostrel.mdb con la que trabajar.</translation>
    </message>
    <message>
        <source>A VornickTest.ini naming a lab&apos;s server and its owner.</source>
        <translation>Un VornickTest.ini que indica el servidor de un aula y su propietario.</translation>
    </message>
    <message>
        <source>--%1 does not go with this command.</source>
        <translation>--%1 no va con esta orden.</translation>
    </message>
    <message>
        <source>give --database or --settings, not both.</source>
        <translation>indique --database o --settings, no ambos.</translation>
    </message>
    <message>
        <source> (The title came from the file; give one with --title.)</source>
        <translation> (El título procede del archivo; indique uno con --title.)</translation>
    </message>
    <message>
        <source>%1: no question in the file can be used; nothing was stored.</source>
        <translation>%1: ninguna pregunta del archivo se puede usar; no se guardó nada.</translation>
    </message>
    <message>
        <source>--first takes a number from 1 to %1.</source>
        <translation>--first necesita un número del 1 al %1.</translation>
    </message>
    <message>
        <source>Read %1 as %2.</source>
        <translation>%1 leído como %2.</translation>
    </message>
    <message>
        <source>several tests are titled &quot;%1&quot;; give the test&apos;s number.</source>
        <translation>varias pruebas se titulan «%1»; indique el número de la prueba.</translation>
    </message>
    <message>
        <source>no test is numbered or titled &quot;%1&quot;.</source>
        <translation>ninguna prueba tiene el número o el título «%1».</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>several students are named &quot;%1&quot;; give the student&apos;s number.</source>
        <translation>varios alumnos se llaman «%1»; indique el número del alumno.</translation>
    </message>
    <message>
        <source>no student is numbered or named &quot;%1&quot;.</source>
        <translation>ningún alumno tiene el número o el nombre «%1».</translation>
    </message>
    <message>
        <source>results needs --output FILE.</source>
        <translation>results necesita --output ARCHIVO.</translation>
    </message>
    <message>
        <source>Test %1 &quot;%2&quot;</source>
        <translation>Prueba %1 «%2»</translation>
    </message>
    <message>
        <source>results takes no file or test; use --test and --student.</source>
        <translation>results no admite archivo ni prueba; use --test y --student.</translation>
    </message>
    <message>
        <source>give a command and its file or test.</source>
        <translation>indique una orden y su archivo o prueba.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;.</source>
        <translation>orden desconocida «%1».</translation>
    </message>
    <message>
        <source> See vornick-admin --help.</source>
        <translation> Vea vornick-admin --help.</translation>
    </message>
    <message>
        <source>%1 cannot be written: the folder %2 does not exist.</source>
        <translation>No se puede escribir %1: la carpeta %2 no existe.</translation>
    </message>
    <message>
        <source>the settings file is a lab workstation&apos;s, which signs no one in who reads the tables: give the database owner&apos;s settings file with --settings.</source>
        <translation>el archivo de configuración es el de un puesto del aula, que no conecta a nadie que pueda leer las tablas: indique con --settings el archivo de configuración del propietario de la base de datos.</translation>
    </message>
    <message>
        <source>extra time is a whole number from 0 to %1.</source>
        <translation>el tiempo adicional es un número entero de 0 a %1.</translation>
    </message>
    <message>
        <source>%1 now has %2% extra time.</source>
        <translation>%1 tiene ahora un %2 % de tiempo adicional.</translation>
    </message>
    <message>
        <source>%1 has %2% extra time.</source>
        <translation>%1 tiene un %2 % de tiempo adicional.</translation>
    </message>
    <message>
        <source>%1 has not begun &quot;%2&quot;; nothing was changed.</source>
        <translation>%1 no ha empezado «%2»; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1&apos;s attempt at &quot;%2&quot; is finished already; nothing was changed.</source>
        <translation>El intento de %1 en «%2» ya está terminado; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>more time is a whole number of minutes from 1 to %1.</source>
        <translation>el tiempo añadido es un número entero de minutos de 1 a %1.</translation>
    </message>
    <message numerus="yes">
        <source>Gave %1 %n more minutes on &quot;%2&quot;.</source>
        <translation>
            <numerusform>%1 ha recibido %n minuto más en «%2».</numerusform>
            <numerusform>%1 ha recibido %n minutos más en «%2».</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished %1&apos;s attempt at &quot;%2&quot;.</source>
        <translation>Se ha finalizado el intento de %1 en «%2».</translation>
    </message>
    <message>
        <source>No attempt is in progress.</source>
        <translation>No hay ningún intento en curso.</translation>
    </message>
    <message>
        <source>Student	Test	Began	Answered	Time left</source>
        <translation>Alumno	Prueba	Empezado	Respondidas	Tiempo restante</translation>
    </message>
    <message>
        <source>attempts takes nothing more.</source>
        <translation>attempts no admite nada más.</translation>
    </message>
    <message>
        <source>extra-time takes a student and, to set it, a percentage.</source>
        <translation>extra-time admite un alumno y, para fijarlo, un porcentaje.</translation>
    </message>
    <message>
        <source>more-time takes a student, a test and the minutes to add.</source>
        <translation>more-time admite un alumno, una prueba y los minutos que se añaden.</translation>
    </message>
    <message>
        <source>finish takes a student and a test.</source>
        <translation>finish admite un alumno y una prueba.</translation>
    </message>
    <message>
        <source>gift, aiken or moodle.</source>
        <translation>gift, aiken o moodle.</translation>
    </message>
    <message>
        <source>export needs --format gift, --format aiken or --format moodle.</source>
        <translation>export necesita --format gift, --format aiken o --format moodle.</translation>
    </message>
    <message>
        <source>Not taken (past the first %1): the questions from line %2 on.</source>
        <translation>No tomadas (después de las %1 primeras): las preguntas desde la línea %2.</translation>
    </message>
    <message>
        <source>Restore over a database that holds students, tests or results.</source>
        <translation>Restaurar sobre una base de datos que contiene alumnos, pruebas o resultados.</translation>
    </message>
    <message>
        <source>a lab&apos;s database is backed up and restored on its server, with vornick-labdb backup and restore.</source>
        <translation>la base de datos de un aula se respalda y se restaura en su servidor, con vornick-labdb backup y restore.</translation>
    </message>
    <message>
        <source>Wrote the backup %1 of %2 (%3 bytes).</source>
        <translation>Se escribió la copia de seguridad %1 de %2 (%3 bytes).</translation>
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
        <translation>uso: vornick-admin import ARCHIVO [--title T] [--minutes N] [--description D] [--first N]
     vornick-admin export PRUEBA --format gift|aiken|moodle [--output ARCHIVO]
     vornick-admin results [--test PRUEBA] [--student NOMBRE_O_NÚMERO] --output ARCHIVO
     vornick-admin analysis PRUEBA [--output ARCHIVO.csv]
     vornick-admin extra-time ALUMNO [PORCENTAJE]
     vornick-admin attempts
     vornick-admin more-time ALUMNO PRUEBA MINUTOS
     vornick-admin finish ALUMNO PRUEBA
     vornick-admin backup ARCHIVO
     vornick-admin restore ARCHIVO [--replace]
Todas admiten --database RUTA (una Ostrel.mdb) o --settings INI (un VornickTest.ini); sin ellas
trabajan con la base de datos del programa instalado junto a esta herramienta. PRUEBA es el número o el título de una prueba.
ARCHIVO es un archivo GIFT, Aiken o Moodle XML; una prueba tiene como máximo 25 preguntas, y menos de 25 dan una
prueba sin terminar. La duración por omisión es de %1 minutos. results escribe los intentos como CSV (todos, o
los de una prueba, un alumno o ambos); analysis muestra las estadísticas de ítems de una prueba y con --output
guarda su tabla por pregunta como CSV. extra-time muestra o fija el tiempo adicional de un alumno (del 0 al
400 por ciento de la duración de cada prueba); attempts lista los intentos en curso; more-time añade de 1 a 600
minutos a uno de ellos, finish lo califica en el acto. ALUMNO es el número o el nombre de un alumno. backup escribe una copia del archivo de
la base de datos, aunque el programa lo esté usando; restore repone una, sobre alumnos, pruebas o resultados
solo con --replace.</translation>
    </message>
    <message numerus="yes">
        <source>Stored test %1 &quot;%2&quot; with %n questions.</source>
        <translation>
            <numerusform>Guardada la prueba %1 «%2» con %n pregunta.</numerusform>
            <numerusform>Guardada la prueba %1 «%2» con %n preguntas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n questions of test %1 &quot;%2&quot; to %3.</source>
        <translation>
            <numerusform>Escrita %n pregunta de la prueba %1 «%2» en %3.</numerusform>
            <numerusform>Escritas %n preguntas de la prueba %1 «%2» en %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n results to %1.</source>
        <translation>
            <numerusform>%n resultado escrito en %1.</numerusform>
            <numerusform>%n resultados escritos en %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vornick-passwd</name>
    <message>
        <source>usage: vornick-passwd --reset [DATABASE | SETTINGS]
Puts the administrator&apos;s password back to the default. Without a path, the database
of the program installed beside this tool; a path ending in .ini is a settings file.</source>
        <translation>uso: vornick-passwd --reset [BASE | CONFIGURACIÓN]
Devuelve la contraseña del administrador a la de por omisión. Sin ruta, la base de datos
del programa instalado junto a esta herramienta; una ruta terminada en .ini es un archivo de configuración.</translation>
    </message>
    <message>
        <source>vornick-passwd: on this lab&apos;s server the administrator signs in as the role %1, whose
password the server keeps. As the database&apos;s owner, give it a new one with psql:
    \password %1</source>
        <translation>vornick-passwd: en el servidor de esta aula el administrador inicia sesión con el rol %1, cuya
contraseña guarda el servidor. Como propietario de la base de datos, dele una nueva con psql:
    \password %1</translation>
    </message>
    <message>
        <source>The administrator&apos;s password of %1 is &quot;%2&quot; again.</source>
        <translation>La contraseña del administrador de %1 vuelve a ser «%2».</translation>
    </message>
    <message>
        <source>The administrator&apos;s password of %1 was &quot;%2&quot; already.</source>
        <translation>La contraseña del administrador de %1 ya era «%2».</translation>
    </message>
</context>
</TS>
