// Installing over an installation: a "Warehouse…" replacement file comes only where its goods file is
// missing too, so an update never replaces the user's goods; every other data file still comes only where
// it is missing.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestWarehouseInstallation : public QObject {
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
    void ersatzdateienNurOhneWaren()
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

QTEST_GUILESS_MAIN(TestWarehouseInstallation)
#include "test_warehouse_installation.moc"
