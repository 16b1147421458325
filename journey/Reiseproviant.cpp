#include "Reiseproviant.h"

#include "DayEngine.h"
#include "Geld.h"
#include "Gegenstandstabelle.h"
#include "Pfad.h"
#include "Subs.h"
#include "Variablen.h"
#include "Zeilendatei.h"

#include <limits>

namespace Reiseproviant {

namespace {

const QString kAnzeige = QStringLiteral("Reiseproviant.dat");

// Heads × days / days a piece lasts, rounded up; 0 days: one piece a head. No overflow for any counts the
// journey allows.
qint64 Menge(qint64 koepfe, qint64 tage, qint64 tageJeStueck)
{
    if (koepfe <= 0 || tage <= 0 || tageJeStueck < 0)
        return 0;
    if (tageJeStueck == 0)
        return koepfe;
    const qint64 kopftage = koepfe * tage;
    return (kopftage + tageJeStueck - 1) / tageJeStueck;
}

} // namespace

QString Pfad()
{
    return Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Day\\Reiseproviant.dat"));
}

Liste AusZeilen(const QStringList& zeilen)
{
    Liste liste;
    liste.Vorhanden = true;
    constexpr int HoechstePosten = 1000;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        if (zeilen[i].trimmed().isEmpty())
            continue;
        const QString ort = QStringLiteral("%1, Zeile %2: ").arg(kAnzeige).arg(i + 1);
        if (liste.Eintraege.size() >= HoechstePosten) {
            liste.Meldungen.append(ort + QStringLiteral("Mehr als %1 Waren; diese Zeile und alle weiteren bleiben "
                                                        "unberücksichtigt.")
                                             .arg(HoechstePosten));
            break;
        }
        const QStringList felder = zeilen[i].split(QLatin1Char('\t'));
        Posten p;
        p.Nummer = int(i + 1);
        const QString wer = felder.value(0).trimmed();
        p.Ware = felder.value(1).trimmed();
        p.Gelaende = felder.value(3).trimmed();
        const Subs::Ganzzahleingabe tage = Subs::GanzzahlLesen(felder.value(2), 0, 3650, QStringLiteral("die Tage je Stück"));
        QString fehler;
        if (felder.size() < 3 || felder.size() > 4 || p.Ware.isEmpty())
            fehler = QStringLiteral("Erwartet werden „Reisende“ oder „Reittiere“, eine Ware und die Tage, die ein Stück "
                                    "reicht, dahinter auf Wunsch ein Gelände, durch Tabulatoren getrennt.");
        else if (wer != QLatin1String("Reisende") && wer != QLatin1String("Reittiere"))
            fehler = QStringLiteral("„%1“ ist weder „Reisende“ noch „Reittiere“.").arg(wer);
        else if (!tage.Ok)
            fehler = tage.Meldung;
        else if (!p.Gelaende.isEmpty() && !DayEngine::Gelaendearten().contains(p.Gelaende))
            fehler = QStringLiteral("„%1“ ist keine Geländeart.").arg(p.Gelaende);
        if (!fehler.isEmpty()) {
            liste.Meldungen.append(ort + fehler + QStringLiteral(" Die Zeile bleibt unberücksichtigt."));
            continue;
        }
        p.Wer = wer == QLatin1String("Reisende") ? Fuer::Reisende : Fuer::Reittiere;
        p.TageJeStueck = int(tage.Wert);
        liste.Eintraege.append(p);
    }
    return liste;
}

Liste Lesen()
{
    const Zeilendatei::Leseoptionen optionen;
    const Zeilendatei::Leseergebnis gelesen = Zeilendatei::Laden(Pfad(), optionen);
    if (!gelesen.Gelesen()) {
        Liste liste;
        liste.Meldungen.append(gelesen.Status == Zeilendatei::Lesestatus::Fehlt
                                   ? QStringLiteral("Die Datei %1 fehlt; die Reise enthält keinen Proviant.").arg(kAnzeige)
                                   : QStringLiteral("Die Datei %1 konnte nicht gelesen werden (%2); die Reise enthält "
                                                    "keinen Proviant.")
                                         .arg(kAnzeige, gelesen.Grund));
        return liste;
    }
    return AusZeilen(gelesen.Zeilen);
}

