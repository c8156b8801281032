// The whole-table reads of a table of the program's own engine, each one statement over
// the table in stored order: the list, the name check (which lays out its index on a file
// that may be written), and the chosen columns of every row for the search and the checks.
#pragma once

#include "SqliteConnessione.h"
#include "storage/ColonneTabella.h"
#include "storage/FiltroTesti.h"
#include "storage/LettureTabella.h"
#include "storage/RigaLetta.h"

#include <functional>
#include <memory>

class LettureSqlite : public LettureTabella
{
public:
    // numeroRiga: the name under which the engine's row number is read (rowid); scrivibile:
    // whether the name check may lay out its index.
    LettureSqlite(std::shared_ptr<SqliteConnessione> connessione, ColonneTabella colonne,
                  const QString& numeroRiga, bool scrivibile);

    Elenco LeggiElenco(const QString& colonnaNome, const QString& colonnaParola, bool paroleChiave,
                       const std::optional<QString>& soloParola) override;
    bool ContieneIgnorandoMaiuscole(const QString& colonna, const QString& testo) override;
    // As Recordset::LeggiColonne, values read straight from the engine's row.
    void LeggiColonne(const QStringList& colonne, const std::function<bool(const RigaLetta&)>& riga);
    // As Recordset::LeggiColonneFiltrate with a test, the texts tested inside the statement.
    qint64 LeggiColonneFiltrate(const QStringList& colonne, const FiltroTesti& filtro,
                                const std::function<bool(const RigaLetta&, qint64)>& riga);

private:
    const SqliteConnessione& Connessione() const { return *connessione_; }
    QString ColonnaQuotata(const QString& colonna) const;
    QString Lettura(const QStringList& colonne, const QString& dove) const;
    QString Azione() const;
    void IndicizzaMaiuscole(const QString& colonna) const;

    std::shared_ptr<SqliteConnessione> connessione_;
    ColonneTabella colonne_;
    QString numeroRiga_;
    bool scrivibile_;
};
