#include "CPictureCatalog.h"

#include "CArtStyle.h"
#include "CBannerArt.h"
#include "CIconArt.h"
#include "COwlArt.h"
#include "PictureLayout.h"
#include "PictureWords.h"
#include "ResourceIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using Draw = std::function<void(QPainter&, const QRectF&)>;
using Icon = void (*)(QPainter&, const QRectF&);

constexpr QSize kBannerSize(720, 60);
constexpr QSize kKindSize(160, 140);
constexpr QSize kStartButtonSize(180, 120);
constexpr QSize kFeedbackSize(150, 150);
constexpr QSize kScoreFrameSize(183, 165);
constexpr QSize kPrintedScoreSize(300, 300);
constexpr QSize kAnswerButtonSize(140, 60);
constexpr QSize kAnswerBoxTopSize(220, 30);
constexpr QSize kAnswerBoxBottomSize(220, 16);
constexpr int kScoreFrameCount = 7;

QRectF CentredSquare(const QRectF& rect, qreal size, qreal dy = 0)
{
    return QRectF(rect.center().x() - size / 2, rect.center().y() - size / 2 + dy, size, size);
}

void DrawGroundShadow(QPainter& painter, const QPointF& centre, qreal width)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x26, 0x38, 0x59, 45));
    painter.drawEllipse(centre, width / 2, width / 9);
    painter.restore();
}

// A picture of an icon on a soft backdrop in one colour, with a few twinkles.
Draw IconOnBackdrop(Icon icon, QColor colour, qreal iconShare, quint32 seed)
{
    return [=](QPainter& painter, const QRectF& rect) {
        CArtStyle::DrawBackdrop(painter, rect, colour, seed);
        const qreal size = qMin(rect.width(), rect.height()) * iconShare;
        DrawGroundShadow(painter, QPointF(rect.center().x(), rect.center().y() + size * 0.47),
                         size * 0.9);
        icon(painter, CentredSquare(rect, size, -rect.height() * 0.02));
        const qreal unit = qMin(rect.width(), rect.height());
        CArtStyle::DrawTwinkle(painter, rect.topLeft() + QPointF(unit * 0.12, unit * 0.14),
                               unit * 0.06, Qt::white);
        CArtStyle::DrawTwinkle(painter, rect.topRight() + QPointF(-unit * 0.12, unit * 0.2),
                               unit * 0.045, Qt::white);
        CArtStyle::DrawTwinkle(painter, rect.bottomRight() + QPointF(-unit * 0.16, -unit * 0.14),
                               unit * 0.05, Qt::white);
    };
}

// The words lettered over a picture when it is shown, as the English program shows them.
QString EnglishWords(int id)
{
    QStringList words;
    for (const PictureWords::Word& word : PictureWords::For(id))
        words.append(QString::fromUtf8(word.source));
    return words.join(QLatin1Char(' '));
}

void TrueFalseIcon(QPainter& painter, const QRectF& square)
{
    CIconArt::DrawTrueFalse(painter, square);
}

} // namespace

QList<CPictureCatalog::Picture> CPictureCatalog::All()
{
    QList<Picture> pictures;
    AddStartPictures(pictures);
    AddKindPictures(pictures);
    AddBanners(pictures);
    AddCardFrames(pictures);
    AddFeedbackPictures(pictures);
    AddAnswerButtons(pictures);
    AddEditorPictures(pictures);
    AddScorePictures(pictures);
    return pictures;
}

QList<CPictureCatalog::Picture> CPictureCatalog::ById()
{
    QList<Picture> pictures = All();
    std::sort(pictures.begin(), pictures.end(),
              [](const Picture& a, const Picture& b) { return a.id < b.id; });
    return pictures;
}

void CPictureCatalog::AddStartPictures(QList<Picture>& pictures)
{
    pictures.append({IDB_MAKE_QUIZ_BUTTON, kStartButtonSize,
                     QStringLiteral("welcome page, Make Quiz button"),
                     QStringLiteral("a pencil writing on a sheet of paper"),
                     IconOnBackdrop(&CIconArt::DrawPencilAndPaper, CArtStyle::Sky(), 0.86, 158)});
    pictures.append({IDB_TAKE_QUIZ_BUTTON, kStartButtonSize,
                     QStringLiteral("welcome page, Take Quiz button"),
                     QStringLiteral("a clipboard with ticked answers and a gold star"),
                     IconOnBackdrop(&CIconArt::DrawClipboard, CArtStyle::Leaf(), 0.86, 163)});
    pictures.append({IDB_NEW_QUIZ_BUTTON, kStartButtonSize,
                     QStringLiteral("start-quiz page, New Quiz button"),
                     QStringLiteral("a fresh sheet of paper with a green plus"),
                     IconOnBackdrop(&CIconArt::DrawNewPaper, CArtStyle::Tangerine(), 0.86, 160)});
    pictures.append({IDB_EXISTING_QUIZ_BUTTON, kStartButtonSize,
                     QStringLiteral("start-quiz page, Existing Quiz button"),
                     QStringLiteral("a yellow folder holding quiz sheets"),
                     IconOnBackdrop(&CIconArt::DrawFolder, CArtStyle::Grape(), 0.86, 157)});
    pictures.append({IDB_DISK_BUTTON, QSize(128, 128),
                     QStringLiteral("name-quiz page, disk button"),
                     QStringLiteral("a blue disk with a label, for saving"),
                     IconOnBackdrop(&CIconArt::DrawDisk, CArtStyle::Sky(), 0.72, 142)});
}

