#include "CDib.h"
#include "CMessageEvent.h"
#include "CPictureButton.h"

#include <QTest>
#include <QWidget>

namespace {

constexpr int kTestPicture = 9001; // 60 x 50
constexpr int kButtonId = 155;
const QRgb kGrey = qRgb(192, 192, 192);
const QRgb kShadow = qRgb(128, 128, 128);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

// A page stand-in that keeps the picture-button messages it receives.
class CMessageLog : public QWidget
{
public:
    struct Entry
    {
        int message;
        std::intptr_t id;
        QObject* sender;
    };
    QList<Entry> m_entries;

protected:
    bool event(QEvent* event) override
    {
        if (static_cast<int>(event->type()) == WM_PICTURE_BUTTON_CLICKED) {
            const auto* message = static_cast<CMessageEvent*>(event);
            m_entries.append({message->Message(), message->WParam(), message->LParam()});
            return true;
        }
        return QWidget::event(event);
    }
};

} // namespace

class TestPictureButton : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void centresPicture_data();
    void centresPicture();
    void focusInset_data();
    void focusInset();
    void chooseLook_data();
    void chooseLook();

    void raisedLookHasFrameAndPicture();
    void latchingButtonStaysPressed();
    void momentaryButtonNeverLatches();
    void heldSpaceLooksPressed();
    void focusRectangleIsInset();
    void framesStayOneButtonPixelWide_data();
    void framesStayOneButtonPixelWide();
    void mousePressPostsMessage();
    void spacePostsMessage();
    void accessibleTexts();

private:
    QImage Grab() const
    {
        return m_pButton->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    CMessageLog* m_pPage = nullptr;
    CPictureButton* m_pButton = nullptr;
    std::unique_ptr<CDib> m_pPicture;
};

void TestPictureButton::init()
{
    m_pPicture = std::make_unique<CDib>(kTestPicture);
    m_pPage = new CMessageLog;
    m_pPage->resize(200, 200);
    m_pButton = new CPictureButton(kButtonId, m_pPage);
    m_pButton->setGeometry(10, 10, 80, 70);
    m_pButton->AttachPicture(m_pPicture.get());
    m_pPage->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pPage));
}

void TestPictureButton::cleanup()
{
    delete m_pPage;
    m_pPage = nullptr;
    m_pButton = nullptr;
}

void TestPictureButton::centresPicture_data()
{
    QTest::addColumn<QSize>("button");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("source");
    QTest::addColumn<QPoint>("target");
    QTest::addRow("40x40 button, 60x50 picture")
        << QSize(40, 40) << QSize(60, 50) << QRect(10, 5, 40, 40) << QPoint(0, 0);
    QTest::addRow("80x70 button, 60x50 picture")
        << QSize(80, 70) << QSize(60, 50) << QRect(0, 0, 60, 50) << QPoint(10, 10);
    QTest::addRow("odd room rounds down")
        << QSize(61, 53) << QSize(60, 50) << QRect(0, 0, 60, 50) << QPoint(0, 1);
    QTest::addRow("equal size") << QSize(60, 50) << QSize(60, 50) << QRect(0, 0, 60, 50)
                                << QPoint(0, 0);
    QTest::addRow("narrow and tall")
        << QSize(30, 90) << QSize(60, 50) << QRect(15, 0, 30, 50) << QPoint(0, 20);
    QTest::addRow("odd overhang rounds down")
        << QSize(39, 49) << QSize(60, 50) << QRect(10, 0, 39, 49) << QPoint(0, 0);
}

void TestPictureButton::centresPicture()
{
    QFETCH(QSize, button);
    QFETCH(QSize, picture);
    QFETCH(QRect, source);
    QFETCH(QPoint, target);
    const CPictureButton::Placement placement = CPictureButton::CentrePicture(button, picture);
    QCOMPARE(placement.source, source);
    QCOMPARE(placement.target, target);
}

void TestPictureButton::focusInset_data()
{
    QTest::addColumn<QSize>("button");
    QTest::addColumn<int>("inset");
    QTest::addRow("100x20") << QSize(100, 20) << 3;
    QTest::addRow("10x10") << QSize(10, 10) << 2;
    QTest::addRow("4x4") << QSize(4, 4) << 1;
    QTest::addRow("3x30") << QSize(3, 30) << 0;
    QTest::addRow("14x200") << QSize(14, 200) << 3;
}

void TestPictureButton::focusInset()
{
    QFETCH(QSize, button);
    QFETCH(int, inset);
    QCOMPARE(CPictureButton::FocusInset(button), inset);
}

void TestPictureButton::chooseLook_data()
{
    using Look = CPictureButton::Look;
    QTest::addColumn<bool>("held");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<Look>("look");
    QTest::addRow("held momentary") << true << 0 << false << Look::Pressed;
    QTest::addRow("held latching") << true << 1 << false << Look::Pressed;
    QTest::addRow("momentary with flag") << false << 0 << true << Look::Raised;
    QTest::addRow("latching with flag") << false << 1 << true << Look::Pressed;
    QTest::addRow("latching mode 7 with flag") << false << 7 << true << Look::Pressed;
    QTest::addRow("latching without flag") << false << 1 << false << Look::Raised;
}

