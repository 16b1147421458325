// Draws every picture the suite ships and checks the shipped city register against the map.
// Usage: gfxgen GFX-FOLDER EXPLORER-FOLDER
#include "gfxgen.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Nothing is shown; without a display the build must still work.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList argumente = app.arguments();
    if (argumente.size() != 3) {
        std::fprintf(stderr, "Aufruf: gfxgen GFX-ORDNER EXPLORER-ORDNER\n");
        return 2;
    }

    gfx::Ausgabe bilder(argumente[1]);
    gfx::Ausgabe explorer(argumente[2]);
    gfx::bildschaltflaechenZeichnen(bilder);
    gfx::symboleZeichnen(bilder);
    gfx::hintergruendeZeichnen(bilder);
    // Laid out as the freedesktop icon theme folders, so the manager copies them as they are.
    QStringList menueProbleme;
    qsizetype menueBilder = 0;
    for (const int groesse : gfx::MenueGroessen) {
        gfx::Ausgabe menue(argumente[1] + QStringLiteral("/Menue/%1x%1").arg(groesse));
        gfx::menueSymboleZeichnen(menue, groesse);
        menueProbleme += menue.fehlerListe();
        menueBilder += menue.geschrieben().size();
    }
    const gfx::Weltkarte karte = gfx::weltkarteZeichnen(explorer);
    gfx::stadtbilderZeichnen(explorer);

    QStringList probleme = bilder.fehlerListe() + explorer.fehlerListe() + menueProbleme;
    probleme += gfx::staedtePruefen(QString::fromUtf8(WERKBUND_STAEDTE_ORDNER), karte, explorer);
    for (const QString& p : probleme)
        std::fprintf(stderr, "gfxgen: %s\n", p.toLocal8Bit().constData());
    if (!probleme.isEmpty())
        return 1;
    std::printf("gfxgen: %lld Bilder in %s, %lld in %s\n", static_cast<long long>(bilder.geschrieben().size() + menueBilder),
                argumente[1].toLocal8Bit().constData(), static_cast<long long>(explorer.geschrieben().size()),
                argumente[2].toLocal8Bit().constData());
    return 0;
}
