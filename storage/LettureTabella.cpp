#include "LettureTabella.h"

LettureTabella::Raccolta::Raccolta(bool paroleChiave, qsizetype righe, qsizetype byte)
    : paroleChiave_(paroleChiave)
{
    elenco_.nomi.Riserva(righe, byte);
    if (paroleChiave)
        elenco_.parolaRiga.reserve(size_t(righe));
}

void LettureTabella::Raccolta::Aggiungi(std::optional<QByteArrayView> nome,
                                        std::optional<QByteArrayView> parola)
{
    if (nome)
        elenco_.nomi.Aggiungi(nome->isEmpty() ? "" : nome->data(), size_t(nome->size()));
    senzaNome_ = senzaNome_ || !nome;
    if (!paroleChiave_)
        return;
    qint32 numero = -1;
    if (parola) {
        numero = qint32(paroleViste_.Numero(parola->isEmpty() ? "" : parola->data(), size_t(parola->size())));
        if (numero == elenco_.paroleChiave.size())
            elenco_.paroleChiave << QString::fromUtf8(*parola);
    }
    if (nome)
        elenco_.parolaRiga.push_back(numero);
}

LettureTabella::Elenco LettureTabella::Raccolta::Fine()
{
    // Different bytes for one text (a damaged sequence) are one keyword.
    if (elenco_.paroleChiave.removeDuplicates() > 0 || senzaNome_)
        elenco_.parolaRiga.clear();
    return std::move(elenco_);
}