void CPictureCatalog::AddKindPictures(QList<Picture>& pictures)
{
    pictures.append({IDB_TRUE_FALSE_SIDE, kKindSize,
                     QStringLiteral("side picture of true/false quizzes"),
                     QStringLiteral("a green tick badge and a coral cross badge"),
                     IconOnBackdrop(&TrueFalseIcon, CArtStyle::Leaf(), 0.8, 155)});
    pictures.append({IDB_FLASH_CARD_SIDE, kKindSize,
                     QStringLiteral("side picture of flash card quizzes"),
                     QStringLiteral("two flash cards, one showing A, with a turning arrow"),
                     IconOnBackdrop(&CIconArt::DrawFlashCards, CArtStyle::Grape(), 0.82, 165)});
    pictures.append(
        {IDB_SPELLING_SIDE, kKindSize, QStringLiteral("side picture of spelling quizzes"),
         QStringLiteral("three letter blocks A, B and C"),
         IconOnBackdrop(&CIconArt::DrawLetterBlocks, CArtStyle::Tangerine(), 0.8, 162)});
    pictures.append({IDB_MATH_SIDE, kKindSize, QStringLiteral("side picture of math quizzes"),
                     QStringLiteral("a tile of four keys: plus, minus, times and divide"),
                     IconOnBackdrop(&CIconArt::DrawMathSigns, CArtStyle::Ocean(), 0.74, 159)});
}

void CPictureCatalog::AddBanners(QList<Picture>& pictures)
{
    using Sign = CBannerArt::Sign;
    struct Banner
    {
        int id;
        QColor colour;
        Sign sign;
        const char* role;
    };
    const Banner banners[] = {
        {IDB_WELCOME_BANNER, CArtStyle::Teal(), Sign::Owl, "welcome page"},
        {IDB_START_QUIZ_BANNER, CArtStyle::Sky(), Sign::PencilAndPaper, "start-quiz page"},
        {IDB_NAME_QUIZ_BANNER, CArtStyle::Sky(), Sign::Disk, "name-quiz page"},
        {IDB_QUIZ_FORMAT_BANNER, CArtStyle::Sky(), Sign::Clipboard, "quiz format page"},
        {IDB_TRUE_FALSE_MANAGER_BANNER, CArtStyle::Leaf(), Sign::TrueFalse,
         "question manager, true/false quiz"},
        {IDB_TRUE_FALSE_QUIZ_BANNER, CArtStyle::Leaf(), Sign::TrueFalse,
         "statement editor, true/false question page and printouts"},
        {IDB_TRUE_FALSE_INTRO_BANNER, CArtStyle::Leaf(), Sign::TrueFalse,
         "true/false introduction page"},
        {IDB_TRUE_FALSE_ADVICE_BANNER, CArtStyle::Leaf(), Sign::TrueFalse,
         "true/false advice page"},
        {IDB_FLASH_CARD_MANAGER_BANNER, CArtStyle::Grape(), Sign::FlashCards,
         "question manager, flash card quiz"},
        {IDB_FLASH_CARD_EDIT_BANNER, CArtStyle::Grape(), Sign::FlashCards, "flash card editor"},
        {IDB_FLASH_CARD_QUIZ_BANNER, CArtStyle::Grape(), Sign::FlashCards,
         "flash card question page and printouts"},
        {IDB_FLASH_CARD_INTRO_BANNER, CArtStyle::Grape(), Sign::FlashCards,
         "flash card introduction page"},
        {IDB_FLASH_CARD_ADVICE_BANNER, CArtStyle::Grape(), Sign::FlashCards,
         "flash card advice page"},
        {IDB_SPELLING_MANAGER_BANNER, CArtStyle::Tangerine(), Sign::LetterBlocks,
         "question manager, spelling quiz"},
        {IDB_SPELLING_QUIZ_BANNER, CArtStyle::Tangerine(), Sign::LetterBlocks,
         "word editor, spelling question page and printouts"},
        {IDB_SPELLING_INTRO_BANNER, CArtStyle::Tangerine(), Sign::LetterBlocks,
         "spelling introduction page"},
        {IDB_SPELLING_ADVICE_BANNER, CArtStyle::Tangerine(), Sign::LetterBlocks,
         "spelling advice page"},
        {IDB_MATH_MANAGER_BANNER, CArtStyle::Ocean(), Sign::MathSigns,
         "question manager, math quiz"},
        {IDB_MATH_EDIT_BANNER, CArtStyle::Ocean(), Sign::MathSigns, "math problem editor"},
        {IDB_MATH_QUIZ_BANNER, CArtStyle::Ocean(), Sign::MathSigns,
         "math question page and printouts"},
        {IDB_MATH_INTRO_BANNER, CArtStyle::Ocean(), Sign::MathSigns, "math introduction page"},
        {IDB_MATH_ADVICE_BANNER, CArtStyle::Ocean(), Sign::MathSigns, "math advice page"},
        {IDB_SCORE_BANNER, CArtStyle::Sun(), Sign::Trophy, "score page and printed score sheet"},
    };
    for (const Banner& banner : banners) {
        const QColor colour = banner.colour;
        const Sign sign = banner.sign;
        pictures.append({banner.id, kBannerSize, QString::fromUtf8(banner.role),
                         QStringLiteral("title banner \"%1\"").arg(EnglishWords(banner.id)),
                         [=](QPainter& painter, const QRectF& rect) {
                             CBannerArt::Draw(painter, rect, colour, sign);
                         }});
    }
}

