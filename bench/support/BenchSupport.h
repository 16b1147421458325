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

// The peak resident memory in kB of one start of the program with WERKBUND_STARTMESSUNG set (it ends after its
// first paint and the start-up work that waited for it); -1 when it failed.
long SpitzenspeicherKb(const QString& programm, const QStringList& argumente = {});

// Milliseconds from starting the program until it has ended with exit code 0 (its output is read and
// dropped); -1 when it failed.
double LaufzeitMs(const QString& programm, const QStringList& argumente);

// The median of `laeufe` ratios a/b, each of one run of a and one of b in turn after one warm-up of each,
// so the ratio holds on a busy machine; -1 when a run failed.
double Verhaeltnis(int laeufe, const std::function<double()>& a, const std::function<double()>& b);

// A copy of the program in the installation folder, where it finds its data.
QString ProgrammKopieren(const QString& ordner, const QString& werkzeugordner, const QString& name);

// Prints "name: value unit" and, with a budget, " (Budget b unit)"; returns false when the budget is missed.
bool Melden(const QString& name, double wert, const QString& einheit, double budget = -1, bool hoeherIstBesser = false);

} // namespace BenchSupport
