#include "ListaMateriali.h"

#include "DBEngine.h"

#include <QSet>
#include <cstring>

namespace {

using TestoLetto = Recordset::TestoLetto;

bool SoloAscii(const TestoLetto& t)
{
    for (qsizetype i = 0; i < t.lunghezza; ++i)
        if (static_cast<unsigned char>(t.utf8[i]) >= 0x80)
            return false;
    return true;
}

// Equal bytes are equal texts; different ASCII bytes are different texts; anything else
// is compared as the texts the user sees.
bool Uguale(const TestoLetto& t, const QByteArray& utf8, const QString& testo)
{
    if (t.lunghezza == utf8.size() && std::memcmp(t.utf8, utf8.constData(), size_t(utf8.size())) == 0)
        return true;
    return !SoloAscii(t) && t.Testo() == testo;
}

// Distinct keywords in order of first appearance. A table repeats a few hundred keywords
// over thousands of rows: a keyword's bytes seen before are not converted again.
class ParoleDistinte
{
public:
    void Aggiungi(const TestoLetto& t)
    {
        if (byteVisti_.contains(QByteArray::fromRawData(t.utf8, t.lunghezza)))
            return;
        byteVisti_.insert(QByteArray(t.utf8, t.lunghezza));
        const QString testo = t.Testo();
        if (testiVisti_.contains(testo))
            return; // other bytes for the same text (a damaged sequence)
        testiVisti_.insert(testo);
        elenco_ << testo;
    }
    QStringList Elenco() const { return elenco_; }

private:
    QSet<QByteArray> byteVisti_;
    QSet<QString> testiVisti_;
    QStringList elenco_;
};

} // namespace

ListaMateriali::Contenuto ListaMateriali::Leggi(const QString& percorso, const QString& tabella,
                                                const Richiesta& richiesta)
{
    const QString campoNome = QStringLiteral("Nome");
    const QString campoParola = QStringLiteral("Parola chiave");
    const bool leggiParola = richiesta.paroleChiave || richiesta.soloParola.has_value();
    const QByteArray parolaCercata = richiesta.soloParola ? richiesta.soloParola->toUtf8() : QByteArray();

    auto db = DBEngine::OpenDatabase(percorso);
    auto rs = db->OpenRecordset(tabella);
    Contenuto contenuto;
    contenuto.numeroRecord = rs->RecordCount();
    ParoleDistinte parole;
    if (contenuto.numeroRecord > 0) {
        if (richiesta.primaDescrizione) {
            rs->MoveFirst();
            const QVariant descrizione = rs->Field(QStringLiteral("Descrizione"));
            contenuto.primaDescrizione = descrizione.isNull() ? QString() : descrizione.toString();
        }
        contenuto.nomi.Riserva(contenuto.numeroRecord, qsizetype(contenuto.numeroRecord) * 48);
        // The keyword first: a table that lacks both columns is reported for the keyword.
        const QStringList colonne =
            leggiParola ? QStringList{campoParola, campoNome} : QStringList{campoNome};
        rs->LeggiTesti(colonne, [&](const TestoLetto* valori) {
            const TestoLetto& nome = valori[leggiParola ? 1 : 0];
            const TestoLetto parola = leggiParola ? valori[0] : TestoLetto{};
            if (richiesta.soloParola &&
                (parola.nullo || !Uguale(parola, parolaCercata, *richiesta.soloParola)))
                return;
            if (!nome.nullo)
                contenuto.nomi.Aggiungi(nome.utf8, nome.lunghezza);
            if (richiesta.paroleChiave && !parola.nullo)
                parole.Aggiungi(parola);
        });
    }
    contenuto.paroleChiave = parole.Elenco();
    rs->Close();
    db->Close();
    return contenuto;
}
