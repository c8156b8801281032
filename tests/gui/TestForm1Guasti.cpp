// Bad database files met by the main window: a damaged or foreign file, a missing table,
// column or "Nome" index. Each gives one message naming the file and the engine's reason,
// an empty list, and the program goes on with the next choice.
#include "TestForm1Ambiente.h"

#include "app/MessageBox.h"
#include "app/ZelmarCommonModule.h"
#include "browser/Form2.h"
#include "model/Module1.h"

#include "browser/ElencoNomi.h"
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace Form1Test;
using ZelmarCommonModule::M;

namespace {
const QString kCartella = QStringLiteral("Partizioni verticali (Rw)");
const QString kNome = QStringLiteral("Guasto");

QString FileGuasto(Ambiente& a)
{
    return a.dati().percorsoDatabase(kCartella + QLatin1Char('/') + kNome + QStringLiteral(".mdb"));
}

void Scrivi(const QString& file, const QByteArray& contenuto)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(contenuto);
}

// Overwrites the file from the given offset with bytes no database page holds.
void Rovina(const QString& file, qint64 da)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadWrite));
    const qint64 lunghezza = f.size();
    QVERIFY(f.seek(da));
    f.write(QByteArray(int(lunghezza - da), '\xA5'));
}

// A correct experimental file of the category, then spoilt in the way the row names.
void PreparaGuasto(Ambiente& a, const QString& guasto)
{
    const QString file = FileGuasto(a);
    QDir().mkpath(QFileInfo(file).path());
    if (guasto == QLatin1String("testo")) {
        Scrivi(file, "Nome;Rw\nParete;52\n");
        return;
    }
    if (guasto == QLatin1String("intestazione")) {
        Scrivi(file, QByteArray("SQLite format 3") + QByteArray(1, '\0') + QByteArray(4080, '\x7F'));
        return;
    }
    QStringList colonne = Ambiente::ColonneDi(1);
    QString tabella = kNome;
    bool conIndice = true;
    if (guasto == QLatin1String("tabella"))
        tabella = QStringLiteral("Altra");
    else if (guasto == QLatin1String("indice"))
        conIndice = false;
    else if (guasto.startsWith(QLatin1String("colonna "))) {
        colonne.removeAll(guasto.mid(8));
        conIndice = colonne.contains(QStringLiteral("Nome"));
    }
    Ambiente::CreaTabella(file, tabella, colonne, conIndice);
    Campi voce{{"Nome", "Parete"}, {"Parola chiave", "prova"}, {"Rw (dB)", "52"}};
    for (const QString& c : voce.keys())
        if (!colonne.contains(c))
            voce.remove(c);
    for (int i = 0; i < 50; ++i) {
        if (voce.contains(QStringLiteral("Nome")))
            voce[QStringLiteral("Nome")] = QStringLiteral("Parete %1").arg(i);
        Ambiente::Inserisci(file, tabella, voce);
    }
    if (guasto == QLatin1String("pagine"))
        Rovina(file, 1024);
}

// After the failure the program still lists the custom table.
void VerificaCheProsegue(Ambiente& a)
{
    MessageBox::clearShown();
    a.clicca(a.figlio(QStringLiteral("personalizzato"), M(20)));
    QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
    QCOMPARE(Module1::NomeTabella, QStringLiteral("Rw_laboratorio"));
    QVERIFY(a.elenco()->count() > 0);
    QCOMPARE(a.elenco()->currentRow(), 0);
}
} // namespace

class TestForm1Guasti : public QObject
{
    Q_OBJECT

private slots:
    void fileSperimentaleGuasto_data()
    {
        QTest::addColumn<QString>("guasto");
        QTest::addColumn<QString>("motivo"); // a piece of the engine's description
        QTest::newRow("file di testo") << "testo"
                                       << "non è un database";
        QTest::newRow("intestazione rovinata") << "intestazione"
                                               << "non è un database";
        QTest::newRow("pagine rovinate") << "pagine"
                                         << "danneggiato";
        QTest::newRow("senza tabella") << "tabella"
                                       << "La tabella «Guasto» non esiste";
        QTest::newRow("senza colonna Nome") << "colonna Nome"
                                            << "non ha il campo «Nome»";
        QTest::newRow("senza colonna Parola chiave") << "colonna Parola chiave"
                                                     << "non ha il campo «Parola chiave»";
        QTest::newRow("senza colonna Rw") << "colonna Rw (dB)"
                                          << "non ha il campo «Rw (dB)»";
        QTest::newRow("senza colonna di banda") << "colonna R - 500Hz (dB)"
                                                << "non ha il campo «R - 500Hz (dB)»";
        QTest::newRow("senza indice Nome") << "indice"
                                           << "non ha l'indice «Nome»";
    }

    void fileSperimentaleGuasto()
    {
        QFETCH(QString, guasto);
        QFETCH(QString, motivo);
        Ambiente a;
        QVERIFY(a.ok());
        PreparaGuasto(a, guasto);
        a.apri();
        QVERIFY(MessageBox::shown().isEmpty()); // files are not opened while the tree is built
        QTreeWidgetItem* nodo = a.figlio(QStringLiteral("Rw"), kNome);
        QVERIFY(nodo);
        a.clicca(nodo);
        QCOMPARE(MessageBox::shown().size(), 1);
        const QString testo = MessageBox::lastText();
        QVERIFY2(testo.contains(FileGuasto(a)), qPrintable(testo));
        QVERIFY2(testo.contains(motivo, Qt::CaseInsensitive), qPrintable(testo));
        QCOMPARE(MessageBox::shown().first().title, QStringLiteral("ZELMARtek"));
        QCOMPARE(a.elenco()->count(), 0);
        QCOMPARE(a.elenco()->currentRow(), -1);
        QCOMPARE(a.etichetta(QStringLiteral("Label3"))->text(), QString());
        QVERIFY(!a.form().findChild<QPushButton*>(QStringLiteral("Command2"))->isEnabled());
        // The commands follow the node, so that nothing can be written to a bad file.
        QVERIFY(!a.form().findChild<QPushButton*>(QStringLiteral("Command1"))->isEnabled());
        VerificaCheProsegue(a);
    }

