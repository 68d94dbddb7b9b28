#include "accessiblejumper.h"

namespace {

QAccessibleInterface *Factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TThreeJumper"))
        return new AccessibleJumper(static_cast<TThreeJumper *>(object));
    return nullptr;
}

// The first and last pins of the unturned drawing are its left and right
// ones; turning the drawing moves them to where the user sees them.
QString CapPosition(TThreeJumper::TOrientationType orientation, TThreeJumper::TJumperState state)
{
    if (state == TThreeJumper::jsOpen)
        return QStringLiteral("open, no cap");
    const bool first = state == TThreeJumper::jsLeft;
    const char *side = "";
    switch (orientation) {
    case TThreeJumper::otUp:
        side = first ? "left" : "right";
        break;
    case TThreeJumper::otDown:
        side = first ? "right" : "left";
        break;
    case TThreeJumper::otLeft:
        side = first ? "bottom" : "top";
        break;
    case TThreeJumper::otRight:
        side = first ? "top" : "bottom";
        break;
    }
    return QStringLiteral("cap on the %1 two pins").arg(QLatin1String(side));
}

} // namespace

AccessibleJumper::AccessibleJumper(TThreeJumper *jumper)
    : QAccessibleWidget(jumper, QAccessible::Button)
{
}

void AccessibleJumper::Install()
{
    static const bool installed = (QAccessible::installFactory(Factory), true);
    Q_UNUSED(installed);
}

TThreeJumper *AccessibleJumper::Jumper() const
{
    return static_cast<TThreeJumper *>(widget());
}

QString AccessibleJumper::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        return QStringLiteral("Jumper");
    case QAccessible::Description:
        return CapPosition(Jumper()->Orientation(), Jumper()->JumperState());
    default:
        return QAccessibleWidget::text(t);
    }
}

QStringList AccessibleJumper::actionNames() const
{
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void AccessibleJumper::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        Jumper()->Click();
    else
        QAccessibleWidget::doAction(actionName);
}
