#include "frmReisePlanen.h"

#include "Aufstellung.h"
#include "Dateien.h"
#include "DayEngine.h"
#include "Dialoge.h"
#include "Fenster.h"
#include "KartenEngine.h"
#include "Reisekarte.h"
#include "Subs.h"
#include "Variablen.h"
#include "Zufall.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace DayEngine;

namespace {

enum Spalte { kStrecke, kGelaende, kUnterart, kHuegelig, kTempo };

const QString kFilter = QStringLiteral("Aufstellungen (*.dat *.txt);;Alle Dateien (*)");

QRadioButton* Knopf(const QString& name, const QString& text, QWidget* eltern)
{
    auto* knopf = new QRadioButton(text, eltern);
    knopf->setObjectName(name);
    return knopf;
}

QSpinBox* Zahlfeld(const QString& name, int minimum, int maximum, int wert)
{
    auto* feld = new QSpinBox;
    feld->setObjectName(name);
    feld->setRange(minimum, maximum);
    feld->setValue(wert);
    return feld;
}

} // namespace

frmReisePlanen::frmReisePlanen(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("frmReisePlanen"));
    setWindowTitle(Programmtitel + QStringLiteral(" - Reise planen"));
    if (eltern)
        setWindowIcon(eltern->windowIcon());
    setModal(true);

    // The route: registered cities with waypoints, or a distance.
    auto* fraRoute = new QGroupBox(QStringLiteral("Route"), this);
    fraRoute->setObjectName(QStringLiteral("fraRoute"));
    optStaedte = Knopf(QStringLiteral("optStaedte"), QStringLiteral("Zwischen Städten der Karte"), fraRoute);
    optMeilen = Knopf(QStringLiteral("optMeilen"), QStringLiteral("Über eine Entfernung in Meilen:"), fraRoute);
    const QStringList staedte = KartenEngine::ListeLaden().Namen;
    auto kombo = [&](const QString& name) {
        auto* box = new QComboBox(fraRoute);
        box->setObjectName(name);
        box->addItems(staedte);
        box->setCurrentIndex(-1);
        Fenster::AuswahlBegrenzen(box, 20);
        return box;
    };
    cmbVon = kombo(QStringLiteral("cmbVon"));
    cmbNach = kombo(QStringLiteral("cmbNach"));
    cmbUeber = kombo(QStringLiteral("cmbUeber"));
    lstUeber = new QListWidget(fraRoute);
    lstUeber->setObjectName(QStringLiteral("lstUeber"));
    lstUeber->setToolTip(QStringLiteral("Die Zwischenhalte in ihrer Reihenfolge"));
    cmdUeberHinzu = new QPushButton(QStringLiteral("Hinzufügen"), fraRoute);
    cmdUeberHinzu->setObjectName(QStringLiteral("cmdUeberHinzu"));
    cmdUeberEntfernen = new QPushButton(QStringLiteral("Entfernen"), fraRoute);
    cmdUeberEntfernen->setObjectName(QStringLiteral("cmdUeberEntfernen"));
    txtMeilen = new QLineEdit(fraRoute);
    txtMeilen->setObjectName(QStringLiteral("txtMeilen"));
    auto* route = new QGridLayout(fraRoute);
    // The waypoints in their order beside the three boxes.
    route->addWidget(optStaedte, 0, 0, 1, 4);
    route->addWidget(new QLabel(QStringLiteral("Von:")), 1, 0);
    route->addWidget(cmbVon, 1, 1);
    route->addWidget(new QLabel(QStringLiteral("Über:")), 2, 0);
    route->addWidget(cmbUeber, 2, 1);
    route->addWidget(cmdUeberHinzu, 2, 2);
    route->addWidget(new QLabel(QStringLiteral("Nach:")), 3, 0);
    route->addWidget(cmbNach, 3, 1);
    route->addWidget(cmdUeberEntfernen, 3, 2);
    route->addWidget(lstUeber, 1, 3, 3, 1);
    route->addWidget(optMeilen, 4, 0, 1, 2);
    route->addWidget(txtMeilen, 4, 2, 1, 2);
    optStaedte->setChecked(true);

    auto* fraEtappen = new QGroupBox(QStringLiteral("Etappen"), this);
    fraEtappen->setObjectName(QStringLiteral("fraEtappen"));
    tblEtappen = new QTableWidget(0, 5, fraEtappen);
    tblEtappen->setObjectName(QStringLiteral("tblEtappen"));
    tblEtappen->setHorizontalHeaderLabels({QStringLiteral("Etappe"), QStringLiteral("Gelände"), QStringLiteral("Unterart"),
                                           QStringLiteral("Hügelig"), QStringLiteral("Meilen pro Tag")});
    tblEtappen->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblEtappen->horizontalHeader()->setSectionResizeMode(kStrecke, QHeaderView::Stretch);
    tblEtappen->verticalHeader()->hide();
    // Rows as high as the boxes in them.
    tblEtappen->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblEtappen->setSelectionMode(QAbstractItemView::NoSelection);
    tblEtappen->setMinimumHeight(84);
    auto* etappen = new QVBoxLayout(fraEtappen);
    etappen->addWidget(tblEtappen);
    auto* lblTempo = new QLabel(QStringLiteral("Meilen pro Tag nur, wo das Gelände keine Geschwindigkeit kennt."), fraEtappen);
    lblTempo->setToolTip(QStringLiteral("Der Sumpf kennt keine, die Klippengebiete keine beritten; sonst zeigt die Spalte "
                                        "die Geschwindigkeit des Geländes."));
    etappen->addWidget(lblTempo);

    auto* fraReise = new QGroupBox(QStringLiteral("Reise"), this);
    fraReise->setObjectName(QStringLiteral("fraReise"));
    auto* reise = new QGridLayout(fraReise);
    const QStringList jahreszeiten = Jahreszeiten();
    reise->addWidget(new QLabel(QStringLiteral("Jahreszeit:")), 0, 0);
    auto* saisonGruppe = new QWidget(fraReise);
    auto* saison = new QHBoxLayout(saisonGruppe);
    saison->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        Option[i] = Knopf(QStringLiteral("Option%1").arg(i + 1), jahreszeiten[i], saisonGruppe);
        saison->addWidget(Option[i]);
    }
    Option[0]->setChecked(true);
    reise->addWidget(saisonGruppe, 0, 1, 1, 3);
    auto* artGruppe = new QWidget(fraReise);
    auto* art = new QHBoxLayout(artGruppe);
    art->setContentsMargins(0, 0, 0, 0);
    optZuFuss = Knopf(QStringLiteral("optZuFuss"), QStringLiteral("zu Fuß"), artGruppe);
    optBeritten = Knopf(QStringLiteral("optBeritten"), QStringLiteral("beritten"), artGruppe);
    art->addWidget(optZuFuss);
    art->addWidget(optBeritten);
    optZuFuss->setChecked(true);
    txtReisende = Zahlfeld(QStringLiteral("txtReisende"), 1, Reise::HoechsteKoepfe, 4);
    txtReittiere = Zahlfeld(QStringLiteral("txtReittiere"), 0, Reise::HoechsteKoepfe, 0);
    art->addSpacing(12);
    art->addWidget(new QLabel(QStringLiteral("Reisende:")));
    art->addWidget(txtReisende);
    art->addWidget(new QLabel(QStringLiteral("Reittiere:")));
    art->addWidget(txtReittiere);
    reise->addWidget(new QLabel(QStringLiteral("Reiseart:")), 1, 0);
    reise->addWidget(artGruppe, 1, 1, 1, 3);

    // The heroes' buttons are a group of their own inside the travel frame.
    auto* fraHelden = new QWidget(fraReise);
    fraHelden->setObjectName(QStringLiteral("fraHelden"));
    optOhneHelden = Knopf(QStringLiteral("optOhneHelden"), QStringLiteral("Keine (ohne Gewinnchancen)"), fraHelden);
    optAufstellung = Knopf(QStringLiteral("optAufstellung"), QStringLiteral("Aufstellung aus einer Datei:"), fraHelden);
    optLetzteAufstellung =
        Knopf(QStringLiteral("optLetzteAufstellung"), QStringLiteral("Die letzte Aufstellung von Bestiar3"), fraHelden);
    txtAufstellung = new QLineEdit(fraHelden);
    txtAufstellung->setObjectName(QStringLiteral("txtAufstellung"));
    cmdAufstellung = new QPushButton(QStringLiteral("Wählen…"), fraHelden);
    cmdAufstellung->setObjectName(QStringLiteral("cmdAufstellung"));
    const bool letzte = QFileInfo(Aufstellung::LetztePfad()).isFile();
    optLetzteAufstellung->setEnabled(letzte);
    optLetzteAufstellung->setToolTip(letzte ? QStringLiteral("Die Helden des letzten Kampfs oder der letzten Berechnung "
                                                             "der Gewinnchancen in Bestiar3")
                                            : QStringLiteral("Bestiar3 hat noch keine Aufstellung gekämpft."));
    auto* helden = new QGridLayout(fraHelden);
    helden->setContentsMargins(0, 0, 0, 0);
    helden->addWidget(optOhneHelden, 0, 0);
    helden->addWidget(optLetzteAufstellung, 0, 1, 1, 2);
    helden->addWidget(optAufstellung, 1, 0);
    helden->addWidget(txtAufstellung, 1, 1);
    helden->addWidget(cmdAufstellung, 1, 2);
    optOhneHelden->setChecked(true);
    reise->addWidget(new QLabel(QStringLiteral("Helden:")), 2, 0, Qt::AlignTop);
    reise->addWidget(fraHelden, 2, 1, 1, 3);

    cmdReiseBerechnen = new QPushButton(QStringLiteral("Reise berechnen"), this);
    cmdReiseBerechnen->setObjectName(QStringLiteral("cmdReiseBerechnen"));
    cmdReiseBerechnen->setDefault(true);
    // Enter always calculates, whichever helper button was clicked last.
    for (QPushButton* knopf : {cmdUeberHinzu, cmdUeberEntfernen, cmdAufstellung})
        knopf->setAutoDefault(false);
    auto* cmdAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    cmdAbbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(cmdReiseBerechnen);
    knoepfe->addWidget(cmdAbbrechen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraRoute);
    layout->addWidget(fraEtappen, 1);
    layout->addWidget(fraReise);
    layout->addLayout(knoepfe);
    setMinimumWidth(720);

    connect(optStaedte, &QRadioButton::toggled, this, &frmReisePlanen::EtappenAktualisieren);
    connect(cmbVon, &QComboBox::currentIndexChanged, this, &frmReisePlanen::EtappenAktualisieren);
    connect(cmbNach, &QComboBox::currentIndexChanged, this, &frmReisePlanen::EtappenAktualisieren);
    connect(optBeritten, &QRadioButton::toggled, this, [this] {
        // Mounted, every traveller rides unless the user says otherwise.
        if (optBeritten->isChecked() && txtReittiere->value() == 0)
            txtReittiere->setValue(txtReisende->value());
        for (int i = 0; i < tblEtappen->rowCount(); ++i)
            TempoAnzeigen(i);
    });
    connect(cmdUeberHinzu, &QPushButton::clicked, this, &frmReisePlanen::cmdUeberHinzu_Click);
    connect(cmdUeberEntfernen, &QPushButton::clicked, this, &frmReisePlanen::cmdUeberEntfernen_Click);
    connect(cmdAufstellung, &QPushButton::clicked, this, &frmReisePlanen::cmdAufstellung_Click);
    connect(cmdReiseBerechnen, &QPushButton::clicked, this, &frmReisePlanen::cmdReiseBerechnen_Click);
    connect(cmdAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    EtappenAktualisieren();
}

