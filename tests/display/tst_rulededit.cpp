#include "CCellEdit.h"
#include "CContrast.h"
#include "CRuledEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QtMath>

#include <algorithm>

namespace {

const QRgb kBlue = qRgb(0, 0, 255);

void PutOnClipboard(QMimeData* data)
{
    QGuiApplication::clipboard()->setMimeData(data);
}

QMimeData* PictureOnly()
{
    auto* data = new QMimeData;
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    data->setImageData(picture);
    return data;
}

} // namespace

class TestRuledEdit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void ruledLinePositions_data();
    void ruledLinePositions();
    void linesMeetTheText();
    void linesAreDrawnBlue();
    void linesStayWhenScrollingBack_data();
    void linesStayWhenScrollingBack();
    void upArrowOnFirstLineKeepsCaret_data();
    void upArrowOnFirstLineKeepsCaret();
    void pictureOnlyPasteLeavesText();
    void textPasteIsPlain();

    void cellLinePositions_data();
    void cellLinePositions();
    void cellFontIsFixedPitch();
    void cellLinesMeetTheLetters_data();
    void cellLinesMeetTheLetters();
    void cellLinesAreDrawnCyan();
    void linesKeepTheirContrast_data();
    void linesKeepTheirContrast();
    void cellPictureOnlyPasteLeavesText();

private:
    QWidget* m_pWindow = nullptr;
    CRuledEdit* m_pRuled = nullptr;
    CCellEdit* m_pCells = nullptr;
};

void TestRuledEdit::init()
{
    m_pWindow = new QWidget;
    m_pWindow->resize(400, 300);
    m_pRuled = new CRuledEdit(m_pWindow);
    m_pRuled->setGeometry(10, 10, 300, 120);
    m_pCells = new CCellEdit(m_pWindow);
    m_pCells->setFont(CCellEdit::CellFont());
    m_pCells->setGeometry(10, 150, 300, 40);
    m_pWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pWindow));
    m_pWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pWindow));
}

void TestRuledEdit::cleanup()
{
    delete m_pWindow;
    m_pWindow = nullptr;
}

void TestRuledEdit::ruledLinePositions_data()
{
    QTest::addColumn<int>("bottom");
    QTest::addColumn<qreal>("height");
    QTest::addColumn<int>("origin");
    QTest::addColumn<QList<int>>("lines");
    QTest::addRow("100 high, h = 16") << 100 << 16.0 << 0 << QList<int>{16, 32, 48, 64, 80, 96};
    QTest::addRow("lower than one line") << 15 << 16.0 << 0 << QList<int>{};
    QTest::addRow("exactly one line") << 16 << 16.0 << 0 << QList<int>{16};
    QTest::addRow("text starts 4 down") << 40 << 16.0 << 4 << QList<int>{20, 36};
    QTest::addRow("rows of 15.6 do not drift") << 80 << 15.6 << 0 << QList<int>{16, 31, 47, 62, 78};
    QTest::addRow("no line height") << 100 << 0.0 << 0 << QList<int>{};
}

void TestRuledEdit::ruledLinePositions()
{
    QFETCH(int, bottom);
    QFETCH(qreal, height);
    QFETCH(int, origin);
    QFETCH(QList<int>, lines);
    QCOMPARE(CRuledEdit::LinePositions(bottom, height, origin), lines);
}

void TestRuledEdit::linesMeetTheText()
{
    for (int points : {10, 14, 20}) {
        m_pRuled->setFont(QFont(QStringLiteral("Arial"), points));
        m_pRuled->setPlainText(QStringLiteral("one\ntwo\nthree"));
        const QList<int> lines = m_pRuled->RuledLines();
        QVERIFY(lines.size() >= 2);
        QVERIFY(qAbs(lines.at(1) - lines.at(0) - m_pRuled->LineHeight()) <= 1);
        // Each line runs along the bottom of a row of text.
        QTextBlock block = m_pRuled->document()->firstBlock();
        for (int row = 0; row < 3 && row < lines.size(); ++row, block = block.next()) {
            const QRect caret = m_pRuled->cursorRect(QTextCursor(block));
            QVERIFY2(qAbs(caret.top() + caret.height() - lines.at(row)) <= 1,
                     qPrintable(QStringLiteral("row %1 ends at %2, line at %3")
                                    .arg(row)
                                    .arg(caret.top() + caret.height())
                                    .arg(lines.at(row))));
        }
    }
}

