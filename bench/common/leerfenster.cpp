// The floor for window start-up: a bare main window with one label. With WERKBUND_STARTMESSUNG set it
// marks its first paint on standard output and ends, exactly as the suite's programs do for the start
// benchmarks.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

namespace {

class Startmessung : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Paint && !m_gemeldet) {
            m_gemeldet = true;
            QTimer::singleShot(0, qApp, [] {
                std::fputs("Fenster gezeigt\n", stdout);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(objekt, ereignis);
    }

private:
    bool m_gemeldet = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow fenster;
    fenster.setCentralWidget(new QLabel(QStringLiteral("Werkbund 3")));
    if (qEnvironmentVariableIsSet("WERKBUND_STARTMESSUNG"))
        fenster.installEventFilter(new Startmessung(&fenster));
    fenster.show();
    return app.exec();
}
