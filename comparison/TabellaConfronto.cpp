#include "TabellaConfronto.h"

#include "exchange/ScritturaCsv.h"
#include "exchange/TipiVoce.h"
#include "model/FormatoNumero.h"
#include "model/RecordSchema.h"

#include <QCoreApplication>

namespace {

QVariant Cella(const std::optional<double>& valore)
{
    return valore ? QVariant(*valore) : QVariant();
}

QVariant Cella(const std::optional<int>& valore)
{
    return valore ? QVariant(*valore) : QVariant();
}

// The labels of the rows that not every entry has, in the order the entries bring them.
template <typename Etichette> QStringList Unione(const QList<DatiVoce>& voci, Etichette etichette)
{
    QStringList unione;
    for (const DatiVoce& voce : voci)
        for (const QString& etichetta : etichette(voce))
            if (!unione.contains(etichetta))
                unione << etichetta;
    return unione;
}

QStringList ColonneMemorizzate(const DatiVoce& voce)
{
    QStringList colonne;
    for (const auto& [colonna, valore] : voce.valutazioni)
        colonne << colonna;
    return colonne;
}

QStringList SimboliCalcolati(const DatiVoce& voce)
{
    QStringList simboli;
    if (voce.calcolata)
        for (const TipiVoce::Termine& t : TipiVoce::Termini(voce.codice, *voce.calcolata))
            simboli << t.simbolo;
    return simboli;
}

QVariant Memorizzata(const DatiVoce& voce, const QString& colonna)
{
    for (const auto& [nome, valore] : voce.valutazioni)
        if (nome == colonna)
            return Cella(valore);
    return {};
}

QVariant Calcolata(const DatiVoce& voce, const QString& simbolo)
{
    if (voce.calcolata)
        for (const TipiVoce::Termine& t : TipiVoce::Termini(voce.codice, *voce.calcolata))
            if (t.simbolo == simbolo)
                return Cella(t.valore);
    return {};
}

} // namespace

QString TabellaConfronto::Intestazione()
{
    return QCoreApplication::translate("TabellaConfronto", "Band or rating");
}

QList<TabellaConfronto::Riga> TabellaConfronto::Righe(const QList<DatiVoce>& voci)
{
    QList<Riga> righe;
    const auto aggiungi = [&](const QString& etichetta, auto cella, const QString& colonna = {}) {
        Riga riga{etichetta, {}, colonna};
        for (const DatiVoce& voce : voci)
            riga.celle << cella(voce);
        righe << riga;
    };
    aggiungi(QCoreApplication::translate("TabellaConfronto", "Kind"),
             [](const DatiVoce& v) { return QVariant(TipiVoce::Nome(v.codice)); });
    aggiungi(QCoreApplication::translate("TabellaConfronto", "Table"),
             [](const DatiVoce& v) { return QVariant(v.tabella); });
    for (int banda = 0; banda < RecordSchema::NumeroBande; ++banda)
        aggiungi(QStringLiteral("%1 Hz").arg(RecordSchema::Frequenze[banda]),
                 [banda](const DatiVoce& v) { return Cella(v.bande[banda]); });
    for (const QString& colonna : Unione(voci, ColonneMemorizzate))
        aggiungi(
            QCoreApplication::translate("TabellaConfronto", "%1 stored").arg(colonna),
            [&colonna](const DatiVoce& v) { return Memorizzata(v, colonna); }, colonna);
    for (const QString& simbolo : Unione(voci, SimboliCalcolati))
        aggiungi(QCoreApplication::translate("TabellaConfronto", "%1 computed (dB)").arg(simbolo),
                 [&simbolo](const DatiVoce& v) { return Calcolata(v, simbolo); });
    if (std::any_of(voci.begin(), voci.end(), [](const DatiVoce& v) { return v.calcolata.has_value(); }))
        aggiungi(QCoreApplication::translate("TabellaConfronto", "Unfavourable deviations (dB)"),
                 [](const DatiVoce& v) {
                     return v.calcolata ? Cella(v.calcolata->SommaDeviazioni()) : QVariant();
                 });
    return righe;
}

QByteArray TabellaConfronto::Csv(const QList<DatiVoce>& voci)
{
    QStringList intestazione{ScritturaCsv::Testo(Intestazione())};
    for (const DatiVoce& voce : voci)
        intestazione << ScritturaCsv::Testo(voce.nome);
    QString testo = ScritturaCsv::Riga(intestazione);
    for (const Riga& riga : Righe(voci)) {
        QStringList campi{ScritturaCsv::Testo(riga.etichetta)};
        for (const QVariant& cella : riga.celle)
            campi << ScritturaCsv::Valore(cella);
        testo += ScritturaCsv::Riga(campi);
    }
    return ScritturaCsv::Inizio() + testo.toUtf8();
}

bool TabellaConfronto::Diversa(const Riga& riga, const DatiVoce& voce)
{
    return !riga.colonna.isEmpty() && voce.diverse.contains(riga.colonna);
}

QString TabellaConfronto::TestoCella(const QVariant& cella, const QLocale& locale)
{
    return FormatoNumero::TestoCampo(cella, locale);
}

QString TabellaConfronto::TestoAppunti(const QList<DatiVoce>& voci)
{
    // A tab or a line break inside a text would break the grid: they become blanks.
    const auto pulito = [](QString testo) {
        return testo.replace(QLatin1Char('\t'), QLatin1Char(' ')).simplified();
    };
    QStringList intestazione{Intestazione()};
    for (const DatiVoce& voce : voci)
        intestazione << pulito(voce.nome);
    QStringList righe{intestazione.join(QLatin1Char('\t'))};
    for (const Riga& riga : Righe(voci)) {
        QStringList campi{riga.etichetta};
        for (const QVariant& cella : riga.celle)
            campi << pulito(TestoCella(cella, QLocale()));
        righe << campi.join(QLatin1Char('\t'));
    }
    return righe.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
