// The material editor on its own: set-up per category, the copy of the shown entry,
// the key handling of the number boxes, the save into a copy of a data folder, and
// the picture copy.
#include "TestSupport.h"

#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "app/ZelmarCommonModule.h"
#include "editor/Form3.h"
#include "editor/ImmagineMateriale.h"
#include "model/Categorie.h"
#include "model/Module1.h"
#include "model/RecordSchema.h"
#include "storage/DBEngine.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using ZelmarCommonModule::M;

namespace {

const QColor kBluScuro(0x16, 0x25, 0x4B);
const QColor kRosso(255, 0, 0);

const int kFrequenze[21] = {50,  63,  80,   100,  125,  160,  200,  250,  315,  400, 500,
                            630, 800, 1000, 1250, 1600, 2000, 2500, 3150, 4000, 5000};

QString Banda(const QString& prefisso, int i)
{
    return QStringLiteral("%1 - %2Hz (dB)").arg(prefisso).arg(kFrequenze[i]);
}

// "{21} [dB]" becomes catalogue text 21 followed by " [dB]".
QString Espandi(const QString& modello)
{
    QString testo = modello;
    static const QRegularExpression numero(QStringLiteral("\\{(\\d+)\\}"));
    for (auto m = numero.match(testo); m.hasMatch(); m = numero.match(testo))
        testo.replace(m.capturedStart(), m.capturedLength(), M(m.captured(1).toInt()));
    return testo;
}

QString TabellaDi(int codice)
{
    return QString::fromUtf8(Categorie::PerCodice(codice)->tabellaPersonale);
}
QString CartellaDi(int codice)
{
    return QString::fromUtf8(Categorie::PerCodice(codice)->cartella);
}

void ScegliTabellaPersonale(int codice)
{
    Module1::CategoriaCorrente = codice;
    Module1::CartellaCategoria = QStringLiteral("/");
    Module1::NomeDatabase = QStringLiteral("Database_sperimentale");
    Module1::NomeTabella = Categorie::PerCodice(codice) ? TabellaDi(codice) : QString();
}

QString PercorsoPersonale()
{
    return ZelmarCommonModule::GetPercorsoDatabaseSperimentale();
}

// Every column of the entry named nome, or an empty map when there is none.
QVariantMap LeggiRiga(int codice, const QString& nome)
{
    auto db = DBEngine::OpenDatabase(PercorsoPersonale());
    auto rs = db->OpenRecordset(TabellaDi(codice));
    rs->SetIndex(QStringLiteral("Nome"));
    rs->Seek(QStringLiteral("="), nome);
    QVariantMap riga;
    if (!rs->NoMatch())
        for (const QString& colonna : Categorie::ColonneTabella(codice))
            riga.insert(colonna, rs->Field(colonna));
    rs->Close();
    db->Close();
    return riga;
}

int ContaRighe(int codice)
{
    auto db = DBEngine::OpenDatabase(PercorsoPersonale());
    auto rs = db->OpenRecordset(TabellaDi(codice));
    const int n = rs->RecordCount();
    rs->Close();
    db->Close();
    return n;
}

QByteArray Contenuto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Scrivi(const QString& percorso, const QByteArray& contenuto)
{
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(contenuto) == contenuto.size();
}

// What the main window shows; values distinct from the editor's design texts.
MaterialeMostrato MostratoTipico()
{
    using C = RecordSchema::Campo;
    MaterialeMostrato m;
    m.nomeSelezionato = QStringLiteral("Muro mostrato");
    m.record.emplace();
    // "F2-k": what the information window shows in its box k.
    const std::pair<C, int> informazioni[] = {{C::Certificato, 0},
                                              {C::EnteProva, 2},
                                              {C::SocietaRichiedente, 3},
                                              {C::InformazioneAddizionale, 4},
                                              {C::Immagine, 5},
                                              {C::Massa, 6},
                                              {C::Spessore, 7},
                                              {C::Area, 8},
                                              {C::Fc, 9},
                                              {C::VRicevente, 9},
                                              {C::Eta, 10},
                                              {C::VEmittente, 10},
                                              {C::Cantiere, 11}};
    for (const auto& [campo, k] : informazioni)
        m.record->Imposta(RecordSchema::Nome(campo), QStringLiteral("F2-%1").arg(k));
    m.record->Imposta(RecordSchema::Nome(C::Descrizione), QStringLiteral("Prima riga\r\nseconda riga"));
    m.record->Imposta(RecordSchema::Nome(C::DataProva), QStringLiteral("25/12/2009"));
    for (const TipoMateriale& t : Categorie::Tutte())
        for (int i = 0; i < RecordSchema::NumeroBande; ++i)
            m.record->Imposta(RecordSchema::NomeColonnaBanda(t.grandezza, i), 20.5 + i);
    m.paroleChiave = QStringList{QStringLiteral("Tutti i materiali"), QStringLiteral("Laterizio"),
                                 QStringLiteral("Legno")};
    m.conservati = {52.46, 58.04, 20.66, 45.94, -1.25, -4, 0.5, 3}; // Rw, Lnw, DLw, Dnew, C, Ctr, Ci, CEsteso
    return m;
}

// The column set of each category, named here as the stored tables name them, and
// the editor box each column takes its value from.
struct ColonneAttese
{
    int codice;
    const char* fisiche; // "column=box;..."
    const char* valutazioni[3];
    const char* prefisso;
};
const ColonneAttese kColonneAttese[] = {
    {1,
     "m' (kg/m²)=Text10;s (mm)=Text11;Area (m²)=Text12;fc (Hz)=Text13;Eta int=Text14",
     {"Rw (dB)", "C (dB)", "Ctr (dB)"},
     "R"},
    {2,
     "m' (kg/m²)=Text10;s (mm)=Text11;Area (m²)=Text12;V ricevente (m³)=Text13;V emittente (m³)=Text14;"
     "Cantiere=Text16",
     {"Rw (dB)", "C (dB)", "Ctr (dB)"},
     "R"},
    {3, "m' (kg/m²)=Text10;s (mm)=Text11", {"DRw (dB)", "C (dB)", "Ctr (dB)"}, "DRi"},
    {4,
     "m' (kg/m²)=Text10;s (mm)=Text11;fc (Hz)=Text13;Eta int=Text14",
     {"Lnw (dB)", "Ci (dB)", "Ci 50_5000 (dB)"},
     "Ln"},
    {5,
     "m' (kg/m²)=Text10;s (mm)=Text11;V ricevente (m³)=Text13;Cantiere=Text16",
     {"Lnw (dB)", "Ci (dB)", "C50_5000 (dB)"},
     "Ln"},
    {6, "m' (kg/m²)=Text10;s (mm)=Text11", {"DLnw (dB)", "Ci (dB)", "Ci 50-3150 (dB)"}, "DLn"},
    {7, "m' (kg/m²)=Text10;s (mm)=Text11;Area (m²)=Text12", {"Rw (dB)", "C (dB)", "Ctr (dB)"}, "R"},
    {10, "s (mm)=Text11;fc (Hz)=Text13", {"Dnew (dB)", "C (dB)", "Ctr (dB)"}, "Dn"},
};

const ColonneAttese& AttesePer(int codice)
{
    for (const ColonneAttese& a : kColonneAttese)
        if (a.codice == codice)
            return a;
    qFatal("no expected columns for code %d", codice);
}

// Box texts of one version of an entry, and the values the table must then hold.
struct Versione
{
    QHash<QString, QString> caselle; // box -> text typed
    QDate data;