void TestPictureButton::chooseLook()
{
    using Look = CPictureButton::Look;
    QFETCH(bool, held);
    QFETCH(int, mode);
    QFETCH(bool, pressed);
    QFETCH(Look, look);
    QCOMPARE(CPictureButton::ChooseLook(held, mode, pressed), look);
}

void TestPictureButton::raisedLookHasFrameAndPicture()
{
    const QImage face = Grab();
    const int w = face.width();
    const int h = face.height();
    QCOMPARE(face.size(), QSize(80, 70));
    QCOMPARE(face.pixel(0, 0), kWhite);
    QCOMPARE(face.pixel(w - 2, 0), kWhite);
    QCOMPARE(face.pixel(0, h - 2), kWhite);
    QCOMPARE(face.pixel(w - 1, 0), kBlack);
    QCOMPARE(face.pixel(w - 1, h - 1), kBlack);
    QCOMPARE(face.pixel(0, h - 1), kBlack);
    QCOMPARE(face.pixel(w - 2, 1), kShadow);
    QCOMPARE(face.pixel(w - 2, h - 2), kShadow);
    QCOMPARE(face.pixel(1, h - 2), kShadow);
    QCOMPARE(face.pixel(5, 5), kGrey);
    // The picture sits centred at (10, 10): its centre mark lands at (40, 35).
    QCOMPARE(face.pixel(10, 10), m_pPicture->Image().pixel(0, 0));
    QCOMPARE(face.pixel(40, 35), m_pPicture->Image().pixel(30, 25));
    QCOMPARE(face.pixel(69, 59), m_pPicture->Image().pixel(59, 49));
    QCOMPARE(face.pixel(70, 60), kGrey);
}

void TestPictureButton::latchingButtonStaysPressed()
{
    m_pButton->SetMode(CPictureButton::kLatching);
    m_pButton->SetPressed(true);
    for (int repaint = 0; repaint < 2; ++repaint) {
        const QImage face = Grab();
        QCOMPARE(face.pixel(0, 0), kBlack);
        QCOMPARE(face.pixel(79, 69), kBlack);
        QCOMPARE(face.pixel(40, 0), kBlack);
        QCOMPARE(face.pixel(10, 10), kGrey);
        QCOMPARE(face.pixel(12, 12), m_pPicture->Image().pixel(0, 0));
        QCOMPARE(face.pixel(42, 37), m_pPicture->Image().pixel(30, 25));
        QVERIFY(m_pButton->IsPressed());
    }
    m_pButton->SetPressed(false);
    QCOMPARE(Grab().pixel(0, 0), kWhite);
}

void TestPictureButton::momentaryButtonNeverLatches()
{
    m_pButton->SetMode(CPictureButton::kMomentary);
    m_pButton->SetPressed(true);
    const QImage face = Grab();
    QCOMPARE(face.pixel(0, 0), kWhite);
    QCOMPARE(face.pixel(40, 35), m_pPicture->Image().pixel(30, 25));
    QVERIFY(!m_pButton->IsPressed());
    // A mouse press does not hold it down either.
    QTest::mousePress(m_pButton, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(Grab().pixel(0, 0), kWhite);
    QTest::mouseRelease(m_pButton, Qt::LeftButton, {}, QPoint(20, 20));
}

void TestPictureButton::heldSpaceLooksPressed()
{
    m_pPage->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pPage));
    m_pButton->setFocus(Qt::TabFocusReason);
    QTest::keyPress(m_pButton, Qt::Key_Space);
    QVERIFY(m_pButton->isDown());
    QCOMPARE(Grab().pixel(0, 0), kBlack);
    QTest::keyRelease(m_pButton, Qt::Key_Space);
    QCOMPARE(Grab().pixel(0, 0), kWhite);
}

void TestPictureButton::focusRectangleIsInset()
{
    m_pPage->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pPage));
    m_pButton->clearFocus();
    const QImage unfocused = Grab();
    m_pButton->setFocus(Qt::TabFocusReason);
    QVERIFY(m_pButton->hasFocus());
    const QImage focused = Grab();
    const int d = CPictureButton::FocusInset(m_pButton->size());
    QCOMPARE(d, 3);
    // The dotted outline inverts every other pixel of its edge, and nothing
    // outside it.
    QCOMPARE(focused.pixel(d, d), unfocused.pixel(d, d) ^ 0x00ffffff);
    QCOMPARE(focused.pixel(d + 1, d), unfocused.pixel(d + 1, d));
    QCOMPARE(focused.pixel(d + 2, d), unfocused.pixel(d + 2, d) ^ 0x00ffffff);
    QCOMPARE(focused.pixel(d - 1, d - 1), unfocused.pixel(d - 1, d - 1));
    QCOMPARE(focused.pixel(d + 1, d + 1), unfocused.pixel(d + 1, d + 1));
    int changedOnRight = 0;
    for (int y = d; y < 70 - d; ++y)
        changedOnRight += focused.pixel(80 - d - 1, y) != unfocused.pixel(80 - d - 1, y);
    QVERIFY(changedOnRight > 20);
    for (int y = 0; y < 70; ++y)
        QCOMPARE(focused.pixel(80 - d, y), unfocused.pixel(80 - d, y));
}

