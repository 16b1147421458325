#include "Zeilendatei.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// An install into an empty folder gives a complete installation in the installation form, and a second
// install keeps what the user changed.
class TestInstallationLauf : public QObject {
    Q_OBJECT

    static bool Installieren(const QString& ziel, QString* ausgabe)
    {
        QProcess cmake;
        cmake.setProcessChannelMode(QProcess::MergedChannels);
        cmake.start(QStringLiteral(WERKBUND_CMAKE),
                    {QStringLiteral("--install"), QStringLiteral(WERKBUND_BUILD_DIR), QStringLiteral("--prefix"), ziel});
        const bool ok = cmake.waitForFinished(120000) && cmake.exitCode() == 0;
        *ausgabe = QString::fromUtf8(cmake.readAll());
        return ok;
    }

    static QByteArray Lesen(const QString& pfad)
    {
        QFile datei(pfad);
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }

    static void Schreiben(const QString& pfad, const QByteArray& bytes)
    {
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(bytes);
    }

private Q_SLOTS:
    void installation()
    {
        QTemporaryDir ziel;
        QString ausgabe;
        QVERIFY2(Installieren(ziel.path(), &ausgabe), qPrintable(ausgabe));
        const QDir wurzel(ziel.path());

        for (const char* ordner : {"Data/Armory", "Data/City", "Data/Explorer", "Data/Manager", "GFX", "Hilfe", "HTML", "WBD",
                                   "Temp", "Backup"})
            QVERIFY2(wurzel.exists(QLatin1String(ordner)), ordner);
        QVERIFY(wurzel.exists(QStringLiteral("Werkbund3.ini")));
        QVERIFY(wurzel.exists(QStringLiteral("Hilfe.htm")));
        QCOMPARE(Zeilendatei::Lesen(wurzel.filePath(QStringLiteral("Werkbund3.ini"))).mid(0, 2),
                 (QStringList{QStringLiteral("[General]"), QStringLiteral("Started=0")}));

        // Every text file of the installation is Windows-1252 with CR LF.
        int textdateien = 0;
        QDirIterator it(ziel.path(), {QStringLiteral("*.dat"), QStringLiteral("*.ini"), QStringLiteral("*.htm")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString pfad = it.next();
            const QByteArray bytes = Lesen(pfad);
            QVERIFY2(!bytes.isEmpty() && bytes.endsWith("\r\n"), qPrintable(pfad));
            QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
            // No UTF-8 sequences for umlauts remain.
            QVERIFY2(!bytes.contains("\xC3\xA4") && !bytes.contains("\xC3\xBC") && !bytes.contains("\xC3\x9F"), qPrintable(pfad));
            ++textdateien;
        }
        QVERIFY(textdateien > 30);
        QVERIFY(Lesen(wurzel.filePath(QStringLiteral("Data/Explorer/Regionen.dat"))).contains("[S\xDC]"));

        // Every picture that a program asks for by name is there (some only under another letter case).
        const QStringList bilder = {
            "manager.jpg", "Credits.jpg", "XTerneTools.jpg", "Werkbund3.ico", "Tabellarium.ico", "XT.ico", "credits.ico",
            "help.ico", "note.ico", "homepage.ico", "urls.ico", "bugmail.ico", "varlsuite.ico", "newgross.bmp",
            "deletegross.bmp", "new.bmp", "delete.bmp", "save.bmp", "Ortsbau3.jpg", "Ortsbau3Klein.bmp", "ellipse.bmp",
            "helpklein.bmp", "html.bmp", "line.bmp", "open.bmp", "rectangle.bmp", "Buttonleiste.jpg", "Waffkam3Klein.bmp",
            "VarlForge3.bmp", "export.bmp", "find.bmp", "import.bmp", "preview.bmp", "print.bmp", "printfld.bmp",
            "Lagerhof3ItemEditor.jpg", "Lagerhof3Klein.bmp", "Lagerhof3ShopEditor.jpg", "shop.bmp", "shop.jpg", "zahl.ico",
            "VarlBattle3.jpg", "Bestiar3.jpg", "Tageslauf3.jpg", "Kartenblick3.jpg", "ExplorerKlein.bmp", "Ortsbau3.ico",
            "Waffkam3.ico", "Lagerhof3.ico", "Bestiar3.ico", "Tageslauf3.ico", "Kartenblick3.ico", "Tabellar3.ico",
            "Leitstand3.ico"};
        QStringList vorhanden;
        for (const QString& name : QDir(wurzel.filePath(QStringLiteral("GFX"))).entryList(QDir::Files))
            vorhanden << name.toLower();
        for (const QString& bild : bilder)
            QVERIFY2(vorhanden.contains(bild.toLower()), qPrintable(bild));
        QVERIFY(wurzel.exists(QStringLiteral("Data/Explorer/Aventurien.jpg")));
        QVERIFY(wurzel.exists(QStringLiteral("Data/Explorer/AventurienKlein.jpg")));

        // A second install keeps edited data and settings, but replaces pictures.
        const QString liste = wurzel.filePath(QStringLiteral("Data/City/Heiler.dat"));
        const QString ini = wurzel.filePath(QStringLiteral("Werkbund3.ini"));
        const QString bild = wurzel.filePath(QStringLiteral("GFX/new.bmp"));
        const QByteArray bildVorher = Lesen(bild);
        for (const QString& pfad : {liste, ini, bild}) {
            QFile datei(pfad);
            QVERIFY(datei.open(QIODevice::WriteOnly));
            datei.write("vom Benutzer\r\n");
        }
        QFile::remove(wurzel.filePath(QStringLiteral("Data/City/Mohas.dat")));
        QVERIFY2(Installieren(ziel.path(), &ausgabe), qPrintable(ausgabe));
        QCOMPARE(Lesen(liste), QByteArray("vom Benutzer\r\n"));
        QCOMPARE(Lesen(ini), QByteArray("vom Benutzer\r\n"));
        QCOMPARE(Lesen(bild), bildVorher);
        QVERIFY(wurzel.exists(QStringLiteral("Data/City/Mohas.dat")));
    }

    // A "Warehouse…" replacement file comes only where its goods file is missing too, so an update never
    // replaces the user's goods.
    void lagerErsatzdateienNurOhneWaren()
    {
        QTemporaryDir ziel;
        QString ausgabe;
        QVERIFY2(Installieren(ziel.path(), &ausgabe), qPrintable(ausgabe));
        const QDir lager(ziel.filePath(QStringLiteral("Data/Warehouse")));
        const QStringList namen = {QStringLiteral("Nahkampfwaffen"), QStringLiteral("Fernwaffen"),
                                   QStringLiteral("Rüstungen")};
        // A fresh installation has both, with the same goods.
        for (const QString& name : namen) {
            const QByteArray waren = Lesen(lager.filePath(name + QStringLiteral(".dat")));
            QVERIFY2(!waren.isEmpty(), qPrintable(name));
            QCOMPARE(Lesen(lager.filePath(QStringLiteral("Warehouse") + name + QStringLiteral(".dat"))), waren);
        }
        QVERIFY(lager.exists(QStringLiteral("ShopgeneratorConfig.dat")));
        QVERIFY(QFile::exists(ziel.filePath(QStringLiteral("Hilfe/Warehouse.htm"))));

        // The warehouse has run (replacement files consumed) and the user changed the melee goods; the
        // ranged goods were lost, and a category file was deleted.
        for (const QString& name : namen)
            QVERIFY(QFile::remove(lager.filePath(QStringLiteral("Warehouse") + name + QStringLiteral(".dat"))));
        Schreiben(lager.filePath(QStringLiteral("Nahkampfwaffen.dat")), "Eigenes Schwert1\r\n1\r\n1D\r\n\r\n\r\n");
        QVERIFY(QFile::remove(lager.filePath(QStringLiteral("Fernwaffen.dat"))));
        QVERIFY(QFile::remove(lager.filePath(QStringLiteral("Schmuck.dat"))));
        const QByteArray ruestungen = Lesen(lager.filePath(QStringLiteral("Rüstungen.dat")));

        QVERIFY2(Installieren(ziel.path(), &ausgabe), qPrintable(ausgabe));
        QCOMPARE(Lesen(lager.filePath(QStringLiteral("Nahkampfwaffen.dat"))),
                 QByteArray("Eigenes Schwert1\r\n1\r\n1D\r\n\r\n\r\n"));
        QVERIFY(!lager.exists(QStringLiteral("WarehouseNahkampfwaffen.dat")));
        QVERIFY(!lager.exists(QStringLiteral("WarehouseRüstungen.dat")));
        QCOMPARE(Lesen(lager.filePath(QStringLiteral("Rüstungen.dat"))), ruestungen);
        // Where the goods file was missing, both come again.
        QVERIFY(lager.exists(QStringLiteral("Fernwaffen.dat")));
        QCOMPARE(Lesen(lager.filePath(QStringLiteral("WarehouseFernwaffen.dat"))),
                 Lesen(lager.filePath(QStringLiteral("Fernwaffen.dat"))));
        QVERIFY(lager.exists(QStringLiteral("Schmuck.dat")));
        QVERIFY(ausgabe.contains(QStringLiteral("WarehouseNahkampfwaffen.dat")));
    }
};

QTEST_GUILESS_MAIN(TestInstallationLauf)
#include "test_installation.moc"
