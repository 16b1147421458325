#pragma once

#include "CityEngine.h"
#include "Stadtbericht.h"
#include "Zufall.h"

#include <QBuffer>

// The pages a test expects, written by the engine into memory: the generator page from a seed, the report.
namespace CityTest {

inline QByteArray GeneratorSeite(const CityEngine::Generatoreingaben& e, quint64 saat)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    Zufall::SaatSetzen(saat);
    CityEngine::StadtGenerieren(e, puffer);
    Zufall::ProduktionSetzen();
    return puffer.data();
}

inline QByteArray Berichtseite(const CityEngine::Stadt& stadt)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    CityEngine::BerichtSchreiben(stadt, puffer);
    return puffer.data();
}

} // namespace CityTest
