#include "Linkliste.h"

#include "Abgleich.h"
#include "Dateien.h"
#include "Dialoge.h"
#include "Pfad.h"
#include "Variablen.h"
#include "Zeilendatei.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

QString Linkliste::Dateipfad()
{
    // Reading and writing use one name; the lookup ignores case, so an existing "Urls.dat" (or any other
    // spelling) is the file read and rewritten, and a missing one is created as "URLs.dat".
    return Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Manager\\URLs.dat"));
}

namespace {

struct Gelesen {
    QList<QStringList> saetze;
    bool unvollstaendig = false;
    bool vorhanden = true;
    Dateien::Fingerabdruck abdruck;
};

Gelesen Lesen()
{
    Gelesen g;
    const QString pfad = Linkliste::Dateipfad();
    const Zeilendatei::Leseergebnis gelesen = Zeilendatei::Laden(pfad);
    const QStringList& zeilen = gelesen.Zeilen;
    for (qsizetype i = 0; i + 2 < zeilen.size(); i += 3)
        g.saetze.append({zeilen[i], zeilen[i + 1], zeilen[i + 2]});
    // A file that could not be read at all (too large, no regular file) is kept like one cut short.
    g.vorhanden = gelesen.Status != Zeilendatei::Lesestatus::Fehlt;
    g.unvollstaendig = zeilen.size() % 3 != 0 || (!gelesen.Gelesen() && g.vorhanden);
    g.abdruck = gelesen.Gelesen() ? gelesen.Abdruck : Dateien::Stand(pfad);
    return g;
}

QList<QStringList> Saetze(const QList<Link>& links)
{
    QList<QStringList> saetze;
    for (const Link& link : links)
        saetze.append({link.name, link.url, link.beschreibung});
    return saetze;
}

} // namespace

void Linkliste::Laden()
{
    m_links.clear();
    m_gesichert = false;
    const Gelesen g = Lesen();
    for (const QStringList& satz : g.saetze)
        m_links.append({satz[0], satz[1], satz[2]});
    m_basis = g.saetze;
    m_abdruck = g.abdruck;
    m_unvollstaendig = g.unvollstaendig;
}

bool Linkliste::DateiUnveraendert() const
{
    return Dateien::Unveraendert(Dateipfad(), m_abdruck);
}

bool Linkliste::Hinzufuegen(const Link& link)
{
    m_links.append(link);
    return Speichern();
}

bool Linkliste::Loeschen(int r)
{
    if (r < 0 || r >= m_links.size())
        return false;
    m_links.removeAt(r);
    return Speichern();
}

bool Linkliste::Speichern()
{
    const QString pfad = Dateipfad();
    if (m_unvollstaendig && !m_gesichert) {
        // The incomplete record would be lost by the rewrite: keep the old file first.
        QString fehler;
        QString kopie;
        if (!QFileInfo(pfad).isFile() || !Dateien::SicherungAnlegen(pfad, &fehler, &kopie)) {
            Dialoge::Warnung(QStringLiteral("Die Linkliste ist beschädigt, und von ihr konnte keine Sicherungskopie "
                                            "angelegt werden. Die Änderung wurde darum nicht gespeichert.")
                             + (fehler.isEmpty() ? QString() : QStringLiteral("\n\n") + fehler));
            return false;
        }
        m_gesichert = true;
        Dialoge::Hinweis(QStringLiteral("Die Linkliste endete mitten in einem Eintrag oder war nicht lesbar; gelesen "
                                        "wurden nur die vollständigen Einträge. Die alte Datei liegt nun als ")
                         + QFileInfo(kopie).fileName() + QStringLiteral(" daneben."));
    }
    QList<QStringList> saetze = Saetze(m_links);
    Abgleich::Tabelle datei;
    datei.Pfad = pfad;
    datei.Zeilen = &saetze;
    datei.Basis = &m_basis;
    datei.Abdruck = &m_abdruck;
    datei.Lesen = [this](QList<QStringList>& fremd, Dateien::Fingerabdruck& abdruck, QString*) {
        const Gelesen g = Lesen();
        abdruck = g.abdruck;
        // A list cut short or removed meanwhile tells nothing about deleted links: ours are written as they are.
        fremd = g.unvollstaendig || !g.vorhanden ? m_basis : g.saetze;
        return true;
    };
    datei.Schreiben = [&](Dateien::Fingerabdruck& neu, QString* grund) {
        QStringList zeilen;
        for (const QStringList& satz : saetze)
            zeilen << satz;
        return Zeilendatei::Schreiben(pfad, zeilen, grund, &neu);
    };
    static const Abgleich::Regeln regeln{[](const QStringList& satz) { return satz.value(0); },
                                         [](QStringList& satz, const QString& name) { satz[0] = name; }, 0};
    QString fehler;
    const bool ok = Abgleich::Speichern(datei, regeln, &fehler);
    m_links.clear();
    for (const QStringList& satz : saetze)
        m_links.append({satz[0], satz[1], satz[2]});
    if (ok)
        return true;
    if (!fehler.isEmpty())
        Dialoge::Warnung(QStringLiteral("Die Linkliste konnte nicht gespeichert werden: ") + fehler);
    return false;
}

std::optional<Link> Linkliste::Erfragen()
{
    Link link;
    link.name = Dialoge::Eingabe(QStringLiteral("Bitte nennt mir den Namen der Homepage, die ihr eintragen wollt."));
    if (link.name.isEmpty())
        return std::nullopt;
    link.url = Dialoge::Eingabe(QStringLiteral("Nun benötige ich die URL der Homepage."));
    if (link.url.isEmpty())
        return std::nullopt;
    link.beschreibung = Dialoge::Eingabe(QStringLiteral("Als letztes könnt ihr eine kleine Beschreibung der Page angeben."));
    if (link.beschreibung.isEmpty())
        return std::nullopt;
    return link;
}

QString Linkliste::Adresse(const QString& url)
{
    const QString text = url.trimmed();
    // An address typed without a scheme ("www." and a host) would be taken for a file name by a default handler.
    if (QUrl(text).scheme().size() > 1)
        return text;
    return QUrl::fromUserInput(text).toString();
}
