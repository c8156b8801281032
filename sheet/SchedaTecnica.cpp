#include "SchedaTecnica.h"

#include "GraficoScheda.h"
#include "ImpaginazioneScheda.h"
#include "TestoAdattato.h"
#include "exchange/TipiVoce.h"
#include "model/FormatoNumero.h"
#include "model/LocaleDocumenti.h"
#include "model/RecordSchema.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cmath>

namespace {

const QColor kBlu(0x16, 0x25, 0x4B);
const QColor kGrigio(0xF0, 0xF0, 0xF0);
const QString kNessuno = QStringLiteral("\u2013");

// The sheet being painted: millimetres to device units, fonts and fitted texts.
class Pagina
{
public:
    Pagina(QPainter& pittore, double pixelPerMm) : p_(pittore), k_(pixelPerMm) {}

    QRectF Px(const QRectF& mm) const
    {
        return {mm.x() * k_, mm.y() * k_, mm.width() * k_, mm.height() * k_};
    }
    double Px(double mm) const { return mm * k_; }
    QPointF Px(const QPointF& mm) const { return mm * k_; }

    static QFont Carattere(double punti, bool grassetto = false)
    {
        return TestoAdattato::Carattere(punti, grassetto);
    }

    // Draws the text fitted into the box (millimetres); returns the height it took, in mm.
    double Testo(const QRectF& mm, const QString& testo, const QFont& carattere,
                 const QColor& colore = Qt::black, Qt::Alignment allineamento = Qt::AlignLeft)
    {
        const QRectF r = Px(mm);
        const QFontMetricsF metrica(carattere, p_.device());
        const QStringList righe = TestoAdattato::Righe(testo, carattere, r.width(), r.height(), p_.device());
        p_.setFont(carattere);
        p_.setPen(colore);
        double y = r.top() + metrica.ascent();
        for (const QString& riga : righe) {
            double x = r.left();
            if (allineamento & Qt::AlignHCenter)
                x += (r.width() - metrica.horizontalAdvance(riga)) / 2;
            else if (allineamento & Qt::AlignRight)
                x = r.right() - metrica.horizontalAdvance(riga);
            p_.drawText(QPointF(x, y), riga);
            y += metrica.lineSpacing();
        }
        return righe.size() * metrica.lineSpacing() / k_;
    }

    // A box's heading; returns the box below it.
    QRectF Intestazione(const QRectF& mm, const QString& titolo)
    {
        const double altezza = Testo(mm, titolo, Carattere(8, true), kBlu);
        return mm.adjusted(0, altezza + 0.8, 0, 0);
    }

    void Cornice(const QRectF& mm, const QColor& sfondo = Qt::transparent)
    {
        p_.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), Px(0.2)));
        p_.setBrush(sfondo);
        p_.drawRect(Px(mm));
        p_.setBrush(Qt::NoBrush);
    }

    QPainter& pittore() { return p_; }

private:
    QPainter& p_;
    double k_;
};

QString Norma(GrandezzaBande grandezza)
{
    return grandezza == GrandezzaBande::R || grandezza == GrandezzaBande::Dn ? QStringLiteral("ISO 717-1")
                                                                             : QStringLiteral("ISO 717-2");
}

// The stored ratings as the entry declares them; empty when it stores none.
QString RigaDichiarata(const DatiVoce& voce)
{
    const QString riga = TipiVoce::RigaDichiarata(voce.codice, voce.valutazioni);
    if (riga.isEmpty())
        return {};
    QString testo = QCoreApplication::translate("SchedaTecnica", "Declared values: %1").arg(riga);
    if (!voce.diverse.isEmpty())
        testo += QCoreApplication::translate("SchedaTecnica", " (not as computed: %1)")
                     .arg(voce.diverse.join(QStringLiteral(", ")));
    return testo;
}

// The ratings computed from the bands and, for a second line, the deviation sum and the
// extended terms.
QPair<QString, QString> RigheCalcolate(const DatiVoce& voce)
{
    if (!voce.calcolata)
        return {QCoreApplication::translate(
                    "SchedaTecnica",
                    "Computed from the bands: none, ISO 717 gives no single-number rating for "
                    "the improvement of a lining."),
                {}};
    const Valutazione& v = *voce.calcolata;
    if (!v.indice)
        return {
            QCoreApplication::translate(
                "SchedaTecnica", "Computed from the bands: none, a band from 100 to 3150 Hz has no value."),
            {}};
    QStringList seconda;
    if (const auto somma = v.SommaDeviazioni())
        seconda << QCoreApplication::translate("SchedaTecnica", "Unfavourable deviations %1 dB")
                       .arg(LocaleDocumenti::Locale().toString(*somma, 'f', 1));
    if (const QString estesi = TipiVoce::TerminiEstesi(voce.codice, v); !estesi.isEmpty())
        seconda << estesi;
    return {QCoreApplication::translate("SchedaTecnica", "Computed according to %1: %2")
                .arg(Norma(v.grandezza), TipiVoce::RigaCalcolata(voce.codice, v)),
            seconda.join(QStringLiteral("; "))};
}

