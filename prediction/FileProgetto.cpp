#include "prediction/FileProgetto.h"

#include "prediction/PostoElemento.h"
#include "prediction/ScritturaSituazione.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

using Errore = LetturaSituazione::Errore;

const QLatin1String kFonte("fonte");
const QLatin1String kPrefisso("fonte_");

// Whether the slot is an object of the input ("separazione") rather than a value in one
// ("separazione.DR_sorgente", "DLw"): its source is its key "fonte", or "fonte_<name>" beside it.
bool IsOggetto(TipoPosto tipo)
{
    return tipo != TipoPosto::Rivestimento && tipo != TipoPosto::Solaio &&
           tipo != TipoPosto::RivestimentoPavimento;
}

QJsonObject InJson(const FonteVoce& f)
{
    return {{"file", f.file}, {"tabella", f.tabella}, {"Nome", f.nome}};
}

QString Unisci(const QString& dove, const QString& chiave)
{
    return dove.isEmpty() ? chiave : dove + QLatin1Char('.') + chiave;
}

struct Chiave
{
    QString posto; // the slot it names
    QString nome;  // the key's own path, for messages
    QJsonValue valore;
};

// Every source key below o: "fonte" of the object at dove, and "fonte_X" of its value X.
void Raccogli(const QJsonObject& o, const QString& dove, std::vector<Chiave>& fonti)
{
    for (auto i = o.begin(); i != o.end(); ++i) {
        const QString chiave = i.key();
        if (chiave == kFonte)
            fonti.push_back({dove, Unisci(dove, chiave), i.value()});
        else if (chiave.startsWith(kPrefisso))
            fonti.push_back({Unisci(dove, chiave.mid(kPrefisso.size())), Unisci(dove, chiave), i.value()});
        else if (i.value().isObject())
            Raccogli(i.value().toObject(), Unisci(dove, chiave), fonti);
        else if (i.value().isArray())
            for (qsizetype n = 0; n < i.value().toArray().size(); ++n)
                if (const QJsonValue v = i.value().toArray()[n]; v.isObject())
                    Raccogli(v.toObject(), Unisci(dove, chiave) + QStringLiteral("[%1]").arg(n + 1), fonti);
    }
}

// The object o with fonte put under chiave in the object the path's parts lead to.
QJsonObject ConFonte(QJsonObject o, QStringList parti, const QString& chiave, const QJsonObject& fonte)
{
    if (parti.isEmpty()) {
        o.insert(chiave, fonte);
        return o;
    }
    static const QRegularExpression indicato(QStringLiteral("^(.*)\\[([0-9]+)\\]$"));
    const QString parte = parti.takeFirst();
    if (const QRegularExpressionMatch m = indicato.match(parte); m.hasMatch()) {
        QJsonArray lista = o.value(m.captured(1)).toArray();
        const qsizetype n = m.captured(2).toInt() - 1;
        lista[n] = ConFonte(lista[n].toObject(), parti, chiave, fonte);
        o.insert(m.captured(1), lista);
    } else {
        o.insert(parte, ConFonte(o.value(parte).toObject(), parti, chiave, fonte));
    }
    return o;
}

} // namespace

FileProgetto::Esito FileProgetto::Leggi(const QByteArray& json)
{
    LetturaSituazione::Esito letta = LetturaSituazione::Leggi(json);
    if (auto* errore = std::get_if<Errore>(&letta))
        return *errore;
    Progetto progetto;
    progetto.situazione = std::get<Situazione>(std::move(letta));
    std::vector<Chiave> fonti;
    Raccogli(QJsonDocument::fromJson(json).object(), {}, fonti);
    for (const auto& [posto, nome, valore] : fonti) {
        const std::optional<TipoPosto> tipo = PostoElemento::Tipo(posto);
        // The slot's kind says where its source lies: "fonte" in an object, "fonte_X" beside a value.
        const bool alPosto = tipo && IsOggetto(*tipo) == nome.endsWith(QLatin1String(".fonte"));
        if (!alPosto || !PostoElemento::Leggi(progetto.situazione, posto))
            return Errore{nome, tr("is the source of no element of this situation")};
        const QJsonObject o = valore.toObject();
        const FonteVoce f{o.value(QLatin1String("file")).toString(),
                          o.value(QLatin1String("tabella")).toString(),
                          o.value(QLatin1String("Nome")).toString()};
        if (!valore.isObject() || f.file.isEmpty() || f.tabella.isEmpty() || f.nome.isEmpty())
            return Errore{nome, tr("is not an object with the texts \"file\", \"tabella\" and \"Nome\"")};
        progetto.fonti[posto] = f;
    }
    return progetto;
}

QJsonObject FileProgetto::InJson(const Progetto& progetto)
{
    QJsonObject o = ScritturaSituazione::InJson(progetto.situazione);
    for (const auto& [posto, fonte] : progetto.fonti) {
        const std::optional<TipoPosto> tipo = PostoElemento::Tipo(posto);
        if (!tipo || !PostoElemento::Leggi(progetto.situazione, posto))
            continue; // a slot the situation no longer has
        QStringList parti = posto.split(QLatin1Char('.'));
        const QString chiave = IsOggetto(*tipo) ? QString(kFonte) : kPrefisso + parti.takeLast();
        o = ConFonte(o, parti, chiave, ::InJson(fonte));
    }
    return o;
}

QByteArray FileProgetto::Testo(const Progetto& progetto)
{
    return QJsonDocument(InJson(progetto)).toJson(QJsonDocument::Indented);
}

FileProgetto::Esito FileProgetto::Apri(const QString& percorso)
{
    QFile file(percorso);
    if (!QFileInfo(percorso).isFile())
        return Errore{{}, tr("the file «%1» does not exist").arg(percorso)};
    if (!file.open(QIODevice::ReadOnly))
        return Errore{{}, tr("«%1» could not be read: %2").arg(percorso, file.errorString())};
    return Leggi(file.readAll());
}

bool FileProgetto::Salva(const QString& percorso, const Progetto& progetto, QString* errore)
{
    QSaveFile file(percorso);
    const QByteArray testo = Testo(progetto);
    if (file.open(QIODevice::WriteOnly) && file.write(testo) == testo.size() && file.commit())
        return true;
    if (errore)
        *errore = file.errorString();
    return false;
}
