#include "LetturaValori.h"

#include "model/RecordMateriale.h"

#include <charconv>
#include <string>

std::optional<double> LetturaValori::Numero(const QString& testo)
{
    std::string cifre = testo.trimmed().toStdString();
    size_t inizio = 0;
    if (!cifre.empty() && (cifre[0] == '+' || cifre[0] == '-'))
        inizio = 1;
    int quanteCifre = 0;
    int separatori = 0;
    for (size_t i = inizio; i < cifre.size(); ++i) {
        if (cifre[i] >= '0' && cifre[i] <= '9') {
            ++quanteCifre;
        } else if (cifre[i] == ',' || cifre[i] == '.') {
            ++separatori;
            cifre[i] = '.';
        } else {
            return std::nullopt;
        }
    }
    if (quanteCifre == 0 || separatori > 1)
        return std::nullopt;
    const char* primo = cifre.data() + (cifre[0] == '+' ? 1 : 0);
    const char* fine = cifre.data() + cifre.size();
    double valore = 0;
    const auto [dove, esito] = std::from_chars(primo, fine, valore);
    if (esito != std::errc() || dove != fine)
        return std::nullopt;
    return valore;
}

QDate LetturaValori::DataProva(const QString& testo)
{
    // The form the editor writes, 5/3/2010, read without the general parser: a search reads
    // every entry's date.
    int parti[3] = {0, 0, 0};
    int cifre[3] = {0, 0, 0};
    int parte = 0;
    bool semplice = !testo.isEmpty();
    for (const QChar c : testo) {
        if (c.isDigit() && c.unicode() < 0x80) {
            parti[parte] = parti[parte] * 10 + (c.unicode() - '0');
            if (++cifre[parte] > 4)
                semplice = false;
        } else if (c == QLatin1Char('/') && parte < 2) {
            ++parte;
        } else {
            semplice = false;
        }
        if (!semplice)
            break;
    }
    if (semplice && parte == 2 && cifre[0] > 0 && cifre[0] <= 2 && cifre[1] > 0 && cifre[1] <= 2 &&
        cifre[2] == 4)
        return QDate(parti[2], parti[1], parti[0]);
    return RecordMateriale::LeggiData(testo);
}
