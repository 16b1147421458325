#include "QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryFile>
#include <QThread>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

bool QtShell::Oeffnen(const QString& dokumentOderAdresse)
{
    // A path of an existing file is a document; anything else is taken as an address.
    const QUrl adresse = QFileInfo::exists(dokumentOderAdresse) ? QUrl::fromLocalFile(dokumentOderAdresse)
                                                                : QUrl(dokumentOderAdresse, QUrl::TolerantMode);
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty())
        return QDesktopServices::openUrl(adresse);
    // xdg-open says within moments whether a program took the document (exit status 0) or none was found.
    // It runs detached, so a viewer it turns into outlives this program; its status comes back in a file.
    QTemporaryFile status(QDir::tempPath() + QStringLiteral("/werkbund-oeffnen-XXXXXX"));
    if (!status.open())
        return QDesktopServices::openUrl(adresse);
    status.close();
    const QString ziel = adresse.isLocalFile() ? adresse.toLocalFile() : adresse.toString(QUrl::FullyEncoded);
    if (!QProcess::startDetached(QStringLiteral("/bin/sh"),
                                 {QStringLiteral("-c"), QStringLiteral("\"$0\" \"$1\"; s=$?; [ -e \"$2\" ] && echo $s > \"$2\""), xdgOpen, ziel,
                                  status.fileName()}))
        return false;
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < 2000) {
        QFile datei(status.fileName());
        if (datei.open(QIODevice::ReadOnly)) {
            const QByteArray antwort = datei.readAll().trimmed();
            if (!antwort.isEmpty())
                return antwort == "0";
        }
        QThread::msleep(20);
    }
    return true;
}

bool QtShell::Starten(const QString& programm, Shell::Fensterstil)
{
    // Linux has no window style to pass; a program shows its window as it likes.
    return QProcess::startDetached(programm, {}, QFileInfo(programm).absolutePath());
}
