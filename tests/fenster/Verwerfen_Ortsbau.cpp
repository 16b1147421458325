#include "Verwerfen.h"

QList<Verwerfen::Fall> Verwerfen::Ortsbau()
{
    return {};
}
