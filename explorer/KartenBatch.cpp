#include "KartenBatch.h"

#include "Batch.h"
#include "Dateien.h"
#include "Dialoge.h"
#include "KartenEngine.h"
#include "Kartenzeichnung.h"

#include <QFileInfo>
#include <QBuffer>

#include <cstring>

namespace KartenBatch {

using KartenEngine::Karte;

namespace {

Ergebnis Fehler(const QString& meldung, int status = 1)
{
    Dialoge::Warnung(meldung);
    return {status, {}};
}

Ergebnis Aufruffehler(const QString& meldung)
{
    return Fehler(meldung + QStringLiteral(" (Kartenblick3 --help zeigt die Befehle.)"), 2);
}

QString Fehlerhaft(const Batch::Befehlszeile& b, const QString& aufruf)
{
    return b.Fehlerhaft().isEmpty() ? aufruf : b.Fehlerhaft();
}

// The city of that name as the window would read it; refused when it is no entry of the city list.
std::optional<ExplorerEngine::Kartenstadt> StadtSuchen(const KartenEngine::Staedte& liste, const QString& name,
                                                       Ergebnis* fehler)
{
    if (!liste.Meldung.isEmpty()) {
        *fehler = Fehler(liste.Meldung);
        return std::nullopt;
    }
    if (!liste.Namen.contains(name)) {
        *fehler = Fehler(liste.Namen.isEmpty()
                             ? QStringLiteral("Die Stadt „%1“ steht nicht in der Städteliste; die Liste ist leer.").arg(name)
                             : QStringLiteral("Die Stadt „%1“ steht nicht in der Städteliste; bekannt sind: %2.")
                                   .arg(name, liste.Namen.join(QStringLiteral(", "))));
        return std::nullopt;
    }
    // A register that cannot be read would show the city empty.
    const QString registerMeldung = KartenEngine::RegisterMeldung();
    if (!registerMeldung.isEmpty()) {
        *fehler = Fehler(registerMeldung);
        return std::nullopt;
    }
    return ExplorerEngine::StadtLesen(name);
}

Ergebnis Liste(Batch::Befehlszeile& b)
{
    if (!b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft());
    const KartenEngine::Staedte liste = KartenEngine::ListeLaden();
    if (!liste.Meldung.isEmpty())
        return Fehler(liste.Meldung);
    return {0, liste.Namen};
}

Ergebnis Details(Batch::Befehlszeile& b)
{
    const auto name = b.Position();
    if (!name || !b.Fehlerhaft().isEmpty())
        return Aufruffehler(Fehlerhaft(b, QStringLiteral("Aufruf: --details NAME")));
    Ergebnis fehler;
    const auto stadt = StadtSuchen(KartenEngine::ListeLaden(), *name, &fehler);
    if (!stadt)
        return fehler;
    const KartenEngine::Tafel tafel = KartenEngine::TafelTexte(*stadt);
    return {0, {tafel.Name, tafel.Einwohner, tafel.Tempel, stadt->Pic, KartenEngine::Positionszeile(*stadt)}};
}

Ergebnis Entfernung(Batch::Befehlszeile& b)
{
    const QString aufruf = QStringLiteral("Aufruf: --entfernung X1 Y1 X2 Y2 --karte gross|klein");
    const auto karte = b.Wert(QStringLiteral("--karte"));
    QStringList werte;
    while (const auto wert = b.Position())
        werte.append(*wert);
    if (!karte || werte.size() != 4 || !b.Fehlerhaft().isEmpty())
        return Aufruffehler(Fehlerhaft(b, aufruf));
    const auto k = KartenEngine::KarteAusName(*karte);
    if (!k)
        return Aufruffehler(QStringLiteral("--karte erwartet gross oder klein, nicht „%1“.").arg(*karte));
    const QString namen[] = {QStringLiteral("X1"), QStringLiteral("Y1"), QStringLiteral("X2"), QStringLiteral("Y2")};
    qint32 zahlen[4] = {};
    for (int i = 0; i < 4; ++i) {
        const KartenEngine::Positionseingabe p = KartenEngine::PositionLesen(werte[i], namen[i]);
        if (!p.Ok)
            return Aufruffehler(p.Meldung);
        zahlen[i] = p.Wert;
    }
    // The same two presses a user makes on the map.
    KartenEngine::Messung messung;
    KartenEngine::Druecken(messung, {zahlen[0], zahlen[1]}, *k);
    const std::optional<QString> text = KartenEngine::Druecken(messung, {zahlen[2], zahlen[3]}, *k);
    return {0, {text.value_or(KartenEngine::EntfernungLeer)}};
}

Ergebnis Zeichnen(Batch::Befehlszeile& b)
{
    const QString aufruf = QStringLiteral("Aufruf: --zeichnen --karte gross|klein [--stadt NAME ...] --ausgabe BILD.png|-");
    const auto karte = b.Wert(QStringLiteral("--karte"));
    const auto ausgabe = b.Wert(QStringLiteral("--ausgabe"));
    const QStringList namen = b.Werte(QStringLiteral("--stadt"));
    if (!karte || !ausgabe || !b.Fehlerhaft().isEmpty())
        return Aufruffehler(Fehlerhaft(b, aufruf));
    const auto k = KartenEngine::KarteAusName(*karte);
    if (!k)
        return Aufruffehler(QStringLiteral("--karte erwartet gross oder klein, nicht „%1“.").arg(*karte));
    const QString endung = QFileInfo(*ausgabe).suffix().toLower();
    QByteArray format;
    // Standard output ("-") and a name without an extension get PNG.
    if (endung.isEmpty() || Dateien::IstStandardausgabe(*ausgabe))
        format = "png";
    else if (endung == QLatin1String("png") || endung == QLatin1String("bmp"))
        format = endung.toLatin1();
    else if (endung == QLatin1String("jpg") || endung == QLatin1String("jpeg"))
        format = "JPG";
    else
        return Aufruffehler(QStringLiteral("Das Bild %1 braucht die Endung .png, .bmp oder .jpg (ohne Endung wird es ein PNG).").arg(Dateien::Anzeigename(*ausgabe)));

    // Every city is checked before anything is drawn, so a refusal writes nothing.
    const KartenEngine::Staedte liste = KartenEngine::ListeLaden();
    QList<ExplorerEngine::Kartenstadt> staedte;
    for (const QString& name : namen) {
        Ergebnis fehler;
        const auto stadt = StadtSuchen(liste, name, &fehler);
        if (!stadt)
            return fehler;
        if (!stadt->HatPosition)
            return Fehler(QStringLiteral("Die Stadt „%1“ hat in Städte.dat keine gültige Position (X und Y); sie kann "
                                         "nicht auf der Karte markiert werden.")
                              .arg(name));
        staedte.append(*stadt);
    }
    const QString kartenpfad = KartenEngine::Bildpfad(*k);
    QString grund;
    QImage bild = Kartenzeichnung::BildLaden(kartenpfad, &grund);
    if (bild.isNull())
        return Fehler(QStringLiteral("Das Kartenbild %1 konnte nicht geladen werden: %2.").arg(Dateien::Anzeigename(kartenpfad), grund));
    for (const ExplorerEngine::Kartenstadt& stadt : staedte)
        Kartenzeichnung::Markieren(bild, stadt, *k);

    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    // PNG with light compression: a few percent larger than the default, written several times faster.
    if (!bild.save(&puffer, format.constData(), format == "png" ? 80 : -1))
        return Fehler(QStringLiteral("Das Bild %1 konnte nicht geschrieben werden: Das Bild ließ sich nicht umwandeln.")
                          .arg(Dateien::Anzeigename(*ausgabe)));
    if (!Dateien::Schreiben(*ausgabe, bytes, &grund))
        return Fehler(QStringLiteral("Das Bild %1 konnte nicht geschrieben werden: %2").arg(Dateien::Anzeigename(*ausgabe), grund));
    return {};
}

} // namespace

QString Hilfetext()
{
    return QStringLiteral(
        "Befehle:\n"
        "  --liste\n"
        "      die Städte der Städteliste, eine je Zeile, in der Reihenfolge der Datei\n"
        "  --details NAME\n"
        "      fünf Zeilen: Name, Einwohner, Tempel, Bild der Stadt und ihre Position\n"
        "      (große Karte X, Y, kleine Karte X, Y, durch Tabulatoren getrennt)\n"
        "  --entfernung X1 Y1 X2 Y2 --karte gross|klein\n"
        "      die Entfernung zweier Punkte der Karte in Meilen. Positionen in Karteneinheiten\n"
        "      (15 je Bildpunkt) von 0 bis 2.147.483.647; Punkte trennen Tausender („1.500“),\n"
        "      Nachkommastellen nach Komma oder Punkt werden gerundet („1,5“)\n"
        "  --zeichnen --karte gross|klein [--stadt NAME ...] --ausgabe BILD.png\n"
        "      die Karte mit den genannten Städten markiert, in der Reihenfolge der Angaben;\n"
        "      als PNG, BMP oder JPG, je nach Endung (ohne Endung als PNG)\n"
        "NAME ist ein Eintrag der Städteliste, genau so geschrieben wie dort.");
}

bool BrauchtGrafik(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--zeichnen") == 0)
            return true;
    return false;
}

Ergebnis Ausfuehren(const QStringList& argumente)
{
    Batch::Befehlszeile b(argumente);
    if (b.Schalter(QStringLiteral("--liste")))
        return Liste(b);
    if (b.Schalter(QStringLiteral("--details")))
        return Details(b);
    if (b.Schalter(QStringLiteral("--entfernung")))
        return Entfernung(b);
    if (b.Schalter(QStringLiteral("--zeichnen")))
        return Zeichnen(b);
    return Aufruffehler(argumente.isEmpty() ? QStringLiteral("Es fehlt ein Befehl.")
                                            : QStringLiteral("Unbekannter Befehl: %1").arg(argumente.first()));
}

} // namespace KartenBatch
