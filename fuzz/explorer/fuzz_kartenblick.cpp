// The register as the map explorer reads it: the city box's list, and for each listed city its marker on
// both maps, its panel texts, its position line, and distances between the cities. Positions typed for the
// batch commands are read from the same bytes. An input with a NUL byte holds the list before it and the
// records after it; without one both files get the whole input.
#include "FuzzHilfe.h"
#include "KartenEngine.h"
#include "Pfad.h"
#include "Subs.h"
#include "Variablen.h"

#include <QStringList>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

// A broken rule is a finding, not just a crash.
void Pruefen(bool bedingung, int zeile = __builtin_LINE())
{
    if (!bedingung) {
        std::fprintf(stderr, "Regel in Zeile %d verletzt\n", zeile);
        std::abort();
    }
}

qint32 AufKarte(qint64 wert)
{
    return qint32(qBound(qint64(0), wert, qint64(std::numeric_limits<qint32>::max())));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    using namespace KartenEngine;
    FuzzHilfe::ZweiDateien(QStringLiteral("Data/Explorer/Städteliste.dat"), QStringLiteral("Data/Explorer/Städte.dat"),
                           daten, groesse);

    const Staedte s = ListeLaden();
    Pruefen(s.Meldung.isEmpty());
    // A regular file within the size limit is a readable register, whatever it holds.
    Pruefen(RegisterMeldung().isEmpty());
    Punkt vorher;
    for (const QString& name : s.Namen.mid(0, 16)) {
        Pruefen(!name.trimmed().isEmpty());
        const ExplorerEngine::Kartenstadt stadt = ExplorerEngine::StadtLesen(name);
        const Tafel tafel = TafelTexte(stadt);
        Pruefen(tafel.Name == name && tafel.Einwohner.startsWith(QStringLiteral("ca. ")));
        Pruefen(tafel.Bild.isEmpty() == stadt.Pic.isEmpty());
        Pruefen(tafel.Tempel.startsWith(QStringLiteral("Tempel: ")) && !tafel.Tempel.endsWith(QLatin1Char(',')));
        const QString zeile = Positionszeile(stadt);
        Pruefen(zeile.isEmpty() != stadt.HatPosition);
        for (Karte karte : {Karte::Gross, Karte::Klein}) {
            const Markierung m = MarkierungBerechnen(stadt, karte);
            Pruefen(m.Sichtbar == stadt.HatPosition);
            if (!m.Sichtbar)
                continue;
            if (karte == Karte::Klein) {
                // Within half a unit of x / 3.2.
                Pruefen(std::fabs(double(m.X) - double(stadt.X) / 3.2) <= 0.5 + std::fabs(double(stadt.X)) * 1e-15);
                Pruefen(std::fabs(double(m.Y) - double(stadt.Y) / 3.2) <= 0.5 + std::fabs(double(stadt.Y)) * 1e-15);
            }
            // The name starts 200 units (62.5 on the small map) to the right; beyond 2^52 a double cannot
            // hold that step any more.
            const double abstand = karte == Karte::Gross ? 200.0 : 62.5;
            Pruefen(m.NameY == m.Y);
            Pruefen(std::fabs(double(m.X)) < 0x1p52 ? m.NameX == double(m.X) + abstand : m.NameX >= double(m.X));
        }
        // The stored position text, read the way a batch position is read.
        const QString x = Subs::IniLesen(Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Explorer\\Städte.dat")),
                                         name, QStringLiteral("X"));
        const Positionseingabe p = PositionLesen(x, QStringLiteral("X"));
        Pruefen(p.Ok != !p.Meldung.isEmpty() && p.Wert >= 0);
        const Positionseingabe n = PositionLesen(name, QStringLiteral("X"));
        Pruefen(n.Ok != !n.Meldung.isEmpty() && n.Wert >= 0);
        if (stadt.HatPosition) {
            const Punkt hier{AufKarte(stadt.X), AufKarte(stadt.Y)};
            for (Karte karte : {Karte::Gross, Karte::Klein}) {
                const qint64 meilen = MeilenZwischen(vorher, hier, karte);
                Pruefen(meilen >= 0 && meilen == MeilenZwischen(hier, vorher, karte));
                Messung messung;
                Pruefen(!Druecken(messung, vorher, karte));
                Pruefen(Druecken(messung, hier, karte) == EntfernungText(meilen));
            }
            vorher = hier;
        }
    }
    return 0;
}
