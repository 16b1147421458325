#include "Abgleich.h"

#include "Dialoge.h"
#include "Zeilendatei.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace Abgleich {

namespace {

using Schluessel = QPair<QString, int>;

// Each record's key: its name and how many records of that name came before it.
QList<Schluessel> Schluessel_(const QList<QStringList>& seite, const Regeln& regeln)
{
    QList<Schluessel> schluessel;
    schluessel.reserve(seite.size());
    QHash<QString, int> gezaehlt;
    for (const QStringList& satz : seite) {
        const QString name = regeln.Name(satz);
        schluessel.append({name, gezaehlt[name]++});
    }
    return schluessel;
}

QHash<Schluessel, qsizetype> Verzeichnis(const QList<Schluessel>& schluessel)
{
    QHash<Schluessel, qsizetype> index;
    index.reserve(schluessel.size());
    for (qsizetype i = 0; i < schluessel.size(); ++i)
        index.insert(schluessel[i], i);
    return index;
}

bool Gleich(const QStringList& a, const QStringList& b, int erstes)
{
    const qsizetype n = qMax(a.size(), b.size());
    for (qsizetype f = erstes; f < n; ++f)
        if (a.value(f) != b.value(f))
            return false;
    return true;
}

} // namespace

Stelle StelleVon(int zeile, int anzahl, const std::function<QString(int)>& name)
{
    Stelle s;
    if (zeile < 0 || zeile >= anzahl)
        return s;
    s.Gueltig = true;
    s.Name = name(zeile);
    for (int i = 0; i < zeile; ++i)
        s.Vorher += name(i) == s.Name;
    return s;
}

int ZeileVon(const Stelle& stelle, int anzahl, const std::function<QString(int)>& name)
{
    for (int i = 0, gezaehlt = 0; stelle.Gueltig && i < anzahl; ++i)
        if (name(i) == stelle.Name && gezaehlt++ == stelle.Vorher)
            return i;
    return -1;
}

bool DatenbankSpeichern(const QString& pfad, int feldanzahl, QList<QStringList>& zeilen, QList<QStringList>& basis,
                        Dateien::Fingerabdruck& abdruck, bool& sicherungNoetig, bool& zusammengefuehrt,
                        const std::function<Datenbankstand()>& lesen, QString* fehler, int* zeile)
{
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    Tabelle datei;
    datei.Pfad = pfad;
    datei.Zeilen = &zeilen;
    datei.Basis = &basis;
    datei.Abdruck = &abdruck;
    datei.Zusammengefuehrt = &zusammengefuehrt;
    datei.Lesen = [&](QList<QStringList>& fremd, Dateien::Fingerabdruck& neu, QString*) {
        Datenbankstand stand = lesen();
        neu = stand.Abdruck;
        // A file removed or damaged meanwhile cannot tell what was deleted: this table's records are written as
        // they are, a damaged regular file kept aside first. Something else in its place is refused by the writer.
        fremd = stand.Beschaedigt || !stand.Vorhanden ? basis : std::move(stand.Zeilen);
        if (stand.Beschaedigt && QFileInfo(pfad).isFile())
            sicherungNoetig = true;
        return true;
    };
    datei.Schreiben = [&](Dateien::Fingerabdruck& neu, QString* grund) {
        // The helper copies only a regular file; anything else (a folder, a device) is never replaced.
        if (sicherungNoetig) {
            if (!Dateien::SicherungAnlegen(pfad, grund))
                return false;
            sicherungNoetig = false;
        }
        QString warum;
        if (Zeilendatei::DatensaetzeSchreiben(pfad, zeilen, feldanzahl, &warum, &neu))
            return true;
        if (grund)
            *grund = QStringLiteral("Die Datenbank %1 konnte nicht gespeichert werden: %2")
                         .arg(Dateien::Anzeigename(pfad), warum);
        return false;
    };
    // Records are known by their name; field 0, the row number, moves with every delete.
    static const Regeln regeln{[](const QStringList& felder) { return felder.value(1); },
                               [](QStringList& felder, const QString& name) { felder[1] = name; }, 1};
    return Speichern(datei, regeln, fehler, zeile);
}

QString FreierName(const QString& name, const QSet<QString>& vergeben)
{
    for (int i = 2;; ++i) {
        const QString kandidat = QStringLiteral("%1 (%2)").arg(name).arg(i);
        if (!vergeben.contains(kandidat))
            return kandidat;
    }
}

