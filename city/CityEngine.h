#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

// The city generator: from a handful of choices a whole city, written straight into one HTML page.
namespace CityEngine {

// What the population decides (Tempel, Gasthaeuser and Tavernen are drawn in this order).
struct Stadtwerte {
    int Tempel = 0;
    int Gasthaeuser = 0;
    int Tavernen = 0;
    QString Durchfahrende;
    QString Markt;
    int Qualitaetsverschiebung = 0;
    int PreisverschiebungA = 0; // inns, taverns, traders
    int PreisverschiebungB = 0; // craftsmen, services, healers
};

Stadtwerte Stadtgroesse(qint64 einwohner);

// A random event: Z5 is drawn; on 3 (or always when forced) a random line of CityZufallsereignisse.dat,
// otherwise the empty text.
QString Zufallsereignis(bool erzwingen);

// Quality tier 1 (best) to 5 for r = Z20 + quality shift.
int Qualitaetsstufe(int r);
// The base price value of a tier: 4, 2, 0, -1, -3.
int Grundpreis(int stufe);
// The generator's price name of a price value (wealth and crime already added).
QString Preisstufe(int preiswert);

// "Reich" +2, "Normal" 0, "Arm" -2; "Hoch" -2, "Mittel" 0, "Niedrig" +2; anything else 0.
int Reichtumswert(const QString& reichtum);
int Kriminalitaetswert(const QString& kriminalitaet);

// The population as typed: a whole number from 1 to 2147483647, German thousands separators allowed
// ("1.000" is 1000); false otherwise, with the reason in *meldung.
bool EinwohnerLesen(const QString& text, qint32& einwohner, QString* meldung = nullptr);

// Where a town lies: some trades need a river, a coast or mountains.
enum class Stadtlage { Binnenland, Fluss, Kueste, Gebirge };
// The wizard's texts "Binnenland", "am Fluss", "an der Küste", "im Gebirge", in the order of Stadtlage.
const QStringList& Lagetexte();
// The batch names "Binnenland", "Fluss", "Küste", "Gebirge", in the same order.
const QStringList& Lagenamen();
// The file below DataPfad listing the trades of a location ("\City\Lage Fluss.dat"); none for Binnenland.
QString Lagedatei(Stadtlage lage);

// Which trades of the generator get businesses where. A trade named in a location file gets them only in a
// town of a location whose file names it; the hospice only in a town of 1,000 or more.
class Berufsregeln {
public:
    // Reads the location files; a missing one names no trade.
    static Berufsregeln Laden();
    void Eintragen(Stadtlage lage, const QStringList& berufe);
    bool Erlaubt(const QString& beruf, Stadtlage lage, qint64 einwohner) const;

private:
    QHash<QString, unsigned> m_lagen; // trimmed trade -> one bit per location whose file names it
};

struct Generatoreingaben {
    QString Stadtname;
    qint32 Einwohner = 0;
    QString Reichtum;      // text chosen on page 2, may be empty
    QString Kriminalitaet; // text chosen on page 2, may be empty
    QString Rasse;         // may be empty
    Stadtlage Lage = Stadtlage::Binnenland;
    bool Zufallsnamen = false;
    bool Zufallsereignisse = false;
};

// Number of sections after the basic information (the progress bar's steps).
constexpr int Generatorabschnitte = 11;

// Writes the whole page; `fortschritt` is called with 1..11 after each section. A trade that may not have
// businesses in the town (Berufsregeln) still has its number and its businesses drawn, so every other business
// gets the rolls it would get without the rule, but nothing of it is written.
void StadtGenerieren(const Generatoreingaben& eingaben, QIODevice& datei,
                     const std::function<void(int)>& fortschritt = {});

// The same into a file, written atomically; false and the reason when it could not be written.
bool StadtGenerierenInDatei(const Generatoreingaben& eingaben, const QString& pfad, QString* fehler = nullptr,
                            const std::function<void(int)>& fortschritt = {});

namespace Meldungen {
extern const QString RasseFehlt;
extern const QString Berechnet;
} // namespace Meldungen

} // namespace CityEngine
