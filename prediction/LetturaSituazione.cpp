#include "prediction/LetturaSituazione.h"

#include "prediction/BandeTrasmissione.h"
#include "prediction/Requisiti.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

using Bande = MotoreValutazione::Bande;
using Errore = LetturaSituazione::Errore;

[[noreturn]] void Fallisci(const QString& chiave, const QString& messaggio)
{
    throw Errore{chiave, messaggio};
}

QString Chiave(const QString& dove, const char* chiave)
{
    return dove.isEmpty() ? QString::fromUtf8(chiave) : dove + QLatin1Char('.') + QString::fromUtf8(chiave);
}

QString Indicata(const char* lista, qsizetype i)
{
    return QStringLiteral("%1[%2]").arg(QLatin1String(lista)).arg(i + 1);
}

// Reads one input; remembers the length of the first band array met, which every other one
// must have.
class Lettore
{
    Q_DECLARE_TR_FUNCTIONS(LetturaSituazione)

public:
    Situazione Leggi(const QJsonObject& radice);

private:
    static double Numero(const QJsonObject& o, const QString& dove, const char* chiave, bool positivo);
    static std::optional<double> Facoltativo(const QJsonObject& o, const QString& dove, const char* chiave);
    static QJsonObject Oggetto(const QJsonObject& o, const QString& dove, const char* chiave);
    static QJsonArray Lista(const QJsonObject& o, const char* chiave);
    static Modello LeggiModello(const QJsonObject& o, std::optional<Modello> mancante);
    static void Completa(const Bande& bande, const QString& chiave);
    static void RichiediMassa(const Elemento& e, const QString& dove);
    static Giunto LeggiGiunto(const QJsonObject& o, const QString& dove);
    Bande LeggiBande(const QJsonArray& valori, const QString& chiave);
    Curva Prestazione(const QJsonObject& o, const QString& dove, const char* bande, const char* indice,
                      Modello m);
    Curva Rivestimento(const QJsonObject& o, const QString& dove, const char* chiave, Modello m);
    Elemento LeggiElemento(const QJsonObject& o, const QString& dove, Modello m);
    Fianco LeggiFianco(const QJsonValue& valore, const QString& dove, Modello m, const Elemento& separazione);
    SituazioneAerea Aerea(const QJsonObject& o);
    static SituazioneCalpestio Calpestio(const QJsonObject& o);
    SituazioneFacciata Facciata(const QJsonObject& o);

    int numeroBande_ = 0;
    QString primaChiaveBande_;
};

double Lettore::Numero(const QJsonObject& o, const QString& dove, const char* chiave, bool positivo)
{
    const std::optional<double> valore = Facoltativo(o, dove, chiave);
    if (!valore)
        Fallisci(Chiave(dove, chiave), tr("the key is missing"));
    if (positivo && !(*valore > 0))
        Fallisci(Chiave(dove, chiave), tr("must be greater than zero"));
    return *valore;
}

std::optional<double> Lettore::Facoltativo(const QJsonObject& o, const QString& dove, const char* chiave)
{
    const QJsonValue valore = o.value(QLatin1String(chiave));
    if (valore.isUndefined())
        return std::nullopt;
    if (!valore.isDouble())
        Fallisci(Chiave(dove, chiave), tr("is not a number"));
    return valore.toDouble();
}

QJsonObject Lettore::Oggetto(const QJsonObject& o, const QString& dove, const char* chiave)
{
    const QJsonValue valore = o.value(QLatin1String(chiave));
    if (valore.isUndefined())
        Fallisci(Chiave(dove, chiave), tr("the key is missing"));
    if (!valore.isObject())
        Fallisci(Chiave(dove, chiave), tr("is not an object"));
    return valore.toObject();
}

QJsonArray Lettore::Lista(const QJsonObject& o, const char* chiave)
{
    const QJsonValue valore = o.value(QLatin1String(chiave));
    if (!valore.isUndefined() && !valore.isArray())
        Fallisci(QString::fromUtf8(chiave), tr("is not a list"));
    return valore.toArray();
}

