#include "frmManagerCredits.h"

#include "Credits.h"
#include "Fenster.h"
#include "Variablen.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmManagerCredits::frmManagerCredits(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("frmManagerCredits"));
    setWindowTitle(Variablen::Programmtitel + QStringLiteral(" - Credits"));
    // The picture is a framed sheet: the texts are written onto it.
    Fenster::HintergrundSetzen(this, QStringLiteral("Credits.jpg"));
    setFixedSize(520, 390);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(48, 36, 48, 30);
    const auto beschriftung = [this, layout](const QString& name, const QString& text, double groesse) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setStyleSheet(QStringLiteral("QLabel { color: #4a3418; }"));
        QFont schrift = label->font();
        schrift.setPointSizeF(schrift.pointSizeF() * groesse);
        schrift.setBold(groesse > 1);
        label->setFont(schrift);
        layout->addWidget(label);
    };
    beschriftung(QStringLiteral("lblTitel"), Credits::Titel(), 1.5);
    layout->addSpacing(8);
    beschriftung(QStringLiteral("lblTester"), Credits::Tester(), 1.0);
    beschriftung(QStringLiteral("lblDank"), Credits::Dank(), 1.0);
    layout->addStretch();

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(cmdOK, 0, Qt::AlignCenter);
}

frmManagerCredits::~frmManagerCredits() = default;
