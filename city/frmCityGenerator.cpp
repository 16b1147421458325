#include "frmCityGenerator.h"

#include "CityEngine.h"
#include "Dialoge.h"
#include "Fenster.h"
#include "Namensfeld.h"
#include "Shell.h"
#include "Stadt.h"
#include "Variablen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString kInfo[3] = {
    QStringLiteral("Der Name der Stadt kann beliebig gewählt werden. Die Einwohnerzahl beeinflusst die Anzahl und die "
                   "Art der Gebäude. Je mehr Einwohner die Stadt besitzt, umso mehr Gebäude sind vorhanden, außerdem "
                   "kommen auch seltenere Betriebe vor."),
    QStringLiteral("Je höher die Kriminalität in der Stadt ist, desto teurer sind die Waren. Das Gleiche gilt für den "
                   "Reichtum. Die Standardeinstellung ist Mittel. Bei einem niedrigen Wert werden die Waren billiger."),
    QStringLiteral("Die Region / Rasse der Einwohner beeinflusst die Zufallsnamen der Betriebsbesitzer, falls diese "
                   "angegeben werden sollen. Außerdem können, falls gewählt, bei einigen Betrieben Zufallsereignisse "
                   "auftreten."),
};

QGroupBox* Rahmen(const QString& titel, QWidget* a, QWidget* b = nullptr)
{
    auto* rahmen = new QGroupBox(titel);
    auto* layout = new QVBoxLayout(rahmen);
    layout->addWidget(a);
    if (b)
        layout->addWidget(b);
    return rahmen;
}

QWidget* Seitenblatt(QWidget* oben, QWidget* unten, QWidget* dazu = nullptr)
{
    auto* blatt = new QWidget;
    auto* layout = new QVBoxLayout(blatt);
    layout->addWidget(oben);
    if (unten)
        layout->addWidget(unten);
    if (dazu)
        layout->addWidget(dazu);
    layout->addStretch(1);
    return blatt;
}

QComboBox* Auswahl(const QString& name, const QStringList& eintraege)
{
    auto* liste = new QComboBox;
    liste->setObjectName(name);
    Fenster::AuswahlBegrenzen(liste);
    liste->addItems(eintraege);
    liste->setCurrentIndex(-1);
    return liste;
}

} // namespace

frmCityGenerator::frmCityGenerator(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("frmCityGenerator"));
    setWindowTitle(Variablen::Programmtitel + QStringLiteral(" - Stadtgenerator"));
    if (eltern)
        setWindowIcon(eltern->windowIcon());

    Text1 = new QLineEdit;
    Text1->setObjectName(QStringLiteral("Text1"));
    Namensfeld::Anbringen(Text1);
    Text2 = new QLineEdit;
    Text2->setObjectName(QStringLiteral("Text2"));
    Combo1 = Auswahl(QStringLiteral("Combo1"), CityEngine::Reichtuemer());
    Combo2 = Auswahl(QStringLiteral("Combo2"), CityEngine::Kriminalitaeten());
    Combo3 = Auswahl(QStringLiteral("Combo3"), CityEngine::Rassen());
    cmbLage = Auswahl(QStringLiteral("cmbLage"), CityEngine::Lagetexte());
    cmbLage->setCurrentIndex(0);
    cmbLage->setToolTip(QStringLiteral("Fischhändler, Fährleute und andere Berufe am Wasser gibt es nur am Fluss oder an der "
                                       "Küste, Bergführer nur im Gebirge. Welche Berufe wohin gehören, steht in den "
                                       "Dateien „Lage Fluss“, „Lage Küste“ und „Lage Gebirge“."));
    Check1 = new QCheckBox(QStringLiteral("Zufallsnamen"));
    Check1->setObjectName(QStringLiteral("Check1"));
    Check2 = new QCheckBox(QStringLiteral("Zufallsereignisse"));
    Check2->setObjectName(QStringLiteral("Check2"));
    Bar = new QProgressBar;
    Bar->setObjectName(QStringLiteral("Bar"));
    Bar->setRange(0, CityEngine::Generatorabschnitte);
    Bar->setValue(0);
    lblInfo = new QLabel;
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setWordWrap(true);
    lblInfo->setMinimumHeight(lblInfo->fontMetrics().height() * 4);

    m_seiten = new QStackedWidget;
    m_seiten->addWidget(Seitenblatt(Rahmen(QStringLiteral("Name der Stadt"), Text1),
                                    Rahmen(QStringLiteral("Einwohnerzahl"), Text2), Rahmen(QStringLiteral("Lage"), cmbLage)));
    m_seiten->addWidget(Seitenblatt(Rahmen(QStringLiteral("Reichtum der Stadt"), Combo1),
                                    Rahmen(QStringLiteral("Höhe der Kriminalität"), Combo2)));
    m_seiten->addWidget(Seitenblatt(Rahmen(QStringLiteral("Region / Rasse der Einwohner"), Combo3),
                                    Rahmen(QStringLiteral("Einstellungen"), Check1, Check2)));
    m_seiten->addWidget(Seitenblatt(Bar, nullptr));

    // The two buttons keep their Alt letters on every page, the changed caption of the last one included.
    cmdNav[0] = new QPushButton(QStringLiteral("<<< &Zurück"));
    cmdNav[1] = new QPushButton(QStringLiteral("&Weiter >>>"));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    for (int i = 0; i < 2; ++i) {
        cmdNav[i]->setObjectName(Fenster::ArrayName(QStringLiteral("cmdNav"), i));
        cmdNav[i]->setAutoDefault(false);
        knoepfe->addWidget(cmdNav[i]);
        connect(cmdNav[i], &QPushButton::clicked, this, [this, i] { cmdNav_Click(i); });
    }
    // Enter goes on to the next page, as the wizard's main button.
    cmdNav[1]->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_seiten, 1);
    layout->addWidget(lblInfo);
    layout->addLayout(knoepfe);

    connect(Text2, &QLineEdit::textChanged, this, &frmCityGenerator::Text2_Change);
    Text2_Change();
    SeiteZeigen();
    resize(460, 340);
}

