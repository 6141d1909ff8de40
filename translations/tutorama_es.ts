<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AnswerJudge</name>
    <message>
        <source> The correct answer is %1 = %2</source>
        <translation> La respuesta correcta es %1 = %2</translation>
    </message>
    <message>
        <source> The correct answer is %1 = %2.  Although this answer display shows two decimal places, the Tutorama accepts any correct answer rounded to two or more decimal places.</source>
        <translation> La respuesta correcta es %1 = %2.  Aquí se ven dos decimales, pero el Tutorama acepta cualquier respuesta correcta redondeada a dos o más decimales.</translation>
    </message>
    <message>
        <source> The correct answer is %1.</source>
        <translation> La respuesta correcta es %1.</translation>
    </message>
    <message>
        <source>Correct. You got it right!</source>
        <translation>¡Correcto! ¡Lo has hecho muy bien!</translation>
    </message>
    <message>
        <source>No. That is not correct.</source>
        <translation>No. Esa respuesta no es correcta.</translation>
    </message>
    <message>
        <source>No. The correct answer is False.</source>
        <translation>No. La respuesta correcta es Falso.</translation>
    </message>
    <message>
        <source>No. The correct answer is True.</source>
        <translation>No. La respuesta correcta es Verdadero.</translation>
    </message>
</context>
<context>
    <name>CAdviceView</name>
    <message>
        <source>Advice</source>
        <translation>Consejos</translation>
    </message>
    <message>
        <source>Unable to find advice file for printing</source>
        <translation>No se encuentra el archivo de consejos para imprimir</translation>
    </message>
    <message>
        <source>Unable to print advice file</source>
        <translation>No se puede imprimir el archivo de consejos</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Tutorama helps pupils make practice quizzes and take them to study for tests.</source>
        <translation>Tutorama ayuda a los alumnos a crear cuestionarios de práctica y a hacerlos para preparar sus exámenes.</translation>
    </message>
    <message>
        <source>quiz</source>
        <translation>cuestionario</translation>
    </message>
    <message>
        <source>A quiz file (.qiz) to take.</source>
        <translation>Un archivo de cuestionario (.qiz) para hacer.</translation>
    </message>
    <message>
        <source>[quiz]</source>
        <translation>[cuestionario]</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.</source>
        <translation>Prueba «%1 --help» para saber más.</translation>
    </message>
    <message>
        <source>Only one quiz can be opened at a time.</source>
        <translation>Solo se puede abrir un cuestionario a la vez.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
</context>
<context>
    <name>CEditPage</name>
    <message>
        <source>Tutorama: Question %1 of %2</source>
        <translation>Tutorama: pregunta %1 de %2</translation>
    </message>
    <message>
        <source>Do you want to complete this question first?</source>
        <translation>¿Quieres terminar antes esta pregunta?</translation>
    </message>
</context>
<context>
    <name>CFeedbackBase</name>
    <message>
        <source>Tutorama Feedback</source>
        <translation>Tutorama – Respuesta</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Respuesta</translation>
    </message>
</context>
<context>
    <name>CFeedbackDlg</name>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>View Correct Answer</source>
        <translation>Ver la respuesta</translation>
    </message>
    <message>
        <source>Next ?</source>
        <translation>Siguiente ?</translation>
    </message>
</context>
<context>
    <name>CFlashCardEditPage</name>
    <message>
        <source>Flip Card</source>
        <translation>Dar la vuelta</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Flash card</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>Turns the card over to write its other side.</source>
        <translation>Da la vuelta a la tarjeta para escribir en el otro lado.</translation>
    </message>
    <message>
        <source>Puts the text you copied on the card.</source>
        <translation>Pone en la tarjeta el texto que has copiado.</translation>
    </message>
    <message>
        <source>Front of the flash card</source>
        <translation>Anverso de la tarjeta</translation>
    </message>
    <message>
        <source>Back of the flash card</source>
        <translation>Reverso de la tarjeta</translation>
    </message>
</context>
<context>
    <name>CFlashCardIntroPage</name>
    <message>
        <source>Show Fronts</source>
        <translation>Ver anversos</translation>
    </message>
    <message>
        <source>Show Backs</source>
        <translation>Ver reversos</translation>
    </message>
    <message>
        <source>You will find out right away whether each answer is correct. If your answer is incorrect, you can try the question a second time.</source>
        <translation>Sabrás enseguida si cada respuesta es correcta. Si tu respuesta no es correcta, puedes intentarlo otra vez.</translation>
    </message>
    <message>
        <source>After you have completed all of the flash cards, you will see your score. At that time you may take the quiz again to see if you can get a higher score. If you don&apos;t want to take the quiz again, you can review the flash cards.</source>
        <translation>Cuando termines todas las tarjetas, verás tu resultado. Entonces podrás repetir el cuestionario para intentar sacar más puntos. Si no quieres repetirlo, puedes repasar las tarjetas.</translation>
    </message>
    <message>
        <source>Click the Next button to continue.</source>
        <translation>Haz clic en Siguiente para continuar.</translation>
    </message>
    <message>
        <source>Make your selection below:</source>
        <translation>Elige aquí abajo:</translation>
    </message>
    <message numerus="yes">
        <source>This quiz has %n flash cards(s).</source>
        <translation>
            <numerusform>Este cuestionario tiene %n tarjeta.</numerusform>
            <numerusform>Este cuestionario tiene %n tarjetas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFlashCardTakePage</name>
    <message>
        <source>Front of the card</source>
        <translation>Anverso de la tarjeta</translation>
    </message>
    <message>
        <source>Your answer: the back of the card</source>
        <translation>Tu respuesta: el reverso de la tarjeta</translation>
    </message>
    <message>
        <source>Your answer: the front of the card</source>
        <translation>Tu respuesta: el anverso de la tarjeta</translation>
    </message>
    <message>
        <source>Back of the card</source>
        <translation>Reverso de la tarjeta</translation>
    </message>
    <message numerus="yes">
        <source>So far, you have completed %n card.</source>
        <translation>
            <numerusform>Hasta ahora has hecho %n tarjeta.</numerusform>
            <numerusform>Hasta ahora has hecho %n tarjetas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>So far, you have completed %n cards.</source>
        <translation>
            <numerusform>Hasta ahora has hecho %n tarjeta.</numerusform>
            <numerusform>Hasta ahora has hecho %n tarjetas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you complete this card, you will have %n card left</source>
        <translation>
            <numerusform>Después de esta tarjeta te quedará %n tarjeta</numerusform>
            <numerusform>Después de esta tarjeta te quedarán %n tarjetas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you complete this card, you will have %n cards left</source>
        <translation>
            <numerusform>Después de esta tarjeta te quedará %n tarjeta</numerusform>
            <numerusform>Después de esta tarjeta te quedarán %n tarjetas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Tutorama Help</source>
        <translation>Ayuda del Tutorama</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
</context>
<context>
    <name>CListImport</name>
    <message>
        <source>cut to %1 characters, the most a question box holds</source>
        <translation>recortada a %1 caracteres, lo máximo que cabe en una pregunta</translation>
    </message>
    <message>
        <source>the quiz has no kind yet</source>
        <translation>el cuestionario aún no tiene tipo</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Verdadero</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>no True or False after the statement (put a tab or &quot;;&quot; between them)</source>
        <translation>falta Verdadero o Falso después de la afirmación (pon un tabulador o «;» entre ellos)</translation>
    </message>
    <message>
        <source>the statement is missing</source>
        <translation>falta la afirmación</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither True nor False</source>
        <translation>«%1» no es Verdadero ni Falso</translation>
    </message>
    <message>
        <source>no back for the card (put a tab, &quot;;&quot;, &quot;,&quot; or &quot; = &quot; between front and back)</source>
        <translation>la tarjeta no tiene reverso (pon un tabulador, «;», «,» o « = » entre el anverso y el reverso)</translation>
    </message>
    <message>
        <source>more than two parts: a card has a front and a back</source>
        <translation>más de dos partes: una tarjeta tiene un anverso y un reverso</translation>
    </message>
    <message>
        <source>the front of the card is empty</source>
        <translation>el anverso de la tarjeta está vacío</translation>
    </message>
    <message>
        <source>the back of the card is empty</source>
        <translation>el reverso de la tarjeta está vacío</translation>
    </message>
    <message>
        <source>This file is not a text file. Save the list as text (one question a line) and open that.</source>
        <translation>Este archivo no es un archivo de texto. Guarda la lista como texto (una pregunta por línea) y abre ese archivo.</translation>
    </message>
    <message>
        <source>This file is too large to be a list: it holds %1, and a list can hold at most %2.</source>
        <translation>Este archivo es demasiado grande para ser una lista: ocupa %1, y una lista puede ocupar como mucho %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
