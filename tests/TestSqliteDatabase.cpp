// The program's own storage engine on real files: number conversion with the user's
// decimal separator, cursors in stored order, the seek by name, shared and exclusive use,
// odd table names, and damaged, foreign, missing and read-only files.
#include "TestSupport.h"

#include "model/Categorie.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"
#include "model/RecordSchema.h"
#include "storage/SqliteDatabase.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <sqlite3.h>
#include <unistd.h>

namespace {

const QString kTabella = QStringLiteral("Rw_laboratorio");
const QString kMassa = QStringLiteral("m' (kg/m²)");
const QString kNome = QStringLiteral("Nome");
const QString kDescrizione = QStringLiteral("Descrizione");

struct Esito
{
    int numero = 0;
    QString descrizione;
};

Esito Prova(const std::function<void()>& operazione)
{
    try {
        operazione();
    } catch (const DbException& e) {
        return {e.Numero(), e.Descrizione()};
    }
    return {};
}

// Another program holding the same file, through the engine's plain interface.
class AltraConnessione
{
public:
    explicit AltraConnessione(const QString& percorso)
    {
        sqlite3_open_v2(QFile::encodeName(percorso).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~AltraConnessione() { sqlite3_close_v2(db_); }
    int Esegui(const char* sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr); }

private:
    sqlite3* db_ = nullptr;
};

QByteArray Contenuto(const QString& percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ScriviFile(const QString& percorso, const QByteArray& dati)
{
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(dati), dati.size());
}

} // namespace

class TestSqliteDatabase : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir cartella_;
    int contatore_ = 0;

    QString NuovoPercorso() { return cartella_.filePath(QStringLiteral("prova%1.mdb").arg(++contatore_)); }

    // A new file with the laboratory partition table and the given names in this order.
    QString CreaConNomi(const QStringList& nomi, const QString& descrizione = QString())
    {
        const QString percorso = NuovoPercorso();
        auto db = SqliteDatabase::Crea(percorso);
        db->CreaTabellaMateriale(kTabella, RecordSchema::ColonneTabella(catRwLaboratorio));
        auto rs = db->OpenRecordset(kTabella);
        for (const QString& nome : nomi) {
            rs->AddNew();
            rs->SetField(kNome, nome);
            rs->SetField(kDescrizione, descrizione.isNull() ? nome : descrizione);
            rs->Update();
        }
        return percorso;
    }

    static QStringList Colonna(Recordset& rs, const QString& colonna)
    {
        QStringList valori;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            valori << rs.Field(colonna).toString();
        return valori;
    }

    static QStringList Nomi(const QString& percorso, const QString& tabella = kTabella)
    {
        auto db = DBEngine::OpenDatabase(percorso);
        auto rs = db->OpenRecordset(tabella);
        return Colonna(*rs, kNome);
    }

    static void Cerca(Recordset& rs, const QString& nome)
    {
        rs.SetIndex(kNome);
        rs.Seek(QStringLiteral("="), nome);
    }

private slots:
    void initTestCase()
    {
        TestSupport::PreparaAmbiente();
        QVERIFY(cartella_.isValid());
    }

    void conversioni_data()
    {
        QTest::addColumn<QString>("colonna");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QVariant>("atteso"); // invalid: the write is refused

        QTest::newRow("virgola decimale") << kMassa << "52,5" << QVariant(52.5);
        QTest::newRow("intero") << kMassa << "40" << QVariant(40.0);
        QTest::newRow("negativo") << QStringLiteral("C (dB)") << "-2" << QVariant(-2.0);
        QTest::newRow("esponente") << kMassa << "2E-3" << QVariant(0.002);
        QTest::newRow("punto decimale") << kMassa << "52.5" << QVariant();
        QTest::newRow("separatore delle migliaia") << kMassa << "1.000" << QVariant();
        QTest::newRow("vuoto") << kMassa << "" << QVariant();
        QTest::newRow("lettere") << kMassa << "abc" << QVariant();
        QTest::newRow("due virgole") << kMassa << "1,2,3" << QVariant();
        QTest::newRow("infinito") << kMassa << "inf" << QVariant();
        QTest::newRow("banda") << RecordSchema::NomeColonnaBanda(QStringLiteral("R"), 13) << "33,1"
                               << QVariant(33.1);
        QTest::newRow("testo invariato")
            << kDescrizione << " 52.5 l'\"a\"; -- " << QVariant(" 52.5 l'\"a\"; -- ");
        QTest::newRow("testo vuoto") << kDescrizione << "" << QVariant(QStringLiteral(""));
        QTest::newRow("testo numerico") << QStringLiteral("Certificato") << "0012" << QVariant("0012");
    }

