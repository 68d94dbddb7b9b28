#ifndef BOARDPAGEWINDOW_H
#define BOARDPAGEWINDOW_H

#include "tmainform.h"

#include <QList>

#include <memory>

class TBoardHighlight;

// The program's main window, shown maximized and painted once, so that
// the board image has placed and scaled the photograph and every highlight
// has built its pictures.
std::unique_ptr<TMainForm> ShownMainForm();

QList<TBoardHighlight *> Highlights(const TMainForm &form);

#endif
