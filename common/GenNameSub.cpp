#include "GenNameSub.h"

#include "Pfad.h"
#include "Subs.h"
#include "Variablen.h"
#include "Zeilendatei.h"

namespace GenNameSub {

namespace {

const QString kMaennlich = QStringLiteral("Männlich");
const QString kWeiblich = QStringLiteral("Weiblich");

QString Zeile(const QString& liste)
{
    // The people's text becomes part of a file name; it must not lead out of the name folder.
    if (liste.contains(QLatin1Char('/')) || liste.contains(QLatin1Char('\\')) || liste.contains(QLatin1String("..")))
        return QString();
    return Zeilendatei::Zufallszeile(Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\City\\") + liste + QStringLiteral(".dat")));
}

} // namespace

QString Zufallsname(const QString& Rasse, QString& Geschlecht)
{
    if (Rasse == QLatin1String("Mohas"))
        return Zeile(QStringLiteral("Mohas"));

    if (Geschlecht.isEmpty() || Geschlecht == QLatin1String("Zufall"))
        Geschlecht = Subs::Zufallszahl(2) == 1 ? kMaennlich : kWeiblich;
    const bool maennlich = Geschlecht == kMaennlich;

    if (Rasse == QLatin1String("Nivesen")) {
        const QString vorname = Zeile(Rasse + Geschlecht);
        const QString gruender = Zeile(QStringLiteral("NivesenMännlich"));
        return vorname + QStringLiteral(" von ") + gruender + QStringLiteral("s Stamm");
    }

    const QString vorname = (maennlich || Geschlecht == kWeiblich) ? Zeile(Rasse + Geschlecht) : QString();

    if (Rasse == QLatin1String("Zwerge")) {
        const QString vater = Zeile(QStringLiteral("ZwergeMännlich"));
        return vorname + (maennlich ? QStringLiteral(", Sohn des ") : QStringLiteral(", Tochter des ")) + vater;
    }
    if (Rasse == QLatin1String("Thorwaler")) {
        // The parent is father or mother with equal chance, whatever the person's own gender.
        const QString elternliste = Subs::Zufallszahl(2) == 1 ? QStringLiteral("ThorwalerMännlich")
                                                              : QStringLiteral("ThorwalerWeiblich");
        const QString elternteil = Zeile(elternliste);
        return vorname + QLatin1Char(' ') + elternteil + (maennlich ? QStringLiteral("son") : QStringLiteral("sdotter"));
    }
    if (Rasse == QLatin1String("Tulamiden")) {
        const QString vater = Zeile(QStringLiteral("TulamidenMännlich"));
        return vorname + (maennlich ? QStringLiteral(" ben ") : QStringLiteral(" saba ")) + vater;
    }
    if (Rasse == QLatin1String("Elfen")) {
        const QString erste = Zeile(QStringLiteral("ElfenNachname1"));
        const QString zweite = Zeile(QStringLiteral("ElfenNachname2"));
        return vorname + QLatin1Char(' ') + erste + zweite;
    }
    return vorname + QLatin1Char(' ') + Zeile(Rasse + QStringLiteral("Nachname"));
}

} // namespace GenNameSub
