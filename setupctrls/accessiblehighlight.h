#ifndef ACCESSIBLEHIGHLIGHT_H
#define ACCESSIBLEHIGHLIGHT_H

#include <QAccessibleWidget>

class TBoardHighlight;

// What assistive technology learns of a highlight circle: a button named
// after the spot, described by its kind ("setting", "feature" or
// "calibration"), whose press opens and pins the spot's popup. A name or
// description that the page gives the circle takes precedence.
class AccessibleHighlight : public QAccessibleWidget
{
public:
    explicit AccessibleHighlight(TBoardHighlight *highlight);

    // Makes every highlight answer through this class; harmless to repeat.
    static void Install();

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    TBoardHighlight *Highlight() const;
};

#endif