    void conversioni()
    {
        QFETCH(QString, colonna);
        QFETCH(QString, testo);
        QFETCH(QVariant, atteso);
        const QString percorso = CreaConNomi({});
        {
            auto db = DBEngine::OpenDatabase(percorso);
            auto rs = db->OpenRecordset(kTabella);
            rs->AddNew();
            rs->SetField(kNome, QStringLiteral("Muro"));
            const Esito esito = Prova([&] { rs->SetField(colonna, testo); });
            if (!atteso.isValid()) {
                QCOMPARE(esito.numero, DbErrore::ConversioneTipo);
                QVERIFY2(esito.descrizione.contains(colonna), qPrintable(esito.descrizione));
                QVERIFY2(esito.descrizione.contains(QStringLiteral("«%1»").arg(testo)),
                         qPrintable(esito.descrizione));
            } else {
                QCOMPARE(esito.numero, 0);
            }
            rs->Update();
        }
        auto db = DBEngine::OpenDatabase(percorso);
        auto rs = db->OpenRecordset(kTabella);
        QCOMPARE(rs->RecordCount(), 1);
        const QVariant letto = rs->Field(colonna);
        if (!atteso.isValid()) {
            QVERIFY(letto.isNull()); // the refused value was never stored
        } else {
            QCOMPARE(letto.typeId(), atteso.typeId());
            QCOMPARE(letto, atteso);
        }
    }

    void tipiLetti()
    {
        const QString percorso = NuovoPercorso();
        auto db = SqliteDatabase::Crea(percorso);
        db->Execute(
            QStringLiteral("CREATE TABLE t (Nome TEXT, reale REAL, intero INTEGER, libero, numerico NUMERIC);"
                           "INSERT INTO t VALUES ('a', 45, 7, 3, NULL)"));
        auto rs = db->OpenRecordset(QStringLiteral("t"));
        QCOMPARE(rs->Field(kNome), QVariant(QStringLiteral("a")));
        for (const char* colonna : {"reale", "intero", "libero"})
            QCOMPARE(rs->Field(QString::fromLatin1(colonna)).typeId(), int(QMetaType::Double));
        QCOMPARE(rs->Field(QStringLiteral("reale")), QVariant(45.0));
        QVERIFY(rs->Field(QStringLiteral("numerico")).isNull());
        QCOMPARE(rs->Field(QStringLiteral("REALE")), QVariant(45.0)); // column names ignore case

        // Columns typed INTEGER or NUMERIC take numbers in the user's form too; a column
        // without a type takes text as it is.
        rs->AddNew();
        rs->SetField(QStringLiteral("intero"), QStringLiteral("52,5"));
        rs->SetField(QStringLiteral("numerico"), QStringLiteral("3"));
        rs->SetField(QStringLiteral("libero"), QStringLiteral("52,5"));
        QCOMPARE(Prova([&] { rs->SetField(QStringLiteral("numerico"), QStringLiteral("3.5")); }).numero,
                 DbErrore::ConversioneTipo);
        rs->Update();
        rs->MoveFirst();
        rs->MoveNext();
        QCOMPARE(rs->Field(QStringLiteral("intero")), QVariant(52.5));
        QCOMPARE(rs->Field(QStringLiteral("numerico")), QVariant(3.0));
        QCOMPARE(rs->Field(QStringLiteral("libero")), QVariant(QStringLiteral("52,5")));
    }

    void rigaCompleta()
    {
        // Every column of a table, written with its own value and read back one by one in an
        // order unlike the table's, after a seek and while walking on.
        const QStringList colonne = RecordSchema::ColonneTabella(catRwInOpera);
        const QString percorso = NuovoPercorso();
        auto valore = [](int i, int riga) { return QStringLiteral("%1,%2").arg(i).arg(riga); };
        {
            auto db = SqliteDatabase::Crea(percorso);
            db->CreaTabellaMateriale(kTabella, colonne);
            auto rs = db->OpenRecordset(kTabella);
            for (int riga = 1; riga <= 3; ++riga) {
                rs->AddNew();
                for (int i = colonne.size() - 1; i >= 0; --i)
                    rs->SetField(colonne[i], i == 0 ? QStringLiteral("M%1").arg(riga) : valore(i, riga));
                rs->Update();
            }
        }
        auto db = DBEngine::OpenDatabase(percorso);
        auto rs = db->OpenRecordset(kTabella);
        Cerca(*rs, QStringLiteral("M2"));
        for (int riga = 2; riga <= 3; ++riga, rs->MoveNext()) {
            for (int i = colonne.size() - 1; i > 0; --i) {
                const QVariant letto = rs->Field(colonne[i]);
                if (RecordSchema::IsNumerica(colonne[i]))
                    QCOMPARE(letto, QVariant(QLocale().toDouble(valore(i, riga))));
                else
                    QCOMPARE(letto, QVariant(valore(i, riga)));
            }
            QCOMPARE(rs->Field(kNome).toString(), QStringLiteral("M%1").arg(riga));
        }
        QVERIFY(rs->Eof());
    }

    void colonnaSconosciuta()
    {
        auto db = DBEngine::OpenDatabase(CreaConNomi({QStringLiteral("Muro")}));
        auto rs = db->OpenRecordset(kTabella);
        const QString colonna = QStringLiteral("fc (Hz) sbagliata");
        QVERIFY(!rs->HasField(colonna));
        const Esito lettura = Prova([&] { rs->Field(colonna); });
        QCOMPARE(lettura.numero, DbErrore::ElementoNonTrovato);
        QVERIFY(lettura.descrizione.contains(colonna));
        rs->AddNew();
        const Esito scrittura = Prova([&] { rs->SetField(colonna, QStringLiteral("1")); });
        QCOMPARE(scrittura.numero, DbErrore::ElementoNonTrovato);
        QVERIFY(scrittura.descrizione.contains(colonna));
    }

