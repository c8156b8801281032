// Repeated timings of one operation and the figures the benchmarks print: median,
// spread and the slowest runs, in milliseconds.
#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <vector>

class Misure
{
public:
    // Runs operazione volte times (after one untimed warm-up when riscalda is set).
    static Misure Ripeti(int volte, const std::function<void()>& operazione, bool riscalda = true);

    // Runs the operations in turn, volte rounds, so that a busy moment of the machine
    // weighs on all of them alike; one untimed warm-up round first.
    static std::vector<Misure> Alterna(int volte, const std::vector<std::function<void()>>& operazioni);

    void Aggiungi(double millisecondi) { campioni_.push_back(millisecondi); }
    double Mediana() const { return Percentile(50); }
    double Percentile(double p) const;
    double Minimo() const;
    double Massimo() const;
    int Numero() const { return int(campioni_.size()); }

    // "median 12.345 ms  p5 ...  p95 ...  min ...  max ...  (n runs)"
    QString Riga() const;

private:
    std::vector<double> campioni_;
};

// Milliseconds since a steady start.
class Cronometro
{
public:
    Cronometro() : inizio_(std::chrono::steady_clock::now()) {}
    double Millisecondi() const
    {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio_).count();
    }

private:
    std::chrono::steady_clock::time_point inizio_;
};

// Peak resident memory of this process so far (VmHWM), in MB; 0 when unknown.
double PiccoMemoriaMB();

// Processor time so far (user and system, all threads), in milliseconds: of this process, and
// of its child processes that have finished.
double MillisecondiProcessore();
double MillisecondiProcessoreFigli();
// Processor time so far of the calling thread, in milliseconds: what a computation on it costs,
// whatever else the machine runs.
double MillisecondiDelFilo();