void frmReisePlanen::cmdUeberHinzu_Click()
{
    if (cmbUeber->currentIndex() < 0)
        return;
    lstUeber->addItem(cmbUeber->currentText());
    EtappenAktualisieren();
}

void frmReisePlanen::cmdUeberEntfernen_Click()
{
    const int zeile = lstUeber->currentRow() >= 0 ? lstUeber->currentRow() : lstUeber->count() - 1;
    if (zeile < 0)
        return;
    delete lstUeber->takeItem(zeile);
    EtappenAktualisieren();
}

void frmReisePlanen::cmdAufstellung_Click()
{
    const QString datei = Dialoge::Aktuell().DateiOeffnen(Variablen::WbdPfad, kFilter);
    if (datei.isEmpty())
        return;
    txtAufstellung->setText(datei);
    optAufstellung->setChecked(true);
}

void frmReisePlanen::EtappenAktualisieren()
{
    // The route as the controls name it: a text a leg.
    QStringList namen;
    if (optStaedte->isChecked()) {
        QStringList orte{cmbVon->currentText()};
        for (int i = 0; i < lstUeber->count(); ++i)
            orte.append(lstUeber->item(i)->text());
        orte.append(cmbNach->currentText());
        for (qsizetype i = 1; i < orte.size(); ++i)
            namen.append((orte[i - 1].isEmpty() ? QStringLiteral("?") : orte[i - 1]) + QStringLiteral(" – ")
                         + (orte[i].isEmpty() ? QStringLiteral("?") : orte[i]));
    } else {
        namen.append(QStringLiteral("Ganze Strecke"));
    }
    const int alt = tblEtappen->rowCount();
    tblEtappen->setRowCount(int(namen.size()));
    for (int i = 0; i < namen.size(); ++i) {
        if (i >= alt)
            ZeileFuellen(i);
        auto* strecke = new QTableWidgetItem(namen[i]);
        strecke->setFlags(Qt::ItemIsEnabled);
        tblEtappen->setItem(i, kStrecke, strecke);
    }
    cmbVon->setEnabled(optStaedte->isChecked());
    cmbNach->setEnabled(optStaedte->isChecked());
    cmbUeber->setEnabled(optStaedte->isChecked());
    lstUeber->setEnabled(optStaedte->isChecked());
    cmdUeberHinzu->setEnabled(optStaedte->isChecked());
    cmdUeberEntfernen->setEnabled(optStaedte->isChecked());
    txtMeilen->setEnabled(optMeilen->isChecked());
}

