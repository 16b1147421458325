// The shop generator's files in shop mode: any settings, list of kinds and category file can be loaded;
// kinds are chosen, moved and saved without touching another section or the other two files; a new kind
// adds one section and one line, or nothing at all.
//
// The input is up to three parts separated by the byte 0x1E: the settings file, the list of kinds, the
// category file. A missing list of kinds is made of the settings' sections, missing categories of every
// value in the settings, so a shipped file alone is a useful seed.
#include "FuzzHilfe.h"
#include "Shopkonfiguration.h"
#include "Subs.h"
#include "Zeilendatei.h"

#include <QFile>
#include <QSaveFile>

#include <cstdlib>

using namespace DatEditorEngine;

namespace {

void Pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

// A new file in place (a rename), so the settings reader never mistakes it for the one read before.
void Ablegen(const QString& pfad, const QByteArray& bytes)
{
    QSaveFile datei(pfad);
    Pruefen(datei.open(QIODevice::WriteOnly) && datei.write(bytes) == bytes.size() && datei.commit());
}

QByteArray Inhalt(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

QString Form(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

bool IstAbschnitt(const QString& zeile)
{
    const QString t = zeile.trimmed();
    return t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'));
}

QString AbschnittsName(const QString& zeile)
{
    const QString t = zeile.trimmed();
    return t.size() >= 2 ? t.mid(1, t.size() - 2).trimmed() : QString();
}

// The key of a "key=value" line as the settings reader compares it, or the empty text.
QString Schluessel(const QString& zeile)
{
    const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
    if (gleich < 0 || zeile.trimmed().startsWith(QLatin1Char(';')))
        return QString();
    return Form(zeile.left(gleich));
}

// The lines before the first section, then one group per section header, in file order.
struct Gruppe {
    QString form;
    QStringList zeilen;
};

QList<Gruppe> Gruppen(const QStringList& zeilen)
{
    QList<Gruppe> gruppen{{QStringLiteral("\x01vor"), {}}};
    for (const QString& z : zeilen) {
        if (IstAbschnitt(z))
            gruppen.append({Form(AbschnittsName(z)), {}});
        gruppen.last().zeilen.append(z);
    }
    return gruppen;
}

// Takes the first group of the section out; its lines without the header and the written keys.
QStringList Herausnehmen(QList<Gruppe>& gruppen, const QString& form, int anzahl)
{
    for (qsizetype i = 1; i < gruppen.size(); ++i) {
        if (gruppen[i].form != form)
            continue;
        QStringList rest;
        for (const QString& z : gruppen.takeAt(i).zeilen.mid(1)) {
            const QString s = Schluessel(z);
            bool geschrieben = s == QLatin1String("warecount");
            for (int k = 1; !geschrieben && k <= anzahl; ++k)
                geschrieben = s == QStringLiteral("ware") + QString::number(k);
            if (!geschrieben)
                rest.append(z);
        }
        return rest;
    }
    return {};
}

bool GleicheGruppen(const QList<Gruppe>& a, const QList<Gruppe>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].form != b[i].form || a[i].zeilen != b[i].zeilen)
            return false;
    return true;
}

struct Teile {
    QByteArray konfig;
    QByteArray shops;
    QByteArray kategorien;
};

Teile Aufteilen(const QByteArray& bytes)
{
    const QList<QByteArray> teile = bytes.split('\x1E');
    Teile d;
    d.konfig = teile.value(0);
    if (teile.size() > 1) {
        d.shops = teile[1];
    } else {
        for (const QString& z : Zeilendatei::Zerlegen(d.konfig))
            if (IstAbschnitt(z))
                d.shops += Zeilendatei::Kodieren(AbschnittsName(z)) + "\r\n";
    }
    if (teile.size() > 2) {
        d.kategorien = teile[2];
    } else {
        d.kategorien = " 0 \r\n";
        for (const QString& z : Zeilendatei::Zerlegen(d.konfig))
            if (!Schluessel(z).isEmpty())
                d.kategorien += Zeilendatei::Kodieren(z.mid(z.indexOf(QLatin1Char('=')) + 1).trimmed()) + "\r\n";
    }
    return d;
}

// Saves the chosen kind and checks the three files afterwards.
void SpeichernPruefen(Shopkonfiguration& s)
{
    const QStringList vorher = Zeilendatei::Lesen(KonfigPfad());
    const QByteArray konfigVorher = Inhalt(KonfigPfad());
    const QByteArray shops = Inhalt(ShopsPfad());
    const QByteArray kategorien = Inhalt(KategorienPfad());
    const QStringList verfuegbar = s.Verfuegbar();
    // The shared writer, one key after another, on a copy: both writers must agree byte for byte.
    const QString vergleich = FuzzHilfe::Einrichten() + QStringLiteral("/Temp/vergleich.dat");
    Ablegen(vergleich, konfigVorher);
    QList<QPair<QString, QString>> werte{{QStringLiteral("WareCount"), QString::number(verfuegbar.size())}};
    for (qsizetype i = 0; i < verfuegbar.size(); ++i)
        werte.append({QStringLiteral("Ware") + QString::number(i + 1), verfuegbar[i]});
    const bool geteilt = Subs::IniSchreiben(vergleich, s.Gewaehlt(), werte);
    const bool gespeichert = s.Speichern();
    Pruefen(gespeichert == geteilt);
    Pruefen(Inhalt(ShopsPfad()) == shops && Inhalt(KategorienPfad()) == kategorien);
    if (!gespeichert) {
        Pruefen(Inhalt(KonfigPfad()) == konfigVorher);
        return;
    }
    Pruefen(Inhalt(KonfigPfad()) == Inhalt(vergleich));
    const QString shop = s.Gewaehlt();
    const QString konfig = KonfigPfad();
    Pruefen(Subs::IniLesen(konfig, shop, QStringLiteral("WareCount")) == QString::number(verfuegbar.size()));
    for (qsizetype i = 0; i < verfuegbar.size(); ++i)
        Pruefen(Subs::IniLesen(konfig, shop, QStringLiteral("Ware") + QString::number(i + 1)) == verfuegbar[i].trimmed());
    // Every other section, and every other line of this one, is as it was.
    QList<Gruppe> alt = Gruppen(vorher);
    QList<Gruppe> neu = Gruppen(Zeilendatei::Lesen(konfig));
    const QStringList restAlt = Herausnehmen(alt, Form(shop), int(verfuegbar.size()));
    const QStringList restNeu = Herausnehmen(neu, Form(shop), int(verfuegbar.size()));
    Pruefen(GleicheGruppen(alt, neu));
    Pruefen(restAlt == restNeu);
    // Chosen again, the kind sells the same entries, as long as their names survive the settings format.
    bool darstellbar = true;
    for (const QString& v : verfuegbar)
        darstellbar = darstellbar && v == v.trimmed() && v.size() <= Subs::MaxWertlaenge;
    if (darstellbar) {
        Shopkonfiguration wieder;
        Pruefen(wieder.Laden());
        wieder.ShopWaehlen(shop);
        Pruefen(wieder.Verfuegbar() == verfuegbar);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    FuzzHilfe::Einrichten();
    const Teile d = Aufteilen(FuzzHilfe::Bytes(daten, groesse));
    Ablegen(KonfigPfad(), d.konfig);
    Ablegen(ShopsPfad(), d.shops);
    Ablegen(KategorienPfad(), d.kategorien);

    Shopkonfiguration s;
    if (!s.Laden()) {
        Pruefen(Inhalt(KonfigPfad()) == d.konfig && Inhalt(ShopsPfad()) == d.shops && Inhalt(KategorienPfad()) == d.kategorien);
        return 0;
    }
    const qsizetype alle = s.Regionen().size();
    QStringList sortiert = s.Regionen();
    sortiert.sort();
    const QStringList shops = s.Shops();
    for (qsizetype i = 0; i < shops.size() && i < 4; ++i) {
        s.ShopWaehlen(shops[i == 3 ? shops.size() - 1 : i]);
        // Moving never loses or doubles an entry.
        QStringList beide = s.Regionen() + s.Verfuegbar();
        beide.sort();
        Pruefen(beide == sortiert && s.Regionen().size() + s.Verfuegbar().size() == alle);
        if (i % 2 == 1) {
            s.Zurueck(0);
            s.Hin(int(s.Regionen().size()) - 1);
        }
        SpeichernPruefen(s);
    }

    // A new kind named by the first category line: refused without a write, or one section and one line.
    const QByteArray konfig = Inhalt(KonfigPfad());
    const QByteArray shopsVorher = Inhalt(ShopsPfad());
    const QStringList konfigZeilen = Zeilendatei::Lesen(KonfigPfad());
    const QString name = Zeilendatei::Zerlegen(d.kategorien).value(1);
    const Shopkonfiguration::Neu ergebnis = s.NeuerShop(name);
    if (ergebnis != Shopkonfiguration::Neu::Angelegt) {
        Pruefen(ergebnis != Shopkonfiguration::Neu::Fehler);
        Pruefen(Inhalt(KonfigPfad()) == konfig && Inhalt(ShopsPfad()) == shopsVorher);
        return 0;
    }
    const QString neu = name.trimmed();
    Pruefen(s.Shops().last() == neu);
    Pruefen(Zeilendatei::Lesen(ShopsPfad()) == Zeilendatei::Zerlegen(shopsVorher) + QStringList{neu});
    Pruefen(Subs::IniLesen(KonfigPfad(), neu, QStringLiteral("WareCount")) == QLatin1String("0"));
    QList<Gruppe> alt = Gruppen(konfigZeilen);
    QList<Gruppe> danach = Gruppen(Zeilendatei::Lesen(KonfigPfad()));
    const QStringList restAlt = Herausnehmen(alt, Form(neu), 0);
    const QStringList restNeu = Herausnehmen(danach, Form(neu), 0);
    Pruefen(GleicheGruppen(alt, danach) && restAlt == restNeu);
    return 0;
}