bool Datensaetze(const QList<QStringList>& basis, const QList<QStringList>& mein, const QList<QStringList>& fremd,
                 const Regeln& regeln, QList<QStringList>& ergebnis, QList<qsizetype>* wohin)
{
    const QList<Schluessel> sb = Schluessel_(basis, regeln);
    const QList<Schluessel> sm = Schluessel_(mein, regeln);
    const QList<Schluessel> sf = Schluessel_(fremd, regeln);
    const QHash<Schluessel, qsizetype> ib = Verzeichnis(sb);
    const QHash<Schluessel, qsizetype> im = Verzeichnis(sm);
    const QHash<Schluessel, qsizetype> iff = Verzeichnis(sf);
    const int erstes = regeln.ErstesFeld;

    QSet<QString> namen;
    for (const QStringList& satz : fremd)
        namen.insert(regeln.Name(satz));
    for (const QStringList& satz : mein)
        namen.insert(regeln.Name(satz));

    QList<QStringList> neu;
    QList<QStringList> hinten;
    // For each row of the result, the row of `mein` it came from (-1: the other side's).
    QList<qsizetype> herkunft;
    QList<qsizetype> herkunftHinten;
    // A second version under a free name, for "keep both".
    const auto umbenannt = [&](QStringList satz) {
        const QString name = FreierName(regeln.Name(satz), namen);
        namen.insert(name);
        regeln.Umbenennen(satz, name);
        return satz;
    };
    bool abgebrochen = false;
    for (qsizetype i = 0; i < fremd.size() && !abgebrochen; ++i) {
        const QStringList& f = fremd[i];
        const auto b = ib.constFind(sf[i]);
        if (b == ib.constEnd()) {
            // Added elsewhere.
            neu.append(f);
            herkunft.append(-1);
            continue;
        }
        const QStringList& alt = basis[*b];
        const auto m = im.constFind(sf[i]);
        if (m == im.constEnd()) {
            // Deleted here: gone, unless it was changed elsewhere meanwhile.
            if (Gleich(f, alt, erstes))
                continue;
            const Dialoge::Antwort a = Dialoge::Konflikt(
                QStringLiteral("„%1“ wurde hier gelöscht, inzwischen aber in einem anderen Fenster geändert.")
                    .arg(sf[i].first));
            if (a == Dialoge::Antwort::Abbrechen) {
                abgebrochen = true;
            } else if (a != Dialoge::Antwort::Meine) {
                neu.append(f);
                herkunft.append(-1);
            }
            continue;
        }
        const QStringList& meins = mein[*m];
        if (Gleich(meins, alt, erstes) || Gleich(meins, f, erstes)) {
            neu.append(f);
            herkunft.append(*m);
        } else if (Gleich(f, alt, erstes)) {
            neu.append(meins);
            herkunft.append(*m);
        } else {
            const QString neuerName = FreierName(sf[i].first, namen);
            const Dialoge::Antwort a = Dialoge::Konflikt(
                QStringLiteral("„%1“ wurde inzwischen auch in einem anderen Fenster geändert.").arg(sf[i].first),
                QStringLiteral("„Beide behalten“ nimmt beide, die Fassung dieses Fensters als „%1“.").arg(neuerName));
            if (a == Dialoge::Antwort::Abbrechen) {
                abgebrochen = true;
            } else if (a == Dialoge::Antwort::Meine) {
                neu.append(meins);
                herkunft.append(*m);
            } else if (a == Dialoge::Antwort::Beide) {
                neu.append(f);
                herkunft.append(-1);
                hinten.append(umbenannt(meins));
                herkunftHinten.append(*m);
            } else {
                neu.append(f);
                herkunft.append(*m);
            }
        }
    }
    // Changed here but deleted elsewhere.
    for (qsizetype i = 0; i < basis.size() && !abgebrochen; ++i) {
        if (iff.contains(sb[i]))
            continue;
        const auto m = im.constFind(sb[i]);
        if (m == im.constEnd() || Gleich(mein[*m], basis[i], erstes))
            continue;
        const Dialoge::Antwort a = Dialoge::Konflikt(
            QStringLiteral("„%1“ wurde inzwischen in einem anderen Fenster gelöscht, hier aber geändert.").arg(sb[i].first));
        if (a == Dialoge::Antwort::Abbrechen) {
            abgebrochen = true;
        } else if (a == Dialoge::Antwort::Meine) {
            hinten.append(mein[*m]);
            herkunftHinten.append(*m);
        }
    }
    if (abgebrochen)
        return false;
    // Added here.
    for (qsizetype i = 0; i < mein.size(); ++i) {
        if (!ib.contains(sm[i])) {
            neu.append(mein[i]);
            herkunft.append(i);
        }
    }
    ergebnis = neu + hinten;
    if (wohin) {
        herkunft += herkunftHinten;
        wohin->fill(-1, mein.size());
        for (qsizetype i = 0; i < herkunft.size(); ++i)
            if (herkunft[i] >= 0)
                (*wohin)[herkunft[i]] = i;
    }
    return true;
}

