#include "Dialoge.h"
#include "Fenster.h"
#include "FensterTestHilfe.h"
#include "Stadt.h"
#include "Stadtdatei.h"
#include "TestInstallation.h"
#include "Variablen.h"
#include "Verwerfen.h"
#include "Zeilendatei.h"
#include "frmCityMain.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QPointer>

using FensterTest::Kind;
using FensterTest::Klick;

namespace {

QPointer<frmCityMain> g_fenster;

QString Wbd(const QString& datei)
{
    QDir().mkpath(Variablen::WbdPfad);
    return QDir(Variablen::WbdPfad).filePath(datei);
}

void NeueStadt(frmCityMain& f, const QString& name)
{
    Fenster::ModalHandlerSetzen([name](QDialog& d) {
        Kind<QLineEdit>(d, QStringLiteral("txtName"))->setText(name);
        Kind<QLineEdit>(d, QStringLiteral("txtEinwohnerzahl"))->setText(QStringLiteral("300"));
        Kind<QComboBox>(d, QStringLiteral("cmbRasse"))->setCurrentIndex(2);
        Klick(d, QStringLiteral("cmdStart"));
        return d.result();
    });
    Klick(f, QStringLiteral("cmdNeu"));
    Fenster::ModalHandlerSetzen(nullptr);
}

// Lindenhain, started and unchanged, in a shown window; two files of another city to load.
QWidget* Lindenhain()
{
    auto* f = new frmCityMain;
    g_fenster = f;
    NeueStadt(*f, QStringLiteral("Lindenhain"));
    f->show();
    CityEngine::Stadt fremd;
    fremd.Name = QStringLiteral("Fremdburg");
    for (const char* datei : {"fremd1.wbd", "fremd2.wbd"})
        CityEngine::StadtdateiSchreiben(Wbd(QString::fromUtf8(datei)), fremd, {}, {});
    return f;
}

const QString kMayor = QStringLiteral("Bertram Holzer");

void MayorTippen(QWidget& f)
{
    Kind<QLineEdit>(f, QStringLiteral("txtBürgermeister"))->setText(kMayor);
}

bool MayorDa(QWidget& f)
{
    return f.isVisible() && Kind<QLineEdit>(f, QStringLiteral("txtBürgermeister"))->text() == kMayor;
}

bool MayorGespeichert(const TestInstallation&)
{
    for (QDirIterator it(Variablen::WbdPfad, {QStringLiteral("*.wbd")}); it.hasNext();)
        if (Zeilendatei::Lesen(it.next()).contains(kMayor))
            return true;
    return false;
}

} // namespace

QList<Verwerfen::Fall> Verwerfen::Ortsbau()
{
    using namespace CityEngine;
    return {
        {QStringLiteral("Ortsbau3 Gasthaus >>>"),
         [] {
             QWidget* f = Lindenhain();
             Kind<QLineEdit>(*f, QStringLiteral("txtGasthausName"))->setText(QStringLiteral("Anker"));
             Klick(*f, QStringLiteral("cmdGasthausSave"));
             return f;
         },
         [](QWidget& f) { Kind<QLineEdit>(f, QStringLiteral("txtGasthausName"))->setText(QStringLiteral("Anker und Krone")); },
         [](QWidget& f) { Klick(f, QStringLiteral("cmdGasthausWeiter")); }, QStringLiteral("Anker und Krone"),
         [](QWidget& f) { return Kind<QLineEdit>(f, QStringLiteral("txtGasthausName"))->text() == QStringLiteral("Anker und Krone"); },
         [](const TestInstallation&) {
             return g_fenster->Stadt().Betriebe[Gasthaus].Slots[0][FeldName] == QStringLiteral("Anker und Krone");
         }},
        {QStringLiteral("Ortsbau3 Tempel <<<"),
         [] {
             QWidget* f = Lindenhain();
             Kind<QComboBox>(*f, QStringLiteral("cmbTempelGott"))->setEditText(QStringLiteral("Travia"));
             Klick(*f, QStringLiteral("cmdTempelSave"));
             Klick(*f, QStringLiteral("cmdTempelWeiter"));
             return f;
         },
         [](QWidget& f) { Kind<QComboBox>(f, QStringLiteral("cmbTempelGott"))->setEditText(QStringLiteral("Rondra")); },
         [](QWidget& f) { Klick(f, QStringLiteral("cmdTempelZurück")); }, QStringLiteral("Rondra"),
         [](QWidget& f) { return Kind<QComboBox>(f, QStringLiteral("cmbTempelGott"))->currentText() == QStringLiteral("Rondra"); },
         [](const TestInstallation&) { return Goetter(g_fenster->Stadt()) == QStringList{QStringLiteral("Travia"), QStringLiteral("Rondra")}; }},
        {QStringLiteral("Ortsbau3 Neu"), Lindenhain, MayorTippen,
         [](QWidget& f) { NeueStadt(static_cast<frmCityMain&>(f), QStringLiteral("Neudorf")); },
         QStringLiteral("Lindenhain"), MayorDa, MayorGespeichert, QString(),
         [](Dialoge::Skript& s) {
             s.dateien = {Wbd(QStringLiteral("lindenhain.wbd"))};
             s.ja = {false};
         }},
        {QStringLiteral("Ortsbau3 Laden"), Lindenhain, MayorTippen, [](QWidget& f) { Klick(f, QStringLiteral("cmdLoad")); },
         QStringLiteral("Lindenhain"), MayorDa, MayorGespeichert, QString(),
         [](Dialoge::Skript& s) { s.dateien = {Wbd(QStringLiteral("fremd1.wbd")), Wbd(QStringLiteral("fremd2.wbd"))}; }},
        {QStringLiteral("Ortsbau3 Schließen"), Lindenhain, MayorTippen, [](QWidget& f) { f.close(); },
         QStringLiteral("Lindenhain"), MayorDa, MayorGespeichert, QString(),
         [](Dialoge::Skript& s) { s.dateien = {Wbd(QStringLiteral("lindenhain.wbd"))}; }},
    };
}
