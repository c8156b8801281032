#include "ListaMateriali.h"

#include "RecordSchema.h"
#include "storage/DBEngine.h"

using RecordSchema::Campo;

ListaMateriali::Contenuto ListaMateriali::Leggi(const QString& percorso, const QString& tabella,
                                                const Richiesta& richiesta)
{
    auto db = DBEngine::OpenDatabase(percorso, DBEngine::Uso::Lettura);
    auto rs = db->OpenRecordset(tabella);
    Contenuto contenuto;
    contenuto.vuota = rs->Eof();
    if (!contenuto.vuota) {
        if (richiesta.primaDescrizione)
            contenuto.primaDescrizione = rs->Field(RecordSchema::Nome(Campo::Descrizione)).toString();
        Recordset::Elenco elenco =
            rs->LeggiElenco(RecordSchema::Nome(Campo::Nome), RecordSchema::Nome(Campo::ParolaChiave),
                            richiesta.paroleChiave, richiesta.soloParola);
        contenuto.nomi = std::move(elenco.nomi);
        contenuto.paroleChiave = std::move(elenco.paroleChiave);
    }
    rs->Close();
    db->Close();
    return contenuto;
}