QStringList Zeilen(const QStringList& basis, const QStringList& mein, const QStringList& fremd)
{
    Regeln regeln;
    regeln.Name = [](const QStringList& satz) { return satz.value(0); };
    const auto alsSaetze = [](const QStringList& zeilen) {
        QList<QStringList> saetze;
        saetze.reserve(zeilen.size());
        for (const QString& z : zeilen)
            saetze.append(QStringList{z});
        return saetze;
    };
    const QList<QStringList> b = alsSaetze(basis), m = alsSaetze(mein), f = alsSaetze(fremd);
    const QList<Schluessel> sb = Schluessel_(b, regeln), sm = Schluessel_(m, regeln), sf = Schluessel_(f, regeln);
    const QHash<Schluessel, qsizetype> ib = Verzeichnis(sb), im = Verzeichnis(sm);
    // The other side's lines without those removed here.
    QList<Schluessel> ergebnis;
    for (qsizetype i = 0; i < sf.size(); ++i)
        if (!ib.contains(sf[i]) || im.contains(sf[i]))
            ergebnis.append(sf[i]);
    // Each line added here goes after the line it follows here (or first).
    for (qsizetype i = 0; i < sm.size(); ++i) {
        if (ib.contains(sm[i]))
            continue;
        qsizetype nach = -1;
        for (qsizetype j = i - 1; j >= 0 && nach < 0; --j)
            nach = ergebnis.indexOf(sm[j]);
        ergebnis.insert(nach + 1, sm[i]);
    }
    QStringList zeilen;
    zeilen.reserve(ergebnis.size());
    for (const Schluessel& s : ergebnis)
        zeilen.append(s.first);
    return zeilen;
}

bool Speichern(const Tabelle& tabelle, const Regeln& regeln, QString* grund, int* zeile)
{
    // Another program that saves the file over and over would keep this one merging for ever.
    constexpr int kRunden = 20;
    if (tabelle.Zusammengefuehrt)
        *tabelle.Zusammengefuehrt = false;
    for (int runde = 0;; ++runde) {
        Dateien::Sperre sperre(tabelle.Pfad);
        if (!sperre.Gehalten()) {
            if (grund)
                *grund = sperre.Grund();
            return false;
        }
        if (Dateien::Unveraendert(tabelle.Pfad, *tabelle.Abdruck)) {
            Dateien::Fingerabdruck neu;
            if (!tabelle.Schreiben(neu, grund))
                return false;
            *tabelle.Basis = *tabelle.Zeilen;
            *tabelle.Abdruck = neu;
            return true;
        }
        if (runde == kRunden) {
            if (grund)
                *grund = QStringLiteral("Die Datei %1 wird gerade fortlaufend von einem anderen Programm geändert.")
                             .arg(Dateien::Anzeigename(tabelle.Pfad));
            return false;
        }
        QList<QStringList> fremd;
        Dateien::Fingerabdruck abdruck;
        if (!tabelle.Lesen(fremd, abdruck, grund))
            return false;
        sperre.Freigeben();
        QList<QStringList> zusammen;
        QList<qsizetype> wohin;
        if (!Datensaetze(*tabelle.Basis, *tabelle.Zeilen, fremd, regeln, zusammen, zeile ? &wohin : nullptr)) {
            if (grund)
                grund->clear();
            return false;
        }
        if (zeile && *zeile >= 0 && *zeile < wohin.size())
            *zeile = int(wohin[*zeile]);
        if (regeln.ErstesFeld == 1)
            for (qsizetype i = 0; i < zusammen.size(); ++i)
                zusammen[i][0] = QString::number(i);
        if (tabelle.Zusammengefuehrt)
            *tabelle.Zusammengefuehrt = true;
        *tabelle.Zeilen = std::move(zusammen);
        *tabelle.Basis = std::move(fremd);
        *tabelle.Abdruck = abdruck;
    }
}

} // namespace Abgleich