    void operazioniFuoriPosto()
    {
        auto db = DBEngine::OpenDatabase(CreaConNomi({}));
        auto rs = db->OpenRecordset(kTabella);
        QVERIFY(rs->Eof());
        QCOMPARE(rs->RecordCount(), 0);
        QCOMPARE(Prova([&] { rs->Field(kNome); }).numero, DbErrore::NessunRecordCorrente);
        QCOMPARE(Prova([&] { rs->Edit(); }).numero, DbErrore::NessunRecordCorrente);
        QCOMPARE(Prova([&] { rs->Delete(); }).numero, DbErrore::NessunRecordCorrente);
        QCOMPARE(Prova([&] { rs->MoveNext(); }).numero, DbErrore::NessunRecordCorrente);
        QCOMPARE(Prova([&] { rs->SetField(kNome, QStringLiteral("x")); }).numero,
                 DbErrore::AggiornamentoSenzaModifica);
        QCOMPARE(Prova([&] { rs->Update(); }).numero, DbErrore::AggiornamentoSenzaModifica);
        QCOMPARE(Prova([&] { rs->Seek(QStringLiteral("="), QStringLiteral("x")); }).numero,
                 DbErrore::IndiceNonTrovato);
        rs->Close();
        rs->Close();
        QVERIFY(rs->Eof());
        QCOMPARE(Prova([&] { rs->MoveFirst(); }).numero, DbErrore::Generico);
        db->Close();
        QCOMPARE(Prova([&] { db->OpenRecordset(kTabella); }).numero, DbErrore::Generico);
    }

    void seekPrimoDiNomiUguali()
    {
        const QString percorso = NuovoPercorso();
        {
            auto db = SqliteDatabase::Crea(percorso);
            db->CreaTabellaMateriale(kTabella, RecordSchema::ColonneTabella(catRwLaboratorio));
            auto rs = db->OpenRecordset(kTabella);
            for (const auto& [nome, descrizione] : {std::pair{"Muro B", "prima"},
                                                    {"Muro A", "a"},
                                                    {"Muro B", "seconda"},
                                                    {"muro b", "minuscolo"}}) {
                rs->AddNew();
                rs->SetField(kNome, QString::fromUtf8(nome));
                rs->SetField(kDescrizione, QString::fromUtf8(descrizione));
                rs->Update();
            }
        }
        auto db = DBEngine::OpenDatabase(percorso);
        auto rs = db->OpenRecordset(kTabella);
        Cerca(*rs, QStringLiteral("Muro B"));
        QVERIFY(!rs->NoMatch());
        QCOMPARE(rs->Field(kDescrizione).toString(), QStringLiteral("prima"));
        rs->Seek(QStringLiteral("="), QStringLiteral("muro b"));
        QCOMPARE(rs->Field(kDescrizione).toString(), QStringLiteral("minuscolo"));
        // After a seek the cursor goes on in stored order.
        rs->Seek(QStringLiteral("="), QStringLiteral("Muro A"));
        rs->MoveNext();
        QCOMPARE(rs->Field(kDescrizione).toString(), QStringLiteral("seconda"));
    }

    void seekSenzaCorrispondenza()
    {
        auto db = DBEngine::OpenDatabase(CreaConNomi({QStringLiteral("Muro A"), QStringLiteral("Muro B")}));
        auto rs = db->OpenRecordset(kTabella);
        Cerca(*rs, QStringLiteral("Muro"));
        QVERIFY(rs->NoMatch());
        QCOMPARE(Prova([&] { rs->Field(kNome); }).numero, DbErrore::NessunRecordCorrente);
        rs->Seek(QStringLiteral("="), QStringLiteral("Muro B "));
        QVERIFY(rs->NoMatch());
        rs->Seek(QStringLiteral("="), QStringLiteral("Muro B"));
        QVERIFY(!rs->NoMatch());
        QCOMPARE(rs->Field(kNome).toString(), QStringLiteral("Muro B"));
        QCOMPARE(Prova([&] { rs->Seek(QStringLiteral(">="), QStringLiteral("Muro")); }).numero,
                 DbErrore::Generico);
    }

    void indiceNome_data()
    {
        QTest::addColumn<QString>("indice");
        QTest::addColumn<bool>("accettato");
        QTest::newRow("altro nome") << "CREATE INDEX IdxQualsiasi ON t (Nome)" << true;
        QTest::newRow("unico") << "CREATE UNIQUE INDEX u ON t (Nome)" << true;
        QTest::newRow("nessun indice") << "" << false;
        QTest::newRow("due colonne") << "CREATE INDEX d ON t (Nome, Descrizione)" << false;
        QTest::newRow("altra colonna") << "CREATE INDEX Nome ON t (Descrizione)" << false;
        QTest::newRow("parziale") << "CREATE INDEX p ON t (Nome) WHERE Descrizione IS NOT NULL" << false;
        QTest::newRow("senza maiuscole") << "CREATE INDEX n ON t (Nome COLLATE NOCASE)" << false;
    }

