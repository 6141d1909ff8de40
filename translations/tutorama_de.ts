<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AnswerJudge</name>
    <message>
        <source> The correct answer is %1 = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The correct answer is %1 = %2.  Although this answer display shows two decimal places, the Tutorama accepts any correct answer rounded to two or more decimal places.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The correct answer is %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct. You got it right!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. That is not correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. The correct answer is False.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. The correct answer is True.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAdviceView</name>
    <message>
        <source>Advice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to find advice file for printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to print advice file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Tutorama helps pupils make practice quizzes and take them to study for tests.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quiz file (.qiz) to take.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[quiz]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one quiz can be opened at a time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CEditPage</name>
    <message>
        <source>Tutorama: Question %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to complete this question first?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFeedbackBase</name>
    <message>
        <source>Tutorama Feedback</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFeedbackDlg</name>
    <message>
        <source>Try Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Correct Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next ?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFlashCardEditPage</name>
    <message>
        <source>Flip Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns the card over to write its other side.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts the text you copied on the card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Front of the flash card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back of the flash card</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFlashCardIntroPage</name>
    <message>
        <source>Show Fronts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Backs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will find out right away whether each answer is correct. If your answer is incorrect, you can try the question a second time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After you have completed all of the flash cards, you will see your score. At that time you may take the quiz again to see if you can get a higher score. If you don&apos;t want to take the quiz again, you can review the flash cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the Next button to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make your selection below:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This quiz has %1 flash cards(s).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFlashCardTakePage</name>
    <message>
        <source>Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So far, you have completed %1 card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So far, you have completed %1 cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After you complete this card, you will have %1 card left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After you complete this card, you will have %1 cards left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Tutorama Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMathEditPage</name>
    <message>
        <source>Seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the calculator keypad to enter a problem. If you make a mistake, click the Clear Problem button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Math problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts the problem you copied into the problem box.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMathIntroPage</name>
    <message>
        <source>This quiz has %1 equation(s).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMathTakePage</name>
    <message>
        <source>Read the problem. Solve the problem and type your answer in the Answer box. To find out if your answer is correct, click the Next button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tutorama accepts any correct answer rounded to two or more decimal places.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Must Enter A Valid Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So far, you have completed %1 problem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So far, you have completed %1 problems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After you answer this problem, you will have %1 problem left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After you answer this problem, you will have %1 problems left.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CNameQuizPage</name>
    <message>
        <source>Before you start to make your quiz, you need to name it. This will allow the Tutorama to automatically save your quiz as you make it. This will  make sure that you do not lose any of your work. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on the picture of the disk below to name your quiz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Quiz As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A disk: choose where to save your quiz and its name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use a name that will help you remember what the quiz is about. For example, if you create a mathematics quiz based on your mathematics problems for the week of March 24 you could name the file &quot;Mathematics March 24.&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CQuestionManagerPage</name>
    <message>
        <source>Statements:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Statements Defined Yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a Statement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify a Statement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete a Statement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash Cards:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Flash Cards Defined Yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a Flash Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify a Flash Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete a Flash Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelling Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Spelling Words Defined Yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify a Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete a Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Math Problems:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Math Problems Defined Yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify a Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete a Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add  a Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify a Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete a Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions of the quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. T: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. F: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. F: %2  B: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CQuestionPage</name>
    <message>
        <source>Tutorama: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to try this question later?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to quit the quiz?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CQuizFile</name>
    <message>
        <source>Unrecognized File Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quiz file %1 could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quiz file %1 is damaged or incomplete, so it could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quiz could not be saved to %1: %2. The quiz file on disk was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CQuizFormatPage</name>
    <message>
        <source>True/False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mathematics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the type of quiz you would like to make. All the questions in the quiz must be the same type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Quiz Format</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CQuizPage</name>
    <message>
        <source>Quiz Files (*.qiz)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CQuizSheet</name>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Advice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tutorama</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CScorePage</name>
    <message>
        <source>Retake Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you want to take the quiz again, click the Retake Quiz button. If you want to review or make changes to the quiz, click the Review Quiz button. Click the Finish button to return to the main quiz screen, or the Close button to leave the Tutorama.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You answered %1 out of %2 correctly. That equals %3%.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSpellingAdvicePage</name>
    <message>
        <source>Test Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speaks a sentence, so you can hear that the computer can read your spelling words to you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to the Tutorama</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSpellingEditPage</name>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelling word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts the word you copied into the word box.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSpellingIntroPage</name>
    <message>
        <source>This quiz has %1 word(s).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSpellingTakePage</name>
    <message>
        <source>Click on the picture of the speaker and the computer will say a spelling word. If you want to hear the word a second time, click the speaker again. Type your answer in the Answer box. To find out if your spelling is correct, click the Next button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Speaker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A loudspeaker: hear the spelling word again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to hear the sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So far, you have spelled %1 word.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So far, you have spelled %1 words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After you spell this word, you will have %1 word left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After you spell this word, you will have %1 words left.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CStartQuizPage</name>
    <message>
        <source>If this is your first time using the Tutorama, click the New Quiz button. If you have already made one or more quizzes and wish to make changes to one of them, click the Existing Quiz button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fresh sheet of paper with a star: start a new quiz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Existing Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder with quiz sheets in it: change a quiz you have already made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you want to use the Tutorama to make a new quiz, click this button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Existing Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you want to make changes to a quiz you have already made, click here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CStringTable</name>
    <message>
        <source>To make a True-False quiz, type a series of statements, each one either true or false. Later, when you take the quiz, you will see each statement and you will determine whether it is true or false. Click the Advice button for more help in creating a True-False quiz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To make a flash card quiz, fill in both the front and the back sides of each flash card. When you take the quiz, you can determine whether you want to see the fronts of the cards, or the backs.  When you see a card, type the information you think belongs on the other side. Click the Advice button for more help in creating a flash card quiz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To make a math quiz, you will enter math problems using an on-screen calculator keypad. When you take the quiz, you will see each problem and should type in the answer. Click the Advice button for more help in creating a math quiz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To make a spelling quiz, enter a list of spelling words. When you take the spelling quiz, the computer will read the words to you and you type in the correct spelling. Click the Advice button for more help in creating a spelling quiz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete this question?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to take this quiz now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To start making your true-false quiz, click the add a statement button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To start making your flash card quiz, click the Add a Flash Card button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To start making your spelling quiz, click the Add a Word  button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To start making your mathematics quiz, click the Add a Problem button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save this question ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to finish this question before you quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you change the quiz type you will lose your questions. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is a problem with the equation you entered. The equation must be a number, then either &quot;+,-,* or /&quot;, followed by another number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you want to add another statement to your quiz, click the Add a Statement button. If you want to delete or modify a statement, select the statement then click the appropriate button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you want to add another flash card to your quiz, click the Add a Flash Card button. If you want to delete or modify a flash card, select the flash card then click the appropriate button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you want to add another word to your quiz, click the Add a Word button. If you want to delete or modify a word, select the word then click the appropriate button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you want to add another problem to your quiz, click the Add a Problem button. If you want to delete or modify a problem, select the problem then click the appropriate button.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the information on the &lt;B&gt;Front&lt;N&gt; 