void TestRuledEdit::linesAreDrawnBlue()
{
    const QList<int> lines = m_pRuled->RuledLines();
    QVERIFY(!lines.isEmpty());
    const QImage shot =
        m_pRuled->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int x = shot.width() / 2;
    for (int y : lines)
        QCOMPARE(shot.pixel(x, y), kBlue);
    QVERIFY(shot.pixel(x, lines.at(0) - 1) != kBlue);
    QVERIFY(shot.pixel(x, 0) != kBlue);
}

void TestRuledEdit::linesStayWhenScrollingBack_data()
{
    QTest::addColumn<bool>("wheel");
    QTest::addRow("up arrow") << false;
    QTest::addRow("mouse wheel") << true;
}

void TestRuledEdit::linesStayWhenScrollingBack()
{
    // What is on screen: the window's backing store, where a scroll moves the
    // pixels already drawn (grabbing the widget would draw it afresh).
    QFETCH(bool, wheel);
    QStringList rows;
    for (int i = 0; i < 40; ++i)
        rows << QStringLiteral("Row %1").arg(i);
    m_pRuled->setPlainText(rows.join(u'\n'));
    m_pRuled->setFocus();
    m_pRuled->moveCursor(QTextCursor::End);
    QTest::qWait(20);
    QWidget* viewport = m_pRuled->viewport();
    for (int step = 0; step < 12; ++step) {
        if (wheel) {
            const QPoint at = viewport->rect().center();
            QWheelEvent up(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                           Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(viewport, &up);
        } else {
            QTest::keyClick(m_pRuled, Qt::Key_Up);
        }
        QTest::qWait(5);
    }
    const QScrollBar* bar = m_pRuled->verticalScrollBar();
    QVERIFY(bar->value() < bar->maximum());
    const QImage screen = m_pWindow->screen()
                              ->grabWindow(m_pWindow->winId())
                              .toImage()
                              .convertToFormat(QImage::Format_RGB32);
    const QPoint origin = viewport->mapTo(m_pWindow, QPoint(0, 0)) * screen.devicePixelRatio();
    const int x = origin.x() + viewport->width() * 3 / 4;
    const QList<int> lines = m_pRuled->RuledLines();
    QVERIFY(lines.size() > 3);
    for (int y : lines)
        QCOMPARE(screen.pixel(x, origin.y() + y), kBlue);
}

void TestRuledEdit::upArrowOnFirstLineKeepsCaret_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("moves");
    QTest::addRow("middle of the first line") << 3 << false;
    QTest::addRow("start of the text") << 0 << false;
    QTest::addRow("end of the first line") << 5 << false;
    QTest::addRow("second line") << 9 << true;
}

void TestRuledEdit::upArrowOnFirstLineKeepsCaret()
{
    QFETCH(int, start);
    QFETCH(bool, moves);
    m_pRuled->setPlainText(QStringLiteral("hello\nworld"));
    m_pRuled->setFocus();
    QTextCursor cursor = m_pRuled->textCursor();
    cursor.setPosition(start);
    m_pRuled->setTextCursor(cursor);
    QTest::keyClick(m_pRuled, Qt::Key_Up);
    QCOMPARE(m_pRuled->textCursor().position() != start, moves);
    QCOMPARE(m_pRuled->toPlainText(), QStringLiteral("hello\nworld"));
}

void TestRuledEdit::pictureOnlyPasteLeavesText()
{
    m_pRuled->setPlainText(QStringLiteral("The sun is a star."));
    m_pRuled->setFocus();
    m_pRuled->selectAll();
    PutOnClipboard(PictureOnly());
    QVERIFY(!m_pRuled->canPaste());
    QTest::keySequence(m_pRuled, QKeySequence::Paste);
    m_pRuled->paste();
    QCOMPARE(m_pRuled->toPlainText(), QStringLiteral("The sun is a star."));
}

