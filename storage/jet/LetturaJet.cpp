#include "LetturaJet.h"

#include "DatabaseAccess.h"
#include "FirmaJet.h"
#include "storage/DbException.h"
#include "storage/sqlite/SqliteSchema.h"

#include <QDate>
#include <QTime>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <mdbtools.h>
#include <memory>
#include <sqlite3.h>
#include <vector>

namespace {

// Where a Jet file's first page keeps its version: 0 Jet 3, 1 Jet 4, 2 and above ACE.
constexpr qsizetype OffsetVersione = 0x14;
constexpr qsizetype PaginaJet3 = 2048;
constexpr qsizetype PaginaJet4 = 4096;
// The catalogue's table definition lies on page 2: a usable file has at least three pages.
constexpr qsizetype PagineMinime = 3;
// Row offsets on a data page carry two flag bits above the offset itself.
constexpr int MascheraOffsetRiga = 0x1fff;

struct LiberaTabella
{
    void operator()(MdbTableDef* t) const { mdb_free_tabledef(t); }
};
using TabellaMdb = std::unique_ptr<MdbTableDef, LiberaTabella>;

struct LiberaTesto
{
    void operator()(void* p) const { g_free(p); }
};
using TestoMdb = std::unique_ptr<char, LiberaTesto>;

QString TestoDaMdb(char* testo)
{
    TestoMdb proprietario(testo);
    return testo ? QString::fromUtf8(testo) : QString();
}

// What a Jet column holds, as the program sees it.
enum class TipoColonnaJet
{
    Numero,  // Byte, Integer, Long, Single, Double, Currency, Decimal, Boolean (1 or 0)
    Testo,   // Text, Memo, Replication ID
    Data,    // Date/Time: text "d/m/yyyy", with " hh:mm:ss" when the time is not midnight
    Binario, // Binary, OLE object
};

TipoColonnaJet TipoDi(int tipoMdb)
{
    switch (tipoMdb) {
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_MONEY:
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_NUMERIC:
        return TipoColonnaJet::Numero;
    case MDB_DATETIME:
        return TipoColonnaJet::Data;
    case MDB_TEXT:
    case MDB_MEMO:
    case MDB_REPID:
        return TipoColonnaJet::Testo;
    default:
        return TipoColonnaJet::Binario;
    }
}

// Jet keeps a date as days since 30 December 1899, the time of day as the fraction (for
// dates before 1899 too, the fraction counts forwards from midnight).
QString TestoData(double giorni)
{
    if (!std::isfinite(giorni) || std::fabs(giorni) > 3.0e6)
        return QString();
    double intero = std::trunc(giorni);
    qint64 secondi = std::llround(std::fabs(giorni - intero) * 86400.0);
    if (secondi >= 86400) {
        secondi -= 86400;
        intero += giorni < 0 ? -1 : 1;
    }
    const QDate data = QDate(1899, 12, 30).addDays(static_cast<qint64>(intero));
    QString testo = QStringLiteral("%1/%2/%3").arg(data.day()).arg(data.month()).arg(data.year());
    if (secondi != 0)
        testo += QLatin1Char(' ') +
                 QTime(0, 0).addSecs(static_cast<int>(secondi)).toString(QStringLiteral("HH:mm:ss"));
    return testo;
}

// The shortest decimal text that gives back the single-precision value: the number the
// user typed into Access, not its binary neighbour.
double DaSingolaPrecisione(float valore)
{
    char testo[64];
    const auto fine = std::to_chars(testo, testo + sizeof testo, valore).ptr;
    return QByteArray(testo, fine - testo).toDouble();
}

template <typename T> T LeggiDaPagina(const unsigned char* pagina, int inizio)
{
    T valore;
    std::memcpy(&valore, pagina + inizio, sizeof valore);
    return valore; // Jet files are little-endian, as the machines we run on
}

// Rows are found through the table's page map: libmdb walks it without asking whether
// the definition had one.
bool HaMappaPagine(const MdbTableDef* t)
{
    return t->usage_map && t->map_sz > 0;
}

// The database of the program's own engine, held in memory, into which the file is
// converted; any failure of the engine is a DbException naming the file.
class Conversione
{
public:
    explicit Conversione(const QString& percorso) : percorso_(percorso)
    {
        Controlla(sqlite3_open_v2(":memory:", &db_, SQLITE_OPEN_READWRITE, nullptr));
        Esegui(QStringLiteral("PRAGMA application_id = %1").arg(SqliteSchema::IdentificativoApplicazione));
    }
    ~Conversione() { sqlite3_close_v2(db_); }
    Conversione(const Conversione&) = delete;
    Conversione& operator=(const Conversione&) = delete;

