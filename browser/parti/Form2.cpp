#include "Form2.h"

#include "config/Traduzioni.h"
#include "config/ZelmarCommonModule.h"
#include "ui/CasellaTesto.h"
#include "ui/Colori.h"
#include "ui/DidascaliaAdattata.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QRect Twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

// Frame titles in white on the program's dark blue, as in the editor.
QString StileTitolo()
{
    return QStringLiteral("background-color: %1; color: white; font-weight: bold;")
        .arg(Colori::BluScuro.name());
}

QString Elemento(const char* nome, int indice)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(nome)).arg(indice);
}

} // namespace

Form2::Form2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Informazione aggiuntive"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(5940 / 15, 8565 / 15);
    // The same small dialog font as the main window, for which the boxes are placed.
    QFont carattere = font();
    carattere.setPointSizeF(8.25);
    setFont(carattere);
    CreaControlli();
    CaricaDidascalie();
}

QFrame* Form2::CreaRiquadro(const QString& nome, const QString& titolo, const QString& nomeTitolo, int top,
                            int altezza)
{
    auto* riquadro = new QFrame(this);
    riquadro->setObjectName(nome);
    riquadro->setFrameShape(QFrame::Box);
    riquadro->setGeometry(Twips(120, top, 5655, altezza));
    auto* etichetta = new QLabel(titolo, riquadro);
    etichetta->setObjectName(nomeTitolo);
    etichetta->setGeometry(Twips(0, 0, 5640, 255));
    etichetta->setStyleSheet(StileTitolo());
    (nomeTitolo == QLatin1String("Label4") ? Label4_ : Label5_) = etichetta;
    return riquadro;
}

void Form2::CreaCasella(QWidget* contenitore, int k, const char* didascalia, QPoint etichetta, QRect casella,
                        bool piuRighe, const QString& testo)
{
    auto* label = new DidascaliaAdattata(QString::fromUtf8(didascalia), contenitore);
    label->setObjectName(Elemento("Label1", k));
    label->move(etichetta / 15);
    label->adjustSize();
    Label1_[k] = label;

    QWidget* box;
    if (piuRighe) {
        auto* editor = new QPlainTextEdit(testo, contenitore);
        editor->setReadOnly(true);
        editor->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box = editor;
    } else {
        auto* editor = new CasellaTesto(testo, contenitore);
        editor->setReadOnly(true);
        box = editor;
    }
    box->setObjectName(Elemento("Text1", k));
    box->setGeometry(casella);
    Text1_[k] = box;
}

void Form2::CreaControlli()
{
    FrameInfogenerali_ =
        CreaRiquadro(QStringLiteral("FrameInfogenerali"), QStringLiteral(" Informazioni generali"),
                     QStringLiteral("Label4"), 120, 3975);
    QWidget* g = FrameInfogenerali_;
    CreaCasella(g, 4, "Note", {120, 360}, Twips(120, 600, 5295, 885), true);
    CreaCasella(g, 5, "Immagine", {120, 1560}, Twips(120, 1800, 5295, 285), false, QStringLiteral("senza"));
    CreaCasella(g, 11, "Cantiere", {120, 2160}, Twips(120, 2400, 5295, 525), true);
    CreaCasella(g, 6, "m'[kg/m²]", {120, 3120}, Twips(240, 3360, 850, 285), false);
    CreaCasella(g, 7, "s [mm]", {1380, 3120}, Twips(1320, 3360, 850, 285), false);
    CreaCasella(g, 8, "Ss [m²]", {2430, 3120}, Twips(2385, 3360, 850, 285), false);
    CreaCasella(g, 9, "Vr [m³]", {3480, 3120}, Twips(3435, 3360, 850, 285), false);
    CreaCasella(g, 10, "Ve [m³]", {4440, 3120}, Twips(4410, 3360, 850, 285), false);

    FrameCertificato_ =
        CreaRiquadro(QStringLiteral("FrameCertificato"), QStringLiteral(" Informazioni certificato"),
                     QStringLiteral("Label5"), 4200, 3615);
    QWidget* c = FrameCertificato_;
    CreaCasella(c, 0, "Certificato", {120, 360}, Twips(120, 600, 2535, 645), true);
    CreaCasella(c, 2, "Ente di prova", {120, 1320}, Twips(120, 1560, 2535, 675), true);
    CreaCasella(c, 3, "Società richiedente", {120, 2280}, Twips(120, 2520, 2535, 675), true);
    CreaCasella(c, 1, "Data di prova", {2880, 360}, Twips(2880, 600, 2445, 285), false,
                QStringLiteral("01/01/2000"));

    MonthView1_ = new QCalendarWidget(c);
    MonthView1_->setObjectName(QStringLiteral("MonthView1"));
    MonthView1_->setGeometry(Twips(2880, 960, 2490, 2370));
    MonthView1_->setGridVisible(false);
    MonthView1_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthView1_->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    QFont piccolo = font();
    piccolo.setPointSizeF(7);
    MonthView1_->setFont(piccolo); // seven day columns in the designed width
    MonthView1_->setDateRange(QDate(1753, 1, 1), QDate(9999, 12, 31));
    MonthView1_->setSelectedDate(QDate(2008, 1, 21));
    MonthView1_->setLocale(Traduzioni::LocaleInterfaccia());

    Command2_ = new QPushButton(QStringLiteral("Chiudi"), this);
    Command2_->setObjectName(QStringLiteral("Command2"));
    Command2_->setGeometry(Twips(2363, 8040, 1215, 375));
    Command2_->setAutoDefault(false); // Enter in a box does not press it
    connect(Command2_, &QPushButton::clicked, this, &QWidget::hide);
}

void Form2::closeEvent(QCloseEvent* evento)
{
    QDialog::closeEvent(evento);
    if (evento->isAccepted())
        deleteLater();
}

void Form2::keyPressEvent(QKeyEvent* evento)
{
    evento->accept();
}

void Form2::CaricaDidascalie()
{
    using ZelmarCommonModule::M;
    Label4_->setText(M(38));
    Label1_[4]->setText(M(39));
    Label1_[5]->setText(M(5));
    Label1_[11]->setText(M(40));
    Label1_[7]->setText(M(41));
    Label5_->setText(M(42));
    Label1_[0]->setText(M(43));
    Label1_[2]->setText(M(44));
    Label1_[3]->setText(M(45));
    Label1_[1]->setText(M(46));
    Command2_->setText(M(47));
    setWindowTitle(M(7));
    for (QLabel* l : Label1_)
        l->adjustSize();
}

QString Form2::Testo(int k) const
{
    if (auto* riga = qobject_cast<QLineEdit*>(Casella(k)))
        return riga->text();
    if (auto* righe = qobject_cast<QPlainTextEdit*>(Casella(k)))
        return righe->toPlainText();
    return {};
}

void Form2::ImpostaTesto(int k, const QString& testo)
{
    if (auto* riga = qobject_cast<QLineEdit*>(Casella(k)))
        riga->setText(testo);
    else if (auto* righe = qobject_cast<QPlainTextEdit*>(Casella(k)))
        righe->setPlainText(testo);
}

QWidget* Form2::Casella(int k) const
{
    return k >= 0 && k < NumeroCaselle ? Text1_[k] : nullptr;
}
QLabel* Form2::Etichetta(int k) const
{
    return k >= 0 && k < NumeroCaselle ? Label1_[k] : nullptr;
}

void Form2::ResetValoriForm2()
{
    for (int k : {4, 5, 11, 6, 7, 8, 9, 10, 0, 1, 2, 3})
        ImpostaTesto(k, QString());
}
