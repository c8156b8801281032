// A table cursor on a table of a Jet ".mdb" file, read whole into memory when it is
// opened: rows in stored order, fields by column name (case ignored, as Jet does), the
// equality seek on "Nome" through a hash of each name's first row, and every write
// refused before anything changes, because Jet files are only read.
#pragma once

#include "Recordset.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <QVector>
#include <memory>
#include <vector>

// What a Jet column holds, as the program sees it.
enum class TipoColonnaJet
{
    Numero,  // Byte, Integer, Long, Single, Double, Currency, Decimal, Boolean (1 or 0): a double
    Testo,   // Text, Memo, Replication ID: a QString
    Data,    // Date/Time: a QString "d/m/yyyy", with " hh:mm:ss" when the time is not midnight
    Binario, // Binary, OLE object: a QByteArray
};

struct ColonnaJet
{
    QString nome;
    TipoColonnaJet tipo;
};

// One table of a Jet file, as read.
struct TabellaJet
{
    QString nome;
    QVector<ColonnaJet> colonne;
    std::vector<QVector<QVariant>> righe; // stored order; a null QVariant for Null
};

class JetRecordset : public Recordset
{
public:
    // percorso names the file in the messages.
    JetRecordset(std::shared_ptr<const TabellaJet> tabella, const QString& percorso);

    int RecordCount() override;
    void MoveFirst() override;
    void MoveNext() override;
    bool Eof() const override;

    QVariant Field(const QString& colonna) const override;
    bool HasField(const QString& colonna) const override;
    QStringList NomiColonne() const override;

    void SetIndex(const QString& nomeIndice) override;
    // After a Seek the cursor goes on in stored order from the row found.
    void Seek(const QString& confronto, const QString& chiave) override;
    bool NoMatch() const override;

    // Writes: all refused with DbErrore::SolaLettura.
    void SetField(const QString& colonna, const QString& testo) override;
    void AddNew() override;
    void Edit() override;
    void Update() override;
    void Delete() override;

    void Close() override;

private:
    int IndiceColonna(const QString& colonna) const; // -1 when missing
    const TabellaJet& Tabella() const;
    void CostruisciIndiceNome();
    [[noreturn]] void RifiutaScrittura() const;

    std::shared_ptr<const TabellaJet> tabella_;
    QString percorso_;
    QHash<QString, int> colonnePerNome_;   // lower-case name -> column
    QHash<QString, int> primaRigaPerNome_; // "Nome" -> its first row in stored order
    bool indiceNomeScelto_ = false;
    bool noMatch_ = false;
    qsizetype riga_ = 0;
};
