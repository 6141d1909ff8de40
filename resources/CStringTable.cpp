#include "CStringTable.h"

#include "ResourceIds.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace {

struct StringEntry
{
    int id;
    const char* text;
};

// Kept in ascending id order, so a lookup can use a binary search. The texts are the English
// originals and also the translation sources ("\n" is a line break, "<B>", "<N>" and "<T>" are
// the markup tags of the help texts).
constexpr StringEntry kStrings[] = {
    {IDS_TRUE_FALSE_DESCRIPTION,
     QT_TRANSLATE_NOOP("CStringTable",
                       "To make a True-False quiz, type a series of statements, each one either "
                       "true or false. Later, when you take the quiz, you will see each statement "
                       "and you will determine whether it is true or false. Click the Advice "
                       "button for more help in creating a True-False quiz.")},
    {IDS_FLASH_CARD_DESCRIPTION,
     QT_TRANSLATE_NOOP(
         "CStringTable",
         "To make a flash card quiz, fill in both the front and the back sides of each flash card. "
         "When you take the quiz, you can determine whether you want to see the fronts of the "
         "cards, or the backs.  When you see a card, type the information you think belongs on the "
         "other side. Click the Advice button for more help in creating a flash card quiz.")},
    {IDS_MATH_DESCRIPTION,
     QT_TRANSLATE_NOOP(
         "CStringTable",
         "To make a math quiz, you will enter math problems using an on-screen calculator keypad. "
         "When you take the quiz, you will see each problem and should type in the answer. Click "
         "the Advice button for more help in creating a math quiz.")},
    {IDS_SPELLING_DESCRIPTION,
     QT_TRANSLATE_NOOP(
         "CStringTable",
         "To make a spelling quiz, enter a list of spelling words. When you take the spelling "
         "quiz, the computer will read the words to you and you type in the correct spelling. "
         "Click the Advice button for more help in creating a spelling quiz.")},
    {IDS_CONFIRM_DELETE_QUESTION,
     QT_TRANSLATE_NOOP("CStringTable", "Are you sure you want to delete this question?")},
    {IDS_ASK_TAKE_QUIZ_NOW,
     QT_TRANSLATE_NOOP("CStringTable", "Do you want to take this quiz now?")},
    {IDS_TRUE_FALSE_MANAGER_START,
     QT_TRANSLATE_NOOP("CStringTable",
                       "To start making your true-false quiz, click the add a statement button")},
    {IDS_FLASH_CARD_MANAGER_START,
     QT_TRANSLATE_NOOP("CStringTable",
                       "To start making your flash card quiz, click the Add a Flash Card button.")},
    {IDS_SPELLING_MANAGER_START,
     QT_TRANSLATE_NOOP("CStringTable",
                       "To start making your spelling quiz, click the Add a Word  button.")},
    {IDS_MATH_MANAGER_START,
     QT_TRANSLATE_NOOP("CStringTable",
                       "To start making your mathematics quiz, click the Add a Problem button.")},
    {IDS_ASK_SAVE_QUESTION,
     QT_TRANSLATE_NOOP("CStringTable", "Do you want to save this question ?")},
    {IDS_ASK_FINISH_QUESTION,
     QT_TRANSLATE_NOOP("CStringTable", "Do you want to finish this question before you quit?")},
    {IDS_CONFIRM_CHANGE_QUIZ_TYPE,
     QT_TRANSLATE_NOOP("CStringTable",
                       "If you change the quiz type you will lose your questions. Continue?")},
    {IDS_PROBLEM_MALFORMED,
     QT_TRANSLATE_NOOP("CStringTable",
                       "There is a problem with the equation you entered. The equation must be a "
                       "number, then either \"+,-,* or /\", followed by another number")},
    {IDS_TRUE_FALSE_MANAGER_HELP,
     QT_TRANSLATE_NOOP("CStringTable",
                       "If you want to add another statement to your quiz, click the Add a "
                       "Statement button. If you want to delete or modify a statement, select the "
                       "statement then click the appropriate button.")},
    {IDS_FLASH_CARD_MANAGER_HELP,
     QT_TRANSLATE_NOOP("CStringTable",
                       "If you want to add another flash card to your quiz, click the Add a Flash "
                       "Card button. If you want to delete or modify a flash card, select the "
                       "flash card then click the appropriate button.")},
    {IDS_SPELLING_MANAGER_HELP,
     QT_TRANSLATE_NOOP(
         "CStringTable",
         "If you want to add another word to your quiz, click the Add a Word button. If you want "
         "to delete or modify a word, select the word then click the appropriate button.")},
    {IDS_MATH_MANAGER_HELP,
     QT_TRANSLATE_NOOP("CStringTable",
                       "If you want to add another problem to your quiz, click the Add a Problem "
                       "button. If you want to delete or modify a problem, select the problem then "
                       "click the appropriate button.")},
    {IDS_WELCOME_HELP,
     QT_TRANSLATE_NOOP("CStringTable",
                       "The Tutorama helps you make\npractice quizzes to use to study\nfor tests "
                       "at school.\n\nThis wizard will lead you step-by-\nstep through the process "
                       "of \nmaking and then taking quizzes.\n\nYou can make three types "
                       "of\nquestions:\n<T>• True/False\n• Flash Cards\n• Mathematics")},
    {IDS_FLASH_CARD_ADVICE_TIPS,
     QT_TRANSLATE_NOOP(
         "CStringTable",
         "<B>Tips:<N>\n<T>•Try to use only one or a few \nwords on either side of the \nflash card "
         "to make it easier \nfor the computer to judge your \nanswer.\n• When you take the quiz, "
         "you\nwill be shown all the flash\ncards, so make only as many\nas you'll want to be "
         "quizzed\non later.\n")},
    {IDS_FLASH_CARD_ADVICE,
     QT_TRANSLATE_NOOP("CStringTable",
                       "To make a flash card quiz, fill in both \nthe front and back of each flash "
                       "card. \nWhen you take the quiz, you'll choose \nwhether you want to see "
                       "the fronts or \nthe backs of the cards. When you see \na card, type the "
                       "information that you\nthink belongs on the other side.\n")},
    {IDS_FLASH_CARD_INTRO_HELP,
     QT_TRANSLATE_NOOP("CStringTable",
                       "They will appear in random order; \ninstead of the order in which you "
                       "\nwrote them. Before you start the \nquiz, decide whether you want to "
                       "see:\n\n<T>•The fronts of the cards and type \nyour responses on the "
                       "backs.\n•The backs of the cards and type\n your responses on the fronts.")},
    {IDS_FLASH_CARD_SHOW_FRONTS_HELP,
     QT_TRANSLATE_NOOP("CStringTable",
                       "Read the information on the <B>Front<N> \nof each flash card, then type "
                       "your \nanswer in the <B>Back<N> box. \n\nTo find out of your answer is "
                       "correct, \nclick the <B>Next<N> button.\n")},
    {IDS_FLASH_CARD_EDIT_HELP,
     QT_TRANSLATE_NOOP(
         "CStringTable",
         "Use the screen to create your flash \ncard quiz. Enter the information for \nthe front "
         "side of a card in the space \nat the right. Click the <B>Flip Card<N> button \nto enter "
         "the information for the back \nside.\n\nAfter you finish both sides of the card, \nclick "
         "the <B>New ?<N> button to make another \ncard. When you are done making flash \ncards, "
         "click the <B>Finish<N> button.\n")},
    {IDS_MATH_EDIT_HELP,
     QT_TRANSLATE_NOOP("CStringTable",
                       "Use this screen to make your \nmathematics quiz. After you finish \na "
                       "problem, click the <B>New ?<N> button to \nmake another problem. When you "
                       "\nare done entering problems, click the \n<B>Finish<N> button.\n")},
    {IDS_MATH_ADVICE,
     QT_TRANSLATE_NOOP(
         "CStringTable",
         "To make a mathematics quiz, enter \nmath problems using an on-screen \ncalculator "
         "keypad. When you take \nthe quiz, you will see each problem \nand type in the "
         "answer.\n\n\n<T><B>Example:<B>\n<T>Question: 57 + 41 = \nAnswer:    98\n")},
    {IDS_MATH_ADVICE_TIPS,
     QT_TRANSLATE_NOOP(
         "CStringTable",
         "<B>Tips:<N> \n<T>•The problems you write must be \nbasic addition, subtraction, "
         "\nmultiplication or division.\n•When you make a problem,\nyour computer will "
         "automatically \ncalculate the  answer.\nYou may not enter equations that have \nanswers "
         "with more than 8 decimal places.\n•When you take the quiz, you will \nbe shown all the "
         "problems, so\nmake only as many as you want \nto be quizzed on later.\n")},
    {IDS_MATH_INTRO_ORDER_HELP,
     QT_TRANSLATE_NOOP("CStringTable",
                       "They will appear in random order;\n instead of in the order in which you\n "
                       "wrote them. Type your answer \nin the Answer box.\n\n You will find out "
                       "right away whether \nyour answer is correct. If your answer \nis "
                       "incorrect, you can try the problem\n a second time.")},
    {IDS_MATH_INTRO_SCORE_HELP,
     QT_TRANSLATE_NOOP("CStringTable",
                       "After you have done all the\nproblems, you will see your score. \nAt that "
                       "time, you may take the quiz \nagain to see if you can achieve a \nhigher "
                       "score. If you don't want\nto take the quiz again, you can \nreview the "
                       "problems and answers. \n\nClick the <B>Next<N> button to continue.\n")},
    {IDS_SPELLING_EDIT_HELP,
     QT_TRANSLATE_NOOP("CStringTable",
                       "Click the <B>New Word<N> button to add \nanother word. When you have "
                       "entered \nall the words in your spelling list, click \nthe <B>Finish<N> "
                       "button to return to the Spelling \nQuiz Manager.\n\nIf you are modifying a "
                       "word, make your \nchanges, then click the <B>Finish<N> button.")},
    {IDS_SPELLING_ADVICE,
     QT_TRANSLATE_NOOP(
         "CStringTable",
         "To make a spelling quiz, you will\nenter a list of spelling words. \nWhen you take the "
         "spelling quiz, \nthe computer will read each word \nto you and you must type in the "
         "\nspelling. Click the <B>Test Sound<N> \nbutton below to make sure your \ncomputer can "
         "read the spelling \nwords to you.\n")},
    {IDS_SPELLING_ADVICE_TIPS,
     QT_TRANSLATE_NOOP(
         "CStringTable",
         "<B>Tips:<N>\n<T>•Your computer must be able to play sound,\nor you will not be able to "
         "take the spelling quiz.\n•Be sure you spell the words correctly when\nyou enter them. "
         "Use the word list that your\nteacher gave you.\n•When you take the quiz, the computer "
         "will\nspeak all the words you have entered, so\nenter only as many as you want to be "
         "quizzed\non later. If you have a lot of words you may\nwant to put some of them in a "
         "second quiz.\n")},
    {IDS_SPELLING_INTRO_ORDER_HELP,
     QT_TRANSLATE_NOOP(
         "CStringTable",
         "They will be spoken in random order; \ninstead of the order in which you wrote \nthem. "
         "Your computer will read a spelling \nword and you will type that word in the \nanswer "
         "box. You will find out right away \nwhether you spelled each word correctly. \nIf your "
         "spelling is incorrect, you can try the\nword a second time.")},
    {IDS_SPELLING_INTRO_SCORE_HELP,
     QT_TRANSLATE_NOOP(
         "CStringTable",
         "After you have spelled all the words in the \nquiz, you will see your score. At that "
         "time, \nyou may take the quiz again to see if you \ncan achieve a higher score. If you "
         "don't \nwant to take the quiz again, you can review \nyour spelling word list. \n\nClick "
         "the <B>Next<N> button to continue.\n")},
    {IDS_TRUE_FALSE_ADVICE_TIPS,
     QT_TRANSLATE_NOOP(
         "CStringTable",
         "<B>Tips:<N>\n<T>• Don't worry about the order of your\ntrue and false statements. "
         "When\nyou take the test, they will appear\nrandomly.\n•Write statements that are brief "
         "and \nclear.\n•When you take the quiz, you will\nbe shown all the statements, so \nmake "
         "only as many as you'll\nwant to be quizzed on later.")},
    {IDS_TRUE_FALSE_EDIT_HELP,
     QT_TRANSLATE_NOOP(
         "CStringTable",
         "To make your true-false quiz \nstatements, use this screen. \nAfter you finish writing a "
         "\nstatement, click the <B>New ?<N>\nbutton to write another question. \nWhen you are "
         "done writing \nquestions, click the Finish \nbutton.\n")},
    {IDS_QUIZ_HAS_NO_QUESTIONS,
     QT_TRANSLATE_NOOP("CStringTable", "The quiz you have opened contains no questions. You need "
                                       "to add questions before you can take the quiz ")},
    {IDS_FLASH_CARD_SHOW_BACKS_HELP,
     QT_TRANSLATE_NOOP("CStringTable",
                       "Read the information on the <B>Back<N> \nof each flash card, then type "
                       "your \nanswer in the <B>Front<N> box. \n\nTo find out of your answer is "
                       "correct, \nclick the <B>Next<N> button.\n")},
    {IDS_PROBLEM_DIVIDES_BY_ZERO,
     QT_TRANSLATE_NOOP("CStringTable", "The Tutorama does not support dividing numbers by zero.")},
    {IDS_PROBLEM_NUMBER_TOO_LARGE, QT_TRANSLATE_NOOP("CStringTable", "The number is too large.")},
};

constexpr bool IsSortedById()
{
    for (std::size_t i = 1; i < std::size(kStrings); ++i) {
        if (kStrings[i - 1].id >= kStrings[i].id) {
            return false;
        }
    }
    return true;
}
static_assert(IsSortedById(), "string table entries must stay in ascending id order");

const StringEntry* Find(int id)
{
    const auto it =
        std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                         [](const StringEntry& entry, int key) { return entry.id < key; });
    return (it != std::end(kStrings) && it->id == id) ? &*it : nullptr;
}

} // namespace

QString CStringTable::Get(int id)
{
    const StringEntry* entry = Find(id);
    return entry ? QCoreApplication::translate("CStringTable", entry->text) : QString();
}

bool CStringTable::Contains(int id)
{
    return Find(id) != nullptr;
}
