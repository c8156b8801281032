#include "SalvataggioMateriale.h"

#include "Categorie.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"
#include "storage/jet/JetBackend.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using RecordSchema::Campo;

// The descriptive columns in the order the save has always written them.
constexpr Campo kOrdineDescrittive[] = {Campo::Nome,
                                        Campo::ParolaChiave,
                                        Campo::Certificato,
                                        Campo::DataProva,
                                        Campo::Cantiere,
                                        Campo::EnteProva,
                                        Campo::SocietaRichiedente,
                                        Campo::Descrizione,
                                        Campo::InformazioneAddizionale,
                                        Campo::Immagine};
constexpr int kContestoValutazione = 77;
constexpr int kContestoBanda = 78;

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
    const bool nomeProprio =
        richiesta.modifica && richiesta.nome.toUpper() == richiesta.nomeSelezionato.toUpper();
    if (nomeProprio)
        return false; // renaming an entry in another case only: other rows are not looked at
    return tabella.ContieneIgnorandoMaiuscole(RecordSchema::Nome(Campo::Nome), richiesta.nome);
}

// A band value is kept in single precision: a number it cannot hold would come back as
// infinity and could not be saved again. Texts that are no number are the engine's to refuse.
void VerificaBanda(const QString& testo)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool numero = false;
    const double valore = locale.toDouble(testo, &numero);
    if (numero && !(std::abs(valore) <= std::numeric_limits<float>::max()))
        throw DbException(DbErrore::ConversioneTipo,
                          QCoreApplication::translate("SalvataggioMateriale",
                                                      "the value «%1» is not a band value, which is a finite "
                                                      "number no larger than %2 either way")
                              .arg(testo, locale.toString(3.4E38, 'g', 2)));
}

// The columns the save writes in which the current row no longer holds what the user was
// shown. Nothing shown: the row cannot be known to be unchanged.
std::optional<std::vector<SalvataggioMateriale::Cambiamento>>
Cambiate(const Recordset& tabella, const SalvataggioMateriale::Richiesta& richiesta)
{
    if (!richiesta.mostrato)
        return std::nullopt;
    std::vector<SalvataggioMateriale::Cambiamento> cambiate;
    for (const SalvataggioMateriale::Scrittura& s : richiesta.scritture) {
        const QVariant memorizzato = tabella.Field(s.colonna);
        const QVariant mostrato = richiesta.mostrato->Valore(s.colonna);
        if (memorizzato != mostrato)
            cambiate.push_back({s.colonna, mostrato, memorizzato});
    }
    return cambiate;
}

// Checks the name and finds the row being modified, still holding what was shown, or starts
// a new one; when the row may not be written, esito says why.
void PreparaRiga(Recordset& tabella, const SalvataggioMateriale::Richiesta& richiesta,
                 SalvataggioMateriale::Esito& esito)
{
    using Esito = SalvataggioMateriale::Esito;
    if (richiesta.nome.isEmpty()) {
        esito.tipo = Esito::NomeVuoto;
    } else if (NomeGiaPresente(tabella, richiesta)) {
        esito.tipo = Esito::NomeDuplicato;
    } else if (!richiesta.modifica) {
        tabella.AddNew();
    } else {
        tabella.SetIndex(RecordSchema::Nome(Campo::Nome));
        tabella.Seek(QStringLiteral("="), richiesta.nomeSelezionato);
        if (tabella.NoMatch()) {
            esito.tipo = Esito::NonTrovato;
        } else if (auto cambiate = Cambiate(tabella, richiesta); !cambiate || !cambiate->empty()) {
            esito.tipo = Esito::ModificatoDaAltri;
            esito.cambiate = std::move(cambiate).value_or(std::vector<SalvataggioMateriale::Cambiamento>{});
        } else {
            tabella.Edit();
        }
    }
}

void Scrivi(Recordset& tabella, const SalvataggioMateriale::Scrittura& s,
            SalvataggioMateriale::Osservatore* osservatore)
{
    if (osservatore)
        osservatore->InizioScrittura(s.colonna);
    if (s.banda)
        VerificaBanda(s.testo);
    tabella.SetField(s.colonna, s.testo);
    if (osservatore)
        osservatore->FineScrittura(s.colonna);
}

} // namespace

