#include "GraficoScheda.h"

#include "TestoAdattato.h"
#include "exchange/TipiVoce.h"
#include "model/RecordSchema.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

namespace {

// The comparison chart's look on paper: its first curve's colour, its grid and axis lines and
// labels, widths in millimetres and sizes in points.
const QColor kCurva(0x1f, 0x77, 0xb4);
const QColor kGriglia(0xe2, 0xe2, 0xe2);
const QColor kAsse(0xd6, 0xd6, 0xd6);
const QColor kTesto(0x40, 0x40, 0x44);
constexpr double kTratto = 0.37;      // the band values' line
constexpr double kRiferimento = 0.28; // the dashed reference curve
constexpr double kMarcatore = 1.67;   // a marker's diameter
constexpr double kSottile = 0.13;     // grid and axis lines
constexpr double kTacca = 0.66;       // the level axis' ticks
constexpr double kSpazio = 0.8;       // between labels, titles and the plot
constexpr double kBordo = 1.5;        // around the chart, but on its right
constexpr double kPuntiEtichette = 6.5;
constexpr double kPuntiTitoli = 7;

// The chart's parts in device units: the plot and the fonts of its labels and titles.
struct Parti
{
    QRectF piano;
    double titoloLivello = 0; // the baseline of the level axis' title, turned
    QFont etichette = TestoAdattato::Carattere(kPuntiEtichette);
    QFont titoli = TestoAdattato::Carattere(kPuntiTitoli);
    double mm = 1;
};

QString EtichettaLivello(double db)
{
    return QString::number(db, 'f', 0);
}

// The axes' units to the plot's device units.
QTransform Trasformazione(const QRectF& piano, const AsseFrequenze::Scala& scala)
{
    const double sx = piano.width() / (AsseFrequenze::Fine() - AsseFrequenze::Inizio());
    const double sy = piano.height() / (scala.massimo - scala.minimo);
    return QTransform(sx, 0, 0, -sy, piano.left() - AsseFrequenze::Inizio() * sx,
                      piano.bottom() + scala.minimo * sy);
}

// The plot within the box: the level labels and the axis title on its left, the band labels
// and the axis title below it, half a label's height above it for the top label.
Parti Impagina(QPainter& p, const QRectF& riquadro, double mm, const AsseFrequenze::Scala& scala)
{
    const QRectF box = riquadro.adjusted(kBordo * mm, kBordo * mm, 0, -kBordo * mm);
    Parti parti;
    parti.mm = mm;
    const QFontMetricsF etichette(parti.etichette, p.device());
    const QFontMetricsF titoli(parti.titoli, p.device());
    double larghezza = 0;
    for (double db = scala.minimo; db <= scala.massimo; db += AsseFrequenze::PassoDecibel)
        larghezza = std::max(larghezza, etichette.horizontalAdvance(EtichettaLivello(db)));
    parti.piano =
        box.adjusted(titoli.height() + larghezza + (2 * kSpazio + kTacca) * mm, etichette.height() / 2,
                     -kSpazio * mm, -(etichette.height() + titoli.height() + 2 * kSpazio * mm));
    parti.titoloLivello = box.left() + titoli.ascent();
    return parti;
}

void DisegnaAssi(QPainter& p, const Parti& parti, const AsseFrequenze::Scala& scala, const QString& grandezza)
{
    const QRectF& piano = parti.piano;
    const QTransform t = Trasformazione(piano, scala);
    const QFontMetricsF metrica(parti.etichette, p.device());
    p.setFont(parti.etichette);
    for (int banda = 0; banda < RecordSchema::NumeroBande; ++banda) {
        const double x = t.map(QPointF(AsseFrequenze::Posizione(banda), 0)).x();
        p.setPen(QPen(kGriglia, kSottile * parti.mm));
        p.drawLine(QPointF(x, piano.top()), QPointF(x, piano.bottom()));
        const QString etichetta = AsseFrequenze::Etichetta(banda);
        p.setPen(kTesto);
        p.drawText(QPointF(x - metrica.horizontalAdvance(etichetta) / 2,
                           piano.bottom() + kSpazio * parti.mm + metrica.ascent()),
                   etichetta);
    }
    for (double db = scala.minimo; db <= scala.massimo; db += AsseFrequenze::PassoDecibel) {
        const double y = t.map(QPointF(0, db)).y();
        p.setPen(QPen(kGriglia, kSottile * parti.mm));
        p.drawLine(QPointF(piano.left(), y), QPointF(piano.right(), y));
        p.setPen(QPen(kAsse, kSottile * parti.mm));
        p.drawLine(QPointF(piano.left() - kTacca * parti.mm, y), QPointF(piano.left(), y));
        const QString etichetta = EtichettaLivello(db);
        p.setPen(kTesto);
        p.drawText(
            QPointF(piano.left() - (kTacca + kSpazio) * parti.mm - metrica.horizontalAdvance(etichetta),
                    y + metrica.ascent() - metrica.height() / 2),
            etichetta);
    }
    p.setPen(QPen(kAsse, kSottile * parti.mm));
    p.drawLine(piano.bottomLeft(), piano.topLeft());
    p.drawLine(piano.bottomLeft(), piano.bottomRight());

    // The titles: the frequency axis' below its labels, the level axis' turned along it.
    const QFontMetricsF titoli(parti.titoli, p.device());
    const QString frequenza = QCoreApplication::translate("GraficoScheda", "Frequency (Hz)");
    const QString livello = grandezza.isEmpty() ? QStringLiteral("dB") : grandezza + QStringLiteral(" (dB)");
    p.setFont(parti.titoli);
    p.setPen(kTesto);
    p.drawText(QPointF(piano.center().x() - titoli.horizontalAdvance(frequenza) / 2,
                       piano.bottom() + 2 * kSpazio * parti.mm + metrica.height() + titoli.ascent()),
               frequenza);
    p.save();
    p.translate(parti.titoloLivello, piano.center().y() + titoli.horizontalAdvance(livello) / 2);
    p.rotate(-90);
    p.drawText(QPointF(0, 0), livello);
    p.restore();
}

void DisegnaLinee(QPainter& p, const Parti& parti, const GraficoScheda::Linee& linee)
{
    const QTransform t = Trasformazione(parti.piano, linee.scala);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kCurva, kTratto * parti.mm, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const QPolygonF& tratto : linee.tratti)
        p.drawPolyline(t.map(tratto));
    p.setPen(QPen(kCurva, kRiferimento * parti.mm, Qt::DashLine));
    p.drawPolyline(t.map(linee.riferimento));
    p.setPen(Qt::NoPen);
    p.setBrush(kCurva);
    const double raggio = kMarcatore * parti.mm / 2;
    for (const QPolygonF& tratto : linee.tratti)
        for (const QPointF& punto : tratto)
            p.drawEllipse(t.map(punto), raggio, raggio);
    p.setBrush(Qt::NoBrush);
}

} // namespace