void TestRuledEdit::textPasteIsPlain()
{
    m_pRuled->setFocus();
    auto* data = new QMimeData;
    data->setHtml(QStringLiteral("<b>Bold</b> words"));
    data->setText(QStringLiteral("Bold words"));
    PutOnClipboard(data);
    QVERIFY(m_pRuled->canPaste());
    QTest::keySequence(m_pRuled, QKeySequence::Paste);
    QCOMPARE(m_pRuled->toPlainText(), QStringLiteral("Bold words"));
}

void TestRuledEdit::cellLinePositions_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<qreal>("width");
    QTest::addColumn<qreal>("origin");
    QTest::addColumn<int>("left");
    QTest::addColumn<QList<int>>("lines");
    QTest::addRow("five cells of 13") << 65 << 13.0 << 0.0 << 0 << QList<int>{13, 26, 39, 52, 65};
    QTest::addRow("part cell left out") << 64 << 13.0 << 0.0 << 0 << QList<int>{13, 26, 39, 52};
    QTest::addRow("text starts 3 in") << 30 << 13.0 << 3.0 << 0 << QList<int>{16, 29};
    QTest::addRow("cells of 12.6") << 64 << 12.6 << 2.0 << 0 << QList<int>{15, 27, 40, 52};
    QTest::addRow("half-pixel origin") << 40 << 13.0 << 2.5 << 0 << QList<int>{16, 29};
    QTest::addRow("scrolled: cells left of the box are not drawn")
        << 40 << 13.0 << -20.0 << 3 << QList<int>{6, 19, 32};
    QTest::addRow("narrower than a cell") << 10 << 13.0 << 0.0 << 0 << QList<int>{};
}

void TestRuledEdit::cellLinePositions()
{
    QFETCH(int, right);
    QFETCH(qreal, width);
    QFETCH(qreal, origin);
    QFETCH(int, left);
    QFETCH(QList<int>, lines);
    QCOMPARE(CCellEdit::LinePositions(right, width, origin, left), lines);
}

void TestRuledEdit::cellFontIsFixedPitch()
{
    const QFont font = CCellEdit::CellFont();
    QVERIFY2(QFontInfo(font).fixedPitch(), qPrintable(QFontInfo(font).family()));
    const QFontMetricsF metrics(m_pCells->font());
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiiiiiii")),
             metrics.horizontalAdvance(QStringLiteral("mmmmmmmm")));
    QVERIFY(m_pCells->CellWidth() > 5);
}

void TestRuledEdit::cellLinesMeetTheLetters_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("cursor");
    QTest::addRow("empty box") << QString() << 0;
    QTest::addRow("short word, caret at its end") << QStringLiteral("spell") << 5;
    QTest::addRow("short word, caret at its start") << QStringLiteral("spell") << 0;
    QTest::addRow("narrow and wide letters") << QStringLiteral("illuminating") << 12;
    QTest::addRow("scrolled to its end")
        << QStringLiteral("supercalifragilisticexpialidocious") << 34;
    QTest::addRow("scrolled back to its start")
        << QStringLiteral("supercalifragilisticexpialidocious") << 0;
}

