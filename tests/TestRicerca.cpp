// The search on a copy of the demo data folder, with an Access file among the walls and a
// damaged file beside it: each criterion alone and in combination, bounds inclusive, values
// and dates missing, case and accents, databases chosen; then zelmar-cerca on the same
// folder as a user runs it.
#include "JetDiProva.h"
#include "TestSupport.h"
#include "search/OrdineVoci.h"
#include "search/PiegaturaTesto.h"
#include "search/RicercaTabelle.h"
#include "search/VociTrovate.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using TestSupport::AltraConnessione;

namespace {

const QString kMuri = QStringLiteral("Databases/Database/Partizioni verticali (Rw)/");

// The demo data, an Access wall table "test" with one entry "some data", a damaged file,
// and three changes: a testing body with an accent, a date that is no date, a stored Rw
// that is not its curve's.
bool PreparaCartella(const QString& cartella)
{
    if (!TestSupport::CopiaCartella(TestSupport::CartellaFixtures() + QStringLiteral("/demo"), cartella) ||
        !JetDiProva::CopiaConColonnaNome(cartella + "/" + kMuri + "test.mdb") ||
        !TestSupport::Scrivi(cartella + "/" + kMuri + "rotto.mdb", QByteArray(4096, 'x')))
        return false;
    const QString database = cartella + QStringLiteral("/Databases/Database/");
    return AltraConnessione(database + "Infissi/Porte.mdb")
                   .Esegui(
                       "UPDATE Porte SET \"Ente di prova\" = 'Università di Valdorsa' WHERE Nome = 'Porta "
                       "blindata'; UPDATE Porte SET \"Data Prova\" = 'n.d.' WHERE Nome LIKE 'Porta "
                       "interna%'") == 0 &&
           AltraConnessione(database + "Partizioni verticali (Rw)/Murature in laterizio.mdb")
                   .Esegui("UPDATE \"Murature in laterizio\" SET \"Rw (dB)\" = 60 WHERE Nome LIKE "
                           "'%porizzato%'") == 0;
}

struct Ricerca
{
    QStringList nomi; // in the tables' order
    QStringList illeggibili;
};

Ricerca Cerca(const QString& cartella, const CriteriRicerca& criteri)
{
    const auto tabelle = TabelleCartellaDati::Elenca(cartella);
    std::vector<std::vector<VoceTrovata>> trovate(tabelle.size());
    Ricerca r;
    const std::atomic<bool> mai{false};
    RicercaTabelle::CercaTutte(
        tabelle, criteri, 2, mai,
        [&](std::vector<VoceTrovata>&& lotto) {
            auto& voci = trovate[size_t(lotto.front().tabella)];
            voci.insert(voci.end(), lotto.begin(), lotto.end());
        },
        [&](size_t i, const RicercaTabelle::EsitoTabella& esito) {
            for (const VoceTrovata& v : trovate[i])
                r.nomi << v.nome;
            if (!esito.errore.isEmpty())
                r.illeggibili << tabelle[i].relativo;
        });
    return r;
}

VoceTrovata Trovata(int tabella, qint64 riga, const QString& nome)
{
    VoceTrovata v;
    v.tabella = tabella;
    v.riga = riga;
    v.nome = nome;
    return v;
}

CriteriRicerca Tipi(std::initializer_list<int> codici)
{
    CriteriRicerca c;
    c.tipi = QSet<int>(codici);
    return c;
}

} // namespace

Q_DECLARE_METATYPE(CriteriRicerca)

class TestRicerca : public QObject
{
    Q_OBJECT
    QTemporaryDir dir_;
    QString cartella_;

private slots:
    void initTestCase()
    {
        TestSupport::PreparaAmbiente();
        cartella_ = dir_.filePath(QStringLiteral("ZELMARtek"));
        QVERIFY(PreparaCartella(cartella_));
    }

