// The events file: any file gives a whole page; every pick lies inside the file and at or before the pick
// before it, carries exactly that line's text, and adds exactly one line to the page. The same bytes as a
// terrain's own file follow the general lines, blank lines left out.
#include "DayEngine.h"
#include "FuzzHilfe.h"
#include "HTMLExport.h"
#include "Zeilendatei.h"
#include "Zufall.h"

#include <QCryptographicHash>
#include <QDir>

#include <cstdlib>
#include <cstring>

using namespace DayEngine;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    FuzzHilfe::Datei(QStringLiteral("Data/Day/DayEreignisse.dat"), daten, groesse);
    const Ereignisdatei datei = EreignisseLaden();
    // Either lines to draw from or a message for the user, never both and never neither.
    if (datei.Meldung.isEmpty() == datei.Zeilen.isEmpty())
        std::abort();

    // The same input always draws the same rolls, so a finding replays.
    const QByteArray summe = QCryptographicHash::hash(FuzzHilfe::Bytes(daten, groesse), QCryptographicHash::Sha1);
    quint64 saat = 0;
    std::memcpy(&saat, summe.constData(), sizeof saat);
    Zufall::SaatSetzen(saat);
    const QStringList gelaende = Gelaendearten();
    Tageslauf lauf = Berechnen(gelaende[int(saat % 10)], Jahreszeit(int((saat >> 8) % 4)), datei.Zeilen);
    Zufall::ProduktionSetzen();

    if (lauf.Tage.size() != 3 || lauf.Ereignisse.size() != (datei.Zeilen.isEmpty() ? 0 : 3))
        std::abort();
    qsizetype grenze = datei.Zeilen.size();
    for (const Ereignis& e : lauf.Ereignisse) {
        if (e.Zeile < 1 || e.Zeile > grenze || e.Text != datei.Zeilen[e.Zeile - 1])
            std::abort();
        grenze = e.Zeile;
    }

    const QByteArray seite = Seite(lauf);
    const QList<Ereignis> ereignisse = lauf.Ereignisse;
    lauf.Ereignisse.clear();
    const QByteArray ohne = Seite(lauf);
    if (!seite.startsWith(ohne) || !ohne.endsWith("25%.</BR>\r\n</BR>\r\n</BR>\r\n</BR>\r\n"))
        std::abort();
    QByteArray rest = seite.mid(ohne.size());
    for (const Ereignis& e : ereignisse) {
        const QByteArray zeile = "<B>Tagesereignis: </B> " + Zeilendatei::InCodepage(HTMLExport::HtmlMaskieren(e.Text))
            + "</BR>\r\n";
        // One event, one line of the page: no line break of the text survives.
        if (!rest.startsWith(zeile) || zeile.indexOf('\n') != zeile.size() - 1 || zeile.indexOf('\r') != zeile.size() - 2)
            std::abort();
        rest.remove(0, zeile.size());
    }
    if (!rest.isEmpty())
        std::abort();

    QDir(FuzzHilfe::Einrichten()).mkpath(QStringLiteral("Data/Day/Ereignisse"));
    FuzzHilfe::Datei(QStringLiteral("Data/Day/Ereignisse/Wald.dat"), daten, groesse);
    const Ereignisdatei wald = EreignisseFuer(QStringLiteral("Wald"));
    QStringList erwartet = datei.Zeilen;
    for (const QString& zeile : EreignisseLaden(GelaendeEreignisPfad(QStringLiteral("Wald"))).Zeilen)
        if (!zeile.trimmed().isEmpty())
            erwartet.append(zeile);
    // Without a line to draw from there is always a message.
    if (wald.Zeilen != erwartet || (wald.Zeilen.isEmpty() && wald.Meldung.isEmpty()))
        std::abort();
    return 0;
}
