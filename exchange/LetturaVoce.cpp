#include "LetturaVoce.h"

#include "TipiVoce.h"
#include "model/DettaglioMateriale.h"
#include "model/FormatoNumero.h"
#include "model/LocaleDocumenti.h"
#include "model/RigaValutazione.h"
#include "model/ValutazioneMateriale.h"

using RecordSchema::Campo;

namespace {

// Numbers in the form of the documents the entry goes into.
QString Testo(const RecordMateriale& record, Campo campo)
{
    return FormatoNumero::TestoCampo(record.Valore(campo), LocaleDocumenti::Locale());
}

} // namespace

DatiVoce LetturaVoce::Da(const RecordMateriale& record, const TipoMateriale& tipo, const QString& file,
                         const QString& tabella)
{
    DatiVoce voce;
    voce.file = file;
    voce.tabella = tabella;
    voce.codice = tipo.codice;
    voce.nome = Testo(record, Campo::Nome);
    voce.descrizione = Testo(record, Campo::Descrizione).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    voce.note =
        Testo(record, Campo::InformazioneAddizionale).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (const QVariant immagine = record.Valore(Campo::Immagine); !immagine.isNull())
        voce.immagine = immagine.toString();
    voce.certificato = !tipo.tabellaTeorica;
    if (voce.certificato) {
        voce.numeroCertificato = Testo(record, Campo::Certificato);
        voce.dataProva = LocaleDocumenti::DataProva(Testo(record, Campo::DataProva));
        voce.ente = Testo(record, Campo::EnteProva);
        voce.societa = Testo(record, Campo::SocietaRichiedente);
    }
    QList<Campo> fisici(tipo.fisiche.begin(), tipo.fisiche.end());
    if (tipo.cantiere)
        fisici << Campo::Cantiere;
    for (const Campo campo : fisici)
        if (const QString valore = Testo(record, campo); !valore.isEmpty())
            voce.fisici.append({RecordSchema::Nome(campo), valore});
    for (const ColonnaValutazione& v : tipo.valutazioni)
        voce.valutazioni.append({RecordSchema::Nome(v.campo), record.Numero(v.campo)});
    voce.rigaValutazione = RigaValutazione::Di(record, tipo, LocaleDocumenti::Locale());
    for (int i = 0; i < RecordSchema::NumeroBande; ++i)
        voce.bande[i] = record.NumeroBanda(tipo.grandezza, i);
    if (const auto grandezza = TipiVoce::GrandezzaValutata(tipo.codice))
        voce.calcolata = MotoreValutazione::Valuta(*grandezza, voce.bande);
    for (const ValutazioneMateriale::Differenza& d : ValutazioneMateriale::Valuta(record, tipo).diverse)
        voce.diverse << RecordSchema::Nome(d.colonna);
    return voce;
}

std::optional<DatiVoce> LetturaVoce::Leggi(const QString& file, const QString& tabella, int codice,
                                           const QString& nome)
{
    const TipoMateriale* tipo = Categorie::PerCodice(codice);
    if (!tipo)
        return std::nullopt;
    const std::optional<RecordMateriale> record = DettaglioMateriale::Leggi(file, tabella, codice, nome);
    if (!record)
        return std::nullopt;
    return Da(*record, *tipo, file, tabella);
}
