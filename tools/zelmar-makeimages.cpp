// zelmar-makeimages: draws the shipped pictures of the program folder at build time.
//
//   zelmar-makeimages <immagini.tsv> <program folder>/immagine
//
// Creates the image folder of every category and draws each picture of the list: the
// "no image" placeholder and schematic drawings of tested constructions (wall and floor
// sections, windows, small elements, in-situ measurements). Each line of the list is
//
//   <file below immagine/> TAB <drawing> TAB <title> TAB <layers>
//
// with <layers> "material thickness-in-mm label; ..." (the label may hold blanks). The
// drawing names one of the painters below; the materials name the fill patterns below.

#include "Categorie.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <cmath>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <vector>

namespace {

constexpr int Larghezza = 640;
constexpr int Altezza = 480;
constexpr int AltezzaTitolo = 56;
const QColor BluTesti(0x16, 0x25, 0x4B); // the program's dark blue
const QColor Sfondo(0xF7, 0xF8, 0xFA);
const QColor Linee(0x30, 0x30, 0x38);

struct ErroreImmagini : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Errore(const QString& testo)
{
    throw ErroreImmagini(testo.toStdString());
}

struct Strato
{
    QString materiale;
    double spessore = 0; // mm
    QString etichetta;
};

struct Disegno
{
    QString file;
    QString tipo;
    QString titolo;
    std::vector<Strato> strati;
};

// ---------------------------------------------------------------------------------------
// Materials: a base colour and a pattern drawn inside the layer's rectangle. "verticale"
// says that the layer runs from top to bottom (a wall in plan), so that grain and fibres
// follow the layer.
// ---------------------------------------------------------------------------------------

using Motivo = std::function<void(QPainter&, const QRectF&, bool verticale)>;

struct Materiale
{
    const char* nome;
    QColor colore;
    Motivo motivo;
};

QRandomGenerator GeneratorePer(const QRectF& r)
{
    return QRandomGenerator(quint32(r.x() * 7919 + r.y() * 104729 + r.width() * 31 + r.height()));
}

void Punti(QPainter& p, const QRectF& r, const QColor& colore, double densita, double raggio)
{
    QRandomGenerator g = GeneratorePer(r);
    const int n = int(r.width() * r.height() * densita);
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    for (int i = 0; i < n; ++i) {
        const QPointF c(r.left() + g.bounded(r.width()), r.top() + g.bounded(r.height()));
        p.drawEllipse(c, raggio, raggio);
    }
}

void Inerti(QPainter& p, const QRectF& r, bool)
{
    Punti(p, r, QColor(0x80, 0x80, 0x80), 0.02, 0.9);
    QRandomGenerator g = GeneratorePer(r.adjusted(1, 1, 0, 0));
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
    p.setBrush(Qt::NoBrush);
    const int n = int(r.width() * r.height() * 0.002) + 1;
    for (int i = 0; i < n; ++i) {
        const QPointF c(r.left() + g.bounded(r.width()), r.top() + g.bounded(r.height()));
        const double s = 2.5 + g.bounded(3.0);
        const double a = g.bounded(6.28);
        QPolygonF t;
        for (int k = 0; k < 3; ++k)
            t << c + QPointF(s * std::cos(a + k * 2.094), s * std::sin(a + k * 2.094));
        p.drawPolygon(t);
    }
}

void Tratteggio(QPainter& p, const QRectF& r, const QColor& colore, double passo, double larghezza = 1)
{
    p.setPen(QPen(colore, larghezza));
    for (double x = r.left() - r.height(); x < r.right(); x += passo)
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
}

void LaterizioPieno(QPainter& p, const QRectF& r, bool)
{
    Tratteggio(p, r, QColor(0x8E, 0x3E, 0x20), 7);
}

void LaterizioForato(QPainter& p, const QRectF& r, bool verticale)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFB, 0xEE, 0xE6));
    const double lato = std::min(r.width(), r.height());
    const int file = std::max(1, int(lato / 16));
    const double passoTrasversale = lato / file;
    for (int i = 0; i < file; ++i) {
        for (double l = 4; l + 10 < (verticale ? r.height() : r.width()); l += 16) {
            const double t = i * passoTrasversale + passoTrasversale * 0.25;
            const double spessore = passoTrasversale * 0.5;
            const QRectF foro = verticale ? QRectF(r.left() + t, r.top() + l, spessore, 10)
                                          : QRectF(r.left() + l, r.top() + t, 10, spessore);
            p.drawRect(foro);
        }
    }
}

void CalcestruzzoCellulare(QPainter& p, const QRectF& r, bool)
{
    QRandomGenerator g = GeneratorePer(r);
    p.setPen(QPen(QColor(0x9A, 0x9A, 0x94), 1));
    p.setBrush(Qt::NoBrush);
    const int n = int(r.width() * r.height() * 0.006);
    for (int i = 0; i < n; ++i) {
        const double raggio = 1 + g.bounded(2.0);
        p.drawEllipse(QPointF(r.left() + g.bounded(r.width()), r.top() + g.bounded(r.height())), raggio,
                      raggio);
    }
}

