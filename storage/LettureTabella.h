// The two whole-table reads the use cases make in one go, apart from any cursor: what the
// material list shows of a table, and the save's case-insensitive name check. Each engine
// reads them with its own statements; the list is put together here, the same for all.
#pragma once

#include "ElencoTesti.h"
#include "TestiVisti.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class LettureTabella
{
public:
    // What the material list shows of a table, in stored order: the names (rows without one
    // are left out) and, when asked, the distinct keywords in order of first appearance
    // (Null left out). With the keywords, each listed row's keyword too, as its place in
    // paroleChiave (-1 for none); left empty when some row has no name or two keywords read
    // as one text.
    struct Elenco
    {
        ElencoTesti nomi;
        QStringList paroleChiave;
        std::vector<qint32> parolaRiga;
    };

    virtual ~LettureTabella() = default;
    // With soloParola only the rows whose keyword equals it exactly are listed. Throws
    // DbException for a column the table lacks (the keyword's first).
    virtual Elenco LeggiElenco(const QString& colonnaNome, const QString& colonnaParola, bool paroleChiave,
                               const std::optional<QString>& soloParola) = 0;
    // Whether some row's value in colonna equals testo when letter case is ignored, for
    // every alphabet ("città" and "CITTÀ" are equal). Rows without a value never match.
    virtual bool ContieneIgnorandoMaiuscole(const QString& colonna, const QString& testo) = 0;

protected:
    // An Elenco put together row by row, as the engine reads the rows.
    class Raccolta
    {
    public:
        // righe and byte: room to make at once, a guess.
        Raccolta(bool paroleChiave, qsizetype righe, qsizetype byte);
        // A row's name and keyword as their UTF-8 bytes, nothing for Null.
        void Aggiungi(std::optional<QByteArrayView> nome, std::optional<QByteArrayView> parola);
        Elenco Fine();

    private:
        Elenco elenco_;
        TestiVisti paroleViste_;
        bool paroleChiave_;
        bool senzaNome_ = false;
    };
};
