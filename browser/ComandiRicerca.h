// The main window's search commands: the search window (toolbar button, menu, Ctrl+F),
// created on first use and kept with its results, and "Copy into the custom database",
// which opens the editor for a new entry of the custom table of the entry's category,
// filled with the entry's values, for the shown entry or for one the search found; and the
// pick of one entry for the design window.
#pragma once

#include "model/TabelleCartellaDati.h"
#include "searchwindow/FinestraRicerca.h"

#include <QObject>
#include <QPointer>
#include <functional>

class ComandiVoce;
class FinestraPrincipale;
class RecordMateriale;

class ComandiRicerca : public QObject
{
    Q_OBJECT
public:
    // voci shows and compares the entries the search finds.
    ComandiRicerca(FinestraPrincipale& finestra, ComandiVoce& voci);

    // Opens the search window, or brings it forward.
    void ApriRicerca();
    FinestraRicerca* Ricerca() const { return ricerca_; }
    // Opens the search window for the user to pick one entry ("Use in the project"), which
    // goes to scelta; perche tells what it is for. A later request replaces this one.
    using Scelta = std::function<void(const TabelleCartellaDati::Tabella&, const QString&)>;
    void ScegliVoce(const QString& perche, Scelta scelta);

    void CopiaMostrata();
    // The entry of a kind, as stored, copied into the custom table of its category.
    void Copia(const RecordMateriale& record, int codice);

private:
    void Mostra(const TabelleCartellaDati::Tabella& tabella, const QString& nome);
    void Confronta(const QList<QPair<TabelleCartellaDati::Tabella, QString>>& voci);
    void CopiaTrovata(const TabelleCartellaDati::Tabella& tabella, const QString& nome);

    FinestraPrincipale& finestra_;
    ComandiVoce& voci_;
    QPointer<FinestraRicerca> ricerca_;
    Scelta scelta_;
};
