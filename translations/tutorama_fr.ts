<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AnswerJudge</name>
    <message>
        <source> The correct answer is %1 = %2</source>
        <translation> La bonne réponse est %1 = %2</translation>
    </message>
    <message>
        <source> The correct answer is %1 = %2.  Although this answer display shows two decimal places, the Tutorama accepts any correct answer rounded to two or more decimal places.</source>
        <translation> La bonne réponse est %1 = %2.  Ici, on montre deux chiffres après la virgule, mais le Tutorama accepte toute bonne réponse arrondie à deux chiffres ou plus après la virgule.</translation>
    </message>
    <message>
        <source> The correct answer is %1.</source>
        <translation> La bonne réponse est %1.</translation>
    </message>
    <message>
        <source>Correct. You got it right!</source>
        <translation>Bravo. C’est la bonne réponse&#xa0;!</translation>
    </message>
    <message>
        <source>No. That is not correct.</source>
        <translation>Non. Ce n’est pas la bonne réponse.</translation>
    </message>
    <message>
        <source>No. The correct answer is False.</source>
        <translation>Non. La bonne réponse est Faux.</translation>
    </message>
    <message>
        <source>No. The correct answer is True.</source>
        <translation>Non. La bonne réponse est Vrai.</translation>
    </message>
</context>
<context>
    <name>CAdviceView</name>
    <message>
        <source>Advice</source>
        <translation>Conseils</translation>
    </message>
    <message>
        <source>Unable to find advice file for printing</source>
        <translation>Le fichier de conseils à imprimer est introuvable</translation>
    </message>
    <message>
        <source>Unable to print advice file</source>
        <translation>Impossible d’imprimer le fichier de conseils</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Tutorama helps pupils make practice quizzes and take them to study for tests.</source>
        <translation>Tutorama aide les élèves à créer des quiz d’entraînement et à les faire pour réviser leurs contrôles.</translation>
    </message>
    <message>
        <source>quiz</source>
        <translation>quiz</translation>
    </message>
    <message>
        <source>A quiz file (.qiz) to take.</source>
        <translation>Un fichier de quiz (.qiz) à faire.</translation>
    </message>
    <message>
        <source>[quiz]</source>
        <translation>[quiz]</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.</source>
        <translation>Essaie «&#xa0;%1 --help&#xa0;» pour en savoir plus.</translation>
    </message>
    <message>
        <source>Only one quiz can be opened at a time.</source>
        <translation>On ne peut ouvrir qu’un seul quiz à la fois.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l’aide sur les options de la ligne de commande.</translation>
    </message>
</context>
<context>
    <name>CEditPage</name>
    <message>
        <source>Tutorama: Question %1 of %2</source>
        <translation>Tutorama&#xa0;: question %1 sur %2</translation>
    </message>
    <message>
        <source>Do you want to complete this question first?</source>
        <translation>Veux-tu d’abord terminer cette question&#xa0;?</translation>
    </message>
</context>
<context>
    <name>CFeedbackBase</name>
    <message>
        <source>Tutorama Feedback</source>
        <translation>Tutorama – Résultat</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Résultat</translation>
    </message>
</context>
<context>
    <name>CFeedbackDlg</name>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>View Correct Answer</source>
        <translation>Voir la réponse</translation>
    </message>
    <message>
        <source>Next ?</source>
        <translation>Suivante&#xa0;?</translation>
    </message>
</context>
<context>
    <name>CFlashCardEditPage</name>
    <message>
        <source>Flip Card</source>
        <translation>Retourner</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Flash card</source>
        <translation>Carte mémoire</translation>
    </message>
    <message>
        <source>Turns the card over to write its other side.</source>
        <translation>Retourne la carte pour écrire sur l’autre côté.</translation>
    </message>
    <message>
        <source>Puts the text you copied on the card.</source>
        <translation>Met sur la carte le texte que tu as copié.</translation>
    </message>
    <message>
        <source>Front of the flash card</source>
        <translation>Recto de la carte mémoire</translation>
    </message>
    <message>
        <source>Back of the flash card</source>
        <translation>Verso de la carte mémoire</translation>
    </message>
</context>
<context>
    <name>CFlashCardIntroPage</name>
    <message>
        <source>Show Fronts</source>
        <translation>Voir les rectos</translation>
    </message>
    <message>
        <source>Show Backs</source>
        <translation>Voir les versos</translation>
    </message>
    <message>
        <source>You will find out right away whether each answer is correct. If your answer is incorrect, you can try the question a second time.</source>
        <translation>Tu sauras tout de suite si chaque réponse est juste. Si ta réponse est fausse, tu peux essayer une deuxième fois.</translation>
    </message>
    <message>
        <source>After you have completed all of the flash cards, you will see your score. At that time you may take the quiz again to see if you can get a higher score. If you don&apos;t want to take the quiz again, you can review the flash cards.</source>
        <translation>Quand tu auras fini toutes les cartes, tu verras ton score. Tu pourras alors refaire le quiz pour essayer d’avoir un meilleur score. Si tu ne veux pas refaire le quiz, tu peux revoir les cartes.</translation>
    </message>
    <message>
        <source>Click the Next button to continue.</source>
        <translation>Clique sur Suivant pour continuer.</translation>
    </message>
    <message>
        <source>Make your selection below:</source>
        <translation>Fais ton choix ci-dessous&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>This quiz has %n flash cards(s).</source>
        <translation>
            <numerusform>Ce quiz a %n carte.</numerusform>
            <numerusform>Ce quiz a %n cartes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFlashCardTakePage</name>
    <message>
        <source>Front of the card</source>
        <translation>Recto de la carte</translation>
    </message>
    <message>
        <source>Your answer: the back of the card</source>
        <translation>Ta réponse&#xa0;: le verso de la carte</translation>
    </message>
    <message>
        <source>Your answer: the front of the card</source>
        <translation>Ta réponse&#xa0;: le recto de la carte</translation>
    </message>
    <message>
        <source>Back of the card</source>
        <translation>Verso de la carte</translation>
    </message>
    <message numerus="yes">
        <source>So far, you have completed %n card.</source>
        <translation>
            <numerusform>Jusqu’ici, tu as fait %n carte.</numerusform>
            <numerusform>Jusqu’ici, tu as fait %n cartes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>So far, you have completed %n cards.</source>
        <translation>
            <numerusform>Jusqu’ici, tu as fait %n carte.</numerusform>
            <numerusform>Jusqu’ici, tu as fait %n cartes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you complete this card, you will have %n card left</source>
        <translation>
            <numerusform>Après cette carte, il te restera %n carte</numerusform>
            <numerusform>Après cette carte, il te restera %n cartes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you complete this card, you will have %n cards left</source>
        <translation>
            <numerusform>Après cette carte, il te restera %n carte</numerusform>
            <numerusform>Après cette carte, il te restera %n cartes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Tutorama Help</source>
        <translation>Aide du Tutorama</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte d’aide</translation>
    </message>
