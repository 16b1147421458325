#include "HTMLExport.h"

#include <QBuffer>
#include <QtTest>

using namespace HTMLExport;

// Every primitive of the report writer, byte for byte.
class TestHtml : public QObject {
    Q_OBJECT

    static QByteArray Ausgabe(const std::function<void(QIODevice&)>& schreiben)
    {
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        schreiben(puffer);
        return puffer.data();
    }

private Q_SLOTS:
    void primitive_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<QByteArray>("erwartet");
        QTest::newRow("kopf") << 0 << QByteArray("<html>\r\n<head>\r\n<title>Ulmenhain</title>\r\n</head>\r\n");
        QTest::newRow("zeile") << 1 << QByteArray("Text</BR>\r\n");
        QTest::newRow("zeile-leer") << 2 << QByteArray("</BR>\r\n");
        QTest::newRow("leerzeilen-3") << 3 << QByteArray("</BR>\r\n</BR>\r\n</BR>\r\n");
        QTest::newRow("leerzeilen-0") << 4 << QByteArray();
        QTest::newRow("leerzeilen-negativ") << 5 << QByteArray();
        QTest::newRow("fett") << 6 << QByteArray("<B>Gasthaus</B></BR>\r\n");
        QTest::newRow("eintrag") << 7 << QByteArray("<B>Stadtname:</B> Ulmenhain</BR>\r\n");
        QTest::newRow("eintrag-leer") << 8 << QByteArray("<B>Bürgermeister:</B> </BR>\r\n").replace("ü", "\xFC");
        QTest::newRow("eintrag-zahl") << 9 << QByteArray("<B>Im Ort:</B> 12</BR>\r\n");
        QTest::newRow("ueberschrift") << 10 << QByteArray("<H2>Waffen</H2>\r\n");
        QTest::newRow("linie") << 11 << QByteArray("<HR WIDTH=50%>\r\n");
        QTest::newRow("verweis") << 12 << QByteArray("<A HREF=\"#Start\">Nach oben</A></BR>\r\n");
        QTest::newRow("anker") << 13 << QByteArray("<A NAME=\"Hotels\"></A>\r\n");
        QTest::newRow("tabelle") << 14
                                 << QByteArray("<table border=\"1\" width=\"100%\" bordercolor=\"#FFFFFF\" cellspacing=\"0 6 \" "
                                               "bordercolorlight=\"#FFFFFF\" bordercolordark=\"#C0C0C0\">\r\n");
        QTest::newRow("zelle") << 15
                               << QByteArray("<td width=\"20%\"><small><font face=\"Arial\">Langschwert</font></small></td>\r\n");
        QTest::newRow("kopfzelle") << 16 << QByteArray("<TD bgcolor=white FontColor=black><b>Name</b></TD>\r\n");
        QTest::newRow("roh") << 17 << QByteArray("<tr>\r\n");
        QTest::newRow("markup-unveraendert") << 18 << QByteArray("<i>a & b</i></BR>\r\n");
        QTest::newRow("codepage") << 19 << QByteArray("Gr\xFC\xDF" "e &#321;</BR>\r\n");
        QTest::newRow("umbruch-im-text") << 20 << QByteArray("a\r\nb\r\nc</BR>\r\n");
    }

    void primitive()
    {
        QFETCH(int, fall);
        QFETCH(QByteArray, erwartet);
        const QByteArray aus = Ausgabe([fall](QIODevice& d) {
            qint16 breite = 50;
            switch (fall) {
            case 0: HtmlKopf(QStringLiteral("Ulmenhain"), d); break;
            case 1: HtmlZeile(QStringLiteral("Text"), d); break;
            case 2: HtmlZeile(QString(), d); break;
            case 3: HtmlLeerzeilen(3, d); break;
            case 4: HtmlLeerzeilen(0, d); break;
            case 5: HtmlLeerzeilen(-2, d); break;
            case 6: HtmlFettzeile(QStringLiteral("Gasthaus"), d); break;
            case 7: HtmlEintrag(QStringLiteral("Stadtname:"), QStringLiteral("Ulmenhain"), d); break;
            case 8: HtmlEintrag(QStringLiteral("Bürgermeister:"), QString(), d); break;
            case 9: HtmlEintrag(QStringLiteral("Im Ort:"), 12, d); break;
            case 10: HtmlUeberschrift(QStringLiteral("Waffen"), 2, d); break;
            case 11: HtmlLinie(d, breite); break;
            case 12: HtmlVerweis(QStringLiteral("Nach oben"), QStringLiteral("Start"), d); break;
            case 13: HtmlAnker(QStringLiteral("Hotels"), d); break;
            case 14: HtmlTabelleBeginn(d); break;
            case 15: HtmlZelle(QStringLiteral("Langschwert"), QStringLiteral("20%"), d); break;
            case 16: HtmlKopfzelle(QStringLiteral("Name"), d); break;
            case 17: HtmlRoh(QStringLiteral("<tr>"), d); break;
            case 18: HtmlZeile(QStringLiteral("<i>a & b</i>"), d); break;
            case 19: HtmlZeile(QStringLiteral("Grüße Ł"), d); break;
            case 20: HtmlZeile(QStringLiteral("a\nb\r\nc"), d); break;
            }
        });
        QCOMPARE(aus, erwartet);
    }

    void linieBreiteNull()
    {
        qint16 breite = 0;
        const QByteArray aus = Ausgabe([&](QIODevice& d) { HtmlLinie(d, breite); });
        QCOMPARE(aus, QByteArray("<HR WIDTH=100%>\r\n"));
        QCOMPARE(breite, qint16(100));
        QCOMPARE(Ausgabe([](QIODevice& d) { HtmlLinie(d); }), QByteArray("<HR WIDTH=100%>\r\n"));
    }

    void leerraumUndMaskieren()
    {
        QCOMPARE(HtmlLeerraum(3), QStringLiteral("&nbsp;&nbsp;&nbsp;"));
        QCOMPARE(HtmlLeerraum(0), QString());
        QCOMPARE(HtmlLeerraum(-1), QString());
        QCOMPARE(HtmlMaskieren(QStringLiteral("Axt & \"Beil\" <schwer>")),
                 QStringLiteral("Axt &amp; &quot;Beil&quot; &lt;schwer&gt;"));
        QCOMPARE(HtmlMaskieren(QStringLiteral("Zwergenaxt, 2W6+4")), QStringLiteral("Zwergenaxt, 2W6+4"));
    }
};

QTEST_GUILESS_MAIN(TestHtml)
#include "test_html.moc"