    void Esegui(const QString& sql)
    {
        Controlla(sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr));
    }
    Istruzione Prepara(const QString& sql)
    {
        sqlite3_stmt* istruzione = nullptr;
        Controlla(sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &istruzione, nullptr));
        return Istruzione(istruzione);
    }
    void Lega(sqlite3_stmt* istruzione, int posizione, const QVariant& valore)
    {
        if (valore.isNull())
            Controlla(sqlite3_bind_null(istruzione, posizione));
        else if (valore.typeId() == QMetaType::Double)
            Controlla(sqlite3_bind_double(istruzione, posizione, valore.toDouble()));
        else if (valore.typeId() == QMetaType::QByteArray) {
            const QByteArray byte = valore.toByteArray();
            Controlla(sqlite3_bind_blob64(istruzione, posizione, byte.constData(),
                                          sqlite3_uint64(byte.size()), SQLITE_TRANSIENT));
        } else {
            const QByteArray testo = valore.toString().toUtf8();
            Controlla(sqlite3_bind_text64(istruzione, posizione, testo.constData(),
                                          sqlite3_uint64(testo.size()), SQLITE_TRANSIENT, SQLITE_UTF8));
        }
    }
    void Passo(sqlite3_stmt* istruzione)
    {
        const int codice = sqlite3_step(istruzione);
        sqlite3_reset(istruzione);
        if (codice != SQLITE_DONE)
            Controlla(codice);
    }
    QByteArray Immagine()
    {
        sqlite3_int64 dimensione = 0;
        unsigned char* byte = sqlite3_serialize(db_, "main", &dimensione, 0);
        if (!byte)
            Controlla(SQLITE_NOMEM);
        QByteArray immagine(reinterpret_cast<const char*>(byte), qsizetype(dimensione));
        sqlite3_free(byte);
        return immagine;
    }

private:
    void Controlla(int codice) const
    {
        if (codice != SQLITE_OK && codice != SQLITE_DONE && codice != SQLITE_ROW)
            throw DbException(
                DbErrore::Generico,
                QStringLiteral("Impossibile convertire il file «%1»: %2.")
                    .arg(percorso_, QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(codice))));
    }

    QString percorso_;
    sqlite3* db_ = nullptr;
};

// A table being read into the conversion: keeps the libmdb handles and the file name for
// the messages.
class LetturaTabella
{
public:
    LetturaTabella(MdbHandle* mdb, MdbCatalogEntry* voce, const QString& percorso, Conversione& conversione)
        : mdb_(mdb), voce_(voce), percorso_(percorso), conversione_(conversione)
    {
    }

    void Leggi();

private:
    [[noreturn]] void Danneggiata(const QString& motivo) const;
    void LeggiColonne();
    void LegaOggettiOle();
    void LeggiRighe();
    void ScriviRigaCorrente(sqlite3_stmt* inserisci);
    QVariant Valore(MdbColumn* colonna, const MdbField& campo);
    QVariant Numero(MdbColumn* colonna, const MdbField& campo);
    QVariant OggettoOle(MdbColumn* colonna);
    void RichiediByte(const MdbField& campo, int byte) const;

    MdbHandle* mdb_;
    MdbCatalogEntry* voce_;
    QString percorso_;
    Conversione& conversione_;
    TabellaMdb tabella_;
    QString nome_;
    QStringList colonne_; // the columns' definitions, quoted, with their engine types
    std::vector<std::vector<char>> bufferOle_;
    std::vector<int> lunghezzeOle_;
};

void LetturaTabella::Danneggiata(const QString& motivo) const
{
    throw DbException(
        DbErrore::FormatoNonRiconosciuto,
        QStringLiteral("Impossibile leggere la tabella «%1» del file «%2»: il file è danneggiato (%3).")
            .arg(QString::fromUtf8(voce_->object_name), percorso_, motivo));
}