void frmReisePlanen::ZeileFuellen(int zeile)
{
    auto* gelaende = new QComboBox;
    gelaende->setObjectName(Fenster::ArrayName(QStringLiteral("cmbGelände"), zeile));
    gelaende->addItems(Gelaendearten());
    // A new leg goes on through the land of the one before, as a journey usually does.
    auto* vorher = zeile > 0 ? qobject_cast<QComboBox*>(tblEtappen->cellWidget(zeile - 1, kGelaende)) : nullptr;
    gelaende->setCurrentIndex(vorher ? vorher->currentIndex() : -1);
    auto* unterart = new QComboBox;
    unterart->setObjectName(Fenster::ArrayName(QStringLiteral("cmbUnterart"), zeile));
    // Wide enough for "Waldwege und -pfade"; the longest sub-kind shows elided.
    unterart->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    unterart->setMinimumContentsLength(18);
    auto* huegelig = new QCheckBox;
    huegelig->setObjectName(Fenster::ArrayName(QStringLiteral("chkHügelig"), zeile));
    auto* tempo = Zahlfeld(Fenster::ArrayName(QStringLiteral("txtMeilenProTag"), zeile), 0, 1000, 0);
    tempo->setSpecialValueText(QStringLiteral("–"));
    tblEtappen->setCellWidget(zeile, kGelaende, gelaende);
    tblEtappen->setCellWidget(zeile, kUnterart, unterart);
    tblEtappen->setCellWidget(zeile, kHuegelig, huegelig);
    tblEtappen->setCellWidget(zeile, kTempo, tempo);
    auto arten = [unterart, gelaende] {
        unterart->clear();
        for (const Geschwindigkeit& g : Geschwindigkeiten(gelaende->currentText()))
            if (!g.Unterart.isEmpty())
                unterart->addItem(g.Unterart);
        unterart->setEnabled(unterart->count() > 1);
    };
    arten();
    connect(gelaende, &QComboBox::currentIndexChanged, this, [this, zeile, arten] {
        arten();
        TempoAnzeigen(zeile);
    });
    connect(unterart, &QComboBox::currentIndexChanged, this, [this, zeile] { TempoAnzeigen(zeile); });
    TempoAnzeigen(zeile);
}

