// What the main window keeps of the list it shows, beside the names: the table's version as
// read, and each name's keyword. A change this program made to that table is applied to the
// list it holds, instead of reading the whole table again, when the table's version says
// that nothing else changed it meanwhile; anything else is left to a fresh read.
#pragma once

#include "ListaMateriali.h"
#include "SalvataggioMateriale.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class ElencoTenuto
{
public:
    struct Modifica
    {
        enum Tipo
        {
            Cancellazione, // the first entry named nome deleted (when cancellata)
            Salvataggio,   // the first entry named nome given nuovoNome and parola
            Nuova,         // an entry nuovoNome with parola stored after every other
        };
        Tipo tipo = Cancellazione;
        QString nome;
        bool cancellata = true;
        QString nuovoNome;
        std::optional<QString> parola; // the keyword written; none when the save wrote none
        ListaMateriali::Versioni versioni;

        // What a save changed: the entry it wrote, under the name and keyword it wrote.
        static Modifica DopoSalvataggio(const SalvataggioMateriale::Richiesta& richiesta,
                                        const SalvataggioMateriale::Esito& esito);
    };

    // Keeps what a fill with the keywords read of a table, taking its keywords by row (the
    // names stay with the caller).
    void Imposta(const QString& percorso, const QString& tabella, ListaMateriali::Contenuto& letto);
    void Dimentica();
    // Applies the change to nomi, the list read with Imposta as changed since by Applica.
    // False, changing nothing, when the table may hold more than that list with the change:
    // then only a fresh read shows it.
    bool Applica(ElencoTesti& nomi, const QString& percorso, const QString& tabella,
                 const Modifica& modifica);
    // The distinct keywords of the list, in order of first appearance.
    QStringList ParoleChiave() const;

private:
    qint32 Numero(const QString& parola);

    QString percorso_;
    QString tabella_;
    std::optional<qint64> versione_;
    QStringList parole_;            // every keyword met, by number
    QHash<QString, qint32> numeri_; // keyword -> number
    std::vector<qint32> parolaRiga_;
};
