#include "Geld.h"

#include "Subs.h"

#include <QStringList>

namespace Geld {

qint64 Kurs(const QString& waehrung)
{
    const QString w = waehrung.trimmed();
    if (w.isEmpty())
        return 0;
    // The full word or its first letter; the letters are unique among the four.
    struct Eintrag {
        const char* wort;
        qint64 pfennig;
    };
    static const Eintrag eintraege[] = {{"Dukaten", PfennigJeDukat},
                                        {"Dukat", PfennigJeDukat},
                                        {"Silbertaler", PfennigJeSilbertaler},
                                        {"Heller", PfennigJeHeller},
                                        {"Pfennig", 1}};
    for (const Eintrag& e : eintraege) {
        const QString wort = QString::fromLatin1(e.wort);
        if (w.compare(wort, Qt::CaseInsensitive) == 0 || (w.size() == 1 && w[0] == wort[0]))
            return e.pfennig;
    }
    return 0;
}

qint64 Pfennig(const QString& betrag, const QString& waehrung, bool* ok)
{
    const qint64 kurs = Kurs(waehrung);
    bool zahlOk = false;
    const double zahl = Subs::Zahl(betrag, &zahlOk);
    if (ok)
        *ok = zahlOk && kurs > 0;
    if (!zahlOk || kurs == 0)
        return 0;
    return Subs::Runden(zahl * double(kurs));
}

qint64 Pfennig(const QString& preis, bool* ok)
{
    QString text = preis.trimmed();
    // Split the amount from a trailing currency word or letter.
    qsizetype ende = text.size();
    while (ende > 0 && text[ende - 1].isLetter())
        --ende;
    const QString waehrung = text.mid(ende).trimmed();
    const QString betrag = text.left(ende).trimmed();
    if (betrag.isEmpty()) {
        if (ok)
            *ok = false;
        return 0;
    }
    return Pfennig(betrag, waehrung.isEmpty() ? QStringLiteral("D") : waehrung, ok);
}

QString Summe(qint64 pfennig)
{
    const bool negativ = pfennig < 0;
    const quint64 wert = negativ ? quint64(-(pfennig + 1)) + 1 : quint64(pfennig);
    const quint64 dukaten = wert / PfennigJeDukat;
    const quint64 taler = wert % PfennigJeDukat / PfennigJeSilbertaler;
    const quint64 heller = wert % PfennigJeSilbertaler / PfennigJeHeller;
    const quint64 rest = wert % PfennigJeHeller;
    QStringList teile;
    if (dukaten)
        teile << QString::number(dukaten) + (dukaten == 1 ? QStringLiteral(" Dukat") : QStringLiteral(" Dukaten"));
    if (taler)
        teile << QString::number(taler) + QStringLiteral(" Silbertaler");
    if (heller)
        teile << QString::number(heller) + QStringLiteral(" Heller");
    if (rest)
        teile << QString::number(rest) + QStringLiteral(" Pfennig");
    if (teile.isEmpty())
        return QStringLiteral("0 Heller");
    const QString text = teile.join(QStringLiteral(", "));
    return negativ ? QLatin1Char('-') + text : text;
}

} // namespace Geld
