#include "ElencoTenuto.h"

#include "RecordSchema.h"

void ElencoTenuto::Imposta(const QString& percorso, const QString& tabella, ListaMateriali::Contenuto& letto)
{
    Dimentica();
    if (!letto.versione || letto.parolaRiga.size() != size_t(letto.nomi.size()))
        return;
    percorso_ = percorso;
    tabella_ = tabella;
    versione_ = letto.versione;
    parole_ = letto.paroleChiave;
    for (qint32 i = 0; i < parole_.size(); ++i)
        numeri_.insert(parole_[i], i);
    parolaRiga_ = std::move(letto.parolaRiga);
}

void ElencoTenuto::Dimentica()
{
    versione_.reset();
    parole_.clear();
    numeri_.clear();
    parolaRiga_ = {};
}

qint32 ElencoTenuto::Numero(const QString& parola)
{
    const auto trovato = numeri_.constFind(parola);
    if (trovato != numeri_.constEnd())
        return *trovato;
    parole_ << parola;
    return numeri_[parola] = qint32(parole_.size() - 1);
}

bool ElencoTenuto::Applica(ElencoTesti& nomi, const QString& percorso, const QString& tabella,
                           const Modifica& modifica)
{
    const ListaMateriali::Versioni& v = modifica.versioni;
    const bool cambiata = modifica.tipo != Modifica::Cancellazione || modifica.cancellata;
    if (!versione_ || percorso != percorso_ || tabella != tabella_ ||
        parolaRiga_.size() != size_t(nomi.size()) || v.prima != versione_ || !v.dopo ||
        *v.dopo != *versione_ + (cambiata ? 1 : 0))
        return false;
    if (modifica.tipo != Modifica::Cancellazione && !modifica.parola)
        return false;
    // Deleted or saved: the first entry of the name, as the "Nome" index finds it.
    const qsizetype riga =
        modifica.tipo == Modifica::Nuova || !cambiata ? -1 : nomi.Trova(modifica.nome.toUtf8());
    if (cambiata && modifica.tipo != Modifica::Nuova && riga < 0)
        return false;
    const QByteArray nuovo = modifica.nuovoNome.toUtf8();
    switch (modifica.tipo) {
    case Modifica::Cancellazione:
        if (cambiata) {
            nomi.Rimuovi(riga);
            parolaRiga_.erase(parolaRiga_.begin() + riga);
        }
        break;
    case Modifica::Salvataggio:
        nomi.Sostituisci(riga, nuovo);
        parolaRiga_[size_t(riga)] = Numero(*modifica.parola);
        break;
    case Modifica::Nuova:
        nomi.Aggiungi(nuovo.constData(), size_t(nuovo.size()));
        parolaRiga_.push_back(Numero(*modifica.parola));
        break;
    }
    versione_ = v.dopo;
    return true;
}

QStringList ElencoTenuto::ParoleChiave() const
{
    QStringList elenco;
    std::vector<bool> viste(size_t(parole_.size()));
    for (const qint32 numero : parolaRiga_) {
        if (numero < 0 || viste[size_t(numero)])
            continue;
        viste[size_t(numero)] = true;
        elenco << parole_[numero];
        if (elenco.size() == parole_.size())
            break;
    }
    return elenco;
}

ElencoTenuto::Modifica
ElencoTenuto::Modifica::DopoSalvataggio(const SalvataggioMateriale::Richiesta& richiesta,
                                        const SalvataggioMateriale::Esito& esito)
{
    Modifica salvataggio;
    salvataggio.tipo = richiesta.modifica ? Salvataggio : Nuova;
    salvataggio.nome = richiesta.nomeSelezionato;
    salvataggio.nuovoNome = richiesta.nome;
    for (const SalvataggioMateriale::Scrittura& s : richiesta.scritture) {
        if (s.colonna == RecordSchema::Nome(RecordSchema::Campo::Nome))
            salvataggio.nuovoNome = s.testo;
        else if (s.colonna == RecordSchema::Nome(RecordSchema::Campo::ParolaChiave))
            salvataggio.parola = s.testo;
    }
    salvataggio.versioni = esito.versioni;
    return salvataggio;
}
