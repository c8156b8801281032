#include "ComandiProgetto.h"

#include "FinestraProgetto.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QToolBar>

namespace {

// Two rooms and the wall between them, with the sound crossing it.
QIcon Icona()
{
    QPixmap immagine(32, 32);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 60, 90), 2));
    p.drawRect(3, 6, 26, 22);
    p.fillRect(14, 6, 4, 22, QColor(150, 110, 80));
    p.setPen(QPen(QColor(11, 79, 156), 2));
    for (int r : {4, 8})
        p.drawArc(QRectF(8 - r, 17 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    p.drawArc(QRectF(20, 14, 6, 6), -50 * 16, 100 * 16);
    return QIcon(immagine);
}

} // namespace

ComandiProgetto::ComandiProgetto(QMainWindow* finestra, QToolBar* barra, QMenu* menu,
                                 CollegamentiProgetto collegamenti)
    : QObject(finestra), finestra_(finestra), collegamenti_(std::move(collegamenti))
{
    setObjectName(QStringLiteral("ComandiProgetto"));
    auto* azione = new QAction(Icona(), tr("Acoustic design..."), finestra);
    azione->setObjectName(QStringLiteral("ProgettoAcustico"));
    azione->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    azione->setToolTip(
        QStringLiteral("%1 (%2)").arg(tr("Acoustic design: predict the building from library entries"),
                                      azione->shortcut().toString(QKeySequence::NativeText)));
    connect(azione, &QAction::triggered, this, &ComandiProgetto::Apri);
    barra->addAction(azione);
    if (QWidget* pulsante = barra->widgetForAction(azione))
        pulsante->setObjectName(azione->objectName());
    menu->addAction(azione);
    finestra->addAction(azione);
    finestra->installEventFilter(this);
}

bool ComandiProgetto::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto == finestra_ && evento->type() == QEvent::Close && progetto_ && progetto_->isVisible() &&
        !progetto_->close()) {
        evento->ignore();
        return true;
    }
    return QObject::eventFilter(oggetto, evento);
}

void ComandiProgetto::Apri()
{
    if (!progetto_)
        progetto_ = new FinestraProgetto(collegamenti_, finestra_);
    progetto_->show();
    progetto_->raise();
    progetto_->activateWindow();
}

FinestraProgetto* ComandiProgetto::Finestra() const
{
    return progetto_;
}
