#include "ExterneTools.h"

#include "Dialoge.h"
#include "ManagerEngine.h"
#include "Pfad.h"
#include "Subs.h"
#include "Variablen.h"

namespace ExterneTools {

namespace {

const QString kAbschnitt = QStringLiteral("XT");

QString Lesen(const QString& schluessel)
{
    return Subs::IniLesen(Variablen::IniDatei, kAbschnitt, schluessel);
}

QString NameSchluessel(int i)
{
    return QStringLiteral("XTTool") + QString::number(i);
}

QString PfadSchluessel(int i)
{
    return QStringLiteral("XTPfad") + QString::number(i);
}

} // namespace

int Anzahl()
{
    return ManagerEngine::ZaehlerLesen(kAbschnitt, QStringLiteral("XTTools"), QStringLiteral("XTTool"));
}

QString Name(int i)
{
    return Lesen(NameSchluessel(i));
}

QString Pfad(int i)
{
    return Lesen(PfadSchluessel(i));
}

QStringList Namen()
{
    QStringList namen;
    const int n = Anzahl();
    for (int i = 1; i <= n; ++i)
        namen.append(Name(i));
    return namen;
}

bool Anhaengen(int n, const QString& name, const QString& pfad)
{
    const int neu = n + 1;
    return ManagerEngine::EinstellungenSchreiben(kAbschnitt, {{QStringLiteral("XTTools"), QString::number(neu)},
                                                              {NameSchluessel(neu), name},
                                                              {PfadSchluessel(neu), pfad}});
}

bool Ueberschreiben(int i, const QString& name, const QString& pfad)
{
    return ManagerEngine::EinstellungenSchreiben(kAbschnitt, {{NameSchluessel(i), name}, {PfadSchluessel(i), pfad}});
}

bool Loeschen(int i, int zeilen, int n)
{
    QList<QPair<QString, QString>> werte;
    for (int j = i + 1; j <= zeilen; ++j) {
        werte.append({NameSchluessel(j - 1), Name(j)});
        werte.append({PfadSchluessel(j - 1), Pfad(j)});
    }
    werte.append({QStringLiteral("XTTools"), QString::number(qMax(0, n - 1))});
    return ManagerEngine::EinstellungenSchreiben(kAbschnitt, werte);
}

bool AnzahlSchreiben(int n)
{
    return ManagerEngine::EinstellungenSchreiben(kAbschnitt, {{QStringLiteral("XTTools"), QString::number(n)}});
}

bool Starten(int i)
{
    const QString pfad = Pfad(i);
    if (pfad.isEmpty() || !Subs::DateiVorhanden(pfad)) {
        Dialoge::Warnung(QStringLiteral("Die Datei wurde nicht gefunden."));
        return false;
    }
    return ManagerEngine::Starten(::Pfad::Aufloesen(pfad));
}

QString Dateifilter()
{
    // Programs on this system rarely end in ".exe"; all files come first.
    return QStringLiteral("Alle Dateien (*)|*|Ausführbare Dateien (*.exe), (*.com), (*.bat)|*.exe;*.bat;*.com");
}

} // namespace ExterneTools
