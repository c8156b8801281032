#include "FileJetLetto.h"

#include <QDataStream>
#include <QIODevice>

namespace {

constexpr quint32 Inizio = 0x5a4a4554; // "ZJET"
constexpr quint32 Fine = 0x54454a5a;
constexpr quint32 VersioneFormato = 1;

enum class TipoValore : quint8
{
    Nullo,
    Numero,
    Testo,
    Byte,
};

void ScriviValore(QDataStream& out, const QVariant& valore)
{
    switch (valore.typeId()) {
    case QMetaType::Double:
        out << quint8(TipoValore::Numero) << valore.toDouble();
        break;
    case QMetaType::QString:
        out << quint8(TipoValore::Testo) << valore.toString();
        break;
    case QMetaType::QByteArray:
        out << quint8(TipoValore::Byte) << valore.toByteArray();
        break;
    default:
        out << quint8(TipoValore::Nullo);
        break;
    }
}

bool LeggiValore(QDataStream& in, QVariant& valore)
{
    quint8 tipo = 0;
    in >> tipo;
    switch (static_cast<TipoValore>(tipo)) {
    case TipoValore::Nullo:
        valore = QVariant();
        return true;
    case TipoValore::Numero: {
        double numero = 0;
        in >> numero;
        valore = QVariant(numero);
        return true;
    }
    case TipoValore::Testo: {
        QString testo;
        in >> testo;
        valore = QVariant(testo);
        return true;
    }
    case TipoValore::Byte: {
        QByteArray byte;
        in >> byte;
        valore = QVariant(byte);
        return true;
    }
    }
    return false;
}

void ScriviTabella(QDataStream& out, const TabellaJet& t)
{
    out << quint32(t.colonne.size());
    for (const ColonnaJet& c : t.colonne)
        out << c.nome << quint8(c.tipo);
    out << quint64(t.righe.size());
    for (const auto& riga : t.righe)
        for (const QVariant& valore : riga)
            ScriviValore(out, valore);
}

// Counts come from a reader of our own, but a stream cut short must not make us reserve
// what it never sends: rows are appended one by one.
std::shared_ptr<TabellaJet> LeggiTabella(QDataStream& in, const QString& nome)
{
    auto t = std::make_shared<TabellaJet>();
    t->nome = nome;
    quint32 colonne = 0;
    in >> colonne;
    for (quint32 i = 0; i < colonne && in.status() == QDataStream::Ok; ++i) {
        ColonnaJet c;
        quint8 tipo = 0;
        in >> c.nome >> tipo;
        if (tipo > quint8(TipoColonnaJet::Binario))
            return nullptr;
        c.tipo = static_cast<TipoColonnaJet>(tipo);
        t->colonne.append(c);
    }
    quint64 righe = 0;
    in >> righe;
    for (quint64 r = 0; r < righe && in.status() == QDataStream::Ok; ++r) {
        QVector<QVariant> riga(t->colonne.size());
        for (QVariant& valore : riga)
            if (!LeggiValore(in, valore))
                return nullptr;
        t->righe.push_back(std::move(riga));
    }
    return in.status() == QDataStream::Ok ? t : nullptr;
}

} // namespace

QStringList FileJetLetto::NomiTabelle() const
{
    QStringList nomi;
    for (const TabellaLetta& t : tabelle)
        nomi << t.nome;
    return nomi;
}

QByteArray FileJetLetto::Codifica() const
{
    QByteArray byte;
    QDataStream out(&byte, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << Inizio << VersioneFormato << qint32(codiceErrore) << errore << quint32(tabelle.size());
    for (const TabellaLetta& t : tabelle) {
        out << t.nome << qint32(t.codiceErrore) << t.errore << bool(t.tabella);
        if (t.tabella)
            ScriviTabella(out, *t.tabella);
    }
    out << Fine;
    return byte;
}

std::optional<FileJetLetto> FileJetLetto::Decodifica(const QByteArray& byte)
{
    QDataStream in(byte);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 inizio = 0, versione = 0, numeroTabelle = 0;
    qint32 codice = 0;
    FileJetLetto file;
    in >> inizio >> versione >> codice >> file.errore >> numeroTabelle;
    if (inizio != Inizio || versione != VersioneFormato)
        return std::nullopt;
    file.codiceErrore = codice;
    for (quint32 i = 0; i < numeroTabelle && in.status() == QDataStream::Ok; ++i) {
        TabellaLetta t;
        qint32 codiceTabella = 0;
        bool letta = false;
        in >> t.nome >> codiceTabella >> t.errore >> letta;
        t.codiceErrore = codiceTabella;
        if (letta && !(t.tabella = LeggiTabella(in, t.nome)))
            return std::nullopt;
        file.tabelle.push_back(std::move(t));
    }
    quint32 fine = 0;
    in >> fine;
    if (in.status() != QDataStream::Ok || fine != Fine || !in.atEnd())
        return std::nullopt;
    return file;
}
