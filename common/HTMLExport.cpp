#include "HTMLExport.h"

#include "Dateien.h"
#include "Zeilendatei.h"

#include <QDir>
#include <QIODevice>

namespace HTMLExport {

namespace {

const QChar Q = QLatin1Char('"');

void Schreiben(const QString& zeile, QIODevice& datei)
{
    // Characters outside the code page become numeric references, which every browser reads. A line break
    // inside a text stays a line break of the page, written as CR LF like every other.
    QString text = zeile;
    if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    }
    datei.write(Zeilendatei::InCodepage(text));
    datei.write("\r\n", 2);
}

} // namespace

void HtmlKopf(const QString& titel, QIODevice& datei)
{
    Schreiben(QStringLiteral("<html>"), datei);
    Schreiben(QStringLiteral("<head>"), datei);
    Schreiben(QStringLiteral("<title>") + titel + QStringLiteral("</title>"), datei);
    Schreiben(QStringLiteral("</head>"), datei);
}

void HtmlZeile(const QString& text, QIODevice& datei)
{
    Schreiben(text + QStringLiteral("</BR>"), datei);
}

void HtmlLeerzeilen(int n, QIODevice& datei)
{
    for (int i = 0; i < n; ++i)
        Schreiben(QStringLiteral("</BR>"), datei);
}

void HtmlFettzeile(const QString& text, QIODevice& datei)
{
    Schreiben(QStringLiteral("<B>") + text + QStringLiteral("</B></BR>"), datei);
}

void HtmlEintrag(const QString& bezeichnung, const QString& wert, QIODevice& datei)
{
    Schreiben(QStringLiteral("<B>") + bezeichnung + QStringLiteral("</B> ") + wert + QStringLiteral("</BR>"), datei);
}

void HtmlEintrag(const QString& bezeichnung, qint64 wert, QIODevice& datei)
{
    HtmlEintrag(bezeichnung, QString::number(wert), datei);
}

void HtmlUeberschrift(const QString& text, int ebene, QIODevice& datei)
{
    const QString e = QString::number(ebene);
    Schreiben(QStringLiteral("<H") + e + QLatin1Char('>') + text + QStringLiteral("</H") + e + QLatin1Char('>'), datei);
}

void HtmlLinie(QIODevice& datei, qint16& breite)
{
    if (breite == 0)
        breite = 100;
    Schreiben(QStringLiteral("<HR WIDTH=") + QString::number(breite) + QStringLiteral("%>"), datei);
}

void HtmlLinie(QIODevice& datei)
{
    qint16 breite = 100;
    HtmlLinie(datei, breite);
}

void HtmlVerweis(const QString& titel, const QString& anker, QIODevice& datei)
{
    Schreiben(QStringLiteral("<A HREF=") + Q + QLatin1Char('#') + anker + Q + QLatin1Char('>') + titel
                  + QStringLiteral("</A></BR>"),
              datei);
}

void HtmlAnker(const QString& name, QIODevice& datei)
{
    Schreiben(QStringLiteral("<A NAME=") + Q + name + Q + QStringLiteral("></A>"), datei);
}

void HtmlTabelleBeginn(QIODevice& datei)
{
    // The middle piece is a number item as a print statement writes it: blank, 6, blank.
    Schreiben(QStringLiteral("<table border=\"1\" width=\"100%\" bordercolor=\"#FFFFFF\" cellspacing=\"0")
                  + QStringLiteral(" 6 ")
                  + QStringLiteral("\" bordercolorlight=\"#FFFFFF\" bordercolordark=\"#C0C0C0\">"),
              datei);
}

void HtmlZelle(const QString& text, const QString& breite, QIODevice& datei)
{
    Schreiben(QStringLiteral("<td width=") + Q + breite + Q + QStringLiteral("><small><font face=") + Q
                  + QStringLiteral("Arial") + Q + QLatin1Char('>') + text + QStringLiteral("</font></small></td>"),
              datei);
}

void HtmlKopfzelle(const QString& text, QIODevice& datei)
{
    Schreiben(QStringLiteral("<TD bgcolor=white FontColor=black><b>") + text + QStringLiteral("</b></TD>"), datei);
}

QString HtmlLeerraum(int n)
{
    return n < 1 ? QString() : QStringLiteral("&nbsp;").repeated(n);
}

void HtmlRoh(const QString& zeile, QIODevice& datei)
{
    Schreiben(zeile, datei);
}

QString HtmlMaskieren(const QString& text)
{
    QString aus;
    aus.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        // A line break typed into a description stays visible and keeps the page line whole.
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            aus += QStringLiteral("<BR>");
            break;
        case '\n': aus += QStringLiteral("<BR>"); break;
        case '&': aus += QStringLiteral("&amp;"); break;
        case '<': aus += QStringLiteral("&lt;"); break;
        case '>': aus += QStringLiteral("&gt;"); break;
        case '"': aus += QStringLiteral("&quot;"); break;
        default: aus += c;
        }
    }
    return aus;
}

bool SeiteSpeichern(const QString& pfad, QString* fehler, const std::function<void(QIODevice&)>& schreiben)
{
    QString grund;
    if (Dateien::AtomarSchreiben(pfad, schreiben, &grund))
        return true;
    if (fehler)
        *fehler = QStringLiteral("Die Seite „%1“ konnte nicht geschrieben werden: %2")
                      .arg(QDir::toNativeSeparators(pfad), grund);
    return false;
}

} // namespace HTMLExport
