// Tables in text mode: any file loads; saved again, a CR LF table in the code page is byte for byte the
// same, and every other file (UTF-8 ones included) keeps the lines the suite's readers see.
#include "DatEditorEngine.h"
#include "FuzzHilfe.h"
#include "Zeilendatei.h"

#include <QFile>

#include <cstdlib>

using namespace DatEditorEngine;

namespace {

// Every CR is followed by LF and every LF follows a CR.
bool NurCrLf(const QByteArray& bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))
            return false;
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return false;
    }
    return true;
}

QByteArray Inhalt(const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        std::abort();
    return datei.readAll();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QByteArray bytes = FuzzHilfe::Bytes(daten, groesse);
    const QString pfad = FuzzHilfe::Datei(QStringLiteral("Data/City/Heiler.dat"), daten, groesse);
    const Tabelle t = TabelleLaden(pfad, QStringLiteral("Heiler"));
    if (t.Status != Tabelle::Zustand::Geladen || t.Text.contains(QLatin1Char('\r')))
        std::abort();
    // The text as a text box hands it back is the same text.
    if (ZeilenumbruecheVereinheitlichen(t.Text) != t.Text)
        std::abort();
    if (!TabelleSpeichern(pfad, t.Text))
        std::abort();
    const QByteArray neu = Inhalt(pfad);
    // A table in UTF-8 (or with a byte-order mark) is saved in the code page; any other keeps its bytes.
    const bool umgeschrieben = Zeilendatei::IstUtf8(bytes) || bytes.startsWith("\xEF\xBB\xBF");
    if (NurCrLf(bytes) && !umgeschrieben && neu != bytes)
        std::abort();
    if (Zeilendatei::Zerlegen(neu) != Zeilendatei::Zerlegen(bytes) || Zeilendatei::IstUtf8(neu))
        std::abort();
    // Once saved, the table loads and saves as itself.
    if (BytesAusText(TextAusBytes(neu)) != neu)
        std::abort();
    if (!umgeschrieben && (TextAusBytes(neu) != t.Text || BytesAusText(t.Text) != neu))
        std::abort();
    return 0;
}
