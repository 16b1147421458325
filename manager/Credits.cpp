#include "Credits.h"

#include "Variablen.h"

namespace Credits {

QString Titel()
{
    return QStringLiteral("Werkbund Utilities 3\nVersion ") + Variablen::Programmversion;
}

QString Tester()
{
    return QStringLiteral("Getestet haben:\n"
                          "Mirela, die jede Taste zweimal drückt\n"
                          "Joscha, der Kartenzeichner\n"
                          "Hedda und Bruno aus der Sonntagsrunde\n"
                          "Die Spielrunde vom Donnerstag");
}

QString Dank()
{
    return QStringLiteral("Dank geht an:\n"
                          "Alle Meister, die Fehler gemeldet und Wünsche geäußert haben\n"
                          "Die Spieler, die jede neue Stadt geduldig erkundet haben\n"
                          "Ilka für die Namenslisten und den Tee\n"
                          "Und an euch, weil ihr Werkbund 3 verwendet");
}

} // namespace Credits
