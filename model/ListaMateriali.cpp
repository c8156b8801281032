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
        rs->MoveFirst();
        if (richiesta.primaDescrizione) {
            const QVariant descrizione = rs->Field(QStringLiteral("Descrizione"));
            contenuto.primaDescrizione = descrizione.isNull() ? QString() : descrizione.toString();
        }
        for (; !rs->Eof(); rs->MoveNext()) {
            const QVariant parola = leggiParola ? rs->Field(campoParola) : QVariant();
            if (richiesta.soloParola && (parola.isNull() || parola.toString() != *richiesta.soloParola))
                continue;
            const QVariant nome = rs->Field(campoNome);
            if (!nome.isNull())
                contenuto.nomi << nome.toString();
            if (richiesta.paroleChiave && !parola.isNull()) {
                const QString testo = parola.toString();
                if (!paroleViste.contains(testo)) {
                    paroleViste.insert(testo);
                    contenuto.paroleChiave << testo;
                }
            }
        }
    }
    rs->Close();
    db->Close();
    return contenuto;
}