void Intonaco(QPainter& p, const QRectF& r, bool)
{
    Punti(p, r, QColor(0xB0, 0xA0, 0x80), 0.05, 0.6);
}

void Lastra(QPainter& p, const QRectF& r, bool verticale)
{
    p.setPen(QPen(QColor(0xA8, 0xA8, 0xA0), 1, Qt::DashLine));
    if (verticale)
        p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    else
        p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
}

void Onde(QPainter& p, const QRectF& r, bool verticale, const QColor& colore)
{
    p.setPen(QPen(colore, 1.2));
    p.setBrush(Qt::NoBrush);
    const double trasversale = verticale ? r.width() : r.height();
    const double lunghezza = verticale ? r.height() : r.width();
    const double ampiezza = std::max(1.5, trasversale * 0.35);
    for (double s = 0; s < lunghezza + 12; s += 12) {
        QPainterPath curva;
        for (int k = 0; k <= 12; ++k) {
            const double u = s + k;
            const double v =
                trasversale / 2 + ampiezza * std::sin(k * 3.14159 / 6) * ((int(s / 12) % 2) ? 1 : -1);
            const QPointF punto =
                verticale ? QPointF(r.left() + v, r.top() + u) : QPointF(r.left() + u, r.top() + v);
            k == 0 ? curva.moveTo(punto) : curva.lineTo(punto);
        }
        p.drawPath(curva);
    }
}

void Lana(QPainter& p, const QRectF& r, bool verticale)
{
    Onde(p, r, verticale, QColor(0xB8, 0x8A, 0x1C));
}

void Montanti(QPainter& p, const QRectF& r, bool verticale)
{
    Lana(p, r, verticale);
    p.setPen(QPen(QColor(0x50, 0x58, 0x60), 2));
    p.setBrush(Qt::NoBrush);
    const double lunghezza = verticale ? r.height() : r.width();
    for (double s = lunghezza * 0.2; s < lunghezza; s += lunghezza * 0.6) {
        // A C-shaped steel stud across the cavity.
        QPainterPath c;
        if (verticale) {
            c.moveTo(r.left() + 2, s + r.top() + 10);
            c.lineTo(r.left() + 2, s + r.top());
            c.lineTo(r.right() - 2, s + r.top());
            c.lineTo(r.right() - 2, s + r.top() + 10);
        } else {
            c.moveTo(r.left() + s + 10, r.top() + 2);
            c.lineTo(r.left() + s, r.top() + 2);
            c.lineTo(r.left() + s, r.bottom() - 2);
            c.lineTo(r.left() + s + 10, r.bottom() - 2);
        }
        p.drawPath(c);
    }
}

void Venature(QPainter& p, const QRectF& r, bool verticale)
{
    p.setPen(QPen(QColor(0x8A, 0x60, 0x30), 1));
    p.setBrush(Qt::NoBrush);
    const double trasversale = verticale ? r.width() : r.height();
    const double lunghezza = verticale ? r.height() : r.width();
    for (double t = 3; t < trasversale; t += 4) {
        QPainterPath v;
        for (double u = 0; u <= lunghezza; u += 6) {
            const double o = t + 1.2 * std::sin(u / 17 + t);
            const QPointF punto =
                verticale ? QPointF(r.left() + o, r.top() + u) : QPointF(r.left() + u, r.top() + o);
            u == 0 ? v.moveTo(punto) : v.lineTo(punto);
        }
        p.drawPath(v);
    }
}

void Fibre(QPainter& p, const QRectF& r, bool)
{
    QRandomGenerator g = GeneratorePer(r);
    p.setPen(QPen(QColor(0x7A, 0x5A, 0x34), 1));
    const int n = int(r.width() * r.height() * 0.03);
    for (int i = 0; i < n; ++i) {
        const QPointF a(r.left() + g.bounded(r.width()), r.top() + g.bounded(r.height()));
        const double angolo = g.bounded(6.28);
        p.drawLine(a, a + QPointF(4 * std::cos(angolo), 4 * std::sin(angolo)));
    }
}

void Elastico(QPainter& p, const QRectF& r, bool verticale)
{
    Onde(p, r, verticale, QColor(0xC8, 0xD8, 0xC8));
}

void Gomma(QPainter& p, const QRectF& r, bool)
{
    Punti(p, r, QColor(0x90, 0x90, 0x90), 0.12, 0.8);
}

void Piastrelle(QPainter& p, const QRectF& r, bool)
{
    p.setPen(QPen(QColor(0x90, 0x88, 0x78), 1));
    for (double x = r.left() + 40; x < r.right(); x += 40)
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
}

