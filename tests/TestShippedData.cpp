// Checks of the data the build produces (the demo data as built for the tests from the shipped sources, the
// test data folders, the message catalogue and the program's pictures) against the program's
// own kinds and record schema. Files are read past the storage layer and once more through it.

#include "Categorie.h"
#include "DBEngine.h"
#include "DbException.h"
#include "FotografiaDatabase.h"
#include "RecordSchema.h"
#include "TabelleCartellaDati.h"
#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

using FotografiaDatabase::Interroga;

const QString Senza = QStringLiteral("senza");

QString CartellaDati(const QString& nome)
{
    return TestSupport::CartellaFixtures() + QLatin1Char('/') + nome;
}
QString CartellaDatabase(const QString& nome)
{
    return CartellaDati(nome) + QStringLiteral("/Databases/Database");
}
QString CartellaImmagini()
{
    return TestSupport::CartellaProgrammaCostruita() + QStringLiteral("/immagine");
}

// A name as an SQL string literal.
QString Letterale(QString nome)
{
    return QLatin1Char('\'') + nome.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

// The values of one column over the rows of a query.
QStringList Colonna(const std::vector<QVariantMap>& righe, const QString& colonna)
{
    QStringList valori;
    for (const QVariantMap& r : righe)
        valori << r.value(colonna).toString();
    return valori;
}

// A file of a category folder, not the custom or theoretical database.
bool Sperimentale(const TabelleCartellaDati::Tabella& t)
{
    return t.relativo.count(QLatin1Char('/')) > 2;
}

const QStringList kCartelleDati{"demo", "standard", "vuota"};

bool IsImmagine(const QString& percorso)
{
    QImageReader lettore(percorso);
    return lettore.canRead() && !lettore.read().isNull();
}

// What is wrong with the stored value of one column ("" when nothing is).
QString ValoreSbagliato(int codice, const QString& colonna, const QVariant& valore)
{
    const bool obbligatoria = colonna == QLatin1String("Nome") ||
                              (colonna == QLatin1String("Parola chiave") && !Categorie::IsTeorico(codice));
    if (valore.isNull())
        return obbligatoria ? QStringLiteral("missing") : QString();
    if (RecordSchema::IsNumerica(colonna) != (valore.typeId() == QMetaType::Double))
        return QStringLiteral("of the wrong type: ") + valore.toString();
    if (obbligatoria && valore.toString().isEmpty())
        return QStringLiteral("empty");
    static const QRegularExpression data(QStringLiteral("^[1-9][0-9]?/[1-9][0-9]?/[0-9]{4}$"));
    if (colonna == QLatin1String("Data Prova") && !data.match(valore.toString()).hasMatch())
        return QStringLiteral("not a day/month/year date: ") + valore.toString();
    if (colonna == QLatin1String("Immagine") && valore != Senza && codice != catDRwTeorico) {
        const QString percorso = CartellaImmagini() + QLatin1Char('/') + Categorie::CartellaImmagini(codice) +
                                 QLatin1Char('/') + valore.toString();
        // The fixture's one damaged picture is there on purpose.
        if (IsImmagine(percorso) == (valore == QLatin1String("immagine_danneggiata.jpg")))
            return QStringLiteral("no picture at ") + percorso;
    }
    return QString();
}

} // namespace

