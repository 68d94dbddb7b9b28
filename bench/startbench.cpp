#include "benches.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QTemporaryFile>

#include <cerrno>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct StartRun
{
    double milliseconds;
    double peakMiB;
};

constexpr int ChildTimeoutMs = 60000;

// The child's report on standard output, or an empty string if it said
// nothing within the time allowed (it is killed then).
std::string ReadReport(int fd, pid_t child)
{
    std::string report;
    const auto start = std::chrono::steady_clock::now();
    char buffer[256];
    for (;;) {
        const int left = ChildTimeoutMs - int(MillisecondsSince(start));
        pollfd wait{ fd, POLLIN, 0 };
        if (left <= 0 || poll(&wait, 1, left) == 0) {
            kill(child, SIGKILL);
            return {};
        }
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return report;
        report.append(buffer, size_t(n));
    }
}

StartRun Spawn(const QString &program, const QProcessEnvironment &base)
{
    QTemporaryFile errors;
    if (!errors.open())
        throw std::runtime_error("cannot make a file for the child's error output");

    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errors.handle(), STDERR_FILENO);

    const QByteArray path = program.toLocal8Bit();
    char *argv[] = { const_cast<char *>(path.constData()), nullptr };

    std::vector<std::string> entries;
    for (const QString &entry : base.toStringList())
        entries.push_back(entry.toStdString());
    const qint64 spawned = std::chrono::duration_cast<std::chrono::nanoseconds>(
                               std::chrono::steady_clock::now().time_since_epoch())
                               .count();
    entries.push_back("SETUP_BENCH_SPAWNED_NS=" + std::to_string(spawned));
    std::vector<char *> envp;
    for (std::string &entry : entries)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    pid_t child = 0;
    const int failed = posix_spawn(&child, path.constData(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (failed) {
        close(out[0]);
        throw std::runtime_error("cannot start " + path.toStdString());
    }

    const std::string report = ReadReport(out[0], child);
    close(out[0]);
    int status = 0;
    rusage usage {};
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }

    bool parsed = false;
    const double milliseconds = QByteArray::fromStdString(report).trimmed().toDouble(&parsed);
    if (!parsed || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        errors.seek(0);
        throw std::runtime_error(path.toStdString() + " did not report its first paint; it wrote:\n"
                                 + errors.readAll().toStdString());
    }
    return { milliseconds, double(usage.ru_maxrss) / 1024.0 };
}

} // namespace

// Runs alternate, and every other pair starts with the other program, so
// that drift on the machine and warm caches favour neither; a first pair
// only warms the caches.
QList<Figure> StartFigures(const StartSetup &setup)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), setup.platform);
    if (setup.display.isEmpty())
        environment.remove(QStringLiteral("DISPLAY"));
    else
        environment.insert(QStringLiteral("DISPLAY"), setup.display);

    Spawn(setup.minimalProgram, environment);
    Spawn(setup.settingsProgram, environment);

    QList<double> minimalTimes, settingsTimes, minimalPeaks, settingsPeaks;
    for (int i = 0; i < setup.runs; ++i) {
        const auto runMinimal = [&] {
            const StartRun run = Spawn(setup.minimalProgram, environment);
            minimalTimes.append(run.milliseconds);
            minimalPeaks.append(run.peakMiB);
        };
        const auto runSettings = [&] {
            const StartRun run = Spawn(setup.settingsProgram, environment);
            settingsTimes.append(run.milliseconds);
            settingsPeaks.append(run.peakMiB);
        };
        if (i % 2) {
            runSettings();
            runMinimal();
        } else {
            runMinimal();
            runSettings();
        }
    }

    Figure time;
    time.name = QStringLiteral("start to main window shown and painted, %1").arg(setup.label);
    time.value = Median(settingsTimes);
    time.floor = Median(minimalTimes);
    time.target = Figure::AtMostTimesFloor;
    time.limit = 1.3;
    time.unit = QStringLiteral("ms");

    Figure memory;
    memory.name = QStringLiteral("peak resident memory of that run, %1").arg(setup.label);
    memory.value = Median(settingsPeaks);
    memory.floor = Median(minimalPeaks);
    memory.target = Figure::AtMostAboveFloor;
    memory.limit = 15;
    memory.unit = QStringLiteral("MiB");
    return { time, memory };
}
