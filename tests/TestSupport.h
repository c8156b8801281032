// Helpers shared by the tests: Italian number settings, temporary copies of the
// fixture data folders, and a program folder pointed at them.
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class QWidget;

namespace TestSupport {
// Italian locale as the default, message boxes and file dialogs answered without windows.
void PreparaAmbiente();
// Folder holding the built fixture data folders (ZELMAR_FIXTURES).
QString CartellaFixtures();
// Folder of the built program, with its image folders (ZELMAR_PROGRAM_DIR).
QString CartellaProgrammaCostruita();
// A whole file's bytes (empty when it cannot be read); a file written anew.
QByteArray Contenuto(const QString& percorso);
bool Scrivi(const QString& percorso, const QByteArray& contenuto);
// Copies a whole folder tree; returns false on any failure.
bool CopiaCartella(const QString& da, const QString& a);

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
