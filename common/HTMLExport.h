#pragma once

#include <QString>

#include <functional>

class QIODevice;

// The primitives every report page is built from. Each writes its line(s) into an output that the caller
// opened and will close, in Windows-1252, and ends every line with CR LF. Arguments are written as given
// (markup passes); values taken from data or typed by the user go through HtmlMaskieren first.
namespace HTMLExport {

void HtmlKopf(const QString& titel, QIODevice& datei);
void HtmlZeile(const QString& text, QIODevice& datei);
void HtmlLeerzeilen(int n, QIODevice& datei);
void HtmlFettzeile(const QString& text, QIODevice& datei);
void HtmlEintrag(const QString& bezeichnung, const QString& wert, QIODevice& datei);
void HtmlEintrag(const QString& bezeichnung, qint64 wert, QIODevice& datei);
void HtmlUeberschrift(const QString& text, int ebene, QIODevice& datei);
// A width of 0 is written as 100, and the caller's variable then holds 100.
void HtmlLinie(QIODevice& datei, qint16& breite);
void HtmlLinie(QIODevice& datei); // full width
void HtmlVerweis(const QString& titel, const QString& anker, QIODevice& datei);
void HtmlAnker(const QString& name, QIODevice& datei);
void HtmlTabelleBeginn(QIODevice& datei);
void HtmlZelle(const QString& text, const QString& breite, QIODevice& datei);
void HtmlKopfzelle(const QString& text, QIODevice& datei);
QString HtmlLeerraum(int n);

// Writes a page whole through `schreiben` (the old page stays if it fails); on failure false and, if asked,
// "Die Seite „…“ konnte nicht geschrieben werden (reason)."
bool SeiteSpeichern(const QString& pfad, QString* fehler, const std::function<void(QIODevice&)>& schreiben);

// A line of the caller's own markup ("<tr>", "</tr>", "</table>").
void HtmlRoh(const QString& zeile, QIODevice& datei);

// Masks "&", "<", ">" and the double quote, and turns each line break (CR LF, LF or CR) into "<BR>";
// text without them comes back unchanged.
QString HtmlMaskieren(const QString& text);

} // namespace HTMLExport
