<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AnswerJudge</name>
    <message>
        <source> The correct answer is %1 = %2</source>
        <translation> Die richtige Antwort ist %1 = %2</translation>
    </message>
    <message>
        <source> The correct answer is %1 = %2.  Although this answer display shows two decimal places, the Tutorama accepts any correct answer rounded to two or more decimal places.</source>
        <translation> Die richtige Antwort ist %1 = %2.  Hier werden zwei Nachkommastellen gezeigt, aber das Tutorama nimmt jede richtige Antwort an, die auf zwei oder mehr Nachkommastellen gerundet ist.</translation>
    </message>
    <message>
        <source> The correct answer is %1.</source>
        <translation> Die richtige Antwort ist %1.</translation>
    </message>
    <message>
        <source>Correct. You got it right!</source>
        <translation>Richtig. Das hast du gut gemacht!</translation>
    </message>
    <message>
        <source>No. That is not correct.</source>
        <translation>Nein. Das ist leider nicht richtig.</translation>
    </message>
    <message>
        <source>No. The correct answer is False.</source>
        <translation>Nein. Die richtige Antwort ist Falsch.</translation>
    </message>
    <message>
        <source>No. The correct answer is True.</source>
        <translation>Nein. Die richtige Antwort ist Richtig.</translation>
    </message>
</context>
<context>
    <name>CAdviceView</name>
    <message>
        <source>Advice</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Unable to find advice file for printing</source>
        <translation>Die Tipp-Datei zum Drucken wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Unable to print advice file</source>
        <translation>Die Tipp-Datei kann nicht gedruckt werden</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Tutorama helps pupils make practice quizzes and take them to study for tests.</source>
        <translation>Tutorama hilft Schülerinnen und Schülern, Übungsquizze zu erstellen und zu lösen, um für Klassenarbeiten zu lernen.</translation>
    </message>
    <message>
        <source>quiz</source>
        <translation>quiz</translation>
    </message>
    <message>
        <source>A quiz file (.qiz) to take.</source>
        <translation>Eine Quiz-Datei (.qiz), die gelöst werden soll.</translation>
    </message>
    <message>
        <source>[quiz]</source>
        <translation>[quiz]</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.</source>
        <translation>Mehr dazu mit „%1 --help“.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Only one quiz can be opened at a time.</source>
        <translation>Es kann immer nur ein Quiz geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>CEditPage</name>
    <message>
        <source>Tutorama: Question %1 of %2</source>
        <translation>Tutorama: Frage %1 von %2</translation>
    </message>
    <message>
        <source>Do you want to complete this question first?</source>
        <translation>Möchtest du diese Frage zuerst fertig machen?</translation>
    </message>
</context>
<context>
    <name>CFeedbackBase</name>
    <message>
        <source>Tutorama Feedback</source>
        <translation>Tutorama – Rückmeldung</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Rückmeldung</translation>
    </message>
</context>
<context>
    <name>CFeedbackDlg</name>
    <message>
        <source>Try Again</source>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>View Correct Answer</source>
        <translation>Lösung zeigen</translation>
    </message>
    <message>
        <source>Next ?</source>
        <translation>Nächste ?</translation>
    </message>
</context>
<context>
    <name>CFlashCardEditPage</name>
    <message>
        <source>Flip Card</source>
        <translation>Karte umdrehen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Flash card</source>
        <translation>Lernkarte</translation>
    </message>
    <message>
        <source>Turns the card over to write its other side.</source>
        <translation>Dreht die Karte um, damit du die andere Seite beschreiben kannst.</translation>
    </message>
    <message>
        <source>Puts the text you copied on the card.</source>
        <translation>Setzt den kopierten Text auf die Karte.</translation>
    </message>
    <message>
        <source>Front of the flash card</source>
        <translation>Vorderseite der Lernkarte</translation>
    </message>
    <message>
        <source>Back of the flash card</source>
        <translation>Rückseite der Lernkarte</translation>
    </message>
</context>
<context>
    <name>CFlashCardIntroPage</name>
    <message>
        <source>Show Fronts</source>
        <translation>Vorderseiten zeigen</translation>
    </message>
    <message>
        <source>Show Backs</source>
        <translation>Rückseiten zeigen</translation>
    </message>
    <message>
        <source>You will find out right away whether each answer is correct. If your answer is incorrect, you can try the question a second time.</source>
        <translation>Du erfährst sofort, ob jede Antwort richtig ist. Wenn deine Antwort falsch ist, kannst du die Frage ein zweites Mal versuchen.</translation>
    </message>
    <message>
        <source>After you have completed all of the flash cards, you will see your score. At that time you may take the quiz again to see if you can get a higher score. If you don&apos;t want to take the quiz again, you can review the flash cards.</source>
        <translation>Wenn du alle Lernkarten geschafft hast, siehst du dein Ergebnis. Dann kannst du das Quiz noch einmal lösen und versuchen, mehr Punkte zu bekommen. Wenn du das Quiz nicht noch einmal lösen möchtest, kannst du dir die Lernkarten ansehen.</translation>
    </message>
    <message>
        <source>Click the Next button to continue.</source>
        <translation>Klicke auf Weiter, um fortzufahren.</translation>
    </message>
    <message>
        <source>Make your selection below:</source>
        <translation>Wähle unten aus:</translation>
    </message>
    <message numerus="yes">
        <source>This quiz has %n flash cards(s).</source>
        <translation>
            <numerusform>Dieses Quiz hat %n Lernkarte.</numerusform>
            <numerusform>Dieses Quiz hat %n Lernkarten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFlashCardTakePage</name>
    <message>
        <source>Front of the card</source>
        <translation>Vorderseite der Karte</translation>
    </message>
    <message>
        <source>Your answer: the back of the card</source>
        <translation>Deine Antwort: die Rückseite der Karte</translation>
    </message>
    <message>
        <source>Your answer: the front of the card</source>
        <translation>Deine Antwort: die Vorderseite der Karte</translation>
    </message>
    <message>
        <source>Back of the card</source>
        <translation>Rückseite der Karte</translation>
    </message>
    <message numerus="yes">
        <source>So far, you have completed %n card.</source>
        <translation>
            <numerusform>Bisher hast du %n Karte geschafft.</numerusform>
            <numerusform>Bisher hast du %n Karten geschafft.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>So far, you have completed %n cards.</source>
        <translation>
            <numerusform>Bisher hast du %n Karte geschafft.</numerusform>
            <numerusform>Bisher hast du %n Karten geschafft.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you complete this card, you will have %n card left</source>
        <translation>
            <numerusform>Nach dieser Karte bleibt dir noch %n Karte</numerusform>
            <numerusform>Nach dieser Karte bleiben dir noch %n Karten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you complete this card, you will have %n cards left</source>
        <translation>
            <numerusform>Nach dieser Karte bleibt dir noch %n Karte</numerusform>
            <numerusform>Nach dieser Karte bleiben dir noch %n Karten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Tutorama Help</source>
        <translation>Tutorama-Hilfe</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