Modello Lettore::LeggiModello(const QJsonObject& o, std::optional<Modello> mancante)
{
    const QJsonValue valore = o.value(QLatin1String("modello"));
    if (valore.isUndefined() && mancante)
        return *mancante;
    if (valore == QLatin1String("dettagliato"))
        return Modello::Dettagliato;
    if (valore == QLatin1String("semplificato"))
        return Modello::Semplificato;
    Fallisci(QStringLiteral("modello"), valore.isUndefined()
                                            ? tr("the key is missing")
                                            : tr("is neither \"dettagliato\" nor \"semplificato\""));
}

Bande Lettore::LeggiBande(const QJsonArray& valori, const QString& chiave)
{
    const int n = int(valori.size());
    if (n != MotoreValutazione::NumeroBande && n != Valutazione::NumeroBandeValutate)
        Fallisci(chiave,
                 tr("holds %1 values: band values are 21 (50 to 5000 Hz) or 16 (100 to 3150 Hz)").arg(n));
    if (numeroBande_ == 0) {
        numeroBande_ = n;
        primaChiaveBande_ = chiave;
    } else if (n != numeroBande_) {
        Fallisci(chiave, tr("holds %1 band values and «%2» %3: the band arrays of one input have one length")
                             .arg(n)
                             .arg(primaChiaveBande_)
                             .arg(numeroBande_));
    }
    Bande bande;
    const int prima = n == MotoreValutazione::NumeroBande ? 0 : Valutazione::PrimaBanda;
    for (int i = 0; i < n; ++i) {
        if (valori[i].isDouble())
            bande[prima + i] = valori[i].toDouble();
        else if (!valori[i].isNull())
            Fallisci(chiave, tr("value %1 (%2 Hz) is neither a number nor null")
                                 .arg(i + 1)
                                 .arg(MotoreValutazione::Frequenze[prima + i]));
    }
    return bande;
}

// The detailed model needs every band from 100 to 3150 Hz.
void Lettore::Completa(const Bande& bande, const QString& chiave)
{
    if (const std::optional<int> banda = BandeTrasmissione::BandaMancante(bande))
        Fallisci(chiave, tr("has no value at %1 Hz: the detailed model needs every band from 100 to 3150 Hz")
                             .arg(MotoreValutazione::Frequenze[*banda]));
}

// An element's performance: bands under one key ("R", "Dne"), its rating under another ("Rw",
// "Dnew"); the model decides which one it needs.
Curva Lettore::Prestazione(const QJsonObject& o, const QString& dove, const char* bande, const char* indice,
                           Modello m)
{
    Curva curva;
    const QJsonValue valori = o.value(QLatin1String(bande));
    if (!valori.isUndefined() && !valori.isArray())
        Fallisci(Chiave(dove, bande), tr("is not a list of band values"));
    if (valori.isArray())
        curva.bande = LeggiBande(valori.toArray(), Chiave(dove, bande));
    curva.indice = Facoltativo(o, dove, indice);
    if (m == Modello::Dettagliato && !curva.bande)
        Fallisci(Chiave(dove, bande), curva.indice ? tr("the detailed model needs band values, and only «%1» "
                                                        "is given")
                                                         .arg(QLatin1String(indice))
                                                   : tr("the key is missing"));
    if (m == Modello::Semplificato && !curva.indice)
        Fallisci(Chiave(dove, indice), curva.bande
                                           ? tr("the simplified model needs a single number, and only the "
                                                "bands «%1» are given")
                                                 .arg(QLatin1String(bande))
                                           : tr("the key is missing"));
    if (m == Modello::Dettagliato)
        Completa(*curva.bande, Chiave(dove, bande));
    return curva;
}

// A lining's improvement, under one key: bands in the detailed model, a number in the simplified.
Curva Lettore::Rivestimento(const QJsonObject& o, const QString& dove, const char* chiave, Modello m)
{
    Curva curva;
    const QJsonValue valore = o.value(QLatin1String(chiave));
    const QString nome = Chiave(dove, chiave);
    if (valore.isUndefined())
        return curva;
    if (m == Modello::Dettagliato && valore.isDouble())
        Fallisci(nome, tr("the detailed model needs band values here, not a single number"));
    if (m == Modello::Semplificato && valore.isArray())
        Fallisci(nome, tr("the simplified model needs a single number here, not band values"));
    if (m == Modello::Semplificato)
        curva.indice = Facoltativo(o, dove, chiave);
    else if (!valore.isArray())
        Fallisci(nome, tr("is not a list of band values"));
    else
        Completa(*(curva.bande = LeggiBande(valore.toArray(), nome)), nome);
    return curva;
}

