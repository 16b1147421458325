#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: a scratch installation whose paths are set, a silent dialog seam (a
// reader's refusal message is not a finding), and a way to put the input where a reader looks for it.
namespace FuzzHilfe {

// Sets everything up once per process; returns the scratch installation folder.
QString Einrichten();

// Writes the input into the file below the installation ("Data/Armory/Nahkampfwaffen.dat") and returns
// its path.
QString Datei(const QString& relativ, const uint8_t* daten, size_t groesse);

// Two files from one input: the bytes before the first NUL go into `erste`, those after it into `zweite`;
// without a NUL both get the whole input.
void ZweiDateien(const QString& erste, const QString& zweite, const uint8_t* daten, size_t groesse);

inline QByteArray Bytes(const uint8_t* daten, size_t groesse)
{
    return QByteArray(reinterpret_cast<const char*>(daten), qsizetype(groesse));
}

} // namespace FuzzHilfe

// Every target defines this; libFuzzer calls it, and so does the replay test of the regression corpus.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse);
