#pragma once

#include <QDialog>

// The credits window: a picture, the suite title, the testers and the thanks.
class frmManagerCredits : public QDialog {
    Q_OBJECT
public:
    explicit frmManagerCredits(QWidget* eltern = nullptr);
    ~frmManagerCredits() override;
};
