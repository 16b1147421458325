#include "Verwerfen.h"

QList<Verwerfen::Fall> Verwerfen::Lagerhof()
{
    return {};
}
