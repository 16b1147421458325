#include "Datensatzliste.h"
#include "FensterTestHilfe.h"
#include "TestInstallation.h"
#include "Verwerfen.h"
#include "Dialoge.h"
#include "Pfad.h"
#include "Variablen.h"
#include "frmArmoryMain.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include <sys/stat.h>

using namespace FensterTest;

Verwerfen::Fall Verwerfen::Ungeschrieben(const QString& name, std::function<QWidget*()> bauen, const QString& datei,
                                         std::function<void(QWidget&)> eingeben, const QString& eintrag)
{
    const auto pfad = [datei] { return Pfad::Verbinden(Variablen::DataPfad, datei); };
    Fall f;
    f.name = name;
    f.bauen = std::move(bauen);
    f.tippen = [pfad, eingeben](QWidget& w) {
        QFile::remove(pfad());
        QVERIFY(::mkfifo(QFile::encodeName(pfad()).constData(), 0644) == 0);
        Dialoge::Skript warnung;
        eingeben(w);
        QVERIFY(warnung.Texte().join(QLatin1Char(' ')).contains(QStringLiteral("konnte nicht gespeichert werden")));
    };
    f.ausloesen = [](QWidget& w) { w.setProperty("geschlossen", w.close()); };
    f.titel = QFileInfo(datei).fileName();
    f.nochDa = [](QWidget& w) { return !w.property("geschlossen").toBool(); };
    f.gespeichert = [pfad, eintrag](const TestInstallation&) {
        QFile datei(pfad());
        return datei.open(QIODevice::ReadOnly) && datei.readAll().contains(eintrag.toLatin1());
    };
    f.vorbereiten = [pfad](Dialoge::Skript&) { QFile::remove(pfad()); };
    return f;
}

QList<Verwerfen::Fall> Verwerfen::Waffkam()
{
    Fall betrachter;
    betrachter.name = QStringLiteral("Waffkam3, Listenansicht beim Bearbeiten");
    betrachter.bauen = [] { return new frmArmoryMain; };
    betrachter.tippen = [](QWidget& f) {
        auto* liste = Kind<Datensatzliste>(f, QStringLiteral("lvNWaffen"));
        liste->ZeileWaehlen(liste->ZeileAn(0));
        Klick(f, QStringLiteral("cmdBearbeiten"));
        auto* name = Kind<QLineEdit>(f, QStringLiteral("txtNWaffe(0)"));
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Testbeil"));
    };
    betrachter.ausloesen = [](QWidget& f) { Klick(f, QStringLiteral("cmdView")); };
    betrachter.titel = QStringLiteral("Testbeil");
    betrachter.nochDa = [](QWidget& f) {
        return Sichtbar(f, QStringLiteral("NWaffenTab"))
            && Kind<QLineEdit>(f, QStringLiteral("txtNWaffe(0)"))->text() == QStringLiteral("Testbeil");
    };
    betrachter.gespeichert = [](const TestInstallation& i) {
        return i.Zeilen(QStringLiteral("Data/Armory/Nahkampfwaffen.dat")).contains(QStringLiteral("Testbeil"));
    };
    const auto neueWaffe = [](QWidget& f) {
        Klick(f, QStringLiteral("cmdNeu"));
        QTest::keyClicks(Kind<QLineEdit>(f, QStringLiteral("txtNWaffe(0)")), QStringLiteral("Testbeil"));
        Klick(f, QStringLiteral("cmdSave"));
    };
    return {betrachter, Ungeschrieben(QStringLiteral("Waffkam3, Schließen nach gescheitertem Speichern"),
                                      [] { return new frmArmoryMain; }, QStringLiteral("Armory/Nahkampfwaffen.dat"),
                                      neueWaffe, QStringLiteral("Testbeil"))};
}
