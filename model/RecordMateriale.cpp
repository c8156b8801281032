#include "RecordMateriale.h"

#include <string_view>

QDate RecordMateriale::DataProva() const
{
    return LeggiData(Valore(RecordSchema::Campo::DataProva).toString());
}

QDate RecordMateriale::LeggiData(const QString& testoData)
{
    const QString testo = testoData.trimmed();
    for (const char* formato : {"d/M/yyyy", "d/M/yy", "d.M.yyyy", "d-M-yyyy", "yyyy-MM-dd"}) {
        QDate data = QDate::fromString(testo, QString::fromLatin1(formato));
        if (formato == std::string_view("d/M/yy") && data.isValid() && data.year() < 1930)
            data = data.addYears(100);
        if (data.isValid())
            return data;
    }
    return {};
}

std::optional<double> RecordMateriale::ComeNumero(const QVariant& valore)
{
    bool ok = false;
    const double numero = valore.toDouble(&ok);
    if (valore.isNull() || !ok)
        return std::nullopt;
    return numero;
}
