// The world map: an invented continent, built from soft blobs and noise, drawn in a parchment style.
#include "gfxgen.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <queue>

namespace gfx {
namespace {

constexpr int Breite = 1280;
constexpr int Hoehe = 1600;
constexpr int Zelle = 4;                 // cell size of the drainage grid
constexpr int GitterB = Breite / Zelle;
constexpr int GitterH = Hoehe / Zelle;
constexpr double Verkleinerung = 3.2;    // the small map's scale
constexpr int JpgQualitaet = 88;

// Shape coordinates: x / Hoehe and y / Hoehe, so that radii mean the same along both axes.
struct Klecks
{
    float x, y, rx, ry, winkelGrad, staerke;
};

const Klecks Kleckse[] = {
    {0.38f, 0.47f, 0.20f, 0.17f, 15, 1.00f},   // heartland
    {0.42f, 0.19f, 0.24f, 0.085f, -8, 0.95f},  // northern plain
    {0.17f, 0.27f, 0.08f, 0.08f, 0, 0.85f},    // north-western lobe
    {0.29f, 0.69f, 0.14f, 0.13f, 0, 0.95f},    // southern land
    {0.47f, 0.82f, 0.06f, 0.12f, -30, 0.90f},  // southern peninsula
    {0.60f, 0.36f, 0.12f, 0.055f, -25, 0.90f}, // eastern arm
    {0.55f, 0.92f, 0.05f, 0.04f, 0, 0.80f},    // cape in the far south
    {0.58f, 0.57f, 0.09f, 0.08f, 0, -1.10f},   // great eastern gulf
    {0.13f, 0.47f, 0.05f, 0.05f, 0, -0.90f},   // western bay
    {0.47f, 0.29f, 0.03f, 0.05f, 20, -0.80f},  // northern bay
    {0.07f, 0.60f, 0.025f, 0.03f, 0, 0.95f},   // western isles
    {0.09f, 0.68f, 0.02f, 0.02f, 0, 0.95f},
    {0.73f, 0.63f, 0.035f, 0.05f, 30, 0.95f},  // eastern island
    {0.68f, 0.11f, 0.03f, 0.02f, 0, 0.90f},    // northern isles
    {0.11f, 0.86f, 0.022f, 0.028f, 10, 0.95f}, // south-western isles
    {0.16f, 0.91f, 0.015f, 0.015f, 0, 0.95f},
    {0.67f, 0.85f, 0.02f, 0.03f, -20, 0.95f},  // off the southern cape
};

struct Kette
{
    std::vector<QPointF> punkte;   // shape coordinates
    float breite;
};

const std::vector<Kette>& Gebirge()
{
    static const std::vector<Kette> ketten = {
        {{{0.27, 0.30}, {0.25, 0.40}, {0.28, 0.52}, {0.26, 0.62}}, 0.030f},  // western spine
        {{{0.30, 0.16}, {0.44, 0.20}, {0.60, 0.15}}, 0.026f},                // northern range
        {{{0.40, 0.62}, {0.46, 0.72}, {0.48, 0.82}}, 0.024f},                // southern ridge
        {{{0.44, 0.42}, {0.52, 0.39}}, 0.020f},                              // central heights
    };
    return ketten;
}

float stufe(float a, float b, float x)
{
    const float t = std::clamp((x - a) / (b - a), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

float streckenAbstand(float px, float py, QPointF a, QPointF b)
{
    const float ax = float(a.x()), ay = float(a.y());
    const float dx = float(b.x()) - ax, dy = float(b.y()) - ay;
    const float t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
    return std::hypot(px - ax - t * dx, py - ay - t * dy);
}

struct Felder
{
    std::vector<float> h;        // > 0 is land
    std::vector<float> berg;     // 0 ... 1, mountains
    std::vector<float> kalt;     // 0 ... 1, towards the icy north
    std::vector<float> trocken;  // 0 ... 1, towards the dry south
    std::vector<float> wald;     // forest density noise
    std::vector<float> hoehe;    // terrain height for shading and drainage
    std::vector<float> meer;     // distance of a sea pixel to the nearest land, in pixels
};

size_t idx(int x, int y)
{
    return size_t(y) * Breite + x;
}

void felderBerechnen(Felder& f)
{
    const size_t n = size_t(Breite) * Hoehe;
    f.h.assign(n, 0);
    f.berg.assign(n, 0);
    f.kalt.assign(n, 0);
    f.trocken.assign(n, 0);
    f.wald.assign(n, 0);
    f.hoehe.assign(n, 0);
    struct Drehung
    {
        float x, y, cos, sin, kehrRx, kehrRy, staerke;
    };
    std::vector<Drehung> drehungen;
    for (const Klecks& k : Kleckse) {
        const float w = k.winkelGrad * float(std::numbers::pi) / 180.0f;
        drehungen.push_back({k.x, k.y, std::cos(w), std::sin(w), 1.0f / k.rx, 1.0f / k.ry, k.staerke});
    }
    for (int y = 0; y < Hoehe; ++y) {
        for (int x = 0; x < Breite; ++x) {
            const float qx = float(x) / Hoehe;
            const float qy = float(y) / Hoehe;
            // warping the coordinates bends the blob outlines into coasts
            const float wx = qx + 0.07f * fbm(qx * 3.0f, qy * 3.0f, 5, 101);
            const float wy = qy + 0.07f * fbm(qx * 3.0f + 5.2f, qy * 3.0f + 1.3f, 5, 202);
            float form = 0;
            for (const Drehung& k : drehungen) {
                const float dx = wx - k.x, dy = wy - k.y;
                const float u = (dx * k.cos + dy * k.sin) * k.kehrRx;
                const float v = (-dx * k.sin + dy * k.cos) * k.kehrRy;
                const float r2 = u * u + v * v;
                if (r2 < 16.0f)   // beyond that a blob adds nothing visible
                    form += k.staerke * std::exp(-r2);
            }
            // coarse noise shapes bays and capes, fine noise roughens the coast line
            float h = (form - 0.45f) * 0.8f + 0.5f * fbm(qx * 5.0f, qy * 5.0f, 5, 311)
                      + 0.14f * fbm(qx * 28.0f, qy * 28.0f, 4, 313);
            const float rand = std::min({qx, 0.8f - qx, qy, 1.0f - qy});
            h -= (1.0f - stufe(0.0f, 0.05f, rand)) * 0.9f;
            f.h[idx(x, y)] = h;

            float berg = 0;
            if (h > -0.1f) {
                float nah = 1e9f;
                for (const Kette& k : Gebirge()) {
                    for (size_t i = 0; i + 1 < k.punkte.size(); ++i)
                        nah = std::min(nah, streckenAbstand(wx, wy, k.punkte[i], k.punkte[i + 1]) / k.breite);
                }
                const float grat = 1.0f - std::abs(fbm(qx * 14.0f, qy * 14.0f, 4, 404)) * 1.6f;
                berg = std::exp(-nah * nah) * (0.55f + 0.45f * std::clamp(grat, 0.0f, 1.0f));
                berg *= stufe(0.0f, 0.12f, h);
            }
            f.berg[idx(x, y)] = berg;
            f.kalt[idx(x, y)] = stufe(0.22f, 0.07f, qy + 0.05f * fbm(qx * 5.0f, qy * 5.0f, 3, 505));
            f.trocken[idx(x, y)] = stufe(0.64f, 0.82f, qy + 0.06f * fbm(qx * 5.0f, qy * 5.0f, 3, 606));
            f.wald[idx(x, y)] = fbm(qx * 11.0f, qy * 11.0f, 4, 707);
            f.hoehe[idx(x, y)] = std::max(h, 0.0f) * 0.6f + berg;
        }
    }
}

// Chamfer distance of every sea pixel to the nearest land pixel.
void meeresabstand(Felder& f)
{
    const float gross = 1e6f;
    f.meer.assign(f.h.size(), 0);
    for (size_t i = 0; i < f.h.size(); ++i)
        f.meer[i] = f.h[i] > 0 ? 0.0f : gross;
    const float d1 = 1.0f, d2 = 1.4142f;
    for (int y = 0; y < Hoehe; ++y) {
        for (int x = 0; x < Breite; ++x) {
            float& d = f.meer[idx(x, y)];
            if (x > 0) d = std::min(d, f.meer[idx(x - 1, y)] + d1);
            if (y > 0) {
                d = std::min(d, f.meer[idx(x, y - 1)] + d1);
                if (x > 0) d = std::min(d, f.meer[idx(x - 1, y - 1)] + d2);
                if (x + 1 < Breite) d = std::min(d, f.meer[idx(x + 1, y - 1)] + d2);
            }
        }
    }
    for (int y = Hoehe - 1; y >= 0; --y) {
        for (int x = Breite - 1; x >= 0; --x) {
            float& d = f.meer[idx(x, y)];
            if (x + 1 < Breite) d = std::min(d, f.meer[idx(x + 1, y)] + d1);
            if (y + 1 < Hoehe) {
                d = std::min(d, f.meer[idx(x, y + 1)] + d1);
                if (x + 1 < Breite) d = std::min(d, f.meer[idx(x + 1, y + 1)] + d2);
                if (x > 0) d = std::min(d, f.meer[idx(x - 1, y + 1)] + d2);
            }
        }
    }
}

QRgb farbe(int r, int g, int b)
{
    return qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
}

struct Rgb
{
    float r, g, b;
};

Rgb mix(Rgb a, Rgb b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

QImage grundMalen(const Felder& f)
{
    const Rgb kueste{178, 199, 190}, tiefe{137, 163, 166}, packeis{234, 238, 238};
    const Rgb flach{219, 208, 168}, gruen{190, 194, 141}, tundra{212, 212, 200}, gletscher{240, 242, 243};
    const Rgb steppe{222, 203, 148}, wueste{234, 210, 152}, fels{186, 166, 128};
    const Rgb strich{92, 66, 40};
    QImage bild(Breite, Hoehe, QImage::Format_RGB32);
    for (int y = 0; y < Hoehe; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < Breite; ++x) {
            const size_t i = idx(x, y);
            const float h = f.h[i];
            const int xl = std::max(x - 1, 0), xr = std::min(x + 1, Breite - 1);
            const int yo = std::max(y - 1, 0), yu = std::min(y + 1, Hoehe - 1);
            const float gx = (f.h[idx(xr, y)] - f.h[idx(xl, y)]) * 0.5f;
            const float gy = (f.h[idx(x, yu)] - f.h[idx(x, yo)]) * 0.5f;
            const float steigung = std::max(std::hypot(gx, gy), 1e-5f);
            const float qx = float(x) / Hoehe, qy = float(y) / Hoehe;
            Rgb c;
            if (h <= 0) {
                const float d = f.meer[i];
                c = mix(kueste, tiefe, stufe(0.0f, 110.0f, d));
                // pale, icy water in the far north
                const float eis = stufe(0.16f, 0.02f, qy + 0.03f * fbm(qx * 6, qy * 6, 3, 808));
                c = mix(c, packeis, eis * 0.45f);
                // ripple lines following the coast
                float welle = 0;
                const float ringe[] = {5.0f, 10.0f, 16.0f};
                const float staerke[] = {0.30f, 0.18f, 0.10f};
                for (int k = 0; k < 3; ++k)
                    welle += staerke[k] * std::max(0.0f, 1.0f - std::abs(d - ringe[k]) / 0.9f);
                c = mix(c, Rgb{110, 130, 135}, welle);
            } else {
                const float gr = 0.5f + 0.5f * fbm(qx * 4, qy * 4, 3, 1001);
                c = mix(flach, gruen, gr * 0.8f);
                c = mix(c, steppe, stufe(0.0f, 0.6f, f.trocken[i]));
                c = mix(c, wueste, stufe(0.5f, 1.0f, f.trocken[i]));
                c = mix(c, tundra, stufe(0.1f, 0.6f, f.kalt[i]));
                c = mix(c, gletscher, stufe(0.6f, 0.95f, f.kalt[i]));
                c = mix(c, fels, stufe(0.2f, 0.7f, f.berg[i]) * 0.7f);
                // light from the upper left
                const float sx = f.hoehe[idx(xr, y)] - f.hoehe[idx(xl, y)];
                const float sy = f.hoehe[idx(x, yu)] - f.hoehe[idx(x, yo)];
                const float licht = std::clamp((sx + sy) * 12.0f, -0.2f, 0.2f);
                c = mix(c, licht > 0 ? Rgb{250, 244, 226} : Rgb{120, 100, 70}, std::abs(licht));
            }
            // the coast line: distance to the zero line, estimated from the slope of h
            const float abstand = std::abs(h) / steigung;
            const float linie = std::clamp(1.4f - abstand, 0.0f, 1.0f);
            c = mix(c, strich, linie * 0.85f);
            // paper: stains, grain and darker edges
            const float fleck = fbm(qx * 3.5f, qy * 3.5f, 4, 1101);
            const float korn = wertRauschen(x * 0.7f, y * 0.7f, 1201);
            const float ex = (x - Breite * 0.5f) / (Breite * 0.5f), ey = (y - Hoehe * 0.5f) / (Hoehe * 0.5f);
            const float rand = std::clamp((ex * ex + ey * ey - 0.6f) * 0.35f, 0.0f, 0.2f);
            const float faktor = (1.0f + fleck * 0.06f + korn * 0.02f) * (1.0f - rand);
            zeile[x] = farbe(int(c.r * faktor), int(c.g * faktor), int(c.b * (faktor - rand * 0.3f)));
        }
    }
    return bild;
}

// ---- rivers ----

struct Gitter
{
    std::vector<int> abwaerts;     // index of the next cell downhill, -1 for sea
    std::vector<uint8_t> meer;
    std::vector<int> fluss;        // how many river sources pass the cell
};

int zi(int x, int y)
{
    return y * GitterB + x;
}

// Drainage by a priority flood from the sea: every land cell gets a path to the sea,
// also out of hollows, so each river ends at a coast.
Gitter entwaessern(const Felder& f)
{
    Gitter g;
    const int n = GitterB * GitterH;
    g.abwaerts.assign(n, -1);
    g.meer.assign(n, 0);
    g.fluss.assign(n, 0);
    std::vector<float> pegel(n, 0);
    std::vector<uint8_t> besucht(n, 0);
    using Eintrag = std::pair<float, int>;
    std::priority_queue<Eintrag, std::vector<Eintrag>, std::greater<>> offen;
    for (int y = 0; y < GitterH; ++y) {
        for (int x = 0; x < GitterB; ++x) {
            const size_t p = idx(x * Zelle + Zelle / 2, y * Zelle + Zelle / 2);
            // uneven ground makes the rivers wind instead of running straight
            pegel[zi(x, y)] = f.hoehe[p] + 0.10f * fbm(x * 0.06f, y * 0.06f, 4, 1301);
            if (f.h[p] <= 0) {
                g.meer[zi(x, y)] = 1;
                besucht[zi(x, y)] = 1;
                offen.push({0.0f, zi(x, y)});
            }
        }
    }
    while (!offen.empty()) {
        const auto [stand, zelle] = offen.top();
        offen.pop();
        const int cx = zelle % GitterB, cy = zelle / GitterB;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = cx + dx, ny = cy + dy;
                if ((dx == 0 && dy == 0) || nx < 0 || ny < 0 || nx >= GitterB || ny >= GitterH)
                    continue;
                const int nz = zi(nx, ny);
                if (besucht[nz])
                    continue;
                besucht[nz] = 1;
                g.abwaerts[nz] = zelle;
                const float neu = std::max(pegel[nz], stand + 1e-5f);
                offen.push({neu, nz});
            }
        }
    }
    return g;
}

std::vector<std::vector<int>> flussLaeufe(const Felder& f, Gitter& g)
{
    // sources: high mountain cells, spread out
    std::vector<std::pair<float, int>> kandidaten;
    for (int y = 2; y < GitterH - 2; ++y) {
        for (int x = 2; x < GitterB - 2; ++x) {
            const size_t p = idx(x * Zelle + Zelle / 2, y * Zelle + Zelle / 2);
            if (f.berg[p] > 0.5f && f.h[p] > 0.05f && f.kalt[p] < 0.8f)
                kandidaten.push_back({f.berg[p] + 0.3f * wertRauschen(x * 0.9f, y * 0.9f, 1401), zi(x, y)});
        }
    }
    std::sort(kandidaten.begin(), kandidaten.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    std::vector<int> quellen;
    const int abstand = 16;
    for (const auto& [wert, zelle] : kandidaten) {
        const int x = zelle % GitterB, y = zelle / GitterB;
        bool frei = true;
        for (int q : quellen) {
            const int qx = q % GitterB, qy = q / GitterB;
            if ((qx - x) * (qx - x) + (qy - y) * (qy - y) < abstand * abstand) {
                frei = false;
                break;
            }
        }
        if (frei)
            quellen.push_back(zelle);
        if (quellen.size() >= 20)
            break;
    }
    std::vector<std::vector<int>> laeufe;
    for (int q : quellen) {
        std::vector<int> lauf;
        int z = q;
        while (z >= 0 && lauf.size() < 4000) {
            lauf.push_back(z);
            g.fluss[z] += 1;
            if (g.meer[z])
                break;
            z = g.abwaerts[z];
        }
        if (lauf.size() > 12)
            laeufe.push_back(lauf);
    }
    return laeufe;
}

std::vector<QPointF> chaikin(std::vector<QPointF> p, int runden)
{
    for (int r = 0; r < runden; ++r) {
        if (p.size() < 3)
            return p;
        std::vector<QPointF> q;
        q.push_back(p.front());
        for (size_t i = 0; i + 1 < p.size(); ++i) {
            q.push_back(p[i] * 0.75 + p[i + 1] * 0.25);
            q.push_back(p[i] * 0.25 + p[i + 1] * 0.75);
        }
        q.push_back(p.back());
        p = std::move(q);
    }
    return p;
}

void fluesseMalen(QPainter& p, const Gitter& g, const std::vector<std::vector<int>>& laeufe)
{
    const QColor wasser(78, 112, 142);
    for (const auto& lauf : laeufe) {
        std::vector<QPointF> punkte;
        std::vector<float> staerke;
        for (int z : lauf) {
            const int x = z % GitterB, y = z / GitterB;
            // the same cell always gets the same offset, so merged rivers stay on one bed
            const double jx = 1.3 * wertRauschen(x * 0.37f, y * 0.37f, 1501);
            const double jy = 1.3 * wertRauschen(x * 0.37f, y * 0.37f, 1502);
            punkte.push_back(QPointF(x * Zelle + Zelle / 2.0 + jx, y * Zelle + Zelle / 2.0 + jy));
            staerke.push_back(float(g.fluss[z]));
        }
        std::vector<QPointF> glatt = chaikin(punkte, 3);
        // meanders: a displacement that depends only on the place, so joined rivers share one bed
        for (size_t i = 1; i + 1 < glatt.size(); ++i) {
            const float mx = float(glatt[i].x()) / 24.0f, my = float(glatt[i].y()) / 24.0f;
            glatt[i] += QPointF(14.0 * fbm(mx, my, 2, 1511), 14.0 * fbm(mx, my, 2, 1512));
        }
        for (size_t i = 0; i + 1 < glatt.size(); ++i) {
            const double t = double(i) / double(glatt.size() - 1);
            const size_t k = std::min(staerke.size() - 1, size_t(t * (staerke.size() - 1) + 0.5));
            const double laenge = std::min(1.0, t * 3.0);
            const double breite = 0.8 + 1.0 * laenge + 0.7 * std::sqrt(double(staerke[k]));
            p.setPen(QPen(wasser, breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(glatt[i], glatt[i + 1]);
        }
    }
}

// ---- symbols: trees, hills, mountains, dunes, grass ----

enum class Art { Laubbaum, Nadelbaum, Huegel, Berg, Duene, Gras, Frost };

struct Zeichen
{
    double y;
    double x;
    double groesse;
    Art art;
    bool schnee;
};

bool flussNah(const Gitter& g, int px, int py)
{
    const int cx = px / Zelle, cy = py / Zelle;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int x = cx + dx, y = cy + dy;
            if (x >= 0 && y >= 0 && x < GitterB && y < GitterH && g.fluss[zi(x, y)] > 0 && !g.meer[zi(x, y)])
                return true;
        }
    return false;
}

std::vector<Zeichen> zeichenSetzen(const Felder& f, const Gitter& g)
{
    std::vector<Zeichen> liste;
    Zufall z(4242);
    auto raster = [&](int schritt, double streuung, auto&& wahl) {
        for (int y = schritt; y < Hoehe - schritt; y += schritt) {
            for (int x = schritt; x < Breite - schritt; x += schritt) {
                const double px = x + z.bereich(-streuung, streuung);
                const double py = y + z.bereich(-streuung, streuung);
                const double zufall = z.gleich();
                wahl(px, py, zufall);
            }
        }
    };
    auto feld = [&](const std::vector<float>& v, double px, double py) {
        return v[idx(std::clamp(int(px), 0, Breite - 1), std::clamp(int(py), 0, Hoehe - 1))];
    };
    // mountains and hills
    raster(17, 4.5, [&](double px, double py, double) {
        const float b = feld(f.berg, px, py);
        if (feld(f.h, px, py) < 0.06f || feld(f.h, px + 10, py) < 0.03f || feld(f.h, px - 10, py) < 0.03f)
            return;
        if (b > 0.42f)
            liste.push_back({py, px, 9.0 + 16.0 * (b - 0.42) / 0.58, Art::Berg,
                             feld(f.kalt, px, py) > 0.3f || b > 0.93f});
        else if (b > 0.22f)
            liste.push_back({py, px, 6.0 + 6.0 * (b - 0.22) / 0.2, Art::Huegel, false});
    });
    // forests
    raster(6, 2.2, [&](double px, double py, double zufall) {
        const float w = feld(f.wald, px, py);
        const float kalt = feld(f.kalt, px, py);
        const float trocken = feld(f.trocken, px, py);
        if (feld(f.h, px, py) < 0.05f || feld(f.berg, px, py) > 0.28f || kalt > 0.75f || trocken > 0.35f)
            return;
        if (w < 0.06f + trocken * 0.5f || zufall < 0.15 || flussNah(g, int(px), int(py)))
            return;
        const bool nadel = kalt > 0.25f || feld(f.berg, px, py) > 0.12f || zufall > 0.85;
        liste.push_back({py, px, 3.0 + zufall * 1.3, nadel ? Art::Nadelbaum : Art::Laubbaum, false});
    });
    // dunes and steppe grass in the south, frost marks in the north
    raster(16, 5.0, [&](double px, double py, double zufall) {
        if (feld(f.h, px, py) < 0.05f || feld(f.berg, px, py) > 0.2f || flussNah(g, int(px), int(py)))
            return;
        const float trocken = feld(f.trocken, px, py);
        const float kalt = feld(f.kalt, px, py);
        if (trocken > 0.6f && zufall < 0.8)
            liste.push_back({py, px, 7.0 + zufall * 4, Art::Duene, false});
        else if (trocken > 0.2f && zufall < 0.45)
            liste.push_back({py, px, 3.5, Art::Gras, false});
        else if (kalt > 0.35f && kalt < 0.9f && zufall < 0.4)
            liste.push_back({py, px, 4.0, Art::Frost, false});
    });
    std::stable_sort(liste.begin(), liste.end(), [](const Zeichen& a, const Zeichen& b) { return a.y < b.y; });
    return liste;
}

void zeichenMalen(QPainter& p, const std::vector<Zeichen>& liste)
{
    const QColor tinte(84, 60, 36);
    const QColor laub(112, 128, 74), nadel(80, 104, 70);
    const QColor hang(206, 188, 150), schatten(150, 126, 92);
    Zufall z(777);
    for (const Zeichen& k : liste) {
        const double s = k.groesse;
        switch (k.art) {
        case Art::Laubbaum: {
            p.setPen(QPen(tinte, 0.7));
            p.drawLine(QPointF(k.x, k.y), QPointF(k.x, k.y + s * 0.7));
            p.setBrush(laub);
            p.drawEllipse(QPointF(k.x, k.y - s * 0.25), s * 0.75, s * 0.7);
            break;
        }
        case Art::Nadelbaum: {
            p.setPen(QPen(tinte, 0.7));
            p.setBrush(nadel);
            p.drawPolygon(QPolygonF({QPointF(k.x, k.y - s * 1.3), QPointF(k.x + s * 0.6, k.y + s * 0.5),
                                     QPointF(k.x - s * 0.6, k.y + s * 0.5)}));
            break;
        }
        case Art::Huegel: {
            QPainterPath bogen;
            bogen.moveTo(k.x - s, k.y);
            bogen.quadTo(k.x, k.y - s * 1.1, k.x + s, k.y);
            p.setPen(QPen(tinte, 0.9));
            p.setBrush(Qt::NoBrush);
            p.drawPath(bogen);
            break;
        }
        case Art::Berg: {
            const double spitzeX = k.x + z.bereich(-0.15, 0.15) * s;
            const QPointF links(k.x - s * 0.85, k.y), rechts(k.x + s * 0.85, k.y), spitze(spitzeX, k.y - s);
            QPainterPath ganz;
            ganz.moveTo(links);
            ganz.lineTo(spitze);
            ganz.lineTo(rechts);
            ganz.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(hang);
            p.drawPath(ganz);
            QPainterPath schattenseite;
            schattenseite.moveTo(spitze);
            schattenseite.lineTo(rechts);
            schattenseite.lineTo(QPointF(spitzeX + s * 0.1, k.y));
            schattenseite.closeSubpath();
            p.setBrush(schatten);
            p.drawPath(schattenseite);
            if (k.schnee) {
                const double t = 0.3;
                QPainterPath kappe;
                kappe.moveTo(spitze);
                kappe.lineTo(spitze + (rechts - spitze) * t);
                kappe.lineTo(spitze + QPointF(s * 0.05, s * 0.22));
                kappe.lineTo(spitze + (links - spitze) * t);
                kappe.closeSubpath();
                p.setBrush(QColor(248, 248, 244));
                p.drawPath(kappe);
            }
            p.setPen(QPen(tinte, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(QPolygonF({links, spitze, rechts}));
            break;
        }
        case Art::Duene: {
            QPainterPath bogen;
            bogen.moveTo(k.x - s, k.y);
            bogen.cubicTo(k.x - s * 0.4, k.y - s * 0.5, k.x + s * 0.3, k.y - s * 0.45, k.x + s, k.y + s * 0.1);
            p.setPen(QPen(QColor(170, 130, 70), 1.0));
            p.setBrush(Qt::NoBrush);
            p.drawPath(bogen);
            break;
        }
        case Art::Gras: {
            p.setPen(QPen(QColor(130, 120, 60), 0.8));
            p.drawLine(QPointF(k.x, k.y), QPointF(k.x - s * 0.5, k.y - s));
            p.drawLine(QPointF(k.x, k.y), QPointF(k.x, k.y - s * 1.2));
            p.drawLine(QPointF(k.x, k.y), QPointF(k.x + s * 0.5, k.y - s));
            break;
        }
        case Art::Frost: {
            p.setPen(QPen(QColor(130, 140, 150), 0.8));
            p.drawLine(QPointF(k.x - s, k.y), QPointF(k.x + s, k.y));
            p.drawLine(QPointF(k.x - s * 0.5, k.y + 2), QPointF(k.x + s * 0.6, k.y + 2));
            break;
        }
        }
    }
}

void windrose(QPainter& p, QPointF m, double r)
{
    const QColor tinte(84, 60, 36);
    p.setPen(QPen(tinte, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(m, r * 0.72, r * 0.72);
    p.drawEllipse(m, r * 0.66, r * 0.66);
    for (int i = 0; i < 8; ++i) {
        const double w = i * std::numbers::pi / 4;
        const double l = (i % 2 == 0) ? r : r * 0.6;
        const double b = (i % 2 == 0) ? r * 0.13 : r * 0.09;
        const QPointF spitze(m.x() + l * std::sin(w), m.y() - l * std::cos(w));
        const QPointF a(m.x() + b * std::sin(w - std::numbers::pi / 2), m.y() - b * std::cos(w - std::numbers::pi / 2));
        const QPointF c(m.x() + b * std::sin(w + std::numbers::pi / 2), m.y() - b * std::cos(w + std::numbers::pi / 2));
        p.setBrush(QColor(84, 60, 36));
        p.drawPolygon(QPolygonF({m, a, spitze}));
        p.setBrush(i == 0 ? QColor(170, 50, 40) : QColor(236, 226, 200));
        p.drawPolygon(QPolygonF({m, spitze, c}));
    }
}

void rahmen(QPainter& p)
{
    const QColor tinte(84, 60, 36);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(tinte, 3));
    p.drawRect(QRectF(6.5, 6.5, Breite - 13, Hoehe - 13));
    p.setPen(QPen(tinte, 1));
    p.drawRect(QRectF(12.5, 12.5, Breite - 25, Hoehe - 25));
}

} // namespace

Weltkarte weltkarteZeichnen(Ausgabe& explorer)
{
    Felder f;
    felderBerechnen(f);
    meeresabstand(f);
    QImage bild = grundMalen(f);
    Gitter g = entwaessern(f);
    const auto laeufe = flussLaeufe(f, g);
    {
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        fluesseMalen(p, g, laeufe);
        zeichenMalen(p, zeichenSetzen(f, g));
        windrose(p, QPointF(1120, 1430), 80);
        rahmen(p);
    }
    explorer.speichern(bild, QStringLiteral("Aventurien.jpg"), "JPG", JpgQualitaet);
    const int kleinB = int(std::lround(Breite / Verkleinerung));
    const int kleinH = int(std::lround(Hoehe / Verkleinerung));
    explorer.speichern(bild.scaled(kleinB, kleinH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                       QStringLiteral("AventurienKlein.jpg"), "JPG", JpgQualitaet);

    Weltkarte karte;
    karte.breite = Breite;
    karte.hoehe = Hoehe;
    karte.land.resize(f.h.size());
    for (size_t i = 0; i < f.h.size(); ++i)
        karte.land[i] = f.h[i] > 0 ? 1 : 0;
    return karte;
}

} // namespace gfx
