#include "GeneratorEngine.h"

#include "Subs.h"

#include <algorithm>

namespace GeneratorEngine {

namespace {

// round(x) and int(x): the nearest whole number, halves to even.
qint64 R(double x)
{
    return Subs::Runden(x);
}

qint64 Z(int n)
{
    return Subs::Zufallszahl(n);
}

struct Werte {
    qint64 gewicht = 0;
    qint64 laenge = 0;
    qint64 bonus = 0;
    qint64 wuerfel = 1;
    bool zweihaendig = false;
    qint64 kk = 0;
    qint64 wv1 = 0;
    qint64 wv2 = 0;
    qint64 bf = 0;
};

// Fills the values of one category; false for a category without formulas.
bool Berechnen(const QString& k, Werte& w)
{
    qint64& W = w.gewicht;
    qint64& L = w.laenge;
    const auto S = [&w] { return double(w.gewicht + w.laenge); };
    if (k == QStringLiteral("Äxte und Beile")) {
        W = Z(19) * 10 + 60;
        L = Z(22) * 5 + 40;
        w.bonus = W < 150 ? std::min<qint64>(R(S() / 40), 5) : std::min<qint64>(R(S() / 90), 5);
        w.wuerfel = W < 150 ? 1 : 2;
        w.zweihaendig = W >= 150;
        w.kk = R(S() / 150) + 12;
        w.wv1 = std::min<qint64>(R(S() / 50), 6) + 4;
        w.wv2 = R(L / 40.0) + 5 - R(W / 40.0);
        w.bf = Z(4);
    } else if (k == QStringLiteral("Kettenwaffen")) {
        W = Z(22) * 10 + 90;
        L = Z(5) * 5 + 95;
        w.bonus = W < 150 ? std::min<qint64>(R(S() / 50), 5) : std::min<qint64>(R(S() / 150), 5);
        w.wuerfel = W < 150 ? 1 : (W < 250 ? 2 : 3);
        w.zweihaendig = W >= 150;
        w.kk = R(S() / 150) + 14;
        w.wv1 = std::min<qint64>(R(S() / 50), 6) + 3;
        w.wv2 = std::max<qint64>(R(L / 40.0) + 3 - R(W / 40.0), 0);
        w.bf = Z(4);
    } else if (k == QStringLiteral("Messer")) {
        W = Z(7) * 5 + 5;
        L = Z(5) * 5 + 22;
        w.bonus = R(S() / 50);
        w.kk = R(S() / 100) + 14;
        w.wv1 = R(S() / 22);
        w.wv2 = R(L / 25.0) + 1;
        w.bf = Z(4);
    } else if (k == QStringLiteral("Scharfe Hiebwaffen")) {
        W = Z(14) * 10 + 22;
        L = Z(25) * 5 + 25;
        w.bonus = std::min<qint64>(R(S() / 40), 4);
        w.wuerfel = W < 150 ? 1 : 2;
        w.zweihaendig = W >= 150;
        w.kk = R(S() / 100) + 13;
        w.wv1 = R(S() / 50) + 4;
        w.wv2 = R(L / 40.0) + 5 - R(W / 40.0);
        w.bf = Z(3);
    } else if (k == QStringLiteral("Schwerter")) {
        W = Z(7) * 10 + 30;
        L = Z(12) * 5 + 40;
        w.bonus = R(S() / 40);
        w.kk = R(S() / 100) + 13;
        w.wv1 = R(S() / 50) + 4;
        w.wv2 = R(L / 40.0) + 6 - R(W / 40.0);
        w.bf = Z(3);
    } else if (k == QStringLiteral("Speere und Stäbe")) {
        W = Z(10) * 10 + 50;
        L = Z(17) * 5 + 115;
        w.bonus = std::min<qint64>(R(S() / 100), 3) - 1;
        w.wuerfel = W < 140 ? 1 : 2;
        w.zweihaendig = true;
        w.kk = R(S() / 100) + 14;
        w.wv1 = R(S() / 100) + 2;
        w.wv2 = R(L / 40.0) + 2 - R(W / 40.0);
        w.bf = Z(6);
    } else if (k == QStringLiteral("Stichwaffen")) {
        W = Z(6) * 5 + 22;
        L = Z(4) * 5 + 70;
        w.bonus = R(S() / 50);
        w.kk = R(S() / 80) + 14;
        w.wv1 = R(S() / 50) + 4;
        w.wv2 = R((L - 70) / 10.0) + 4;
        w.bf = Z(4);
    } else if (k == QStringLiteral("Stumpfe Hiebwaffen")) {
        W = Z(17) * 10 + 80;
        L = Z(11) * 5 + 65;
        w.bonus = W < 150 ? std::min<qint64>(R(S() / 50), 5) : R(S() / 100);
        w.wuerfel = W < 150 ? 1 : 2;
        w.zweihaendig = W >= 150;
        w.kk = R(S() / 122) + 12;
        w.wv1 = std::min<qint64>(R(S() / 50), 9) + 3;
        w.wv2 = R(L / 40.0) + 6 - R(W / 40.0);
        w.bf = Z(3);
    } else if (k == QStringLiteral("Zweihänder")) {
        W = Z(13) * 10 + 90;
        L = Z(22) * 5 + 95;
        w.bonus = W < 150 ? std::min<qint64>(R(S() / 50), 6) : std::min<qint64>(R(S() / 150), 6);
        w.wuerfel = W < 150 ? 1 : (W < 220 ? 2 : 3);
        w.zweihaendig = true;
        w.kk = R(S() / 150) + 12;
        w.wv1 = std::min<qint64>(R(S() / 50), 6) + 3;
        w.wv2 = std::max<qint64>(R(L / 40.0) + 5 - R(W / 40.0), 0);
        w.bf = Z(3);
    } else {
        return false;
    }
    return true;
}

} // namespace

const QStringList& Kategorien()
{
    static const QStringList kategorien = {
        QStringLiteral("Äxte und Beile"), QStringLiteral("Kettenwaffen"), QStringLiteral("Messer"),
        QStringLiteral("Scharfe Hiebwaffen"), QStringLiteral("Schwerter"), QStringLiteral("Speere und Stäbe"),
        QStringLiteral("Stichwaffen"), QStringLiteral("Stumpfe Hiebwaffen"), QStringLiteral("Zweihänder")};
    return kategorien;
}

QStringList WaffeGenerieren(const QString& name, const QString& kategorie)
{
    QStringList felder(29);
    felder[1] = name;
    felder[11] = QStringLiteral("0");
    for (int f = 16; f <= 24; ++f)
        felder[f] = QStringLiteral("0");
    felder[26] = QStringLiteral("W6");
    Werte w;
    if (Berechnen(kategorie, w)) {
        felder[2] = QString::number(w.gewicht);
        felder[3] = QString::number(w.laenge);
        felder[6] = QString::number(w.bonus);
        felder[5] = QString::number(w.wuerfel);
        if (w.zweihaendig)
            felder[22] = QStringLiteral("1");
        felder[7] = QStringLiteral("KK-") + QString::number(w.kk);
        felder[8] = QString::number(w.wv1);
        felder[9] = QString::number(w.wv2);
        felder[10] = QString::number(w.bf);
    }
    felder[25] = kategorie;
    return felder;
}

} // namespace GeneratorEngine
