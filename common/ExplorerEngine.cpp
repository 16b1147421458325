#include "ExplorerEngine.h"

#include "Dateien.h"
#include "Pfad.h"
#include "Subs.h"
#include "Variablen.h"
#include "Zeilendatei.h"

#include <QFileInfo>

#include <cmath>

namespace ExplorerEngine {

qint16 Regionentabelle[20][20];

namespace {

QString Datei(const QString& name)
{
    return Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Explorer\\") + name);
}


const char* const kNachbarn[][2] = {
    {"NO", "TH"}, {"NO", "BO"}, {"NO", "FI"}, {"NO", "EL"}, {"NO", "OR"}, {"NO", "WE"}, {"TH", "OR"}, {"TH", "HA"},
    {"BO", "WE"}, {"BO", "TO"}, {"EL", "WE"}, {"OR", "WE"}, {"OR", "HA"}, {"WE", "TO"}, {"WE", "HA"}, {"WE", "GA"},
    {"WE", "ZW"}, {"HA", "ZW"}, {"HA", "LF"}, {"GA", "ZW"}, {"GA", "PU"}, {"GA", "MH"}, {"ZW", "PU"}, {"ZW", "LF"},
    {"PU", "LF"}, {"PU", "KH"}, {"PU", "MH"}, {"LF", "ZY"}, {"LF", "KH"}, {"LF", "SÜ"}, {"ZY", "SÜ"}, {"KH", "MH"},
    {"KH", "SÜ"}, {"MH", "MA"}, {"SÜ", "MO"}, {"SÜ", "WA"}};

} // namespace

QString ListenDatei() { return Datei(QStringLiteral("Städteliste.dat")); }
QString StaedteDatei() { return Datei(QStringLiteral("Städte.dat")); }


const QStringList& RegionCodes()
{
    static const QStringList codes = {
        QStringLiteral("NO"), QStringLiteral("TH"), QStringLiteral("BO"), QStringLiteral("FI"), QStringLiteral("EL"),
        QStringLiteral("OR"), QStringLiteral("WE"), QStringLiteral("TO"), QStringLiteral("HA"), QStringLiteral("GA"),
        QStringLiteral("ZW"), QStringLiteral("PU"), QStringLiteral("LF"), QStringLiteral("ZY"), QStringLiteral("KH"),
        QStringLiteral("MH"), QStringLiteral("MA"), QStringLiteral("SÜ"), QStringLiteral("MO"), QStringLiteral("WA")};
    return codes;
}

qint64 Entfernung(qint32 dx, qint32 dy)
{
    // Exact integer arithmetic: the square sum of two 32-bit values fits 64 bits unsigned.
    const quint64 ax = quint64(dx < 0 ? -qint64(dx) : qint64(dx));
    const quint64 ay = quint64(dy < 0 ? -qint64(dy) : qint64(dy));
    const quint64 summe = ax * ax + ay * ay;
    quint64 s = quint64(std::sqrt(double(summe)));
    while (s * s > summe)
        --s;
    while ((s + 1) * (s + 1) <= summe)
        ++s;
    // sqrt(summe) lies in [s, s+1); it is below s + 0.5 exactly when summe <= s*s + s (never exactly half).
    return qint64(summe - s * s <= s ? s : s + 1);
}

void RegionenInitialisieren()
{
    for (auto& zeile : Regionentabelle)
        for (auto& eintrag : zeile)
            eintrag = 2;
    const QStringList& codes = RegionCodes();
    for (const auto& paar : kNachbarn) {
        const qsizetype a = codes.indexOf(QString::fromUtf8(paar[0]));
        const qsizetype b = codes.indexOf(QString::fromUtf8(paar[1]));
        Regionentabelle[a][b] = 1;
        Regionentabelle[b][a] = 1;
    }
    // Two borders that count in one direction only.
    Regionentabelle[codes.indexOf(QStringLiteral("TO"))][codes.indexOf(QStringLiteral("HA"))] = 1;
    Regionentabelle[codes.indexOf(QStringLiteral("GA"))][codes.indexOf(QStringLiteral("TO"))] = 1;
}

QString RegionBeschreibung(const QString& code)
{
    return Subs::IniLesen(Datei(QStringLiteral("Regionen.dat")), code, QStringLiteral("Desc"));
}

int RegionAbstand(const QString& regionA, const QString& regionB)
{
    const qsizetype a = RegionCodes().indexOf(regionA);
    const qsizetype b = RegionCodes().indexOf(regionB);
    if (a < 0 || b < 0)
        return 0;
    return Regionentabelle[a][b];
}

QString TempelText(const QStringList& goetter)
{
    QString text;
    for (const QString& gott : goetter)
        text += gott + QStringLiteral(", ");
    return text;
}

QStringList Staedteliste()
{
    return Zeilendatei::Lesen(ListenDatei());
}

QString GelisteterName(const QString& name)
{
    // The same comparison as the settings reader uses for section names.
    const QString gesucht = name.trimmed().toCaseFolded();
    for (const QString& zeile : Staedteliste())
        if (zeile.trimmed().toCaseFolded() == gesucht)
            return zeile;
    return QString();
}

bool StadtGelistet(const QString& name)
{
    return !GelisteterName(name).isEmpty();
}

QString NameFehler(const QString& name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("Die Stadt braucht einen Namen, der nicht nur aus Leerzeichen besteht, um auf der Karte "
                              "eingetragen zu werden.");
    QStringList zeichen;
    for (const char* c : {"[", "]", "="})
        if (name.contains(QLatin1String(c)))
            zeichen.append(QStringLiteral("„") + QLatin1String(c) + QStringLiteral("“"));
    if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r')))
        zeichen.append(QStringLiteral("einen Zeilenumbruch"));
    if (zeichen.isEmpty())
        return QString();
    return QStringLiteral("Der Name „%1“ kann nicht auf der Karte eingetragen werden, denn er enthält %2. Diese Zeichen "
                          "kann das Kartenregister nicht speichern; bitte ändert den Namen.")
        .arg(name, zeichen.join(QStringLiteral(", ")));
}

bool NameEintragbar(const QString& name)
{
    return NameFehler(name).isEmpty();
}

bool StadtPlatzieren(const QString& name, const QString& x, const QString& y, const QString& einwohner,
                     const QStringList& goetter, QString* fehler)
{
    // Checked first: a listed city whose section could not be written would have no record.
    const QString nameFehler = NameFehler(name);
    if (!nameFehler.isEmpty()) {
        if (fehler)
            *fehler = nameFehler;
        return false;
    }
    const QString tempel = TempelText(goetter);
    if (tempel.size() > Subs::MaxWertlaenge) {
        if (fehler)
            *fehler = QStringLiteral("Die Namen der Tempel sind zusammen länger als %1 Zeichen; so viel kann das "
                                     "Kartenregister für eine Stadt nicht speichern.")
                          .arg(Subs::MaxWertlaenge);
        return false;
    }
    // The list and the register share a folder and its lock: a city placed by another program at the same
    // moment is listed once.
    Dateien::Sperre sperre(ListenDatei());
    if (!sperre.Gehalten()) {
        if (fehler)
            *fehler = sperre.Grund();
        return false;
    }
    const QString gelistet = GelisteterName(name);
    QString grund;
    if (gelistet.isEmpty() && !Zeilendatei::Anhaengen(ListenDatei(), name.trimmed(), &grund)) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2").arg(Dateien::Anzeigename(ListenDatei()), grund);
        return false;
    }
    return Subs::IniSchreiben(StaedteDatei(), gelistet.isEmpty() ? name : gelistet,
                              {{QStringLiteral("X"), x},
                               {QStringLiteral("Y"), y},
                               {QStringLiteral("Einwohner"), einwohner},
                               {QStringLiteral("Tempel"), tempel}},
                              fehler);
}