// Each letter, from where the caret stands before it to the end of its own
// width, lies inside one cell: no line crosses it and the lines on either
// side are one cell apart. The lines go on at the same pitch past the last letter.
void TestRuledEdit::cellLinesMeetTheLetters()
{
    QFETCH(QString, word);
    QFETCH(int, cursor);
    m_pCells->setText(word);
    m_pCells->setCursorPosition(word.size());
    m_pCells->setCursorPosition(cursor);
    const QList<int> lines = m_pCells->CellLines();
    QVERIFY(lines.size() >= 10);
    const qreal width = m_pCells->CellWidth();
    const qreal letterWidth = width - m_pCells->LetterGap();
    QVERIFY(letterWidth > 5 && m_pCells->LetterGap() >= 2);
    const QRect inside = m_pCells->rect().adjusted(3, 0, -3 - qCeil(width), 0);
    int checked = 0;
    for (int i = 0; i < word.size(); ++i) {
        // Stepping the caret through the visible letters does not scroll them.
        m_pCells->setCursorPosition(i);
        const QRect caret = m_pCells->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QCOMPARE(m_pCells->CellLines(), lines);
        const int left = caret.left() + caret.width() / 2;
        const int right = left + qCeil(letterWidth);
        if (left < inside.left() || left > inside.right())
            continue;
        const QString where = QStringLiteral("letter %1 at %2-%3").arg(i).arg(left).arg(right);
        const auto after =
            std::find_if(lines.begin(), lines.end(), [&](int x) { return x > left; });
        QVERIFY2(after != lines.end() && *after > right, qPrintable(where));
        const int before = after == lines.begin() ? 0 : *(after - 1);
        QVERIFY2(qAbs(*after - before - width) < 1.0 || after == lines.begin(), qPrintable(where));
        QVERIFY2(before < left, qPrintable(where));
        ++checked;
    }
    QVERIFY(checked >= qMin<int>(word.size(), 10));
    for (int k = 1; k < lines.size(); ++k)
        QVERIFY(qAbs(lines[k] - lines[k - 1] - width) < 1.0);
}

void TestRuledEdit::cellLinesAreDrawnCyan()
{
    const QImage shot = m_pCells->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int y = shot.height() / 2;
    // Pure cyan hardly shows on white: the cells are drawn in a cyan dark enough to see.
    const QColor base = m_pCells->palette().color(QPalette::Base);
    QVERIFY(!m_pCells->CellLines().isEmpty());
    for (int x : m_pCells->CellLines()) {
        const QColor line = QColor::fromRgb(shot.pixel(x, y));
        QCOMPARE(line.red(), 0);
        QCOMPARE(line.green(), line.blue());
        QVERIFY2(CContrast::Ratio(line, base) >= CContrast::kLines,
                 qPrintable(QStringLiteral("%1 on %2").arg(line.name(), base.name())));
    }
}

void TestRuledEdit::linesKeepTheirContrast_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addRow("white") << QColor(Qt::white);
    QTest::addRow("light grey") << QColor(0xef, 0xf0, 0xf1);
    QTest::addRow("dark grey") << QColor(0x23, 0x26, 0x29);
    QTest::addRow("black") << QColor(Qt::black);
    QTest::addRow("navy") << QColor(0x10, 0x18, 0x40);
}

// Whatever the colour scheme gives the boxes, ruled lines and cells stay visible.
void TestRuledEdit::linesKeepTheirContrast()
{
    QFETCH(QColor, background);
    QPalette scheme = m_pRuled->palette();
    scheme.setColor(QPalette::Base, background);
    m_pRuled->setPalette(scheme);
    m_pCells->setPalette(scheme);
    const QImage ruled =
        m_pRuled->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage cells = m_pCells->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(!m_pRuled->RuledLines().isEmpty() && !m_pCells->CellLines().isEmpty());
    for (int y : m_pRuled->RuledLines()) {
        const QColor line = QColor::fromRgb(ruled.pixel(ruled.width() / 2, y));
        QVERIFY2(CContrast::Ratio(line, background) >= CContrast::kLines, qPrintable(line.name()));
    }
    for (int x : m_pCells->CellLines()) {
        const QColor line = QColor::fromRgb(cells.pixel(x, cells.height() / 2));
        QVERIFY2(CContrast::Ratio(line, background) >= CContrast::kLines, qPrintable(line.name()));
    }
}

void TestRuledEdit::cellPictureOnlyPasteLeavesText()
{
    m_pCells->setText(QStringLiteral("elephant"));
    m_pCells->setFocus();
    m_pCells->selectAll();
    PutOnClipboard(PictureOnly());
    QTest::keySequence(m_pCells, QKeySequence::Paste);
    QCOMPARE(m_pCells->text(), QStringLiteral("elephant"));
    auto* data = new QMimeData;
    data->setText(QStringLiteral("giraffe"));
    PutOnClipboard(data);
    QTest::keySequence(m_pCells, QKeySequence::Paste);
    QCOMPARE(m_pCells->text(), QStringLiteral("giraffe"));
}

QTEST_MAIN(TestRuledEdit)
#include "tst_rulededit.moc"
