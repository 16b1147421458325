#include "Termine.h"

#include "Dateien.h"
#include "Dialoge.h"
#include "ManagerEngine.h"
#include "Subs.h"
#include "Variablen.h"

#include <QDate>
#include <QLocale>

namespace Termine {

namespace {

const QString kAbschnitt = QStringLiteral("Date");

// The key an earlier version wrote: the short date form of the system it ran on.
QString AlterSchluessel(const QDate& tag)
{
    return QLocale::system().toString(tag, QLocale::ShortFormat);
}

// The day an old key names, in the forms earlier versions wrote; invalid for other keys.
QDate AltesDatum(const QString& schluessel)
{
    const QLocale formen[] = {QLocale::system(), QLocale::c(), QLocale(QLocale::German, QLocale::Germany)};
    for (const QLocale& form : formen) {
        QDate tag = form.toDate(schluessel, QLocale::ShortFormat);
        // A two-digit year reads as 19xx.
        if (tag.isValid() && tag.year() < 1950)
            tag = tag.addYears(100);
        if (tag.isValid())
            return tag;
    }
    return QDate();
}

} // namespace

QString Schluessel(const QDate& tag)
{
    return tag.toString(Qt::ISODate);
}

QString Anzeige(const QDate& tag)
{
    return QLocale(QLocale::German, QLocale::Germany).toString(tag, QStringLiteral("d. MMMM yyyy"));
}

QString Notiz(const QDate& tag)
{
    const QString neu = Subs::IniLesen(Variablen::IniDatei, kAbschnitt, Schluessel(tag));
    if (!neu.isEmpty() || Subs::IniVorhanden(Variablen::IniDatei, kAbschnitt, Schluessel(tag)))
        return neu;
    return Subs::IniLesen(Variablen::IniDatei, kAbschnitt, AlterSchluessel(tag));
}

Ergebnis Speichern(const QDate& tag, const QString& text, const QString& gezeigt)
{
    if (text.isEmpty())
        return Ergebnis::Abgebrochen;
    QString geladen = gezeigt;
    for (;;) {
        Dateien::Sperre sperre(Variablen::IniDatei);
        if (!sperre.Gehalten()) {
            Dialoge::Warnung(sperre.Grund());
            return Ergebnis::Fehler;
        }
        const QString jetzt = Notiz(tag);
        if (jetzt != geladen && jetzt != text) {
            // Changed in another window since it was shown here; asked without holding others up.
            sperre.Freigeben();
            const Dialoge::Antwort a = Dialoge::Konflikt(
                QStringLiteral("Die Notiz vom %1 wurde inzwischen auch in einem anderen Fenster geändert.").arg(Anzeige(tag)));
            if (a == Dialoge::Antwort::Andere)
                return Ergebnis::Uebernommen;
            if (a != Dialoge::Antwort::Meine)
                return Ergebnis::Abgebrochen;
            // Looked at again under the lock: the other window may have saved once more meanwhile.
            geladen = jetzt;
            continue;
        }
        // Notes under an old key move to their new key with this save.
        QList<QPair<QString, QString>> werte;
        QStringList entfernen;
        for (const auto& [schluessel, wert] : Subs::IniWerte(Variablen::IniDatei, kAbschnitt)) {
            const QDate alt = QDate::fromString(schluessel, Qt::ISODate).isValid() ? QDate() : AltesDatum(schluessel);
            if (!alt.isValid())
                continue;
            entfernen.append(schluessel);
            if (alt != tag && !Subs::IniVorhanden(Variablen::IniDatei, kAbschnitt, Schluessel(alt)))
                werte.append({Schluessel(alt), wert});
        }
        werte.append({Schluessel(tag), text});
        QString fehler;
        if (Subs::IniSchreiben(Variablen::IniDatei, kAbschnitt, werte, &fehler, entfernen))
            return Ergebnis::Gespeichert;
        Dialoge::Warnung(QStringLiteral("Die Einstellungen konnten nicht in Werkbund3.ini gespeichert werden. ") + fehler);
        return Ergebnis::Fehler;
    }
}

} // namespace Termine
