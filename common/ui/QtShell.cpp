#include "QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

bool QtShell::Oeffnen(const QString& dokumentOderAdresse)
{
    // A path of an existing file is a document; anything else is taken as an address.
    const QUrl adresse = QFileInfo::exists(dokumentOderAdresse) ? QUrl::fromLocalFile(dokumentOderAdresse)
                                                                : QUrl(dokumentOderAdresse, QUrl::TolerantMode);
    return QDesktopServices::openUrl(adresse);
}

bool QtShell::Starten(const QString& programm, Shell::Fensterstil)
{
    // Linux has no window style to pass; a program shows its window as it likes.
    return QProcess::startDetached(programm, {}, QFileInfo(programm).absolutePath());
}