void CPictureCatalog::AddFeedbackPictures(QList<Picture>& pictures)
{
    const QString correct = QStringLiteral("feedback dialog, right answer");
    const QString wrong = QStringLiteral("feedback dialog, wrong answer");

    pictures.append(
        {IDB_FEEDBACK_CORRECT_1, kFeedbackSize, correct,
         QStringLiteral("the owl cheering with raised wings among stars"),
         [](QPainter& painter, const QRectF& rect) {
             CArtStyle::DrawBackdrop(painter, rect, CArtStyle::Leaf(), 287);
             CArtStyle::DrawConfetti(painter, rect, 22, 287);
             DrawGroundShadow(painter, QPointF(75, 136), 80);
             COwlArt::Draw(painter, QRectF(24, 30, 104, 104),
                           {COwlArt::Mood::Cheering, 1.0, false});
             CArtStyle::DrawStar(painter, QPointF(24, 26), 15, CArtStyle::Sun(), 2.5, -75);
             CArtStyle::DrawStar(painter, QPointF(128, 22), 12, CArtStyle::Sun(), 2.5, -100);
         }});
    pictures.append({IDB_FEEDBACK_CORRECT_2, kFeedbackSize, correct,
                     QStringLiteral("a big green tick badge with sparkles"),
                     [](QPainter& painter, const QRectF& rect) {
                         CArtStyle::DrawBackdrop(painter, rect, CArtStyle::Sun(), 288);
                         CArtStyle::DrawConfetti(painter, rect, 26, 288);
                         DrawGroundShadow(painter, QPointF(75, 134), 90);
                         CIconArt::DrawCheckBadge(painter, QRectF(22, 20, 106, 106),
                                                  CArtStyle::Leaf());
                         CArtStyle::DrawTwinkle(painter, QPointF(128, 28), 12, Qt::white);
                         CArtStyle::DrawTwinkle(painter, QPointF(22, 120), 9, Qt::white);
                     }});
    pictures.append({IDB_FEEDBACK_CORRECT_3, kFeedbackSize, correct,
                     QStringLiteral("a smiling gold star with sparkles"),
                     [](QPainter& painter, const QRectF& rect) {
                         CArtStyle::DrawBackdrop(painter, rect, CArtStyle::Sky(), 289);
                         CArtStyle::DrawConfetti(painter, rect, 22, 289);
                         DrawGroundShadow(painter, QPointF(75, 136), 90);
                         CIconArt::DrawSmilingStar(painter, QRectF(15, 14, 120, 120), -6);
                         CArtStyle::DrawTwinkle(painter, QPointF(128, 24), 11, Qt::white);
                         CArtStyle::DrawTwinkle(painter, QPointF(20, 30), 8, Qt::white);
                     }});
    pictures.append({IDB_FEEDBACK_WRONG_1, kFeedbackSize, wrong,
                     QStringLiteral("the owl thinking it over, with a question mark"),
                     [](QPainter& painter, const QRectF& rect) {
                         CArtStyle::DrawBackdrop(painter, rect, CArtStyle::Sky(), 279);
                         DrawGroundShadow(painter, QPointF(66, 138), 80);
                         COwlArt::Draw(painter, QRectF(12, 36, 104, 104),
                                       {COwlArt::Mood::Thinking, 0.0, false});
                         CIconArt::DrawQuestionMark(painter, QRectF(92, 8, 52, 52),
                                                    CArtStyle::Sun());
                     }});
    pictures.append({IDB_FEEDBACK_WRONG_2, kFeedbackSize, wrong,
                     QStringLiteral("the owl saying \"oops\", with a small cross badge"),
                     [](QPainter& painter, const QRectF& rect) {
                         CArtStyle::DrawBackdrop(painter, rect, CArtStyle::Grape(), 280);
                         DrawGroundShadow(painter, QPointF(70, 138), 80);
                         COwlArt::Draw(painter, QRectF(18, 36, 104, 104),
                                       {COwlArt::Mood::Surprised, 0.35, false});
                         CIconArt::DrawCrossBadge(painter, QRectF(100, 10, 40, 40),
                                                  CArtStyle::Coral());
                     }});
    pictures.append(
        {IDB_FEEDBACK_WRONG_3, kFeedbackSize, wrong,
         QStringLiteral("a round \"have another go\" arrow"),
         [](QPainter& painter, const QRectF& rect) {
             CArtStyle::DrawBackdrop(painter, rect, CArtStyle::Tangerine(), 291);
             DrawGroundShadow(painter, QPointF(75, 136), 90);
             CIconArt::DrawTryAgainArrow(painter, QRectF(20, 18, 110, 110), CArtStyle::Ocean());
             COwlArt::Draw(painter, QRectF(52, 52, 46, 46), {COwlArt::Mood::Happy, 0.0, false});
         }});
}