void Vetro(QPainter& p, const QRectF& r, bool)
{
    p.setPen(QPen(QColor(0xFF, 0xFF, 0xFF, 200), 1.5));
    for (double y = r.top() + 20; y < r.bottom(); y += 60)
        p.drawLine(QPointF(r.left(), y + 12), QPointF(r.right(), y));
}

void Nessuno(QPainter&, const QRectF&, bool) {}

void Laterocemento(QPainter& p, const QRectF& r, bool verticale)
{
    Inerti(p, r, verticale);
    // Hollow clay blocks between the concrete joists.
    for (double x = r.left() + 14; x + 60 < r.right(); x += 86) {
        const QRectF blocco(x, r.top() + 2, 64, r.height() - 4);
        p.setPen(QPen(Linee, 1));
        p.setBrush(QColor(0xD2, 0x7A, 0x4E));
        p.drawRect(blocco);
        LaterizioForato(p, blocco.adjusted(3, 3, -3, -3), false);
    }
}

const std::vector<Materiale>& Materiali()
{
    static const std::vector<Materiale> materiali{
        {"laterizio", QColor(0xD9, 0x82, 0x5B), LaterizioPieno},
        {"forato", QColor(0xD2, 0x7A, 0x4E), LaterizioForato},
        {"calcestruzzo", QColor(0xC4, 0xC4, 0xC0), Inerti},
        {"cellulare", QColor(0xE4, 0xE4, 0xDC), CalcestruzzoCellulare},
        {"intonaco", QColor(0xF0, 0xE8, 0xD6), Intonaco},
        {"cartongesso", QColor(0xF6, 0xF6, 0xF0), Lastra},
        {"lana", QColor(0xF5, 0xDA, 0x7A), Lana},
        {"montanti", QColor(0xF5, 0xDA, 0x7A), Montanti},
        {"aria", QColor(0xFF, 0xFF, 0xFF), Nessuno},
        {"massetto", QColor(0xD8, 0xD0, 0xBC), Intonaco},
        {"materassino", QColor(0x3E, 0x5A, 0x48), Elastico},
        {"gomma", QColor(0x40, 0x40, 0x44), Gomma},
        {"legno", QColor(0xD8, 0xB0, 0x78), Venature},
        {"fibra", QColor(0xC8, 0xA4, 0x74), Fibre},
        {"ceramica", QColor(0xEC, 0xE6, 0xD6), Piastrelle},
        {"vetro", QColor(0xBF, 0xE0, 0xEE), Vetro},
        {"laterocemento", QColor(0xC4, 0xC4, 0xC0), Laterocemento},
    };
    return materiali;
}

const Materiale& MaterialeDi(const QString& nome)
{
    for (const Materiale& m : Materiali())
        if (nome == QLatin1String(m.nome))
            return m;
    Errore(QStringLiteral("unknown material \"%1\"").arg(nome));
}