class TestShippedData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::PreparaAmbiente();
        QVERIFY2(!TestSupport::CartellaFixtures().isEmpty(), "ZELMAR_FIXTURES not set");
        QVERIFY2(!TestSupport::CartellaProgrammaCostruita().isEmpty(), "ZELMAR_PROGRAM_DIR not set");
    }

    void tabelle_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<int>("codice");
        QTest::addColumn<bool>("sperimentale");
        QTest::addColumn<bool>("vuota");
        for (const QString& nome : kCartelleDati)
            for (const TabelleCartellaDati::Tabella& t : TabelleCartellaDati::Elenca(CartellaDati(nome)))
                QTest::addRow("%s: %s / %s", qPrintable(nome), qPrintable(t.relativo), qPrintable(t.tabella))
                    << t.file << t.tabella << t.codice << Sperimentale(t) << (nome == QLatin1String("vuota"));
    }

    // Each table has its kind's columns in the schema's order and types and the index "Nome";
    // an experimental file holds its one table; every value has its column's form; the program's
    // own engine finds every entry by its name.
    void tabelle()
    {
        QFETCH(QString, file);
        QFETCH(QString, tabella);
        QFETCH(int, codice);
        QFETCH(bool, sperimentale);
        QFETCH(bool, vuota);

        QString errore;
        const auto struttura =
            Interroga(file,
                      QStringLiteral("SELECT name, type FROM pragma_table_info(%1) ORDER BY cid")
                          .arg(Letterale(tabella)),
                      &errore);
        QVERIFY2(errore.isEmpty(), qPrintable(errore));
        const QStringList colonne = Colonna(struttura, QStringLiteral("name"));
        QCOMPARE(colonne, Categorie::ColonneTabella(codice));
        for (const QVariantMap& c : struttura)
            QCOMPARE(c.value(QStringLiteral("type")).toString(),
                     RecordSchema::IsNumerica(c.value(QStringLiteral("name")).toString())
                         ? QStringLiteral("REAL")
                         : QStringLiteral("TEXT"));

        const auto indici =
            Interroga(file, QStringLiteral("SELECT group_concat(i.name, ',') AS colonne FROM "
                                           "pragma_index_list(%1) l, pragma_index_info(l.name) i "
                                           "GROUP BY l.name")
                                .arg(Letterale(tabella)));
        QVERIFY2(Colonna(indici, QStringLiteral("colonne")).contains(QStringLiteral("Nome")),
                 "no index on \"Nome\" alone");
        if (sperimentale)
            QCOMPARE(Colonna(Interroga(file,
                                       QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")),
                             QStringLiteral("name")),
                     QStringList{tabella});

        std::vector<FotografiaDatabase::Riga> voci;
        for (const FotografiaDatabase::Riga& r : FotografiaDatabase::Righe(file))
            if (r.tabella == tabella)
                voci.push_back(r);
        QVERIFY(voci.empty() || !vuota);
        for (const FotografiaDatabase::Riga& r : voci)
            for (const QString& c : colonne) {
                const QString sbagliato = ValoreSbagliato(codice, c, r.colonne.value(c));
                QVERIFY2(sbagliato.isEmpty(),
                         qPrintable(r.colonne.value(QStringLiteral("Nome")).toString() +
                                    QStringLiteral(" / ") + c + QStringLiteral(": ") + sbagliato));
            }

        try {
            auto db = DBEngine::OpenDatabase(file);
            auto rs = db->OpenRecordset(tabella);
            QCOMPARE(rs->RecordCount(), int(voci.size()));
            rs->SetIndex(QStringLiteral("Nome"));
            for (const FotografiaDatabase::Riga& r : voci) {
                const QString nome = r.colonne.value(QStringLiteral("Nome")).toString();
                rs->Seek(QStringLiteral("="), nome);
                QVERIFY2(!rs->NoMatch() && rs->Field(QStringLiteral("Nome")).toString() == nome,
                         qPrintable(nome));
            }
            rs->Close();
            db->Close();
        } catch (const DbException& e) {
            QFAIL(qPrintable(e.Descrizione()));
        }
    }

    // The catalogue (built from one source for every data folder) holds every message the program
    // reads, with the captions the tree and the editor rely on.
    void catalogo()
    {
        const auto righe = FotografiaDatabase::Righe(CartellaDati(QStringLiteral("demo")) +
                                                     QStringLiteral("/Databases/InterfMess.mdb"));
        QVERIFY2(righe.size() >= 89, qPrintable(QString::number(righe.size())));
        for (const QString& lingua : righe.front().colonne.keys()) {
            auto testo = [&](int numero) { return righe.at(numero - 1).colonne.value(lingua).toString(); };
            // The tree chooses a kind by the captions of a root and of its children.
            QSet<QString> radici{testo(19), testo(28)};
            for (const Categoria& c : Categorie::Tutte())
                radici.insert(testo(c.messaggioRadice));
            QCOMPARE(radici.size(), 2 + int(Categorie::Tutte().size()));
            for (bool teorici : {false, true}) {
                QSet<QString> figli;
                for (const TipoMateriale* t : Categorie::Figli(teorici))
                    figli.insert(testo(t->messaggioFiglio));
                QCOMPARE(figli.size(), int(Categorie::Figli(teorici).size()));
            }
            QCOMPARE(testo(12), testo(88));
            for (int n = 1; n <= 89; ++n)
                QVERIFY2(n == 37 || !testo(n).trimmed().isEmpty(), qPrintable(QString::number(n)));
            // The no-picture marker is stored data: the same in every language.
            QCOMPARE(testo(66), Senza);
            // The program appends " [dB]" to these captions itself.
            for (int n : {18, 20, 21, 22, 23, 25, 50, 51, 79, 83, 84, 85, 86, 87})
                QVERIFY2(!testo(n).contains(QLatin1String("[dB]")), qPrintable(QString::number(n)));
        }
    }

    void cartelle()
    {
        QVERIFY(IsImmagine(CartellaImmagini() + QStringLiteral("/senza.jpg")));
        for (const Categoria& c : Categorie::Tutte()) {
            const QString cartella = QString::fromUtf8(c.cartella);
            QVERIFY2(QFileInfo(CartellaImmagini() + QLatin1Char('/') + cartella).isDir(), c.cartella);
            // "vuota" has no category folders at all.
            for (const QString& nome : kCartelleDati)
                QVERIFY2(QFileInfo(CartellaDatabase(nome) + QLatin1Char('/') + cartella).isDir() !=
                             (nome == QLatin1String("vuota")),
                         qPrintable(nome + QLatin1Char('/') + cartella));
        }
    }

    // Every kind has entries in a category file, and start-up has a first custom entry to show.
    // (That every stored rating is the computed one, TestValutazione checks with zelmar-valuta.)
    void demoConVociInOgniCategoria()
    {
        QSet<int> categorie;
        bool primaPersonale = false;
        for (const TabelleCartellaDati::Tabella& t : TabelleCartellaDati::Elenca(CartellaDati("demo")))
            for (const FotografiaDatabase::Riga& r : FotografiaDatabase::Righe(t.file)) {
                if (r.tabella != t.tabella)
                    continue;
                if (Sperimentale(t))
                    categorie << t.codice;
                primaPersonale = primaPersonale || t.tabella == QLatin1String("Rw_laboratorio");
            }
        QCOMPARE(categorie.size(), int(Categorie::Tutte().size()));
        QVERIFY(primaPersonale);
    }
};

QTEST_MAIN(TestShippedData)
#include "TestShippedData.moc"