namespace {

// An answer button without its word, which is lettered right of the badge when shown.
Draw AnswerButton(QColor colour, bool tick)
{
    return [=](QPainter& painter, const QRectF& rect) {
        painter.fillRect(rect, CArtStyle::Page());
        const QRectF pill = rect.adjusted(5, 5, -5, -5);
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 40));
        painter.drawRoundedRect(pill.translated(1.5, 2), pill.height() / 2, pill.height() / 2);
        painter.restore();
        CArtStyle::FillRoundedRect(painter, pill, pill.height() / 2, colour, 2.5);
        CArtStyle::DrawGleam(painter, pill, pill.height() / 2);
        const QRectF badge(pill.left() + 6, pill.top() + 6, pill.height() - 12, pill.height() - 12);
        CArtStyle::FillEllipse(painter, badge, Qt::white, 2.2);
        if (tick) {
            CIconArt::DrawCheckMark(painter, badge, CArtStyle::Shade(colour, 0.2), 5);
        } else {
            CIconArt::DrawCrossMark(painter, badge.adjusted(1, 1, -1, -1),
                                    CArtStyle::Shade(colour, 0.2), 5);
        }
    };
}

} // namespace

void CPictureCatalog::AddAnswerButtons(QList<Picture>& pictures)
{
    pictures.append({IDB_TRUE_BUTTON, kAnswerButtonSize,
                     QStringLiteral("true/false question page, True button"),
                     QStringLiteral("a green button with a tick and \"True\""),
                     AnswerButton(CArtStyle::Leaf(), true)});
    pictures.append({IDB_FALSE_BUTTON, kAnswerButtonSize,
                     QStringLiteral("true/false question page, False button"),
                     QStringLiteral("a coral button with a cross and \"False\""),
                     AnswerButton(CArtStyle::Coral(), false)});
    pictures.append({IDB_SPEAKER_BUTTON, QSize(96, 96),
                     QStringLiteral("spelling question page, speaker button"),
                     QStringLiteral("a blue speaker sending out coloured sound waves"),
                     IconOnBackdrop(&CIconArt::DrawSpeaker, CArtStyle::Tangerine(), 0.8, 284)});
    pictures.append({IDB_SLOW_SPEAKER_BUTTON, QSize(96, 96),
                     QStringLiteral("spelling question page, Say it slowly button"),
                     QStringLiteral("the blue speaker with a snail crawling below it"),
                     IconOnBackdrop(&CIconArt::DrawSlowSpeaker, CArtStyle::Tangerine(), 0.8, 285)});
}

namespace {

// Which piece of the card frame a picture is; the pieces share one outline around the box.
enum class CardPiece
{
    Top,
    Bottom,
    Left,
    Right
};

void DrawDots(QPainter& painter, const QRectF& area, const QColor& colour, qreal spacing)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (qreal y = area.top() + spacing / 2; y < area.bottom(); y += spacing) {
        for (qreal x = area.left() + spacing / 2; x < area.right(); x += spacing) {
            painter.drawEllipse(QPointF(x, y), 1.6, 1.6);
        }
    }
    painter.restore();
}