</context>
<context>
    <name>CListImport</name>
    <message>
        <source>cut to %1 characters, the most a question box holds</source>
        <translation>auf %1 Zeichen gekürzt, mehr fasst ein Fragefeld nicht</translation>
    </message>
    <message>
        <source>the quiz has no kind yet</source>
        <translation>das Quiz hat noch keine Art</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>no True or False after the statement (put a tab or &quot;;&quot; between them)</source>
        <translation>kein Richtig oder Falsch nach der Aussage (dazwischen ein Tabulator oder &quot;;&quot;)</translation>
    </message>
    <message>
        <source>the statement is missing</source>
        <translation>die Aussage fehlt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither True nor False</source>
        <translation>&quot;%1&quot; ist weder Richtig noch Falsch</translation>
    </message>
    <message>
        <source>no back for the card (put a tab, &quot;;&quot;, &quot;,&quot; or &quot; = &quot; between front and back)</source>
        <translation>keine Rückseite für die Karte (zwischen Vorder- und Rückseite ein Tabulator, &quot;;&quot;, &quot;,&quot; oder &quot; = &quot;)</translation>
    </message>
    <message>
        <source>more than two parts: a card has a front and a back</source>
        <translation>mehr als zwei Teile: eine Karte hat eine Vorder- und eine Rückseite</translation>
    </message>
    <message>
        <source>the front of the card is empty</source>
        <translation>die Vorderseite der Karte ist leer</translation>
    </message>
    <message>
        <source>the back of the card is empty</source>
        <translation>die Rückseite der Karte ist leer</translation>
    </message>
    <message>
        <source>This file is not a text file. Save the list as text (one question a line) and open that.</source>
        <translation>Diese Datei ist keine Textdatei. Speichere die Liste als Text (eine Frage pro Zeile) und öffne diese.</translation>
    </message>
    <message>
        <source>This file is too large to be a list: it holds %1, and a list can hold at most %2.</source>
        <translation>Diese Datei ist zu groß für eine Liste: Sie hat %1, eine Liste darf höchstens %2 haben.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>CListImportDlg</name>
    <message>
        <source>One statement a line, then a tab or &quot;;&quot; and True or False.</source>
        <translation>Eine Aussage pro Zeile, dann ein Tabulator oder &quot;;&quot; und Richtig oder Falsch.</translation>
    </message>
    <message>
        <source>One card a line: the front, then a tab, &quot;;&quot;, &quot;,&quot; or &quot; = &quot;, then the back.</source>
        <translation>Eine Karte pro Zeile: die Vorderseite, dann ein Tabulator, &quot;;&quot;, &quot;,&quot; oder &quot; = &quot;, dann die Rückseite.</translation>
    </message>
    <message>
        <source>One word a line.</source>
        <translation>Ein Wort pro Zeile.</translation>
    </message>
    <message>
        <source>One problem a line, such as 12 + 3.</source>
        <translation>Eine Aufgabe pro Zeile, zum Beispiel 12 + 3.</translation>
    </message>
    <message>
        <source>&amp;Open a Text File...</source>
        <translation>Textdatei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add from a List</source>
        <translation>Aus einer Liste hinzufügen</translation>
    </message>
    <message>
        <source>Paste your list below, or open a text file.</source>
        <translation>Füge deine Liste unten ein oder öffne eine Textdatei.</translation>
    </message>
    <message>
        <source>List of questions</source>
        <translation>Liste der Fragen</translation>
    </message>
    <message>
        <source>Opens a text file of questions, one a line (Alt+O)</source>
        <translation>Öffnet eine Textdatei mit Fragen, eine pro Zeile (Alt+F)</translation>
    </message>
    <message>
        <source>What will be added:</source>
        <translation>Das wird hinzugefügt:</translation>
    </message>
    <message>
        <source>What will be added</source>
        <translation>Das wird hinzugefügt</translation>
    </message>
    <message>
        <source>Text Files (*.txt *.csv *.tsv);;All Files (*)</source>
        <translation>Textdateien (*.txt *.csv *.tsv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The list is empty: paste a list or open a text file.</source>
        <translation>Die Liste ist leer: Füge eine Liste ein oder öffne eine Textdatei.</translation>
    </message>
    <message>
        <source>Questions to add: %1. Lines that cannot be added: %2.</source>
        <translation>Hinzuzufügende Fragen: %1. Zeilen, die nicht hinzugefügt werden können: %2.</translation>
    </message>
    <message>
        <source>Line %1 was %2.</source>
        <translation>Zeile %1 wurde %2.</translation>
    </message>
    <message>
        <source>Line %1 cannot be added: %2</source>
        <translation>Zeile %1 kann nicht hinzugefügt werden: %2</translation>
    </message>
</context>
<context>
    <name>CMathEditPage</name>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Geteilt durch</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Eins</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Clear Problem</source>
        <translation>Aufgabe löschen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Use the calculator keypad to enter a problem. If you make a mistake, click the Clear Problem button.</source>
        <translation>Gib mit der Rechnertastatur eine Aufgabe ein. Wenn du dich vertippst, klicke auf Aufgabe löschen.</translation>
    </message>
    <message>
        <source>Math problem</source>
        <translation>Rechenaufgabe</translation>
    </message>
    <message>
        <source>Puts the problem you copied into the problem box.</source>
        <translation>Setzt die kopierte Aufgabe in das Aufgabenfeld.</translation>
    </message>
</context>
<context>
    <name>CMathIntroPage</name>
    <message numerus="yes">
        <source>This quiz has %n equation(s).</source>
        <translation>
            <numerusform>Dieses Quiz hat %n Aufgabe.</numerusform>
            <numerusform>Dieses Quiz hat %n Aufgaben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMathTakePage</name>
    <message>
        <source>Read the problem. Solve the problem and type your answer in the Answer box. To find out if your answer is correct, click the Next button.</source>
        <translation>Lies die Aufgabe. Rechne sie aus und tippe dein Ergebnis in das Feld Antwort. Klicke auf Weiter, um zu erfahren, ob deine Antwort richtig ist.</translation>
    </message>
    <message>
        <source>Problem:</source>
        <translation>Aufgabe:</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Antwort:</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>The Tutorama accepts any correct answer rounded to two or more decimal places.</source>
        <translation>Das Tutorama nimmt jede richtige Antwort an, die auf zwei oder mehr Nachkommastellen gerundet ist.</translation>
    </message>
    <message>
        <source>You Must Enter A Valid Number</source>
        <translation>Bitte gib eine gültige Zahl ein</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Aufgabe</translation>
    </message>
    <message numerus="yes">
        <source>So far, you have completed %n problem.</source>
        <translation>
            <numerusform>Bisher hast du %n Aufgabe gelöst.</numerusform>
            <numerusform>Bisher hast du %n Aufgaben gelöst.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>So far, you have completed %n problems.</source>
        <translation>
            <numerusform>Bisher hast du %n Aufgabe gelöst.</numerusform>
            <numerusform>Bisher hast du %n Aufgaben gelöst.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you answer this problem, you will have %n problem left.</source>
        <translation>
            <numerusform>Nach dieser Aufgabe bleibt dir noch %n Aufgabe.</numerusform>
            <numerusform>Nach dieser Aufgabe bleiben dir noch %n Aufgaben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you answer this problem, you will have %n problems left.</source>
        <translation>
            <numerusform>Nach dieser Aufgabe bleibt dir noch %n Aufgabe.</numerusform>
            <numerusform>Nach dieser Aufgabe bleiben dir noch %n Aufgaben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CNameQuizPage</name>
    <message>
        <source>The quiz &quot;%1&quot; is read-only, so it cannot be replaced. Please choose another name for your quiz.</source>
        <translation>Das Quiz „%1“ ist schreibgeschützt und kann nicht ersetzt werden. Bitte wähle einen anderen Namen für dein Quiz.</translation>
    </message>
    <message>
        <source>Before you start to make your quiz, you need to name it. This will allow the Tutorama to automatically save your quiz as you make it. This will  make sure that you do not lose any of your work. </source>
        <translation>Bevor du dein Quiz erstellst, musst du ihm einen Namen geben. Dann kann das Tutorama dein Quiz beim Erstellen automatisch speichern. So geht nichts von deiner Arbeit verloren. </translation>
    </message>
    <message>
        <source>Click on the picture of the disk below to name your quiz.</source>
        <translation>Klicke unten auf das Bild der Diskette, um deinem Quiz einen Namen zu geben.</translation>
    </message>
    <message>
        <source>&amp;Save Quiz As</source>
        <translation>Quiz &amp;speichern unter</translation>
    </message>
    <message>
        <source>A disk: choose where to save your quiz and its name.</source>
        <translation>Eine Diskette: Wähle, wo dein Quiz gespeichert wird und wie es heißt.</translation>
    </message>
    <message>
        <source>Use a name that will help you remember what the quiz is about. For example, if you create a mathematics quiz based on your mathematics problems for the week of March 24 you could name the file &quot;Mathematics March 24.&quot;</source>
        <translation>Nimm einen Namen, an dem du erkennst, worum es in dem Quiz geht. Wenn du zum Beispiel ein Mathematik-Quiz mit deinen Rechenaufgaben für die Woche vom 24. März erstellst, könntest du die Datei „Mathematik 24. März“ nennen.</translation>
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
        <translation>Tutorama – Drucken</translation>
    </message>
    <message>
        <source>What do you want to print?</source>
        <translation>Was möchtest du drucken?</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Questions and Answers</source>
        <translation>Fragen und Antworten</translation>
    </message>
    <message>
        <source>Questions only (Fronts of Flash cards)</source>
        <translation>Nur Fragen (Vorderseiten der Lernkarten)</translation>
    </message>
    <message>
        <source>Answers only (Backs of Flash Cards)</source>
        <translation>Nur Antworten (Rückseiten der Lernkarten)</translation>
    </message>
    <message>
        <source>Just This Question and Answer</source>
        <translation>Nur diese Frage mit Antwort</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Quiz Score</source>
        <translation>Quiz-Ergebnis</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Unable to print. Please check the printer and try again.</source>
        <translation>Drucken ist nicht möglich. Bitte prüfe den Drucker und versuche es noch einmal.</translation>
    </message>
</context>
<context>
    <name>CQuestionListModel</name>
    <message>
        <source>%1. T: %2</source>
        <translation>%1. R: %2</translation>
    </message>
    <message>
        <source>%1. F: %2</source>
        <translation>%1. F: %2</translation>
    </message>
    <message>
        <source>%1. F: %2  B: %3</source>
        <translation>%1. V: %2  R: %3</translation>
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
        <translation>Aussagen:</translation>
    </message>
    <message>
        <source>No Statements Defined Yet</source>
        <translation>Noch keine Aussagen</translation>
    </message>
    <message>
        <source>Add a Statement</source>
        <translation>Aussage hinzufügen</translation>
    </message>
    <message>
        <source>Modify a Statement</source>
        <translation>Aussage ändern</translation>
    </message>
    <message>
        <source>Delete a Statement</source>
        <translation>Aussage löschen</translation>
    </message>
    <message>
        <source>Flash Cards:</source>
        <translation>Lernkarten:</translation>
    </message>
    <message>
        <source>No Flash Cards Defined Yet</source>
        <translation>Noch keine Lernkarten</translation>
    </message>
    <message>
        <source>Add a Flash Card</source>
        <translation>Lernkarte hinzufügen</translation>
    </message>
    <message>
        <source>Modify a Flash Card</source>
        <translation>Lernkarte ändern</translation>
    </message>
    <message>
        <source>Delete a Flash Card</source>
        <translation>Lernkarte löschen</translation>
    </message>
    <message>
        <source>Spelling Words</source>
        <translation>Rechtschreibwörter</translation>
    </message>
    <message>
        <source>No Spelling Words Defined Yet</source>
        <translation>Noch keine Rechtschreibwörter</translation>
    </message>
    <message>
        <source>Add a Word</source>
        <translation>Wort hinzufügen</translation>
    </message>
    <message>
        <source>Modify a Word</source>
        <translation>Wort ändern</translation>
    </message>
    <message>
        <source>Delete a Word</source>
        <translation>Wort löschen</translation>
    </message>
    <message>
        <source>Math Problems:</source>
        <translation>Rechenaufgaben:</translation>
    </message>
    <message>
        <source>No Math Problems Defined Yet</source>
        <translation>Noch keine Rechenaufgaben</translation>
    </message>
    <message>
        <source>Add a Problem</source>
        <translation>Aufgabe hinzufügen</translation>
    </message>
    <message>
        <source>Modify a Problem</source>
        <translation>Aufgabe ändern</translation>
    </message>
    <message>
        <source>Delete a Problem</source>
        <translation>Aufgabe löschen</translation>
    </message>
    <message>
        <source>Add  a Question</source>
        <translation>Frage hinzufügen</translation>
    </message>
    <message>
        <source>Modify a Question</source>
        <translation>Frage ändern</translation>
    </message>
    <message>
        <source>Delete a Question</source>
        <translation>Frage löschen</translation>
    </message>
    <message>
        <source>Questions of the quiz</source>
        <translation>Fragen des Quiz</translation>
    </message>
    <message>
        <source>Add from a List...</source>
        <translation>Aus Liste hinzufügen...</translation>
    </message>
    <message>
        <source>Adds many questions at once from a list you paste or a text file, one a line.</source>
        <translation>Fügt viele Fragen auf einmal hinzu, aus einer eingefügten Liste oder einer Textdatei, eine pro Zeile.</translation>
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
        <translation>Möchtest du diese Frage später versuchen?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the quiz?</source>
        <translation>Möchtest du das Quiz wirklich beenden?</translation>
    </message>
    <message>
        <source>&amp;Read aloud</source>
        <translation>&amp;Vorlesen</translation>
    </message>
    <message>
        <source>A loudspeaker: hear the text you are reading.</source>
        <translation>Ein Lautsprecher: den Text hören, den du gerade liest.</translation>
    </message>
</context>
<context>
    <name>CQuizApp</name>
    <message>
        <source>Printing is not available: a part of Tutorama is missing. Installing Tutorama again mends it.</source>
        <translation>Drucken geht nicht: Ein Teil von Tutorama fehlt. Installiere Tutorama noch einmal, dann geht es wieder.</translation>
    </message>
</context>
<context>
    <name>CQuizFile</name>
    <message>
        <source>Unrecognized File Format</source>
        <translation>Unbekanntes Dateiformat</translation>
    </message>
    <message>
        <source>The quiz file %1 is damaged or incomplete, so it could not be opened.</source>
        <translation>Die Quiz-Datei %1 ist beschädigt oder unvollständig und konnte deshalb nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The quiz could not be saved to %1: %2. The quiz file on disk was not changed.</source>
        <translation>Das Quiz konnte nicht unter %1 gespeichert werden: %2. Die Quiz-Datei auf dem Datenträger wurde nicht verändert.</translation>
    </message>
    <message>
        <source>it holds more than %L1 questions, the most a quiz can have</source>
        <translation>es enthält mehr als %L1 Fragen, die Höchstzahl für ein Quiz</translation>
    </message>
    <message>
        <source>a text in it is longer than %L1 characters, the longest a quiz can hold</source>
        <translation>ein Text darin ist länger als %L1 Zeichen, die größte Länge, die ein Quiz fassen kann</translation>
    </message>
    <message>
        <source>it is larger than %L1 MB, the largest quiz file the Tutorama opens</source>
        <translation>sie ist größer als %L1 MB, die größte Quiz-Datei, die Tutorama öffnet</translation>
    </message>
    <message>
        <source>the file or its folder does not exist</source>
        <translation>die Datei oder ihr Ordner existiert nicht</translation>
    </message>
    <message>
        <source>you are not allowed to use this file or its folder</source>
        <translation>du darfst diese Datei oder ihren Ordner nicht benutzen</translation>
    </message>
    <message>
        <source>the disk can only be read, not written</source>
        <translation>der Datenträger kann nur gelesen, nicht beschrieben werden</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>you have used all the disk space you are allowed</source>
        <translation>du hast den ganzen Speicherplatz verbraucht, der dir zusteht</translation>
    </message>
    <message>
        <source>the file would be larger than this computer lets you make files</source>
        <translation>die Datei wäre größer, als dieser Computer dir Dateien anzulegen erlaubt</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>der Datenträger konnte nicht gelesen oder beschrieben werden</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the system refused (%1)</source>
        <translation>das System hat abgelehnt (%1)</translation>
    </message>
    <message>
        <source>The quiz file %1 could not be opened: %2.</source>
        <translation>Die Quiz-Datei %1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file (it may be a folder, a device or a pipe), so it cannot be opened as a quiz.</source>
        <translation>%1 ist keine gewöhnliche Datei (vielleicht ein Ordner, ein Gerät oder eine Pipe) und kann daher nicht als Quiz geöffnet werden.</translation>
    </message>
    <message>
        <source>The quiz could not be saved to %1: %2. No quiz file was made there.</source>
        <translation>Das Quiz konnte nicht unter %1 gespeichert werden: %2. Dort wurde keine Quiz-Datei angelegt.</translation>
    </message>
    <message>
        <source>The quiz could not be saved to %1: %2. The quiz file there may now be damaged; your questions are still here, so save the quiz elsewhere.</source>
        <translation>Das Quiz konnte nicht unter %1 gespeichert werden: %2. Die Quiz-Datei dort ist jetzt vielleicht beschädigt; deine Fragen sind noch hier, speichere das Quiz also an einem anderen Ort.</translation>
    </message>
</context>
<context>
    <name>CQuizFormatPage</name>
    <message>
        <source>True/False</source>
        <translation>Richtig/Falsch</translation>
    </message>
    <message>
        <source>Flash Cards</source>
        <translation>Lernkarten</translation>
    </message>
    <message>
        <source>Mathematics</source>
        <translation>Mathematik</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Rechtschreibung</translation>
    </message>
    <message>
        <source>Select the type of quiz you would like to make. All the questions in the quiz must be the same type.</source>
        <translation>Wähle die Art von Quiz, die du erstellen möchtest. Alle Fragen im Quiz müssen von derselben Art sein.</translation>
    </message>
    <message>
        <source>Choose Quiz Format</source>
        <translation>Quiz-Art wählen</translation>
    </message>
</context>
<context>
    <name>CQuizPage</name>
    <message>
        <source>Quiz Files (*.qiz)</source>
        <translation>Quiz-Dateien (*.qiz)</translation>
    </message>
    <message>
        <source>Some of your questions are not saved: the quiz could not be saved to %1.

Do you want to save the quiz under another name or in another folder before you leave it?</source>
        <translation>Einige deiner Fragen sind nicht gespeichert: Das Quiz konnte nicht unter %1 gespeichert werden.

Möchtest du das Quiz unter einem anderen Namen oder in einem anderen Ordner speichern, bevor du es verlässt?</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Speichern unter...</translation>
    </message>
    <message>
        <source>&amp;Leave Without Saving</source>
        <translation>Ohne Speichern &amp;verlassen</translation>
    </message>
    <message>
        <source>S&amp;tay Here</source>
        <translation>&amp;Hierbleiben</translation>
    </message>
</context>
<context>
    <name>CQuizPrinter</name>
    <message>
        <source>Tutorama Question</source>
        <translation>Tutorama – Frage</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Tutorama Report</source>
        <translation>Tutorama-Bericht</translation>
    </message>
    <message>
        <source>Tutorama Score</source>
        <translation>Tutorama-Ergebnis</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Dein Ergebnis</translation>
    </message>
</context>
<context>
    <name>CQuizSheet</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Advice</source>
        <translation>&amp;Tipps</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>&amp;New ?</source>
        <translation>&amp;Neu ?</translation>
    </message>
    <message>
        <source>&amp;New Word</source>
        <translation>&amp;Neues Wort</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Skip ?</source>
        <translation>Später ?</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Tutorama</source>
        <translation>Tutorama</translation>
    </message>
    <message>
        <source>Goes back to the page before.</source>
        <translation>Geht zur vorigen Seite zurück.</translation>
    </message>
    <message>
        <source>Goes on to the next step.</source>
        <translation>Geht zum nächsten Schritt.</translation>
    </message>
    <message>
        <source>Closes the Tutorama.</source>
        <translation>Schließt das Tutorama.</translation>
    </message>
    <message>
        <source>Stops what you are doing here.</source>
        <translation>Bricht ab, was du hier gerade machst.</translation>
    </message>
    <message>
        <source>Shows tips for making this kind of quiz.</source>
        <translation>Zeigt Tipps für diese Art von Quiz.</translation>
    </message>
    <message>
        <source>Chooses what to print.</source>
        <translation>Wählt, was gedruckt wird.</translation>
    </message>
    <message>
        <source>Finishes what you are doing here.</source>
        <translation>Beendet, was du hier gerade machst.</translation>
    </message>
    <message>
        <source>Keeps this question and starts a new one.</source>
        <translation>Behält diese Frage und beginnt eine neue.</translation>
    </message>
    <message>
        <source>Keeps this word and starts a new one.</source>
        <translation>Behält dieses Wort und beginnt ein neues.</translation>
    </message>
    <message>
        <source>Leaves this question for later.</source>
        <translation>Hebt diese Frage für später auf.</translation>
    </message>
</context>
<context>
    <name>CQuizVoice</name>
    <message>
        <source>%1 (no voice here: English is spoken)</source>
        <translation>%1 (keine Stimme da: Es spricht Englisch)</translation>
    </message>
</context>
<context>
    <name>CScorePage</name>
    <message>
        <source>Retake Quiz</source>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>Review Quiz</source>
        <translation>Quiz ansehen</translation>
    </message>
    <message>
        <source>If you want to take the quiz again, click the Retake Quiz button. If you want to review or make changes to the quiz, click the Review Quiz button. Click the Finish button to return to the main quiz screen, or the Close button to leave the Tutorama.</source>
        <translation>Wenn du das Quiz noch einmal lösen möchtest, klicke auf Noch einmal. Wenn du das Quiz ansehen oder ändern möchtest, klicke auf Quiz ansehen. Klicke auf Fertig, um zur Startseite zurückzukehren, oder auf Schließen, um das Tutorama zu beenden.</translation>
    </message>
    <message>
        <source>You answered %1 out of %2 correctly. That equals %3%.</source>
        <translation>Du hast %1 von %2 richtig beantwortet. Das sind %3 %.</translation>
    </message>
</context>
<context>
    <name>CSpellingAdvicePage</name>
    <message>
        <source>Test Sound</source>
        <translation>Ton testen</translation>
    </message>
    <message>
        <source>Speaks a sentence, so you can hear that the computer can read your spelling words to you.</source>
        <translation>Spricht einen Satz, damit du hörst, dass der Computer dir deine Rechtschreibwörter vorlesen kann.</translation>
    </message>
    <message>
        <source>Welcome to the Tutorama</source>
        <translation>Willkommen beim Tutorama</translation>
    </message>
</context>
<context>
    <name>CSpellingEditPage</name>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Spelling word</source>
        <translation>Rechtschreibwort</translation>
    </message>
    <message>
        <source>Puts the word you copied into the word box.</source>
        <translation>Setzt das kopierte Wort in das Wortfeld.</translation>
    </message>
</context>
<context>
    <name>CSpellingIntroPage</name>
    <message numerus="yes">
        <source>This quiz has %n word(s).</source>
        <translation>
            <numerusform>Dieses Quiz hat %n Wort.</numerusform>
            <numerusform>Dieses Quiz hat %n Wörter.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CSpellingTakePage</name>
    <message>
        <source>Click on the picture of the speaker and the computer will say a spelling word. If you want to hear the word a second time, click the speaker again. Type your answer in the Answer box. To find out if your spelling is correct, click the Next button.</source>
        <translation>Klicke auf das Bild des Lautsprechers, dann sagt der Computer ein Rechtschreibwort. Wenn du das Wort noch einmal hören möchtest, klicke wieder auf den Lautsprecher. Tippe deine Antwort in das Feld Antwort. Klicke auf Weiter, um zu erfahren, ob du richtig geschrieben hast.</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>&amp;Speaker</source>
        <translation>&amp;Lautsprecher</translation>
    </message>
    <message>
        <source>A loudspeaker: hear the spelling word again.</source>
        <translation>Ein Lautsprecher: das Rechtschreibwort noch einmal hören.</translation>
    </message>
    <message>
        <source>Click here to hear the sound</source>
        <translation>Hier klicken, um das Wort zu hören</translation>
    </message>
    <message numerus="yes">
        <source>So far, you have spelled %n word.</source>
        <translation>
            <numerusform>Bisher hast du %n Wort geschrieben.</numerusform>
            <numerusform>Bisher hast du %n Wörter geschrieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>So far, you have spelled %n words.</source>
        <translation>
            <numerusform>Bisher hast du %n Wort geschrieben.</numerusform>
            <numerusform>Bisher hast du %n Wörter geschrieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you spell this word, you will have %n word left.</source>
        <translation>
            <numerusform>Nach diesem Wort bleibt dir noch %n Wort.</numerusform>
            <numerusform>Nach diesem Wort bleiben dir noch %n Wörter.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you spell this word, you will have %n words left.</source>
        <translation>
            <numerusform>Nach diesem Wort bleibt dir noch %n Wort.</numerusform>
            <numerusform>Nach diesem Wort bleiben dir noch %n Wörter.</numerusform>
        </translation>
    </message>
    <message>
        <source>Say it s&amp;lowly</source>
        <translation>Langsam &amp;sagen</translation>
    </message>
    <message>
        <source>A loudspeaker and a snail: hear the word slowly, a part at a time.</source>
        <translation>Ein Lautsprecher und eine Schnecke: das Wort langsam hören, Stück für Stück.</translation>
    </message>
</context>
<context>
    <name>CStartQuizPage</name>
    <message>
        <source>If this is your first time using the Tutorama, click the New Quiz button. If you have already made one or more quizzes and wish to make changes to one of them, click the Existing Quiz button.</source>
        <translation>Wenn du das Tutorama zum ersten Mal benutzt, klicke auf Neues Quiz. Wenn du schon ein oder mehrere Quizze erstellt hast und eines davon ändern möchtest, klicke auf Vorhandenes Quiz.</translation>
    </message>
    <message>
        <source>Ne&amp;w Quiz</source>
        <translation>&amp;Neues Quiz</translation>
    </message>
    <message>
        <source>A fresh sheet of paper with a star: start a new quiz.</source>
        <translation>Ein frisches Blatt Papier mit einem Stern: ein neues Quiz beginnen.</translation>
    </message>
    <message>
        <source>&amp;Existing Quiz</source>
        <translation>&amp;Vorhandenes Quiz</translation>
    </message>
    <message>
        <source>A folder with quiz sheets in it: change a quiz you have already made.</source>
        <translation>Ein Ordner mit Quizblättern: ein Quiz ändern, das du schon erstellt hast.</translation>
    </message>
    <message>
        <source>New Quiz</source>
        <translation>Neues Quiz</translation>
    </message>
    <message>
        <source>If you want to use the Tutorama to make a new quiz, click this button.</source>
        <translation>Wenn du mit dem Tutorama ein neues Quiz erstellen möchtest, klicke auf diesen Knopf.</translation>
    </message>
    <message>
        <source>Existing Quiz</source>
        <translation>Vorhandenes Quiz</translation>
    </message>
    <message>
        <source>If you want to make changes to a quiz you have already made, click here.</source>
        <translation>Wenn du ein Quiz ändern möchtest, das du schon erstellt hast, klicke hier.</translation>
    </message>
    <message>
        <source>You may look at this quiz, but not change the file %1.

If you change the quiz, the Tutorama keeps your changes and offers to save them in a copy with Save As when you leave the quiz.</source>
        <translation>Du darfst dir dieses Quiz ansehen, aber die Datei %1 nicht ändern.

Wenn du das Quiz änderst, behält Tutorama deine Änderungen und bietet dir beim Verlassen des Quiz an, sie mit „Speichern unter“ in einer Kopie zu speichern.</translation>
    </message>
</context>
<context>
    <name>CStringTable</name>
    <message>
        <source>To make a True-False quiz, type a series of statements, each one either true or false. Later, when you take the quiz, you will see each statement and you will determine whether it is true or false. Click the Advice button for more help in creating a True-False quiz.</source>
        <translation>Für ein Richtig-Falsch-Quiz schreibst du eine Reihe von Aussagen, die entweder richtig oder falsch sind. Wenn du das Quiz später löst, siehst du jede Aussage und entscheidest, ob sie richtig oder falsch ist. Klicke auf Tipps, um mehr Hilfe zum Erstellen eines Richtig-Falsch-Quiz zu bekommen.</translation>
    </message>
    <message>
        <source>To make a flash card quiz, fill in both the front and the back sides of each flash card. When you take the quiz, you can determine whether you want to see the fronts of the cards, or the backs.  When you see a card, type the information you think belongs on the other side. Click the Advice button for more help in creating a flash card quiz.</source>
        <translation>Für ein Lernkarten-Quiz beschriftest du die Vorder- und die Rückseite jeder Lernkarte. Wenn du das Quiz löst, kannst du wählen, ob du die Vorderseiten oder die Rückseiten der Karten sehen möchtest.  Wenn du eine Karte siehst, tippst du ein, was deiner Meinung nach auf der anderen Seite steht. Klicke auf Tipps, um mehr Hilfe zum Erstellen eines Lernkarten-Quiz zu bekommen.</translation>
    </message>
    <message>
        <source>To make a math quiz, you will enter math problems using an on-screen calculator keypad. When you take the quiz, you will see each problem and should type in the answer. Click the Advice button for more help in creating a math quiz.</source>
        <translation>Für ein Mathematik-Quiz gibst du Rechenaufgaben mit einer Rechnertastatur auf dem Bildschirm ein. Wenn du das Quiz löst, siehst du jede Aufgabe und tippst das Ergebnis ein. Klicke auf Tipps, um mehr Hilfe zum Erstellen eines Mathematik-Quiz zu bekommen.</translation>
    </message>
    <message>
        <source>To make a spelling quiz, enter a list of spelling words. When you take the spelling quiz, the computer will read the words to you and you type in the correct spelling. Click the Advice button for more help in creating a spelling quiz.</source>
        <translation>Für ein Rechtschreib-Quiz gibst du eine Liste von Rechtschreibwörtern ein. Wenn du das Quiz löst, liest dir der Computer die Wörter vor und du tippst sie richtig geschrieben ein. Klicke auf Tipps, um mehr Hilfe zum Erstellen eines Rechtschreib-Quiz zu bekommen.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this question?</source>
        <translation>Möchtest du diese Frage wirklich löschen?</translation>
    </message>
    <message>
        <source>Do you want to take this quiz now?</source>
        <translation>Möchtest du dieses Quiz jetzt lösen?</translation>
    </message>
    <message>
        <source>To start making your true-false quiz, click the add a statement button</source>
        <translation>Um dein Richtig-Falsch-Quiz zu beginnen, klicke auf Aussage hinzufügen</translation>
    </message>
    <message>
        <source>To start making your flash card quiz, click the Add a Flash Card button.</source>
        <translation>Um dein Lernkarten-Quiz zu beginnen, klicke auf Lernkarte hinzufügen.</translation>
    </message>
    <message>
        <source>To start making your spelling quiz, click the Add a Word  button.</source>
        <translation>Um dein Rechtschreib-Quiz zu beginnen, klicke auf Wort hinzufügen.</translation>
    </message>
    <message>
        <source>To start making your mathematics quiz, click the Add a Problem button.</source>
        <translation>Um dein Mathematik-Quiz zu beginnen, klicke auf Aufgabe hinzufügen.</translation>
    </message>
    <message>
        <source>Do you want to save this question ?</source>
        <translation>Möchtest du diese Frage speichern?</translation>
    </message>
    <message>
        <source>Do you want to finish this question before you quit?</source>
        <translation>Möchtest du diese Frage fertig machen, bevor du aufhörst?</translation>
    </message>
    <message>
        <source>If you change the quiz type you will lose your questions. Continue?</source>
        <translation>Wenn du die Quiz-Art änderst, gehen deine Fragen verloren. Weitermachen?</translation>
    </message>
    <message>
        <source>There is a problem with the equation you entered. The equation must be a number, then either &quot;+,-,* or /&quot;, followed by another number</source>
        <translation>Mit deiner Aufgabe stimmt etwas nicht. Die Aufgabe muss aus einer Zahl, dann „+“, „-“, „*“ oder „/“ und danach einer weiteren Zahl bestehen</translation>
    </message>
    <message>
        <source>If you want to add another statement to your quiz, click the Add a Statement button. If you want to delete or modify a statement, select the statement then click the appropriate button.</source>
        <translation>Wenn du deinem Quiz eine weitere Aussage hinzufügen möchtest, klicke auf Aussage hinzufügen. Wenn du eine Aussage löschen oder ändern möchtest, wähle sie aus und klicke dann auf den passenden Knopf.</translation>
    </message>
    <message>
        <source>If you want to add another flash card to your quiz, click the Add a Flash Card button. If you want to delete or modify a flash card, select the flash card then click the appropriate button.</source>
        <translation>Wenn du deinem Quiz eine weitere Lernkarte hinzufügen möchtest, klicke auf Lernkarte hinzufügen. Wenn du eine Lernkarte löschen oder ändern möchtest, wähle sie aus und klicke dann auf den passenden Knopf.</translation>
    </message>
    <message>
        <source>If you want to add another word to your quiz, click the Add a Word button. If you want to delete or modify a word, select the word then click the appropriate button.</source>
        <translation>Wenn du deinem Quiz ein weiteres Wort hinzufügen möchtest, klicke auf Wort hinzufügen. Wenn du ein Wort löschen oder ändern möchtest, wähle es aus und klicke dann auf den passenden Knopf.</translation>
    </message>
    <message>
        <source>If you want to add another problem to your quiz, click the Add a Problem button. If you want to delete or modify a problem, select the problem then click the appropriate button.</source>
        <translation>Wenn du deinem Quiz eine weitere Aufgabe hinzufügen möchtest, klicke auf Aufgabe hinzufügen. Wenn du eine Aufgabe löschen oder ändern möchtest, wähle sie aus und klicke dann auf den passenden Knopf.</translation>
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
        <translation>Mit dem Tutorama erstellst du
Übungsquizze, mit denen du für
Klassenarbeiten lernen kannst.

Dieser Assistent führt dich Schritt
für Schritt durch das Erstellen
und das Lösen von Quizzen.

Du kannst drei Arten von
Fragen erstellen:
&lt;T&gt;• Richtig/Falsch
• Lernkarten
• Mathematik</translation>
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
        <translation>&lt;B&gt;Tipps:&lt;N&gt;
&lt;T&gt;•Schreib nur ein Wort oder 
wenige Wörter auf jede Seite 
der Lernkarte. Dann kann der 
Computer deine Antwort 
leichter prüfen.
• Wenn du das Quiz löst,
bekommst du alle Lernkarten
zu sehen. Mach also nur so
viele, wie du später üben
möchtest.
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
        <translation>Für ein Lernkarten-Quiz beschriftest 
du Vorder- und Rückseite jeder Karte. 
Wenn du das Quiz löst, wählst du, ob 
du die Vorderseiten oder die Rück- 
seiten der Karten sehen möchtest. 
Dann tippst du ein, was deiner Meinung 
nach auf der anderen Seite steht.
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
        <translation>Sie kommen in zufälliger Reihenfolge, 
nicht in der Reihenfolge, in der du 
sie geschrieben hast. Entscheide vor 
dem Quiz, was du sehen möchtest:

&lt;T&gt;•Die Vorderseiten der Karten und 
deine Antworten auf die Rückseiten.
•Die Rückseiten der Karten und
 deine Antworten auf die Vorderseiten.</translation>
    </message>
    <message>
        <source>Read the information on the &lt;B&gt;Front&lt;N&gt; 
of each flash card, then type your 
answer in the &lt;B&gt;Back&lt;N&gt; box. 

To find out of your answer is correct, 
click the &lt;B&gt;Next&lt;N&gt; button.
</source>
        <translation>Lies, was auf der &lt;B&gt;Vorderseite&lt;N&gt; 
der Lernkarte steht, und tippe deine 
Antwort in das Feld &lt;B&gt;Rückseite&lt;N&gt;. 

Um zu erfahren, ob deine Antwort 
richtig ist, klicke auf &lt;B&gt;Weiter&lt;N&gt;.
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
        <translation>Hier erstellst du dein Lernkarten-Quiz. 
Schreib die Vorderseite einer Karte in 
das Feld rechts. Klicke auf &lt;B&gt;Karte 
umdrehen&lt;N&gt;, um die Rückseite zu 
beschriften.

Wenn beide Seiten fertig sind, klicke 
auf &lt;B&gt;Neu ?&lt;N&gt;, um noch eine Karte zu 
machen. Wenn du mit den Lernkarten 
fertig bist, klicke auf &lt;B&gt;Fertig&lt;N&gt;.
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
        <translation>Hier erstellst du dein 
Mathematik-Quiz. Wenn eine 
Aufgabe fertig ist, klicke auf &lt;B&gt;Neu ?&lt;N&gt;, 
um noch eine Aufgabe zu machen. 
Wenn du alle Aufgaben eingegeben 
hast, klicke auf &lt;B&gt;Fertig&lt;N&gt;.
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
        <translation>Für ein Mathematik-Quiz gibst du 
Rechenaufgaben mit einer Rechner- 
tastatur auf dem Bildschirm ein. Wenn 
du das Quiz löst, siehst du jede Auf- 
gabe und tippst das Ergebnis ein.


&lt;T&gt;&lt;B&gt;Beispiel:&lt;B&gt;
&lt;T&gt;Frage:    57 + 41 = 
Antwort:  98
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
        <translation>&lt;B&gt;Tipps:&lt;N&gt; 
&lt;T&gt;•Deine Aufgaben müssen einfache 
Plus-, Minus-, Mal- oder 
Geteiltaufgaben sein.
•Wenn du eine Aufgabe machst,
rechnet der Computer das 
Ergebnis automatisch aus.
Ergebnisse mit mehr als 8 Nachkomma- 
stellen sind nicht erlaubt.
•Wenn du das Quiz löst, bekommst 
du alle Aufgaben zu sehen. Mach
also nur so viele, wie du später 
üben möchtest.
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
        <translation>Sie kommen in zufälliger Reihenfolge,
 nicht in der Reihenfolge, in der du
 sie geschrieben hast. Tippe dein 
Ergebnis in das Feld Antwort.

 Du erfährst sofort, ob deine Antwort 
richtig ist. Wenn deine Antwort falsch 
ist, kannst du die Aufgabe ein
 zweites Mal versuchen.</translation>
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
        <translation>Wenn du alle Aufgaben gelöst
hast, siehst du dein Ergebnis. 
Dann kannst du das Quiz noch 
einmal lösen und versuchen, mehr 
Punkte zu bekommen. Oder du 
siehst dir die Aufgaben und die 
Antworten noch einmal an. 

Klicke auf &lt;B&gt;Weiter&lt;N&gt;, um fortzufahren.
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
        <translation>Klicke auf &lt;B&gt;Neues Wort&lt;N&gt;, um noch 
ein Wort hinzuzufügen. Wenn du alle 
Wörter deiner Liste eingegeben hast, 
klicke auf &lt;B&gt;Fertig&lt;N&gt;, um zur Wörterliste 
zurückzukehren.

Wenn du ein Wort änderst, ändere es 
und klicke dann auf &lt;B&gt;Fertig&lt;N&gt;.</translation>
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
        <translation>Für ein Rechtschreib-Quiz gibst
du eine Liste von Wörtern ein. 
Wenn du das Quiz löst, liest dir 
der Computer jedes Wort vor und 
du tippst es richtig geschrieben 
ein. Klicke unten auf &lt;B&gt;Ton testen&lt;N&gt;, 
um zu prüfen, ob dein Computer 
dir die Wörter vorlesen 
kann.
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
        <translation>&lt;B&gt;Tipps:&lt;N&gt;
&lt;T&gt;•Dein Computer muss Töne abspielen können,
sonst kannst du das Rechtschreib-Quiz nicht lösen.
•Schreib die Wörter beim Eingeben ganz
richtig. Nimm die Wörterliste, die du von
deiner Lehrerin oder deinem Lehrer hast.
•Wenn du das Quiz löst, spricht der Computer
alle Wörter, die du eingegeben hast. Gib also
nur so viele ein, wie du später üben möchtest.
Wenn du viele Wörter hast, kannst du einige
davon in ein zweites Quiz schreiben.
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
        <translation>Sie kommen in zufälliger Reihenfolge, 
nicht in der Reihenfolge, in der du sie 
geschrieben hast. Der Computer liest ein 
Wort vor und du tippst es in das Feld 
Antwort. Du erfährst sofort, ob du jedes 
Wort richtig geschrieben hast. Wenn 
nicht, kannst du das Wort ein zweites
Mal versuchen.</translation>
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
        <translation>Wenn du alle Wörter des Quiz geschrieben 
hast, siehst du dein Ergebnis. Dann kannst 
du das Quiz noch einmal lösen und ver- 
suchen, mehr Punkte zu bekommen. Oder 
du siehst dir deine Wörterliste noch 
einmal an. 

Klicke auf &lt;B&gt;Weiter&lt;N&gt;, um fortzufahren.
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
        <translation>&lt;B&gt;Tipps:&lt;N&gt;
&lt;T&gt;• Die Reihenfolge deiner richtigen
und falschen Aussagen ist egal.
Wenn du das Quiz löst, kommen sie
in zufälliger Reihenfolge.
•Schreib kurze und klare 
Aussagen.
•Wenn du das Quiz löst, bekommst
du alle Aussagen zu sehen. Mach 
also nur so viele, wie du
später üben möchtest.</translation>
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
        <translation>Hier schreibst du die Aussagen 
deines Richtig-Falsch-Quiz. 
Wenn eine Aussage fertig ist, 
klicke auf &lt;B&gt;Neu ?&lt;N&gt;, um noch
eine Frage zu schreiben. 
Wenn du mit den Fragen 
fertig bist, klicke auf 
Fertig.
</translation>
    </message>
    <message>
        <source>The quiz you have opened contains no questions. You need to add questions before you can take the quiz </source>
        <translation>Das Quiz, das du geöffnet hast, enthält keine Fragen. Du musst erst Fragen hinzufügen, bevor du das Quiz lösen kannst </translation>
    </message>
    <message>
        <source>Read the information on the &lt;B&gt;Back&lt;N&gt; 
of each flash card, then type your 
answer in the &lt;B&gt;Front&lt;N&gt; box. 

To find out of your answer is correct, 
click the &lt;B&gt;Next&lt;N&gt; button.
</source>
        <translation>Lies, was auf der &lt;B&gt;Rückseite&lt;N&gt; 
der Lernkarte steht, und tippe deine 
Antwort in das Feld &lt;B&gt;Vorderseite&lt;N&gt;. 

Um zu erfahren, ob deine Antwort 
richtig ist, klicke auf &lt;B&gt;Weiter&lt;N&gt;.
</translation>
    </message>
    <message>
        <source>The Tutorama does not support dividing numbers by zero.</source>
        <translation>Im Tutorama kann man nicht durch null teilen.</translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation>Die Zahl ist zu groß.</translation>
    </message>
</context>
<context>
    <name>CTrueFalseAdvicePage</name>
    <message>
        <source>To make a true-false quiz, type a series of statements, each one either true or false. Later, when you take the quiz, you will see the statement, and you will need to answer if you think it is true or false.</source>
        <translation>Für ein Richtig-Falsch-Quiz schreibst du eine Reihe von Aussagen, die entweder richtig oder falsch sind. Wenn du das Quiz später löst, siehst du die Aussage und antwortest, ob du sie für richtig oder falsch hältst.</translation>
    </message>
</context>
<context>
    <name>CTrueFalseEditPage</name>
    <message>
        <source>True</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Type in a statement below. Click the True button if the statement is true, or the False button if it is false.</source>
        <translation>Schreib unten eine Aussage. Klicke auf Richtig, wenn die Aussage stimmt, oder auf Falsch, wenn sie nicht stimmt.</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Aussage</translation>
    </message>
    <message>
        <source>Puts the text you copied into the statement box.</source>
        <translation>Setzt den kopierten Text in das Aussagenfeld.</translation>
    </message>
</context>
<context>
    <name>CTrueFalseFeedbackDlg</name>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>CTrueFalseIntroPage</name>
    <message>
        <source>They will appear in random order; instead of  the order in which you wrote them. Read a statement and then click on either the True or False button. You will find out right away whether each answer is correct.</source>
        <translation>Sie kommen in zufälliger Reihenfolge, nicht in der Reihenfolge, in der du sie geschrieben hast. Lies eine Aussage und klicke dann auf Richtig oder Falsch. Du erfährst sofort, ob jede Antwort richtig ist.</translation>
    </message>
    <message>
        <source>After you have gone through all the statements, you will see your score. At that time, you may take the quiz again to see if you can achieve a higher score. If you don&apos;t want to take the quiz again, you can review the questions and answers.</source>
        <translation>Wenn du alle Aussagen geschafft hast, siehst du dein Ergebnis. Dann kannst du das Quiz noch einmal lösen und versuchen, mehr Punkte zu bekommen. Wenn du das Quiz nicht noch einmal lösen möchtest, kannst du dir die Fragen und Antworten ansehen.</translation>
    </message>
    <message>
        <source>Click the Next button to continue.</source>
        <translation>Klicke auf Weiter, um fortzufahren.</translation>
    </message>
    <message>
        <source>Tutorama: %1</source>
        <translation>Tutorama: %1</translation>
    </message>
    <message numerus="yes">
        <source>This quiz has %n statement(s).</source>
        <translation>
            <numerusform>Dieses Quiz hat %n Aussage.</numerusform>
            <numerusform>Dieses Quiz hat %n Aussagen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CTrueFalseTakePage</name>
    <message>
        <source>Read the statement at the right side of the screen. If you think it is true, click the True button. If you think it is false, click the False button. To find out if your answer is correct, click the Next button.</source>
        <translation>Lies die Aussage rechts auf dem Bildschirm. Wenn du sie für richtig hältst, klicke auf Richtig. Wenn du sie für falsch hältst, klicke auf Falsch. Klicke auf Weiter, um zu erfahren, ob deine Antwort richtig ist.</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Aussage</translation>
    </message>
    <message>
        <source>&amp;True</source>
        <translation>&amp;Richtig</translation>
    </message>
    <message>
        <source>A green tick: the statement is true.</source>
        <translation>Ein grüner Haken: Die Aussage ist richtig.</translation>
    </message>
    <message>
        <source>&amp;False</source>
        <translation>&amp;Falsch</translation>
    </message>
    <message>
        <source>A red cross: the statement is false.</source>
        <translation>Ein rotes Kreuz: Die Aussage ist falsch.</translation>
    </message>
    <message numerus="yes">
        <source>So far, you have answered %n question.</source>
        <translation>
            <numerusform>Bisher hast du %n Frage beantwortet.</numerusform>
            <numerusform>Bisher hast du %n Fragen beantwortet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>So far, you have answered %n questions.</source>
        <translation>
            <numerusform>Bisher hast du %n Frage beantwortet.</numerusform>
            <numerusform>Bisher hast du %n Fragen beantwortet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you answer this question, you will have %n question left.</source>
        <translation>
            <numerusform>Nach dieser Frage bleibt dir noch %n Frage.</numerusform>
            <numerusform>Nach dieser Frage bleiben dir noch %n Fragen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you answer this question, you will have %n questions left.</source>
        <translation>
            <numerusform>Nach dieser Frage bleibt dir noch %n Frage.</numerusform>
            <numerusform>Nach dieser Frage bleiben dir noch %n Fragen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CVoiceChoice</name>
    <message>
        <source>Words are spoken in:</source>
        <translation>Vorlesen auf:</translation>
    </message>
    <message>
        <source>Language of the voice</source>
        <translation>Sprache der Stimme</translation>
    </message>
    <message>
        <source>The language the computer reads the spelling words in.</source>
        <translation>Die Sprache, in der der Computer die Wörter vorliest.</translation>
    </message>
</context>
<context>
    <name>CWelcomePage</name>
    <message>
        <source>&amp;Make Quiz</source>
        <translation>Quiz &amp;machen</translation>
    </message>
    <message>
        <source>A pencil writing questions on a sheet of paper: make or change a quiz.</source>
        <translation>Ein Bleistift schreibt Fragen auf ein Blatt Papier: ein Quiz erstellen oder ändern.</translation>
    </message>
    <message>
        <source>&amp;Take Quiz</source>
        <translation>Quiz &amp;lösen</translation>
    </message>
    <message>
        <source>A quiz sheet with ticks on it: take a quiz you have made.</source>
        <translation>Ein Quizblatt mit Haken: ein Quiz lösen, das du erstellt hast.</translation>
    </message>
    <message>
        <source>Make or Modify Quiz</source>
        <translation>Quiz erstellen oder ändern</translation>
    </message>
    <message>
        <source>If you want to use the Tutorama to make a new quiz, or to revise a quiz you have already made, click this button.</source>
        <translation>Wenn du mit dem Tutorama ein neues Quiz erstellen oder ein vorhandenes Quiz überarbeiten möchtest, klicke auf diesen Knopf.</translation>
    </message>
    <message>
        <source>Take Quiz</source>
        <translation>Quiz lösen</translation>
    </message>
    <message>
        <source>If you want to use the Tutorama to take a quiz you have already made, click this button.</source>
        <translation>Wenn du mit dem Tutorama ein Quiz lösen möchtest, das du schon erstellt hast, klicke auf diesen Knopf.</translation>
    </message>
    <message>
        <source>Tutorama</source>
        <translation>Tutorama</translation>
    </message>
    <message>
        <source>The quiz you have opened has questions, but no quiz type has been chosen for it yet, so it cannot be taken. Choose its type on the next page.</source>
        <translation>Das Quiz, das du geöffnet hast, enthält Fragen, aber es wurde noch keine Quizart dafür gewählt, daher kann es nicht gelöst werden. Wähle seine Art auf der nächsten Seite.</translation>
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
        <translation>Im Tutorama kann man nicht durch null teilen.</translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation>Die Zahl ist zu groß.</translation>
    </message>
    <message>
        <source>There is a problem with the equation you entered. The equation must be a number, then either &quot;+,-,* or /&quot;, followed by another number</source>
        <translation>Mit deiner Aufgabe stimmt etwas nicht. Die Aufgabe muss aus einer Zahl, dann „+“, „-“, „*“ oder „/“ und danach einer weiteren Zahl bestehen</translation>
    </message>
</context>
<context>
    <name>PictureWords</name>
    <message>
        <source>Welcome to the Tutorama!</source>
        <translation>Willkommen beim Tutorama!</translation>
    </message>
    <message>
        <source>Make or Modify a Quiz</source>
        <translation>Quiz erstellen oder ändern</translation>
    </message>
    <message>
        <source>Name Your Quiz</source>
        <translation>Gib deinem Quiz einen Namen</translation>
    </message>
    <message>
        <source>Choose a Quiz Format</source>
        <translation>Wähle eine Quizart</translation>
    </message>
    <message>
        <source>True/False Quiz Manager</source>
        <translation>Richtig/Falsch-Quiz verwalten</translation>
    </message>
    <message>
        <source>True/False Quiz</source>
        <translation>Richtig/Falsch-Quiz</translation>
    </message>
    <message>
        <source>Taking a True/False Quiz</source>
        <translation>Ein Richtig/Falsch-Quiz lösen</translation>
    </message>
    <message>
        <source>True/False Quiz Advice</source>
        <translation>Tipps zum Richtig/Falsch-Quiz</translation>
    </message>
    <message>
        <source>Flash Card Quiz Manager</source>
        <translation>Lernkarten-Quiz verwalten</translation>
    </message>
    <message>
        <source>Making Flash Cards</source>
        <translation>Lernkarten erstellen</translation>
    </message>
    <message>
        <source>Flash Card Quiz</source>
        <translation>Lernkarten-Quiz</translation>
    </message>
    <message>
        <source>Taking a Flash Card Quiz</source>
        <translation>Ein Lernkarten-Quiz lösen</translation>
    </message>
    <message>
        <source>Flash Card Quiz Advice</source>
        <translation>Tipps zum Lernkarten-Quiz</translation>
    </message>
    <message>
        <source>Spelling Quiz Manager</source>
        <translation>Rechtschreib-Quiz verwalten</translation>
    </message>
    <message>
        <source>Spelling Quiz</source>
        <translation>Rechtschreib-Quiz</translation>
    </message>
    <message>
        <source>Taking a Spelling Quiz</source>
        <translation>Ein Rechtschreib-Quiz lösen</translation>
    </message>
    <message>
        <source>Spelling Quiz Advice</source>
        <translation>Tipps zum Rechtschreib-Quiz</translation>
    </message>
    <message>
        <source>Math Quiz Manager</source>
        <translation>Mathematik-Quiz verwalten</translation>
    </message>
    <message>
        <source>Making Math Problems</source>
        <translation>Rechenaufgaben erstellen</translation>
    </message>
    <message>
        <source>Math Quiz</source>
        <translation>Mathematik-Quiz</translation>
    </message>
    <message>
        <source>Taking a Math Quiz</source>
        <translation>Ein Mathematik-Quiz lösen</translation>
    </message>
    <message>
        <source>Math Quiz Advice</source>
        <translation>Tipps zum Mathematik-Quiz</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Dein Ergebnis</translation>
    </message>
    <message>
        <source>Front of the card</source>
        <translation>Vorderseite der Karte</translation>
    </message>
    <message>
        <source>Back of the card</source>
        <translation>Rückseite der Karte</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Vorderseite</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Rückseite</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Aussage</translation>
    </message>
    <message>
        <source>Spelling Word</source>
        <translation>Rechtschreibwort</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
</context>
<context>
    <name>PrintLayout</name>
    <message>
        <source>True</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>In quiz file %1 you got %2 out of %3 right.</source>
        <translation>Im Quiz %1 hast du %2 von %3 richtig.</translation>
    </message>
    <message>
        <source>That equals %1%.</source>
        <translation>Das sind %1 %.</translation>
    </message>
</context>
</TS>
