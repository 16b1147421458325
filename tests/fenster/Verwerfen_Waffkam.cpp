#include "Verwerfen.h"

QList<Verwerfen::Fall> Verwerfen::Waffkam()
{
    return {};
}
