#include "prediction/VerificaFonti.h"

#include "model/DettaglioMateriale.h"
#include "model/TabelleCartellaDati.h"
#include "prediction/ElementoDaVoce.h"
#include "prediction/PostoElemento.h"
#include "storage/DbException.h"

#include <QFileInfo>
#include <cmath>

namespace {

bool Uguali(const std::optional<double>& memorizzato, const std::optional<double>& voce)
{
    return !memorizzato || (voce && std::abs(*memorizzato - *voce) <= 1e-9 * std::max(1.0, std::abs(*voce)));
}

// Whether the entry's element still holds what the project stores: every value stored, the
// bands of the arrays written (21, or 16 from 100 Hz).
bool Uguali(const Elemento& memorizzato, const Elemento& voce, int numeroBande)
{
    if (!Uguali(memorizzato.r.indice, voce.r.indice) || !Uguali(memorizzato.massa, voce.massa))
        return false;
    if (!memorizzato.r.bande)
        return true;
    const MotoreValutazione::Bande vuote{};
    const MotoreValutazione::Bande& bande = voce.r.bande ? *voce.r.bande : vuote;
    const int prima = numeroBande == MotoreValutazione::NumeroBande ? 0 : Valutazione::PrimaBanda;
    const MotoreValutazione::Bande memorizzate =
        MotoreValutazione::SenzaZeriNonMisurati(*memorizzato.r.bande);
    for (int i = prima; i < prima + numeroBande; ++i) {
        if (memorizzate[i].has_value() != bande[i].has_value() || !Uguali(memorizzate[i], bande[i]))
            return false;
    }
    return true;
}

} // namespace

std::vector<VerificaFonti::Esito> VerificaFonti::Verifica(const Progetto& progetto,
                                                          const QString& cartellaDati)
{
    const std::vector<TabelleCartellaDati::Tabella> tabelle = TabelleCartellaDati::Elenca(cartellaDati);
    std::vector<Esito> esiti;
    for (const auto& [posto, fonte] : progetto.fonti) {
        Esito esito{posto, fonte, Stato::Sparita, {}};
        const std::optional<TipoPosto> tipo = PostoElemento::Tipo(posto);
        const std::optional<Elemento> memorizzato = PostoElemento::Leggi(progetto.situazione, posto);
        for (const TabelleCartellaDati::Tabella& t : tabelle) {
            if (!tipo || t.relativo.compare(fonte.file, Qt::CaseInsensitive) != 0 ||
                t.tabella != fonte.tabella || !QFileInfo(t.file).isFile())
                continue;
            try {
                const std::optional<RecordMateriale> voce =
                    DettaglioMateriale::Leggi(t.file, t.tabella, t.codice, fonte.nome);
                if (!voce)
                    break;
                const ElementoDaVoce::Esito e = ElementoDaVoce::Da(*voce, t.codice, *tipo);
                const auto* elemento = std::get_if<Elemento>(&e);
                esito.stato = elemento && memorizzato &&
                                      Uguali(*memorizzato, *elemento, progetto.situazione.numeroBande)
                                  ? Stato::Invariata
                                  : Stato::Cambiata;
            } catch (const DbException& e) {
                esito.stato = Stato::Illeggibile;
                esito.errore = e.Descrizione();
            }
            break;
        }
        esiti.push_back(esito);
    }
    return esiti;
}