    void criteri_data()
    {
        QTest::addColumn<CriteriRicerca>("criteri");
        QTest::addColumn<QStringList>("attesi"); // a single "N entries" when only counted
        QTest::addColumn<bool>("illeggibile");   // the damaged file is named

        CriteriRicerca c;
        QTest::newRow("nessun criterio: ogni voce, Access compreso") << c << QStringList{"48 voci"} << true;
        c = Tipi({1, 8});
        c.massa.massimo = 250;
        c.indicePiuSecondo.minimo = 40;
        QTest::newRow("pareti fino a 250 kg/m2 con Rw+Ctr di almeno 40")
            << c
            << QStringList{"Muro in laterizio 12 cm", "Muro in calcestruzzo cellulare 20 cm",
                           "Parete in cartongesso a doppia lastra", "Parete in cartongesso a doppia orditura"}
            << true;
        c = {};
        c.testo = QStringLiteral("BÒRGOquieto");
        c.data = {QDate(2011, 7, 1), QDate(2011, 11, 10)};
        QTest::newRow("ente e date, estremi compresi")
            << c
            << QStringList{"Parete del vano scala", "Parete tra due uffici",
                           "Solaio di uffici con pavimento sopraelevato"}
            << true;
        c = Tipi({5});
        c.indice = {57, 57};
        QTest::newRow("L'nw in opera da 57 a 57, estremi compresi")
            << c << QStringList{"Solaio tra alloggi via Roma"} << false;
        c = Tipi({4, 9});
        c.indicePiuPrimo.massimo = 60;
        QTest::newRow("solai con Ln,w + CI fino a 60")
            << c
            << QStringList{"Solaio omogeneo 400 kg/m²", "Solaio omogeneo 500 kg/m²",
                           "Solaio con massetto galleggiante",
                           "Solaio in calcestruzzo con massetto galleggiante"}
            << false;
        c = {};
        c.testo = QStringLiteral("universita");
        QTest::newRow("testo senza accento trova l'accento") << c << QStringList{"Porta blindata"} << true;
        c.testo = QStringLiteral("ÙNIVERSITÀ DI");
        QTest::newRow("testo accentato in maiuscolo") << c << QStringList{"Porta blindata"} << true;
        c = Tipi({7});
        c.data.minimo = QDate(2011, 1, 1);
        QTest::newRow("una data che non e' una data non passa")
            << c << QStringList{"Finestra in legno-alluminio", "Finestra in PVC con vetro stratificato"}
            << false;
        c = {};
        c.area = {2, 3};
        QTest::newRow("area") << c << QStringList{"Portafinestra in alluminio"} << true;
        c = {};
        c.spessore.minimo = 390;
        QTest::newRow("spessore, in opera prima dei piccoli elementi")
            << c
            << QStringList{"Solaio di uffici con pavimento sopraelevato",
                           "Aeratore da parete con silenziatore"}
            << true;
        c = Tipi({10});
        c.massa.minimo = 0;
        QTest::newRow("senza m' nessun limite di massa passa") << c << QStringList{} << false;
        c = {};
        c.file = QSet<QString>{QStringLiteral("Databases/Database/Infissi/Porte.mdb"),
                               QStringLiteral("Databases/Database/Database_sperimentale.mdb")};
        c.testo = QStringLiteral("porta");
        QTest::newRow("solo i database scelti")
            << c << QStringList{"Porta blindata", "Porta interna in legno tamburata"} << false;
        c = {};
        c.difforme = true;
        QTest::newRow("valutazione diversa dalla curva")
            << c << QStringList{"Muro in laterizio porizzato 30 cm"} << true;
        c = Tipi({1});
        c.testo = QStringLiteral("SOME");
        QTest::newRow("file Access tra i muri") << c << QStringList{"some data"} << true;
    }

    void criteri()
    {
        QFETCH(CriteriRicerca, criteri);
        QFETCH(QStringList, attesi);
        QFETCH(bool, illeggibile);
        const Ricerca r = Cerca(cartella_, criteri);
        if (attesi.size() == 1 && attesi[0].endsWith(QLatin1String(" voci")))
            QCOMPARE(QString::number(r.nomi.size()) + " voci", attesi[0]);
        else
            QCOMPARE(r.nomi, attesi);
        QCOMPARE(r.illeggibili, illeggibile ? QStringList{kMuri + "rotto.mdb"} : QStringList{});
    }