Draw CardFramePiece(CardPiece piece, QColor colour)
{
    return [=](QPainter& painter, const QRectF& rect) {
        QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
        fill.setColorAt(0, CArtStyle::Tint(colour, 0.15));
        fill.setColorAt(1, CArtStyle::Shade(colour, 0.05));
        if (piece == CardPiece::Left || piece == CardPiece::Right) {
            fill.setColorAt(0, colour);
            fill.setColorAt(1, colour);
        }
        painter.fillRect(rect, fill);
        const qreal edge = PictureLayout::kCardEdgeWidth;
        DrawDots(painter, rect, CArtStyle::Tint(colour, 0.35), 8);

        // The outer outline of the whole frame, and the line around the box inside it.
        painter.save();
        painter.setPen(QPen(CArtStyle::Ink(), 2));
        const qreal l = rect.left() + 1, r = rect.right() - 1;
        const qreal t = rect.top() + 1, b = rect.bottom() - 1;
        switch (piece) {
        case CardPiece::Top:
            painter.drawLine(QPointF(l, t), QPointF(r, t));
            painter.drawLine(QPointF(l, t), QPointF(l, rect.bottom()));
            painter.drawLine(QPointF(r, t), QPointF(r, rect.bottom()));
            painter.drawLine(QPointF(edge - 1, b), QPointF(rect.width() - edge + 1, b));
            break;
        case CardPiece::Bottom:
            painter.drawLine(QPointF(l, b), QPointF(r, b));
            painter.drawLine(QPointF(l, rect.top()), QPointF(l, b));
            painter.drawLine(QPointF(r, rect.top()), QPointF(r, b));
            painter.drawLine(QPointF(edge - 1, t), QPointF(rect.width() - edge + 1, t));
            break;
        case CardPiece::Left:
            painter.drawLine(QPointF(l, rect.top()), QPointF(l, rect.bottom()));
            painter.drawLine(QPointF(r, rect.top()), QPointF(r, rect.bottom()));
            break;
        case CardPiece::Right:
            painter.drawLine(QPointF(l, rect.top()), QPointF(l, rect.bottom()));
            painter.drawLine(QPointF(r, rect.top()), QPointF(r, rect.bottom()));
            break;
        }
        painter.restore();

        if (piece == CardPiece::Top) {
            const QRectF tab(rect.left() + 12, rect.top() + 4, 150, rect.height() - 9);
            CArtStyle::FillRoundedRect(painter, tab, tab.height() / 2, Qt::white, 2);
            for (int i = 0; i < 3; ++i) {
                CArtStyle::DrawStar(painter,
                                    QPointF(rect.right() - 22 - i * 24, rect.center().y() - 1),
                                    7 - i, CArtStyle::Sun(), 1.6, -90 + i * 12);
            }
        }
        if (piece == CardPiece::Bottom) {
            CArtStyle::DrawTwinkle(painter, QPointF(rect.right() - 26, rect.center().y()), 5,
                                   Qt::white);
            CArtStyle::DrawTwinkle(painter, QPointF(26, rect.center().y()), 5, Qt::white);
        }
    };
}

} // namespace

void CPictureCatalog::AddCardFrames(QList<Picture>& pictures)
{
    using namespace PictureLayout;
    const QSize strip(kCardBoxWidth + 2 * kCardEdgeWidth, kCardTopHeight);
    const QSize bottom(kCardBoxWidth + 2 * kCardEdgeWidth, kCardBottomHeight);
    const QSize edge(kCardEdgeWidth, kCardBoxHeight);
    const QColor front = CArtStyle::Grape();
    const QColor back = CArtStyle::Tangerine();
    const QString frontRole = QStringLiteral("flash card editor, card frame, front look");
    const QString backRole = QStringLiteral("flash card editor, card frame, back look");

    pictures.append({IDB_CARD_FRONT_TOP, strip, frontRole,
                     QStringLiteral("top strip, purple, \"Front of the card\" tab and stars"),
                     CardFramePiece(CardPiece::Top, front)});
    pictures.append({IDB_CARD_FRONT_BOTTOM, bottom, frontRole,
                     QStringLiteral("bottom strip, purple"),
                     CardFramePiece(CardPiece::Bottom, front)});
    pictures.append({IDB_CARD_FRONT_LEFT, edge, frontRole, QStringLiteral("left edge, purple"),
                     CardFramePiece(CardPiece::Left, front)});
    pictures.append({IDB_CARD_FRONT_RIGHT, edge, frontRole, QStringLiteral("right edge, purple"),
                     CardFramePiece(CardPiece::Right, front)});
    pictures.append({IDB_CARD_BACK_TOP, strip, backRole,
                     QStringLiteral("top strip, orange, \"Back of the card\" tab and stars"),
                     CardFramePiece(CardPiece::Top, back)});
    pictures.append({IDB_CARD_BACK_BOTTOM, bottom, backRole, QStringLiteral("bottom strip, orange"),
                     CardFramePiece(CardPiece::Bottom, back)});
    pictures.append({IDB_CARD_BACK_LEFT, edge, backRole, QStringLiteral("left edge, orange"),
                     CardFramePiece(CardPiece::Left, back)});
    pictures.append({IDB_CARD_BACK_RIGHT, edge, backRole, QStringLiteral("right edge, orange"),
                     CardFramePiece(CardPiece::Right, back)});
}

