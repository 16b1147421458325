#include "Linkliste.h"

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

void Linkliste::Laden()
{
    m_links.clear();
    m_gesichert = false;
    const Zeilendatei::Leseergebnis gelesen = Zeilendatei::Laden(Dateipfad());
    const QStringList& zeilen = gelesen.Zeilen;
    for (qsizetype i = 0; i + 2 < zeilen.size(); i += 3)
        m_links.append({zeilen[i], zeilen[i + 1], zeilen[i + 2]});
    // A file that could not be read at all (too large, no regular file) is kept like one cut short.
    m_unvollstaendig = zeilen.size() % 3 != 0
        || (!gelesen.Gelesen() && gelesen.Status != Zeilendatei::Lesestatus::Fehlt);
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
    QStringList zeilen;
    for (const Link& link : m_links)
        zeilen << link.name << link.url << link.beschreibung;
    QString fehler;
    if (Zeilendatei::Schreiben(pfad, zeilen, &fehler))
        return true;
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
