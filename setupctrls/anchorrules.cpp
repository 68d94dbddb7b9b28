#include "anchorrules.h"

#include <QEvent>
#include <QWidget>

#include <cstdlib>

namespace {

// a × b ÷ c in 64 bits, rounded to the nearest integer with halves away
// from zero: the proportional centre is placed the way the classic layout
// rounds it.
int MulDiv(int a, int b, int c)
{
    const qint64 product = qint64(a) * b;
    const qint64 half = std::abs(c) / 2;
    const bool negative = (product < 0) != (c < 0);
    return int((product + (negative ? -half : half)) / c);
}

int Rule(bool nearEdge, bool farEdge, int position, int size)
{
    if (farEdge)
        return nearEdge ? size : position;
    return position + size / 2;
}

// New position and size on one axis for a parent of client size parentSize.
void Apply(bool nearEdge, bool farEdge, int rule, int originalParentSize, int parentSize,
           int &position, int &size)
{
    if (farEdge) {
        if (nearEdge)
            size = parentSize - (originalParentSize - rule);
        else
            position = parentSize - (originalParentSize - rule);
    } else if (!nearEdge && originalParentSize != 0) {
        position = MulDiv(rule, parentSize, originalParentSize) - size / 2;
    }
}

} // namespace

AnchorRules::AnchorRules(QWidget *child)
    : QObject(child)
    , m_Child(child)
{
    setObjectName(QStringLiteral("AnchorRules"));
    child->installEventFilter(this);
}

void AnchorRules::Set(QWidget *child, TAnchors anchors)
{
    auto *rules = child->findChild<AnchorRules *>(QString(), Qt::FindDirectChildrenOnly);
    if (!rules) {
        if (anchors == (akLeft | akTop))
            return;
        rules = new AnchorRules(child);
    }
    rules->m_Anchors = anchors;
    rules->WatchParent();
    rules->Record();
}

TAnchors AnchorRules::Get(const QWidget *child)
{
    const auto *rules = child->findChild<AnchorRules *>(QString(), Qt::FindDirectChildrenOnly);
    return rules ? rules->m_Anchors : TAnchors(akLeft | akTop);
}

void AnchorRules::WatchParent()
{
    QWidget *parent = m_Child->parentWidget();
    if (parent == m_Parent)
        return;
    if (m_Parent)
        m_Parent->removeEventFilter(this);
    m_Parent = parent;
    if (m_Parent)
        m_Parent->installEventFilter(this);
}

void AnchorRules::Record()
{
    const QRect g = m_Child->geometry();
    m_Rules = QPoint(Rule(m_Anchors & akLeft, m_Anchors & akRight, g.x(), g.width()),
                     Rule(m_Anchors & akTop, m_Anchors & akBottom, g.y(), g.height()));
    m_OriginalParentSize = m_Parent ? m_Parent->size() : QSize();
    m_Placed = g;
}

void AnchorRules::Place()
{
    if (m_Anchors == (akLeft | akTop) || !m_Parent)
        return;
    QRect g = m_Child->geometry();
    int left = g.x();
    int top = g.y();
    int width = g.width();
    int height = g.height();
    Apply(m_Anchors & akLeft, m_Anchors & akRight, m_Rules.x(), m_OriginalParentSize.width(),
          m_Parent->width(), left, width);
    Apply(m_Anchors & akTop, m_Anchors & akBottom, m_Rules.y(), m_OriginalParentSize.height(),
          m_Parent->height(), top, height);
    m_Placing = true;
    m_Child->setGeometry(left, top, qMax(width, 0), qMax(height, 0));
    m_Placing = false;
    m_Placed = m_Child->geometry();
}

bool AnchorRules::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_Parent && event->type() == QEvent::Resize) {
        Place();
    } else if (watched == m_Child) {
        switch (event->type()) {
        case QEvent::ParentChange:
            WatchParent();
            Record();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            // Our own placements come back here too, possibly late (a
            // hidden widget gets them when it is shown); only a place set
            // by someone else is a new starting point.
            if (!m_Placing && m_Child->geometry() != m_Placed)
                Record();
            break;
        default:
            break;
        }
    }
    return false;
}
