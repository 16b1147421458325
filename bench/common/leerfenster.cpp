// The floor for window start-up: a bare main window with one label, shown and, with WERKBUND_STARTMESSUNG
// set, closed again at once, exactly as the suite's programs do for the start benchmarks.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow fenster;
    fenster.setCentralWidget(new QLabel(QStringLiteral("Werkbund 3")));
    fenster.show();
    if (qEnvironmentVariableIsSet("WERKBUND_STARTMESSUNG"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