GraficoScheda::Linee GraficoScheda::Calcola(const DatiVoce& voce)
{
    Linee linee;
    QList<double> valori;
    QPolygonF tratto;
    for (int banda = 0; banda < RecordSchema::NumeroBande; ++banda) {
        if (voce.bande[banda]) {
            tratto << QPointF(AsseFrequenze::Posizione(banda), *voce.bande[banda]);
            valori << *voce.bande[banda];
        }
        // A band without a value breaks the line.
        if ((!voce.bande[banda] || banda == RecordSchema::NumeroBande - 1) && !tratto.isEmpty()) {
            linee.tratti << tratto;
            tratto.clear();
        }
    }
    if (voce.calcolata && voce.calcolata->indice)
        for (int i = 0; i < Valutazione::NumeroBandeValutate; ++i) {
            const double db = voce.calcolata->riferimento[i];
            linee.riferimento << QPointF(AsseFrequenze::Posizione(Valutazione::PrimaBanda + i), db);
            valori << db;
        }
    linee.scala = AsseFrequenze::ScalaDecibel(valori);
    return linee;
}

void GraficoScheda::Disegna(QPainter& pittore, const QRectF& box, double pixelPerMm, const DatiVoce& voce)
{
    const Linee linee = Calcola(voce);
    const Parti parti = Impagina(pittore, box, pixelPerMm, linee.scala);
    pittore.save();
    pittore.setRenderHint(QPainter::Antialiasing);
    DisegnaAssi(pittore, parti, linee.scala, TipiVoce::GrandezzaBande(voce.codice));
    DisegnaLinee(pittore, parti, linee);
    pittore.restore();
}
