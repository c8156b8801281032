#include "FotografiaDatabase.h"

#include <QFile>
#include <sqlite3.h>

namespace FotografiaDatabase {

namespace {

// The system's own file layer, whatever a test has made the default.
constexpr const char* StratoDiSistema = "unix";

class Connessione
{
public:
    explicit Connessione(const QString& percorso)
    {
        ok_ = sqlite3_open_v2(QFile::encodeName(percorso).constData(), &db_, SQLITE_OPEN_READWRITE,
                              StratoDiSistema) == SQLITE_OK;
        if (ok_)
            sqlite3_busy_timeout(db_, 5000);
    }
    ~Connessione() { sqlite3_close_v2(db_); }
    Connessione(const Connessione&) = delete;
    Connessione& operator=(const Connessione&) = delete;

    bool ok() const { return ok_; }
    QString Errore() const
    {
        return db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("nessuna connessione");
    }

    // Rows of a query, each column by its name; false on failure.
    bool Esegui(const QString& sql, std::vector<QVariantMap>& righe) const
    {
        sqlite3_stmt* istruzione = nullptr;
        if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &istruzione, nullptr) != SQLITE_OK)
            return false;
        int codice;
        while ((codice = sqlite3_step(istruzione)) == SQLITE_ROW) {
            QVariantMap riga;
            for (int i = 0; i < sqlite3_column_count(istruzione); ++i)
                riga.insert(QString::fromUtf8(sqlite3_column_name(istruzione, i)), Valore(istruzione, i));
            righe.push_back(riga);
        }
        sqlite3_finalize(istruzione);
        return codice == SQLITE_DONE;
    }

private:
    static QVariant Valore(sqlite3_stmt* istruzione, int i)
    {
        switch (sqlite3_column_type(istruzione, i)) {
        case SQLITE_NULL:
            return {};
        case SQLITE_INTEGER:
        case SQLITE_FLOAT:
            return sqlite3_column_double(istruzione, i);
        default:
            return QString::fromUtf8(static_cast<const char*>(sqlite3_column_blob(istruzione, i)),
                                     sqlite3_column_bytes(istruzione, i));
        }
    }

    sqlite3* db_ = nullptr;
    bool ok_ = false;
};

QString Quota(const QString& nome)
{
    QString q = nome;
    return QLatin1Char('"') + q.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

} // namespace

std::vector<Riga> Righe(const QString& percorso, QString* errore)
{
    std::vector<Riga> righe;
    Connessione c(percorso);
    std::vector<QVariantMap> tabelle;
    if (!c.ok() ||
        !c.Esegui(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"),
                  tabelle)) {
        if (errore)
            *errore = c.Errore();
        return {};
    }
    for (const QVariantMap& t : tabelle) {
        const QString tabella = t.value(QStringLiteral("name")).toString();
        std::vector<QVariantMap> contenuto;
        if (!c.Esegui(QStringLiteral("SELECT rowid AS zelmar_numero_riga, * FROM %1 ORDER BY rowid")
                          .arg(Quota(tabella)),
                      contenuto)) {
            if (errore)
                *errore = c.Errore();
            return {};
        }
        for (QVariantMap& colonne : contenuto) {
            Riga riga;
            riga.tabella = tabella;
            riga.numero = qint64(colonne.take(QStringLiteral("zelmar_numero_riga")).toDouble());
            riga.colonne = colonne;
            righe.push_back(riga);
        }
    }
    if (errore)
        errore->clear();
    return righe;
}

std::vector<QVariantMap> Interroga(const QString& percorso, const QString& sql, QString* errore)
{
    Connessione c(percorso);
    std::vector<QVariantMap> righe;
    const bool ok = c.ok() && c.Esegui(sql, righe);
    if (errore)
        *errore = ok ? QString() : c.Errore();
    return ok ? righe : std::vector<QVariantMap>();
}

std::vector<Riga> RigheConNome(const std::vector<Riga>& righe, const QString& tabella, const QString& nome)
{
    std::vector<Riga> trovate;
    for (const Riga& r : righe)
        if (r.tabella == tabella && r.colonne.value(QStringLiteral("Nome")).toString() == nome)
            trovate.push_back(r);
    return trovate;
}

QString Integrita(const QString& percorso)
{
    Connessione c(percorso);
    std::vector<QVariantMap> esito;
    if (!c.ok() || !c.Esegui(QStringLiteral("PRAGMA integrity_check"), esito))
        return c.Errore();
    QStringList righe;
    for (const QVariantMap& r : esito)
        righe << r.first().toString();
    return righe.join(QLatin1Char('\n'));
}

QString Differenze(const Riga& riga, const QVariantMap& attese)
{
    QStringList differenze;
    for (auto it = attese.constBegin(); it != attese.constEnd(); ++it) {
        const QVariant trovato = riga.colonne.value(it.key());
        if (trovato != it.value())
            differenze << QStringLiteral("%1: «%2» invece di «%3»")
                              .arg(it.key(), trovato.toString().left(40), it.value().toString().left(40));
    }
    for (auto it = riga.colonne.constBegin(); it != riga.colonne.constEnd(); ++it)
        if (!attese.contains(it.key()) && !it.value().isNull())
            differenze << QStringLiteral("%1: «%2» non scritto dal salvataggio")
                              .arg(it.key(), it.value().toString());
    return differenze.join(QStringLiteral("; "));
}

} // namespace FotografiaDatabase
