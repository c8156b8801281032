// The material editor: a modal window in which an entry of the custom database is
// inserted (mode "0") or modified (mode "1").
#pragma once

#include "MaterialeMostrato.h"
#include "model/SalvataggioMateriale.h"

#include <QDialog>
#include <QHash>
#include <array>
#include <functional>

class CasellaNumerica;
class QCalendarWidget;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class SegnoParolaChiave;
class ValutazioniEditor;

class Form3 : public QDialog, private SalvataggioMateriale::Osservatore
{
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr);
    ~Form3() override;

    // Opening protocol: mode marker, what the main window shows, how to refill its
    // list after a save; then InitMateriale() and exec().
    void SetModo(const QString& marcatore);
    QString Modo() const;
    void SetMaterialeMostrato(const MaterialeMostrato& mostrato);
    // ricarica is told what was saved, and the table's versions around the save.
    using Ricarica =
        std::function<void(const SalvataggioMateriale::Richiesta&, const SalvataggioMateriale::Esito&)>;
    void SetRicarica(Ricarica ricarica);
    void InitMateriale();
    // After InitMateriale for a new entry: every box filled from a stored entry of this
    // kind or of another kind of its category (a theoretical entry copied into the custom
    // table); a value the entry lacks leaves its box empty.
    void CompilaDa(const RecordMateriale& record, const TipoMateriale& origine);

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    // Band values from the clipboard: 21 (50-5000 Hz) or 16 (100-3150 Hz, the other bands
    // left as they are); anything else is refused with a message and changes nothing.
    void IncollaBande();

private:
    // Building the window.
    void CreaFinestra();
    QFrame* CreaCornice(const QString& nome, QLabel*& titolo, const QString& nomeTitolo,
                        const QString& testoTitolo, int sinistra, int alto, int larghezza, int altezza);
    QLabel* CreaEtichetta(QWidget* contenitore, const QString& nome, const QString& testo, int sinistra,
                          int alto, int larghezza, int altezza);
    // aCapo: Enter types a line break (CasellaACapo).
    QLineEdit* CreaTesto(QWidget* contenitore, const QString& nome, int maxLunghezza, int sinistra, int alto,
                         int larghezza, int altezza, bool aCapo = false);
    CasellaNumerica* CreaNumero(QWidget* contenitore, const QString& nome, bool intero, bool consentiNegativo,
                                bool valore, const QString& testo, int sinistra, int alto, int larghezza,
                                int altezza);
    void CreaInformazioniGenerali();
    void CreaCertificato();
    void CreaGrigliaBande();
    void CreaStruttura();
    void CreaPulsanti();
    void ImpostaOrdineTabulazione();
    void ResetLabels();
    void ResetColori();

    // Set-up of InitMateriale.
    int ValoreModo() const;
    void CostruisciCaselle();
    void CaricaParoleChiave();
    void ImpostaCategoria(const TipoMateriale& tipo);
    void CopiaBande();
    void CopiaMaterialeMostrato();
    void SpostaFuocoBanda(int indice, int passo);

    // The save.
    void TagliaAlPrimoACapo();
    QString TestoColonna(const QString& colonna) const;
    void MostraEsito(const SalvataggioMateriale::Esito& esito);
    // After a refusal for another copy's changes: the entry as stored now is the one shown,
    // so that Ok again saves over those changes.
    void AdottaCambiamenti(const std::vector<SalvataggioMateriale::Cambiamento>& cambiate);
    void ImpostaColoreDidascalia(const QString& colonna, const QColor& colore);
    void InizioScrittura(const QString& colonna) override;
    void FineScrittura(const QString& colonna) override;

    QWidget* Casella(const QString& nome) const;
    void ImpostaTesto(const QString& casella, const QString& testo);

    // The box that shows a column of the kind, and the caption marked while it is written.
    struct CasellaColonna
    {
        QWidget* valore = nullptr;
        QWidget* didascalia = nullptr;
    };

    QString modo_;
    MaterialeMostrato mostrato_;
    const TipoMateriale* tipo_ = nullptr;    // the kind being edited; none for other codes
    QHash<QString, CasellaColonna> caselle_; // by column name
    Ricarica ricarica_;
    QString MessaggioCampo;

    QFrame* frameInfogenerali_ = nullptr;
    QFrame* frameCertificato_ = nullptr;
    QFrame* frame1_ = nullptr;
    QFrame* frameMateriale_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* label5_ = nullptr;
    QLabel* label6_ = nullptr;
    std::array<QLabel*, 16> label1_{};
    std::array<QLineEdit*, 24> text1_{};
    std::array<CasellaNumerica*, 24> text2_{};
    QLineEdit* text15_ = nullptr;
    QComboBox* combo1_ = nullptr;
    SegnoParolaChiave* segnoParola_ = nullptr; // the stored keyword, when the box holds another
    QLineEdit* text3_ = nullptr;
    QLineEdit* text8_ = nullptr;
    QLineEdit* text9_ = nullptr;
    QPushButton* command1_ = nullptr;
    QLineEdit* text16_ = nullptr;
    QLineEdit* text4_ = nullptr;
    QLineEdit* text6_ = nullptr;
    QLineEdit* text7_ = nullptr;
    QCalendarWidget* monthView1_ = nullptr;
    std::array<CasellaNumerica*, 5> struttura_{}; // Text10..Text14
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    ValutazioniEditor* valutazioniCalcolate_ = nullptr; // computed ratings beside the rating boxes
};
