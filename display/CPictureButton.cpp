#include "CPictureButton.h"

#include "CDib.h"
#include "CMessageEvent.h"
#include "CPictureRenderer.h"
#include "ExclusiveChoice.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

const QColor kFaceGrey(192, 192, 192);
const QColor kShadowGrey(128, 128, 128);
// The chosen answer's ring and tick badge: a deep blue that stands out on the
// grey face and on every picture (4.2:1 against the face).
const QColor kChosenBlue(21, 87, 176);
constexpr int kRingInset = 1; // inside the black frame of the pressed look
constexpr int kRingWidth = 3;
constexpr int kBadgeDiameter = 22;
constexpr int kBadgeMargin = 4;
constexpr int kMaxFocusInset = 3;
constexpr int kFocusInsetDivisor = 5;
constexpr QSize kBlankFaceSize(32, 32);

// A line one button pixel wide that leaves out its end point, as the frame's
// coordinates expect; only horizontal and vertical lines are drawn. Filled as a
// rectangle, it covers whole device pixels at any scale.
void DrawLineExclusive(QPainter& painter, const QColor& colour, QPoint from, QPoint to)
{
    if (from == to)
        return;
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()),
                      (to.y() > from.y()) - (to.y() < from.y()));
    const QPoint last = to - step;
    painter.fillRect(QRect(QPoint(std::min(from.x(), last.x()), std::min(from.y(), last.y())),
                           QPoint(std::max(from.x(), last.x()), std::max(from.y(), last.y()))),
                     colour);
}

// The device pixels that one button pixel covers along one axis.
std::pair<int, int> DeviceSpan(int at, qreal scale)
{
    const int first = int(std::floor(at * scale));
    return {first, std::max(first + 1, int(std::floor((at + 1) * scale)))};
}

} // namespace

CPictureButton::CPictureButton(int controlId, QWidget* parent)
    : QAbstractButton(parent), m_nControlId(controlId)
{
    setFocusPolicy(Qt::TabFocus);
    setObjectName(QStringLiteral("pictureButton%1").arg(controlId));
    // Keyboard clicks (Space) reach the page like a mouse press does.
    connect(this, &QAbstractButton::clicked, this, &CPictureButton::NotifyClick);
    connect(this, &QAbstractButton::toggled, this, &CPictureButton::OnToggled);
}

void CPictureButton::AttachPicture(const CDib* picture)
{
    m_pPicture = picture;
    m_pictureSize = picture ? picture->Size() : QSize();
    updateGeometry();
    update();
}

void CPictureButton::SetMode(int mode)
{
    m_nMode = mode;
}

void CPictureButton::SetExclusiveChoice(bool choice)
{
    setCheckable(choice);
    setAutoExclusive(choice);
    SetPressed(m_bPressed);
}

void CPictureButton::SetPressed(bool pressed)
{
    m_bPressed = pressed;
    if (isCheckable()) {
        m_bSettingPressed = true;
        SetExclusiveChecked(this, pressed);
        m_bSettingPressed = false;
    }
    update();
}

void CPictureButton::OnToggled(bool checked)
{
    // The owner's own SetPressed is no choice; anything else that checks the
    // button (an accessibility action) is the pupil choosing it.
    if (checked && !m_bSettingPressed)
        NotifyClick();
}

void CPictureButton::SetAccessibleTexts(const QString& name, const QString& description)
{
    setAccessibleName(name);
    setAccessibleDescription(description);
}

CPictureButton::Placement CPictureButton::CentrePicture(const QSize& button, const QSize& picture)
{
    Placement placement;
    auto centre = [](int room, int extent, int& copy, int& source, int& target) {
        if (room <= extent) {
            copy = room;
            source = (extent - room) / 2;
            target = 0;
        } else {
            copy = extent;
            source = 0;
            target = (room - extent) / 2;
        }
    };
    int copyW = 0, sourceX = 0, targetX = 0;
    int copyH = 0, sourceY = 0, targetY = 0;
    centre(button.width(), picture.width(), copyW, sourceX, targetX);
    centre(button.height(), picture.height(), copyH, sourceY, targetY);
    placement.source = QRect(sourceX, sourceY, copyW, copyH);
    placement.target = QPoint(targetX, targetY);
    return placement;
}

