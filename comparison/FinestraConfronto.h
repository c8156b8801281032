// The comparison window: the curves of up to twelve entries of one band quantity on one
// chart, with the table of their values and ratings under it. It stays open beside the main
// window, keeps its entries while the user browses other tables, and exports the chart and
// the table.
#pragma once

#include "InsiemeConfronto.h"

#include <QMainWindow>

class QAction;
class QChart;
class QChartView;
class QLabel;
class QListWidget;
class QTableWidget;

class FinestraConfronto : public QMainWindow
{
    Q_OBJECT
public:
    explicit FinestraConfronto(QWidget* parent = nullptr);

    // Adds the entries in order and shows the window without taking the keyboard from the
    // window the user works in. The entries refused (another band quantity, already there,
    // beyond twelve) are explained together in one message. Returns how many were added.
    int Aggiungi(const QList<DatiVoce>& voci);
    void Rimuovi(int indice);
    void Svuota();
    const InsiemeConfronto& Insieme() const { return insieme_; }

    void MostraRiferimenti(bool mostra);
    // Empty when written, otherwise what went wrong (also shown to the user).
    QString EsportaGrafico(const QString& percorso);
    QString EsportaTabella(const QString& percorso);
    void CopiaTabella();
    void Stampa();

    QChart* Grafico() const { return grafico_; }
    QTableWidget* Tabella() const { return tabella_; }
    QListWidget* Legenda() const { return legenda_; }
    QLabel* Puntatore() const { return puntatore_; }

signals:
    // The user asked to see this entry in the main window.
    void mostraVoce(const DatiVoce& voce);

private:
    void CreaComandi();
    void RiempiMenu(const QList<QAction*>& esporta, QAction* stampa, QAction* chiudi,
                    const QList<QAction*>& modifica);
    void Aggiorna();
    void RiempiTabella();
    void RiempiLegenda();
    void Scegli(int indice);
    void ChiediMostra(int indice);
    void MostraPunto(int voce, const QPointF& punto, bool sopra);
    void ChiediEsportazioneGrafico(const QString& formato, const QString& filtro);
    void ChiediEsportazioneTabella();
    int VoceCorrente() const;
    QList<DatiVoce> Voci() const;

    InsiemeConfronto insieme_;
    bool riferimenti_ = false;
    QChart* grafico_ = nullptr;
    QChartView* vista_ = nullptr;
    QTableWidget* tabella_ = nullptr;
    QListWidget* legenda_ = nullptr;
    QLabel* puntatore_ = nullptr;
    QAction* rimuovi_ = nullptr;
    QAction* mostraRiferimenti_ = nullptr;
    QList<QAction*> conVoci_; // the commands that need an entry to work on
};
