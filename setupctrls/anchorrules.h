#ifndef ANCHORRULES_H
#define ANCHORRULES_H

#include <QFlags>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

enum TAnchorKind {
    akLeft = 0x1,
    akTop = 0x2,
    akRight = 0x4,
    akBottom = 0x8,
};
Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
Q_DECLARE_OPERATORS_FOR_FLAGS(TAnchors)

// Keeps a child widget's edges at fixed distances from the edges of its
// parent that it is anchored to, as the parent is resized:
// - anchored left and right, the child stretches with the parent;
// - anchored right only, it keeps its distance to the right edge;
// - anchored to neither side, its centre keeps its proportion of the
//   parent's width;
// and the same vertically. The child's place and the parent's client size
// are recorded when the anchors are set and again whenever the child is
// moved, resized or given another parent by anyone but these rules, so
// that every later placement starts from what the owner last laid out.
// [akLeft, akTop] leaves the child where it is, which is also what a child
// without anchors gets.
class AnchorRules : public QObject
{
    Q_OBJECT

public:
    static void Set(QWidget *child, TAnchors anchors);
    static TAnchors Get(const QWidget *child);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit AnchorRules(QWidget *child);

    void Record();
    void Place();
    void WatchParent();

    QWidget *m_Child;
    QWidget *m_Parent = nullptr;
    TAnchors m_Anchors = akLeft | akTop;
    // Per axis: the original size when anchored to both edges, the
    // original near edge when anchored to the far one only, the original
    // centre when anchored to neither.
    QPoint m_Rules;
    QSize m_OriginalParentSize;
    QRect m_Placed;
    bool m_Placing = false;
};

#endif
