#include "ValutazioneMateriale.h"

std::optional<GrandezzaBande> ValutazioneMateriale::Grandezza(const TipoMateriale& tipo)
{
    // The linings' improvements (DRi, also under the theoretical table's R columns) are not rated.
    return GrandezzaDaPrefisso(
        RecordSchema::Prefisso(tipo.grandezzaValori.value_or(tipo.grandezza)).toStdString());
}

std::optional<int> ValutazioneMateriale::Calcolato(const Valutazione& v, Significato significato)
{
    switch (significato) {
    case Significato::Principale:
        return v.indice;
    case Significato::C:
        return v.c;
    case Significato::Ctr:
        return v.ctr;
    case Significato::Ci: // CI of a floor, CI,Δ of a floor covering
        return v.grandezza == GrandezzaBande::DLn ? v.ciDelta : v.ci;
    case Significato::CEsteso: // "Ci 50-5000", "Ci 50-3150": no ISO 717-2 term is called so
        return std::nullopt;
    }
    return std::nullopt;
}

bool ValutazioneMateriale::Diverso(const QVariant& memorizzato, int calcolato)
{
    if (memorizzato.isNull())
        return false;
    if (memorizzato.typeId() != QMetaType::Double)
        return true; // a text, or bytes, where a rating belongs
    return memorizzato.toDouble() != calcolato;
}

MotoreValutazione::Bande ValutazioneMateriale::Bande(const RecordMateriale& record, const TipoMateriale& tipo)
{
    MotoreValutazione::Bande bande;
    for (int i = 0; i < RecordSchema::NumeroBande; ++i) {
        const QVariant valore = record.Banda(tipo.grandezza, i);
        if (valore.typeId() == QMetaType::Double)
            bande[i] = valore.toDouble();
    }
    return bande;
}

ValutazioneMateriale::Esito ValutazioneMateriale::Valuta(const RecordMateriale& record,
                                                         const TipoMateriale& tipo)
{
    std::vector<QVariant> memorizzate;
    for (const ColonnaValutazione& colonna : tipo.valutazioni)
        memorizzate.push_back(record.Valore(colonna.campo));
    return Valuta(tipo, Bande(record, tipo), memorizzate);
}

ValutazioneMateriale::Esito ValutazioneMateriale::Valuta(const TipoMateriale& tipo,
                                                         const MotoreValutazione::Bande& bande,
                                                         std::span<const QVariant> memorizzate)
{
    Esito esito;
    const std::optional<GrandezzaBande> grandezza = Grandezza(tipo);
    if (!grandezza)
        return esito;
    esito.calcolata = MotoreValutazione::Valuta(*grandezza, bande);
    for (size_t i = 0; i < tipo.valutazioni.size() && i < memorizzate.size(); ++i) {
        const std::optional<int> calcolato = Calcolato(*esito.calcolata, tipo.valutazioni[i].significato);
        if (calcolato && Diverso(memorizzate[i], *calcolato))
            esito.diverse.push_back({tipo.valutazioni[i].campo, memorizzate[i], *calcolato});
    }
    return esito;
}