void DisegnaCarta(Pagina& pagina, const ImpaginazioneScheda& s, const CartaIntestata& carta)
{
    if (s.carta.isEmpty())
        return;
    QRectF testo = s.carta.adjusted(0, 0, 0, -2);
    if (!carta.logo.isNull()) {
        QSizeF dimensione = carta.logo.size();
        dimensione.scale(QSizeF(s.carta.width() / 3, testo.height()), Qt::KeepAspectRatio);
        pagina.pittore().setRenderHint(QPainter::SmoothPixmapTransform);
        pagina.pittore().drawImage(pagina.Px(QRectF(testo.topLeft(), dimensione)), carta.logo);
        testo.setLeft(testo.left() + dimensione.width() + 4);
    }
    pagina.Testo(testo.adjusted(0, testo.height() / 2 - 3.5, 0, 0), carta.laboratorio,
                 Pagina::Carattere(13, true), kBlu);
    pagina.pittore().setPen(QPen(kBlu, pagina.Px(0.3)));
    pagina.pittore().drawLine(pagina.Px(s.carta.bottomLeft()), pagina.Px(s.carta.bottomRight()));
}

void DisegnaIntestazione(Pagina& pagina, const ImpaginazioneScheda& s, const DatiVoce& voce)
{
    pagina.Testo(s.titolo, voce.nome, Pagina::Carattere(15, true), kBlu);
    pagina.Testo(s.tipo, TipiVoce::Nome(voce.codice), Pagina::Carattere(9), Qt::darkGray);
    pagina.Cornice(s.valutazione, kGrigio);
    QRectF interno = s.valutazione.adjusted(2, 1.5, -2, -1);
    const auto riga = [&](const QString& testo, const QFont& carattere) {
        if (!testo.isEmpty() && interno.height() > 2)
            interno.setTop(interno.top() + pagina.Testo(interno, testo, carattere) + 0.5);
    };
    riga(RigaDichiarata(voce), Pagina::Carattere(11, true));
    const auto [calcolata, estesi] = RigheCalcolate(voce);
    riga(calcolata, Pagina::Carattere(9.5, true));
    riga(estesi, Pagina::Carattere(8));
}

void DisegnaDescrizione(Pagina& pagina, const ImpaginazioneScheda& s, const DatiVoce& voce,
                        const QImage& immagine)
{
    const QRectF testo =
        pagina.Intestazione(s.descrizione, QCoreApplication::translate("SchedaTecnica", "Description"));
    const bool note = !voce.note.trimmed().isEmpty();
    // With notes, the description takes at most two thirds and the notes follow it.
    const double altezza = pagina.Testo(testo.adjusted(0, 0, 0, note ? -testo.height() / 3 : 0),
                                        voce.descrizione.trimmed().isEmpty() ? kNessuno : voce.descrizione,
                                        Pagina::Carattere(9));
    if (note)
        pagina.Testo(pagina.Intestazione(testo.adjusted(0, altezza + 3, 0, 0),
                                         QCoreApplication::translate("SchedaTecnica", "Notes")),
                     voce.note, Pagina::Carattere(9));
    if (s.immagine.isEmpty() || immagine.isNull())
        return;
    pagina.Cornice(s.immagine);
    const QRectF spazio = pagina.Px(s.immagine.adjusted(1, 1, -1, -1));
    QSizeF dimensione = immagine.size();
    dimensione.scale(spazio.size(), Qt::KeepAspectRatio);
    const QRectF dove(spazio.center() - QPointF(dimensione.width() / 2, dimensione.height() / 2), dimensione);
    pagina.pittore().setRenderHint(QPainter::SmoothPixmapTransform);
    pagina.pittore().drawImage(dove, immagine);
}

