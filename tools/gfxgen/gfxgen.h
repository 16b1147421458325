// Shared pieces of the picture generator: a fixed random source, noise, parchment and file output.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace gfx {

// Own generator instead of std distributions: their results differ between standard libraries,
// and the pictures (and the land under the shipped cities) must be the same everywhere.
class Zufall
{
public:
    explicit Zufall(uint64_t saat) : zustand(saat) {}
    uint64_t naechste();
    double gleich();                      // [0, 1)
    double bereich(double von, double bis);
    int ganz(int n);                      // 0 ... n-1

private:
    uint64_t zustand;
};

// Smooth lattice noise in [-1, 1] and its sum over octaves (about [-1, 1]).
float wertRauschen(float x, float y, uint32_t saat);
float fbm(float x, float y, int oktaven, uint32_t saat);

QColor mischen(const QColor& a, const QColor& b, double t);

// A calm paper surface: light middle, darker edges, faint stains and grain.
QImage pergament(int breite, int hoehe, uint32_t saat, const QColor& hell, const QColor& dunkel);

// Writes pictures into one folder and remembers what went wrong.
class Ausgabe
{
public:
    explicit Ausgabe(const QString& ordner);
    bool bereit() const { return ordnerOk; }
    void speichern(const QImage& bild, const QString& name, const char* format, int qualitaet = -1);
    bool fehlerfrei() const { return fehler.isEmpty(); }
    const QStringList& fehlerListe() const { return fehler; }
    const QStringList& geschrieben() const { return dateien; }
    QString pfad(const QString& name) const;

private:
    QString ordner;
    bool ordnerOk = false;
    QStringList fehler;
    QStringList dateien;
};

void bildschaltflaechenZeichnen(Ausgabe& gfx);
void symboleZeichnen(Ausgabe& gfx);
void hintergruendeZeichnen(Ausgabe& gfx);

// Each program's icon for the desktop's application menu at one size: "werkbund3-<program>.png".
void menueSymboleZeichnen(Ausgabe& menue, int groesse);
constexpr int MenueGroessen[] = {48, 128, 256};

// One of the pictograms above on a transparent ground, by file name, for watermarks.
QImage symbolBild(const char* name, int groesse);

// The world map keeps its water mask so that the shipped cities can be checked against it.
struct Weltkarte
{
    int breite = 0;
    int hoehe = 0;
    std::vector<uint8_t> land;   // 1 = land, row by row
    bool istLand(int px, int py) const
    {
        return px >= 0 && py >= 0 && px < breite && py < hoehe && land[size_t(py) * breite + px] != 0;
    }
};

Weltkarte weltkarteZeichnen(Ausgabe& explorer);
void stadtbilderZeichnen(Ausgabe& explorer);

// Reads the shipped city register and returns one message per problem (empty when all is well).
QStringList staedtePruefen(const QString& datenOrdner, const Weltkarte& karte, const Ausgabe& explorer);

// Map units per pixel of the large map.
constexpr int EinheitenProPixel = 15;

} // namespace gfx
