#include "Shopkonfiguration.h"

#include "Dateien.h"
#include "Dialoge.h"
#include "Pfad.h"
#include "Subs.h"
#include "Variablen.h"
#include "Warenkategorien.h"
#include "Zeilendatei.h"

#include <limits>

namespace DatEditorEngine {

const QString NeuAufforderung = QStringLiteral("Bitte gebt die neue Shopkategorie an.");
const QString VorhandenWarnung = QStringLiteral("Diese Shopkategorie existiert bereits, ihr müsst eine Andere wählen.");

namespace {

// A count beyond this is garbage; reading that many keys one by one would only freeze the window.
constexpr qint64 HoechsteWarenzahl = 100000;

// Section names compare trimmed and without regard to case, as the settings reader does.
QString Vergleichsform(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

// The kinds of shop of the file: every line that is not blank.
QStringList ShopZeilen(const QStringList& zeilen)
{
    QStringList shops;
    for (const QString& z : zeilen)
        if (!z.trimmed().isEmpty())
            shops.append(z);
    return shops;
}

bool Ablehnen(QString* meldung, const QString& text)
{
    if (meldung)
        *meldung = text;
    return false;
}

const QString kOhneKategorien = QStringLiteral(
    "Ohne die Kategorien des Lagerhofs lässt sich die Zuordnung der Shops nicht bearbeiten: beim Speichern gingen "
    "sonst alle Kategorien des gewählten Shops verloren.");

} // namespace

QString KategorienPfad()
{
    return Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Warehouse\\ItemKategorien.dat"));
}

QString ShopsPfad()
{
    return Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Warehouse\\ShopgeneratorShops.dat"));
}

QString KonfigPfad()
{
    return Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Warehouse\\ShopgeneratorConfig.dat"));
}

int Warenzahl(const QString& text)
{
    const Subs::Ganzzahleingabe zahl =
        Subs::GanzzahlLesen(text, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max(),
                            QStringLiteral("WareCount"));
    if (!zahl.Ok || zahl.Wert < 1)
        return 0;
    return int(qMin(zahl.Wert, HoechsteWarenzahl));
}

bool Shopkonfiguration::Laden(QString* meldung)
{
    m_regionen.clear();
    m_verfuegbar.clear();
    m_shops.clear();
    m_gewaehlt.clear();
    m_geaendert = false;

    const QString kategorienPfad = KategorienPfad();
    const Zeilendatei::Leseergebnis kategorien = Zeilendatei::Laden(kategorienPfad);
    if (kategorien.Status == Zeilendatei::Lesestatus::Fehlt)
        return Ablehnen(meldung, QStringLiteral("Die Datei %1 fehlt. %2").arg(Dateien::Anzeigename(kategorienPfad), kOhneKategorien));
    if (!kategorien.Gelesen())
        return Ablehnen(meldung, QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2. %3")
                                     .arg(Dateien::Anzeigename(kategorienPfad), kategorien.Grund, kOhneKategorien));
    // The categories as the warehouse reads them, so both tools agree on every name.
    const QStringList gefunden = Warenkategorien::AusZeilen(kategorien.Zeilen).Namen;
    if (gefunden.isEmpty())
        return Ablehnen(meldung, QStringLiteral("Die Datei %1 enthält keine Kategorien. %2")
                                     .arg(Dateien::Anzeigename(kategorienPfad), kOhneKategorien));

    // A missing list of kinds counts as empty; one that exists but cannot be read would be lost with the
    // next new kind of shop.
    const QString shopsPfad = ShopsPfad();
    const Zeilendatei::Leseergebnis shops = Zeilendatei::Laden(shopsPfad);
    if (!shops.Gelesen() && shops.Status != Zeilendatei::Lesestatus::Fehlt)
        return Ablehnen(meldung, QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2.")
                                     .arg(Dateien::Anzeigename(shopsPfad), shops.Grund));
    const QString konfigPfad = KonfigPfad();
    const Zeilendatei::Leseergebnis konfig = Zeilendatei::Laden(konfigPfad);
    if (!konfig.Gelesen() && konfig.Status != Zeilendatei::Lesestatus::Fehlt)
        return Ablehnen(meldung, QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2.")
                                     .arg(Dateien::Anzeigename(konfigPfad), konfig.Grund));

    m_regionen = gefunden;
    m_shops = ShopZeilen(shops.Zeilen);
    return true;
}

namespace {

// The kind's entries "Ware1" .. "Ware" + WareCount as the file holds them now.
QStringList Waren(const QString& shop)
{
    const QString konfig = KonfigPfad();
    const int n = Warenzahl(Subs::IniLesen(konfig, shop, QStringLiteral("WareCount")));
    QStringList waren;
    for (int k = 1; k <= n; ++k)
        waren.append(Subs::IniLesen(konfig, shop, QStringLiteral("Ware") + QString::number(k)));
    return waren;
}

} // namespace

bool Shopkonfiguration::AnderswoGeaendert() const
{
    return !m_gewaehlt.isEmpty() && Waren(m_gewaehlt) != m_geladen;
}

void Shopkonfiguration::ShopWaehlen(const QString& shop)
{
    if (shop.isEmpty())
        return;
    AlleZurueck();
    m_gewaehlt = shop;
    m_geladen = Waren(shop);
    for (const QString& ware : std::as_const(m_geladen)) {
        if (m_regionen.isEmpty())
            break;
        if (ware.isEmpty())
            continue;
        // The warehouse finds a goods file without regard to letter case; so does this list.
        qsizetype zeile = m_regionen.indexOf(ware);
        for (qsizetype i = 0; zeile < 0 && i < m_regionen.size(); ++i)
            if (m_regionen[i].compare(ware, Qt::CaseInsensitive) == 0)
                zeile = i;
        if (zeile >= 0)
            m_verfuegbar.append(m_regionen.takeAt(zeile));
    }
    m_geaendert = false;
}

bool Shopkonfiguration::Hin(int zeile)
{
    if (zeile < 0 || zeile >= m_regionen.size())
        return false;
    m_verfuegbar.append(m_regionen.takeAt(zeile));
    m_geaendert = true;
    return true;
}

bool Shopkonfiguration::Zurueck(int zeile)
{
    if (zeile < 0 || zeile >= m_verfuegbar.size())
        return false;
    m_regionen.append(m_verfuegbar.takeAt(zeile));
    m_geaendert = true;
    return true;
}

void Shopkonfiguration::AlleHin()
{
    if (m_regionen.isEmpty())
        return;
    m_verfuegbar += m_regionen;
    m_regionen.clear();
    m_geaendert = true;
}

void Shopkonfiguration::AlleZurueck()
{
    if (m_verfuegbar.isEmpty())
        return;
    m_regionen += m_verfuegbar;
    m_verfuegbar.clear();
    m_geaendert = true;
}

bool Shopkonfiguration::Speichern(QString* fehler, bool* uebernommen)
{
    if (uebernommen)
        *uebernommen = false;
    if (m_gewaehlt.isEmpty())
        return Ablehnen(fehler, QStringLiteral("Es ist keine Shopkategorie gewählt."));
    QList<QPair<QString, QString>> werte;
    werte.reserve(m_verfuegbar.size() + 1);
    werte.append({QStringLiteral("WareCount"), QString::number(m_verfuegbar.size())});
    for (qsizetype i = 0; i < m_verfuegbar.size(); ++i)
        werte.append({QStringLiteral("Ware") + QString::number(i + 1), m_verfuegbar[i]});
    for (;;) {
        Dateien::Sperre sperre(KonfigPfad());
        if (!sperre.Gehalten())
            return Ablehnen(fehler, sperre.Grund());
        const QStringList jetzt = Waren(m_gewaehlt);
        if (jetzt != m_geladen && jetzt != m_verfuegbar) {
            // Saved in another window since it was chosen here; asked without holding others up.
            sperre.Freigeben();
            const Dialoge::Antwort antwort = Dialoge::Konflikt(
                QStringLiteral("„%1“ wurde inzwischen auch in einem anderen Fenster geändert.").arg(m_gewaehlt));
            if (antwort == Dialoge::Antwort::Andere) {
                ShopWaehlen(m_gewaehlt);
                if (uebernommen)
                    *uebernommen = true;
                return true;
            }
            if (antwort != Dialoge::Antwort::Meine)
                return Ablehnen(fehler, QString());
            m_geladen = jetzt;
            continue;
        }
        if (!Subs::IniSchreiben(KonfigPfad(), m_gewaehlt, werte, fehler))
            return false;
        m_geladen = m_verfuegbar;
        m_geaendert = false;
        return true;
    }
}

Shopkonfiguration::Neu Shopkonfiguration::NeuerShop(const QString& antwort, QString* meldung)
{
    const QString name = antwort.trimmed();
    if (name.isEmpty())
        return Neu::Leer;

    // The file as it is now, in case another program added a kind since shop mode was entered; read and
    // extended under the lock, so a kind added at the same moment elsewhere is seen.
    const QString shopsPfad = ShopsPfad();
    Dateien::Sperre sperre(shopsPfad);
    if (!sperre.Gehalten()) {
        Ablehnen(meldung, sperre.Grund());
        return Neu::Fehler;
    }
    const Zeilendatei::Leseergebnis datei = Zeilendatei::Laden(shopsPfad);
    if (!datei.Gelesen() && datei.Status != Zeilendatei::Lesestatus::Fehlt) {
        Ablehnen(meldung, QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2.")
                              .arg(Dateien::Anzeigename(shopsPfad), datei.Grund));
        return Neu::Fehler;
    }
    const QString form = Vergleichsform(name);
    bool vorhanden = form == Vergleichsform(QStringLiteral("Alles"));
    const QStringList* listen[] = {&datei.Zeilen, &m_shops};
    for (const QStringList* liste : listen)
        for (const QString& shop : *liste)
            vorhanden = vorhanden || Vergleichsform(shop) == form;
    if (vorhanden) {
        Ablehnen(meldung, VorhandenWarnung);
        return Neu::Vorhanden;
    }

    QString grund;
    if (!Dateien::NameFuerDatei(name, &grund)) {
        Ablehnen(meldung, grund);
        return Neu::Ungueltig;
    }
    for (const QChar c : {QLatin1Char('['), QLatin1Char(']'), QLatin1Char('=')}) {
        if (name.contains(c)) {
            Ablehnen(meldung, QStringLiteral("Der Name „%1“ enthält das Zeichen „%2“, das in einer Shopkategorie nicht "
                                             "stehen darf. Nicht erlaubt sind [ ] und =.")
                                  .arg(name, c));
            return Neu::Ungueltig;
        }
    }

    if (!Subs::IniSchreiben(KonfigPfad(), name, QStringLiteral("WareCount"), QStringLiteral("0"), meldung))
        return Neu::Fehler;
    QString fehler;
    if (!Zeilendatei::Anhaengen(shopsPfad, name, &fehler)) {
        Ablehnen(meldung, QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2")
                              .arg(Dateien::Anzeigename(shopsPfad), fehler));
        return Neu::Fehler;
    }
    m_shops.append(name);
    return Neu::Angelegt;
}

} // namespace DatEditorEngine