int CPictureButton::FocusInset(const QSize& button)
{
    return std::min(kMaxFocusInset,
                    std::min(button.width() + 1, button.height() + 1) / kFocusInsetDivisor);
}

CPictureButton::Look CPictureButton::ChooseLook(bool held, int mode, bool pressedFlag)
{
    if (held)
        return Look::Pressed;
    if (mode == kMomentary)
        return Look::Raised;
    return pressedFlag ? Look::Pressed : Look::Raised;
}

QSize CPictureButton::sizeHint() const
{
    return m_pictureSize.isValid() ? m_pictureSize : kBlankFaceSize;
}

QImage CPictureButton::RenderFace()
{
    return RenderFace(devicePixelRatioF());
}

QImage CPictureButton::RenderFace(qreal scale)
{
    const QSize size = this->size();
    QImage face(
        QSize(int(std::lround(size.width() * scale)), int(std::lround(size.height() * scale))),
        QImage::Format_RGB32);
    face.setDevicePixelRatio(scale);
    face.fill(kFaceGrey);
    const Look look = ChooseLook(isDown(), m_nMode, m_bPressed);
    // Drawing decides the flag, so a latching button stays pressed until its
    // owner clears it.
    m_bPressed = look == Look::Pressed;
    {
        QPainter painter(&face);
        if (look == Look::Raised)
            DrawRaised(painter, size, scale);
        else
            DrawPressed(painter, size, scale);
        if (isChecked())
            DrawChosenMark(painter, size);
    }
    if (hasFocus()) {
        const int d = FocusInset(size);
        DrawFocusRect(face, scale, d, d, size.width() - d, size.height() - d);
    }
    return face;
}

void CPictureButton::DrawPictureAt(QPainter& painter, const Placement& placement,
                                   const QPoint& shift, qreal scale) const
{
    if (!m_pPicture)
        return;
    // The source is cut from a rendering at the face's own scale, so nothing is stretched.
    const QImage picture = CPictureRenderer::Rendering(*m_pPicture, scale);
    const qreal ratio = picture.devicePixelRatio();
    const QRectF source(placement.source.x() * ratio, placement.source.y() * ratio,
                        placement.source.width() * ratio, placement.source.height() * ratio);
    painter.drawImage(QRectF(placement.target + shift, placement.source.size()), picture, source);
}

void CPictureButton::DrawRaised(QPainter& painter, const QSize& size, qreal scale) const
{
    const int w = size.width();
    const int h = size.height();
    DrawPictureAt(painter, CentrePicture(size, m_pictureSize), QPoint(0, 0), scale);
    DrawLineExclusive(painter, Qt::white, {0, 0}, {w - 1, 0});
    DrawLineExclusive(painter, Qt::white, {0, 1}, {0, h - 1});
    DrawLineExclusive(painter, Qt::black, {w - 1, 0}, {w - 1, h});
    DrawLineExclusive(painter, Qt::black, {0, h - 1}, {w - 1, h - 1});
    DrawLineExclusive(painter, kShadowGrey, {w - 2, 1}, {w - 2, h - 1});
    DrawLineExclusive(painter, kShadowGrey, {1, h - 2}, {w - 2, h - 2});
}

void CPictureButton::DrawPressed(QPainter& painter, const QSize& size, qreal scale) const
{
    DrawPictureAt(painter, CentrePicture(size, m_pictureSize), QPoint(kPressedShift, kPressedShift),
                  scale);
    const int w = size.width();
    const int h = size.height();
    DrawLineExclusive(painter, Qt::black, {0, 0}, {w, 0});
    DrawLineExclusive(painter, Qt::black, {0, h - 1}, {w, h - 1});
    DrawLineExclusive(painter, Qt::black, {0, 0}, {0, h});
    DrawLineExclusive(painter, Qt::black, {w - 1, 0}, {w - 1, h});
}

