#include "PavimentoElenco.h"

#include <QFile>
#include <sqlite3.h>

#include <string>
#include <vector>

int PavimentoElenco::LeggiECopiaNomi(const QString& file, const QString& tabella)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    const QByteArray sql =
        QStringLiteral("SELECT \"Nome\", \"Parola chiave\" FROM \"%1\" ORDER BY rowid").arg(tabella).toUtf8();
    sqlite3_stmt* istruzione = nullptr;
    sqlite3_prepare_v2(db, sql.constData(), -1, &istruzione, nullptr);
    std::string nomi;
    std::vector<size_t> fine;
    while (istruzione && sqlite3_step(istruzione) == SQLITE_ROW) {
        nomi.append(reinterpret_cast<const char*>(sqlite3_column_text(istruzione, 0)),
                    size_t(sqlite3_column_bytes(istruzione, 0)));
        fine.push_back(nomi.size());
        sqlite3_column_text(istruzione, 1);
    }
    sqlite3_finalize(istruzione);
    sqlite3_close(db);
    return int(fine.size());
}