SalvataggioMateriale::Esito SalvataggioMateriale::Salva(const Richiesta& richiesta, Osservatore* osservatore)
{
    std::unique_ptr<Database> database;
    std::unique_ptr<Recordset> tabella;
    QString contesto;
    QString colonna; // being written
    Esito esito;
    try {
        database =
            DBEngine::OpenDatabase(richiesta.percorsoDatabase,
                                   richiesta.modifica ? DBEngine::Uso::Esclusivo : DBEngine::Uso::Scrittura);
        if (richiesta.tabella.isEmpty()) {
            ChiudiSenzaErrori(tabella, database);
            return esito;
        }
        if (database->IsReadOnlyFormat())
            throw DbException(DbErrore::SolaLettura,
                              JetBackend::MessaggioSolaLettura(richiesta.percorsoDatabase));
        // The name is checked and the row written with nobody else writing in between.
        database->BeginTrans();
        tabella = database->OpenRecordset(richiesta.tabella);
        const std::optional<qint64> versionePrima = database->Versione(richiesta.tabella);
        PreparaRiga(*tabella, richiesta, esito);
        if (esito.tipo != Esito::Ok) {
            ChiudiSenzaErrori(tabella, database);
            return esito;
        }
        for (const Scrittura& s : richiesta.scritture) {
            colonna = s.colonna;
            if (s.contesto)
                contesto = *s.contesto;
            Scrivi(*tabella, s, osservatore);
        }
        contesto.clear();
        colonna.clear();
        tabella->Update();
        tabella->Close();
        tabella.reset();
        database->CommitTrans();
        esito.versioni = {versionePrima, ListaMateriali::VersioneDopo(*database, richiesta.tabella)};
        database->Close();
        database.reset();
    } catch (const DbException& e) {
        esito = {Esito::Errore, e.Descrizione(), contesto, colonna, e.Numero(), {}, {}};
        ChiudiSenzaErrori(tabella, database);
    } catch (const std::exception& e) {
        esito = {Esito::Errore, QString::fromLocal8Bit(e.what()), contesto, colonna, 0, {}, {}};
        ChiudiSenzaErrori(tabella, database);
    }
    return esito;
}

std::vector<SalvataggioMateriale::Scrittura>
SalvataggioMateriale::ScrittureCategoria(int codice, const std::function<QString(const QString&)>& testo,
                                         const std::function<QString(int)>& messaggio)
{
    const TipoMateriale* tipo = Categorie::PerCodice(codice);
    if (!tipo || !tipo->tabellaPersonale)
        return {};
    std::vector<Scrittura> scritture;
    const auto scrivi = [&](const QString& colonna, std::optional<QString> contesto) {
        scritture.push_back({colonna, testo(colonna), std::move(contesto)});
    };
    const auto colonna = [&](Campo campo) {
        const int contesto = RecordSchema::MessaggioContesto(campo);
        scrivi(RecordSchema::Nome(campo), contesto > 0 ? std::optional(messaggio(contesto)) : std::nullopt);
    };
    for (Campo campo : kOrdineDescrittive)
        if (campo != Campo::Cantiere || tipo->cantiere)
            colonna(campo);
    for (Campo campo : tipo->fisiche)
        colonna(campo);
    for (const ColonnaValutazione& v : tipo->valutazioni)
        scrivi(RecordSchema::Nome(v.campo),
               messaggio(kContestoValutazione) + QLatin1Char(' ') + v.contesto.Testo(messaggio));
    for (int i = 0; i < RecordSchema::NumeroBande; ++i) {
        scrivi(RecordSchema::NomeColonnaBanda(tipo->grandezza, i),
               messaggio(kContestoBanda) + QStringLiteral(" %1 Hz").arg(RecordSchema::Frequenze[i]));
        scritture.back().banda = true;
    }
    return scritture;
}

QString SalvataggioMateriale::TestoDataProva(const QDate& data)
{
    return QStringLiteral("%1/%2/%3").arg(data.day()).arg(data.month()).arg(data.year());
}
