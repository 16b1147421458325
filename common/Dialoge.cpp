#include "Dialoge.h"

#include "Variablen.h"

#include <cstdio>

namespace Dialoge {

namespace {

Stapel& StandardAnbieter()
{
    static Stapel stapel;
    return stapel;
}

Anbieter*& Installiert()
{
    static Anbieter* anbieter = &StandardAnbieter();
    return anbieter;
}

} // namespace

Anbieter::~Anbieter() = default;

Anbieter& Aktuell()
{
    return *Installiert();
}

void Setzen(Anbieter* anbieter)
{
    Installiert() = anbieter ? anbieter : &StandardAnbieter();
}

void Hinweis(const QString& text)
{
    Aktuell().Meldung(text, Knoepfe::OK, Symbol::Information, Variablen::Programmtitel);
}

void Warnung(const QString& text)
{
    Aktuell().Meldung(text, Knoepfe::OK, Symbol::Ausrufezeichen, Variablen::Programmtitel);
}

void Fehler(const QString& text, const QString& titel)
{
    Aktuell().Meldung(text, Knoepfe::OK, Symbol::Fehler, titel);
}

bool Frage(const QString& text, Symbol symbol)
{
    return Aktuell().Meldung(text, Knoepfe::JaNein, symbol, Variablen::Programmtitel) == Antwort::Ja;
}

bool FrageZerstoerend(const QString& text, Symbol symbol)
{
    return Aktuell().Meldung(text, Knoepfe::JaNeinVorgabeNein, symbol, Variablen::Programmtitel) == Antwort::Ja;
}

Antwort Ungespeichert(const QString& name)
{
    return Aktuell().Meldung(QStringLiteral("Die Änderungen an „%1“ sind nicht gespeichert.").arg(name),
                             Knoepfe::SpeichernVerwerfenAbbrechen, Symbol::Ausrufezeichen, Variablen::Programmtitel);
}

Antwort Konflikt(const QString& text, const QString& beide)
{
    QString frage = text + QStringLiteral("\n\n„Meine behalten“ speichert die Fassung dieses Fensters, „Andere behalten“ "
                                          "übernimmt die andere und verwirft die Änderung hier.");
    if (!beide.isEmpty())
        frage += QLatin1Char(' ') + beide;
    return Aktuell().Meldung(frage, beide.isEmpty() ? Knoepfe::MeineAndereAbbrechen : Knoepfe::MeineAndereBeideAbbrechen,
                             Symbol::Frage, Variablen::Programmtitel);
}

QString Eingabe(const QString& aufforderung)
{
    return Aktuell().Eingabe(aufforderung, Variablen::Programmtitel);
}

Antwort Stapel::Meldung(const QString& text, Knoepfe knoepfe, Symbol, const QString&)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    std::fflush(stderr);
    switch (knoepfe) {
    case Knoepfe::OK: return Antwort::OK;
    case Knoepfe::SpeichernVerwerfenAbbrechen:
    case Knoepfe::MeineAndereBeideAbbrechen:
    case Knoepfe::MeineAndereAbbrechen:
    case Knoepfe::JaNeinAbbrechen: return Antwort::Abbrechen;
    default: return Antwort::Nein;
    }
}

QString Stapel::Eingabe(const QString&, const QString&) { return QString(); }
QString Stapel::DateiOeffnen(const QString&, const QString&) { return QString(); }
QString Stapel::DateiSpeichern(const QString&, const QString&) { return QString(); }
bool Stapel::DruckerWaehlen(QPrinter&) { return false; }

Skript::Skript() : m_vorher(&Aktuell())
{
    Setzen(this);
}

Skript::~Skript()
{
    if (&Aktuell() == this)
        Setzen(m_vorher);
}

QStringList Skript::Texte() const
{
    QStringList texte;
    for (const Aufruf& a : aufrufe)
        if (a.art == QLatin1String("Meldung") || a.art == QLatin1String("Frage"))
            texte.append(a.text);
    return texte;
}

Antwort Skript::Meldung(const QString& text, Knoepfe knoepfe, Symbol symbol, const QString& titel)
{
    aufrufe.append({knoepfe == Knoepfe::OK ? QStringLiteral("Meldung") : QStringLiteral("Frage"), text, knoepfe, titel,
                    symbol, {}, {}});
    if (knoepfe == Knoepfe::OK)
        return Antwort::OK;
    if (knoepfe == Knoepfe::SpeichernVerwerfenAbbrechen || knoepfe == Knoepfe::MeineAndereBeideAbbrechen
        || knoepfe == Knoepfe::MeineAndereAbbrechen) {
        if (wahl.isEmpty()) {
            ++unbeantwortet;
            return Antwort::Abbrechen;
        }
        return wahl.takeFirst();
    }
    if (knoepfe == Knoepfe::JaNeinAbbrechen && ja.isEmpty() && !wahl.isEmpty())
        return wahl.takeFirst();
    if (ja.isEmpty()) {
        ++unbeantwortet;
        return knoepfe == Knoepfe::JaNeinAbbrechen ? Antwort::Abbrechen : Antwort::Nein;
    }
    return ja.takeFirst() ? Antwort::Ja : Antwort::Nein;
}

QString Skript::Eingabe(const QString& aufforderung, const QString& titel)
{
    aufrufe.append({QStringLiteral("Eingabe"), aufforderung, Knoepfe::OK, titel, Symbol::Keins, {}, {}});
    if (eingaben.isEmpty()) {
        ++unbeantwortet;
        return QString();
    }
    return eingaben.takeFirst();
}

QString Skript::DateiOeffnen(const QString& ordner, const QString& filter)
{
    aufrufe.append({QStringLiteral("Oeffnen"), {}, Knoepfe::OK, {}, Symbol::Keins, ordner, filter});
    if (dateien.isEmpty()) {
        ++unbeantwortet;
        return QString();
    }
    return dateien.takeFirst();
}

QString Skript::DateiSpeichern(const QString& ordner, const QString& filter)
{
    aufrufe.append({QStringLiteral("Speichern"), {}, Knoepfe::OK, {}, Symbol::Keins, ordner, filter});
    if (dateien.isEmpty()) {
        ++unbeantwortet;
        return QString();
    }
    return dateien.takeFirst();
}

bool Skript::DruckerWaehlen(QPrinter& drucker)
{
    aufrufe.append({QStringLiteral("Drucken"), {}, Knoepfe::OK, {}, Symbol::Keins, {}, {}});
    return drucken ? drucken(drucker) : false;
}

} // namespace Dialoge
