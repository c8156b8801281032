// Shared ground of the main-window tests: a fresh copy of a fixture data folder, the
// real main window loaded on it, and small helpers that lay out tables and entries.
#pragma once

#include "TestSupport.h"
#include "browser/Form1.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class ElencoNomi;
class QTreeWidget;
class QTreeWidgetItem;

namespace Form1Test {

using Campi = QMap<QString, QString>;

class Ambiente
{
public:
    explicit Ambiente(const QString& fixture = QStringLiteral("standard"));
    ~Ambiente();

    bool ok() const { return dati_.ok(); }
    TestSupport::AmbienteDati& dati() { return dati_; }

    // The main window, loaded (Carica) and shown.
    Form1& apri();
    Form1& form() { return *form_; }
    bool aperta() const { return form_ != nullptr; }

    // Files below Databases/Database.
    QString sperimentale() const
    {
        return dati_.percorsoDatabase(QStringLiteral("Database_sperimentale.mdb"));
    }
    QString teorico() const { return dati_.percorsoDatabase(QStringLiteral("Database_teorico.mdb")); }
    QString immagini(const QString& cartella) const;

    // Empties a table, or lays it out anew with the columns of a kind (teorica: the
    // theoretical layout); creates the file when needed.
    static void SvuotaTabella(const QString& file, const QString& tabella);
    static void CreaTabella(const QString& file, const QString& tabella, const QStringList& colonne,
                            bool conIndice = true);
    static QStringList ColonneDi(int codice);
    static void Inserisci(const QString& file, const QString& tabella, const Campi& campi);
    static int ContaRighe(const QString& file, const QString& tabella);
    static void Esegui(const QString& file, const QString& sql);

    // Widgets by their names.
    QTreeWidget* albero() const;
    ElencoNomi* elenco() const;
    QComboBox* parole() const;
    QLabel* etichetta(const QString& nome) const;
    QLineEdit* banda(int i) const;
    QString descrizione() const;
    QStringList righeElenco() const;
    QStringList righeParole() const;
    QTreeWidgetItem* radice(const QString& chiave) const;
    QTreeWidgetItem* figlio(const QString& chiave, const QString& didascalia) const;
    // Clicks a node as the user does.
    void clicca(QTreeWidgetItem* nodo);
    void scegliParola(const QString& parola);
    void selezionaRiga(int riga);

private:
    TestSupport::AmbienteDati dati_;
    std::unique_ptr<Form1> form_;
};

} // namespace Form1Test
