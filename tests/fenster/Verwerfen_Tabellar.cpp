#include "Verwerfen.h"

QList<Verwerfen::Fall> Verwerfen::Tabellar()
{
    return {};
}
