#include "TipiVoce.h"

#include "model/Categorie.h"
#include "model/FormatoNumero.h"
#include "model/LocaleDocumenti.h"
#include "model/TestoValutazione.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString TestoTermine(const std::optional<int>& valore)
{
    return valore ? LocaleDocumenti::Locale().toString(*valore) : QStringLiteral("-");
}

// The rating line holds the index and two terms (one for a floor covering).
int TerminiNellaRiga(const Valutazione& v)
{
    return v.grandezza == GrandezzaBande::DLn ? 2 : 3;
}

} // namespace

QString TipiVoce::Nome(int codice)
{
    const TipoMateriale* tipo = Categorie::PerCodice(codice);
    return tipo ? QCoreApplication::translate("TipoMateriale", tipo->nome) : QString();
}

std::optional<int> TipiVoce::CodiceDaPosizione(const QString& file, const QString& tabella)
{
    const QFileInfo info(file);
    const QString nome = info.fileName();
    if (nome.compare(QLatin1String("Database_sperimentale.mdb"), Qt::CaseInsensitive) == 0) {
        for (const Categoria& c : Categorie::Tutte())
            if (tabella == QLatin1String(c.tabellaPersonale))
                return c.codice;
        return std::nullopt;
    }
    if (nome.compare(QLatin1String("Database_teorico.mdb"), Qt::CaseInsensitive) == 0) {
        for (const TipoMateriale& tipo : Categorie::Tipi())
            if (tipo.tabellaTeorica && tabella == QLatin1String(tipo.tabellaTeorica))
                return tipo.codice;
        return std::nullopt;
    }
    const QString cartella = info.absoluteDir().dirName();
    for (const Categoria& c : Categorie::Tutte())
        if (cartella == QLatin1String(c.cartella))
            return c.codice;
    return std::nullopt;
}

QString TipiVoce::GrandezzaBande(int codice)
{
    const TipoMateriale* tipo = Categorie::PerCodice(codice);
    return tipo ? RecordSchema::Prefisso(tipo->grandezzaValori.value_or(tipo->grandezza)) : QString();
}

std::optional<GrandezzaBande> TipiVoce::GrandezzaValutata(int codice)
{
    return GrandezzaDaPrefisso(GrandezzaBande(codice).toStdString());
}

QList<TipiVoce::Termine> TipiVoce::Termini(int codice, const Valutazione& v)
{
    QList<Termine> termini{{TestoValutazione::Simbolo(codice, v.grandezza), v.indice}};
    for (const auto& [simbolo, valore] : TestoValutazione::TerminiDi(v))
        termini.append({simbolo, valore});
    return termini;
}

QString TipiVoce::RigaCalcolata(int codice, const Valutazione& v)
{
    const QList<Termine> termini = Termini(codice, v);
    const int quanti = TerminiNellaRiga(v);
    QStringList simboli, valori;
    for (int i = 1; i < quanti; ++i) {
        simboli << termini[i].simbolo;
        valori << TestoTermine(termini[i].valore);
    }
    return QStringLiteral("%1(%2)= %3(%4) dB")
        .arg(termini[0].simbolo, simboli.join(QLatin1Char(';')), TestoTermine(termini[0].valore),
             valori.join(QLatin1Char(';')));
}

QString TipiVoce::TerminiEstesi(int codice, const Valutazione& v)
{
    QStringList testi;
    for (const Termine& t : Termini(codice, v).mid(TerminiNellaRiga(v)))
        testi << QStringLiteral("%1=\u00a0%2\u00a0dB").arg(t.simbolo, TestoTermine(t.valore));
    return testi.join(QStringLiteral("; "));
}

QString TipiVoce::RigaDichiarata(int codice, const QList<QPair<QString, std::optional<double>>>& valutazioni)
{
    const TipoMateriale* tipo = Categorie::PerCodice(codice);
    if (!tipo || std::none_of(valutazioni.begin(), valutazioni.end(), [](const auto& v) { return v.second; }))
        return {};
    // The kind's own symbols, as its rating line names them: "Rw(C,Ctr)= ".
    const QString forma = QString::fromUtf8(tipo->rigaValutazione);
    const QString simbolo = forma.section(QLatin1Char('('), 0, 0);
    const QStringList termini =
        forma.section(QLatin1Char('('), 1).section(QLatin1Char(')'), 0, 0).split(QLatin1Char(','));
    QStringList valori;
    for (const auto& [colonna, valore] : valutazioni)
        valori << (valore ? FormatoNumero::Testo(*valore, LocaleDocumenti::Locale()) : QStringLiteral("-"));
    const QString primo = valori.isEmpty() ? QStringLiteral("-") : valori.takeFirst();
    return QStringLiteral("%1(%2)= %3(%4) dB")
        .arg(simbolo, termini.join(QLatin1Char(';')), primo, valori.join(QLatin1Char(';')));
}
