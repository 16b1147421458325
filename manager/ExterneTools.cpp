#include "ExterneTools.h"

#include "Abgleich.h"
#include "Dateien.h"
#include "Dialoge.h"
#include "ManagerEngine.h"
#include "Pfad.h"
#include "Subs.h"
#include "Variablen.h"

#include <QFileInfo>

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

QList<QStringList> Liste()
{
    QList<QStringList> liste;
    const int n = Anzahl();
    for (int i = 1; i <= n; ++i)
        liste.append({Name(i), Pfad(i)});
    return liste;
}

bool ListeSpeichern(QList<QStringList>& liste, QList<QStringList>& basis)
{
    // The settings file changes for many reasons; only the tools' section decides what was changed elsewhere.
    Dateien::Fingerabdruck abdruck = Dateien::Stand(Variablen::IniDatei);
    Abgleich::Tabelle datei;
    datei.Pfad = Variablen::IniDatei;
    datei.Zeilen = &liste;
    datei.Basis = &basis;
    datei.Abdruck = &abdruck;
    datei.Lesen = [](QList<QStringList>& fremd, Dateien::Fingerabdruck& neu, QString*) {
        neu = Dateien::Stand(Variablen::IniDatei);
        fremd = Liste();
        return true;
    };
    datei.Schreiben = [&liste](Dateien::Fingerabdruck& neu, QString* grund) {
        QList<QPair<QString, QString>> werte{{QStringLiteral("XTTools"), QString::number(liste.size())}};
        for (qsizetype i = 0; i < liste.size(); ++i) {
            werte.append({NameSchluessel(int(i) + 1), liste[i].value(0)});
            werte.append({PfadSchluessel(int(i) + 1), liste[i].value(1)});
        }
        if (!Subs::IniSchreiben(Variablen::IniDatei, kAbschnitt, werte, grund))
            return false;
        neu = Dateien::Stand(Variablen::IniDatei);
        return true;
    };
    // Changed here and elsewhere before the look above: a fingerprint that matches no file makes the save
    // merge with the section as it is then.
    if (Liste() != basis) {
        abdruck = Dateien::Fingerabdruck();
        abdruck.Bekannt = true;
        abdruck.Vorhanden = !QFileInfo::exists(Variablen::IniDatei);
    }
    static const Abgleich::Regeln regeln{[](const QStringList& satz) { return satz.value(0); },
                                         [](QStringList& satz, const QString& name) { satz[0] = name; }, 0};
    QString fehler;
    if (Abgleich::Speichern(datei, regeln, &fehler))
        return true;
    if (!fehler.isEmpty())
        Dialoge::Warnung(QStringLiteral("Die Einstellungen konnten nicht in Werkbund3.ini gespeichert werden. ") + fehler);
    return false;
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