namespace {

// A label plate on the page: a rounded tab with a small sign, and room for its word.
Draw LabelTab(QColor colour, Icon icon, bool roundBottom)
{
    return [=](QPainter& painter, const QRectF& rect) {
        painter.fillRect(rect, CArtStyle::Page());
        QPainterPath tab;
        const QRectF body = rect.adjusted(2, 2, -2, roundBottom ? -3 : 12);
        tab.addRoundedRect(body, 12, 12);
        QPainterPath clip;
        clip.addRect(rect.adjusted(0, 0, 0, roundBottom ? 0 : -1));
        CArtStyle::FillShape(painter, tab.intersected(clip), colour, 2.2);
        if (!roundBottom) {
            painter.fillRect(QRectF(rect.left() + 2, rect.bottom() - 1, rect.width() - 4, 2),
                             CArtStyle::Ink());
        }
        const qreal iconSize = rect.height() - 8;
        icon(painter, QRectF(rect.left() + 10, rect.top() + 4, iconSize, iconSize));
        CArtStyle::DrawStar(painter, QPointF(rect.right() - 18, rect.center().y()),
                            rect.height() * 0.24, CArtStyle::Sun(), 1.6, -80);
    };
}

// The closing strip under a box: the bottom of a tab with a few dots.
Draw ClosingStrip(QColor colour)
{
    return [=](QPainter& painter, const QRectF& rect) {
        painter.fillRect(rect, CArtStyle::Page());
        QPainterPath strip;
        strip.addRoundedRect(rect.adjusted(2, -12, -2, -2), 10, 10);
        QPainterPath clip;
        clip.addRect(rect.adjusted(0, 1, 0, 0));
        CArtStyle::FillShape(painter, strip.intersected(clip), colour, 2.2);
        painter.fillRect(QRectF(rect.left() + 2, rect.top(), rect.width() - 4, 2),
                         CArtStyle::Ink());
        for (int i = 0; i < 3; ++i) {
            CArtStyle::DrawTwinkle(painter,
                                   QPointF(rect.center().x() + (i - 1) * 18, rect.center().y()),
                                   rect.height() * 0.22, Qt::white);
        }
    };
}

void PencilIcon(QPainter& painter, const QRectF& square)
{
    CIconArt::DrawPencilAndPaper(painter, square);
}

void CardIcon(QPainter& painter, const QRectF& square)
{
    CIconArt::DrawFlashCards(painter, square);
}

void BlocksIcon(QPainter& painter, const QRectF& square)
{
    CIconArt::DrawLetterBlocks(painter, square);
}

void DrawCalculator(QPainter& painter, const QRectF& rect)
{
    using namespace PictureLayout;
    painter.fillRect(rect, CArtStyle::Page());
    const QRectF body = rect.adjusted(2, 2, -2, -2);
    CArtStyle::FillRoundedRect(painter, body, 18, CArtStyle::Ocean(), 3);
    CArtStyle::DrawGleam(painter, QRectF(body.left(), body.top(), body.width(), 70), 16);

    // Name plate and a little solar panel at the top.
    const QRectF plate(kKeyLeft, 12, 118, 32);
    CArtStyle::FillRoundedRect(painter, plate, 8, CArtStyle::Shade(CArtStyle::Ocean(), 0.35), 2);
    CArtStyle::DrawCentredText(painter, plate, QStringLiteral("TUTORAMA"), CArtStyle::Font(16),
                               CArtStyle::Sun(), CArtStyle::Ink(), 1.2);
    const QRectF solar(rect.right() - kKeyLeft - 88, 14, 88, 28);
    CArtStyle::FillRoundedRect(painter, solar, 4, QColor(0x3b, 0x2f, 0x5c), 2);
    painter.save();
    painter.setPen(QPen(QColor(0x7d, 0x6b, 0xb0), 1.5));
    for (int i = 1; i < 4; ++i) {
        const qreal x = solar.left() + i * solar.width() / 4;
        painter.drawLine(QPointF(x, solar.top() + 3), QPointF(x, solar.bottom() - 3));
    }
    painter.restore();

    for (int row = 0; row < kKeyRows; ++row) {
        for (int column = 0; column < kKeyColumns; ++column) {
            const QRectF key(kKeyLeft + column * kKeyPitchX, kKeyTop + row * kKeyPitchY, kKeyWidth,
                             kKeyHeight);
            const bool emptyPlace = row == kKeyRows - 1 && column == 1;
            if (emptyPlace) {
                CIconArt::DrawSmilingStar(painter, CentredSquare(key, kKeyHeight + 6), -8);
                continue;
            }
            const QRectF well = key.adjusted(-4, -4, 4, 4);
            painter.save();
            painter.setPen(QPen(CArtStyle::Ink(), 2));
            QLinearGradient inside(well.topLeft(), well.bottomLeft());
            inside.setColorAt(0, CArtStyle::Shade(CArtStyle::Ocean(), 0.6));
            inside.setColorAt(1, CArtStyle::Shade(CArtStyle::Ocean(), 0.3));
            painter.setBrush(inside);
            painter.drawRoundedRect(well, 9, 9);
            painter.restore();
        }
    }
}

} // namespace