    static Versione Di(const QString& nome, int v)
    {
        Versione r;
        r.caselle = {
            {QStringLiteral("Text15"), nome},
            {QStringLiteral("Combo1"), QStringLiteral("Parola %1").arg(v)},
            {QStringLiteral("Text3"), QStringLiteral("Descrizione %1").arg(v)},
            {QStringLiteral("Text8"), QStringLiteral("Note %1").arg(v)},
            {QStringLiteral("Text16"), QStringLiteral("Cantiere %1").arg(v)},
            {QStringLiteral("Text4"), QStringLiteral("Cert %1").arg(v)},
            {QStringLiteral("Text6"), QStringLiteral("Ente %1").arg(v)},
            {QStringLiteral("Text7"), QStringLiteral("Società %1").arg(v)},
            {QStringLiteral("Text11"), QString::number(110 + v)},
            {QStringLiteral("Text2(21)"), QStringLiteral("%1,5").arg(50 + v)},
            {QStringLiteral("Text2(22)"), QString::number(-1 - v)},
            {QStringLiteral("Text2(23)"), QString::number(-3 - v)},
        };
        for (int k : {10, 12, 13, 14})
            r.caselle.insert(QStringLiteral("Text%1").arg(k), QStringLiteral("%1,25").arg(k * 10 + v));
        for (int i = 0; i < 21; ++i)
            r.caselle.insert(QStringLiteral("Text2(%1)").arg(i), QStringLiteral("%1,5").arg(30 + i + v));
        r.data = v == 0 ? QDate(2010, 3, 5) : QDate(2009, 12, 25);
        return r;
    }

    double Numero(const QString& casella) const { return QLocale().toDouble(caselle.value(casella)); }

    QVariantMap Attese(int codice, const QString& immagine) const
    {
        QVariantMap c{
            {QStringLiteral("Nome"), caselle.value("Text15")},
            {QStringLiteral("Parola chiave"), caselle.value("Combo1")},
            {QStringLiteral("Descrizione"), caselle.value("Text3")},
            {QStringLiteral("Certificato"), caselle.value("Text4")},
            {QStringLiteral("Data Prova"),
             QStringLiteral("%1/%2/%3").arg(data.day()).arg(data.month()).arg(data.year())},
            {QStringLiteral("Ente di prova"), caselle.value("Text6")},
            {QStringLiteral("Società richiedente"), caselle.value("Text7")},
            {QStringLiteral("Informazione addizionale"), caselle.value("Text8")},
            {QStringLiteral("Immagine"), immagine},
        };
        const ColonneAttese& a = AttesePer(codice);
        for (const QString& coppia : QString::fromUtf8(a.fisiche).split(QLatin1Char(';'))) {
            const QStringList parti = coppia.split(QLatin1Char('='));
            if (parti[0] == QLatin1String("Cantiere"))
                c.insert(parti[0], caselle.value(parti[1]));
            else
                c.insert(parti[0], Numero(parti[1]));
        }
        for (int r = 0; r < 3; ++r)
            c.insert(QString::fromUtf8(a.valutazioni[r]), Numero(QStringLiteral("Text2(%1)").arg(21 + r)));
        for (int i = 0; i < 21; ++i)
            c.insert(Banda(QString::fromUtf8(a.prefisso), i), Numero(QStringLiteral("Text2(%1)").arg(i)));
        return c;
    }
};

} // namespace

class TestForm3 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlliEDidascalie();
    void impostazioneCategoria_data();
    void impostazioneCategoria();
    void statoDiProgettoNuovo_data();
    void statoDiProgettoNuovo();
    void paroleChiave();
    void paroleChiaveSoloRigaZero();
    void copiaInModifica_data();
    void copiaInModifica();
    void annullaNonScrive();
    void nomeVuotoODuplicato_data();
    void nomeVuotoODuplicato();
    void numeroNonValido_data();
    void numeroNonValido();
    void tagliaAlPrimoACapo_data();
    void tagliaAlPrimoACapo();
    void immagineEsistenteRestaVecchia();
    void immagineNuovaCopiata();
    void senzaImmagineNonCopia_data();
    void senzaImmagineNonCopia();
    void cartellaImmaginiMancante();
    void ordineTabulazione();
    void anelloFrecce_data();
    void anelloFrecce();
    void tastiNelleCaselle();
    void inserisciModificaRinomina_data();
    void inserisciModificaRinomina();

private:
    std::unique_ptr<Form3> Apri(int codice, const QString& modo,
                                const MaterialeMostrato& mostrato = MaterialeMostrato());
    void Riempi(Form3& f, const Versione& v);
    void Salva(Form3& f) { f.findChild<QPushButton*>("Command2")->click(); }
    QLineEdit* Testo(Form3& f, const QString& nome) { return f.findChild<QLineEdit*>(nome); }

    std::unique_ptr<TestSupport::AmbienteDati> ambiente_;
    int ricariche_ = 0;
};

void TestForm3::initTestCase()
{
    TestSupport::PreparaAmbiente();
}

