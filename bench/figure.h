#ifndef FIGURE_H
#define FIGURE_H

#include <QJsonObject>
#include <QList>
#include <QString>

#include <chrono>
#include <optional>

// One measured row of the bench: the program's value beside the floor it
// is compared with, and the target that the comparison must meet.
struct Figure
{
    enum Target {
        AtMostTimesFloor, // value <= limit x floor
        AtMostAboveFloor, // value <= floor + limit, in the figure's unit
        ReportOnly, // no floor; the value is only reported
    };

    QString name;
    double value = 0;
    std::optional<double> floor;
    Target target = ReportOnly;
    double limit = 0;
    QString unit;

    std::optional<double> Ratio() const;
    QString TargetText() const;
    std::optional<bool> Meets() const;
    QJsonObject ToJson() const;
};

double Median(QList<double> values);

inline double MillisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

#endif
