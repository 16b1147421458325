#include "Browser.h"

#include "Dialoge.h"
#include "Zeilendatei.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

Browser::Browser(QWidget* eltern) : QTextBrowser(eltern)
{
    setObjectName(QStringLiteral("Browser"));
    setOpenLinks(true);
    setOpenExternalLinks(false);
}

void Browser::Oeffnen(const QString& pfad)
{
    m_geladen = false;
    const int vorgang = ++m_ladevorgang;
    QByteArray bytes;
    Zeilendatei::LadenRoh(pfad, bytes);
    QString html = Zeilendatei::AusCodepage(bytes);
    // Web browsers read "</BR>" as a line break, Qt's rich text ignores it; only the shown document changes.
    static const QRegularExpression umbruch(QStringLiteral("</br\\s*>"), QRegularExpression::CaseInsensitiveOption);
    html.replace(umbruch, QStringLiteral("<br>"));
    // The pages end their lines with CR LF. Qt's rich text takes the CR after a heading for text and runs
    // the next line into the heading's line ("Shopart:" beside the shop's name); a web browser does not.
    html.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    html.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // The pages carry no charset; they are read as the Windows-1252 they were written in.
    document()->setBaseUrl(QUrl::fromLocalFile(QFileInfo(pfad).absolutePath() + QLatin1Char('/')));
    setHtml(html);
    // Loading is reported after the call returns, as callers of a real browser expect.
    QTimer::singleShot(0, this, [this, vorgang] {
        if (vorgang != m_ladevorgang)
            return;
        m_geladen = true;
        Q_EMIT DokumentGeladen();
    });
}

bool Browser::Drucken()
{
    QPrinter drucker(QPrinter::HighResolution);
    if (!Dialoge::Aktuell().DruckerWaehlen(drucker))
        return false;
    document()->print(&drucker);
    return true;
}

bool Browser::SeiteDrucken(const QString& pfad, int wartezeitMs)
{
    setVisible(true);
    Oeffnen(pfad);
    QElapsedTimer uhr;
    uhr.start();
    while (!m_geladen && uhr.elapsed() < wartezeitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!m_geladen) {
        Dialoge::Warnung(QStringLiteral("Die Seite konnte nicht rechtzeitig geladen werden, es wurde nichts gedruckt."));
        return false;
    }
    return Drucken();
}