void LetturaTabella::Leggi()
{
    tabella_.reset(mdb_read_table(voce_));
    if (!tabella_)
        Danneggiata(QStringLiteral("la definizione della tabella non si legge"));
    if (!HaMappaPagine(tabella_.get()))
        Danneggiata(QStringLiteral("la tabella non ha la mappa delle sue pagine"));
    nome_ = QString::fromUtf8(voce_->object_name);
    LeggiColonne();
    LegaOggettiOle();
    LeggiRighe();
}

void LetturaTabella::LeggiColonne()
{
    MdbTableDef* t = tabella_.get();
    if (t->num_cols == 0 || t->num_cols > MDB_MAX_COLS)
        Danneggiata(QStringLiteral("numero di colonne non valido: %1").arg(t->num_cols));
    if (!mdb_read_columns(t) || !t->columns || t->columns->len != t->num_cols)
        Danneggiata(QStringLiteral("le colonne non si leggono"));
    bool conNome = false;
    for (unsigned int i = 0; i < t->num_cols; ++i) {
        const auto* colonna = static_cast<const MdbColumn*>(g_ptr_array_index(t->columns, i));
        const QString nome = QString::fromUtf8(colonna->name);
        const TipoColonnaJet tipo = TipoDi(colonna->col_type);
        colonne_ << SqliteSchema::QuotaIdentificatore(nome) +
                        (tipo == TipoColonnaJet::Numero    ? QStringLiteral(" REAL")
                         : tipo == TipoColonnaJet::Binario ? QStringLiteral(" BLOB")
                                                           : QStringLiteral(" TEXT"));
        conNome = conNome || nome == QLatin1String("Nome");
    }
    conversione_.Esegui(
        QStringLiteral("CREATE TABLE %1 (%2)")
            .arg(SqliteSchema::QuotaIdentificatore(nome_), colonne_.join(QStringLiteral(", "))));
    if (conNome)
        conversione_.Esegui(SqliteSchema::CreaIndiceNome(nome_));
}

// OLE objects are read by libmdb through a bound buffer; other columns are decoded from
// the page directly.
void LetturaTabella::LegaOggettiOle()
{
    MdbTableDef* t = tabella_.get();
    bufferOle_.resize(t->num_cols);
    lunghezzeOle_.assign(t->num_cols, 0);
    for (unsigned int i = 0; i < t->num_cols; ++i) {
        auto* colonna = static_cast<MdbColumn*>(g_ptr_array_index(t->columns, i));
        if (colonna->col_type != MDB_OLE)
            continue;
        bufferOle_[i].assign(std::max<size_t>(mdb_->bind_size, MDB_MEMO_OVERHEAD), 0);
        mdb_bind_column(t, static_cast<int>(i) + 1, bufferOle_[i].data(), &lunghezzeOle_[i]);
    }
}

void LetturaTabella::LeggiRighe()
{
    MdbTableDef* t = tabella_.get();
    const unsigned int dichiarate = t->num_rows;
    QStringList segnaposto;
    for (int i = 1; i <= colonne_.size(); ++i)
        segnaposto << QStringLiteral("?%1").arg(i);
    const Istruzione inserisci = conversione_.Prepara(
        QStringLiteral("INSERT INTO %1 VALUES (%2)")
            .arg(SqliteSchema::QuotaIdentificatore(nome_), segnaposto.join(QLatin1Char(','))));
    unsigned int lette = 0;
    mdb_rewind_table(t);
    while (mdb_fetch_row(t)) {
        if (lette++ >= dichiarate)
            Danneggiata(QStringLiteral("le righe sono più delle %1 dichiarate").arg(dichiarate));
        ScriviRigaCorrente(inserisci.get());
    }
    if (lette != dichiarate)
        Danneggiata(QStringLiteral("si leggono %1 righe delle %2 dichiarate").arg(lette).arg(dichiarate));
}

