#include "ZelmarCommonModule.h"

#include "storage/DBEngine.h"
#include "storage/DbException.h"
#include "storage/NomiSenzaMaiuscole.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>
#include <optional>

namespace ZelmarCommonModule {

QStringList Messaggi;

namespace {
QString LinguaInterfaccia;
QString PercorsoDati;
std::optional<QString> DatabaseCondiviso;
QString CartellaProgrammaForzata;

QString DecodificaIni(const QByteArray& dati)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString testo = utf8.decode(dati);
    if (utf8.hasError())
        testo = QString::fromLatin1(dati); // files written by older Windows editors
    if (testo.startsWith(QChar(0xFEFF)))
        testo.remove(0, 1);
    return testo;
}

QString TogliVirgolette(const QString& valore)
{
    if (valore.size() >= 2) {
        const QChar primo = valore.front();
        if ((primo == QLatin1Char('"') || primo == QLatin1Char('\'')) && valore.back() == primo)
            return valore.mid(1, valore.size() - 2);
    }
    return valore;
}
} // namespace

QString LeggiIni(const QString& sezione, const QString& chiave, const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QStringList righe = DecodificaIni(f.readAll()).split(QLatin1Char('\n'));
    bool nellaSezione = false;
    for (QString riga : righe) {
        riga = riga.trimmed();
        if (riga.isEmpty() || riga.startsWith(QLatin1Char(';')))
            continue;
        if (riga.startsWith(QLatin1Char('['))) {
            const int fine = riga.indexOf(QLatin1Char(']'));
            const QString nome = riga.mid(1, fine < 0 ? -1 : fine - 1).trimmed();
            nellaSezione = nome.compare(sezione.trimmed(), Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!nellaSezione)
            continue;
        const int uguale = riga.indexOf(QLatin1Char('='));
        if (uguale < 0)
            continue;
        if (riga.left(uguale).trimmed().compare(chiave.trimmed(), Qt::CaseInsensitive) != 0)
            continue;
        return TogliVirgolette(riga.mid(uguale + 1).trimmed()).left(254);
    }
    return {};
}

QString GetCartellaProgramma()
{
    if (!CartellaProgrammaForzata.isEmpty())
        return CartellaProgrammaForzata;
    // The installed program lies where users cannot write: the command that starts it names
    // the user's folders.
    if (const QString indicata = qEnvironmentVariable(VariabileCartellaProgramma); !indicata.isEmpty())
        return indicata;
    return QCoreApplication::applicationDirPath();
}

QString GetPercorsoIni()
{
    if (const QString indicato = qEnvironmentVariable(VariabileIni);
        CartellaProgrammaForzata.isEmpty() && !indicato.isEmpty())
        return indicato;
    return GetCartellaProgramma() + QStringLiteral("/Zelmar.ini");
}

namespace {
// A key of Zelmar.ini's [Configurazione], read once into memoria; predefinito() when it has none.
template <typename Predefinito>
QString LeggiUnaVolta(QString& memoria, const QString& chiave, Predefinito predefinito)
{
    if (memoria.isEmpty())
        memoria = LeggiIni(QStringLiteral("Configurazione"), chiave, GetPercorsoIni());
    if (memoria.isEmpty())
        memoria = predefinito();
    return memoria;
}
} // namespace

QString GetLingua()
{
    return LeggiUnaVolta(LinguaInterfaccia, QStringLiteral("Lingua"),
                         [] { return QStringLiteral("Italiano"); });
}

QString GetCartellaDocumenti()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString GetCartellaDati()
{
    return LeggiUnaVolta(PercorsoDati, QStringLiteral("CartellaDati"),
                         [] { return GetCartellaDocumenti() + QStringLiteral("/ZELMARtek"); });
}

QString GetDatabaseCondiviso()
{
    if (!DatabaseCondiviso)
        DatabaseCondiviso =
            LeggiIni(QStringLiteral("Configurazione"), QStringLiteral("DatabaseCondiviso"), GetPercorsoIni());
    return *DatabaseCondiviso;
}

QString GetPercorsoDatabases()
{
    return GetCartellaDati() + QStringLiteral("/Databases");
}
QString GetPercorsoMessaggi()
{
    return GetPercorsoDatabases() + QStringLiteral("/InterfMess.mdb");
}
QString GetPercorsoDatabaseSperimentale()
{
    return GetPercorsoDatabases() + QStringLiteral("/Database/Database_sperimentale.mdb");
}
QString GetPercorsoDatabaseTeorico()
{
    return GetPercorsoDatabases() + QStringLiteral("/Database/Database_teorico.mdb");
}

bool EsisteFile(const QString& percorso)
{
    if (percorso.isEmpty())
        return false;
    const QFileInfo info(NomiSenzaMaiuscole::Trova(percorso));
    return info.exists() && info.isFile();
}

QString GetCartellaImmagini(const QString& cartellaCategoria)
{
    return GetCartellaProgramma() + QStringLiteral("/immagine/") + cartellaCategoria + QStringLiteral("/");
}

QString GetPercorsoSenzaImmagine()
{
    return GetCartellaProgramma() + QStringLiteral("/immagine/senza.jpg");
}

QString M(int n)
{
    if (n < 1 || n > Messaggi.size())
        return {};
    return Messaggi.at(n - 1);
}

void CaricaMessaggi()
{
    QStringList letti;
    auto db = DBEngine::OpenDatabase(GetPercorsoMessaggi(), DBEngine::Uso::Lettura);
    auto rs = db->OpenRecordset(QStringLiteral("GESTIONEDB"));
    const QString lingua = GetLingua();
    // Checked before reading, so that an empty catalogue with a wrong language is refused too.
    if (!rs->HasField(lingua))
        throw DbException(
            DbErrore::ElementoNonTrovato,
            QStringLiteral("Il catalogo dei messaggi non ha la colonna della lingua «%1».").arg(lingua));
    const int n = rs->RecordCount();
    letti.reserve(n);
    if (n > 0) {
        rs->MoveFirst();
        while (!rs->Eof()) {
            const QVariant valore = rs->Field(lingua);
            letti << (valore.isNull() ? QString() : valore.toString());
            rs->MoveNext();
        }
    }
    rs->Close();
    db->Close();
    Messaggi = letti;
}

void SetCartellaProgramma(const QString& cartella)
{
    CartellaProgrammaForzata = cartella;
    AzzeraCache();
}

void AzzeraCache()
{
    LinguaInterfaccia.clear();
    PercorsoDati.clear();
    DatabaseCondiviso.reset();
}

} // namespace ZelmarCommonModule