// Rows of "caption  value", each value wrapped within its row.
void DisegnaCoppie(Pagina& pagina, const QRectF& box, const QList<QPair<QString, QString>>& coppie,
                   double larghezzaEtichetta)
{
    if (coppie.isEmpty())
        return;
    const double altezza = box.height() / coppie.size();
    for (int i = 0; i < coppie.size(); ++i) {
        const double y = box.top() + i * altezza;
        pagina.Testo(QRectF(box.left(), y, larghezzaEtichetta - 1, altezza), coppie[i].first,
                     Pagina::Carattere(8), Qt::darkGray);
        pagina.Testo(QRectF(box.left() + larghezzaEtichetta, y, box.width() - larghezzaEtichetta, altezza),
                     coppie[i].second.isEmpty() ? kNessuno : coppie[i].second, Pagina::Carattere(9));
    }
}

void DisegnaDati(Pagina& pagina, const ImpaginazioneScheda& s, const DatiVoce& voce)
{
    const auto valore = [&voce](const QString& testo) { return voce.certificato ? testo : kNessuno; };
    DisegnaCoppie(
        pagina,
        pagina.Intestazione(s.certificato, QCoreApplication::translate("SchedaTecnica", "Test certificate")),
        {{QCoreApplication::translate("SchedaTecnica", "Number"), valore(voce.numeroCertificato)},
         {QCoreApplication::translate("SchedaTecnica", "Test date"), valore(voce.dataProva)},
         {QCoreApplication::translate("SchedaTecnica", "Testing body"), valore(voce.ente)},
         {QCoreApplication::translate("SchedaTecnica", "Requesting company"), valore(voce.societa)}},
        38);
    const QRectF box =
        pagina.Intestazione(s.fisici, QCoreApplication::translate("SchedaTecnica", "Physical data"));
    if (voce.fisici.isEmpty())
        pagina.Testo(box, kNessuno, Pagina::Carattere(9));
    DisegnaCoppie(
        pagina, QRectF(box.topLeft(), QSizeF(box.width(), std::min(box.height(), 5.4 * voce.fisici.size()))),
        voce.fisici, 30);
}

void DisegnaGrafico(Pagina& pagina, const ImpaginazioneScheda& s, const DatiVoce& voce)
{
    GraficoScheda::Disegna(pagina.pittore(), pagina.Px(s.grafico), pagina.Px(1.0), voce);
    const QString legenda =
        voce.calcolata && voce.calcolata->indice
            ? QCoreApplication::translate("SchedaTecnica",
                                          "Solid line and markers: the band values; dashed line: the shifted "
                                          "reference curve (100 to 3150 Hz).")
            : QCoreApplication::translate(
                  "SchedaTecnica", "Line and markers: the band values; a band without a value is a gap.");
    pagina.Testo(s.legenda, legenda, Pagina::Carattere(7.5), Qt::darkGray);
}

QString Decimi(double valore)
{
    return FormatoNumero::Testo(std::round(valore * 10) / 10, LocaleDocumenti::Locale());
}

void DisegnaBande(Pagina& pagina, const ImpaginazioneScheda& s, const DatiVoce& voce)
{
    QStringList etichette{QCoreApplication::translate("SchedaTecnica", "f (Hz)"),
                          TipiVoce::GrandezzaBande(voce.codice) + QStringLiteral(" (dB)")};
    const bool riferimento = voce.calcolata && voce.calcolata->indice;
    if (riferimento)
        etichette << QCoreApplication::translate("SchedaTecnica", "Reference (dB)")
                  << QCoreApplication::translate("SchedaTecnica", "Unfavourable (dB)");
    const auto cella = [&](int riga, int banda) -> QString {
        const int i = banda - Valutazione::PrimaBanda;
        const bool valutata = riferimento && i >= 0 && i < Valutazione::NumeroBandeValutate;
        switch (riga) {
        case 0:
            return QString::number(RecordSchema::Frequenze[banda]);
        case 1:
            return voce.bande[banda] ? FormatoNumero::Testo(*voce.bande[banda], LocaleDocumenti::Locale())
                                     : kNessuno;
        case 2:
            return valutata ? Decimi(voce.calcolata->riferimento[i]) : QString();
        default:
            return valutata && voce.calcolata->deviazioni[i] > 0 ? Decimi(voce.calcolata->deviazioni[i])
                                                                 : QString();
        }
    };

    constexpr int kBlocchi = 2;
    constexpr int kColonne = 11; // 50-500 Hz, then 630-5000 Hz
    constexpr double kEtichetta = 32;
    const double larghezzaCella = (s.bande.width() - kEtichetta) / kColonne;
    const double altezzaBlocco = (s.bande.height() - 2) / kBlocchi;
    const double altezzaRiga = altezzaBlocco / etichette.size();
    for (int b = 0; b < kBlocchi; ++b) {
        const double y0 = s.bande.top() + b * (altezzaBlocco + 2);
        for (int r = 0; r < etichette.size(); ++r) {
            const double y = y0 + r * altezzaRiga;
            const QRectF testa(s.bande.left(), y, kEtichetta, altezzaRiga);
            pagina.Cornice(testa, kGrigio);
            pagina.Testo(testa.adjusted(1, 0.9, -0.5, 0), etichette[r], Pagina::Carattere(7.5, r == 0));
            for (int c = 0; c < kColonne; ++c) {
                const int banda = b * kColonne + c;
                if (banda >= RecordSchema::NumeroBande)
                    break;
                const QRectF box(s.bande.left() + kEtichetta + c * larghezzaCella, y, larghezzaCella,
                                 altezzaRiga);
                pagina.Cornice(box, r == 0 ? kGrigio : QColor(Qt::transparent));
                pagina.Testo(box.adjusted(0.3, 0.9, -0.3, 0), cella(r, banda), Pagina::Carattere(7.5, r == 0),
                             Qt::black, Qt::AlignHCenter);
            }
        }
    }
}

