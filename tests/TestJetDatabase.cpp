// Genuine Jet files written by Microsoft Access, read through the storage interface and
// compared with what mdbtools' own mdb-export prints for them: tables, columns, row
// counts and stored order, Nulls, exact numbers, dates and Unicode text; the seek by
// name; and every change refused before the file is touched.
#include "JetDiProva.h"
#include "TestSupport.h"

#include "model/CancellazioneMateriale.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"
#include "model/JetDatabase.h"
#include "model/SalvataggioMateriale.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {

const QString kNullo = QStringLiteral("<<NULL>>");
// Texts of the shared files hold every control character: the separators are words.
const QString kFineCampo = QStringLiteral("|#campo#|");
const QString kFineRiga = QStringLiteral("|#riga#|");

QString CartellaJet()
{
    return JetDiProva::Cartella();
}

QStringList FileJet()
{
    return JetDiProva::File();
}

// Runs one of mdbtools' programs in the C locale and returns what it printed.
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
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The header and the rows of a table as mdb-export prints them: no quotes, tabs and
// line ends escaped, dates in full, binary data in hex.
QVector<QStringList> EsportazioneMdb(const QString& file, const QString& tabella)
{
    const QString testo = Mdbtools(QStringLiteral("mdb-export"),
                                   {QStringLiteral("-Q"), QStringLiteral("-e"), QStringLiteral("-d"),
                                    kFineCampo, QStringLiteral("-R"), kFineRiga, QStringLiteral("-0"), kNullo,
                                    QStringLiteral("-b"), QStringLiteral("hex"), QStringLiteral("-T"),
                                    QStringLiteral("%d/%m/%Y %H:%M:%S"), file, tabella});
    QVector<QStringList> righe;
    for (const QString& riga : testo.split(kFineRiga, Qt::SkipEmptyParts))
        righe.append(riga.split(kFineCampo));
    return righe;
}

QString ComeMdbExport(const QString& testo)
{
    QString risultato;
    for (const QChar c : testo) {
        if (c == QLatin1Char('\\'))
            risultato += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            risultato += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            risultato += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            risultato += QStringLiteral("\\t");
        else
            risultato += c;
    }
    return risultato;
}

QDateTime DataNostra(const QString& testo)
{
    QDateTime d = QDateTime::fromString(testo, QStringLiteral("d/M/yyyy HH:mm:ss"));
    return d.isValid() ? d : QDateTime(QDate::fromString(testo, QStringLiteral("d/M/yyyy")), QTime(0, 0));
}

// Why a value read differs from mdb-export's text, or empty when they agree.
QString Differenza(TipoColonnaJet tipo, const QVariant& nostro, const QString& suo)
{
    if (suo == kNullo)
        return nostro.isNull() ? QString() : QStringLiteral("Null atteso, letto «%1»").arg(nostro.toString());
    if (nostro.isNull())
        return QStringLiteral("letto Null, atteso «%1»").arg(suo);
    switch (tipo) {
    case TipoColonnaJet::Numero: {
        bool ok = false;
        const double atteso = suo.toLatin1().toDouble(&ok);
        const double letto = nostro.toDouble();
        // mdb-export prints a Single with fewer digits than it holds; the value we read is
        // the shortest text that gives the same Single back.
        if (ok && (letto == atteso || static_cast<float>(letto) == static_cast<float>(atteso)))
            return QString();
        return QStringLiteral("numero %1, atteso %2").arg(letto, 0, 'g', 17).arg(suo);
    }
    case TipoColonnaJet::Data: {
        const QDateTime atteso = QDateTime::fromString(suo, QStringLiteral("dd/MM/yyyy HH:mm:ss"));
        if (atteso.isValid() && DataNostra(nostro.toString()) == atteso)
            return QString();
        return QStringLiteral("data «%1», attesa «%2»").arg(nostro.toString(), suo);
    }
    case TipoColonnaJet::Testo:
        return ComeMdbExport(nostro.toString()) == suo
                   ? QString()
                   : QStringLiteral("testo %1, atteso %2")
                         .arg(QString::fromLatin1(nostro.toString().toUtf8().toHex()),
                              QString::fromLatin1(suo.toUtf8().toHex()));
    case TipoColonnaJet::Binario:
        return nostro.toByteArray().toHex().toUpper() == suo.toLatin1().toUpper()
                   ? QString()
                   : QStringLiteral("%1 byte diversi da quelli attesi").arg(nostro.toByteArray().size());
    }
    return QString();
}