    // A text searched for in a stored text, case and accents ignored, whatever form its
    // letters are stored in; the same whether the stored text is read as bytes or as text.
    void piegatura_data()
    {
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<QString>("cercato");
        QTest::addColumn<bool>("trovato");
        QTest::newRow("accento composto") << QByteArray("Societ\xc3\xa0 edile") << "SOCIETA E" << true;
        QTest::newRow("accento a parte") << QByteArray("Societa\xcc\x80 edile") << "società" << true;
        QTest::newRow("greco") << QByteArray("\xce\xa3\xce\x9f\xce\xa6\xce\x8a\xce\x91") << "σοφια" << true;
        QTest::newRow("cirillico") << QByteArray("\xd0\x81\xd0\xbb\xd0\xba\xd0\xb0") << "ЕЛКА" << true;
        QTest::newRow("lettera senza scomposizione") << QByteArray("S\xc3\xb8ren") << "soren" << false;
        QTest::newRow("fuori dalla tavola")
            << QByteArray("Muro \xf0\x9f\x98\x80 Citt\xc3\xa0") << "citta" << true;
        QTest::newRow("byte non UTF-8") << QByteArray("Citt\xe0 alta") << "citt" << true;
        QTest::newRow("solo ASCII") << QByteArray("Parete LATERIZIO") << "laterizio" << true;
        QTest::newRow("in fondo a un testo lungo")
            << QByteArray("Parete in blocchi di calcestruzzo LATERIZIO") << "laterizio" << true;
        QTest::newRow("a cavallo di due blocchi")
            << QByteArray("abcdefghijklmnLaTeRiZiOxyz") << "laterizio" << true;
        QTest::newRow("quasi, più volte")
            << QByteArray("laterizi laterizi laterizi laterizo") << "laterizio" << false;
        QTest::newRow("una lettera in fondo") << QByteArray("xxxxxxxxxxxxxxxxxxxxxxxxxZ") << "z" << true;
        QTest::newRow("@ non è una lettera") << QByteArray("````````````````````````") << "@" << false;
    }
    void piegatura()
    {
        QFETCH(QByteArray, testo);
        QFETCH(QString, cercato);
        QFETCH(bool, trovato);
        const PiegaturaTesto piegatura(cercato);
        QCOMPARE(piegatura.In(QByteArrayView(testo)), trovato);
    }

    // Names read back as written: digits (leading zeros, too many for a number), spaces,
    // accents, a name longer than a block, and pieces beyond the list's limit written out.
    void nomiCompatti()
    {
        QStringList nomi = {"Parete in laterizio 12 cm - cert. IPV 104254/2004",
                            "Parete in laterizio 8 cm",
                            "007 Porta 0",
                            "",
                            "  doppio  spazio ",
                            "Solaio \u00e8 gi\u00e0 a 1234567890123456789012345 dB",
                            QString(1 << 20, QChar(0x00e8)) + "0",
                            "Parete 8"};
        for (int i = 0; i < 300000; ++i) { // unlike pieces: more than are listed
            QString lettere;
            for (int n = i; n; n /= 26)
                lettere += QChar('a' + n % 26);
            nomi << QStringLiteral("Codice %1 ").arg(lettere) + nomi[i % 3];
        }
        NomiCompatti compatti;
        std::vector<quint32> posti;
        for (const QString& nome : std::as_const(nomi))
            posti.push_back(compatti.Aggiungi(nome));
        for (size_t i = 0; i < posti.size(); ++i)
            if (compatti.Nome(posti[i]) != nomi[qsizetype(i)])
                QFAIL(qPrintable(QStringLiteral("%1: %2").arg(i).arg(nomi[qsizetype(i)].left(80))));
    }

