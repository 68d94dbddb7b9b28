#ifndef ACCESSIBLEJUMPER_H
#define ACCESSIBLEJUMPER_H

#include "tthreejumper.h"

#include <QAccessibleWidget>

// What assistive technology learns of a jumper drawing: a button named
// "Jumper" unless the page names it after what its pins mean, described by
// where the cap sits as seen on the screen ("cap on the top two pins"),
// whose press moves the cap as a click does.
class AccessibleJumper : public QAccessibleWidget
{
public:
    explicit AccessibleJumper(TThreeJumper *jumper);

    // Makes every jumper answer through this class; harmless to repeat.
    static void Install();

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    TThreeJumper *Jumper() const;
};

#endif
