#include "tboardimage.h"

#include "activatefirstevent.h"
#include "tboardhighlight.h"

#include <QMainWindow>
#include <QPainter>

#include <cmath>

namespace {

// A form's Width and Height are its outer size, frame, caption and menu bar
// included; the board image centres itself on that, not on the client area.
QSize outerSizeOf(const QWidget *parent)
{
    const QWidget *form = parent->window();
    const auto *mainWindow = qobject_cast<const QMainWindow *>(form);
    if (parent == form || (mainWindow && mainWindow->centralWidget() == parent))
        return form->frameGeometry().size();
    return parent->size();
}

} // namespace

TBoardImage::TBoardImage(QWidget *parent)
    : QWidget(parent)
{
    // The panel beneath the picture shows the button face where the
    // picture does not cover it.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    resize(105, 105);
    SetStretch(false);
}

void TBoardImage::SetPicture(const QImage &picture)
{
    m_Picture = picture;
    m_ScaledPicture = QImage();
    PictureUpdated();
}

void TBoardImage::SetStretch(bool value)
{
    if (value == m_Stretch)
        return;
    m_Stretch = value;
    PictureUpdated();
}

void TBoardImage::SetCenter(bool value)
{
    if (value == m_Center)
        return;
    m_Center = value;
    PictureUpdated();
}

void TBoardImage::SetTransparent(bool value)
{
    if (value == m_Transparent)
        return;
    m_Transparent = value;
    PictureUpdated();
}

void TBoardImage::SetScale(bool value)
{
    if (value == m_Scale)
        return;
    m_Scale = value;
    PictureUpdated();
}

void TBoardImage::SetAutoSize(bool value)
{
    if (value == m_AutoSize)
        return;
    m_AutoSize = value;
    if (value) {
        int w = width();
        int h = height();
        if (CanAutoSize(w, h))
            resize(w, h);
    }
}

QRect TBoardImage::PictureRect() const
{
    if (m_Stretch)
        return rect();
    const int pw = m_Picture.width();
    const int ph = m_Picture.height();
    if (m_Center)
        return QRect((width() - pw) / 2, (height() - ph) / 2, pw, ph);
    return QRect(0, 0, pw, ph);
}

bool TBoardImage::CanAutoSize(int &newWidth, int &newHeight) const
{
    // A board image is never aligned to an edge, so both proposals follow
    // the picture.
    newWidth = m_Picture.width();
    newHeight = m_Picture.height();
    return true;
}

// Graphics on this toolkit carry no palette, so there is never a palette
// change to pass on to the form.
bool TBoardImage::ForwardPaletteChange()
{
    return false;
}

void TBoardImage::PictureUpdated()
{
    const int pw = m_Picture.width();
    const int ph = m_Picture.height();
    if (pw > 0 && ph > 0) {
        m_AspectRatio = static_cast<double>(ph) / pw;
        if (!std::isfinite(m_AspectRatio))
            m_AspectRatio = 1.0;
        if (m_AutoSize)
            setGeometry(x(), y(), pw, ph);
    }

    if (!m_Picture.isNull()) {
        const bool opaque = !m_Transparent
                && (m_Stretch || (pw >= width() && ph >= height()));
        setAttribute(Qt::WA_OpaquePaintEvent, opaque);
        if (ForwardPaletteChange() && m_PaintInProgress)
            repaint();
    } else {
        setAttribute(Qt::WA_OpaquePaintEvent, false);
    }

    // A picture that changes while it is being drawn must not start an
    // endless cycle of repaints.
    if (!m_PaintInProgress)
        update();
}

// On a high-density screen the photograph is scaled to the device pixels
// that the picture rectangle covers, so that it is not scaled up once more
// as a finished bitmap.
const QImage &TBoardImage::ScaledPicture(qreal ratio) const
{
    const QSize target = PictureRect().size() * ratio;
    if (m_ScaledPicture.size() != target || m_ScaledPicture.devicePixelRatio() != ratio) {
        m_ScaledPicture = target == m_Picture.size()
                ? m_Picture
                : m_Picture.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_ScaledPicture.setDevicePixelRatio(ratio);
    }
    return m_ScaledPicture;
}

void TBoardImage::DrawPicture(QPainter &painter, qreal ratio) const
{
    if (m_Picture.isNull())
        return;
    const QRect target = PictureRect();
    if (target.isEmpty())
        return;
    painter.drawImage(target.topLeft(), ScaledPicture(ratio));
}

QImage TBoardImage::Background(const QRect &area) const
{
    const qreal ratio = devicePixelRatioF();
    QImage background(area.size() * ratio, QImage::Format_RGB32);
    if (background.isNull())
        return background;
    background.setDevicePixelRatio(ratio);
    background.fill(palette().color(QPalette::Button));
    QPainter painter(&background);
    painter.translate(-area.topLeft());
    DrawPicture(painter, ratio);
    return background;
}

// Runs the first highlight through what pointing at it, clicking it and
// moving away does, which leaves its popup open and pinned. WParam 1 makes
// the pointer notifications count as relayed.
bool TBoardImage::event(QEvent *event)
{
    if (event->type() != ActivateFirstEvent::WM_ACTIVATEFIRST)
        return QWidget::event(event);
    if (m_First) {
        const bool relayed = static_cast<ActivateFirstEvent *>(event)->WParam == 1;
        m_First->HandleMouseEnter(relayed);
        m_First->Click();
        m_First->HandleMouseLeave(relayed);
    }
    return true;
}

void TBoardImage::paintEvent(QPaintEvent *)
{
    if (!m_OriginSaved) {
        m_OriginLeft = x();
        m_OriginTop = y();
        m_OriginSaved = true;
    }

    if (m_CenterOnForm && parentWidget()) {
        const QPoint before = pos();
        const QSize outer = outerSizeOf(parentWidget());
        move((outer.width() - width()) / 2, y());
        move(x(), (outer.height() - height()) / 2);
        // The paint in progress was clipped to where the control stood;
        // the new place is painted by the next pass of the event loop.
        if (pos() != before)
            QMetaObject::invokeMethod(this, qOverload<>(&QWidget::update), Qt::QueuedConnection);
    }

    const bool savedPaintInProgress = m_PaintInProgress;
    m_PaintInProgress = true;
    QPainter painter(this);
    DrawPicture(painter, devicePixelRatioF());
    m_PaintInProgress = savedPaintInProgress;
}
