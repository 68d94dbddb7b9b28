#ifndef STARTPROBE_H
#define STARTPROBE_H

class QWidget;

// Built into both start-up programs that the bench spawns, so that the
// real main window and the floor's window are timed by the same code.
// The spawning bench passes its steady-clock reading (nanoseconds) taken
// just before the spawn in SETUP_BENCH_SPAWNED_NS; once the window has been
// shown maximized and its first paint at that size has gone to the screen,
// the probe prints the milliseconds since then on standard output and ends
// the event loop.
namespace StartProbe {

void Watch(QWidget *window);

}

#endif