    // Cancelled once the first batch is handed over: the table being read stops there, the
    // tables not started come back cancelled and unread, none is reported unreadable.
    void annullata()
    {
        QTemporaryDir dir;
        QVERIFY(TestSupport::CopiaCartella(TestSupport::CartellaFixtures() + QStringLiteral("/demo"),
                                           dir.path()));
        const auto tabelle = TabelleCartellaDati::Elenca(dir.path());
        const auto muri = std::find_if(tabelle.begin(), tabelle.end(), [](const auto& t) {
            return t.relativo.endsWith(QLatin1String("Murature in laterizio.mdb"));
        });
        QVERIFY(muri != tabelle.end());
        QCOMPARE(
            AltraConnessione(muri->file)
                .Esegui(
                    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200) "
                    "INSERT INTO \"Murature in laterizio\" SELECT m.* FROM \"Murature in laterizio\" m, n"),
            0);
        CriteriRicerca criteri; // the walls and every table after them
        criteri.file.emplace();
        for (auto t = muri; t != tabelle.end(); ++t)
            criteri.file->insert(t->relativo);
        std::atomic<bool> annulla{false};
        size_t trovate = 0;
        std::vector<RicercaTabelle::EsitoTabella> esiti;
        RicercaTabelle::CercaTutte(
            tabelle, criteri, 1, annulla,
            [&](std::vector<VoceTrovata>&& lotto) {
                trovate += lotto.size();
                annulla = true;
            },
            [&](size_t, const RicercaTabelle::EsitoTabella& esito) { esiti.push_back(esito); });
        const size_t letta = size_t(muri - tabelle.begin());
        QCOMPARE(trovate, size_t(256));
        QVERIFY(esiti[letta].annullata && esiti[letta].voci == 256);
        for (size_t i = letta + 1; i < esiti.size(); ++i)
            QVERIFY(esiti[i].annullata && esiti[i].voci == 0 && esiti[i].errore.isEmpty());
    }

    // The result list's order by a text: case and accents ignored, then as written, equal
    // texts in the entries' order; long shared beginnings and many entries alike.
    void ordinePerTesto_data()
    {
        QTest::addColumn<QStringList>("testi");
        QTest::addColumn<bool>("decrescente");
        QTest::addColumn<QList<int>>("atteso");
        const QStringList nomi = {"parete b",
                                  "Parete A",
                                  "Àrea",
                                  "area",
                                  "",
                                  "Parete in laterizio 8 cm",
                                  "Parete in laterizio 12 cm",
                                  "parete a",
                                  "Zona",
                                  "Èlite"};
        QTest::newRow("crescente") << nomi << false << QList<int>{4, 3, 2, 9, 1, 7, 0, 6, 5, 8};
        QTest::newRow("decrescente") << nomi << true << QList<int>{8, 5, 6, 0, 7, 1, 9, 2, 3, 4};
        QStringList molti; // 200 names agreeing on their first 30 letters but for their case
        QList<int> ordine;
        for (int i = 0; i < 200; ++i) {
            const QString nome =
                QStringLiteral("Parete in laterizio alveolato %1").arg(99 - i % 100, 2, 10, QChar('0'));
            molti << (i < 100 ? nome : nome.toUpper());
        }
        for (int i = 99; i >= 0; --i)
            ordine << i + 100 << i;
        QTest::newRow("molti con lo stesso inizio") << molti << false << ordine;
        std::reverse(ordine.begin(), ordine.end());
        QTest::newRow("molti, decrescente") << molti << true << ordine;
    }

    void ordinePerTesto()
    {
        QFETCH(QStringList, testi);
        QFETCH(bool, decrescente);
        QFETCH(QList<int>, atteso);
        const std::vector<quint32> ordine = OrdineVoci::PerTesto(
            size_t(testi.size()),
            [&](size_t i, std::string& testo) { testo = testi[qsizetype(i)].toStdString(); }, decrescente);
        QCOMPARE(QList<int>(ordine.begin(), ordine.end()), atteso);
    }

    void ordinePerNumero()
    {
        const std::vector<std::optional<double>> numeri = {52, std::nullopt, 47.5, 52, -3, std::nullopt};
        const auto numero = [&](size_t i) { return numeri[i]; };
        const std::vector<quint32> crescente = OrdineVoci::PerNumero(numeri.size(), numero, false);
        const std::vector<quint32> decrescente = OrdineVoci::PerNumero(numeri.size(), numero, true);
        QCOMPARE(crescente, (std::vector<quint32>{4, 2, 0, 3, 1, 5}));
        QCOMPARE(decrescente, (std::vector<quint32>{0, 3, 2, 4, 1, 5}));
    }

    // The found entries as the window keeps them: two tables' batches arriving out of order,
    // ratings stored as numbers, texts or nothing, numbers in tenths or not, large or small.
    void vociConservate()
    {
        std::vector<VoceTrovata> muri, porte;
        for (int i = 0; i < 3; ++i)
            muri.push_back(Trovata(0, i, QStringLiteral("Muro %1").arg(i)));
        muri[1].valutazioni = {52.3, QStringLiteral("-1 (-4)"), QVariant()};
        muri[2].valutazioni = {52.35, -3, 3276.8};
        muri[1].massa = 4500.5;
        muri[2].massa = 250;
        muri[2].spessore = -0.1;
        for (int i = 0; i < 4; ++i)
            porte.push_back(Trovata(1, i * 3, QStringLiteral("Porta %1").arg(i)));
        VociTrovate voci;
        voci.Inserisci(voci.Posto(porte.front()), std::vector(porte.begin() + 2, porte.end()));
        voci.Inserisci(voci.Posto(muri.front()), std::vector(muri));
        voci.Inserisci(voci.Posto(porte.front()), std::vector(porte.begin(), porte.begin() + 2));
        QCOMPARE(voci.Quante(), muri.size() + porte.size());
        for (size_t i = 0; i < voci.Quante(); ++i) {
            const VoceTrovata& attesa = i < muri.size() ? muri[i] : porte[i - muri.size()];
            const VoceTrovata v = voci.Voce(i);
            QCOMPARE(v.tabella, attesa.tabella);
            QCOMPARE(v.riga, attesa.riga);
            QCOMPARE(v.nome, attesa.nome);
            QCOMPARE(v.valutazioni, attesa.valutazioni);
            QCOMPARE(v.massa, attesa.massa);
            QCOMPARE(v.spessore, attesa.spessore);
        }
    }

    // As a user runs it: CSV on standard output (files relative to the data folder however it
    // was given), the damaged file on standard error with status 1; wrong usage with status 2
    // and nothing written.
    void zelmarCerca()
    {
        QProcess cerca;
        cerca.setWorkingDirectory(dir_.path());
        cerca.start(QStringLiteral(ZELMAR_CERCA),
                    {"./ZELMARtek/", "--tipo", "1", "--tipo", "8", "--massa-max", "250,0", "--indice-min",
                     "44.5", "--testo", "-"});
        QVERIFY(cerca.waitForFinished());
        QCOMPARE(cerca.exitCode(), 1);
        const QByteArray csv = cerca.readAllStandardOutput();
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(QString::fromUtf8(csv.mid(3)),
                 QStringLiteral("File;Tabella;Nome;Tipo;Indice\r\n"
                                "Databases/Database/Partizioni verticali (Rw)/Murature in laterizio.mdb;"
                                "Murature in laterizio;Muro in laterizio 12 cm;1;47\r\n"
                                "Databases/Database/Partizioni verticali (Rw)/Murature in laterizio.mdb;"
                                "Murature in laterizio;Muro in calcestruzzo cellulare 20 cm;1;45\r\n"
                                "Databases/Database/Partizioni verticali (Rw)/Pareti a secco.mdb;"
                                "Pareti a secco;Parete in cartongesso a doppia lastra;1;53\r\n"
                                "Databases/Database/Partizioni verticali (Rw)/Pareti a secco.mdb;"
                                "Pareti a secco;Parete in cartongesso a doppia orditura;1;62\r\n"));
        QVERIFY(cerca.readAllStandardError().contains("rotto.mdb"));
        // Every entry, in the tables' order however the threads finish (the Access file's
        // reader is slow to start).
        cerca.start(QStringLiteral(ZELMAR_CERCA), {"../" + QDir(dir_.path()).dirName() + "/ZELMARtek"});
        QVERIFY(cerca.waitForFinished());
        QStringList nomi;
        for (const QString& riga : QString::fromUtf8(cerca.readAllStandardOutput()).split("\r\n").mid(1, 48))
            nomi << riga.section(';', 2, 2);
        QCOMPARE(nomi, Cerca(cartella_, {}).nomi);
        for (const QStringList& sbagliati :
             {QStringList{cartella_, "--tipo", "11"}, QStringList{cartella_, "--dal", "31/2/2011"},
              QStringList{cartella_ + "/manca"}, QStringList{cartella_, "--massa-min"}}) {
            cerca.start(QStringLiteral(ZELMAR_CERCA), sbagliati);
            QVERIFY(cerca.waitForFinished());
            QCOMPARE(cerca.exitCode(), 2);
            QVERIFY(cerca.readAllStandardOutput().isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestRicerca)
#include "TestRicerca.moc"
