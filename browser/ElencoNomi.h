// The material list box: one selectable name per row, the current row reported as it
// changes, a double click on a row reported too. Rows are addressed by number, as the
// list box of the original program was. A table of one column without headers and rows of
// one height: unlike a list view, which places every row after each fill, it finds a row's
// place by arithmetic, so a fill of a million names costs the same as one of ten.
#pragma once

#include "storage/ElencoTesti.h"
#include <QTableView>
#include <functional>

class ModelloNomi;

class ElencoNomi : public QTableView
{
    Q_OBJECT
public:
    explicit ElencoNomi(QWidget* padre = nullptr);

    // Replaces every row; no row is current afterwards.
    void Imposta(ElencoTesti nomi);
    // Changes the rows in place; no row is current afterwards. What cambia returns.
    bool CambiaNomi(const std::function<bool(ElencoTesti&)>& cambia);

    int count() const;
    int currentRow() const; // -1 when no row is current
    void setCurrentRow(int riga);
    QString testo(int riga) const;        // "" for a row that does not exist
    QString testoCorrente() const;        // "" when no row is current
    QRect rettangoloRiga(int riga) const; // where the row is drawn, in viewport coordinates
    void mostraRiga(int riga);            // scrolls the row into view

protected:
    void changeEvent(QEvent* evento) override;

signals:
    void currentRowChanged(int riga);
    void rigaDoppioClick(int riga);

private:
    void AdattaAltezzaRighe();

    ModelloNomi* modello_;
};
