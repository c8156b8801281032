#include "ControlliForm1.h"

#include "AlberoNodi.h"
#include "ElencoNomi.h"
#include "ElencoParole.h"

#include "RiquadroImmagine.h"
#include "browser/parti/Picture1.h"
#include "model/RecordSchema.h"
#include "ui/CasellaTesto.h"
#include "ui/DidascaliaAdattata.h"
#include "ui/ModuleToolbarColor.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QTreeWidget>

namespace {

int Pixel(int twips)
{
    return qRound(twips / 15.0);
}

template <typename W> W* Colloca(W* w, const QString& nome, int left, int top, int width, int height)
{
    w->setObjectName(nome);
    w->setGeometry(Pixel(left), Pixel(top), Pixel(width), Pixel(height));
    return w;
}

QString Elemento(const char* nome, int indice)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(nome)).arg(indice);
}

QLabel* Etichetta(QWidget* padre, const QString& nome, const QString& testo, int left, int top, int width,
                  int height, Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* l = Colloca(new DidascaliaAdattata(testo, padre), nome, left, top, width, height);
    l->setAlignment(allineamento);
    return l;
}

void CreaToolbar(ControlliForm1& c)
{
    c.Toolbar1 = Colloca(new QToolBar(c.client), QStringLiteral("Toolbar1"), 0, 0, 11985, 450);
    c.Toolbar1->setMovable(false);
    c.Toolbar1->setFloatable(false);
    c.Toolbar1->setIconSize(QSize(22, 22));
    const auto pulsante = [&](int indice, const QIcon& icona, const char* suggerimento) {
        QAction* azione = c.Toolbar1->addAction(icona, QString());
        azione->setObjectName(Elemento("Toolbar1.Buttons", indice));
        azione->setToolTip(QString::fromUtf8(suggerimento));
        azione->setEnabled(false);
        if (QWidget* bottone = c.Toolbar1->widgetForAction(azione))
            bottone->setObjectName(azione->objectName());
        return azione;
    };
    c.Inserisci = pulsante(1, ModuleToolbarColor::IconaInserisci(), "Inserire nuovo materiale");
    c.Modifica = pulsante(2, ModuleToolbarColor::IconaModifica(), "Modifica elemento selezionato");
    c.Elimina = pulsante(3, ModuleToolbarColor::IconaCancella(), "Cancella elemento selezionato");
    c.PictureToolbar = Colloca(new QLabel(c.client), QStringLiteral("PictureToolbar"), 0, 0, 14730, 450);
    c.PictureToolbar->hide();
}

void CreaMenu(ControlliForm1& c, QMainWindow* finestra)
{
    // A menu the window carries without showing it in a menu bar.
    c.MenuElementi = new QMenu(QStringLiteral("Elementi"), finestra);
    c.MenuElementi->setObjectName(QStringLiteral("MenuElementi"));
    c.Cancella = c.MenuElementi->addAction(QStringLiteral("Cancella"));
    c.Cancella->setObjectName(QStringLiteral("Cancella"));
    c.Cancella->setEnabled(false);
    c.ImportaJet = c.MenuElementi->addAction(QStringLiteral("Importa database Jet..."));
    c.ImportaJet->setObjectName(QStringLiteral("ImportaJet"));
    // The menu is not shown in a menu bar: the window carries the command's shortcut.
    c.ImportaJet->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
    finestra->addAction(c.ImportaJet);
}

void CreaColonnaSinistra(ControlliForm1& c)
{
    c.TreeView1 = Colloca(new AlberoNodi(c.client), QStringLiteral("TreeView1"), 120, 480, 3255, 5175);
    c.TreeView1->setHeaderHidden(true);
    c.TreeView1->setColumnCount(1);
    c.TreeView1->setIndentation(16);
    c.Label7 = Etichetta(c.client, QStringLiteral("Label7"), QStringLiteral("Database"), 120, 5880, 3255,
                         1575, Qt::AlignLeft | Qt::AlignTop);
    c.Label7->setWordWrap(true);
    c.Label7->setFrameShape(QFrame::StyledPanel);
    c.Label7->setMargin(4);
}

void CreaElenco(ControlliForm1& c)
{
    c.Label1 =
        Etichetta(c.client, QStringLiteral("Label1"), QStringLiteral("Parola chiave"), 3480, 510, 1695, 285);
    c.Combo1 = Colloca(new ElencoParole(c.client), QStringLiteral("Combo1"), 5280, 480, 4095, 345);
    c.Combo1->setEditable(false);
    c.Combo1->setMaxVisibleItems(20);
    c.List1 = Colloca(new ElencoNomi(c.client), QStringLiteral("List1"), 3480, 900, 5895, 1950);
    c.List1->setToolTip(QStringLiteral("Fare doppio click per modificare l'elemento"));
    c.Label5 =
        Etichetta(c.client, QStringLiteral("Label5"), QStringLiteral("Immagine"), 9480, 510, 2385, 285);
    c.Image1 = Colloca(new RiquadroImmagine(c.client), QStringLiteral("Image1"), 9480, 900, 2385, 1950);
    c.Image1->setFrameShape(QFrame::StyledPanel);
    c.CommandInfoAgg = Colloca(new QPushButton(QStringLiteral("Informazione aggiuntive"), c.client),
                               QStringLiteral("CommandInfoAgg"), 9480, 3000, 2385, 330);
    c.Label2 =
        Etichetta(c.client, QStringLiteral("Label2"), QStringLiteral("Descrizione"), 3480, 3090, 2535, 270);
    c.Text2 = Colloca(new QPlainTextEdit(c.client), QStringLiteral("Text2"), 3480, 3360, 8415, 1095);
    c.Text2->setReadOnly(true);
    c.Text2->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    c.Label3 = Etichetta(c.client, QStringLiteral("Label3"), QString(), 3480, 4560, 8415, 405);
}

