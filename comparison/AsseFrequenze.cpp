#include "AsseFrequenze.h"

#include "model/RecordSchema.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kBanda1000Hz = 13;
constexpr double kDecimoDiDecade = 0.1;
constexpr double kAmpiezzaMinima = 20;
} // namespace

double AsseFrequenze::Posizione(int banda)
{
    return 3.0 + (banda - kBanda1000Hz) * kDecimoDiDecade;
}

double AsseFrequenze::Inizio()
{
    return Posizione(0) - kDecimoDiDecade / 2;
}

double AsseFrequenze::Fine()
{
    return Posizione(RecordSchema::NumeroBande - 1) + kDecimoDiDecade / 2;
}

QString AsseFrequenze::Etichetta(int banda)
{
    return QString::number(RecordSchema::Frequenze[banda]);
}

AsseFrequenze::Scala AsseFrequenze::ScalaDecibel(const QList<double>& valori)
{
    if (valori.isEmpty())
        return {0, 60};
    const auto [minimo, massimo] = std::minmax_element(valori.begin(), valori.end());
    Scala scala{std::floor(*minimo / PassoDecibel) * PassoDecibel,
                std::ceil(*massimo / PassoDecibel) * PassoDecibel};
    if (scala.minimo == *minimo)
        scala.minimo -= PassoDecibel;
    if (scala.massimo == *massimo)
        scala.massimo += PassoDecibel;
    while (scala.massimo - scala.minimo < kAmpiezzaMinima) {
        scala.minimo -= PassoDecibel;
        if (scala.massimo - scala.minimo < kAmpiezzaMinima)
            scala.massimo += PassoDecibel;
    }
    return scala;
}
