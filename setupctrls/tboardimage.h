#ifndef TBOARDIMAGE_H
#define TBOARDIMAGE_H

#include <QImage>
#include <QWidget>

class QMenuBar;
class TBoardHighlight;

// Shows the photograph of the board and carries the highlight circles as
// its children. Centres itself on its window at every paint and remembers
// where it stood at the first one, so that popups can follow it.
class TBoardImage : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool CenterOnForm READ CenterOnForm WRITE SetCenterOnForm)
    Q_PROPERTY(bool Scale READ Scale WRITE SetScale)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Center READ Center WRITE SetCenter)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(QImage Picture READ Picture WRITE SetPicture)

public:
    explicit TBoardImage(QWidget *parent = nullptr);

    const QImage &Picture() const { return m_Picture; }
    void SetPicture(const QImage &picture);
    bool Stretch() const { return m_Stretch; }
    void SetStretch(bool value);
    bool Center() const { return m_Center; }
    void SetCenter(bool value);
    bool Transparent() const { return m_Transparent; }
    void SetTransparent(bool value);
    bool Scale() const { return m_Scale; }
    void SetScale(bool value);
    bool AutoSize() const { return m_AutoSize; }
    void SetAutoSize(bool value);

    TBoardHighlight *First() const { return m_First; }
    void SetFirst(TBoardHighlight *highlight) { m_First = highlight; }
    QMenuBar *Menu() const { return m_Menu; }
    void SetMenu(QMenuBar *menu) { m_Menu = menu; }
    bool CenterOnForm() const { return m_CenterOnForm; }
    void SetCenterOnForm(bool value) { m_CenterOnForm = value; }

    double AspectRatio() const { return m_AspectRatio; }
    bool OriginSaved() const { return m_OriginSaved; }
    int OriginLeft() const { return m_OriginLeft; }
    int OriginTop() const { return m_OriginTop; }

    QRect PictureRect() const;
    bool CanAutoSize(int &newWidth, int &newHeight) const;
    bool ForwardPaletteChange();

    // Exactly what this control paints beneath the given rectangle of its
    // client area, without its children: the highlights shade this. On a
    // screen with more device pixels than logical ones it has as many
    // pixels as the screen shows there, and their ratio.
    QImage Background(const QRect &rect) const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void PictureUpdated();
    void DrawPicture(QPainter &painter, qreal ratio) const;
    const QImage &ScaledPicture(qreal ratio) const;

    QImage m_Picture;
    bool m_Stretch = false;
    bool m_Center = false;
    bool m_Transparent = false;
    bool m_PaintInProgress = false;
    double m_AspectRatio = 1.0;
    bool m_Scale = true;
    QMenuBar *m_Menu = nullptr;
    bool m_CenterOnForm = true;
    bool m_OriginSaved = false;
    TBoardHighlight *m_First = nullptr;
    int m_OriginLeft = 0;
    int m_OriginTop = 0;
    bool m_AutoSize = true;

    // The stretched photograph is scaled once per size and pixel ratio, not
    // at every paint, so that repeated paints and the highlights see
    // identical pixels.
    mutable QImage m_ScaledPicture;
};

#endif
