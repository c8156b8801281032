#include "CasellaData.h"

#include "app/Traduzioni.h"

#include <QAction>
#include <QCalendarWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QStyle>
#include <QWidgetAction>

namespace {
const QString kFormato = QStringLiteral("d/M/yyyy");
} // namespace

CasellaData::CasellaData(const QDate& data, QWidget* parent) : QLineEdit(data.toString(kFormato), parent)
{
    setPlaceholderText(tr("day/month/year"));
    QAction* calendario =
        addAction(style()->standardIcon(QStyle::SP_FileDialogDetailedView), QLineEdit::TrailingPosition);
    calendario->setToolTip(tr("Choose in the calendar"));
    connect(calendario, &QAction::triggered, this, &CasellaData::MostraCalendario);
    connect(this, &QLineEdit::textEdited, this, &CasellaData::dataScelta);
}

std::optional<QDate> CasellaData::Leggi(const QString& testo)
{
    static const QRegularExpression giornoMeseAnno(
        QStringLiteral("^(\\d{1,2})[/.-](\\d{1,2})[/.-](\\d{2}|\\d{4})$"));
    static const QRegularExpression annoMeseGiorno(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    const QString pulito = testo.trimmed();
    QDate data;
    if (const auto g = giornoMeseAnno.match(pulito); g.hasMatch()) {
        const int anno = g.captured(3).toInt();
        data = QDate(g.captured(3).size() == 2 ? 2000 + anno : anno, g.captured(2).toInt(),
                     g.captured(1).toInt());
    } else if (const auto a = annoMeseGiorno.match(pulito); a.hasMatch()) {
        data = QDate(a.captured(1).toInt(), a.captured(2).toInt(), a.captured(3).toInt());
    }
    return data.isValid() ? std::optional(data) : std::nullopt;
}

void CasellaData::MostraCalendario()
{
    QMenu menu(this);
    auto* calendario = new QCalendarWidget(&menu);
    Traduzioni::ImpostaCalendario(calendario);
    calendario->setSelectedDate(Data().value_or(QDate::currentDate()));
    auto* voce = new QWidgetAction(&menu);
    voce->setDefaultWidget(calendario);
    menu.addAction(voce);
    connect(calendario, &QCalendarWidget::clicked, &menu, [&](const QDate& scelta) {
        setText(scelta.toString(kFormato));
        emit dataScelta();
        menu.close();
    });
    menu.exec(mapToGlobal(rect().bottomLeft()));
}