void TestForm3::init()
{
    ambiente_ = std::make_unique<TestSupport::AmbienteDati>();
    QVERIFY(ambiente_->ok());
    ZelmarCommonModule::CaricaMessaggi();
    QVERIFY(ZelmarCommonModule::Messaggi.size() >= 87);
    Module1::RiempiEtichetteBande();
    MessageBox::clearShown();
    FileDialog::clear();
    ricariche_ = 0;
}

void TestForm3::cleanup()
{
    Module1::Azzera();
    ambiente_.reset();
}

std::unique_ptr<Form3> TestForm3::Apri(int codice, const QString& modo, const MaterialeMostrato& mostrato)
{
    ScegliTabellaPersonale(codice);
    auto f = std::make_unique<Form3>();
    f->SetModo(modo);
    f->SetMaterialeMostrato(mostrato);
    f->SetRicarica([this] { ++ricariche_; });
    f->InitMateriale();
    return f;
}

void TestForm3::Riempi(Form3& f, const Versione& v)
{
    for (auto it = v.caselle.cbegin(); it != v.caselle.cend(); ++it) {
        if (it.key() == QLatin1String("Combo1"))
            f.findChild<QComboBox*>("Combo1")->setEditText(it.value());
        else
            Testo(f, it.key())->setText(it.value());
    }
    f.findChild<QCalendarWidget*>("MonthView1")->setSelectedDate(v.data);
}

