#include "VoceDiProva.h"

#include "model/Categorie.h"
#include "model/RecordSchema.h"

#include <QLocale>

namespace VoceDiProva {

namespace {

QString Messaggio(int n)
{
    return QStringLiteral("M%1").arg(n);
}

QString Numero(double valore)
{
    // As a user types it: no thousands separator.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(valore, 'g', 12);
}

} // namespace

QString Tabella(int codice)
{
    return QString::fromUtf8(Categorie::PerCodice(codice)->tabellaPersonale);
}

Caselle CaselleVoce(int codice, const QString& nome, int seme)
{
    const QString s = QString::number(seme);
    // One entry in five carries a description longer than a page of the file.
    const QString descrizione = QStringLiteral("Descrizione %1 ").arg(s).repeated(seme % 5 == 0 ? 300 : 3);
    Caselle c{
        {QStringLiteral("Text15"), nome},
        {QStringLiteral("Combo1"), QStringLiteral("Parola %1").arg(seme % 7)},
        {QStringLiteral("Text3"), descrizione},
        {QStringLiteral("Text4"), QStringLiteral("CERT-%1").arg(s)},
        {QStringLiteral("MonthView1"), QStringLiteral("%1/%2/2010").arg(1 + seme % 28).arg(1 + seme % 12)},
        {QStringLiteral("Text6"), QStringLiteral("Ente %1").arg(s)},
        {QStringLiteral("Text7"), QStringLiteral("Società %1").arg(s)},
        {QStringLiteral("Text8"), QStringLiteral("Note %1").arg(s)},
        {QStringLiteral("Text9"), QStringLiteral("foto %1.jpg").arg(s)},
        {QStringLiteral("Text16"), QStringLiteral("Cantiere %1").arg(s)},
        {QStringLiteral("Text10"), Numero(100 + seme + 0.5)},
        {QStringLiteral("Text11"), Numero(200 + seme)},
        {QStringLiteral("Text12"), Numero(10 + seme % 10 + 0.25)},
        {QStringLiteral("Text13"), Numero(300 + seme + 0.5)},
        {QStringLiteral("Text14"), Numero(0.001 * (1 + seme % 50))},
        {QStringLiteral("Text2(21)"), Numero(40 + seme % 30 + 0.5)},
        {QStringLiteral("Text2(22)"), Numero(-(seme % 5))},
        {QStringLiteral("Text2(23)"), Numero(-(seme % 9))},
    };
    for (int i = 0; i < RecordSchema::NumeroBande; ++i)
        c.insert(QStringLiteral("Text2(%1)").arg(i), Numero(20 + i + (seme % 40) + 0.5));
    Q_UNUSED(codice);
    return c;
}

SalvataggioMateriale::Richiesta Richiesta(const QString& percorso, int codice, const Caselle& caselle,
                                          bool modifica, const QString& selezionato)
{
    SalvataggioMateriale::Richiesta r;
    r.percorsoDatabase = percorso;
    r.tabella = Tabella(codice);
    r.modifica = modifica;
    r.nome = caselle.value(QStringLiteral("Text15"));
    r.nomeSelezionato = selezionato;
    r.scritture = SalvataggioMateriale::ScrittureCategoria(
        codice, [&](const QString& casella) { return caselle.value(casella); }, Messaggio);
    return r;
}

QVariantMap RigaAttesa(int codice, const Caselle& caselle)
{
    QVariantMap riga;
    for (const SalvataggioMateriale::Scrittura& s : Richiesta(QString(), codice, caselle).scritture) {
        if (RecordSchema::IsNumerica(s.colonna))
            riga.insert(s.colonna, QLocale().toDouble(s.testo));
        else
            riga.insert(s.colonna, s.testo);
    }
    return riga;
}

} // namespace VoceDiProva
