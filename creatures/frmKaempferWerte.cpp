#include "frmKaempferWerte.h"

#include "Dialoge.h"
#include "Subs.h"
#include "Variablen.h"
#include "ZifferntastenFilter.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct Wert {
    const char* name;
    const char* beschriftung;
    const char* was;
    qint64 BattleEngine::Kaempfer::*feld;
};

const Wert kWerte[4] = {{"txtLE", "Lebensenergie (LE):", "die Lebensenergie", &BattleEngine::Kaempfer::LE},
                        {"txtAT", "Attackewert (AT):", "den Attackewert", &BattleEngine::Kaempfer::AT},
                        {"txtPA", "Paradewert (PA):", "den Paradewert", &BattleEngine::Kaempfer::PA},
                        {"txtRS", "Rüstungsschutz (RS):", "den Rüstungsschutz", &BattleEngine::Kaempfer::RS}};

} // namespace

frmKaempferWerte::frmKaempferWerte(const BattleEngine::Kaempfer& kaempfer, QWidget* eltern)
    : QDialog(eltern), m_kaempfer(kaempfer)
{
    setObjectName(QStringLiteral("frmKaempferWerte"));
    setWindowTitle(Variablen::Programmtitel + QStringLiteral(" - Werte für diesen Kampf"));
    if (eltern)
        setWindowIcon(eltern->windowIcon());
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* hinweis = new QLabel(QStringLiteral("„%1“ in dieser Aufstellung. Die Kreatur in der Datenbank bleibt, wie sie "
                                              "ist.")
                                   .arg(kaempfer.Name.toHtmlEscaped()));
    hinweis->setWordWrap(true);
    layout->addWidget(hinweis);
    auto* formular = new QFormLayout;
    for (int i = 0; i < 4; ++i) {
        m_boxen[i] = new QLineEdit(QString::number(kaempfer.*kWerte[i].feld));
        m_boxen[i]->setObjectName(QLatin1String(kWerte[i].name));
        ZifferntastenFilter::Anbringen(m_boxen[i]);
        formular->addRow(QString::fromUtf8(kWerte[i].beschriftung), m_boxen[i]);
    }
    layout->addLayout(formular);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* ok = knoepfe->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setText(QStringLiteral("OK"));
    QPushButton* abbrechen = knoepfe->button(QDialogButtonBox::Cancel);
    abbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    abbrechen->setText(QStringLiteral("Abbrechen"));
    layout->addWidget(knoepfe);
    connect(ok, &QPushButton::clicked, this, &frmKaempferWerte::cmdOK_Click);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    m_boxen[0]->selectAll();
}

void frmKaempferWerte::cmdOK_Click()
{
    BattleEngine::Kaempfer neu = m_kaempfer;
    for (int i = 0; i < 4; ++i) {
        // A member with LE 0 would be dead before the fight begins.
        const Subs::Ganzzahleingabe wert =
            Subs::GanzzahlLesen(m_boxen[i]->text(), i == 0 ? 1 : -32768, 32767, QString::fromUtf8(kWerte[i].was));
        if (!wert.Ok) {
            // The member keeps its values until all four are whole numbers of the range.
            Dialoge::Warnung(wert.Meldung);
            m_boxen[i]->setFocus();
            m_boxen[i]->selectAll();
            return;
        }
        neu.*kWerte[i].feld = wert.Wert;
    }
    m_kaempfer = neu;
    accept();
}
