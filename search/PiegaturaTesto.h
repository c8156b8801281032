// Texts compared as a user reads them: letter case and accents ignored, so that "societa"
// finds "Società" and "PARETE" finds "parete".
#pragma once

#include <QString>
#include <QStringView>

class PiegaturaTesto
{
public:
    // Lower case, accents and other combining marks dropped.
    static QString Piega(QStringView testo);

    // A text searched for, folded once.
    explicit PiegaturaTesto(QStringView cercato);
    bool Vuoto() const { return cercato_.isEmpty(); }
    // Whether testo, folded, contains the text searched for.
    bool In(QStringView testo) const;

private:
    QString cercato_;
};