QByteArray Impronta(const QString& percorso)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

DbException Eccezione(const std::function<void()>& operazione)
{
    try {
        operazione();
    } catch (const DbException& e) {
        return e;
    }
    return DbException(0, QString());
}

// Opens a file and reads every field of every row of every table, as browsing does.
// Returns the error's text, or empty when everything could be read.
QString Sfoglia(const QString& percorso)
{
    try {
        auto db = DBEngine::OpenDatabase(percorso);
        for (const QString& tabella : db->TableNames()) {
            auto rs = db->OpenRecordset(tabella);
            const int righe = rs->RecordCount();
            auto* jet = dynamic_cast<JetDatabase*>(db.get());
            const auto colonne = jet ? jet->LeggiTabella(tabella)->colonne : QVector<ColonnaJet>{};
            int lette = 0;
            for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext(), ++lette)
                for (const ColonnaJet& c : colonne)
                    rs->Field(c.nome);
            if (lette != righe)
                return QStringLiteral("righe lette %1 di %2").arg(lette).arg(righe);
            rs->Close();
        }
        db->Close();
    } catch (const DbException& e) {
        return e.Descrizione().isEmpty() ? QStringLiteral("errore senza testo") : e.Descrizione();
    }
    return QString();
}

enum class Danno
{
    Troncato,       // cut at a byte
    PaginaMancante, // one page overwritten with zeros, as a disk that lost it
    ByteCasuali,    // the Jet header kept, every later byte random
};

QByteArray Danneggia(const QByteArray& originale, Danno danno, qsizetype dove, quint32 seme)
{
    const qsizetype pagina = originale[0x14] == '\0' ? 2048 : 4096;
    QByteArray copia = originale;
    switch (danno) {
    case Danno::Troncato:
        return copia.left(dove);
    case Danno::PaginaMancante:
        copia.replace(dove * pagina, pagina, QByteArray(pagina, '\0'));
        return copia;
    case Danno::ByteCasuali: {
        quint32 x = seme * 2654435761u + 1;
        for (qsizetype i = dove; i < copia.size(); ++i) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            copia[i] = static_cast<char>(x);
        }
        return copia;
    }
    }
    return copia;
}

} // namespace

class TestJetDatabase : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tabelleComeMdbTables_data();
    void tabelleComeMdbTables();
    void contenutoComeMdbExport_data();
    void contenutoComeMdbExport();
    void valoriNoti_data();
    void valoriNoti();
    void seekSulNome();
    void indiceNomeAssente();
    void scrittureRifiutate_data();
    void scrittureRifiutate();
    void cancellazioneRifiutata();
    void salvataggioRifiutato_data();
    void salvataggioRifiutato();
    void seekSuUnFileConNome();
    void fileDanneggiati_data();
    void fileDanneggiati();
};

void TestJetDatabase::initTestCase()
{
    TestSupport::PreparaAmbiente();
    QVERIFY2(!FileJet().isEmpty(), qPrintable(CartellaJet()));
    if (TabelleMdb(CartellaJet() + QStringLiteral("/testV1997.mdb")).isEmpty())
        QSKIP("mdbtools (mdb-tables, mdb-export) is not installed: run scripts/install-deps.sh");
}

void TestJetDatabase::tabelleComeMdbTables_data()
{
    QTest::addColumn<QString>("file");
    for (const QString& f : FileJet())
        QTest::newRow(qPrintable(f)) << CartellaJet() + QLatin1Char('/') + f;
}

void TestJetDatabase::tabelleComeMdbTables()
{
    QFETCH(QString, file);
    auto db = DBEngine::OpenDatabase(file);
    QVERIFY(db->IsReadOnlyFormat());
    QCOMPARE(db->TableNames(), TabelleMdb(file));
}

void TestJetDatabase::contenutoComeMdbExport_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("tabella");
    for (const QString& f : FileJet()) {
        const QString percorso = CartellaJet() + QLatin1Char('/') + f;
        for (const QString& t : TabelleMdb(percorso))
            QTest::newRow(qPrintable(f + QLatin1Char('/') + t)) << percorso << t;
    }
}

