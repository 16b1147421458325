#include "FuzzHilfe.h"

#include "Dialoge.h"
#include "Variablen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace FuzzHilfe {

namespace {

class Stumm : public Dialoge::Anbieter {
public:
    Dialoge::Antwort Meldung(const QString&, Dialoge::Knoepfe knoepfe, Dialoge::Symbol, const QString&) override
    {
        return knoepfe == Dialoge::Knoepfe::JaNein ? Dialoge::Antwort::Nein : Dialoge::Antwort::OK;
    }
    QString Eingabe(const QString&, const QString&) override { return QString(); }
    QString DateiOeffnen(const QString&, const QString&) override { return QString(); }
    QString DateiSpeichern(const QString&, const QString&) override { return QString(); }
    bool DruckerWaehlen(QPrinter&) override { return false; }
};

} // namespace

QString Einrichten()
{
    static QTemporaryDir* ordner = nullptr;
    if (!ordner) {
        ordner = new QTemporaryDir();
        static Stumm stumm;
        Dialoge::Setzen(&stumm);
        Variablen::PfadeInitialisieren(ordner->path());
        for (const char* unter : {"Data/Armory", "Data/City", "Data/Creatures", "Data/Day", "Data/Explorer",
                                  "Data/Manager", "Data/Warehouse", "Temp", "HTML", "WBD"})
            QDir(ordner->path()).mkpath(QString::fromLatin1(unter));
    }
    return ordner->path();
}

QString Datei(const QString& relativ, const uint8_t* daten, size_t groesse)
{
    const QString pfad = Einrichten() + QLatin1Char('/') + relativ;
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(reinterpret_cast<const char*>(daten), qint64(groesse)) != qint64(groesse))
        qFatal("fuzz: %s nicht geschrieben", qPrintable(pfad));
    return pfad;
}

void ZweiDateien(const QString& erste, const QString& zweite, const uint8_t* daten, size_t groesse)
{
    const QByteArray bytes = Bytes(daten, groesse);
    const qsizetype trenner = bytes.indexOf('\0');
    const QByteArray vorne = trenner < 0 ? bytes : bytes.left(trenner);
    const QByteArray hinten = trenner < 0 ? bytes : bytes.mid(trenner + 1);
    Datei(erste, reinterpret_cast<const uint8_t*>(vorne.constData()), size_t(vorne.size()));
    Datei(zweite, reinterpret_cast<const uint8_t*>(hinten.constData()), size_t(hinten.size()));
}

} // namespace FuzzHilfe
