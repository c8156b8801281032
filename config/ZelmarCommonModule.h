// Configuration (Zelmar.ini beside the program), the data folder and every path built
// from it, and the interface texts loaded from the message catalogue.
#pragma once

#include <QString>
#include <QStringList>

namespace ZelmarCommonModule {

// Value of key in section of an INI file, "" when the file, section or key is missing.
// Section and key names are compared ignoring case, blanks around the value are dropped,
// a pair of enclosing quotes is removed and the value is cut to 254 characters.
QString LeggiIni(const QString& sezione, const QString& chiave, const QString& file);

QString GetLingua();            // cached; "Italiano" by default
QString GetCartellaDati();      // cached; documents folder + "/ZELMARtek" by default
QString GetCartellaDocumenti(); // the user's documents folder
// The libpq connection string of the laboratory's shared custom database (cached); "" when
// the custom database is the file below the data folder.
QString GetDatabaseCondiviso();
QString GetPercorsoDatabases();            // data folder + "/Databases"
QString GetPercorsoMessaggi();             // ... + "/InterfMess.mdb"
QString GetPercorsoDatabaseSperimentale(); // ... + "/Database/Database_sperimentale.mdb"
QString GetPercorsoDatabaseTeorico();      // ... + "/Database/Database_teorico.mdb"
// True for an existing regular file (an empty file counts); false for folders and errors.
bool EsisteFile(const QString& percorso);

// The folder of the running program: Zelmar.ini and the image folders live there. The
// installed program is told other places by these environment variables: the folder of the
// image folders, and the Zelmar.ini file.
constexpr const char* VariabileCartellaProgramma = "ZELMARTEK_CARTELLA_PROGRAMMA";
constexpr const char* VariabileIni = "ZELMARTEK_INI";
QString GetCartellaProgramma();
QString GetPercorsoIni();
// Image folder of a category folder name: program folder + "/immagine/" + folder + "/".
QString GetCartellaImmagini(const QString& cartellaCategoria);
QString GetPercorsoSenzaImmagine(); // program folder + "/immagine/senza.jpg"

// Interface texts, message n at Messaggi[n - 1].
extern QStringList Messaggi;
// Message n, or "" when the catalogue has no such row.
QString M(int n);

// Lowest number of rows a usable catalogue holds.
constexpr int MessaggiRichiesti = 89;

// Fills Messaggi from the catalogue's column named by GetLingua().
// Throws DbException when the file, the table or the column cannot be read.
void CaricaMessaggi();

// For tests and tools: point the program folder elsewhere and forget cached settings.
void SetCartellaProgramma(const QString& cartella);
void AzzeraCache();

} // namespace ZelmarCommonModule
