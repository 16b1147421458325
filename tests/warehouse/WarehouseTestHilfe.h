#pragma once

// Goods and armory records for the warehouse tests, built field by field so each test names only what
// matters to it.
#include "Lagerhof3Variablen.h"
#include "TestInstallation.h"

#include <QStringList>

namespace WarehouseTest {

inline QStringList Ware(const QString& name, const QString& klasse = QStringLiteral("1"),
                        const QString& preis = QStringLiteral("10D"), const QString& regionen = QString(),
                        const QString& gewicht = QStringLiteral("5"),
                        const QString& beschreibung = QStringLiteral("Ein Testgegenstand."))
{
    return {name + klasse, gewicht, preis, beschreibung, regionen};
}

// The lines of a goods file holding these goods.
inline QStringList Zeilen(const QList<QStringList>& waren)
{
    QStringList z;
    for (const QStringList& w : waren)
        z += w;
    return z;
}

inline QString Warenpfad(const QString& kategorie)
{
    return QStringLiteral("Data/Warehouse/") + kategorie + QStringLiteral(".dat");
}

inline void WarenSchreiben(const TestInstallation& installation, const QString& kategorie, const QList<QStringList>& waren)
{
    installation.ZeilenSchreiben(Warenpfad(kategorie), Zeilen(waren));
}

// The goods of a goods file of the installation, five lines each.
inline QList<QStringList> WarenLesen(const TestInstallation& installation, const QString& kategorie)
{
    const QStringList z = installation.Zeilen(Warenpfad(kategorie));
    QList<QStringList> waren;
    for (qsizetype i = 0; i + 5 <= z.size(); i += 5)
        waren.append(z.mid(i, 5));
    return waren;
}

// A small catalogue: three categories with two goods each, and the armory's goods files taken as they are.
inline void KleinerKatalog(const TestInstallation& installation)
{
    installation.ZeilenSchreiben(QStringLiteral("Data/Warehouse/ItemKategorien.dat"),
                                 {QStringLiteral(" 6 "), QStringLiteral("Nahkampfwaffen"), QStringLiteral("Fernwaffen"),
                                  QStringLiteral("Rüstungen"), QStringLiteral("Seilerei"), QStringLiteral("Kerzen"),
                                  QStringLiteral("Leer")});
    WarenSchreiben(installation, QStringLiteral("Seilerei"),
                   {Ware(QStringLiteral("Seil"), QStringLiteral("1"), QStringLiteral("4S"), QStringLiteral("BO|EL|")),
                    Ware(QStringLiteral("Tau"), QStringLiteral("2"), QStringLiteral("2D"), QString())});
    WarenSchreiben(installation, QStringLiteral("Kerzen"),
                   {Ware(QStringLiteral("Talglicht"), QStringLiteral("1"), QStringLiteral("3H")),
                    Ware(QStringLiteral("Wachskerze"), QStringLiteral("3"), QStringLiteral("1S"))});
    WarenSchreiben(installation, QStringLiteral("Leer"), {});
}

// A fresh start of the program's state on the installation.
inline QStringList Start()
{
    Lagerhof3Variablen::Zuruecksetzen();
    return Lagerhof3Variablen::Starten();
}

} // namespace WarehouseTest
