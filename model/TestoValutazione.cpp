#include "TestoValutazione.h"

#include "Categorie.h"
#include "FormatoNumero.h"

#include <QLocale>
#include <QStringList>
#include <utility>
#include <vector>

namespace {

QString Termine(const QString& simbolo, const std::optional<int>& valore)
{
    return valore ? QStringLiteral("%1 %2 dB").arg(simbolo, QLocale().toString(*valore))
                  : QStringLiteral("%1 -").arg(simbolo);
}

// The in-situ kinds name their ratings with a prime: R'w, L'n,w.
bool InOpera(int codice)
{
    const TipoMateriale* tipo = Categorie::PerCodice(codice);
    return tipo && tipo->cantiere;
}

} // namespace

TestoValutazione::ElencoTermini TestoValutazione::TerminiDi(const Valutazione& v)
{
    switch (v.grandezza) {
    case GrandezzaBande::R:
    case GrandezzaBande::Dn:
        return {{QStringLiteral("C"), v.c},
                {QStringLiteral("Ctr"), v.ctr},
                {QStringLiteral("C50-3150"), v.c50_3150},
                {QStringLiteral("C50-5000"), v.c50_5000},
                {QStringLiteral("C100-5000"), v.c100_5000},
                {QStringLiteral("Ctr50-3150"), v.ctr50_3150},
                {QStringLiteral("Ctr50-5000"), v.ctr50_5000},
                {QStringLiteral("Ctr100-5000"), v.ctr100_5000}};
    case GrandezzaBande::Ln:
        return {{QStringLiteral("CI"), v.ci}, {QStringLiteral("CI,50-2500"), v.ci50_2500}};
    case GrandezzaBande::DLn:
        return {{QStringLiteral("CI,\u0394"), v.ciDelta}};
    }
    return {};
}

QString TestoValutazione::Simbolo(int codice, GrandezzaBande grandezza)
{
    switch (grandezza) {
    case GrandezzaBande::R:
        return InOpera(codice) ? QStringLiteral("R'w") : QStringLiteral("Rw");
    case GrandezzaBande::Dn:
        return QStringLiteral("Dn,e,w");
    case GrandezzaBande::Ln:
        return InOpera(codice) ? QStringLiteral("L'n,w") : QStringLiteral("Ln,w");
    case GrandezzaBande::DLn:
        return QStringLiteral("\u0394Lw");
    }
    return {};
}

QString TestoValutazione::Norma(GrandezzaBande grandezza)
{
    return grandezza == GrandezzaBande::R || grandezza == GrandezzaBande::Dn ? QStringLiteral("ISO 717-1")
                                                                             : QStringLiteral("ISO 717-2");
}

QString TestoValutazione::Riga(const TipoMateriale& tipo, const Valutazione& v,
                               const MotoreValutazione::Bande& bande)
{
    const QString simbolo = Simbolo(tipo.codice, v.grandezza);
    if (!v.indice) {
        // Runs of bands without a value as ranges: "100-800 Hz, 2000 Hz".
        QStringList mancanti;
        const int ultima = Valutazione::PrimaBanda + Valutazione::NumeroBandeValutate - 1;
        for (int i = Valutazione::PrimaBanda; i <= ultima; ++i) {
            if (bande[i])
                continue;
            const int inizio = i;
            while (i < ultima && !bande[i + 1])
                ++i;
            mancanti << (i == inizio ? QStringLiteral("%1 Hz").arg(RecordSchema::Frequenze[inizio])
                                     : QStringLiteral("%1-%2 Hz")
                                           .arg(RecordSchema::Frequenze[inizio])
                                           .arg(RecordSchema::Frequenze[i]));
        }
        return tr("%1: %2 cannot be computed, bands without a value: %3")
            .arg(Norma(v.grandezza), simbolo, mancanti.join(QLatin1String(", ")));
    }
    const ElencoTermini termini = TerminiDi(v);
    const size_t quanti = v.grandezza == GrandezzaBande::DLn ? 1 : 2;
    QStringList principali;
    for (size_t i = 0; i < termini.size() && i < quanti; ++i)
        principali << Termine(termini[i].first, termini[i].second);
    return QStringLiteral("%1: %2 (%3)")
        .arg(Norma(v.grandezza), Termine(simbolo, v.indice), principali.join(QLatin1String("; ")));
}

QString TestoValutazione::Termini(const TipoMateriale& tipo, const Valutazione& v)
{
    QStringList righe{Termine(Simbolo(tipo.codice, v.grandezza), v.indice)};
    for (const auto& [simbolo, valore] : TerminiDi(v))
        righe << Termine(simbolo, valore);
    if (const auto somma = v.SommaDeviazioni())
        righe << tr("Sum of unfavourable deviations %1 dB").arg(QLocale().toString(*somma, 'f', 1));
    return righe.join(QLatin1Char('\n'));
}

QString TestoValutazione::SenzaValutazione()
{
    return tr("No rating is computed for linings: their bands hold improvements, and ΔRw is not an "
              "ISO 717-1 quantity");
}

QString TestoValutazione::Differenza(const ValutazioneMateriale::Differenza& d)
{
    return tr("%1: stored %2, computed %3")
        .arg(RecordSchema::Nome(d.colonna), Memorizzato(d.memorizzato), QLocale().toString(d.calcolato));
}

QString TestoValutazione::Memorizzato(const QVariant& valore)
{
    return FormatoNumero::TestoCampo(valore);
}