Elemento Lettore::LeggiElemento(const QJsonObject& o, const QString& dove, Modello m)
{
    Elemento e;
    e.r = Prestazione(o, dove, "R", "Rw", m);
    if (Facoltativo(o, dove, "massa"))
        e.massa = Numero(o, dove, "massa", true);
    return e;
}

// A rigid junction's Kij follows from the masses of its elements.
void Lettore::RichiediMassa(const Elemento& e, const QString& dove)
{
    if (!e.massa)
        Fallisci(Chiave(dove, "massa"), tr("the key is missing: a rigid junction's Kij needs the masses"));
}

Giunto Lettore::LeggiGiunto(const QJsonObject& o, const QString& dove)
{
    const QJsonValue valore = o.value(QLatin1String("giunto"));
    Giunto giunto;
    if (valore == QLatin1String("croce")) {
        giunto.tipo = TipoGiunto::Croce;
    } else if (valore == QLatin1String("T")) {
        giunto.tipo = TipoGiunto::T;
    } else if (valore.isObject()) {
        const QJsonObject k = valore.toObject();
        const QString qui = Chiave(dove, "giunto");
        giunto = {TipoGiunto::Dato, Numero(k, qui, "KFf", false), Numero(k, qui, "KFd", false),
                  Numero(k, qui, "KDf", false)};
    } else {
        Fallisci(Chiave(dove, "giunto"), valore.isUndefined()
                                             ? tr("the key is missing")
                                             : tr("is neither \"croce\", \"T\" nor an object "
                                                  "with KFf, KFd and KDf"));
    }
    return giunto;
}

Fianco Lettore::LeggiFianco(const QJsonValue& valore, const QString& dove, Modello m,
                            const Elemento& separazione)
{
    if (!valore.isObject())
        Fallisci(dove, tr("is not an object"));
    const QJsonObject o = valore.toObject();
    Fianco fianco;
    fianco.lunghezza = Numero(o, dove, "lunghezza", true);
    fianco.giunto = LeggiGiunto(o, dove);
    const bool rigido = fianco.giunto.tipo != TipoGiunto::Dato;
    if (rigido)
        RichiediMassa(separazione, QStringLiteral("separazione"));
    for (const char* lato : {"F", "f"}) {
        const QString qui = Chiave(dove, lato);
        const QJsonObject elemento = Oggetto(o, dove, lato);
        Elemento& e = *lato == 'F' ? fianco.sorgente : fianco.ricevente;
        e = LeggiElemento(elemento, qui, m);
        if (rigido)
            RichiediMassa(e, qui);
        e.area = Numero(elemento, qui, "area", true);
        (*lato == 'F' ? fianco.rivestimentoSorgente : fianco.rivestimentoRicevente) =
            Rivestimento(elemento, qui, "DR", m);
    }
    return fianco;
}

SituazioneAerea Lettore::Aerea(const QJsonObject& o)
{
    SituazioneAerea s;
    s.modello = LeggiModello(o, std::nullopt);
    s.ss = Numero(o, {}, "Ss", true);
    s.v = Numero(o, {}, "V", true);
    const QString separazione = QStringLiteral("separazione");
    const QJsonObject sep = Oggetto(o, {}, "separazione");
    s.separazione = LeggiElemento(sep, separazione, s.modello);
    s.rivestimentoSorgente = Rivestimento(sep, separazione, "DR_sorgente", s.modello);
    s.rivestimentoRicevente = Rivestimento(sep, separazione, "DR_ricevente", s.modello);
    const QJsonArray fianchi = Lista(o, "fianchi");
    for (qsizetype i = 0; i < fianchi.size(); ++i)
        s.fianchi.push_back(LeggiFianco(fianchi[i], Indicata("fianchi", i), s.modello, s.separazione));
    return s;
}

