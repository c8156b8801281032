// The material editor: a modal window in which an entry of the custom database is
// inserted (mode "0") or modified (mode "1").
#pragma once

#include "ControlliForm3.h"
#include "MaterialeMostrato.h"
#include "model/SalvataggioMateriale.h"
#include "model/TabellaCorrente.h"

#include <QDialog>
#include <QHash>
#include <functional>

class Form3 : public QDialog
{
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr);
    ~Form3() override;

    // Opening protocol: mode marker, the table and the entry the main window shows, how to
    // refill its list after a save; then InitMateriale() and exec().
    void SetModo(const QString& marcatore);
    QString Modo() const;
    void SetMaterialeMostrato(const TabellaCorrente& tabella, const MaterialeMostrato& mostrato);
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
    void CollegaComandi();
    void ResetLabels();
    void ResetColori();

    // Set-up of InitMateriale.
    int ValoreModo() const;
    void CostruisciCaselle();
    void CaricaParoleChiave();
    void ImpostaCategoria(const TipoMateriale& tipo);
    void CopiaBande();
    void CopiaMaterialeMostrato();

    // The save.
    void TagliaAlPrimoACapo();
    SalvataggioMateriale::Richiesta Richiesta() const;
    QString TestoColonna(const QString& colonna) const;
    void MostraEsito(const SalvataggioMateriale::Esito& esito);
    // After a refusal for another copy's changes: the entry as stored now is the one shown,
    // so that Ok again saves over those changes.
    void AdottaCambiamenti(const std::vector<SalvataggioMateriale::Cambiamento>& cambiate);

    // The box that shows a column of the kind, and the caption marked red when the save
    // fails writing it: a caption's text, a rating caption's background.
    struct CasellaColonna
    {
        QWidget* valore = nullptr;
        QWidget* didascalia = nullptr;
        QPalette::ColorRole ruolo = QPalette::WindowText;
    };

    QString modo_;
    TabellaCorrente tabella_;
    MaterialeMostrato mostrato_;
    const TipoMateriale* tipo_ = nullptr;    // the kind being edited; none for other codes
    QHash<QString, CasellaColonna> caselle_; // by column name
    Ricarica ricarica_;
    QString MessaggioCampo; // the context of the value whose write failed
    ControlliForm3 c_;
};
