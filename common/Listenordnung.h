#pragma once

#include <QCollator>
#include <QHash>
#include <QString>
#include <QStringList>

// How record lists order and filter their lines. Natural order: a text that starts with a number sorts by
// that number's value (a decimal comma or point included: "1,5" after "1"), the rest by the German
// collation with numbers inside by value, "Ä" with "A", case ignored. A price sorts by its value in Pfennig,
// whatever its currency. Filter words are found without regard to case or umlaut spelling ("ae" finds "ä").
namespace Listenordnung {

enum class Art { Text, Preis };

// The sort key of one text: built once, compared many times.
class Schluessel {
public:
    int Vergleichen(const Schluessel& b) const;

private:
    friend class Schluesselbau;
    Schluessel(int klasse, double wert, const QCollatorSortKey& rest) : m_rest(rest), m_wert(wert), m_klasse(klasse) {}
    QCollatorSortKey m_rest;
    double m_wert;
    int m_klasse; // 0 empty, 1 a value (number or price), 2 other text
};

// Builds keys; texts that come again (a suffix like " Unzen", a category) share one collation key. Two
// builders may work at once, each on its own thread.
class Schluesselbau {
public:
    Schluesselbau();
    Schluessel Bilden(const QString& text, Art art);

private:
    QCollatorSortKey Sortierschluessel(const QString& text);
    const QCollator& m_vergleich;
    QHash<QString, QCollatorSortKey> m_gleiche;
    QCollatorSortKey m_leer;
    // Texts are looked up only while that finds enough of them again (a column of names would not).
    int m_versuche = 0;
    int m_treffer = 0;
};

// The number a text starts with (after blanks), read as Subs::Zahl reads numbers: an optional sign, digits,
// one "," or "." with digits after it. `ende` gets the position after the number; false without one.
bool ZahlAmAnfang(QStringView text, double* wert, qsizetype* ende);

// Lower case, umlauts and ß spelled out ("ä" gives "ae"), accents dropped; appended to `ziel`.
void FaltenIn(QStringView text, QString& ziel);
QString Falten(QStringView text);
// The folded words of a filter input, each once.
QStringList Suchwoerter(QStringView eingabe);
// Every line the words `neu` let through was let through by `alt` too (the user typed on).
bool Verfeinert(const QStringList& alt, const QStringList& neu);

} // namespace Listenordnung
