// zelmar-gendata: writes a large, believable data folder for measuring the program on
// years' worth of test certificates.
//
//   zelmar-gendata <data folder> <entries> [--seed N] [--modello <data folder>] [--tabella <table>]
//
// Below <data folder>/Databases/Database it writes Database_sperimentale.mdb with each of
// the eight custom tables holding <entries> entries, and in every category folder one
// experimental file "Prove <entries>.mdb" (table "Prove <entries>") of the same size.
// --modello copies the message catalogue and the theoretical database from another data
// folder (the demo data), so that the result is a folder the program opens as it is.
// --tabella writes that custom table only, and no experimental file: a million entries of
// every table would take gigabytes where one table is measured.
//
// The same seed always gives the same files. Names are unique within a table; keywords
// come from a pool of about a thousand, the common ones more often, as in real archives.
// Stored ratings are those the rating engine computes from the entry's curve, except that
// one main rating in a hundred is a decibel off, as a check of the ratings would find it.

#include "Categorie.h"
#include "RecordSchema.h"
#include "ValutazioneMateriale.h"
#include "storage/sqlite/SqliteSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace {

struct ErroreGenerazione : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// splitmix64: small, fast and the same on every compiler, unlike the standard distributions.
class Casuale
{
public:
    explicit Casuale(quint64 seme) : stato_(seme) {}
    quint64 Prossimo()
    {
        quint64 z = (stato_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double Reale() { return double(Prossimo() >> 11) * 0x1.0p-53; } // [0, 1)
    double Tra(double minimo, double massimo) { return minimo + (massimo - minimo) * Reale(); }
    int Intero(int n) { return int(Prossimo() % quint64(n)); } // [0, n)
    template <typename T, size_t N> const T& Uno(const T (&elenco)[N]) { return elenco[Intero(int(N))]; }

private:
    quint64 stato_;
};

double Arrotonda(double valore, double passo)
{
    return std::round(valore / passo) * passo;
}

// ------------------------------------------------------------------ words

const char* const kMateriali[] = {
    "Laterizio forato",
    "Laterizio pieno",
    "Laterizio alveolato",
    "Blocco in calcestruzzo",
    "Calcestruzzo armato",
    "Calcestruzzo cellulare",
    "Blocco in argilla espansa",
    "Cartongesso",
    "Fibrogesso",
    "Legno lamellare",
    "Pannello X-lam",
    "Pietra naturale",
    "Tufo",
    "Silicato di calcio",
    "Blocco cassero in EPS",
    "Lana di roccia",
    "Lana di vetro",
    "Fibra di poliestere",
    "Sughero",
    "Fibra di legno",
    "Gomma riciclata",
    "Polietilene espanso",
    "Feltro bitumato",
    "Massetto alleggerito",
    "Sottofondo in sabbia e cemento",
    "Parquet",
    "Laminato",
    "Gres porcellanato",
    "Moquette",
    "PVC",
    "Alluminio",
    "Legno-alluminio",
    "Vetrocamera",
    "Vetro stratificato",
    "Acciaio",
    "Porta tamburata",
    "Porta blindata",
    "Cassonetto",
    "Aeratore",
    "Presa d'aria",
};

const char* const kQualificazioni[] = {
    "8 cm",
    "10 cm",
    "12 cm",
    "15 cm",
    "20 cm",
    "25 cm",
    "30 cm",
    "doppia lastra",
    "singola lastra",
    "intonacato",
    "con intercapedine",
    "su orditura metallica",
    "a secco",
    "ad alta densità",
    "a bassa densità",
    "acustico",
    "rinforzato",
    "con isolante",
    "classe 1",
    "classe 2",
    "tipo A",
    "tipo B",
    "certificato CE",
    "sperimentale",
    "di serie",
};

const char* const kEnti[] = {
    "Istituto Prove Valdorsa S.p.A.",          "Laboratorio Prove Acustiche Brumaio",
    "Politecnico di Valdorsa - Lab. Acustica", "Università di Torrefonda - DII",
    "Centro Prove Altopiano S.p.A.",           "Laboratorio Acustica Applicata Aurelide",
    "Istituto Prove Edili Lucefonda",          "Bauphysik-Institut Nordheide",
};

const char* const kSocieta[] = {
    "Fornaci Valdorsa S.r.l.",       "Edilbrumaio S.p.A.",          "Gessi Lucefonda S.r.l.",
    "Quietem Isolanti S.r.l.",       "Serramenti Aurelide S.n.c.",  "Legnotorrefonda S.r.l.",
    "Costruzioni Monteferro S.p.A.", "Acustica Borgoquieto S.r.l.", "Morbidia Pavimenti S.r.l.",
    "Cementi Brumaio S.p.A.",        "Infissi Valdorsa S.r.l.",     "Studio Tecnico Borgoquieto",
};

const char* const kForme[] = {"Parete",       "Muro",    "Tramezzo",  "Solaio",   "Pavimento",
                              "Rivestimento", "Sistema", "Pacchetto", "Elemento", "Campione"};

const char* const kCantieri[] = {"Milano - via Roma 12",      "Torino - corso Francia 88",
                                 "Bologna - via Emilia 4",    "Verona - piazza Bra 1",
                                 "Padova - via Venezia 51",   "Bergamo - via Borgo 7",
                                 "Brescia - viale Italia 30", "Trento - via Manci 2"};

QString Testo(const char* t)
{
    return QString::fromUtf8(t);
}

// The keyword pool: every material with every qualification, about a thousand texts.
QStringList PoolParole()
{
    QStringList pool;
    for (const char* m : kMateriali)
        for (const char* q : kQualificazioni)
            pool << Testo(m) + QLatin1Char(' ') + Testo(q);
    return pool;
}

// ------------------------------------------------------------------ one entry

// How the values of a band quantity behave: sound reduction rises with frequency, an
// impact level falls, an improvement rises from around zero.
struct Andamento
{
    double base500;     // value at 500 Hz: the middle of the curve
    double pendenza;    // dB per octave
    double basso, alto; // clamp
};

Andamento AndamentoPerGrandezza(RecordSchema::Grandezza grandezza, Casuale& caso)
{
    switch (grandezza) {
    case RecordSchema::Grandezza::Ln:
        return {caso.Tra(50, 80), -caso.Tra(2, 5), 15, 95};
    case RecordSchema::Grandezza::DLn:
    case RecordSchema::Grandezza::DRi:
        return {caso.Tra(8, 25), caso.Tra(3, 7), -8, 55};
    case RecordSchema::Grandezza::R:
    case RecordSchema::Grandezza::Dn:
        break;
    }
    return {caso.Tra(30, 62), caso.Tra(3.5, 6.5), 5, 85};
}

std::vector<double> Curva(const Andamento& a, Casuale& caso)
{
    const double coincidenza = caso.Tra(8, 16); // band index of the coincidence dip
    std::vector<double> valori;
    for (int i = 0; i < RecordSchema::NumeroBande; ++i) {
        const double ottave = std::log2(RecordSchema::Frequenze[i] / 500.0);
        double v = a.base500 + a.pendenza * ottave + caso.Tra(-1.2, 1.2);
        v -= 6.0 * std::exp(-std::pow((i - coincidenza) / 1.5, 2)) * (a.pendenza > 0 ? 1 : 0);
        valori.push_back(Arrotonda(std::clamp(v, a.basso, a.alto), 0.5));
    }
    return valori;
}

// Believable ranges for the physical columns.
double ValoreFisico(RecordSchema::Campo campo, Casuale& caso)
{
    using C = RecordSchema::Campo;
    switch (campo) {
    case C::Massa:
        return std::round(caso.Tra(8, 600));
    case C::Spessore:
        return std::round(caso.Tra(4, 450));
    case C::Area:
        return Arrotonda(caso.Tra(1.2, 12), 0.01);
    case C::Fc:
        return std::round(caso.Tra(80, 3200));
    case C::Eta:
        return Arrotonda(caso.Tra(0.005, 0.05), 0.001);
    case C::VRicevente:
    case C::VEmittente:
        return Arrotonda(caso.Tra(25, 90), 0.1);
    default:
        return Arrotonda(caso.Tra(0, 100), 0.1);
    }
}

struct Voce
{
    QStringList testi;          // per column; null QString for numeric columns
    std::vector<double> numeri; // per column
};

class Generatore
{
public:
    Generatore(int codice, quint64 seme)
        : caso_(seme), pool_(PoolParole()), tipo_(*Categorie::PerCodice(codice)),
          campi_(Categorie::Campi(tipo_))
    {
        colonne_ = Categorie::ColonneTabella(codice);
    }

    const QStringList& Colonne() const { return colonne_; }

    // Entry number n of the table: n makes the name unique. Values in the order of the
    // columns: the named columns, then the bands.
    Voce Genera(int n)
    {
        using C = RecordSchema::Campo;
        const QString parola = ParolaChiave();
        const Andamento andamento = AndamentoPerGrandezza(tipo_.grandezza, caso_);
        const std::vector<double> curva = Curva(andamento, caso_);
        const std::optional<Valutazione> calcolata = Calcolata(curva);
        const bool sbagliata = caso_.Intero(100) == 0;
        const QString certificato = QStringLiteral("%1 %2/%3")
                                        .arg(QLatin1String(caso_.Intero(2) ? "IPV" : "LPA"))
                                        .arg(100000 + n)
                                        .arg(2000 + caso_.Intero(26));
        Voce voce;
        for (C campo : campi_) {
            QString testo;
            double numero = 0;
            switch (campo) {
            case C::Nome:
                testo = QStringLiteral("%1 %2 - cert. %3").arg(Testo(caso_.Uno(kForme)), parola, certificato);
                break;
            case C::ParolaChiave:
                testo = parola;
                break;
            case C::Descrizione:
                testo = QStringLiteral("%1 in %2.\r\nProvino montato secondo le norme di prova, giunti "
                                       "sigillati, condizioni di laboratorio controllate.")
                            .arg(Testo(caso_.Uno(kForme)), parola.toLower());
                break;
            case C::Certificato:
                testo = certificato;
                break;
            case C::DataProva:
                testo = QStringLiteral("%1/%2/%3")
                            .arg(1 + caso_.Intero(28))
                            .arg(1 + caso_.Intero(12))
                            .arg(2000 + caso_.Intero(26));
                break;
            case C::EnteProva:
                testo = Testo(caso_.Uno(kEnti));
                break;
            case C::SocietaRichiedente:
                testo = Testo(caso_.Uno(kSocieta));
                break;
            case C::InformazioneAddizionale:
                testo = QStringLiteral("Provino %1 x %2 m")
                            .arg(caso_.Tra(1, 4), 0, 'f', 1)
                            .arg(caso_.Tra(1, 3), 0, 'f', 1);
                break;
            case C::Immagine:
                testo = QStringLiteral("prova_%1.jpg").arg(n % 50);
                break;
            case C::Cantiere:
                testo = Testo(caso_.Uno(kCantieri));
                break;
            default:
                numero = RecordSchema::IsValutazione(campo)
                             ? ValoreValutazione(campo, curva, andamento, calcolata, sbagliata)
                             : ValoreFisico(campo, caso_);
            }
            voce.testi << testo;
            voce.numeri.push_back(numero);
        }
        for (double banda : curva) {
            voce.testi << QString();
            voce.numeri.push_back(banda);
        }
        return voce;
    }

private:
    std::optional<Valutazione> Calcolata(const std::vector<double>& curva) const
    {
        const std::optional<GrandezzaBande> grandezza = ValutazioneMateriale::Grandezza(tipo_);
        if (!grandezza)
            return std::nullopt;
        MotoreValutazione::Bande bande;
        std::copy(curva.begin(), curva.end(), bande.begin());
        return MotoreValutazione::Valuta(*grandezza, bande);
    }

    // The ratings the engine computes from the curve, the main one one decibel off in one entry
    // of a hundred (for the check to find); the others (the linings', the floor tables' third
    // column) as the curve suggests: the main rating near the curve at 500 Hz, small terms.
    double ValoreValutazione(RecordSchema::Campo campo, const std::vector<double>& curva,
                             const Andamento& andamento, const std::optional<Valutazione>& calcolata,
                             bool sbagliata)
    {
        const auto& v = tipo_.valutazioni;
        for (const ColonnaValutazione& c : v)
            if (c.campo == campo && calcolata)
                if (const auto valore = ValutazioneMateriale::Calcolato(*calcolata, c.significato))
                    return *valore + (sbagliata && c.significato == Significato::Principale ? 1 : 0);
        if (campo == v[0].campo)
            return std::round(curva[10] + (andamento.pendenza > 0 ? 1 : -1));
        if (campo == v[1].campo)
            return -1 - caso_.Intero(3);
        return -2 - caso_.Intero(6);
    }

    // Skewed towards the front of the pool: a few keywords are common, most are rare.
    QString ParolaChiave()
    {
        const double r = caso_.Reale();
        return pool_.at(int(r * r * pool_.size()));
    }

    Casuale caso_;
    QStringList pool_;
    const TipoMateriale& tipo_;
    std::vector<RecordSchema::Campo> campi_;
    QStringList colonne_;
};

// ------------------------------------------------------------------ files

class FileGenerato
{
public:
    explicit FileGenerato(const QString& percorso) : percorso_(percorso)
    {
        QDir().mkpath(QFileInfo(percorso).absolutePath());
        QFile::remove(percorso);
        if (sqlite3_open_v2(QFile::encodeName(percorso).constData(), &db_,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
            Errore(QStringLiteral("cannot create"));
        Esegui(QStringLiteral("PRAGMA application_id = %1").arg(SqliteSchema::IdentificativoApplicazione));
        Esegui(QStringLiteral("PRAGMA journal_mode = DELETE"));
        Esegui(QStringLiteral("PRAGMA synchronous = OFF"));
        Esegui(QStringLiteral("BEGIN"));
    }
    ~FileGenerato() { sqlite3_close_v2(db_); }
    FileGenerato(const FileGenerato&) = delete;
    FileGenerato& operator=(const FileGenerato&) = delete;

    void Tabella(const QString& nome, int codice, int voci, quint64 seme)
    {
        Generatore generatore(codice, seme);
        const QStringList& colonne = generatore.Colonne();
        Esegui(SqliteSchema::CreaTabella(nome, colonne, RecordSchema::IsNumerica));
        Esegui(SqliteSchema::CreaIndiceNome(nome));
        QStringList nomi, segnaposti;
        for (int i = 0; i < colonne.size(); ++i) {
            nomi << SqliteSchema::QuotaIdentificatore(colonne.at(i));
            segnaposti << QStringLiteral("?%1").arg(i + 1);
        }
        const QByteArray sql =
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(SqliteSchema::QuotaIdentificatore(nome), nomi.join(QStringLiteral(", ")),
                     segnaposti.join(QStringLiteral(", ")))
                .toUtf8();
        sqlite3_stmt* inserisci = nullptr;
        if (sqlite3_prepare_v2(db_, sql.constData(), int(sql.size()), &inserisci, nullptr) != SQLITE_OK)
            Errore(QString::fromUtf8(sql));
        for (int n = 1; n <= voci; ++n) {
            const Voce voce = generatore.Genera(n);
            for (int i = 0; i < colonne.size(); ++i) {
                if (RecordSchema::IsNumerica(colonne.at(i))) {
                    sqlite3_bind_double(inserisci, i + 1, voce.numeri[i]);
                } else {
                    const QByteArray utf8 = voce.testi.at(i).toUtf8();
                    sqlite3_bind_text(inserisci, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
                }
            }
            const int esito = sqlite3_step(inserisci);
            sqlite3_reset(inserisci);
            if (esito != SQLITE_DONE) {
                sqlite3_finalize(inserisci);
                Errore(QStringLiteral("insert into %1").arg(nome));
            }
        }
        sqlite3_finalize(inserisci);
    }

    void Concludi()
    {
        Esegui(QStringLiteral("COMMIT"));
        if (sqlite3_close_v2(db_) != SQLITE_OK)
            Errore(QStringLiteral("cannot close"));
        db_ = nullptr;
    }

private:
    void Esegui(const QString& sql)
    {
        if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            Errore(sql);
    }
    [[noreturn]] void Errore(const QString& cosa) const
    {
        throw ErroreGenerazione(QStringLiteral("%1: %2 (%3)")
                                    .arg(percorso_, QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : "?"), cosa)
                                    .toStdString());
    }

    QString percorso_;
    sqlite3* db_ = nullptr;
};

void CopiaDalModello(const QString& modello, const QString& cartellaDati)
{
    for (const char* relativo : {"Databases/InterfMess.mdb", "Databases/Database/Database_teorico.mdb"}) {
        const QString da = modello + QLatin1Char('/') + Testo(relativo);
        const QString a = cartellaDati + QLatin1Char('/') + Testo(relativo);
        QDir().mkpath(QFileInfo(a).absolutePath());
        QFile::remove(a);
        if (!QFile::copy(da, a))
            throw ErroreGenerazione(QStringLiteral("cannot copy %1 to %2").arg(da, a).toStdString());
    }
}

void Genera(const QString& cartellaDati, int voci, quint64 seme, const QString& soloTabella)
{
    const QString database = cartellaDati + QStringLiteral("/Databases/Database");
    FileGenerato personale(database + QStringLiteral("/Database_sperimentale.mdb"));
    for (const Categoria& c : Categorie::Tutte())
        if (soloTabella.isEmpty() || soloTabella == Testo(c.tabellaPersonale))
            personale.Tabella(Testo(c.tabellaPersonale), c.codice, voci, seme + quint64(c.codice));
    personale.Concludi();
    if (!soloTabella.isEmpty())
        return;

    const QString nome = QStringLiteral("Prove %1").arg(voci);
    for (const Categoria& c : Categorie::Tutte()) {
        FileGenerato sperimentale(database + QLatin1Char('/') + Testo(c.cartella) + QLatin1Char('/') + nome +
                                  QStringLiteral(".mdb"));
        sperimentale.Tabella(nome, c.codice, voci, seme * 31 + quint64(c.codice));
        sperimentale.Concludi();
    }
}

int Uso()
{
    std::fputs("usage: zelmar-gendata <data folder> <entries> [--seed N] [--modello <data folder>] "
               "[--tabella <table>]\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList argomenti = app.arguments().mid(1);
    quint64 seme = 1;
    QString modello;
    QString tabella;
    for (int i = 0; i + 1 < argomenti.size();) {
        if (argomenti.at(i) == QLatin1String("--seed")) {
            seme = argomenti.at(i + 1).toULongLong();
            argomenti.remove(i, 2);
        } else if (argomenti.at(i) == QLatin1String("--modello")) {
            modello = argomenti.at(i + 1);
            argomenti.remove(i, 2);
        } else if (argomenti.at(i) == QLatin1String("--tabella")) {
            tabella = argomenti.at(i + 1);
            argomenti.remove(i, 2);
        } else {
            ++i;
        }
    }
    bool ok = false;
    const int voci = argomenti.size() == 2 ? argomenti.at(1).toInt(&ok) : 0;
    if (!ok || voci < 0)
        return Uso();
    try {
        if (!modello.isEmpty())
            CopiaDalModello(modello, argomenti.at(0));
        Genera(argomenti.at(0), voci, seme, tabella);
    } catch (const ErroreGenerazione& e) {
        std::fprintf(stderr, "zelmar-gendata: %s\n", e.what());
        return 1;
    }
    return 0;
}
