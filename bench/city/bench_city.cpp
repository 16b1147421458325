// Ortsbau3: generating a large city, saving and loading a city file with 1,000 businesses, window start.
#include "BenchSupport.h"
#include "CityEngine.h"
#include "Stadt.h"
#include "Stadtdatei.h"
#include "Variablen.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

using namespace CityEngine;

namespace {

Stadt GrosseStadt(int betriebe)
{
    Stadt s;
    s.Name = QStringLiteral("Großhafen");
    s.Einwohnerzahl = QStringLiteral("48000");
    s.Rasse = 6;
    s.Hintergrund = QStringLiteral("Eine alte Hafenstadt.\nMit vielen Gassen.");
    for (int i = 0; i < betriebe; ++i) {
        Liste& liste = s.Betriebe[i % KategorienAnzahl];
        liste.Slots.insert(liste.Anzahl(), {QStringLiteral("Betrieb Nummer %1").arg(i), QStringLiteral("Besitzerin Ärna %1").arg(i),
                                            QString::number(i % 5), QString::number((i + 2) % 5),
                                            i % 3 ? QString() : QStringLiteral("Ein Kunde beschwert sich lautstark über den Preis.")});
    }
    for (int i = 0; i < 12; ++i)
        s.Tempel.Slots.insert(s.Tempel.Anzahl(), {QStringLiteral("Praios"), QStringLiteral("Geweihter %1").arg(i)});
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir ordner;
    BenchSupport::InstallationAnlegen(ordner.path());
    bool ok = true;

    Generatoreingaben e;
    e.Stadtname = QStringLiteral("Großhafen");
    e.Einwohner = 20000;
    e.Reichtum = QStringLiteral("Reich");
    e.Kriminalitaet = QStringLiteral("Hoch");
    e.Rasse = QStringLiteral("Thorwaler");
    e.Zufallsnamen = true;
    e.Zufallsereignisse = true;
    const QString seite = ordner.path() + QStringLiteral("/HTML/gross.html");
    const double generieren = BenchSupport::MedianMs(15, [&] { StadtGenerierenInDatei(e, seite); });
    ok &= BenchSupport::Melden(QStringLiteral("Ortsbau3 Stadt mit 20000 Einwohnern generieren"), generieren,
                               QStringLiteral("ms"), 200);

    const Stadt stadt = GrosseStadt(1000);
    const QString datei = ordner.path() + QStringLiteral("/WBD/gross.wbd");
    const double speichern = BenchSupport::MedianMs(21, [&] { StadtdateiSchreiben(datei, stadt, QString(), QString()); });
    ok &= BenchSupport::Melden(QStringLiteral("Ortsbau3 Stadtdatei mit 1000 Betrieben speichern"), speichern,
                               QStringLiteral("ms"), 50);
    Stadt gelesen;
    bool gelesenOk = true;
    const double laden = BenchSupport::MedianMs(21, [&] {
        gelesenOk &= StadtdateiLesen(datei, gelesen) == Leseergebnis::Gelesen;
    });
    ok &= gelesenOk && BenchSupport::Melden(QStringLiteral("Ortsbau3 Stadtdatei mit 1000 Betrieben laden"), laden,
                                            QStringLiteral("ms"), 50);

    const QString programm = ordner.path() + QStringLiteral("/Ortsbau3");
    QFile::copy(QStringLiteral(WERKBUND_BIN_DIR "/city/Ortsbau3"), programm);
    QFile::setPermissions(programm, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const double start = BenchSupport::StartzeitMs(programm, {}, 7);
    ok &= BenchSupport::Melden(QStringLiteral("Ortsbau3 Start bis zum Fenster"), start, QStringLiteral("ms"), 300);
    return ok ? 0 : 1;
}
