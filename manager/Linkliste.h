#pragma once

#include "Dateien.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The link list: "\Manager\URLs.dat" under DataPfad, records of three lines (name, address, description)
// in the order they were added. The file is rewritten whole after every change.
struct Link {
    QString name;
    QString url;
    QString beschreibung;
};

class Linkliste {
public:
    // Reads the file; a missing file gives an empty list. A file that ends inside a record keeps its
    // whole records; before its first rewrite a copy of it is kept beside it (".bak").
    void Laden();
    const QList<Link>& Links() const { return m_links; }
    int Anzahl() const { return int(m_links.size()); }
    bool Unvollstaendig() const { return m_unvollstaendig; }

    // Appends the row and saves. False when the file was not written. A save merges the links another
    // program saved meanwhile, so rows may move: the window shows the list again afterwards.
    bool Hinzufuegen(const Link& link);
    // Removes row r, moving the later rows up, and saves. False for a row that does not exist or when
    // the file was not written.
    bool Loeschen(int r);
    // Whether the file is still what was read or last saved here.
    bool DateiUnveraendert() const;
    const Dateien::Fingerabdruck& Abdruck() const { return m_abdruck; }

    // The three input boxes of a new link; nothing when one of them is left empty or cancelled.
    static std::optional<Link> Erfragen();
    // The address as the default handler gets it: one typed without a scheme is taken as a web address.
    static QString Adresse(const QString& url);

    static QString Dateipfad();

private:
    bool Speichern();

    QList<Link> m_links;
    // The links as the file held them when read or last saved, for merging with another program's save.
    QList<QStringList> m_basis;
    Dateien::Fingerabdruck m_abdruck;
    bool m_unvollstaendig = false;
    bool m_gesichert = false;
};
