#include "Desktopeintrag.h"

namespace Desktopeintrag {

QString Wert(const QString& wert)
{
    QString aus;
    for (const QChar c : wert) {
        if (c == QLatin1Char('\\'))
            aus += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            aus += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            aus += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            aus += QStringLiteral("\\r");
        else
            aus += c;
    }
    if (aus.startsWith(QLatin1Char(' ')))
        aus.replace(0, 1, QStringLiteral("\\s"));
    return aus;
}

QString Exec(const QString& programm)
{
    QString arg = programm;
    arg.replace(QLatin1Char('%'), QStringLiteral("%%"));
    static const QString reserviert = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quoten = false;
    for (const QChar c : arg)
        quoten = quoten || reserviert.contains(c);
    if (!quoten)
        return arg;
    QString zitiert = QStringLiteral("\"");
    for (const QChar c : arg) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            zitiert += QLatin1Char('\\');
        zitiert += c;
    }
    return zitiert + QLatin1Char('"');
}

} // namespace Desktopeintrag
