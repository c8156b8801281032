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
    // Lower case, accents and other combining marks dropped.
    static QString Piega(QStringView testo);
    // The same for a text in UTF-8, folded where it is; plain ASCII without decoding it.
    static void PiegaUtf8(std::string& testo);

    // A text searched for, folded once.
    explicit PiegaturaTesto(QStringView cercato);
    bool Vuoto() const { return cercato_.isEmpty(); }
    // Whether testo, folded, contains the text searched for.
    bool In(QStringView testo) const;
    // The same for a text in UTF-8; plain ASCII is compared without decoding it.
    bool In(QByteArrayView utf8) const;

private:
    QString cercato_;
    QByteArray cercatoAscii_; // the folded text in ASCII; empty when it has other letters
};
