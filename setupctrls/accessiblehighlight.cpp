#include "accessiblehighlight.h"

#include "tboardhighlight.h"

namespace {

QAccessibleInterface *Factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TBoardHighlight"))
        return new AccessibleHighlight(static_cast<TBoardHighlight *>(object));
    return nullptr;
}

QString KindText(const TBoardHighlight *highlight)
{
    switch (highlight->HighlightType()) {
    case TBoardHighlight::htOptions:
        return QStringLiteral("feature");
    case TBoardHighlight::htCalibration:
        return QStringLiteral("calibration");
    case TBoardHighlight::htSettings:
        break;
    }
    return QStringLiteral("setting");
}

} // namespace

AccessibleHighlight::AccessibleHighlight(TBoardHighlight *highlight)
    : QAccessibleWidget(highlight, QAccessible::Button)
{
}

void AccessibleHighlight::Install()
{
    static const bool installed = (QAccessible::installFactory(Factory), true);
    Q_UNUSED(installed);
}

TBoardHighlight *AccessibleHighlight::Highlight() const
{
    return static_cast<TBoardHighlight *>(widget());
}

QString AccessibleHighlight::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        return Highlight()->PlainTitle();
    case QAccessible::Description:
        if (!widget()->accessibleDescription().isEmpty())
            return widget()->accessibleDescription();
        return KindText(Highlight());
    default:
        return QAccessibleWidget::text(t);
    }
}

QStringList AccessibleHighlight::actionNames() const
{
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

// Pressing does what pointing at the circle, clicking it and moving away
// does: the popup opens, pinned, and takes the keyboard focus.
void AccessibleHighlight::doAction(const QString &actionName)
{
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    TBoardHighlight *highlight = Highlight();
    highlight->HandleMouseEnter(false);
    highlight->Click();
    highlight->HandleMouseLeave(false);
}
