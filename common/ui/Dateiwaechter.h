#pragma once

#include "Dateien.h"

#include <QObject>
#include <QString>

#include <functional>

class QFileSystemWatcher;
class QTimer;
class QWidget;

// Tells a window when a file it shows was changed by another program: a watch on each file and its folder
// (a save elsewhere puts a new file in place, which a watch on the old one alone would miss), and a look at
// every file when the window becomes active, since watches can miss changes. A file counts as changed when
// it differs from what the window knows of it (`bekannt`, which the window keeps up to date with its own
// loads and saves), so the window's own saves never report.
class Dateiwaechter : public QObject {
    Q_OBJECT
public:
    explicit Dateiwaechter(QWidget* fenster);
    ~Dateiwaechter() override;

    // Watches the file; `bekannt` gives what the window holds of it now.
    void Beobachten(const QString& pfad, std::function<Dateien::Fingerabdruck()> bekannt);
    void Entfernen(const QString& pfad);
    // Looks at every watched file now.
    void Pruefen();

Q_SIGNALS:
    // The file differs from what the window holds of it.
    void Geaendert(const QString& pfad);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    struct Datei {
        QString pfad;
        std::function<Dateien::Fingerabdruck()> bekannt;
    };
    QList<Datei> m_dateien;
    QFileSystemWatcher* m_watcher = nullptr;
    // A save elsewhere reports several times in a row; they are looked at once, a moment later.
    QTimer* m_verzoegerung = nullptr;
    bool m_pruefend = false;
    bool m_nochmal = false;
};
