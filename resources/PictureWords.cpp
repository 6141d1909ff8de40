#include "PictureWords.h"

#include "ArtColours.h"
#include "ResourceIds.h"

#include <QCoreApplication>

namespace PictureWords {

namespace {

using namespace ArtColours;

// Title banners: the title runs from the right of the round badge to the stars at the right.
constexpr double kBannerWidth = 720;
constexpr double kBannerHeight = 60;
constexpr double kBannerTextLeft = kBannerHeight + 14;
constexpr double kBannerStarRoom = 90;

struct Banner
{
    int id;
    const char* title;
    quint32 colour;
};

// QT_TRANSLATE_NOOP marks the texts for the translation; they are translated when drawn.
const Banner kBanners[] = {
    {IDB_WELCOME_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Welcome to the Tutorama!"), kTeal},
    {IDB_START_QUIZ_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Make or Modify a Quiz"), kSky},
    {IDB_NAME_QUIZ_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Name Your Quiz"), kSky},
    {IDB_QUIZ_FORMAT_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Choose a Quiz Format"), kSky},
    {IDB_TRUE_FALSE_MANAGER_BANNER, QT_TRANSLATE_NOOP("PictureWords", "True/False Quiz Manager"),
     kLeaf},
    {IDB_TRUE_FALSE_QUIZ_BANNER, QT_TRANSLATE_NOOP("PictureWords", "True/False Quiz"), kLeaf},
    {IDB_TRUE_FALSE_INTRO_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Taking a True/False Quiz"),
     kLeaf},
    {IDB_TRUE_FALSE_ADVICE_BANNER, QT_TRANSLATE_NOOP("PictureWords", "True/False Quiz Advice"),
     kLeaf},
    {IDB_FLASH_CARD_MANAGER_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Flash Card Quiz Manager"),
     kGrape},
    {IDB_FLASH_CARD_EDIT_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Making Flash Cards"), kGrape},
    {IDB_FLASH_CARD_QUIZ_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Flash Card Quiz"), kGrape},
    {IDB_FLASH_CARD_INTRO_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Taking a Flash Card Quiz"),
     kGrape},
    {IDB_FLASH_CARD_ADVICE_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Flash Card Quiz Advice"),
     kGrape},
    {IDB_SPELLING_MANAGER_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Spelling Quiz Manager"),
     kTangerine},
    {IDB_SPELLING_QUIZ_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Spelling Quiz"), kTangerine},
    {IDB_SPELLING_INTRO_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Taking a Spelling Quiz"),
     kTangerine},
    {IDB_SPELLING_ADVICE_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Spelling Quiz Advice"),
     kTangerine},
    {IDB_MATH_MANAGER_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Math Quiz Manager"), kOcean},
    {IDB_MATH_EDIT_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Making Math Problems"), kOcean},
    {IDB_MATH_QUIZ_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Math Quiz"), kOcean},
    {IDB_MATH_INTRO_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Taking a Math Quiz"), kOcean},
    {IDB_MATH_ADVICE_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Math Quiz Advice"), kOcean},
    {IDB_SCORE_BANNER, QT_TRANSLATE_NOOP("PictureWords", "Your Score"), kSun},
};

Word BannerTitle(const Banner& banner)
{
    Word word;
    word.source = banner.title;
    word.box = QRectF(kBannerTextLeft, 0, kBannerWidth - kBannerTextLeft - kBannerStarRoom,
                      kBannerHeight - 4);
    word.pixelSize = kBannerHeight * 0.5;
    word.fill = kWhite;
    word.outline = kInk;
    word.outlineWidth = 2.5;
    word.shadowOffset = QPointF(2, 2.5);
    word.shadow = Shade(banner.colour, 0.55);
    return word;
}

// The white tab at the top left of a flash card frame.
Word CardHead(const char* text, quint32 colour)
{
    Word word;
    word.source = text;
    word.box = QRectF(18, 4, 138, 19);
    word.pixelSize = 15;
    word.align = Align::Centre;
    word.fill = Shade(colour, 0.3);
    return word;
}

// A coloured tab over a box, with a small sign at its left and a star at its right.
Word TabHead(const char* text, double width, double height)
{
    const double iconRoom = 12 + (height - 8) + 6;
    const double starLeft = width - 18 - height * 0.24 - 4;
    Word word;
    word.source = text;
    word.box = QRectF(iconRoom, 0, starLeft - iconRoom, height - 1);
    word.pixelSize = height * 0.5;
    word.fill = kWhite;
    word.outline = kInk;
    word.outlineWidth = 1.8;
    return word;
}

// The word on a true/false answer button, right of its round badge.
Word AnswerWord(const char* text)
{
    Word word;
    word.source = text;
    word.box = QRectF(53, 5, 74, 50);
    word.pixelSize = 24;
    word.align = Align::Centre;
    word.fill = kWhite;
    word.outline = kInk;
    word.outlineWidth = 2.2;
    return word;
}

} // namespace

QList<Word> For(int pictureId)
{
    for (const Banner& banner : kBanners) {
        if (banner.id == pictureId)
            return {BannerTitle(banner)};
    }
    switch (pictureId) {
    case IDB_CARD_FRONT_TOP:
        return {CardHead(QT_TRANSLATE_NOOP("PictureWords", "Front of the card"), kGrape)};
    case IDB_CARD_BACK_TOP:
        return {CardHead(QT_TRANSLATE_NOOP("PictureWords", "Back of the card"), kTangerine)};
    case IDB_FRONT_BOX_TOP:
        return {TabHead(QT_TRANSLATE_NOOP("PictureWords", "Front"), 220, 30)};
    case IDB_BACK_BOX_TOP:
        return {TabHead(QT_TRANSLATE_NOOP("PictureWords", "Back"), 220, 30)};
    case IDB_STATEMENT_LABEL:
        return {TabHead(QT_TRANSLATE_NOOP("PictureWords", "Statement"), 300, 36)};
    case IDB_WORD_BOX_TOP:
        return {TabHead(QT_TRANSLATE_NOOP("PictureWords", "Spelling Word"), 300, 36)};
    case IDB_TRUE_BUTTON:
        return {AnswerWord(QT_TRANSLATE_NOOP("PictureWords", "True"))};
    case IDB_FALSE_BUTTON:
        return {AnswerWord(QT_TRANSLATE_NOOP("PictureWords", "False"))};
    default:
        return {};
    }
}

QString Text(const Word& word)
{
    return QCoreApplication::translate("PictureWords", word.source);
}

} // namespace PictureWords