</context>
<context>
    <name>CListImportDlg</name>
    <message>
        <source>One statement a line, then a tab or &quot;;&quot; and True or False.</source>
        <translation>Una afirmación por línea, después un tabulador o «;» y Verdadero o Falso.</translation>
    </message>
    <message>
        <source>One card a line: the front, then a tab, &quot;;&quot;, &quot;,&quot; or &quot; = &quot;, then the back.</source>
        <translation>Una tarjeta por línea: el anverso, después un tabulador, «;», «,» o « = », y luego el reverso.</translation>
    </message>
    <message>
        <source>One word a line.</source>
        <translation>Una palabra por línea.</translation>
    </message>
    <message>
        <source>One problem a line, such as 12 + 3.</source>
        <translation>Una operación por línea, por ejemplo 12 + 3.</translation>
    </message>
    <message>
        <source>&amp;Open a Text File...</source>
        <translation>&amp;Abrir un archivo de texto...</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>Add from a List</source>
        <translation>Añadir desde una lista</translation>
    </message>
    <message>
        <source>Paste your list below, or open a text file.</source>
        <translation>Pega tu lista aquí abajo o abre un archivo de texto.</translation>
    </message>
    <message>
        <source>List of questions</source>
        <translation>Lista de preguntas</translation>
    </message>
    <message>
        <source>Opens a text file of questions, one a line (Alt+O)</source>
        <translation>Abre un archivo de texto con preguntas, una por línea (Alt+A)</translation>
    </message>
    <message>
        <source>What will be added:</source>
        <translation>Lo que se añadirá:</translation>
    </message>
    <message>
        <source>What will be added</source>
        <translation>Lo que se añadirá</translation>
    </message>
    <message>
        <source>Text Files (*.txt *.csv *.tsv);;All Files (*)</source>
        <translation>Archivos de texto (*.txt *.csv *.tsv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The list is empty: paste a list or open a text file.</source>
        <translation>La lista está vacía: pega una lista o abre un archivo de texto.</translation>
    </message>
    <message>
        <source>Questions to add: %1. Lines that cannot be added: %2.</source>
        <translation>Preguntas que se añadirán: %1. Líneas que no se pueden añadir: %2.</translation>
    </message>
    <message>
        <source>Line %1 was %2.</source>
        <translation>La línea %1 fue %2.</translation>
    </message>
    <message>
        <source>Line %1 cannot be added: %2</source>
        <translation>No se puede añadir la línea %1: %2</translation>
    </message>
</context>
<context>
    <name>CMathEditPage</name>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividido entre</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Por</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Uno</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Cero</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Clear Problem</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Use the calculator keypad to enter a problem. If you make a mistake, click the Clear Problem button.</source>
        <translation>Escribe una operación con el teclado de la calculadora. Si te equivocas, haz clic en Borrar.</translation>
    </message>
    <message>
        <source>Math problem</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Puts the problem you copied into the problem box.</source>
        <translation>Pone en la casilla la operación que has copiado.</translation>
    </message>
</context>
<context>
    <name>CMathIntroPage</name>
    <message numerus="yes">
        <source>This quiz has %n equation(s).</source>
        <translation>
            <numerusform>Este cuestionario tiene %n operación.</numerusform>
            <numerusform>Este cuestionario tiene %n operaciones.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMathTakePage</name>
    <message>
        <source>Read the problem. Solve the problem and type your answer in the Answer box. To find out if your answer is correct, click the Next button.</source>
        <translation>Lee la operación. Resuélvela y escribe tu respuesta en la casilla Respuesta. Para saber si es correcta, haz clic en Siguiente.</translation>
    </message>
    <message>
        <source>Problem:</source>
        <translation>Operación:</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Respuesta:</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>The Tutorama accepts any correct answer rounded to two or more decimal places.</source>
        <translation>El Tutorama acepta cualquier respuesta correcta redondeada a dos o más decimales.</translation>
    </message>
    <message>
        <source>You Must Enter A Valid Number</source>
        <translation>Escribe un número válido</translation>
    </message>
    <message numerus="yes">
        <source>So far, you have completed %n problem.</source>
        <translation>
            <numerusform>Hasta ahora has hecho %n operación.</numerusform>
            <numerusform>Hasta ahora has hecho %n operaciones.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>So far, you have completed %n problems.</source>
        <translation>
            <numerusform>Hasta ahora has hecho %n operación.</numerusform>
            <numerusform>Hasta ahora has hecho %n operaciones.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you answer this problem, you will have %n problem left.</source>
        <translation>
            <numerusform>Después de esta operación te quedará %n operación.</numerusform>
            <numerusform>Después de esta operación te quedarán %n operaciones.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you answer this problem, you will have %n problems left.</source>
        <translation>
            <numerusform>Después de esta operación te quedará %n operación.</numerusform>
            <numerusform>Después de esta operación te quedarán %n operaciones.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CNameQuizPage</name>
    <message>
        <source>Before you start to make your quiz, you need to name it. This will allow the Tutorama to automatically save your quiz as you make it. This will  make sure that you do not lose any of your work. </source>
        <translation>Antes de crear tu cuestionario, tienes que ponerle un nombre. Así el Tutorama puede guardarlo solo mientras lo creas. De este modo no pierdes nada de tu trabajo. </translation>
    </message>
    <message>
        <source>Click on the picture of the disk below to name your quiz.</source>
        <translation>Haz clic en el dibujo del disquete para ponerle nombre a tu cuestionario.</translation>
    </message>
    <message>
        <source>&amp;Save Quiz As</source>
        <translation>&amp;Guardar como</translation>
    </message>
    <message>
        <source>A disk: choose where to save your quiz and its name.</source>
        <translation>Un disquete: elige dónde guardar tu cuestionario y su nombre.</translation>
    </message>
    <message>
        <source>Use a name that will help you remember what the quiz is about. For example, if you create a mathematics quiz based on your mathematics problems for the week of March 24 you could name the file &quot;Mathematics March 24.&quot;</source>
        <translation>Elige un nombre que te recuerde de qué trata el cuestionario. Por ejemplo, si creas un cuestionario con tus operaciones de la semana del 24 de marzo, puedes llamar al archivo «Mates 24 de marzo».</translation>
    </message>
    <message>
        <source>The quiz &quot;%1&quot; is read-only, so it cannot be replaced. Please choose another name for your quiz.</source>
        <translation>El cuestionario «%1» es de solo lectura, así que no se puede sustituir. Elige otro nombre para tu cuestionario.</translation>
    </message>
</context>
<context>
    <name>CPictureChoicePage</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>CPrintChoiceDlg</name>
    <message>
        <source>Tutorama Print Dialog</source>
        <translation>Tutorama – Imprimir</translation>
    </message>
    <message>
        <source>What do you want to print?</source>
        <translation>¿Qué quieres imprimir?</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Cuestionario</translation>
    </message>
    <message>
        <source>Questions and Answers</source>
        <translation>Preguntas y respuestas</translation>
    </message>
    <message>
        <source>Questions only (Fronts of Flash cards)</source>
        <translation>Solo preguntas (anversos de tarjetas)</translation>
    </message>
    <message>
        <source>Answers only (Backs of Flash Cards)</source>
        <translation>Solo respuestas (reversos de tarjetas)</translation>
    </message>
    <message>
        <source>Just This Question and Answer</source>
        <translation>Solo esta pregunta y su respuesta</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Consejos</translation>
    </message>
    <message>
        <source>Quiz Score</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Unable to print. Please check the printer and try again.</source>
        <translation>No se puede imprimir. Revisa la impresora y vuelve a intentarlo.</translation>
    </message>
</context>
<context>
    <name>CQuestionListModel</name>
    <message>
        <source>%1. T: %2</source>
        <translation>%1. V: %2</translation>
    </message>
    <message>
        <source>%1. F: %2</source>
        <translation>%1. F: %2</translation>
    </message>
    <message>
        <source>%1. F: %2  B: %3</source>
        <translation>%1. A: %2  R: %3</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>CQuestionManagerPage</name>
    <message>
        <source>Statements:</source>
        <translation>Afirmaciones:</translation>
    </message>
    <message>
        <source>No Statements Defined Yet</source>
        <translation>Aún no hay afirmaciones</translation>
    </message>
    <message>
        <source>Add a Statement</source>
        <translation>Añadir afirmación</translation>
    </message>
    <message>
        <source>Modify a Statement</source>
        <translation>Cambiar afirmación</translation>
    </message>
    <message>
        <source>Delete a Statement</source>
        <translation>Borrar afirmación</translation>
    </message>
    <message>
        <source>Flash Cards:</source>
        <translation>Tarjetas:</translation>
    </message>
    <message>
        <source>No Flash Cards Defined Yet</source>
        <translation>Aún no hay tarjetas</translation>
    </message>
    <message>
        <source>Add a Flash Card</source>
        <translation>Añadir tarjeta</translation>
    </message>
    <message>
        <source>Modify a Flash Card</source>
        <translation>Cambiar tarjeta</translation>
    </message>
    <message>
        <source>Delete a Flash Card</source>
        <translation>Borrar tarjeta</translation>
    </message>
    <message>
        <source>Spelling Words</source>
        <translation>Palabras del dictado</translation>
    </message>
    <message>
        <source>No Spelling Words Defined Yet</source>
        <translation>Aún no hay palabras</translation>
    </message>
    <message>
        <source>Add a Word</source>
        <translation>Añadir palabra</translation>
    </message>
    <message>
        <source>Modify a Word</source>
        <translation>Cambiar palabra</translation>
    </message>
    <message>
        <source>Delete a Word</source>
        <translation>Borrar palabra</translation>
    </message>
    <message>
        <source>Math Problems:</source>
        <translation>Operaciones:</translation>
    </message>
    <message>
        <source>No Math Problems Defined Yet</source>
        <translation>Aún no hay operaciones</translation>
    </message>
    <message>
        <source>Add a Problem</source>
        <translation>Añadir operación</translation>
    </message>
    <message>
        <source>Modify a Problem</source>
        <translation>Cambiar operación</translation>
    </message>
    <message>
        <source>Delete a Problem</source>
        <translation>Borrar operación</translation>
    </message>
    <message>
        <source>Add  a Question</source>
        <translation>Añadir pregunta</translation>
    </message>
    <message>
        <source>Modify a Question</source>
        <translation>Cambiar pregunta</translation>
    </message>
    <message>
        <source>Delete a Question</source>
        <translation>Borrar pregunta</translation>
    </message>
    <message>
        <source>Questions of the quiz</source>
        <translation>Preguntas del cuestionario</translation>
    </message>
    <message>
        <source>Add from a List...</source>
        <translation>Desde una lista...</translation>
    </message>
    <message>
        <source>Adds many questions at once from a list you paste or a text file, one a line.</source>
        <translation>Añade muchas preguntas a la vez desde una lista pegada o un archivo de texto, una por línea.</translation>
    </message>
</context>
<context>
    <name>CQuestionPage</name>
    <message>
        <source>Tutorama: %1</source>
        <translation>Tutorama: %1</translation>
    </message>
    <message>
        <source>Do you want to try this question later?</source>
        <translation>¿Quieres intentar esta pregunta más tarde?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the quiz?</source>
        <translation>¿Seguro que quieres dejar el cuestionario?</translation>
    </message>
    <message>
        <source>&amp;Read aloud</source>
        <translation>&amp;Leer en voz alta</translation>
    </message>
    <message>
        <source>A loudspeaker: hear the text you are reading.</source>
        <translation>Un altavoz: oír el texto que estás leyendo.</translation>
    </message>
</context>
<context>
    <name>CQuizApp</name>
    <message>
        <source>Printing is not available: a part of Tutorama is missing. Installing Tutorama again mends it.</source>
        <translation>No se puede imprimir: falta una parte de Tutorama. Vuelve a instalar Tutorama para arreglarlo.</translation>
    </message>
</context>
<context>
    <name>CQuizFile</name>
    <message>
        <source>Unrecognized File Format</source>
        <translation>Formato de archivo desconocido</translation>
    </message>
    <message>
        <source>The quiz file %1 is damaged or incomplete, so it could not be opened.</source>
        <translation>El archivo de cuestionario %1 está dañado o incompleto, así que no se ha podido abrir.</translation>
    </message>
    <message>
        <source>The quiz could not be saved to %1: %2. The quiz file on disk was not changed.</source>
        <translation>No se ha podido guardar el cuestionario en %1: %2. El archivo del cuestionario en el disco no ha cambiado.</translation>
    </message>
    <message>
        <source>it holds more than %L1 questions, the most a quiz can have</source>
        <translation>tiene más de %L1 preguntas, el máximo de un cuestionario</translation>
    </message>
    <message>
        <source>a text in it is longer than %L1 characters, the longest a quiz can hold</source>
        <translation>uno de sus textos tiene más de %L1 caracteres, el máximo de un cuestionario</translation>
    </message>
    <message>
        <source>it is larger than %L1 MB, the largest quiz file the Tutorama opens</source>
        <translation>ocupa más de %L1 MB, el mayor archivo de cuestionario que abre el Tutorama</translation>
    </message>
    <message>
        <source>the file or its folder does not exist</source>
        <translation>el archivo o su carpeta no existe</translation>
    </message>
    <message>
        <source>you are not allowed to use this file or its folder</source>
        <translation>no tienes permiso para usar este archivo o su carpeta</translation>
    </message>
    <message>
        <source>the disk can only be read, not written</source>
        <translation>el disco solo se puede leer, no escribir</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>you have used all the disk space you are allowed</source>
        <translation>has usado todo el espacio de disco que se te permite</translation>
    </message>
    <message>
        <source>the file would be larger than this computer lets you make files</source>
        <translation>el archivo sería más grande de lo que este ordenador te permite</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>el nombre es demasiado largo</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>no se pudo leer o escribir el disco</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the system refused (%1)</source>
        <translation>el sistema lo ha rechazado (%1)</translation>
    </message>
    <message>
        <source>The quiz file %1 could not be opened: %2.</source>
        <translation>No se ha podido abrir el archivo de cuestionario %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file (it may be a folder, a device or a pipe), so it cannot be opened as a quiz.</source>
        <translation>%1 no es un archivo normal (puede ser una carpeta, un dispositivo o una tubería), así que no se puede abrir como cuestionario.</translation>
    </message>
    <message>
        <source>The quiz could not be saved to %1: %2. No quiz file was made there.</source>
        <translation>No se ha podido guardar el cuestionario en %1: %2. No se ha creado ningún archivo allí.</translation>
    </message>
    <message>
        <source>The quiz could not be saved to %1: %2. The quiz file there may now be damaged; your questions are still here, so save the quiz elsewhere.</source>
        <translation>No se ha podido guardar el cuestionario en %1: %2. Puede que el archivo de cuestionario de allí esté dañado; tus preguntas siguen aquí, así que guarda el cuestionario en otro sitio.</translation>
    </message>
</context>
<context>
    <name>CQuizFormatPage</name>
    <message>
        <source>True/False</source>
        <translation>Verdadero/Falso</translation>
    </message>
    <message>
        <source>Flash Cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>Mathematics</source>
        <translation>Matemáticas</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Dictado</translation>
    </message>
    <message>
        <source>Select the type of quiz you would like to make. All the questions in the quiz must be the same type.</source>
        <translation>Elige el tipo de cuestionario que quieres crear. Todas las preguntas del cuestionario deben ser del mismo tipo.</translation>
    </message>
    <message>
        <source>Choose Quiz Format</source>
        <translation>Elegir el tipo de cuestionario</translation>
    </message>
</context>
<context>
    <name>CQuizPage</name>
    <message>
        <source>Quiz Files (*.qiz)</source>
        <translation>Archivos de cuestionario (*.qiz)</translation>
    </message>
    <message>
        <source>Some of your questions are not saved: the quiz could not be saved to %1.

Do you want to save the quiz under another name or in another folder before you leave it?</source>
        <translation>Algunas de tus preguntas no están guardadas: no se ha podido guardar el cuestionario en %1.

¿Quieres guardar el cuestionario con otro nombre o en otra carpeta antes de salir?</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>&amp;Leave Without Saving</source>
        <translation>&amp;Salir sin guardar</translation>
    </message>
    <message>
        <source>S&amp;tay Here</source>
        <translation>&amp;Quedarme aquí</translation>
    </message>
</context>
<context>
    <name>CQuizPrinter</name>
    <message>
        <source>Tutorama Question</source>
        <translation>Tutorama – Pregunta</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Tutorama Report</source>
        <translation>Tutorama – Informe</translation>
    </message>
    <message>
        <source>Tutorama Score</source>
        <translation>Tutorama – Resultado</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Tu resultado</translation>
    </message>
</context>
<context>
    <name>CQuizSheet</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Advice</source>
        <translation>&amp;Consejos</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminar</translation>
    </message>
    <message>
        <source>&amp;New ?</source>
        <translation>&amp;Nueva ?</translation>
    </message>
    <message>
        <source>&amp;New Word</source>
        <translation>&amp;Nueva palabra</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Skip ?</source>
        <translation>Saltar ?</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Goes back to the page before.</source>
        <translation>Vuelve a la página anterior.</translation>
    </message>
    <message>
        <source>Goes on to the next step.</source>
        <translation>Pasa al siguiente paso.</translation>
    </message>
    <message>
        <source>Closes the Tutorama.</source>
        <translation>Cierra el Tutorama.</translation>
    </message>
    <message>
        <source>Stops what you are doing here.</source>
        <translation>Detiene lo que estás haciendo aquí.</translation>
    </message>
    <message>
        <source>Shows tips for making this kind of quiz.</source>
        <translation>Muestra consejos para este tipo de cuestionario.</translation>
    </message>
    <message>
        <source>Chooses what to print.</source>
        <translation>Elige qué imprimir.</translation>
    </message>
    <message>
        <source>Finishes what you are doing here.</source>
        <translation>Termina lo que estás haciendo aquí.</translation>
    </message>
    <message>
        <source>Keeps this question and starts a new one.</source>
        <translation>Guarda esta pregunta y empieza otra.</translation>
    </message>
    <message>
        <source>Keeps this word and starts a new one.</source>
        <translation>Guarda esta palabra y empieza otra.</translation>
    </message>
    <message>
        <source>Leaves this question for later.</source>
        <translation>Deja esta pregunta para más tarde.</translation>
    </message>
    <message>
        <source>Tutorama</source>
        <translation>Tutorama</translation>
    </message>
</context>
<context>
    <name>CQuizVoice</name>
    <message>
        <source>%1 (no voice here: English is spoken)</source>
        <translation>%1 (aquí no hay voz: se lee en inglés)</translation>
    </message>
</context>
<context>
    <name>CScorePage</name>
    <message>
        <source>Retake Quiz</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Review Quiz</source>
        <translation>Repasar</translation>
    </message>
    <message>
        <source>If you want to take the quiz again, click the Retake Quiz button. If you want to review or make changes to the quiz, click the Review Quiz button. Click the Finish button to return to the main quiz screen, or the Close button to leave the Tutorama.</source>
        <translation>Si quieres hacer otra vez el cuestionario, haz clic en Repetir. Si quieres repasarlo o cambiarlo, haz clic en Repasar. Haz clic en Terminar para volver a la pantalla de inicio, o en Cerrar para salir del Tutorama.</translation>
    </message>
    <message>
        <source>You answered %1 out of %2 correctly. That equals %3%.</source>
        <translation>Has acertado %1 de %2. Eso es un %3 %.</translation>
    </message>
</context>
<context>
    <name>CSpellingAdvicePage</name>
    <message>
        <source>Test Sound</source>
        <translation>Probar el sonido</translation>
    </message>
    <message>
        <source>Speaks a sentence, so you can hear that the computer can read your spelling words to you.</source>
        <translation>Dice una frase, para que oigas que el ordenador puede leerte tus palabras del dictado.</translation>
    </message>
    <message>
        <source>Welcome to the Tutorama</source>
        <translation>Bienvenido al Tutorama</translation>
    </message>
</context>
<context>
    <name>CSpellingEditPage</name>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Spelling word</source>
        <translation>Palabra del dictado</translation>
    </message>
    <message>
        <source>Puts the word you copied into the word box.</source>
        <translation>Pone en la casilla la palabra que has copiado.</translation>
    </message>
</context>
<context>
    <name>CSpellingIntroPage</name>
    <message numerus="yes">
        <source>This quiz has %n word(s).</source>
        <translation>
            <numerusform>Este cuestionario tiene %n palabra.</numerusform>
            <numerusform>Este cuestionario tiene %n palabras.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CSpellingTakePage</name>
    <message>
        <source>Click on the picture of the speaker and the computer will say a spelling word. If you want to hear the word a second time, click the speaker again. Type your answer in the Answer box. To find out if your spelling is correct, click the Next button.</source>
        <translation>Haz clic en el dibujo del altavoz y el ordenador dirá una palabra. Si quieres oírla otra vez, vuelve a hacer clic en el altavoz. Escribe tu respuesta en la casilla Respuesta. Para saber si la has escrito bien, haz clic en Siguiente.</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>&amp;Speaker</source>
        <translation>Al&amp;tavoz</translation>
    </message>
    <message>
        <source>A loudspeaker: hear the spelling word again.</source>
        <translation>Un altavoz: oír otra vez la palabra.</translation>
    </message>
    <message>
        <source>Click here to hear the sound</source>
        <translation>Haz clic aquí para oír la palabra</translation>
    </message>
    <message numerus="yes">
        <source>So far, you have spelled %n word.</source>
        <translation>
            <numerusform>Hasta ahora has escrito %n palabra.</numerusform>
            <numerusform>Hasta ahora has escrito %n palabras.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>So far, you have spelled %n words.</source>
        <translation>
            <numerusform>Hasta ahora has escrito %n palabra.</numerusform>
            <numerusform>Hasta ahora has escrito %n palabras.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you spell this word, you will have %n word left.</source>
        <translation>
            <numerusform>Después de esta palabra te quedará %n palabra.</numerusform>
            <numerusform>Después de esta palabra te quedarán %n palabras.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you spell this word, you will have %n words left.</source>
        <translation>
            <numerusform>Después de esta palabra te quedará %n palabra.</numerusform>
            <numerusform>Después de esta palabra te quedarán %n palabras.</numerusform>
        </translation>
    </message>
    <message>
        <source>Say it s&amp;lowly</source>
        <translation>Decirlo &amp;despacio</translation>
    </message>
    <message>
        <source>A loudspeaker and a snail: hear the word slowly, a part at a time.</source>
        <translation>Un altavoz y un caracol: oír la palabra despacio, parte por parte.</translation>
    </message>
</context>
<context>
    <name>CStartQuizPage</name>
    <message>
        <source>If this is your first time using the Tutorama, click the New Quiz button. If you have already made one or more quizzes and wish to make changes to one of them, click the Existing Quiz button.</source>
        <translation>Si es la primera vez que usas el Tutorama, haz clic en Nuevo cuestionario. Si ya has creado uno o más cuestionarios y quieres cambiar alguno, haz clic en Cuestionario existente.</translation>
    </message>
    <message>
        <source>A fresh sheet of paper with a star: start a new quiz.</source>
        <translation>Una hoja nueva con una estrella: empezar un cuestionario nuevo.</translation>
    </message>
    <message>
        <source>&amp;Existing Quiz</source>
        <translation>Cuestionario &amp;existente</translation>
    </message>
    <message>
        <source>A folder with quiz sheets in it: change a quiz you have already made.</source>
        <translation>Una carpeta con hojas de cuestionario: cambiar un cuestionario que ya has creado.</translation>
    </message>
    <message>
        <source>New Quiz</source>
        <translation>Nuevo cuestionario</translation>
    </message>
    <message>
        <source>If you want to use the Tutorama to make a new quiz, click this button.</source>
        <translation>Si quieres crear un cuestionario nuevo con el Tutorama, haz clic en este botón.</translation>
    </message>
    <message>
        <source>Existing Quiz</source>
        <translation>Cuestionario existente</translation>
    </message>
    <message>
        <source>If you want to make changes to a quiz you have already made, click here.</source>
        <translation>Si quieres cambiar un cuestionario que ya has creado, haz clic aquí.</translation>
    </message>
    <message>
        <source>Ne&amp;w Quiz</source>
        <translation>&amp;Nuevo cuestionario</translation>
    </message>
    <message>
        <source>You may look at this quiz, but not change the file %1.

If you change the quiz, the Tutorama keeps your changes and offers to save them in a copy with Save As when you leave the quiz.</source>
        <translation>Puedes ver este cuestionario, pero no cambiar el archivo %1.

Si cambias el cuestionario, el Tutorama guarda tus cambios y te ofrece guardarlos en una copia con Guardar como cuando salgas del cuestionario.</translation>
    </message>
</context>
<context>
    <name>CStringTable</name>
    <message>
        <source>To make a True-False quiz, type a series of statements, each one either true or false. Later, when you take the quiz, you will see each statement and you will determine whether it is true or false. Click the Advice button for more help in creating a True-False quiz.</source>
        <translation>Para crear un cuestionario de Verdadero o Falso, escribe una serie de afirmaciones, cada una verdadera o falsa. Después, cuando hagas el cuestionario, verás cada afirmación y dirás si es verdadera o falsa. Haz clic en Consejos para tener más ayuda.</translation>
    </message>
    <message>
        <source>To make a flash card quiz, fill in both the front and the back sides of each flash card. When you take the quiz, you can determine whether you want to see the fronts of the cards, or the backs.  When you see a card, type the information you think belongs on the other side. Click the Advice button for more help in creating a flash card quiz.</source>
        <translation>Para crear un cuestionario de tarjetas, rellena el anverso y el reverso de cada tarjeta. Cuando hagas el cuestionario, podrás elegir si quieres ver los anversos o los reversos.  Cuando veas una tarjeta, escribe lo que crees que pone en el otro lado. Haz clic en Consejos para tener más ayuda.</translation>
    </message>
    <message>
        <source>To make a math quiz, you will enter math problems using an on-screen calculator keypad. When you take the quiz, you will see each problem and should type in the answer. Click the Advice button for more help in creating a math quiz.</source>
        <translation>Para crear un cuestionario de matemáticas, escribe operaciones con el teclado de calculadora de la pantalla. Cuando hagas el cuestionario, verás cada operación y escribirás el resultado. Haz clic en Consejos para tener más ayuda.</translation>
    </message>
    <message>
        <source>To make a spelling quiz, enter a list of spelling words. When you take the spelling quiz, the computer will read the words to you and you type in the correct spelling. Click the Advice button for more help in creating a spelling quiz.</source>
        <translation>Para crear un dictado, escribe una lista de palabras. Cuando hagas el dictado, el ordenador te leerá las palabras y tú las escribirás sin faltas. Haz clic en Consejos para tener más ayuda.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this question?</source>
        <translation>¿Seguro que quieres borrar esta pregunta?</translation>
    </message>
    <message>
        <source>Do you want to take this quiz now?</source>
        <translation>¿Quieres hacer este cuestionario ahora?</translation>
    </message>
    <message>
        <source>To start making your true-false quiz, click the add a statement button</source>
        <translation>Para empezar tu cuestionario de Verdadero o Falso, haz clic en Añadir afirmación</translation>
    </message>
    <message>
        <source>To start making your flash card quiz, click the Add a Flash Card button.</source>
        <translation>Para empezar tu cuestionario de tarjetas, haz clic en Añadir tarjeta.</translation>
    </message>
    <message>
        <source>To start making your spelling quiz, click the Add a Word  button.</source>
        <translation>Para empezar tu dictado, haz clic en Añadir palabra.</translation>
    </message>
    <message>
        <source>To start making your mathematics quiz, click the Add a Problem button.</source>
        <translation>Para empezar tu cuestionario de matemáticas, haz clic en Añadir operación.</translation>
    </message>
    <message>
        <source>Do you want to save this question ?</source>
        <translation>¿Quieres guardar esta pregunta?</translation>
    </message>
    <message>
        <source>Do you want to finish this question before you quit?</source>
        <translation>¿Quieres terminar esta pregunta antes de salir?</translation>
    </message>
    <message>
        <source>If you change the quiz type you will lose your questions. Continue?</source>
        <translation>Si cambias el tipo de cuestionario, perderás tus preguntas. ¿Continuar?</translation>
    </message>
    <message>
        <source>There is a problem with the equation you entered. The equation must be a number, then either &quot;+,-,* or /&quot;, followed by another number</source>
        <translation>Hay un problema con la operación que has escrito. La operación debe ser un número, luego «+», «-», «*» o «/», y después otro número</translation>
    </message>
    <message>
        <source>If you want to add another statement to your quiz, click the Add a Statement button. If you want to delete or modify a statement, select the statement then click the appropriate button.</source>
        <translation>Si quieres añadir otra afirmación a tu cuestionario, haz clic en Añadir afirmación. Si quieres borrar o cambiar una afirmación, elígela y haz clic en el botón que corresponda.</translation>
    </message>
    <message>
        <source>If you want to add another flash card to your quiz, click the Add a Flash Card button. If you want to delete or modify a flash card, select the flash card then click the appropriate button.</source>
        <translation>Si quieres añadir otra tarjeta a tu cuestionario, haz clic en Añadir tarjeta. Si quieres borrar o cambiar una tarjeta, elígela y haz clic en el botón que corresponda.</translation>
    </message>
    <message>
        <source>If you want to add another word to your quiz, click the Add a Word button. If you want to delete or modify a word, select the word then click the appropriate button.</source>
        <translation>Si quieres añadir otra palabra a tu dictado, haz clic en Añadir palabra. Si quieres borrar o cambiar una palabra, elígela y haz clic en el botón que corresponda.</translation>
    </message>
    <message>
        <source>If you want to add another problem to your quiz, click the Add a Problem button. If you want to delete or modify a problem, select the problem then click the appropriate button.</source>
        <translation>Si quieres añadir otra operación a tu cuestionario, haz clic en Añadir operación. Si quieres borrar o cambiar una operación, elígela y haz clic en el botón que corresponda.</translation>
    </message>
    <message>
        <source>The Tutorama helps you make
practice quizzes to use to study
for tests at school.

This wizard will lead you step-by-
step through the process of 
making and then taking quizzes.

You can make three types of
questions:
&lt;T&gt;• True/False
• Flash Cards
• Mathematics</source>
        <translation>El Tutorama te ayuda a crear
cuestionarios de práctica para
preparar los exámenes del cole.

Este asistente te guía paso a
paso para crear cuestionarios
y después hacerlos.

Puedes crear tres tipos de
preguntas:
&lt;T&gt;• Verdadero/Falso
• Tarjetas
• Matemáticas</translation>
    </message>
    <message>
        <source>&lt;B&gt;Tips:&lt;N&gt;
&lt;T&gt;•Try to use only one or a few 
words on either side of the 
flash card to make it easier 
for the computer to judge your 
answer.
• When you take the quiz, you
will be shown all the flash
cards, so make only as many
as you&apos;ll want to be quizzed
on later.
</source>
        <translation>&lt;B&gt;Trucos:&lt;N&gt;
&lt;T&gt;•Escribe solo una palabra o 
pocas en cada lado de la 
tarjeta. Así el ordenador 
comprueba mejor tu 
respuesta.
• Cuando hagas el cuestionario,
verás todas las tarjetas.
Haz solo las que quieras
practicar después.
</translation>
    </message>
    <message>
        <source>To make a flash card quiz, fill in both 
the front and back of each flash card. 
When you take the quiz, you&apos;ll choose 
whether you want to see the fronts or 
the backs of the cards. When you see 
a card, type the information that you
think belongs on the other side.
</source>
        <translation>Para crear un cuestionario de tarjetas, 
rellena el anverso y el reverso de 
cada tarjeta. Cuando hagas el 
cuestionario, elegirás si quieres ver 
los anversos o los reversos. Cuando 
veas una tarjeta, escribe lo que
crees que pone en el otro lado.
</translation>
    </message>
    <message>
        <source>They will appear in random order; 
instead of the order in which you 
wrote them. Before you start the 
quiz, decide whether you want to see:

&lt;T&gt;•The fronts of the cards and type 
your responses on the backs.
•The backs of the cards and type
 your responses on the fronts.</source>
        <translation>Saldrán en orden aleatorio, y no 
en el orden en que las escribiste. 
Antes de empezar, decide qué 
quieres hacer:

&lt;T&gt;•Ver los anversos de las tarjetas 
y responder en los reversos.
•Ver los reversos de las tarjetas
 y responder en los anversos.</translation>
    </message>
    <message>
        <source>Read the information on the &lt;B&gt;Front&lt;N&gt; 
of each flash card, then type your 
answer in the &lt;B&gt;Back&lt;N&gt; box. 

To find out of your answer is correct, 
click the &lt;B&gt;Next&lt;N&gt; button.
</source>
        <translation>Lee lo que pone en el &lt;B&gt;Anverso&lt;N&gt; 
de cada tarjeta y escribe tu 
respuesta en la casilla &lt;B&gt;Reverso&lt;N&gt;. 

Para saber si tu respuesta es correcta, 
haz clic en &lt;B&gt;Siguiente&lt;N&gt;.
</translation>
    </message>
    <message>
        <source>Use the screen to create your flash 
card quiz. Enter the information for 
the front side of a card in the space 
at the right. Click the &lt;B&gt;Flip Card&lt;N&gt; button 
to enter the information for the back 
side.

After you finish both sides of the card, 
click the &lt;B&gt;New ?&lt;N&gt; button to make another 
card. When you are done making flash 
cards, click the &lt;B&gt;Finish&lt;N&gt; button.
</source>
        <translation>Aquí creas tu cuestionario de 
tarjetas. Escribe el anverso de una 
tarjeta en el espacio de la derecha. 
Haz clic en &lt;B&gt;Dar la vuelta&lt;N&gt; para 
escribir el reverso.

Cuando termines los dos lados, 
haz clic en &lt;B&gt;Nueva ?&lt;N&gt; para hacer otra 
tarjeta. Cuando acabes de hacer 
tarjetas, haz clic en &lt;B&gt;Terminar&lt;N&gt;.
</translation>
    </message>
    <message>
        <source>Use this screen to make your 
mathematics quiz. After you finish 
a problem, click the &lt;B&gt;New ?&lt;N&gt; button to 
make another problem. When you 
are done entering problems, click the 
&lt;B&gt;Finish&lt;N&gt; button.
</source>
        <translation>Aquí creas tu cuestionario 
de matemáticas. Cuando acabes 
una operación, haz clic en &lt;B&gt;Nueva ?&lt;N&gt; 
para hacer otra. Cuando hayas 
escrito todas las operaciones, haz 
clic en &lt;B&gt;Terminar&lt;N&gt;.
</translation>
    </message>
    <message>
        <source>To make a mathematics quiz, enter 
math problems using an on-screen 
calculator keypad. When you take 
the quiz, you will see each problem 
and type in the answer.


&lt;T&gt;&lt;B&gt;Example:&lt;B&gt;
&lt;T&gt;Question: 57 + 41 = 
Answer:    98
</source>
        <translation>Para crear un cuestionario de 
matemáticas, escribe operaciones 
con el teclado de calculadora de 
la pantalla. Al hacer el cuestionario 
verás cada operación y escribirás 
el resultado.

&lt;T&gt;&lt;B&gt;Ejemplo:&lt;B&gt;
&lt;T&gt;Pregunta:   57 + 41 = 
Respuesta: 98
</translation>
    </message>
    <message>
        <source>&lt;B&gt;Tips:&lt;N&gt; 
&lt;T&gt;•The problems you write must be 
basic addition, subtraction, 
multiplication or division.
•When you make a problem,
your computer will automatically 
calculate the  answer.
You may not enter equations that have 
answers with more than 8 decimal places.
•When you take the quiz, you will 
be shown all the problems, so
make only as many as you want 
to be quizzed on later.
</source>
        <translation>&lt;B&gt;Trucos:&lt;N&gt; 
&lt;T&gt;•Tus operaciones deben ser 
sumas, restas, multiplicaciones 
o divisiones sencillas.
•Cuando haces una operación,
el ordenador calcula solo 
el resultado.
No se permiten resultados con 
más de 8 decimales.
•Cuando hagas el cuestionario, 
verás todas las operaciones.
Haz solo las que quieras 
practicar después.
</translation>
    </message>
    <message>
        <source>They will appear in random order;
 instead of in the order in which you
 wrote them. Type your answer 
in the Answer box.

 You will find out right away whether 
your answer is correct. If your answer 
is incorrect, you can try the problem
 a second time.</source>
        <translation>Saldrán en orden aleatorio,
 y no en el orden en que las
 escribiste. Escribe tu respuesta 
en la casilla Respuesta.

 Sabrás enseguida si tu respuesta 
es correcta. Si no es correcta, 
puedes intentar la operación
 otra vez.</translation>
    </message>
    <message>
        <source>After you have done all the
problems, you will see your score. 
At that time, you may take the quiz 
again to see if you can achieve a 
higher score. If you don&apos;t want
to take the quiz again, you can 
review the problems and answers. 

Click the &lt;B&gt;Next&lt;N&gt; button to continue.
</source>
        <translation>Cuando hayas hecho todas las
operaciones, verás tu resultado. 
Entonces podrás repetir el 
cuestionario para intentar sacar 
más puntos. Si no quieres
repetirlo, puedes repasar las 
operaciones y las respuestas. 

Haz clic en &lt;B&gt;Siguiente&lt;N&gt; para continuar.
</translation>
    </message>
    <message>
        <source>Click the &lt;B&gt;New Word&lt;N&gt; button to add 
another word. When you have entered 
all the words in your spelling list, click 
the &lt;B&gt;Finish&lt;N&gt; button to return to the Spelling 
Quiz Manager.

If you are modifying a word, make your 
changes, then click the &lt;B&gt;Finish&lt;N&gt; button.</source>
        <translation>Haz clic en &lt;B&gt;Nueva palabra&lt;N&gt; para añadir 
otra palabra. Cuando hayas escrito 
todas las palabras de tu lista, haz clic 
en &lt;B&gt;Terminar&lt;N&gt; para volver a la lista 
de palabras.

Si estás cambiando una palabra, haz los 
cambios y luego haz clic en &lt;B&gt;Terminar&lt;N&gt;.</translation>
    </message>
    <message>
        <source>To make a spelling quiz, you will
enter a list of spelling words. 
When you take the spelling quiz, 
the computer will read each word 
to you and you must type in the 
spelling. Click the &lt;B&gt;Test Sound&lt;N&gt; 
button below to make sure your 
computer can read the spelling 
words to you.
</source>
        <translation>Para crear un dictado, escribes
una lista de palabras. Cuando 
hagas el dictado, el ordenador 
te leerá cada palabra y tú 
debes escribirla sin faltas. Haz 
clic abajo en &lt;B&gt;Probar el sonido&lt;N&gt; 
para comprobar que tu ordenador 
puede leerte las palabras.
</translation>
    </message>
    <message>
        <source>&lt;B&gt;Tips:&lt;N&gt;
&lt;T&gt;•Your computer must be able to play sound,
or you will not be able to take the spelling quiz.
•Be sure you spell the words correctly when
you enter them. Use the word list that your
teacher gave you.
•When you take the quiz, the computer will
speak all the words you have entered, so
enter only as many as you want to be quizzed
on later. If you have a lot of words you may
want to put some of them in a second quiz.
</source>
        <translation>&lt;B&gt;Trucos:&lt;N&gt;
&lt;T&gt;•Tu ordenador tiene que poder reproducir sonido;
si no, no podrás hacer el dictado.
•Escribe las palabras sin faltas cuando
las introduzcas. Usa la lista de palabras
que te dio tu profe.
•Cuando hagas el dictado, el ordenador dirá
todas las palabras que hayas escrito. Escribe
solo las que quieras practicar después.
Si tienes muchas palabras, puedes poner
algunas en un segundo dictado.
</translation>
    </message>
    <message>
        <source>They will be spoken in random order; 
instead of the order in which you wrote 
them. Your computer will read a spelling 
word and you will type that word in the 
answer box. You will find out right away 
whether you spelled each word correctly. 
If your spelling is incorrect, you can try the
word a second time.</source>
        <translation>Se dirán en orden aleatorio, y no 
en el orden en que las escribiste. 
El ordenador lee una palabra y tú 
la escribes en la casilla Respuesta. 
Sabrás enseguida si has escrito 
bien cada palabra. 
Si te has equivocado, puedes intentar
la palabra otra vez.</translation>
    </message>
    <message>
        <source>After you have spelled all the words in the 
quiz, you will see your score. At that time, 
you may take the quiz again to see if you 
can achieve a higher score. If you don&apos;t 
want to take the quiz again, you can review 
your spelling word list. 

Click the &lt;B&gt;Next&lt;N&gt; button to continue.
</source>
        <translation>Cuando hayas escrito todas las palabras 
del dictado, verás tu resultado. Entonces 
podrás repetir el dictado para intentar 
sacar más puntos. Si no quieres 
repetirlo, puedes repasar tu lista 
de palabras. 

Haz clic en &lt;B&gt;Siguiente&lt;N&gt; para continuar.
</translation>
    </message>
    <message>
        <source>&lt;B&gt;Tips:&lt;N&gt;
&lt;T&gt;• Don&apos;t worry about the order of your
true and false statements. When
you take the test, they will appear
randomly.
•Write statements that are brief and 
clear.
•When you take the quiz, you will
be shown all the statements, so 
make only as many as you&apos;ll
want to be quizzed on later.</source>
        <translation>&lt;B&gt;Trucos:&lt;N&gt;
&lt;T&gt;• No te preocupes por el orden de
tus afirmaciones verdaderas y falsas.
Cuando hagas el cuestionario,
saldrán en orden aleatorio.
•Escribe afirmaciones cortas y 
claras.
•Cuando hagas el cuestionario,
verás todas las afirmaciones. 
Haz solo las que quieras
practicar después.</translation>
    </message>
    <message>
        <source>To make your true-false quiz 
statements, use this screen. 
After you finish writing a 
statement, click the &lt;B&gt;New ?&lt;N&gt;
button to write another question. 
When you are done writing 
questions, click the Finish 
button.
</source>
        <translation>Aquí escribes las afirmaciones 
de tu cuestionario. 
Cuando acabes de escribir una 
afirmación, haz clic en &lt;B&gt;Nueva ?&lt;N&gt;
para escribir otra pregunta. 
Cuando termines de escribir 
preguntas, haz clic en 
Terminar.
</translation>
    </message>
    <message>
        <source>The quiz you have opened contains no questions. You need to add questions before you can take the quiz </source>
        <translation>El cuestionario que has abierto no tiene preguntas. Tienes que añadir preguntas antes de poder hacerlo </translation>
    </message>
    <message>
        <source>Read the information on the &lt;B&gt;Back&lt;N&gt; 
of each flash card, then type your 
answer in the &lt;B&gt;Front&lt;N&gt; box. 

To find out of your answer is correct, 
click the &lt;B&gt;Next&lt;N&gt; button.
</source>
        <translation>Lee lo que pone en el &lt;B&gt;Reverso&lt;N&gt; 
de cada tarjeta y escribe tu 
respuesta en la casilla &lt;B&gt;Anverso&lt;N&gt;. 

Para saber si tu respuesta es correcta, 
haz clic en &lt;B&gt;Siguiente&lt;N&gt;.
</translation>
    </message>
    <message>
        <source>The Tutorama does not support dividing numbers by zero.</source>
        <translation>En el Tutorama no se puede dividir entre cero.</translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation>El número es demasiado grande.</translation>
    </message>
</context>
<context>
    <name>CTrueFalseAdvicePage</name>
    <message>
        <source>To make a true-false quiz, type a series of statements, each one either true or false. Later, when you take the quiz, you will see the statement, and you will need to answer if you think it is true or false.</source>
        <translation>Para crear un cuestionario de Verdadero o Falso, escribe una serie de afirmaciones, cada una verdadera o falsa. Después, cuando hagas el cuestionario, verás cada afirmación y tendrás que decir si crees que es verdadera o falsa.</translation>
    </message>
</context>
<context>
    <name>CTrueFalseEditPage</name>
    <message>
        <source>True</source>
        <translation>Verdadero</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Type in a statement below. Click the True button if the statement is true, or the False button if it is false.</source>
        <translation>Escribe una afirmación aquí abajo. Haz clic en Verdadero si es verdadera, o en Falso si es falsa.</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Afirmación</translation>
    </message>
    <message>
        <source>Puts the text you copied into the statement box.</source>
        <translation>Pone en la casilla el texto que has copiado.</translation>
    </message>
</context>
<context>
    <name>CTrueFalseFeedbackDlg</name>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
</context>
<context>
    <name>CTrueFalseIntroPage</name>
    <message>
        <source>They will appear in random order; instead of  the order in which you wrote them. Read a statement and then click on either the True or False button. You will find out right away whether each answer is correct.</source>
        <translation>Saldrán en orden aleatorio, y no en el orden en que las escribiste. Lee una afirmación y haz clic en Verdadero o en Falso. Sabrás enseguida si cada respuesta es correcta.</translation>
    </message>
    <message>
        <source>After you have gone through all the statements, you will see your score. At that time, you may take the quiz again to see if you can achieve a higher score. If you don&apos;t want to take the quiz again, you can review the questions and answers.</source>
        <translation>Cuando hayas visto todas las afirmaciones, verás tu resultado. Entonces podrás repetir el cuestionario para intentar sacar más puntos. Si no quieres repetirlo, puedes repasar las preguntas y las respuestas.</translation>
    </message>
    <message>
        <source>Click the Next button to continue.</source>
        <translation>Haz clic en Siguiente para continuar.</translation>
    </message>
    <message numerus="yes">
        <source>This quiz has %n statement(s).</source>
        <translation>
            <numerusform>Este cuestionario tiene %n afirmación.</numerusform>
            <numerusform>Este cuestionario tiene %n afirmaciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tutorama: %1</source>
        <translation>Tutorama: %1</translation>
    </message>
</context>
<context>
    <name>CTrueFalseTakePage</name>
    <message>
        <source>Read the statement at the right side of the screen. If you think it is true, click the True button. If you think it is false, click the False button. To find out if your answer is correct, click the Next button.</source>
        <translation>Lee la afirmación de la derecha de la pantalla. Si crees que es verdadera, haz clic en Verdadero. Si crees que es falsa, haz clic en Falso. Para saber si tu respuesta es correcta, haz clic en Siguiente.</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Afirmación</translation>
    </message>
    <message>
        <source>&amp;True</source>
        <translation>&amp;Verdadero</translation>
    </message>
    <message>
        <source>A green tick: the statement is true.</source>
        <translation>Una marca verde: la afirmación es verdadera.</translation>
    </message>
    <message>
        <source>&amp;False</source>
        <translation>&amp;Falso</translation>
    </message>
    <message>
        <source>A red cross: the statement is false.</source>
        <translation>Una cruz roja: la afirmación es falsa.</translation>
    </message>
    <message numerus="yes">
        <source>So far, you have answered %n question.</source>
        <translation>
            <numerusform>Hasta ahora has contestado %n pregunta.</numerusform>
            <numerusform>Hasta ahora has contestado %n preguntas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>So far, you have answered %n questions.</source>
        <translation>
            <numerusform>Hasta ahora has contestado %n pregunta.</numerusform>
            <numerusform>Hasta ahora has contestado %n preguntas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you answer this question, you will have %n question left.</source>
        <translation>
            <numerusform>Después de esta pregunta te quedará %n pregunta.</numerusform>
            <numerusform>Después de esta pregunta te quedarán %n preguntas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you answer this question, you will have %n questions left.</source>
        <translation>
            <numerusform>Después de esta pregunta te quedará %n pregunta.</numerusform>
            <numerusform>Después de esta pregunta te quedarán %n preguntas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CVoiceChoice</name>
    <message>
        <source>Words are spoken in:</source>
        <translation>Leer las palabras en:</translation>
    </message>
    <message>
        <source>Language of the voice</source>
        <translation>Idioma de la voz</translation>
    </message>
    <message>
        <source>The language the computer reads the spelling words in.</source>
        <translation>El idioma en el que el ordenador lee las palabras.</translation>
    </message>
</context>
<context>
    <name>CWelcomePage</name>
    <message>
        <source>&amp;Make Quiz</source>
        <translation>&amp;Crear cuestionario</translation>
    </message>
    <message>
        <source>A pencil writing questions on a sheet of paper: make or change a quiz.</source>
        <translation>Un lápiz escribe preguntas en una hoja: crear o cambiar un cuestionario.</translation>
    </message>
    <message>
        <source>&amp;Take Quiz</source>
        <translation>&amp;Hacer cuestionario</translation>
    </message>
    <message>
        <source>A quiz sheet with ticks on it: take a quiz you have made.</source>
        <translation>Una hoja de cuestionario con marcas: hacer un cuestionario que has creado.</translation>
    </message>
    <message>
        <source>Make or Modify Quiz</source>
        <translation>Crear o cambiar un cuestionario</translation>
    </message>
    <message>
        <source>If you want to use the Tutorama to make a new quiz, or to revise a quiz you have already made, click this button.</source>
        <translation>Si quieres crear un cuestionario nuevo con el Tutorama, o cambiar uno que ya has creado, haz clic en este botón.</translation>
    </message>
    <message>
        <source>Take Quiz</source>
        <translation>Hacer un cuestionario</translation>
    </message>
    <message>
        <source>If you want to use the Tutorama to take a quiz you have already made, click this button.</source>
        <translation>Si quieres hacer con el Tutorama un cuestionario que ya has creado, haz clic en este botón.</translation>
    </message>
    <message>
        <source>Tutorama</source>
        <translation>Tutorama</translation>
    </message>
    <message>
        <source>The quiz you have opened has questions, but no quiz type has been chosen for it yet, so it cannot be taken. Choose its type on the next page.</source>
        <translation>El cuestionario que has abierto tiene preguntas, pero aún no tiene un tipo, así que no se puede hacer. Elige su tipo en la página siguiente.</translation>
    </message>
</context>
<context>
    <name>CWidgetPrompt</name>
    <message>
        <source>Tutorama</source>
        <translation>Tutorama</translation>
    </message>
</context>
<context>
    <name>MathRules</name>
    <message>
        <source>The Tutorama does not support dividing numbers by zero.</source>
        <translation>En el Tutorama no se puede dividir entre cero.</translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation>El número es demasiado grande.</translation>
    </message>
    <message>
        <source>There is a problem with the equation you entered. The equation must be a number, then either &quot;+,-,* or /&quot;, followed by another number</source>
        <translation>Hay un problema con la operación que has escrito. La operación debe ser un número, luego «+», «-», «*» o «/», y después otro número</translation>
    </message>
</context>
<context>
    <name>PictureWords</name>
    <message>
        <source>Welcome to the Tutorama!</source>
        <translation>¡Bienvenido al Tutorama!</translation>
    </message>
    <message>
        <source>Make or Modify a Quiz</source>
        <translation>Crear o cambiar un cuestionario</translation>
    </message>
    <message>
        <source>Name Your Quiz</source>
        <translation>Ponle nombre a tu cuestionario</translation>
    </message>
    <message>
        <source>Choose a Quiz Format</source>
        <translation>Elige un tipo de cuestionario</translation>
    </message>
    <message>
        <source>True/False Quiz Manager</source>
        <translation>Cuestionario de verdadero o falso</translation>
    </message>
    <message>
        <source>True/False Quiz</source>
        <translation>Verdadero o falso</translation>
    </message>
    <message>
        <source>Taking a True/False Quiz</source>
        <translation>Hacer un verdadero o falso</translation>
    </message>
    <message>
        <source>True/False Quiz Advice</source>
        <translation>Consejos: verdadero o falso</translation>
    </message>
    <message>
        <source>Flash Card Quiz Manager</source>
        <translation>Cuestionario de tarjetas</translation>
    </message>
    <message>
        <source>Making Flash Cards</source>
        <translation>Crear tarjetas</translation>
    </message>
    <message>
        <source>Flash Card Quiz</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>Taking a Flash Card Quiz</source>
        <translation>Hacer un cuestionario de tarjetas</translation>
    </message>
    <message>
        <source>Flash Card Quiz Advice</source>
        <translation>Consejos: tarjetas</translation>
    </message>
    <message>
        <source>Spelling Quiz Manager</source>
        <translation>Cuestionario de dictado</translation>
    </message>
    <message>
        <source>Spelling Quiz</source>
        <translation>Dictado</translation>
    </message>
    <message>
        <source>Taking a Spelling Quiz</source>
        <translation>Hacer un dictado</translation>
    </message>
    <message>
        <source>Spelling Quiz Advice</source>
        <translation>Consejos: dictado</translation>
    </message>
    <message>
        <source>Math Quiz Manager</source>
        <translation>Cuestionario de matemáticas</translation>
    </message>
    <message>
        <source>Making Math Problems</source>
        <translation>Crear operaciones</translation>
    </message>
    <message>
        <source>Math Quiz</source>
        <translation>Matemáticas</translation>
    </message>
    <message>
        <source>Taking a Math Quiz</source>
        <translation>Hacer un cuestionario de matemáticas</translation>
    </message>
    <message>
        <source>Math Quiz Advice</source>
        <translation>Consejos: matemáticas</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Tu resultado</translation>
    </message>
    <message>
        <source>Front of the card</source>
        <translation>Anverso de la tarjeta</translation>
    </message>
    <message>
        <source>Back of the card</source>
        <translation>Reverso de la tarjeta</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Anverso</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Reverso</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Afirmación</translation>
    </message>
    <message>
        <source>Spelling Word</source>
        <translation>Palabra del dictado</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Verdadero</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
</context>
<context>
    <name>PrintLayout</name>
    <message>
        <source>True</source>
        <translation>Verdadero</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>In quiz file %1 you got %2 out of %3 right.</source>
        <translation>En el cuestionario %1 acertaste %2 de %3.</translation>
    </message>
    <message>
        <source>That equals %1%.</source>
        <translation>Eso es un %1 %.</translation>
    </message>
</context>
</TS>
