// Opening an Access file: the reader process started and the file converted there, against
// the same conversion in this process (what isolating libmdb costs), and the opening of a
// file already converted (what the list and the entry display pay on every click); then
// the entry display of an Access table of 1,000 and of 100,000 rows once converted.
// Usage: zelmar-bench-jet <file.mdb>...
#include "Misure.h"

#include "model/Categorie.h"
#include "model/DettaglioMateriale.h"
#include "storage/DBEngine.h"
#include "storage/jet/LettoreJetIsolato.h"
#include "storage/jet/LetturaJet.h"
#include "storage/sqlite/SqliteDatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr int Volte = 30;

void Apri(const QString& percorso)
{
    DBEngine::OpenDatabase(percorso, DBEngine::Uso::Lettura)->TableNames();
}

QByteArray Contenuto(const QString& percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Misura(const QString& percorso, QTextStream& out)
{
    const QString lettore = LettoreJetIsolato::ProgrammaPredefinito();
    out << percorso << " (" << QFileInfo(percorso).size() / 1024 << " KB)\n";
    const auto nelLettore = Misure::Ripeti(Volte, [&] {
        LettoreJetIsolato::ImpostaProgramma(lettore); // forgets the file
        Apri(percorso);
    });
    out << "  first opening, reader process:  " << nelLettore.Riga() << "\n";
    const QByteArray contenuto = Contenuto(percorso);
    const auto quiDentro = Misure::Ripeti(Volte, [&] { LetturaJet::Converti(contenuto, percorso); });
    out << "  the conversion in this process: " << quiDentro.Riga() << "\n";
    const auto ricordato = Misure::Ripeti(Volte * 10, [&] { Apri(percorso); });
    out << "  opening of a file converted:    " << ricordato.Riga() << "\n";
    out.flush();
}

// The entry display of an Access file whose table holds n walls, once converted: a
// stand-in reader hands back, for a genuine Access file, a conversion of that size.
void MisuraDettaglio(const QString& accessVero, int n, QTextStream& out)
{
    QTemporaryDir dir;
    const QString conversione = dir.filePath(QStringLiteral("conversione"));
    {
        auto db = SqliteDatabase::Crea(conversione);
        db->CreaTabellaMateriale(QStringLiteral("Prove"), Categorie::ColonneTabella(catRwLaboratorio),
                                 RecordSchema::IsNumerica);
        db->BeginTrans();
        auto rs = db->OpenRecordset(QStringLiteral("Prove"));
        for (int i = 0; i < n; ++i) {
            rs->AddNew();
            for (const QString& c : Categorie::ColonneTabella(catRwLaboratorio))
                rs->SetField(c, c == QLatin1String("Nome")    ? QStringLiteral("Voce %1").arg(i)
                                : RecordSchema::IsNumerica(c) ? QStringLiteral("40,5")
                                                              : QStringLiteral("Testo di prova"));
            rs->Update();
        }
        rs->Close();
        db->CommitTrans();
    }
    const QString lettore = dir.filePath(QStringLiteral("lettore"));
    QFile script(lettore);
    script.open(QIODevice::WriteOnly);
    script.write(QStringLiteral("#!/bin/sh\ncat >/dev/null\nexec cat '%1'\n").arg(conversione).toUtf8());
    script.close();
    QFile::setPermissions(lettore, QFile::permissions(lettore) | QFileDevice::ExeOwner);
    const QString file = dir.filePath(QStringLiteral("Prove.mdb"));
    QFile::copy(accessVero, file);
    LettoreJetIsolato::ImpostaProgramma(lettore);
    quint64 stato = 7;
    const auto dettaglio = Misure::Ripeti(300, [&] {
        stato = stato * 6364136223846793005ull + 1442695040888963407ull;
        const QString nome = QStringLiteral("Voce %1").arg((stato >> 33) % quint64(n));
        DettaglioMateriale::Leggi(file, QStringLiteral("Prove"), catRwLaboratorio, nome);
    });
    out << "  entry display, Access table of " << n << " rows: " << dettaglio.Riga() << "\n";
    out.flush();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QTextStream out(stdout);
    if (LettoreJetIsolato::ProgrammaPredefinito().isEmpty()) {
        QTextStream(stderr) << "zelmar-lettore-jet not found beside the program\n";
        return 1;
    }
    for (int i = 1; i < argc; ++i)
        Misura(QString::fromLocal8Bit(argv[i]), out);
    if (argc > 1) {
        out << "entry display of an Access file once converted\n";
        for (int n : {1000, 100000})
            MisuraDettaglio(QString::fromLocal8Bit(argv[1]), n, out);
    }
    out << "peak memory " << PiccoMemoriaMB() << " MB\n";
    return 0;
}
