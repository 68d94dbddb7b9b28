#ifndef TBOARDHIGHLIGHT_H
#define TBOARDHIGHLIGHT_H

#include "tgraphiccontrol.h"
#include "tradiopanel.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>

class QAction;
class QMenu;
class QMenuBar;
class TPopupForm;

// A glowing elliptical ring over the board photograph that marks one spot.
// Pointing at it lights it and opens its popup; clicking it keeps the popup
// open; its first paint adds an entry for it to the board image's menu.
// Highlights on one board image with equal Title and HighlightType are
// linked: they light up together and share one popup, panel and entry.
class TBoardHighlight : public TGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(bool CreatePopup READ CreatePopup WRITE SetCreatePopup)
    Q_PROPERTY(THighlightType HighlightType READ HighlightType WRITE SetHighlightType)
    Q_PROPERTY(TRadioPanel *RadioPanel READ RadioPanel WRITE SetRadioPanel)
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)

public:
    enum THighlightType : quint8 { htOptions, htSettings, htCalibration };
    Q_ENUM(THighlightType)

    explicit TBoardHighlight(QWidget *parent = nullptr);

    bool CreatePopup() const { return m_CreatePopup; }
    void SetCreatePopup(bool value) { m_CreatePopup = value; }
    THighlightType HighlightType() const { return m_HighlightType; }
    void SetHighlightType(THighlightType value);
    TRadioPanel *RadioPanel() const { return m_RadioPanel; }
    void SetRadioPanel(TRadioPanel *value);
    const QString &Title() const { return m_Title; }
    void SetTitle(const QString &value);

    const QString &PlainTitle() const { return m_PlainTitle; }
    const QString &TitleIdent() const { return m_TitleIdent; }
    QColor RingColor() const { return m_RingColor; }
    float IdleStrength() const { return m_IdleStrength; }
    float ActiveStrength() const { return m_ActiveStrength; }
    float HotStrength() const { return m_HotStrength; }
    const QImage &IdleBitmap() const { return m_IdleBitmap; }
    const QImage &ActiveBitmap() const { return m_ActiveBitmap; }
    const QImage &HotBitmap() const { return m_HotBitmap; }
    bool Lit() const { return m_Lit; }
    bool PopupActive() const { return m_PopupActive; }
    bool Pinned() const { return m_Pinned; }
    bool Prepared() const { return m_Prepared; }
    TPopupForm *Popup() const { return m_Popup; }
    QMenuBar *BoardMenu() const { return m_BoardMenu; }

    // Mixes the ring into a bitmap of the control's size. The weights are
    // 32-bit floats and each channel is rounded to the nearest integer,
    // halves to even, so the pictures come out the same on every machine.
    static void ShadeRing(QImage &bitmap, const QColor &color, float strength, bool whiteCore);
    void BuildPictures();

    // Pointer notifications; relayed ones come from a linked highlight and
    // are not passed on again.
    void HandleMouseEnter(bool relayed);
    void HandleMouseLeave(bool relayed);
    void Click() override;
    void SetPopupActive(bool active, bool relay);
    void Unlight();

    void ShowPopup();
    void PinPopup();
    void PinOwnPopup();
    void PopupClosed();

    void BuildMenuEntry();
    void CheckMenuEntry(bool value);
    void MenuEntryClick(QObject *sender);
    void PreviousClick();
    void NextClick();
    void DoneClick();


protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    bool ParentIsBoardImage() const;
    QList<TBoardHighlight *> LinkedHighlights() const;
    QImage PictureBeneath() const;
    QString TypeMenuCaption() const;
    QAction *FindMenuEntry(QMenu **menu = nullptr) const;
    QAction *CreateMenuEntry(QWidget *owner);
    void Walk(int step);

    QImage m_IdleBitmap;
    QImage m_ActiveBitmap;
    QImage m_HotBitmap;
    float m_IdleStrength = 0;
    float m_ActiveStrength = 0;
    float m_HotStrength = 0;
    QColor m_RingColor;
    THighlightType m_HighlightType = htOptions;
    bool m_Lit = false;
    TPopupForm *m_Popup = nullptr;
    QString m_Title;
    QString m_PlainTitle;
    QString m_TitleIdent;
    QMenuBar *m_BoardMenu = nullptr;
    bool m_Prepared = false;
    bool m_CreatePopup = true;
    bool m_Pinned = false;
    TRadioPanel *m_RadioPanel = nullptr;
    bool m_PopupActive = false;
};

#endif
