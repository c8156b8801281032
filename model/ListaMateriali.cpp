#include "ListaMateriali.h"

#include "RecordSchema.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"

using RecordSchema::Campo;

ListaMateriali::Contenuto ListaMateriali::Leggi(const QString& percorso, const QString& tabella,
                                                const Richiesta& richiesta)
{
    auto db = DBEngine::OpenDatabase(percorso, DBEngine::Uso::Lettura);
    Contenuto contenuto;
    // The version and the rows of one moment.
    db->IniziaLettura();
    contenuto.versione = db->Versione(tabella);
    auto rs = db->OpenRecordset(tabella);
    contenuto.vuota = rs->Eof();
    if (!contenuto.vuota) {
        if (richiesta.primaDescrizione)
            contenuto.primaDescrizione = rs->Field(RecordSchema::Nome(Campo::Descrizione)).toString();
        Recordset::Elenco elenco =
            rs->LeggiElenco(RecordSchema::Nome(Campo::Nome), RecordSchema::Nome(Campo::ParolaChiave),
                            richiesta.paroleChiave, richiesta.soloParola);
        contenuto.nomi = std::move(elenco.nomi);
        contenuto.paroleChiave = std::move(elenco.paroleChiave);
        contenuto.parolaRiga = std::move(elenco.parolaRiga);
    }
    rs->Close();
    db->Close();
    return contenuto;
}

std::optional<qint64> ListaMateriali::VersioneDopo(Database& database, const QString& tabella)
{
    try {
        return database.Versione(tabella);
    } catch (const DbException&) {
        return std::nullopt;
    }
}
