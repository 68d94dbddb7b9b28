#ifndef SUPPORTWINDOW_H
#define SUPPORTWINDOW_H

class QAbstractButton;
class QString;
class QWidget;

// What the supporter's three windows have in common: they are made in code
// without a stored layout, so each starts from the same plain window and
// is then fitted around the controls it places.
namespace SupportWindow {

// A hidden 320 x 240 top-level over the owner, with a title bar, system
// menu, minimize and maximize boxes, on top of other windows, in the plain
// dialog font on the window colour. Closing it only hides it.
void Prepare(QWidget *window, const QString &name, const QString &caption);

// Moves the visible children by one common offset so that the smallest
// left and top become 0, and gives the window exactly the client size of
// their common bounding box.
void FitToChildren(QWidget *window);

// Esc anywhere in the window presses the button.
void MakeCancelButton(QAbstractButton *button);

} // namespace SupportWindow

#endif
