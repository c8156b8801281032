// The folders of one user of the installed program. Its executables stay where the package
// put them; what the program keeps beside itself in the build folder lives in the user's
// folders instead: Zelmar.ini, the file the user edits, in the configuration folder beside the
// program's other settings, and the pictures of the entries ("immagine/") in the data folder.
// The program is told both places by the environment (ZelmarCommonModule). A home prepared by
// an earlier package, which ran a copy of the program from the data folder with Zelmar.ini
// beside it, is moved over: the copies removed, Zelmar.ini moved.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class CartelleUtente
{
    Q_DECLARE_TR_FUNCTIONS(CartelleUtente)

public:
    // $XDG_CONFIG_HOME/ZELMARtek/Zelmar.ini (~/.config/ZELMARtek/Zelmar.ini).
    static QString Ini();
    // $XDG_DATA_HOME/ZELMARtek (~/.local/share/ZELMARtek), the folder of "immagine/".
    static QString Programma();

    // Readies the folders from the installation's shared folder condivisi: an earlier
    // package's layout moved over, then its Zelmar.ini and pictures copied where missing
    // (those already there never change). Returns one line per problem, empty when ready.
    static QStringList Prepara(const QString& condivisi);
    // Points the program at the user's folders: this process and those it starts.
    static void Usa();
    // For a command-line tool: the settings and pictures of the program it came with. Those
    // the environment names; in the build folder, the build's program folder; installed, the
    // user's folders, moved over from an earlier package's layout.
    static void PerStrumento();

private:
    static QStringList SpostaDalPacchettoPrecedente();
};
