// Imports: any text file is either refused (not UTF-8) and the table stays, or saved so that the suite's
// readers see exactly the lines of the text.
#include "DatEditorEngine.h"
#include "FuzzHilfe.h"
#include "Zeilendatei.h"

#include <QFile>

#include <cstdlib>

using namespace DatEditorEngine;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QString quelle = FuzzHilfe::Datei(QStringLiteral("Temp/import.txt"), daten, groesse);
    static const QByteArray vorher("Bader\r\nK\xF6hler\r\n");
    const QString tabelle = FuzzHilfe::Datei(QStringLiteral("Data/City/Heiler.dat"),
                                             reinterpret_cast<const uint8_t*>(vorher.constData()), size_t(vorher.size()));
    QString text;
    QString fehler;
    const bool gelesen = TextdateiLesen(quelle, &text, &fehler);
    if (!gelesen) {
        if (fehler.isEmpty())
            std::abort();
        QFile datei(tabelle);
        if (!datei.open(QIODevice::ReadOnly) || datei.readAll() != vorher)
            std::abort();
        return 0;
    }
    if (text.contains(QLatin1Char('\r')) || text.contains(QChar(0x2028)) || text.contains(QChar(0x2029)))
        std::abort();
    if (!TabelleSpeichern(tabelle, text))
        std::abort();
    QFile datei(tabelle);
    if (!datei.open(QIODevice::ReadOnly))
        std::abort();
    const QByteArray neu = datei.readAll();
    if (neu != BytesAusText(text))
        std::abort();
    // The suite's readers see exactly the lines of the text.
    if (Zeilendatei::Zerlegen(neu) != Zeilendatei::ZerlegenText(text))
        std::abort();
    // Shown again, the table is the text with references for what the code page lacks; saving that is
    // the same file.
    if (BytesAusText(TabelleLaden(tabelle, QStringLiteral("Heiler")).Text) != neu)
        std::abort();
    return 0;
}