void TestForm3::controlliEDidascalie()
{
    auto f = Apri(catRwLaboratorio, QStringLiteral("1"), MostratoTipico());
    QCOMPARE(f->windowTitle(), QStringLiteral("Nuovo materiale"));
    QCOMPARE(f->size(), QSize(768, 626));
    QCOMPARE(f->palette().color(QPalette::Window), QColor(0xF0, 0xF0, 0xF0));
    const char* const nomi[] = {"Text15", "Text3",  "Text8",  "Text9",  "Text16", "Text4", "Text6",
                                "Text7",  "Text10", "Text11", "Text12", "Text13", "Text14"};
    for (const char* n : nomi)
        QVERIFY2(Testo(*f, QString::fromLatin1(n)), n);
    for (int i = 0; i < 24; ++i) {
        QVERIFY(Testo(*f, QStringLiteral("Text1(%1)").arg(i))->isReadOnly());
        QVERIFY(Testo(*f, QStringLiteral("Text2(%1)").arg(i)));
    }
    for (int n = 0; n < 16; ++n)
        QVERIFY(f->findChild<QLabel*>(QStringLiteral("Label1(%1)").arg(n)));
    for (const char* n : {"FrameInfogenerali", "FrameCertificato", "Frame1", "FrameMateriale"})
        QVERIFY2(f->findChild<QWidget*>(QString::fromLatin1(n)), n);
    QVERIFY(f->findChild<QComboBox*>("Combo1")->isEditable());
    QVERIFY(Testo(*f, "Text9")->isReadOnly());
    QCOMPARE(f->findChild<QPushButton*>("Command1")->text(), QStringLiteral("..."));
    QCOMPARE(Testo(*f, "Text15")->maxLength(), 255);
    QCOMPARE(Testo(*f, "Text4")->maxLength(), 50);
    QVERIFY(Testo(*f, "Text16")->maxLength() > 100000);

    // Captions from the catalogue.
    QCOMPARE(f->findChild<QLabel*>("Label4")->text(), M(38));
    QCOMPARE(f->findChild<QLabel*>("Label1(11)")->text(), M(48));
    QCOMPARE(f->findChild<QLabel*>("Label1(7)")->text(), M(41));
    QCOMPARE(f->findChild<QLabel*>("Label1(6)")->text(), QStringLiteral("m'[kg/m²]"));
    QCOMPARE(f->findChild<QLabel*>("Label1(0)")->text(), M(9));
    QCOMPARE(f->findChild<QPushButton*>("Command2")->text(), M(53));
    QCOMPARE(f->findChild<QPushButton*>("Command3")->text(), M(54));
    QCOMPARE(Testo(*f, "Text1(13)")->text(), QStringLiteral("1000"));
    QCOMPARE(Testo(*f, "Text1(22)")->text(), M(50) + QStringLiteral(" [dB]"));
    QCOMPARE(f->findChild<QLabel*>("Label1(14)")->palette().color(QPalette::WindowText), kBluScuro);
    QCOMPARE(f->findChild<QLabel*>("Label6")->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(f->findChild<QLabel*>("Label6")->palette().color(QPalette::Window), kBluScuro);
}

void TestForm3::impostazioneCategoria_data()
{
    QTest::addColumn<int>("codice");
    QTest::addColumn<QString>("valutazione1");
    QTest::addColumn<QString>("valutazione2");
    QTest::addColumn<QString>("valutazione3");
    QTest::addColumn<QString>("label2");
    QTest::addColumn<QString>("label9");
    QTest::addColumn<QString>("label10");
    QTest::addColumn<QString>("visibili"); // boxes shown, each with its caption

    QTest::newRow("1 Rw") << 1 << "{20} [dB]"
                          << "{50} [dB]"
                          << "{51} [dB]"
                          << "{10}"
                          << "{80}"
                          << "{81}"
                          << "Text10 Text11 Text12 Text13 Text14";
    QTest::newRow("2 R'w") << 2 << "{82}"
                           << "{50} [dB]"
                           << "{51} [dB]"
                           << "{83}"
                           << "Vr [m³]"
                           << "Ve [m³]"
                           << "Text16 Text10 Text11 Text12 Text13 Text14";
    QTest::newRow("3 DRw") << 3 << "{21} [dB]"
                           << "{50} [dB]"
                           << "{51} [dB]"
                           << "{84} [dB]"
                           << "Vr [m³]"
                           << "Ve [m³]"
                           << "Text10 Text11";
    QTest::newRow("4 Lnw") << 4 << "{22} [dB]"
                           << "Ci [dB]"
                           << "C 50-5000 [dB]"
                           << "{85}  [dB]"
                           << "fc [Hz]"
                           << "Eta int"
                           << "Text10 Text11 Text13 Text14";
    QTest::newRow("5 L'nw") << 5 << "{25}  [dB]"
                            << "Ci [dB]"
                            << "C 50-5000 [dB]"
                            << "{18}  [dB]"
                            << "Vr [m³]"
                            << "Ve [m³]"
                            << "Text16 Text10 Text11 Text13";
    QTest::newRow("6 DLw") << 6 << "{23}  [dB]"
                           << "Ci [dB]"
                           << "Ci 50-3150 [dB]"
                           << "{86}  [dB]"
                           << "Vr [m³]"
                           << "Ve [m³]"
                           << "Text10 Text11";
    QTest::newRow("7 windows") << 7 << "{20}  [dB]"
                               << "{50}  [dB]"
                               << "{51}  [dB]"
                               << "{10}  [dB]"
                               << "Vr [m³]"
                               << "Ve [m³]"
                               << "Text10 Text11 Text12";
    QTest::newRow("10 Dnew") << 10 << "{79}  [dB]"
                             << "{50}  [dB]"
                             << "{51}  [dB]"
                             << "{87}  [dB]"
                             << "{80} "
                             << "Ve [m³]"
                             << "Text11 Text13";
    QTest::newRow("8 theoretical: design state") << 8 << "{20} [dB]"
                                                 << "{50} [dB]"
                                                 << "{51} [dB]"
                                                 << "{10}"
                                                 << "Vr [m³]"
                                                 << "Ve [m³]"
                                                 << "Text10 Text11 Text12 Text13 Text14";
}

void TestForm3::impostazioneCategoria()
{
    QFETCH(int, codice);
    QFETCH(QString, valutazione1);
    QFETCH(QString, valutazione2);
    QFETCH(QString, valutazione3);
    QFETCH(QString, label2);
    QFETCH(QString, label9);
    QFETCH(QString, label10);
    QFETCH(QString, visibili);

    auto f = Apri(codice, QStringLiteral("0"));
    QCOMPARE(Testo(*f, "Text1(21)")->text(), Espandi(valutazione1));
    QCOMPARE(Testo(*f, "Text1(22)")->text(), Espandi(valutazione2));
    QCOMPARE(Testo(*f, "Text1(23)")->text(), Espandi(valutazione3));
    QCOMPARE(f->findChild<QLabel*>("Label2")->text(), Espandi(label2));
    QCOMPARE(f->findChild<QLabel*>("Label1(9)")->text(), Espandi(label9));
    QCOMPARE(f->findChild<QLabel*>("Label1(10)")->text(), Espandi(label10));

    const QStringList attesi = visibili.split(QLatin1Char(' '));
    const std::pair<const char*, const char*> coppie[] = {{"Text16", "Label1(1)"}, {"Text10", "Label1(6)"},
                                                          {"Text11", "Label1(7)"}, {"Text12", "Label1(8)"},
                                                          {"Text13", "Label1(9)"}, {"Text14", "Label1(10)"}};
    for (const auto& [casella, didascalia] : coppie) {
        const bool atteso = attesi.contains(QString::fromLatin1(casella));
        QCOMPARE(!Testo(*f, casella)->isHidden(), atteso);
        QCOMPARE(!f->findChild<QLabel*>(didascalia)->isHidden(), atteso);
    }
    QCOMPARE(TestSupport::DidascalieTagliate(&*f), QStringList());
}

void TestForm3::statoDiProgettoNuovo_data()
{
    QTest::addColumn<int>("codice");
    QTest::addColumn<QString>("text14");
    for (int codice : {1, 2, 3, 4, 5, 6, 7, 10})
        QTest::addRow("code %d", codice)
            << codice << ((codice == 1 || codice == 4) ? QStringLiteral("0,01") : QStringLiteral("0,0"));
}

void TestForm3::statoDiProgettoNuovo()
{
    QFETCH(int, codice);
    QFETCH(QString, text14);
    auto f = Apri(codice, QStringLiteral("0"), MostratoTipico());
    QCOMPARE(Testo(*f, "Text14")->text(), text14);
    for (const char* n : {"Text10", "Text11", "Text12", "Text13", "Text2(0)", "Text2(20)", "Text2(21)"})
        QCOMPARE(Testo(*f, n)->text(), QStringLiteral("0,0"));
    QCOMPARE(Testo(*f, "Text2(22)")->text(), QStringLiteral("0"));
    QCOMPARE(Testo(*f, "Text2(23)")->text(), QStringLiteral("0"));
    QCOMPARE(Testo(*f, "Text9")->text(), QStringLiteral("senza"));
    QVERIFY(Testo(*f, "Text15")->text().isEmpty());
    QCOMPARE(f->findChild<QCalendarWidget*>("MonthView1")->selectedDate(), QDate::currentDate());
}

void TestForm3::paroleChiave()
{
    for (const QString& modo : {QStringLiteral("0"), QStringLiteral("1")}) {
        auto f = Apri(catLnwLaboratorio, modo, MostratoTipico());
        auto* combo = f->findChild<QComboBox*>("Combo1");
        QCOMPARE(combo->currentText(), QStringLiteral("Laterizio"));
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(1), QStringLiteral("Legno"));
    }
}

void TestForm3::paroleChiaveSoloRigaZero()
{
    MaterialeMostrato m = MostratoTipico();
    m.paroleChiave = QStringList{QStringLiteral("Tutti i materiali")};
    auto f = Apri(catRwLaboratorio, QStringLiteral("1"), m);
    auto* combo = f->findChild<QComboBox*>("Combo1");
    QCOMPARE(combo->count(), 0);
    QVERIFY(combo->currentText().isEmpty());
}

// What modify mode copies, per category: boxes from the information window (F2-k),
// the kept ratings, and the design texts of the boxes the category does not copy.
void TestForm3::copiaInModifica_data()
{
    QTest::addColumn<int>("codice");
    QTest::addColumn<QString>("caselle"); // Text10..Text14, Text16
    QTest::addColumn<QString>("valutazioni");

    QTest::newRow("1") << 1 << "F2-6 F2-7 F2-8 F2-9 F2-10 -"
                       << "52,5 -1,25 -4";
    QTest::newRow("2") << 2 << "F2-6 F2-7 F2-8 F2-9 F2-10 F2-11"
                       << "52,5 -1,25 -4";
    QTest::newRow("3") << 3 << "F2-6 F2-7 0,0 0,0 0,0 -"
                       << "52,5 -1,25 -4";
    QTest::newRow("4") << 4 << "F2-6 F2-7 0,0 F2-9 F2-10 -"
                       << "58 0,5 3";
    QTest::newRow("5") << 5 << "F2-6 F2-7 0,0 F2-9 0,0 F2-11"
                       << "58 0,5 3";
    QTest::newRow("6") << 6 << "F2-6 F2-7 0,0 0,0 0,0 -"
                       << "20,7 0,5 3";
    QTest::newRow("7") << 7 << "F2-6 F2-7 F2-8 0,0 0,0 -"
                       << "52,5 -1,25 -4";
    QTest::newRow("10") << 10 << "0,0 F2-7 0,0 F2-9 0,0 -"
                        << "45,9 -1,25 -4";
}

