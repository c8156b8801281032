// A failure of the database engine: an error number and a description for the user,
// thrown by every storage operation that cannot be carried out.
#pragma once

#include <QString>
#include <stdexcept>

class DbException : public std::runtime_error
{
public:
    DbException(int numero, const QString& descrizione)
        : std::runtime_error(descrizione.toStdString()), numero_(numero), descrizione_(descrizione)
    {
    }
    int Numero() const { return numero_; }
    const QString& Descrizione() const { return descrizione_; }

private:
    int numero_;
    QString descrizione_;
};

// Error numbers, chosen to match the ones users of the old engine know.
namespace DbErrore {
constexpr int ConversioneTipo = 3421;        // text is not a number for a numeric column
constexpr int ElementoNonTrovato = 3265;     // no such column
constexpr int FileNonTrovato = 3024;         // database file missing
constexpr int FileInUso = 3045;              // file held exclusively by another user
constexpr int FormatoNonRiconosciuto = 3343; // damaged or foreign file
constexpr int TabellaNonTrovata = 3078;      // no such table
constexpr int IndiceNonTrovato = 3800;       // no such index
constexpr int NessunRecordCorrente = 3021;
constexpr int AggiornamentoSenzaModifica = 3020; // Update without AddNew or Edit
constexpr int SolaLettura = 3027;                // database or file is read-only
constexpr int ErroreDisco = 3043;                // disk or I/O failure
constexpr int ConnessioneServer = 3151; // the database server cannot be reached, or the connection was lost
constexpr int PermessoNegato = 3112;    // the server refuses the user's role what was asked
constexpr int Generico = 3000;
} // namespace DbErrore