QHash<QString, Ware> Warenkatalog(QStringList* meldungen)
{
    QHash<QString, Ware> katalog;
    const Katalog::Kategorienliste liste = Katalog::KategorienLesen();
    if (meldungen)
        meldungen->append(Katalog::KategorienMeldungen(liste));
    for (const QString& kategorie : liste.Namen) {
        if (!Katalog::KategorieVerwendbar(kategorie))
            continue;
        const Katalog::Warenergebnis waren = Katalog::WarenLesen(Katalog::Warendatei(kategorie));
        const QString meldung = Katalog::Warenmeldung(waren);
        if (meldungen && !meldung.isEmpty())
            meldungen->append(meldung);
        for (const QStringList& felder : waren.Waren) {
            const QString name = Katalog::Name(felder.value(0));
            if (!name.isEmpty() && !katalog.contains(name))
                katalog.insert(name, {name, felder.value(2)});
        }
    }
    return katalog;
}

const Ware* Suchen(const QHash<QString, Ware>& katalog, const QString& name)
{
    const auto genau = katalog.constFind(name);
    if (genau != katalog.constEnd())
        return &genau.value();
    const QString gesucht = name.trimmed();
    // The first in name order, so the answer does not depend on the hash's order.
    const Ware* treffer = nullptr;
    for (auto it = katalog.constBegin(); it != katalog.constEnd(); ++it)
        if (it.key().trimmed().compare(gesucht, Qt::CaseInsensitive) == 0 && (!treffer || it.key() < treffer->Name))
            treffer = &it.value();
    return treffer;
}

Rechnung Berechnen(const Liste& liste, int reisende, int reittiere, int tage, const QHash<QString, int>& tageJeGelaende,
                   const QHash<QString, Ware>& katalog)
{
    Rechnung r;
    QHash<QString, qsizetype> stelle;
    for (const Posten& p : liste.Eintraege) {
        const qint64 koepfe = p.Wer == Fuer::Reisende ? reisende : reittiere;
        const qint64 menge = Menge(koepfe, p.Gelaende.isEmpty() ? tage : tageJeGelaende.value(p.Gelaende), p.TageJeStueck);
        if (menge == 0)
            continue;
        const Ware* ware = Suchen(katalog, p.Ware);
        const QString name = ware ? ware->Name : p.Ware;
        if (!stelle.contains(name)) {
            stelle.insert(name, r.Einkaeufe.size());
            Einkauf e;
            e.Ware = name;
            if (ware) {
                bool ok = false;
                e.Preis = ware->Preis;
                e.Stueckpreis = Geld::Pfennig(ware->Preis, &ok);
                e.Bepreist = ok && e.Stueckpreis >= 0;
            }
            if (!ware)
                r.Meldungen.append(QStringLiteral("Die Ware „%1“ steht nicht im Warenkatalog; sie ist nicht eingerechnet.")
                                       .arg(p.Ware));
            else if (!e.Bepreist)
                r.Meldungen.append(QStringLiteral("Der Preis „%1“ der Ware „%2“ lässt sich nicht lesen; sie ist nicht "
                                                  "eingerechnet.")
                                       .arg(ware->Preis, name));
            r.Einkaeufe.append(e);
        }
        r.Einkaeufe[stelle.value(name)].Menge += menge;
    }
    for (Einkauf& e : r.Einkaeufe) {
        if (!e.Bepreist)
            continue;
        // A price or amount so large that the sum would overflow is as unreadable as no price.
        if (e.Stueckpreis > 0 && e.Menge > std::numeric_limits<qint64>::max() / 1024 / e.Stueckpreis) {
            e.Bepreist = false;
            r.Meldungen.append(QStringLiteral("Die Summe der Ware „%1“ ist zu groß; sie ist nicht eingerechnet.").arg(e.Ware));
            continue;
        }
        e.Summe = e.Menge * e.Stueckpreis;
        r.Summe += e.Summe;
    }
    return r;
}

} // namespace Reiseproviant
