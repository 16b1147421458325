// Tabellar3's engine: a table of 100,000 lines loaded and saved as text, and a kind of shop with 500
// categories chosen and saved. Budgets: 50 ms each.
#include "BenchSupport.h"
#include "DatEditorEngine.h"
#include "Shopkonfiguration.h"
#include "Variablen.h"
#include "Zeilendatei.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace DatEditorEngine;

namespace {

bool Schreiben(const QString& pfad, const QByteArray& bytes)
{
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir ordner;
    BenchSupport::InstallationAnlegen(ordner.path());
    bool ok = true;

    // 100,000 lines of about 50 characters, with umlauts and a reference now and then.
    QByteArray tabelle;
    for (int i = 0; i < 100000; ++i) {
        tabelle += Zeilendatei::InCodepage(QStringLiteral("Ein Händler aus Süderwacht verkauft Ware Nummer %1").arg(i));
        if (i % 100 == 0)
            tabelle += "&#322;";
        tabelle += "\r\n";
    }
    const Werkzeug& ortsbau = *WerkzeugSuchen(QStringLiteral("Ortsbau 3"));
    const QString pfad = Tabellenpfad(ortsbau, QStringLiteral("CityZufallsereignisse"));
    if (!Schreiben(pfad, tabelle)) {
        std::fprintf(stderr, "bench_datedit: Tabelle nicht geschrieben\n");
        return 1;
    }
    Tabelle t;
    const double laden = BenchSupport::MedianMs(15, [&] { t = TabelleLaden(pfad, QStringLiteral("CityZufallsereignisse")); });
    ok &= BenchSupport::Melden(QStringLiteral("Tabellar3 Tabelle mit 100000 Zeilen laden"), laden, QStringLiteral("ms"), 50);
    bool gespeichert = true;
    const double speichern = BenchSupport::MedianMs(15, [&] { gespeichert &= TabelleSpeichern(pfad, t.Text); });
    ok &= BenchSupport::Melden(QStringLiteral("Tabellar3 Tabelle mit 100000 Zeilen speichern"), speichern, QStringLiteral("ms"), 50);
    QFile gelesen(pfad);
    if (t.Status != Tabelle::Zustand::Geladen || !gespeichert || !gelesen.open(QIODevice::ReadOnly) || gelesen.readAll() != tabelle) {
        std::fprintf(stderr, "bench_datedit: Tabelle nicht unverändert gespeichert\n");
        return 1;
    }

    // 500 categories; the kind of shop sells all of them, in reverse order, among 100 other kinds.
    QByteArray kategorien = " 500 \r\n";
    QByteArray shops;
    QByteArray konfig;
    for (int k = 0; k < 100; ++k) {
        shops += "Laden" + QByteArray::number(k) + "\r\n";
        konfig += "[Laden" + QByteArray::number(k) + "]\r\nWareCount=3\r\nWare1=Kategorie 1\r\nWare2=Kategorie 2\r\n"
                  "Ware3=Kategorie 3\r\n\r\n";
    }
    shops += "Basar\r\n";
    konfig += "[Basar]\r\nWareCount=500\r\n";
    for (int i = 1; i <= 500; ++i) {
        kategorien += "Kategorie " + QByteArray::number(i) + "\r\n";
        konfig += "Ware" + QByteArray::number(i) + "=Kategorie " + QByteArray::number(501 - i) + "\r\n";
    }
    if (!Schreiben(KategorienPfad(), kategorien) || !Schreiben(ShopsPfad(), shops) || !Schreiben(KonfigPfad(), konfig)) {
        std::fprintf(stderr, "bench_datedit: Shopdateien nicht geschrieben\n");
        return 1;
    }
    Shopkonfiguration s;
    if (!s.Laden()) {
        std::fprintf(stderr, "bench_datedit: Shopmodus nicht geladen\n");
        return 1;
    }
    s.ShopWaehlen(QStringLiteral("Basar"));
    bool richtig = s.Verfuegbar().value(0) == QLatin1String("Kategorie 500") && s.Verfuegbar().size() == 500;
    double waehlen = 0;
    double sichern = 0;
    const double beides = BenchSupport::MedianMs(15, [&] {
        waehlen += BenchSupport::MedianMs(1, [&] { s.ShopWaehlen(QStringLiteral("Laden1")); s.ShopWaehlen(QStringLiteral("Basar")); });
        richtig &= s.Verfuegbar().size() == 500 && s.Regionen().isEmpty();
        // The first entry goes to the end: every save writes a changed order.
        s.Zurueck(0);
        s.Hin(0);
        sichern += BenchSupport::MedianMs(1, [&] { richtig &= s.Speichern(); });
    });
    BenchSupport::Melden(QStringLiteral("Tabellar3 Shop mit 500 Kategorien wählen"), waehlen / 15, QStringLiteral("ms"));
    BenchSupport::Melden(QStringLiteral("Tabellar3 Shop mit 500 Kategorien speichern"), sichern / 15, QStringLiteral("ms"));
    ok &= BenchSupport::Melden(QStringLiteral("Tabellar3 Shop mit 500 Kategorien wählen und speichern"), beides,
                               QStringLiteral("ms"), 50);
    if (!richtig) {
        std::fprintf(stderr, "bench_datedit: Shop falsch gewählt oder nicht gespeichert\n");
        return 1;
    }
    return ok ? 0 : 1;
}