void CPictureCatalog::AddEditorPictures(QList<Picture>& pictures)
{
    const QColor front = CArtStyle::Grape();
    const QColor back = CArtStyle::Tangerine();
    pictures.append({IDB_FRONT_BOX_TOP, kAnswerBoxTopSize,
                     QStringLiteral("flash card question page, above the front box"),
                     QStringLiteral("purple tab \"Front\" with cards and a star"),
                     LabelTab(front, &CardIcon, false)});
    pictures.append({IDB_FRONT_BOX_BOTTOM, kAnswerBoxBottomSize,
                     QStringLiteral("flash card question page, below the front box"),
                     QStringLiteral("purple closing strip with twinkles"), ClosingStrip(front)});
    pictures.append({IDB_BACK_BOX_TOP, kAnswerBoxTopSize,
                     QStringLiteral("flash card question page, above the back box"),
                     QStringLiteral("orange tab \"Back\" with cards and a star"),
                     LabelTab(back, &CardIcon, false)});
    pictures.append({IDB_BACK_BOX_BOTTOM, kAnswerBoxBottomSize,
                     QStringLiteral("flash card question page, below the back box"),
                     QStringLiteral("orange closing strip with twinkles"), ClosingStrip(back)});
    pictures.append({IDB_STATEMENT_LABEL, QSize(300, 36),
                     QStringLiteral("true/false editor, above the statement box"),
                     QStringLiteral("green tab \"Statement\" with pencil and paper"),
                     LabelTab(CArtStyle::Leaf(), &PencilIcon, true)});
    pictures.append({IDB_WORD_BOX_TOP, QSize(300, 36),
                     QStringLiteral("spelling editor, above the word box"),
                     QStringLiteral("orange tab \"Spelling Word\" with letter blocks"),
                     LabelTab(CArtStyle::Tangerine(), &BlocksIcon, false)});
    pictures.append({IDB_WORD_BOX_BOTTOM, QSize(300, 20),
                     QStringLiteral("spelling editor, below the word box"),
                     QStringLiteral("orange closing strip with twinkles"),
                     ClosingStrip(CArtStyle::Tangerine())});
    pictures.append(
        {IDB_CALCULATOR_BODY,
         QSize(PictureLayout::kCalculatorWidth, PictureLayout::kCalculatorHeight),
         QStringLiteral("math editor, under the keypad"),
         QStringLiteral("blue calculator body with name plate, solar panel and 15 key wells"),
         &DrawCalculator});
}

namespace {

void DrawRays(QPainter& painter, const QRectF& rect, const QColor& colour, qreal turn)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QPointF centre = rect.center() + QPointF(0, rect.height() * 0.08);
    const qreal reach = std::hypot(rect.width(), rect.height());
    const int rays = 12;
    for (int i = 0; i < rays; ++i) {
        const qreal a = (turn + i * 360.0 / rays) * std::numbers::pi / 180.0;
        const qreal b = a + std::numbers::pi / rays;
        QPainterPath ray;
        ray.moveTo(centre);
        ray.lineTo(centre + QPointF(std::cos(a), std::sin(a)) * reach);
        ray.lineTo(centre + QPointF(std::cos(b), std::sin(b)) * reach);
        ray.closeSubpath();
        painter.drawPath(ray);
    }
    painter.restore();
}