// The row mdb_fetch_row has just read lies on the page in mdb_->pg_buf, one before
// cur_row. It is split into fields again here to tell Null from an empty text, which
// libmdb's bound buffers do not.
void LetturaTabella::ScriviRigaCorrente(sqlite3_stmt* inserisci)
{
    MdbTableDef* t = tabella_.get();
    int inizio = 0;
    size_t lunghezza = 0;
    if (t->cur_row == 0 || mdb_find_row(mdb_, static_cast<int>(t->cur_row) - 1, &inizio, &lunghezza) != 0)
        Danneggiata(QStringLiteral("una riga non si trova sulla sua pagina"));
    inizio &= MascheraOffsetRiga;
    MdbField campi[MDB_MAX_COLS];
    const int numeroCampi = mdb_crack_row(t, inizio, lunghezza, campi);
    if (numeroCampi < static_cast<int>(t->num_cols))
        Danneggiata(QStringLiteral("una riga ha meno campi delle colonne"));
    for (unsigned int i = 0; i < t->num_cols; ++i) {
        const int numero = campi[i].colnum;
        if (numero < 0 || numero >= static_cast<int>(t->num_cols))
            Danneggiata(QStringLiteral("una riga nomina una colonna che non esiste"));
        conversione_.Lega(inserisci, numero + 1,
                          Valore(static_cast<MdbColumn*>(g_ptr_array_index(t->columns, numero)), campi[i]));
    }
    conversione_.Passo(inserisci);
}

void LetturaTabella::RichiediByte(const MdbField& campo, int byte) const
{
    // A damaged row can give a field a negative size: as a length it would mean "up to
    // the first zero byte".
    if (byte < 0 || campo.start < 0 || campo.siz < byte || campo.start + byte > mdb_->fmt->pg_size)
        Danneggiata(QStringLiteral("un valore esce dalla sua pagina"));
}

QVariant LetturaTabella::Valore(MdbColumn* colonna, const MdbField& campo)
{
    // A Boolean keeps its value in the row's null mask: "null" there means False.
    if (colonna->col_type == MDB_BOOL)
        return QVariant(campo.is_null ? 0.0 : 1.0);
    if (campo.is_null)
        return QVariant();
    switch (TipoDi(colonna->col_type)) {
    case TipoColonnaJet::Numero:
        return Numero(colonna, campo);
    case TipoColonnaJet::Data:
        RichiediByte(campo, 8);
        return QVariant(TestoData(LeggiDaPagina<double>(mdb_->pg_buf, campo.start)));
    case TipoColonnaJet::Testo:
        if (campo.siz == 0)
            return QVariant(QString::fromLatin1(""));
        RichiediByte(campo, campo.siz);
        return QVariant(
            TestoDaMdb(mdb_col_to_string(mdb_, mdb_->pg_buf, campo.start, colonna->col_type, campo.siz)));
    case TipoColonnaJet::Binario:
        if (colonna->col_type == MDB_OLE)
            return OggettoOle(colonna);
        RichiediByte(campo, campo.siz);
        return QVariant(QByteArray(reinterpret_cast<const char*>(mdb_->pg_buf) + campo.start, campo.siz));
    }
    return QVariant();
}

QVariant LetturaTabella::Numero(MdbColumn* colonna, const MdbField& campo)
{
    const unsigned char* pagina = mdb_->pg_buf;
    switch (colonna->col_type) {
    case MDB_BYTE:
        RichiediByte(campo, 1);
        return QVariant(double(pagina[campo.start]));
    case MDB_INT:
        RichiediByte(campo, 2);
        return QVariant(double(LeggiDaPagina<qint16>(pagina, campo.start)));
    case MDB_LONGINT:
        RichiediByte(campo, 4);
        return QVariant(double(LeggiDaPagina<qint32>(pagina, campo.start)));
    case MDB_FLOAT:
        RichiediByte(campo, 4);
        return QVariant(DaSingolaPrecisione(LeggiDaPagina<float>(pagina, campo.start)));
    case MDB_DOUBLE:
        RichiediByte(campo, 8);
        return QVariant(LeggiDaPagina<double>(pagina, campo.start));
    case MDB_MONEY:
        // Currency: a whole number of ten-thousandths; one correctly rounded division
        // gives the double nearest to the decimal value.
        RichiediByte(campo, 8);
        return QVariant(double(LeggiDaPagina<qint64>(pagina, campo.start)) / 10000.0);
    case MDB_NUMERIC: {
        RichiediByte(campo, 17);
        // libmdb writes the decimal with a full stop whatever the locale; QByteArray
        // reads it the same way.
        const QString testo =
            TestoDaMdb(mdb_numeric_to_string(mdb_, campo.start, colonna->col_scale, colonna->col_prec));
        bool ok = false;
        const double valore = testo.toLatin1().toDouble(&ok);
        if (!ok)
            Danneggiata(QStringLiteral("un numero decimale non si legge: «%1»").arg(testo));
        return QVariant(valore);
    }
    default:
        return QVariant();
    }
}