</context>
<context>
    <name>CListImport</name>
    <message>
        <source>cut to %1 characters, the most a question box holds</source>
        <translation>coupée à %1 caractères, le maximum d’une case de question</translation>
    </message>
    <message>
        <source>the quiz has no kind yet</source>
        <translation>le quiz n’a pas encore de type</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>no True or False after the statement (put a tab or &quot;;&quot; between them)</source>
        <translation>pas de Vrai ou Faux après l’affirmation (mets une tabulation ou «&#xa0;;&#xa0;» entre les deux)</translation>
    </message>
    <message>
        <source>the statement is missing</source>
        <translation>l’affirmation manque</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither True nor False</source>
        <translation>«&#xa0;%1&#xa0;» n’est ni Vrai ni Faux</translation>
    </message>
    <message>
        <source>no back for the card (put a tab, &quot;;&quot;, &quot;,&quot; or &quot; = &quot; between front and back)</source>
        <translation>pas de verso pour la carte (mets une tabulation, «&#xa0;;&#xa0;», «&#xa0;,&#xa0;» ou «&#xa0;=&#xa0;» entre le recto et le verso)</translation>
    </message>
    <message>
        <source>more than two parts: a card has a front and a back</source>
        <translation>plus de deux parties&#xa0;: une carte a un recto et un verso</translation>
    </message>
    <message>
        <source>the front of the card is empty</source>
        <translation>le recto de la carte est vide</translation>
    </message>
    <message>
        <source>the back of the card is empty</source>
        <translation>le verso de la carte est vide</translation>
    </message>
    <message>
        <source>This file is not a text file. Save the list as text (one question a line) and open that.</source>
        <translation>Ce fichier n’est pas un fichier texte. Enregistre la liste en texte (une question par ligne) et ouvre ce fichier.</translation>
    </message>
    <message>
        <source>This file is too large to be a list: it holds %1, and a list can hold at most %2.</source>
        <translation>Ce fichier est trop grand pour être une liste&#xa0;: il contient %1, et une liste peut contenir au plus %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Le fichier %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CListImportDlg</name>
    <message>
        <source>One statement a line, then a tab or &quot;;&quot; and True or False.</source>
        <translation>Une affirmation par ligne, puis une tabulation ou «&#xa0;;&#xa0;» et Vrai ou Faux.</translation>
    </message>
    <message>
        <source>One card a line: the front, then a tab, &quot;;&quot;, &quot;,&quot; or &quot; = &quot;, then the back.</source>
        <translation>Une carte par ligne&#xa0;: le recto, puis une tabulation, «&#xa0;;&#xa0;», «&#xa0;,&#xa0;» ou «&#xa0;=&#xa0;», puis le verso.</translation>
    </message>
    <message>
        <source>One word a line.</source>
        <translation>Un mot par ligne.</translation>
    </message>
    <message>
        <source>One problem a line, such as 12 + 3.</source>
        <translation>Un calcul par ligne, par exemple 12 + 3.</translation>
    </message>
    <message>
        <source>&amp;Open a Text File...</source>
        <translation>&amp;Ouvrir un fichier texte...</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Add from a List</source>
        <translation>Ajouter depuis une liste</translation>
    </message>
    <message>
        <source>Paste your list below, or open a text file.</source>
        <translation>Colle ta liste ci-dessous, ou ouvre un fichier texte.</translation>
    </message>
    <message>
        <source>List of questions</source>
        <translation>Liste des questions</translation>
    </message>
    <message>
        <source>Opens a text file of questions, one a line (Alt+O)</source>
        <translation>Ouvre un fichier texte de questions, une par ligne (Alt+O)</translation>
    </message>
    <message>
        <source>What will be added:</source>
        <translation>Ce qui sera ajouté&#xa0;:</translation>
    </message>
    <message>
        <source>What will be added</source>
        <translation>Ce qui sera ajouté</translation>
    </message>
    <message>
        <source>Text Files (*.txt *.csv *.tsv);;All Files (*)</source>
        <translation>Fichiers texte (*.txt *.csv *.tsv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The list is empty: paste a list or open a text file.</source>
        <translation>La liste est vide&#xa0;: colle une liste ou ouvre un fichier texte.</translation>
    </message>
    <message>
        <source>Questions to add: %1. Lines that cannot be added: %2.</source>
        <translation>Questions à ajouter&#xa0;: %1. Lignes impossibles à ajouter&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Line %1 was %2.</source>
        <translation>La ligne %1 a été %2.</translation>
    </message>
    <message>
        <source>Line %1 cannot be added: %2</source>
        <translation>La ligne %1 ne peut pas être ajoutée&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CMathEditPage</name>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Divisé par</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Fois</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Un</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Moins</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zéro</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Clear Problem</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Use the calculator keypad to enter a problem. If you make a mistake, click the Clear Problem button.</source>
        <translation>Tape un calcul avec le clavier de la calculatrice. Si tu te trompes, clique sur Effacer.</translation>
    </message>
    <message>
        <source>Math problem</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Puts the problem you copied into the problem box.</source>
        <translation>Met dans la case le calcul que tu as copié.</translation>
    </message>
</context>
<context>
    <name>CMathIntroPage</name>
    <message numerus="yes">
        <source>This quiz has %n equation(s).</source>
        <translation>
            <numerusform>Ce quiz a %n calcul.</numerusform>
            <numerusform>Ce quiz a %n calculs.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMathTakePage</name>
    <message>
        <source>Read the problem. Solve the problem and type your answer in the Answer box. To find out if your answer is correct, click the Next button.</source>
        <translation>Lis le calcul. Trouve le résultat et tape-le dans la case Réponse. Pour savoir si ta réponse est juste, clique sur Suivant.</translation>
    </message>
    <message>
        <source>Problem:</source>
        <translation>Calcul&#xa0;:</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Réponse&#xa0;:</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>The Tutorama accepts any correct answer rounded to two or more decimal places.</source>
        <translation>Le Tutorama accepte toute bonne réponse arrondie à deux chiffres ou plus après la virgule.</translation>
    </message>
    <message>
        <source>You Must Enter A Valid Number</source>
        <translation>Tape un nombre valide</translation>
    </message>
    <message numerus="yes">
        <source>So far, you have completed %n problem.</source>
        <translation>
            <numerusform>Jusqu’ici, tu as fait %n calcul.</numerusform>
            <numerusform>Jusqu’ici, tu as fait %n calculs.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>So far, you have completed %n problems.</source>
        <translation>
            <numerusform>Jusqu’ici, tu as fait %n calcul.</numerusform>
            <numerusform>Jusqu’ici, tu as fait %n calculs.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you answer this problem, you will have %n problem left.</source>
        <translation>
            <numerusform>Après ce calcul, il te restera %n calcul.</numerusform>
            <numerusform>Après ce calcul, il te restera %n calculs.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you answer this problem, you will have %n problems left.</source>
        <translation>
            <numerusform>Après ce calcul, il te restera %n calcul.</numerusform>
            <numerusform>Après ce calcul, il te restera %n calculs.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CNameQuizPage</name>
    <message>
        <source>Before you start to make your quiz, you need to name it. This will allow the Tutorama to automatically save your quiz as you make it. This will  make sure that you do not lose any of your work. </source>
        <translation>Avant de créer ton quiz, tu dois lui donner un nom. Ainsi, le Tutorama peut enregistrer ton quiz tout seul pendant que tu le crées. Comme ça, tu ne perds rien de ton travail. </translation>
    </message>
    <message>
        <source>Click on the picture of the disk below to name your quiz.</source>
        <translation>Clique sur l’image de la disquette pour donner un nom à ton quiz.</translation>
    </message>
    <message>
        <source>&amp;Save Quiz As</source>
        <translation>&amp;Enregistrer sous</translation>
    </message>
    <message>
        <source>A disk: choose where to save your quiz and its name.</source>
        <translation>Une disquette&#xa0;: choisis où enregistrer ton quiz et son nom.</translation>
    </message>
    <message>
        <source>Use a name that will help you remember what the quiz is about. For example, if you create a mathematics quiz based on your mathematics problems for the week of March 24 you could name the file &quot;Mathematics March 24.&quot;</source>
        <translation>Choisis un nom qui te rappelle de quoi parle le quiz. Par exemple, si tu crées un quiz avec tes calculs de la semaine du 24 mars, tu peux appeler le fichier «&#xa0;Maths 24 mars&#xa0;».</translation>
    </message>
    <message>
        <source>The quiz &quot;%1&quot; is read-only, so it cannot be replaced. Please choose another name for your quiz.</source>
        <translation>Le quiz «&#xa0;%1&#xa0;» est en lecture seule, il ne peut donc pas être remplacé. Choisis un autre nom pour ton quiz.</translation>
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
        <translation>Tutorama – Imprimer</translation>
    </message>
    <message>
        <source>What do you want to print?</source>
        <translation>Que veux-tu imprimer&#xa0;?</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Questions and Answers</source>
        <translation>Questions et réponses</translation>
    </message>
    <message>
        <source>Questions only (Fronts of Flash cards)</source>
        <translation>Questions seules (rectos des cartes)</translation>
    </message>
    <message>
        <source>Answers only (Backs of Flash Cards)</source>
        <translation>Réponses seules (versos des cartes)</translation>
    </message>
    <message>
        <source>Just This Question and Answer</source>
        <translation>Seulement cette question et sa réponse</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Conseils</translation>
    </message>
    <message>
        <source>Quiz Score</source>
        <translation>Score du quiz</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Unable to print. Please check the printer and try again.</source>
        <translation>Impossible d’imprimer. Vérifie l’imprimante et réessaie.</translation>
    </message>
</context>
<context>
    <name>CQuestionListModel</name>
    <message>
        <source>%1. T: %2</source>
        <translation>%1. V&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1. F: %2</source>
        <translation>%1. F&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1. F: %2  B: %3</source>
        <translation>%1. R&#xa0;: %2  V&#xa0;: %3</translation>
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
        <translation>Affirmations&#xa0;:</translation>
    </message>
    <message>
        <source>No Statements Defined Yet</source>
        <translation>Pas encore d’affirmation</translation>
    </message>
    <message>
        <source>Add a Statement</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Modify a Statement</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete a Statement</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Flash Cards:</source>
        <translation>Cartes mémoire&#xa0;:</translation>
    </message>
    <message>
        <source>No Flash Cards Defined Yet</source>
        <translation>Pas encore de carte</translation>
    </message>
    <message>
        <source>Add a Flash Card</source>
        <translation>Ajouter une carte</translation>
    </message>
    <message>
        <source>Modify a Flash Card</source>
        <translation>Modifier une carte</translation>
    </message>
    <message>
        <source>Delete a Flash Card</source>
        <translation>Supprimer une carte</translation>
    </message>
    <message>
        <source>Spelling Words</source>
        <translation>Mots de dictée</translation>
    </message>
    <message>
        <source>No Spelling Words Defined Yet</source>
        <translation>Pas encore de mot</translation>
    </message>
    <message>
        <source>Add a Word</source>
        <translation>Ajouter un mot</translation>
    </message>
    <message>
        <source>Modify a Word</source>
        <translation>Modifier un mot</translation>
    </message>
    <message>
        <source>Delete a Word</source>
        <translation>Supprimer un mot</translation>
    </message>
    <message>
        <source>Math Problems:</source>
        <translation>Calculs&#xa0;:</translation>
    </message>
    <message>
        <source>No Math Problems Defined Yet</source>
        <translation>Pas encore de calcul</translation>
    </message>
    <message>
        <source>Add a Problem</source>
        <translation>Ajouter un calcul</translation>
    </message>
    <message>
        <source>Modify a Problem</source>
        <translation>Modifier un calcul</translation>
    </message>
    <message>
        <source>Delete a Problem</source>
        <translation>Supprimer un calcul</translation>
    </message>
    <message>
        <source>Add  a Question</source>
        <translation>Ajouter une question</translation>
    </message>
    <message>
        <source>Modify a Question</source>
        <translation>Modifier une question</translation>
    </message>
    <message>
        <source>Delete a Question</source>
        <translation>Supprimer une question</translation>
    </message>
    <message>
        <source>Questions of the quiz</source>
        <translation>Questions du quiz</translation>
    </message>
    <message>
        <source>Add from a List...</source>
        <translation>Depuis une liste...</translation>
    </message>
    <message>
        <source>Adds many questions at once from a list you paste or a text file, one a line.</source>
        <translation>Ajoute d’un coup beaucoup de questions depuis une liste collée ou un fichier texte, une par ligne.</translation>
    </message>
</context>
<context>
    <name>CQuestionPage</name>
    <message>
        <source>Tutorama: %1</source>
        <translation>Tutorama&#xa0;: %1</translation>
    </message>
    <message>
        <source>Do you want to try this question later?</source>
        <translation>Veux-tu essayer cette question plus tard&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the quiz?</source>
        <translation>Veux-tu vraiment arrêter le quiz&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Read aloud</source>
        <translation>&amp;Lire à voix haute</translation>
    </message>
    <message>
        <source>A loudspeaker: hear the text you are reading.</source>
        <translation>Un haut-parleur&#xa0;: entendre le texte que tu lis.</translation>
    </message>
</context>
<context>
    <name>CQuizApp</name>
    <message>
        <source>Printing is not available: a part of Tutorama is missing. Installing Tutorama again mends it.</source>
        <translation>L’impression n’est pas possible&#xa0;: une partie de Tutorama manque. Réinstalle Tutorama pour la réparer.</translation>
    </message>
</context>
<context>
    <name>CQuizFile</name>
    <message>
        <source>Unrecognized File Format</source>
        <translation>Format de fichier inconnu</translation>
    </message>
    <message>
        <source>The quiz file %1 is damaged or incomplete, so it could not be opened.</source>
        <translation>Le fichier de quiz %1 est abîmé ou incomplet, il n’a donc pas pu être ouvert.</translation>
    </message>
    <message>
        <source>The quiz could not be saved to %1: %2. The quiz file on disk was not changed.</source>
        <translation>Le quiz n’a pas pu être enregistré dans %1&#xa0;: %2. Le fichier de quiz sur le disque n’a pas été modifié.</translation>
    </message>
    <message>
        <source>it holds more than %L1 questions, the most a quiz can have</source>
        <translation>il contient plus de %L1 questions, le maximum pour un quiz</translation>
    </message>
    <message>
        <source>a text in it is longer than %L1 characters, the longest a quiz can hold</source>
        <translation>un de ses textes dépasse %L1 caractères, le maximum pour un quiz</translation>
    </message>
    <message>
        <source>it is larger than %L1 MB, the largest quiz file the Tutorama opens</source>
        <translation>il dépasse %L1 Mo, la taille maximale d’un fichier de quiz que le Tutorama ouvre</translation>
    </message>
    <message>
        <source>the file or its folder does not exist</source>
        <translation>le fichier ou son dossier n’existe pas</translation>
    </message>
    <message>
        <source>you are not allowed to use this file or its folder</source>
        <translation>tu n’as pas le droit d’utiliser ce fichier ou son dossier</translation>
    </message>
    <message>
        <source>the disk can only be read, not written</source>
        <translation>le disque peut seulement être lu, pas écrit</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>you have used all the disk space you are allowed</source>
        <translation>tu as utilisé toute la place disque permise</translation>
    </message>
    <message>
        <source>the file would be larger than this computer lets you make files</source>
        <translation>le fichier serait plus grand que ce que cet ordinateur te permet</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>le disque n’a pas pu être lu ou écrit</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the system refused (%1)</source>
        <translation>le système a refusé (%1)</translation>
    </message>
    <message>
        <source>The quiz file %1 could not be opened: %2.</source>
        <translation>Le fichier de quiz %1 n’a pas pu être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file (it may be a folder, a device or a pipe), so it cannot be opened as a quiz.</source>
        <translation>%1 n’est pas un fichier ordinaire (c’est peut-être un dossier, un périphérique ou un tube), il ne peut donc pas être ouvert comme quiz.</translation>
    </message>
    <message>
        <source>The quiz could not be saved to %1: %2. No quiz file was made there.</source>
        <translation>Le quiz n’a pas pu être enregistré dans %1&#xa0;: %2. Aucun fichier de quiz n’y a été créé.</translation>
    </message>
    <message>
        <source>The quiz could not be saved to %1: %2. The quiz file there may now be damaged; your questions are still here, so save the quiz elsewhere.</source>
        <translation>Le quiz n’a pas pu être enregistré dans %1&#xa0;: %2. Le fichier de quiz qui s’y trouve est peut-être abîmé&#xa0;; tes questions sont toujours ici, alors enregistre le quiz ailleurs.</translation>
    </message>
</context>
<context>
    <name>CQuizFormatPage</name>
    <message>
        <source>True/False</source>
        <translation>Vrai/Faux</translation>
    </message>
    <message>
        <source>Flash Cards</source>
        <translation>Cartes mémoire</translation>
    </message>
    <message>
        <source>Mathematics</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Dictée</translation>
    </message>
    <message>
        <source>Select the type of quiz you would like to make. All the questions in the quiz must be the same type.</source>
        <translation>Choisis le type de quiz que tu veux créer. Toutes les questions du quiz doivent être du même type.</translation>
    </message>
    <message>
        <source>Choose Quiz Format</source>
        <translation>Choisir le type de quiz</translation>
    </message>
</context>
<context>
    <name>CQuizPage</name>
    <message>
        <source>Quiz Files (*.qiz)</source>
        <translation>Fichiers de quiz (*.qiz)</translation>
    </message>
    <message>
        <source>Some of your questions are not saved: the quiz could not be saved to %1.

Do you want to save the quiz under another name or in another folder before you leave it?</source>
        <translation>Certaines de tes questions ne sont pas enregistrées&#xa0;: le quiz n’a pas pu être enregistré dans %1.

Veux-tu enregistrer le quiz sous un autre nom ou dans un autre dossier avant de le quitter&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Enregistrer sous...</translation>
    </message>
    <message>
        <source>&amp;Leave Without Saving</source>
        <translation>&amp;Quitter sans enregistrer</translation>
    </message>
    <message>
        <source>S&amp;tay Here</source>
        <translation>&amp;Rester ici</translation>
    </message>
</context>
<context>
    <name>CQuizPrinter</name>
    <message>
        <source>Tutorama Question</source>
        <translation>Tutorama – Question</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Tutorama Report</source>
        <translation>Tutorama – Rapport</translation>
    </message>
    <message>
        <source>Tutorama Score</source>
        <translation>Tutorama – Score</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Ton score</translation>
    </message>
</context>
<context>
    <name>CQuizSheet</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Advice</source>
        <translation>&amp;Conseils</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>&amp;New ?</source>
        <translation>&amp;Nouvelle&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;New Word</source>
        <translation>&amp;Nouveau mot</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Skip ?</source>
        <translation>Plus tard&#xa0;?</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Goes back to the page before.</source>
        <translation>Revient à la page d’avant.</translation>
    </message>
    <message>
        <source>Goes on to the next step.</source>
        <translation>Passe à l’étape suivante.</translation>
    </message>
    <message>
        <source>Closes the Tutorama.</source>
        <translation>Ferme le Tutorama.</translation>
    </message>
    <message>
        <source>Stops what you are doing here.</source>
        <translation>Arrête ce que tu fais ici.</translation>
    </message>
    <message>
        <source>Shows tips for making this kind of quiz.</source>
        <translation>Montre des conseils pour ce type de quiz.</translation>
    </message>
    <message>
        <source>Chooses what to print.</source>
        <translation>Choisit ce qu’il faut imprimer.</translation>
    </message>
    <message>
        <source>Finishes what you are doing here.</source>
        <translation>Termine ce que tu fais ici.</translation>
    </message>
    <message>
        <source>Keeps this question and starts a new one.</source>
        <translation>Garde cette question et en commence une nouvelle.</translation>
    </message>
    <message>
        <source>Keeps this word and starts a new one.</source>
        <translation>Garde ce mot et en commence un nouveau.</translation>
    </message>
    <message>
        <source>Leaves this question for later.</source>
        <translation>Garde cette question pour plus tard.</translation>
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
        <translation>%1 (pas de voix ici&#xa0;: lu en anglais)</translation>
    </message>
</context>
<context>
    <name>CScorePage</name>
    <message>
        <source>Retake Quiz</source>
        <translation>Refaire le quiz</translation>
    </message>
    <message>
        <source>Review Quiz</source>
        <translation>Revoir le quiz</translation>
    </message>
    <message>
        <source>If you want to take the quiz again, click the Retake Quiz button. If you want to review or make changes to the quiz, click the Review Quiz button. Click the Finish button to return to the main quiz screen, or the Close button to leave the Tutorama.</source>
        <translation>Si tu veux refaire le quiz, clique sur Refaire le quiz. Si tu veux revoir ou modifier le quiz, clique sur Revoir le quiz. Clique sur Terminer pour revenir à l’écran de départ, ou sur Fermer pour quitter le Tutorama.</translation>
    </message>
    <message>
        <source>You answered %1 out of %2 correctly. That equals %3%.</source>
        <translation>Bonnes réponses&#xa0;: %1 sur %2. Cela fait %3 %.</translation>
    </message>
</context>
<context>
    <name>CSpellingAdvicePage</name>
    <message>
        <source>Test Sound</source>
        <translation>Tester le son</translation>
    </message>
    <message>
        <source>Speaks a sentence, so you can hear that the computer can read your spelling words to you.</source>
        <translation>Dit une phrase, pour que tu entendes que l’ordinateur peut te lire tes mots de dictée.</translation>
    </message>
    <message>
        <source>Welcome to the Tutorama</source>
        <translation>Bienvenue dans le Tutorama</translation>
    </message>
</context>
<context>
    <name>CSpellingEditPage</name>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Spelling word</source>
        <translation>Mot de dictée</translation>
    </message>
    <message>
        <source>Puts the word you copied into the word box.</source>
        <translation>Met dans la case le mot que tu as copié.</translation>
    </message>
</context>
<context>
    <name>CSpellingIntroPage</name>
    <message numerus="yes">
        <source>This quiz has %n word(s).</source>
        <translation>
            <numerusform>Ce quiz a %n mot.</numerusform>
            <numerusform>Ce quiz a %n mots.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CSpellingTakePage</name>
    <message>
        <source>Click on the picture of the speaker and the computer will say a spelling word. If you want to hear the word a second time, click the speaker again. Type your answer in the Answer box. To find out if your spelling is correct, click the Next button.</source>
        <translation>Clique sur l’image du haut-parleur et l’ordinateur dira un mot. Si tu veux entendre le mot encore une fois, clique à nouveau sur le haut-parleur. Tape ta réponse dans la case Réponse. Pour savoir si tu l’as bien écrit, clique sur Suivant.</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>&amp;Speaker</source>
        <translation>&amp;Haut-parleur</translation>
    </message>
    <message>
        <source>A loudspeaker: hear the spelling word again.</source>
        <translation>Un haut-parleur&#xa0;: entendre encore le mot.</translation>
    </message>
    <message>
        <source>Click here to hear the sound</source>
        <translation>Clique ici pour entendre le mot</translation>
    </message>
    <message numerus="yes">
        <source>So far, you have spelled %n word.</source>
        <translation>
            <numerusform>Jusqu’ici, tu as écrit %n mot.</numerusform>
            <numerusform>Jusqu’ici, tu as écrit %n mots.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>So far, you have spelled %n words.</source>
        <translation>
            <numerusform>Jusqu’ici, tu as écrit %n mot.</numerusform>
            <numerusform>Jusqu’ici, tu as écrit %n mots.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you spell this word, you will have %n word left.</source>
        <translation>
            <numerusform>Après ce mot, il te restera %n mot.</numerusform>
            <numerusform>Après ce mot, il te restera %n mots.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you spell this word, you will have %n words left.</source>
        <translation>
            <numerusform>Après ce mot, il te restera %n mot.</numerusform>
            <numerusform>Après ce mot, il te restera %n mots.</numerusform>
        </translation>
    </message>
    <message>
        <source>Say it s&amp;lowly</source>
        <translation>Dire &amp;lentement</translation>
    </message>
    <message>
        <source>A loudspeaker and a snail: hear the word slowly, a part at a time.</source>
        <translation>Un haut-parleur et un escargot&#xa0;: entendre le mot lentement, morceau par morceau.</translation>
    </message>
</context>
<context>
    <name>CStartQuizPage</name>
    <message>
        <source>If this is your first time using the Tutorama, click the New Quiz button. If you have already made one or more quizzes and wish to make changes to one of them, click the Existing Quiz button.</source>
        <translation>Si c’est la première fois que tu utilises le Tutorama, clique sur Nouveau quiz. Si tu as déjà créé un ou plusieurs quiz et que tu veux en modifier un, clique sur Quiz existant.</translation>
    </message>
    <message>
        <source>A fresh sheet of paper with a star: start a new quiz.</source>
        <translation>Une feuille toute neuve avec une étoile&#xa0;: commencer un nouveau quiz.</translation>
    </message>
    <message>
        <source>&amp;Existing Quiz</source>
        <translation>Quiz &amp;existant</translation>
    </message>
    <message>
        <source>A folder with quiz sheets in it: change a quiz you have already made.</source>
        <translation>Un dossier avec des feuilles de quiz&#xa0;: modifier un quiz que tu as déjà créé.</translation>
    </message>
    <message>
        <source>New Quiz</source>
        <translation>Nouveau quiz</translation>
    </message>
    <message>
        <source>If you want to use the Tutorama to make a new quiz, click this button.</source>
        <translation>Si tu veux créer un nouveau quiz avec le Tutorama, clique sur ce bouton.</translation>
    </message>
    <message>
        <source>Existing Quiz</source>
        <translation>Quiz existant</translation>
    </message>
    <message>
        <source>If you want to make changes to a quiz you have already made, click here.</source>
        <translation>Si tu veux modifier un quiz que tu as déjà créé, clique ici.</translation>
    </message>
    <message>
        <source>Ne&amp;w Quiz</source>
        <translation>&amp;Nouveau quiz</translation>
    </message>
    <message>
        <source>You may look at this quiz, but not change the file %1.

If you change the quiz, the Tutorama keeps your changes and offers to save them in a copy with Save As when you leave the quiz.</source>
        <translation>Tu peux regarder ce quiz, mais pas modifier le fichier %1.

Si tu modifies le quiz, le Tutorama garde tes modifications et te propose de les enregistrer dans une copie avec Enregistrer sous quand tu quittes le quiz.</translation>
    </message>
</context>
<context>
    <name>CStringTable</name>
    <message>
        <source>To make a True-False quiz, type a series of statements, each one either true or false. Later, when you take the quiz, you will see each statement and you will determine whether it is true or false. Click the Advice button for more help in creating a True-False quiz.</source>
        <translation>Pour créer un quiz Vrai-Faux, écris une suite d’affirmations, chacune vraie ou fausse. Plus tard, quand tu feras le quiz, tu verras chaque affirmation et tu diras si elle est vraie ou fausse. Clique sur Conseils pour avoir plus d’aide pour créer un quiz Vrai-Faux.</translation>
    </message>
    <message>
        <source>To make a flash card quiz, fill in both the front and the back sides of each flash card. When you take the quiz, you can determine whether you want to see the fronts of the cards, or the backs.  When you see a card, type the information you think belongs on the other side. Click the Advice button for more help in creating a flash card quiz.</source>
        <translation>Pour créer un quiz de cartes mémoire, remplis le recto et le verso de chaque carte. Quand tu feras le quiz, tu pourras choisir de voir les rectos ou les versos des cartes.  Quand tu vois une carte, tape ce qui, selon toi, est écrit de l’autre côté. Clique sur Conseils pour avoir plus d’aide pour créer un quiz de cartes mémoire.</translation>
    </message>
    <message>
        <source>To make a math quiz, you will enter math problems using an on-screen calculator keypad. When you take the quiz, you will see each problem and should type in the answer. Click the Advice button for more help in creating a math quiz.</source>
        <translation>Pour créer un quiz de calcul, tu tapes des calculs avec le clavier de calculatrice à l’écran. Quand tu feras le quiz, tu verras chaque calcul et tu taperas le résultat. Clique sur Conseils pour avoir plus d’aide pour créer un quiz de calcul.</translation>
    </message>
    <message>
        <source>To make a spelling quiz, enter a list of spelling words. When you take the spelling quiz, the computer will read the words to you and you type in the correct spelling. Click the Advice button for more help in creating a spelling quiz.</source>
        <translation>Pour créer une dictée, tape une liste de mots. Quand tu feras la dictée, l’ordinateur te lira les mots et tu les écriras sans faute. Clique sur Conseils pour avoir plus d’aide pour créer une dictée.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this question?</source>
        <translation>Veux-tu vraiment supprimer cette question&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to take this quiz now?</source>
        <translation>Veux-tu faire ce quiz maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>To start making your true-false quiz, click the add a statement button</source>
        <translation>Pour commencer ton quiz Vrai-Faux, clique sur Ajouter</translation>
    </message>
    <message>
        <source>To start making your flash card quiz, click the Add a Flash Card button.</source>
        <translation>Pour commencer ton quiz de cartes mémoire, clique sur Ajouter une carte.</translation>
    </message>
    <message>
        <source>To start making your spelling quiz, click the Add a Word  button.</source>
        <translation>Pour commencer ta dictée, clique sur Ajouter un mot.</translation>
    </message>
    <message>
        <source>To start making your mathematics quiz, click the Add a Problem button.</source>
        <translation>Pour commencer ton quiz de calcul, clique sur Ajouter un calcul.</translation>
    </message>
    <message>
        <source>Do you want to save this question ?</source>
        <translation>Veux-tu enregistrer cette question&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to finish this question before you quit?</source>
        <translation>Veux-tu terminer cette question avant d’arrêter&#xa0;?</translation>
    </message>
    <message>
        <source>If you change the quiz type you will lose your questions. Continue?</source>
        <translation>Si tu changes le type de quiz, tu perdras tes questions. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>There is a problem with the equation you entered. The equation must be a number, then either &quot;+,-,* or /&quot;, followed by another number</source>
        <translation>Il y a un problème dans le calcul que tu as tapé. Le calcul doit être un nombre, puis «&#xa0;+&#xa0;», «&#xa0;-&#xa0;», «&#xa0;*&#xa0;» ou «&#xa0;/&#xa0;», puis un autre nombre</translation>
    </message>
    <message>
        <source>If you want to add another statement to your quiz, click the Add a Statement button. If you want to delete or modify a statement, select the statement then click the appropriate button.</source>
        <translation>Si tu veux ajouter une affirmation à ton quiz, clique sur Ajouter. Si tu veux supprimer ou modifier une affirmation, choisis-la puis clique sur le bon bouton.</translation>
    </message>
    <message>
        <source>If you want to add another flash card to your quiz, click the Add a Flash Card button. If you want to delete or modify a flash card, select the flash card then click the appropriate button.</source>
        <translation>Si tu veux ajouter une carte à ton quiz, clique sur Ajouter une carte. Si tu veux supprimer ou modifier une carte, choisis-la puis clique sur le bon bouton.</translation>
    </message>
    <message>
        <source>If you want to add another word to your quiz, click the Add a Word button. If you want to delete or modify a word, select the word then click the appropriate button.</source>
        <translation>Si tu veux ajouter un mot à ta dictée, clique sur Ajouter un mot. Si tu veux supprimer ou modifier un mot, choisis-le puis clique sur le bon bouton.</translation>
    </message>
    <message>
        <source>If you want to add another problem to your quiz, click the Add a Problem button. If you want to delete or modify a problem, select the problem then click the appropriate button.</source>
        <translation>Si tu veux ajouter un calcul à ton quiz, clique sur Ajouter un calcul. Si tu veux supprimer ou modifier un calcul, choisis-le puis clique sur le bon bouton.</translation>
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
        <translation>Le Tutorama t’aide à créer des
quiz d’entraînement pour réviser
tes contrôles à l’école.

Cet assistant te guide pas à pas
pour créer des quiz, puis
pour les faire.

Tu peux créer trois types de
questions&#xa0;:
&lt;T&gt;• Vrai/Faux
• Cartes mémoire
• Calcul</translation>
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
        <translation>&lt;B&gt;Astuces&#xa0;:&lt;N&gt;
&lt;T&gt;•Écris un seul mot ou quelques 
mots sur chaque côté de la 
carte. Ainsi, l’ordinateur 
vérifie plus facilement ta 
réponse.
• Quand tu feras le quiz, tu
verras toutes les cartes.
Ne fais donc que celles
sur lesquelles tu veux
t’entraîner.
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
        <translation>Pour créer un quiz de cartes mémoire, 
remplis le recto et le verso de chaque 
carte. Quand tu feras le quiz, tu 
choisiras de voir les rectos ou les 
versos des cartes. Quand tu vois une 
carte, tape ce qui, selon toi, est
écrit de l’autre côté.
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
        <translation>Elles arrivent dans le désordre, 
et pas dans l’ordre où tu les as 
écrites. Avant de commencer le 
quiz, choisis ce que tu veux voir&#xa0;:

&lt;T&gt;•Les rectos des cartes, et tu 
écris tes réponses sur les versos.
•Les versos des cartes, et tu
 écris tes réponses sur les rectos.</translation>
    </message>
    <message>
        <source>Read the information on the &lt;B&gt;Front&lt;N&gt; 
of each flash card, then type your 
answer in the &lt;B&gt;Back&lt;N&gt; box. 

To find out of your answer is correct, 
click the &lt;B&gt;Next&lt;N&gt; button.
</source>
        <translation>Lis ce qui est écrit au &lt;B&gt;Recto&lt;N&gt; 
de chaque carte, puis tape ta 
réponse dans la case &lt;B&gt;Verso&lt;N&gt;. 

Pour savoir si ta réponse est juste, 
clique sur &lt;B&gt;Suivant&lt;N&gt;.
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
        <translation>Ici, tu crées ton quiz de cartes 
mémoire. Écris le recto d’une carte 
dans la case à droite. Clique sur 
&lt;B&gt;Retourner&lt;N&gt; pour écrire le verso 
de la carte.

Quand les deux côtés sont finis, 
clique sur &lt;B&gt;Nouvelle&#xa0;?&lt;N&gt; pour faire une 
autre carte. Quand tu as fini tes 
cartes, clique sur &lt;B&gt;Terminer&lt;N&gt;.
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
        <translation>Ici, tu crées ton quiz 
de calcul. Quand un calcul 
est fini, clique sur &lt;B&gt;Nouvelle&#xa0;?&lt;N&gt; 
pour en faire un autre. Quand 
tu as tapé tous tes calculs, 
clique sur &lt;B&gt;Terminer&lt;N&gt;.
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
        <translation>Pour créer un quiz de calcul, tape 
des calculs avec le clavier de la 
calculatrice à l’écran. Quand tu 
feras le quiz, tu verras chaque 
calcul et tu taperas le résultat.


&lt;T&gt;&lt;B&gt;Exemple&#xa0;:&lt;B&gt;
&lt;T&gt;Question&#xa0;: 57 + 41 = 
Réponse&#xa0;:  98
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
        <translation>&lt;B&gt;Astuces&#xa0;:&lt;N&gt; 
&lt;T&gt;•Tes calculs doivent être de 
simples additions, soustractions, 
multiplications ou divisions.
•Quand tu crées un calcul,
l’ordinateur trouve tout seul 
le résultat.
Les résultats avec plus de 8 chiffres 
après la virgule ne sont pas permis.
•Quand tu feras le quiz, tu verras 
tous les calculs. Ne fais donc
que ceux sur lesquels tu veux 
t’entraîner.
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
        <translation>Ils arrivent dans le désordre,
 et pas dans l’ordre où tu les as
 écrits. Tape ta réponse dans 
la case Réponse.

 Tu sauras tout de suite si ta 
réponse est juste. Si ta réponse 
est fausse, tu peux essayer le
 calcul une deuxième fois.</translation>
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
        <translation>Quand tu auras fait tous les
calculs, tu verras ton score. 
Tu pourras alors refaire le quiz 
pour essayer d’avoir un meilleur 
score. Si tu ne veux pas
refaire le quiz, tu peux revoir 
les calculs et les réponses. 

Clique sur &lt;B&gt;Suivant&lt;N&gt; pour continuer.
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
        <translation>Clique sur &lt;B&gt;Nouveau mot&lt;N&gt; pour ajouter 
un autre mot. Quand tu as tapé tous 
les mots de ta liste, clique sur 
&lt;B&gt;Terminer&lt;N&gt; pour revenir à la liste 
des mots.

Si tu modifies un mot, fais tes 
changements, puis clique sur &lt;B&gt;Terminer&lt;N&gt;.</translation>
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
        <translation>Pour créer une dictée, tu tapes
une liste de mots. Quand tu 
feras la dictée, l’ordinateur te 
lira chaque mot et tu devras 
l’écrire sans faute. Clique sur 
&lt;B&gt;Tester le son&lt;N&gt; ci-dessous pour 
vérifier que ton ordinateur 
peut te lire les mots.
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
        <translation>&lt;B&gt;Astuces&#xa0;:&lt;N&gt;
&lt;T&gt;•Ton ordinateur doit pouvoir jouer du son,
sinon tu ne pourras pas faire la dictée.
•Vérifie bien l’orthographe des mots quand
tu les tapes. Prends la liste de mots que
ton enseignant t’a donnée.
•Quand tu feras la dictée, l’ordinateur dira
tous les mots que tu as tapés. Ne tape donc
que ceux sur lesquels tu veux t’entraîner.
Si tu as beaucoup de mots, tu peux en
mettre une partie dans une deuxième dictée.
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
        <translation>Ils seront dits dans le désordre, et 
pas dans l’ordre où tu les as écrits. 
L’ordinateur lit un mot et tu tapes 
ce mot dans la case Réponse. 
Tu sauras tout de suite si tu as 
bien écrit chaque mot. 
Si tu t’es trompé, tu peux essayer
le mot une deuxième fois.</translation>
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
        <translation>Quand tu auras écrit tous les mots de la 
dictée, tu verras ton score. Tu pourras 
alors refaire la dictée pour essayer 
d’avoir un meilleur score. Si tu ne veux 
pas la refaire, tu peux revoir ta 
liste de mots. 

Clique sur &lt;B&gt;Suivant&lt;N&gt; pour continuer.
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
        <translation>&lt;B&gt;Astuces&#xa0;:&lt;N&gt;
&lt;T&gt;• L’ordre de tes affirmations vraies
et fausses n’a pas d’importance.
Quand tu feras le quiz, elles
arriveront dans le désordre.
•Écris des affirmations courtes et 
claires.
•Quand tu feras le quiz, tu verras
toutes les affirmations. Ne fais 
donc que celles sur lesquelles
tu veux t’entraîner.</translation>
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
        <translation>Ici, tu écris les affirmations 
de ton quiz Vrai-Faux. 
Quand une affirmation est 
finie, clique sur &lt;B&gt;Nouvelle&#xa0;?&lt;N&gt;
pour écrire une autre question. 
Quand tu as fini d’écrire 
tes questions, clique sur 
Terminer.
</translation>
    </message>
    <message>
        <source>The quiz you have opened contains no questions. You need to add questions before you can take the quiz </source>
        <translation>Le quiz que tu as ouvert n’a aucune question. Tu dois ajouter des questions avant de pouvoir faire le quiz </translation>
    </message>
    <message>
        <source>Read the information on the &lt;B&gt;Back&lt;N&gt; 
of each flash card, then type your 
answer in the &lt;B&gt;Front&lt;N&gt; box. 

To find out of your answer is correct, 
click the &lt;B&gt;Next&lt;N&gt; button.
</source>
        <translation>Lis ce qui est écrit au &lt;B&gt;Verso&lt;N&gt; 
de chaque carte, puis tape ta 
réponse dans la case &lt;B&gt;Recto&lt;N&gt;. 

Pour savoir si ta réponse est juste, 
clique sur &lt;B&gt;Suivant&lt;N&gt;.
</translation>
    </message>
    <message>
        <source>The Tutorama does not support dividing numbers by zero.</source>
        <translation>Dans le Tutorama, on ne peut pas diviser par zéro.</translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation>Le nombre est trop grand.</translation>
    </message>
</context>
<context>
    <name>CTrueFalseAdvicePage</name>
    <message>
        <source>To make a true-false quiz, type a series of statements, each one either true or false. Later, when you take the quiz, you will see the statement, and you will need to answer if you think it is true or false.</source>
        <translation>Pour créer un quiz Vrai-Faux, écris une suite d’affirmations, chacune vraie ou fausse. Plus tard, quand tu feras le quiz, tu verras chaque affirmation et tu devras dire si, selon toi, elle est vraie ou fausse.</translation>
    </message>
</context>
<context>
    <name>CTrueFalseEditPage</name>
    <message>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Type in a statement below. Click the True button if the statement is true, or the False button if it is false.</source>
        <translation>Écris une affirmation ci-dessous. Clique sur Vrai si elle est vraie, ou sur Faux si elle est fausse.</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Affirmation</translation>
    </message>
    <message>
        <source>Puts the text you copied into the statement box.</source>
        <translation>Met dans la case le texte que tu as copié.</translation>
    </message>
</context>
<context>
    <name>CTrueFalseFeedbackDlg</name>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>CTrueFalseIntroPage</name>
    <message>
        <source>They will appear in random order; instead of  the order in which you wrote them. Read a statement and then click on either the True or False button. You will find out right away whether each answer is correct.</source>
        <translation>Elles arrivent dans le désordre, et pas dans l’ordre où tu les as écrites. Lis une affirmation, puis clique sur Vrai ou sur Faux. Tu sauras tout de suite si chaque réponse est juste.</translation>
    </message>
    <message>
        <source>After you have gone through all the statements, you will see your score. At that time, you may take the quiz again to see if you can achieve a higher score. If you don&apos;t want to take the quiz again, you can review the questions and answers.</source>
        <translation>Quand tu auras vu toutes les affirmations, tu verras ton score. Tu pourras alors refaire le quiz pour essayer d’avoir un meilleur score. Si tu ne veux pas refaire le quiz, tu peux revoir les questions et les réponses.</translation>
    </message>
    <message>
        <source>Click the Next button to continue.</source>
        <translation>Clique sur Suivant pour continuer.</translation>
    </message>
    <message numerus="yes">
        <source>This quiz has %n statement(s).</source>
        <translation>
            <numerusform>Ce quiz a %n affirmation.</numerusform>
            <numerusform>Ce quiz a %n affirmations.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tutorama: %1</source>
        <translation>Tutorama&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CTrueFalseTakePage</name>
    <message>
        <source>Read the statement at the right side of the screen. If you think it is true, click the True button. If you think it is false, click the False button. To find out if your answer is correct, click the Next button.</source>
        <translation>Lis l’affirmation à droite de l’écran. Si tu penses qu’elle est vraie, clique sur Vrai. Si tu penses qu’elle est fausse, clique sur Faux. Pour savoir si ta réponse est juste, clique sur Suivant.</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Affirmation</translation>
    </message>
    <message>
        <source>&amp;True</source>
        <translation>&amp;Vrai</translation>
    </message>
    <message>
        <source>A green tick: the statement is true.</source>
        <translation>Une coche verte&#xa0;: l’affirmation est vraie.</translation>
    </message>
    <message>
        <source>&amp;False</source>
        <translation>&amp;Faux</translation>
    </message>
    <message>
        <source>A red cross: the statement is false.</source>
        <translation>Une croix rouge&#xa0;: l’affirmation est fausse.</translation>
    </message>
    <message numerus="yes">
        <source>So far, you have answered %n question.</source>
        <translation>
            <numerusform>Jusqu’ici, tu as répondu à %n question.</numerusform>
            <numerusform>Jusqu’ici, tu as répondu à %n questions.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>So far, you have answered %n questions.</source>
        <translation>
            <numerusform>Jusqu’ici, tu as répondu à %n question.</numerusform>
            <numerusform>Jusqu’ici, tu as répondu à %n questions.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you answer this question, you will have %n question left.</source>
        <translation>
            <numerusform>Après cette question, il te restera %n question.</numerusform>
            <numerusform>Après cette question, il te restera %n questions.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After you answer this question, you will have %n questions left.</source>
        <translation>
            <numerusform>Après cette question, il te restera %n question.</numerusform>
            <numerusform>Après cette question, il te restera %n questions.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CVoiceChoice</name>
    <message>
        <source>Words are spoken in:</source>
        <translation>Lire les mots en&#xa0;:</translation>
    </message>
    <message>
        <source>Language of the voice</source>
        <translation>Langue de la voix</translation>
    </message>
    <message>
        <source>The language the computer reads the spelling words in.</source>
        <translation>La langue dans laquelle l’ordinateur lit les mots.</translation>
    </message>
</context>
<context>
    <name>CWelcomePage</name>
    <message>
        <source>&amp;Make Quiz</source>
        <translation>&amp;Créer un quiz</translation>
    </message>
    <message>
        <source>A pencil writing questions on a sheet of paper: make or change a quiz.</source>
        <translation>Un crayon écrit des questions sur une feuille&#xa0;: créer ou modifier un quiz.</translation>
    </message>
    <message>
        <source>&amp;Take Quiz</source>
        <translation>&amp;Faire un quiz</translation>
    </message>
    <message>
        <source>A quiz sheet with ticks on it: take a quiz you have made.</source>
        <translation>Une feuille de quiz avec des coches&#xa0;: faire un quiz que tu as créé.</translation>
    </message>
    <message>
        <source>Make or Modify Quiz</source>
        <translation>Créer ou modifier un quiz</translation>
    </message>
    <message>
        <source>If you want to use the Tutorama to make a new quiz, or to revise a quiz you have already made, click this button.</source>
        <translation>Si tu veux créer un nouveau quiz avec le Tutorama, ou modifier un quiz que tu as déjà créé, clique sur ce bouton.</translation>
    </message>
    <message>
        <source>Take Quiz</source>
        <translation>Faire un quiz</translation>
    </message>
    <message>
        <source>If you want to use the Tutorama to take a quiz you have already made, click this button.</source>
        <translation>Si tu veux faire avec le Tutorama un quiz que tu as déjà créé, clique sur ce bouton.</translation>
    </message>
    <message>
        <source>Tutorama</source>
        <translation>Tutorama</translation>
    </message>
    <message>
        <source>The quiz you have opened has questions, but no quiz type has been chosen for it yet, so it cannot be taken. Choose its type on the next page.</source>
        <translation>Le quiz que tu as ouvert a des questions, mais aucun type de quiz n’a encore été choisi, on ne peut donc pas le faire. Choisis son type à la page suivante.</translation>
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
        <translation>Dans le Tutorama, on ne peut pas diviser par zéro.</translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation>Le nombre est trop grand.</translation>
    </message>
    <message>
        <source>There is a problem with the equation you entered. The equation must be a number, then either &quot;+,-,* or /&quot;, followed by another number</source>
        <translation>Il y a un problème dans le calcul que tu as tapé. Le calcul doit être un nombre, puis «&#xa0;+&#xa0;», «&#xa0;-&#xa0;», «&#xa0;*&#xa0;» ou «&#xa0;/&#xa0;», puis un autre nombre</translation>
    </message>
</context>
<context>
    <name>PictureWords</name>
    <message>
        <source>Welcome to the Tutorama!</source>
        <translation>Bienvenue dans le Tutorama&#xa0;!</translation>
    </message>
    <message>
        <source>Make or Modify a Quiz</source>
        <translation>Créer ou modifier un quiz</translation>
    </message>
    <message>
        <source>Name Your Quiz</source>
        <translation>Donne un nom à ton quiz</translation>
    </message>
    <message>
        <source>Choose a Quiz Format</source>
        <translation>Choisis un type de quiz</translation>
    </message>
    <message>
        <source>True/False Quiz Manager</source>
        <translation>Gérer un quiz Vrai/Faux</translation>
    </message>
    <message>
        <source>True/False Quiz</source>
        <translation>Quiz Vrai/Faux</translation>
    </message>
    <message>
        <source>Taking a True/False Quiz</source>
        <translation>Faire un quiz Vrai/Faux</translation>
    </message>
    <message>
        <source>True/False Quiz Advice</source>
        <translation>Conseils pour un quiz Vrai/Faux</translation>
    </message>
    <message>
        <source>Flash Card Quiz Manager</source>
        <translation>Gérer un quiz de cartes mémoire</translation>
    </message>
    <message>
        <source>Making Flash Cards</source>
        <translation>Créer des cartes mémoire</translation>
    </message>
    <message>
        <source>Flash Card Quiz</source>
        <translation>Quiz de cartes mémoire</translation>
    </message>
    <message>
        <source>Taking a Flash Card Quiz</source>
        <translation>Faire un quiz de cartes mémoire</translation>
    </message>
    <message>
        <source>Flash Card Quiz Advice</source>
        <translation>Conseils pour les cartes mémoire</translation>
    </message>
    <message>
        <source>Spelling Quiz Manager</source>
        <translation>Gérer une dictée</translation>
    </message>
    <message>
        <source>Spelling Quiz</source>
        <translation>Dictée</translation>
    </message>
    <message>
        <source>Taking a Spelling Quiz</source>
        <translation>Faire une dictée</translation>
    </message>
    <message>
        <source>Spelling Quiz Advice</source>
        <translation>Conseils pour la dictée</translation>
    </message>
    <message>
        <source>Math Quiz Manager</source>
        <translation>Gérer un quiz de calcul</translation>
    </message>
    <message>
        <source>Making Math Problems</source>
        <translation>Créer des calculs</translation>
    </message>
    <message>
        <source>Math Quiz</source>
        <translation>Quiz de calcul</translation>
    </message>
    <message>
        <source>Taking a Math Quiz</source>
        <translation>Faire un quiz de calcul</translation>
    </message>
    <message>
        <source>Math Quiz Advice</source>
        <translation>Conseils pour le calcul</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Ton score</translation>
    </message>
    <message>
        <source>Front of the card</source>
        <translation>Recto de la carte</translation>
    </message>
    <message>
        <source>Back of the card</source>
        <translation>Verso de la carte</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Recto</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Verso</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Affirmation</translation>
    </message>
    <message>
        <source>Spelling Word</source>
        <translation>Mot de dictée</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux</translation>
    </message>
</context>
<context>
    <name>PrintLayout</name>
    <message>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>In quiz file %1 you got %2 out of %3 right.</source>
        <translation>Dans le quiz %1, tu as eu %2 bonnes réponses sur %3.</translation>
    </message>
    <message>
        <source>That equals %1%.</source>
        <translation>Cela fait %1&#xa0;%.</translation>
    </message>
</context>
</TS>
