#pragma once

#include "BattleEngine.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// The values of one group member that change between encounters (a wounded hero's LE, a better weapon or
// armour): LE, AT, PA and RS. Only the member changes; the creature in the database stays as it is.
class frmKaempferWerte : public QDialog {
    Q_OBJECT
public:
    explicit frmKaempferWerte(const BattleEngine::Kaempfer& kaempfer, QWidget* eltern = nullptr);

    // The member with the values typed; valid once the dialog was accepted.
    const BattleEngine::Kaempfer& Kaempfer() const { return m_kaempfer; }

public Q_SLOTS:
    void cmdOK_Click();

private:
    BattleEngine::Kaempfer m_kaempfer;
    QLineEdit* m_boxen[4];
};