SituazioneCalpestio Lettore::Calpestio(const QJsonObject& o)
{
    if (LeggiModello(o, Modello::Semplificato) != Modello::Semplificato)
        Fallisci(QStringLiteral("modello"), tr("impact sound is predicted by the simplified model only"));
    SituazioneCalpestio s;
    s.massa = Numero(o, {}, "massa", true);
    s.lnw = Facoltativo(o, {}, "Lnw");
    s.dlw = Facoltativo(o, {}, "DLw").value_or(0);
    s.massaFianchi = Numero(o, {}, "massa_fianchi", true);
    s.v = Numero(o, {}, "V", true);
    return s;
}

SituazioneFacciata Lettore::Facciata(const QJsonObject& o)
{
    SituazioneFacciata s;
    s.s = Numero(o, {}, "S", true);
    s.v = Numero(o, {}, "V", true);
    s.dlfs = Facoltativo(o, {}, "DLfs").value_or(0);
    const QJsonArray elementi = Lista(o, "elementi"), piccoli = Lista(o, "piccoli");
    if (elementi.isEmpty() && piccoli.isEmpty())
        Fallisci(QStringLiteral("elementi"), tr("the facade has no element"));
    // Without a model, the first element's data decide it: bands for the detailed one.
    const QJsonObject primo = (elementi.isEmpty() ? piccoli : elementi).first().toObject();
    s.modello = LeggiModello(o, primo.value(QLatin1String(elementi.isEmpty() ? "Dne" : "R")).isArray()
                                    ? Modello::Dettagliato
                                    : Modello::Semplificato);
    for (qsizetype i = 0; i < elementi.size() + piccoli.size(); ++i) {
        const bool piccolo = i >= elementi.size();
        const QString dove = piccolo ? Indicata("piccoli", i - elementi.size()) : Indicata("elementi", i);
        const QJsonValue valore = piccolo ? piccoli[i - elementi.size()] : elementi[i];
        if (!valore.isObject())
            Fallisci(dove, tr("is not an object"));
        if (piccolo)
            s.piccoli.push_back(Prestazione(valore.toObject(), dove, "Dne", "Dnew", s.modello));
        else
            s.elementi.push_back({Numero(valore.toObject(), dove, "area", true),
                                  Prestazione(valore.toObject(), dove, "R", "Rw", s.modello)});
    }
    return s;
}

Situazione Lettore::Leggi(const QJsonObject& radice)
{
    Situazione s;
    const QJsonValue calcolo = radice.value(QLatin1String("calcolo"));
    if (calcolo == QLatin1String("aereo"))
        s.calcolo = Aerea(radice);
    else if (calcolo == QLatin1String("calpestio"))
        s.calcolo = Calpestio(radice);
    else if (calcolo == QLatin1String("facciata"))
        s.calcolo = Facciata(radice);
    else
        Fallisci(QStringLiteral("calcolo"), calcolo.isUndefined()
                                                ? tr("the key is missing")
                                                : tr("is neither \"aereo\", \"calpestio\" nor \"facciata\""));
    const QJsonValue categoria = radice.value(QLatin1String("categoria"));
    if (!categoria.isUndefined()) {
        const QString lettera = categoria.toString();
        if (lettera.size() != 1 || !Requisiti::CategoriaValida(lettera[0].toLatin1()))
            Fallisci(QStringLiteral("categoria"), tr("is not a building category from \"A\" to \"G\""));
        s.categoria = lettera[0].toLatin1();
    }
    if (numeroBande_ != 0)
        s.numeroBande = numeroBande_;
    return s;
}

} // namespace

LetturaSituazione::Esito LetturaSituazione::Leggi(const QByteArray& json)
{
    QJsonParseError errore;
    const QJsonDocument documento = QJsonDocument::fromJson(json, &errore);
    if (errore.error != QJsonParseError::NoError)
        return Errore{
            {}, tr("not valid JSON: %1 (at character %2)").arg(errore.errorString()).arg(errore.offset)};
    if (!documento.isObject())
        return Errore{{}, tr("the input is not a JSON object")};
    return Leggi(documento.object());
}

LetturaSituazione::Esito LetturaSituazione::Leggi(const QJsonObject& oggetto)
{
    try {
        return Lettore().Leggi(oggetto);
    } catch (const Errore& errore) {
        return errore;
    }
}
