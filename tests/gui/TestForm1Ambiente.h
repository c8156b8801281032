// Shared ground of the window tests: a fresh copy of a fixture data folder, the real main
// window loaded on it, the editor driven while it is on screen, and small helpers that lay
// out tables and read back what the files hold.
#pragma once

#include "TestSupport.h"
#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "browser/ElencoNomi.h"
#include "browser/Form1.h"
#include "browser/RiquadroImmagine.h"
#include "browser/parti/Form2.h"
#include "config/ZelmarCommonModule.h"
#include "editor/Form3.h"
#include "model/Module1.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QVariantMap>
#include <functional>
#include <memory>

namespace Form1Test {

using TestSupport::Contenuto;
using TestSupport::LeggiRiga; // the first entry of a name, in the columns of a kind
using TestSupport::NomiInTabella;
using TestSupport::Scrivi;
using ZelmarCommonModule::M;

using Campi = QMap<QString, QString>; // column -> value as the user types it ("45,5")

// Runs azione; once the modal editor it opens is on screen, guida works on it. The editor
// never stays open. False when no editor appeared.
bool ConEditor(const std::function<void()>& azione, const std::function<void(Form3*)>& guida);
inline QLineEdit* Casella(const QWidget* finestra, const QString& nome)
{
    return finestra->findChild<QLineEdit*>(nome);
}
inline void Premi(const QWidget* finestra, const QString& pulsante)
{
    finestra->findChild<QPushButton*>(pulsante)->click();
}

class Ambiente
{
public:
    explicit Ambiente(const QString& fixture = QStringLiteral("standard"));
    ~Ambiente();

    bool ok() const { return dati_.ok(); }
    TestSupport::AmbienteDati& dati() { return dati_; }
    Form1& apri(); // the main window, loaded and shown
    Form1& form() { return *form_; }
    bool aperta() const { return form_ != nullptr; }
    QString sperimentale() const
    {
        return dati_.percorsoDatabase(QStringLiteral("Database_sperimentale.mdb"));
    }
    QString teorico() const { return dati_.percorsoDatabase(QStringLiteral("Database_teorico.mdb")); }
    QString immagini(const QString& cartella) const
    {
        return dati_.cartellaProgramma() + "/immagine/" + cartella;
    }

    // Tables: emptied, laid out anew with the columns of a kind (the theoretical layout for
    // 8, 9, 100; the file is made when missing), filled.
    static void SvuotaTabella(const QString& file, const QString& tabella);
    static void CreaTabella(const QString& file, const QString& tabella, int codice, bool conIndice = true,
                            const QString& senzaColonna = {});
    static void Inserisci(const QString& file, const QString& tabella, const Campi& campi);
    static void Esegui(const QString& file, const QString& sql);

    // Widgets by their names, and the user's gestures on them.
    QTreeWidget* albero() const { return form_->Controlli().TreeView1; }
    ElencoNomi* elenco() const { return form_->Controlli().List1; }
    QComboBox* parole() const { return form_->Controlli().Combo1; }
    QLabel* etichetta(const QString& nome) const { return form_->findChild<QLabel*>(nome); }
    QLineEdit* banda(int i) const { return form_->Controlli().Text1[i]; }
    QString descrizione() const { return form_->Controlli().Text2->toPlainText(); }
    QStringList righeElenco() const;
    QStringList righeParole() const;
    QTreeWidgetItem* radice(const QString& chiave) const;
    QStringList figli(const QString& chiave) const; // the captions of a root's children
    QTreeWidgetItem* figlio(const QString& chiave, const QString& didascalia) const;
    void clicca(QTreeWidgetItem* nodo);
    void scegliPersonale(int messaggio); // the custom table whose node is captioned message n
    void scegliParola(const QString& parola);
    void selezionaRiga(int riga) { elenco()->setCurrentRow(riga); }
    void selezionaNome(const QString& nome);
    void doppioClick(int riga);
    void pulsante(int indice); // toolbar button 1, 2 or 3

private:
    TestSupport::AmbienteDati dati_;
    std::unique_ptr<Form1> form_;
};

} // namespace Form1Test
