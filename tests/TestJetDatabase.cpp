// Genuine Access files, converted by the reader process and read through the storage
// interface, compared with what mdbtools' own mdb-export prints for them: tables, columns,
// row counts and stored order, Nulls, exact numbers, dates, bytes and Unicode text; the
// seek by name; every change refused before the file is touched; damaged copies read or
// refused with a message naming them, never a crash or a hang.
#include "JetDiProva.h"
#include "TestSupport.h"

#include "model/CancellazioneMateriale.h"
#include "model/SalvataggioMateriale.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"

#include <QDateTime>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

using TestSupport::Prova;

namespace {

const QString kNullo = QStringLiteral("<<NULL>>");
// Texts of the shared files hold every control character: the separators are words.
const QString kFineCampo = QStringLiteral("|#campo#|");
const QString kFineRiga = QStringLiteral("|#riga#|");

// One of mdbtools' programs, run in the C locale: what it printed.
QString Mdbtools(const QString& programma, const QStringList& argomenti)
{
    QProcess processo;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    processo.setProcessEnvironment(ambiente);
    processo.start(programma, argomenti);
    if (!processo.waitForFinished(60000) || processo.exitCode() != 0)
        return QString();
    return QString::fromUtf8(processo.readAllStandardOutput());
}

QStringList TabelleMdb(const QString& file)
{
    return Mdbtools(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), file})
        .split('\n', Qt::SkipEmptyParts);
}

// The header and the rows of a table as mdb-export prints them: no quotes, tabs and line
// ends escaped, dates in full, binary data in hex.
QVector<QStringList> EsportazioneMdb(const QString& file, const QString& tabella)
{
    const QString testo =
        Mdbtools(QStringLiteral("mdb-export"), {"-Q", "-e", "-d", kFineCampo, "-R", kFineRiga, "-0", kNullo,
                                                "-b", "hex", "-T", "%d/%m/%Y %H:%M:%S", file, tabella});
    QVector<QStringList> righe;
    for (const QString& riga : testo.split(kFineRiga, Qt::SkipEmptyParts))
        righe.append(riga.split(kFineCampo));
    return righe;
}

// Why a value read differs from mdb-export's text, or empty when they agree.
QString Differenza(const QVariant& nostro, const QString& suo)
{
    if (suo == kNullo || nostro.isNull())
        return nostro.isNull() == (suo == kNullo) ? QString() : QStringLiteral("Null diverso");
    if (nostro.typeId() == QMetaType::Double) {
        // mdb-export prints a Single with fewer digits than it holds; the value read is the
        // shortest text that gives the same Single back.
        const double atteso = suo.toDouble();
        return nostro.toDouble() == atteso || float(nostro.toDouble()) == float(atteso)
                   ? QString()
                   : QStringLiteral("numero");
    }
    if (nostro.typeId() == QMetaType::QByteArray)
        return nostro.toByteArray().toHex().toUpper() == suo.toLatin1().toUpper() ? QString()
                                                                                  : QStringLiteral("byte");
    const QDateTime data = QDateTime::fromString(suo, QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    if (data.isValid()) {
        QDateTime letta = QDateTime::fromString(nostro.toString(), QStringLiteral("d/M/yyyy HH:mm:ss"));
        if (!letta.isValid())
            letta = QDateTime(QDate::fromString(nostro.toString(), QStringLiteral("d/M/yyyy")), QTime(0, 0));
        return letta == data ? QString() : QStringLiteral("data «%1»").arg(nostro.toString());
    }
    QString testo = nostro.toString();
    testo.replace('\\', QLatin1String("\\\\")).replace('\n', QLatin1String("\\n"));
    testo.replace('\r', QLatin1String("\\r")).replace('\t', QLatin1String("\\t"));
    return testo == suo ? QString() : QStringLiteral("testo «%1»").arg(nostro.toString());
}

// Opens a file and reads every row of every table, as browsing does: the error, or "".
QString Sfoglia(const QString& percorso)
{
    const auto errore = Prova([&] {
        auto db = DBEngine::OpenDatabase(percorso);
        for (const QString& tabella : db->TableNames()) {
            auto rs = db->OpenRecordset(tabella);
            int righe = 0;
            for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
                ++righe;
            if (righe != rs->RecordCount())
                throw DbException(DbErrore::Generico, QStringLiteral("righe perse"));
        }
    });
    return errore.numero == 0 ? QString() : errore.descrizione + QLatin1Char(' ');
}

} // namespace

