// Every action that would throw typed work away asks first, in every window that holds typed work:
// Abbrechen keeps the work on screen, Verwerfen lets the action go on, Speichern stores the work first.
#include "Dialoge.h"
#include "FensterTestHilfe.h"
#include "TestInstallation.h"
#include "Verwerfen.h"

#include <QtTest>

#include <memory>

namespace {

const QList<Verwerfen::Fall>& Faelle()
{
    static const QList<Verwerfen::Fall> faelle = Verwerfen::Alle();
    return faelle;
}

} // namespace

class TestVerwerfen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fragtVorDemVerwerfen_data();
    void fragtVorDemVerwerfen();
};

void TestVerwerfen::fragtVorDemVerwerfen_data()
{
    QTest::addColumn<int>("fall");
    QTest::addColumn<int>("antwort");
    if (Faelle().isEmpty())
        QSKIP("Kein Fenster hat bisher einen Fall.");
    for (int i = 0; i < Faelle().size(); ++i)
        for (const Dialoge::Antwort a : {Dialoge::Antwort::Abbrechen, Dialoge::Antwort::Verwerfen, Dialoge::Antwort::Speichern})
            QTest::addRow("%s, %s", qPrintable(Faelle()[i].name),
                          a == Dialoge::Antwort::Abbrechen ? "Abbrechen" : a == Dialoge::Antwort::Verwerfen ? "Verwerfen" : "Speichern")
                << i << int(a);
}

void TestVerwerfen::fragtVorDemVerwerfen()
{
    QFETCH(int, fall);
    QFETCH(int, antwort);
    const Verwerfen::Fall& f = Faelle()[fall];
    TestInstallation installation;
    std::unique_ptr<QWidget> fenster(f.bauen());
    f.tippen(*fenster);
    Dialoge::Skript dialoge;
    dialoge.wahl = {Dialoge::Antwort(antwort)};
    if (!f.datei.isEmpty())
        dialoge.dateien = {installation.Pfad(f.datei)};
    if (f.vorbereiten)
        f.vorbereiten(dialoge);
    f.ausloesen(*fenster);
    QVERIFY2(dialoge.Texte().contains(QStringLiteral("Die Änderungen an „%1“ sind nicht gespeichert.").arg(f.titel)),
             qPrintable(dialoge.Texte().join(QLatin1Char('\n'))));
    QVERIFY(dialoge.wahl.isEmpty());
    const auto gefragt = std::find_if(dialoge.aufrufe.cbegin(), dialoge.aufrufe.cend(), [](const Dialoge::Skript::Aufruf& a) {
        return a.knoepfe == Dialoge::Knoepfe::SpeichernVerwerfenAbbrechen;
    });
    QVERIFY(gefragt != dialoge.aufrufe.cend());
    // Abbrechen leaves the typed work where it was; the other two let the action go on.
    QCOMPARE(f.nochDa(*fenster), Dialoge::Antwort(antwort) == Dialoge::Antwort::Abbrechen);
    QCOMPARE(f.gespeichert(installation), Dialoge::Antwort(antwort) == Dialoge::Antwort::Speichern);
}

QTEST_MAIN(TestVerwerfen)
#include "test_verwerfen.moc"
