#include "LetturaVoce.h"

#include "TipiVoce.h"
#include "model/Categorie.h"
#include "model/DBEngine.h"
#include "model/DettaglioMateriale.h"
#include "model/FormatoNumero.h"
#include "model/RecordSchema.h"
#include "model/VistaPerTipo.h"

namespace {

QString Testo(const Recordset& rs, const QString& colonna)
{
    return FormatoNumero::TestoCampo(rs.Field(colonna));
}

std::optional<double> Numero(const Recordset& rs, const QString& colonna)
{
    const QVariant valore = rs.Field(colonna);
    bool ok = false;
    const double numero = valore.toDouble(&ok);
    if (valore.isNull() || !ok)
        return std::nullopt;
    return numero;
}

} // namespace

DatiVoce LetturaVoce::LeggiCorrente(const Recordset& rs, int codice)
{
    DatiVoce voce;
    voce.codice = codice;
    const VistaTipo* vista = VistaPerTipo::PerCodice(codice);
    if (!vista)
        return voce;
    voce.nome = Testo(rs, QStringLiteral("Nome"));
    voce.descrizione =
        Testo(rs, QStringLiteral("Descrizione")).replace(QLatin1String("\r\n"), QLatin1String(" "));
    if (const QVariant immagine = rs.Field(QStringLiteral("Immagine")); !immagine.isNull())
        voce.immagine = immagine.toString();
    voce.certificato = !Categorie::IsTeorico(codice);
    if (voce.certificato) {
        voce.numeroCertificato = Testo(rs, QStringLiteral("Certificato"));
        voce.dataProva = Testo(rs, QStringLiteral("Data Prova"));
        voce.ente = Testo(rs, QStringLiteral("Ente di prova"));
        voce.societa = Testo(rs, QStringLiteral("Società richiedente"));
    }
    for (const char* campo : vista->caselleFisiche) {
        if (!campo)
            continue;
        const QString colonna = QString::fromUtf8(campo);
        if (const QString valore = Testo(rs, colonna); !valore.isEmpty())
            voce.fisici.append({colonna, valore});
    }
    for (const VistaTipo::Pezzo& pezzo : vista->rigaValutazione)
        if (pezzo.letterale && pezzo.campo) {
            const QString colonna = QString::fromUtf8(pezzo.campo);
            voce.valutazioni.append({colonna, Numero(rs, colonna)});
        }
    voce.rigaValutazione = DettaglioMateriale::RigaValutazione(rs, *vista);
    const QStringList colonne = RecordSchema::ColonneBande(Categorie::PrefissoBande(codice));
    for (int i = 0; i < RecordSchema::NumeroBande; ++i)
        voce.bande[i] = Numero(rs, colonne.at(i));
    if (const auto grandezza = TipiVoce::GrandezzaValutata(codice))
        voce.calcolata = MotoreValutazione::Valuta(*grandezza, voce.bande);
    return voce;
}

std::optional<DatiVoce> LetturaVoce::Leggi(const QString& file, const QString& tabella, int codice,
                                           const QString& nome)
{
    if (!VistaPerTipo::PerCodice(codice))
        return std::nullopt;
    auto db = DBEngine::OpenDatabase(file);
    auto rs = db->OpenRecordset(tabella);
    rs->SetIndex(QStringLiteral("Nome"));
    rs->Seek(QStringLiteral("="), nome);
    std::optional<DatiVoce> voce;
    if (!rs->NoMatch()) {
        voce = LeggiCorrente(*rs, codice);
        voce->file = file;
        voce->tabella = tabella;
    }
    rs->Close();
    db->Close();
    return voce;
}