// One frame of the score dance: t runs from 0 (first frame) to 1 (last). The owl sways from
// left to right and back as the frames are shown forwards and backwards, lifting its wings.
void DrawScoreFrame(QPainter& painter, const QRectF& rect, qreal t)
{
    CArtStyle::DrawBackdrop(painter, rect, CArtStyle::Sun(), 341);
    DrawRays(painter, rect, QColor(255, 255, 255, 60), t * 30.0);
    CArtStyle::DrawConfetti(painter, rect, 30, 341, t);

    const qreal sway = (t - 0.5) * 2.0;
    const qreal hop = std::sin(t * std::numbers::pi);
    const qreal owlSize = 118;
    const QPointF centre(rect.center().x() + sway * 22, rect.center().y() + 8 - hop * 8);
    DrawGroundShadow(painter, QPointF(rect.center().x() + sway * 22, rect.bottom() - 8),
                     76 - hop * 14);
    painter.save();
    painter.translate(centre);
    painter.rotate(sway * 12);
    COwlArt::Draw(painter, QRectF(-owlSize / 2, -owlSize / 2, owlSize, owlSize),
                  {COwlArt::Mood::Cheering, 0.3 + 0.7 * t, false});
    painter.restore();

    CArtStyle::DrawStar(painter, QPointF(24, 26), 13 + 3 * t, Qt::white, 2.2, -90 + t * 40);
    CArtStyle::DrawStar(painter, QPointF(rect.right() - 24, 30), 16 - 3 * t, CArtStyle::Coral(),
                        2.2, -90 - t * 40);
    CArtStyle::DrawTwinkle(painter, QPointF(rect.right() - 30, rect.bottom() - 36), 6 + 4 * t,
                           Qt::white);
    CArtStyle::DrawTwinkle(painter, QPointF(30, rect.bottom() - 40), 10 - 4 * t, Qt::white);
}

void DrawPrintedScore(QPainter& painter, const QRectF& rect, bool perfect)
{
    painter.fillRect(rect, Qt::white);
    CArtStyle::DrawConfetti(painter, rect.adjusted(10, 10, -10, -10), perfect ? 40 : 22,
                            perfect ? 347 : 348);
    if (perfect) {
        CIconArt::DrawTrophy(painter, QRectF(45, 20, 210, 210));
        const QRectF ribbon(60, 228, 180, 52);
        CArtStyle::FillRoundedRect(painter, ribbon, 26, CArtStyle::Coral(), 3);
        CArtStyle::DrawGleam(painter, ribbon, 26);
        CArtStyle::DrawCentredText(painter, ribbon, QStringLiteral("100%"), CArtStyle::Font(36),
                                   Qt::white, CArtStyle::Ink(), 2.5);
    } else {
        CIconArt::DrawRosette(painter, QRectF(40, 30, 220, 220));
    }
    CArtStyle::DrawStar(painter, QPointF(38, 44), 20, CArtStyle::Sun(), 3, -75);
    CArtStyle::DrawStar(painter, QPointF(262, 58), 16, CArtStyle::Sun(), 3, -100);
    CArtStyle::DrawStar(painter, QPointF(258, 250), 12, CArtStyle::Sun(), 2.5, -85);
}

} // namespace

void CPictureCatalog::AddScorePictures(QList<Picture>& pictures)
{
    const int frameIds[kScoreFrameCount] = {IDB_SCORE_FRAME_0, IDB_SCORE_FRAME_1, IDB_SCORE_FRAME_2,
                                            IDB_SCORE_FRAME_3, IDB_SCORE_FRAME_4, IDB_SCORE_FRAME_5,
                                            IDB_SCORE_FRAME_6};
    for (int frame = 0; frame < kScoreFrameCount; ++frame) {
        const qreal t = qreal(frame) / (kScoreFrameCount - 1);
        const QString role =
            frame == 1
                ? QStringLiteral(
                      "score page: score picture, and frame 1 of the perfect-score dance")
                : QStringLiteral("score page: frame %1 of the perfect-score dance").arg(frame);
        pictures.append(
            {frameIds[frame], kScoreFrameSize, role,
             QStringLiteral("the owl dancing under sun rays and confetti (step %1 of 7)")
                 .arg(frame + 1),
             [t](QPainter& painter, const QRectF& rect) { DrawScoreFrame(painter, rect, t); }});
    }
    pictures.append(
        {IDB_PRINTED_PERFECT_SCORE, kPrintedScoreSize,
         QStringLiteral("printed score sheet, perfect score"),
         QStringLiteral("a gold trophy with a \"100%\" ribbon, stars and confetti on white"),
         [](QPainter& painter, const QRectF& rect) { DrawPrintedScore(painter, rect, true); }});
    pictures.append(
        {IDB_PRINTED_SCORE, kPrintedScoreSize,
         QStringLiteral("printed score sheet, any other score"),
         QStringLiteral("a blue prize rosette with a star, stars and confetti on white"),
         [](QPainter& painter, const QRectF& rect) { DrawPrintedScore(painter, rect, false); }});
}