void frmCityGenerator::Text2_Change()
{
    qint32 einwohner = 0;
    cmdNav[1]->setEnabled(CityEngine::EinwohnerLesen(Text2->text(), einwohner));
}

void frmCityGenerator::SeiteZeigen()
{
    m_seiten->setCurrentIndex(m_seite - 1);
    lblInfo->setText(m_seite <= 3 ? kInfo[m_seite - 1] : QString());
    lblInfo->setVisible(m_seite <= 3);
    cmdNav[1]->setText(m_seite == 3 ? QStringLiteral("&Fertigstellen") : QStringLiteral("&Weiter >>>"));
    // There is no page before the first one and no way back from the running generation.
    cmdNav[0]->setEnabled(m_seite > 1 && m_seite < 4);
    cmdNav[0]->setVisible(m_seite < 4);
    cmdNav[1]->setVisible(m_seite < 4);
    if (m_seite == 1)
        Text1->setFocus();
}

bool frmCityGenerator::EingabenUebernehmen()
{
    switch (m_seite) {
    case 1:
        m_stadtname = Text1->text();
        m_lage = CityEngine::Stadtlage(qMax(0, cmbLage->currentIndex()));
        if (!CityEngine::EinwohnerLesen(Text2->text(), m_einwohner))
            return false;
        return true;
    case 2:
        m_reichtum = Combo1->currentText();
        m_kriminalitaet = Combo2->currentText();
        return true;
    case 3:
        if (Check1->isChecked() && Combo3->currentText().isEmpty()) {
            Dialoge::Warnung(CityEngine::Meldungen::RasseFehlt);
            return false;
        }
        m_rasse = Combo3->currentText();
        return true;
    default:
        return true;
    }
}

void frmCityGenerator::cmdNav_Click(int index)
{
    if (!EingabenUebernehmen())
        return;
    const int neu = m_seite + (index == 1 ? 1 : -1);
    if (neu < 1 || neu > 4)
        return;
    if (neu == 4) {
        Generieren();
        return;
    }
    m_seite = neu;
    SeiteZeigen();
}

void frmCityGenerator::Generieren()
{
    const QString pfad =
        Dialoge::Aktuell().DateiSpeichern(Variablen::HtmlPfad, QStringLiteral("HTML-Dateien (*.html)|*.html"));
    if (pfad.isEmpty())
        return;
    m_seite = 4;
    SeiteZeigen();

    CityEngine::Generatoreingaben e;
    e.Stadtname = m_stadtname;
    e.Einwohner = m_einwohner;
    e.Reichtum = m_reichtum;
    e.Kriminalitaet = m_kriminalitaet;
    e.Rasse = m_rasse;
    e.Lage = m_lage;
    e.Zufallsnamen = Check1->isChecked();
    e.Zufallsereignisse = Check2->isChecked();
    QString fehler;
    if (!CityEngine::StadtGenerierenInDatei(e, pfad, &fehler, [this](int schritt) { Bar->setValue(schritt); })) {
        Dialoge::Warnung(QStringLiteral("Die Datei konnte nicht geschrieben werden:\n%1").arg(fehler));
        m_seite = 3;
        Bar->setValue(0);
        SeiteZeigen();
        return;
    }
    if (Dialoge::Frage(CityEngine::Meldungen::Berechnet))
        Shell::Zeigen(pfad);
    accept();
}