class TestJetDatabase : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::PreparaAmbiente();
        QVERIFY2(!JetDiProva::File().isEmpty(), qPrintable(JetDiProva::Cartella()));
        if (TabelleMdb(JetDiProva::Percorso(QStringLiteral("testV1997.mdb"))).isEmpty())
            QSKIP("mdbtools (mdb-tables, mdb-export) is not installed: run scripts/install-deps.sh");
    }

    void comeMdbExport_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString& f : JetDiProva::File())
            QTest::newRow(qPrintable(f)) << JetDiProva::Percorso(f);
    }
    // Every table, and every value of every row in stored order, through the cursor callers use.
    void comeMdbExport()
    {
        QFETCH(QString, file);
        auto db = DBEngine::OpenDatabase(file);
        QVERIFY(db->IsReadOnlyFormat());
        QCOMPARE(db->TableNames(), TabelleMdb(file));
        for (const QString& tabella : db->TableNames()) {
            const QVector<QStringList> atteso = EsportazioneMdb(file, tabella);
            QVERIFY(!atteso.isEmpty());
            const QStringList& colonne = atteso.first();
            auto rs = db->OpenRecordset(tabella);
            QCOMPARE(rs->FieldNames(), colonne);
            QCOMPARE(rs->RecordCount(), atteso.size() - 1);
            int riga = 1;
            for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext(), ++riga)
                for (int c = 0; c < colonne.size(); ++c) {
                    const QString diverso = Differenza(rs->Field(colonne[c]), atteso[riga].value(c));
                    QVERIFY2(diverso.isEmpty(), qPrintable(QStringLiteral("%1, riga %2, %3: %4")
                                                               .arg(tabella)
                                                               .arg(riga)
                                                               .arg(colonne[c], diverso)));
                }
            QCOMPARE(riga, atteso.size());
        }
    }

    // The one Access file here with a "Nome" column: the list and the detail display
    // find its row by name, exactly; a table without the column has no index to seek on.
    void seekSulNome()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Prove.mdb"));
        QVERIFY(JetDiProva::CopiaConColonnaNome(file));
        auto rs = DBEngine::OpenDatabase(file)->OpenRecordset(QStringLiteral("test"));
        QCOMPARE(
            rs->LeggiElenco(QStringLiteral("Nome"), QStringLiteral("col2"), false, {}).nomi.toStringList(),
            QStringList{QStringLiteral("some data")});
        rs->SetIndex(QStringLiteral("Nome"));
        rs->Seek(QStringLiteral("="), QStringLiteral("some data"));
        QCOMPARE(rs->Field(QStringLiteral("col6")), QVariant(-1.0));
        rs->Seek(QStringLiteral("="), QStringLiteral("Some data"));
        QVERIFY(rs->NoMatch());
        const QString senzaNome = JetDiProva::Percorso(QStringLiteral("testV1997.mdb"));
        const auto e = Prova([&] {
            DBEngine::OpenDatabase(senzaNome)
                ->OpenRecordset(QStringLiteral("Table1"))
                ->SetIndex(QStringLiteral("Nome"));
        });
        QCOMPARE(e.numero, DbErrore::IndiceNonTrovato);
    }

    void modificheRifiutate_data()
    {
        QTest::addColumn<QString>("operazione");
        for (const char* o : {"AddNew", "Edit", "SetField", "Update", "Delete", "BeginTrans", "cancellazione",
                              "nuovo", "modifica"})
            QTest::newRow(o) << QString::fromLatin1(o);
    }
    // Every change, by a cursor, a deletion or a save, is refused with a message naming
    // the file and saying how to import it, and the file stays as it was.
    void modificheRifiutate()
    {
        QFETCH(QString, operazione);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Database_sperimentale.mdb"));
        QVERIFY(QFile::copy(JetDiProva::Percorso(QStringLiteral("testV1997.mdb")), file));
        const QByteArray prima = TestSupport::Contenuto(file);
        const QString tabella = QStringLiteral("Table1");
        const auto e = Prova([&] {
            if (operazione == QLatin1String("cancellazione"))
                CancellazioneMateriale::Cancella(file, tabella, QStringLiteral("a"));
            else if (operazione == QLatin1String("nuovo") || operazione == QLatin1String("modifica")) {
                SalvataggioMateriale::Richiesta r{
                    file, tabella, operazione == QLatin1String("modifica"),
                    "a",  "a",     {{QStringLiteral("A"), QStringLiteral("a"), {}}},
                    {}};
                const auto esito = SalvataggioMateriale::Salva(r);
                throw DbException(esito.numero, esito.descrizione);
            }
            auto db = DBEngine::OpenDatabase(file);
            auto rs = db->OpenRecordset(tabella);
            const std::map<QString, std::function<void()>> operazioni{
                {"AddNew", [&] { rs->AddNew(); }},
                {"Edit", [&] { rs->Edit(); }},
                {"SetField", [&] { rs->SetField(QStringLiteral("A"), QStringLiteral("x")); }},
                {"Update", [&] { rs->Update(); }},
                {"Delete", [&] { rs->Delete(); }},
                {"BeginTrans", [&] { db->BeginTrans(); }}};
            operazioni.at(operazione)();
        });
        QCOMPARE(e.numero, DbErrore::SolaLettura);
        QVERIFY2(e.descrizione.contains(file) &&
                     e.descrizione.contains(QStringLiteral("Importa database Jet")),
                 qPrintable(e.descrizione));
        QCOMPARE(TestSupport::Contenuto(file), prima);
    }

    // Copies of the genuine files cut, with a page lost, with random bytes after the header,
    // or with a version byte no Access wrote, a hundred of them chosen by a fixed seed. None
    // is taken for a file of a later Access.
    void fileDanneggiati_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QByteArray>("contenuto");
        QRandomGenerator caso(20240917);
        const QStringList file = JetDiProva::File();
        for (int n = 0; n < 100; ++n) {
            const QString nome = file[caso.bounded(int(file.size()))];
            QByteArray copia = TestSupport::Contenuto(JetDiProva::Percorso(nome));
            const qsizetype pagina = copia[0x14] == '\0' ? 2048 : 4096;
            const qsizetype pagine = copia.size() / pagina;
            const qsizetype dove = caso.bounded(qint64(copia.size()));
            switch (n % 4) {
            case 0: // cut at a byte, often a page boundary
                copia.truncate(n % 2 ? dove : dove / pagina * pagina);
                break;
            case 1: // a page lost, as a disk that lost it
                copia.replace((1 + caso.bounded(qint64(pagine - 1))) * pagina, pagina,
                              QByteArray(pagina, '\0'));
                break;
            case 2:
                copia[0x14] = char(2 + caso.bounded(254));
                break;
            default: // random after the header, the first page or three pages
                for (qsizetype i = std::array<qsizetype, 3>{0x80, pagina, 3 * pagina}[n / 3 % 3];
                     i < copia.size(); ++i)
                    copia[i] = char(caso.bounded(256));
            }
            QTest::addRow("%d %s", n, qPrintable(nome)) << nome << copia;
        }
    }
    void fileDanneggiati()
    {
        QFETCH(QString, nome);
        QFETCH(QByteArray, contenuto);
        QTemporaryDir dir;
        const QString file = dir.filePath(nome);
        QVERIFY(TestSupport::Scrivi(file, contenuto));
        const QString errore = Sfoglia(file);
        QVERIFY2((errore.isEmpty() || errore.contains(file)) && !errore.contains(QStringLiteral("2007")),
                 qPrintable(errore));
    }
};

QTEST_GUILESS_MAIN(TestJetDatabase)
#include "TestJetDatabase.moc"