// Every value of every row, in stored order, through the cursor callers use.
void TestJetDatabase::contenutoComeMdbExport()
{
    QFETCH(QString, file);
    QFETCH(QString, tabella);
    const QVector<QStringList> atteso = EsportazioneMdb(file, tabella);
    QVERIFY(!atteso.isEmpty());
    const QStringList colonne = atteso.first();

    auto db = JetDatabase::Apri(file);
    const auto tipi = db->LeggiTabella(tabella);
    QCOMPARE(tipi->colonne.size(), colonne.size());
    for (int c = 0; c < colonne.size(); ++c)
        QCOMPARE(tipi->colonne[c].nome, colonne[c]);

    auto rs = db->OpenRecordset(tabella);
    QCOMPARE(rs->RecordCount(), atteso.size() - 1);
    int riga = 1;
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext(), ++riga) {
        QVERIFY(riga < atteso.size());
        QCOMPARE(atteso[riga].size(), colonne.size());
        for (int c = 0; c < colonne.size(); ++c) {
            const QString diverso = Differenza(tipi->colonne[c].tipo, rs->Field(colonne[c]), atteso[riga][c]);
            QVERIFY2(
                diverso.isEmpty(),
                qPrintable(QStringLiteral("riga %1, colonna %2: %3").arg(riga).arg(colonne[c], diverso)));
        }
    }
    QCOMPARE(riga, atteso.size());
    rs->Close();
    db->Close();
}

void TestJetDatabase::valoriNoti_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("tabella");
    QTest::addColumn<int>("riga");
    QTest::addColumn<QString>("colonna");
    QTest::addColumn<QVariant>("valore");
    const QString v97 = QStringLiteral("testV1997.mdb");
    const QString unicode = QStringLiteral("testUnicodeCompV2003.mdb");
    QTest::newRow("testo") << v97 << "Table1" << 1 << "A" << QVariant(QStringLiteral("abcdefg"));
    QTest::newRow("Double") << v97 << "Table1" << 1 << "F" << QVariant(444.555);
    QTest::newRow("Long") << v97 << "Table1" << 1 << "E" << QVariant(333333333.0);
    QTest::newRow("Currency") << v97 << "Table1" << 1 << "H" << QVariant(3.5);
    QTest::newRow("Boolean vero") << v97 << "Table1" << 1 << "I" << QVariant(1.0);
    QTest::newRow("Boolean falso") << v97 << "Table1" << 0 << "I" << QVariant(0.0);
    QTest::newRow("data") << v97 << "Table1" << 1 << "G" << QVariant(QStringLiteral("21/9/1974"));
    QTest::newRow("finlandese") << unicode << "Table" << 1 << "Unicode"
                                << QVariant(QStringLiteral("ääkkösiä"));
    QTest::newRow("cirillico") << unicode << "Table" << 2 << "Unicode" << QVariant(QStringLiteral("Мир"));
    QTest::newRow("colonna senza maiuscole")
        << unicode << "Table" << 2 << "unicode" << QVariant(QStringLiteral("Мир"));
}

void TestJetDatabase::valoriNoti()
{
    QFETCH(QString, file);
    QFETCH(QString, tabella);
    QFETCH(int, riga);
    QFETCH(QString, colonna);
    QFETCH(QVariant, valore);
    auto db = DBEngine::OpenDatabase(CartellaJet() + QLatin1Char('/') + file);
    auto rs = db->OpenRecordset(tabella);
    rs->MoveFirst();
    for (int i = 0; i < riga; ++i)
        rs->MoveNext();
    QCOMPARE(rs->Field(colonna), valore);
}

// The shared files have no "Nome" column: the first text column of a real table, put
// under that name, shows the seek finds each name's first row in stored order.
void TestJetDatabase::seekSulNome()
{
    auto db = JetDatabase::Apri(CartellaJet() + QStringLiteral("/test2V2000.mdb"));
    auto tabella = std::make_shared<TabellaJet>(*db->LeggiTabella(QStringLiteral("MSP_PROJECTS")));
    const int colonna = 1; // PROJ_NAME
    QCOMPARE(tabella->colonne[colonna].nome, QStringLiteral("PROJ_NAME"));
    tabella->colonne[colonna].nome = QStringLiteral("Nome");
    // A second row with the first row's name, stored last: the seek must still find the first.
    tabella->righe.push_back(tabella->righe.front());
    tabella->righe.back()[0] = QVariant(-1.0);
    JetRecordset rs(tabella, QStringLiteral("prova.mdb"));
    rs.SetIndex(QStringLiteral("Nome"));
    const QString nome = tabella->righe.front()[colonna].toString();
    rs.Seek(QStringLiteral("="), nome);
    QVERIFY(!rs.NoMatch());
    QCOMPARE(rs.Field(QStringLiteral("Nome")).toString(), nome);
    QCOMPARE(rs.Field(QStringLiteral("PROJ_ID")), tabella->righe.front()[0]);
    rs.Seek(QStringLiteral("="), QStringLiteral("nessun progetto ha questo nome"));
    QVERIFY(rs.NoMatch());
    QVERIFY(rs.Eof());
}

