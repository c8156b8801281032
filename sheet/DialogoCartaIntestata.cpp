#include "DialogoCartaIntestata.h"

#include "CartaIntestata.h"
#include "app/FileDialog.h"
#include "app/MessageBox.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

DialogoCartaIntestata::DialogoCartaIntestata(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DialogoCartaIntestata"));
    setWindowTitle(tr("Letterhead of the data sheets - ZELMARtek"));
    laboratorio_ = new QLineEdit(CartaIntestata::Laboratorio(), this);
    laboratorio_->setObjectName(QStringLiteral("Laboratorio"));
    laboratorio_->setPlaceholderText(tr("none"));
    logo_ = new QLineEdit(CartaIntestata::FileLogo(), this);
    logo_->setObjectName(QStringLiteral("Logo"));
    logo_->setPlaceholderText(tr("none"));
    logo_->setMinimumWidth(320);
    connect(logo_, &QLineEdit::textChanged, this, &DialogoCartaIntestata::MostraLogo);
    auto* scegli = new QPushButton(tr("C&hoose..."), this);
    connect(scegli, &QPushButton::clicked, this, &DialogoCartaIntestata::ScegliLogo);
    auto* togli = new QPushButton(tr("&Remove"), this);
    connect(togli, &QPushButton::clicked, logo_, &QLineEdit::clear);
    auto* rigaLogo = new QHBoxLayout;
    rigaLogo->addWidget(logo_, 1);
    rigaLogo->addWidget(scegli);
    rigaLogo->addWidget(togli);
    anteprima_ = new QLabel(this);
    anteprima_->setMinimumHeight(64);

    auto* modulo = new QFormLayout;
    modulo->addRow(tr("&Laboratory:"), laboratorio_);
    modulo->addRow(tr("L&ogo:"), rigaLogo);
    modulo->addRow(QString(), anteprima_);
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("Printed at the top of every data sheet; leave both empty for none."), this));
    layout->addLayout(modulo);
    layout->addWidget(pulsanti);
    MostraLogo();
}

void DialogoCartaIntestata::ScegliLogo()
{
    const QString file = FileDialog::getOpenFileName(this, tr("Logo of the letterhead"),
                                                     {tr("Pictures (*.png *.jpg *.jpeg *.bmp *.svg)")}, 0,
                                                     QStringLiteral("logo"));
    if (!file.isEmpty())
        logo_->setText(file);
}

void DialogoCartaIntestata::MostraLogo()
{
    const QImage logo(logo_->text().trimmed());
    anteprima_->setPixmap(logo.isNull() ? QPixmap()
                                        : QPixmap::fromImage(logo.scaled(240, 64, Qt::KeepAspectRatio,
                                                                         Qt::SmoothTransformation)));
}

void DialogoCartaIntestata::accept()
{
    const QString file = logo_->text().trimmed();
    if (!file.isEmpty() && QImage(file).isNull()) {
        MessageBox::show(this, tr("\u00ab%1\u00bb cannot be read as a picture.").arg(file),
                         MessageBox::Exclamation);
        return;
    }
    CartaIntestata::Imposta(file, laboratorio_->text());
    QDialog::accept();
}
