// Encounter tables: any file gives a table whose lines are whole (a valid number, a weight in range), every
// draw names a line of it with a number its dice allow, and a journey through that terrain writes a whole
// page with every encounter's name masked.
#include "Begegnungen.h"
#include "FuzzHilfe.h"
#include "HTMLExport.h"
#include "Reise.h"
#include "Zeilendatei.h"
#include "Zufall.h"

#include <QCryptographicHash>
#include <QDir>

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    QDir(FuzzHilfe::Einrichten()).mkpath(QStringLiteral("Data/Day/Begegnungen"));
    FuzzHilfe::Datei(QStringLiteral("Data/Day/Begegnungen/Wald.dat"), daten, groesse);
    const Begegnungen::Tabelle t = Begegnungen::Lesen(QStringLiteral("Wald"));
    if (!t.Vorhanden || t.Chance < 0 || t.Chance > 100)
        std::abort();
    int vorher = 1;
    for (const Begegnungen::Zeile& z : t.Zeilen) {
        const std::optional<Begegnungen::Anzahl> a = Begegnungen::AnzahlLesen(z.AnzahlText);
        if (!a || a->Hoechstens() != z.Wurf.Hoechstens() || z.Wurf.Hoechstens() > Begegnungen::HoechsteAnzahl
            || z.Gewicht < 1 || z.Gewicht > Begegnungen::HoechstesGewicht || z.Nummer <= vorher || z.Name.isEmpty())
            std::abort();
        vorher = z.Nummer;
    }
    // No lines but a chance, or lines but a refused first line: never both lines and a message on line 1.
    if (t.Chance == 0 && !t.Zeilen.isEmpty() && !t.Meldungen.isEmpty() && t.Meldungen.first().contains(QStringLiteral("Zeile 1:")))
        std::abort();

    // The same input always draws the same rolls, so a finding replays.
    const QByteArray summe = QCryptographicHash::hash(FuzzHilfe::Bytes(daten, groesse), QCryptographicHash::Sha1);
    quint64 saat = 0;
    std::memcpy(&saat, summe.constData(), sizeof saat);
    Zufall::SaatSetzen(saat);
    for (int i = 0; i < 50; ++i) {
        const std::optional<Begegnungen::Begegnung> b = Begegnungen::Ziehen(t);
        if (!b)
            continue;
        bool gefunden = false;
        for (const Begegnungen::Zeile& z : t.Zeilen)
            if (z.Nummer == b->Zeile && z.Name == b->Name && b->Anzahl >= z.Wurf.Wuerfel + z.Wurf.Zuschlag
                && b->Anzahl <= z.Wurf.Hoechstens())
                gefunden = true;
        if (!gefunden || b->Anzahl < 1)
            std::abort();
    }

    Reise::Plan plan;
    plan.Meilen = 240;
    plan.Etappen = {{QStringLiteral("Wald"), QString(), false, 0}};
    QString fehler;
    const std::optional<Reise::Ergebnis> e = Reise::Planen(plan, saat, &fehler);
    Zufall::ProduktionSetzen();
    if (!e || e->Tage.size() != 10)
        std::abort();
    const QByteArray seite = Reise::Seite(*e, QByteArray());
    if (!seite.startsWith("<html>\r\n") || !seite.endsWith("</body>\r\n</html>\r\n"))
        std::abort();
    for (const Reise::Tag& tag : e->Tage)
        if (tag.Begegnung
            && !seite.contains(Zeilendatei::InCodepage(HTMLExport::HtmlMaskieren(Reise::BegegnungText(*tag.Begegnung)))))
            std::abort();
    return 0;
}
