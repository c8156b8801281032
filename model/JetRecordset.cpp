#include "JetRecordset.h"

#include "DbException.h"
#include "JetBackend.h"

namespace {
const QString ColonnaNome = QStringLiteral("Nome");
}

JetRecordset::JetRecordset(std::shared_ptr<const TabellaJet> tabella, const QString& percorso)
    : tabella_(std::move(tabella)), percorso_(percorso)
{
    const TabellaJet& t = Tabella();
    for (int i = 0; i < t.colonne.size(); ++i)
        colonnePerNome_.insert(t.colonne[i].nome.toLower(), i);
}

const TabellaJet& JetRecordset::Tabella() const
{
    if (!tabella_)
        throw DbException(DbErrore::Generico,
                          QStringLiteral("La tabella del file «%1» è già stata chiusa.").arg(percorso_));
    return *tabella_;
}

int JetRecordset::RecordCount()
{
    return static_cast<int>(Tabella().righe.size());
}

void JetRecordset::MoveFirst()
{
    Tabella();
    riga_ = 0;
}

void JetRecordset::MoveNext()
{
    if (Eof())
        throw DbException(DbErrore::NessunRecordCorrente,
                          QStringLiteral("Nessun record corrente nella tabella «%1» del file «%2».")
                              .arg(Tabella().nome, percorso_));
    ++riga_;
}

bool JetRecordset::Eof() const
{
    return !tabella_ || riga_ >= static_cast<qsizetype>(tabella_->righe.size());
}

int JetRecordset::IndiceColonna(const QString& colonna) const
{
    return colonnePerNome_.value(colonna.toLower(), -1);
}

QVariant JetRecordset::Field(const QString& colonna) const
{
    const TabellaJet& t = Tabella();
    const int indice = IndiceColonna(colonna);
    if (indice < 0)
        throw DbException(DbErrore::ElementoNonTrovato,
                          QStringLiteral("La tabella «%1» del file «%2» non ha la colonna «%3».")
                              .arg(t.nome, percorso_, colonna));
    if (Eof())
        throw DbException(DbErrore::NessunRecordCorrente,
                          QStringLiteral("Nessun record corrente nella tabella «%1» del file «%2».")
                              .arg(t.nome, percorso_));
    return t.righe[static_cast<size_t>(riga_)][indice];
}

bool JetRecordset::HasField(const QString& colonna) const
{
    return IndiceColonna(colonna) >= 0;
}

QStringList JetRecordset::NomiColonne() const
{
    QStringList nomi;
    for (const ColonnaJet& colonna : Tabella().colonne)
        nomi << colonna.nome;
    return nomi;
}

void JetRecordset::SetIndex(const QString& nomeIndice)
{
    const TabellaJet& t = Tabella();
    if (nomeIndice.compare(ColonnaNome, Qt::CaseInsensitive) != 0 || !HasField(ColonnaNome))
        throw DbException(DbErrore::IndiceNonTrovato,
                          QStringLiteral("La tabella «%1» del file «%2» non ha l'indice «%3».")
                              .arg(t.nome, percorso_, nomeIndice));
    if (!indiceNomeScelto_)
        CostruisciIndiceNome();
    indiceNomeScelto_ = true;
}

void JetRecordset::CostruisciIndiceNome()
{
    const TabellaJet& t = Tabella();
    const int colonna = IndiceColonna(ColonnaNome);
    primaRigaPerNome_.reserve(static_cast<qsizetype>(t.righe.size()));
    for (size_t r = 0; r < t.righe.size(); ++r) {
        const QVariant& nome = t.righe[r][colonna];
        if (!nome.isNull() && !primaRigaPerNome_.contains(nome.toString()))
            primaRigaPerNome_.insert(nome.toString(), static_cast<int>(r));
    }
}

void JetRecordset::Seek(const QString& confronto, const QString& chiave)
{
    const TabellaJet& t = Tabella();
    if (confronto.trimmed() != QLatin1String("="))
        throw DbException(
            DbErrore::Generico,
            QStringLiteral("La ricerca nella tabella «%1» ammette solo il confronto «=», non «%2».")
                .arg(t.nome, confronto));
    if (!indiceNomeScelto_)
        throw DbException(
            DbErrore::IndiceNonTrovato,
            QStringLiteral("Nessun indice scelto per la ricerca nella tabella «%1».").arg(t.nome));
    const auto trovata = primaRigaPerNome_.constFind(chiave);
    noMatch_ = trovata == primaRigaPerNome_.constEnd();
    riga_ = noMatch_ ? static_cast<qsizetype>(t.righe.size()) : trovata.value();
}

bool JetRecordset::NoMatch() const
{
    return noMatch_;
}

void JetRecordset::RifiutaScrittura() const
{
    throw DbException(DbErrore::SolaLettura, JetBackend::MessaggioSolaLettura(percorso_));
}

void JetRecordset::SetField(const QString&, const QString&)
{
    RifiutaScrittura();
}
void JetRecordset::AddNew()
{
    RifiutaScrittura();
}
void JetRecordset::Edit()
{
    RifiutaScrittura();
}
void JetRecordset::Update()
{
    RifiutaScrittura();
}
void JetRecordset::Delete()
{
    RifiutaScrittura();
}

void JetRecordset::Close()
{
    tabella_.reset();
    primaRigaPerNome_.clear();
    indiceNomeScelto_ = false;
}
