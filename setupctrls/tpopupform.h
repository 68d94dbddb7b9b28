#ifndef TPOPUPFORM_H
#define TPOPUPFORM_H

#include <QMargins>
#include <QSize>
#include <QWidget>

#include <functional>

class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class TBoardHighlight;

// The small window that a highlight opens over the main window: its radio
// panel, a read-only text box, Previous, Next and Done and a status line.
// A resizable tool window that stays on top; closing it only hides it.
class TPopupForm : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)

public:
    using TNotifyEvent = std::function<void(QObject *sender)>;

    explicit TPopupForm(TBoardHighlight *owner);

    TBoardHighlight *OwnerHighlight() const { return m_OwnerHighlight; }
    bool CloseOnLeave() const { return m_CloseOnLeave; }
    void SetCloseOnLeave(bool value) { m_CloseOnLeave = value; }
    int Tag() const { return m_Tag; }
    void SetTag(int value) { m_Tag = value; }

    QStatusBar *PopupStatus() const { return m_PopupStatus; }
    QPushButton *PreviousButton() const { return m_PreviousButton; }
    QPushButton *NextButton() const { return m_NextButton; }
    QPushButton *DoneButton() const { return m_DoneButton; }
    QPlainTextEdit *StatusMemo() const { return m_StatusMemo; }

    // The window's size with its frame and caption, as far as the platform
    // knows them; before a window has been shown on X11 that is no frame.
    QSize OuterSize() const;
    void SetOuterSize(const QSize &outer);
    void SetMinimumOuterSize(const QSize &outer);

    // The status line, the three buttons and the text box, laid out on the
    // client area as it is sized now, with memoHeight for the text box.
    void CreateControls(int memoHeight);

    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnClose;

protected:
    bool event(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QMargins FrameMargins() const;

    TBoardHighlight *m_OwnerHighlight;
    bool m_CloseOnLeave = false;
    int m_Tag = 0;
    QStatusBar *m_PopupStatus = nullptr;
    QPushButton *m_PreviousButton = nullptr;
    QPushButton *m_NextButton = nullptr;
    QPushButton *m_DoneButton = nullptr;
    QPlainTextEdit *m_StatusMemo = nullptr;
};

#endif
