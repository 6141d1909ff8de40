#pragma once

// Every picture, sound and numbered text of the program is named here once. The numbers are the
// ids that the pages, the dialogs and the printed layouts use: a bitmap id selects
// ":/bitmaps/<id>.bmp", a wave id ":/waves/<id>.wav" (see ResourcePaths.h), and a string id the
// text that CStringTable::Get returns. resources/README.md tells what each picture shows and its
// size in pixels.

// Bitmaps: 256-colour uncompressed BMP pictures.
enum BitmapId : int
{
    // Start pages: header banners and the faces of their large picture buttons.
    IDB_DISK_BUTTON = 142,
    IDB_WELCOME_BANNER = 150,
    IDB_NAME_QUIZ_BANNER = 151,
    IDB_START_QUIZ_BANNER = 152,
    IDB_QUIZ_FORMAT_BANNER = 153,
    IDB_EXISTING_QUIZ_BUTTON = 157,
    IDB_MAKE_QUIZ_BUTTON = 158,
    IDB_NEW_QUIZ_BUTTON = 160,
    IDB_TAKE_QUIZ_BUTTON = 163,

    // The side picture of each quiz kind, the same on every page that shows one.
    IDB_TRUE_FALSE_SIDE = 155,
    IDB_MATH_SIDE = 159,
    IDB_SPELLING_SIDE = 162,
    IDB_FLASH_CARD_SIDE = 165,

    // Page banners of the flash card pages.
    IDB_FLASH_CARD_ADVICE_BANNER = 212,
    IDB_FLASH_CARD_INTRO_BANNER = 213,
    IDB_FLASH_CARD_MANAGER_BANNER = 214,
    IDB_FLASH_CARD_EDIT_BANNER = 215,
    IDB_FLASH_CARD_QUIZ_BANNER = 216, // question page and printouts

    // Page banners of the math pages.
    IDB_MATH_ADVICE_BANNER = 217,
    IDB_MATH_INTRO_BANNER = 218,
    IDB_MATH_MANAGER_BANNER = 219,
    IDB_MATH_EDIT_BANNER = 220,
    IDB_MATH_QUIZ_BANNER = 221, // question page and printouts

    // Score page banner, also the banner of the printed score sheet.
    IDB_SCORE_BANNER = 224,

    // Page banners of the spelling pages.
    IDB_SPELLING_ADVICE_BANNER = 226,
    IDB_SPELLING_INTRO_BANNER = 227,
    IDB_SPELLING_MANAGER_BANNER = 228,
    IDB_SPELLING_QUIZ_BANNER = 229, // word editor, question page and printouts

    // Page banners of the true/false pages.
    IDB_TRUE_FALSE_ADVICE_BANNER = 230,
    IDB_TRUE_FALSE_INTRO_BANNER = 231,
    IDB_TRUE_FALSE_MANAGER_BANNER = 232,
    IDB_TRUE_FALSE_QUIZ_BANNER = 233, // statement editor, question page and printouts

    // Flash card editor: the four frame pieces around the card box, in the front and back looks.
    IDB_CARD_FRONT_TOP = 260,
    IDB_CARD_FRONT_BOTTOM = 261,
    IDB_CARD_BACK_TOP = 262,
    IDB_CARD_FRONT_RIGHT = 263,
    IDB_CARD_BACK_BOTTOM = 309,
    IDB_CARD_BACK_RIGHT = 310,
    IDB_CARD_FRONT_LEFT = 311,
    IDB_CARD_BACK_LEFT = 312,

    // Feedback dialogs: three pictures for a right answer and three for a wrong one.
    IDB_FEEDBACK_WRONG_1 = 279,
    IDB_FEEDBACK_WRONG_2 = 280,
    IDB_FEEDBACK_WRONG_3 = 291,
    IDB_FEEDBACK_CORRECT_1 = 287,
    IDB_FEEDBACK_CORRECT_2 = 288,
    IDB_FEEDBACK_CORRECT_3 = 289,

    // Answer buttons of the true/false question page; the speaker of the spelling quiz, also
    // the Read aloud button of the true/false and flash card question pages; the speaker that
    // says a spelling word slowly.
    IDB_FALSE_BUTTON = 281,
    IDB_TRUE_BUTTON = 290,
    IDB_SPEAKER_BUTTON = 284,
    IDB_SLOW_SPEAKER_BUTTON = 285,