void frmReisePlanen::TempoAnzeigen(int zeile)
{
    auto* gelaende = qobject_cast<QComboBox*>(tblEtappen->cellWidget(zeile, kGelaende));
    auto* unterart = qobject_cast<QComboBox*>(tblEtappen->cellWidget(zeile, kUnterart));
    auto* tempo = qobject_cast<QSpinBox*>(tblEtappen->cellWidget(zeile, kTempo));
    if (!gelaende || !unterart || !tempo)
        return;
    int bekannt = 0;
    for (const Geschwindigkeit& g : Geschwindigkeiten(gelaende->currentText()))
        if (g.Unterart == unterart->currentText())
            bekannt = optBeritten->isChecked() ? g.Beritten : g.Fuss;
    // Where the terrain knows the speed it is shown; only where it does not is the user asked for one.
    const bool frei = !gelaende->currentText().isEmpty() && bekannt == 0;
    // A speed shown before is no answer: the field starts empty when it starts asking.
    if (frei && !tempo->isEnabled())
        tempo->setValue(0);
    tempo->setEnabled(frei);
    if (!frei)
        tempo->setValue(bekannt);
}

std::optional<Reise::Plan> frmReisePlanen::PlanLesen(QString* fehler) const
{
    Reise::Plan plan;
    if (optStaedte->isChecked()) {
        if (cmbVon->currentIndex() < 0 || cmbNach->currentIndex() < 0) {
            *fehler = QStringLiteral("Bitte wählt Start und Ziel der Reise.");
            return std::nullopt;
        }
        plan.Staedte.append(cmbVon->currentText());
        for (int i = 0; i < lstUeber->count(); ++i)
            plan.Staedte.append(lstUeber->item(i)->text());
        plan.Staedte.append(cmbNach->currentText());
    } else {
        const Subs::Ganzzahleingabe meilen = Subs::GanzzahlLesen(txtMeilen->text(), 0, 1000000000, QStringLiteral("die Meilen"));
        if (!meilen.Ok) {
            *fehler = meilen.Meldung;
            return std::nullopt;
        }
        plan.Meilen = meilen.Wert;
    }
    for (int i = 0; i < tblEtappen->rowCount(); ++i) {
        Reise::Etappenwahl wahl;
        wahl.Gelaende = qobject_cast<QComboBox*>(tblEtappen->cellWidget(i, kGelaende))->currentText();
        wahl.Unterart = qobject_cast<QComboBox*>(tblEtappen->cellWidget(i, kUnterart))->currentText();
        wahl.Huegelig = qobject_cast<QCheckBox*>(tblEtappen->cellWidget(i, kHuegelig))->isChecked();
        auto* tempo = qobject_cast<QSpinBox*>(tblEtappen->cellWidget(i, kTempo));
        wahl.MeilenProTag = tempo->isEnabled() ? tempo->value() : 0;
        plan.Etappen.append(wahl);
    }
    for (int i = 0; i < 4; ++i)
        if (Option[i]->isChecked())
            plan.Saison = Jahreszeit(i);
    plan.Beritten = optBeritten->isChecked();
    plan.Reisende = txtReisende->value();
    plan.Reittiere = txtReittiere->value();
    QString datei;
    if (optAufstellung->isChecked()) {
        datei = txtAufstellung->text().trimmed();
        if (datei.isEmpty()) {
            *fehler = QStringLiteral("Bitte wählt die Datei der Aufstellung.");
            return std::nullopt;
        }
    } else if (optLetzteAufstellung->isChecked()) {
        datei = Aufstellung::LetztePfad();
    }
    if (!datei.isEmpty()) {
        const auto stand = Aufstellung::Lesen(datei, fehler);
        if (!stand)
            return std::nullopt;
        if (stand->Helden.isEmpty()) {
            *fehler = QStringLiteral("Die Aufstellung %1 hat keine Helden („Held“-Zeilen).").arg(Dateien::Anzeigename(datei));
            return std::nullopt;
        }
        plan.Helden = stand->Helden;
        plan.Heldenquelle = optLetzteAufstellung->isChecked() ? QStringLiteral("der letzten Aufstellung von Bestiar3")
                                                              : Dateien::Anzeigename(datei);
    }
    return plan;
}

