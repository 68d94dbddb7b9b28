#ifndef TRADIOPANEL_H
#define TRADIOPANEL_H

#include "anchorrules.h"

#include <QStringList>
#include <QWidget>

#include <functional>

// An invisible container for what a highlight's popup shows about one spot
// of the board: an explanatory text and whatever controls are placed on it.
// The first popup built for it takes it over and shows it at its top left;
// it stays there. Radio buttons placed on one panel form one group.
class TRadioPanel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool RadioEnabled READ RadioEnabled WRITE SetRadioEnabled)
    Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
    Q_PROPERTY(int MemoHeight READ MemoHeight WRITE SetMemoHeight)

public:
    using TNotifyEvent = std::function<void(QObject *sender)>;
    using TRadioPanelChangeEvent = std::function<void(QObject *sender)>;

    explicit TRadioPanel(QWidget *parent = nullptr);

    bool RadioEnabled() const { return m_RadioEnabled; }
    void SetRadioEnabled(bool value) { m_RadioEnabled = value; }
    // The list itself: callers may change it in place.
    QStringList &Lines() { return m_Lines; }
    const QStringList &Lines() const { return m_Lines; }
    void SetLines(const QStringList &lines) { m_Lines = lines; }
    int MemoHeight() const { return m_MemoHeight; }
    void SetMemoHeight(int value) { m_MemoHeight = value; }
    TAnchors FinalAnchors() const { return m_FinalAnchors; }
    void SetFinalAnchors(TAnchors value);
    bool InPopup() const { return m_InPopup; }
    void SetInPopup(bool value) { m_InPopup = value; }

    // Stored for the popup, which copies them when it is built; the panel
    // raises none of them itself.
    TRadioPanelChangeEvent OnRadioChange;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

private:
    bool m_RadioEnabled = false;
    QStringList m_Lines;
    int m_MemoHeight = 58;
    TAnchors m_FinalAnchors = akLeft | akTop;
    bool m_InPopup = false;
};

#endif
