// A table cursor on a material table of the shared database on the server: rows in the
// order they were stored (by the table's serial key), read in growing batches as the
// cursor walks, fields by column name, the equality seek on a column's own index, and a
// pending row written by one statement when Update is called, so that it is committed
// whole or not at all. Nothing is held on the server between statements: no server-side
// cursor, so the cursor outlives no handler's transaction.
#pragma once

#include "PgConnessione.h"
#include "Recordset.h"
#include "TabellaPg.h"

#include <deque>
#include <map>

class PgRecordset : public Recordset
{
    Q_DECLARE_TR_FUNCTIONS(PgRecordset)

public:
    PgRecordset(std::shared_ptr<PgConnessione> connessione, std::shared_ptr<const TabellaPg> tabella);

    int RecordCount() override;
    void MoveFirst() override;
    void MoveNext() override;
    bool Eof() const override;

    QVariant Field(const QString& colonna) const override;
    void SetField(const QString& colonna, const QString& testo) override;
    bool HasField(const QString& colonna) const override;
    QStringList FieldNames() const override;

    void SetIndex(const QString& nomeIndice) override;
    void Seek(const QString& confronto, const QString& chiave) override;
    bool NoMatch() const override;

    void AddNew() override;
    void Edit() override;
    // The current row stays the one the cursor had before AddNew or Edit.
    void Update() override;
    void Delete() override;
    void Close() override;

    Elenco LeggiElenco(const QString& colonnaNome, const QString& colonnaParola, bool paroleChiave,
                       const std::optional<QString>& soloParola) override;
    bool ContieneIgnorandoMaiuscole(const QString& colonna, const QString& testo) override;

private:
    struct Riga
    {
        qint64 chiave = 0;
        QVector<QVariant> valori;
    };
    enum class Modifica
    {
        Nessuna,
        NuovaRiga,
        RigaCorrente
    };

    PgConnessione& Connessione() const;
    int IndiceColonnaEsistente(const QString& colonna) const;
    QString AzioneLettura() const;
    // The cursor's place is found only when it is needed: the first row at opening, or the
    // row a write left it on.
    void Risolvi() const;
    // Reads up to n rows from the key on (the key itself included) into the rows ahead.
    void Carica(qint64 daChiave, int n) const;
    void VerificaRigaCorrente() const;
    void Lascia(); // no current row, nothing pending
    void AnnullaModifica();

    std::shared_ptr<PgConnessione> connessione_;
    std::shared_ptr<const TabellaPg> tabella_;

    mutable std::optional<Riga> corrente_;
    mutable std::deque<Riga> davanti_;
    mutable std::optional<qint64> daPosizionare_; // the first row from this key on becomes current
    mutable bool finiti_ = false;                 // no row lies beyond davanti_
    mutable int lotto_ = 1;
    bool rigaEliminata_ = false;
    qint64 chiaveEliminata_ = 0;

    int colonnaRicerca_ = -1;
    bool noMatch_ = false;
    Modifica modifica_ = Modifica::Nessuna;
    qint64 chiaveInModifica_ = 0;
    std::map<int, ParametroPg> inSospeso_; // column index -> value, in column order
};
