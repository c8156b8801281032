#include "DettaglioMateriale.h"

#include "Categorie.h"
#include "DBEngine.h"
#include "FormatoNumero.h"
#include "RecordSchema.h"

namespace {

QString TestoDi(const Recordset& rs, const char* campo)
{
    return FormatoNumero::TestoCampo(rs.Field(QString::fromUtf8(campo)));
}

std::optional<QString> TestoFacoltativo(const Recordset& rs, const QString& campo)
{
    const QVariant valore = rs.Field(campo);
    if (valore.isNull())
        return std::nullopt;
    return FormatoNumero::TestoCampo(valore);
}

void LeggiBande(const Recordset& rs, int codice, SchedaMateriale& scheda)
{
    const QStringList colonne = RecordSchema::ColonneBande(Categorie::PrefissoBande(codice));
    for (int i = 0; i < RecordSchema::NumeroBande; ++i) {
        const QVariant valore = rs.Field(colonne.at(i));
        scheda.bande[i] = valore.isNull() ? 0.0f : valore.toFloat();
    }
}

void LeggiConservati(const Recordset& rs, const VistaTipo& vista, SchedaMateriale& scheda)
{
    for (const VistaTipo::Conservato& c : vista.conservati) {
        if (!c.campo)
            continue;
        const QVariant valore = rs.Field(QString::fromUtf8(c.campo));
        if (!valore.isNull())
            scheda.conservati[static_cast<int>(c.valore)] = valore.toDouble();
    }
}

void LeggiCertificato(const Recordset& rs, SchedaMateriale& scheda)
{
    static const std::pair<int, const char*> kCaselle[] = {
        {0, "Certificato"}, {2, "Ente di prova"}, {3, "Società richiedente"}, {4, "Informazione addizionale"},
        {5, "Immagine"},
    };
    for (const auto& [casella, campo] : kCaselle)
        scheda.caselle[casella] = TestoDi(rs, campo);
    scheda.certificato = true;
    scheda.dataProva = TestoDi(rs, "Data Prova");
}

void SegniTeorici(SchedaMateriale& scheda)
{
    for (int casella : {0, 1, 2, 3, 5})
        scheda.caselle[casella] = QStringLiteral("-");
}

void LeggiCaselleFisiche(const Recordset& rs, const VistaTipo& vista, SchedaMateriale& scheda)
{
    for (int i = 0; i < int(vista.caselleFisiche.size()); ++i) {
        const int casella = VistaPerTipo::PrimaCasellaFisica + i;
        const char* campo = vista.caselleFisiche[i];
        scheda.visibile[casella] = campo != nullptr;
        if (campo)
            scheda.caselle[casella] = TestoDi(rs, campo);
    }
    if (vista.etichetta9)
        scheda.etichetta9 = QString::fromUtf8(vista.etichetta9);
    if (vista.etichetta10)
        scheda.etichetta10 = QString::fromUtf8(vista.etichetta10);
}

} // namespace

QString DettaglioMateriale::RigaValutazione(const Recordset& rs, const VistaTipo& vista)
{
    QString riga;
    for (const VistaTipo::Pezzo& pezzo : vista.rigaValutazione) {
        if (!pezzo.letterale)
            break;
        riga += QString::fromUtf8(pezzo.letterale);
        if (pezzo.campo)
            riga += TestoDi(rs, pezzo.campo);
    }
    return riga;
}

SchedaMateriale DettaglioMateriale::LeggiCorrente(const Recordset& rs, int codice)
{
    SchedaMateriale scheda;
    const VistaTipo* vista = VistaPerTipo::PerCodice(codice);
    if (!vista)
        return scheda;
    scheda.trovato = true;
    scheda.immagine = TestoFacoltativo(rs, QStringLiteral("Immagine"));
    if (auto descrizione = TestoFacoltativo(rs, QStringLiteral("Descrizione")))
        scheda.descrizione = descrizione->replace(QLatin1String("\r\n"), QLatin1String(" "));
    scheda.rigaValutazione = RigaValutazione(rs, *vista);
    LeggiConservati(rs, *vista, scheda);
    LeggiBande(rs, codice, scheda);
    if (Categorie::IsTeorico(codice))
        SegniTeorici(scheda);
    else
        LeggiCertificato(rs, scheda);
    LeggiCaselleFisiche(rs, *vista, scheda);
    return scheda;
}

SchedaMateriale DettaglioMateriale::Leggi(const QString& percorso, const QString& tabella, int codice,
                                          const QString& nome)
{
    if (!VistaPerTipo::PerCodice(codice))
        return {};
    auto db = DBEngine::OpenDatabase(percorso);
    auto rs = db->OpenRecordset(tabella);
    rs->SetIndex(QStringLiteral("Nome"));
    rs->Seek(QStringLiteral("="), nome);
    SchedaMateriale scheda;
    if (!rs->NoMatch())
        scheda = LeggiCorrente(*rs, codice);
    rs->Close();
    db->Close();
    return scheda;
}