void frmReisePlanen::cmdReiseBerechnen_Click()
{
    QString fehler;
    const std::optional<Reise::Plan> plan = PlanLesen(&fehler);
    if (!plan) {
        Dialoge::Warnung(fehler);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // A fresh seed for the whole journey; the page names it, so batch mode can make the same journey again.
    const quint64 saat = Zufall::NeueSaat();
    std::optional<Reise::Ergebnis> reise;
    QByteArray karte;
    QString grund;
    {
        Zufall::Eigene quelle(saat);
        reise = Reise::Planen(*plan, saat, &fehler);
        if (reise)
            karte = Reisekarte::Png(*reise, &grund);
    }
    const QString pfad = TempSeite();
    const bool geschrieben = reise && Reise::SeiteSpeichern(*reise, karte, pfad, &fehler);
    QApplication::restoreOverrideCursor();
    if (!geschrieben) {
        // The page shown before stays; the window stays open for another try.
        Dialoge::Warnung(fehler);
        return;
    }
    Q_EMIT SeiteErstellt(pfad);
    QStringList meldungen = reise->Meldungen;
    if (karte.isEmpty() && !plan->Staedte.isEmpty())
        meldungen.prepend(grund);
    if (!meldungen.isEmpty())
        Dialoge::Warnung(meldungen.join(QLatin1Char('\n')));
    accept();
}
