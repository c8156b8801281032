// Opening an Access file: the reader process started, the whole file read there and sent
// back, against the same reading in this process (what isolating libmdb costs), and the
// opening of a file already read (what the list and the entry display pay on every click).
// Usage: zelmar-bench-jet <file.mdb>...
#include "Misure.h"

#include "model/Categorie.h"
#include "model/DettaglioMateriale.h"
#include "model/JetDatabase.h"
#include "storage/LettoreJetIsolato.h"
#include "model/RecordSchema.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr int Volte = 30;

void Apri(const QString& percorso)
{
    JetDatabase::Apri(percorso)->TableNames();
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
    const auto quiDentro = Misure::Ripeti(Volte, [&] {
        LettoreJetIsolato::ImpostaProgramma(QString());
        Apri(percorso);
    });
    out << "  first opening, in this process: " << quiDentro.Riga() << "\n";
    LettoreJetIsolato::ImpostaProgramma(lettore);
    const auto ricordato = Misure::Ripeti(Volte * 10, [&] { Apri(percorso); });
    out << "  opening of a file already read: " << ricordato.Riga() << "\n";
    out.flush();
}

// What the reader sends back for an Access file holding one table of n walls.
QByteArray LetturaDiVoci(int n)
{
    auto tabella = std::make_shared<TabellaJet>();
    tabella->nome = QStringLiteral("Prove");
    const QStringList colonne = RecordSchema::ColonneTabella(catRwLaboratorio);
    for (const QString& c : colonne)
        tabella->colonne.append(
            {c, RecordSchema::IsNumerica(c) ? TipoColonnaJet::Numero : TipoColonnaJet::Testo});
    for (int i = 0; i < n; ++i) {
        QVector<QVariant> riga;
        for (const QString& c : colonne)
            riga << (c == QLatin1String("Nome") ? QVariant(QStringLiteral("Voce %1").arg(i))
                     : RecordSchema::IsNumerica(c) ? QVariant(40.5)
                                                   : QVariant(QStringLiteral("Testo di prova")));
        tabella->righe.push_back(riga);
    }
    FileJetLetto file;
    file.tabelle.push_back({tabella->nome, tabella, 0, QString()});
    return file.Codifica();
}

// The entry display of an Access file whose table holds n rows, once the file is read: a
// stand-in reader hands back a table of that size for a genuine Access file.
void MisuraDettaglio(const QString& accessVero, int n, QTextStream& out)
{
    QTemporaryDir dir;
    const QString lettura = dir.filePath(QStringLiteral("lettura"));
    const QString lettore = dir.filePath(QStringLiteral("lettore"));
    QFile f(lettura);
    f.open(QIODevice::WriteOnly);
    f.write(LetturaDiVoci(n));
    f.close();
    QFile script(lettore);
    script.open(QIODevice::WriteOnly);
    script.write(QStringLiteral("#!/bin/sh\ncat >/dev/null\nexec cat '%1'\n").arg(lettura).toUtf8());
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
    QTextStream out(stdout);
    if (LettoreJetIsolato::ProgrammaPredefinito().isEmpty()) {
        QTextStream(stderr) << "zelmar-lettore-jet not found beside the program\n";
        return 1;
    }
    for (int i = 1; i < argc; ++i)
        Misura(QString::fromLocal8Bit(argv[i]), out);
    if (argc > 1) {
        out << "entry display of an Access file once read\n";
        for (int n : {1000, 100000})
            MisuraDettaglio(QString::fromLocal8Bit(argv[1]), n, out);
    }
    out << "peak memory " << PiccoMemoriaMB() << " MB\n";
    return 0;
}
