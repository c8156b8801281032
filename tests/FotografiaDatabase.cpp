#include "FotografiaDatabase.h"

#include "storage/sqlite/SqliteConnessione.h"

#include <QFile>
#include <sqlite3.h>

namespace FotografiaDatabase {

namespace {

// Rows of a query, each column by its name; false on failure.
bool Esegui(sqlite3* db, const QString& sql, std::vector<QVariantMap>& righe)
{
    sqlite3_stmt* istruzione = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &istruzione, nullptr) != SQLITE_OK)
        return false;
    int codice;
    while ((codice = sqlite3_step(istruzione)) == SQLITE_ROW) {
        QVariantMap riga;
        for (int i = 0; i < sqlite3_column_count(istruzione); ++i) {
            QVariant valore;
            const int tipo = sqlite3_column_type(istruzione, i);
            if (tipo == SQLITE_INTEGER || tipo == SQLITE_FLOAT)
                valore = sqlite3_column_double(istruzione, i);
            else if (tipo != SQLITE_NULL)
                valore = QString::fromUtf8(static_cast<const char*>(sqlite3_column_blob(istruzione, i)),
                                           sqlite3_column_bytes(istruzione, i));
            riga.insert(QString::fromUtf8(sqlite3_column_name(istruzione, i)), valore);
        }
        righe.push_back(riga);
    }
    sqlite3_finalize(istruzione);
    return codice == SQLITE_DONE;
}

// The system's own file layer, whatever a test has made the default.
sqlite3* Apri(const QString& percorso)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(percorso).constData(), &db, SQLITE_OPEN_READWRITE, "unix");
    sqlite3_busy_timeout(db, 5000);
    SqliteConnessione::RegistraFunzioni(db);
    return db;
}

} // namespace

std::vector<Riga> Righe(const QString& percorso, QString* errore)
{
    sqlite3* db = Apri(percorso);
    std::vector<Riga> righe;
    std::vector<QVariantMap> tabelle;
    bool ok = Esegui(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"),
                     tabelle);
    for (size_t t = 0; ok && t < tabelle.size(); ++t) {
        const QString tabella = tabelle[t].value(QStringLiteral("name")).toString();
        std::vector<QVariantMap> contenuto;
        ok = Esegui(db,
                    QStringLiteral("SELECT rowid AS zelmar_riga, * FROM \"%1\" ORDER BY rowid")
                        .arg(QString(tabella).replace(QLatin1Char('"'), QLatin1String("\"\""))),
                    contenuto);
        for (QVariantMap& colonne : contenuto)
            righe.push_back(
                {tabella, qint64(colonne.take(QStringLiteral("zelmar_riga")).toDouble()), colonne});
    }
    if (errore)
        *errore = ok ? QString() : QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_close_v2(db);
    return ok ? righe : std::vector<Riga>{};
}

std::vector<QVariantMap> Interroga(const QString& percorso, const QString& sql, QString* errore)
{
    sqlite3* db = Apri(percorso);
    std::vector<QVariantMap> righe;
    const bool ok = Esegui(db, sql, righe);
    if (errore)
        *errore = ok ? QString() : QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_close_v2(db);
    return ok ? righe : std::vector<QVariantMap>();
}

QString Integrita(const QString& percorso)
{
    sqlite3* db = Apri(percorso);
    std::vector<QVariantMap> esito;
    QStringList righe;
    if (Esegui(db, QStringLiteral("PRAGMA integrity_check"), esito))
        for (const QVariantMap& r : esito)
            righe << r.first().toString();
    else
        righe << QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_close_v2(db);
    return righe.join(QLatin1Char('\n'));
}

} // namespace FotografiaDatabase