void TestForm3::copiaInModifica()
{
    QFETCH(int, codice);
    QFETCH(QString, caselle);
    QFETCH(QString, valutazioni);

    auto f = Apri(codice, QStringLiteral("1"), MostratoTipico());
    QCOMPARE(Testo(*f, "Text15")->text(), QStringLiteral("Muro mostrato"));
    QCOMPARE(Testo(*f, "Text3")->text(), QStringLiteral("Prima riga seconda riga"));
    QCOMPARE(Testo(*f, "Text8")->text(), QStringLiteral("F2-4"));
    QCOMPARE(Testo(*f, "Text9")->text(), QStringLiteral("F2-5"));
    QCOMPARE(Testo(*f, "Text4")->text(), QStringLiteral("F2-0"));
    QCOMPARE(Testo(*f, "Text6")->text(), QStringLiteral("F2-2"));
    QCOMPARE(Testo(*f, "Text7")->text(), QStringLiteral("F2-3"));
    QCOMPARE(f->findChild<QCalendarWidget*>("MonthView1")->selectedDate(), QDate(2009, 12, 25));
    for (int i = 0; i < 21; ++i)
        QCOMPARE(Testo(*f, QStringLiteral("Text2(%1)").arg(i))->text(), QStringLiteral("%1,5").arg(20 + i));

    const QStringList attese = caselle.split(QLatin1Char(' '));
    const char* const nomi[] = {"Text10", "Text11", "Text12", "Text13", "Text14"};
    for (int k = 0; k < 5; ++k)
        QCOMPARE(Testo(*f, nomi[k])->text(), attese[k]);
    QCOMPARE(Testo(*f, "Text16")->text(), attese[5] == QLatin1String("-") ? QString() : attese[5]);

    const QStringList valori = valutazioni.split(QLatin1Char(' '));
    for (int r = 0; r < 3; ++r)
        QCOMPARE(Testo(*f, QStringLiteral("Text2(%1)").arg(21 + r))->text(), valori[r]);

    // Texts longer than their boxes show their beginning.
    for (const char* nome : {"Text15", "Text3", "Text8", "Text6", "Text16"})
        QCOMPARE(Testo(*f, nome)->cursorPosition(), 0);
}

void TestForm3::annullaNonScrive()
{
    const QByteArray prima = Contenuto(PercorsoPersonale());
    auto f = Apri(catRwLaboratorio, QStringLiteral("0"));
    Riempi(*f, Versione::Di(QStringLiteral("Da non salvare"), 0));
    f->findChild<QPushButton*>("Command3")->click();
    QCOMPARE(f->result(), int(QDialog::Rejected));
    QCOMPARE(ricariche_, 0);
    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(Contenuto(PercorsoPersonale()), prima);
}

void TestForm3::nomeVuotoODuplicato_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<QString>("selezionato");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("messaggio");

    QTest::newRow("empty name") << "0"
                                << ""
                                << "" << 56;
    QTest::newRow("existing name in other case") << "0"
                                                 << ""
                                                 << "MURO DOPPIO" << 57;
    QTest::newRow("another entry's name") << "1"
                                          << "Altro muro"
                                          << "muro doppio" << 57;
    QTest::newRow("entry to modify gone") << "1"
                                          << "Fantasma"
                                          << "Fantasma" << 58;
}

void TestForm3::nomeVuotoODuplicato()
{
    QFETCH(QString, modo);
    QFETCH(QString, selezionato);
    QFETCH(QString, nome);
    QFETCH(int, messaggio);

    for (const char* esistente : {"Muro doppio", "Altro muro"}) {
        auto f = Apri(catRwLaboratorio, QStringLiteral("0"));
        Riempi(*f, Versione::Di(QString::fromUtf8(esistente), 0));
        Salva(*f);
        QCOMPARE(f->result(), int(QDialog::Accepted));
    }
    const int righe = ContaRighe(catRwLaboratorio);
    MaterialeMostrato m = MostratoTipico();
    m.nomeSelezionato = selezionato;
    auto f = Apri(catRwLaboratorio, modo, m);
    Riempi(*f, Versione::Di(nome, 1));
    f->show();
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    Testo(*f, "Text4")->setFocus();
    ricariche_ = 0;
    MessageBox::clearShown();
    Salva(*f);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().text, M(messaggio));
    QCOMPARE(MessageBox::shown().first().icon, MessageBox::Critical);
    QCOMPARE(QApplication::focusWidget(), Testo(*f, "Text15"));
    QVERIFY(f->isVisible());
    QCOMPARE(ricariche_, 0);
    QCOMPARE(ContaRighe(catRwLaboratorio), righe);
    QCOMPARE(LeggiRiga(catRwLaboratorio, QStringLiteral("Muro doppio")).value("Descrizione"),
             QVariant(QStringLiteral("Descrizione 0")));
}

// A box whose text the engine cannot store: one message naming the value, its caption
// left red, nothing stored, the editor still open; a corrected second try saves.
void TestForm3::numeroNonValido_data()
{
    QTest::addColumn<int>("codice");
    QTest::addColumn<QString>("casella");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("didascalia");
    QTest::addColumn<bool>("sfondo");
    QTest::addColumn<QString>("contesto");

    QTest::newRow("surface mass") << 1 << "Text10"
                                  << "abc"
                                  << "Label1(6)" << false << "{59}";
    QTest::newRow("empty source room") << 2 << "Text14"
                                       << ""
                                       << "Label1(10)" << false << "{64}";
    QTest::newRow("receiving room, full stop") << 5 << "Text13"
                                               << "12.5.3"
                                               << "Label1(9)" << false << "{65}";
    QTest::newRow("DLw rating") << 6 << "Text2(21)"
                                << "x"
                                << "Text1(21)" << true << "{77} {32}";
    QTest::newRow("C term empty") << 3 << "Text2(22)"
                                  << ""
                                  << "Text1(22)" << true << "{77} {50}";
    QTest::newRow("band 160 Hz") << 10 << "Text2(5)"
                                 << "1,2,3"
                                 << "Text1(5)" << false << "{78} 160 Hz";
}

