#include "AppuntiBande.h"

#include "model/FormatoNumero.h"
#include "model/RecordSchema.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>

namespace {

// One cell of the pasted text; an empty one stands for a band without a value.
struct Cella
{
    QString testo;
    bool vuota() const { return testo.isEmpty(); }
};

// Drops the empty cells at both ends of a list of cells.
void TogliVuoteAiLati(QList<Cella>& celle)
{
    while (!celle.isEmpty() && celle.first().vuota())
        celle.removeFirst();
    while (!celle.isEmpty() && celle.last().vuota())
        celle.removeLast();
}

// The cells of the text in order: tabs, semicolons and line breaks end a cell, blanks
// separate values inside one. Separators at the ends of a line are no cells; an empty line
// between values is one empty cell (a spreadsheet column with an empty cell).
QList<Cella> Celle(const QString& testo)
{
    static const QRegularExpression fineCella(QStringLiteral("[\\t;]"));
    QList<Cella> celle;
    for (const QString& riga : testo.split(QLatin1Char('\n'))) {
        QList<Cella> dellaRiga;
        for (const QString& cella : riga.split(fineCella)) {
            const QStringList valori = cella.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (valori.isEmpty())
                dellaRiga.append(Cella{});
            for (const QString& valore : valori)
                dellaRiga.append(Cella{valore});
        }
        TogliVuoteAiLati(dellaRiga);
        if (dellaRiga.isEmpty())
            dellaRiga.append(Cella{});
        celle += dellaRiga;
    }
    TogliVuoteAiLati(celle);
    return celle;
}

std::optional<double> Numero(QString testo)
{
    static const QRegularExpression forma(QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)$"));
    testo.replace(QChar(0x2212), QLatin1Char('-'));
    if (!forma.match(testo).hasMatch())
        return std::nullopt;
    testo.replace(QLatin1Char(','), QLatin1Char('.'));
    // Digits beyond what a number can hold make no number (never an infinity).
    const double numero = testo.toDouble();
    return std::isfinite(numero) ? std::optional(numero) : std::nullopt;
}

QString Breve(const QString& testo)
{
    constexpr int kMassimo = 40;
    return testo.size() <= kMassimo ? testo : testo.left(kMassimo) + QChar(0x2026);
}

} // namespace

AppuntiBande::Lettura AppuntiBande::Leggi(const QString& testo)
{
    Lettura lettura;
    const QList<Cella> celle = Celle(testo);
    for (const Cella& cella : celle)
        if (!cella.vuota() && !Numero(cella.testo)) {
            lettura.errore =
                QCoreApplication::translate(
                    "AppuntiBande",
                    "The clipboard holds \u00ab%1\u00bb, which is not a number: nothing was pasted.")
                    .arg(Breve(cella.testo));
            return lettura;
        }
    if (celle.isEmpty()) {
        lettura.errore = QCoreApplication::translate(
            "AppuntiBande", "The clipboard holds no band values: nothing was pasted.");
        return lettura;
    }
    const int quante = int(celle.size());
    if (quante != RecordSchema::NumeroBande && quante != Valutazione::NumeroBandeValutate) {
        lettura.errore = QCoreApplication::translate(
                             "AppuntiBande",
                             "The clipboard holds %1 values; band values are pasted as 21 (50 to 5000 Hz) or "
                             "16 (100 to 3150 Hz): nothing was pasted.")
                             .arg(quante);
        return lettura;
    }
    lettura.primaBanda = quante == RecordSchema::NumeroBande ? 0 : Valutazione::PrimaBanda;
    for (int i = 0; i < quante; ++i) {
        if (celle[i].vuota()) {
            lettura.errore = QCoreApplication::translate(
                                 "AppuntiBande",
                                 "The band of %1 Hz is an empty cell in the clipboard: nothing was pasted.")
                                 .arg(RecordSchema::Frequenze[lettura.primaBanda + i]);
            lettura.valori.clear();
            return lettura;
        }
        lettura.valori.append(*Numero(celle[i].testo));
    }
    return lettura;
}

QString AppuntiBande::Riga(const MotoreValutazione::Bande& bande)
{
    QStringList campi;
    for (const std::optional<double>& valore : bande)
        campi << (valore ? FormatoNumero::Testo(*valore) : QString());
    return campi.join(QLatin1Char('\t'));
}