    // Flash card question page: decorations above and below the front and back boxes.
    IDB_FRONT_BOX_TOP = 292,
    IDB_FRONT_BOX_BOTTOM = 293,
    IDB_BACK_BOX_TOP = 294,
    IDB_BACK_BOX_BOTTOM = 317,

    // Editors: the label above the statement box, the strips above and below the word box, and
    // the calculator body that the math editor's keypad lies on (key places: PictureLayout.h).
    IDB_STATEMENT_LABEL = 295,
    IDB_WORD_BOX_TOP = 296,
    IDB_WORD_BOX_BOTTOM = 297,
    IDB_CALCULATOR_BODY = 316,

    // Score page: the seven frames of the perfect-score animation, by frame index. Frame 1 is
    // also the score picture shown for every other score.
    IDB_SCORE_FRAME_0 = 344,
    IDB_SCORE_FRAME_1 = 341,
    IDB_SCORE_FRAME_2 = 340,
    IDB_SCORE_FRAME_3 = 339,
    IDB_SCORE_FRAME_4 = 338,
    IDB_SCORE_FRAME_5 = 337,
    IDB_SCORE_FRAME_6 = 342,
    IDB_SCORE_PICTURE = IDB_SCORE_FRAME_1,

    // Printed score sheet: the picture for a perfect score and the one for any other score.
    IDB_PRINTED_PERFECT_SCORE = 347,
    IDB_PRINTED_SCORE = 348,
};

// Waves: 8-bit mono PCM sounds at 22,050 samples per second.
enum WaveId : int
{
    IDW_CARD_FLIP = 208,     // a flash card is turned over in the editor
    IDW_PASTE = 246,         // Paste in an editor
    IDW_PERFECT_SCORE = 303, // score page, every answer right (about 10 s)
    IDW_SCORE = 306,         // score page, any other score (about 7 s)
};

// Numbered texts of CStringTable.
enum StringId : int
{
    IDS_TRUE_FALSE_DESCRIPTION = 7,
    IDS_FLASH_CARD_DESCRIPTION = 8,
    IDS_MATH_DESCRIPTION = 9,
    IDS_SPELLING_DESCRIPTION = 10,
    IDS_CONFIRM_DELETE_QUESTION = 12,
    IDS_ASK_TAKE_QUIZ_NOW = 13,
    IDS_TRUE_FALSE_MANAGER_START = 15,
    IDS_FLASH_CARD_MANAGER_START = 16,
    IDS_SPELLING_MANAGER_START = 17,
    IDS_MATH_MANAGER_START = 18,
    IDS_ASK_SAVE_QUESTION = 19,
    IDS_ASK_FINISH_QUESTION = 20,
    IDS_CONFIRM_CHANGE_QUIZ_TYPE = 21,
    IDS_PROBLEM_MALFORMED = 22,
    IDS_TRUE_FALSE_MANAGER_HELP = 23,
    IDS_FLASH_CARD_MANAGER_HELP = 24,
    IDS_SPELLING_MANAGER_HELP = 25,
    IDS_MATH_MANAGER_HELP = 26,
    IDS_WELCOME_HELP = 29,
    IDS_FLASH_CARD_ADVICE_TIPS = 30,
    IDS_FLASH_CARD_ADVICE = 31,
    IDS_FLASH_CARD_INTRO_HELP = 32,
    IDS_FLASH_CARD_SHOW_FRONTS_HELP = 33,
    IDS_FLASH_CARD_EDIT_HELP = 34,
    IDS_MATH_EDIT_HELP = 35,
    IDS_MATH_ADVICE = 37,
    IDS_MATH_ADVICE_TIPS = 38,
    IDS_MATH_INTRO_ORDER_HELP = 39,
    IDS_MATH_INTRO_SCORE_HELP = 40,
    IDS_SPELLING_EDIT_HELP = 41,
    IDS_SPELLING_ADVICE = 42,
    IDS_SPELLING_ADVICE_TIPS = 43,
    IDS_SPELLING_INTRO_ORDER_HELP = 44,
    IDS_SPELLING_INTRO_SCORE_HELP = 45,
    IDS_TRUE_FALSE_ADVICE_TIPS = 46,
    IDS_TRUE_FALSE_EDIT_HELP = 47,
    IDS_QUIZ_HAS_NO_QUESTIONS = 48,
    IDS_FLASH_CARD_SHOW_BACKS_HELP = 49,
    IDS_PROBLEM_DIVIDES_BY_ZERO = 50,
    IDS_PROBLEM_NUMBER_TOO_LARGE = 51,
};
