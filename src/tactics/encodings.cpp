#include "encodings.h"

#include "base/wholenumber.h"
#include "settings/inifile.h"

namespace {

QString phrase(const QString& code)
{
    static const QList<std::pair<QString, QString>> phrases = {
        {QStringLiteral("G"), QStringLiteral("Goal Difference ")},
        {QStringLiteral("T"), QStringLiteral("Game Time ")},
        {QStringLiteral(">"), QStringLiteral("is greater than ")},
        {QStringLiteral(">="), QStringLiteral("is more than or equal to ")},
        {QStringLiteral("="), QStringLiteral("is equal to ")},
        {QStringLiteral("<="), QStringLiteral("is less than or equal to ")},
        {QStringLiteral("<"), QStringLiteral("is less than ")}};
    for (const auto& [c, p] : phrases)
        if (c == code)
            return p;
    return QString();
}

QString describe(const Condition& c)
{
    QString line = phrase(c.event) + phrase(c.op) + c.value;
    if (c.event == QLatin1String("T"))
        line += QLatin1String(" Minutes");
    return line;
}

QString encodeConditional(const Conditional& x)
{
    return QStringList{x.first.event, x.first.op,     x.first.value, x.second.event,
                       x.second.op,   x.second.value, x.action,      x.position}
        .join(QLatin1Char(','));
}

} // namespace

const QStringList& conditionEvents()
{
    static const QStringList events = {QStringLiteral("G"), QStringLiteral("T")};
    return events;
}

const QStringList& conditionOperators()
{
    static const QStringList ops = {QStringLiteral(">"), QStringLiteral(">="), QStringLiteral("="),
                                    QStringLiteral("<="), QStringLiteral("<")};
    return ops;
}

const QStringList& conditionalActions()
{
    static const QStringList actions = {QStringLiteral("C"),  QStringLiteral("S1"), QStringLiteral("S2"),
                                        QStringLiteral("S3"), QStringLiteral("S4"), QStringLiteral("S5")};
    return actions;
}

QStringList conditionalPositions(bool mswl)
{
    // Shared copies: the orders check asks for them once per conditional.
    static const QStringList full = {QStringLiteral("GK"), QStringLiteral("SW"), QStringLiteral("DF"),
                                     QStringLiteral("MF"), QStringLiteral("WG"), QStringLiteral("FW"),
                                     QStringLiteral("p"),  QStringLiteral("n"),  QStringLiteral("a")};
    static const QStringList lgm = {QStringLiteral("GK"), QStringLiteral("SW"), QStringLiteral("DF"),
                                    QStringLiteral("MF"), QStringLiteral("FW")};
    return mswl ? full : lgm;
}

QString encodeTacticConditions(const Condition& c1, const Condition& c2)
{
    QString out;
    out += c1.event + QLatin1Char(',');
    out += c1.op + QLatin1Char(',');
    if (c1.complete())
        out += c1.value;
    out += QLatin1Char(',');
    out += c2.event + QLatin1Char(',');
    out += c2.op + QLatin1Char(',');
    if (c2.complete())
        out += c2.value;
    return out;
}

QStringList describeTacticConditions(const Condition& c1, const Condition& c2)
{
    QStringList lines;
    if (c1.complete())
        lines.append(describe(c1));
    if (c2.complete())
        lines.append((lines.isEmpty() ? QString() : QStringLiteral("and ")) + describe(c2));
    return lines;
}

QString strategyCode(const QString& presetName)
{
    return presetName.left(1);
}

QStringList strategyPresets(const TIniFile& ini, bool mswl, MissingPresets missing)
{
    const QString section = mswl ? QStringLiteral("MSWLTTacs") : QStringLiteral("LGMTTacs");
    const int n = ini.readInteger(section, QStringLiteral("howmany"), 6);
    QStringList names;
    // A default no settings file can hold tells a missing name from a written one in one reading.
    const QString absent(1, QChar(0));
    for (int i = 1; i <= n; ++i) {
        const QString name = ini.readString(section, QStringLiteral("T%1").arg(i), absent);
        if (name != absent)
            names.append(name);
        else if (missing == MissingPresets::AsTest)
            names.append(QStringLiteral("test"));
    }
    return names;
}

QString encodeConditionalsCell(const QString& mark1, const QString& mark2, const Conditional& a, const Conditional& b,
                               const Conditional& c)
{
    return QStringList{mark1, mark2, encodeConditional(a), encodeConditional(b), encodeConditional(c)}.join(
        QLatin1Char(','));
}

QStringList decodeConditionalsCell(const QString& cell)
{
    QStringList fields = cell.split(QLatin1Char(','));
    if (fields.size() > 26)
        fields.resize(26);
    return fields;
}

QString stepConditionValue(const QString& value, const QString& event, bool fifteenMinuteSteps, StepDirection direction)
{
    const qint64 v = parseWholeNumber(value).value_or(0);
    const int step = (event == QLatin1String("T") && fifteenMinuteSteps) ? 15 : 1;
    const qint64 next = std::clamp<qint64>(direction == StepDirection::Up ? v + step : v - step, -90, 90);
    return QString::number(next);
}
