#include "JetDatabase.h"

#include "DbException.h"
#include "LettoreJetIsolato.h"
#include "LetturaJet.h"

#include <QFile>
#include <QFileInfo>

namespace {

QByteArray ContenutoDelFile(const QString& percorso)
{
    if (!QFileInfo(percorso).isFile())
        throw DbException(DbErrore::FileNonTrovato, QStringLiteral("Il file «%1» non esiste.").arg(percorso));
    QFile file(percorso);
    QByteArray contenuto;
    if (file.open(QIODevice::ReadOnly))
        contenuto = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError)
        throw DbException(
            DbErrore::ErroreDisco,
            QStringLiteral("Impossibile leggere il file «%1»: %2.").arg(percorso, file.errorString()));
    return contenuto;
}

} // namespace

std::unique_ptr<JetDatabase> JetDatabase::Apri(const QString& percorso)
{
    const QByteArray contenuto = ContenutoDelFile(percorso);
    // Files that are plainly not Jet databases are refused without starting the reader.
    const int versione = LetturaJet::ControllaFile(contenuto, percorso);
    auto letto = LettoreJetIsolato::Leggi(percorso, contenuto);
    if (letto->codiceErrore != 0)
        throw DbException(letto->codiceErrore, letto->errore);
    return std::unique_ptr<JetDatabase>(new JetDatabase(percorso, versione, std::move(letto)));
}

JetDatabase::JetDatabase(const QString& percorso, int versione, std::shared_ptr<const FileJetLetto> letto)
    : percorso_(percorso), versione_(versione), letto_(std::move(letto))
{
}

const FileJetLetto& JetDatabase::Letto() const
{
    if (!letto_)
        throw DbException(DbErrore::Generico,
                          QStringLiteral("Il file «%1» è già stato chiuso.").arg(percorso_));
    return *letto_;
}

std::shared_ptr<const TabellaJet> JetDatabase::LeggiTabella(const QString& tabella)
{
    for (const TabellaLetta& t : Letto().tabelle)
        if (t.nome.compare(tabella, Qt::CaseInsensitive) == 0) {
            if (!t.tabella)
                throw DbException(t.codiceErrore, t.errore);
            return t.tabella;
        }
    throw DbException(DbErrore::TabellaNonTrovata,
                      QStringLiteral("Il file «%1» non ha la tabella «%2».").arg(percorso_, tabella));
}

std::unique_ptr<Recordset> JetDatabase::OpenRecordset(const QString& tabella)
{
    return std::make_unique<JetRecordset>(LeggiTabella(tabella), percorso_);
}

QStringList JetDatabase::TableNames()
{
    return Letto().NomiTabelle();
}

void JetDatabase::Close()
{
    letto_.reset();
}