void TestJetDatabase::indiceNomeAssente()
{
    const QString file = CartellaJet() + QStringLiteral("/testV1997.mdb");
    auto db = DBEngine::OpenDatabase(file);
    auto rs = db->OpenRecordset(QStringLiteral("Table1"));
    const DbException e = Eccezione([&] { rs->SetIndex(QStringLiteral("Nome")); });
    QCOMPARE(e.Numero(), DbErrore::IndiceNonTrovato);
    QVERIFY(e.Descrizione().contains(file));
}

void TestJetDatabase::scrittureRifiutate_data()
{
    QTest::addColumn<QString>("operazione");
    for (const char* o : {"AddNew", "Edit", "SetField", "Update", "Delete"})
        QTest::newRow(o) << QString::fromLatin1(o);
}

// Every change is refused with a message naming the file and pointing to the import,
// and the file stays as it was.
void TestJetDatabase::scrittureRifiutate()
{
    QFETCH(QString, operazione);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("testV1997.mdb"));
    QVERIFY(QFile::copy(CartellaJet() + QStringLiteral("/testV1997.mdb"), file));
    const QByteArray prima = Impronta(file);
    auto db = DBEngine::OpenDatabase(file);
    auto rs = db->OpenRecordset(QStringLiteral("Table1"));
    rs->MoveFirst();
    const DbException e = Eccezione([&] {
        if (operazione == QLatin1String("AddNew"))
            rs->AddNew();
        else if (operazione == QLatin1String("Edit"))
            rs->Edit();
        else if (operazione == QLatin1String("SetField"))
            rs->SetField(QStringLiteral("A"), QStringLiteral("x"));
        else if (operazione == QLatin1String("Update"))
            rs->Update();
        else
            rs->Delete();
    });
    QCOMPARE(e.Numero(), DbErrore::SolaLettura);
    QVERIFY(e.Descrizione().contains(file));
    QVERIFY(e.Descrizione().contains(QStringLiteral("Importa database Jet")));
    rs->Close();
    db->Close();
    QCOMPARE(Impronta(file), prima);
}

void TestJetDatabase::cancellazioneRifiutata()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Database_teorico.mdb"));
    QVERIFY(QFile::copy(CartellaJet() + QStringLiteral("/testV1997.mdb"), file));
    const QByteArray prima = Impronta(file);
    const DbException e = Eccezione(
        [&] { CancellazioneMateriale::Cancella(file, QStringLiteral("Table1"), QStringLiteral("a")); });
    QCOMPARE(e.Numero(), DbErrore::SolaLettura);
    QVERIFY(e.Descrizione().contains(file));
    QVERIFY(e.Descrizione().contains(QStringLiteral("zelmar-importjet")));
    QCOMPARE(Impronta(file), prima);
}

void TestJetDatabase::salvataggioRifiutato_data()
{
    QTest::addColumn<bool>("modifica");
    QTest::newRow("nuovo") << false;
    QTest::newRow("modifica") << true;
}

// A save into a custom database that is a Jet file: refused before the name checks,
// so the user is told about the format, not about a duplicate name.
void TestJetDatabase::salvataggioRifiutato()
{
    QFETCH(bool, modifica);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Database_sperimentale.mdb"));
    QVERIFY(QFile::copy(CartellaJet() + QStringLiteral("/testV1997.mdb"), file));
    const QByteArray prima = Impronta(file);
    SalvataggioMateriale::Richiesta richiesta;
    richiesta.percorsoDatabase = file;
    richiesta.tabella = QStringLiteral("Table1");
    richiesta.modifica = modifica;
    richiesta.nome = QStringLiteral("a");
    richiesta.nomeSelezionato = QStringLiteral("a");
    richiesta.scritture = {{QStringLiteral("A"), QStringLiteral("a"), QStringLiteral("Nome"), QString()}};
    const auto esito = SalvataggioMateriale::Salva(richiesta);
    QCOMPARE(esito.tipo, SalvataggioMateriale::Esito::Errore);
    QCOMPARE(esito.numero, DbErrore::SolaLettura);
    QVERIFY(esito.descrizione.contains(file));
    QCOMPARE(Impronta(file), prima);
}

