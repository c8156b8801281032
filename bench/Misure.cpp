#include "Misure.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <ctime>
#include <sys/resource.h>

Misure Misure::Ripeti(int volte, const std::function<void()>& operazione, bool riscalda)
{
    if (riscalda)
        operazione();
    Misure misure;
    for (int i = 0; i < volte; ++i) {
        const Cronometro cronometro;
        operazione();
        misure.Aggiungi(cronometro.Millisecondi());
    }
    return misure;
}

std::vector<Misure> Misure::Alterna(int volte, const std::vector<std::function<void()>>& operazioni)
{
    for (const auto& operazione : operazioni)
        operazione();
    std::vector<Misure> misure(operazioni.size());
    for (int i = 0; i < volte; ++i) {
        for (size_t k = 0; k < operazioni.size(); ++k) {
            const Cronometro cronometro;
            operazioni[k]();
            misure[k].Aggiungi(cronometro.Millisecondi());
        }
    }
    return misure;
}

double Misure::Percentile(double p) const
{
    if (campioni_.empty())
        return 0;
    std::vector<double> ordinati = campioni_;
    std::sort(ordinati.begin(), ordinati.end());
    // Nearest rank: the smallest sample with at least p% of the samples at or below it.
    const double rango = std::ceil(p / 100.0 * double(ordinati.size()));
    const size_t indice = size_t(std::clamp(rango, 1.0, double(ordinati.size()))) - 1;
    return ordinati[indice];
}

double Misure::Minimo() const
{
    return campioni_.empty() ? 0 : *std::min_element(campioni_.begin(), campioni_.end());
}

double Misure::Massimo() const
{
    return campioni_.empty() ? 0 : *std::max_element(campioni_.begin(), campioni_.end());
}

QString Misure::Riga() const
{
    return QStringLiteral("median %1 ms  p5 %2  p95 %3  min %4  max %5  (%6 runs)")
        .arg(Mediana(), 0, 'f', 3)
        .arg(Percentile(5), 0, 'f', 3)
        .arg(Percentile(95), 0, 'f', 3)
        .arg(Minimo(), 0, 'f', 3)
        .arg(Massimo(), 0, 'f', 3)
        .arg(Numero());
}

double PiccoMemoriaMB()
{
    QFile stato(QStringLiteral("/proc/self/status"));
    if (!stato.open(QIODevice::ReadOnly))
        return 0;
    const QString testo = QString::fromLatin1(stato.readAll());
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("VmHWM:\\s*(\\d+) kB")).match(testo);
    return m.hasMatch() ? m.captured(1).toDouble() / 1024.0 : 0;
}

namespace {

double MillisecondiUso(int chi)
{
    rusage uso{};
    getrusage(chi, &uso);
    return (uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) * 1e3 +
           (uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e3;
}

} // namespace

double MillisecondiProcessore()
{
    return MillisecondiUso(RUSAGE_SELF);
}

double MillisecondiProcessoreFigli()
{
    return MillisecondiUso(RUSAGE_CHILDREN);
}

double MillisecondiDelFilo()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}
