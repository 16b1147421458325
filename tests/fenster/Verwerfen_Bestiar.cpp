#include "Verwerfen.h"

QList<Verwerfen::Fall> Verwerfen::Bestiar()
{
    return {};
}
