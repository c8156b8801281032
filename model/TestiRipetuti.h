// Turns the UTF-8 texts of one column into QStrings while a whole table is read, sharing
// one QString among the rows that hold the same text. A column of keywords repeats a
// few hundred texts over thousands of rows; converting each of them once saves most of
// the work. A column that does not repeat itself (the names) is soon left alone.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

class TestiRipetuti
{
public:
    QString Testo(const char* utf8, int lunghezza);

private:
    static constexpr int RigheDiProva = 512;   // rows after which the repeats are judged
    static constexpr int TestiMassimi = 65536; // distinct texts kept at most

    QHash<QByteArray, QString> visti_;
    int letti_ = 0;
    int ripetuti_ = 0;
    bool attivo_ = true;
};
