// Texts compared as a user reads them: letter case and accents ignored, so that "societa"
// finds "Società" and "PARETE" finds "parete".
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <string>

class PiegaturaTesto
{
public:
    // Lower case, accents and other combining marks dropped (compatibility decomposition,
    // marks dropped, case folded). The letters of the Latin, Greek and Cyrillic blocks are
    // folded by a table made once by that rule, without normalising each text.
    static QString Piega(QStringView testo);
    // The same for a text in UTF-8, folded where it is; plain ASCII without decoding it.
    static void PiegaUtf8(std::string& testo);

    // A text searched for, folded once.
    explicit PiegaturaTesto(QStringView cercato);
    bool Vuoto() const { return cercato_.isEmpty(); }
    // Whether a text in UTF-8, folded, contains the text searched for: folded by the table
    // into a buffer and searched there.
    bool In(QByteArrayView utf8) const;

private:
    bool InAscii(const unsigned char* testo, size_t byte, bool& senzaAltre) const;

    QString cercato_;
    std::string cercatoUtf8_; // cercato_ in UTF-8
    bool cercatoAscii_ = false;
};
