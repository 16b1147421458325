#include "Kaeuflichkeit.h"

#include "Gegenstandstabelle.h"
#include "Waffentabelle.h"

#include <QRegularExpression>

namespace Kaeuflichkeit {

namespace {

QRegularExpression Muster(const char* muster)
{
    return QRegularExpression(QString::fromUtf8(muster), QRegularExpression::CaseInsensitiveOption
                                                             | QRegularExpression::UseUnicodePropertiesOption);
}

// Whole words only: "Schnur an" is no "nur an", "käuflicher" no "käuflich".
const QRegularExpression& NieMuster()
{
    static const QRegularExpression m = Muster(R"((?<!\w)(nicht\s+käuflich|unverkäuflich)(?!\w))");
    return m;
}

const QRegularExpression& NurAnMuster()
{
    static const QRegularExpression m = Muster(R"((?<!\w)nur\s+an(?!\w))");
    return m;
}

// "Nur an" restricts the buyers only where the sentence is about selling ("Nur an der Spitze geschliffen" is not).
const QRegularExpression& VerkaufMuster()
{
    static const QRegularExpression m = Muster(R"(verkauf|abgegeben|abgabe|ausgegeben|geliefert|gehandelt|erhältlich)");
    return m;
}

const QRegularExpression& BestellungMuster()
{
    static const QRegularExpression m = Muster(R"((?<!\w)nur(?!\w).*(?<!\w)auf\s+bestellung(?!\w))");
    return m;
}

Art SatzPruefen(const QString& satz)
{
    if (NieMuster().match(satz).hasMatch())
        return Art::Nie;
    if ((NurAnMuster().match(satz).hasMatch() && VerkaufMuster().match(satz).hasMatch())
        || BestellungMuster().match(satz).hasMatch())
        return Art::Beschraenkt;
    return Art::Frei;
}

bool Satzende(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?') || c == QLatin1Char(';')
        || c == QLatin1Char('(') || c == QLatin1Char(')');
}

} // namespace

Urteil TextPruefen(const QString& text)
{
    // Most texts say nothing of the kind; they are passed without a pattern.
    if (!text.contains(QStringLiteral("käuflich"), Qt::CaseInsensitive) && !text.contains(QStringLiteral("nur"), Qt::CaseInsensitive))
        return {};
    Urteil urteil;
    qsizetype anfang = 0;
    while (anfang < text.size()) {
        qsizetype ende = anfang;
        while (ende < text.size() && !Satzende(text[ende]))
            ++ende;
        // A full stop belongs to its sentence, a bracket does not.
        const bool mitPunkt = ende < text.size() && text[ende] != QLatin1Char('(') && text[ende] != QLatin1Char(')');
        QString satz = text.mid(anfang, ende - anfang + (mitPunkt ? 1 : 0)).trimmed();
        const Art art = SatzPruefen(satz);
        if (int(art) > int(urteil.Stufe)) {
            if (!satz.isEmpty())
                satz[0] = satz[0].toUpper();
            urteil = {art, satz};
        }
        anfang = ende + 1;
    }
    return urteil;
}

Urteil Strenger(const Urteil& a, const Urteil& b)
{
    return int(b.Stufe) > int(a.Stufe) ? b : a;
}

Armoryurteile ArmoryLesen()
{
    using namespace Waffentabellen;
    Armoryurteile urteile;
    for (const Tabelle t : {Tabelle::NWaffen, Tabelle::FWaffen, Tabelle::Armor}) {
        const int beschreibung = FeldBeschreibung(t);
        const int handel = FeldHandel(t);
        QList<bool> felder(Feldanzahl(t), false);
        felder[1] = felder[beschreibung] = felder[handel] = true;
        Durchlaufen(t, felder, [&](const QStringList& d) {
            const Urteil u = Strenger(Strenger(TextPruefen(d.value(1)), TextPruefen(d.value(beschreibung))),
                                      TextPruefen(d.value(handel)));
            if (u.Stufe != Art::Frei)
                urteile[d.value(1)] = Strenger(urteile.value(d.value(1)), u);
        });
    }
    return urteile;
}

Urteil WarePruefen(const QStringList& felder, const Armoryurteile& armory)
{
    const QString name = Katalog::Name(felder.value(0));
    const Urteil eigenes = Strenger(TextPruefen(name), TextPruefen(felder.value(3)));
    const auto gefunden = armory.constFind(name);
    return gefunden == armory.constEnd() ? eigenes : Strenger(eigenes, *gefunden);
}

bool ImShop(Art stufe, int qualitaet)
{
    return stufe == Art::Frei || (stufe == Art::Beschraenkt && qualitaet >= 5);
}

} // namespace Kaeuflichkeit
