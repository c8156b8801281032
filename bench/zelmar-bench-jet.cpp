// Opening an Access file: the reader process started, the whole file read there and sent
// back, against the same reading in this process (what isolating libmdb costs), and the
// opening of a file already read (what the list and the entry display pay on every click).
// Usage: zelmar-bench-jet <file.mdb>...
#include "Misure.h"

#include "model/JetDatabase.h"
#include "model/LettoreJetIsolato.h"

#include <QCoreApplication>
#include <QFileInfo>
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
    out << "peak memory " << PiccoMemoriaMB() << " MB\n";
    return 0;
}
