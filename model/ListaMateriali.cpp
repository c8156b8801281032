#include "ListaMateriali.h"

#include "DBEngine.h"

#include <QSet>

ListaMateriali::Contenuto ListaMateriali::Leggi(const QString& percorso, const QString& tabella,
                                                const Richiesta& richiesta)
{
    const QString campoNome = QStringLiteral("Nome");
    const QString campoParola = QStringLiteral("Parola chiave");
    const bool leggiParola = richiesta.paroleChiave || richiesta.soloParola.has_value();

    auto db = DBEngine::OpenDatabase(percorso);
    auto rs = db->OpenRecordset(tabella);
    Contenuto contenuto;
    contenuto.numeroRecord = rs->RecordCount();
    contenuto.nomi.reserve(contenuto.numeroRecord);
    QSet<QString> paroleViste;
    if (contenuto.numeroRecord > 0) {
        if (richiesta.primaDescrizione) {
            rs->MoveFirst();
            const QVariant descrizione = rs->Field(QStringLiteral("Descrizione"));
            contenuto.primaDescrizione = descrizione.isNull() ? QString() : descrizione.toString();
        }
        // The keyword first: a table that lacks both columns is reported for the keyword.
        const QStringList colonne =
            leggiParola ? QStringList{campoParola, campoNome} : QStringList{campoNome};
        rs->LeggiTutte(colonne, [&](const QVariant* valori) {
            const QVariant& nome = valori[leggiParola ? 1 : 0];
            const QVariant parola = leggiParola ? valori[0] : QVariant();
            if (richiesta.soloParola && (parola.isNull() || parola.toString() != *richiesta.soloParola))
                return;
            if (!nome.isNull())
                contenuto.nomi << nome.toString();
            if (richiesta.paroleChiave && !parola.isNull()) {
                QString testo = parola.toString();
                if (!paroleViste.contains(testo)) {
                    paroleViste.insert(testo);
                    contenuto.paroleChiave << std::move(testo);
                }
            }
        });
    }
    rs->Close();
    db->Close();
    return contenuto;
}
