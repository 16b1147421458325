#include "gfxgen.h"

#include <QDir>
#include <QImageWriter>

#include <algorithm>
#include <cmath>

namespace gfx {

uint64_t Zufall::naechste()
{
    // splitmix64: tiny, fast and the same on every platform.
    uint64_t z = (zustand += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Zufall::gleich()
{
    return double(naechste() >> 11) * (1.0 / 9007199254740992.0);
}

double Zufall::bereich(double von, double bis)
{
    return von + (bis - von) * gleich();
}

int Zufall::ganz(int n)
{
    return n <= 1 ? 0 : int(naechste() % uint64_t(n));
}

namespace {

float gitterWert(int x, int y, uint32_t saat)
{
    uint32_t h = uint32_t(x) * 0x27D4EB2Du ^ uint32_t(y) * 0x165667B1u ^ saat * 0x9E3779B9u;
    h ^= h >> 15;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return float(h & 0xFFFFFF) / float(0x800000) - 1.0f;
}

float glatt(float t)
{
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}

} // namespace

float wertRauschen(float x, float y, uint32_t saat)
{
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = int(fx);
    const int iy = int(fy);
    const float tx = glatt(x - fx);
    const float ty = glatt(y - fy);
    const float a = gitterWert(ix, iy, saat);
    const float b = gitterWert(ix + 1, iy, saat);
    const float c = gitterWert(ix, iy + 1, saat);
    const float d = gitterWert(ix + 1, iy + 1, saat);
    const float oben = a + (b - a) * tx;
    const float unten = c + (d - c) * tx;
    return oben + (unten - oben) * ty;
}

float fbm(float x, float y, int oktaven, uint32_t saat)
{
    float summe = 0.0f;
    float amplitude = 0.5f;
    float norm = 0.0f;
    for (int i = 0; i < oktaven; ++i) {
        summe += amplitude * wertRauschen(x, y, saat + uint32_t(i) * 1013u);
        norm += amplitude;
        amplitude *= 0.5f;
        // A slight rotation per octave hides the lattice axes.
        const float nx = x * 1.6f - y * 1.2f;
        const float ny = x * 1.2f + y * 1.6f;
        x = nx + 17.3f;
        y = ny - 9.1f;
    }
    return summe / norm;
}

QColor mischen(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QImage pergament(int breite, int hoehe, uint32_t saat, const QColor& hell, const QColor& dunkel)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    const float mass = float(std::max(breite, hoehe));
    const float mx = breite * 0.5f;
    const float my = hoehe * 0.5f;
    for (int y = 0; y < hoehe; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < breite; ++x) {
            const float dx = (x - mx) / mx;
            const float dy = (y - my) / my;
            const float rand = std::clamp((dx * dx + dy * dy) * 0.5f, 0.0f, 1.0f);
            const float flecken = fbm(x / mass * 5.0f, y / mass * 5.0f, 4, saat);
            const float korn = wertRauschen(x * 0.9f, y * 0.9f, saat + 77u);
            float t = 0.12f + rand * 0.55f + flecken * 0.22f + korn * 0.03f;
            t = std::clamp(t, 0.0f, 1.0f);
            const int r = int(hell.red() + (dunkel.red() - hell.red()) * t);
            const int g = int(hell.green() + (dunkel.green() - hell.green()) * t);
            const int b = int(hell.blue() + (dunkel.blue() - hell.blue()) * t);
            zeile[x] = qRgb(r, g, b);
        }
    }
    return bild;
}

Ausgabe::Ausgabe(const QString& ordner_) : ordner(ordner_)
{
    ordnerOk = QDir().mkpath(ordner);
    if (!ordnerOk)
        fehler << QStringLiteral("Ordner %1 lässt sich nicht anlegen").arg(ordner);
}

QString Ausgabe::pfad(const QString& name) const
{
    return QDir(ordner).filePath(name);
}

void Ausgabe::speichern(const QImage& bild, const QString& name, const char* format, int qualitaet)
{
    if (!ordnerOk)
        return;
    QImageWriter schreiber(pfad(name), format);
    if (qualitaet >= 0)
        schreiber.setQuality(qualitaet);
    if (bild.isNull() || !schreiber.write(bild)) {
        fehler << QStringLiteral("%1 lässt sich nicht schreiben: %2").arg(pfad(name), schreiber.errorString());
        return;
    }
    dateien << name;
}

} // namespace gfx