of each flash card, then type your 
answer in the &lt;B&gt;Back&lt;N&gt; box. 

To find out of your answer is correct, 
click the &lt;B&gt;Next&lt;N&gt; button.
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this screen to make your 
mathematics quiz. After you finish 
a problem, click the &lt;B&gt;New ?&lt;N&gt; button to 
make another problem. When you 
are done entering problems, click the 
&lt;B&gt;Finish&lt;N&gt; button.
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the &lt;B&gt;New Word&lt;N&gt; button to add 
another word. When you have entered 
all the words in your spelling list, click 
the &lt;B&gt;Finish&lt;N&gt; button to return to the Spelling 
Quiz Manager.

If you are modifying a word, make your 
changes, then click the &lt;B&gt;Finish&lt;N&gt; button.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quiz you have opened contains no questions. You need to add questions before you can take the quiz </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the information on the &lt;B&gt;Back&lt;N&gt; 
of each flash card, then type your 
answer in the &lt;B&gt;Front&lt;N&gt; box. 

To find out of your answer is correct, 
click the &lt;B&gt;Next&lt;N&gt; button.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tutorama does not support dividing numbers by zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTrueFalseAdvicePage</name>
    <message>
        <source>To make a true-false quiz, type a series of statements, each one either true or false. Later, when you take the quiz, you will see the statement, and you will need to answer if you think it is true or false.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTrueFalseEditPage</name>
    <message>
        <source>True</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type in a statement below. Click the True button if the statement is true, or the False button if it is false.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts the text you copied into the statement box.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTrueFalseFeedbackDlg</name>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTrueFalseIntroPage</name>
    <message>
        <source>They will appear in random order; instead of  the order in which you wrote them. Read a statement and then click on either the True or False button. You will find out right away whether each answer is correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After you have gone through all the statements, you will see your score. At that time, you may take the quiz again to see if you can achieve a higher score. If you don&apos;t want to take the quiz again, you can review the questions and answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the Next button to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This quiz has %1 statement(s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tutorama: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTrueFalseTakePage</name>
    <message>
        <source>Read the statement at the right side of the screen. If you think it is true, click the True button. If you think it is false, click the False button. To find out if your answer is correct, click the Next button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;True</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A green tick: the statement is true.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A red cross: the statement is false.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So far, you have answered %1 %2.
After you answer this question, you will have %3 %4 left.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWelcomePage</name>
    <message>
        <source>&amp;Make Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A pencil writing questions on a sheet of paper: make or change a quiz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Take Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quiz sheet with ticks on it: take a quiz you have made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make or Modify Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you want to use the Tutorama to make a new quiz, or to revise a quiz you have already made, click this button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you want to use the Tutorama to take a quiz you have already made, click this button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tutorama</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWidgetPrompt</name>
    <message>
        <source>Tutorama</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MathRules</name>
    <message>
        <source>The Tutorama does not support dividing numbers by zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is a problem with the equation you entered. The equation must be a number, then either &quot;+,-,* or /&quot;, followed by another number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
