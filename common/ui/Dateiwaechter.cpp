#include "Dateiwaechter.h"

#include <QEvent>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>
#include <QWidget>

Dateiwaechter::Dateiwaechter(QWidget* fenster) : QObject(fenster)
{
    m_watcher = new QFileSystemWatcher(this);
    m_verzoegerung = new QTimer(this);
    m_verzoegerung->setSingleShot(true);
    m_verzoegerung->setInterval(60);
    connect(m_verzoegerung, &QTimer::timeout, this, &Dateiwaechter::Pruefen);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, m_verzoegerung, qOverload<>(&QTimer::start));
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_verzoegerung, qOverload<>(&QTimer::start));
    if (fenster)
        fenster->installEventFilter(this);
}

Dateiwaechter::~Dateiwaechter() = default;

void Dateiwaechter::Beobachten(const QString& pfad, std::function<Dateien::Fingerabdruck()> bekannt)
{
    for (Datei& d : m_dateien)
        if (d.pfad == pfad) {
            d.bekannt = std::move(bekannt);
            return;
        }
    m_dateien.append({pfad, std::move(bekannt)});
    const QFileInfo info(pfad);
    if (info.exists())
        m_watcher->addPath(pfad);
    if (QFileInfo(info.absolutePath()).isDir())
        m_watcher->addPath(info.absolutePath());
}

void Dateiwaechter::Entfernen(const QString& pfad)
{
    for (qsizetype i = 0; i < m_dateien.size(); ++i)
        if (m_dateien[i].pfad == pfad) {
            m_dateien.removeAt(i);
            m_watcher->removePath(pfad);
            return;
        }
}

void Dateiwaechter::Pruefen()
{
    // A window that reloads may ask a question; a second look meanwhile would report the file twice. A look
    // asked for meanwhile (the window wrote another watched file) follows this one.
    if (m_pruefend) {
        m_nochmal = true;
        return;
    }
    m_pruefend = true;
    for (int runde = 0; runde < 3; ++runde) {
        m_nochmal = false;
        const QList<Datei> dateien = m_dateien;
        for (const Datei& d : dateien) {
            // A file replaced by a save is a new file: its watch goes with the old one.
            if (!m_watcher->files().contains(d.pfad) && QFileInfo::exists(d.pfad))
                m_watcher->addPath(d.pfad);
            if (!Dateien::Unveraendert(d.pfad, d.bekannt()))
                Q_EMIT Geaendert(d.pfad);
        }
        if (!m_nochmal)
            break;
    }
    m_pruefend = false;
}

bool Dateiwaechter::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::WindowActivate)
        m_verzoegerung->start();
    return QObject::eventFilter(objekt, ereignis);
}
