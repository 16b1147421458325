// The creature database: any file loads as far as it is whole, every loaded record lists and fights or is
// refused, and what was loaded saves and reloads unchanged.
#include "BattleEngine.h"
#include "FuzzHilfe.h"
#include "Kreaturentabelle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>

using namespace Kreaturentabellen;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    FuzzHilfe::Einrichten();
    const QString pfad = FuzzHilfe::Datei(QStringLiteral("Data/Creatures/Kreaturen.dat"), daten, groesse);
    // Backups of damaged files would pile up over the run.
    const QDir ordner = QFileInfo(pfad).dir();
    for (const QString& alt : ordner.entryList({QStringLiteral("*.bak*")}))
        QFile::remove(ordner.filePath(alt));
    Kreaturentabelle tabelle;
    const Ladeergebnis erstes = Laden(tabelle);
    if (erstes.Status == Ladestatus::Fehlt || erstes.Status == Ladestatus::Unlesbar)
        std::abort();
    // The message counts the creatures read, and promises a backup exactly when the save will make one.
    const QString meldung = Lademeldung(erstes);
    if (erstes.Gelesen != tabelle.Anzahl() || erstes.Sicherung != tabelle.SicherungNoetig
        || meldung.isEmpty() != (erstes.Status == Ladestatus::Gelesen)
        || meldung.contains(QStringLiteral(".bak")) != erstes.Sicherung)
        std::abort();
    for (int i = 0; i < tabelle.Anzahl(); ++i) {
        const QStringList& zeile = tabelle.Zeilen[i];
        if (zeile.size() != Feldanzahl || zeile[0] != QString::number(i))
            std::abort();
        if (Listenzeile(zeile).count(QLatin1Char('\t')) < 12)
            std::abort();
        QString meldung;
        const auto kaempfer = BattleEngine::KaempferAus(zeile, &meldung);
        if (!kaempfer && meldung.isEmpty())
            std::abort();
        if (kaempfer && (kaempfer->LE < -32768 || kaempfer->LE > 32767 || kaempfer->Wuerfel.isEmpty()))
            std::abort();
    }
    const bool sicherung = tabelle.SicherungNoetig;
    if (!Speichern(tabelle))
        std::abort();
    if (sicherung != QFile::exists(pfad + QStringLiteral(".bak")))
        std::abort();
    Kreaturentabelle wieder;
    const Ladeergebnis zweites = Laden(wieder);
    if (zweites.Status != Ladestatus::Gelesen || wieder.Zeilen != tabelle.Zeilen)
        std::abort();
    return 0;
}