void TestForm3::numeroNonValido()
{
    QFETCH(int, codice);
    QFETCH(QString, casella);
    QFETCH(QString, testo);
    QFETCH(QString, didascalia);
    QFETCH(bool, sfondo);
    QFETCH(QString, contesto);

    const QByteArray prima = Contenuto(PercorsoPersonale());
    auto f = Apri(codice, QStringLiteral("0"));
    Riempi(*f, Versione::Di(QStringLiteral("Numero sbagliato"), 0));
    Testo(*f, casella)->setText(testo);
    Salva(*f);

    QCOMPARE(MessageBox::shown().size(), 1);
    const MessageBox::Shown& mostrato = MessageBox::shown().first();
    QCOMPARE(mostrato.icon, MessageBox::Critical);
    const QString inizio = M(67) + QStringLiteral("\r\n") + Espandi(contesto) + QStringLiteral("\r\n(");
    QVERIFY2(mostrato.text.startsWith(inizio), qPrintable(mostrato.text));
    QVERIFY(mostrato.text.endsWith(QLatin1Char(')')) && mostrato.text.size() > inizio.size() + 1);

    QWidget* marcata = f->findChild<QWidget*>(didascalia);
    const QPalette::ColorRole ruolo =
        sfondo ? QPalette::Base : (qobject_cast<QLabel*>(marcata) ? QPalette::WindowText : QPalette::Text);
    QCOMPARE(marcata->palette().color(ruolo), kRosso);
    QCOMPARE(f->findChild<QLabel*>("Label1(11)")->palette().color(QPalette::WindowText), kBluScuro);
    QVERIFY(f->result() != QDialog::Accepted);
    QCOMPARE(ricariche_, 0);
    QCOMPARE(Testo(*f, casella)->text(), testo);
    QVERIFY(LeggiRiga(codice, QStringLiteral("Numero sbagliato")).isEmpty());
    QCOMPARE(Contenuto(PercorsoPersonale()), prima);

    Testo(*f, casella)->setText(QStringLiteral("5"));
    Salva(*f);
    QCOMPARE(f->result(), int(QDialog::Accepted));
    QCOMPARE(marcata->palette().color(ruolo), kBluScuro);
    QCOMPARE(ricariche_, 1);
    QVERIFY(!LeggiRiga(codice, QStringLiteral("Numero sbagliato")).isEmpty());
}

void TestForm3::tagliaAlPrimoACapo_data()
{
    QTest::addColumn<QString>("casella");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("atteso");
    QTest::addColumn<QString>("colonna");

    QTest::newRow("name on two lines") << "Text15"
                                       << "Muro\r\nlaterizio"
                                       << "Muro"
                                       << "Nome";
    QTest::newRow("description trimmed before LF") << "Text3"
                                                   << "  Prima riga  \nseconda"
                                                   << "Prima riga"
                                                   << "Descrizione";
    QTest::newRow("description without break untouched") << "Text3"
                                                         << "  con spazi  "
                                                         << "  con spazi  "
                                                         << "Descrizione";
    QTest::newRow("notes cut at CR") << "Text8"
                                     << "Nota\rseguito"
                                     << "Nota"
                                     << "Informazione addizionale";
    QTest::newRow("site") << "Text16"
                          << " Cantiere A \r\nB"
                          << "Cantiere A"
                          << "Cantiere";
    QTest::newRow("certificate is not cut") << "Text4"
                                            << "A\nB"
                                            << "A\nB"
                                            << "Certificato";
}

void TestForm3::tagliaAlPrimoACapo()
{
    QFETCH(QString, casella);
    QFETCH(QString, testo);
    QFETCH(QString, atteso);
    QFETCH(QString, colonna);

    auto f = Apri(catRwInOpera, QStringLiteral("0"));
    Riempi(*f, Versione::Di(QStringLiteral("Parete a capo"), 0));
    Testo(*f, casella)->setText(testo);
    Testo(*f, "Text13")->setText(QStringLiteral("12,5\r\n"));
    Salva(*f);
    QCOMPARE(f->result(), int(QDialog::Accepted));
    QCOMPARE(Testo(*f, casella)->text(), atteso);
    const QString nome = Testo(*f, "Text15")->text();
    const QVariantMap riga = LeggiRiga(catRwInOpera, nome);
    QCOMPARE(riga.value(colonna), QVariant(atteso));
    QCOMPARE(riga.value("V ricevente (m³)"), QVariant(12.5));
}

void TestForm3::immagineEsistenteRestaVecchia()
{
    QTemporaryDir sorgenti;
    const QString scelta = sorgenti.filePath(QStringLiteral("muro 1.jpg"));
    QVERIFY(Scrivi(scelta, "NUOVA"));
    const QString destinazione =
        ZelmarCommonModule::GetCartellaImmagini(CartellaDi(catRwLaboratorio)) + QStringLiteral("muro 1.jpg");
    QVERIFY(Scrivi(destinazione, "VECCHIA"));

    auto f = Apri(catRwLaboratorio, QStringLiteral("0"));
    Riempi(*f, Versione::Di(QStringLiteral("Muro con foto"), 0));
    FileDialog::setNextFileName(QStringLiteral("  ") + scelta + QStringLiteral(" "));
    f->findChild<QPushButton*>("Command1")->click();
    const auto richiesta = FileDialog::lastRequest();
    QVERIFY(richiesta);
    QCOMPARE(richiesta->title, M(55));
    QCOMPARE(richiesta->filters, (QStringList{"JPEG Files (*.jpg)", "Bitmap Files (*.bmp)",
                                              "GIF Files (*.gif)", "Icon Files (*.ico)"}));
    QCOMPARE(richiesta->selectedFilter, 0);
    QCOMPARE(Testo(*f, "Text9")->text(), QStringLiteral("muro 1.jpg"));
    QCOMPARE(ImmagineMateriale::PercorsoImmagineScelta, scelta);

    Salva(*f);
    QCOMPARE(f->result(), int(QDialog::Accepted));
    QCOMPARE(Contenuto(destinazione), QByteArray("VECCHIA"));
    QCOMPARE(LeggiRiga(catRwLaboratorio, QStringLiteral("Muro con foto")).value("Immagine"),
             QVariant(QStringLiteral("muro 1.jpg")));
}

