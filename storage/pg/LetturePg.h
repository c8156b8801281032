// The whole-table reads of a material table on the server: the list and the name check,
// each one statement over the table in stored order.
#pragma once

#include "PgConnessione.h"
#include "TabellaPg.h"
#include "storage/ColonneTabella.h"
#include "storage/LettureTabella.h"

class LetturePg : public LettureTabella
{
    Q_DECLARE_TR_FUNCTIONS(LetturePg)

public:
    LetturePg(std::shared_ptr<PgConnessione> connessione, std::shared_ptr<const TabellaPg> tabella,
              ColonneTabella colonne);

    Elenco LeggiElenco(const QString& colonnaNome, const QString& colonnaParola, bool paroleChiave,
                       const std::optional<QString>& soloParola) override;
    bool ContieneIgnorandoMaiuscole(const QString& colonna, const QString& testo) override;

private:
    PgConnessione& Connessione() const { return *connessione_; }
    QString Quotata(int colonna) const;
    QString AzioneLettura() const;

    std::shared_ptr<PgConnessione> connessione_;
    std::shared_ptr<const TabellaPg> tabella_;
    ColonneTabella colonne_;
};
