// A design project's file (".zprogetto"): the zelmar-prevedi input of its situation, each
// element's source entry stored beside its values as keys the tool ignores:
//   the source of a slot that is a JSON object ("separazione", "fianchi[2].F", "elementi[1]")
//     as its key "fonte": {"file": ..., "tabella": ..., "Nome": ...};
//   the source of a slot that is a value ("separazione.DR_sorgente", "fianchi[2].f.DR", and
//     the impact slots "Lnw" and "DLw") as the key "fonte_" + its name in the object holding it
//     ("fonte_DR_sorgente" in "separazione", "fonte_DLw" at the top).
// zelmar-prevedi therefore reads a project file as a plain input.
#pragma once

#include "prediction/LetturaSituazione.h"
#include "prediction/Progetto.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonObject>
#include <variant>

class FileProgetto
{
    Q_DECLARE_TR_FUNCTIONS(FileProgetto)

public:
    static constexpr const char* Estensione = "zprogetto";

    using Esito = std::variant<Progetto, LetturaSituazione::Errore>;
    // A fault of the situation or of a source (a source that is not an object of three texts,
    // or of a slot the situation lacks) is told with its key.
    static Esito Leggi(const QByteArray& json);
    static QJsonObject InJson(const Progetto& progetto);
    // Indented JSON text, as saved.
    static QByteArray Testo(const Progetto& progetto);

    // The file read; its fault, or why it could not be read, told in errore.
    static Esito Apri(const QString& percorso);
    // Written whole or not at all (a temporary file renamed into place); false with the reason
    // in errore.
    static bool Salva(const QString& percorso, const Progetto& progetto, QString* errore);
};