void TestPictureButton::framesStayOneButtonPixelWide_data()
{
    QTest::addColumn<int>("scale");
    QTest::addRow("2x") << 2;
    QTest::addRow("3x") << 3;
}

void TestPictureButton::framesStayOneButtonPixelWide()
{
    // On a dense screen the face has more pixels, but each frame line stays one button pixel
    // wide in its own colour, and the focus dots are one button pixel each.
    QFETCH(int, scale);
    const int w = 80 * scale;
    const int h = 70 * scale;
    const int middleX = 40 * scale;
    const int middleY = 35 * scale;
    const QImage raised = m_pButton->RenderFace(scale);
    QCOMPARE(raised.size(), QSize(w, h));
    for (int i = 0; i < scale; ++i) {
        QCOMPARE(raised.pixel(middleX, i), kWhite);
        QCOMPARE(raised.pixel(i, middleY), kWhite);
        QCOMPARE(raised.pixel(w - 1 - i, middleY), kBlack);
        QCOMPARE(raised.pixel(middleX, h - 1 - i), kBlack);
        QCOMPARE(raised.pixel(w - 1 - scale - i, middleY), kShadow);
        QCOMPARE(raised.pixel(middleX, h - 1 - scale - i), kShadow);
    }
    QCOMPARE(raised.pixel(middleX, scale), kGrey);
    QCOMPARE(raised.pixel(w - 1 - 2 * scale, middleY), kGrey);

    m_pPage->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pPage));
    m_pButton->SetMode(CPictureButton::kLatching);
    m_pButton->SetPressed(true);
    m_pButton->clearFocus();
    const QImage pressed = m_pButton->RenderFace(scale);
    for (int i = 0; i < scale; ++i) {
        QCOMPARE(pressed.pixel(middleX, i), kBlack);
        QCOMPARE(pressed.pixel(w - 1 - i, middleY), kBlack);
    }
    QCOMPARE(pressed.pixel(middleX, scale), kGrey);
    QCOMPARE(pressed.pixel(w - 1 - scale, middleY), kGrey);

    m_pButton->setFocus(Qt::TabFocusReason);
    const QImage focused = m_pButton->RenderFace(scale);
    const int d = CPictureButton::FocusInset(m_pButton->size());
    for (int dy = 0; dy < scale; ++dy) {
        for (int dx = 0; dx < scale; ++dx) {
            const int x = d * scale + dx;
            const int y = d * scale + dy;
            QCOMPARE(focused.pixel(x, y), pressed.pixel(x, y) ^ 0x00ffffff);
            QCOMPARE(focused.pixel(x + scale, y), pressed.pixel(x + scale, y));
        }
    }
}

void TestPictureButton::mousePressPostsMessage()
{
    m_pPage->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pPage));
    m_pButton->clearFocus();
    QTest::mousePress(m_pButton, Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(m_pPage->m_entries.isEmpty()); // posted, not sent
    QCoreApplication::processEvents();
    QCOMPARE(m_pPage->m_entries.size(), 1);
    QCOMPARE(m_pPage->m_entries.at(0).message, WM_PICTURE_BUTTON_CLICKED);
    QCOMPARE(m_pPage->m_entries.at(0).id, kButtonId);
    QCOMPARE(m_pPage->m_entries.at(0).sender, m_pButton);
    QTest::mouseRelease(m_pButton, Qt::LeftButton, {}, QPoint(20, 20));
    QCoreApplication::processEvents();
    QCOMPARE(m_pPage->m_entries.size(), 1); // the release adds nothing
    QVERIFY(!m_pButton->hasFocus());
    QTest::mousePress(m_pButton, Qt::RightButton, {}, QPoint(20, 20));
    QCoreApplication::processEvents();
    QCOMPARE(m_pPage->m_entries.size(), 1);
}

void TestPictureButton::spacePostsMessage()
{
    m_pPage->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pPage));
    m_pButton->setFocus(Qt::TabFocusReason);
    QTest::keyClick(m_pButton, Qt::Key_Space);
    QCoreApplication::processEvents();
    QCOMPARE(m_pPage->m_entries.size(), 1);
    QCOMPARE(m_pPage->m_entries.at(0).id, kButtonId);
    QCOMPARE(m_pPage->m_entries.at(0).sender, m_pButton);
}

void TestPictureButton::accessibleTexts()
{
    m_pButton->SetAccessibleTexts(tr("Make Quiz"), tr("A pencil writing on a quiz sheet"));
    QCOMPARE(m_pButton->accessibleName(), QStringLiteral("Make Quiz"));
    QCOMPARE(m_pButton->accessibleDescription(),
             QStringLiteral("A pencil writing on a quiz sheet"));
    QCOMPARE(m_pButton->focusPolicy(), Qt::TabFocus);
}

QTEST_MAIN(TestPictureButton)
#include "tst_picturebutton.moc"
