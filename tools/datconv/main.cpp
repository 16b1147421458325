// Converts the shipped content from the repository form (UTF-8, LF) into the installation form
// (Windows-1252, CR LF). Other files are copied unchanged.
#include "Zeilendatei.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

bool IstText(const QString& pfad)
{
    const QString endung = QFileInfo(pfad).suffix().toLower();
    return endung == QLatin1String("dat") || endung == QLatin1String("ini") || endung == QLatin1String("htm")
        || endung == QLatin1String("html") || endung == QLatin1String("txt");
}

bool Umwandeln(const QString& quelle, const QString& ziel)
{
    QFile ein(quelle);
    if (!ein.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = ein.readAll();
    if (IstText(quelle)) {
        QString text = QString::fromUtf8(bytes);
        text.remove(QLatin1Char('\r'));
        if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
            text += QLatin1Char('\n');
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        // Bytes that the programs would read as UTF-8 are written so that they read as meant.
        bytes = Zeilendatei::Eindeutig(Zeilendatei::InCodepage(text));
    }
    QDir().mkpath(QFileInfo(ziel).absolutePath());
    QSaveFile aus(ziel);
    return aus.open(QIODevice::WriteOnly) && aus.write(bytes) == bytes.size() && aus.commit();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "Aufruf: datconv QUELLORDNER ZIELORDNER\n");
        return 2;
    }
    const QDir quelle(args[1]);
    int anzahl = 0;
    QDirIterator it(args[1], QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        const QString relativ = quelle.relativeFilePath(pfad);
        if (!Umwandeln(pfad, args[2] + QLatin1Char('/') + relativ)) {
            std::fprintf(stderr, "datconv: %s konnte nicht umgewandelt werden\n", qPrintable(relativ));
            return 1;
        }
        ++anzahl;
    }
    std::printf("datconv: %d Dateien\n", anzahl);
    return 0;
}