// The only Access file here with a "Nome" column: the seek the list and the detail
// display use finds its row.
void TestJetDatabase::seekSuUnFileConNome()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Prove.mdb"));
    QVERIFY(JetDiProva::CopiaConColonnaNome(file));
    auto db = DBEngine::OpenDatabase(file);
    auto rs = db->OpenRecordset(QStringLiteral("test"));
    rs->MoveFirst();
    rs->SetIndex(QStringLiteral("Nome"));
    rs->Seek(QStringLiteral("="), QStringLiteral("some data"));
    QVERIFY(!rs->NoMatch());
    QCOMPARE(rs->Field(QStringLiteral("Nome")), QVariant(QStringLiteral("some data")));
    QCOMPARE(rs->Field(QStringLiteral("col6")), QVariant(-1.0));
    rs->Seek(QStringLiteral("="), QStringLiteral("Some data"));
    QVERIFY(rs->NoMatch());
}

void TestJetDatabase::fileDanneggiati_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("danno");
    QTest::addColumn<qsizetype>("dove");
    QTest::addColumn<quint32>("seme");
    for (const QString& f : FileJet()) {
        const QByteArray contenuto = JetDiProva::Contenuto(JetDiProva::Percorso(f));
        const qsizetype pagina = contenuto[0x14] == '\0' ? 2048 : 4096;
        const qsizetype pagine = contenuto.size() / pagina;
        // Every page boundary, and points inside the first pages and the last.
        QList<qsizetype> tagli;
        for (qsizetype p = 0; p < pagine; ++p)
            tagli << p * pagina;
        for (qsizetype dentro :
             {qsizetype(1), qsizetype(4), qsizetype(21), qsizetype(100), pagina / 2, pagina - 1})
            tagli << dentro << pagina + dentro << 2 * pagina + dentro << contenuto.size() - pagina + dentro;
        for (qsizetype t : tagli)
            QTest::addRow("%s troncato a %lld", qPrintable(f), static_cast<long long>(t))
                << f << int(Danno::Troncato) << t << 0u;
        for (qsizetype p = 1; p < pagine; ++p)
            QTest::addRow("%s senza la pagina %lld", qPrintable(f), static_cast<long long>(p))
                << f << int(Danno::PaginaMancante) << p << 0u;
        for (quint32 seme = 1; seme <= 8; ++seme) {
            QTest::addRow("%s casuale dopo l'intestazione %u", qPrintable(f), seme)
                << f << int(Danno::ByteCasuali) << qsizetype(0x80) << seme;
            QTest::addRow("%s casuale dopo la prima pagina %u", qPrintable(f), seme)
                << f << int(Danno::ByteCasuali) << pagina << seme;
            QTest::addRow("%s casuale dopo tre pagine %u", qPrintable(f), seme)
                << f << int(Danno::ByteCasuali) << 3 * pagina << seme;
        }
    }
}

// A damaged file is either read (a lost page may belong to nothing the tables use) or
// refused with a message naming it; never a crash or a hang.
void TestJetDatabase::fileDanneggiati()
{
    QFETCH(QString, nome);
    QFETCH(int, danno);
    QFETCH(qsizetype, dove);
    QFETCH(quint32, seme);
    QTemporaryDir dir;
    const QString file = dir.filePath(nome);
    const QByteArray contenuto = JetDiProva::Contenuto(JetDiProva::Percorso(nome));
    QVERIFY(JetDiProva::Scrivi(file, Danneggia(contenuto, static_cast<Danno>(danno), dove, seme)));
    const QString errore = Sfoglia(file);
    if (!errore.isEmpty())
        QVERIFY2(errore.contains(file), qPrintable(errore));
}

QTEST_GUILESS_MAIN(TestJetDatabase)
#include "TestJetDatabase.moc"
