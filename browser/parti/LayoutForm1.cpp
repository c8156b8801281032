#include "LayoutForm1.h"

#include "LineaTwips.h"

#include <QWidget>

#include <cmath>

namespace {

struct Regola
{
    const char* controllo;
    const char* proprieta;
    int base;
};

// Follows the keyword box: the image column starts 105 twips after its right edge.
constexpr int kStaccoImmagine = 105;

// A base of kSegueImmagine marks the controls that line up with the image column.
constexpr int kSegueImmagine = -1;
constexpr Regola kPrimoGruppo[] = {
    {"TreeView1", "width", 3255},
    {"Label1", "left", 3480},
    {"Combo1", "left", 5280},
    {"Combo1", "width", 4095},
    {"Label5", "left", kSegueImmagine},
    {"Image1", "left", kSegueImmagine},
    {"List1", "left", 3480},
    {"List1", "width", 5895},
    {"CommandInfoAgg", "left", kSegueImmagine},
    {"Label2", "left", 3480},
    {"Text2", "left", 3480},
    {"Text2", "width", 8415},
    {"Label3", "left", 3480},
    {"Label3", "width", 8415},
};
constexpr Regola kSecondoGruppo[] = {
    {"Frame1", "left", 3480},     {"Label4(4)", "left", 9015},  {"Label4(3)", "left", 9015},
    {"Label6", "left", 9240},     {"Line1(2)", "x1", 9525},     {"Line1(2)", "x2", 9645},
    {"Label4(0)", "left", 9660},  {"Label4(5)", "left", 10620}, {"Label4(1)", "left", 11595},
    {"Label4(2)", "left", 10245}, {"Line1(0)", "x1", 9750},     {"Line1(4)", "x1", 10755},
    {"Line1(5)", "x1", 11775},    {"Picture1", "left", 9615},
};
constexpr Regola kVerticale[] = {
    {"TreeView1", "height", 5175}, {"List1", "height", 1950},  {"CommandInfoAgg", "top", 3000},
    {"Label2", "top", 3120},       {"Text2", "top", 3360},     {"Label7", "top", 5880},
    {"Label3", "top", 4560},       {"Frame1", "top", 5160},    {"Picture1", "top", 5280},
    {"Label4(3)", "top", 5430},    {"Label4(4)", "top", 7080}, {"Label6", "top", 6270},
    {"Line1(2)", "y1", 5535},      {"Line1(2)", "y2", 5535},   {"Line1(3)", "y1", 7200},
    {"Line1(3)", "y2", 7200},      {"Label4(0)", "top", 7575}, {"Label4(2)", "top", 7755},
    {"Line1(0)", "y1", 7455},      {"Line1(0)", "y2", 7575},
};

using Valori = std::vector<ValoreLayout>;

void Aggiungi(Valori& v, const char* controllo, const char* proprieta, int valore)
{
    v.push_back({QString::fromLatin1(controllo), QString::fromLatin1(proprieta), valore});
}

int Valore(const Valori& v, const char* controllo, const char* proprieta)
{
    for (auto it = v.rbegin(); it != v.rend(); ++it)
        if (it->controllo == QLatin1String(controllo) && it->proprieta == QLatin1String(proprieta))
            return it->valore;
    return 0;
}

void PrimoGruppo(Valori& v, int dx)
{
    for (const Regola& r : kPrimoGruppo) {
        const int valore = r.base == kSegueImmagine
                               ? Valore(v, "Combo1", "left") + Valore(v, "Combo1", "width") + kStaccoImmagine
                               : r.base + dx;
        Aggiungi(v, r.controllo, r.proprieta, valore);
    }
}

void SecondoGruppo(Valori& v, int dx2)
{
    for (const Regola& r : kSecondoGruppo) {
        Aggiungi(v, r.controllo, r.proprieta, r.base + dx2);
        const QString nome = QString::fromLatin1(r.controllo);
        if (nome == QLatin1String("Line1(2)") && QLatin1String(r.proprieta) == QLatin1String("x2")) {
            Aggiungi(v, "Line1(3)", "x1", Valore(v, "Line1(2)", "x1"));
            Aggiungi(v, "Line1(3)", "x2", Valore(v, "Line1(2)", "x2"));
        } else if (QLatin1String(r.proprieta) == QLatin1String("x1")) {
            Aggiungi(v, r.controllo, "x2", r.base + dx2); // vertical ticks: x2 follows x1
        }
    }
}

void Verticale(Valori& v, int dy)
{
    for (const Regola& r : kVerticale) {
        Aggiungi(v, r.controllo, r.proprieta, r.base + dy);
        if (QLatin1String(r.controllo) == QLatin1String("Label4(0)")) {
            Aggiungi(v, "Label4(5)", "top", r.base + dy);
            Aggiungi(v, "Label4(1)", "top", r.base + dy);
        }
    }
    for (const char* linea : {"Line1(4)", "Line1(5)"}) {
        Aggiungi(v, linea, "y1", Valore(v, "Line1(0)", "y1"));
        Aggiungi(v, linea, "y2", Valore(v, "Line1(0)", "y2"));
    }
}

void ApplicaValore(QWidget* controllo, const ValoreLayout& v)
{
    if (auto* linea = qobject_cast<LineaTwips*>(controllo)) {
        linea->ImpostaCoordinata(v.proprieta, v.valore);
        return;
    }
    const int pixel = ArrotondaPari(v.valore / 15.0);
    QRect g = controllo->geometry();
    if (v.proprieta == QLatin1String("left"))
        g.moveLeft(pixel);
    else if (v.proprieta == QLatin1String("top"))
        g.moveTop(pixel);
    else if (v.proprieta == QLatin1String("width"))
        g.setWidth(pixel);
    else if (v.proprieta == QLatin1String("height"))
        g.setHeight(pixel);
    controllo->setGeometry(g);
}

} // namespace

int ArrotondaPari(double valore)
{
    return static_cast<int>(std::nearbyint(valore)); // the default rounding mode is to nearest, ties to even
}

std::vector<ValoreLayout> CalcolaLayout(int larghezzaEsterna, int altezzaEsterna)
{
    Valori v;
    int dx = 0;
    int dx2 = 0;
    if (larghezzaEsterna > LarghezzaEsternaProgetto) {
        dx = ArrotondaPari((larghezzaEsterna - LarghezzaEsternaProgetto) / 2.0);
        dx2 = ArrotondaPari(dx + dx / 2.0);
    }
    PrimoGruppo(v, dx);
    SecondoGruppo(v, dx2);
    const int dy = altezzaEsterna > AltezzaEsternaProgetto ? altezzaEsterna - AltezzaEsternaProgetto : 0;
    Verticale(v, dy);
    return v;
}

void ApplicaLayout(QWidget* form, int larghezzaEsterna, int altezzaEsterna)
{
    for (const ValoreLayout& v : CalcolaLayout(larghezzaEsterna, altezzaEsterna))
        if (auto* controllo = form->findChild<QWidget*>(v.controllo))
            ApplicaValore(controllo, v);
}

void CreaLinee(QWidget* client)
{
    new LineaTwips(QStringLiteral("Line1(0)"), 9750, 7455, 9750, 7575, client);
    new LineaTwips(QStringLiteral("Line1(2)"), 9525, 5535, 9645, 5535, client);
    new LineaTwips(QStringLiteral("Line1(3)"), 9525, 7200, 9645, 7200, client);
    new LineaTwips(QStringLiteral("Line1(4)"), 10755, 7455, 10755, 7575, client);
    new LineaTwips(QStringLiteral("Line1(5)"), 11775, 7455, 11775, 7575, client);
}