QVariant LetturaTabella::OggettoOle(MdbColumn* colonna)
{
    size_t dimensione = 0;
    void* dati = mdb_ole_read_full(mdb_, colonna, &dimensione);
    if (!dati)
        return QVariant(QByteArray());
    QByteArray byte(static_cast<const char*>(dati), static_cast<qsizetype>(dimensione));
    g_free(dati);
    return QVariant(byte);
}

// The catalogue (the system table MSysObjects on page 2), read for the names, kinds and
// pages of the objects only. libmdb's own reader also decodes each object's property
// blob, and on some damaged blobs it never returns.
bool LeggiCatalogo(MdbHandle* mdb)
{
    mdb_free_catalog(mdb);
    mdb->catalog = g_ptr_array_new();
    mdb->num_catalog = 0;
    MdbCatalogEntry oggetti{};
    oggetti.mdb = mdb;
    oggetti.object_type = MDB_TABLE;
    oggetti.table_pg = 2;
    g_strlcpy(oggetti.object_name, "MSysObjects", sizeof oggetti.object_name);
    TabellaMdb tabella(mdb_read_table(&oggetti));
    MdbTableDef* t = tabella.get();
    if (!t || !HaMappaPagine(t) || t->num_cols == 0 || t->num_cols > MDB_MAX_COLS || !mdb_read_columns(t))
        return false;
    const size_t dimensione = std::max<size_t>(mdb->bind_size, MDB_BIND_SIZE);
    std::vector<char> id(dimensione), nome(dimensione), tipo(dimensione), flag(dimensione);
    const std::pair<const char*, char*> legami[] = {
        {"Id", id.data()}, {"Name", nome.data()}, {"Type", tipo.data()}, {"Flags", flag.data()}};
    for (const auto& [colonna, buffer] : legami)
        if (mdb_bind_column_by_name(t, const_cast<gchar*>(colonna), buffer, nullptr) < 0)
            return false;
    mdb_rewind_table(t);
    unsigned int righe = 0;
    for (;;) {
        for (const auto& legame : legami)
            legame.second[0] = '\0';
        if (!mdb_fetch_row(t))
            break;
        if (++righe > t->num_rows)
            return false;
        const int tipoOggetto = std::atoi(tipo.data());
        if (tipoOggetto != MDB_TABLE)
            continue;
        auto* voce = static_cast<MdbCatalogEntry*>(g_malloc0(sizeof(MdbCatalogEntry)));
        voce->mdb = mdb;
        g_strlcpy(voce->object_name, nome.data(), sizeof voce->object_name);
        voce->object_type = tipoOggetto & 0x7F;
        voce->table_pg = static_cast<unsigned long>(std::atol(id.data())) & 0x00FFFFFF;
        voce->flags = static_cast<int>(std::atol(flag.data()));
        mdb->num_catalog++;
        g_ptr_array_add(mdb->catalog, voce);
    }
    return true;
}