    void indiceNome()
    {
        QFETCH(QString, indice);
        QFETCH(bool, accettato);
        auto db = SqliteDatabase::Crea(NuovoPercorso());
        db->Execute(QStringLiteral("CREATE TABLE t (Nome TEXT, Descrizione TEXT);"
                                   "INSERT INTO t VALUES ('A', 'uno'), ('B', 'due');") +
                    indice);
        auto rs = db->OpenRecordset(QStringLiteral("t"));
        const Esito esito = Prova([&] { rs->SetIndex(kNome); });
        if (!accettato) {
            QCOMPARE(esito.numero, DbErrore::IndiceNonTrovato);
            QVERIFY(esito.descrizione.contains(QStringLiteral("«t»")));
            return;
        }
        QCOMPARE(esito.numero, 0);
        rs->Seek(QStringLiteral("="), QStringLiteral("B"));
        QCOMPARE(rs->Field(kDescrizione).toString(), QStringLiteral("due"));
    }

    void ordineDiMemorizzazione()
    {
        const QString percorso =
            CreaConNomi({QStringLiteral("D"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("A")});
        auto db = DBEngine::OpenDatabase(percorso);
        auto rs = db->OpenRecordset(kTabella);
        Cerca(*rs, QStringLiteral("B"));
        rs->Delete();
        QCOMPARE(Prova([&] { rs->Field(kNome); }).numero, DbErrore::NessunRecordCorrente);
        QVERIFY(!rs->Eof());
        rs->MoveNext();
        QCOMPARE(rs->Field(kNome).toString(), QStringLiteral("C"));
        QCOMPARE(rs->RecordCount(), 3);
        QCOMPARE(Colonna(*rs, kNome), QStringList({"D", "C", "A"}));

        // Rows added later come last, also when the last row was deleted before.
        Cerca(*rs, QStringLiteral("A"));
        rs->Delete();
        rs->MoveNext();
        QVERIFY(rs->Eof());
        for (const char* nome : {"E", "0"}) {
            rs->AddNew();
            rs->SetField(kNome, QString::fromLatin1(nome));
            rs->Update();
        }
        QCOMPARE(rs->RecordCount(), 4);
        QCOMPARE(Colonna(*rs, kNome), QStringList({"D", "C", "E", "0"}));

        // Deleting while walking the table reaches every other row once.
        rs->MoveFirst();
        while (!rs->Eof()) {
            if (rs->Field(kNome).toString() != QLatin1String("E"))
                rs->Delete();
            rs->MoveNext();
        }
        rs->Close();
        db->Close();
        QCOMPARE(Nomi(percorso), QStringList({"E"}));
    }

    // The whole-table reads answer exactly what walking the cursor answers.
    void letturaInteraComeIlCursore_data()
    {
        QTest::addColumn<int>("righe");
        QTest::addColumn<int>("paroleDiverse"); // descriptions repeat with this period
        QTest::newRow("empty") << 0 << 1;
        QTest::newRow("few rows") << 5 << 2;
        QTest::newRow("repeated texts") << 1500 << 7;
        QTest::newRow("texts that stop repeating") << 1500 << 1500;
    }
    void letturaInteraComeIlCursore()
    {
        QFETCH(int, righe);
        QFETCH(int, paroleDiverse);
        const QString percorso = NuovoPercorso();
        {
            auto db = SqliteDatabase::Crea(percorso);
            db->CreaTabellaMateriale(kTabella, RecordSchema::ColonneTabella(catRwLaboratorio));
            auto rs = db->OpenRecordset(kTabella);
            for (int i = 0; i < righe; ++i) {
                rs->AddNew();
                if (i % 97 != 3) // some rows without a name
                    rs->SetField(kNome, QStringLiteral("Voce %1 è").arg(i));
                rs->SetField(kDescrizione, QStringLiteral("Città %1").arg(i % paroleDiverse));
                rs->SetField(QStringLiteral("Rw (dB)"), QLocale().toString(i * 0.5));
                rs->Update();
            }
        }
        auto db = DBEngine::OpenDatabase(percorso);
        auto rs = db->OpenRecordset(kTabella);
        const QStringList colonne{kDescrizione, QStringLiteral("Rw (dB)"), kNome};
        bool finoInFondo = true;
        auto leggi = [&](bool conCursore) {
            QList<QStringList> letto;
            auto riga = [&](const Recordset::TestoLetto* valori) {
                QStringList testi;
                for (int i = 0; i < 3; ++i)
                    testi << (valori[i].nullo ? QString() : valori[i].Testo());
                letto << testi;
            };
            if (conCursore)
                rs->Recordset::LeggiTesti(colonne, riga);
            else
                rs->LeggiTesti(colonne, riga);
            finoInFondo = finoInFondo && rs->Eof();
            return letto;
        };
        const QList<QStringList> veloce = leggi(false);
        QCOMPARE(veloce.size(), righe);
        QCOMPARE(veloce, leggi(true));
        QVERIFY(finoInFondo);
        if (righe > 3)
            QVERIFY(veloce.at(3).at(2).isNull());
        if (righe > 1)
            QCOMPARE(veloce.at(1).at(1), QStringLiteral("0.5"));
    }

    void nomeGiaPresente_data()
    {
        QTest::addColumn<QString>("maiuscolo");
        QTest::addColumn<bool>("presente");
        QTest::newRow("same letters") << QStringLiteral("MURO A") << true;
        QTest::newRow("prefix only") << QStringLiteral("MURO") << false;
        QTest::newRow("longer") << QStringLiteral("MURO AB") << false;
        QTest::newRow("accented") << QStringLiteral("CITTÀ") << true;
        QTest::newRow("sharp s becomes SS") << QStringLiteral("STRASSE") << true;
        QTest::newRow("dotless i upper-cases to I") << QStringLiteral("PIANO") << true;
        QTest::newRow("last row") << QStringLiteral("ULTIMO") << true;
        QTest::newRow("ASCII start, accent later") << QStringLiteral("DENSITÀ ALTA") << true;
        QTest::newRow("same start, no accent") << QStringLiteral("DENSITA ALTA") << false;
        QTest::newRow("shorter than the accented name") << QStringLiteral("DENSIT") << false;
        QTest::newRow("empty text") << QString() << false;
    }
    void nomeGiaPresente()
    {
        QFETCH(QString, maiuscolo);
        QFETCH(bool, presente);
        // "pıano" holds a dotless i: not ASCII, yet its upper case is the ASCII "PIANO".
        const QString percorso =
            CreaConNomi({QStringLiteral("Muro a"), QStringLiteral("città"), QStringLiteral("Straße"),
                         QStringLiteral("p\u0131ano"), QStringLiteral("Muro B"),
                         QStringLiteral("densità alta"), QStringLiteral("ultimo")});
        auto db = DBEngine::OpenDatabase(percorso);
        auto rs = db->OpenRecordset(kTabella);
        rs->AddNew();
        rs->SetField(kDescrizione, QStringLiteral("without a name"));
        rs->Update();
        QCOMPARE(rs->ContieneMaiuscolo(kNome, maiuscolo), presente);
        QCOMPARE(rs->Recordset::ContieneMaiuscolo(kNome, maiuscolo), presente);
        QCOMPARE(Prova([&] { rs->ContieneMaiuscolo(QStringLiteral("Manca"), maiuscolo); }).numero,
                 DbErrore::ElementoNonTrovato);
    }

    void rigaInSospesoScartata()
    {
        const QString percorso = CreaConNomi({QStringLiteral("A")});
        {
            auto db = DBEngine::OpenDatabase(percorso);
            auto rs = db->OpenRecordset(kTabella);
            rs->AddNew();
            rs->SetField(kNome, QStringLiteral("Mai salvato"));
            rs->Close();
            auto altro = db->OpenRecordset(kTabella);
            altro->Edit();
            altro->SetField(kNome, QStringLiteral("Mai modificato"));
            // dropped without Close
        }
        QCOMPARE(Nomi(percorso), QStringList({"A"}));
    }

    void editCambiaSoloLaRigaCorrente()
    {
        const QString percorso = CreaConNomi({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        {
            auto db = DBEngine::OpenDatabase(percorso, true);
            auto rs = db->OpenRecordset(kTabella);
            Cerca(*rs, QStringLiteral("B"));
            rs->Edit();
            rs->SetField(kDescrizione, QStringLiteral("nuova"));
            rs->SetField(kMassa, QStringLiteral("120,5"));
            rs->Update();
            QCOMPARE(rs->Field(kNome).toString(), QStringLiteral("B"));
            QCOMPARE(rs->Field(kDescrizione).toString(), QStringLiteral("nuova"));
        }
        auto db = DBEngine::OpenDatabase(percorso);
        auto rs = db->OpenRecordset(kTabella);
        QCOMPARE(Colonna(*rs, kDescrizione), QStringList({"A", "nuova", "C"}));
        QCOMPARE(Colonna(*rs, kMassa), QStringList({"", "120.5", ""}));
        QCOMPARE(Colonna(*rs, kNome), QStringList({"A", "B", "C"}));
    }

    void addNewLasciaLaRigaCorrente()
    {
        auto db = DBEngine::OpenDatabase(
            CreaConNomi({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
        auto rs = db->OpenRecordset(kTabella);
        rs->MoveNext();
        rs->AddNew();
        rs->SetField(kNome, QStringLiteral("D"));
        rs->Update();
        QCOMPARE(rs->Field(kNome).toString(), QStringLiteral("B"));
        rs->MoveNext();
        QCOMPARE(rs->Field(kNome).toString(), QStringLiteral("C"));
        rs->MoveNext();
        QCOMPARE(rs->Field(kNome).toString(), QStringLiteral("D"));
        rs->MoveNext();
        QVERIFY(rs->Eof());
    }

    void esclusivoRifiutatoMentreAltriScrivono()
    {
        const QString percorso = CreaConNomi({QStringLiteral("A")});
        AltraConnessione altra(percorso);
        QCOMPARE(altra.Esegui("BEGIN IMMEDIATE; INSERT INTO Rw_laboratorio (Nome) VALUES ('in corso')"),
                 SQLITE_OK);
        const Esito esito = Prova([&] { DBEngine::OpenDatabase(percorso, true); });
        QCOMPARE(esito.numero, DbErrore::FileInUso);
        QVERIFY2(esito.descrizione.contains(percorso), qPrintable(esito.descrizione));
        // Reading is still possible while the other program writes; its row is not seen yet.
        QCOMPARE(Nomi(percorso), QStringList({"A"}));
        QCOMPARE(altra.Esegui("COMMIT"), SQLITE_OK);
        auto db = DBEngine::OpenDatabase(percorso, true);
        QCOMPARE(db->OpenRecordset(kTabella)->RecordCount(), 2);
    }

    void condivisoRifiutatoMentreEsclusivo()
    {
        const QString percorso = CreaConNomi({QStringLiteral("A")});
        auto esclusivo = DBEngine::OpenDatabase(percorso, true);
        for (bool modo : {false, true}) {
            const Esito esito = Prova([&] { DBEngine::OpenDatabase(percorso, modo); });
            QCOMPARE(esito.numero, DbErrore::FileInUso);
            QVERIFY(esito.descrizione.contains(percorso));
        }
        AltraConnessione altra(percorso);
        QCOMPARE(altra.Esegui("SELECT count(*) FROM Rw_laboratorio"), SQLITE_BUSY);
        {
            auto rs = esclusivo->OpenRecordset(kTabella);
            rs->AddNew();
            rs->SetField(kNome, QStringLiteral("B"));
            rs->Update();
        }
        QCOMPARE(altra.Esegui("SELECT count(*) FROM Rw_laboratorio"), SQLITE_BUSY);
        esclusivo->Close();
        QCOMPARE(altra.Esegui("SELECT count(*) FROM Rw_laboratorio"), SQLITE_OK);
        QCOMPARE(Nomi(percorso), QStringList({"A", "B"}));
    }

    void cursoreTieneIlFileDopoLaChiusuraDelDatabase()
    {
        const QString percorso = CreaConNomi({QStringLiteral("A"), QStringLiteral("B")});
        auto db = DBEngine::OpenDatabase(percorso, true);
        auto rs = db->OpenRecordset(kTabella);
        db->Close();
        QCOMPARE(Colonna(*rs, kNome), QStringList({"A", "B"}));
        QCOMPARE(Prova([&] { DBEngine::OpenDatabase(percorso); }).numero, DbErrore::FileInUso);
        rs->Close();
        QCOMPARE(Nomi(percorso), QStringList({"A", "B"}));
    }

    void nomiDiTabellaInsoliti_data()
    {
        QTest::addColumn<QString>("tabella");
        QTest::newRow("virgolette") << "a\"b";
        QTest::newRow("parentesi quadre") << "[x]";
        QTest::newRow("con spazio") << "my table";
        QTest::newRow("tra virgolette") << "\"my table\"";
        QTest::newRow("apici e comandi") << "'; DROP TABLE x; --";
        QTest::newRow("chiusura virgolette") << "x\"; DROP TABLE \"x";
        QTest::newRow("punto") << "main.x";
        QTest::newRow("accenti") << "Società (m²)";
        QTest::newRow("come rowid") << "rowid";
    }

    void nomiDiTabellaInsoliti()
    {
        QFETCH(QString, tabella);
        const QString percorso = NuovoPercorso();
        {
            auto db = SqliteDatabase::Crea(percorso);
            db->CreaTabellaMateriale(QStringLiteral("x"), {kNome});
            db->CreaTabellaMateriale(tabella, RecordSchema::ColonneTabella(catInfissi));
            QCOMPARE(db->TableNames(), QStringList({QStringLiteral("x"), tabella}));
            auto rs = db->OpenRecordset(tabella);
            for (const char* nome : {"Finestra", "Porta"}) {
                rs->AddNew();
                rs->SetField(kNome, QString::fromLatin1(nome));
                rs->SetField(kMassa, QStringLiteral("25,5"));
                rs->Update();
            }
            Cerca(*rs, QStringLiteral("Porta"));
            QVERIFY(!rs->NoMatch());
            rs->Edit();
            rs->SetField(kDescrizione, tabella);
            rs->Update();
            QCOMPARE(rs->RecordCount(), 2);
            const Esito mancante = Prova([&] { db->OpenRecordset(tabella + QStringLiteral("2")); });
            QCOMPARE(mancante.numero, DbErrore::TabellaNonTrovata);
        }
        QCOMPARE(Nomi(percorso, tabella), QStringList({"Finestra", "Porta"}));
        auto db = DBEngine::OpenDatabase(percorso);
        QCOMPARE(db->TableNames(), QStringList({QStringLiteral("x"), tabella}));
        auto rs = db->OpenRecordset(tabella);
        QCOMPARE(Colonna(*rs, kDescrizione), QStringList({"", tabella}));
        QCOMPARE(Colonna(*rs, kMassa), QStringList({"25.5", "25.5"}));
    }

    void nomeDiTabellaRiservato()
    {
        auto db = SqliteDatabase::Crea(NuovoPercorso());
        const Esito esito = Prova([&] { db->CreaTabellaMateriale(QStringLiteral("sqlite_prova"), {kNome}); });
        QCOMPARE(esito.numero, DbErrore::Generico);
        QVERIFY(db->TableNames().isEmpty());
    }

    void colonnaChiamataRowid()
    {
        auto db = SqliteDatabase::Crea(NuovoPercorso());
        db->Execute(QStringLiteral("CREATE TABLE t (rowid TEXT, Nome TEXT);"
                                   "INSERT INTO t VALUES ('z', 'primo'), ('a', 'secondo')"));
        auto rs = db->OpenRecordset(QStringLiteral("t"));
        QCOMPARE(Colonna(*rs, QStringLiteral("rowid")), QStringList({"z", "a"}));
        rs->MoveFirst();
        rs->Delete();
        rs->MoveNext();
        QCOMPARE(rs->Field(kNome).toString(), QStringLiteral("secondo"));
        QCOMPARE(rs->RecordCount(), 1);
    }

    void tableNamesSoloTabelleUtente()
    {
        auto db = SqliteDatabase::Crea(NuovoPercorso());
        db->Execute(QStringLiteral("CREATE TABLE b (id INTEGER PRIMARY KEY AUTOINCREMENT, Nome TEXT);"
                                   "CREATE TABLE a (Nome TEXT); CREATE VIEW v AS SELECT * FROM a;"
                                   "INSERT INTO b (Nome) VALUES ('x'); CREATE INDEX i ON a (Nome); ANALYZE"));
        QCOMPARE(db->TableNames(), QStringList({"b", "a"}));
        QCOMPARE(Prova([&] { db->OpenRecordset(QStringLiteral("v")); }).numero, DbErrore::TabellaNonTrovata);
        // Table names ignore letter case, as the engine does.
        QCOMPARE(db->OpenRecordset(QStringLiteral("B"))->RecordCount(), 1);
    }

    void tabellaMancante()
    {
        const QString percorso = CreaConNomi({});
        auto db = DBEngine::OpenDatabase(percorso);
        const Esito esito = Prova([&] { db->OpenRecordset(QStringLiteral("Infissi")); });
        QCOMPARE(esito.numero, DbErrore::TabellaNonTrovata);
        QVERIFY(esito.descrizione.contains(QStringLiteral("«Infissi»")));
        QVERIFY(esito.descrizione.contains(percorso));
    }

    void fileDanneggiato_data()
    {
        QTest::addColumn<QString>("danno");
        QTest::newRow("pagine centrali sovrascritte") << "centro";
        QTest::newRow("prima pagina sovrascritta") << "prima";
        QTest::newRow("troncato a metà") << "metà";
        QTest::newRow("troncato dopo la firma") << "firma";
    }

    void fileDanneggiato()
    {
        QFETCH(QString, danno);
        QStringList nomi;
        for (int i = 0; i < 2000; ++i)
            nomi << QStringLiteral("Materiale %1").arg(i);
        const QString percorso = CreaConNomi(nomi, QString(200, QLatin1Char('d')));
        QByteArray dati = Contenuto(percorso);
        QVERIFY(dati.size() > 100 * 4096);
        if (danno == QLatin1String("centro"))
            dati.replace(dati.size() * 2 / 5, dati.size() / 5, QByteArray(dati.size() / 5, char(0xA5)));
        else if (danno == QLatin1String("prima"))
            dati.replace(100, 3900, QByteArray(3900, char(0x5A)));
        else if (danno == QLatin1String("metà"))
            dati.truncate(dati.size() / 2);
        else
            dati.truncate(50);
        ScriviFile(percorso, dati);

        // Refused at opening or while reading, with a clear number; never a crash.
        const Esito esito = Prova([&] {
            auto db = DBEngine::OpenDatabase(percorso);
            auto rs = db->OpenRecordset(kTabella);
            for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
                rs->Field(kDescrizione);
            Cerca(*rs, QStringLiteral("Materiale 1999"));
        });
        QCOMPARE(esito.numero, DbErrore::FormatoNonRiconosciuto);
        QVERIFY2(esito.descrizione.contains(percorso), qPrintable(esito.descrizione));
    }

    void fileEstraneo_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::newRow("vuoto") << QByteArray();
        QTest::newRow("testo") << QByteArray("Nome;Descrizione\nMuro;laterizio\n");
        QTest::newRow("zeri") << QByteArray(8192, '\0');
        QByteArray casuali;
        for (int i = 0; i < 5000; ++i)
            casuali.append(char((i * 7919 + 13) % 251));
        QTest::newRow("byte casuali") << casuali;
        QTest::newRow("solo la firma") << QByteArray("SQLite format 3\0", 16) + QByteArray(4000, char(0x11));
        QTest::newRow("firma senza terminatore") << QByteArray("SQLite format 3 and more text");
    }

    void fileEstraneo()
    {
        QFETCH(QByteArray, contenuto);
        const QString percorso = NuovoPercorso();
        ScriviFile(percorso, contenuto);
        const Esito esito = Prova([&] { DBEngine::OpenDatabase(percorso); });
        QCOMPARE(esito.numero, DbErrore::FormatoNonRiconosciuto);
        QVERIFY2(esito.descrizione.contains(percorso), qPrintable(esito.descrizione));
        QCOMPARE(Contenuto(percorso), contenuto);
    }

    void fileMancante()
    {
        const QString percorso = cartella_.filePath(QStringLiteral("mancante.mdb"));
        const Esito esito = Prova([&] { DBEngine::OpenDatabase(percorso); });
        QCOMPARE(esito.numero, DbErrore::FileNonTrovato);
        QVERIFY(esito.descrizione.contains(percorso));
        QVERIFY(!QFile::exists(percorso)); // opening never creates a file
        QCOMPARE(Prova([&] { DBEngine::OpenDatabase(cartella_.path()); }).numero,
                 DbErrore::FormatoNonRiconosciuto);
    }

    void creazione()
    {
        const QString percorso = NuovoPercorso();
        DBEngine::CreateDatabase(percorso)->Close();
        auto db = DBEngine::OpenDatabase(percorso);
        QVERIFY(db->TableNames().isEmpty());
        db->Close();
        const QByteArray prima = Contenuto(percorso);
        const Esito esito = Prova([&] { DBEngine::CreateDatabase(percorso); });
        QCOMPARE(esito.numero, DbErrore::Generico);
        QVERIFY(esito.descrizione.contains(percorso));
        QCOMPARE(Contenuto(percorso), prima);
        QVERIFY(Prova([&] {
                    DBEngine::CreateDatabase(cartella_.filePath(QStringLiteral("no/x.mdb")));
                }).numero != 0);
    }

    void scritturaRifiutata_data()
    {
        QTest::addColumn<QString>("causa");
        QTest::addColumn<int>("numero");
        QTest::newRow("aperto in sola lettura") << "sola lettura" << DbErrore::SolaLettura;
        QTest::newRow("file protetto") << "permessi" << DbErrore::SolaLettura;
        QTest::newRow("disco pieno") << "pieno" << DbErrore::ErroreDisco;
        QTest::newRow("letto da un altro programma") << "occupato" << DbErrore::FileInUso;
    }

    void scritturaRifiutata()
    {
        QFETCH(QString, causa);
        QFETCH(int, numero);
        const QString percorso = CreaConNomi({QStringLiteral("A"), QStringLiteral("B")});
        if (causa == QLatin1String("permessi")) {
            if (geteuid() == 0)
                QSKIP("file permissions do not bind the superuser");
            QVERIFY(QFile::setPermissions(percorso, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        }
        const QByteArray prima = Contenuto(percorso);
        AltraConnessione altra(percorso);
        if (causa == QLatin1String("occupato"))
            QCOMPARE(altra.Esegui("BEGIN; SELECT count(*) FROM Rw_laboratorio"), SQLITE_OK);
        {
            auto db = causa == QLatin1String("sola lettura")
                          ? SqliteDatabase::Apri(percorso, SqliteDatabase::Modo::SolaLettura)
                          : SqliteDatabase::Apri(percorso);
            if (causa == QLatin1String("pieno"))
                db->Execute(QStringLiteral("PRAGMA max_page_count = 1")); // no room beyond the present size
            auto rs = db->OpenRecordset(kTabella);
            QCOMPARE(Colonna(*rs, kNome), QStringList({"A", "B"}));
            rs->MoveFirst();
            rs->AddNew();
            rs->SetField(kNome, QStringLiteral("C"));
            rs->SetField(kDescrizione, QString(200000, QLatin1Char('x')));
            const Esito esito = Prova([&] { rs->Update(); });
            QCOMPARE(esito.numero, numero);
            QVERIFY2(esito.descrizione.contains(percorso), qPrintable(esito.descrizione));
            QVERIFY(esito.descrizione.contains(kTabella));
            // The cursor is still on its row, and the connection still usable.
            QCOMPARE(rs->Field(kNome).toString(), QStringLiteral("A"));
            if (causa != QLatin1String("pieno")) // a deletion needs no room
                QCOMPARE(Prova([&] { rs->Delete(); }).numero, numero);
            QCOMPARE(Colonna(*rs, kNome), QStringList({"A", "B"}));
        }
        QCOMPARE(altra.Esegui("COMMIT"), causa == QLatin1String("occupato") ? SQLITE_OK : SQLITE_ERROR);
        QCOMPARE(Contenuto(percorso), prima);
        QVERIFY(!QFile::exists(percorso + QStringLiteral("-journal")));
        QFile::setPermissions(percorso, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(Nomi(percorso), QStringList({"A", "B"}));
    }
};

QTEST_GUILESS_MAIN(TestSqliteDatabase)
#include "TestSqliteDatabase.moc"
