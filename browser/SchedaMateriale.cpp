#include "SchedaMateriale.h"

#include "model/FormatoNumero.h"
#include "model/RigaValutazione.h"

using RecordSchema::Campo;

namespace {

QString Testo(const RecordMateriale& record, Campo campo)
{
    return FormatoNumero::TestoCampo(record.Valore(campo));
}

std::optional<QString> TestoFacoltativo(const RecordMateriale& record, Campo campo)
{
    const QVariant valore = record.Valore(campo);
    if (valore.isNull())
        return std::nullopt;
    return FormatoNumero::TestoCampo(valore);
}

} // namespace

SchedaMateriale SchedaMateriale::Da(const RecordMateriale& record, const TipoMateriale& tipo)
{
    SchedaMateriale scheda;
    scheda.immagine = TestoFacoltativo(record, Campo::Immagine);
    if (auto descrizione = TestoFacoltativo(record, Campo::Descrizione))
        scheda.descrizione = descrizione->replace(QLatin1String("\r\n"), QLatin1String(" "));
    scheda.rigaValutazione = RigaValutazione::Di(record, tipo);
    for (const ColonnaValutazione& v : tipo.valutazioni) {
        const QVariant valore = record.Valore(v.campo);
        if (const auto conservato = Categorie::Conservato(tipo, v); conservato && !valore.isNull())
            scheda.conservati[int(*conservato)] = valore.toDouble();
    }
    for (int i = 0; i < RecordSchema::NumeroBande; ++i) {
        const QVariant valore = record.Banda(tipo.grandezza, i);
        scheda.bande[i] = valore.isNull() ? 0.0f : valore.toFloat();
    }
    if (tipo.tabellaTeorica) {
        for (Casella casella :
             {CasellaCertificato, CasellaDataProva, CasellaEnteProva, CasellaSocieta, CasellaImmagine})
            scheda.caselle[casella] = QStringLiteral("-");
    } else {
        const std::pair<Casella, Campo> certificato[] = {{CasellaCertificato, Campo::Certificato},
                                                         {CasellaEnteProva, Campo::EnteProva},
                                                         {CasellaSocieta, Campo::SocietaRichiedente},
                                                         {CasellaNote, Campo::InformazioneAddizionale},
                                                         {CasellaImmagine, Campo::Immagine}};
        for (const auto& [casella, campo] : certificato)
            scheda.caselle[casella] = Testo(record, campo);
        scheda.certificato = true;
        scheda.dataProva = Testo(record, Campo::DataProva);
    }
    for (int casella = CasellaPrimaFisica; casella <= CasellaCantiere; ++casella)
        scheda.visibile[casella] = casella == CasellaCantiere && tipo.cantiere;
    if (tipo.cantiere)
        scheda.caselle[CasellaCantiere] = Testo(record, Campo::Cantiere);
    for (Campo campo : tipo.fisiche) {
        const int casella = CasellaPrimaFisica + RecordSchema::Posizione(campo);
        scheda.visibile[casella] = true;
        scheda.caselle[casella] = Testo(record, campo);
    }
    if (const char* testo = tipo.didascalieInformazioni[0])
        scheda.etichetta9 = QString::fromUtf8(testo);
    if (const char* testo = tipo.didascalieInformazioni[1])
        scheda.etichetta10 = QString::fromUtf8(testo);
    return scheda;
}
