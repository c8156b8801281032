// Helpers shared by the tests: Italian number settings, temporary copies of the
// fixture data folders and a program folder pointed at them, files and table rows read
// back, the error an operation fails with, and another program on the same file.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>
#include <functional>
#include <memory>

class QWidget;
struct sqlite3;

namespace TestSupport {
// Italian locale as the default and the C library's (a fatal error when the system lacks it),
// settings in a folder of the run's own, message boxes and file dialogs answered without windows.
void PreparaAmbiente();
// Folder holding the built fixture data folders (ZELMAR_FIXTURES).
QString CartellaFixtures();
// Folder of the built program, with its image folders (ZELMAR_PROGRAM_DIR).
QString CartellaProgrammaCostruita();
// Copies a whole folder tree; returns false on any failure.
bool CopiaCartella(const QString& da, const QString& a);

// A file's bytes (empty when it cannot be read); writing a whole file, its folders made when
// missing; every file below a folder, by its path relative to the folder, with its bytes.
QByteArray Contenuto(const QString& percorso);
bool Scrivi(const QString& percorso, const QByteArray& contenuto);
QMap<QString, QByteArray> FileSotto(const QString& cartella);

// Read through the storage layer: the names of a table in stored order, and every column
// of the kind's tables for the entry found by name (empty when there is none).
QStringList NomiInTabella(const QString& percorso, const QString& tabella);
QVariantMap LeggiRiga(const QString& percorso, const QString& tabella, int codice, const QString& nome);

// The storage error an operation throws: its number (0: none) and description.
struct Errore
{
    int numero = 0;
    QString descrizione;
};
Errore Prova(const std::function<void()>& operazione);

// Another program holding the same file, through the engine's plain interface.
class AltraConnessione
{
public:
    explicit AltraConnessione(const QString& percorso);
    ~AltraConnessione();
    AltraConnessione(const AltraConnessione&) = delete;
    AltraConnessione& operator=(const AltraConnessione&) = delete;
    int Esegui(const char* sql); // the engine's result code

private:
    sqlite3* db_ = nullptr;
};

// The names of the captions of the window, shown or to be shown with it, whose text is
// wider than the place they are drawn in, at the font they draw it with.
QStringList DidascalieTagliate(const QWidget* finestra);
// The names of the one-line boxes of the window that do not show the beginning of their
// text, or, read-only, do not show the whole of it at the font they draw it with.
QStringList CaselleTagliate(const QWidget* finestra);

// A temporary program folder (Zelmar.ini + immagine/) and data folder, copied from
// the fixture named nomeFixture, with the program's settings pointed at them.
class AmbienteDati
{
public:
    explicit AmbienteDati(const QString& nomeFixture = QStringLiteral("standard"));
    bool ok() const { return ok_; }
    QString cartellaDati() const;                            // the data folder (CartellaDati)
    QString cartellaProgramma() const;                       // the program folder
    QString percorsoDatabase(const QString& relativo) const; // below Databases/Database
    // Rewrites Zelmar.ini with the given language and data folder.
    void scriviIni(const QString& lingua, const QString& cartellaDati);

private:
    QTemporaryDir dir_;
    bool ok_ = false;
};
} // namespace TestSupport
