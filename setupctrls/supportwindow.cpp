#include "supportwindow.h"

#include <QAbstractButton>
#include <QShortcut>
#include <QWidget>

namespace SupportWindow {

void Prepare(QWidget *window, const QString &name, const QString &caption)
{
    window->setObjectName(name);
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint
                           | Qt::WindowStaysOnTopHint);
    window->resize(320, 240);

    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    window->setFont(font);
    window->setBackgroundRole(QPalette::Base);
    window->setAutoFillBackground(true);
}

void FitToChildren(QWidget *window)
{
    QRect box;
    const QList<QWidget *> children = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (const QWidget *child : children) {
        if (!child->isWindow() && child->isVisibleTo(window))
            box |= child->geometry();
    }
    if (box.isNull())
        return;

    for (QWidget *child : children) {
        if (!child->isWindow() && child->isVisibleTo(window))
            child->move(child->pos() - box.topLeft());
    }
    window->resize(box.size());
}

void MakeCancelButton(QAbstractButton *button)
{
    auto *escape = new QShortcut(Qt::Key_Escape, button->window());
    QObject::connect(escape, &QShortcut::activated, button, &QAbstractButton::click);
}

} // namespace SupportWindow