void DisegnaStrato(QPainter& p, const Strato& s, const QRectF& r, bool verticale)
{
    const Materiale& m = MaterialeDi(s.materiale);
    p.save();
    p.setClipRect(r);
    p.fillRect(r, m.colore);
    m.motivo(p, r, verticale);
    p.restore();
    p.setPen(QPen(Linee, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

// ---------------------------------------------------------------------------------------
// Common parts: title band, legend, dimension lines
// ---------------------------------------------------------------------------------------

QFont Carattere(int punti, bool grassetto = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(punti);
    f.setBold(grassetto);
    return f;
}

QString Millimetri(double mm)
{
    return QLocale(QLocale::Italian).toString(mm, 'g', 4) + QStringLiteral(" mm");
}

void DisegnaTitolo(QPainter& p, const QString& titolo)
{
    p.fillRect(QRectF(0, 0, Larghezza, AltezzaTitolo), BluTesti);
    p.setPen(Qt::white);
    p.setFont(Carattere(22, true));
    p.drawText(QRectF(24, 0, Larghezza - 48, AltezzaTitolo), Qt::AlignVCenter | Qt::AlignLeft, titolo);
}

// The layers with their swatches, from the top of the area down.
void DisegnaLegenda(QPainter& p, const std::vector<Strato>& strati, const QRectF& area)
{
    double y = area.top();
    const double passo = std::min(44.0, area.height() / std::max<size_t>(1, strati.size()));
    for (const Strato& s : strati) {
        const QRectF campione(area.left(), y + 4, 26, passo - 14);
        DisegnaStrato(p, s, campione, false);
        p.setPen(BluTesti);
        p.setFont(Carattere(13, true));
        p.drawText(QRectF(area.left() + 36, y, area.width() - 36, passo / 2), Qt::AlignBottom | Qt::AlignLeft,
                   Millimetri(s.spessore));
        p.setFont(Carattere(13));
        p.drawText(QRectF(area.left() + 36, y + passo / 2, area.width() - 36, passo / 2),
                   Qt::AlignTop | Qt::AlignLeft, s.etichetta);
        y += passo;
    }
}

void Freccia(QPainter& p, const QPointF& punta, double angolo)
{
    const QPointF a = punta + QPointF(8 * std::cos(angolo + 0.4), 8 * std::sin(angolo + 0.4));
    const QPointF b = punta + QPointF(8 * std::cos(angolo - 0.4), 8 * std::sin(angolo - 0.4));
    p.drawLine(punta, a);
    p.drawLine(punta, b);
}

void Quota(QPainter& p, const QPointF& da, const QPointF& a, const QString& testo)
{
    p.setPen(QPen(BluTesti, 1.2));
    p.drawLine(da, a);
    const double angolo = std::atan2(a.y() - da.y(), a.x() - da.x());
    Freccia(p, da, angolo);
    Freccia(p, a, angolo + 3.14159);
    p.setFont(Carattere(13, true));
    const QPointF centro = (da + a) / 2;
    p.save();
    p.translate(centro);
    if (std::abs(angolo) > 1)
        p.rotate(-90);
    p.drawText(QRectF(-80, -22, 160, 18), Qt::AlignCenter, testo);
    p.restore();
}

double SpessoreTotale(const std::vector<Strato>& strati)
{
    double totale = 0;
    for (const Strato& s : strati)
        totale += s.spessore;
    return totale;
}

// Screen sizes of the layers: proportional, but no layer thinner than a few pixels.
// Thin constructions (glazing) may be drawn larger than thick ones.
std::vector<double> Misure(const std::vector<Strato>& strati, double disponibile)
{
    const double minimo = 5;
    const double totale = std::max(1.0, SpessoreTotale(strati));
    const double scalaMassima = totale < 60 ? 4.0 : 1.6;
    double scala = std::min(scalaMassima, disponibile / totale);
    std::vector<double> misure;
    for (int tentativo = 0; tentativo < 4; ++tentativo) {
        misure.clear();
        double somma = 0;
        for (const Strato& s : strati) {
            misure.push_back(std::max(minimo, s.spessore * scala));
            somma += misure.back();
        }
        if (somma <= disponibile)
            break;
        scala *= disponibile / somma * 0.97;
    }
    return misure;
}

void LineaDiRottura(QPainter& p, const QPointF& da, const QPointF& a)
{
    // The zigzag that marks where a drawn section is cut off.
    const QPointF m1 = da + (a - da) * 0.45, m2 = da + (a - da) * 0.55;
    const QPointF normale(-(a - da).y(), (a - da).x());
    const QPointF n = normale / std::hypot(normale.x(), normale.y()) * 8;
    p.setPen(QPen(Linee, 1.4));
    p.drawPolyline(QPolygonF{da, m1, m1 + (m2 - m1) / 3 + n, m1 + (m2 - m1) * 2 / 3 - n, m2, a});
}

// ---------------------------------------------------------------------------------------
// Painters
// ---------------------------------------------------------------------------------------

void DisegnaSenza(QPainter& p, const Disegno&)
{
    p.fillRect(QRectF(0, 0, Larghezza, Altezza), QColor(0xEE, 0xF0, 0xF3));
    const QRectF cornice(Larghezza / 2 - 120, Altezza / 2 - 90, 240, 180);
    p.setPen(QPen(QColor(0xA8, 0xAE, 0xB8), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(cornice, 14, 14);
    // Mountains and sun of a picture, with a stroke through it.
    QPainterPath monti;
    monti.moveTo(cornice.left() + 20, cornice.bottom() - 24);
    monti.lineTo(cornice.left() + 90, cornice.top() + 70);
    monti.lineTo(cornice.left() + 135, cornice.top() + 115);
    monti.lineTo(cornice.left() + 165, cornice.top() + 90);
    monti.lineTo(cornice.right() - 20, cornice.bottom() - 24);
    p.drawPath(monti);
    p.drawEllipse(QPointF(cornice.right() - 55, cornice.top() + 48), 17, 17);
    p.setPen(QPen(QColor(0xC0, 0x60, 0x60), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(cornice.topLeft() + QPointF(-20, -20), cornice.bottomRight() + QPointF(20, 20));
}

const QRectF AreaDisegno(32, AltezzaTitolo + 40, 340, Altezza - AltezzaTitolo - 80);
const QRectF AreaLegenda(400, AltezzaTitolo + 30, 220, Altezza - AltezzaTitolo - 50);

// A wall cut horizontally: the layers side by side, from one face to the other.
void DisegnaSezioneParete(QPainter& p, const std::vector<Strato>& strati, const QRectF& area)
{
    const std::vector<double> misure = Misure(strati, area.width() - 40);
    double totale = 0;
    for (double m : misure)
        totale += m;
    double x = area.center().x() - totale / 2;
    const double alto = area.top() + 20, basso = area.bottom() - 50;
    for (size_t i = 0; i < strati.size(); ++i) {
        DisegnaStrato(p, strati[i], QRectF(x, alto, misure[i], basso - alto), true);
        x += misure[i];
    }
    const double sinistra = area.center().x() - totale / 2;
    p.fillRect(QRectF(sinistra - 12, alto - 14, totale + 24, 12), Sfondo);
    p.fillRect(QRectF(sinistra - 12, basso + 2, totale + 24, 12), Sfondo);
    LineaDiRottura(p, QPointF(sinistra - 12, alto), QPointF(sinistra + totale + 12, alto));
    LineaDiRottura(p, QPointF(sinistra - 12, basso), QPointF(sinistra + totale + 12, basso));
    Quota(p, QPointF(sinistra, basso + 34), QPointF(sinistra + totale, basso + 34),
          Millimetri(SpessoreTotale(strati)));
}

void DisegnaParete(QPainter& p, const Disegno& d)
{
    DisegnaSezioneParete(p, d.strati, AreaDisegno);
    DisegnaLegenda(p, d.strati, AreaLegenda);
}

// A floor cut vertically: the layers one on the other, the top layer first.
void DisegnaSezioneSolaio(QPainter& p, const std::vector<Strato>& strati, const QRectF& area)
{
    const std::vector<double> misure = Misure(strati, area.height() - 60);
    double totale = 0;
    for (double m : misure)
        totale += m;
    const double sinistra = area.left() + 50, destra = area.right() - 10;
    double y = area.center().y() - totale / 2;
    for (size_t i = 0; i < strati.size(); ++i) {
        DisegnaStrato(p, strati[i], QRectF(sinistra, y, destra - sinistra, misure[i]), false);
        y += misure[i];
    }
    const double alto = area.center().y() - totale / 2;
    LineaDiRottura(p, QPointF(destra, alto - 12), QPointF(destra, alto + totale + 12));
    Quota(p, QPointF(sinistra - 22, alto), QPointF(sinistra - 22, alto + totale),
          Millimetri(SpessoreTotale(strati)));
}

void DisegnaSolaio(QPainter& p, const Disegno& d)
{
    DisegnaSezioneSolaio(p, d.strati, AreaDisegno);
    DisegnaLegenda(p, d.strati, AreaLegenda);
}

void Lastre(QPainter& p, const QRectF& luce)
{
    QLinearGradient cielo(luce.topLeft(), luce.bottomRight());
    cielo.setColorAt(0, QColor(0xD8, 0xEE, 0xF8));
    cielo.setColorAt(1, QColor(0xA8, 0xD0, 0xE4));
    p.fillRect(luce, cielo);
    p.setPen(QPen(QColor(255, 255, 255, 190), 3));
    p.drawLine(luce.topLeft() + QPointF(luce.width() * 0.2, 18),
               luce.topLeft() + QPointF(10, luce.width() * 0.2 + 18));
    p.drawLine(luce.topLeft() + QPointF(luce.width() * 0.55, 18),
               luce.topLeft() + QPointF(10, luce.width() * 0.55 + 18));
}

// A window seen from inside, with its sashes, and the glazing section beside it.
void DisegnaFinestra(QPainter& p, const Disegno& d, int ante, bool porta)
{
    const QRectF telaio(AreaDisegno.left() + 10, AreaDisegno.top(), porta ? 150 : 190,
                        AreaDisegno.height() - 20);
    p.setPen(QPen(Linee, 1.5));
    p.setBrush(porta ? QColor(0xB8, 0x86, 0x52) : QColor(0xF4, 0xF4, 0xF2));
    p.drawRect(telaio);
    const double larghezzaAnta = (telaio.width() - 16) / ante;
    for (int i = 0; i < ante; ++i) {
        const QRectF anta(telaio.left() + 8 + i * larghezzaAnta, telaio.top() + 8, larghezzaAnta,
                          telaio.height() - 16);
        p.setPen(QPen(Linee, 1.2));
        p.drawRect(anta);
        if (porta) {
            p.drawRect(anta.adjusted(16, 20, -16, -anta.height() / 2 - 10));
            p.drawRect(anta.adjusted(16, anta.height() / 2 + 10, -16, -20));
        } else {
            Lastre(p, anta.adjusted(12, 12, -12, -12));
            p.setPen(QPen(Linee, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(anta.adjusted(12, 12, -12, -12));
        }
        const double xManiglia = i % 2 == 0 ? anta.right() - 8 : anta.left() + 8;
        p.setPen(QPen(QColor(0x60, 0x60, 0x68), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(xManiglia, anta.center().y()), QPointF(xManiglia, anta.center().y() + 26));
    }
    QRectF sezione(telaio.right() + 30, AreaDisegno.top() + 10, AreaDisegno.right() - telaio.right() - 30,
                   AreaDisegno.height() - 40);
    DisegnaSezioneParete(p, d.strati, sezione);
    DisegnaLegenda(p, d.strati, AreaLegenda);
}

void DisegnaFinestraUnaAnta(QPainter& p, const Disegno& d)
{
    DisegnaFinestra(p, d, 1, false);
}
void DisegnaFinestraDueAnte(QPainter& p, const Disegno& d)
{
    DisegnaFinestra(p, d, 2, false);
}
void DisegnaPorta(QPainter& p, const Disegno& d)
{
    DisegnaFinestra(p, d, 1, true);
}

// A ventilation grille: front view with its louvres and the labyrinth in the wall.
void DisegnaGriglia(QPainter& p, const Disegno& d)
{
    const QRectF fronte(AreaDisegno.left() + 10, AreaDisegno.top() + 30, 150, 150);
    p.setPen(QPen(Linee, 1.5));
    p.setBrush(QColor(0xDC, 0xDE, 0xE2));
    p.drawRoundedRect(fronte, 8, 8);
    p.setPen(QPen(QColor(0x70, 0x74, 0x7C), 5, Qt::SolidLine, Qt::RoundCap));
    for (double y = fronte.top() + 22; y < fronte.bottom() - 12; y += 16)
        p.drawLine(QPointF(fronte.left() + 18, y), QPointF(fronte.right() - 18, y));

    // Section: wall, duct and baffles, air path as arrows.
    const QRectF muro(fronte.right() + 40, AreaDisegno.top(), 130, AreaDisegno.height() - 30);
    DisegnaStrato(p, {QStringLiteral("calcestruzzo"), 0, {}}, muro, true);
    const QRectF condotto(muro.left(), muro.center().y() - 40, muro.width(), 80);
    p.fillRect(condotto, Sfondo);
    p.setPen(QPen(Linee, 1.2));
    p.drawLine(condotto.topLeft(), condotto.topRight());
    p.drawLine(condotto.bottomLeft(), condotto.bottomRight());
    for (int i = 0; i < 3; ++i) {
        const double x = condotto.left() + 25 + i * 38;
        const QRectF setto =
            i % 2 == 0 ? QRectF(x, condotto.top(), 14, 56) : QRectF(x, condotto.bottom() - 56, 14, 56);
        DisegnaStrato(p, {QStringLiteral("lana"), 0, {}}, setto, true);
    }
    p.setPen(QPen(QColor(0x2A, 0x7A, 0xC0), 2));
    QPainterPath aria;
    aria.moveTo(condotto.left() - 26, condotto.center().y());
    aria.cubicTo(condotto.left() + 40, condotto.bottom() - 6, condotto.left() + 60, condotto.top() + 6,
                 condotto.right() + 26, condotto.center().y());
    p.drawPath(aria);
    Freccia(p, QPointF(condotto.right() + 26, condotto.center().y()), 3.14159);
    DisegnaLegenda(p, d.strati, AreaLegenda);
}

// A roller-shutter box above a window: the rolled shutter and the lined box walls.
void DisegnaCassonetto(QPainter& p, const Disegno& d)
{
    const QRectF scatola(AreaDisegno.left() + 40, AreaDisegno.top() + 10, 240, 170);
    DisegnaStrato(p, {QStringLiteral("legno"), 0, {}}, scatola, false);
    const QRectF interno = scatola.adjusted(14, 14, -14, -14);
    DisegnaStrato(p, {QStringLiteral("lana"), 0, {}}, interno, false);
    const QRectF vano = interno.adjusted(12, 12, -12, 0);
    p.fillRect(vano, Sfondo);
    p.setPen(QPen(QColor(0x60, 0x64, 0x6C), 2));
    p.setBrush(Qt::NoBrush);
    const QPointF asse = vano.center() + QPointF(0, -6);
    QPainterPath spirale;
    for (int k = 0; k <= 360 * 4; k += 6) {
        const double a = k * 3.14159 / 180;
        const double raggio = 6 + a * 2.2;
        const QPointF punto = asse + QPointF(raggio * std::cos(a), raggio * std::sin(a));
        k == 0 ? spirale.moveTo(punto) : spirale.lineTo(punto);
    }
    p.drawPath(spirale);
    // The shutter leaves the roll at its outer turn and runs down in front of the window.
    const double esterno = 6 + 4 * 2 * 3.14159 * 2.2;
    p.fillRect(
        QRectF(asse.x() + esterno - 5, interno.bottom() - 1, 10, scatola.bottom() - interno.bottom() + 2),
        Sfondo);
    p.drawLine(asse + QPointF(esterno, 0), QPointF(asse.x() + esterno, scatola.bottom()));
    // Window frame below the box.
    const QRectF finestra(scatola.left() + 20, scatola.bottom() + 4, scatola.width() - 40,
                          AreaDisegno.bottom() - scatola.bottom() - 4);
    Lastre(p, finestra);
    p.setPen(QPen(Linee, 1.5));
    p.drawRect(finestra);
    DisegnaLegenda(p, d.strati, AreaLegenda);
}

void Altoparlante(QPainter& p, const QPointF& c)
{
    p.setPen(QPen(Linee, 1.5));
    p.setBrush(QColor(0x40, 0x48, 0x58));
    p.drawEllipse(c, 20, 20);
    p.setBrush(QColor(0xB0, 0xB8, 0xC8));
    for (int k = 0; k < 5; ++k) {
        const double a = k * 1.2566 - 1.5708;
        p.drawEllipse(c + QPointF(11 * std::cos(a), 11 * std::sin(a)), 4, 4);
    }
    p.drawEllipse(c, 4, 4);
    p.setPen(QPen(Linee, 2));
    p.drawLine(c + QPointF(0, 20), c + QPointF(0, 60));
    p.drawLine(c + QPointF(0, 60), c + QPointF(-14, 78));
    p.drawLine(c + QPointF(0, 60), c + QPointF(14, 78));
}

void Microfono(QPainter& p, const QPointF& c)
{
    p.setPen(QPen(Linee, 2));
    p.drawLine(c, c + QPointF(0, 56));
    p.drawLine(c + QPointF(0, 56), c + QPointF(-14, 74));
    p.drawLine(c + QPointF(0, 56), c + QPointF(14, 74));
    p.setBrush(QColor(0x50, 0x50, 0x58));
    p.drawRoundedRect(QRectF(c.x() - 4, c.y() - 24, 8, 26), 4, 4);
}

void OndeSonore(QPainter& p, const QPointF& c, double verso)
{
    p.setPen(QPen(QColor(0x2A, 0x7A, 0xC0), 2));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const double r = 14 + i * 12;
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), int((verso - 35) * 16), 70 * 16);
    }
}

void MacchinaCalpestio(QPainter& p, const QPointF& base)
{
    const QRectF corpo(base.x() - 40, base.y() - 34, 80, 24);
    p.setPen(QPen(Linee, 1.5));
    p.setBrush(QColor(0xC0, 0x50, 0x40));
    p.drawRoundedRect(corpo, 4, 4);
    p.setBrush(QColor(0x70, 0x70, 0x78));
    for (int i = 0; i < 5; ++i)
        p.drawRect(QRectF(corpo.left() + 8 + i * 14, corpo.bottom(), 6, 10));
}

void EtichettaAmbiente(QPainter& p, const QRectF& stanza, const QString& testo)
{
    p.setPen(BluTesti);
    p.setFont(Carattere(12, true));
    p.drawText(stanza.adjusted(2, 8, -2, -8), Qt::AlignTop | Qt::AlignHCenter, testo);
}

// In-situ airborne test: source room, tested wall, receiving room.
void DisegnaMisuraParete(QPainter& p, const Disegno& d)
{
    const QRectF area = AreaDisegno.adjusted(0, 0, 0, -10);
    const double parete = 26;
    const QRectF emittente(area.left(), area.top(), (area.width() - parete) / 2, area.height());
    const QRectF ricevente(emittente.right() + parete, area.top(), emittente.width(), area.height());
    p.setPen(QPen(Linee, 2));
    p.setBrush(Qt::white);
    p.drawRect(emittente);
    p.drawRect(ricevente);
    double x = emittente.right();
    const double totale = SpessoreTotale(d.strati);
    for (const Strato& s : d.strati) {
        const double w = parete * s.spessore / totale;
        DisegnaStrato(p, s, QRectF(x, area.top(), w, area.height()), true);
        x += w;
    }
    EtichettaAmbiente(p, emittente, QStringLiteral("Ambiente emittente"));
    EtichettaAmbiente(p, ricevente, QStringLiteral("Ambiente ricevente"));
    Altoparlante(p, QPointF(emittente.center().x() - 20, emittente.center().y() - 10));
    OndeSonore(p, QPointF(emittente.center().x() - 20, emittente.center().y() - 10), 0);
    Microfono(p, QPointF(ricevente.center().x(), ricevente.center().y() + 10));
    DisegnaLegenda(p, d.strati, AreaLegenda);
}

// In-situ impact test: tapping machine on the floor above, microphone below.
void DisegnaMisuraSolaio(QPainter& p, const Disegno& d)
{
    const QRectF area = AreaDisegno.adjusted(0, 0, 0, -10);
    const double solaio = 30;
    const QRectF sopra(area.left(), area.top(), area.width(), (area.height() - solaio) / 2);
    const QRectF sotto(area.left(), sopra.bottom() + solaio, area.width(), sopra.height());
    p.setPen(QPen(Linee, 2));
    p.setBrush(Qt::white);
    p.drawRect(sopra);
    p.drawRect(sotto);
    double y = sopra.bottom();
    const double totale = SpessoreTotale(d.strati);
    for (const Strato& s : d.strati) {
        const double h = solaio * s.spessore / totale;
        DisegnaStrato(p, s, QRectF(area.left(), y, area.width(), h), false);
        y += h;
    }
    EtichettaAmbiente(p, sopra, QStringLiteral("Macchina di calpestio"));
    EtichettaAmbiente(p, sotto, QStringLiteral("Ambiente ricevente"));
    MacchinaCalpestio(p, QPointF(sopra.center().x(), sopra.bottom()));
    OndeSonore(p, QPointF(sopra.center().x(), sotto.top() + 8), 270);
    Microfono(p, QPointF(sotto.center().x() + 70, sotto.top() + 50));
    DisegnaLegenda(p, d.strati, AreaLegenda);
}

using Pittore = void (*)(QPainter&, const Disegno&);

struct TipoDisegno
{
    const char* nome;
    Pittore pittore;
};

constexpr TipoDisegno kTipi[] = {
    {"senza", DisegnaSenza},
    {"parete", DisegnaParete},
    {"solaio", DisegnaSolaio},
    {"finestra", DisegnaFinestraUnaAnta},
    {"finestra2", DisegnaFinestraDueAnte},
    {"porta", DisegnaPorta},
    {"griglia", DisegnaGriglia},
    {"cassonetto", DisegnaCassonetto},
    {"misura_parete", DisegnaMisuraParete},
    {"misura_solaio", DisegnaMisuraSolaio},
};

Pittore PittorePer(const QString& tipo)
{
    for (const TipoDisegno& t : kTipi)
        if (tipo == QLatin1String(t.nome))
            return t.pittore;
    Errore(QStringLiteral("unknown drawing \"%1\"").arg(tipo));
}

QImage Dipingi(const Disegno& d)
{
    QImage immagine(Larghezza, Altezza, QImage::Format_RGB32);
    immagine.fill(Sfondo);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const Pittore pittore = PittorePer(d.tipo);
    pittore(p, d);
    if (d.tipo != QLatin1String("senza"))
        DisegnaTitolo(p, d.titolo);
    p.end();
    return immagine;
}

// ---------------------------------------------------------------------------------------
// List
// ---------------------------------------------------------------------------------------

Strato LeggiStrato(const QString& testo, const QString& riga)
{
    const QStringList parti = testo.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    bool ok = false;
    const double spessore = parti.size() >= 2 ? QLocale::c().toDouble(parti.at(1), &ok) : 0;
    if (!ok)
        Errore(QStringLiteral("%1: layer \"material thickness label\" expected in \"%2\"").arg(riga, testo));
    MaterialeDi(parti.at(0));
    return {parti.at(0), spessore, parti.mid(2).join(QLatin1Char(' '))};
}

std::vector<Disegno> LeggiElenco(const QString& percorso)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        Errore(QStringLiteral("cannot read %1").arg(percorso));
    std::vector<Disegno> disegni;
    int numero = 0;
    for (const QString& riga : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        ++numero;
        const QString pulita = QString(riga).remove(QLatin1Char('\r'));
        if (pulita.trimmed().isEmpty() || pulita.startsWith(QLatin1Char('#')))
            continue;
        const QStringList campi = pulita.split(QLatin1Char('\t'));
        const QString dove = QStringLiteral("%1:%2").arg(percorso).arg(numero);
        if (campi.size() < 2 || campi.size() > 4)
            Errore(QStringLiteral("%1: file, drawing, title and layers expected").arg(dove));
        Disegno d{campi.at(0), campi.at(1), campi.value(2), {}};
        PittorePer(d.tipo);
        if (campi.size() == 4)
            for (const QString& s : campi.at(3).split(QLatin1Char(';'), Qt::SkipEmptyParts))
                d.strati.push_back(LeggiStrato(s, dove));
        disegni.push_back(d);
    }
    return disegni;
}

void Salva(const QImage& immagine, const QString& percorso)
{
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    const QString temporaneo = percorso + QStringLiteral(".tmp");
    if (!immagine.save(temporaneo, "JPG", 90))
        Errore(QStringLiteral("cannot write %1").arg(temporaneo));
    QFile::remove(percorso);
    if (!QFile::rename(temporaneo, percorso))
        Errore(QStringLiteral("cannot move %1 to %2").arg(temporaneo, percorso));
}

void CreaCartelleCategorie(const QString& cartellaImmagini)
{
    for (const Categoria& c : Categorie::Tutte())
        if (!QDir().mkpath(cartellaImmagini + QLatin1Char('/') + QString::fromUtf8(c.cartella)))
            Errore(QStringLiteral("cannot create the image folder %1").arg(QString::fromUtf8(c.cartella)));
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing needs fonts but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList argomenti = app.arguments().mid(1);
    if (argomenti.size() != 2) {
        std::fputs("usage: zelmar-makeimages <images.tsv> <program folder>/immagine\n", stderr);
        return 2;
    }
    try {
        CreaCartelleCategorie(argomenti.at(1));
        for (const Disegno& d : LeggiElenco(argomenti.at(0)))
            Salva(Dipingi(d), argomenti.at(1) + QLatin1Char('/') + d.file);
    } catch (const ErroreImmagini& e) {
        std::fprintf(stderr, "zelmar-makeimages: %s\n", e.what());
        return 1;
    }
    return 0;
}
