#ifndef BENCHES_H
#define BENCHES_H

#include "figure.h"

#include <QList>
#include <QString>

// How one start-up comparison is run: the two programs, spawned in turns,
// and the platform they are given.
struct StartSetup
{
    QString label; // "offscreen" or "Xvfb"
    QString minimalProgram;
    QString settingsProgram;
    QString platform; // QT_QPA_PLATFORM for both
    QString display; // DISPLAY for both, if any
    int runs = 0; // of each program
};

// Start to shown and painted, and the peak resident memory of those runs.
QList<Figure> StartFigures(const StartSetup &setup);

// These run in the bench's own process, which must have a QApplication on
// the offscreen platform.
Figure RingFigure(int repetitions);
Figure JpegFigure(int repetitions);
QList<Figure> PopupFigures(int firstTimes, int reshows);

#endif