void DisegnaPiede(Pagina& pagina, const ImpaginazioneScheda& s, const DatiVoce& voce)
{
    pagina.pittore().setPen(QPen(kBlu, pagina.Px(0.3)));
    pagina.pittore().drawLine(pagina.Px(s.piede.topLeft()), pagina.Px(s.piede.topRight()));
    const QRectF testo = s.piede.adjusted(0, 1.2, 0, 0);
    pagina.Testo(testo, QStringLiteral("ZELMARtek"), Pagina::Carattere(7.5, true), kBlu);
    const double riga = pagina.Testo(testo,
                                     QCoreApplication::translate("SchedaTecnica", "Data sheet written on %1")
                                         .arg(LocaleDocumenti::Data(QDate::currentDate())),
                                     Pagina::Carattere(7.5), Qt::darkGray, Qt::AlignRight);
    pagina.Testo(testo.adjusted(0, riga + 0.3, 0, 0),
                 QCoreApplication::translate("SchedaTecnica", "Source: %1, table %2")
                     .arg(QFileInfo(voce.file).fileName(), voce.tabella),
                 Pagina::Carattere(6), Qt::gray);
}

} // namespace

void SchedaTecnica::Disegna(QPainter& pittore, const QSizeF& paginaMm, double pixelPerMm,
                            const DatiVoce& voce, const QImage& immagine, const CartaIntestata& carta)
{
    pittore.save();
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setRenderHint(QPainter::TextAntialiasing);
    Pagina pagina(pittore, pixelPerMm);
    const ImpaginazioneScheda s = ImpaginazioneScheda::Per(paginaMm, !carta.Vuota(), !immagine.isNull());
    DisegnaCarta(pagina, s, carta);
    DisegnaIntestazione(pagina, s, voce);
    DisegnaDescrizione(pagina, s, voce, immagine);
    DisegnaDati(pagina, s, voce);
    DisegnaGrafico(pagina, s, voce);
    DisegnaBande(pagina, s, voce);
    DisegnaPiede(pagina, s, voce);
    pittore.restore();
}

QString SchedaTecnica::ScriviPdf(const QString& percorso, const DatiVoce& voce, const QImage& immagine,
                                 const CartaIntestata& carta)
{
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        return QCoreApplication::translate("SchedaTecnica", "%1 cannot be written: %2")
            .arg(percorso, file.errorString());
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(300);
        pdf.setTitle(voce.nome);
        pdf.setCreator(QStringLiteral("ZELMARtek"));
        if (!Stampa(pdf, voce, immagine, carta))
            return QCoreApplication::translate("SchedaTecnica",
                                               "%1 cannot be written: the page could not be drawn.")
                .arg(percorso);
    }
    if (!file.commit())
        return QCoreApplication::translate("SchedaTecnica", "%1 cannot be written: %2")
            .arg(percorso, file.errorString());
    return {};
}

bool SchedaTecnica::Stampa(QPagedPaintDevice& pagine, const DatiVoce& voce, const QImage& immagine,
                           const CartaIntestata& carta)
{
    // The sheet keeps its own margins: it is drawn from the paper's corner.
    QPageLayout pagina = pagine.pageLayout();
    pagina.setMode(QPageLayout::FullPageMode);
    pagine.setPageLayout(pagina);
    QPainter pittore;
    if (!pittore.begin(&pagine))
        return false;
    const int risoluzione = pagine.logicalDpiX();
    pittore.translate(-pagine.pageLayout().paintRectPixels(risoluzione).topLeft());
    Disegna(pittore, pagine.pageLayout().fullRect(QPageLayout::Millimeter).size(), risoluzione / 25.4, voce,
            immagine, carta);
    return pittore.end();
}
