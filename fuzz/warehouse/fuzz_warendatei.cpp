// Goods files: any file loads as far as its goods are whole (the listing's reader, good by good, agrees), what
// was loaded saves and reloads unchanged, and everything built from a good (details, region texts, shop prices,
// pages) copes with any field.
#include "FuzzHilfe.h"
#include "Gegenstandstabelle.h"
#include "Lagerhof3Variablen.h"
#include "Shopwaren.h"
#include "WarehouseHTML.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    FuzzHilfe::Einrichten();
    const QString pfad = FuzzHilfe::Datei(QStringLiteral("Data/Warehouse/Fuzz.dat"), daten, groesse);
    // Backups of damaged files would pile up over the run.
    const QDir ordner = QFileInfo(pfad).dir();
    for (const QString& alt : ordner.entryList({QStringLiteral("Fuzz.dat.bak*")}))
        QFile::remove(ordner.filePath(alt));
    Lagerhof3Variablen::Zuruecksetzen();

    Katalog::Gegenstandstabelle tabelle;
    Katalog::KategorieLaden(tabelle, QStringLiteral("Fuzz"), {QStringLiteral("Fuzz")});
    const Katalog::Warenergebnis gelesen = Katalog::WarenLesen(pfad);
    if (gelesen.Abgelehnt || tabelle.Anzahl() != gelesen.Waren.size())
        std::abort();
    if (Katalog::Warenmeldung(gelesen).isEmpty() == gelesen.Unvollstaendig)
        std::abort();
    // The listing's reader, good by good with name and price only, finds the same goods and the same end.
    qsizetype gezaehlt = 0;
    bool gleich = true;
    const Katalog::Warenergebnis durchlaufen = Katalog::WarenDurchlaufen(
        pfad, {true, false, true, false, false}, [&](const QStringList& ware) {
            gleich = gleich && gezaehlt < gelesen.Waren.size() && ware.size() == Katalog::Feldanzahl
                && ware[0] == gelesen.Waren[gezaehlt][0] && ware[2] == gelesen.Waren[gezaehlt][2] && ware[3].isEmpty();
            ++gezaehlt;
        });
    if (!gleich || gezaehlt != gelesen.Waren.size() || durchlaufen.Unvollstaendig != gelesen.Unvollstaendig
        || durchlaufen.Restzeilen != gelesen.Restzeilen || durchlaufen.Abgelehnt)
        std::abort();
    Shop::Shopwaren shop;
    for (const Katalog::Gegenstand& g : tabelle.Zeilen) {
        if (g.Felder.size() != Katalog::Feldanzahl)
            std::abort();
        if (Katalog::Details(g.Felder).size() != 7)
            std::abort();
        WarehouseHTML::RegionenZelle(g.Felder[4]);
        Shop::ShopwareHinzufuegen(shop, g.Felder);
    }
    for (int stufe = 0; stufe < 5; ++stufe)
        Shop::PreiseBerechnen(shop, stufe);
    QList<QStringList> waren;
    for (const Katalog::Gegenstand& g : tabelle.Zeilen)
        waren.append(g.Felder);
    QBuffer seite;
    seite.open(QIODevice::WriteOnly);
    WarehouseHTML::ListenSeiteSchreiben(QStringLiteral("Fuzz"), waren, seite);
    WarehouseHTML::ShopDruckseiteSchreiben({}, shop, WarehouseHTML::Indexreihenfolge(shop), seite);
    // The goods serve as the known goods of a take-over: a record of each good's name is known.
    QList<QStringList> datensaetze;
    for (const QStringList& w : waren.mid(0, 50)) {
        QStringList d(29);
        d[1] = Katalog::Name(w[0]);
        datensaetze.append(d);
    }
    if (!Katalog::NeueWaren(waren, 0, datensaetze).isEmpty())
        std::abort();

    // Unchanged, the file is left as it is, a damaged end included.
    const QByteArray vorher = FuzzHilfe::Bytes(daten, groesse);
    if (!Katalog::KategorieSpeichern(tabelle, nullptr))
        std::abort();
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly) || datei.readAll() != vorher)
        std::abort();
    datei.close();
    // Rewritten as if every good had changed: the goods come back as they were loaded.
    tabelle.Gespeichert.clear();
    if (!Katalog::KategorieSpeichern(tabelle, nullptr))
        std::abort();
    const Katalog::Warenergebnis wieder = Katalog::WarenLesen(pfad);
    if (wieder.Unvollstaendig || wieder.Waren != waren)
        std::abort();
    // A damaged original was kept before the rewrite.
    if (gelesen.Unvollstaendig && !QFile::exists(pfad + QStringLiteral(".bak")))
        std::abort();
    return 0;
}