void TestForm3::immagineNuovaCopiata()
{
    QTemporaryDir sorgenti;
    const QString scelta = sorgenti.filePath(QStringLiteral("finestra.jpg"));
    QVERIFY(Scrivi(scelta, "FINESTRA"));
    auto f = Apri(catInfissi, QStringLiteral("0"));
    Riempi(*f, Versione::Di(QStringLiteral("Finestra con foto"), 0));
    FileDialog::setNextFileName(scelta);
    f->findChild<QPushButton*>("Command1")->click();
    Salva(*f);
    QCOMPARE(f->result(), int(QDialog::Accepted));
    QCOMPARE(Contenuto(ZelmarCommonModule::GetCartellaImmagini(CartellaDi(catInfissi)) + "finestra.jpg"),
             QByteArray("FINESTRA"));
    // The same name in another category's folder is a different file.
    QVERIFY(!QFile::exists(ZelmarCommonModule::GetCartellaImmagini(CartellaDi(catRwLaboratorio)) +
                           "finestra.jpg"));
}

void TestForm3::senzaImmagineNonCopia_data()
{
    QTest::addColumn<QString>("lingua");
    QTest::addColumn<bool>("annulla");
    for (const char* lingua : {"Italiano", "English"}) {
        QTest::addRow("%s, dialogo annullato", lingua) << lingua << true;
        QTest::addRow("%s, mai scelta", lingua) << lingua << false;
    }
}

// An entry without a picture of its own (the dialog cancelled, or never used for this entry)
// copies nothing, in every language, although a picture was chosen before.
void TestForm3::senzaImmagineNonCopia()
{
    QFETCH(QString, lingua);
    QFETCH(bool, annulla);
    ambiente_->scriviIni(lingua, ambiente_->cartellaDati());
    ZelmarCommonModule::CaricaMessaggi();
    QTemporaryDir sorgenti;
    const QString scelta = sorgenti.filePath(QStringLiteral("scelta prima.jpg"));
    QVERIFY(Scrivi(scelta, "PRIMA"));
    ImmagineMateriale::PercorsoImmagineScelta = scelta;
    auto f = Apri(catLnwLaboratorio, QStringLiteral("0"));
    Riempi(*f, Versione::Di(QStringLiteral("Solaio senza foto"), 0));
    if (annulla) {
        FileDialog::setNextFileName(QString());
        f->findChild<QPushButton*>("Command1")->click();
        QCOMPARE(ImmagineMateriale::PercorsoImmagineScelta, scelta);
    }
    const QString marcatore = Testo(*f, "Text9")->text();
    Salva(*f);
    QCOMPARE(f->result(), int(QDialog::Accepted));
    const QString cartella = ZelmarCommonModule::GetCartellaImmagini(CartellaDi(catLnwLaboratorio));
    QVERIFY(!QFile::exists(cartella + "scelta prima.jpg"));
    QVERIFY(!QFile::exists(cartella + marcatore));
    QCOMPARE(LeggiRiga(catLnwLaboratorio, QStringLiteral("Solaio senza foto")).value("Immagine"),
             QVariant(M(66)));
}

void TestForm3::cartellaImmaginiMancante()
{
    QTemporaryDir sorgenti;
    const QString scelta = sorgenti.filePath(QStringLiteral("elemento.jpg"));
    QVERIFY(Scrivi(scelta, "X"));
    QVERIFY(
        QDir(ZelmarCommonModule::GetCartellaImmagini(CartellaDi(catDnewLaboratorio))).removeRecursively());
    auto f = Apri(catDnewLaboratorio, QStringLiteral("0"));
    Riempi(*f, Versione::Di(QStringLiteral("Elemento"), 0));
    FileDialog::setNextFileName(scelta);
    f->findChild<QPushButton*>("Command1")->click();
    Salva(*f);
    QCOMPARE(f->result(), int(QDialog::Accepted));
    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(LeggiRiga(catDnewLaboratorio, QStringLiteral("Elemento")).value("Immagine"),
             QVariant(QStringLiteral("elemento.jpg")));
}

void TestForm3::ordineTabulazione()
{
    auto f = Apri(catRwInOpera, QStringLiteral("0"));
    QStringList attesi{"Text15", "Combo1", "Text3", "Text8", "Text9",     "Command1",
                       "Text16", "Text4",  "Text6", "Text7", "MonthView1"};
    for (int i = 0; i < 24; ++i)
        attesi << QStringLiteral("Text2(%1)").arg(i);
    attesi << "Text10"
           << "Text11"
           << "Text12"
           << "Text13"
           << "Text14"
           << "Command2"
           << "Command3";
    // The focus chain from the name box, leaving out the inner parts of the composite controls.
    QStringList catena;
    QWidget* w = Testo(*f, "Text15");
    do {
        if (attesi.contains(w->objectName()) && !catena.contains(w->objectName()))
            catena << w->objectName();
        w = w->nextInFocusChain();
    } while (w != Testo(*f, "Text15"));
    QCOMPARE(catena, attesi);
}

void TestForm3::anelloFrecce_data()
{
    QTest::addColumn<int>("da");
    QTest::addColumn<bool>("giu");
    QTest::addColumn<int>("a");
    QTest::newRow("down from the last band") << 20 << true << 0;
    QTest::newRow("up from the first band") << 0 << false << 20;
    QTest::newRow("down in the grid") << 5 << true << 6;
    QTest::newRow("up in the grid") << 6 << false << 5;
    QTest::newRow("up from the main rating") << 21 << false << 20;
    QTest::newRow("down from the main rating") << 21 << true << 22;
    QTest::newRow("down from C") << 22 << true << 23;
    QTest::newRow("up from Ctr") << 23 << false << 22;
    QTest::newRow("down from Ctr stays") << 23 << true << 23;
}