struct ChiudiMdb
{
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
using HandleMdb = std::unique_ptr<MdbHandle, ChiudiMdb>;

[[noreturn]] void Danneggiato(const QString& percorso, const QString& motivo)
{
    throw DbException(DbErrore::FormatoNonRiconosciuto,
                      QStringLiteral("Il file «%1» è un database Jet danneggiato o incompleto (%2).")
                          .arg(percorso, motivo));
}

// libmdb takes the page size and the page count on trust.
void ControllaPagine(const QByteArray& contenuto, int versione, const QString& percorso)
{
    const qsizetype pagina = versione == 3 ? PaginaJet3 : PaginaJet4;
    if (contenuto.size() % pagina != 0)
        Danneggiato(percorso,
                    QStringLiteral("la lunghezza, %1 byte, non è un multiplo della pagina di %2 byte: il "
                                   "file è troncato")
                        .arg(contenuto.size())
                        .arg(pagina));
    if (contenuto.size() < PagineMinime * pagina)
        Danneggiato(percorso, QStringLiteral("il file ha meno di %1 pagine").arg(PagineMinime));
    if (contenuto[0] != '\0')
        Danneggiato(percorso, QStringLiteral("la prima pagina non è quella di un database"));
}

// One table into the conversion, whole or not at all; the reason it could not be read.
std::optional<DbException> ConvertiTabella(MdbHandle* mdb, MdbCatalogEntry* voce, const QString& percorso,
                                           Conversione& conversione)
{
    conversione.Esegui(QStringLiteral("SAVEPOINT tabella"));
    try {
        LetturaTabella(mdb, voce, percorso, conversione).Leggi();
    } catch (const DbException& e) {
        conversione.Esegui(QStringLiteral("ROLLBACK TO tabella; RELEASE tabella"));
        return e;
    }
    conversione.Esegui(QStringLiteral("RELEASE tabella"));
    return std::nullopt;
}

} // namespace

namespace LetturaJet {

int ControllaFile(const QByteArray& contenuto, const QString& percorso)
{
    if (FirmaJet::IsAceHeader(contenuto))
        throw DbException(
            DbErrore::FormatoNonRiconosciuto,
            QStringLiteral("Il file «%1» è un database di Access 2007 o successivo (ACCDB), che questo "
                           "programma non sa leggere. Salvarlo da Access nel formato Access 2000 o "
                           "2002-2003 (.mdb) e riprovare.")
                .arg(percorso));
    if (!FirmaJet::IsJetHeader(contenuto) || contenuto.size() <= OffsetVersione)
        throw DbException(DbErrore::FormatoNonRiconosciuto,
                          QStringLiteral("Il file «%1» non è un database Jet.").arg(percorso));
    // Access 2007 and later write their own signature (above): under the Jet one, a version
    // other than Jet 3's and Jet 4's is damage.
    const int codiceVersione = static_cast<unsigned char>(contenuto[OffsetVersione]);
    if (codiceVersione > 1)
        Danneggiato(percorso, QStringLiteral("il codice di versione, %1, non è né quello di Access 97 (0) né "
                                             "quello di Access 2000-2003 (1)")
                                  .arg(codiceVersione));
    const int versione = codiceVersione + 3;
    ControllaPagine(contenuto, versione, percorso);
    return versione;
}

QByteArray Converti(const QByteArray& contenuto, const QString& percorso)
{
    ControllaFile(contenuto, percorso);
    // libmdb reads from the buffer without copying it: it must outlive the handle.
    QByteArray copia = contenuto;
    HandleMdb mdb(mdb_open_buffer(copia.data(), static_cast<size_t>(copia.size()), MDB_NOFLAGS));
    if (!mdb)
        Danneggiato(percorso, QStringLiteral("la prima pagina non si legge"));
    if (!LeggiCatalogo(mdb.get()))
        Danneggiato(percorso, QStringLiteral("l'elenco delle tabelle non si legge"));
    Conversione conversione(percorso);
    std::vector<DatabaseAccess::TabellaAccess> tabelle;
    bool tutteLette = true;
    for (unsigned int i = 0; i < mdb->num_catalog; ++i) {
        auto* voce = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (voce->object_type != MDB_TABLE || mdb_is_system_table(voce))
            continue;
        const auto errore = ConvertiTabella(mdb.get(), voce, percorso, conversione);
        tabelle.push_back({QString::fromUtf8(voce->object_name), errore ? errore->Numero() : 0,
                           errore ? errore->Descrizione() : QString()});
        tutteLette = tutteLette && !errore;
    }
    if (!tutteLette) {
        conversione.Esegui(DatabaseAccess::CreaElenco());
        const Istruzione aggiungi = conversione.Prepara(DatabaseAccess::AggiungiAllElenco());
        for (const auto& t : tabelle) {
            conversione.Lega(aggiungi.get(), 1, t.nome);
            conversione.Lega(aggiungi.get(), 2, double(t.codiceErrore));
            conversione.Lega(aggiungi.get(), 3, t.errore);
            conversione.Passo(aggiungi.get());
        }
    }
    return conversione.Immagine();
}

} // namespace LetturaJet