void CPictureButton::DrawChosenMark(QPainter& painter, const QSize& size)
{
    // A ring just inside the frame, and a round badge with a white tick in the
    // top-right corner, so the chosen answer shows without telling colours apart.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kChosenBlue);
    const QRect outer =
        QRect(QPoint(0, 0), size).adjusted(kRingInset, kRingInset, -kRingInset, -kRingInset);
    const QRect inner = outer.adjusted(kRingWidth, kRingWidth, -kRingWidth, -kRingWidth);
    QRegion ring(outer);
    ring -= QRegion(inner);
    painter.setClipRegion(ring);
    painter.drawRect(outer);
    painter.setClipping(false);

    const int diameter = std::min({kBadgeDiameter, size.width() / 2, size.height() / 2});
    if (diameter >= 8) {
        const QRectF badge(size.width() - kBadgeMargin - kRingWidth - diameter,
                           kBadgeMargin + kRingWidth, diameter, diameter);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(Qt::white, 1.5));
        painter.drawEllipse(badge);
        QPen tick(Qt::white, std::max(2.0, diameter / 7.0), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin);
        painter.setPen(tick);
        painter.setBrush(Qt::NoBrush);
        const QPointF points[] = {badge.topLeft() + QPointF(0.26 * diameter, 0.52 * diameter),
                                  badge.topLeft() + QPointF(0.43 * diameter, 0.70 * diameter),
                                  badge.topLeft() + QPointF(0.75 * diameter, 0.32 * diameter)};
        painter.drawPolyline(points, 3);
    }
    painter.restore();
}

void CPictureButton::DrawFocusRect(QImage& face, qreal scale, int left, int top, int rightEdge,
                                   int bottomEdge)
{
    // A dotted outline that inverts every other button pixel, so it shows on any
    // picture. The right and bottom edges lie just outside it.
    const int right = rightEdge - 1;
    const int bottom = bottomEdge - 1;
    if (right < left || bottom < top)
        return;
    auto invert = [&face, scale](int x, int y) {
        const auto [x0, x1] = DeviceSpan(x, scale);
        const auto [y0, y1] = DeviceSpan(y, scale);
        for (int dy = y0; dy < y1; ++dy) {
            for (int dx = x0; dx < x1; ++dx) {
                if (face.rect().contains(dx, dy))
                    face.setPixel(dx, dy, face.pixel(dx, dy) ^ 0x00ffffff);
            }
        }
    };
    int n = 0;
    for (int x = left; x <= right; ++x, ++n) {
        if (n % 2 == 0)
            invert(x, top);
    }
    for (int y = top + 1; y <= bottom; ++y, ++n) {
        if (n % 2 == 0)
            invert(right, y);
    }
    for (int x = right - 1; x >= left; --x, ++n) {
        if (n % 2 == 0 && bottom > top)
            invert(x, bottom);
    }
    for (int y = bottom - 1; y > top; --y, ++n) {
        if (n % 2 == 0 && right > left)
            invert(left, y);
    }
}

void CPictureButton::paintEvent(QPaintEvent*)
{
    const QImage face = RenderFace();
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), face);
}

void CPictureButton::mousePressEvent(QMouseEvent* event)
{
    // The page hears of the press at once; the button takes neither the mouse
    // nor the focus, and never draws itself held down by the mouse.
    if (event->button() == Qt::LeftButton)
        NotifyClick();
    event->accept();
}

void CPictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void CPictureButton::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

void CPictureButton::focusInEvent(QFocusEvent* event)
{
    QAbstractButton::focusInEvent(event);
    emit focusReceived(m_nControlId);
}

void CPictureButton::NotifyClick()
{
    if (QObject* target = parent())
        QCoreApplication::postEvent(
            target, new CMessageEvent(WM_PICTURE_BUTTON_CLICKED, m_nControlId, this));
}