void TestForm3::anelloFrecce()
{
    QFETCH(int, da);
    QFETCH(bool, giu);
    QFETCH(int, a);
    auto f = Apri(catRwLaboratorio, QStringLiteral("1"), MostratoTipico());
    f->show();
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    QLineEdit* partenza = Testo(*f, QStringLiteral("Text2(%1)").arg(da));
    partenza->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), partenza);
    QTest::keyClick(partenza, giu ? Qt::Key_Down : Qt::Key_Up);
    QLineEdit* arrivo = Testo(*f, QStringLiteral("Text2(%1)").arg(a));
    QTRY_COMPARE(QApplication::focusWidget(), arrivo);
    QVERIFY(!arrivo->text().isEmpty());
    QCOMPARE(arrivo->selectedText(), arrivo->text());
    QCOMPARE(arrivo->cursorPosition(), 0);
}

// Keys as the user types them: characters filtered, editing and moving keys kept.
void TestForm3::tastiNelleCaselle()
{
    auto f = Apri(catRwLaboratorio, QStringLiteral("0"));
    f->show();
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    QLineEdit* banda = Testo(*f, "Text2(0)");
    QTest::keyClick(banda, Qt::Key_Tab); // any focus change; then focus the band box itself
    banda->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), banda);
    QCOMPARE(banda->selectedText(), QStringLiteral("0,0"));

    QTest::keyClicks(banda, QStringLiteral("-1,5,.e-3E"));
    QCOMPARE(banda->text(), QStringLiteral("1,5E-3"));
    QGuiApplication::clipboard()->setText(QStringLiteral("99"));
    QTest::keyClick(banda, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(banda, Qt::Key_Return);
    QCOMPARE(banda->text(), QStringLiteral("1,5E-3"));
    QVERIFY(f->isVisible());
    QTest::keyClick(banda, Qt::Key_Left);
    QCOMPARE(banda->cursorPosition(), 5);
    QTest::keyClick(banda, Qt::Key_Home);
    QTest::keyClick(banda, Qt::Key_Delete);
    QCOMPARE(banda->text(), QStringLiteral(",5E-3"));
    QTest::keyClick(banda, Qt::Key_End);
    QTest::keyClick(banda, Qt::Key_Backspace);
    QCOMPARE(banda->text(), QStringLiteral(",5E-"));

    QLineEdit* spessore = Testo(*f, "Text11");
    spessore->clear();
    QTest::keyClicks(spessore, QStringLiteral("-1,5e"));
    QCOMPARE(spessore->text(), QStringLiteral("15"));

    QLineEdit* termine = Testo(*f, "Text2(22)");
    termine->clear();
    QTest::keyClicks(termine, QStringLiteral("--3,"));
    QCOMPARE(termine->text(), QStringLiteral("-3"));

    // Boxes without a filter take any character.
    QLineEdit* nome = Testo(*f, "Text15");
    QTest::keyClicks(nome, QStringLiteral("Muro-e,1"));
    QCOMPARE(nome->text(), QStringLiteral("Muro-e,1"));
    QTest::keyClick(nome, Qt::Key_Return);
    QVERIFY(f->isVisible());
    QCOMPARE(f->result(), int(QDialog::Rejected));
}

// Every category: a new entry, a change of it and a rename, each read back from the
// custom database file column by column.
void TestForm3::inserisciModificaRinomina_data()
{
    QTest::addColumn<int>("codice");
    for (int codice : {1, 2, 3, 4, 5, 6, 7, 10})
        QTest::addRow("code %d", codice) << codice;
}

void TestForm3::inserisciModificaRinomina()
{
    QFETCH(int, codice);
    const QString nome = QStringLiteral("Prova editor %1").arg(codice);
    const int righe = ContaRighe(codice);

    auto confronta = [&](const QString& nomeRiga, const Versione& v, const QString& immagine) {
        const QVariantMap riga = LeggiRiga(codice, nomeRiga);
        QVERIFY2(!riga.isEmpty(), qPrintable(nomeRiga));
        const QVariantMap attese = v.Attese(codice, immagine);
        QCOMPARE(riga.size(), attese.size());
        for (auto it = attese.cbegin(); it != attese.cend(); ++it)
            QVERIFY2(riga.value(it.key()) == it.value(),
                     qPrintable(it.key() + QStringLiteral(": ") + riga.value(it.key()).toString()));
    };

    const Versione nuova = Versione::Di(nome, 0);
    auto f = Apri(codice, QStringLiteral("0"), MostratoTipico());
    Riempi(*f, nuova);
    Salva(*f);
    QCOMPARE(f->result(), int(QDialog::Accepted));
    QCOMPARE(ricariche_, 1);
    QVERIFY(MessageBox::shown().isEmpty());
    confronta(nome, nuova, QStringLiteral("senza"));
    QCOMPARE(ContaRighe(codice), righe + 1);

    // Modify: the editor starts from what the main window shows of the entry.
    MaterialeMostrato mostrato = MostratoTipico();
    mostrato.nomeSelezionato = nome;
    mostrato.record->Imposta(RecordSchema::Nome(RecordSchema::Campo::Immagine), QStringLiteral("senza"));
    const Versione cambiata = Versione::Di(nome.toUpper(), 1);
    f = Apri(codice, QStringLiteral("1"), mostrato);
    Riempi(*f, cambiata);
    Salva(*f);
    QCOMPARE(f->result(), int(QDialog::Accepted));
    confronta(nome.toUpper(), cambiata, QStringLiteral("senza"));
    QCOMPARE(ContaRighe(codice), righe + 1);

    // Rename: the row is found by the name the list shows.
    mostrato.nomeSelezionato = nome.toUpper();
    const Versione rinominata = Versione::Di(nome + QStringLiteral(" bis"), 1);
    f = Apri(codice, QStringLiteral("1"), mostrato);
    Riempi(*f, rinominata);
    Salva(*f);
    QCOMPARE(f->result(), int(QDialog::Accepted));
    QVERIFY(LeggiRiga(codice, nome.toUpper()).isEmpty());
    confronta(nome + QStringLiteral(" bis"), rinominata, QStringLiteral("senza"));
    QCOMPARE(ContaRighe(codice), righe + 1);
    QCOMPARE(ricariche_, 3);
}

QTEST_MAIN(TestForm3)
#include "TestForm3.moc"
