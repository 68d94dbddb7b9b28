#include "tpopupform.h"

#include "anchorrules.h"
#include "pointerposition.h"
#include "tboardhighlight.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QWindow>

TPopupForm::TPopupForm(TBoardHighlight *owner)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                      | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_OwnerHighlight(owner)
{
    // The panel's controls were laid out in the main window's font; a
    // window does not inherit its parent's font by itself.
    setFont(owner->font());
    // The platform window exists from the start, so that the outer sizes
    // take in whatever frame the platform knows before the first show.
    create();
}

QMargins TPopupForm::FrameMargins() const
{
    const QWindow *handle = windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

QSize TPopupForm::OuterSize() const
{
    return size().grownBy(FrameMargins());
}

void TPopupForm::SetOuterSize(const QSize &outer)
{
    resize(outer.shrunkBy(FrameMargins()));
}

void TPopupForm::SetMinimumOuterSize(const QSize &outer)
{
    setMinimumSize(outer.shrunkBy(FrameMargins()));
}

void TPopupForm::CreateControls(int memoHeight)
{
    const int cw = width();
    const int ch = height();

    m_PopupStatus = new QStatusBar(this);
    m_PopupStatus->setObjectName(QStringLiteral("PopupStatus"));
    m_PopupStatus->setSizeGripEnabled(false);
    m_PopupStatus->setGeometry(0, ch - 19, cw, 19);
    AnchorRules::Set(m_PopupStatus, akLeft | akRight | akBottom);

    const auto button = [this, ch](const char *name, const QString &caption, int left,
                                   TAnchors anchors, void (TBoardHighlight::*handler)()) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(left, ch - 44, 58, 25);
        AnchorRules::Set(b, anchors);
        connect(b, &QPushButton::clicked, m_OwnerHighlight, handler);
        return b;
    };
    m_PreviousButton = button("PreviousButton", QStringLiteral("Previous"), 6, akLeft | akBottom,
                              &TBoardHighlight::PreviousClick);
    m_NextButton = button("NextButton", QStringLiteral("Next"), (cw - 58) / 2, akBottom,
                          &TBoardHighlight::NextClick);
    m_DoneButton = button("DoneButton", QStringLiteral("Done"), cw - 64, akRight | akBottom,
                          &TBoardHighlight::DoneClick);

    m_StatusMemo = new QPlainTextEdit(this);
    m_StatusMemo->setObjectName(QStringLiteral("StatusMemo"));
    m_StatusMemo->setGeometry(6, m_DoneButton->y() - 6 - memoHeight, cw - 12, memoHeight);
    m_StatusMemo->setReadOnly(true);
    m_StatusMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    AnchorRules::Set(m_StatusMemo, akLeft | akTop | akRight | akBottom);

    // The panel came in before these were made, so its controls lead the
    // chain; the text box, which takes no tabs of its own, ends it.
    m_StatusMemo->setTabChangesFocus(true);
    setTabOrder(m_PreviousButton, m_NextButton);
    setTabOrder(m_NextButton, m_DoneButton);
    setTabOrder(m_DoneButton, m_StatusMemo);

    m_PopupStatus->show();
    m_PreviousButton->show();
    m_NextButton->show();
    m_DoneButton->show();
    m_StatusMemo->show();
}

// Activation is reported to the owner highlight and the panel's handlers
// only; the standard handling is skipped, so that the keyboard focus in
// the popup is placed where the highlight puts it and nowhere else.
bool TPopupForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate) {
        const bool active = event->type() == QEvent::WindowActivate;
        m_OwnerHighlight->SetPopupActive(active, true);
        const TNotifyEvent &handler = active ? OnActivate : OnDeactivate;
        if (handler)
            handler(this);
        return true;
    }
    return QWidget::event(event);
}

// A leave reaches the client area also when the pointer moves onto the
// window's own caption or frame, which still counts as inside.
void TPopupForm::leaveEvent(QEvent *event)
{
    if (!frameGeometry().contains(PointerPosition::Current()) && m_CloseOnLeave) {
        close();
        return;
    }
    QWidget::leaveEvent(event);
}

void TPopupForm::closeEvent(QCloseEvent *event)
{
    if (OnClose)
        OnClose(this);
    event->accept();
}