bool StadtDatenSchreiben(const QString& name, const QString& einwohner, const QStringList& goetter, QString* fehler)
{
    return Subs::IniSchreiben(StaedteDatei(), name,
                              {{QStringLiteral("Einwohner"), einwohner}, {QStringLiteral("Tempel"), TempelText(goetter)}},
                              fehler);
}

Kartenstadt StadtLesen(const QString& name)
{
    const QString datei = StaedteDatei();
    Kartenstadt stadt;
    stadt.Name = name;
    // A coordinate beyond the 64-bit range is no position at all (unlike a price, it is not clamped).
    const auto koordinate = [&](const char* schluessel, qint64& wert) {
        bool ok = false;
        const double zahl = Subs::Zahl(Subs::IniLesen(datei, name, QLatin1String(schluessel)), &ok);
        if (!ok || !(std::fabs(zahl) < 9.2e18))
            return false;
        wert = Subs::Runden(zahl);
        return true;
    };
    const bool okX = koordinate("X", stadt.X);
    const bool okY = koordinate("Y", stadt.Y);
    stadt.HatPosition = okX && okY;
    stadt.Einwohner = Subs::IniLesen(datei, name, QStringLiteral("Einwohner"));
    stadt.Tempel = Subs::IniLesen(datei, name, QStringLiteral("Tempel"));
    stadt.Pic = Subs::IniLesen(datei, name, QStringLiteral("Pic"));
    return stadt;
}

} // namespace ExplorerEngine