    void guastoDopoIlRiempimento_data()
    {
        QTest::addColumn<QString>("azione");
        QTest::newRow("scelta di una parola") << "parola";
        QTest::newRow("scelta di una riga") << "riga";
    }

    void guastoDopoIlRiempimento()
    {
        // The file goes bad while the program shows it (another program, a failing disk).
        QFETCH(QString, azione);
        Ambiente a;
        QVERIFY(a.ok());
        a.apri();
        QVERIFY(a.elenco()->count() > 1);
        Scrivi(a.sperimentale(), "guasto");
        if (azione == QLatin1String("parola"))
            a.scegliParola(a.righeParole().at(1));
        else
            a.selezionaRiga(1);
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY2(MessageBox::lastText().contains(a.sperimentale()), qPrintable(MessageBox::lastText()));
        QCOMPARE(a.elenco()->count(), 0);
        for (int i : {0, 10, 20})
            QCOMPARE(a.banda(i)->text(), QString());
        // The theoretical database is untouched and still lists.
        MessageBox::clearShown();
        a.clicca(a.radice(QStringLiteral("teorico")));
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
        QVERIFY(a.elenco()->count() > 0);
    }

    void databaseTeoricoGuasto_data()
    {
        QTest::addColumn<QString>("guasto");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("file mancante") << "mancante"
                                       << "non esiste";
        QTest::newRow("file rovinato") << "rovinato"
                                       << "non è un database";
        QTest::newRow("tabella mancante") << "tabella"
                                          << "La tabella «Potere_fonoisolante» non esiste";
        QTest::newRow("senza indice Nome") << "indice"
                                           << "non ha l'indice «Nome»";
    }

    void databaseTeoricoGuasto()
    {
        QFETCH(QString, guasto);
        QFETCH(QString, motivo);
        Ambiente a;
        QVERIFY(a.ok());
        const QString tabella = QStringLiteral("Potere_fonoisolante");
        if (guasto == QLatin1String("mancante"))
            QVERIFY(QFile::remove(a.teorico()));
        else if (guasto == QLatin1String("rovinato"))
            Scrivi(a.teorico(), QByteArray(4096, 'x'));
        else if (guasto == QLatin1String("tabella"))
            Ambiente::Esegui(a.teorico(), QStringLiteral("DROP TABLE Potere_fonoisolante"));
        else {
            Ambiente::CreaTabella(a.teorico(), tabella, Ambiente::ColonneDi(8), false);
            Ambiente::Inserisci(a.teorico(), tabella, {{"Nome", "T1"}});
        }
        a.apri();
        QVERIFY(MessageBox::shown().isEmpty());
        a.clicca(a.radice(QStringLiteral("teorico")));
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY2(MessageBox::lastText().contains(a.teorico()), qPrintable(MessageBox::lastText()));
        QVERIFY2(MessageBox::lastText().contains(motivo), qPrintable(MessageBox::lastText()));
        QCOMPARE(a.elenco()->count(), 0);
        QCOMPARE(a.descrizione(), QString());
        VerificaCheProsegue(a);
    }

    void databaseAllAvvio_data()
    {
        QTest::addColumn<QString>("guasto");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("file mancante") << "mancante"
                                       << "non esiste";
        QTest::newRow("file rovinato") << "rovinato"
                                       << "non è un database";
        QTest::newRow("tabella mancante") << "tabella"
                                          << "La tabella «Rw_laboratorio» non esiste";
    }

    void databaseAllAvvio()
    {
        QFETCH(QString, guasto);
        QFETCH(QString, motivo);
        Ambiente a;
        QVERIFY(a.ok());
        if (guasto == QLatin1String("mancante"))
            QVERIFY(QFile::remove(a.sperimentale()));
        else if (guasto == QLatin1String("rovinato"))
            Scrivi(a.sperimentale(), QByteArray(4096, 'x'));
        else
            Ambiente::Esegui(a.sperimentale(), QStringLiteral("DROP TABLE Rw_laboratorio"));
        a.apri();
        QVERIFY(!a.form().Inerte());
        QCOMPARE(a.albero()->topLevelItemCount(), 10);
        QCOMPARE(a.radice(QStringLiteral("personalizzato"))->childCount(), 8);
        QCOMPARE(a.radice(QStringLiteral("teorico"))->childCount(), 3);
        QCOMPARE(a.elenco()->count(), 0);
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY2(MessageBox::lastText().contains(a.sperimentale()), qPrintable(MessageBox::lastText()));
        QVERIFY2(MessageBox::lastText().contains(motivo, Qt::CaseInsensitive),
                 qPrintable(MessageBox::lastText()));
        QCOMPARE(Module1::CategoriaCorrente, 1);
        MessageBox::clearShown();
        a.clicca(a.figlio(QStringLiteral("teorico"), M(22)));
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
        QVERIFY(a.elenco()->count() > 0);
    }
};

QTEST_MAIN(TestForm1Guasti)
#include "TestForm1Guasti.moc"
