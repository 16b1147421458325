// Replays a fuzz target's regression corpus (every file that once made it fail) and the shipped files it is
// seeded from, under the sanitizers of the test build.
#include "FuzzHilfe.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestFuzzKorpus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wiederholen_data()
    {
        QTest::addColumn<QString>("pfad");
        QStringList dateien;
        const QDir korpus(QStringLiteral(WERKBUND_FUZZ_KORPUS));
        for (const QString& name : korpus.entryList(QDir::Files, QDir::Name))
            dateien.append(korpus.filePath(name));
        dateien += QStringLiteral(WERKBUND_FUZZ_SAMEN).split(QLatin1Char('|'), Qt::SkipEmptyParts);
        // An empty input is the smallest case every reader must survive.
        QTest::newRow("leer") << QString();
        for (const QString& pfad : dateien)
            QTest::newRow(qPrintable(QFileInfo(pfad).fileName())) << pfad;
    }

    void wiederholen()
    {
        QFETCH(QString, pfad);
        QByteArray bytes;
        if (!pfad.isEmpty()) {
            QFile datei(pfad);
            QVERIFY2(datei.open(QIODevice::ReadOnly), qPrintable(pfad));
            bytes = datei.readAll();
        }
        QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())), 0);
    }
};

QTEST_GUILESS_MAIN(TestFuzzKorpus)
#include "Wiederholen.moc"
