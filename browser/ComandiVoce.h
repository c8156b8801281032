// The main window's commands that take the shown entry out of it: add it to the
// comparison, write or print its data sheet, copy its band values. Each takes the entry from
// the stored row the window shows, not from the window's boxes. The comparison window is created on first
// use and kept, with its entries, until the program ends.
#pragma once

#include "exchange/DatiVoce.h"

#include <QObject>
#include <QPointer>
#include <optional>

class FinestraConfronto;
class FinestraPrincipale;
class QAction;
class QMainWindow;

class ComandiVoce : public QObject
{
    Q_OBJECT
public:
    // Puts the commands on the window's toolbar and menu, with their shortcuts.
    explicit ComandiVoce(FinestraPrincipale& finestra);

    // Adds the shown entry to the comparison.
    void AggiungiAlConfronto();
    // Adds entries read elsewhere (LetturaVoce) to the comparison, opening its window on first
    // use; a double click there shows an entry in this window. Returns how many were added.
    int Confronta(const QList<DatiVoce>& voci);
    void SalvaScheda();
    void StampaScheda();
    void CopiaBande();
    // Shows the entry in the main window: chooses its table in the tree and its line in the
    // list. False (and a message) when the entry is no longer there.
    bool MostraVoce(const DatiVoce& voce);

    // The comparison window; nullptr before the first entry was added.
    FinestraConfronto* Confronto() const;

private:
    std::optional<DatiVoce> VoceMostrata();
    QAction* Comando(const QIcon& icona, const QString& testo, const QKeySequence& scorciatoia,
                     void (ComandiVoce::*azione)());

    FinestraPrincipale& finestra_;
    QMainWindow* form_; // the window the commands sit on and their messages belong to
    QPointer<FinestraConfronto> confronto_;
};
