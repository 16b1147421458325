#include "QtDialoge.h"

#include "Fenster.h"
#include "Namensfeld.h"
#include "Pfad.h"
#include "Variablen.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTreeView>

Dialoge::Antwort QtDialoge::Meldung(const QString& text, Dialoge::Knoepfe knoepfe, Dialoge::Symbol symbol,
                                    const QString& titel)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(titel);
    box.setText(text);
    switch (symbol) {
    case Dialoge::Symbol::Information: box.setIcon(QMessageBox::Information); break;
    case Dialoge::Symbol::Ausrufezeichen: box.setIcon(QMessageBox::Warning); break;
    case Dialoge::Symbol::Frage: box.setIcon(QMessageBox::Question); break;
    case Dialoge::Symbol::Fehler: box.setIcon(QMessageBox::Critical); break;
    case Dialoge::Symbol::Keins: break;
    }
    if (knoepfe == Dialoge::Knoepfe::SpeichernVerwerfenAbbrechen) {
        QPushButton* speichern = box.addButton(QStringLiteral("&Speichern"), QMessageBox::AcceptRole);
        QPushButton* verwerfen = box.addButton(QStringLiteral("&Verwerfen"), QMessageBox::DestructiveRole);
        QPushButton* abbrechen = box.addButton(QStringLiteral("&Abbrechen"), QMessageBox::RejectRole);
        box.setDefaultButton(abbrechen);
        box.setEscapeButton(abbrechen);
        box.exec();
        if (box.clickedButton() == speichern)
            return Dialoge::Antwort::Speichern;
        return box.clickedButton() == verwerfen ? Dialoge::Antwort::Verwerfen : Dialoge::Antwort::Abbrechen;
    }
    if (knoepfe == Dialoge::Knoepfe::MeineAndereBeideAbbrechen || knoepfe == Dialoge::Knoepfe::MeineAndereAbbrechen) {
        QPushButton* meine = box.addButton(QStringLiteral("&Meine behalten"), QMessageBox::AcceptRole);
        QPushButton* andere = box.addButton(QStringLiteral("A&ndere behalten"), QMessageBox::DestructiveRole);
        QPushButton* beide = knoepfe == Dialoge::Knoepfe::MeineAndereBeideAbbrechen
            ? box.addButton(QStringLiteral("&Beide behalten"), QMessageBox::AcceptRole)
            : nullptr;
        QPushButton* abbrechen = box.addButton(QStringLiteral("&Abbrechen"), QMessageBox::RejectRole);
        box.setDefaultButton(abbrechen);
        box.setEscapeButton(abbrechen);
        box.exec();
        if (box.clickedButton() == meine)
            return Dialoge::Antwort::Meine;
        if (box.clickedButton() == andere)
            return Dialoge::Antwort::Andere;
        return beide && box.clickedButton() == beide ? Dialoge::Antwort::Beide : Dialoge::Antwort::Abbrechen;
    }
    if (knoepfe == Dialoge::Knoepfe::JaNeinAbbrechen) {
        QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        QPushButton* nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        QPushButton* abbrechen = box.addButton(QStringLiteral("&Abbrechen"), QMessageBox::RejectRole);
        box.setDefaultButton(nein);
        box.setEscapeButton(abbrechen);
        box.exec();
        if (box.clickedButton() == ja)
            return Dialoge::Antwort::Ja;
        return box.clickedButton() == nein ? Dialoge::Antwort::Nein : Dialoge::Antwort::Abbrechen;
    }
    if (knoepfe != Dialoge::Knoepfe::OK) {
        QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        QPushButton* nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        box.setDefaultButton(knoepfe == Dialoge::Knoepfe::JaNeinVorgabeNein ? nein : ja);
        box.setEscapeButton(nein);
        box.exec();
        return box.clickedButton() == ja ? Dialoge::Antwort::Ja : Dialoge::Antwort::Nein;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Dialoge::Antwort::OK;
}

QString QtDialoge::Eingabe(const QString& aufforderung, const QString& titel)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(titel);
    dialog.setLabelText(aufforderung);
    dialog.setInputMode(QInputDialog::TextInput);
    // Every answer asked for is one line: a name, a number, an address.
    Namensfeld::Anbringen(dialog.findChild<QLineEdit*>());
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QString QtDialoge::FilterUmwandeln(const QString& filter, QString* ersteEndung)
{
    const QStringList teile = filter.split(QLatin1Char('|'));
    QStringList paare;
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2) {
        const QStringList muster = teile[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        QString beschreibung = teile[i];
        const qsizetype klammer = beschreibung.indexOf(QLatin1Char('('));
        if (klammer > 0)
            beschreibung = beschreibung.left(klammer).trimmed();
        paare.append(beschreibung + QStringLiteral(" (") + muster.join(QLatin1Char(' ')) + QLatin1Char(')'));
        if (ersteEndung && ersteEndung->isEmpty() && !muster.isEmpty() && muster.first().startsWith(QLatin1String("*.")))
            *ersteEndung = muster.first().mid(2);
    }
    return paare.join(QStringLiteral(";;"));
}

namespace {

// Qt's own dialog, so its German translation applies whatever desktop runs the program.
void Einrichten(QFileDialog& dialog, const QString& titel)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(Variablen::Programmtitel.isEmpty() ? titel : Variablen::Programmtitel + QStringLiteral(" - ") + titel);
}

// Shown large enough that name, size, type and date are whole, then as large as the user left it.
int Zeigen(QFileDialog& dialog)
{
    const QString schluessel = Fenster::Programmname() + QStringLiteral(".Dateidialog");
    dialog.resize(900, 540);
    if (auto* ansicht = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        const int breiten[] = {330, 100, 140, 170};
        for (int i = 0; i < 4 && i < ansicht->header()->count(); ++i)
            ansicht->header()->resizeSection(i, breiten[i]);
    }
    Fenster::LageLaden(dialog, schluessel);
    const int ergebnis = dialog.exec();
    Fenster::LageSichern(dialog, schluessel);
    return ergebnis;
}

} // namespace

QString QtDialoge::DateiOeffnen(const QString& ordner, const QString& filter)
{
    QFileDialog dialog(QApplication::activeWindow(), QString(), Pfad::Aufloesen(ordner), FilterUmwandeln(filter));
    Einrichten(dialog, QStringLiteral("Datei öffnen"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (Zeigen(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

QString QtDialoge::DateiSpeichern(const QString& ordner, const QString& filter)
{
    QString endung;
    QFileDialog dialog(QApplication::activeWindow(), QString(), Pfad::Aufloesen(ordner), FilterUmwandeln(filter, &endung));
    Einrichten(dialog, QStringLiteral("Datei speichern unter"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without its extension gets the filter's one, as users expect.
    dialog.setDefaultSuffix(endung);
    if (Zeigen(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

bool QtDialoge::DruckerWaehlen(QPrinter& drucker)
{
    QPrintDialog dialog(&drucker, QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    return dialog.exec() == QDialog::Accepted;
}
