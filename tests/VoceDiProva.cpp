#include "VoceDiProva.h"

#include "TestSupport.h"

#include "model/Categorie.h"
#include "model/DettaglioMateriale.h"
#include "storage/DbException.h"

#include <QLocale>
#include <QRegularExpression>

// Whether the empty fixture's custom tables declare the column REAL: the kinds the program's
// files hold, read from the fixture's source, not from the code under test.
static bool Numerica(const QString& colonna)
{
    static const QSet<QString> numeriche = [] {
        QSet<QString> nomi;
        const QString sql = QString::fromUtf8(
            TestSupport::Contenuto(qEnvironmentVariable("ZELMAR_SOURCE_DIR") +
                                   "/tests/fixtures/vuota/Databases/Database/Database_sperimentale.sql"));
        for (const auto& m : QRegularExpression(R"x("([^"]+)" REAL)x").globalMatch(sql))
            nomi << m.captured(1);
        return nomi;
    }();
    return numeriche.contains(colonna);
}

namespace VoceDiProva {

QString Tabella(int codice)
{
    return QString::fromUtf8(Categorie::PerCodice(codice)->tabellaPersonale);
}

Valori ValoriVoce(int codice, const QString& nome, int seme)
{
    using RecordSchema::Campo;
    QLocale locale; // as a user types numbers: no thousands separator
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    Valori valori;
    const QStringList colonne = Categorie::ColonneTabella(codice);
    for (int i = 0; i < colonne.size(); ++i)
        valori.insert(colonne[i], Numerica(colonne[i])
                                      ? locale.toString(seme % 500 + i + 0.25 * (i % 4), 'g', 12)
                                      : QStringLiteral("%1 %2").arg(colonne[i]).arg(seme));
    valori[RecordSchema::Nome(Campo::Nome)] = nome;
    valori[RecordSchema::Nome(Campo::DataProva)] =
        QStringLiteral("%1/%2/2010").arg(1 + seme % 28).arg(1 + seme % 12);
    // One entry in five carries a description longer than a page of the file.
    valori[RecordSchema::Nome(Campo::Descrizione)] =
        QStringLiteral("Descrizione %1 ").arg(seme).repeated(seme % 5 == 0 ? 300 : 3);
    return valori;
}

SalvataggioMateriale::Richiesta Richiesta(const QString& percorso, int codice, const Valori& valori,
                                          bool modifica, const QString& selezionato)
{
    SalvataggioMateriale::Richiesta r;
    r.percorsoDatabase = percorso;
    r.tabella = Tabella(codice);
    r.modifica = modifica;
    r.nome = valori.value(RecordSchema::Nome(RecordSchema::Campo::Nome));
    r.nomeSelezionato = selezionato;
    if (modifica) // as the main window shows the entry now
        try {
            r.mostrato = DettaglioMateriale::Leggi(percorso, r.tabella, codice, selezionato);
        } catch (const DbException&) {
        }
    r.scritture = SalvataggioMateriale::ScrittureCategoria(
        codice, [&](const QString& colonna) { return valori.value(colonna); },
        [](int n) { return QStringLiteral("M%1").arg(n); });
    return r;
}

QVariantMap RigaAttesa(const Valori& valori)
{
    QVariantMap riga;
    for (auto it = valori.cbegin(); it != valori.cend(); ++it)
        riga.insert(it.key(),
                    Numerica(it.key()) ? QVariant(QLocale().toDouble(it.value())) : QVariant(it.value()));
    return riga;
}

} // namespace VoceDiProva
