#include "figure.h"

#include <QJsonValue>

#include <algorithm>

std::optional<double> Figure::Ratio() const
{
    if (!floor || *floor <= 0)
        return std::nullopt;
    return value / *floor;
}

QString Figure::TargetText() const
{
    switch (target) {
    case AtMostTimesFloor:
        return QStringLiteral("<= %1x floor").arg(limit);
    case AtMostAboveFloor:
        return QStringLiteral("<= floor + %1 %2").arg(limit).arg(unit);
    case ReportOnly:
        break;
    }
    return QStringLiteral("report");
}

std::optional<bool> Figure::Meets() const
{
    switch (target) {
    case AtMostTimesFloor:
        return Ratio() && *Ratio() <= limit;
    case AtMostAboveFloor:
        return floor && value <= *floor + limit;
    case ReportOnly:
        break;
    }
    return std::nullopt;
}

QJsonObject Figure::ToJson() const
{
    const auto number = [](std::optional<double> x) { return x ? QJsonValue(*x) : QJsonValue(); };
    QJsonObject json{ { QStringLiteral("name"), name },
                      { QStringLiteral("value"), value },
                      { QStringLiteral("floor"), number(floor) },
                      { QStringLiteral("ratio"), number(Ratio()) },
                      { QStringLiteral("target"), TargetText() },
                      { QStringLiteral("unit"), unit } };
    if (const std::optional<bool> meets = Meets())
        json.insert(QStringLiteral("meets"), *meets);
    else
        json.insert(QStringLiteral("meets"), QJsonValue());
    return json;
}

double Median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}
