#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// Shared by the benchmarks: a temporary installation with the shipped data, timing, and the report line.
namespace BenchSupport {

// Copies the staged installation content into the folder and points the path variables at it.
void InstallationAnlegen(const QString& ordner);

// Milliseconds per run: the median of `laeufe` runs of the function.
double MedianMs(int laeufe, const std::function<void()>& lauf);

// Milliseconds from starting the program (with WERKBUND_STARTMESSUNG set) until it reports on standard
// output that its window has been shown; the median of `laeufe` starts. -1 when it could not be started,
// never reported, or did not end cleanly afterwards.
double StartzeitMs(const QString& programm, const QStringList& argumente, int laeufe);

// Prints "name: value unit" and, with a budget, " (Budget b unit)"; returns false when the budget is missed.
bool Melden(const QString& name, double wert, const QString& einheit, double budget = -1, bool hoeherIstBesser = false);

} // namespace BenchSupport