// Row 0 is the top row: bands 0 to 6, captions "Label32(5)" and "Label33(5)".
void CreaRigaBande(ControlliForm1& c, int riga)
{
    constexpr int kSinistre[] = {1320, 1920, 2520, 3120, 3720, 4320, 4920};
    const int topFrequenze = 235 + riga * 625;
    const int topCaselle = 475 + riga * 625;
    const int elemento = 5 - riga;
    c.righeBande[riga].frequenza = Etichetta(c.Frame1, Elemento("Label32", elemento),
                                             QStringLiteral("Frequenza [Hz]"), 120, topFrequenze, 1170, 240);
    c.righeBande[riga].grandezza = Etichetta(c.Frame1, Elemento("Label33", elemento),
                                             QStringLiteral("Ri [dB]"), 120, topCaselle, 1170, 285);
    for (int colonna = 0; colonna < 7; ++colonna) {
        const int banda = riga * 7 + colonna;
        Etichetta(c.Frame1, Elemento("Label36", banda), QString::number(RecordSchema::Frequenze[banda]),
                  kSinistre[colonna], topFrequenze, 550, 240, Qt::AlignCenter);
        auto* casella = Colloca(new CasellaTesto(c.Frame1), Elemento("Text1", banda), kSinistre[colonna],
                                topCaselle, 550, 285);
        casella->setReadOnly(true);
        casella->setAlignment(Qt::AlignCenter);
        c.Text1[banda] = casella;
    }
}

void CreaBande(ControlliForm1& c)
{
    c.Frame1 = Colloca(new QGroupBox(QStringLiteral("Dati in frequenza"), c.client), QStringLiteral("Frame1"),
                       3480, 5160, 5535, 2295);
    for (int riga = 0; riga < int(c.righeBande.size()); ++riga)
        CreaRigaBande(c, riga);
}

void CreaGrafico(ControlliForm1& c)
{
    c.grafico = Colloca(new Picture1(c.client), QStringLiteral("Picture1"), 9600, 5280, 2295, 2175);
    struct Didascalia
    {
        QLabel* ControlliForm1::*membro; // nullptr: a tick caption nothing changes
        int indice;
        const char* testo;
        int left, top, width;
        Qt::Alignment allineamento;
    };
    const Didascalia didascalie[] = {
        {&ControlliForm1::massimo, 3, "max", 9015, 5430, 495, Qt::AlignRight | Qt::AlignVCenter},
        {&ControlliForm1::minimo, 4, "min", 9015, 7080, 495, Qt::AlignRight | Qt::AlignVCenter},
        {nullptr, 0, "63", 9660, 7575, 195, Qt::AlignCenter},
        {nullptr, 5, "500", 10620, 7575, 270, Qt::AlignCenter},
        {nullptr, 1, "4000", 11595, 7575, 360, Qt::AlignCenter},
        {&ControlliForm1::titoloFrequenze, 2, "Frequenza [Hz]", 10245, 7755, 1005, Qt::AlignCenter},
    };
    for (const Didascalia& d : didascalie) {
        QLabel* etichetta = Etichetta(c.client, Elemento("Label4", d.indice), QString::fromUtf8(d.testo),
                                      d.left, d.top, d.width, 210, d.allineamento);
        if (d.membro)
            c.*d.membro = etichetta;
    }
    c.Label6 = Etichetta(c.client, QStringLiteral("Label6"), QStringLiteral("[dB]"), 9240, 6270, 360, 210,
                         Qt::AlignRight | Qt::AlignVCenter);
}

void CreaComandiNascosti(ControlliForm1& c)
{
    c.Command1 = Colloca(new QPushButton(QStringLiteral("Inserire nuovo materiale"), c.client),
                         QStringLiteral("Command1"), 3480, 7680, 2535, 375);
    c.Command2 = Colloca(new QPushButton(QStringLiteral("Informazione aggiuntive"), c.client),
                         QStringLiteral("Command2"), 6120, 7680, 2535, 375);
    c.Command1->setEnabled(false);
    c.Command2->setEnabled(false);
    c.Command1->hide();
    c.Command2->hide();
}

} // namespace

ControlliForm1 ControlliForm1::Crea(QMainWindow* finestra)
{
    ControlliForm1 c;
    c.client = new QWidget(finestra);
    c.client->setObjectName(QStringLiteral("Form1.client"));
    finestra->setCentralWidget(c.client);
    CreaToolbar(c);
    CreaMenu(c, finestra);
    CreaColonnaSinistra(c);
    CreaElenco(c);
    CreaBande(c);
    CreaGrafico(c);
    CreaComandiNascosti(c);
    return c;
}
