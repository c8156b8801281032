#include "SalvataggioMateriale.h"

#include "DBEngine.h"
#include "DbException.h"
#include "JetBackend.h"
#include "Module1.h"
#include "RecordSchema.h"

#include <array>

namespace {

// How a rating is named in an error message: a catalogue text after a blank, or a fixed text.
struct NomeValutazione
{
    int messaggio; // 0: use testo
    const char* testo;
};

// Per TipoBande 0..5, ratings 1..3.
constexpr std::array<std::array<NomeValutazione, 3>, 6> kNomiValutazioni{{
    {{{20, ""}, {50, ""}, {51, ""}}},
    {{{21, ""}, {50, ""}, {51, ""}}},
    {{{22, ""}, {0, " Ci"}, {0, " Ci 50-5000"}}},
    {{{32, ""}, {0, " Ci"}, {0, " Ci 50-3150"}}},
    {{{79, ""}, {0, " C"}, {0, " Ctr"}}},
    {{{21, ""}, {0, " Ci"}, {0, " Ci 50-5000"}}},
}};

constexpr int kContestoValutazione = 77;
constexpr int kContestoBanda = 78;

QString NomeCasellaValore(int indice)
{
    return QStringLiteral("Text2(%1)").arg(indice);
}
QString NomeCasellaDidascalia(int indice)
{
    return QStringLiteral("Text1(%1)").arg(indice);
}

QString NomeInContesto(const NomeValutazione& nome, const std::function<QString(int)>& messaggio)
{
    if (nome.messaggio == 0)
        return QString::fromUtf8(nome.testo);
    return QLatin1Char(' ') + messaggio(nome.messaggio);
}

void AggiungiValutazioniEBande(std::vector<SalvataggioMateriale::Scrittura>& scritture,
                               RecordSchema::TipoBande tipo,
                               const std::function<QString(const QString&)>& testoCasella,
                               const std::function<QString(int)>& messaggio)
{
    const auto colonne = RecordSchema::ColonneValutazione(tipo);
    for (int v = 0; v < 3; ++v) {
        const int casella = RecordSchema::NumeroBande + v;
        scritture.push_back(
            {colonne[v], testoCasella(NomeCasellaValore(casella)),
             messaggio(kContestoValutazione) + NomeInContesto(kNomiValutazioni[tipo][v], messaggio),
             NomeCasellaDidascalia(casella)});
    }
    if (Module1::EtichetteBande[0].isEmpty())
        Module1::RiempiEtichetteBande();
    const QString prefisso = RecordSchema::PrefissoBande(tipo);
    for (int i = 0; i < RecordSchema::NumeroBande; ++i)
        scritture.push_back({RecordSchema::NomeColonnaBanda(prefisso, i), testoCasella(NomeCasellaValore(i)),
                             messaggio(kContestoBanda) + QLatin1Char(' ') + Module1::EtichetteBande[i],
                             NomeCasellaDidascalia(i)});
}

void ChiudiSenzaErrori(std::unique_ptr<Recordset>& tabella, std::unique_ptr<Database>& database)
{
    try {
        if (tabella)
            tabella->Close();
    } catch (const std::exception&) {
    }
    tabella.reset();
    try {
        if (database)
            database->Close();
    } catch (const std::exception&) {
    }
    database.reset();
}

// Every row whose name equals the new one ignoring case, except the entry being
// modified when the new name is its own name in another case.
bool NomeGiaPresente(Recordset& tabella, const SalvataggioMateriale::Richiesta& richiesta)
{
    const QString nome = richiesta.nome.toUpper();
    const bool nomeProprio = richiesta.modifica && nome == richiesta.nomeSelezionato.toUpper();
    if (nomeProprio || tabella.RecordCount() == 0)
        return false; // renaming an entry in another case only: other rows are not looked at
    return tabella.ContieneMaiuscolo(QStringLiteral("Nome"), nome);
}

} // namespace

SalvataggioMateriale::Esito SalvataggioMateriale::Salva(const Richiesta& richiesta, Osservatore* osservatore)
{
    std::unique_ptr<Database> database;
    std::unique_ptr<Recordset> tabella;
    QString contesto;
    Esito esito;
    try {
        database = DBEngine::OpenDatabase(richiesta.percorsoDatabase, richiesta.modifica);
        if (richiesta.tabella.isEmpty()) {
            ChiudiSenzaErrori(tabella, database);
            return esito;
        }
        if (database->IsReadOnlyFormat())
            throw DbException(DbErrore::SolaLettura,
                              JetBackend::MessaggioSolaLettura(richiesta.percorsoDatabase));
        tabella = database->OpenRecordset(richiesta.tabella);
        if (richiesta.nome.isEmpty())
            esito.tipo = Esito::NomeVuoto;
        else if (NomeGiaPresente(*tabella, richiesta))
            esito.tipo = Esito::NomeDuplicato;
        else if (richiesta.modifica) {
            tabella->SetIndex(QStringLiteral("Nome"));
            tabella->Seek(QStringLiteral("="), richiesta.nomeSelezionato);
            if (tabella->NoMatch())
                esito.tipo = Esito::NonTrovato;
            else
                tabella->Edit();
        } else {
            tabella->AddNew();
        }
        if (esito.tipo != Esito::Ok) {
            ChiudiSenzaErrori(tabella, database);
            return esito;
        }

        for (const Scrittura& s : richiesta.scritture) {
            const bool marcata = osservatore && !s.marcatore.isEmpty();
            if (marcata)
                osservatore->InizioScrittura(s.marcatore);
            if (s.contesto)
                contesto = *s.contesto;
            tabella->SetField(s.colonna, s.testo);
            if (marcata)
                osservatore->FineScrittura(s.marcatore);
        }

        contesto.clear();
        tabella->Update();
        tabella->Close();
        tabella.reset();
        database->Close();
        database.reset();
    } catch (const DbException& e) {
        esito = {Esito::Errore, e.Descrizione(), contesto, e.Numero()};
        ChiudiSenzaErrori(tabella, database);
    } catch (const std::exception& e) {
        esito = {Esito::Errore, QString::fromLocal8Bit(e.what()), contesto, 0};
        ChiudiSenzaErrori(tabella, database);
    }
    return esito;
}

std::vector<SalvataggioMateriale::Scrittura>
SalvataggioMateriale::ScrittureCategoria(int codice,
                                         const std::function<QString(const QString&)>& testoCasella,
                                         const std::function<QString(int)>& messaggio)
{
    const auto tipo = RecordSchema::TipoBandePerCodice(codice);
    if (!tipo)
        return {};
    std::vector<Scrittura> scritture;
    for (const RecordSchema::ScritturaColonna& c : RecordSchema::OrdineScrittura(codice)) {
        Scrittura s{c.colonna, testoCasella(c.casella), std::nullopt, QString()};
        if (c.contesto > 0)
            s.contesto = messaggio(c.contesto);
        if (c.etichetta >= 0)
            s.marcatore = QStringLiteral("Label1(%1)").arg(c.etichetta);
        scritture.push_back(std::move(s));
    }
    AggiungiValutazioniEBande(scritture, *tipo, testoCasella, messaggio);
    return scritture;
}

QString SalvataggioMateriale::TestoDataProva(const QDate& data)
{
    return QStringLiteral("%1/%2/%3").arg(data.day()).arg(data.month()).arg(data.year());
}
