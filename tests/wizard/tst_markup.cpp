#include "CMarkupRenderer.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QtTest>

// The help-text renderer: runs, fonts, margins and line advances.
class TestMarkup : public QObject
{
    Q_OBJECT

private:
    CMarkupRenderer m_renderer;
    const QRect m_rect{10, 20, 300, 300};

    CMarkupRenderer::Layout Layout(const QString& text) const
    {
        return m_renderer.LayoutMarkup(m_renderer.m_fontNormal, m_rect, text);
    }
    int IndentStep() const
    {
        return QFontMetrics(m_renderer.m_fontNormal).horizontalAdvance(QStringLiteral("XX"));
    }
    int LineHeight(const QFont& font) const { return QFontMetrics(font).height(); }

private slots:
    void runsAndTheirText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("runs");
        QTest::addColumn<int>("stop");
        QTest::addRow("empty") << QString() << QStringList() << 0;
        QTest::addRow("space before a tag is drawn")
            << QStringLiteral("a <B>b") << QStringList{QStringLiteral("a "), QStringLiteral("b")}
            << 6;
        QTest::addRow("spaces before a break are not drawn")
            << QStringLiteral("ab  \ncd") << QStringList{QStringLiteral("ab"), QStringLiteral("cd")}
            << 7;
        QTest::addRow("leading spaces stay")
            << QStringLiteral("  ab") << QStringList{QStringLiteral("  ab")} << 4;
        QTest::addRow("stop tag") << QStringLiteral("x<C>more") << QStringList{QStringLiteral("x")}
                                  << 4;
        QTest::addRow("unknown letter is text")
            << QStringLiteral("a<Z>b") << QStringList{QStringLiteral("a<Z>b")} << 5;
        QTest::addRow("G ends a run") << QStringLiteral("a<G>b")
                                      << QStringList{QStringLiteral("a"), QStringLiteral("b")} << 5;
        QTest::addRow("CR is skipped")
            << QStringLiteral("a\r\r\nb") << QStringList{QStringLiteral("a"), QStringLiteral("b")}
            << 5;
        QTest::addRow("lone < at the end is text")
            << QStringLiteral("a<") << QStringList{QStringLiteral("a<")} << 2;
    }
    void runsAndTheirText()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, runs);
        QFETCH(int, stop);
        const auto layout = Layout(text);
        QStringList got;
        for (const auto& run : layout.m_runs)
            got << run.m_text;
        QCOMPARE(got, runs);
        QCOMPARE(layout.m_stop, stop);
    }

    void tipsExample()
    {
        const auto layout = Layout(QStringLiteral("<B>Tips:<N>\n<T>• bullet one\n• bullet two"));
        QCOMPARE(layout.m_runs.size(), 3);
        QCOMPARE(layout.m_runs[0].m_text, QStringLiteral("Tips:"));
        QVERIFY(layout.m_runs[0].m_font.bold());
        QCOMPARE(layout.m_runs[0].m_topLeft, m_rect.topLeft());
        const int second = m_rect.top() + LineHeight(m_renderer.m_fontNormal);
        QCOMPARE(layout.m_runs[1].m_topLeft, QPoint(m_rect.left() + IndentStep(), second));
        QVERIFY(!layout.m_runs[1].m_font.bold());
        QCOMPARE(layout.m_runs[2].m_topLeft.x(), m_rect.left() + IndentStep());
        QCOMPARE(layout.m_runs[2].m_topLeft.y(), second + LineHeight(m_renderer.m_fontNormal));
    }

    void tagsNeverBreakLines()
    {
        const auto layout = Layout(QStringLiteral("a<B>b<N>c"));
        QCOMPARE(layout.m_runs.size(), 3);
        for (const auto& run : layout.m_runs)
            QCOMPARE(run.m_topLeft.y(), m_rect.top());
        QVERIFY(layout.m_runs[1].m_topLeft.x() > layout.m_runs[0].m_topLeft.x());
        QVERIFY(layout.m_runs[1].m_font.bold());
    }

    void emptyLineAdvancesByBlankHeight()
    {
        const auto layout = Layout(QStringLiteral("a\n\nb"));
        const int blank = LineHeight(m_renderer.m_fontNormal);
        QCOMPARE(layout.m_runs[1].m_topLeft.y(), m_rect.top() + 2 * blank);
    }

    void unindentMovesTheMarginBack()
    {
        const auto layout = Layout(QStringLiteral("<T>a\n<U>b"));
        QCOMPARE(layout.m_runs[0].m_topLeft.x(), m_rect.left() + IndentStep());
        QCOMPARE(layout.m_runs[1].m_topLeft.x(), m_rect.left());
    }

    void drawLeavesTheLastFontSelected()
    {
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(m_renderer.m_fontNormal);
        const int stop = m_renderer.DrawMarkup(painter, QRect(0, 0, 200, 100),
                                               QStringLiteral("plain <I>slanted"));
        QCOMPARE(stop, 16);
        QVERIFY(painter.font().italic());
        painter.end();
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                inked += image.pixel(x, y) != QColor(Qt::white).rgb();
        QVERIFY(inked > 20);
    }
};

QTEST_MAIN(TestMarkup)
#include "tst_markup.moc"
