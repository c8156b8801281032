// Many names kept in little memory, each readable on its own at once. A name is written as
// its pieces: words (a run of letters up to and with the space after it), numbers, other
// marks; a piece seen before is written as its number in a shared list, a run of digits as
// its value, so "Parete in laterizio 12 cm - cert. IPV 104254/2004" takes about a third of
// its UTF-8 length however the names are ordered.
#pragma once

#include <QString>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class NomiCompatti
{
public:
    // Where the name is kept, to read it back.
    quint32 Aggiungi(const QString& nome);
    QString Nome(quint32 posto) const;
    // The same name in UTF-8, written over testo.
    void NomeUtf8(quint32 posto, std::string& testo) const;
    void Svuota();

private:
    void ScriviPezzo(std::string& codice, std::string_view pezzo);
    std::string& BloccoPer(size_t byte);

    std::vector<std::string> blocchi_;
    std::deque<std::string> pezzi_; // pieces by number; a deque so that views of them stay valid
    std::unordered_map<std::string_view, quint32> numeri_;
};
