#pragma once

// The kind of a quiz as stored in the document and in quiz files. The page
// indexes of the wizard are computed from these codes, so their order matters.
enum QuizType : int
{
    QUIZ_NONE = -1, // no quiz loaded
    QUIZ_NEW = 0,   // new quiz, kind not chosen yet
    QUIZ_TRUE_FALSE = 1,
    QUIZ_FLASH_CARD = 2,
    QUIZ_SPELLING = 3,
    QUIZ_MATH = 4,
};

// Page indexes of the wizard sheet.
enum PageIndex : int
{
    PAGE_WELCOME = 0,
    PAGE_START_QUIZ = 1,
    PAGE_NAME_QUIZ = 2,
    PAGE_QUIZ_FORMAT = 3,
    PAGE_QUESTION_MANAGER = 4,
    PAGE_SCORE = 17,
    PAGE_COUNT = 22,
};

constexpr bool IsQuizKind(int type)
{
    return type >= QUIZ_TRUE_FALSE && type <= QUIZ_MATH;
}
constexpr int EditorPage(int type)
{
    return 4 + type;
}
constexpr int IntroPage(int type)
{
    return 8 + type;
}
constexpr int QuestionPage(int type)
{
    return 12 + type;
}
constexpr int AdvicePage(int type)
{
    return 17 + type;
}
