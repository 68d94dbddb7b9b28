// make bench: every figure of the program beside its floor, measured in
// one run, printed as a table and written as JSON for programs to read.
#include "benches.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>
#include <exception>

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform says so whenever a popup is raised; that is no
// news here and would bury the table.
void QuietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        defaultHandler(type, context, message);
}

QString Number(std::optional<double> value, int decimals)
{
    return value ? QString::number(*value, 'f', decimals) : QStringLiteral("-");
}

void PrintTable(const QList<Figure> &figures)
{
    const char *format = "%-62s %9s %9s %7s %-22s %-4s %s\n";
    std::printf(format, "figure", "value", "floor", "ratio", "target", "unit", "meets");
    for (const Figure &figure : figures) {
        const std::optional<bool> meets = figure.Meets();
        std::printf(format, qPrintable(figure.name), qPrintable(Number(figure.value, 2)),
                    qPrintable(Number(figure.floor, 2)), qPrintable(Number(figure.Ratio(), 2)),
                    qPrintable(figure.TargetText()), qPrintable(figure.unit),
                    meets ? (*meets ? "yes" : "NO") : "-");
    }
}

bool WriteJson(const QList<Figure> &figures, const QString &path)
{
    QJsonArray rows;
    for (const Figure &figure : figures)
        rows.append(figure.ToJson());
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray text = QJsonDocument(QJsonObject{ { QStringLiteral("figures"), rows } }).toJson();
    return file.write(text) == text.size();
}

} // namespace

int main(int argc, char *argv[])
{
    // The in-process figures run offscreen whatever the spawned programs
    // are given.
    qputenv("QT_QPA_PLATFORM", SETUP_BENCH_OFFSCREEN);
    QApplication application(argc, argv);
    defaultHandler = qInstallMessageHandler(QuietPlatform);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption minimal(QStringLiteral("minimal"), QStringLiteral("The floor's start-up program."),
                                     QStringLiteral("path"));
    const QCommandLineOption settings(QStringLiteral("settings"),
                                      QStringLiteral("The program's start-up with the probe."), QStringLiteral("path"));
    const QCommandLineOption display(QStringLiteral("display"),
                                     QStringLiteral("An X server with a window manager, for the start-up under X."),
                                     QStringLiteral("name"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Where the figures go."),
                                  QStringLiteral("path"), QStringLiteral("build/bench.json"));
    const QCommandLineOption runs(QStringLiteral("runs"), QStringLiteral("Start-ups of each program per platform."),
                                  QStringLiteral("count"), QStringLiteral("15"));
    parser.addOptions({ minimal, settings, display, json, runs });
    parser.process(application);
    if (!parser.isSet(minimal) || !parser.isSet(settings)) {
        std::fprintf(stderr, "setup_bench: --minimal and --settings are needed\n");
        return 2;
    }

    QList<Figure> figures;
    try {
        StartSetup start;
        start.minimalProgram = parser.value(minimal);
        start.settingsProgram = parser.value(settings);
        start.runs = parser.value(runs).toInt();
        start.label = QStringLiteral("offscreen");
        start.platform = QStringLiteral(SETUP_BENCH_OFFSCREEN);
        QList<Figure> offscreen = StartFigures(start);
        QList<Figure> underX;
        if (parser.isSet(display)) {
            start.label = QStringLiteral("Xvfb");
            start.platform = QStringLiteral("xcb");
            start.display = parser.value(display);
            underX = StartFigures(start);
        }
        figures << offscreen.at(0);
        if (!underX.isEmpty())
            figures << underX.at(0);
        figures << offscreen.at(1);
        if (!underX.isEmpty())
            figures << underX.at(1);

        figures << RingFigure(101) << JpegFigure(101) << PopupFigures(21, 51);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "setup_bench: %s\n", error.what());
        return 1;
    }

    PrintTable(figures);
    if (!WriteJson(figures, parser.value(json))) {
        std::fprintf(stderr, "setup_bench: cannot write %s\n", qPrintable(parser.value(json)));
        return 1;
    }
    std::printf("\nwritten to %s\n", qPrintable(parser.value(json)));
    return 0;
}
