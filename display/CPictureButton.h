#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QPoint>
#include <QRect>

class CDib;

// A push button whose face is a picture in a light grey 3-D frame. It tells its
// parent at once, on the press of the left mouse button, by posting
// CMessageEvent(WM_PICTURE_BUTTON_CLICKED, control id, this); Space does the
// same from the keyboard. In latching mode (non-zero) the owner keeps one
// button of a group drawn pressed with SetPressed to show the current choice.
// Buttons that stand for answers are made an exclusive choice: a radio button
// to a screen reader, checked while pressed, and the chosen one wears a
// coloured ring and a tick. Checking one any other way (an accessibility
// action) tells the parent as a click does.
class CPictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    enum class Look
    {
        Raised,
        Pressed
    };

    // Where the picture goes: the part of the picture copied, and where its
    // top-left corner lands in the button.
    struct Placement
    {
        QRect source;
        QPoint target;
    };

    static constexpr int kMomentary = 0;
    static constexpr int kLatching = 1;
    static constexpr int kPressedShift = 2;

    CPictureButton(int controlId, QWidget* parent);

    int Id() const { return m_nControlId; }

    // Remembers the picture (not owned) and its size; nullptr leaves a blank face.
    void AttachPicture(const CDib* picture);
    // 0 = momentary, non-zero = latching. Does not redraw.
    void SetMode(int mode);
    int Mode() const { return m_nMode; }
    // Makes a latching button one of an exclusive choice (see above).
    void SetExclusiveChoice(bool choice);
    // Sets the pressed flag and redraws the whole button.
    void SetPressed(bool pressed);
    bool IsPressed() const { return m_bPressed; }

    // What a screen reader says: what the picture shows.
    void SetAccessibleTexts(const QString& name, const QString& description);

    // The face as it is drawn now, at the button's size on its screen.
    QImage RenderFace();
    // The same on a device with this many pixels to one of the button's: the picture as sharp
    // as the device allows, the frame lines one button pixel wide.
    QImage RenderFace(qreal scale);

    // Centres the picture in the button; when the button is smaller the centre
    // of the picture shows. Halves are rounded down.
    static Placement CentrePicture(const QSize& button, const QSize& picture);
    // The focus rectangle's inset from every side.
    static int FocusInset(const QSize& button);
    // Held (selected) buttons look pressed; otherwise only latching ones that
    // their owner set pressed.
    static Look ChooseLook(bool held, int mode, bool pressedFlag);

    QSize sizeHint() const override;

signals:
    // Emitted when the button gains the focus, so the page can make it the
    // button that Enter presses.
    void focusReceived(int controlId);

protected:
    // Only the owner decides the choice (SetPressed), so a click leaves the check mark alone.
    void nextCheckState() override {}
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void NotifyClick();
    void DrawRaised(QPainter& painter, const QSize& size, qreal scale) const;
    void DrawPressed(QPainter& painter, const QSize& size, qreal scale) const;
    void DrawPictureAt(QPainter& painter, const Placement& placement, const QPoint& shift,
                       qreal scale) const;
    static void DrawFocusRect(QImage& face, qreal scale, int left, int top, int rightEdge,
                              int bottomEdge);
    static void DrawChosenMark(QPainter& painter, const QSize& size);
    void OnToggled(bool checked);

    int m_nControlId;
    int m_nMode = kMomentary;
    bool m_bPressed = false;
    bool m_bSettingPressed = false;
    const CDib* m_pPicture = nullptr;
    QSize m_pictureSize;
};
