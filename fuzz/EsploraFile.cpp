#include "EsploraFile.h"

#include "config/ZelmarCommonModule.h"
#include "model/CancellazioneMateriale.h"
#include "model/Categorie.h"
#include "model/DettaglioMateriale.h"
#include "model/ListaMateriali.h"
#include "model/SalvataggioMateriale.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"
#include "storage/Recordset.h"

#include <QDir>
#include <QFile>

namespace EsploraFile {

namespace {

// Enough to reach every reader without letting one input run for long.
constexpr int MassimoTabelle = 6;
constexpr int MassimoNomi = 3;

QString Radice;

QString PercorsoPersonale()
{
    return ZelmarCommonModule::GetPercorsoDatabaseSperimentale();
}

bool Scrivi(const QString& percorso, const QByteArray& contenuto)
{
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(contenuto) == contenuto.size();
}

// A journal left by a refused write would turn the next input's file into another one.
void Ripulisci(const QString& percorso)
{
    for (const char* coda : {"", "-journal", "-wal", "-shm"})
        QFile::remove(percorso + QLatin1String(coda));
}

QStringList TabelleDelFile(const QString& percorso, int& rifiuti)
{
    QStringList tabelle;
    try {
        auto db = DBEngine::OpenDatabase(percorso, DBEngine::Uso::Lettura);
        tabelle = db->TableNames();
        db->Close();
    } catch (const DbException&) {
        ++rifiuti;
    }
    tabelle = tabelle.mid(0, MassimoTabelle);
    // The names the program itself asks for, present or not.
    tabelle << QStringLiteral("Rw_laboratorio") << QStringLiteral("Potere_fonoisolante");
    return tabelle;
}

void CaricaCatalogo(int& rifiuti)
{
    try {
        ZelmarCommonModule::CaricaMessaggi();
    } catch (const DbException&) {
        ++rifiuti;
    }
}

ListaMateriali::Contenuto Elenca(const QString& percorso, const QString& tabella, int codice, int& rifiuti)
{
    ListaMateriali::Contenuto contenuto;
    try {
        ListaMateriali::Richiesta richiesta;
        richiesta.paroleChiave = Categorie::IsSperimentale(codice);
        richiesta.primaDescrizione = Categorie::IsTeorico(codice);
        contenuto = ListaMateriali::Leggi(percorso, tabella, richiesta);
        if (!contenuto.paroleChiave.isEmpty()) {
            richiesta.soloParola = contenuto.paroleChiave.first();
            ListaMateriali::Leggi(percorso, tabella, richiesta);
        }
    } catch (const DbException&) {
        ++rifiuti;
    }
    return contenuto;
}

void Mostra(const QString& percorso, const QString& tabella, int codice, const QStringList& nomi,
            int& rifiuti)
{
    for (const QString& nome : nomi.mid(0, MassimoNomi)) {
        try {
            DettaglioMateriale::Leggi(percorso, tabella, codice, nome);
        } catch (const DbException&) {
            ++rifiuti;
        }
    }
}

// The search's read: the texts tested inside the file's own statement.
void Filtra(const QString& percorso, const QString& tabella, int& rifiuti)
{
    using Campo = RecordSchema::Campo;
    try {
        auto rs = DBEngine::OpenDatabase(percorso, DBEngine::Uso::Lettura)->OpenRecordset(tabella);
        const FiltroTesti filtro{
            {RecordSchema::Nome(Campo::ParolaChiave), RecordSchema::Nome(Campo::Descrizione)},
            [](QByteArrayView testo) { return testo.contains('a'); },
            nullptr};
        rs->LeggiColonneFiltrate({RecordSchema::Nome(Campo::Nome)}, filtro,
                                 [](const RigaLetta& riga, qint64) {
                                     riga.Valore(0); // read as the search reads it
                                     return true;
                                 });
    } catch (const DbException&) {
        ++rifiuti;
    }
}

SalvataggioMateriale::Richiesta RichiestaSalvataggio(const QString& percorso, const QString& tabella,
                                                     int codice, const QString& nome, bool modifica,
                                                     const QString& selezionato)
{
    SalvataggioMateriale::Richiesta r;
    r.percorsoDatabase = percorso;
    r.tabella = tabella;
    r.modifica = modifica;
    r.nome = nome;
    r.nomeSelezionato = selezionato;
    if (modifica)
        try {
            r.mostrato = DettaglioMateriale::Leggi(percorso, tabella, codice, selezionato);
        } catch (const DbException&) {
        }
    r.scritture = SalvataggioMateriale::ScrittureCategoria(
        codice,
        [&](const QString& colonna) {
            if (colonna == RecordSchema::Nome(RecordSchema::Campo::Nome))
                return nome;
            return RecordSchema::IsNumerica(colonna) ? QStringLiteral("40,5") : colonna;
        },
        [](int n) { return QStringLiteral("M%1").arg(n); });
    return r;
}

// The save reports every failure in its outcome; it must never throw.
void Salva(const QString& percorso, const QString& tabella, int codice, const QStringList& nomi)
{
    const int codiceSalvataggio =
        Categorie::IsSperimentale(codice) ? codice : Categorie::Tutte().front().codice;
    SalvataggioMateriale::Salva(
        RichiestaSalvataggio(percorso, tabella, codiceSalvataggio, QStringLiteral("Nuovo"), false, {}));
    if (!nomi.isEmpty())
        SalvataggioMateriale::Salva(RichiestaSalvataggio(percorso, tabella, codiceSalvataggio,
                                                         QStringLiteral("Rinominato"), true, nomi.first()));
}

void Cancella(const QString& percorso, const QString& tabella, const QStringList& nomi, int& rifiuti)
{
    try {
        CancellazioneMateriale::Cancella(percorso, tabella, nomi.isEmpty() ? QString() : nomi.last());
    } catch (const DbException&) {
        ++rifiuti;
    }
}

} // namespace

void Prepara(const QString& radice)
{
    Radice = radice;
    const QString programma = radice + QStringLiteral("/programma");
    const QString dati = radice + QStringLiteral("/dati");
    QDir().mkpath(programma);
    QDir().mkpath(dati + QStringLiteral("/Databases/Database"));
    Scrivi(programma + QStringLiteral("/Zelmar.ini"),
           QStringLiteral("[Configurazione]\nLingua=Italiano\nCartellaDati=%1\n").arg(dati).toUtf8());
    ZelmarCommonModule::SetCartellaProgramma(programma);
}

int Esplora(const QByteArray& contenuto, const Opzioni& opzioni)
{
    int rifiuti = 0;
    const QString catalogo = ZelmarCommonModule::GetPercorsoMessaggi();
    const QString percorso = PercorsoPersonale();
    Ripulisci(catalogo);
    Ripulisci(percorso);
    if (!Scrivi(catalogo, contenuto) || !Scrivi(percorso, contenuto))
        return rifiuti;

    CaricaCatalogo(rifiuti);
    for (const QString& tabella : TabelleDelFile(percorso, rifiuti)) {
        const QStringList nomi = Elenca(percorso, tabella, opzioni.codice, rifiuti).nomi.toStringList();
        Mostra(percorso, tabella, opzioni.codice, nomi, rifiuti);
        Filtra(percorso, tabella, rifiuti);
        if (opzioni.scritture) {
            Salva(percorso, tabella, opzioni.codice, nomi);
            Cancella(percorso, tabella, nomi, rifiuti);
            Elenca(percorso, tabella, opzioni.codice, rifiuti);
        }
    }
    Ripulisci(catalogo);
    Ripulisci(percorso);
    return rifiuti;
}

} // namespace EsploraFile
